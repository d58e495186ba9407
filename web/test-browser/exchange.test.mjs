// Channel lists as CSV, against hmprog-cli's export and import.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { browserFixture, chooseFile, cli, shownChannels } from './harness.mjs';

const browser = browserFixture();

test('Export CSV gives the file hmprog-cli exports', async () => {
  const { page, context } = await browser.session.open();
  await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
  const download = page.waitForEvent('download');
  await page.getByRole('button', { name: 'Export CSV' }).click();
  const file = await download;
  assert.equal(file.suggestedFilename(), 'demo.csv');
  cli(['export', join(browser.dir, 'demo.sin'), join(browser.dir, 'demo.csv')]);
  assert.equal(readFileSync(await file.path(), 'utf8'), readFileSync(join(browser.dir, 'demo.csv'), 'utf8'));
  await context.close();
});

test('Import CSV loads the rows into the channels, with the report, as hmprog-cli imports them', async () => {
  const csv = [
    'Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment',
    '2,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,0.5W,',
    '5,,147.000000,+,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,',
    'x,,147.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,',
  ].join('\n');
  writeFileSync(join(browser.dir, 'list.csv'), csv);
  const cliReport = cli(['import', join(browser.dir, 'list.csv'), '--output', join(browser.dir, 'imported.sin'), '--base', join(browser.dir, 'demo.sin')], { allowStatus: [1] });

  const { page, context } = await browser.session.open();
  await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
  await chooseFile(page, 'Import CSV', 'list.csv', Buffer.from(csv));
  const report = page.getByRole('alertdialog');
  await report.waitFor();
  const shownReport = await page.locator('#question-detail').textContent();
  assert.equal(shownReport.trim(), cliReport.trim());
  await report.getByRole('button', { name: 'OK' }).click();
  const expected = JSON.parse(cli(['show', join(browser.dir, 'imported.sin'), '--json'])).rows.map((row) => row.slice(1));
  assert.deepEqual(await shownChannels(page), expected);
  await context.close();
});

// The same list in the encodings spreadsheets save, a name with an umlaut
// in it: the page hands the file's bytes to the import as they are, so each
// imports as hmprog-cli imports it, and all into the same channels.
test('Import CSV reads UTF-16 and Windows-1252 lists as hmprog-cli does', async () => {
  const csv = ['Location,Name,Frequency,Tone,rToneFreq', '3,Zürich,145.500000,Tone,88.5', '4,Köln,146.000000,,88.5', ''].join('\r\n');
  const utf16 = Buffer.from(`\ufeff${csv}`, 'utf16le');
  const encodings = [
    ['UTF-8', Buffer.from(csv, 'utf8')],
    ['UTF-16 LE', utf16],
    ['UTF-16 BE', Buffer.from(utf16).swap16()],
    ['Windows-1252', Buffer.from(csv, 'latin1')],
  ];
  const shown = [];
  for (const [encoding, bytes] of encodings) {
    const file = join(browser.dir, `list-${encoding}.csv`);
    writeFileSync(file, bytes);
    const cliReport = cli(['import', file, '--output', join(browser.dir, 'imported.sin'), '--base', join(browser.dir, 'demo.sin')], { allowStatus: [1] });
    const { page, context } = await browser.session.open();
    await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
    await chooseFile(page, 'Import CSV', 'list.csv', bytes);
    await page.getByRole('alertdialog').waitFor();
    assert.equal((await page.locator('#question-detail').textContent()).trim(), cliReport.trim(), encoding);
    await page.getByRole('alertdialog').getByRole('button', { name: 'OK' }).click();
    shown.push(await shownChannels(page));
    await context.close();
  }
  for (const [i, [encoding]] of encodings.entries()) assert.deepEqual(shown[i], shown[0], encoding);
});
