import type { Engine, FleetLogRow, SerialPortLike, TransferHost } from './engine';

// What one radio's row shows while it is programmed.
export interface RadioProgress {
  progress(percent: number): void;
  state(text: string): void;
}

export interface RadioPlan {
  file: string;
  fileSha256: string;
  port: string;
  verify: boolean;
}

// One radio of the run as its row and the log show it; message: what went
// wrong, in the radio's own words ("" when nothing did).
export interface RadioEnd extends FleetLogRow { message: string }

// A run has no one to answer the engine's questions for each radio: a radio
// that does not answer, or answers as another software version, fails and
// the others go on.
// declined: the question the run said no to, which is why the radio failed.
function unattendedHost(shown: RadioProgress): TransferHost & { declined: string } {
  const host = {
    declined: '',
    progress: (percent: number) => shown.progress(percent),
    status: (text: string) => shown.state(text),
    askRetry: async (message: string) => {
      host.declined = message;
      return false;
    },
    askVersion: async (message: string) => {
      host.declined = message;
      return false;
    },
  };
  return host;
}

// Writes the form into the radio on link and, when asked, reads it back and
// compares. The form, its saved mark and its history stay as they are.
export async function programRadio(
  engine: Engine, link: SerialPortLike, plan: RadioPlan, shown: RadioProgress, signal: AbortSignal,
): Promise<RadioEnd> {
  const started = performance.now();
  const host = unattendedHost(shown);
  const row = { file: plan.file, fileSha256: plan.fileSha256, port: plan.port, cableSerial: '', radio: '',
    result: '', verified: '', radioData: 'replaced', backup: '', message: '' };
  const finish = (fields: Partial<RadioEnd>): RadioEnd =>
    ({ ...row, ...fields, seconds: (performance.now() - started) / 1000, endedAt: Date.now() });

  // Nobody is there to answer: the file's values were accepted for the whole
  // run, and a radio is written without a preview.
  let readBack: string | null = null;
  const written = await engine.writeSafely({
    beginStep: async (step) => {
      shown.progress(0);
      return step === 'verify' || step === 'write' ? { port: link, host, signal } : null;
    },
    endStep: async () => undefined,
    tell: async (message) => {
      readBack = message;
    },
    acceptValues: async () => true,
    keepBackup: async () => true,
    lastKnownRadio: async () => null,
    askFirstWrite: async () => 'cancel',
    confirmWrite: async () => false,
  }, { checkValues: false, preview: false, verify: plan.verify });
  if (written.cancelled && !host.declined) return finish({ result: 'cancelled', message: written.partlyWritten ? written.warning : '' });
  if (!written.ok) {
    const message = [written.message, host.declined].filter((line) => line !== '').join('\n');
    return finish(failure(message, written.partlyWritten ? written.warning : '', written.otherModel));
  }
  const radio = written.image ? engine.modelOf(written.image) : '';
  if (!plan.verify || !written.image) return finish({ radio, result: 'written' });
  const verdict = written.verify ?? '';
  if (!verdict) return finish({ radio, result: 'written', verified: 'no', message: readBack ?? 'The read back was cancelled.' });
  const verified = verdict.startsWith('Verified');
  return finish({ radio, result: 'written', verified: verified ? 'yes' : 'no', message: verified ? '' : verdict });
}

function failure(message: string, warning: string, otherModel: boolean): Partial<RadioEnd> {
  const said = [message, warning].filter((line) => line !== '').join('\n');
  if (otherModel) return { result: 'other model', message: said };
  const first = message.split('\n')[0] || 'no answer';
  return { result: `failed: ${first}`, message: said };
}
