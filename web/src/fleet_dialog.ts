import { cableName } from './cable_doctor';
import type { Engine } from './engine';
import { download } from './file_io';
import { programRadio, type RadioEnd, type RadioPlan } from './fleet_run';
import { FleetRow } from './fleet_table';
import { WebSerialLink } from './web_serial_port';

const kTitle = 'Program Several Radios';
const kAtOnce = 'The radios are programmed at the same time, each through its own copy of the engine. '
  + 'Each radio gets the form as it is now.';
const kNoKeep = 'Keeping each radio\'s own data is not offered on the page: every radio gets the whole form.';
const kHeadings = ['Port', 'Radio', 'State', 'Progress', 'Result', 'Seconds', ''];

// What the form holds when a run starts: the file's name and its bytes.
export interface FleetFile { name: string; bytes: Uint8Array }

function element<K extends keyof HTMLElementTagNameMap>(tag: K, text = '', id = ''): HTMLElementTagNameMap[K] {
  const made = document.createElement(tag);
  made.textContent = text;
  if (id) made.id = id;
  return made;
}

function button(text: string, id: string): HTMLButtonElement {
  const made = element('button', text, id);
  made.type = 'button';
  return made;
}

// The cables the browser has granted this page, each a row; a run writes the
// form into the radio behind each in turn and appends a row per radio to the
// log of this visit, which downloads as CSV.
export class FleetDialog {
  private readonly dialog = element('dialog', '', 'fleet-dialog');
  private readonly body = element('tbody');
  private readonly verify = element('input', '', 'fleet-verify');
  private readonly buttons = {
    add: button('Add Cable…', 'fleet-add'),
    start: button('Start', 'fleet-start'),
    cancelAll: button('Cancel All', 'fleet-cancel-all'),
    log: button('Download Log', 'fleet-log'),
    close: button('Close', 'fleet-close'),
  };
  private rows: FleetRow[] = [];
  private readonly logLines: string[] = [];
  private running = false;
  private file: FleetFile = { name: '', bytes: new Uint8Array(0) };
  // An engine runs one transfer at a time: each cable gets its own, made
  // when first needed and kept for the visit.
  private readonly engines = new Map<SerialPort, Promise<Engine>>();

  // newEngine: another instance of the engine, with a form of its own.
  constructor(private readonly engine: Engine, private readonly newEngine: () => Promise<Engine>) {
    this.build();
    const { add, start, cancelAll, log, close } = this.buttons;
    add.addEventListener('click', () => void this.addCable());
    start.addEventListener('click', () => void this.run());
    cancelAll.addEventListener('click', () => this.rows.forEach((row) => row.cancel()));
    log.addEventListener('click', () => this.downloadLog());
    close.addEventListener('click', () => this.dialog.close());
    this.dialog.addEventListener('cancel', (event) => {
      if (this.running) event.preventDefault(); // Escape while radios are written is Cancel All's to do
    });
    document.body.append(this.dialog);
  }

  async open(file: FleetFile): Promise<void> {
    this.file = file;
    await this.listCables();
    this.showButtons();
    this.dialog.showModal();
  }

  private build(): void {
    const title = element('h2', kTitle, 'fleet-title');
    this.dialog.setAttribute('aria-labelledby', title.id);
    this.dialog.className = 'fleet-dialog';
    this.verify.type = 'checkbox';
    this.verify.checked = true;
    const verifyLabel = element('label');
    verifyLabel.className = 'check';
    verifyLabel.append(this.verify, ' Verify Each Radio');
    const options = element('p');
    options.className = 'fleet-options';
    options.append(this.buttons.add, verifyLabel);
    const table = element('table');
    table.className = 'fleet-table';
    table.setAttribute('aria-labelledby', title.id);
    const head = element('tr');
    head.append(...kHeadings.map((text) => element('th', text)));
    table.append(element('thead'), this.body);
    table.tHead!.append(head);
    const scroller = element('div');
    scroller.className = 'fleet-rows';
    scroller.append(table);
    const { start, cancelAll, log, close } = this.buttons;
    const footer = element('div');
    footer.className = 'dialog-buttons';
    footer.append(start, cancelAll, log, close);
    this.dialog.append(title, element('p', kAtOnce), element('p', kNoKeep), options, scroller, footer);
  }

