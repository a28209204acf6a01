// Keeps every file of the page on the first visit, so that with the network cut a reload still
// deals, shows and saves. files.js, written at build time, lists them and names their version.
/* global self, caches, importScripts, PAGE_FILES, PAGE_VERSION */
importScripts("files.js");

const kCache = "baralune-" + PAGE_VERSION;
// The double-size artwork only where the screen shows it (the page says so when it registers).
const kDouble = new URL(self.location.href).searchParams.get("density") === "2";
const kKept = PAGE_FILES.filter((file) => kDouble || !file.includes("@2x"));

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kKept)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith("baralune-") && k !== kCache).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

// The page's own files come from the cache; one not kept yet is kept once fetched. Anything of
// another origin is not the page's and goes to the network as usual.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(kCache).then((cache) =>
    cache.match(request, { ignoreSearch: true }).then((hit) => hit || fetch(request).then((response) => {
      if (response.ok) cache.put(request, response.clone());
      return response;
    }))));
});
