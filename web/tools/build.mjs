// Builds the page into dist/: the bundled script, the service worker with
// the list of files it keeps, and the static files beside them.
import { createHash } from 'node:crypto';
import { copyFileSync, existsSync, mkdirSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';

const web = join(dirname(fileURLToPath(import.meta.url)), '..');
const dist = join(web, 'dist');
const engineOutput = join(web, 'build', 'engine');
const staticFiles = ['index.html', 'style.css', 'phone.css', 'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png'];

rmSync(dist, { recursive: true, force: true });
mkdirSync(dist, { recursive: true });

await esbuild.build({
  entryPoints: [join(web, 'src', 'main.ts')],
  outfile: join(dist, 'app.js'),
  bundle: true,
  format: 'esm',
  target: 'es2022',
  minify: true,
  legalComments: 'none',
  logLevel: 'warning',
});

for (const file of staticFiles) copyFileSync(join(web, file), join(dist, file));
if (!existsSync(engineOutput)) throw new Error(`no engine in ${engineOutput}: run web/build-engine first`);
for (const file of readdirSync(engineOutput).filter((f) => f.endsWith('.wasm'))) {
  copyFileSync(join(engineOutput, file), join(dist, file));
}

const kept = ['./', ...readdirSync(dist).sort()];
const version = createHash('sha256');
for (const file of kept.slice(1)) version.update(file).update(readFileSync(join(dist, file)));
await esbuild.build({
  entryPoints: [join(web, 'src', 'sw.ts')],
  outfile: join(dist, 'sw.js'),
  bundle: true,
  format: 'iife',
  target: 'es2022',
  minify: true,
  define: {
    PRECACHE_FILES: JSON.stringify(kept),
    PRECACHE_VERSION: JSON.stringify(version.digest('hex').slice(0, 16)),
  },
  logLevel: 'warning',
});
console.log(`web page built into ${dist}`);
