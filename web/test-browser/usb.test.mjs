// Read and Write through the page's own USB cable drivers, against a fake
// navigator.usb whose chip answers the control requests as its data sheet
// describes, refuses any other, and carries the simulated radio at 9600 baud
// only when the driver has set the chip up for that line.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, describe, test } from 'node:test';
import { kReadLimitMs, kWriteLimitMs, savedFiles, startBrowser } from './harness.mjs';

let session;
before(async () => {
  session = await startBrowser();
});
after(() => session?.close());

const kChips = ['ftdi', 'pl2303hx', 'pl2303hxn', 'ch340', 'cp210x'];

// How far past the line's own time the cable may take a transfer. An FTDI
// chip asked for data early sends a part-filled packet each time its latency
// timer runs out, 1 ms at the least: up to 1 ms on each of the radio's two
// answers a block, 5 % and more of a read, unless the driver asks only once
// an answer can be there.
const kCableBound = 1.05;

// Blocks of 8 bytes a write sends: 0 to 95 and 100 to 125.
const isWritten = (offset) => {
  const block = offset >> 3;
  return block < 126 && (block < 96 || block >= 100);
};

// Clicks the button and waits for the transfer; resolves with the
// milliseconds it took as the page measured them, how long the chip held the
// radio's answers back by its own rules while the driver asked for them, and how
// much later than that the fake's timers handed them on (a busy machine's
// doing, not the driver's).
async function transfer(page, button, { before: during } = {}) {
  const dialog = page.locator('#transfer-dialog');
  await page.getByRole('button', { name: button, exact: true }).click();
  await during?.();
  await dialog.waitFor({ state: 'visible' });
  await dialog.waitFor({ state: 'hidden', timeout: 60_000 });
  return page.evaluate(() => ({
    ms: Math.round(performance.getEntriesByType('measure').at(-1).duration),
    fakeLateMs: Math.round(window.fakeUsb.handedLateMs.splice(0).reduce((sum, ms) => sum + ms, 0)),
    chipHeldMs: Math.round(window.fakeUsb.chipHeldMs.splice(0).reduce((sum, ms) => sum + ms, 0)),
  }));
}

// A write pauses 1 ms after each of its 122 blocks, as the radio's protocol
// asks: time no port can take back.
const kWritePausesMs = 122;

// To the line's own time: the cable's (the line's and what the chip held
// back), the transfer's as measured, and the same less the fake's lateness
// and the protocol's pauses. Of three runs the fastest, since a busy machine
// only ever adds time.
function ratios(runs, limitMs, pausesMs = 0) {
  const { ms, fakeLateMs, chipHeldMs } = runs.reduce((a, b) => (a.ms - a.fakeLateMs + a.chipHeldMs <= b.ms - b.fakeLateMs + b.chipHeldMs ? a : b));
  return { cable: (limitMs + chipHeldMs) / limitMs, raw: ms / limitMs, net: (ms - fakeLateMs - pausesMs) / limitMs };
}

const radioImage = async (page) => Uint8Array.from(await page.evaluate(() => window.fakeUsb.radioImage()));

// What the read gave, byte for byte: its backup, downloaded.
async function backupOfRead(page) {
  const download = page.waitForEvent('download');
  await page.getByRole('button', { name: /^Download the backup/ }).first().click();
  return Uint8Array.from(readFileSync(await (await download).path()));
}

async function save(page, count) {
  await page.getByRole('button', { name: 'Save', exact: true }).click();
  await page.waitForFunction((n) => window.savedFiles.length === n, count);
  return (await savedFiles(page)).at(-1).bytes;
}

