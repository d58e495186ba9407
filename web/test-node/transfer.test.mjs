// Reads and writes through a port whose far end is the engine's simulated
// radio, on a virtual clock: the engine's own protocol end to end, with the
// radio's faults, the prompts and Cancel.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { SimulatedPort } from './sim_port.mjs';
import { cli, kModelOffset, newEngine, recordingHost, seededBytes, writeScratch } from './support.mjs';

const engine = await newEngine();
const kPartlyWritten =
  'The radio now holds a partly written memory: write a complete image into it before using it.';

// The stretches a write leaves alone: 0x300-0x31F and 0x3F0-0x3FF.
function reserved(offset) {
  return (offset >= 0x300 && offset < 0x320) || offset >= 0x3f0;
}

function vhfMemory(seed) {
  const memory = seededBytes(seed);
  memory[kModelOffset] = 0x37;
  return memory;
}

function demoFile() {
  return new Uint8Array(cli(['read', '--port', 'sim', '--output', '-']).stdout);
}

async function transfer(direction, radio, host = recordingHost(), controller = new AbortController()) {
  const port = new SimulatedPort(radio);
  const outcome = await engine[direction](port, host, controller.signal);
  return { outcome, port, host };
}

test('a read brings the radio memory into the form, as hmprog-cli shows it', async () => {
  engine.newForm();
  const memory = vhfMemory(11);
  const radio = engine.createSimulatedRadio('HM-615V', { memory });
  const { outcome, host } = await transfer('readRadio', radio);
  assert.equal(outcome.ok, true);
  assert.equal(outcome.message, '');
  assert.deepEqual(outcome.image, memory);
  assert.deepEqual(engine.saveChannelFile(), cli(['resave', '-', '-'], memory).stdout);
  assert.equal(host.percents.at(-1), 100);
  assert.equal(host.percents.length, 128);
  assert.equal(host.statuses.at(-1), 'Done');
});

test('a write puts the form into the radio and leaves its reserved stretches alone', async () => {
  const memory = vhfMemory(12);
  const radio = engine.createSimulatedRadio('HM-615V', { memory });
  assert.equal(engine.openChannelFile(new Uint8Array(seededBytes(13)).map((b, i) => (i === kModelOffset ? 0x37 : b))).ok, true);
  engine.commitCell(3, 1, '150.0125');
  const { outcome, host, port } = await transfer('writeRadio', radio);
  assert.equal(outcome.ok, true, outcome.message);
  assert.equal(outcome.partlyWritten, false);
  const written = engine.saveChannelFile();
  assert.deepEqual(outcome.image, written);
  const now = radio.image();
  assert.notDeepEqual(written.slice(0x300, 0x320), memory.slice(0x300, 0x320));
  for (let offset = 0; offset < 1024; offset++) {
    const expected = reserved(offset) ? memory[offset] : written[offset];
    assert.equal(now[offset], expected, `byte 0x${offset.toString(16)}`);
  }
  const frames = port.sent.filter((bytes) => bytes.length === 4 && bytes[0] === 0x57);
  assert.equal(frames.length, 122);
  assert.deepEqual(host.percents.slice(95, 97), [76, 79]);
  assert.equal(host.percents.at(-1), 100);
});

test('a read cancelled part way leaves the form as it was', async () => {
  assert.equal(engine.openChannelFile(demoFile(), 'demo.sin').ok, true);
  engine.commitCell(5, 1, '150');
  const before = engine.state();
  const controller = new AbortController();
  const host = recordingHost({ onProgress: (percent) => percent >= 30 && controller.abort() });
  const radio = engine.createSimulatedRadio('HM-615V', { memory: vhfMemory(14) });
  const { outcome, port } = await transfer('readRadio', radio, host, controller);
  assert.equal(outcome.ok, false);
  assert.equal(outcome.cancelled, true);
  assert.equal(outcome.message, '');
  assert.equal(outcome.image, undefined);
  assert.deepEqual(engine.state(), before);
  const requests = port.sent.filter((bytes) => bytes.length === 4 && bytes[0] === 0x52);
  assert.equal(requests.length, 39);
});

test('a read aside hands the radio memory back and leaves the form, its saved mark and its history', async () => {
  assert.equal(engine.openChannelFile(demoFile(), 'demo.sin').ok, true);
  engine.commitCell(5, 1, '150');
  const before = engine.state();
  const memory = vhfMemory(16);
  memory[kModelOffset] = 0x38;
  const { outcome } = await transfer('readRadioAside', engine.createSimulatedRadio('HM-615U', { memory }));
  assert.equal(outcome.ok, true, outcome.message);
  assert.deepEqual(outcome.image, memory);
  assert.deepEqual(engine.state(), before);
  assert.equal(engine.modelOf(outcome.image), 'HM-615U');
});

