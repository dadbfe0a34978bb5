// Keeps the site's files, so that once loaded over https (or from localhost)
// the page opens and works with the network off. Each file is answered from
// the cache at once and fetched anew behind it: the next visit has any update.
'use strict';

const CACHE = 'bidgauge-site';
const FILES = ['./', 'index.html', 'page.css', 'page.js', 'bidgauge-page.js',
               'manifest.webmanifest', 'icons/icon-192.png', 'icons/icon-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(self.clients.claim());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  const refreshed = fetch(request).then(async (response) => {
    if (response.ok) await (await caches.open(CACHE)).put(request, response.clone());
    return response;
  });
  event.waitUntil(refreshed.catch(() => null));
  event.respondWith(caches.match(request, { ignoreSearch: true })
    .then((cached) => cached || refreshed));
});
