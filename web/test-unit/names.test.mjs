// The texts the page makes itself: the printed heading line and the names
// of kept reads.
import assert from 'node:assert/strict';
import { before, test } from 'node:test';
import { loadTs } from './load_ts.mjs';

process.env.TZ = 'UTC';
let headingLine;
let backupFileName;
let backupDate;
let backupTime;
before(async () => {
  ({ headingLine } = await loadTs('print_list.ts'));
  ({ backupFileName, backupDate, backupTime } = await loadTs('backups.ts'));
});

test('the printed heading line names the frequency columns in MHz and spaces the rest as the desktop does', () => {
  const headings = ['CH', 'Rx Freq', 'Tx Freq', 'Rx Tone', 'Tx Tone', 'Busy', 'Power', 'Bandwidth', 'Scan'];
  assert.equal(headingLine(headings), 'CH    Rx(MHz)  Tx(MHz)     Rx Tone  Tx Tone   Busy   Power    Bandwidth   Scan');
});

const backups = [
  { time: Date.UTC(2026, 11, 7, 14, 3, 22), model: 'HM-615V', date: '2026-12-07', clock: '14:03:22', file: '2026-12-07_14-03-22_HM-615V.sin' },
  { time: Date.UTC(2027, 0, 1, 0, 0, 5, 999), model: 'HM-615U', date: '2027-01-01', clock: '00:00:05', file: '2027-01-01_00-00-05_HM-615U.sin' },
];
for (const b of backups) {
  test(`a read kept at ${b.date} ${b.clock} is named as the desktop names its backup`, () => {
    const backup = { id: 1, time: b.time, model: b.model, bytes: new Uint8Array(1024) };
    assert.equal(backupDate(b.time), b.date);
    assert.equal(backupTime(b.time), b.clock);
    assert.equal(backupFileName(backup), b.file);
  });
}
