// The page as a whole: offline once loaded, its size, how soon it is usable.
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { dist, shownChannels, startBrowser } from './harness.mjs';

let session;
before(async () => {
  session = await startBrowser();
});
after(() => session?.close());

test('once loaded, the page reloads and works offline', async () => {
  const { page, context } = await session.open();
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true }));
    }
  });
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('#app[data-ready="true"]');
  await page.locator('#channels td[data-row="1"][data-col="1"]').focus();
  await page.keyboard.type('146.52');
  await page.keyboard.press('Enter');
  assert.equal((await shownChannels(page))[0][0], '146.52000');
  await context.close();
});

test('every control a user needs is found by its role and accessible name', async () => {
  const { page, context } = await session.open();
  const controls = [
    ['button', 'Open Channel File'], // the file chooser, named by its label
    ['button', 'Save'],
    ['button', 'Read'],
    ['button', 'Write'],
    ['combobox', 'Port'],
    ['combobox', 'Squelch Level'],
    ['textbox', 'PTT ID Code'],
    ['grid', 'Channels'],
    ['columnheader', 'Rx Freq'],
    ['columnheader', 'Scan'],
    ['rowheader', '16'],
  ];
  const missing = [];
  for (const [role, name] of controls) {
    if ((await page.getByRole(role, { name, exact: true }).count()) !== 1) missing.push(`${role} "${name}"`);
  }
  assert.deepEqual(missing, []);
  assert.equal(await page.getByRole('grid', { name: 'Channels' }).getByRole('row').count(), 17);
  await context.close();
});

test('the manifest makes the page installable', async () => {
  const { page, context } = await session.open();
  const manifest = await page.evaluate(async () => {
    const link = document.querySelector('link[rel="manifest"]');
    return (await fetch(link.href)).json();
  });
  assert.equal(manifest.display, 'standalone');
  assert.ok(manifest.icons.some((icon) => icon.sizes === '512x512'));
  await context.close();
});

test('figures: the size of the page and the time to a usable form', async (t) => {
  const sized = readdirSync(dist).filter((f) => /\.(js|wasm)$/.test(f));
  let gzip = 0;
  let brotli = 0;
  for (const file of sized) {
    const bytes = readFileSync(join(dist, file));
    gzip += gzipSync(bytes, { level: 9 }).length;
    brotli += brotliCompressSync(bytes, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
  }
  t.diagnostic(`page scripts and WebAssembly (${sized.join(', ')}): ${gzip} bytes gzip -9, ${brotli} bytes brotli`);
  assert.ok(sized.some((f) => f.endsWith('.wasm')));

  const { page, context } = await session.open();
  const usableMs = await page.evaluate(() => performance.now());
  t.diagnostic(`from navigation to a usable form in headless chromium: at most ${Math.round(usableMs)} ms`);
  assert.ok(usableMs < 10_000, `the form took ${usableMs} ms to become usable`);
  await context.close();
});
