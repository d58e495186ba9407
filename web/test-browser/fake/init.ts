import { type FakeSerialOptions, installFakeSerial } from './fake_serial';

// The test passes its options as window.fakeSerialOptions through a second
// init script that runs first.
installFakeSerial((window as unknown as { fakeSerialOptions: FakeSerialOptions }).fakeSerialOptions);
