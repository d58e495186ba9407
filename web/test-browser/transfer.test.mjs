// Read and Write through the page's Web Serial code, against a fake serial
// port that carries the engine's simulated radio at 9600 baud.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { describe, test } from 'node:test';
import {
  browserFixture, chooseFile, cli, kReadLimitMs, kWriteLimitMs, savedFiles, shownChannels,
} from './harness.mjs';

const browser = browserFixture();

// Blocks of 8 bytes a write sends: 0 to 95 and 100 to 125; the rest of the
// memory is the radio's own.
const isWritten = (offset) => {
  const block = offset >> 3;
  return block < 126 && (block < 96 || block >= 100);
};

function formRows(image) {
  const path = join(browser.dir, `show-${Math.random()}.sin`);
  writeFileSync(path, image);
  return JSON.parse(cli(['show', path, '--json'])).rows.map((row) => row.slice(1));
}

// Clicks the button and waits for the transfer dialog to open and close;
// resolves with the milliseconds the transfer took, as the page measured it.
async function transfer(page, button, { before } = {}) {
  const dialog = page.locator('#transfer-dialog');
  await page.getByRole('button', { name: button, exact: true }).click();
  await before?.();
  await dialog.waitFor({ state: 'visible' });
  await dialog.waitFor({ state: 'hidden', timeout: 60_000 });
  return page.evaluate(() => Math.round(performance.getEntriesByType('measure').at(-1).duration));
}

// Where the time beyond the line's went since the last call: the fake
// port's own lateness and the page's turnarounds, in whole milliseconds (a
// write's turnarounds hold its pause of 1 ms after each block).
function takeOverheads(page) {
  return page.evaluate(() => {
    const f = window.fakeSerial;
    const total = (times) => Math.round(times.splice(0).reduce((sum, ms) => sum + ms, 0));
    return `the fake port ${total(f.handedLateMs)} ms late, the page ${total(f.answeredAfterMs)} ms from answer to next write`;
  });
}

// Marks the moments of a read as the user sees it: the click on Read, and
// the channel table redrawn (the frame after its last change).
function watchClickToTable(page) {
  return page.evaluate(() => {
    window.readSeen = { clickAt: null, tableAt: null };
    document.addEventListener('click', () => (window.readSeen.clickAt ??= performance.now()), { capture: true, once: true });
    new MutationObserver(() => requestAnimationFrame(() => (window.readSeen.tableAt = performance.now())))
      .observe(document.querySelector('#channels'), { childList: true, subtree: true, characterData: true });
  });
}

// The read from the click to the table shown, split at the first byte the
// page sent and the last the radio answered.
async function clickToTable(page) {
  await page.waitForFunction(() => window.readSeen.tableAt !== null);
  const { clickAt, tableAt, firstWriteAt, lastHandedAt, handedLateMs } = await page.evaluate(() => ({ ...window.readSeen, ...window.fakeSerial }));
  const ms = (a, b) => Math.round(b - a);
  // The fake port's timers firing late are the test's, not the page's.
  const late = handedLateMs.reduce((sum, one) => sum + one, 0);
  const ofLine = (duration) => (duration / kReadLimitMs).toFixed(3);
  return `from the click to the table ${ms(clickAt, tableAt)} ms, ${ofLine(tableAt - clickAt)} of the line's ${kReadLimitMs} ms, `
    + `${ofLine(tableAt - clickAt - late)} without the fake port's ${Math.round(late)} ms late: `
    + `${ms(clickAt, firstWriteAt)} ms to the first wake-up byte, ${ms(firstWriteAt, lastHandedAt)} ms on the line, `
    + `${ms(lastHandedAt, tableAt)} ms from the last byte to the table`;
}

const radioImage = (page) => page.evaluate(() => window.fakeSerial.radioImage());
const backupRows = (page) => page.$$eval('#backup-list tbody tr', (rows) => rows.map((r) => Array.from(r.cells, (c) => c.textContent)));

