import type { ChipDriver, Line, UsbCable } from './usb_cable';
import { dataBitsOf, parityOf, stopBitsOf } from './line_format';

// WCH's CH340 and CH341 in serial mode: vendor requests to the device that
// write pairs of the chip's registers.
export const Ch34xRequest = {
  readVersion: 0x5f,
  readRegisters: 0x95,
  writeRegisters: 0x9a,
  serialInit: 0xa1,
  modemControl: 0xa4,
} as const;

// Register pairs, as the request's value names them (first | second << 8).
export const kCh34xBaudRegisters = 0x1312; // 0x12 prescaler, 0x13 divisor
export const kCh34xLineRegisters = 0x2518; // 0x18 line control, 0x25 its second byte

// The modem control request takes the lines inverted: a 0 bit drives the
// line on. Bit 5 is DTR, bit 6 RTS.
export const kCh34xDtrRtsOn = ~(0x20 | 0x40) & 0xff;

// The baud clock is 6 MHz divided by 8 to the power (3 - prescaler), then by
// (256 - divisor); the largest prescaler whose count fits in the divisor
// register is the most exact. Returns the register pair's value.
export function ch34xBaudRegisters(baud: number): number {
  for (let prescaler = 3; prescaler >= 0; prescaler--) {
    const count = Math.round(6_000_000 / (8 ** (3 - prescaler) * baud));
    if (count >= 2 && count <= 256) return ((256 - count) << 8) | prescaler;
  }
  throw new RangeError(`${baud} baud is beyond the CH34x chip's divider.`);
}

// Line control: receiver and transmitter on (0xc0), word length in bits 0-1
// (0 five to 3 eight), two stop bits in bit 2, parity on in bit 3 with odd
// (0) or even (1) in bits 4-5.
export function ch34xLineControl(line: Line): number {
  const parity = parityOf(line);
  const parityBits = parity === 'none' ? 0 : parity === 'odd' ? 0x08 : 0x18;
  return 0xc0 | (dataBitsOf(line, [5, 6, 7, 8]) - 5) | (stopBitsOf(line) === 2 ? 0x04 : 0) | parityBits;
}

export class Ch34xDriver implements ChipDriver {
  readonly chip = 'WCH CH340/CH341';

  constructor(private readonly cable: UsbCable) {}

  async configure(line: Line): Promise<void> {
    const baud = ch34xBaudRegisters(line.baudRate);
    await this.cable.controlIn('vendor', 'device', Ch34xRequest.readVersion, 0, 0, 2);
    await this.request(Ch34xRequest.serialInit, 0, 0);
    await this.request(Ch34xRequest.writeRegisters, kCh34xBaudRegisters, baud);
    await this.request(Ch34xRequest.writeRegisters, kCh34xLineRegisters, ch34xLineControl(line));
    await this.request(Ch34xRequest.modemControl, kCh34xDtrRtsOn, 0);
  }

  // The chip has no request that empties its small receive buffer, which it
  // hands on at once: what it held is in the link's queue, which the link
  // empties itself.
  async purge(): Promise<void> {}

  received(data: DataView): Uint8Array {
    return new Uint8Array(data.buffer, data.byteOffset, data.byteLength).slice();
  }

  private request(request: number, value: number, index: number): Promise<void> {
    return this.cable.controlOut('vendor', 'device', request, value, index);
  }
}
