// Check Cable and the cable doctor in the page, through the fake serial port.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { browserFixture, shownChannels } from './harness.mjs';

const browser = browserFixture();

// The radio behind the fake port, and what the page then says: the question's
// text and a line of its details.
const cases = [
  { name: 'a good cable', serial: {}, text: /^The two reads agree/, detail: /^Retries: 0 \(wake-up attempts the radio did not answer\)\.$/m },
  { name: 'a cable that changes a bit of block 12 on the second read', serial: { fault: 'flaky-read', faultBlock: 12 },
    text: /^The two reads differ in 1 of 128 blocks/, detail: /^ {2}Block 12 \(0x060-0x067\)$/m },
  { name: 'a port another program holds', serial: { openError: 'NetworkError' },
    text: /^Could not open the port$/, detail: /^The port is in use\. Close any other tab/m },
];
for (const c of cases) {
  test(`Check Cable with ${c.name}`, async () => {
    const { page, context, errors } = await browser.session.open({ serial: { granted: true, model: 'HM-615V', ...c.serial } });
    const before = await shownChannels(page);
    await page.getByRole('button', { name: 'Check Cable' }).click();
    const report = page.getByRole('alertdialog');
    await report.waitFor({ timeout: 60_000 });
    assert.match(await page.locator('#question-text').textContent(), c.text);
    assert.match(await page.locator('#question-detail').textContent(), c.detail);
    assert.equal(await report.getByRole('button').count(), 1); // a message has its OK alone, no empty second button
    await report.getByRole('button', { name: 'OK' }).click();
    assert.deepEqual(await shownChannels(page), before); // the check reads, it does not load
    assert.deepEqual(errors, []);
    await context.close();
  });
}

test('the chosen cable is named by its chip', async () => {
  const { page, context } = await browser.session.open();
  assert.equal(await page.locator('#port-name').textContent(), 'Cable chosen: FTDI (USB 0403:6001)');
  await context.close();
});
