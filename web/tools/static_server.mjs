// A static file server for dist/: what any web host does for the page.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
};

function fileFor(root, url) {
  const path = normalize(decodeURIComponent(new URL(url, 'http://localhost').pathname));
  let file = join(root, path);
  if (!file.startsWith(root)) return null;
  try {
    if (statSync(file).isDirectory()) file = join(file, 'index.html');
    return statSync(file).isFile() ? file : null;
  } catch {
    return null;
  }
}

// Listens on localhost:port (0: any free port); resolves with the server
// once it listens.
export function serveStatic(root, port) {
  const server = createServer((request, response) => {
    const file = fileFor(root, request.url);
    if (!file) return void response.writeHead(404).end('Not found');
    response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream', 'Cache-Control': 'no-cache' });
    createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(port, 'localhost', () => resolve(server)));
}
