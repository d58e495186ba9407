import { type Backup, keepBackup, listBackups } from './backups';
import { showBackups } from './backup_list';
import { CableHelp, showCheckReport } from './cable_help';
import { ChannelTable, type RowSpan } from './channel_table';
import { byId } from './dom';
import { type Engine, type FormState, loadEngine, type SerialPortLike, type WriteSafetyHost, type WriteStep } from './engine';
import { download, readChosenFile, saveChannelFile, type SaveTarget } from './file_io';
import { FleetDialog } from './fleet_dialog';
import { PortChoice } from './port_choice';
import { fillPrintList } from './print_list';
import { ask, tell } from './questions';
import { askReadFirst, askWritePreview } from './read_first';
import { SettingsForm } from './settings_form';
import { TransferDialog } from './transfer_dialog';

const kTitle = 'Programming Software';
const kWriteStepTitles: Record<WriteStep, string> = {
  'read-before': 'Read Data',
  'read-for-preview': 'Read Data',
  write: 'Write Data',
  verify: 'Verify',
  restore: 'Write Data',
};

const kPartlyWritten = 'The radio now holds a partly written memory: write a complete image into it before using it.';
const kModelCombo = 0;
const kRxToneColumn = 3;

// The page around one engine: the form, the files, the transfers and the
// backups. Every change goes through the engine and the page then shows the
// form's state as the engine reports it.
class App {
  private readonly table: ChannelTable;
  private readonly settings: SettingsForm;
  private readonly ports: PortChoice;
  private readonly transfer: TransferDialog;
  private readonly help: CableHelp;
  private readonly fleet: FleetDialog;
  private saveTarget: SaveTarget = { name: 'channels.sin' };
  private lastRead: Uint8Array | null = null;
  private busy = false;
  private state!: FormState;

  constructor(private readonly engine: Engine) {
    this.table = new ChannelTable(byId<HTMLTableElement>('channels'), {
      commit: (row, col, text) => this.show(engine.commitCell(row, col, text).message),
      choices: (col) => engine.cellChoices(col),
      move: (by) => this.moveChannels(by),
    });
    this.settings = new SettingsForm(byId('setting-fields'), {
      selectCombo: (combo, index) => {
        engine.selectCombo(combo, index);
        this.show();
      },
      setPttIdCode: (text) => this.show(engine.setPttIdCode(text).message),
    });
    this.ports = new PortChoice(engine);
    this.help = new CableHelp(() => this.ports.cableIds);
    this.transfer = new TransferDialog(() => this.help.text('no-answer'));
    this.fleet = new FleetDialog(engine, () => loadEngine());
  }

  async start(): Promise<void> {
    const tones = this.engine.cellChoices(kRxToneColumn);
    byId('tone-list').replaceChildren(...tones.map((tone) => new Option(tone)));
    this.engine.newForm();
    this.show();
    this.wire();
    await this.ports.init();
    this.help.showNoSerialApi(byId('no-serial'));
    byId('program-several').hidden = !('serial' in navigator);
    await this.refreshBackups();
  }

