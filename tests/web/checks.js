// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers
// The browser build's checks in headless Chromium, one walk through each program as a lesson goes:
// its first frame, an animation that runs, holds with P, steps with N and goes on; Start pressed
// while a loop runs, a scan nested in a scan and P inside it; the Huygens–Fresnel field's phasor
// chain; a PNG download with Ctrl+S; the end shown as such; English for an English browser.
// Each walk stops at its first failed step (what follows builds on it); no walk may leave a page
// error or a console error.
//   node checks.js STAGED_FOLDER
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const h = require('./harness');

const menu = 'Huyghenssches Prinzip - Zeigerformalismus';
const superposition = 'Superposition von Wellen - Phasenzeiger';
const huygens = ' Huygen-Fresnel Prinzip und Zeigerdarstellung';
const tilmora = 'Interferenz zweier kohärenter Wellen -   Darstellung mit Phasenzeigern';
const kestrupEnglish = 'Phasors of two waves';
const paused = ' – Pause';
const red = [255, 0, 0];

let failures = 0;
let passes = 0;

function expect(condition, what) {
    if (!condition) throw new Error(what);
    ++passes;
}

// The picture moves on (changes within a second) or stands (the same for 600 ms).
async function moves(page, title) {
    const before = await h.picture(page, title);
    for (let i = 0; i < 10; ++i) {
        await h.sleep(100);
        if (await h.picture(page, title) !== before) return true;
    }
    return false;
}
async function stands(page, title) {
    const before = await h.picture(page, title);
    await h.sleep(600);
    return before !== null && await h.picture(page, title) === before;
}

// Waits until the picture stops changing (a scan's end), at most `seconds`.
async function settles(page, title, seconds) {
    const end = Date.now() + seconds * 1000;
    while (Date.now() < end) {
        if (await stands(page, title) && await stands(page, title)) return true;
    }
    return false;
}

// P holds the picture and marks the title, N draws one frame and holds again, P lets it go on.
async function lessonKeys(page, title) {
    let w = await h.waitForWindow(page, title);
    await h.key(page, w, 'p');
    w = await h.waitForWindow(page, title + paused, 3);
    expect(await stands(page, title + paused), `${title}: the picture moves while paused`);
    const held = await h.picture(page, title + paused);
    await h.key(page, w, 'n', 200);
    expect(await h.picture(page, title + paused) !== held, `${title}: N drew no new frame`);
    expect(await stands(page, title + paused), `${title}: after N the picture goes on moving`);
    await h.key(page, w, 'p');
    await h.waitForWindow(page, title, 3);
    expect(await moves(page, title), `${title}: the picture stands after P again`);
}

