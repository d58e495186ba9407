// Fake Prolific chips, from the PL2303HX and PL2303G data sheets: the HX
// reads and writes its registers with vendor request 1 (a read names the
// register with bit 7 set), the G family with 0x80 (write) and 0x81 (read)
// and refuses request 1; both take the line through the communications
// class's requests to interface 0.
import { FakeChip, isVendorDevice } from './fake_chip';
import type { UsbSetup } from '../../src/usb/webusb';

// The HX keeps to the standard rates; it has no divisor for others.
const kHxRates = [75, 150, 300, 600, 1200, 1800, 2400, 3600, 4800, 7200, 9600, 14400, 19200, 28800, 38400, 57600, 115200, 230400, 460800, 614400, 921600, 1228800, 2457600, 3000000, 6000000];

export class FakePl2303 extends FakeChip {
  readonly vendorId = 0x067b;
  readonly productId: number;
  readonly bcdDevice: number;
  readonly endpoints = { interruptIn: 1, bulkOut: 2, bulkIn: 3, packetSize: 64 };
  private readonly registers = new Map<number, number>();

  constructor(readonly type: 'HX' | 'HXN', productId?: number) {
    super();
    this.productId = productId ?? (type === 'HX' ? 0x2303 : 0x23a3); // HXN: the PL2303GC
    this.bcdDevice = type === 'HX' ? 0x0300 : 0x0100;
    this.registers.set(0, 0x41); // flow control as the last program left it: RTS/CTS
    this.uart.flowControl = true;
  }

  controlOut(s: UsbSetup, data: Uint8Array): boolean {
    if (s.requestType === 'class') return this.classOut(s, data);
    if (!isVendorDevice(s)) return false;
    if (this.type === 'HX') return s.request === 0x01 && this.writeHx(s.value, s.index);
    return s.request === 0x80 && this.writeHxn(s.value, s.index);
  }

  controlIn(s: UsbSetup, length: number): Uint8Array | null {
    if (s.requestType === 'class') return null;
    if (!isVendorDevice(s) || length !== 1) return null;
    if (this.type === 'HX' && s.request === 0x01 && s.value & 0x80) return Uint8Array.of(this.registers.get(s.value & 0x7f) ?? 0);
    if (this.type === 'HXN' && s.request === 0x81 && s.value < 0x100) return Uint8Array.of(this.registers.get(s.value) ?? 0);
    return null;
  }

  // Registers 0 to 15; 0 is flow control (0 for none), 8 and 9 purge the
  // receive and transmit pipes.
  private writeHx(register: number, value: number): boolean {
    if (register > 0x0f || value > 0xff) return false;
    this.registers.set(register, value);
    if (register === 0) this.uart.flowControl = value !== 0;
    if (register === 8) this.purgeReceived();
    return true;
  }

  // Register 0x0a is flow control (bits 2-4 all set for none), 0x07 resets
  // the pipes (bit 0 transmit, bit 1 receive).
  private writeHxn(register: number, value: number): boolean {
    if (register > 0xff || value > 0xff) return false;
    this.registers.set(register, value);
    if (register === 0x0a) this.uart.flowControl = (value & 0x1c) !== 0x1c;
    if (register === 0x07 && value & 0x02) this.purgeReceived();
    return true;
  }

  // SET_LINE_CODING (0x20) with its 7 bytes, SET_CONTROL_LINE_STATE (0x22)
  // with DTR in bit 0 and RTS in bit 1.
  private classOut(s: UsbSetup, data: Uint8Array): boolean {
    if (s.recipient !== 'interface' || s.index !== 0) return false;
    if (s.request === 0x22) {
      this.uart.dtr = (s.value & 1) !== 0;
      this.uart.rts = (s.value & 2) !== 0;
      return true;
    }
    if (s.request !== 0x20 || data.length !== 7) return false;
    const rate = new DataView(data.buffer, data.byteOffset).getUint32(0, true);
    if (![5, 6, 7, 8].includes(data[6]) || data[4] > 2 || data[5] > 4) return false;
    this.uart.rate = this.type === 'HXN' || kHxRates.includes(rate) ? rate : NaN;
    this.uart.stopBits = data[4] === 2 ? 2 : 1;
    this.uart.parity = data[5];
    this.uart.dataBits = data[6];
    return true;
  }
}