  private wire(): void {
    const on = (id: string, action: () => unknown): void =>
      byId(id).addEventListener('click', () => void action());
    on('new-file', () => this.newFile());
    byId('open-file').addEventListener('change', () => void this.openFile());
    on('save-file', () => this.save());
    on('undo', () => this.history('undo'));
    on('redo', () => this.history('redo'));
    on('print', () => window.print());
    on('export-csv', () => download(this.saveTarget.name.replace(/\.sin$/i, '') + '.csv', this.engine.exportCsv(), 'text/csv'));
    byId('import-csv').addEventListener('change', () => void this.importCsv());
    on('read', () => this.read());
    on('write', () => this.write());
    on('check-cable', () => this.checkCable());
    on('program-several', async () => {
      if (!this.busy && (await this.valuesAccepted())) await this.fleet.open({ name: this.saveTarget.name, bytes: this.engine.saveChannelFile() });
    });
    on('delete-channel', () => this.channelOperation(({ first, last }) => this.engine.deleteRows(first, last)));
    on('add-channel', () => this.channelOperation(({ first }) => this.engine.addChannel(first)));
    on('clear-channel', () => this.channelOperation(({ first, last }) => this.engine.clearRows(first, last)));
    on('move-up', () => this.moveChannels(-1));
    on('move-down', () => this.moveChannels(1));
    // Where nothing editable has the focus the browser sends the clipboard's
    // events to the page, not to the table's current cell.
    document.addEventListener('copy', (event) => this.copyChannels(event, false));
    document.addEventListener('cut', (event) => this.copyChannels(event, true));
    document.addEventListener('paste', (event) => this.pasteChannels(event));
    byId('settings').addEventListener('submit', (event) => event.preventDefault());
    window.addEventListener('beforeprint', () => fillPrintList(byId('print-list'), this.state.grid));
    window.addEventListener('beforeunload', (event) => {
      if (this.state.modified) event.preventDefault();
    });
    document.addEventListener('keydown', (event) => this.shortcut(event));
  }

  // Redraws the form from the engine, with the form's message about the
  // last edit ("" when it has none).
  private show(message?: string): void {
    this.state = this.engine.state();
    this.settings.render(this.state.combos, this.state.pttIdCode);
    this.table.render(this.state.grid);
    if (message !== undefined) byId('cell-message').textContent = message;
    const undo = byId<HTMLButtonElement>('undo');
    const redo = byId<HTMLButtonElement>('redo');
    undo.disabled = !this.state.canUndo;
    redo.disabled = !this.state.canRedo;
    undo.title = this.state.undoText;
    redo.title = this.state.redoText;
    byId('file-name').textContent = `${this.saveTarget.name}${this.state.modified ? ' (changed)' : ''}`;
    document.title = `${this.saveTarget.name} - ${kTitle}`;
  }

  // The step's cell becomes current again, so that the change is in view.
  private history(which: 'undo' | 'redo'): void {
    if (which === 'undo' ? !this.state.canUndo : !this.state.canRedo) return;
    const cell = this.engine[which]();
    this.show('');
    if (cell && cell.row > 0) this.table.selectChannels({ first: cell.row, last: cell.row }, cell.col || undefined);
  }

  private shortcut(event: KeyboardEvent): void {
    const inField = event.target instanceof HTMLInputElement || event.target instanceof HTMLSelectElement;
    if (!(event.ctrlKey || event.metaKey) || event.altKey || inField) return;
    const key = event.key.toLowerCase();
    const actions: Record<string, () => void> = {
      z: () => this.history(event.shiftKey ? 'redo' : 'undo'),
      y: () => this.history('redo'),
      s: () => void this.save(),
    };
    if (actions[key]) {
      event.preventDefault();
      actions[key]();
    }
  }

  private channelOperation(operation: (channels: RowSpan) => void): void {
    operation(this.table.selection);
    this.show('');
    this.table.focus();
  }

  // The moved channels stay selected, so that they can be moved on.
  private moveChannels(by: number): void {
    const { first, last } = this.table.selection;
    if (!this.engine.moveRows(first, last, by)) return;
    this.show('');
    this.table.selectChannels({ first: first + by, last: last + by });
  }

  // The selected channels as the text a spreadsheet takes. In a cell's
  // editor the browser copies the editor's text instead.
  private copyChannels(event: ClipboardEvent, cut: boolean): void {
    if (!this.table.focused || this.table.editing || !event.clipboardData) return;
    event.preventDefault();
    const { first, last } = this.table.selection;
    event.clipboardData.setData('text/plain', cut ? this.engine.cutRows(first, last) : this.engine.copyRows(first, last));
    if (!cut) return;
    this.show('');
    this.table.selectChannels({ first, last: first });
  }

