// A fake Silicon Labs CP2102, from its virtual COM port interface: vendor
// requests to interface 0.
import { FakeChip } from './fake_chip';
import type { UsbSetup } from '../../src/usb/webusb';

export class FakeCp210x extends FakeChip {
  readonly vendorId = 0x10c4;
  readonly productId = 0xea60;
  readonly bcdDevice = 0x0100;
  readonly endpoints = { bulkIn: 1, bulkOut: 1, packetSize: 64 };

  constructor() {
    super();
    this.uart.enabled = false; // the interface is off until IFC_ENABLE
  }

  controlOut(s: UsbSetup, data: Uint8Array): boolean {
    if (s.requestType !== 'vendor' || s.recipient !== 'interface' || s.index !== 0) return false;
    switch (s.request) {
      case 0x00: // IFC_ENABLE
        if (s.value > 1) return false;
        this.uart.enabled = s.value === 1;
        return true;
      case 0x1e: // SET_BAUDRATE: 4 bytes, least significant first
        if (data.length !== 4) return false;
        this.uart.rate = new DataView(data.buffer, data.byteOffset).getUint32(0, true);
        return true;
      case 0x03: // SET_LINE_CTL: stop bits in 0-3, parity in 4-7, word length in 8-15
        return this.setLineCtl(s.value);
      case 0x07: // SET_MHS: DTR bit 0, RTS bit 1, each with its mask in bits 8 and 9
        if (s.value & 0x100) this.uart.dtr = (s.value & 1) !== 0;
        if (s.value & 0x200) this.uart.rts = (s.value & 2) !== 0;
        return true;
      case 0x12: // PURGE: bits 1 and 3 clear the receive queue
        if (s.value > 0x0f) return false;
        if (s.value & 0x0a) this.purgeReceived();
        return true;
      default:
        return false;
    }
  }

  controlIn(): Uint8Array | null {
    return null;
  }

  private setLineCtl(value: number): boolean {
    const stop = value & 0x0f;
    const parity = (value >> 4) & 0x0f;
    const bits = value >> 8;
    if (stop > 2 || parity > 4 || bits < 5 || bits > 8) return false;
    this.uart.stopBits = stop === 2 ? 2 : 1;
    this.uart.parity = parity;
    this.uart.dataBits = bits;
    return true;
  }
}
