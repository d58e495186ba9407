// The "Channels" table: 16 channel rows under a heading row, the channel
// number as each row's header. One cell is current (the only one in the tab
// order); the arrow keys move it, Enter or typing opens the cell's editor,
// Enter in the editor stores the text and moves on, Escape leaves the cell
// as it was, and leaving the editor any other way stores it. Several whole
// channels are selected from the current one to an anchor: Shift with the
// arrow keys or a click on a channel number; Alt+Up and Alt+Down move them.

export const kFirstChannelRow = 1;
export const kLastChannelRow = 16;
const kRxFreq = 1;
const kTxFreq = 2;
const kRxTone = 3;
const kTxTone = 4;
const kLastColumn = 8;

export interface ChannelTableHost {
  // Stores a cell's new text through the form's rules and redraws the table.
  commit(row: number, col: number, text: string): void;
  // What a cell of the column offers: the tone list, or an option column's
  // items in the form's order.
  choices(col: number): string[];
  // Moves the selected channels one place up (-1) or down (+1).
  move(by: number): void;
}

// Channels first to last, both included.
export interface RowSpan { first: number; last: number }

interface OpenEditor {
  row: number;
  col: number;
  control: HTMLInputElement | HTMLSelectElement;
  cancelled: boolean;
}

const isFrequencyColumn = (col: number): boolean => col === kRxFreq || col === kTxFreq;
const isToneColumn = (col: number): boolean => col === kRxTone || col === kTxTone;

export class ChannelTable {
  private grid: string[][] = [];
  private cells: HTMLTableCellElement[][] = [];
  private row = kFirstChannelRow;
  private col = kRxFreq;
  // The other end of the selected channels; the current row is one end.
  private anchor = kFirstChannelRow;
  private extending = false;
  private editor: OpenEditor | null = null;
  // How the last cell was pointed at: a finger gets a list for the tones,
  // where a keyboard types them.
  private pointerType = '';

  constructor(
    private readonly table: HTMLTableElement,
    private readonly host: ChannelTableHost,
  ) {
    table.addEventListener('keydown', (event) => this.onKeyDown(event));
    table.addEventListener('pointerdown', (event) => (this.pointerType = event.pointerType));
    table.addEventListener('click', (event) => this.onClick(event));
    table.addEventListener('focusin', (event) => this.onFocus(event));
  }

  get currentRow(): number {
    return this.row;
  }

  get selection(): RowSpan {
    return { first: Math.min(this.anchor, this.row), last: Math.max(this.anchor, this.row) };
  }

  get editing(): boolean {
    return this.editor !== null;
  }

  // Whether the table has the keyboard: the clipboard's keys are for it.
  get focused(): boolean {
    return this.table.contains(document.activeElement);
  }

  // Selects the channels, the current cell on the first of them in column
  // col (the current column when not given).
  selectChannels(span: RowSpan, col = this.col): void {
    this.moveTo(span.first, col);
    this.anchor = Math.min(Math.max(span.last, kFirstChannelRow), kLastChannelRow);
    this.showSelection();
  }

  // Shows the form's grid: 17 rows of 9 texts, the headings in row 0 and the
  // channel numbers in column 0.
  render(grid: string[][]): void {
    this.grid = grid;
    if (this.cells.length === 0) this.build();
    for (let r = kFirstChannelRow; r <= kLastChannelRow; r++) {
      for (let c = kRxFreq; c <= kLastColumn; c++) {
        if (this.editor?.row === r && this.editor.col === c) continue;
        this.cells[r][c].textContent = grid[r][c];
      }
    }
    this.showSelection();
  }

  focus(): void {
    this.cells[this.row]?.[this.col]?.focus();
  }

