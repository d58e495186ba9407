// Takes the pictures a developer looks at after changing the page: desktop
// and phone width in light and dark, during a read, and the printed page
// (PDF, and a PNG of it through pdftoppm). Into test-results/.
import { execFileSync } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { chooseFile, demoImage, startBrowser, tempDir } from '../test-browser/harness.mjs';

const out = join(import.meta.dirname, '..', 'test-results');
mkdirSync(out, { recursive: true });
const demo = demoImage(tempDir());
const session = await startBrowser();
try {
  const sizes = { desktop: { width: 1280, height: 800 }, phone: { width: 360, height: 740 } };
  for (const [size, viewport] of Object.entries(sizes)) {
    for (const colorScheme of ['light', 'dark']) {
      const { page, context } = await session.open({ viewport, colorScheme });
      await chooseFile(page, 'Open Channel File', 'demo.sin', demo);
      await page.locator('#channels td[data-row="2"][data-col="3"]').focus();
      await page.screenshot({ path: join(out, `${size}-${colorScheme}.png`), fullPage: size === 'phone' });
      if (size === 'desktop' && colorScheme === 'light') {
        await page.getByRole('button', { name: 'Read', exact: true }).click();
        await page.waitForFunction(() => document.querySelector('#transfer-progress').value >= 40);
        await page.screenshot({ path: join(out, 'during-read.png') });
        await page.locator('#transfer-dialog').waitFor({ state: 'hidden' });
        await page.emulateMedia({ media: 'print' });
        await page.pdf({ path: join(out, 'print.pdf'), format: 'A4' });
        execFileSync('pdftoppm', ['-png', '-r', '60', '-singlefile', join(out, 'print.pdf'), join(out, 'print')]);
      }
      await context.close();
    }
  }
} finally {
  await session.close();
}
console.log(`pictures in ${out}`);
