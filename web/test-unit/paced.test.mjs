// The transfer dialog's paced drawing: at most one value shown per interval,
// the latest one always shown in the end.
import assert from 'node:assert/strict';
import { before, mock, test } from 'node:test';
import { loadTs } from './load_ts.mjs';

let PacedUpdates;
before(async () => {
  ({ PacedUpdates } = await loadTs('paced_updates.ts'));
});

// The mocked clock moves to the end of a tick before its timers run, so
// time goes on a millisecond at a time.
function advance(ms) {
  for (let i = 0; i < ms; i++) mock.timers.tick(1);
}

// Values set at the given milliseconds with an interval of 100 ms; what was
// drawn, and when, by 1000 ms.
const cases = [
  ['the first value at once', [[0, 'a']], [[0, 'a']]],
  ['values apart by more than the interval each at once', [[0, 'a'], [150, 'b'], [300, 'c']], [[0, 'a'], [150, 'b'], [300, 'c']]],
  ['a burst as its first and, an interval later, its last', [[0, 'a'], [10, 'b'], [20, 'c'], [30, 'd']], [[0, 'a'], [100, 'd']]],
  ['a steady stream ten times a second', [[0, 1], [16, 2], [32, 3], [48, 4], [64, 5], [80, 6], [96, 7], [112, 8], [128, 9], [144, 10]],
    [[0, 1], [100, 7], [200, 10]]],
];

for (const [name, sets, drawn] of cases) {
  test(name, () => {
    mock.timers.enable({ apis: ['setTimeout', 'Date'], now: 0 });
    try {
      const seen = [];
      const paced = new PacedUpdates((value) => seen.push([Date.now(), value]), 100, () => Date.now());
      let at = 0;
      for (const [time, value] of sets) {
        advance(time - at);
        at = time;
        paced.set(value);
      }
      advance(1000 - at);
      assert.deepEqual(seen, drawn);
    } finally {
      mock.timers.reset();
    }
  });
}

test('flush draws the latest value at once, and only once', () => {
  mock.timers.enable({ apis: ['setTimeout', 'Date'], now: 0 });
  try {
    const seen = [];
    const paced = new PacedUpdates((value) => seen.push(value), 100, () => Date.now());
    paced.set('a');
    paced.set('b');
    paced.flush();
    advance(500);
    paced.flush();
    assert.deepEqual(seen, ['a', 'b']);
  } finally {
    mock.timers.reset();
  }
});
