// The radio programmer's engine for the page: the same core as the desktop
// program (the form's rules, the channel file, the channel lists, the
// read/write protocol and the simulated radio), compiled to WebAssembly.
// Everything answers at once except the transfers, which await the port.
import createHmprogEngine, { type FleetLogRow, type RawEngine, type RawSimulatedRadio, type ValuesMessage } from '../build/engine/hmprog_engine.js';

export type { FleetLogRow, ValuesMessage };

export interface ComboState { label: string; items: string[]; index: number; enabled: boolean }

export interface FormState {
  // The setting boxes in the form's order: Model, Frequency, Squelch Level,
  // TOT, Voice, Beep, Vox Switch, Vox Gain Level, Battery Saver, PTT ID.
  combos: ComboState[];
  // 17 rows of 9 texts: the headings, then channels 1 to 16; column 0 is
  // the channel number.
  grid: string[][];
  pttIdCode: string;
  // Whether there is a step to take back or again, and its name as the
  // Edit menu shows it: "Undo Model Change", "Redo Channel 5 Rx Freq";
  // "Undo" and "Redo" when there is none.
  canUndo: boolean;
  canRedo: boolean;
  undoText: string;
  redoText: string;
  // Differs from the form of the last New, Open, Save or completed read.
  modified: boolean;
}

// A grid cell: row 1..16 is a channel, col 1..8 a column (0: none chosen).
export interface GridCell { row: number; col: number }

// What a paste of channel rows did: the channels written (last < first:
// none) and what it tells of rows changed to fit or left out.
export interface RowsPaste { first: number; last: number; report: string }

// accepted is false when the typed text was dropped (a tone the radio cannot
// hold, an option not in the list, a PTT ID Code it cannot store); text is
// what the cell shows afterwards; message says how a frequency was corrected.
export interface CommitResult { accepted: boolean; text: string; message: string }

export interface TransferHost {
  progress(percent: number): void;
  status(text: string): void;
  // "Communication error, please try again.": true for Retry.
  askRetry(message: string): Promise<boolean>;
  // "Please select the correct software version.": true for Continue.
  askVersion(message: string): Promise<boolean>;
}

// The steps of a write, each a transfer of its own.
export type WriteStep = 'read-before' | 'read-for-preview' | 'write' | 'verify' | 'restore';
const kWriteSteps: WriteStep[] = ['read-before', 'read-for-preview', 'write', 'verify', 'restore'];
const kFirstWriteAnswers = ['read', 'write', 'cancel'] as const;

// What a write with its safety asks of the page.
export interface WriteSafetyHost {
  // Opens the port and the transfer dialog for one step; null when the port
  // was not opened (and that has been said), which ends the write.
  beginStep(step: WriteStep): Promise<{ port: SerialPortLike; host: TransferHost; signal: AbortSignal } | null>;
  // Closes them again.
  endStep(): Promise<void>;
  // A read before the write did not complete: the message for the user.
  tell(message: string): Promise<void>;
  // The form holds values no radio of its model can hold: true writes.
  acceptValues(): Promise<boolean>;
  // A read before the write, to keep as a backup: false stops the write.
  keepBackup(image: Uint8Array): Promise<boolean>;
  // What the radio of the form's model holds as far as the page knows.
  lastKnownRadio(): Promise<Uint8Array | null>;
  // The preview has nothing to compare with.
  askFirstWrite(): Promise<(typeof kFirstWriteAnswers)[number]>;
  // What the write changes in the radio, one a line ("" none): true writes.
  confirmWrite(changes: string): Promise<boolean>;
}

// checkValues: the engine asks acceptValues about values no radio of the
// form's model can hold.
export interface WriteSafetyOptions { checkValues?: boolean; preview: boolean; verify: boolean }

