// Shows a changing value at most every intervalMs, the latest one always
// shown in the end. A transfer reports every block, 50 to 70 times a second;
// drawing each of them costs the page several per cent of the transfer's
// time on a busy machine, and the eye takes in ten a second as smoothly.
export class PacedUpdates<T> {
  private shownAt = -Infinity;
  private pending: T | undefined;
  private timer: ReturnType<typeof setTimeout> | undefined;

  constructor(
    private readonly show: (value: T) => void,
    private readonly intervalMs: number,
    private readonly now: () => number = () => performance.now(),
  ) {}

  set(value: T): void {
    this.pending = value;
    const wait = this.shownAt + this.intervalMs - this.now();
    if (wait <= 0) this.flush();
    else this.timer ??= setTimeout(() => this.flush(), wait);
  }

  // Shows the latest value now.
  flush(): void {
    clearTimeout(this.timer);
    this.timer = undefined;
    if (this.pending === undefined) return;
    const value = this.pending;
    this.pending = undefined;
    this.shownAt = this.now();
    this.show(value);
  }
}
