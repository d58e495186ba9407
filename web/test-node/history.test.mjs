// The form's history through the engine: every kind of change is one step,
// named as the desktop's Edit menu names it, taken back and again whole.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { newEngine } from './support.mjs';

const engine = await newEngine();
const kModel = 0;
const kSquelch = 2;

// Channels 1..count on 140 + n MHz, typed in, then the history started afresh.
function freshWithChannels(count) {
  engine.newForm();
  for (let n = 1; n <= count; ++n) engine.commitCell(n, 1, String(140 + n));
  engine.openChannelFile(engine.saveChannelFile());
}

function contents() {
  const { combos, grid, pttIdCode } = engine.state();
  return { combos, grid, pttIdCode };
}

const steps = [
  ['a receive frequency typed', (e) => e.commitCell(5, 1, '145.5'), 'Channel 5 Rx Freq'],
  ['a tone chosen', (e) => e.commitCell(2, 4, '67.0'), 'Channel 2 Tx Tone'],
  ['a scan option chosen', (e) => e.commitCell(3, 8, 'Del'), 'Channel 3 Scan'],
  ['a setting chosen', (e) => e.selectCombo(kSquelch, 2), 'Squelch Level'],
  ['the model switched', (e) => e.selectCombo(kModel, 1), 'Model Change'],
  ['the PTT ID Code typed', (e) => e.setPttIdCode('123'), 'PTT ID Code'],
  ['a channel added', (e) => e.addChannel(2), 'Add Channel 2'],
  ['a channel deleted', (e) => e.deleteChannel(2), 'Delete Channel 2'],
  ['channels deleted', (e) => e.deleteRows(2, 4), 'Delete Channels 2-4'],
  ['a channel cleared', (e) => e.clearChannel(3), 'Clear Channel 3'],
  ['channels cleared', (e) => e.clearRows(1, 2), 'Clear Channels 1-2'],
  ['channels cut', (e) => e.cutRows(1, 3), 'Cut Channels 1-3'],
  ['rows pasted', (e) => e.pasteRows(8, '150\n151\n'), 'Paste'],
  ['channels moved', (e) => e.moveRows(2, 3, 1), 'Move'],
  ['a channel list imported', (e) => e.importCsv('Location,Frequency\n9,160.5\n'), 'Import Channels'],
];

for (const [name, change, title] of steps) {
  test(`${name} is one step, "Undo ${title}", taken back and again whole`, () => {
    freshWithChannels(4);
    const before = contents();
    change(engine);
    const after = contents();
    assert.notDeepEqual(after, before, 'the change shows');
    assert.deepEqual(
      (({ canUndo, canRedo, undoText, redoText, modified }) => ({ canUndo, canRedo, undoText, redoText, modified }))(engine.state()),
      { canUndo: true, canRedo: false, undoText: `Undo ${title}`, redoText: 'Redo', modified: true });

    assert.notEqual(engine.undo(), null);
    assert.deepEqual(contents(), before);
    const undone = engine.state();
    assert.deepEqual([undone.canUndo, undone.canRedo, undone.undoText, undone.redoText, undone.modified],
      [false, true, 'Undo', `Redo ${title}`, false]);

    assert.notEqual(engine.redo(), null);
    assert.deepEqual(contents(), after);
    assert.equal(engine.state().modified, true);
  });
}

// Changes that leave the form as it was are no step: nothing to take back.
const noChanges = [
  ['the same frequency typed again', (e) => e.commitCell(1, 1, '141')],
  ['the setting it already has', (e) => e.selectCombo(kSquelch, 5)],
  ['a setting off its list', (e) => e.selectCombo(kSquelch, 99)],
  ['the disabled VOX gain', (e) => e.selectCombo(7, 3)],
  ['a tone the radio cannot hold', (e) => e.commitCell(1, 3, 'D088N')],
  ['the first channel moved up', (e) => assert.equal(e.moveRows(1, 2, -1), false)],
  ['the last channel moved down', (e) => assert.equal(e.moveRows(16, 16, 1), false)],
  ['rows beyond the table deleted', (e) => e.deleteRows(16, 17)],
  ['empty channels cleared', (e) => e.clearRows(10, 12)],
];

for (const [name, change] of noChanges) {
  test(`${name} leaves nothing to undo`, () => {
    freshWithChannels(2);
    const before = contents();
    change(engine);
    assert.deepEqual(contents(), before);
    const state = engine.state();
    assert.deepEqual([state.canUndo, state.undoText, state.modified], [false, 'Undo', false]);
    assert.equal(engine.undo(), null);
  });
}

test('the model switch taken back brings back the channels it emptied', () => {
  freshWithChannels(3);
  const channels = engine.state().grid.slice(1, 4);
  engine.selectCombo(kModel, 1);
  assert.equal(engine.state().grid[1][1], '', 'switching the band empties the channels');
  engine.undo();
  assert.deepEqual(engine.state().grid.slice(1, 4), channels);
  assert.equal(engine.state().combos[kModel].index, 0);
  // The band limits come back with the model: a typed frequency holds to VHF.
  assert.equal(engine.commitCell(5, 1, '450').text, '174.00000');
});

test('steps undone are forgotten by a new step', () => {
  freshWithChannels(1);
  engine.commitCell(1, 1, '150');
  engine.commitCell(2, 1, '151');
  engine.undo();
  engine.commitCell(3, 1, '152');
  const state = engine.state();
  assert.deepEqual([state.canRedo, state.undoText], [false, 'Undo Channel 3 Rx Freq']);
  engine.undo();
  engine.undo();
  assert.deepEqual(engine.state().grid.slice(1, 4).map((row) => row[1]), ['141.00000', '', '']);
});

test('a save is the form no longer modified; undo past it modifies it again', () => {
  freshWithChannels(1);
  engine.commitCell(1, 1, '150');
  engine.saveChannelFile();
  assert.deepEqual([engine.state().modified, engine.state().canUndo], [false, true]);
  engine.undo();
  assert.equal(engine.state().modified, true);
  engine.redo();
  assert.equal(engine.state().modified, false);
});

const freshStarts = [
  ['New', (e) => e.newForm()],
  ['Open', (e) => assert.equal(e.openChannelFile(e.saveChannelFile()).ok, true)],
];

for (const [name, start] of freshStarts) {
  test(`${name} starts a fresh history`, () => {
    freshWithChannels(1);
    engine.commitCell(1, 1, '150');
    engine.undo();
    start(engine);
    const state = engine.state();
    assert.deepEqual([state.canUndo, state.canRedo, state.modified], [false, false, false]);
  });
}

test('a refused file keeps the history', () => {
  freshWithChannels(1);
  engine.commitCell(1, 1, '150');
  assert.equal(engine.openChannelFile(new Uint8Array(10)).ok, false);
  assert.deepEqual([engine.state().canUndo, engine.state().modified], [true, true]);
});

// The cell to make current again: where the step was made.
const cells = [
  ['a cell edit', (e) => e.commitCell(4, 2, '150'), { row: 4, col: 2 }, { row: 4, col: 2 }],
  ['a move down', (e) => e.moveRows(2, 3, 1), { row: 2, col: 1 }, { row: 3, col: 1 }],
  ['a paste', (e) => e.pasteRows(7, '150\n'), { row: 7, col: 1 }, { row: 7, col: 1 }],
];

for (const [name, change, undoCell, redoCell] of cells) {
  test(`undo and redo of ${name} name the cell to go back to`, () => {
    freshWithChannels(4);
    change(engine);
    assert.deepEqual(engine.undo(), undoCell);
    assert.deepEqual(engine.redo(), redoCell);
  });
}
