// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// The web app's service worker: it keeps the app's files, and answers for them from what it
// kept, so that the app starts and works with no network. Its cache is named after the files'
// contents, so a new release is a new worker, which replaces the old files at once. Other
// programs' caches on the same web server, and other copies' of this app, are left alone.
'use strict';

const OURS = `zefra ${self.registration.scope} `;
const CACHE = `${OURS}@VERSION@`;
const FILES = @FILES@;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(OURS) && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
