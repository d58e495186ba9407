// The same edits through the engine and through the native form session
// (tests/core/form/session_scenario.cpp): every text the page is told and the
// stored channel file must be the same.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { dirname, join } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { newEngine } from './support.mjs';

const web = join(dirname(fileURLToPath(import.meta.url)), '..');
const scenarioPath = process.env.HMPROG_SESSION_SCENARIO
  ?? join(web, '..', 'build-test', 'tests', 'core', 'form', 'hmprog_session_scenario');

const importList = 'Location,Name,Frequency\n3,Club,146.52\n4,Bad,abc\n5,Far,300\n6,Net,147.0125\n';

// [name, edits, a piece of text some edit must tell]
const scenarios = [
  ['typed cells corrected',
    [['type', 1, 1, '200'], ['type', 2, 1, '145.12345'], ['type', 2, 2, '100'], ['type', 2, 3, 'd023n'],
      ['type', 2, 4, 'D088N']],
    '145.12345 MHz is between channels of 5 kHz and 6.25 kHz: 145.12000'],
  ['a paste with a refused row',
    [['paste', 4, '146.52\n147.12345\n146.52\t146.52\tQ99\n148\t148\tOff\n']],
    'Not pasted, a value this radio cannot hold: channel 6.'],
  ['an import with skipped rows', [['type', 3, 1, '150'], ['import', importList]], 'skipped'],
  ['undo and redo',
    [['type', 1, 1, '146.52'], ['paste', 5, '147\n148\n'], ['import', importList], ['undo'], ['undo'], ['redo'],
      ['type', 2, 1, '999'], ['undo'], ['undo'], ['redo']],
    'Channel 2 Rx Freq'],
];

function throughSession(edits) {
  const input = edits.map((e) => e.map((f) => String(f).replaceAll('\n', '\\n').replaceAll('\t', '\\t')).join('\t')).join('\n') + '\n';
  const run = spawnSync(scenarioPath, [], { input, env: { ...process.env, ASAN_OPTIONS: 'detect_leaks=0' } });
  if (run.error) throw run.error;
  assert.equal(run.status, 0, run.stderr.toString());
  return run.stdout.toString('utf8').trimEnd().split('\n').map((line) => line.replaceAll('\\n', '\n'));
}

function throughEngine(engine, edits) {
  engine.newForm();
  const told = edits.map(([edit, ...args]) => {
    switch (edit) {
      case 'type': return engine.commitCell(args[0], args[1], args[2]).message;
      case 'paste': return engine.pasteRows(args[0], args[1]).report;
      case 'import': return engine.importCsv(args[0]).report;
      default: return (edit === 'undo' ? engine.undo() : engine.redo()) ? 'step taken' : 'no step';
    }
  });
  const { undoText, redoText } = engine.state();
  const bytes = Buffer.from(engine.saveChannelFile()).toString('hex');
  return [...told, undoText, redoText, bytes];
}

const engine = await newEngine();

for (const [name, edits, told] of scenarios) {
  test(`${name}: the engine tells and stores what the form session does`, () => {
    const session = throughSession(edits);
    assert.deepEqual(throughEngine(engine, edits), session);
    assert.ok(session.some((line) => line.includes(told)), session.join('\n'));
  });
}
