/// <reference lib="webworker" />
// Keeps the page's files so that it opens and works offline once loaded.
// The build fills in the file list and a version that changes with them,
// so that a new build replaces the old files in one step.
declare const PRECACHE_FILES: string[];
declare const PRECACHE_VERSION: string;

const worker = self as unknown as ServiceWorkerGlobalScope;
const cacheName = `hmprog-${PRECACHE_VERSION}`;

worker.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(cacheName)
      .then((cache) => cache.addAll(PRECACHE_FILES))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith('hmprog-') && n !== cacheName).map((n) => caches.delete(n))))
      .then(() => worker.clients.claim()),
  );
});

// The page's own files come from the cache; anything else from the network.
worker.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== worker.location.origin) return;
  event.respondWith(
    caches.open(cacheName).then(async (cache) => (await cache.match(request, { ignoreSearch: true })) ?? fetch(request)),
  );
});