// Orvane in German: the menu, the superposition animating with the lesson keys, the Huygens–
// Fresnel field with its phasor chain, a scan with a scan nested in it and paused there, the
// picture as a download, and the close box ending the program.
async function orvane(browser, url) {
    const page = await h.openPage(browser, url + 'orvane.html?lang=de');
    await h.waitForState(page, 'running');
    let w = await h.waitForWindow(page, menu);
    expect(await h.count(page, menu, {x: w.x + 2, y: w.y + 2, width: 3, height: 3}, [255, 255, 128]) === 9,
           'the menu shows its yellow background');

    await h.click(page, h.twips(w, 1747, 1507)); // "Zeigerformalismus"
    w = await h.waitForWindow(page, superposition);
    await h.click(page, h.twips(w, 1087, 367), 'left', 800); // "Start W1/Menu"
    expect(await moves(page, superposition), 'the superposition animates after "Start W1"');
    await lessonKeys(page, superposition);
    await h.click(page, h.twips(w, 1087, 367), 'left', 500); // now "Menu"
    w = await h.waitForWindow(page, menu);

    await h.click(page, h.twips(w, 1627, 4267), 'left', 800); // "Huyghenssches Prinzip"
    w = await h.waitForWindow(page, huygens);
    // The field spans x −300..3700 and y −1500..1425; the phasor panel opens at the pointer and
    // ends its chain in a red resultant.
    const scale = {left: -300, top: -1500, width: 4000, height: 2925};
    const at = (x, y) => h.scaled(w, scale, x, y);
    await h.click(page, at(1000, 200), 'left', 500);
    expect(await h.count(page, huygens, {...at(1000, 200), width: 350, height: 320}, red) >= 20,
           'a click into the field shows its phasor chain with the red resultant');

    // A right press scans the vertical cut through its x, sample by sample: each sample draws red
    // lines from the sources (x = 0) to it, and the panel stands at it (reaching about 1000 units
    // right). A band of the field at x 1500..1600 then holds red only while the scan at x = 2000
    // runs; a scan at x = 100 draws its lines left of x = 100. At its end a scan draws the cut as
    // a red line 3 pixels wide, and the next sample of a scan going on clears it.
    const band = (x0, x1) => {
        const from = at(x0, -1400), to = at(x1, 1400);
        return {x: from.x, y: from.y, width: to.x - from.x, height: to.y - from.y};
    };
    const redIn = (box, title = huygens) => h.count(page, title, box, red);
    const line = async (x) => {
        const box = band(x, x);
        return await redIn({...box, x: box.x - 2, width: 5}) / (5 * box.height);
    };
    await h.click(page, at(2000, 0), 'right', 0);
    let outerRuns = false;
    for (let i = 0; i < 50 && !outerRuns; ++i) {
        await h.sleep(100);
        outerRuns = await redIn(band(1500, 1600)) > 0;
    }
    expect(outerRuns, 'a right press at x = 2000 scans its cut: red lines to the sources cross x = 1500');
    await h.click(page, at(100, 0), 'right', 200); // while the first scan runs
    await h.key(page, w, 'p');
    expect(await stands(page, huygens + paused), 'P holds the scan');
    expect(await redIn(band(1500, 1600), huygens + paused) === 0 && await redIn(band(20, 80), huygens + paused) > 0,
           'P held the nested scan at x = 100, which cleared the first scan\'s lines');
    await h.key(page, w, 'p');
    expect(await moves(page, huygens), 'the nested scan goes on after P');
    expect(await settles(page, huygens, 60), 'the scans end within a minute');
    expect(await line(2000) > 0.3 && await line(100) < 0.05,
           'the first scan went on after the nested one to its end: its cut line stands, the nested one\'s is cleared');

    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'wellenlehre-web-'));
    const session = await browser.target().createCDPSession();
    await session.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: folder});
    await page.mouse.click(w.label.x, w.label.y);
    await page.keyboard.down('Control');
    await page.keyboard.press('s');
    await page.keyboard.up('Control');
    let saved = [];
    for (let i = 0; i < 50 && saved.length === 0; ++i) {
        await h.sleep(200);
        saved = fs.readdirSync(folder).filter((name) => name.endsWith('.png'));
    }
    expect(saved.length === 1, `Ctrl+S downloads one PNG (downloaded: ${JSON.stringify(fs.readdirSync(folder))})`);
    const png = fs.readFileSync(path.join(folder, saved[0]));
    expect(png.subarray(1, 4).toString() === 'PNG' && png.readUInt32BE(16) === w.canvasWidth
           && png.readUInt32BE(20) === w.canvasHeight,
           `the download is a PNG of the window's ${w.canvasWidth}×${w.canvasHeight} pixels ` +
           `(${png.subarray(1, 4)} ${png.readUInt32BE(16)}×${png.readUInt32BE(20)})`);
    fs.rmSync(folder, {recursive: true});

    expect(w.close, 'the Huygens–Fresnel window has a close box');
    await h.click(page, w.close);
    await h.waitForState(page, 'ended', 10);
    expect(await page.evaluate(() => {
        const shown = (e) => e && e.checkVisibility({visibilityProperty: true}) && e.getClientRects().length > 0;
        const ended = document.getElementById('ended');
        return shown(ended) && ended.innerText.trim().length > 0 && !shown(document.getElementById('screen'));
    }), 'after the close box the page hides the program and says that it has ended');
}

