// Undo and Redo in the page, and whole channels moved, copied and pasted
// with the keyboard and the browser's clipboard.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { shownChannels, startBrowser } from './harness.mjs';

let session;
before(async () => {
  session = await startBrowser();
});
after(() => session?.close());

const cell = (page, row, col) => page.locator(`#channels td[data-row="${row}"][data-col="${col}"]`);
const channelNumber = (page, row) => page.locator(`#channels th[data-channel="${row}"]`);
const button = (page, name) => page.getByRole('button', { name, exact: true });

const empty = ['', '', '', '', '', '', '', ''];
function channel(mhz) {
  const rx = `${mhz}.00000`;
  return [rx, rx, 'Off', 'Off', 'Off', 'High', 'Wide', 'Add'];
}

// A new form with channels 1..count on 140 + n MHz, typed in.
async function typedChannels(count) {
  const opened = await session.open({ serial: null });
  const { page } = opened;
  for (let n = 1; n <= count; n++) {
    await cell(page, n, 1).click();
    await page.keyboard.type(String(140 + n));
    await page.keyboard.press('Enter');
  }
  return opened;
}

async function buttonTitles(page) {
  return page.evaluate(() => ['undo', 'redo'].map((id) => {
    const b = document.getElementById(id);
    return `${b.title}${b.disabled ? ' (off)' : ''}`;
  }));
}

describe('undo and redo', () => {
  const keys = [
    ['the buttons', async (page) => button(page, 'Undo').click(), async (page) => button(page, 'Redo').click()],
    ['Ctrl+Z and Ctrl+Y', (page) => page.keyboard.press('Control+z'), (page) => page.keyboard.press('Control+y')],
    ['Ctrl+Z and Ctrl+Shift+Z', (page) => page.keyboard.press('Control+z'), (page) => page.keyboard.press('Control+Shift+Z')],
  ];
  for (const [name, undo, redo] of keys) {
    test(`a cell edit is taken back and again with ${name}, the buttons naming it`, async () => {
      const { page, errors } = await typedChannels(2);
      const typed = await shownChannels(page);
      await cell(page, 2, 6).click();
      await page.getByLabel('Channel 2 Power').selectOption('Low');
      await page.keyboard.press('Enter');
      assert.deepEqual(await buttonTitles(page), ['Undo Channel 2 Power', 'Redo (off)']);
      const edited = await shownChannels(page);
      assert.equal(edited[1][5], 'Low');

      await undo(page);
      assert.deepEqual(await shownChannels(page), typed);
      assert.deepEqual(await buttonTitles(page), ['Undo Channel 2 Rx Freq', 'Redo Channel 2 Power']);
      await redo(page);
      assert.deepEqual(await shownChannels(page), edited);
      assert.deepEqual(errors, []);
    });
  }

  test('a model switch taken back brings the channels back', async () => {
    const { page, errors } = await typedChannels(3);
    await page.getByLabel('Model', { exact: true }).selectOption('HM-615U');
    assert.deepEqual((await shownChannels(page)).slice(0, 3), [empty, empty, empty]);
    assert.deepEqual(await buttonTitles(page), ['Undo Model Change', 'Redo (off)']);
    await button(page, 'Undo').click();
    assert.deepEqual((await shownChannels(page)).slice(0, 3), [channel(141), channel(142), channel(143)]);
    assert.equal(await page.getByLabel('Model', { exact: true }).inputValue(), 'HM-615V');
    assert.deepEqual(errors, []);
  });

  test('Ctrl+Z in an open cell editor is the editor\'s own, not the form\'s', async () => {
    const { page } = await typedChannels(1);
    await cell(page, 2, 1).click();
    await page.keyboard.type('150');
    await page.keyboard.press('Control+z');
    await page.keyboard.press('Escape');
    assert.deepEqual((await shownChannels(page)).slice(0, 2), [channel(141), empty]);
    assert.deepEqual(await buttonTitles(page), ['Undo Channel 1 Rx Freq', 'Redo (off)']);
  });

  test('leaving the page asks first while the form is changed, and not once it is taken back', async () => {
    const { page } = await typedChannels(1);
    const leaveAsks = () => page.evaluate(() => !window.dispatchEvent(new Event('beforeunload', { cancelable: true })));
    assert.equal(await leaveAsks(), true);
    await button(page, 'Undo').click();
    assert.equal(await leaveAsks(), false);
  });
});

