import { cableName } from './cable_doctor';
import { byId } from './dom';
import type { Engine, SerialPortLike } from './engine';
import { LineRateRadio, SimulatedLink } from './line_rate_radio';
import { chooseUsbCable, grantedUsbCable, hasWebUsb, openUsbLink } from './usb/usb_chooser';
import { type UsbDevice, webUsb } from './usb/webusb';
import { kRadioLine, WebSerialLink } from './web_serial_port';

export interface OpenLink {
  link: SerialPortLike;
  close(): Promise<void>;
}

export const hasWebSerial = (): boolean => 'serial' in navigator;

// Where Read and Write go: the cable the user picked in the browser's port
// chooser (the browser remembers it for this page), a USB cable driven by the
// page's own drivers (where the browser has WebUSB but no Web Serial, as on
// Android, or when asked for), or the simulated radio.
export class PortChoice {
  private readonly choice = byId<HTMLSelectElement>('port-choice');
  private readonly simModel = byId<HTMLSelectElement>('sim-model');
  private port: SerialPort | null = null;
  private usbDevice: UsbDevice | null = null;
  private simulated: LineRateRadio | null = null;
  private simulatedModel = '';

  constructor(private readonly engine: Engine) {
    byId('choose-cable').addEventListener('click', () => void (this.usb ? this.chooseUsb() : this.chooseCable()));
    this.choice.addEventListener('change', () => this.show());
    this.simModel.addEventListener('change', () => this.show());
  }

  async init(): Promise<void> {
    const serial = hasWebSerial();
    const usb = hasWebUsb();
    byId('no-serial').hidden = serial || usb;
    const cableOption = this.choice.options[0];
    cableOption.disabled = !serial;
    this.choice.querySelector<HTMLOptionElement>('option[value="usb"]')!.disabled = !usb;
    if (!serial) this.choice.value = usb ? 'usb' : 'sim';
    if (usb) {
      this.usbDevice = await grantedUsbCable();
      webUsb()!.addEventListener('disconnect', (event) => {
        if ((event as Event & { device?: UsbDevice }).device === this.usbDevice) this.usbDevice = null;
        this.show();
      });
    }
    if (serial) {
      const granted = await navigator.serial.getPorts();
      this.port = granted[0] ?? null;
      navigator.serial.addEventListener('disconnect', (event) => {
        if (event.target === this.port) this.port = null;
        this.show();
      });
    }
    this.show();
  }

  // Opens the chosen port; asks for a cable first when none is chosen yet.
  // Throws when the port cannot be opened; null when no cable was chosen.
  async open(): Promise<OpenLink | null> {
    if (this.choice.value === 'sim') {
      const link = new SimulatedLink(this.simulatedRadio());
      return { link, close: async () => undefined };
    }
    if (this.usb) {
      if (!this.usbDevice && !(await this.chooseUsb())) return null;
      const link = await openUsbLink(this.usbDevice!, kRadioLine);
      return { link, close: () => link.close() };
    }
    if (!this.port && !(await this.chooseCable())) return null;
    const link = await WebSerialLink.open(this.port!, 'the serial cable');
    return { link, close: () => link.close() };
  }

  private async chooseCable(): Promise<boolean> {
    try {
      this.port = await navigator.serial.requestPort();
    } catch {
      return false; // the chooser was closed without a port
    }
    this.show();
    return true;
  }

  private get usb(): boolean {
    return this.choice.value === 'usb';
  }

  private async chooseUsb(): Promise<boolean> {
    this.usbDevice = (await chooseUsbCable()) ?? this.usbDevice;
    this.show();
    return this.usbDevice !== null;
  }

  // One simulated radio per model for the whole visit, so that what is
  // written into it can be read back.
  private simulatedRadio(): LineRateRadio {
    const model = this.simModel.value;
    if (!this.simulated || this.simulatedModel !== model) {
      this.simulated = new LineRateRadio(this.engine.createSimulatedRadio(model));
      this.simulatedModel = model;
    }
    return this.simulated;
  }

  private show(): void {
    const sim = this.choice.value === 'sim';
    byId('choose-cable').hidden = sim;
    byId('sim-model').hidden = !sim;
    byId('sim-model-label').hidden = !sim;
    byId('port-name').textContent = sim ? '' : this.cableText();
  }

  // The chosen cable's USB ids, for the cable doctor; none for the simulated radio.
  get cableIds(): { vendorId?: number; productId?: number } {
    if (this.choice.value === 'sim') return {};
    if (this.usb) return this.usbDevice ? { vendorId: this.usbDevice.vendorId, productId: this.usbDevice.productId } : {};
    if (!this.port) return {};
    const { usbVendorId, usbProductId } = this.port.getInfo();
    return { vendorId: usbVendorId, productId: usbProductId };
  }

  // The chip the cable is built on, by its USB ids: "Cable chosen: FTDI (USB 0403:6001)".
  private cableText(): string {
    const { vendorId, productId } = this.cableIds;
    if (!this.usbDevice && !this.port) return 'No cable chosen';
    const name = cableName(vendorId, productId);
    return name === '' ? 'Cable chosen' : `Cable chosen: ${name}`;
  }
}
