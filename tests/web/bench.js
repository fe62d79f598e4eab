// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers
// The browser build's benchmark in headless Chromium on this machine, printed as one table like
// scripts/bench's: per animation the frames a second (the frames the programs count in
// globalThis.wellenlehreFrames over wall time), the frames dropped against 60 a second, and the
// renderer's CPU time over wall time; the Huygens–Fresnel scan's time and share; per program the
// time from the page's navigation start to the first frame (median of three first visits), and
// the download (its .js and .wasm, raw and gzip -9). WEB_BENCH_SECONDS (10) per animation.
// Exits with 1 when a figure misses its target or could not be taken.
//   node bench.js STAGED_FOLDER
'use strict';

const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const h = require('./harness');

const seconds = Number(process.env.WEB_BENCH_SECONDS || 10);
const rows = [];
const gpu = [];
const problems = [];

async function closePages() {
    for (const page of h.opened.splice(0)) {
        problems.push(...page.problems);
        await page.close();
    }
}
let misses = 0;

function row(what, figure, value, format, target, ok) {
    if (value === null || Number.isNaN(value)) ok = 'FAILED';
    else ok = ok(value) ? 'ok' : 'MISSED';
    if (ok !== 'ok' && target !== '–') ++misses;
    rows.push([what, figure, value === null || Number.isNaN(value) ? '–' : format(value), target,
               target === '–' ? '–' : ok]);
}
const any = () => true;

// CPU seconds of the renderers (one page is open) and of the GPU process, from Chromium itself.
async function cpu(session) {
    const {processInfo} = await session.send('SystemInfo.getProcessInfo');
    const sum = (type) => processInfo.filter((p) => p.type === type).reduce((a, p) => a + p.cpuTime, 0);
    return {renderer: sum('renderer'), gpu: sum('GPU')};
}

// Frames and CPU over `seconds` of an animation running in the page.
async function measure(page, session) {
    await h.sleep(1000);
    const frames = () => page.evaluate(() => globalThis.wellenlehreFrames);
    const [f0, c0, t0] = [await frames(), await cpu(session), performance.now()];
    await h.sleep(seconds * 1000);
    const [f1, c1, t1] = [await frames(), await cpu(session), performance.now()];
    const wall = (t1 - t0) / 1000;
    return {fps: (f1 - f0) / wall, dropped: Math.max(0, 60 * wall - (f1 - f0)) / wall,
            renderer: 100 * (c1.renderer - c0.renderer) / wall, gpu: 100 * (c1.gpu - c0.gpu) / wall};
}

async function animation(what, detail, page, session) {
    const m = await measure(page, session).catch(() => ({}));
    row(what, 'frames/s', m.fps ?? null, (v) => v.toFixed(1), '≥ 59.5 (60 Hz)', (v) => v >= 59.5);
    row(detail, 'frames dropped per s', m.dropped ?? null, (v) => v.toFixed(1), '≤ 0.5', (v) => v <= 0.5);
    row('', 'renderer CPU per s', m.renderer ?? null, (v) => `${v.toFixed(1)} %`, '–', any);
    gpu.push(`${what}: ${m.gpu?.toFixed(1) ?? '–'} %`);
}

// Opens a page in German and waits for the window; the pages are measured one at a time.
async function open(browser, url, program, title) {
    await closePages();
    const page = await h.openPage(browser, `${url}${program}.html?lang=de`);
    await h.waitForState(page, 'running');
    return [page, await h.waitForWindow(page, title)];
}

const menu = 'Huyghenssches Prinzip - Zeigerformalismus';

// Each animation on a page of its own; one that fails leaves its figures missing, not the others'.
const scenarios = {
    async superposition(browser, url, session) {
        let [page, w] = await open(browser, url, 'orvane', menu);
        await h.click(page, h.twips(w, 1747, 1507)); // "Zeigerformalismus"
        w = await h.waitForWindow(page, 'Superposition von Wellen - Phasenzeiger');
        for (const y of [367, 967, 1567]) await h.click(page, h.twips(w, 1087, y)); // W1, W2, sum
        await animation('superposition', 'W1, W2 and sum', page, session);
    },
    async huygens(browser, url, session) {
        let [page, w] = await open(browser, url, 'orvane', menu);
        await h.click(page, h.twips(w, 1627, 4267), 'left', 800); // "Huyghenssches Prinzip"
        const huygens = ' Huygen-Fresnel Prinzip und Zeigerdarstellung';
        w = await h.waitForWindow(page, huygens);
        const at = h.scaled(w, {left: -300, top: -1500, width: 4000, height: 2925}, 2000, 0);
        // The scan's end: the last change of the picture before it stood for 1.5 s.
        const start = {t: performance.now(), c: await cpu(session)};
        await page.mouse.click(at.x, at.y, {button: 'right'});
        let last = await h.picture(page, huygens), changed = start;
        while (performance.now() - changed.t < 1500 && performance.now() - start.t < 120000) {
            await h.sleep(100);
            const now = await h.picture(page, huygens);
            if (now !== last) {
                last = now;
                changed = {t: performance.now(), c: await cpu(session)};
            }
        }
        const wall = (changed.t - start.t) / 1000 || NaN;
        row('Huygens scan', 'scan time', wall, (v) => `${v.toFixed(2)} s`, '–', any);
        row('right press, N = 6', 'renderer CPU per s', 100 * (changed.c.renderer - start.c.renderer) / wall,
            (v) => `${v.toFixed(1)} %`, '–', any);
        // 1201 samples, s = −3000..3000 by 5; one every 4 ms on the desktop.
        row('', 'samples per s', 1201 / wall, (v) => v.toFixed(0), '–', any);
        gpu.push(`Huygens scan: ${(100 * (changed.c.gpu - start.c.gpu) / wall).toFixed(1)} %`);
    },
    async kestrup(browser, url, session) {
        const [page] = await open(browser, url, 'kestrup', 'Zeigerdarstellung für zwei Wellen');
        await animation('kestrup', 'as it starts', page, session);
    },
    async tilmora(browser, url, session) {
        const [page, w] = await open(browser, url, 'tilmora',
                                     'Interferenz zweier kohärenter Wellen -   Darstellung mit Phasenzeigern');
        for (const y of [780, 1500, 2220]) await h.click(page, h.twips(w, 8460, y)); // start, W2, sum
        await animation('tilmora', 'W1, W2 and sum', page, session);
    },
};

