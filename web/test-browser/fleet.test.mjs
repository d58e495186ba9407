// Program Several Radios: the form written into the radio behind each of
// several fake cables, one after another, with the log as the core writes it.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { describe, test } from 'node:test';
import { browserFixture, chooseFile, kByteCount } from './harness.mjs';

const browser = browserFixture();
const kFtdi = 'FTDI (USB 0403:6001)';

// Blocks of 8 bytes a write sends: 0 to 95 and 100 to 125.
const isWritten = (offset) => {
  const block = offset >> 3;
  return block < 126 && (block < 96 || block >= 100);
};
const writtenPart = (image) => Array.from(image).filter((_, offset) => isWritten(offset));

const shownRows = (page) => page.$$eval('#fleet-dialog tbody tr',
  (rows) => rows.map((row) => Array.from(row.cells, (cell) => cell.textContent)));

async function runFleet(page) {
  await page.getByRole('button', { name: 'Start', exact: true }).click();
  await page.getByRole('button', { name: 'Cancel All' }).waitFor({ state: 'attached' });
  await page.waitForFunction(() => !document.querySelector('#fleet-start').disabled && document.querySelector('#fleet-cancel-all').disabled,
    null, { timeout: 60_000 });
}

async function downloadedLog(page) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name: 'Download Log' }).click()]);
  const [header, ...rows] = readFileSync(await download.path(), 'utf8').trimEnd().split('\n').map((line) => line.split(','));
  // A row is appended as its radio ends: in port order for the comparison.
  return [header, ...rows.sort((a, b) => a[3].localeCompare(b[3]))];
}

describe('programming several radios from the page', () => {
  test('every radio of the file\'s model is written and verified; the one of the other model is never written', async () => {
    const radios = [{ model: 'HM-615V' }, { model: 'HM-615U' }, { model: 'HM-615V' }];
    const { page, errors } = await browser.session.open({ serial: { granted: true, model: 'HM-615V', radios } });
    await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
    await page.getByRole('button', { name: 'Program Several Radios' }).click();
    await page.locator('#fleet-dialog').waitFor({ state: 'visible' });
    assert.deepEqual((await shownRows(page)).map((row) => row[0]), [`Port 1: ${kFtdi}`, `Port 2: ${kFtdi}`, `Port 3: ${kFtdi}`]);

    const started = performance.now();
    await runFleet(page);
    const wholeRun = (performance.now() - started) / 1000;

    const rows = await shownRows(page);
    // Each cable has its own engine: the radios are written side by side, not in turn.
    const eachRadio = rows.map((row) => Number(row[5]));
    assert.ok(wholeRun < 0.75 * (eachRadio[0] + eachRadio[2]), `the run took ${wholeRun.toFixed(1)} s, its radios ${eachRadio.join(' s, ')} s`);
    assert.deepEqual(rows.map((row) => [row[1], row[2], row[4]]), [
      ['HM-615V', 'Done', 'written, verified'], ['', 'Done', 'other model'], ['HM-615V', 'Done', 'written, verified'],
    ]);
    // The form is what is written: the file as the page saves it.
    const saved = await page.evaluate(() => Array.from(window.hmprogEngine.saveChannelFile()));
    assert.equal(saved.length, kByteCount);
    const images = await page.evaluate(() => window.fakeSerial.radioImages());
    const untouchedU = await page.evaluate(() => Array.from(window.hmprogEngine.createSimulatedRadio('HM-615U').image()));
    assert.deepEqual(writtenPart(images[0]), writtenPart(saved));
    assert.deepEqual(writtenPart(images[2]), writtenPart(saved));
    assert.deepEqual(images[1], untouchedU, 'the radio of the other model keeps its memory');

    const [header, ...lines] = await downloadedLog(page);
    assert.deepEqual(header, ['time', 'file', 'sha256', 'port', 'cable_serial', 'radio', 'result', 'verified', 'radio_data', 'backup', 'seconds']);
    const sha = createHash('sha256').update(Uint8Array.from(saved)).digest('hex');
    assert.deepEqual(lines.map((line) => line.slice(1, 10)), [
      ['demo.sin', sha, `Port 1: ${kFtdi}`, '', 'HM-615V', 'written', 'yes', 'replaced', ''],
      ['demo.sin', sha, `Port 2: ${kFtdi}`, '', '', 'other model', '', 'replaced', ''],
      ['demo.sin', sha, `Port 3: ${kFtdi}`, '', 'HM-615V', 'written', 'yes', 'replaced', ''],
    ]);
    assert.deepEqual(errors, []);
  });

  test('cables are added through the browser\'s chooser; a radio cancelled before its turn is not written', async () => {
    const radios = [{ model: 'HM-615V' }, { model: 'HM-615V' }];
    const { page, errors } = await browser.session.open({ serial: { granted: false, model: 'HM-615V', radios } });
    await page.getByRole('button', { name: 'Program Several Radios' }).click();
    assert.equal((await shownRows(page)).length, 0);
    assert.equal(await page.getByRole('button', { name: 'Start', exact: true }).isDisabled(), true);
    for (const count of [1, 2]) {
      await page.getByRole('button', { name: 'Add Cable…' }).click();
      await page.waitForFunction((n) => document.querySelectorAll('#fleet-dialog tbody tr').length === n, count);
    }
    await page.getByRole('button', { name: `Cancel Port 2: ${kFtdi}` }).click();
    await page.getByLabel('Verify Each Radio').uncheck();

    await runFleet(page);

    assert.deepEqual((await shownRows(page)).map((row) => row[4]), ['written', 'cancelled']);
    const images = await page.evaluate(() => window.fakeSerial.radioImages());
    assert.equal(images[1], null, 'the second cable was never opened');
    const [, ...lines] = await downloadedLog(page);
    assert.deepEqual(lines.map((line) => [line[3], line[6], line[7]]), [[`Port 1: ${kFtdi}`, 'written', ''], [`Port 2: ${kFtdi}`, 'cancelled', '']]);
    assert.deepEqual(errors, []);
  });

  test('Cancel All stops every radio being written and says which now hold a partly written memory', async () => {
    const radios = [{ model: 'HM-615V' }, { model: 'HM-615V' }];
    const { page, errors } = await browser.session.open({ serial: { granted: true, model: 'HM-615V', radios } });
    await page.getByRole('button', { name: 'Program Several Radios' }).click();
    await page.getByRole('button', { name: 'Start', exact: true }).click();
    await page.waitForFunction(() => [...document.querySelectorAll('#fleet-dialog progress')].every((bar) => bar.value >= 20));
    await page.getByRole('button', { name: 'Cancel All' }).click();
    await page.waitForFunction(() => !document.querySelector('#fleet-start').disabled, null, { timeout: 30_000 });

    const rows = await page.$$eval('#fleet-dialog tbody tr', (trs) => trs.map((tr) => [tr.cells[4].textContent, tr.cells[4].title]));
    for (const [result, tip] of rows) {
      assert.equal(result, 'cancelled');
      assert.match(tip, /partly written/);
    }
    assert.deepEqual(errors, []);
  });
});
