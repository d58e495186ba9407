// The form in the page: opening, editing by keyboard, saving, against the
// native hmprog-cli's view of the same files.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { describe, test } from 'node:test';
import { browserFixture, chooseFile, cli, savedFiles, shownChannels } from './harness.mjs';

const browser = browserFixture();

async function openDemo(options) {
  const opened = await browser.session.open(options);
  await chooseFile(opened.page, 'Open Channel File', 'demo.sin', browser.demo);
  await opened.page.getByRole('gridcell').first().waitFor();
  return opened;
}

const cell = (page, row, col) => page.locator(`#channels td[data-row="${row}"][data-col="${col}"]`);

describe('editing and saving', () => {
  test('a frequency, a tone and a setting edited by keyboard save as hmprog-cli sees those edits', async () => {
    const { page, errors } = await openDemo();
    await cell(page, 1, 1).click();
    await page.keyboard.type('146.0125');
    await page.keyboard.press('Enter'); // stores it and moves to Tx Freq
    await page.keyboard.press('ArrowRight');
    await page.keyboard.type('88.5');
    await page.keyboard.press('Enter');
    await page.getByLabel('Squelch Level').selectOption('3');
    await page.getByRole('button', { name: 'Save', exact: true }).click();
    await page.waitForFunction(() => window.savedFiles.length === 1);
    const [saved] = await savedFiles(page);
    assert.equal(saved.bytes.length, 1024);

    const savedPath = join(browser.dir, 'edited.sin');
    writeFileSync(savedPath, saved.bytes);
    // What opening and saving the file gives without edits, and then every
    // difference from it, the radio's data outside the form included.
    cli(['resave', join(browser.dir, 'demo.sin'), join(browser.dir, 'demo-resaved.sin')]);
    const diff = cli(['diff', join(browser.dir, 'demo-resaved.sin'), savedPath], { allowStatus: [1] });
    assert.deepEqual(diff.trim().split('\n'), [
      '2 changes',
      'Squelch Level: 5 -> 3',
      'Channel 1: Rx 145.52500, Tx 145.52500, tones 67.0 / D023N, Busy Off, High, Wide, Scan Add' +
        ' -> Rx 146.01250, Tx 145.52500, tones 88.5 / D023N, Busy Off, High, Wide, Scan Add',
    ]);
    // Opening and saving the file again changes nothing.
    cli(['resave', savedPath, join(browser.dir, 'resaved.sin')]);
    assert.deepEqual(readFileSync(join(browser.dir, 'resaved.sin')), Buffer.from(saved.bytes));
    assert.deepEqual(errors, []);
  });

  const kNamedKeys = new Set(['Enter', 'Escape', 'Backspace', 'Tab', 'ArrowRight', 'ArrowLeft', 'ArrowUp', 'ArrowDown', 'Home', 'End']);
  // Each case starts on a cell, types keys, and expects one channel row and
  // the cell that has the focus afterwards.
  const keyboardCases = [
    { name: 'Escape leaves the cell as it was', at: [2, 1], keys: ['Enter', '150', 'Escape'],
      row: 2, cells: ['146.52000', '146.52000', 'Off', 'Off', 'Off', 'High', 'Wide', 'Add'], focus: [2, 1] },
    { name: 'a digit in any cell of an unused channel begins its receive frequency', at: [6, 5], keys: ['1', '46.52', 'Enter'],
      row: 6, cells: ['146.52000', '146.52000', 'Off', 'Off', 'Off', 'High', 'Wide', 'Add'], focus: [6, 2] },
    { name: 'a frequency below the band is raised to its edge', at: [2, 2], keys: ['100', 'Enter'],
      row: 2, cells: ['146.52000', '136.00000', 'Off', 'Off', 'Off', 'High', 'Wide', 'Add'], focus: [2, 3], message: true },
    { name: 'a frequency between channels is lowered onto the raster', at: [2, 1], keys: ['145.013', 'Enter'],
      row: 2, cells: ['145.01250', '146.52000', 'Off', 'Off', 'Off', 'High', 'Wide', 'Add'], focus: [2, 2], message: true },
    { name: 'an emptied receive frequency removes the channel and moves down', at: [3, 1], keys: ['Enter', 'Backspace', 'Enter'],
      row: 3, cells: ['', '', '', '', '', '', '', ''], focus: [4, 1] },
    { name: 'Right from Scan goes on to the next channel', at: [1, 8], keys: ['ArrowRight'],
      row: 1, cells: ['145.52500', '145.52500', '67.0', 'D023N', 'Off', 'High', 'Wide', 'Add'], focus: [2, 1] },
    { name: 'an option is chosen by its first letter', at: [1, 6], keys: ['l', 'Enter'],
      row: 1, cells: ['145.52500', '145.52500', '67.0', 'D023N', 'Off', 'Low', 'Wide', 'Add'], focus: [1, 7] },
    { name: 'a tone typed in lower case is stored in upper case', at: [2, 3], keys: ['d023n', 'Enter'],
      row: 2, cells: ['146.52000', '146.52000', 'D023N', 'Off', 'Off', 'High', 'Wide', 'Add'], focus: [2, 4] },
    { name: 'a tone the radio cannot hold is refused', at: [2, 4], keys: ['D088N', 'Enter'],
      row: 2, cells: ['146.52000', '146.52000', 'Off', 'Off', 'Off', 'High', 'Wide', 'Add'], focus: [2, 5] },
  ];
  for (const c of keyboardCases) {
    test(`keyboard: ${c.name}`, async () => {
      const { page, context } = await openDemo();
      await cell(page, c.at[0], c.at[1]).focus();
      for (const key of c.keys) {
        if (kNamedKeys.has(key)) await page.keyboard.press(key);
        else await page.keyboard.type(key);
      }
      assert.deepEqual((await shownChannels(page))[c.row - 1], c.cells);
      const focus = await page.evaluate(() => [Number(document.activeElement.dataset.row), Number(document.activeElement.dataset.col)]);
      assert.deepEqual(focus, c.focus);
      if (c.message !== undefined) assert.notEqual(await page.locator('#cell-message').textContent(), '');
      await context.close();
    });
  }

  test('Add, Delete and Clear act on the current channel', async () => {
    const { page, context } = await openDemo();
    const before = await shownChannels(page);
    await cell(page, 2, 3).focus();
    await page.getByRole('button', { name: 'Add', exact: true }).click();
    let shown = await shownChannels(page);
    assert.deepEqual(shown[1], Array(8).fill(''));
    assert.deepEqual(shown.slice(2, 5), before.slice(1, 4));
    await page.getByRole('button', { name: 'Delete', exact: true }).click();
    assert.deepEqual(await shownChannels(page), before);
    await page.getByRole('button', { name: 'Clear', exact: true }).click();
    shown = await shownChannels(page);
    assert.deepEqual(shown[1], Array(8).fill(''));
    assert.deepEqual(shown[2], before[2]);
    await context.close();
  });

  test('a file that is not a channel file is refused and the form kept', async () => {
    const { page, context } = await openDemo();
    const before = await shownChannels(page);
    await chooseFile(page, 'Open Channel File', 'short.sin', browser.demo.subarray(0, 1000));
    const dialog = page.getByRole('alertdialog');
    await dialog.waitFor();
    assert.notEqual((await dialog.textContent()).trim(), '');
    await dialog.getByRole('button', { name: 'OK' }).click();
    assert.deepEqual(await shownChannels(page), before);
    await context.close();
  });
});

describe('without Web Serial', () => {
  test('the page says which browsers have it and still opens and saves files', async () => {
    const { page, context, errors } = await openDemo({ serial: null, savePicker: false });
    const notice = page.locator('#no-serial');
    assert.equal(await notice.isVisible(), true);
    assert.match(await notice.textContent(), /neither Web Serial nor WebUSB.*Chrome, Edge or Opera, in Firefox from version 151/s);
    assert.equal(await page.getByLabel('Port', { exact: true }).inputValue(), 'sim');
    const download = page.waitForEvent('download');
    await page.getByRole('button', { name: 'Save', exact: true }).click();
    const path = await (await download).path();
    cli(['resave', join(browser.dir, 'demo.sin'), join(browser.dir, 'demo-resaved-2.sin')]);
    assert.deepEqual(readFileSync(path), readFileSync(join(browser.dir, 'demo-resaved-2.sin')));
    assert.deepEqual(errors, []);
    await context.close();
  });
});
