// The engine against the native hmprog-cli on the same channel files: what
// opening and saving writes, what the form shows, the channel lists, and the
// files refused.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';

import { cli, cliText, kModelOffset, kPttIdCodeOffset, newEngine, scratch, seededBytes, writeScratch } from './support.mjs';

const engine = await newEngine();

// A form edited the way a user does it: model, frequencies, tones, options,
// a setting, the PTT ID Code, a channel added in between.
function editedImage() {
  engine.newForm();
  engine.selectCombo(0, 1);
  engine.commitCell(1, 1, '446.00625');
  engine.commitCell(1, 3, '67');
  engine.commitCell(1, 4, 'd754i');
  engine.commitCell(2, 1, '430,1234');
  engine.commitCell(2, 2, '431.5');
  engine.commitCell(2, 6, 'Low');
  engine.commitCell(2, 8, 'Del');
  engine.addChannel(2);
  engine.commitCell(4, 1, '521');
  engine.selectCombo(2, 8);
  engine.selectCombo(6, 2);
  assert.equal(engine.setPttIdCode('ab12').accepted, true);
  return engine.saveChannelFile();
}

function withPttIdCode(latin1) {
  const bytes = new Uint8Array(cli(['new', '--output', '-']).stdout);
  bytes.fill(0xff, kPttIdCodeOffset, kPttIdCodeOffset + 8);
  bytes.set(latin1, kPttIdCodeOffset);
  return bytes;
}

function readBySimulatedRadio() {
  cli(['read', '--port', 'sim', '--output', 'demo.sin']);
  return new Uint8Array(readFileSync(join(scratch, 'demo.sin')));
}

const images = [
  ['File New', () => cli(['new', '--output', '-']).stdout],
  ['a read of the simulated radio', readBySimulatedRadio],
  ['a form edited in the engine', editedImage],
  ['every byte 0x00', () => new Uint8Array(1024)],
  ['every byte 0xFF', () => new Uint8Array(1024).fill(0xff)],
  ['random bytes', () => seededBytes(1)],
  ['random bytes of the UHF model', () => { const b = seededBytes(2); b[kModelOffset] = 0x38; return b; }],
  ['random bytes of the VHF model', () => { const b = seededBytes(3); b[kModelOffset] = 0x37; return b; }],
  // Every channel field full of values no form writes: frequencies that are
  // not BCD, tone codes of every kind, flags in every combination.
  ...[4, 5, 6, 7, 8, 9].map((seed) => [`random bytes of model byte 0x3${7 + (seed % 2)}, seed ${seed}`, () => {
    const b = seededBytes(seed);
    b[kModelOffset] = 0x37 + (seed % 2);
    return b;
  }]),
  ['a PTT ID Code in Latin-1 lower case', () => withPttIdCode([0x61, 0xe9, 0xdf, 0xff, 0x7a])],
  ['a PTT ID Code between no-break spaces', () => withPttIdCode([0xa0, 0x41, 0x20, 0xa0])],
  ['a PTT ID Code of control bytes', () => withPttIdCode([0x00, 0x09, 0x0a, 0x85])],
].map(([name, make]) => [name, new Uint8Array(make())]);

for (const [name, image] of images) {
  test(`opening and saving ${name} writes what hmprog-cli resave writes`, () => {
    assert.equal(engine.openChannelFile(image, 'in.sin').ok, true);
    assert.deepEqual(engine.saveChannelFile(), cli(['resave', '-', '-'], image).stdout);
  });

  test(`the form shows ${name} as hmprog-cli show does`, () => {
    assert.equal(engine.showText(image), cliText(['show', '-'], image));
  });

  test(`the channel list of ${name} is the one hmprog-cli export writes`, () => {
    assert.equal(engine.openChannelFile(image, 'in.sin').ok, true);
    assert.equal(engine.exportCsv(), cliText(['export', '-', '-'], image));
  });
}

test('an edited form saved and opened again saves the same bytes', () => {
  const saved = editedImage();
  assert.equal(engine.openChannelFile(saved, 'edited.sin').ok, true);
  assert.deepEqual(engine.saveChannelFile(), saved);
  assert.equal(engine.state().modified, false);
});

for (const length of [0, 1, 1023, 1025, 2048]) {
  test(`a file of ${length} bytes is refused in hmprog-cli's words and the form stays`, () => {
    assert.equal(engine.openChannelFile(images[1][1], 'demo.sin').ok, true);
    engine.commitCell(5, 1, '150');
    const before = engine.state();
    const name = `file-${length}.sin`;
    const bytes = seededBytes(length + 7, length);
    writeScratch(name, bytes);
    const opened = engine.openChannelFile(bytes, name);
    assert.equal(opened.ok, false);
    const refusal = cli(['show', name], new Uint8Array(0), [1]).stderr;
    assert.equal(`hmprog-cli: ${opened.message}\n`, refusal);
    assert.deepEqual(engine.state(), before);
  });
}

// Numbers written in the ways spreadsheets and people write them: the
// engine's number parsing and formatting (its own, where emscripten's library
// has none for floating point) must read and show them as the native program.
const channelList = [
  'Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,Power',
  '1,,146.52,,0,Tone,88.5,88.5,023,NN,FM,5.0W',
  '2,,146.520000001,+,0.6,TSQL,67,67.0,023,NN,NFM,1W',
  '3,,145.0125,-,.6,DTCS,88.5,88.5,754,RN,FM,5W',
  '4,,1.4652e2,,0,,88.5,88.5,023,NN,FM,5W',
  '5,,  147.3  ,split,146.7,,88.5,88.5,023,NN,FM,5W',
  '6,,146.00624,,0,,88.5,88.5,023,NN,FM,5W',
  '7,,173.999999999,,0,,88.5,88.5,023,NN,FM,5W',
  '8,,inf,,0,,88.5,88.5,023,NN,FM,5W',
  '9,,nan,,0,,88.5,88.5,023,NN,FM,5W',
  '10,,0x92,,0,,88.5,88.5,023,NN,FM,5W',
  '11,,146.52,,1e-1,Tone,254.1,88.5,023,NN,FM,5W',
  '12,,146.5e,,0,Tone,100.05,88.5,023,NN,FM,5W',
  '13,,-146.52,,0,,88.5,88.5,023,NN,FM,5W',
  '14,,146.525,,0.0000001,Tone,1e2,88.5,023,NN,FM,5W',
  '',
].join('\r\n');

test('a channel list with numbers written every way loads as hmprog-cli import loads it', () => {
  const base = images[1][1];
  const basePath = writeScratch('base.sin', base);
  const native = cli(['import', '-', '--output', '-', '--base', basePath], new TextEncoder().encode(channelList), [0, 1]);
  assert.equal(engine.openChannelFile(base, 'base.sin').ok, true);
  const imported = engine.importCsv(channelList);
  assert.equal(imported.ok, true);
  assert.equal(imported.report, native.stderr);
  const saved = engine.saveChannelFile();
  assert.deepEqual(saved, native.stdout);
  assert.equal(engine.showText(saved), cliText(['show', '-'], native.stdout));
});

test('a text that is no channel list loads nothing and leaves the form', () => {
  assert.equal(engine.openChannelFile(images[1][1], 'demo.sin').ok, true);
  const before = engine.state();
  const imported = engine.importCsv('this is,not\r\na channel list\r\n');
  assert.equal(imported.ok, false);
  assert.notEqual(imported.report, '');
  assert.deepEqual(engine.state(), before);
});