// What the engine needs of a port that is open at 9600 8N1.
export interface SerialPortLike {
  write(bytes: Uint8Array): Promise<void>;
  // Resolves with what has arrived, at most max bytes: as soon as max bytes
  // are there, deadlineMs after the call, or (where the port can tell)
  // gapMs after a byte that no other has followed, whichever comes first.
  // Rejects when the port has failed.
  read(max: number, deadlineMs: number, gapMs?: number): Promise<Uint8Array>;
  // Throws away what has arrived and not been read, at once: the engine
  // does not wait for a promise it returns.
  purge(): void;
  // The transfer's pauses (1 or 2 ms); a port on a virtual clock moves the
  // clock on. Without it the engine pauses on setTimeout.
  sleep?(ms: number): Promise<void>;
}

export interface TransferOutcome {
  ok: boolean;
  // Cancel, or Cancel at the retry or version prompt: nothing to report.
  cancelled: boolean;
  // What went wrong, in the radio's own words ("Not receive enough byte"),
  // one message a line; "" when nothing did.
  message: string;
  // The write stopped with blocks in the radio; warning says what to do.
  partlyWritten: boolean;
  warning: string;
  // A write refused because the radio reports a range the form's model does
  // not fit: nothing was written.
  otherModel: boolean;
  // A completed read: the radio's memory (the form now shows it). A write:
  // the image sent.
  image?: Uint8Array;
  // A write with Verify After Write whose read back completed: "Verified.",
  // or "Verify failed" and the blocks that differ.
  verify?: string;
}

// What Check Cable found: the radio read twice and the reads compared.
export interface CheckOutcome {
  // Both reads completed and brought the same memory.
  agrees: boolean;
  // Cancel, or Cancel at the retry or version prompt: nothing to report.
  cancelled: boolean;
  // What the reads said on the way ("Not receive enough byte"); "" when nothing.
  message: string;
  // The report as the command line prints it, one finding a line.
  report: string;
  // The 8-byte blocks (0 to 127) the two reads brought differently.
  differingBlocks: number[];
  // Memory bytes read per second; 0 when no read completed.
  bytesPerSecond: number;
  // Bytes handed back as sent, bytes that were no answer, wake-up retries.
  echoes: number;
  garbage: number;
  retries: number;
}

export interface SimulatedRadioLike {
  // The radio hears bytes and answers at once; the line's timing is the
  // port's business.
  receive(bytes: Uint8Array): Uint8Array;
  // Its memory now.
  image(): Uint8Array;
}

export interface SimulatedRadioOptions {
  // A fault as `hmprog-cli sim --fault` names it: "silent", "nak-write" ...
  fault?: string;
  // The block the fault strikes (40 when not given).
  faultBlock?: number;
  // Its memory: 1024 bytes. Else demonstration channels (HM-615V) or a new
  // radio's memory (HM-615U).
  memory?: Uint8Array;
}

