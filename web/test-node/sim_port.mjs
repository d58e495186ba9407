// A port with the engine's simulated radio at its far end, the line modelled
// at 9600 baud each way (one character = 10 bits). On a virtual clock the
// transfer takes no real time; on the real clock it takes as long as with a
// radio.

export const kCharacterMs = (10 / 9600) * 1000;

export class VirtualClock {
  now = 0;
  now_() { return this.now; }
  async waitUntil(time) { this.now = Math.max(this.now, time); }
}

export class RealClock {
  now_() { return performance.now(); }
  // Timers run in whole milliseconds and may fire a fraction early: the
  // last millisecond passes in turns of the event loop, so that a byte is
  // taken the moment it has arrived, as a serial port hands it over.
  async waitUntil(time) {
    for (let left = time - performance.now(); left > 1; left = time - performance.now())
      await new Promise((resolve) => setTimeout(resolve, Math.floor(left - 1)));
    while (performance.now() < time) await new Promise((resolve) => setImmediate(resolve));
  }
}

export class SimulatedPort {
  name = 'the simulated radio';
  sent = [];          // every write, as the radio received it
  purges = 0;
  #radio;
  #clock;
  #sendingUntil = 0;
  #answeringUntil = 0;
  #arrivals = [];     // { at, byte }

  constructor(radio, clock = new VirtualClock()) {
    this.#radio = radio;
    this.#clock = clock;
  }

  async write(bytes) {
    const copy = Uint8Array.from(bytes);
    this.sent.push(copy);
    const start = Math.max(this.#clock.now_(), this.#sendingUntil);
    this.#sendingUntil = start + copy.length * kCharacterMs;
    let at = Math.max(this.#sendingUntil, this.#answeringUntil);
    for (const byte of this.#radio.receive(copy)) {
      at += kCharacterMs;
      this.#arrivals.push({ at, byte });
    }
    this.#answeringUntil = at;
  }

  async read(max, deadlineMs) {
    const deadline = this.#clock.now_() + deadlineMs;
    const last = max <= this.#arrivals.length ? this.#arrivals[max - 1].at : Infinity;
    await this.#clock.waitUntil(Math.min(deadline, last));
    const now = this.#clock.now_();
    let n = 0;
    while (n < max && n < this.#arrivals.length && this.#arrivals[n].at <= now) n++;
    return Uint8Array.from(this.#arrivals.splice(0, n), (a) => a.byte);
  }

  purge() {
    this.purges++;
    const now = this.#clock.now_();
    this.#arrivals = this.#arrivals.filter((a) => a.at > now);
  }

  sleep(ms) {
    return this.#clock.waitUntil(this.#clock.now_() + ms);
  }
}
