import { type ChipDriver, type Line, type UsbCable, UsbRefusal } from './usb_cable';
import { dataBitsOf, parityOf, stopBitsOf } from './line_format';

// Prolific's PL2303: the HX family (HXA, HXD, TA, TB) on product id 2303,
// and the newer G family (HXN: GC, GB, GT, GL, GE, GS) on ids of its own,
// which has other vendor requests for its registers and its purge. Both take
// the line through the communications class's SET_LINE_CODING.
const kHxProduct = 0x2303;

export type Pl2303Type = 'HX' | 'HXN';

export const Pl2303Request = {
  hxRegister: 0x01, // HX: read (value = register | 0x80) and write
  hxnWrite: 0x80,
  hxnRead: 0x81,
  setLineCoding: 0x20,
  setControlLineState: 0x22,
} as const;

// HX registers written at start-up: 0 (flow control, 0 for none), 1 and 2
// (0x44 on the HX); 8 and 9 purge the receive and transmit pipes.
export const Pl2303HxRegister = { flowControl: 0x00, one: 0x01, two: 0x02, purgeReceive: 0x08, purgeTransmit: 0x09 } as const;
// The G family's registers: its reset register purges both pipes with 0x03;
// its flow control register takes 0x1c for none.
export const Pl2303HxnRegister = { flowControl: 0x0a, reset: 0x07 } as const;
export const kPl2303HxnPurgeBoth = 0x03;
export const kPl2303HxnNoFlowControl = 0x1c;

// The seven bytes of SET_LINE_CODING: the rate, least significant byte
// first; stop bits (0 one, 2 two); parity (0 none, 1 odd, 2 even); data bits.
export function pl2303LineCoding(line: Line): Uint8Array {
  const coding = new Uint8Array(7);
  new DataView(coding.buffer).setUint32(0, line.baudRate, true);
  coding[4] = stopBitsOf(line) === 2 ? 2 : 0;
  coding[5] = { none: 0, odd: 1, even: 2 }[parityOf(line)];
  coding[6] = dataBitsOf(line, [5, 6, 7, 8]);
  return coding;
}

export class Pl2303Driver implements ChipDriver {
  chip = 'Prolific PL2303';
  type: Pl2303Type = 'HX';

  constructor(private readonly cable: UsbCable) {}

  async configure(line: Line): Promise<void> {
    this.type = await this.detectType();
    this.chip = `Prolific PL2303 ${this.type === 'HX' ? 'HX' : 'G (HXN)'}`;
    if (this.type === 'HX') {
      await this.writeHx(Pl2303HxRegister.flowControl, 0);
      await this.writeHx(Pl2303HxRegister.one, 0);
      await this.writeHx(Pl2303HxRegister.two, 0x44);
    } else {
      await this.vendorOut(Pl2303Request.hxnWrite, Pl2303HxnRegister.flowControl, kPl2303HxnNoFlowControl);
    }
    await this.cable.controlOut('class', 'interface', Pl2303Request.setLineCoding, 0, this.cable.interfaceNumber, pl2303LineCoding(line));
    await this.cable.controlOut('class', 'interface', Pl2303Request.setControlLineState, 0x03, this.cable.interfaceNumber);
  }

  async purge(): Promise<void> {
    if (this.type === 'HXN') {
      await this.vendorOut(Pl2303Request.hxnWrite, Pl2303HxnRegister.reset, kPl2303HxnPurgeBoth);
      return;
    }
    await this.writeHx(Pl2303HxRegister.purgeReceive, 0);
    await this.writeHx(Pl2303HxRegister.purgeTransmit, 0);
  }

  received(data: DataView): Uint8Array {
    return new Uint8Array(data.buffer, data.byteOffset, data.byteLength).slice();
  }

  // A G chip on an id of its own is one; a chip on the HX's id is taken for an
  // HX when it answers the HX's register read, and for a G chip when it
  // refuses that read but answers the G family's.
  private async detectType(): Promise<Pl2303Type> {
    if (this.cable.device.productId !== kHxProduct) return 'HXN';
    try {
      await this.cable.controlIn('vendor', 'device', Pl2303Request.hxRegister, 0x80 | Pl2303HxRegister.flowControl, 0, 1);
      return 'HX';
    } catch (error) {
      if (!(error instanceof UsbRefusal)) throw error;
      await this.cable.controlIn('vendor', 'device', Pl2303Request.hxnRead, Pl2303HxnRegister.flowControl, 0, 1);
      return 'HXN';
    }
  }

  private writeHx(register: number, value: number): Promise<void> {
    return this.vendorOut(Pl2303Request.hxRegister, register, value);
  }

  private vendorOut(request: number, value: number, index: number): Promise<void> {
    return this.cable.controlOut('vendor', 'device', request, value, index);
  }
}
