// What a write leaves of the form's state, and the preview on a first write
// with nothing to compare the form with, against the fake serial port.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { browserFixture, chooseFile, shownChannels } from './harness.mjs';

const browser = browserFixture();

const button = (scope, name) => scope.getByRole('button', { name, exact: true });
const radioImage = async (page) => Uint8Array.from((await page.evaluate(() => window.fakeSerial.radioImage())) ?? []);
const backupCount = (page) => page.locator('#backup-list tbody tr').count();
const question = (page) => page.locator('#question-dialog[open]');

// The saved mark, the history and the warning on leaving, as a person meets them.
async function formState(page) {
  return {
    header: await page.locator('#file-name').textContent(),
    undo: await page.locator('#undo').evaluate((b) => `${b.title}${b.disabled ? ' (off)' : ''}`),
    warnsOnLeaving: await page.evaluate(() => !window.dispatchEvent(new Event('beforeunload', { cancelable: true }))),
  };
}

async function openEdited(page) {
  await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
  await page.getByLabel('Squelch Level').selectOption('2');
}

async function waitForTransfer(page) {
  await page.locator('#transfer-dialog').waitFor({ state: 'visible' });
  await page.locator('#transfer-dialog').waitFor({ state: 'hidden', timeout: 60_000 });
}

describe('a write keeps the form\'s saved mark and history', () => {
  for (const verify of [false, true]) {
    test(`a write ${verify ? 'with' : 'without'} Verify After Write leaves the form changed and its Undo`, async () => {
      const { page, context, errors } = await browser.session.open();
      await openEdited(page);
      const before = await formState(page);
      assert.deepEqual(before, { header: 'demo.sin (changed)', undo: 'Undo Squelch Level', warnsOnLeaving: true });
      await page.getByLabel('Verify After Write').setChecked(verify);
      await page.getByLabel('Preview Before Write').uncheck();
      await button(page, 'Write').click();
      await waitForTransfer(page);
      if (verify) {
        await question(page).waitFor({ timeout: 60_000 });
        assert.match(await page.locator('#question-text').textContent(), /^Verified\./);
        await button(page, 'OK').click();
      }
      assert.deepEqual(await formState(page), before);
      assert.deepEqual(errors, []);
      await context.close();
    });
  }
});

describe('Preview Before Write with nothing to compare with', () => {
  // The answer to the question, and what the radio, the backups and the form then hold.
  const cases = [
    { answer: 'Read First', readsFirst: true, written: true },
    { answer: 'Write Without Preview', readsFirst: false, written: true },
    { answer: 'Cancel', readsFirst: false, written: false },
    { answer: 'Enter', readsFirst: false, written: false }, // the focused button is Cancel
  ];
  for (const c of cases) {
    test(`a first write asks, and ${c.answer} ${c.written ? 'writes' : 'writes nothing'}`, async () => {
      const { page, context, errors } = await browser.session.open();
      await openEdited(page);
      const form = await shownChannels(page);
      await button(page, 'Write').click();
      await question(page).waitFor();
      assert.match(await page.locator('#question-text').textContent(), /^Nothing to compare the write with: .*no backup of a HM-615V\./);
      assert.deepEqual(await question(page).getByRole('button').allTextContents(), ['Read First', 'Write Without Preview', 'Cancel']);
      if (c.answer === 'Enter') await page.keyboard.press('Enter');
      else await button(question(page), c.answer).click();
      if (c.readsFirst) {
        await waitForTransfer(page);
        await question(page).waitFor();
        assert.equal(await page.locator('#question-title').textContent(), 'Write Preview');
        assert.match(await page.locator('#question-detail').textContent(), /Squelch Level/);
        assert.deepEqual(await shownChannels(page), form); // the read went aside, not into the form
        await button(question(page), 'Write').click();
      }
      if (c.written) await waitForTransfer(page);
      // The simulated radio starts with the demonstration memory, which the edit differs from.
      const radio = await radioImage(page);
      assert.equal(radio.length === 1024 && !Buffer.from(radio).equals(browser.demo), c.written);
      assert.equal(await backupCount(page), c.readsFirst ? 1 : 0);
      assert.deepEqual(await shownChannels(page), form);
      assert.equal((await formState(page)).header, 'demo.sin (changed)');
      assert.equal(await question(page).count(), 0);
      assert.deepEqual(errors, []);
      await context.close();
    });
  }
});
