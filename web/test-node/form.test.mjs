// The form's rules as the page reaches them through the engine: cell commits
// (frequencies read and formatted by the engine's own number code, where
// emscripten's library has none for floating point), the setting boxes'
// reactions and the channel operations.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { newEngine } from './support.mjs';

const engine = await newEngine();
const kModel = 0;
const kBand = 1;
const kVoxSwitch = 6;
const kVoxGain = 7;

function row(n) {
  return engine.state().grid[n];
}

// Typed into channel 1's Rx Freq on a new VHF form (band 136-174 MHz).
const frequencies = [
  ['145.5', '145.50000', ''],
  ['145.0125', '145.01250', ''],
  ['146,52', '146.52000', ''],
  ['146.52', '146.52000', ''],
  ['145.12345', '145.12000', '145.12345 MHz is between channels of 5 kHz and 6.25 kHz: 145.12000'],
  ['100', '136.00000', '100 MHz is below 136-174 MHz: 136.00000'],
  ['200', '174.00000', '200 MHz is above 136-174 MHz: 174.00000'],
  ['inf', '174.00000', 'inf MHz is above 136-174 MHz: 174.00000'],
  ['1e400', '174.00000', '1e400 MHz is above 136-174 MHz: 174.00000'],
  ['0.00001', '136.00000', '0.00001 MHz is below 136-174 MHz: 136.00000'],
  ['145.123450000000000001', '145.12000',
    '145.123450000000000\u2026 MHz is between channels of 5 kHz and 6.25 kHz: 145.12000'],
  ['173.99999999999999999999', '174.00000', ''],
  ['0.000001', '', ''],
  ['-145.5', '', ''],
  ['nan', '', ''],
  ['', '', ''],
];

for (const [typed, stored, message] of frequencies) {
  test(`"${typed}" typed as a receive frequency is stored as "${stored}"`, () => {
    engine.newForm();
    const committed = engine.commitCell(1, 1, typed);
    assert.deepEqual(committed, { accepted: true, text: stored, message });
    const expectedRow = stored === '' ? ['', '', '', '', '', '', '', '']
      : [stored, stored, 'Off', 'Off', 'Off', 'High', 'Wide', 'Add'];
    assert.deepEqual(row(1).slice(1), expectedRow);
  });
}

test('a transmit frequency needs a receive frequency first', () => {
  engine.newForm();
  assert.equal(engine.commitCell(2, 2, '150').text, '');
  assert.equal(engine.commitCell(2, 1, '150').text, '150.00000');
  assert.equal(engine.commitCell(2, 2, '151.00625').text, '151.00625');
  assert.deepEqual(row(2).slice(1, 3), ['150.00000', '151.00625']);
});

// Typed into channel 1's Rx Tone once it is in use.
const tones = [
  ['d023n', true, 'D023N'],
  ['oFf', true, 'Off'],
  ['67.0', true, '67.0'],
  ['D023\u0131', true, 'D023I'],
  ['D088N', false, '88.5'],
  ['67\u00B7', false, '88.5'],
  ['', false, '88.5'],
];

for (const [typed, accepted, shown] of tones) {
  test(`"${typed}" typed as a tone is ${accepted ? 'taken' : 'dropped'}`, () => {
    engine.newForm();
    engine.commitCell(1, 1, '145.5');
    assert.equal(engine.commitCell(1, 3, '88.5').text, '88.5');
    assert.deepEqual(engine.commitCell(1, 3, typed), { accepted, text: shown, message: '' });
  });
}

const options = [
  [5, 'Carrier', true],
  [5, 'carrier', false],
  [6, 'Low', true],
  [7, 'Narrow', true],
  [8, 'Del', true],
  [8, 'Skip', false],
];

for (const [col, typed, accepted] of options) {
  test(`"${typed}" in column ${col} is ${accepted ? 'one of its choices' : 'refused'}`, () => {
    engine.newForm();
    engine.commitCell(1, 1, '145.5');
    const before = row(1)[col];
    const committed = engine.commitCell(1, col, typed);
    assert.equal(committed.accepted, accepted);
    assert.equal(row(1)[col], accepted ? typed : before);
    assert.equal(engine.cellChoices(col).includes(typed), accepted);
  });
}

const pttIdCodes = [
  ['ab12', true, 'AB12'],
  ['\u00e9t\u00e9', true, '\u00c9T\u00c9'],
  ['12345678', true, '12345678'],
  ['123456789', false, ''],
  ['\u20ac', false, ''],
  ['\u00ff', false, ''],
];

