// A stand-in for the browser's navigator.usb, put into the page before its
// own script runs. Its one device is a USB serial chip (see the fake chips)
// whose UART carries the engine's simulated radio on a 9600-baud line: what
// the page sends reaches the radio only when the chip was set up for that
// line, and the radio's answer comes back framed as the chip frames it.
import type { Engine } from '../../src/engine';
import { sleepUntil } from '../../src/delay';
import { kCharacterMs, LineRateRadio } from '../../src/line_rate_radio';
import type { UsbDeviceFilter, UsbSetup } from '../../src/usb/webusb';
import type { ChipName, FakeChip } from './fake_chip';
import { FakeCh340 } from './fake_ch340';
import { FakeCp210x } from './fake_cp210x';
import { FakeFtdi } from './fake_ftdi';
import { FakePl2303 } from './fake_pl2303';

export interface FakeUsbOptions {
  chip: ChipName;
  model: string;
  granted?: boolean;
  chooserClosed?: boolean; // the person closes the chooser without a device
}

export interface UsbRecorded {
  requests: string[]; // every control request, "vendor 0x3 0x4138 0x0" and " stalled" when refused
  requestDeviceCalls: number;
  heardBytes: number; // bytes that reached the radio
  garbledBytes: number; // bytes sent on a line not set up for the radio
  // Per answer handed on: how long the chip held it back by its own rules
  // while the host was asking (the FTDI latency timer), and how much later
  // than that the fake's timers were.
  chipHeldMs: number[];
  handedLateMs: number[];
  requestsWhileCarrying: number; // control requests between the first data sent and the close
  radioPackets: number; // IN packets that carried bytes from the radio
}

const chips: Record<ChipName, () => FakeChip> = {
  ftdi: () => new FakeFtdi(),
  pl2303hx: () => new FakePl2303('HX'),
  pl2303hxn: () => new FakePl2303('HXN'),
  pl2303hxn2303: () => new FakePl2303('HXN', 0x2303),
  ch340: () => new FakeCh340(),
  cp210x: () => new FakeCp210x(),
};

async function engine(): Promise<Engine> {
  const w = window as unknown as { hmprogEngine?: Engine };
  while (!w.hmprogEngine) await new Promise((resolve) => setTimeout(resolve, 5));
  return w.hmprogEngine;
}

const transferError = (text: string): DOMException => new DOMException(text, 'NetworkError');

export class FakeUsbDevice {
  opened = false;
  configuration: { configurationValue: number; interfaces: unknown[] } | null = null;
  readonly configurations: { configurationValue: number; interfaces: unknown[] }[];
  private claimed = false;
  private carrying = false;
  private line: LineRateRadio | null = null;
  private wake: (() => void) | null = null;

  constructor(
    readonly chip: FakeChip,
    private readonly model: string,
    private readonly recorded: UsbRecorded,
  ) {
    const e = chip.endpoints;
    const endpoint = (endpointNumber: number, direction: string, type: string) => ({ endpointNumber, direction, type, packetSize: e.packetSize });
    const endpoints = [endpoint(e.bulkIn, 'in', 'bulk'), endpoint(e.bulkOut, 'out', 'bulk')];
    if (e.interruptIn) endpoints.unshift(endpoint(e.interruptIn, 'in', 'interrupt'));
    const alternate = { alternateSetting: 0, endpoints };
    this.configurations = [{ configurationValue: 1, interfaces: [{ interfaceNumber: 0, alternate, alternates: [alternate], claimed: false }] }];
    chip.purgeReceived = () => this.line?.discard();
  }

  get vendorId(): number { return this.chip.vendorId; }
  get productId(): number { return this.chip.productId; }
  get deviceVersionMajor(): number { return this.chip.bcdDevice >> 8; }
  get deviceVersionMinor(): number { return (this.chip.bcdDevice >> 4) & 0xf; }
  get deviceVersionSubminor(): number { return this.chip.bcdDevice & 0xf; }

  radioImage(): Uint8Array | null {
    return this.line?.image() ?? null;
  }

  // The radio is made at the first open and stays for the page's life.
  async open(): Promise<void> {
    if (this.opened) throw new DOMException('The device is already open.', 'InvalidStateError');
    this.carrying = false;
    this.line ??= new LineRateRadio((await engine()).createSimulatedRadio(this.model));
    this.opened = true;
  }

  async close(): Promise<void> {
    this.opened = false;
    this.claimed = false;
    this.configuration = null;
    this.wake?.();
  }

  async selectConfiguration(value: number): Promise<void> {
    if (!this.opened || value !== 1) throw new DOMException('No such configuration.', 'NotFoundError');
    this.configuration = this.configurations[0];
  }

  async claimInterface(number: number): Promise<void> {
    if (!this.opened || !this.configuration || number !== 0) throw new DOMException('No such interface.', 'NotFoundError');
    this.claimed = true;
  }

  async releaseInterface(): Promise<void> {
    this.claimed = false;
  }

  async controlTransferOut(setup: UsbSetup, data?: BufferSource): Promise<{ bytesWritten: number; status: string }> {
    this.mustBeClaimed();
    const bytes = data ? new Uint8Array(ArrayBuffer.isView(data) ? data.buffer.slice(data.byteOffset, data.byteOffset + data.byteLength) : data) : new Uint8Array(0);
    const ok = this.chip.controlOut(setup, bytes);
    this.record(setup, ok);
    return { bytesWritten: ok ? bytes.length : 0, status: ok ? 'ok' : 'stall' };
  }

