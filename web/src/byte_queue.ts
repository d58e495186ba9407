import { delay } from './delay';

// Bytes that have arrived from a port and not yet been read, with a way to
// wait until enough are there or a deadline passes.
export class ByteQueue {
  private chunks: Uint8Array[] = [];
  private length = 0;
  private wake: (() => void) | null = null;
  private lastArrival = 0;

  get size(): number {
    return this.length;
  }

  push(bytes: Uint8Array): void {
    if (bytes.length === 0) return;
    this.chunks.push(bytes);
    this.length += bytes.length;
    this.lastArrival = performance.now();
    this.wake?.();
  }

  clear(): void {
    this.chunks = [];
    this.length = 0;
  }

  // Takes up to max bytes, oldest first.
  take(max: number): Uint8Array {
    const out = new Uint8Array(Math.min(max, this.length));
    let filled = 0;
    while (filled < out.length) {
      const head = this.chunks[0];
      const n = Math.min(head.length, out.length - filled);
      out.set(head.subarray(0, n), filled);
      filled += n;
      if (n === head.length) this.chunks.shift();
      else this.chunks[0] = head.subarray(n);
    }
    this.length -= filled;
    return out;
  }

  // Resolves once max bytes are there, at the deadline (a performance.now()
  // time), gapMs after the last byte when bytes are there and no more
  // follow, or when the signal aborts, whichever comes first; then takes
  // what is there.
  async takeBy(max: number, deadline: number, gapMs = Infinity, signal?: AbortSignal): Promise<Uint8Array> {
    while (this.length < max && !signal?.aborted) {
      const end = this.length > 0 ? Math.min(deadline, this.lastArrival + gapMs) : deadline;
      const left = end - performance.now();
      if (left <= 0) break;
      await new Promise<void>((resolve) => {
        const onAbort = (): void => done();
        signal?.addEventListener('abort', onAbort, { once: true });
        this.wake = done;
        void delay(left).then(done);
        function done(): void {
          signal?.removeEventListener('abort', onAbort);
          resolve();
        }
      });
      this.wake = null;
    }
    return this.take(max);
  }
}
