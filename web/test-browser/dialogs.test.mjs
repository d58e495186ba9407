// The page's dialogs and hidden controls as a keyboard user meets them:
// only the buttons meant to be there, each named, the safe one focused.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { browserFixture, chooseFile, shownChannels } from './harness.mjs';

const browser = browserFixture();

const button = (page, name) => page.getByRole('button', { name, exact: true });
const questionOpen = (page) => page.locator('#question-dialog').evaluate((d) => d.open);

// The visible buttons of the open question, the focused one, and the
// buttons Tab reaches from there before it leaves the dialog.
async function keyboardView(page, buttonCount) {
  const dialog = page.locator('#question-dialog');
  const shown = await dialog.locator('button').evaluateAll((all) => all.filter((b) => b.checkVisibility()).map((b) => b.textContent));
  const focusedName = () => page.evaluate(() => {
    const focused = document.activeElement;
    return focused instanceof HTMLButtonElement && focused.closest('#question-dialog') ? focused.textContent : null;
  });
  const focused = await focusedName();
  const reached = [];
  // The preview's scrolling text is a stop of its own.
  for (let n = 0; n < buttonCount + 2; n++) {
    await page.keyboard.press('Tab');
    const name = await focusedName();
    if (name !== null && name !== focused && !reached.includes(name)) reached.push(name);
  }
  await page.locator(`#question-dialog button:text-is("${focused}")`).focus();
  return { shown, focused, reached };
}

async function editedDemo(page) {
  await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
  await page.getByLabel('Squelch Level').selectOption('2');
}

describe('questions and messages', () => {
  // How the dialog comes up, what it offers, and what Enter then leaves.
  const dialogs = [
    {
      name: 'a refused file',
      bringUp: (page) => chooseFile(page, 'Open Channel File', 'short.sin', new Uint8Array(10)),
      buttons: ['OK'], safe: 'OK',
    },
    {
      name: 'the unsaved-changes question',
      bringUp: async (page) => {
        await editedDemo(page);
        await button(page, 'New').click();
      },
      buttons: ['Discard', 'Cancel'], safe: 'Cancel',
    },
    {
      name: 'the write preview',
      bringUp: async (page) => {
        await button(page, 'Read').click();
        await page.locator('#transfer-dialog').waitFor({ state: 'hidden', timeout: 60_000 });
        await page.getByLabel('Squelch Level').selectOption('2');
        await button(page, 'Write').click();
      },
      buttons: ['Write', 'Cancel'], safe: 'Cancel',
    },
  ];
  for (const d of dialogs) {
    test(`${d.name} shows ${d.buttons.join(' and ')}, focuses ${d.safe}, and Enter takes it`, async () => {
      // No Web Serial: the simulated radio is the port.
      const { page, context, errors } = await browser.session.open({ serial: null });
      await d.bringUp(page);
      await page.locator('#question-dialog[open]').waitFor();
      const before = await shownChannels(page);
      const view = await keyboardView(page, d.buttons.length);
      assert.deepEqual(view, { shown: d.buttons, focused: d.safe, reached: d.buttons.filter((b) => b !== d.safe) });
      await page.keyboard.press('Enter');
      assert.equal(await questionOpen(page), false);
      assert.equal(await page.locator('#transfer-dialog').evaluate((t) => t.open), false);
      assert.deepEqual(await shownChannels(page), before);
      assert.deepEqual(errors, []);
      await context.close();
    });
  }
});

test('Choose Cable… shows only where a serial cable is the port', async () => {
  const cases = [
    { name: 'no Web Serial', serial: null, port: undefined, shown: false },
    { name: 'the simulated radio chosen', serial: undefined, port: 'sim', shown: false },
    { name: 'the serial cable chosen', serial: undefined, port: 'serial', shown: true },
  ];
  const seen = [];
  for (const c of cases) {
    const { page, context } = await browser.session.open(c.serial === null ? { serial: null } : {});
    if (c.port) await page.getByLabel('Port', { exact: true }).selectOption(c.port);
    seen.push(`${c.name}: ${(await button(page, 'Choose Cable…').isVisible()) ? 'shown' : 'hidden'}`);
    await context.close();
  }
  assert.deepEqual(seen, cases.map((c) => `${c.name}: ${c.shown ? 'shown' : 'hidden'}`));
});

test('the header\'s file name is what a screen reader hears', async () => {
  const { page, context } = await browser.session.open({ serial: null });
  await editedDemo(page);
  assert.match(await page.locator('.app-bar').ariaSnapshot(), /paragraph: demo\.sin \(changed\)/);
  await context.close();
});