describe('whole channels', () => {
  test('channels selected by Shift+click on their numbers move with Alt+arrows and the buttons', async () => {
    const { page, errors } = await typedChannels(4);
    await channelNumber(page, 2).click();
    await channelNumber(page, 3).click({ modifiers: ['Shift'] });
    await page.keyboard.press('Alt+ArrowDown');
    assert.deepEqual((await shownChannels(page)).slice(0, 4), [channel(141), channel(144), channel(142), channel(143)]);
    await button(page, 'Move Up').click();
    await button(page, 'Move Up').click();
    assert.deepEqual((await shownChannels(page)).slice(0, 4), [channel(142), channel(143), channel(141), channel(144)]);
    assert.deepEqual(await buttonTitles(page), ['Undo Move', 'Redo (off)']);
    // One move taken back: the channels as the first Move Up left them.
    await page.keyboard.press('Control+z');
    assert.deepEqual((await shownChannels(page)).slice(0, 4), [channel(141), channel(142), channel(143), channel(144)]);
    assert.deepEqual(errors, []);
  });

  // The browser's clipboard, written and read the way a spreadsheet would.
  async function clipboardPage(count) {
    const opened = await typedChannels(count);
    await opened.context.grantPermissions(['clipboard-read', 'clipboard-write']);
    return opened;
  }
  const clipboardText = (page) => page.evaluate(() => navigator.clipboard.readText());
  const setClipboard = (page, text) => page.evaluate((t) => navigator.clipboard.writeText(t), text);

  test('channels selected with Shift+Down copy as tab-separated lines', async () => {
    const { page } = await clipboardPage(3);
    await cell(page, 2, 3).focus();
    await page.keyboard.press('Shift+ArrowDown');
    await page.keyboard.press('Control+c');
    assert.equal(await clipboardText(page), `${channel(142).join('\t')}\n${channel(143).join('\t')}\n`);
  });

  test('cut channels leave the table and paste back elsewhere, one step each', async () => {
    const { page } = await clipboardPage(3);
    await channelNumber(page, 1).click();
    await channelNumber(page, 2).click({ modifiers: ['Shift'] });
    await page.keyboard.press('Control+x');
    assert.deepEqual((await shownChannels(page)).slice(0, 3), [channel(143), empty, empty]);
    await cell(page, 3, 1).focus();
    await page.keyboard.press('Control+v');
    assert.deepEqual((await shownChannels(page)).slice(0, 4), [channel(143), empty, channel(141), channel(142)]);
    assert.equal(await page.locator('#cell-message').textContent(), '2 channels pasted.');
    assert.deepEqual(await buttonTitles(page), ['Undo Paste', 'Redo (off)']);
  });

  test('spreadsheet text with a heading, CRLF and a value out of the band pastes with a report', async () => {
    const { page, errors } = await clipboardPage(0);
    await setClipboard(page, 'CH\tRx Freq\tTx Freq\tRx Tone\r\n1\t146.52\t147\t67.0\r\n2\t200\r\n3\tnone\r\n');
    await cell(page, 5, 2).focus();
    await page.keyboard.press('Control+v');
    assert.deepEqual((await shownChannels(page)).slice(4, 8), [
      ['146.52000', '147.00000', '67.0', 'Off', 'Off', 'High', 'Wide', 'Add'],
      channel(174),
      empty,
      empty,
    ]);
    assert.equal(await page.locator('#cell-message').textContent(),
      '2 channels pasted. Channel 6 Rx Freq: 200 typed, 174.00000 stored. '
      + 'Not pasted, a value this radio cannot hold: channel 7.');
    assert.deepEqual(errors, []);
  });
});
