import { type FakeUsbOptions, installFakeUsb } from './fake_usb';
import { openUsbLink } from '../../src/usb/usb_chooser';
import { UsbCable } from '../../src/usb/usb_cable';
import { kRadioLine } from '../../src/web_serial_port';

// The test passes its options as window.fakeUsbOptions through a second
// init script that runs first.
installFakeUsb((window as unknown as { fakeUsbOptions: FakeUsbOptions }).fakeUsbOptions);

// The page's own drivers, for the tests that drive a chip directly.
(window as unknown as { usbDrivers: unknown }).usbDrivers = { openUsbLink, UsbCable, kRadioLine };
