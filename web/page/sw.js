// The page's service worker: after the first visit every file of the page is
// kept in the browser's cache, so the page opens without a network and the
// installed app starts offline.  The build writes the version and the file
// list below; a new build installs beside the old one and takes over at once
// (a page that runs keeps what it loaded), its files fetched anew, and the
// old cache goes.
'use strict';

const version = '{{version}}';
const files = {{files}};
const cacheName = `qm314-${version}`;

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(cacheName);
    // Past any HTTP cache: the files of this version, not an older copy.
    await cache.addAll(files.map((file) => new Request(file, {cache: 'reload'})));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const key of await caches.keys()) {
      if (key.startsWith('qm314-') && key !== cacheName) await caches.delete(key);
    }
    await self.clients.claim();
  })());
});

// The page's own files come from the cache; anything else of this origin goes
// to the network as usual.  The page asks nothing of other sites.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  const url = new URL(request.url);
  const scope = new URL(self.registration.scope);
  if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname)) return;
  const name = url.pathname === scope.pathname ? 'index.html' : url.pathname.slice(scope.pathname.length);
  if (!files.includes(name)) return;
  event.respondWith((async () => {
    const cache = await caches.open(cacheName);
    const kept = await cache.match(new URL(name, scope));
    return kept || fetch(request);
  })());
});