  async controlTransferIn(setup: UsbSetup, length: number): Promise<{ data?: DataView; status: string }> {
    this.mustBeClaimed();
    const answer = this.chip.controlIn(setup, length);
    this.record(setup, answer !== null);
    return answer ? { data: new DataView(answer.buffer), status: 'ok' } : { status: 'stall' };
  }

  async transferOut(endpoint: number, data: BufferSource): Promise<{ bytesWritten: number; status: string }> {
    this.mustBeClaimed();
    if (endpoint !== this.chip.endpoints.bulkOut) throw transferError('No such endpoint.');
    const bytes = ArrayBuffer.isView(data) ? new Uint8Array(data.buffer, data.byteOffset, data.byteLength) : new Uint8Array(data);
    this.carrying = true;
    if (this.chip.uart.carriesRadioLine()) {
      this.recorded.heardBytes += bytes.length;
      this.line!.send(bytes.slice());
      this.wake?.();
    } else {
      this.recorded.garbledBytes += bytes.length;
    }
    return { bytesWritten: bytes.length, status: 'ok' };
  }

  // Resolves when the chip hands on what it has received (or, where the
  // chip does so, its status alone when it has nothing); rejects when the
  // device is closed meanwhile.
  async transferIn(endpoint: number, length: number): Promise<{ data: DataView; status: string }> {
    this.mustBeClaimed();
    if (endpoint !== this.chip.endpoints.bulkIn || length < this.chip.endpoints.packetSize) throw transferError('No such endpoint.');
    const line = this.line!;
    const askedAt = performance.now();
    for (;;) {
      const at = this.chip.sendAt(askedAt, line);
      await this.waitUntil(at);
      if (!this.opened) throw new DOMException('The transfer was cancelled.', 'AbortError');
      if (performance.now() < at) continue; // woken by a write: the answer may come sooner
      let count = 0;
      while (line.arrivalOf(count + 1) <= at) count++;
      this.recordHeld(line, count, askedAt, at);
      if (count > 0) this.recorded.radioPackets++;
      const frame = this.chip.frame(line.take(count));
      if (frame.length === 0) continue;
      this.chip.sent(at);
      return { data: new DataView(frame.buffer), status: 'ok' };
    }
  }

  // For a packet that ends one of the radio's answers: how long the chip
  // held it back by its own rules while the host was asking for it (a host
  // that asks late, by design or by a busy page, shows in the transfer's
  // time, not here), and how much later than that the fake's timers were.
  private recordHeld(line: LineRateRadio, count: number, askedAt: number, at: number): void {
    if (count === 0) return;
    const last = line.arrivalOf(count);
    if (line.arrivalOf(count + 1) - last <= kCharacterMs + 1e-9) return;
    this.recorded.chipHeldMs.push(at - Math.max(last, askedAt));
    this.recorded.handedLateMs.push(performance.now() - at);
  }

  // Until the time or a write, whichever comes first.
  private waitUntil(time: number): Promise<void> {
    return new Promise<void>((resolve) => {
      const done = (): void => {
        if (this.wake === done) this.wake = null;
        resolve();
      };
      this.wake = done;
      if (time !== Infinity) void sleepUntil(time).then(done);
    });
  }

  private mustBeClaimed(): void {
    if (!this.opened || !this.claimed) throw new DOMException('The device is not open or its interface not claimed.', 'InvalidStateError');
  }

  private record(s: UsbSetup, ok: boolean): void {
    const hex = (n: number): string => `0x${n.toString(16)}`;
    if (this.carrying) this.recorded.requestsWhileCarrying++;
    this.recorded.requests.push(`${s.requestType} ${hex(s.request)} ${hex(s.value)} ${hex(s.index)}${ok ? '' : ' stalled'}`);
  }
}

class FakeUsb extends EventTarget {
  constructor(
    private readonly device: FakeUsbDevice,
    private granted: boolean,
    private readonly chooserClosed: boolean,
    private readonly recorded: UsbRecorded,
  ) {
    super();
  }

  // The chooser lists the device only when a filter names it.
  async requestDevice({ filters }: { filters: UsbDeviceFilter[] }): Promise<FakeUsbDevice> {
    this.recorded.requestDeviceCalls++;
    const d = this.device;
    const listed = filters.some((f) => f.vendorId === d.vendorId && f.productId === d.productId);
    if (!listed || this.chooserClosed) throw new DOMException('No device selected.', 'NotFoundError');
    this.granted = true;
    return d;
  }

  async getDevices(): Promise<FakeUsbDevice[]> {
    return this.granted ? [this.device] : [];
  }
}

export function installFakeUsb(options: FakeUsbOptions): void {
  const recorded: UsbRecorded = { requests: [], requestDeviceCalls: 0, heardBytes: 0, garbledBytes: 0, chipHeldMs: [], handedLateMs: [], requestsWhileCarrying: 0, radioPackets: 0 };
  const device = new FakeUsbDevice(chips[options.chip](), options.model, recorded);
  const usb = new FakeUsb(device, options.granted ?? false, options.chooserClosed ?? false, recorded);
  Object.defineProperty(navigator, 'usb', { value: usb, configurable: true });
  (window as unknown as { fakeUsb: unknown }).fakeUsb = Object.assign(recorded, {
    device,
    // The cable pulled out: what is under way fails, and the browser says so.
    unplug: () => {
      void device.close();
      usb.dispatchEvent(Object.assign(new Event('disconnect'), { device }));
    },
    radioImage: () => {
      const image = device.radioImage();
      return image ? Array.from(image) : null;
    },
  });
}
