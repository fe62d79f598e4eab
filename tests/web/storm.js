// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers
// The storm in the browser: random clicks, right clicks, drags and keys (P, N, F1, Esc among
// them) into a program's windows, WEB_STORM_SECONDS (60) for each window: the program starts
// afresh, the window is opened from the menu where it needs to be, and most actions go to it, the
// rest to the other windows shown (its help among them). A window the storm closed is opened again
// from the menu, a program it ended starts again. It fails on any page error or console error, on
// a crash, and when the page stops answering. The seed is printed; WEB_STORM_SEED replays its
// choices for each window (the timing of the program's loops still varies); WEB_STORM_ONLY=<program>
// storms only that program's windows.
//   node storm.js STAGED_FOLDER
'use strict';

const h = require('./harness');

const secondsPerWindow = Number(process.env.WEB_STORM_SECONDS || 60);
const answerSeconds = Number(process.env.WEB_ANSWER_SECONDS || 10);
const seed = Number(process.env.WEB_STORM_SEED || Math.floor(Math.random() * 2 ** 32)) >>> 0;
const menu = 'Huyghenssches Prinzip - Zeigerformalismus';
// Each window, and where its button stands in Orvane's menu (twips).
const programs = {
    orvane: [{title: menu}, {title: 'Superposition von Wellen - Phasenzeiger', button: [1747, 1507]},
             {title: 'Huygen-Fresnel Prinzip und Zeigerdarstellung', button: [1627, 4267]}],
    kestrup: [{title: 'Zeigerdarstellung für zwei Wellen'}],
    tilmora: [{title: 'Interferenz zweier kohärenter Wellen - Darstellung mit Phasenzeigern'}],
};
const keys = ['p', 'p', 'n', 'n', 'F1', 'Escape', 'Tab', 'Space', 'Enter', 'ArrowLeft', 'ArrowRight', 'Home',
              'End', 'PageUp', 'PageDown', 'a'];

// mulberry32: small, and the same sequence from the same seed everywhere; each window starts its
// own sequence, so that a window's storm replays whatever the ones before it did.
let s = seed;
function random() {
    s = (s + 0x6d2b79f5) >>> 0;
    let t = s;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 2 ** 32;
}
const pick = (list) => list[Math.floor(random() * list.length)];
const pointIn = (w) => ({x: w.x + random() * w.width, y: w.y + random() * w.height});

