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

// Timers may fire a fraction of a millisecond early by performance.now(),
// so the wait goes on until the time has really come.
export async function sleepUntil(time: number): Promise<void> {
  for (let left = time - performance.now(); left > 0; left = time - performance.now()) await delay(left);
}