  private build(): void {
    const head = this.table.tHead!.insertRow();
    this.grid[0].forEach((heading) => {
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = heading;
      head.append(th);
    });
    const body = this.table.tBodies[0];
    this.cells = [[]];
    for (let r = kFirstChannelRow; r <= kLastChannelRow; r++) {
      const tr = body.insertRow();
      const number = document.createElement('th');
      number.scope = 'row';
      number.textContent = this.grid[r][0];
      number.dataset.channel = String(r);
      tr.append(number);
      const row: HTMLTableCellElement[] = [number];
      for (let c = kRxFreq; c <= kLastColumn; c++) {
        const td = tr.insertCell();
        td.tabIndex = -1;
        td.dataset.row = String(r);
        td.dataset.col = String(c);
        row.push(td);
      }
      this.cells.push(row);
    }
    this.cells[this.row][this.col].tabIndex = 0;
  }

  private moveTo(row: number, col: number, extend = false): void {
    const r = Math.min(Math.max(row, kFirstChannelRow), kLastChannelRow);
    const c = Math.min(Math.max(col, kRxFreq), kLastColumn);
    this.extending = extend;
    this.cells[r][c].focus(); // the focus handler makes it current
    this.extending = false;
  }

  // Several channels show as selected rows; a single one is just the
  // current cell.
  private showSelection(): void {
    const { first, last } = this.selection;
    const several = last > first;
    for (let r = kFirstChannelRow; r < this.cells.length; r++) {
      const chosen = several && r >= first && r <= last;
      const tr = this.cells[r][0].parentElement!;
      tr.classList.toggle('selected', chosen);
      tr.setAttribute('aria-selected', String(chosen));
    }
  }

  // Right from the last column goes on to the next channel's first, Left
  // from the first back to the previous channel's last.
  private step(right: boolean): void {
    if (right && this.col === kLastColumn) {
      if (this.row < kLastChannelRow) this.moveTo(this.row + 1, kRxFreq);
    } else if (!right && this.col === kRxFreq) {
      if (this.row > kFirstChannelRow) this.moveTo(this.row - 1, kLastColumn);
    } else {
      this.moveTo(this.row, this.col + (right ? 1 : -1));
    }
  }

  private inUse(row: number): boolean {
    return this.grid[row][kRxFreq] !== '';
  }

  // A cell focused by any means (a tap, a screen reader, a script) becomes
  // the current one.
  private onFocus(event: FocusEvent): void {
    const cell = event.target;
    if (!(cell instanceof HTMLTableCellElement) || !cell.dataset.row) return;
    this.cells[this.row][this.col].tabIndex = -1;
    this.row = Number(cell.dataset.row);
    this.col = Number(cell.dataset.col);
    if (!this.extending) this.anchor = this.row;
    cell.tabIndex = 0;
    this.showSelection();
  }

  private onClick(event: MouseEvent): void {
    const number = (event.target as HTMLElement).closest('th[scope="row"]');
    if (number instanceof HTMLTableCellElement && !this.editor) {
      this.moveTo(Number(number.dataset.channel), this.col, event.shiftKey);
      return;
    }
    const cell = (event.target as HTMLElement).closest('td');
    if (!cell || this.editor || !cell.dataset.row) return;
    this.moveTo(Number(cell.dataset.row), Number(cell.dataset.col));
    this.beginEdit(null);
  }

  private onKeyDown(event: KeyboardEvent): void {
    if (this.editor) {
      this.onEditorKey(event);
      return;
    }
    if (!(event.target instanceof HTMLTableCellElement) || event.ctrlKey || event.metaKey) return;
    if (event.altKey) {
      const by = { ArrowUp: -1, ArrowDown: 1 }[event.key];
      if (by !== undefined) {
        event.preventDefault();
        this.host.move(by);
      }
      return;
    }
    if (event.shiftKey && (event.key === 'ArrowUp' || event.key === 'ArrowDown')) {
      event.preventDefault();
      this.moveTo(this.row + (event.key === 'ArrowUp' ? -1 : 1), this.col, true);
      return;
    }
    const moves: Record<string, () => void> = {
      ArrowRight: () => this.step(true),
      ArrowLeft: () => this.step(false),
      ArrowDown: () => this.moveTo(this.row + 1, this.col),
      ArrowUp: () => this.moveTo(this.row - 1, this.col),
      Home: () => this.moveTo(this.row, kRxFreq),
      End: () => this.moveTo(this.row, kLastColumn),
      PageDown: () => this.moveTo(kLastChannelRow, this.col),
      PageUp: () => this.moveTo(kFirstChannelRow, this.col),
      Enter: () => this.beginEdit(null),
      F2: () => this.beginEdit(null),
    };
    const move = moves[event.key];
    if (move) {
      event.preventDefault();
      move();
    } else if (event.key.length === 1) {
      event.preventDefault();
      this.beginEdit(event.key);
    }
  }

