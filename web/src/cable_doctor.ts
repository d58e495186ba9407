// The cable doctor: which chip a programming cable is built on, and what to
// do on this person's system when its port will not open or the radio does
// not answer. Every text of it is here; which texts apply is the table of
// rules below.

import { type Chip, chipOf } from './usb/cable_chips';

export type Os = 'windows' | 'macos' | 'linux' | 'chromeos' | 'android' | 'ios' | 'other';
export type Browser = 'chromium' | 'firefox' | 'safari' | 'other';

export interface SystemInfo {
  os: Os;
  browser: Browser;
  webSerial: boolean;
  webUsb: boolean;
}

// What went wrong: the port is held elsewhere, the cable is gone, the page
// may no longer use it, the port opened but the radio said nothing, or the
// browser cannot reach a cable at all.
export type Trouble = 'busy' | 'gone' | 'permission' | 'no-answer' | 'no-serial-api';

const hex = (id: number): string => id.toString(16).padStart(4, '0');

// "FTDI (USB 0403:6001)", "USB 1234:5678" for another adapter, "" without ids.
export function cableName(vendorId?: number, productId?: number): string {
  if (vendorId === undefined || productId === undefined) return '';
  const ids = `USB ${hex(vendorId)}:${hex(productId)}`;
  const chip = chipOf(vendorId, productId);
  return chip ? `${chip} (${ids})` : ids;
}

interface NavigatorLike {
  userAgent: string;
  maxTouchPoints?: number;
  userAgentData?: { platform?: string; brands?: { brand: string }[] };
  serial?: unknown;
  usb?: unknown;
}

function osOf(nav: NavigatorLike): Os {
  const platform = nav.userAgentData?.platform ?? '';
  const ua = nav.userAgent;
  const byPlatform: Record<string, Os> = { Windows: 'windows', macOS: 'macos', Linux: 'linux', 'Chrome OS': 'chromeos', Android: 'android' };
  if (byPlatform[platform]) return byPlatform[platform];
  if (/iPhone|iPad|iPod/.test(ua)) return 'ios';
  // iPadOS asks for desktop pages as a Mac; only its touch screen tells.
  if (/Macintosh/.test(ua) && (nav.maxTouchPoints ?? 0) > 1) return 'ios';
  if (/Android/.test(ua)) return 'android';
  if (/CrOS/.test(ua)) return 'chromeos';
  if (/Windows/.test(ua)) return 'windows';
  if (/Mac OS X|Macintosh/.test(ua)) return 'macos';
  if (/Linux|X11/.test(ua)) return 'linux';
  return 'other';
}

