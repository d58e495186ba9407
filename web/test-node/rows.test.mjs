// Whole channels through the engine: copied as the tab-separated text
// spreadsheets take, pasted back through the rules of typing with a report,
// moved one place at a time, emptied and removed.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { newEngine } from './support.mjs';

const engine = await newEngine();
const empty = ['', '', '', '', '', '', '', ''];

function channel(n) {
  const rx = `${140 + n}.00000`;
  return [rx, rx, 'Off', 'Off', 'Off', 'High', 'Wide', 'Add'];
}

// Channels 1..count on 140 + n MHz.
function fill(count) {
  engine.newForm();
  for (let n = 1; n <= count; ++n) engine.commitCell(n, 1, String(140 + n));
}

function rows(first, last) {
  return engine.state().grid.slice(first, last + 1).map((row) => row.slice(1));
}

test('copied rows are the cell texts between tabs, a line each, without the number', () => {
  fill(2);
  engine.commitCell(2, 4, '67.0');
  engine.commitCell(2, 7, 'Narrow');
  assert.equal(engine.copyRows(2, 3),
    '142.00000\t142.00000\tOff\t67.0\tOff\tHigh\tNarrow\tAdd\n\t\t\t\t\t\t\t\n');
});

test('copied rows pasted elsewhere are the same channels', () => {
  fill(4);
  engine.commitCell(3, 3, 'D023N');
  const text = engine.copyRows(1, 4);
  const pasted = engine.pasteRows(9, text);
  assert.deepEqual(pasted, { first: 9, last: 12, report: '4 channels pasted.' });
  assert.deepEqual(rows(9, 12), rows(1, 4));
});

const typed = ['146.52000', '146.52000', 'Off', 'Off', 'Off', 'High', 'Wide', 'Add'];

// Spreadsheet text pasted at channel 15 of a form with channels 1..16.
const pastes = [
  ['one row from a spreadsheet, CRLF', '146.52\t146.52\tOff\tOff\tOff\tHigh\tWide\tAdd\r\n',
    [typed, channel(16)], { first: 15, last: 15, report: '1 channel pasted.' }],
  ['a heading line and channel numbers', 'CH\tRx Freq\tTx Freq\r\n1\t146.52\r\n2\t146,52\r\n',
    [typed, typed], { first: 15, last: 16, report: '2 channels pasted.' }],
  ['a frequency above the band', '200\n146.52\n',
    [['174.00000', '174.00000', 'Off', 'Off', 'Off', 'High', 'Wide', 'Add'], typed],
    { first: 15, last: 16, report: '2 channels pasted. Channel 15 Rx Freq: 200 typed, 174.00000 stored.' }],
  ['a row the radio cannot hold', 'abc\n146.52\n', [channel(15), typed],
    { first: 15, last: 16, report: '1 channel pasted. Not pasted, a value this radio cannot hold: channel 15.' }],
  ['more rows than channels below', '146.52\n\n150\n151\n', [typed, empty],
    { first: 15, last: 16, report: '2 channels pasted. 2 rows found no channel below the last.' }],
];

for (const [name, text, expected, outcome] of pastes) {
  test(`paste of ${name}`, () => {
    fill(16);
    assert.deepEqual(engine.pasteRows(15, text), outcome);
    assert.deepEqual(rows(15, 16), expected);
    assert.deepEqual(rows(14, 14), [channel(14)], 'the channels above stay');
  });
}

// Channels 1..5 moved; the channel they pass takes their place.
const moves = [
  ['one channel down', 2, 2, 1, true, [1, 3, 2, 4, 5]],
  ['two channels up', 3, 4, -1, true, [1, 3, 4, 2, 5]],
  ['the first channel up', 1, 1, -1, false, [1, 2, 3, 4, 5]],
  ['the last channels down', 15, 16, 1, false, [1, 2, 3, 4, 5]],
];

for (const [name, first, last, by, moved, order] of moves) {
  test(`move of ${name}`, () => {
    fill(16);
    assert.equal(engine.moveRows(first, last, by), moved);
    assert.deepEqual(rows(1, 5), order.map(channel));
  });
}

const removals = [
  ['cleared', (e) => e.clearRows(2, 3), [channel(1), empty, empty, channel(4), channel(5)]],
  ['deleted', (e) => e.deleteRows(2, 3), [channel(1), channel(4), channel(5), empty, empty]],
  ['cut', (e) => assert.equal(e.cutRows(2, 3), `${channel(2).join('\t')}\n${channel(3).join('\t')}\n`),
    [channel(1), channel(4), channel(5), empty, empty]],
];

for (const [name, remove, expected] of removals) {
  test(`channels 2-3 ${name}`, () => {
    fill(5);
    remove(engine);
    assert.deepEqual(rows(1, 5), expected);
  });
}