for (const [typed, accepted, shown] of pttIdCodes) {
  test(`the PTT ID Code "${typed}" is ${accepted ? 'shown as ' + shown : 'refused'}`, () => {
    engine.newForm();
    assert.deepEqual(engine.setPttIdCode(typed), { accepted, text: shown, message: '' });
    assert.equal(engine.state().pttIdCode, shown);
  });
}

test('a new model empties the channels and offers its own band', () => {
  engine.newForm();
  engine.commitCell(1, 1, '145.5');
  engine.selectCombo(kModel, 1);
  const state = engine.state();
  assert.equal(state.combos[kModel].items[state.combos[kModel].index], 'HM-615U');
  assert.deepEqual(state.combos[kBand].items, ['400-520MHz']);
  assert.equal(state.combos[kBand].index, 0);
  assert.equal(row(1).slice(1).join(''), '');
  assert.equal(engine.commitCell(1, 1, '145.5').text, '400.00000');
  assert.equal(state.modified, true);
});

test('the VOX gain can be chosen only while the VOX switch is on', () => {
  engine.newForm();
  assert.equal(engine.state().combos[kVoxGain].enabled, false);
  const gainBefore = engine.state().combos[kVoxGain].index;
  engine.selectCombo(kVoxGain, 4);
  assert.equal(engine.state().combos[kVoxGain].index, gainBefore);
  const on = engine.state().combos[kVoxSwitch].items.findIndex((item) => item !== 'Off');
  engine.selectCombo(kVoxSwitch, on);
  assert.equal(engine.state().combos[kVoxGain].enabled, true);
  engine.selectCombo(kVoxGain, 4);
  assert.equal(engine.state().combos[kVoxGain].index, 4);
});

test('an index off a list changes nothing', () => {
  engine.newForm();
  const before = engine.state();
  engine.selectCombo(kModel, 7);
  engine.selectCombo(kModel, -1);
  engine.selectCombo(99, 0);
  assert.deepEqual(engine.state(), before);
});

test('adding and deleting channels moves the rows below', () => {
  engine.newForm();
  for (const [n, mhz] of [[1, '145'], [2, '146'], [16, '147']]) engine.commitCell(n, 1, mhz);
  engine.addChannel(2);
  assert.deepEqual([row(1)[1], row(2)[1], row(3)[1], row(16)[1]], ['145.00000', '', '146.00000', '']);
  engine.deleteChannel(1);
  assert.deepEqual([row(1)[1], row(2)[1], row(16)[1]], ['', '146.00000', '']);
  engine.clearChannel(2);
  assert.equal(row(2).slice(1).join(''), '');
  assert.equal(row(2)[0], '2');
});

test('the tone columns offer the tone list, the frequency columns nothing', () => {
  const tonesOffered = engine.cellChoices(3);
  assert.equal(tonesOffered.length, 261);
  assert.deepEqual([tonesOffered[0], tonesOffered[1], tonesOffered.at(-1)], ['Off', '67.0', 'D754I']);
  assert.deepEqual(engine.cellChoices(1), []);
  assert.deepEqual(engine.cellChoices(0), []);
});

// Whether the page should offer to save: only what changes the form counts.
const modifications = [
  ['a frequency typed', () => engine.commitCell(1, 1, '145.5'), true],
  ['a tone the radio cannot hold', () => engine.commitCell(1, 3, 'D088N'), false],
  ['an option not in the list', () => engine.commitCell(1, 6, 'Medium'), false],
  ['the setting already shown', () => engine.selectCombo(2, engine.state().combos[2].index), false],
  ['another setting', () => engine.selectCombo(2, 1), true],
  ['the PTT ID Code already shown', () => engine.setPttIdCode(''), false],
  ['a PTT ID Code typed', () => engine.setPttIdCode('a'), true],
  ['a transmit frequency on a channel not in use', () => engine.commitCell(9, 2, '150'), false],
];

for (const [what, edit, modified] of modifications) {
  test(`${what} ${modified ? 'marks' : 'leaves'} the form modified`, () => {
    engine.newForm();
    engine.commitCell(1, 1, '146.5');
    engine.saveChannelFile();
    assert.equal(engine.state().modified, false);
    edit();
    assert.equal(engine.state().modified, modified);
  });
}
