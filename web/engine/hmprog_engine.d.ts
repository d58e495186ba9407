// The raw module that emscripten builds from web/engine: what web/src/engine.ts
// wraps. Copied beside hmprog_engine.js by web/build-engine.

export interface RawCommit { accepted: boolean; text: string; message: string }
export interface RawState {
  combos: { label: string; items: string[]; index: number; enabled: boolean }[];
  grid: string[][];
  pttIdCode: string;
  modified: boolean;
  canUndo: boolean;
  canRedo: boolean;
  undoText: string;
  redoText: string;
}
export interface RawCell { row: number; col: number }
export interface ValuesMessage { text: string; detail: string }
export interface RawOutcome {
  ok?: boolean;
  cancelled?: boolean;
  message?: string;
  partlyWritten?: boolean;
  otherModel?: boolean;
  warning?: string;
  verify?: string;
  image?: Uint8Array;
}
export interface RawCheckOutcome {
  agrees?: boolean;
  cancelled?: boolean;
  message?: string;
  report?: string;
  differingBlocks?: number[];
  bytesPerSecond?: number;
  echoes?: number;
  garbage?: number;
  retries?: number;
}
export interface RawSimulatedRadio {
  receive(bytes: Uint8Array): Uint8Array;
  image(): Uint8Array;
  delete(): void;
}
// The page's side of a write: step 0 read before, 1 read for the preview,
// 2 write, 3 verify, 4 restore; askFirstWrite: 0 read first, 1 write
// without a preview, 2 cancel.
export interface RawWrite {
  beginStep(step: number): Promise<boolean>;
  endStep(): Promise<void>;
  tell(message: string): Promise<void>;
  acceptValues(): Promise<boolean>;
  keepBackup(image: Uint8Array): Promise<boolean>;
  lastKnownRadio(): Promise<Uint8Array | null>;
  askFirstWrite(): Promise<number>;
  confirmWrite(changes: string): Promise<boolean>;
}
export interface RawTransfer {
  port: unknown;
  host: unknown;
  signal: AbortSignal;
  portName: string;
}

// One radio of a fleet run as the log records it; endedAt: ms since the epoch.
export interface FleetLogRow {
  file: string;
  fileSha256: string;
  port: string;
  cableSerial: string;
  radio: string;
  result: string;
  verified: string;
  radioData: string;
  backup: string;
  seconds: number;
  endedAt: number;
}

export interface RawEngine {
  newForm(): void;
  openChannelFile(bytes: Uint8Array, name: string): { ok: boolean; message: string };
  saveChannelFile(): Uint8Array;
  state(): RawState;
  selectCombo(combo: number, index: number): void;
  commitCell(row: number, col: number, text: string): RawCommit;
  setPttIdCode(text: string): RawCommit;
  addChannel(row: number): void;
  deleteChannel(row: number): void;
  clearChannel(row: number): void;
  undo(): RawCell | null;
  redo(): RawCell | null;
  copyRows(first: number, last: number): string;
  cutRows(first: number, last: number): string;
  pasteRows(row: number, text: string): { first: number; last: number; report: string };
  moveRows(first: number, last: number, by: number): boolean;
  clearRows(first: number, last: number): void;
  deleteRows(first: number, last: number): void;
  exportCsv(): string;
  // The list's bytes as the file holds them (a string is taken as UTF-8).
  importCsv(file: Uint8Array | string): { ok: boolean; report: string };
  previewWrite(against: Uint8Array): string;
  verifyText(written: Uint8Array, readBack: Uint8Array): string;
  modelOf(bytes: Uint8Array): string;
  impossibleValuesIn(bytes: Uint8Array): ValuesMessage;
  impossibleValuesToWrite(): ValuesMessage;
  showText(bytes: Uint8Array): string;
  cellChoices(col: number): string[];
  takeTransferOutcome(): RawOutcome;
  fleetLogHeader(): string;
  fleetLogLine(row: FleetLogRow): string;
  sha256Hex(bytes: Uint8Array): string;
  takeCheckOutcome(): RawCheckOutcome;
  ccall(name: 'hmprog_transfer', returnType: null, argTypes: ['number'], args: [number], options: { async: true }): Promise<void>;
  ccall(name: 'hmprog_write_safely', returnType: null, argTypes: ['number', 'number', 'number'], args: [number, number, number], options: { async: true }): Promise<void>;
  ccall(name: 'hmprog_check_cable', returnType: null, argTypes: [], args: [], options: { async: true }): Promise<void>;
  SimulatedRadio: new (model: string, fault: string, faultBlock: number, image: Uint8Array) => RawSimulatedRadio;
  hmprogTransfer?: RawTransfer;
  hmprogWrite?: RawWrite;
}

export interface ModuleOptions {
  wasmBinary?: ArrayBuffer | Uint8Array;
  locateFile?: (path: string, prefix: string) => string;
}

export default function createHmprogEngine(options?: ModuleOptions): Promise<RawEngine>;