export interface Engine {
  newForm(): void;
  // Only exactly 1024 bytes are a channel file; name is what the refusal
  // calls the file. A refused file leaves the form as it was.
  openChannelFile(bytes: Uint8Array, name?: string): { ok: boolean; message: string };
  // Byte for byte what the desktop program saves for the same form.
  saveChannelFile(): Uint8Array;
  state(): FormState;
  // combo: index into FormState.combos. With the model, band and VOX
  // switch reactions; a disabled box or an index off the list is ignored.
  selectCombo(combo: number, index: number): void;
  // row 1..16, col 1..8, as an editor closing on text.
  commitCell(row: number, col: number, text: string): CommitResult;
  setPttIdCode(text: string): CommitResult;
  // What a cell of column col offers: the tone list, the option items, or
  // none (frequencies are typed).
  cellChoices(col: number): string[];
  addChannel(row: number): void;
  deleteChannel(row: number): void;
  clearChannel(row: number): void;
  // Channels first..last (1..16) as tab-separated text, a line each, as
  // spreadsheets copy cells; cut also removes them.
  copyRows(first: number, last: number): string;
  cutRows(first: number, last: number): string;
  // The lines of text into the channels from row on, through the rules of
  // typing; a heading line, channel numbers and "\r\n" are taken.
  pasteRows(row: number, text: string): RowsPaste;
  // One place up (by -1) or down (+1); false, nothing moved, at the edge.
  moveRows(first: number, last: number, by: number): boolean;
  clearRows(first: number, last: number): void;
  deleteRows(first: number, last: number): void;
  // Every change above is one step. The cell the step was made at, to make
  // current again; null when there was no step to take.
  undo(): GridCell | null;
  redo(): GridCell | null;
  exportCsv(): string;
  // The report lists every row skipped or changed with its line number and
  // ends with the count; ok is false when nothing could be loaded. The file's
  // bytes go in undecoded: the engine tells UTF-16, UTF-32 and Windows-1252
  // lists from UTF-8 as the command line does.
  importCsv(file: Uint8Array): { ok: boolean; report: string };
  // Only one transfer at a time: another one rejects at once.
  readRadio(port: SerialPortLike, host: TransferHost, signal: AbortSignal): Promise<TransferOutcome>;
  writeRadio(port: SerialPortLike, host: TransferHost, signal: AbortSignal): Promise<TransferOutcome>;
  // A read whose image is only handed back: the form, its saved mark and its
  // history stay as they are (the check after a write, the read before a
  // preview).
  readRadioAside(port: SerialPortLike, host: TransferHost, signal: AbortSignal): Promise<TransferOutcome>;
  // Writes the form with what keeps the radio's memory safe around it: the
  // values check, the preview, the write and the read back, each step and
  // question through host. ok: written; verify: the read back's verdict.
  writeSafely(host: WriteSafetyHost, options: WriteSafetyOptions): Promise<TransferOutcome>;
  // Reads the radio twice and compares; the form is left as it is.
  checkCable(port: SerialPortLike, host: TransferHost, signal: AbortSignal): Promise<CheckOutcome>;
  // What writing the form changes in a radio that holds against, one change a
  // line; "" when nothing would change or against is not 1024 bytes.
  previewWrite(against: Uint8Array): string;
  // "Verified.", or "Verify failed" and the blocks the radio gave back
  // different from what was written.
  verifyText(written: Uint8Array, readBack: Uint8Array): string;
  // The Model combo's text for the radio whose memory this is ("HM-615V");
  // "" when no model records its model byte.
  modelOf(bytes: Uint8Array): string;
  // Values no radio of the image's model can hold (a frequency outside the
  // band, a tone not in the list ...): the heading and the first of them, one
  // a line; both '' when there are none. In a channel file, and in the form
  // as a write would send it (the detail then ends in the question).
  impossibleValuesIn(bytes: Uint8Array): ValuesMessage;
  impossibleValuesToWrite(): ValuesMessage;
  createSimulatedRadio(model: string, options?: SimulatedRadioOptions): SimulatedRadioLike;
  // What `hmprog-cli show` prints for this channel file.
  showText(bytes: Uint8Array): string;
  // The fleet log's heading and one radio's row, each a CSV line ending in a
  // newline, as the command line appends them; the file's SHA-256 for the rows.
  fleetLogHeader(): string;
  fleetLogLine(row: FleetLogRow): string;
  sha256Hex(bytes: Uint8Array): string;
}

export interface LoadOptions {
  // The module's code, where it cannot be fetched beside the script (Node).
  wasmBinary?: ArrayBuffer | Uint8Array;
  // Where the module's code is, when not beside the script.
  wasmUrl?: string;
}

// The engine's hmprog_transfer modes.
const enum TransferMode { ReadIntoForm = 0, Write = 1, ReadAside = 2 }

// The radio lives in the module's memory until its wrapper is collected.
const radios = new FinalizationRegistry<RawSimulatedRadio>((radio) => radio.delete());

class WasmEngine implements Engine {
  private transferring = false;

  constructor(private readonly raw: RawEngine) {}