// The model a memory is kept under: by its model byte, none for any other.
const models = [
  { name: 'model byte 0x37', byte: 0x37, length: 1024, model: 'HM-615V' },
  { name: 'model byte 0x38', byte: 0x38, length: 1024, model: 'HM-615U' },
  { name: 'model byte 0xFF', byte: 0xff, length: 1024, model: '' },
  { name: '1023 bytes', byte: 0x37, length: 1023, model: '' },
];
for (const c of models) {
  test(`the memory with ${c.name} is of the model "${c.model}"`, () => {
    const bytes = new Uint8Array(c.length);
    bytes[kModelOffset] = c.byte;
    assert.equal(engine.modelOf(bytes), c.model);
  });
}

const failedWrites = [
  { fault: 'nak-write', faultBlock: 40, partlyWritten: true, blocksIn: 40 },
  { fault: 'silent-write', faultBlock: 110, partlyWritten: true, blocksIn: 106 },
  { fault: 'nak-write', faultBlock: 0, partlyWritten: false, blocksIn: 0 },
];

for (const { fault, faultBlock, partlyWritten, blocksIn } of failedWrites) {
  test(`a write failing with ${fault} at block ${faultBlock} says so and whether the radio is partly written`, async () => {
    const memory = vhfMemory(15);
    const radio = engine.createSimulatedRadio('HM-615V', { memory, fault, faultBlock });
    assert.equal(engine.openChannelFile(demoFile()).ok, true);
    const { outcome } = await transfer('writeRadio', radio);
    assert.equal(outcome.ok, false);
    assert.equal(outcome.cancelled, false);
    assert.equal(outcome.message, 'Communication error');
    assert.equal(outcome.partlyWritten, partlyWritten);
    assert.equal(outcome.otherModel, false, 'a radio of the right model failing is not one of the other model');
    assert.equal(outcome.warning, partlyWritten ? kPartlyWritten : '');
    const written = engine.saveChannelFile();
    const now = radio.image();
    const firstKept = blocksIn < 96 ? blocksIn * 8 : (blocksIn + 4) * 8;
    assert.equal(firstKept, faultBlock * 8);
    for (let offset = 0; offset < 1024; offset++) {
      const expected = offset < firstKept && !reserved(offset) ? written[offset] : memory[offset];
      assert.equal(now[offset], expected, `byte 0x${offset.toString(16)}`);
    }
  });
}

const failedReads = [
  { fault: 'short-block', message: 'Not receive enough byte' },
  { fault: 'no-block-ack', message: 'Not receive ACK signal' },
  { fault: 'syn-block-ack', message: 'Not receive ACK signal' },
];

for (const { fault, message } of failedReads) {
  test(`a read failing with ${fault} shows "${message}" and leaves the form`, async () => {
    assert.equal(engine.openChannelFile(demoFile()).ok, true);
    const before = engine.state();
    const radio = engine.createSimulatedRadio('HM-615V', { memory: vhfMemory(16), fault });
    const { outcome } = await transfer('readRadio', radio);
    assert.deepEqual([outcome.ok, outcome.cancelled, outcome.message], [false, false, message]);
    assert.deepEqual(engine.state(), before);
  });
}

const prompts = [
  { fault: 'ack-wakeup', answers: { version: true }, ok: true, versionPrompts: 1, retryPrompts: 0 },
  { fault: 'ack-wakeup', answers: { version: false }, ok: false, versionPrompts: 1, retryPrompts: 0 },
  { fault: 'silent', answers: { retry: false }, ok: false, versionPrompts: 0, retryPrompts: 1 },
  { fault: 'nak-id', answers: { retry: false }, ok: false, versionPrompts: 0, retryPrompts: 1 },
  { fault: 'noise-then-syn', answers: {}, ok: true, versionPrompts: 0, retryPrompts: 0 },
];

for (const { fault, answers, ok, versionPrompts, retryPrompts } of prompts) {
  test(`a radio with ${fault} answered ${JSON.stringify(answers)} prompts as the desktop does`, async () => {
    engine.newForm();
    const radio = engine.createSimulatedRadio('HM-615V', { fault });
    const host = recordingHost(answers);
    const { outcome } = await transfer('readRadio', radio, host);
    assert.equal(outcome.ok, ok);
    assert.equal(outcome.cancelled, !ok);
    assert.deepEqual(host.versionPrompts, Array(versionPrompts).fill('Please select the correct software version.'));
    assert.deepEqual(host.retryPrompts, Array(retryPrompts).fill('Communication error, please try again.'));
  });
}

test('a silent radio is woken 15 times before the retry prompt, and 15 more after Retry', async () => {
  const radio = engine.createSimulatedRadio('HM-615V', { fault: 'silent' });
  let prompts = 0;
  const host = recordingHost();
  host.askRetry = async () => ++prompts < 2;
  const { outcome, port } = await transfer('readRadio', radio, host);
  assert.equal(outcome.cancelled, true);
  const wakeUps = port.sent.filter((bytes) => bytes.length === 1 && bytes[0] === 0x02).length;
  assert.equal(wakeUps, 30);
});

