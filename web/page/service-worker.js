// Keeps the whole page on the device once it has been opened from a web server, so that a
// tablet runs it without a network. Each file comes from the server while it answers, so that
// a new build reaches the class on the next load, and from the kept copy when it does not; the
// copy is matched without its query (?lang=en). The build names the cache after the site's
// content, so that a new build replaces the old copy whole.
const cacheName = 'quirlweg-site';
const siteFiles = [
  './', 'index.html', 'style.css', 'app.js', 'texts.js', 'lessons.js', 'quirlweg_core.js',
  'manifest.webmanifest', 'walker.svg', 'start.svg', 'start-pressed.svg', 'arrow-up.svg',
  'arrow-down.svg', 'quirlweg.svg', 'exact-worker.js',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(siteFiles))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
      names.filter((name) => name !== cacheName).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The copy is kept under the file's address without its query.
function keptRequest(request) {
  const url = new URL(request.url);
  url.search = '';
  return new Request(url.href);
}

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(fetch(request).then((response) => {
    if (response.ok) {
      const copy = response.clone();
      event.waitUntil(caches.open(cacheName).then((cache) => cache.put(keptRequest(request), copy)));
    }
    return response;
  }).catch(() => caches.match(request, { ignoreSearch: true })
    .then((kept) => kept ?? Response.error())));
});
