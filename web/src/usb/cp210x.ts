import type { ChipDriver, Line, UsbCable } from './usb_cable';
import { dataBitsOf, parityOf, stopBitsOf } from './line_format';

// Silicon Labs' CP210x bridges: vendor requests to the interface, as the
// chip's virtual COM port interface describes them.
export const Cp210xRequest = {
  ifcEnable: 0x00,
  setLineCtl: 0x03,
  setMhs: 0x07,
  purge: 0x12,
  setBaudRate: 0x1e,
} as const;

// SET_MHS: DTR and RTS on, each with the mask bit that lets it change.
export const kCp210xDtrRtsOn = 0x0303;
// PURGE: both transmit and receive queues, in each of the two bit pairs.
export const kCp210xPurgeAll = 0x000f;

// SET_BAUDRATE carries the rate itself in 4 bytes, least significant first.
export function cp210xBaudData(baud: number): Uint8Array {
  const data = new Uint8Array(4);
  new DataView(data.buffer).setUint32(0, baud, true);
  return data;
}

// Stop bits in bits 0-3 (0 one, 2 two), parity in 4-7 (0 none, 1 odd, 2
// even), the word length in 8-15.
export function cp210xLineCtl(line: Line): number {
  const parity = { none: 0, odd: 1, even: 2 }[parityOf(line)];
  return (stopBitsOf(line) === 2 ? 2 : 0) | (parity << 4) | (dataBitsOf(line, [5, 6, 7, 8]) << 8);
}

export class Cp210xDriver implements ChipDriver {
  readonly chip = 'Silicon Labs CP210x';

  constructor(private readonly cable: UsbCable) {}

  async configure(line: Line): Promise<void> {
    await this.request(Cp210xRequest.ifcEnable, 1);
    await this.request(Cp210xRequest.setBaudRate, 0, cp210xBaudData(line.baudRate));
    await this.request(Cp210xRequest.setLineCtl, cp210xLineCtl(line));
    await this.request(Cp210xRequest.setMhs, kCp210xDtrRtsOn);
  }

  purge(): Promise<void> {
    return this.request(Cp210xRequest.purge, kCp210xPurgeAll);
  }

  received(data: DataView): Uint8Array {
    return new Uint8Array(data.buffer, data.byteOffset, data.byteLength).slice();
  }

  private request(request: number, value: number, data?: Uint8Array): Promise<void> {
    return this.cable.controlOut('vendor', 'interface', request, value, this.cable.interfaceNumber, data);
  }
}
