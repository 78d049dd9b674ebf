// Keeps the whole page on the device once it has been opened from a web server, so that a
// tablet runs it without a network. Every file is fetched from here and nowhere else.
const cacheName = 'quirlweg-2';
const siteFiles = [
  './', 'index.html', 'style.css', 'app.js', 'texts.js', 'quirlweg_core.js',
  'manifest.webmanifest', 'walker.svg', 'start.svg', 'start-pressed.svg', 'arrow-up.svg',
  'arrow-down.svg', 'quirlweg.svg',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(siteFiles)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
      names.filter((name) => name !== cacheName).map((name) => caches.delete(name)))));
});

self.addEventListener('fetch', (event) => {
  event.respondWith(caches.match(event.request).then((kept) => kept ?? fetch(event.request)));
});