describe('reading and writing through Web Serial', () => {
  test('a read fills the form with what the radio holds and keeps it as a backup; a write sends the form', async (t) => {
    const { page, context, errors } = await browser.session.open({ serial: { granted: true, model: 'HM-615V' } });
    await watchClickToTable(page);
    const readMs = await transfer(page, 'Read');
    const readSeen = await clickToTable(page);
    const readOverheads = await takeOverheads(page);
    const opened = await page.evaluate(() => window.fakeSerial.openedWith);
    assert.deepEqual(opened, [{ baudRate: 9600, dataBits: 8, stopBits: 1, parity: 'none', flowControl: 'none' }]);
    const radioBefore = Uint8Array.from(await radioImage(page));
    assert.deepEqual(await shownChannels(page), formRows(radioBefore));
    assert.equal((await backupRows(page)).length, 1);

    // A file whose stretches the write leaves alone differ from the radio's.
    const file = Uint8Array.from(browser.demo);
    for (let offset = 0; offset < file.length; offset++) if (!isWritten(offset)) file[offset] ^= 0x5a;
    await chooseFile(page, 'Open Channel File', 'other.sin', file);
    await page.getByLabel('Squelch Level').selectOption('7');
    const writeMs = await transfer(page, 'Write', {
      before: async () => {
        const preview = page.getByRole('alertdialog');
        await preview.waitFor();
        assert.match(await preview.textContent(), /Squelch Level/);
        await preview.getByRole('button', { name: 'Write' }).click();
      },
    });
    const writeOverheads = await takeOverheads(page);
    await page.getByRole('button', { name: 'Save', exact: true }).click();
    await page.waitForFunction(() => window.savedFiles.length === 1);
    const [saved] = await savedFiles(page);
    const radioAfter = Uint8Array.from(await radioImage(page));
    const wrong = [];
    for (let offset = 0; offset < 1024; offset++) {
      const expected = isWritten(offset) ? saved.bytes[offset] : radioBefore[offset];
      if (radioAfter[offset] !== expected) wrong.push(offset.toString(16));
    }
    assert.deepEqual(wrong, []);
    assert.deepEqual(errors, []);
    t.diagnostic(`read through the fake port ${readMs} ms, ${(readMs / kReadLimitMs).toFixed(3)} of the line's ${kReadLimitMs} ms; ${readOverheads}`);
    t.diagnostic(`read ${readSeen}`);
    t.diagnostic(`write through the fake port ${writeMs} ms, ${(writeMs / kWriteLimitMs).toFixed(3)} of the line's ${kWriteLimitMs} ms; ${writeOverheads}`);
    await context.close();
  });

  test('a port not yet granted is asked for once and then remembered', async () => {
    const { page, context } = await browser.session.open({ serial: { granted: false, model: 'HM-615V' } });
    assert.equal(await page.locator('#port-name').textContent(), 'No cable chosen');
    await transfer(page, 'Read');
    await transfer(page, 'Read');
    assert.equal(await page.evaluate(() => window.fakeSerial.requestPortCalls), 1);
    assert.match(await page.locator('#port-name').textContent(), /0403:6001/);
    await context.close();
  });

  test('a cancelled read leaves the form as it was and keeps no backup', async () => {
    const { page, context } = await browser.session.open();
    await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
    await page.locator('#channels td[data-row="5"][data-col="1"]').focus();
    await page.keyboard.type('150');
    await page.keyboard.press('Enter');
    const before = await shownChannels(page);
    await page.getByRole('button', { name: 'Read', exact: true }).click();
    const discard = page.getByRole('alertdialog');
    await discard.waitFor();
    await discard.getByRole('button', { name: 'Discard' }).click();
    await page.waitForFunction(() => document.querySelector('#transfer-progress').value >= 20);
    await page.getByRole('button', { name: 'Cancel' }).click();
    await page.locator('#transfer-dialog').waitFor({ state: 'hidden' });
    assert.equal(await page.getByRole('alertdialog').count(), 0); // a Cancel says nothing
    assert.deepEqual(await shownChannels(page), before);
    assert.equal((await backupRows(page)).length, 0);
    await context.close();
  });

  test('a write that stops part way warns that the radio is partly written', async () => {
    const { page, context } = await browser.session.open({ serial: { granted: true, model: 'HM-615V', fault: 'silent-write', faultBlock: 40 } });
    await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
    await page.getByLabel('Preview Before Write').uncheck(); // nothing to compare with: it would ask first
    await page.getByRole('button', { name: 'Write', exact: true }).click();
    // The radio stops answering after block 40.
    await page.getByRole('alertdialog').waitFor({ timeout: 60_000 });
    assert.equal(
      await page.locator('#question-text').textContent(),
      'Communication error\nThe radio now holds a partly written memory: write a complete image into it before using it.',
    );
    await context.close();
  });

  test('two reads are listed as two backups, newest first, each downloadable', async () => {
    const { page, context } = await browser.session.open();
    await transfer(page, 'Read');
    await transfer(page, 'Read');
    const rows = await backupRows(page);
    assert.equal(rows.length, 2);
    for (const [date, time, model] of rows) {
      assert.match(date, /^\d{4}-\d{2}-\d{2}$/);
      assert.match(time, /^\d{2}:\d{2}:\d{2}$/);
      assert.equal(model, 'HM-615V');
    }
    assert.ok(`${rows[0][0]} ${rows[0][1]}` >= `${rows[1][0]} ${rows[1][1]}`);
    const download = page.waitForEvent('download');
    await page.getByRole('button', { name: /^Download the backup of/ }).first().click();
    const file = await download;
    assert.match(file.suggestedFilename(), /^\d{4}-\d{2}-\d{2}_\d{2}-\d{2}-\d{2}_HM-615V\.sin$/);
    assert.deepEqual(Uint8Array.from(readFileSync(await file.path())), Uint8Array.from(await radioImage(page)));

    await page.getByRole('button', { name: 'New', exact: true }).click();
    assert.deepEqual((await shownChannels(page))[0], Array(8).fill(''));
    await page.getByRole('button', { name: /^Open the backup of/ }).first().click();
    assert.deepEqual(await shownChannels(page), formRows(Uint8Array.from(await radioImage(page))));
    await context.close();
  });
});