  private pasteChannels(event: ClipboardEvent): void {
    if (!this.table.focused || this.table.editing || !event.clipboardData) return;
    event.preventDefault();
    const pasted = this.engine.pasteRows(this.table.selection.first, event.clipboardData.getData('text/plain'));
    this.show(pasted.report);
    if (pasted.last >= pasted.first) this.table.selectChannels(pasted);
  }

  private async mayDiscard(): Promise<boolean> {
    if (!this.state.modified) return true;
    return ask({ title: kTitle, text: 'The form has changes that are not saved. Discard them?', yes: 'Discard', no: 'Cancel' });
  }

  private async newFile(): Promise<void> {
    if (!(await this.mayDiscard())) return;
    this.engine.newForm();
    this.saveTarget = { name: 'channels.sin' };
    this.show('');
  }

  private async openFile(): Promise<void> {
    const chosen = await readChosenFile(byId<HTMLInputElement>('open-file'));
    if (!chosen || !(await this.mayDiscard())) return;
    this.openBytes(chosen.name, chosen.bytes);
  }

  private openBytes(name: string, bytes: Uint8Array): void {
    const opened = this.engine.openChannelFile(bytes, name);
    if (!opened.ok) {
      void tell(kTitle, opened.message);
      return;
    }
    this.saveTarget = { name };
    this.show('');
    const odd = this.engine.impossibleValuesIn(bytes);
    if (odd.text !== '') void tell(kTitle, odd.text, odd.detail);
  }

  private async save(): Promise<void> {
    try {
      const saved = await saveChannelFile(this.engine.saveChannelFile(), this.saveTarget);
      if (saved) this.saveTarget = saved;
    } catch (error) {
      await tell(kTitle, `The file could not be saved: ${String(error)}`);
    }
    this.show();
  }

  private async importCsv(): Promise<void> {
    const chosen = await readChosenFile(byId<HTMLInputElement>('import-csv'));
    if (!chosen) return;
    const result = this.engine.importCsv(chosen.bytes);
    this.show('');
    await tell('Import CSV', result.ok ? 'The channel list was imported.' : 'The channel list could not be imported.', result.report || undefined);
  }

  private model(): string {
    const combo = this.state.combos[kModelCombo];
    return combo.items[combo.index] ?? '';
  }

  private async read(): Promise<void> {
    if (this.busy || !(await this.mayDiscard())) return;
    const outcome = await this.transferWith('Read Data', (link, signal) => this.engine.readRadio(link, this.transfer, signal));
    if (!outcome) return;
    if (outcome.ok) {
      this.saveTarget = { name: 'radio.sin' };
      this.show('');
      this.lastRead = outcome.image ?? this.engine.saveChannelFile();
      await this.keep(this.lastRead);
    } else if (!outcome.cancelled) {
      await tell(kTitle, outcome.message);
    }
  }

  // The write and its safety run in the engine, which asks the page. The
  // port is opened once values no radio can hold are accepted, for the whole
  // write: the engine's calls do not answer while it waits for the page.
  private async write(): Promise<void> {
    if (this.busy || !(await this.valuesAccepted())) return;
    this.busy = true;
    try {
      const open = await this.openPort();
      if (!open) return;
      try {
        const outcome = await this.engine.writeSafely(this.writeHost(open.link), {
          checkValues: false,
          preview: byId<HTMLInputElement>('preview-before-write').checked,
          verify: byId<HTMLInputElement>('verify-after-write').checked,
        });
        if (outcome.verify) await tell('Verify After Write', outcome.verify);
        if (outcome.ok) return;
        const lines = [outcome.message];
        if (outcome.partlyWritten) lines.push(outcome.warning || kPartlyWritten);
        const text = lines.filter((line) => line !== '').join('\n');
        if (text !== '') await tell(kTitle, text);
      } finally {
        await open.close();
      }
    } finally {
      this.busy = false;
    }
  }

