// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers
// What the browser checks, the storm and the benchmark share: the staged folder served on a free
// localhost port, headless Chromium, the problems a page reports, and the programs' windows as
// Qt for WebAssembly puts them in the page (a .qt-window each, inside an open shadow root under
// #screen, with its title in the title bar and its client area as one canvas).
'use strict';

const fs = require('fs');
const http = require('http');
const path = require('path');
const puppeteer = require('puppeteer-core');

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
    '.wasm': 'application/wasm', '.json': 'application/json', '.webmanifest': 'application/manifest+json',
    '.css': 'text/css', '.png': 'image/png', '.svg': 'image/svg+xml', '.ico': 'image/x-icon',
    '.ttf': 'font/ttf', '.txt': 'text/plain; charset=utf-8', '.zip': 'application/zip',
};

// Serves the folder as any static web server would; resolves to its address.
function serve(folder) {
    const root = path.resolve(folder);
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        let file = path.join(root, name);
        if (!file.startsWith(root)) file = root;
        if (name.endsWith('/')) file = path.join(file, 'index.html');
        fs.readFile(file, (error, data) => {
            if (error) {
                response.writeHead(404).end();
                return;
            }
            response.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream'});
            response.end(data);
        });
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
        url: `http://localhost:${server.address().port}/`,
        close: () => new Promise((done) => server.close(done)),
    })));
}

// Headless Chromium of the machine in English, as CI runs it (root, hence no sandbox).
function launch() {
    return puppeteer.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--lang=en-US', '--accept-lang=en-US,en', '--window-size=1280,1024'],
        defaultViewport: {width: 1280, height: 1024},
        env: {...process.env, LANG: 'en_US.UTF-8', LANGUAGE: 'en_US:en'},
        protocolTimeout: 60000,
    });
}