// Three first visits, each in a fresh context (nothing cached): navigation start to first frame.
async function firstFrame(browser, url, program) {
    const times = [];
    for (let i = 0; i < 3; ++i) {
        const context = await browser.createBrowserContext();
        const page = await h.openPage(context, `${url}${program}.html?lang=de`);
        h.opened.splice(h.opened.indexOf(page), 1);
        problems.push(...page.problems);
        await page.waitForFunction(() => globalThis.wellenlehreTest.firstFrameAt !== null, {timeout: 30000})
            .then(async () => times.push(await page.evaluate(() => globalThis.wellenlehreTest.firstFrameAt)))
            .catch(() => {});
        await context.close();
    }
    times.sort((a, b) => a - b);
    return times.length === 3 ? times[1] : null;
}

async function main() {
    const folder = process.argv[2];
    const load = os.loadavg().map((v) => v.toFixed(2)).join(' ');
    const server = await h.serve(folder);
    const browser = await h.launch();
    const session = await browser.target().createCDPSession();
    for (const [name, scenario] of Object.entries(scenarios)) {
        await scenario(browser, server.url, session).catch((error) => {
            console.error(`${name}: ${error.message}`);
            row(name, 'not measured (see above)', null, String, 'measured', any);
        });
    }
    await closePages();
    const mb = (bytes) => bytes / 1e6;
    for (const program of ['orvane', 'kestrup', 'tilmora']) {
        const ms = await firstFrame(browser, server.url, program);
        row(`${program} program`, 'first frame (median of 3)', ms, (v) => `${v.toFixed(0)} ms`, '≤ 3000 ms',
            (v) => v <= 3000);
        const files = ['js', 'wasm'].map((ext) => path.join(folder, `${program}.${ext}`)).filter(fs.existsSync);
        const data = files.map((file) => fs.readFileSync(file));
        const raw = data.reduce((a, d) => a + d.length, 0);
        const gzip = data.reduce((a, d) => a + zlib.gzipSync(d, {level: 9}).length, 0);
        row('', 'download .js + .wasm', files.length === 2 ? mb(raw) : null, (v) => `${v.toFixed(1)} MB`, '–', any);
        row('', '  gzip -9', files.length === 2 ? mb(gzip) : null, (v) => `${v.toFixed(2)} MB`, '≤ 8 MB',
            (v) => v <= 8);
    }
    await browser.close();
    await server.close();

    const version = execFileSync(process.env.CHROMIUM || '/usr/bin/chromium',
        ['--version'], {encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore']}).trim();
    console.log(`Benchmarks in the browser: ${version}, headless, 1280×1024, localhost, ` +
                `${os.cpus().length} cores, load average ${load}\n`);
    const table = [['what', 'figure', 'value', 'target', 'ok'], ...rows];
    const widths = table[0].map((_, i) => Math.max(...table.map((r) => r[i].length)));
    const line = (r) => r.map((cell, i) => cell.padEnd(widths[i])).join('  ').trimEnd();
    console.log(line(table[0]));
    console.log('-'.repeat(widths.reduce((a, b) => a + b + 2, -2)));
    for (const r of rows) console.log(line(r));
    console.log('\nFrames: the programs\' paced frames (globalThis.wellenlehreFrames) over wall time, after');
    console.log(`a second's start, over ${seconds} s; dropped: 60 a second less those. Renderer CPU: the`);
    console.log('renderer processes\' CPU time over wall time (Chromium\'s SystemInfo). Scan: from the right');
    console.log('press to the last change of the picture. First frame: from the navigation start to the first');
    console.log('window canvas with a pixel drawn, each visit in a fresh browser context.');
    console.log(`GPU process (compositing) over the same time: ${gpu.join(', ')}.`);
    console.log(`Load average after: ${os.loadavg().map((v) => v.toFixed(2)).join(' ')}`);
    for (const problem of problems) console.log(`page problem: ${problem}`);
    console.log(misses ? `\n${misses} figure(s) missed their targets.` : '\nEvery figure meets its target.');
    process.exit(misses ? 1 : 0);
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