  newForm(): void { this.raw.newForm(); }
  openChannelFile(bytes: Uint8Array, name = 'The file'): { ok: boolean; message: string } {
    return this.raw.openChannelFile(bytes, name);
  }
  saveChannelFile(): Uint8Array { return this.raw.saveChannelFile(); }
  state(): FormState {
    return this.raw.state();
  }
  selectCombo(combo: number, index: number): void { this.raw.selectCombo(combo, index); }
  commitCell(row: number, col: number, text: string): CommitResult { return this.raw.commitCell(row, col, text); }
  setPttIdCode(text: string): CommitResult { return this.raw.setPttIdCode(text); }
  cellChoices(col: number): string[] { return this.raw.cellChoices(col); }
  addChannel(row: number): void { this.raw.addChannel(row); }
  deleteChannel(row: number): void { this.raw.deleteChannel(row); }
  clearChannel(row: number): void { this.raw.clearChannel(row); }
  copyRows(first: number, last: number): string { return this.raw.copyRows(first, last); }
  cutRows(first: number, last: number): string { return this.raw.cutRows(first, last); }
  pasteRows(row: number, text: string): RowsPaste { return this.raw.pasteRows(row, text); }
  moveRows(first: number, last: number, by: number): boolean { return this.raw.moveRows(first, last, by); }
  clearRows(first: number, last: number): void { this.raw.clearRows(first, last); }
  deleteRows(first: number, last: number): void { this.raw.deleteRows(first, last); }
  undo(): GridCell | null { return this.raw.undo(); }
  redo(): GridCell | null { return this.raw.redo(); }
  exportCsv(): string { return this.raw.exportCsv(); }
  importCsv(file: Uint8Array): { ok: boolean; report: string } { return this.raw.importCsv(file); }
  previewWrite(against: Uint8Array): string { return this.raw.previewWrite(against); }
  verifyText(written: Uint8Array, readBack: Uint8Array): string { return this.raw.verifyText(written, readBack); }
  impossibleValuesIn(bytes: Uint8Array): ValuesMessage { return this.raw.impossibleValuesIn(bytes); }
  impossibleValuesToWrite(): ValuesMessage { return this.raw.impossibleValuesToWrite(); }
  showText(bytes: Uint8Array): string { return this.raw.showText(bytes); }
  modelOf(bytes: Uint8Array): string { return this.raw.modelOf(bytes); }
  fleetLogHeader(): string { return this.raw.fleetLogHeader(); }
  fleetLogLine(row: FleetLogRow): string { return this.raw.fleetLogLine(row); }
  sha256Hex(bytes: Uint8Array): string { return this.raw.sha256Hex(bytes); }

  readRadio(port: SerialPortLike, host: TransferHost, signal: AbortSignal): Promise<TransferOutcome> {
    return this.transfer(TransferMode.ReadIntoForm, port, host, signal);
  }
  writeRadio(port: SerialPortLike, host: TransferHost, signal: AbortSignal): Promise<TransferOutcome> {
    return this.transfer(TransferMode.Write, port, host, signal);
  }
  readRadioAside(port: SerialPortLike, host: TransferHost, signal: AbortSignal): Promise<TransferOutcome> {
    return this.transfer(TransferMode.ReadAside, port, host, signal);
  }

  async writeSafely(host: WriteSafetyHost, options: WriteSafetyOptions): Promise<TransferOutcome> {
    if (this.transferring) throw new Error('A transfer is already running.');
    this.transferring = true;
    this.raw.hmprogWrite = {
      beginStep: async (step) => {
        const open = await host.beginStep(kWriteSteps[step]);
        if (open) this.raw.hmprogTransfer = { ...open, portName: portNameOf(open.port) };
        return open !== null;
      },
      endStep: async () => {
        this.raw.hmprogTransfer = undefined;
        await host.endStep();
      },
      tell: (message) => host.tell(message),
      acceptValues: () => host.acceptValues(),
      keepBackup: (image) => host.keepBackup(image),
      lastKnownRadio: () => host.lastKnownRadio(),
      askFirstWrite: async () => kFirstWriteAnswers.indexOf(await host.askFirstWrite()),
      confirmWrite: (changes) => host.confirmWrite(changes),
    };
    try {
      await this.raw.ccall('hmprog_write_safely', null, ['number', 'number', 'number'],
        [options.checkValues ?? true ? 1 : 0, options.preview ? 1 : 0, options.verify ? 1 : 0], { async: true });
      return this.outcome();
    } finally {
      this.raw.hmprogWrite = undefined;
      this.raw.hmprogTransfer = undefined;
      this.transferring = false;
    }
  }