// Runs in the page before its own scripts: finds the windows and reads their pixels, and notes
// when the first of them shows something (for the benchmark's time to the first frame).
function pageHelpers() {
    const collapse = (text) => (text || '').replace(/\s+/g, ' ').trim();
    const windows = () => {
        const found = [];
        const visit = (root) => {
            for (const element of root.querySelectorAll('*')) {
                if (element.classList.contains('qt-window')) found.push(element);
                if (element.shadowRoot) visit(element.shadowRoot);
            }
        };
        const screen = document.getElementById('screen');
        if (screen) visit(screen);
        return found.filter((w) => {
            const r = w.getBoundingClientRect();
            const style = getComputedStyle(w);
            return r.width > 0 && r.height > 0 && style.display !== 'none' && style.visibility !== 'hidden';
        });
    };
    const titleOf = (w) => collapse(w.querySelector('.window-name')?.textContent);
    const canvasOf = (w) => w.querySelector('canvas.qt-window-content') || w.querySelector('canvas');
    const byTitle = (title) => windows().find((w) => titleOf(w) === collapse(title));
    const pixels = (canvas, box) => {
        const r = canvas.getBoundingClientRect();
        const s = canvas.width / r.width;
        const x = Math.max(0, Math.round((box ? box.x - r.left : 0) * s));
        const y = Math.max(0, Math.round((box ? box.y - r.top : 0) * s));
        const w = Math.min(canvas.width - x, Math.round((box ? box.width : r.width) * s));
        const h = Math.min(canvas.height - y, Math.round((box ? box.height : r.height) * s));
        if (w <= 0 || h <= 0) return new Uint32Array(0);
        return new Uint32Array(canvas.getContext('2d').getImageData(x, y, w, h).data.buffer);
    };
    const shows = (canvas) => canvas.width > 0 && canvas.height > 0
        && pixels(canvas).some((p) => (p >>> 24) !== 0);
    globalThis.wellenlehreTest = {
        titles: () => windows().map(titleOf),
        // The window's client area in page pixels, its title bar's close box, and its canvas size.
        window: (title) => {
            const w = byTitle(title);
            if (!w) return null;
            const r = canvasOf(w).getBoundingClientRect();
            const boxes = w.querySelectorAll('.title-bar .image-button');
            const close = boxes.length ? boxes[boxes.length - 1].getBoundingClientRect() : null;
            const label = w.querySelector('.window-name')?.getBoundingClientRect();
            return {x: r.left, y: r.top, width: r.width, height: r.height, canvasWidth: canvasOf(w).width,
                    canvasHeight: canvasOf(w).height,
                    close: close && {x: close.left + close.width / 2, y: close.top + close.height / 2},
                    label: label && {x: label.left + label.width / 2, y: label.top + label.height / 2}};
        },
        // A fingerprint of the window's picture (FNV-1a over its pixels).
        picture: (title) => {
            const w = byTitle(title);
            if (!w) return null;
            let hash = 2166136261;
            for (const p of pixels(canvasOf(w))) hash = Math.imul(hash ^ p, 16777619);
            return (hash >>> 0).toString(16);
        },
        // How many pixels of the colour [r, g, b] the box (page pixels) holds in the window.
        count: (title, box, rgb) => {
            const w = byTitle(title);
            if (!w) return -1;
            const want = (255 << 24 | rgb[2] << 16 | rgb[1] << 8 | rgb[0]) >>> 0;
            let n = 0;
            for (const p of pixels(canvasOf(w), box)) if (p === want) ++n;
            return n;
        },
        firstFrameAt: null,
    };
    const poll = () => {
        if (windows().some((w) => shows(canvasOf(w)))) globalThis.wellenlehreTest.firstFrameAt = performance.now();
        else requestAnimationFrame(poll);
    };
    requestAnimationFrame(poll);
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Rejects when the promise takes longer than the seconds given: a page that no longer answers.
function within(seconds, promise, what) {
    let timer;
    return Promise.race([promise, new Promise((_, reject) => {
        timer = setTimeout(() => reject(new Error(`${what}: no answer within ${seconds} s`)), seconds * 1000);
    })]).finally(() => clearTimeout(timer));
}

// Pages opened and not yet closed by whoever runs the walks, whether a walk ended well or not.
const opened = [];

// A page of its own, its errors and console errors collected, the helpers run before the page's
// own scripts.
async function openPage(browser, url) {
    const page = await browser.newPage();
    opened.push(page);
    const problems = [];
    // What was thrown need not be an Error (emscripten throws its ExitStatus, and numbers).
    page.on('pageerror', (error) => problems.push(`page error: ${error?.message ?? error} ${
        String(error?.stack ?? '').split('\n').slice(1, 3).map((line) => line.trim()).join(' ')}`.trim()));
    page.on('console', (message) => {
        if (message.type() === 'error') problems.push(`console error: ${message.text()}`);
    });
    page.on('error', (error) => problems.push(`page crashed: ${error.message}`));
    page.problems = problems;
    await page.evaluateOnNewDocument(pageHelpers);
    await page.goto(url, {waitUntil: 'load'});
    return page;
}

const state = (page) => page.evaluate(() => document.body.dataset.state);

async function waitForState(page, wanted, seconds = 30) {
    await page.waitForFunction((w) => document.body.dataset.state === w, {timeout: seconds * 1000}, wanted)
        .catch(async () => {
            throw new Error(`data-state is "${await state(page)}", not "${wanted}" after ${seconds} s`);
        });
}

// Waits for the window with this title and returns its client area (see pageHelpers).
async function waitForWindow(page, title, seconds = 20) {
    try {
        await page.waitForFunction((t) => globalThis.wellenlehreTest.window(t), {timeout: seconds * 1000}, title);
    } catch {
        const titles = await page.evaluate(() => globalThis.wellenlehreTest.titles()).catch(() => []);
        throw new Error(`no window "${title}" after ${seconds} s (windows: ${JSON.stringify(titles)})`);
    }
    return page.evaluate((t) => globalThis.wellenlehreTest.window(t), title);
}

const picture = (page, title) => page.evaluate((t) => globalThis.wellenlehreTest.picture(t), title);
const count = (page, title, box, rgb) =>
    page.evaluate((t, b, c) => globalThis.wellenlehreTest.count(t, b, c), title, box, rgb);

// Points of a window: in twips from its client area's corner (15 to a pixel at 96 dpi), or in
// the window's own scale, spread over the whole client area.
const twips = (w, x, y) => ({x: w.x + x / 15, y: w.y + y / 15});
const scaled = (w, scale, x, y) => ({
    x: w.x + (x - scale.left) / scale.width * w.width,
    y: w.y + (y - scale.top) / scale.height * w.height,
});

async function click(page, point, button = 'left', settle = 300) {
    await page.mouse.click(point.x, point.y, {button});
    await sleep(settle);
}

// Keys go to the window last clicked: its title is clicked first, which does nothing else.
async function key(page, w, name, settle = 300) {
    await page.mouse.click(w.label.x, w.label.y);
    await page.keyboard.press(name);
    await sleep(settle);
}

module.exports = {serve, launch, opened, openPage, state, waitForState, waitForWindow, picture, count, twips, scaled,
                  click, key, sleep, within};