function browserOf(nav: NavigatorLike): Browser {
  if (nav.userAgentData?.brands?.some((b) => b.brand === 'Chromium')) return 'chromium';
  const ua = nav.userAgent;
  if (/Firefox\/|FxiOS/.test(ua)) return 'firefox';
  if (/Chrome\/|Chromium\/|CriOS|Edg\//.test(ua)) return 'chromium';
  if (/Safari\//.test(ua)) return 'safari';
  return 'other';
}

export function detectSystem(nav: NavigatorLike): SystemInfo {
  return { os: osOf(nav), browser: browserOf(nav), webSerial: 'serial' in nav, webUsb: 'usb' in nav };
}

// What the browser's refusal to open a port means. An aborted open is null:
// the person changed their mind, which is no trouble.
export function troubleOf(error: unknown): Trouble | null {
  const named = (error as { name?: unknown } | null)?.name;
  const name = typeof named === 'string' ? named : '';
  const troubles: Record<string, Trouble | null> = {
    AbortError: null,
    NotFoundError: 'gone',
    SecurityError: 'permission',
    NotAllowedError: 'permission',
    InvalidStateError: 'busy', // open already, in this page
    NetworkError: 'busy', // the system would not open it: most often another program has it
  };
  return name in troubles ? troubles[name] : 'busy';
}

interface Rule {
  troubles: Trouble[];
  os?: Os[];
  chip?: Chip[];
  browser?: Browser[];
  text: string;
}

const kRules: Rule[] = [
  { troubles: ['busy'], text: 'The port is in use. Close any other tab or window with this page, and any other program that uses the cable (another programming tool, a terminal program), then try again.' },
  { troubles: ['busy', 'permission'], os: ['linux', 'chromeos'], text: 'On Linux, `hmprog-cli ports` names what keeps the cable from this user. Only members of the group that owns the device may use it: on Debian and Ubuntu that is "dialout" (sudo usermod -aG dialout $USER, then log out and in again: the group counts from the next login).' },
  { troubles: ['busy', 'no-answer'], os: ['linux'], text: 'ModemManager probes USB serial adapters for a modem when they are plugged in: it sends commands to the radio and holds the port for some seconds. Wait half a minute after plugging in, or keep it away with a udev rule that sets ID_MM_DEVICE_IGNORE on the cable (`hmprog-cli ports` prints the rule).' },
  { troubles: ['busy', 'no-answer'], os: ['windows'], chip: ['PL2303'], text: 'On Windows, Prolific\'s current drivers refuse PL2303 chips they take for copies: Device Manager then shows the cable with a yellow mark and "This device cannot start. (Code 10)", or the port opens and nothing comes through. Owners of such cables report that an older driver of the 3.3 series (from about 2010) still works with them; it is picked by hand in Device Manager under Update driver, Browse my computer, Let me pick. A cable with an FTDI, CH340 or CP210x chip avoids the question.' },
  { troubles: ['busy', 'gone', 'no-answer'], os: ['macos'], chip: ['CH340/CH341'], text: 'On macOS, the CH34x driver from WCH works only once its driver extension is allowed: in System Settings, Privacy & Security, allow the software from "Jiangsu Qinheng" (newer macOS: General, Login Items & Extensions, Driver Extensions), then unplug the cable and plug it in again.' },
  { troubles: ['gone'], text: 'The cable is no longer there: it was unplugged, or its USB connection dropped. Plug it in again, straight into the computer rather than through an unpowered hub, and choose it again with Choose Cable….' },
  { troubles: ['gone', 'no-answer'], os: ['android'], text: 'On Android the cable needs a USB OTG adapter (USB-C or micro-USB to USB-A) between the phone and the cable. Some phones turn OTG off after a few minutes without use: switch it on again in Settings.' },
  { troubles: ['permission'], text: 'This page may no longer use the cable: the permission was taken back in the browser\'s site settings, or the cable was forgotten. Press Choose Cable… and pick it again.' },
  { troubles: ['no-answer'], text: 'The radio did not answer. Check that it is switched on and its battery charged (a radio switched off behind a connected cable looks just like this), and that the cable\'s plug sits fully in the radio\'s jack: it often needs a firm push until it clicks.' },
  { troubles: ['no-answer'], text: 'Check Cable reads the radio twice and shows whether bytes arrive changed, echoed or not at all.' },
  { troubles: ['no-serial-api'], os: ['ios'], text: 'On iPhone and iPad no browser can reach a USB serial cable: Safari, and every browser there, has neither Web Serial nor WebUSB. Channel files still open, edit and save here; read and write the radio from a computer or an Android phone.' },
  { troubles: ['no-serial-api'], os: ['windows', 'macos', 'linux', 'chromeos', 'other'], browser: ['safari'], text: 'Safari has neither Web Serial nor WebUSB, so it cannot reach the cable. Read and write the radio in Chrome, Edge or Opera, or in Firefox from version 151. Channel files still open, edit and save in Safari.' },
  { troubles: ['no-serial-api'], os: ['windows', 'macos', 'linux', 'chromeos', 'android', 'other'], browser: ['chromium', 'firefox', 'other'], text: 'This browser has neither Web Serial nor WebUSB, so it cannot reach the cable. Read and write the radio in Chrome, Edge or Opera, in Firefox from version 151, or in Chrome on Android. Channel files still open, edit and save in this browser.' },
];

const isGeneral = (r: Rule): boolean => !r.os && !r.chip && !r.browser;

// What to do, a paragraph each: what holds everywhere first, then what
// holds on this system or for this chip, each in the order of the table.
export function advice(trouble: Trouble, system: SystemInfo, chip: Chip | null): string[] {
  return [...kRules.filter(isGeneral), ...kRules.filter((r) => !isGeneral(r))]
    .filter((r) => r.troubles.includes(trouble))
    .filter((r) => !r.os || r.os.includes(system.os))
    .filter((r) => !r.browser || r.browser.includes(system.browser))
    .filter((r) => !r.chip || (chip !== null && r.chip.includes(chip)))
    .map((r) => r.text);
}
