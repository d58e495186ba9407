import { sleepUntil } from './delay';
import type { SerialPortLike, SimulatedRadioLike } from './engine';

// One character on the radio's line: a start bit, 8 data bits and a stop
// bit at 9600 baud.
export const kCharacterMs = (10 / 9600) * 1000;

interface Arrival {
  at: number; // performance.now() time the byte has fully arrived
  byte: number;
}

// The simulated radio behind a line that carries one character per
// kCharacterMs in each direction: what is sent reaches the radio when its
// last character is through, and the radio's answer comes back character by
// character after that. Times are absolute, so a late timer does not add up
// over a transfer.
export class LineRateRadio {
  private sendingUntil = 0;
  private answeringUntil = 0;
  private arrivals: Arrival[] = [];

  constructor(private readonly radio: SimulatedRadioLike) {}

  send(bytes: Uint8Array): void {
    const start = Math.max(performance.now(), this.sendingUntil);
    this.sendingUntil = start + bytes.length * kCharacterMs;
    const answer = this.radio.receive(bytes);
    let at = Math.max(this.sendingUntil, this.answeringUntil);
    for (const byte of answer) {
      at += kCharacterMs;
      this.arrivals.push({ at, byte });
    }
    this.answeringUntil = at;
  }

  // When the count-th byte not yet taken will have arrived; Infinity when the
  // radio has not sent that many.
  arrivalOf(count: number): number {
    return count <= this.arrivals.length ? this.arrivals[count - 1].at : Infinity;
  }

  // When the burst that begins with the next byte not yet taken has fully
  // arrived: its bytes follow each other without a pause. Infinity when
  // nothing is on its way.
  burstEnd(): number {
    if (this.arrivals.length === 0) return Infinity;
    let i = 0;
    while (i + 1 < this.arrivals.length && this.arrivals[i + 1].at - this.arrivals[i].at <= kCharacterMs + 1e-9) i++;
    return this.arrivals[i].at;
  }

  // When a read of max bytes that gives up gapMs after a byte no other has
  // followed knows its answer: at the max-th byte, or at the end of the
  // first such gap.
  answeredAt(max: number, gapMs: number): number {
    const last = Math.min(max, this.arrivals.length);
    for (let i = 0; i < last; i++) {
      const next = i + 1 < this.arrivals.length ? this.arrivals[i + 1].at : Infinity;
      if (i + 1 === max) return this.arrivals[i].at;
      if (next - this.arrivals[i].at > gapMs) return this.arrivals[i].at + gapMs;
    }
    return Infinity;
  }

  // Takes up to max of the bytes that have arrived by now.
  take(max: number): Uint8Array {
    const now = performance.now();
    let n = 0;
    while (n < max && n < this.arrivals.length && this.arrivals[n].at <= now) n++;
    return Uint8Array.from(this.arrivals.splice(0, n), (a) => a.byte);
  }

  // Drops what has arrived; what is still on the line arrives later, as it
  // does after purging a real port.
  discard(): void {
    const now = performance.now();
    this.arrivals = this.arrivals.filter((a) => a.at > now);
  }

  image(): Uint8Array {
    return this.radio.image();
  }
}

// The "Simulated radio" port choice: the engine's simulated radio on a line
// at the radio's own rate, inside the page.
export class SimulatedLink implements SerialPortLike {
  readonly name = 'the simulated radio';

  constructor(private readonly line: LineRateRadio) {}

  async write(bytes: Uint8Array): Promise<void> {
    this.line.send(bytes);
  }

  async read(max: number, deadlineMs: number, gapMs = Infinity): Promise<Uint8Array> {
    const deadline = performance.now() + deadlineMs;
    await sleepUntil(Math.min(deadline, this.line.answeredAt(max, gapMs)));
    return this.line.take(max);
  }

  purge(): void {
    this.line.discard();
  }

  sleep(ms: number): Promise<void> {
    return sleepUntil(performance.now() + ms);
  }
}