// The chips run side by side: a transfer waits on the line far more than it
// computes, and the bounds below hold the fake's own lateness out.
describe('reading and writing through a USB cable', { concurrency: kChips.length }, () => {
  // Without Web Serial the page takes the USB cable by itself (Chrome on
  // Android); with it, the person picks "USB cable (direct)".
  for (const chip of kChips) {
    const withSerial = chip === 'cp210x';
    test(`${chip}: a read and a write byte for byte, the cable within 1.05 of the line's time${withSerial ? ', picked beside Web Serial' : ''}`, async (t) => {
      const usb = { chip, model: 'HM-615V' };
      const { page, context, errors } = await session.open({ serial: withSerial ? { granted: true, model: 'HM-615V' } : null, usb });
      const port = page.getByLabel('Port', { exact: true });
      if (withSerial) await port.selectOption('usb');
      assert.equal(await port.inputValue(), 'usb');

      const readOnce = () => transfer(page, 'Read');
      const read = ratios([await readOnce(), await readOnce(), await readOnce()], kReadLimitMs);
      assert.match(await page.locator('#port-name').textContent(), /Cable chosen: [^(]+\(USB [0-9a-f]{4}:[0-9a-f]{4}\)/);
      const before = await backupOfRead(page);
      assert.deepEqual(before, await radioImage(page));

      await page.getByLabel('Squelch Level').selectOption('7');
      const writeOnce = () => transfer(page, 'Write', {
        before: () => page.getByRole('alertdialog').getByRole('button', { name: 'Write' }).click(),
      });
      const write = ratios([await writeOnce(), await writeOnce(), await writeOnce()], kWriteLimitMs, kWritePausesMs);
      const form = await save(page, 1);
      const after = await radioImage(page);
      const wrong = [];
      for (let offset = 0; offset < 1024; offset++) {
        if (after[offset] !== (isWritten(offset) ? form[offset] : before[offset])) wrong.push(offset.toString(16));
      }
      assert.deepEqual(wrong, []);
      assert.notDeepEqual(after, before, 'the write changed the radio');

      const fake = await page.evaluate(({ requests, requestsWhileCarrying, requestDeviceCalls } = window.fakeUsb) => ({ requests, requestsWhileCarrying, requestDeviceCalls }));
      assert.deepEqual(fake.requests.filter((r) => r.endsWith('stalled')), []);
      assert.equal(fake.requestsWhileCarrying, 0, 'no control request holds up a transfer');
      assert.equal(fake.requestDeviceCalls, 1, 'the chosen cable is remembered for the later transfers');
      assert.deepEqual(errors, []);
      const shown = (r) => `cable ${r.cable.toFixed(3)}, measured ${r.raw.toFixed(3)} (${r.net.toFixed(3)} less the fake's lateness${r === write ? ' and the pauses' : ''})`;
      t.diagnostic(`${chip}: read ${shown(read)} of the line's ${kReadLimitMs} ms; write ${shown(write)} of its ${kWriteLimitMs} ms`);
      assert.ok(read.cable <= kCableBound && write.cable <= kCableBound, 'the cable within its bound of the line\'s time');
      // The page's own turnarounds, with room for a busy machine.
      assert.ok(read.net <= 1.25 && write.net <= 1.25, 'the transfer within 1.25 of the line\'s time');
      await context.close();
    });
  }
});

test('a USB chooser closed without a cable starts no transfer and shows no error', async () => {
  const { page, context, errors } = await session.open({ serial: null, usb: { chip: 'ch340', model: 'HM-615V', chooserClosed: true } });
  await page.getByRole('button', { name: 'Read', exact: true }).click();
  await page.waitForFunction(() => window.fakeUsb.requestDeviceCalls === 1);
  await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 200)));
  assert.equal(await page.locator('#transfer-dialog').isVisible(), false);
  assert.equal(await page.getByRole('alertdialog').count(), 0);
  assert.equal(await page.locator('#port-name').textContent(), 'No cable chosen');
  assert.deepEqual(errors, []);
  await context.close();
});

test('a USB cable pulled out during a read ends it at once with a message, and is no longer the chosen cable', async () => {
  const { page, context, errors } = await session.open({ serial: null, usb: { chip: 'ftdi', model: 'HM-615V' } });
  await page.getByRole('button', { name: 'Read', exact: true }).click();
  await page.waitForFunction(() => document.querySelector('#transfer-progress').value >= 20);
  const pulledAt = Date.now();
  await page.evaluate(() => window.fakeUsb.unplug());
  await page.getByRole('alertdialog').waitFor();
  // Not at the end of the read's deadline, which is seconds away.
  assert.ok(Date.now() - pulledAt < 2000, `the message came ${Date.now() - pulledAt} ms after`);
  assert.equal(await page.locator('#transfer-dialog').isVisible(), false);
  assert.equal(await page.locator('#backup-list tbody tr').count(), 0);
  assert.equal(await page.locator('#port-name').textContent(), 'No cable chosen');
  assert.deepEqual(errors, []);
  await context.close();
});

