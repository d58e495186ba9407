import { advice, detectSystem, type SystemInfo, type Trouble, troubleOf } from './cable_doctor';
import { type Chip, chipOf } from './usb/cable_chips';
import type { CheckOutcome } from './engine';
import { tell } from './questions';

// The cable doctor in the page: its advice under the page's messages, for
// the system the page runs on and the cable chosen.
export class CableHelp {
  readonly system: SystemInfo = detectSystem(navigator);

  constructor(private readonly cableIds: () => { vendorId?: number; productId?: number }) {}

  private chip(): Chip | null {
    const { vendorId, productId } = this.cableIds();
    return chipOf(vendorId, productId);
  }

  text(trouble: Trouble): string {
    return advice(trouble, this.system, this.chip()).join('\n\n');
  }

  // Why the port would not open and what to do; nothing for an aborted open.
  async portRefused(title: string, error: unknown): Promise<void> {
    const trouble = troubleOf(error);
    if (trouble === null) return;
    await tell(title, 'Could not open the port', `${String(error)}\n\n${this.text(trouble)}`);
  }

  // Neither Web Serial nor WebUSB: the notice says so in this system's terms.
  showNoSerialApi(notice: HTMLElement): void {
    if (this.system.webSerial || this.system.webUsb) return;
    notice.textContent = this.text('no-serial-api');
    notice.hidden = false;
  }
}

// Check Cable's report: the verdict, then the figures and what the reads
// said on the way.
export async function showCheckReport(outcome: CheckOutcome, help: CableHelp): Promise<void> {
  const [verdict, ...rest] = outcome.report.split('\n');
  const details = [...rest];
  if (outcome.message !== '') details.unshift(outcome.message, '');
  if (!outcome.agrees && outcome.bytesPerSecond === 0) details.push('', help.text('no-answer'));
  await tell('Check Cable', verdict, details.join('\n'));
}
