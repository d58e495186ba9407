// Serves dist/ on http://localhost:8080 (or --port N) until interrupted.
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serveStatic } from './static_server.mjs';

const root = join(dirname(fileURLToPath(import.meta.url)), '..', 'dist');
const portArg = process.argv.indexOf('--port');
const port = portArg > 0 ? Number(process.argv[portArg + 1]) : 8080;
await serveStatic(root, port);
console.log(`The web page is at http://localhost:${port}/ (Ctrl+C stops it)`);
