// The part of the browser's WebUSB interface the cable drivers use, declared
// here because the page's type packages do not carry it.
export type UsbRequestType = 'standard' | 'class' | 'vendor';
export type UsbRecipient = 'device' | 'interface' | 'endpoint' | 'other';
export type UsbTransferStatus = 'ok' | 'stall' | 'babble';

export interface UsbSetup {
  requestType: UsbRequestType;
  recipient: UsbRecipient;
  request: number;
  value: number;
  index: number;
}

export interface UsbInResult {
  data?: DataView;
  status: UsbTransferStatus;
}

export interface UsbOutResult {
  bytesWritten: number;
  status: UsbTransferStatus;
}

export interface UsbEndpoint {
  endpointNumber: number;
  direction: 'in' | 'out';
  type: 'bulk' | 'interrupt' | 'isochronous';
  packetSize: number;
}

export interface UsbInterface {
  interfaceNumber: number;
  alternate: { endpoints: UsbEndpoint[] };
}

export interface UsbConfiguration {
  configurationValue: number;
  interfaces: UsbInterface[];
}

export interface UsbDevice {
  readonly vendorId: number;
  readonly productId: number;
  readonly deviceVersionMajor: number;
  readonly deviceVersionMinor: number;
  readonly deviceVersionSubminor: number;
  readonly opened: boolean;
  readonly configuration: UsbConfiguration | null;
  readonly configurations: UsbConfiguration[];
  open(): Promise<void>;
  close(): Promise<void>;
  selectConfiguration(value: number): Promise<void>;
  claimInterface(number: number): Promise<void>;
  releaseInterface(number: number): Promise<void>;
  controlTransferIn(setup: UsbSetup, length: number): Promise<UsbInResult>;
  controlTransferOut(setup: UsbSetup, data?: Uint8Array): Promise<UsbOutResult>;
  transferIn(endpoint: number, length: number): Promise<UsbInResult>;
  transferOut(endpoint: number, data: Uint8Array): Promise<UsbOutResult>;
}

export interface UsbDeviceFilter {
  vendorId: number;
  productId: number;
}

export interface Usb extends EventTarget {
  requestDevice(options: { filters: UsbDeviceFilter[] }): Promise<UsbDevice>;
  getDevices(): Promise<UsbDevice[]>;
}

export const webUsb = (): Usb | null => (navigator as unknown as { usb?: Usb }).usb ?? null;
