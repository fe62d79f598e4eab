// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers
// The start page and the program pages: their language, the program's start and end, the touch
// toolbar and the offline copy. The pages are written in German; an element's English text is
// in its data-en attribute (data-en-title, data-en-href for those attributes).
'use strict';

const query = new URLSearchParams(location.search);
const carriedLanguages = ['de', 'en'];
const primaryLanguage = tag => String(tag).split(/[-_]/)[0].toLowerCase();

// As the programs choose: ?lang=de or ?lang=en, else the first of the browser's languages that
// they carry, else German.
const askedLanguage = carriedLanguages.find(code => code === primaryLanguage(query.get('lang')));
const pageLanguage = askedLanguage ??
    (navigator.languages ?? [navigator.language]).map(primaryLanguage)
        .find(code => carriedLanguages.includes(code)) ?? 'de';

function translatePage()
{
    document.documentElement.lang = pageLanguage;
    if (pageLanguage !== 'en')
        return;
    for (const element of document.querySelectorAll('[data-en]'))
        element.textContent = element.dataset.en;
    for (const element of document.querySelectorAll('[data-en-title]'))
        element.title = element.dataset.enTitle;
    for (const element of document.querySelectorAll('[data-en-href]'))
        element.setAttribute('href', element.dataset.enHref);
}

// Links to the other pages keep ?lang (and ?touch), so a chosen language stays chosen.
function carryQuery()
{
    for (const link of document.querySelectorAll('a[data-carry]')) {
        const target = new URL(link.getAttribute('href'), location.href);
        for (const [name, value] of query)
            target.searchParams.set(name, value);
        link.href = target.href;
    }
}

// The offline copy: the service worker keeps every file of the folder once it is registered.
// Browsers offer it only over https and on localhost, never from file://.
function keepOffline()
{
    if (!('serviceWorker' in navigator))
        return;
    navigator.serviceWorker.register('service-worker.js')
        .catch(error => console.warn('Wellenlehre: no offline copy:', error.message));
}

// Only where there is no keyboard: a coarse pointer and no fine one (an iPad without its
// keyboard case), or ?touch=1 (?touch=0 never).
function wantsToolbar()
{
    if (query.has('touch'))
        return query.get('touch') === '1';
    return matchMedia('(pointer: coarse)').matches && !matchMedia('(any-pointer: fine)').matches;
}

async function startProgram()
{
    const body = document.body;
    const program = body.dataset.program;
    const screen = document.getElementById('screen');
    const toolbar = document.getElementById('toolbar');
    let instance = null;
    let over = false;

    const finish = (state, detail) => {
        if (over)
            return;
        over = true;
        screen.hidden = true;
        toolbar.hidden = true;
        document.getElementById('loading').hidden = true;
        if (detail)
            document.getElementById('crash-detail').textContent = detail;
        const notice = document.getElementById(state);
        notice.hidden = false;
        notice.querySelector('button').focus();
        body.dataset.state = state;
    };

    // A press that starts a loop (a scan starts on the right press) suspends the program before
    // Qt can cancel the press's default, which would move the keyboard focus from the program's
    // window to the page: the page cancels it itself. The program focuses its windows itself.
    screen.addEventListener('mousedown', event => event.preventDefault(), true);

    // Shown before the start: the program fits its windows to the screen it finds.
    toolbar.hidden = !wantsToolbar();
    for (const button of toolbar.querySelectorAll('button')) {
        // No focus for the button: keys typed later still go to the program's window.
        button.addEventListener('pointerdown', event => event.preventDefault());
        button.addEventListener('click', () => {
            if (typeof instance?._wellenlehre_key === 'function')
                instance._wellenlehre_key(Number(button.dataset.key));
            else
                console.warn('Wellenlehre: the program takes no keys from the toolbar');
        });
    }
    for (const button of document.querySelectorAll('button.restart'))
        button.addEventListener('click', () => location.reload());

    const config = {
        qt: {
            containerElements: [screen],
            entryFunction: window[`${program}_entry`],
            onExit: status => {
                if (status.crashed || (status.code ?? 0) !== 0)
                    finish('crashed', status.text ?? `exit status ${status.code}`);
                else
                    finish('ended');
            },
        },
        arguments: askedLanguage ? ['--lang', askedLanguage] : [],
        // qtLoad returns nothing when the program's main hands over to the browser by an
        // exception; the instance is the module this hook receives.
        preRun: [module => { instance = module; }],
    };
    try {
        instance = (await qtLoad(config)) ?? instance;
    } catch (error) {
        finish('crashed', error.message);
        return;
    }
    if (over)
        return;
    document.getElementById('loading').hidden = true;
    body.dataset.state = 'running';
    keepOffline();
}

// Ctrl+S saves the picture as a download in every browser. Where a browser offers its own file
// dialog, Qt would open that one instead, and a dialog cancelled there ends in an error.
delete window.showOpenFilePicker;
delete window.showSaveFilePicker;

// A program hands the page back its thread by throwing "unwind" (Qt's event loop does so once
// its start is done); where that happens in a program resumed from a yield, the throw ends in a
// promise nobody awaits. It is the runtime's way of returning, not an error.
addEventListener('unhandledrejection', event => {
    if (event.reason === 'unwind')
        event.preventDefault();
});

translatePage();
carryQuery();
if (document.body.dataset.program)
    startProgram();
else
    addEventListener('load', keepOffline);