// Tilmora in German: Start/Stopp lights its indicator and runs the bars; pressed twice while the
// loop runs it stops and starts again (the new loop nested in the old one's frame), P holds the
// nested loop, and one more press stops everything.
async function tilmoraWalk(browser, url) {
    const page = await h.openPage(browser, url + 'tilmora.html?lang=de');
    await h.waitForState(page, 'running');
    const w = await h.waitForWindow(page, tilmora);
    const indicator = (rgb) => h.count(page, tilmora, {...h.twips(w, 9900, 600), width: 1, height: 1}, rgb);
    expect(await indicator(red) === 1, 'the Start/Stopp indicator is red before the start');
    const start = h.twips(w, 8460, 780);
    await h.click(page, start, 'left', 500);
    expect(await indicator([0, 255, 0]) === 1 && await moves(page, tilmora), 'Start/Stopp runs the bars');
    await page.mouse.click(start.x, start.y);
    await page.mouse.click(start.x, start.y);
    await h.sleep(500);
    expect(await indicator([0, 255, 0]) === 1 && await moves(page, tilmora),
           'stopped and started again while running, the bars run on');
    await lessonKeys(page, tilmora);
    await h.click(page, start, 'left', 1500);
    expect(await indicator(red) === 1 && await stands(page, tilmora), 'one more press stops every loop');
}

// Kestrup in an English browser (no ?lang): English titles, Welle1 moving from the start, and
// "Exit" ending it while it runs, the page saying so in English.
async function kestrup(browser, url) {
    const page = await h.openPage(browser, url + 'kestrup.html');
    expect(await page.evaluate(() => navigator.languages[0].startsWith('en')), 'the browser is an English one');
    await h.waitForState(page, 'running');
    const w = await h.waitForWindow(page, kestrupEnglish);
    expect(await moves(page, kestrupEnglish), 'Kestrup animates from the start');
    // The window's own units: 4000 × 2925 from (−100, −1500).
    await h.click(page, h.scaled(w, {left: -100, top: -1500, width: 4000, height: 2925}, 1500, -805)); // "Exit"
    await h.waitForState(page, 'ended', 10);
    const notice = await page.evaluate(() => {
        const ended = document.getElementById('ended');
        return ended?.checkVisibility({visibilityProperty: true}) ? ended.innerText : null;
    });
    expect(notice && !/beendet|starten/.test(notice),
           `"Exit" ends the program and the page says so, in English: ${JSON.stringify(notice)}`);
}

async function main() {
    const folder = process.argv[2];
    const server = await h.serve(folder);
    const browser = await h.launch();
    for (const [name, walk] of [['orvane', orvane], ['tilmora', tilmoraWalk], ['kestrup', kestrup]]) {
        const started = Date.now();
        let failure = null;
        try {
            await walk(browser, server.url);
        } catch (error) {
            failure = error.message;
        }
        const pages = h.opened.splice(0);
        const problems = pages.flatMap((p) => p.problems);
        await Promise.all(pages.map((p) => p.close()));
        const seconds = ((Date.now() - started) / 1000).toFixed(1);
        if (failure || problems.length) {
            ++failures;
            console.log(`FAIL ${name} (${seconds} s)${failure ? ': ' + failure : ''}`);
            for (const problem of problems) console.log(`     ${problem}`);
        } else {
            console.log(`ok   ${name} (${seconds} s)`);
        }
    }
    await browser.close();
    await server.close();
    console.log(`web checks: ${passes} steps passed, ${failures} of 3 walks failed`);
    process.exit(failures ? 1 : 0);
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