// One action, mostly on the target window; returns the title of the window it went to.
async function act(page, target) {
    const windows = await page.evaluate(() => globalThis.wellenlehreTest.titles()
        .map((title) => ({title, ...globalThis.wellenlehreTest.window(title)})));
    if (windows.length === 0) return [null, 'nothing: no window'];
    const shown = (title) => windows.find((w) => w.title.replace(/ – Pause$/, '') === title);
    if (!shown(target.title) && target.button && shown(menu)) {
        const at = h.twips(shown(menu), ...target.button);
        await page.mouse.click(at.x, at.y);
        return [menu, `the menu's button for ${target.title}`];
    }
    const w = shown(target.title) && random() < 0.7 ? shown(target.title) : pick(windows);
    const r = random();
    const where = (p) => `(${Math.round(p.x - w.x)}, ${Math.round(p.y - w.y)})`;
    let what;
    if (r < 0.35) {
        const at = pointIn(w);
        what = `${r < 0.3 ? 'left' : 'right'} click at ${where(at)}`;
        await page.mouse.click(at.x, at.y, {button: r < 0.3 ? 'left' : 'right'});
    } else if (r < 0.55) {
        const from = pointIn(w), to = pointIn(w), steps = 2 + Math.floor(random() * 8);
        const button = random() < 0.9 ? 'left' : 'right';
        what = `${button} drag ${where(from)} to ${where(to)}`;
        await page.mouse.move(from.x, from.y);
        await page.mouse.down({button});
        for (let i = 1; i <= steps; ++i)
            await page.mouse.move(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
        await page.mouse.up({button});
    } else {
        const title = random() < 0.3;
        what = `${title ? 'title click, ' : ''}key ${pick(keys)}`;
        if (title) await page.mouse.click(w.label.x, w.label.y);
        await page.keyboard.press(what.split(' ').pop());
    }
    return [w.title, what];
}

async function storm(page, url, target) {
    await page.goto(url, {waitUntil: 'load'});
    await h.waitForState(page, 'running');
    const perWindow = new Map();
    let actions = 0, ends = 0, lastCheck = 0, frames = 0;
    const last = [];
    const end = Date.now() + secondsPerWindow * 1000;
    while (Date.now() < end) {
        for (let burst = 1 + Math.floor(random() * 6); burst > 0; --burst) {
            const [title, what] = await h.within(answerSeconds, act(page, target), 'an action');
            last.push(`${what} in ${title}`);
            if (last.length > 5) last.shift();
            const shown = title && title.replace(/ – Pause$/, '');
            if (shown) perWindow.set(shown, (perWindow.get(shown) || 0) + 1);
            ++actions;
        }
        await h.sleep(random() < 0.1 ? 200 + random() * 1000 : random() * 150);
        if (page.problems.length) {
            throw new Error(`after ${actions} actions, the page ${await h.state(page).catch(() => 'not answering')
            }; the last: ${last.join('; ')}`);
        }
        if (Date.now() - lastCheck >= 1000) {
            lastCheck = Date.now();
            const [now, counted] = await h.within(answerSeconds, page.evaluate(
                () => [document.body.dataset.state, globalThis.wellenlehreFrames]), 'the page');
            if (now === 'crashed') throw new Error(`crashed after ${actions} actions`);
            frames = Math.max(frames, counted || 0);
            if (now === 'ended') {
                ++ends;
                await page.reload({waitUntil: 'load'});
                await h.waitForState(page, 'running');
            }
        }
    }
    const windows = [...perWindow].map(([title, n]) => `${n} ${title}`).join('; ');
    return `${actions} actions (${windows}), ${ends} ends, ${frames} frames at most`;
}

async function main() {
    console.log(`web storm: seed ${seed} (WEB_STORM_SEED=${seed} replays it), ${secondsPerWindow} s per window`);
    const server = await h.serve(process.argv[2]);
    const browser = await h.launch();
    let failures = 0, storms = 0, window = 0;
    for (const [name, targets] of Object.entries(programs)) {
        const url = `${server.url}${name}.html?lang=de`;
        const page = await h.openPage(browser, 'about:blank');
        window += targets.length;
        if (process.env.WEB_STORM_ONLY && process.env.WEB_STORM_ONLY !== name) continue;
        for (const [index, target] of targets.entries()) {
            let summary = null, failure = null;
            ++storms;
            s = (seed + Math.imul(0x9e3779b9, window - targets.length + index + 1)) >>> 0;
            try {
                summary = await storm(page, url, target);
            } catch (error) {
                failure = error.message;
            }
            const problems = page.problems.splice(0);
            if (failure || problems.length) {
                ++failures;
                console.log(`FAIL storm ${name}, ${target.title}${failure ? ': ' + failure : ''}`);
                for (const problem of problems.slice(0, 20)) console.log(`     ${problem}`);
                if (failure) break; // the page may no longer answer
            } else {
                console.log(`ok   storm ${name}, ${target.title}: ${summary}`);
            }
        }
        await h.within(answerSeconds, page.close(), 'closing').catch(() => {});
        h.opened.splice(0);
    }
    await h.within(answerSeconds, browser.close(), 'closing the browser').catch(() => browser.process()?.kill());
    await server.close();
    console.log(`web storm: ${failures} of ${storms} windows failed (seed ${seed})`);
    process.exit(failures ? 1 : 0);
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
