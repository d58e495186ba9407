import { ByteQueue } from './byte_queue';
import { sleepUntil } from './delay';
import type { SerialPortLike } from './engine';

// The radio's line: 9600 baud, 8 data bits, no parity, 1 stop bit.
export const kRadioLine: SerialOptions = {
  baudRate: 9600,
  dataBits: 8,
  stopBits: 1,
  parity: 'none',
  flowControl: 'none',
};

// A Web Serial port as the engine's transfer sees a port. Opening starts a
// pump that moves everything the port receives into a queue, so that a read
// with a deadline never cancels a pending stream read (which would lose
// the bytes it was about to deliver).
export class WebSerialLink implements SerialPortLike {
  private readonly queue = new ByteQueue();
  private reader: ReadableStreamDefaultReader<Uint8Array> | null = null;
  private writer: WritableStreamDefaultWriter<Uint8Array> | null = null;
  private pumping: Promise<void> = Promise.resolve();
  private failure: unknown = null;

  private constructor(
    private readonly port: SerialPort,
    readonly name: string,
  ) {}

  // Opens the port on the radio's line; throws what the browser throws when
  // the port is in use or gone.
  static async open(port: SerialPort, name: string): Promise<WebSerialLink> {
    await port.open(kRadioLine);
    const link = new WebSerialLink(port, name);
    link.start();
    return link;
  }

  async write(bytes: Uint8Array): Promise<void> {
    if (!this.writer) throw new Error('The port is closed.');
    await this.writer.write(bytes);
  }

  async read(max: number, deadlineMs: number, gapMs?: number): Promise<Uint8Array> {
    if (this.failure && this.queue.size === 0) throw this.failure;
    return this.queue.takeBy(max, performance.now() + deadlineMs, gapMs);
  }

  purge(): void {
    this.queue.clear();
  }

  sleep(ms: number): Promise<void> {
    return sleepUntil(performance.now() + ms);
  }

  async close(): Promise<void> {
    const reader = this.reader;
    this.reader = null;
    await reader?.cancel().catch(() => undefined);
    await this.pumping;
    const writer = this.writer;
    this.writer = null;
    if (writer) {
      await writer.close().catch(() => undefined);
      writer.releaseLock();
    }
    await this.port.close().catch(() => undefined);
  }

  private start(): void {
    if (!this.port.readable || !this.port.writable) throw new Error('The port has no streams.');
    this.reader = this.port.readable.getReader();
    this.writer = this.port.writable.getWriter();
    this.pumping = this.pump(this.reader);
  }

  private async pump(reader: ReadableStreamDefaultReader<Uint8Array>): Promise<void> {
    try {
      for (;;) {
        const { value, done } = await reader.read();
        if (done) break;
        if (value) this.queue.push(value);
      }
    } catch (error) {
      // A framing or buffer error ends this stream; the port is unusable
      // until reopened, so later reads report it once the queue is empty.
      this.failure = error;
    } finally {
      reader.releaseLock();
    }
  }
}
