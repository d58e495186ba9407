// The byte queue behind a Web Serial port and the simulated radio's line.
import assert from 'node:assert/strict';
import { before, describe, test } from 'node:test';
import { loadTs } from './load_ts.mjs';

let ByteQueue;
let LineRateRadio;
let kCharacterMs;
before(async () => {
  ({ ByteQueue } = await loadTs('byte_queue.ts'));
  ({ LineRateRadio, kCharacterMs } = await loadTs('line_rate_radio.ts'));
});

const bytes = (...values) => Uint8Array.from(values);

describe('a read with a deadline', () => {
  // Bytes arrive as chunks after the given milliseconds; the read asks for
  // max bytes and waits at most deadline ms.
  const cases = [
    { name: 'takes what is there at once when enough is there', chunks: [[0, [1, 2, 3, 4]]], max: 3, deadline: 500, want: [1, 2, 3], quick: true },
    { name: 'gathers bytes from several chunks and returns when the last arrives', chunks: [[20, [1, 2]], [60, [3, 4]]], max: 4, deadline: 2000, want: [1, 2, 3, 4], quick: true },
    { name: 'returns what came by the deadline when not enough comes', chunks: [[20, [7]]], max: 3, deadline: 150, want: [7], quick: false },
    { name: 'returns nothing at the deadline when nothing comes', chunks: [], max: 1, deadline: 100, want: [], quick: false },
    { name: 'gives up a gap after the last byte when no more follow', chunks: [[10, [9, 8]]], max: 5, deadline: 3000, gap: 40, want: [9, 8], quick: true },
    { name: 'a gap counts only once a byte has come', chunks: [], max: 2, deadline: 120, gap: 10, want: [], quick: false },
    { name: 'leaves the rest of a chunk for the next read, in order', chunks: [[0, [1, 2]], [0, [3, 4, 5]]], max: 3, deadline: 500, want: [1, 2, 3], quick: true },
  ];
  for (const c of cases) {
    test(c.name, async () => {
      const queue = new ByteQueue();
      for (const [after, values] of c.chunks) {
        if (after === 0) queue.push(bytes(...values));
        else setTimeout(() => queue.push(bytes(...values)), after);
      }
      const started = performance.now();
      const got = await queue.takeBy(c.max, started + c.deadline, c.gap);
      const took = performance.now() - started;
      await new Promise((resolve) => setTimeout(resolve, 80)); // chunks still to come land now
      assert.deepEqual(Array.from(got), c.want);
      if (c.quick) assert.ok(took < c.deadline / 2, `took ${took} ms of ${c.deadline}`);
      else assert.ok(took >= c.deadline - 2, `returned after ${took} ms, before the ${c.deadline} ms deadline`);
      const sent = c.chunks.reduce((n, [, values]) => n + values.length, 0);
      assert.equal(queue.size, sent - got.length, 'bytes not taken stay queued');
    });
  }

  test('an abort ends the wait at once', async () => {
    const queue = new ByteQueue();
    const controller = new AbortController();
    setTimeout(() => controller.abort(), 20);
    const started = performance.now();
    const got = await queue.takeBy(1, started + 5000, undefined, controller.signal);
    assert.equal(got.length, 0);
    assert.ok(performance.now() - started < 1000);
  });
});

describe('the simulated radio on a 9600-baud line', () => {
  let clock = 0;
  before(() => {
    Object.defineProperty(performance, 'now', { value: () => clock, configurable: true });
  });
  // A radio that answers every message with as many bytes as given.
  const radio = (answerLength) => ({ receive: () => new Uint8Array(answerLength).fill(0x06), image: () => new Uint8Array(1024) });

  const cases = [
    { name: 'a read block: 5 bytes out, 13 back', sends: [5], answer: 13, lastArrival: 18 },
    { name: 'a written block: 12 bytes out, 1 back', sends: [12], answer: 1, lastArrival: 13 },
    { name: 'two messages sent at once queue on the line', sends: [5, 5], answer: 1, lastArrival: 11 },
  ];
  for (const c of cases) {
    test(c.name, () => {
      clock = 1000;
      const line = new LineRateRadio(radio(c.answer));
      for (const n of c.sends) line.send(new Uint8Array(n));
      const total = c.answer * c.sends.length;
      const last = line.arrivalOf(total);
      assert.ok(Math.abs(last - (1000 + c.lastArrival * kCharacterMs)) < 1e-6, `last byte at ${last}`);
      assert.equal(line.arrivalOf(total + 1), Infinity);
      clock = last - 0.01;
      assert.equal(line.take(total).length, total - 1);
      clock = last;
      assert.equal(line.take(total).length, 1);
    });
  }

  // A read of max bytes that gives up gap characters after a byte that no
  // other followed, when the radio answers each message with the given
  // number of bytes.
  const gapCases = [
    { name: 'all asked for are on their way', sends: [1], answer: 4, max: 4, gap: 2, at: 5 },
    { name: 'fewer come than asked for', sends: [1], answer: 2, max: 4, gap: 2, at: 3 + 2 },
    { name: 'two answers with a pause longer than the gap between them', sends: [1, 6], answer: 1, max: 2, gap: 2, at: 2 + 2 },
    { name: 'two answers closer than the gap', sends: [1, 1], answer: 1, max: 2, gap: 2, at: 3 },
  ];
  for (const c of gapCases) {
    test(`gap: ${c.name}`, () => {
      clock = 0;
      const line = new LineRateRadio(radio(c.answer));
      for (const n of c.sends) line.send(new Uint8Array(n));
      assert.ok(Math.abs(line.answeredAt(c.max, c.gap * kCharacterMs) - c.at * kCharacterMs) < 1e-6, `answered at ${line.answeredAt(c.max, c.gap * kCharacterMs) / kCharacterMs}`);
    });
  }

  test('a purge drops what has arrived but not what is still on the line', () => {
    clock = 0;
    const line = new LineRateRadio(radio(4));
    line.send(new Uint8Array(1)); // answer arrives at 2, 3, 4, 5 characters
    clock = 3.5 * kCharacterMs;
    line.discard();
    clock = 10 * kCharacterMs;
    assert.equal(line.take(10).length, 2);
  });
});
