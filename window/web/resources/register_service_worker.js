// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// The web app's page, served from a web server, has its service worker keep the app's files for
// use offline. Without one (opened from disk, or in a browser that refuses it) the page works
// just the same, only not offline, so a refusal is nothing to report. The worker starts once the
// page has loaded, so that fetching the app's files for it does not slow the window's start.
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  addEventListener('load', function () {
    navigator.serviceWorker.register('service-worker.js').catch(function () {});
  });
}
