// What the Node tests of the engine share: the engine itself, hmprog-cli
// (the native program the engine must agree with), and channel images.
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const web = join(dirname(fileURLToPath(import.meta.url)), '..');
const { loadEngine } = await import(join(web, 'build', 'test-node', 'engine.mjs'));
const wasmBinary = readFileSync(join(web, 'build', 'engine', 'hmprog_engine.wasm'));

// A fresh engine: one module, one document.
export function newEngine() {
  return loadEngine({ wasmBinary });
}

export const cliPath = process.env.HMPROG_CLI ?? join(web, '..', 'build-test', 'cli', 'hmprog-cli');

// A folder of its own for each test file, also for the backups a read keeps.
export const scratch = mkdtempSync(join(tmpdir(), 'hmprog-engine-'));

// Runs hmprog-cli with args and the given standard input; its output as
// bytes. Throws with its standard error when it fails.
export function cli(args, input = new Uint8Array(0), okStatuses = [0]) {
  const run = spawnSync(cliPath, args, {
    input,
    cwd: scratch,
    env: { ...process.env, XDG_DATA_HOME: scratch, ASAN_OPTIONS: 'detect_leaks=0' },
    maxBuffer: 1 << 24,
  });
  if (run.error) throw run.error;
  if (!okStatuses.includes(run.status))
    throw new Error(`hmprog-cli ${args.join(' ')} exited ${run.status}: ${run.stderr}`);
  return { stdout: new Uint8Array(run.stdout), stderr: run.stderr.toString('utf8'), status: run.status };
}

export function cliText(args, input) {
  return Buffer.from(cli(args, input).stdout).toString('utf8');
}

export function writeScratch(name, bytes) {
  const path = join(scratch, name);
  writeFileSync(path, bytes);
  return path;
}

// The same bytes every run: a small linear congruential generator.
export function seededBytes(seed, length = 1024) {
  const bytes = new Uint8Array(length);
  let state = seed >>> 0;
  for (let i = 0; i < length; i++) {
    state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
    bytes[i] = state >>> 24;
  }
  return bytes;
}

export const kModelOffset = 0x3d3;
export const kPttIdCodeOffset = 0x3b0;

// A transfer host that records what the transfer showed and answers the
// prompts as told; onProgress may act on a percentage (cancel, for one).
export function recordingHost({ retry = false, version = true, onProgress = () => {} } = {}) {
  return {
    percents: [],
    statuses: [],
    retryPrompts: [],
    versionPrompts: [],
    progress(percent) { this.percents.push(percent); onProgress(percent); },
    status(text) { this.statuses.push(text); },
    async askRetry(message) { this.retryPrompts.push(message); return retry; },
    async askVersion(message) { this.versionPrompts.push(message); return version; },
  };
}
