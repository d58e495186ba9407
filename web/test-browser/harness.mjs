// What the page's browser tests share: the built page served on a free
// port, Debian's chromium driven headless through playwright-core, the fake
// serial port put into the page, and the native hmprog-cli beside it.
import { execFileSync } from 'node:child_process';
import { after, before } from 'node:test';
import { existsSync, mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';
import { chromium } from 'playwright-core';
import { serveStatic } from '../tools/static_server.mjs';

const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');
export const dist = join(web, 'dist');
export const chromiumPath = process.env.HMPROG_CHROMIUM ?? '/usr/bin/chromium';
export const cliPath = process.env.HMPROG_CLI ?? resolve(web, '..', 'build-test', 'cli', 'hmprog-cli');

const chromiumArgs = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// The line's own limit for a transfer: the bytes each way at one character
// per 10/9600 s (a read block is 5 bytes out and 13 back, a written block
// 12 out and 1 back).
export const kReadLimitMs = 2444;
export const kWriteLimitMs = 1818;

export const kByteCount = 1024;

const fakeScripts = new Map();
async function fakeScript(name) {
  if (!fakeScripts.has(name)) {
    const built = await esbuild.build({
      entryPoints: [join(web, 'test-browser', 'fake', name)],
      bundle: true,
      write: false,
      format: 'iife',
      target: 'es2022',
    });
    fakeScripts.set(name, built.outputFiles[0].text);
  }
  return fakeScripts.get(name);
}

// A served page and a browser for one test file; close() ends both.
export async function startBrowser() {
  if (!existsSync(join(dist, 'index.html'))) throw new Error(`no page in ${dist}: run web/tools/build.mjs first`);
  const server = await serveStatic(dist, 0);
  const browser = await chromium.launch({ executablePath: chromiumPath, headless: true, args: chromiumArgs });
  const url = `http://localhost:${server.address().port}/`;
  return {
    url,
    browser,
    // A page in a fresh profile (its own IndexedDB and service workers).
    // serial: the fake port's options, or null for a browser without Web
    // Serial. usb: the fake USB cable's options (fake_usb.ts), or null for a
    // browser without WebUSB. savePicker: a stand-in for the save file chooser that keeps
    // what is written in window.savedFiles; false leaves the page to
    // download. hasTouch: a touch screen, as on a phone.
    async open({ serial = { granted: true, model: 'HM-615V' }, usb = null, savePicker = true, colorScheme = 'light', viewport, hasTouch = false } = {}) {
      const context = await browser.newContext({ colorScheme, viewport: viewport ?? { width: 1280, height: 900 }, acceptDownloads: true, hasTouch });
      if (serial) {
        await context.addInitScript((options) => {
          window.fakeSerialOptions = options;
        }, serial);
        await context.addInitScript(await fakeScript('init.ts'));
      } else {
        await context.addInitScript(() => {
          delete Navigator.prototype.serial;
        });
      }
      if (usb) {
        await context.addInitScript((options) => {
          window.fakeUsbOptions = options;
        }, usb);
        await context.addInitScript(await fakeScript('usb_init.ts'));
      } else {
        await context.addInitScript(() => {
          delete Navigator.prototype.usb;
        });
      }
      await context.addInitScript((picker) => {
        if (!picker) {
          delete window.showSaveFilePicker;
          return;
        }
        window.savedFiles = [];
        window.showSaveFilePicker = async ({ suggestedName }) => ({
          name: suggestedName,
          async createWritable() {
            const parts = [];
            return {
              async write(data) {
                parts.push(...new Uint8Array(data));
              },
              async close() {
                window.savedFiles.push({ name: suggestedName, bytes: parts });
              },
            };
          },
        });
      }, savePicker);
      const page = await context.newPage();
      const errors = [];
      page.on('pageerror', (error) => errors.push(error));
      await page.goto(url);
      await page.waitForSelector('#app[data-ready="true"]');
      return { page, context, errors };
    },
    async close() {
      await browser.close();
      await new Promise((done) => server.close(done));
    },
  };
}

export function tempDir() {
  return mkdtempSync(join(tmpdir(), 'hmprog-web-'));
}

// Runs hmprog-cli; the backups a read keeps go into a folder of the test's.
export function cli(args, { dataHome, allowStatus = [0] } = {}) {
  if (!existsSync(cliPath)) throw new Error(`no hmprog-cli at ${cliPath}: build it first (./test does)`);
  try {
    return execFileSync(cliPath, args, { encoding: 'utf8', env: { ...process.env, XDG_DATA_HOME: dataHome ?? tempDir() } });
  } catch (error) {
    if (allowStatus.includes(error.status)) return error.stdout;
    throw error;
  }
}

// The demonstration radio's memory, as hmprog-cli reads it from its
// simulated radio.
export function demoImage(dir) {
  const file = join(dir, 'demo.sin');
  cli(['read', '--port', 'sim', '--output', file], { dataHome: dir });
  return readFileSync(file);
}

// What a test file of the page works with: one browser started before its
// tests and closed after them, a folder, and the demonstration radio's memory
// saved there as demo.sin.
export function browserFixture() {
  const fixture = {};
  before(async () => {
    fixture.session = await startBrowser();
    fixture.dir = tempDir();
    fixture.demo = demoImage(fixture.dir);
  });
  after(() => fixture.session?.close());
  return fixture;
}

// The grid as the page shows it: 16 rows of the 8 channel columns.
export async function shownChannels(page) {
  return page.$$eval('#channels tbody tr', (rows) => rows.map((row) => Array.from(row.querySelectorAll('td'), (td) => td.textContent)));
}

export async function chooseFile(page, label, name, bytes) {
  await page.getByLabel(label, { exact: true }).setInputFiles({ name, mimeType: 'application/octet-stream', buffer: Buffer.from(bytes) });
}

export async function savedFiles(page) {
  return page.evaluate(() => window.savedFiles.map((file) => ({ name: file.name, bytes: Uint8Array.from(file.bytes) })));
}
