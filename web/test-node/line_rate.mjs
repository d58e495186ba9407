// Prints how long a read and a write of the simulated radio take through the
// engine when the line runs at 9600 baud in real time, beside the line's own
// limit, and the processor time the transfer took: on a busy machine the
// wall clock also counts the time others had the processor.
// node web/test-node/line_rate.mjs (after web/test-node/run has built the
// engine for Node).
import { RealClock, SimulatedPort } from './sim_port.mjs';
import { newEngine, recordingHost } from './support.mjs';

// What the line itself needs, pauses included.
const kLimits = { readRadio: 2444, writeRadio: 1818 };

const engine = await newEngine();
const radio = engine.createSimulatedRadio('HM-615V');
// The first run warms the JavaScript engine up; the second is timed.
for (const run of ['warm-up', 'timed']) {
  for (const direction of ['readRadio', 'writeRadio']) {
    const start = performance.now();
    const cpuStart = process.cpuUsage();
    const outcome = await engine[direction](new SimulatedPort(radio, new RealClock()), recordingHost(),
      new AbortController().signal);
    const ms = performance.now() - start;
    const cpu = process.cpuUsage(cpuStart);
    if (!outcome.ok) throw new Error(`${direction} failed: ${outcome.message}`);
    if (run === 'timed')
      console.log(`${direction}: ${ms.toFixed(0)} ms, ${(ms / kLimits[direction]).toFixed(3)} of the line's ` +
        `${kLimits[direction]} ms; processor ${((cpu.user + cpu.system) / 1000).toFixed(0)} ms`);
  }
}
