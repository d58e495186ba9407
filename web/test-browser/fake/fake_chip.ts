// The four chip families as their data sheets describe them to a host: the
// control requests each answers, what each does with them, and how each
// frames the bytes it receives. Anything else is refused with a stall, as
// the chips do. Written on their own from the data sheets, not from the
// page's drivers, so that a driver's mistake is not repeated here.
import type { LineRateRadio } from '../../src/line_rate_radio';
import type { UsbSetup } from '../../src/usb/webusb';

// pl2303hxn2303: a G-family chip on the HX's product id, told apart only by
// the register reads it answers.
export type ChipName = 'ftdi' | 'pl2303hx' | 'pl2303hxn' | 'pl2303hxn2303' | 'ch340' | 'cp210x';

// The UART as the host has set it up. A chip keeps its settings while it is
// powered, so a driver that sets nothing finds them as the last program left
// them: 19200 baud, 7 data bits, even parity, DTR and RTS off.
export class UartState {
  rate = 19200;
  dataBits = 7;
  parity = 2; // 0 none, 1 odd, 2 even, 3 mark, 4 space
  stopBits = 1;
  dtr = false;
  rts = false;
  flowControl = false;
  enabled = true;

  // The radio's line is 9600 baud 8N1, which a UART receives within a few
  // per cent of its rate; the cable's level shifter is powered from DTR and
  // RTS.
  carriesRadioLine(): boolean {
    const rateRight = Math.abs(this.rate - 9600) / 9600 < 0.03;
    return rateRight && this.dataBits === 8 && this.parity === 0 && this.stopBits === 1 && this.dtr && this.rts && !this.flowControl && this.enabled;
  }
}

export interface Endpoints {
  bulkIn: number;
  bulkOut: number;
  interruptIn?: number;
  packetSize: number;
}

export abstract class FakeChip {
  readonly uart = new UartState();
  abstract readonly vendorId: number;
  abstract readonly productId: number;
  abstract readonly bcdDevice: number;
  abstract readonly endpoints: Endpoints;
  // Set by the device: empties what the chip has received.
  purgeReceived: () => void = () => undefined;

  // true when the chip takes the request; false stalls it.
  abstract controlOut(setup: UsbSetup, data: Uint8Array): boolean;
  // The answer to an IN request, or null to stall it.
  abstract controlIn(setup: UsbSetup, length: number): Uint8Array | null;

  // When the chip answers an IN request the host made at askedAt, with what
  // has come from the line by then: for most chips once the burst on its way
  // is through (Infinity while nothing is).
  sendAt(askedAt: number, line: LineRateRadio): number {
    return Math.max(askedAt, line.burstEnd());
  }

  // Told when the chip sent a packet.
  sent(_at: number): void {}

  // What an IN transfer carries for these received bytes. A chip that
  // sends nothing when it has nothing leaves the request waiting.
  frame(received: Uint8Array): Uint8Array {
    return received;
  }
}

export const isVendorDevice = (s: UsbSetup): boolean => s.requestType === 'vendor' && s.recipient === 'device';
