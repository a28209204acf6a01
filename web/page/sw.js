// Keeps every file of the page on the first visit, so that with the network cut a reload still
// deals, shows and saves. files.js, written at build time, lists them and names their version.
/* global self, caches, importScripts, PAGE_FILES, PAGE_VERSION */
importScripts("files.js");

const kCache = "baralune-" + PAGE_VERSION;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(PAGE_FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith("baralune-") && k !== kCache).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

// The page's own files come from the cache; anything else goes to the network as usual.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(kCache).then((cache) =>
    cache.match(request, { ignoreSearch: true }).then((hit) => hit || fetch(request))));
});
