// A stand-in for the browser's navigator.serial, put into the page before
// its own script runs. Its one port carries the engine's simulated radio on
// a 9600-baud line through real ReadableStream and WritableStream objects,
// so that the page's Web Serial code runs as it would with a cable.
import type { Engine } from '../../src/engine';
import { sleepUntil } from '../../src/delay';
import { LineRateRadio } from '../../src/line_rate_radio';

export interface FakeSerialOptions {
  granted: boolean; // getPorts() already knows the port, as after an earlier visit
  model: string;
  fault?: string; // as `hmprog-cli sim --fault` names them
  faultBlock?: number;
  openError?: string; // the DOMException's name with which open() refuses, as the browser does
  // Several cables, a radio behind each (model, fault, faultBlock as above);
  // without it one port carries the radio above.
  radios?: RadioOptions[];
}

type RadioOptions = Pick<FakeSerialOptions, 'model' | 'fault' | 'faultBlock'>;

interface Recorded {
  openedWith: SerialOptions[];
  requestPortCalls: number;
  bytesFromPage: number;
  // Where a transfer's time goes beyond the line's: how late each answer
  // was handed on after its last byte arrived (the fake's own timers), and
  // how long the page took from an answer handed on to its next write.
  handedLateMs: number[];
  answeredAfterMs: number[];
  // performance.now() of the first write since the port was last opened and
  // of the last answer handed on: the ends of the transfer on the line.
  firstWriteAt: number | null;
  lastHandedAt: number | null;
}

declare global {
  interface Window {
    hmprogEngine?: Engine;
    fakeSerial: Recorded & { radioImage(): number[] | null; radioImages(): (number[] | null)[] };
  }
}

async function engine(): Promise<Engine> {
  while (!window.hmprogEngine) await new Promise((resolve) => setTimeout(resolve, 5));
  return window.hmprogEngine;
}

class FakePort extends EventTarget {
  readable: ReadableStream<Uint8Array> | null = null;
  writable: WritableStream<Uint8Array> | null = null;
  private line: LineRateRadio | null = null;
  private wakeReader: (() => void) | null = null;

  constructor(
    private readonly options: FakeSerialOptions & RadioOptions,
    private readonly recorded: Recorded,
  ) {
    super();
  }

  radioImage(): Uint8Array | null {
    return this.line?.image() ?? null;
  }

  getInfo(): SerialPortInfo {
    return { usbVendorId: 0x0403, usbProductId: 0x6001 };
  }

  // The radio is made at the first open and stays for the page's life, so a
  // write followed by a read finds what was written.
  async open(serialOptions: SerialOptions): Promise<void> {
    if (this.readable) throw new DOMException('The port is already open.', 'InvalidStateError');
    if (this.options.openError) throw new DOMException('Failed to open serial port.', this.options.openError);
    this.recorded.openedWith.push(serialOptions);
    this.recorded.firstWriteAt = null;
    if (!this.line) {
      const e = await engine();
      const o = this.options;
      this.line = new LineRateRadio(e.createSimulatedRadio(o.model, { fault: o.fault, faultBlock: o.faultBlock }));
    }
    const line = this.line;
    let open = true;
    let handedOn = -1;
    this.readable = new ReadableStream<Uint8Array>({
      pull: async (controller) => {
        // A serial driver hands on what its receiver holds once the line
        // has gone quiet: here, each burst of the radio's answer whole.
        while (open && line.burstEnd() === Infinity) await new Promise<void>((r) => (this.wakeReader = r));
        if (!open) return;
        const end = line.burstEnd();
        await sleepUntil(end);
        handedOn = performance.now();
        this.recorded.lastHandedAt = handedOn;
        this.recorded.handedLateMs.push(handedOn - end);
        controller.enqueue(line.take(Number.MAX_SAFE_INTEGER));
      },
      cancel: () => {
        open = false;
        this.wakeReader?.();
      },
    });
    this.writable = new WritableStream<Uint8Array>({
      write: (chunk) => {
        this.recorded.bytesFromPage += chunk.length;
        this.recorded.firstWriteAt ??= performance.now();
        if (handedOn >= 0) this.recorded.answeredAfterMs.push(performance.now() - handedOn);
        handedOn = -1;
        line.send(chunk);
        this.wakeReader?.();
      },
    });
  }

  async close(): Promise<void> {
    if (this.readable?.locked || this.writable?.locked) throw new TypeError('The port\'s streams are locked.');
    await this.readable?.cancel();
    this.readable = null;
    this.writable = null;
  }

  async forget(): Promise<void> {}
}

class FakeSerial extends EventTarget {
  private granted: number;

  constructor(
    private readonly ports: FakePort[],
    options: FakeSerialOptions,
    private readonly recorded: Recorded,
  ) {
    super();
    this.granted = options.granted ? ports.length : 0;
  }

  // Each call grants the next cable, as a user picking another one in the
  // browser's chooser; with all granted the chooser offers none.
  async requestPort(): Promise<FakePort> {
    this.recorded.requestPortCalls++;
    if (this.granted >= this.ports.length) {
      if (this.ports.length === 1) return this.ports[0];
      throw new DOMException('No port selected by the user.', 'NotFoundError');
    }
    return this.ports[this.granted++];
  }

  async getPorts(): Promise<FakePort[]> {
    return this.ports.slice(0, this.granted);
  }
}

export function installFakeSerial(options: FakeSerialOptions): void {
  const recorded: Recorded = { openedWith: [], requestPortCalls: 0, bytesFromPage: 0, handedLateMs: [], answeredAfterMs: [],
    firstWriteAt: null, lastHandedAt: null };
  const ports = (options.radios ?? [options]).map((radio) => new FakePort({ ...options, ...radio }, recorded));
  Object.defineProperty(navigator, 'serial', { value: new FakeSerial(ports, options, recorded), configurable: true });
  const imageOf = (port: FakePort): number[] | null => {
    const image = port.radioImage();
    return image ? Array.from(image) : null;
  };
  window.fakeSerial = Object.assign(recorded, {
    radioImage: () => imageOf(ports[0]),
    radioImages: () => ports.map(imageOf),
  });
}
