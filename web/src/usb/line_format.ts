import type { Line } from './usb_cable';
import { UsbRefusal } from './usb_cable';

// The line's format as the chips' drivers read it, with the defaults Web
// Serial has: 8 data bits, 1 stop bit, no parity.
export function dataBitsOf(line: Line, supported: number[]): number {
  const bits = line.dataBits ?? 8;
  if (!supported.includes(bits)) throw new UsbRefusal(`This cable's chip has no ${bits}-bit characters.`);
  return bits;
}

export function stopBitsOf(line: Line): 1 | 2 {
  return line.stopBits === 2 ? 2 : 1;
}

export function parityOf(line: Line): 'none' | 'odd' | 'even' {
  return line.parity ?? 'none';
}

// How long one character takes on the line: a start bit, the data bits,
// parity and the stop bits.
export function characterMs(line: Line): number {
  return ((1 + (line.dataBits ?? 8) + (parityOf(line) === 'none' ? 0 : 1) + stopBitsOf(line)) * 1000) / line.baudRate;
}
