import { type Chip, drivenChipOf, kUsbCableFilters } from './cable_chips';
import { Ch34xDriver } from './ch34x';
import { Cp210xDriver } from './cp210x';
import { FtdiDriver } from './ftdi';
import { Pl2303Driver } from './pl2303';
import { type ChipDriver, type Line, UsbCable } from './usb_cable';
import { UsbSerialLink } from './usb_link';
import { type UsbDevice, webUsb } from './webusb';

// The driver of each chip family the cable table marks driven.
const kDrivers: Record<Chip, (cable: UsbCable) => ChipDriver> = {
  FTDI: (cable) => new FtdiDriver(cable),
  PL2303: (cable) => new Pl2303Driver(cable),
  'CH340/CH341': (cable) => new Ch34xDriver(cable),
  CP210x: (cable) => new Cp210xDriver(cable),
};

const chipOfDevice = (device: UsbDevice): Chip | null => drivenChipOf(device.vendorId, device.productId);

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
  return devices.find((device) => chipOfDevice(device) !== null) ?? null;
}

// Opens the cable through its chip family's driver on the given line.
export async function openUsbLink(device: UsbDevice, line: Line): Promise<UsbSerialLink> {
  const chip = chipOfDevice(device);
  if (!chip) throw new Error('This USB device is not a serial chip this page knows.');
  const cable = await UsbCable.open(device);
  const driver = kDrivers[chip](cable);
  return UsbSerialLink.open(cable, driver, line, `the USB cable (${driver.chip})`);
}
