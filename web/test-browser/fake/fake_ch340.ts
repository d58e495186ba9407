// A fake WCH CH340: vendor requests to the device, registers written and
// read in pairs named by the request's value.
import { FakeChip, isVendorDevice } from './fake_chip';
import type { UsbSetup } from '../../src/usb/webusb';

export class FakeCh340 extends FakeChip {
  readonly vendorId = 0x1a86;
  readonly productId = 0x7523;
  readonly bcdDevice = 0x0254;
  readonly endpoints = { interruptIn: 1, bulkOut: 2, bulkIn: 2, packetSize: 32 };

  controlOut(s: UsbSetup): boolean {
    if (!isVendorDevice(s)) return false;
    if (s.request === 0xa1) return true; // serial init
    if (s.request === 0xa4) {
      // modem control, active low: bit 5 DTR, bit 6 RTS
      this.uart.dtr = (s.value & 0x20) === 0;
      this.uart.rts = (s.value & 0x40) === 0;
      return true;
    }
    if (s.request !== 0x9a) return false;
    if (s.value === 0x1312) return this.setBaud(s.index & 0xff, s.index >> 8);
    if (s.value === 0x2518) return this.setLineControl(s.index & 0xff, s.index >> 8);
    return false;
  }

  controlIn(s: UsbSetup, length: number): Uint8Array | null {
    if (!isVendorDevice(s) || length !== 2) return null;
    if (s.request === 0x5f) return Uint8Array.of(0x31, 0x00); // version
    if (s.request === 0x95 && s.value === 0x0706) return Uint8Array.of(0xff, 0xee); // modem status
    return null;
  }

  // Register 0x12 (prescaler 0 to 3; bit 7 may be set) and 0x13 (divisor):
  // 6 MHz / 8^(3 - prescaler) / (256 - divisor).
  private setBaud(prescaler: number, divisor: number): boolean {
    const scale = prescaler & 0x7f;
    if (scale > 3 || divisor >= 255) return false;
    this.uart.rate = 6_000_000 / (8 ** (3 - scale) * (256 - divisor));
    return true;
  }

  // Register 0x18: receiver and transmitter on (0xc0), word length in bits
  // 0-1, two stop bits in bit 2, parity on in bit 3, its kind in bits 4-5.
  private setLineControl(lcr: number, second: number): boolean {
    if (second !== 0) return false;
    this.uart.enabled = (lcr & 0xc0) === 0xc0;
    this.uart.dataBits = (lcr & 3) + 5;
    this.uart.stopBits = lcr & 4 ? 2 : 1;
    this.uart.parity = lcr & 8 ? [1, 2, 3, 4][(lcr >> 4) & 3] : 0;
    return true;
  }
}
