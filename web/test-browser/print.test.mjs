// The printed channel list on the papers the browser offers: one page, and
// every heading over the values of its column.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { test } from 'node:test';
import { browserFixture, chooseFile } from './harness.mjs';

const browser = browserFixture();

// The words of the PDF's only page with their left and right edges, line by line from the top.
function printedLines(pdf) {
  const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
  assert.match(info, /^Pages:\s+1$/m);
  const html = execFileSync('pdftotext', ['-bbox', pdf, '-'], { encoding: 'utf8' });
  const lines = new Map();
  for (const [, x, y, end, word] of html.matchAll(/<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>([^<]*)<\/word>/g)) {
    const top = Math.round(Number(y));
    if (!lines.has(top)) lines.set(top, []);
    lines.get(top).push({ x: Number(x), end: Number(end), word });
  }
  return [...lines.entries()].sort(([a], [b]) => a - b).map(([, words]) => words.sort((a, b) => a.x - b.x));
}

const papers = [
  { name: 'US Letter', options: { format: 'Letter' } },
  { name: 'A4 portrait', options: { format: 'A4' } },
  { name: 'A4 landscape', options: { format: 'A4', landscape: true } },
  { name: 'A5 portrait', options: { format: 'A5' } }, // the narrowest: the type gets smaller
];
for (const paper of papers) {
  test(`printed on ${paper.name}, the channel list is one page with each heading over its column`, async () => {
    const { page, context } = await browser.session.open({ serial: null });
    await chooseFile(page, 'Open Channel File', 'demo.sin', browser.demo);
    await page.emulateMedia({ media: 'print' });
    const pdf = join(browser.dir, `print-${paper.name.replace(/ /g, '-')}.pdf`);
    await page.pdf({ path: pdf, ...paper.options });
    const lines = printedLines(pdf);
    const headingAt = lines.findIndex((words) => words[0].word === 'CH');
    assert.equal(lines[headingAt - 1].map((w) => w.word).join(' '), 'Channel:');
    // "Rx Tone" and "Tx Tone" are two words each: their first words head the column.
    const headings = lines[headingAt].filter((w) => w.word !== 'Tone');
    const channel1 = lines[headingAt + 1];
    assert.deepEqual(headings.map((w) => w.word), ['CH', 'Rx(MHz)', 'Tx(MHz)', 'Rx', 'Tx', 'Busy', 'Power', 'Bandwidth', 'Scan']);
    assert.equal(channel1.length, headings.length, channel1.map((w) => w.word).join(' '));
    const offsets = headings.map((h, column) => `${h.word} ${Math.abs(h.x - channel1[column].x) < 0.5 ? 'over' : 'beside'} ${channel1[column].word}`);
    assert.deepEqual(offsets, headings.map((h, column) => `${h.word} over ${channel1[column].word}`));
    const crowded = lines[headingAt].filter((w, i, words) => i + 1 < words.length && w.end >= words[i + 1].x);
    assert.deepEqual(crowded.map((w) => w.word), []);
    assert.equal(lines.length - headingAt - 1, 16);
    await context.close();
  });
}
