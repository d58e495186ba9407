// The channel list as the desktop program prints it: the title "Channel:",
// one heading line, and a line per channel with each column starting at a
// fixed multiple of the character width u (80 of them across the page after
// the margin); style.css sizes u and the lines from the page.

// Where each grid column starts on a channel line, in character cells.
const kColumnCells = [1, 5, 17, 31, 41, 51, 61, 70, 80];
const kTitleCell = 2;

export function headingLine(headings: string[]): string {
  const [ch, , , rxTone, txTone, busy, power, bandwidth, scan] = headings;
  const gap = (n: number): string => ' '.repeat(n);
  return [ch, gap(4), 'Rx(MHz)', gap(2), 'Tx(MHz)', gap(5), rxTone, gap(2), txTone, gap(3), busy, gap(3), power, gap(4), bandwidth, gap(3), scan].join('');
}

function placed(text: string, cell: number): HTMLSpanElement {
  const span = document.createElement('span');
  span.textContent = text;
  span.style.setProperty('--x', String(cell));
  return span;
}

// Fills the print-only block from the grid as it is shown now, unsaved
// edits included.
export function fillPrintList(target: HTMLElement, grid: string[][]): void {
  const line = (...spans: HTMLSpanElement[]): HTMLDivElement => {
    const div = document.createElement('div');
    div.className = 'print-line';
    div.append(...spans);
    return div;
  };
  const lines = [line(placed('Channel:', kTitleCell)), line(placed(headingLine(grid[0]), kColumnCells[0]))];
  lines[0].classList.add('print-title');
  lines[1].classList.add('print-heading');
  for (let row = 1; row < grid.length; row++) {
    lines.push(line(...grid[row].map((text, col) => placed(col === 0 ? text : `${text} `, kColumnCells[col]))));
  }
  target.replaceChildren(...lines);
}
