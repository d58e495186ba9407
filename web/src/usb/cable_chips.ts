// The USB serial chips programming cables are built on, by the vendor and
// product ids their makers assign. One table for the whole page: the cable
// doctor names a cable's chip by it, and the USB chooser offers, and the
// page's own drivers drive, the rows marked driven.
export type Chip = 'FTDI' | 'PL2303' | 'CH340/CH341' | 'CP210x';

export interface CableChip {
  chip: Chip;
  vendorId: number;
  productId: number;
  // The page's driver for this chip was built for this part. The others
  // (several ports behind one id, or a part the drivers were not made for)
  // are named, and reached through Web Serial only.
  driven: boolean;
}

const row = (chip: Chip, vendorId: number, productId: number, driven: boolean): CableChip => ({ chip, vendorId, productId, driven });

export const kCableChips: readonly CableChip[] = [
  row('FTDI', 0x0403, 0x6001, true), // FT232R, FT232BM
  row('FTDI', 0x0403, 0x6015, true), // FT-X series (FT231X, FT230X)
  row('FTDI', 0x0403, 0x6010, false), // FT2232, two ports
  row('FTDI', 0x0403, 0x6011, false), // FT4232, four ports
  row('FTDI', 0x0403, 0x6014, false), // FT232H
  row('PL2303', 0x067b, 0x2303, true), // the HX family, and G chips that keep its id
  ...[0x23a3, 0x23b3, 0x23c3, 0x23d3, 0x23e3, 0x23f3].map((id) => row('PL2303', 0x067b, id, true)), // the G family
  row('CH340/CH341', 0x1a86, 0x7523, true), // CH340
  row('CH340/CH341', 0x1a86, 0x7522, true), // CH340K
  row('CH340/CH341', 0x1a86, 0x5523, true), // CH341 in serial mode
  row('CP210x', 0x10c4, 0xea60, true), // CP2102, CP2102N, CP2104
  row('CP210x', 0x10c4, 0xea63, false),
  row('CP210x', 0x10c4, 0xea70, false), // CP2105, two ports
  row('CP210x', 0x10c4, 0xea71, false), // CP2108, four ports
];

const rowOf = (vendorId?: number, productId?: number): CableChip | undefined =>
  kCableChips.find((c) => c.vendorId === vendorId && c.productId === productId);

// The chip a cable is built on, as far as its ids tell.
export const chipOf = (vendorId?: number, productId?: number): Chip | null => rowOf(vendorId, productId)?.chip ?? null;

// The chip whose driver in the page takes this cable, or null.
export const drivenChipOf = (vendorId: number, productId: number): Chip | null => {
  const found = rowOf(vendorId, productId);
  return found?.driven ? found.chip : null;
};

// What the USB chooser lists: the driven rows.
export const kUsbCableFilters: { vendorId: number; productId: number }[] = kCableChips
  .filter((c) => c.driven)
  .map(({ vendorId, productId }) => ({ vendorId, productId }));
