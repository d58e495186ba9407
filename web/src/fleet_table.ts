import type { RadioProgress } from './fleet_run';

// One cable's row in Program Several Radios: its port, the radio found behind
// it, what is happening, the bar, the result and the seconds, and its own
// Cancel. The row's controller aborts its transfer, or skips it when it has
// not begun.
export class FleetRow implements RadioProgress {
  readonly element = document.createElement('tr');
  controller = new AbortController();
  private ran = false;
  private readonly cells: Record<'radio' | 'state' | 'result' | 'seconds', HTMLTableCellElement>;
  private readonly bar = document.createElement('progress');
  private readonly cancelButton = document.createElement('button');

  constructor(readonly port: SerialPort, readonly name: string) {
    const cell = (): HTMLTableCellElement => document.createElement('td');
    const portCell = cell();
    portCell.textContent = name;
    // A narrow screen shows each row as a card that names these cells.
    const labelled = (label: string): HTMLTableCellElement => {
      const made = cell();
      made.dataset.label = label;
      return made;
    };
    this.cells = { radio: labelled('Radio'), state: cell(), result: labelled('Result'), seconds: labelled('Seconds') };
    this.bar.max = 100;
    this.bar.value = 0;
    this.bar.setAttribute('aria-label', `Progress of ${name}`);
    const barCell = cell();
    barCell.append(this.bar);
    this.cancelButton.type = 'button';
    this.cancelButton.textContent = 'Cancel';
    this.cancelButton.setAttribute('aria-label', `Cancel ${name}`);
    this.cancelButton.addEventListener('click', () => this.cancel());
    const cancelCell = cell();
    cancelCell.append(this.cancelButton);
    const { radio, state, result, seconds } = this.cells;
    this.element.append(portCell, radio, state, barCell, result, seconds, cancelCell);
    this.reset();
  }

  // Ready for another run: nothing shown of the last one. A row cancelled
  // before its first run stays cancelled, so that its cable is left out.
  reset(): void {
    if (this.controller.signal.aborted && !this.ran) return;
    this.controller = new AbortController();
    this.show({ radio: '', state: 'Waiting', result: '', seconds: '' });
    this.bar.value = 0;
    this.cancelButton.disabled = false;
  }

  cancel(): void {
    this.controller.abort();
    this.cancelButton.disabled = true;
  }

  progress(percent: number): void {
    this.bar.value = percent;
  }

  state(text: string): void {
    this.cells.state.textContent = text;
  }

  // The end of its radio: the result's words with what went wrong as its tooltip.
  finish(radio: string, result: string, message: string, seconds: number): void {
    this.show({ radio, state: 'Done', result, seconds: seconds.toFixed(1) });
    this.cells.result.title = message;
    this.ran = true;
    this.cancelButton.disabled = true;
  }

  private show(texts: Record<'radio' | 'state' | 'result' | 'seconds', string>): void {
    for (const [key, text] of Object.entries(texts)) this.cells[key as keyof typeof texts].textContent = text;
  }
}
