// What the USB cable drivers put into the chips' registers for a baud rate
// and a line format, against the values the chips' data sheets and
// application notes give.
import assert from 'node:assert/strict';
import { before, describe, test } from 'node:test';
import { loadTs } from './load_ts.mjs';

let ftdi;
let ch34x;
let cp210x;
let pl2303;
before(async () => {
  [ftdi, ch34x, cp210x, pl2303] = await Promise.all(['usb/ftdi.ts', 'usb/ch34x.ts', 'usb/cp210x.ts', 'usb/pl2303.ts'].map(loadTs));
});

const hex = (n) => `0x${n.toString(16)}`;

describe('the baud rate a chip is set to', () => {
  const cases = [
    // FTDI: 3 MHz over the divisor; eighths coded in bits 14-15 and index bit 0.
    { chip: 'FTDI', baud: 300, want: '0x2710 0x0' },
    { chip: 'FTDI', baud: 2400, want: '0x4e2 0x0' },
    { chip: 'FTDI', baud: 9600, want: '0x4138 0x0' }, // 312.5
    { chip: 'FTDI', baud: 14400, want: '0xd0 0x1' }, // 208.375: the code that needs the index
    { chip: 'FTDI', baud: 19200, want: '0x809c 0x0' }, // 156.25
    { chip: 'FTDI', baud: 38400, want: '0xc04e 0x0' }, // 78.125
    { chip: 'FTDI', baud: 57600, want: '0xc034 0x0' },
    { chip: 'FTDI', baud: 115200, want: '0x1a 0x0' },
    { chip: 'FTDI', baud: 921600, want: '0x8003 0x0' },
    // CH34x: divisor register 0x13 in the high byte, prescaler 0x12 in the low.
    { chip: 'CH34x', baud: 2400, want: '0xd901' },
    { chip: 'CH34x', baud: 4800, want: '0x6402' },
    { chip: 'CH34x', baud: 9600, want: '0xb202' },
    { chip: 'CH34x', baud: 19200, want: '0xd902' },
    { chip: 'CH34x', baud: 38400, want: '0x6403' },
    { chip: 'CH34x', baud: 115200, want: '0xcc03' },
    // CP210x and PL2303: the rate itself, least significant byte first.
    { chip: 'CP210x', baud: 9600, want: '80 25 00 00' },
    { chip: 'CP210x', baud: 115200, want: '00 c2 01 00' },
    { chip: 'PL2303', baud: 9600, want: '80 25 00 00 00 00 08' },
  ];
  const bytes = (data) => Array.from(data, (b) => b.toString(16).padStart(2, '0')).join(' ');
  const encode = {
    FTDI: (baud) => {
      const { value, index } = ftdi.ftdiBaudDivisor(baud);
      return `${hex(value)} ${hex(index)}`;
    },
    CH34x: (baud) => hex(ch34x.ch34xBaudRegisters(baud)),
    CP210x: (baud) => bytes(cp210x.cp210xBaudData(baud)),
    PL2303: (baud) => bytes(pl2303.pl2303LineCoding({ baudRate: baud })),
  };
  for (const c of cases) {
    test(`${c.chip} at ${c.baud} baud`, () => assert.equal(encode[c.chip](c.baud), c.want));
  }

  test('a rate beyond a divider is refused, not rounded to another', () => {
    assert.throws(() => ftdi.ftdiBaudDivisor(100), RangeError);
    assert.throws(() => ch34x.ch34xBaudRegisters(20), RangeError);
  });
});

describe('the line format a chip is set to', () => {
  const formats = {
    '8N1': { baudRate: 9600 },
    '7E1': { baudRate: 9600, dataBits: 7, parity: 'even' },
    '8O2': { baudRate: 9600, parity: 'odd', stopBits: 2 },
  };
  const cases = [
    { chip: 'FTDI', format: '8N1', want: 0x0008 },
    { chip: 'FTDI', format: '7E1', want: 0x0207 },
    { chip: 'FTDI', format: '8O2', want: 0x1108 },
    { chip: 'CH34x', format: '8N1', want: 0xc3 },
    { chip: 'CH34x', format: '7E1', want: 0xda },
    { chip: 'CH34x', format: '8O2', want: 0xcf },
    { chip: 'CP210x', format: '8N1', want: 0x0800 },
    { chip: 'CP210x', format: '7E1', want: 0x0720 },
    { chip: 'CP210x', format: '8O2', want: 0x0812 },
    { chip: 'PL2303', format: '7E1', want: 0x070200 }, // stop, parity, data bits: bytes 4-6
  ];
  const encode = {
    FTDI: (line) => ftdi.ftdiDataValue(line),
    CH34x: (line) => ch34x.ch34xLineControl(line),
    CP210x: (line) => cp210x.cp210xLineCtl(line),
    PL2303: (line) => {
      const c = pl2303.pl2303LineCoding(line);
      return (c[6] << 16) | (c[5] << 8) | c[4];
    },
  };
  for (const c of cases) {
    test(`${c.chip} ${c.format}`, () => assert.equal(hex(encode[c.chip](formats[c.format])), hex(c.want)));
  }
});