  createSimulatedRadio(model: string, options: SimulatedRadioOptions = {}): SimulatedRadioLike {
    const radio: RawSimulatedRadio = new this.raw.SimulatedRadio(
      model, options.fault ?? 'none', options.faultBlock ?? -1, options.memory ?? new Uint8Array(0));
    const wrapper: SimulatedRadioLike = { receive: (bytes) => radio.receive(bytes), image: () => radio.image() };
    radios.register(wrapper, radio);
    return wrapper;
  }

  checkCable(port: SerialPortLike, host: TransferHost, signal: AbortSignal): Promise<CheckOutcome> {
    return this.withPort(port, host, signal, async () => {
      await this.raw.ccall('hmprog_check_cable', null, [], [], { async: true });
      const o = this.raw.takeCheckOutcome();
      return {
        agrees: o.agrees ?? false, cancelled: o.cancelled ?? false, message: o.message ?? '', report: o.report ?? '',
        differingBlocks: o.differingBlocks ?? [], bytesPerSecond: o.bytesPerSecond ?? 0,
        echoes: o.echoes ?? 0, garbage: o.garbage ?? 0, retries: o.retries ?? 0,
      };
    });
  }

  // The engine's transfers run in the module and await the port through
  // Module.hmprogTransfer; the wasm stack is put aside at each await.
  private async withPort<T>(port: SerialPortLike, host: TransferHost, signal: AbortSignal, run: () => Promise<T>): Promise<T> {
    if (this.transferring) throw new Error('A transfer is already running.');
    this.transferring = true;
    this.raw.hmprogTransfer = { port, host, signal, portName: portNameOf(port) };
    try {
      return await run();
    } finally {
      this.raw.hmprogTransfer = undefined;
      this.transferring = false;
    }
  }

  private transfer(mode: TransferMode, port: SerialPortLike, host: TransferHost,
    signal: AbortSignal): Promise<TransferOutcome> {
    return this.withPort(port, host, signal, async () => {
      await this.raw.ccall('hmprog_transfer', null, ['number'], [mode], { async: true });
      return this.outcome();
    });
  }

  private outcome(): TransferOutcome {
    const outcome = this.raw.takeTransferOutcome();
    return {
      ok: outcome.ok ?? false,
      cancelled: outcome.cancelled ?? false,
      message: outcome.message ?? '',
      partlyWritten: outcome.partlyWritten ?? false,
      otherModel: outcome.otherModel ?? false,
      warning: outcome.warning ?? '',
      ...(outcome.image ? { image: outcome.image } : {}),
      ...(outcome.verify ? { verify: outcome.verify } : {}),
    };
  }
}

// The status line's name for the port: "Waiting for the radio on ...".
function portNameOf(port: SerialPortLike): string {
  const named = (port as { name?: unknown }).name;
  return typeof named === 'string' && named !== '' ? named : 'the serial port';
}

export async function loadEngine(options: LoadOptions = {}): Promise<Engine> {
  const wasmUrl = options.wasmUrl;
  const raw = await createHmprogEngine({
    ...(options.wasmBinary ? { wasmBinary: options.wasmBinary } : {}),
    ...(wasmUrl ? { locateFile: (path: string, prefix: string) => (path.endsWith('.wasm') ? wasmUrl : prefix + path) } : {}),
  });
  return new WasmEngine(raw);
}
