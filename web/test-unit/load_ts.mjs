// Loads one of the page's TypeScript modules into Node, bundled by esbuild.
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';

const src = join(dirname(fileURLToPath(import.meta.url)), '..', 'src');

export async function loadTs(name) {
  const built = await esbuild.build({ entryPoints: [join(src, name)], bundle: true, write: false, format: 'esm', platform: 'neutral' });
  return import(`data:text/javascript;base64,${Buffer.from(built.outputFiles[0].text).toString('base64')}`);
}
