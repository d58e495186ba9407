import { ByteQueue } from '../byte_queue';
import { sleepUntil } from '../delay';
import type { SerialPortLike } from '../engine';
import { characterMs } from './line_format';
import type { ChipDriver, Line, UsbCable } from './usb_cable';

// A USB serial chip as the engine's transfer sees a port: the same reads
// with a deadline and purge as the Web Serial port, over the chip's bulk
// pipes. A pump moves what the chip sends into a queue, so that a read
// never cancels a pending transfer.
export class UsbSerialLink implements SerialPortLike {
  private readonly queue = new ByteQueue();
  private open = true;
  private failure: unknown = null;
  // Aborted when the cable fails, so that a read waiting for the radio ends
  // at once rather than at its deadline.
  private readonly lost = new AbortController();
  private pumping: Promise<void> = Promise.resolve();
  // When what was written has all gone out on the line.
  private sentUntil = 0;
  // The bytes the read under way asks for; 0 when none is.
  private awaiting = 0;
  private readonly characterMs: number;

  private constructor(
    private readonly cable: UsbCable,
    readonly driver: ChipDriver,
    line: Line,
    readonly name: string,
  ) {
    this.characterMs = characterMs(line);
  }

  // Sets the chip up for the line, empties its buffers of what an earlier
  // program left, and starts receiving; closes the cable again when the chip
  // refuses.
  static async open(cable: UsbCable, driver: ChipDriver, line: Line, name: string): Promise<UsbSerialLink> {
    try {
      await driver.configure(line);
      await driver.purge();
    } catch (error) {
      await cable.close();
      throw error;
    }
    const link = new UsbSerialLink(cable, driver, line, name);
    link.pumping = link.pump();
    return link;
  }

  async write(bytes: Uint8Array): Promise<void> {
    if (!this.open) throw new Error('The port is closed.');
    await this.cable.send(bytes);
    this.sentUntil = Math.max(performance.now(), this.sentUntil) + bytes.length * this.characterMs;
  }

  async read(max: number, deadlineMs: number, gapMs?: number): Promise<Uint8Array> {
    if (this.failure && this.queue.size === 0) throw this.failure;
    this.awaiting = max;
    const bytes = await this.queue.takeBy(max, performance.now() + deadlineMs, gapMs, this.lost.signal).finally(() => (this.awaiting = 0));
    if (bytes.length === 0 && this.failure) throw this.failure;
    return bytes;
  }

  // Only what has come to the page: the engine purges several times a block
  // and at once, and a request to the chip would take a turn of the bus and
  // could land after the radio's answer had begun, throwing it away.
  purge(): void {
    this.queue.clear();
  }

  sleep(ms: number): Promise<void> {
    return sleepUntil(performance.now() + ms);
  }

  async close(): Promise<void> {
    this.open = false;
    await this.cable.close();
    await this.pumping;
  }

  // When to ask the chip for its next packet: at once, unless the chip
  // holds short answers back on a timer. Asked early, such a chip sends
  // what has come so far when its timer runs out, and each packet restarts
  // the timer, so the answer's last byte waits up to a tick; asked once the
  // read's bytes can all be there, it sends them at once, in one packet.
  private nextAskAt(): number {
    const now = performance.now();
    return this.driver.holdsShortAnswers ? Math.max(now, this.answerDueAt(now)) : now;
  }

  // When the bytes the read under way still lacks can all have come at the
  // line's rate: after what was written has gone out, and each a character
  // after the packet just received. Now when no read waits, so that what
  // comes unasked reaches the queue, where purge finds it.
  private answerDueAt(now: number): number {
    const lacking = this.awaiting - this.queue.size;
    if (lacking <= 0) return now;
    return Math.max(this.sentUntil + lacking * this.characterMs, now + (lacking - 1) * this.characterMs);
  }

  private async pump(): Promise<void> {
    try {
      let asked = this.cable.receive();
      for (;;) {
        const data = await asked;
        if (!this.open) return;
        this.queue.push(this.driver.received(data, this.cable.input.packetSize));
        // Asked again in the same turn, before the read these bytes wake
        // goes on: the chip's timer runs from the packet just sent, and the
        // page's own work would otherwise hold up the next one.
        const askAt = this.nextAskAt();
        asked = askAt > performance.now() ? sleepUntil(askAt).then(() => this.cable.receive()) : this.cable.receive();
      }
    } catch (error) {
      // Closing the cable ends the pending transfer; anything else (the
      // cable pulled out) fails the reads once the queue is empty.
      if (!this.open) return;
      this.failure = error;
      this.lost.abort();
    }
  }
}
