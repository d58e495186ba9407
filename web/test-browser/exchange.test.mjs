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