  // Opens the current cell's editor; typed is the character that opened it.
  // A channel not in use starts with its receive frequency, and only a digit
  // or a decimal point begins a frequency.
  private beginEdit(typed: string | null): void {
    if (!this.inUse(this.row) && this.col !== kRxFreq) this.moveTo(this.row, kRxFreq);
    const text = this.grid[this.row][this.col];
    let control: HTMLInputElement | HTMLSelectElement;
    if (isFrequencyColumn(this.col)) {
      if (typed !== null && !/^[0-9.,]$/.test(typed)) return;
      control = this.input(typed ?? text, 'decimal');
    } else if (isToneColumn(this.col) && typed === null && this.pointerType === 'touch') {
      control = this.select(this.host.choices(this.col), text);
    } else if (isToneColumn(this.col)) {
      if (typed !== null && typed.trim() === '') return;
      control = this.input(typed ?? text, 'text');
      control.setAttribute('list', 'tone-list');
    } else {
      control = this.select(this.host.choices(this.col), typed ?? text);
    }
    const label = `Channel ${this.row} ${this.grid[0][this.col]}`;
    control.setAttribute('aria-label', label);
    const cell = this.cells[this.row][this.col];
    cell.textContent = '';
    cell.append(control);
    this.editor = { row: this.row, col: this.col, control, cancelled: false };
    control.addEventListener('blur', () => this.endEdit(), { once: true });
    // A list picked from by touch has nothing more to come: it is stored at once.
    if (control instanceof HTMLSelectElement && this.pointerType === 'touch') {
      control.addEventListener('change', () => this.cells[this.row][this.col].focus(), { once: true });
    }
    control.focus();
    if (control instanceof HTMLInputElement) {
      if (typed === null) control.select();
      else control.setSelectionRange(typed.length, typed.length);
    }
  }

  private input(text: string, mode: 'decimal' | 'text'): HTMLInputElement {
    const input = document.createElement('input');
    input.type = 'text';
    input.inputMode = mode;
    input.autocomplete = 'off';
    input.spellcheck = false;
    input.value = text;
    return input;
  }

  // The items, with the one the text names, else the first one the text
  // begins (any case), selected.
  private select(items: string[], text: string): HTMLSelectElement {
    const select = document.createElement('select');
    for (const item of items) select.add(new Option(item));
    const lower = text.toLowerCase();
    const exact = items.findIndex((item) => item.toLowerCase() === lower);
    select.selectedIndex = lower === '' ? 0 : Math.max(0, exact >= 0 ? exact : items.findIndex((item) => item.toLowerCase().startsWith(lower)));
    return select;
  }

  private onEditorKey(event: KeyboardEvent): void {
    const editor = this.editor!;
    if (event.key === 'Escape') {
      event.preventDefault();
      editor.cancelled = true;
      this.cells[editor.row][editor.col].focus();
    } else if (event.key === 'Enter') {
      event.preventDefault();
      const emptied = editor.control.value.trim() === '' && isFrequencyColumn(editor.col);
      this.cells[editor.row][editor.col].focus();
      if (emptied) this.moveTo(this.row + 1, this.col);
      else this.step(true);
    }
  }

  // The editor has lost the focus: store its text unless Escape was pressed,
  // then show the cell as the form has it.
  private endEdit(): void {
    const editor = this.editor;
    if (!editor) return;
    this.editor = null;
    editor.control.remove();
    if (editor.cancelled) this.cells[editor.row][editor.col].textContent = this.grid[editor.row][editor.col];
    else this.host.commit(editor.row, editor.col, editor.control.value);
  }
}
