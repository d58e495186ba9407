// The one table of cable chips: what the doctor names a cable, whether the
// USB chooser offers it, and which driver takes it, all from the same row.
import assert from 'node:assert/strict';
import { before, test } from 'node:test';
import { loadTs } from './load_ts.mjs';

let chips;
before(async () => {
  chips = await loadTs('usb/cable_chips.ts');
});

// [vendor id, product id, chip, offered and driven by the page]
const cables = [
  [0x0403, 0x6001, 'FTDI', true],
  [0x0403, 0x6015, 'FTDI', true],
  [0x0403, 0x6010, 'FTDI', false], // two ports behind one id
  [0x067b, 0x2303, 'PL2303', true],
  [0x067b, 0x23c3, 'PL2303', true],
  [0x1a86, 0x7522, 'CH340/CH341', true],
  [0x10c4, 0xea60, 'CP210x', true],
  [0x10c4, 0xea70, 'CP210x', false],
  [0x10c4, 0x8a2a, null, false], // another product of a chip maker
];

for (const [vendorId, productId, chip, driven] of cables) {
  test(`${vendorId.toString(16)}:${productId.toString(16)} is ${chip ?? 'no cable chip'}${driven ? ', offered and driven' : ''}`, () => {
    const offered = chips.kUsbCableFilters.some((f) => f.vendorId === vendorId && f.productId === productId);
    assert.deepEqual([chips.chipOf(vendorId, productId), offered, chips.drivenChipOf(vendorId, productId)], [chip, driven, driven ? chip : null]);
  });
}
