import { ByteQueue } from '../byte_queue';
import { sleepUntil } from '../delay';
import type { SerialPortLike } from '../engine';
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

  private constructor(
    private readonly cable: UsbCable,
    readonly driver: ChipDriver,
    readonly name: string,
  ) {}

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
    const link = new UsbSerialLink(cable, driver, name);
    link.pumping = link.pump();
    return link;
  }

  async write(bytes: Uint8Array): Promise<void> {
    if (!this.open) throw new Error('The port is closed.');
    await this.cable.send(bytes);
  }

  async read(max: number, deadlineMs: number, gapMs?: number): Promise<Uint8Array> {
    if (this.failure && this.queue.size === 0) throw this.failure;
    const bytes = await this.queue.takeBy(max, performance.now() + deadlineMs, gapMs, this.lost.signal);
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

  private async pump(): Promise<void> {
    try {
      while (this.open) {
        const data = await this.cable.receive();
        this.queue.push(this.driver.received(data, this.cable.input.packetSize));
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
