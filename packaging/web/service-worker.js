// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers
// The offline copy: at its first visit the browser keeps every file of the folder, and from then
// on answers from that copy, with or without a network. packaging/web/stage.sh fills in the
// files and the cache's name, which holds the version and a hash of the files: a changed folder
// is a changed worker, which the browser installs, and which replaces the old copy.
'use strict';

const cacheName = '@CACHE@';
const files = [
@FILES@
];

self.addEventListener('install', event => {
    event.waitUntil(caches.open(cacheName)
        .then(cache => cache.addAll(files))
        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
    event.waitUntil(caches.keys()
        .then(names => Promise.all(names.filter(name => name !== cacheName)
            .map(name => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The pages' addresses carry ?lang and ?touch, the folder's own address no file name.
self.addEventListener('fetch', event => {
    if (event.request.method !== 'GET')
        return;
    const url = new URL(event.request.url);
    const inFolder = new URL('./', self.registration.scope);
    if (url.origin !== inFolder.origin || !url.pathname.startsWith(inFolder.pathname))
        return;
    const file = url.pathname.endsWith('/') ? new URL('index.html', url) : url;
    event.respondWith(caches.open(cacheName)
        .then(cache => cache.match(file.href, {ignoreSearch: true}))
        .then(kept => kept ?? fetch(event.request)));
});
