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

  private cableText(): string {
    const device = this.usbDevice;
    const chosen = this.usb ? device && { usbVendorId: device.vendorId, usbProductId: device.productId } : this.port?.getInfo();
    if (!chosen) return 'No cable chosen';
    const { usbVendorId, usbProductId } = chosen;
    if (usbVendorId === undefined || usbProductId === undefined) return 'Cable chosen';
    const hex = (id: number): string => id.toString(16).padStart(4, '0');
    return `Cable chosen (USB ${hex(usbVendorId)}:${hex(usbProductId)})`;
  }
}