describe('the radio\'s questions and the check after a write', () => {
  // A radio with a fault, the dialog the page shows for it and the button
  // that ends the transfer there.
  const cases = [
    { fault: 'ack-wakeup', text: 'Please select the correct software version.', buttons: ['Continue', 'Cancel'] },
    { fault: 'nak-id', text: 'Communication error, please try again.', buttons: ['Retry', 'Cancel'] },
  ];
  for (const c of cases) {
    test(`a radio with the fault ${c.fault} asks "${c.text}", and Cancel ends the read without a message`, async () => {
      const { page, context } = await browser.session.open({ serial: { granted: true, model: 'HM-615V', fault: c.fault } });
      const before = await shownChannels(page);
      await page.getByRole('button', { name: 'Read', exact: true }).click();
      const question = page.getByRole('alertdialog');
      await question.waitFor({ timeout: 60_000 });
      assert.equal(await page.locator('#question-text').textContent(), c.text);
      const buttons = await question.getByRole('button').evaluateAll((all) => all.filter((b) => !b.hidden).map((b) => b.textContent));
      assert.deepEqual(buttons, c.buttons);
      await question.getByRole('button', { name: 'Cancel' }).click();
      await page.locator('#transfer-dialog').waitFor({ state: 'hidden' });
      assert.equal(await page.locator('#question-dialog').evaluate((d) => d.open), false);
      assert.deepEqual(await shownChannels(page), before);
      await context.close();
    });
  }

  const verifyCases = [
    { fault: undefined, result: /^Verified\./ },
    { fault: 'store-wrong', result: /^Verify failed/ },
  ];
  for (const c of verifyCases) {
    test(`Verify After Write against a radio ${c.fault ? `with the fault ${c.fault}` : 'that keeps what it is sent'}`, async () => {
      const { page, context } = await browser.session.open({ serial: { granted: true, model: 'HM-615V', fault: c.fault } });
      await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
      await page.getByLabel('Squelch Level').selectOption('2');
      const before = await shownChannels(page);
      await page.getByLabel('Verify After Write').check();
      await page.getByLabel('Preview Before Write').uncheck();
      await page.getByRole('button', { name: 'Write', exact: true }).click();
      await page.waitForFunction(() => document.querySelector('#question-title').textContent === 'Verify After Write', null, { timeout: 60_000 });
      assert.match(await page.locator('#question-text').textContent(), c.result);
      assert.deepEqual(await shownChannels(page), before);
      assert.equal(await page.getByLabel('Squelch Level').inputValue(), '2');
      await context.close();
    });
  }

  // A file holding values no radio of its model can hold: opening it says so
  // with the first of them; a write asks first, with Cancel focused.
  const impossibleCases = [
    { answer: 'Enter', written: false },
    { answer: 'Write', written: true },
  ];
  for (const c of impossibleCases) {
    test(`a file of impossible values opens with a word, and ${c.answer} at the question ${c.written ? 'writes' : 'writes nothing'}`, async () => {
      const { page, context } = await browser.session.open({ serial: { granted: true, model: 'HM-615V' } });
      await page.getByLabel('Preview Before Write').uncheck();
      const odd = Uint8Array.from(browser.demo);
      odd[0x13] = 0x90; // channel 1 on 905.52500 MHz
      odd[0x3c3] = 0; // TOT 0
      await chooseFile(page, 'Open Channel File', 'odd.sin', odd);
      const question = page.getByRole('alertdialog');
      await question.waitFor();
      assert.equal(await page.locator('#question-text').textContent(), 'This file holds values that no radio of its model can hold:');
      assert.equal(await page.locator('#question-detail').textContent(),
        'Channel 1: Rx 905.52500 MHz is outside 136-174MHz\nTOT 0 is outside 1-10\n');
      await question.getByRole('button', { name: 'OK' }).click();

      await page.getByRole('button', { name: 'Write', exact: true }).click();
      await question.waitFor();
      assert.equal(await page.locator('#question-text').textContent(),
        'What would be written holds values that no radio of its model can hold:');
      assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Cancel');
      if (c.written) {
        await question.getByRole('button', { name: 'Write' }).click();
        await page.locator('#transfer-dialog').waitFor({ state: 'visible' });
        await page.locator('#transfer-dialog').waitFor({ state: 'hidden', timeout: 60_000 });
      } else {
        await page.keyboard.press('Enter');
        await question.waitFor({ state: 'hidden' });
      }
      // The port is opened only for a write.
      assert.equal((await page.evaluate(() => window.fakeSerial.openedWith)).length, c.written ? 1 : 0);
      if (c.written) assert.equal((await radioImage(page))[0x13], 0x90);
      await context.close();
    });
  }
});
