// The page on a phone: 360 px wide, driven by touch.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { browserFixture, chooseFile, shownChannels } from './harness.mjs';

const browser = browserFixture();
const phone = { viewport: { width: 360, height: 740 }, hasTouch: true };

test('at 360 px every control lies within the page\'s width, and the table scrolls under its channel numbers', async () => {
  const { page, context } = await browser.session.open(phone);
  await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360), 'the page scrolls sideways');
  const outside = await page.$$eval('main button, main .button, main select, main input:not([type="file"])', (all) =>
    all.filter((e) => e.offsetParent !== null && !e.closest('.table-scroll'))
      .filter((e) => { const r = e.getBoundingClientRect(); return r.left < 0 || r.right > 360; })
      .map((e) => e.id || e.textContent));
  assert.deepEqual(outside, []);

  const scroller = page.locator('.table-scroll');
  const number = page.getByRole('rowheader', { name: '3', exact: true });
  const left = (await number.boundingBox()).x;
  await scroller.evaluate((e) => { e.scrollLeft = e.scrollWidth; });
  assert.ok(await scroller.evaluate((e) => e.scrollLeft > 100), 'the table is wider than the phone');
  const kept = (await number.boundingBox()).x;
  assert.ok(Math.abs(kept - left) < 1, `the channel number moved from ${left} to ${kept}`);
  const scan = await page.locator('#channels td[data-row="3"][data-col="8"]').boundingBox();
  assert.ok(scan.x + scan.width <= 360);
  await context.close();
});

test('a frequency and a tone are edited by touch: a number keyboard and a list', async () => {
  const { page, context, errors } = await browser.session.open(phone);
  await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
  await page.locator('#channels td[data-row="2"][data-col="1"]').tap();
  const frequency = page.getByRole('textbox', { name: 'Channel 2 Rx Freq' });
  assert.equal(await frequency.getAttribute('inputmode'), 'decimal');
  await frequency.fill('145.5');
  await page.locator('#channels td[data-row="2"][data-col="3"]').tap(); // leaving the editor stores it
  const tone = page.getByRole('combobox', { name: 'Channel 2 Rx Tone' });
  await tone.selectOption('88.5');
  await tone.waitFor({ state: 'detached' }); // picked by touch: stored at once
  const row = (await shownChannels(page))[1];
  assert.deepEqual([row[0], row[2]], ['145.50000', '88.5']);
  assert.deepEqual(errors, []);
  await context.close();
});
