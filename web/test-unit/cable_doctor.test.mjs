// The cable doctor: the chip a cable is built on, the system the page runs
// on, and what the page says for each kind of trouble there.
import assert from 'node:assert/strict';
import { before, test } from 'node:test';
import { loadTs } from './load_ts.mjs';

let doctor;
before(async () => {
  doctor = await loadTs('cable_doctor.ts');
});

const ua = {
  windowsChrome: 'Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/131.0.0.0 Safari/537.36',
  macSafari: 'Mozilla/5.0 (Macintosh; Intel Mac OS X 14_5) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/17.5 Safari/605.1.15',
  macChrome: 'Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/131.0.0.0 Safari/537.36',
  linuxFirefox: 'Mozilla/5.0 (X11; Linux x86_64; rv:151.0) Gecko/20100101 Firefox/151.0',
  androidChrome: 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/131.0.0.0 Mobile Safari/537.36',
  iphone: 'Mozilla/5.0 (iPhone; CPU iPhone OS 17_5 like Mac OS X) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/17.5 Mobile/15E148 Safari/604.1',
  ipadAsMac: 'Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/17.5 Safari/605.1.15',
};

const systems = [
  { name: 'Chrome on Windows', nav: { userAgent: ua.windowsChrome, serial: {}, usb: {} }, os: 'windows', browser: 'chromium' },
  { name: 'Chrome on Windows by its client hints', nav: { userAgent: 'Mozilla/5.0', userAgentData: { platform: 'Windows', brands: [{ brand: 'Chromium' }] } }, os: 'windows', browser: 'chromium' },
  { name: 'Safari on a Mac', nav: { userAgent: ua.macSafari, maxTouchPoints: 0 }, os: 'macos', browser: 'safari' },
  { name: 'Safari on an iPad that asks for desktop pages', nav: { userAgent: ua.ipadAsMac, maxTouchPoints: 5 }, os: 'ios', browser: 'safari' },
  { name: 'Firefox on Linux', nav: { userAgent: ua.linuxFirefox, serial: {} }, os: 'linux', browser: 'firefox' },
  { name: 'Chrome on Android', nav: { userAgent: ua.androidChrome, usb: {} }, os: 'android', browser: 'chromium' },
  { name: 'Safari on an iPhone', nav: { userAgent: ua.iphone }, os: 'ios', browser: 'safari' },
];
for (const s of systems) {
  test(`the system is told from the browser: ${s.name}`, () => {
    const found = doctor.detectSystem(s.nav);
    assert.deepEqual([found.os, found.browser], [s.os, s.browser]);
    assert.deepEqual([found.webSerial, found.webUsb], ['serial' in s.nav, 'usb' in s.nav]);
  });
}

test('a cable is named by the chip its USB ids stand for', () => {
  const cables = [
    [0x0403, 0x6001, 'FTDI (USB 0403:6001)'],
    [0x0403, 0x6015, 'FTDI (USB 0403:6015)'],
    [0x067b, 0x2303, 'PL2303 (USB 067b:2303)'],
    [0x067b, 0x23a3, 'PL2303 (USB 067b:23a3)'],
    [0x1a86, 0x7523, 'CH340/CH341 (USB 1a86:7523)'],
    [0x1a86, 0x5523, 'CH340/CH341 (USB 1a86:5523)'],
    [0x10c4, 0xea60, 'CP210x (USB 10c4:ea60)'],
    [0x10c4, 0x8a2a, 'USB 10c4:8a2a'], // another product of a chip maker
    [undefined, undefined, ''],
  ];
  assert.deepEqual(cables.map(([v, p]) => doctor.cableName(v, p)), cables.map((c) => c[2]));
});

test('the browser\'s refusals are told apart, and an aborted open is no trouble', () => {
  const errors = [
    ['NetworkError', 'busy'], ['InvalidStateError', 'busy'], ['NotFoundError', 'gone'],
    ['SecurityError', 'permission'], ['NotAllowedError', 'permission'], ['AbortError', null], ['TypeError', 'busy'],
  ];
  assert.deepEqual(errors.map(([name]) => doctor.troubleOf(new DOMException('x', name))), errors.map((e) => e[1]));
});

const system = (os, browser = 'chromium') => ({ os, browser, webSerial: true, webUsb: true });

// For each trouble on a system with a cable: what the advice must say, and
// what belongs to other systems or chips and must not be said.
const advice = [
  { trouble: 'busy', system: system('windows'), chip: 'PL2303', says: ['in use', 'Code 10', '3.3 series'], not: ['ModemManager', 'dialout', 'Jiangsu'] },
  { trouble: 'busy', system: system('windows'), chip: 'FTDI', says: ['in use'], not: ['Code 10'] },
  { trouble: 'busy', system: system('linux'), chip: 'CH340/CH341', says: ['in use', 'dialout', 'ModemManager', 'hmprog-cli ports'], not: ['Code 10', 'Jiangsu'] },
  { trouble: 'busy', system: system('macos'), chip: 'CH340/CH341', says: ['in use', 'Driver Extensions'], not: ['dialout'] },
  { trouble: 'gone', system: system('android'), chip: 'CP210x', says: ['no longer there', 'OTG adapter'], not: ['in use'] },
  { trouble: 'gone', system: system('windows'), chip: 'FTDI', says: ['Plug it in again'], not: ['OTG'] },
  { trouble: 'permission', system: system('windows'), chip: null, says: ['permission was taken back', 'Choose Cable'], not: ['dialout'] },
  { trouble: 'permission', system: system('linux'), chip: null, says: ['permission was taken back', 'usermod -aG dialout'], not: ['ModemManager'] },
  { trouble: 'no-answer', system: system('linux'), chip: 'FTDI', says: ['did not answer', 'switched off', 'ModemManager', 'Check Cable'], not: ['in use'] },
  { trouble: 'no-answer', system: system('windows'), chip: 'PL2303', says: ['did not answer', 'Code 10'], not: ['ModemManager'] },
  { trouble: 'no-answer', system: system('android'), chip: 'CH340/CH341', says: ['did not answer', 'OTG'], not: ['Code 10'] },
  { trouble: 'no-serial-api', system: system('ios', 'safari'), chip: null, says: ['iPhone and iPad', 'still open, edit and save'], not: ['Firefox'] },
  { trouble: 'no-serial-api', system: system('macos', 'safari'), chip: null, says: ['Safari has neither Web Serial nor WebUSB', 'still open, edit and save'], not: ['iPhone'] },
  { trouble: 'no-serial-api', system: system('linux', 'firefox'), chip: null, says: ['This browser has neither', 'Firefox from version 151', 'still open, edit and save'], not: ['Safari'] },
];
test('what holds everywhere comes before what holds on the system', () => {
  const [first] = doctor.advice('no-answer', system('linux'), 'FTDI');
  assert.match(first, /^The radio did not answer/);
});

for (const a of advice) {
  test(`${a.trouble} on ${a.system.os} (${a.system.browser}) with ${a.chip ?? 'no known chip'}`, () => {
    const text = doctor.advice(a.trouble, a.system, a.chip).join('\n');
    for (const phrase of a.says) assert.ok(text.includes(phrase), `missing "${phrase}" in:\n${text}`);
    for (const phrase of a.not) assert.ok(!text.includes(phrase), `"${phrase}" does not belong in:\n${text}`);
  });
}
