// Keeps every file of the page, so that after one visit it opens and
// answers with the network cut off. The build writes the files' list and a
// version drawn from their contents in place of the two markers below.
const CACHE = 'delartal-@SITE_VERSION@';
const FILES = [@SITE_FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page's own files from the cache first; nothing else is ever asked for.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, {ignoreSearch: true})
    .then((kept) => kept || fetch(event.request)));
});
