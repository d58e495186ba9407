// The channel list as the desktop program prints it: the title "Channel:",
// the heading line and a line per channel, each column starting at a fixed
// multiple of the character width u. Here the lines are the rows of a table
// whose columns are those multiples of u as shares of the page's width, so
// that every heading stands over its column on any paper and orientation.

// How many character cells each column takes: an indent of 1u, then the
// columns from 1u, 5u, 17u, 31u, 41u, 51u, 61u, 70u and 80u on, the last
// as wide as the one before it.
const kColumnCells = [1, 4, 12, 14, 10, 10, 10, 9, 10, 10];
const kAllCells = kColumnCells.reduce((sum, cells) => sum + cells, 0);
const kTitleCells = 2;
const share = (cells: number): string => `${(cells / kAllCells) * 100}%`;

export function headingLine(headings: string[]): string {
  const [ch, , , rxTone, txTone, busy, power, bandwidth, scan] = headings;
  const gap = (n: number): string => ' '.repeat(n);
  return [ch, gap(4), 'Rx(MHz)', gap(2), 'Tx(MHz)', gap(5), rxTone, gap(2), txTone, gap(3), busy, gap(3), power, gap(4), bandwidth, gap(3), scan].join('');
}

function row(cellTag: 'th' | 'td', texts: string[]): HTMLTableRowElement {
  const tr = document.createElement('tr');
  for (const text of ['', ...texts]) {
    const cell = document.createElement(cellTag);
    cell.textContent = text;
    tr.append(cell);
  }
  return tr;
}

// Fills the print-only block from the grid as it is shown now, unsaved
// edits included. The heading line's words (two spaces or more apart) each
// head their own column.
export function fillPrintList(target: HTMLElement, grid: string[][]): void {
  const title = document.createElement('p');
  title.className = 'print-title';
  title.textContent = 'Channel:';
  title.style.marginLeft = share(kTitleCells);
  const table = document.createElement('table');
  const columns = document.createElement('colgroup');
  for (const cells of kColumnCells) {
    const col = document.createElement('col');
    col.style.width = share(cells);
    columns.append(col);
  }
  const head = document.createElement('thead');
  head.append(row('th', headingLine(grid[0]).split(/ {2,}/)));
  const body = document.createElement('tbody');
  body.append(...grid.slice(1).map((channel) => row('td', channel)));
  table.append(columns, head, body);
  target.replaceChildren(title, table);
}
