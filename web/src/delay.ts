// A pause of a few milliseconds. Browsers hold a chain of setTimeout calls
// to at least 4 ms each, which on the radio's line, where an acknowledgement
// takes 2 ms, would stretch a transfer by a third; the task scheduler's
// delays are not held so, and are taken where the browser has them.
interface TaskScheduler {
  postTask(callback: () => void, options: { delay: number }): Promise<void>;
}

const scheduler = (globalThis as { scheduler?: TaskScheduler }).scheduler;

export function delay(ms: number): Promise<void> {
  if (scheduler?.postTask) return scheduler.postTask(() => undefined, { delay: Math.max(0, ms) });
  return new Promise((resolve) => setTimeout(resolve, ms));
}

// Timers fire up to a millisecond late, or a fraction early, by
// performance.now(); on the line, where a block takes 14 to 19 ms, that
// would add up to several per cent of a transfer. So the timer is set a
// little short and the last stretch is waited out in turns of the task
// queue, which keep the page answering.
const kTimerSlackMs = 1;

export async function sleepUntil(time: number): Promise<void> {
  const left = time - performance.now();
  if (left > kTimerSlackMs) await delay(left - kTimerSlackMs);
  while (performance.now() < time) await delay(0);
}