test('writing the UHF band into a VHF radio ends with "Model do not match" and writes nothing', async () => {
  const memory = vhfMemory(17);
  const radio = engine.createSimulatedRadio('HM-615V', { memory });
  engine.newForm();
  engine.selectCombo(0, 1);
  assert.equal(engine.state().combos[1].items[engine.state().combos[1].index], '400-520MHz');
  const { outcome } = await transfer('writeRadio', radio);
  assert.deepEqual([outcome.ok, outcome.message, outcome.partlyWritten, outcome.otherModel], [false, 'Model do not match', false, true]);
  assert.deepEqual(radio.image(), memory);
});

test('a second transfer while one runs is refused at once', async () => {
  const radio = engine.createSimulatedRadio('HM-615V');
  const first = transfer('readRadio', radio);
  await assert.rejects(transfer('readRadio', radio), /already running/);
  assert.equal((await first).outcome.ok, true);
});

const verifications = [
  { fault: 'none', verified: true },
  { fault: 'store-wrong', verified: false },
];

for (const { fault, verified } of verifications) {
  test(`a write read back from a radio with ${fault} is ${verified ? 'verified' : 'shown where it differs'}`, async () => {
    const radio = engine.createSimulatedRadio('HM-615V', { memory: vhfMemory(18), fault, faultBlock: 40 });
    assert.equal(engine.openChannelFile(demoFile()).ok, true);
    const written = (await transfer('writeRadio', radio)).outcome;
    assert.equal(written.ok, true);
    const readBack = (await transfer('readRadio', radio)).outcome;
    assert.equal(readBack.ok, true);
    const text = engine.verifyText(written.image, readBack.image);
    if (verified) assert.equal(text, 'Verified.\n');
    else assert.match(text, /^Verify failed\n0x140: .+\n$/);
  });
}

test('the write preview lists what hmprog-cli diff lists from the radio to the form', () => {
  const radioMemory = cli(['resave', '-', '-'], vhfMemory(19)).stdout;
  assert.equal(engine.openChannelFile(demoFile()).ok, true);
  engine.commitCell(2, 3, '100.0');
  engine.selectCombo(2, 1);
  const preview = engine.previewWrite(radioMemory);
  const form = engine.saveChannelFile();
  const native = cli(['diff', writeScratch('radio.sin', radioMemory), writeScratch('form.sin', form)], undefined, [1]);
  assert.equal(preview, native.stdout.length ? Buffer.from(native.stdout).toString('utf8') : '');
  assert.match(preview, /\nChannel 2: .* -> Rx [0-9.]+, Tx [0-9.]+, tones 100\.0 \/ /);
  assert.equal(engine.previewWrite(form), '');
});

// A cable pulled out part way: the port's promises reject from then on.
class FailingPort extends SimulatedPort {
  constructor(radio, { readsBeforeFailure = Infinity, writesBeforeFailure = Infinity }) {
    super(radio);
    this.reads = readsBeforeFailure;
    this.writes = writesBeforeFailure;
  }
  read(...args) {
    return this.reads-- > 0 ? super.read(...args) : Promise.reject(new Error('The device has been lost.'));
  }
  write(bytes) {
    return this.writes-- > 0 ? super.write(bytes) : Promise.reject(new Error('The device has been lost.'));
  }
}

const lostPorts = [
  // Three reads identify the radio; then each block has its reply and its ACK.
  { direction: 'readRadio', failure: { readsBeforeFailure: 51 }, message: 'Not receive enough byte', partlyWritten: false },
  { direction: 'readRadio', failure: { readsBeforeFailure: 50 }, message: 'Not receive ACK signal', partlyWritten: false },
  { direction: 'writeRadio', failure: { readsBeforeFailure: 50 }, message: 'Communication error', partlyWritten: true },
  { direction: 'writeRadio', failure: { writesBeforeFailure: 9 }, message: 'Communication\nCommunication\nCommunication\nCommunication', partlyWritten: false },
];

for (const { direction, failure, message, partlyWritten } of lostPorts) {
  test(`a port lost during ${direction} after ${JSON.stringify(failure)} ends it with "${message.split('\n')[0]}"`, async () => {
    assert.equal(engine.openChannelFile(demoFile()).ok, true);
    const before = engine.state();
    const radio = engine.createSimulatedRadio('HM-615V');
    const port = new FailingPort(radio, failure);
    const outcome = await engine[direction](port, recordingHost(), new AbortController().signal);
    assert.deepEqual([outcome.ok, outcome.cancelled, outcome.message, outcome.partlyWritten],
      [false, false, message, partlyWritten]);
    assert.deepEqual(engine.state(), before);
  });
}
