import { Ch34xDriver, kCh34xIds } from './ch34x';
import { Cp210xDriver, kCp210xIds } from './cp210x';
import { FtdiDriver, kFtdiIds } from './ftdi';
import { kPl2303Ids, Pl2303Driver } from './pl2303';
import { type ChipDriver, type Line, UsbCable } from './usb_cable';
import { UsbSerialLink } from './usb_link';
import { type UsbDevice, type UsbDeviceFilter, webUsb } from './webusb';

// The four chip families programming cables are built on, by the vendor and
// product ids the browser's USB chooser lists.
const kFamilies: { ids: UsbDeviceFilter[]; driver: (cable: UsbCable) => ChipDriver }[] = [
  { ids: kFtdiIds, driver: (cable) => new FtdiDriver(cable) },
  { ids: kPl2303Ids, driver: (cable) => new Pl2303Driver(cable) },
  { ids: kCh34xIds, driver: (cable) => new Ch34xDriver(cable) },
  { ids: kCp210xIds, driver: (cable) => new Cp210xDriver(cable) },
];

export const kUsbCableFilters: UsbDeviceFilter[] = kFamilies.flatMap((family) => family.ids);

const familyOf = (device: UsbDevice): (typeof kFamilies)[number] | undefined =>
  kFamilies.find((f) => f.ids.some((id) => id.vendorId === device.vendorId && id.productId === device.productId));

export const hasWebUsb = (): boolean => webUsb() !== null;

// Asks the person for a cable; null when the chooser is closed without one.
export async function chooseUsbCable(): Promise<UsbDevice | null> {
  try {
    return await webUsb()!.requestDevice({ filters: kUsbCableFilters });
  } catch {
    return null;
  }
}

// A cable this page was given on an earlier visit, if one is plugged in.
export async function grantedUsbCable(): Promise<UsbDevice | null> {
  const devices = (await webUsb()?.getDevices()) ?? [];
  return devices.find((device) => familyOf(device) !== undefined) ?? null;
}

// Opens the cable through its chip family's driver on the given line.
export async function openUsbLink(device: UsbDevice, line: Line): Promise<UsbSerialLink> {
  const family = familyOf(device);
  if (!family) throw new Error('This USB device is not a serial chip this page knows.');
  const cable = await UsbCable.open(device);
  const driver = family.driver(cable);
  return UsbSerialLink.open(cable, driver, line, `the USB cable (${driver.chip})`);
}
