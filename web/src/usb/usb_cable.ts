import type { UsbDevice, UsbEndpoint, UsbRecipient, UsbRequestType, UsbSetup } from './webusb';

// The line a chip is set up for; the page's serial options, which the
// drivers read the same way Web Serial does.
export interface Line {
  baudRate: number;
  dataBits?: number;
  stopBits?: number;
  parity?: ParityType;
}

// What every chip family's driver does over the cable's control pipe.
export interface ChipDriver {
  readonly chip: string;
  // The chip's own start-up, then the line: baud rate, data format, no flow
  // control, DTR and RTS on (many programming cables power their level
  // shifter from them).
  configure(line: Line): Promise<void>;
  // Empties the chip's receive and transmit buffers.
  purge(): Promise<void>;
  // The received bytes in what one bulk IN transfer brought.
  received(data: DataView, packetSize: number): Uint8Array;
  // True where the chip holds a short answer back until a timer, counted
  // from its last packet, runs out (sending its status alone when it has
  // nothing).
  readonly holdsShortAnswers?: boolean;
}

// A request the chip answered with a stall, or a transfer that did not go
// through whole.
export class UsbRefusal extends Error {}

// One USB serial chip opened over WebUSB: its first interface with a bulk
// endpoint each way claimed, and the control requests its driver sends.
export class UsbCable {
  private constructor(
    readonly device: UsbDevice,
    readonly interfaceNumber: number,
    readonly input: UsbEndpoint,
    readonly output: UsbEndpoint,
  ) {}

  // Throws what the browser throws when the device is gone or claimed by
  // another program, or when it has no pair of bulk endpoints.
  static async open(device: UsbDevice): Promise<UsbCable> {
    await device.open();
    if (!device.configuration) await device.selectConfiguration(device.configurations[0].configurationValue);
    for (const iface of device.configuration!.interfaces) {
      const bulk = iface.alternate.endpoints.filter((e) => e.type === 'bulk');
      const input = bulk.find((e) => e.direction === 'in');
      const output = bulk.find((e) => e.direction === 'out');
      if (!input || !output) continue;
      await device.claimInterface(iface.interfaceNumber);
      return new UsbCable(device, iface.interfaceNumber, input, output);
    }
    await device.close();
    throw new UsbRefusal('The USB device has no serial data endpoints.');
  }

  async controlOut(type: UsbRequestType, recipient: UsbRecipient, request: number, value: number, index: number, data?: Uint8Array): Promise<void> {
    const setup: UsbSetup = { requestType: type, recipient, request, value, index };
    const result = await this.device.controlTransferOut(setup, data ?? new Uint8Array(0));
    if (result.status !== 'ok') throw refusal(setup, result.status);
  }

  async controlIn(type: UsbRequestType, recipient: UsbRecipient, request: number, value: number, index: number, length: number): Promise<DataView> {
    const setup: UsbSetup = { requestType: type, recipient, request, value, index };
    const result = await this.device.controlTransferIn(setup, length);
    if (result.status !== 'ok' || !result.data) throw refusal(setup, result.status);
    return result.data;
  }

  // Resolves with what one IN transfer brought; rejects when the device is
  // closed or gone.
  async receive(): Promise<DataView> {
    const result = await this.device.transferIn(this.input.endpointNumber, this.input.packetSize * 8);
    if (result.status !== 'ok' || !result.data) throw new UsbRefusal(`The cable's data pipe reported ${result.status}.`);
    return result.data;
  }

  async send(bytes: Uint8Array): Promise<void> {
    const result = await this.device.transferOut(this.output.endpointNumber, bytes);
    if (result.status !== 'ok' || result.bytesWritten !== bytes.length) {
      throw new UsbRefusal(`The cable took ${result.bytesWritten} of ${bytes.length} bytes (${result.status}).`);
    }
  }

  async close(): Promise<void> {
    await this.device.releaseInterface(this.interfaceNumber).catch(() => undefined);
    await this.device.close().catch(() => undefined);
  }
}

function refusal(setup: UsbSetup, status: string): UsbRefusal {
  const hex = (n: number): string => `0x${n.toString(16)}`;
  return new UsbRefusal(`The cable refused ${setup.requestType} request ${hex(setup.request)} (value ${hex(setup.value)}, index ${hex(setup.index)}): ${status}.`);
}