  // Each step of a write in the transfer dialog under its own title; the
  // questions between the steps are asked with the dialog closed.
  private writeHost(link: SerialPortLike): WriteSafetyHost {
    let title = '';
    let started = 0;
    return {
      beginStep: async (step) => {
        title = kWriteStepTitles[step];
        started = performance.now();
        return { port: link, host: this.transfer, signal: this.transfer.open(title) };
      },
      endStep: async () => {
        // On the browser's performance timeline, for whoever looks at speed.
        performance.measure(title, { start: started });
        this.transfer.close();
      },
      tell: (message) => tell(kTitle, message),
      acceptValues: async () => true,
      // The radio's memory for the preview, kept as a backup like every read.
      keepBackup: async (image) => {
        this.lastRead = image;
        await this.keep(image);
        return true;
      },
      // The last read of this visit, or the newest backup of the same model.
      lastKnownRadio: async () => this.lastRead ?? (await listBackups()).find((b) => b.model === this.model())?.bytes ?? null,
      askFirstWrite: () => askReadFirst(this.model()),
      confirmWrite: (changes) => askWritePreview(changes),
    };
  }

  // Reads the radio twice and shows what the cable did; the form stays as it is.
  private async checkCable(): Promise<void> {
    if (this.busy) return;
    const outcome = await this.transferWith('Check Cable', (link, signal) => this.engine.checkCable(link, this.transfer, signal));
    if (outcome && !outcome.cancelled) await showCheckReport(outcome, this.help);
  }

  // A form holding values no radio of its model can hold is written only
  // when asked for; Cancel has the focus.
  private async valuesAccepted(): Promise<boolean> {
    const odd = this.engine.impossibleValuesToWrite();
    if (odd.text === '') return true;
    return ask({ title: kTitle, text: odd.text, detail: odd.detail, yes: 'Write', no: 'Cancel' });
  }

  private async transferWith<T>(
    title: string,
    run: (link: SerialPortLike, signal: AbortSignal) => Promise<T>,
  ): Promise<T | null> {
    this.busy = true;
    try {
      const open = await this.openPort();
      if (!open) return null;
      const signal = this.transfer.open(title);
      const started = performance.now();
      try {
        return await run(open.link, signal);
      } finally {
        // On the browser's performance timeline, for whoever looks at speed.
        performance.measure(title, { start: started });
        await open.close();
        this.transfer.close();
      }
    } finally {
      this.busy = false;
    }
  }

  // The chosen port; null when it was not opened (a refusal has been said).
  private async openPort(): Promise<{ link: SerialPortLike; close(): Promise<void> } | null> {
    try {
      return await this.ports.open();
    } catch (error) {
      await this.help.portRefused(kTitle, error);
      return null;
    }
  }

  // Filed under the radio's own model, which a read for the preview need
  // not share with the form.
  private async keep(image: Uint8Array): Promise<void> {
    try {
      await keepBackup(this.engine.modelOf(image), image);
      await this.refreshBackups();
    } catch (error) {
      await tell(kTitle, `The read could not be kept as a backup: ${String(error)}`);
    }
  }

  private refreshBackups(): Promise<void> {
    return showBackups((backup) => void this.openBackup(backup));
  }

  // A backup opens as a new document, so that Save asks for a name and the
  // backup keeps what the radio held.
  private async openBackup(backup: Backup): Promise<void> {
    if (!(await this.mayDiscard())) return;
    this.openBytes('backup.sin', backup.bytes);
  }
}

async function main(): Promise<void> {
  const engine = await loadEngine();
  // For the browser's console and the page's tests: the same engine the page uses.
  (window as unknown as { hmprogEngine: Engine }).hmprogEngine = engine;
  const app = new App(engine);
  await app.start();
  byId('loading').hidden = true;
  const root = byId('app');
  root.setAttribute('aria-busy', 'false');
  root.dataset.ready = 'true';
}

if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  void navigator.serviceWorker.register('sw.js');
}
main().catch((error: unknown) => {
  byId('loading').textContent = `The programmer could not start: ${String(error)}`;
});