describe('a chip not set up for the radio\'s line', () => {
  // What reaches the radio of 8 bytes sent: setUp 'driver' opens the chip
  // through its driver on the line given, 'nothing' only claims the cable.
  // Each case has a chip of its own, as the last program left it.
  const cases = [
    { name: 'the driver on 9600 8N1 reaches the radio', setUp: 'driver', line: {}, heard: 8 },
    { name: 'a cable sent nothing to is not on the line', setUp: 'nothing', heard: 0 },
    { name: 'a divisor 8 % off is not on the line', setUp: 'driver', line: { baudRate: 10400 }, heard: 0 },
    { name: '7 data bits with even parity are not on the line', setUp: 'driver', line: { dataBits: 7, parity: 'even' }, heard: 0 },
    { name: 'a request the chip does not know is refused', setUp: 'unknown request', heard: 0 },
  ];
  for (const chip of [...kChips, 'pl2303hxn2303']) {
    test(chip, async () => {
      for (const c of cases) {
        const { page, context } = await session.open({ serial: null, usb: { chip, model: 'HM-615V' } });
        const got = await page.evaluate(async ({ setUp, line }) => {
          const { openUsbLink, UsbCable, kRadioLine } = window.usbDrivers;
          const f = window.fakeUsb;
          const device = await navigator.usb.requestDevice({ filters: [{ vendorId: f.device.vendorId, productId: f.device.productId }] });
          const [heardBefore, bytes] = [f.heardBytes, Uint8Array.of(1, 2, 3, 4, 5, 6, 7, 8)];
          let refused = '';
          if (setUp === 'driver') {
            const link = await openUsbLink(device, { ...kRadioLine, ...line });
            await link.write(bytes);
            await link.close();
          } else {
            const cable = await UsbCable.open(device);
            if (setUp === 'nothing') await cable.send(bytes);
            else refused = await cable.controlOut('vendor', 'device', 0x77, 0, 0).then(() => '', (e) => e.message);
            await cable.close();
          }
          return { heard: f.heardBytes - heardBefore, refused };
        }, c);
        assert.equal(got.heard, c.heard, c.name);
        if (c.setUp === 'unknown request') assert.match(got.refused, /refused vendor request 0x77.*stall/, c.name);
        await context.close();
      }
    });
  }
});

// The radio's 8-byte identification reply, asked for as a transfer asks:
// each chip hands it on whole (an FTDI chip asked for data while the reply
// is still coming sends it a byte or two at a time, each packet restarting
// its latency timer).
describe('the radio\'s reply comes whole', () => {
  for (const chip of kChips) {
    test(chip, async () => {
      const { page, context } = await session.open({ serial: null, usb: { chip, model: 'HM-615V' } });
      const got = await page.evaluate(async () => {
        const { openUsbLink, kRadioLine } = window.usbDrivers;
        const f = window.fakeUsb;
        const device = await navigator.usb.requestDevice({ filters: [{ vendorId: f.device.vendorId, productId: f.device.productId }] });
        const link = await openUsbLink(device, kRadioLine);
        for (const byte of [0x02, 0x50, 0x52, 0x4f, 0x47, 0x52, 0x41]) await link.write(Uint8Array.of(byte));
        const wakeUp = await link.read(1, 1000);
        const before = f.radioPackets;
        for (const byte of [0x4d, 0x02]) await link.write(Uint8Array.of(byte));
        const reply = await link.read(8, 1000);
        const packets = f.radioPackets - before;
        await link.close();
        return { wakeUp: wakeUp.length, reply: reply.length, packets };
      });
      assert.deepEqual([got.wakeUp, got.reply], [1, 8]);
      assert.ok(got.packets <= 2, `the reply came in ${got.packets} packets`);
      await context.close();
    });
  }
});
