import type { ChipDriver, Line, UsbCable } from './usb_cable';
import { dataBitsOf, parityOf, stopBitsOf } from './line_format';

// FTDI's FT232R and FT-X (FT231X, FT230X) chips: vendor requests to the
// device, every one naming the chip's single port as index 0.

export const FtdiRequest = {
  reset: 0x00, // value 0 resets the port, 1 purges receive, 2 purges transmit
  modemControl: 0x01,
  setFlowControl: 0x02,
  setBaudRate: 0x03,
  setData: 0x04,
  setLatencyTimer: 0x09,
} as const;

// DTR and RTS on, each with the bit that says it is being set.
export const kFtdiDtrRtsOn = 0x0303;

// The baud rate generator divides 3 MHz by an integer of 14 bits and a
// fraction in eighths; the eighths are coded in bits 14 and 15 of the value
// and bit 0 of the index, in the chip's own order (0, 1/2, 1/4, 1/8, 3/8,
// 5/8, 3/4, 7/8 for codes 0 to 7).
const kBaseClock = 3_000_000;
const kFractionCode = [0, 3, 2, 4, 1, 5, 6, 7]; // by eighths

export function ftdiBaudDivisor(baud: number): { value: number; index: number } {
  const eighths = Math.round((kBaseClock * 8) / baud);
  const whole = eighths >> 3;
  if (whole < 2 || whole > 0x3fff) throw new RangeError(`${baud} baud is beyond the FTDI chip's divider.`);
  const encoded = whole | (kFractionCode[eighths & 7] << 14);
  return { value: encoded & 0xffff, index: encoded >>> 16 };
}

// Data bits in bits 0-7, parity in bits 8-10 (0 none, 1 odd, 2 even), stop
// bits in 11-13 (0 one, 2 two).
export function ftdiDataValue(line: Line): number {
  const parity = { none: 0, odd: 1, even: 2 }[parityOf(line)];
  return dataBitsOf(line, [7, 8]) | (parity << 8) | ((stopBitsOf(line) === 2 ? 2 : 0) << 11);
}

export class FtdiDriver implements ChipDriver {
  readonly chip = 'FTDI';
  readonly holdsShortAnswers = true;

  constructor(private readonly cable: UsbCable) {}

  async configure(line: Line): Promise<void> {
    const divisor = ftdiBaudDivisor(line.baudRate);
    await this.request(FtdiRequest.reset, 0);
    await this.request(FtdiRequest.setBaudRate, divisor.value, divisor.index);
    await this.request(FtdiRequest.setData, ftdiDataValue(line));
    await this.request(FtdiRequest.setFlowControl, 0);
    await this.request(FtdiRequest.modemControl, kFtdiDtrRtsOn);
    // The chip hands on a part-filled packet only when its latency timer
    // runs out, 16 ms by default: on the radio's line, where every block is
    // an answer of its own, that would add a third to a read.
    await this.request(FtdiRequest.setLatencyTimer, 1);
  }

  async purge(): Promise<void> {
    await this.request(FtdiRequest.reset, 1);
    await this.request(FtdiRequest.reset, 2);
  }

  // Every packet of maxPacketSize begins with the chip's two status bytes
  // (modem lines, line errors), also when it carries nothing else.
  received(data: DataView, packetSize: number): Uint8Array {
    const bytes = new Uint8Array(data.buffer, data.byteOffset, data.byteLength);
    const parts: Uint8Array[] = [];
    for (let at = 0; at < bytes.length; at += packetSize) parts.push(bytes.subarray(at + 2, Math.min(at + packetSize, bytes.length)));
    const out = new Uint8Array(parts.reduce((n, p) => n + p.length, 0));
    let filled = 0;
    for (const part of parts) {
      out.set(part, filled);
      filled += part.length;
    }
    return out;
  }

  private request(request: number, value: number, index = 0): Promise<void> {
    return this.cable.controlOut('vendor', 'device', request, value, index);
  }
}
