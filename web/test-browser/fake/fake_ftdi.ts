// A fake FTDI chip, from the FT232R data sheet and FTDI's application notes.
import { FakeChip, isVendorDevice } from './fake_chip';
import type { LineRateRadio } from '../../src/line_rate_radio';
import type { UsbSetup } from '../../src/usb/webusb';

// FT232R: vendor requests to the device on port index 0; a baud divisor of
// 3 MHz over 14 whole bits and eighths; two status bytes at the start of
// every 64-byte packet, sent also with nothing else when the latency timer
// has run out.
export class FakeFtdi extends FakeChip {
  readonly vendorId = 0x0403;
  readonly productId = 0x6001;
  readonly bcdDevice = 0x0600;
  readonly endpoints = { bulkIn: 1, bulkOut: 2, packetSize: 64 };
  latencyMs = 16;
  private lastSentAt = performance.now();

  controlOut(s: UsbSetup): boolean {
    if (!isVendorDevice(s)) return false;
    const port = s.index & 0xff;
    switch (s.request) {
      case 0: // reset (0), purge receive (1), purge transmit (2)
        if (s.value > 2 || s.index !== 0) return false;
        if (s.value !== 2) this.purgeReceived();
        return true;
      case 1: // modem control: DTR in bit 0, RTS in bit 1, each set only with its mask bit (8, 9)
        if (port !== 0) return false;
        if (s.value & 0x100) this.uart.dtr = (s.value & 1) !== 0;
        if (s.value & 0x200) this.uart.rts = (s.value & 2) !== 0;
        return true;
      case 2: // flow control in the index's high byte
        if (port !== 0) return false;
        this.uart.flowControl = s.index >> 8 !== 0;
        return true;
      case 3: {
        // The sub-integer code's third bit is the index's bit 0.
        if (s.index > 1) return false;
        const eighths = [0, 4, 2, 1, 3, 5, 6, 7][(s.value >> 14) | (s.index << 2)];
        const whole = s.value & 0x3fff;
        this.uart.rate = whole === 0 ? 3_000_000 : whole === 1 ? 2_000_000 : 3_000_000 / (whole + eighths / 8);
        return true;
      }
      case 4: {
        if (port !== 0 || (s.value & 0xff) < 7 || (s.value & 0xff) > 8) return false;
        this.uart.dataBits = s.value & 0xff;
        this.uart.parity = (s.value >> 8) & 7;
        this.uart.stopBits = ((s.value >> 11) & 7) === 2 ? 2 : 1;
        return true;
      }
      case 9:
        if (port !== 0 || s.value < 1 || s.value > 255) return false;
        this.latencyMs = s.value;
        return true;
      default:
        return false;
    }
  }

  controlIn(): Uint8Array | null {
    return null;
  }

  // The latency timer counts from the last packet the chip sent. Asked for
  // a packet, the chip sends one once 62 bytes fill it or the timer has run
  // out, with what has come by then: an asking host that finds the timer
  // run out gets its packet at once.
  sendAt(askedAt: number, line: LineRateRadio): number {
    return Math.max(askedAt, Math.min(this.lastSentAt + this.latencyMs, line.arrivalOf(62)));
  }

  sent(at: number): void {
    this.lastSentAt = at;
  }

  frame(received: Uint8Array): Uint8Array {
    const packets = Math.max(1, Math.ceil(received.length / 62));
    const out = new Uint8Array(received.length + 2 * packets);
    for (let p = 0; p < packets; p++) {
      out.set([0x01, 0x60], p * 64); // modem status, line status (transmitter empty)
      out.set(received.subarray(p * 62, p * 62 + 62), p * 64 + 2);
    }
    return out;
  }
}