  // A row for each granted cable, the rows already there kept with what they show.
  private async listCables(): Promise<void> {
    const granted = await navigator.serial.getPorts();
    const kept = this.rows.filter((row) => granted.includes(row.port));
    const added = granted.filter((port) => !kept.some((row) => row.port === port))
      .map((port, index) => new FleetRow(port, this.portName(port, kept.length + index + 1)));
    this.rows = [...kept, ...added];
    this.body.replaceChildren(...this.rows.map((row) => row.element));
  }

  // "Port 2: FTDI (USB 0403:6001)": Web Serial tells a cable's chip but neither its device name nor its serial number.
  private portName(port: SerialPort, number: number): string {
    const { usbVendorId, usbProductId } = port.getInfo();
    const chip = cableName(usbVendorId, usbProductId);
    return chip === '' ? `Port ${number}` : `Port ${number}: ${chip}`;
  }

  private async addCable(): Promise<void> {
    try {
      await navigator.serial.requestPort();
    } catch {
      return; // the chooser was closed without a port
    }
    await this.listCables();
    this.showButtons();
  }

  private showButtons(): void {
    const { add, start, cancelAll, log, close } = this.buttons;
    add.disabled = this.running;
    start.disabled = this.running || this.rows.length === 0;
    cancelAll.disabled = !this.running;
    log.disabled = this.logLines.length === 0;
    close.disabled = this.running;
    this.verify.disabled = this.running;
  }

  private async run(): Promise<void> {
    this.running = true;
    this.showButtons();
    this.rows.forEach((row) => row.reset());
    const plan = { file: this.file.name, fileSha256: this.engine.sha256Hex(this.file.bytes), verify: this.verify.checked };
    try {
      await Promise.all(this.rows.map(async (row) => this.finish(row, await this.program(row, { ...plan, port: row.name }))));
    } finally {
      this.running = false;
      this.showButtons();
    }
  }

  private async program(row: FleetRow, plan: RadioPlan): Promise<RadioEnd> {
    const skipped = (result: string, message = ''): RadioEnd => ({ ...plan, cableSerial: '', radio: '', result,
      verified: '', radioData: 'replaced', backup: '', seconds: 0, endedAt: Date.now(), message });
    if (row.controller.signal.aborted) return skipped('cancelled');
    row.state('Opening the port');
    let engine;
    let link;
    try {
      engine = await this.engineWithForm(row.port);
    } catch (error) {
      this.engines.delete(row.port); // the next run tries again
      return skipped('failed: the engine could not start', String(error));
    }
    try {
      link = await WebSerialLink.open(row.port, row.name);
    } catch (error) {
      return skipped('failed: the port could not be opened', String(error));
    }
    try {
      return await programRadio(engine, link, plan, row, row.controller.signal);
    } finally {
      await link.close();
    }
  }

  private async engineWithForm(port: SerialPort): Promise<Engine> {
    if (!this.engines.has(port)) {
      const started = performance.now();
      // On the browser's performance timeline: what a cable's own engine costs.
      this.engines.set(port, this.newEngine().finally(() => performance.measure('Engine for a cable', { start: started })));
    }
    const engine = await this.engines.get(port)!;
    engine.openChannelFile(this.file.bytes, this.file.name);
    return engine;
  }

  private finish(row: FleetRow, end: RadioEnd): void {
    const shown = end.verified === 'yes' ? `${end.result}, verified` : end.verified === 'no' ? `${end.result}, verify failed` : end.result;
    row.finish(end.radio, shown, end.message, end.seconds);
    this.logLines.push(this.engine.fleetLogLine(end));
  }

  private downloadLog(): void {
    download('fleet-log.csv', this.engine.fleetLogHeader() + this.logLines.join(''), 'text/csv');
  }
}
