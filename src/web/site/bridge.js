// Morvane in the browser, the module's bridge: the module (kestrin.wasm, which module.js
// carries) holds the engine and the program; this is what it asks of the page (its
// imports), and how the page reads it and starts it.
'use strict';

let moduleExports; // once the module is ready
// What a person did to the window before the module was ready, to be carried out in order
// once it is: presses, where the focus went, and what was typed after a press.
const waiting = [];

function whenReady(action) {
    if (moduleExports)
        action();
    else
        waiting.push(action);
}
const encoder = new TextEncoder();
const decoder = new TextDecoder();

const fromModule = (pointer, length) => decoder.decode(new Uint8Array(moduleExports.memory.buffer, pointer, length));

// Copies as much of the text as fits into the module's buffer; its whole length in bytes.
function toModule(text, pointer, capacity) {
    const bytes = encoder.encode(text);
    new Uint8Array(moduleExports.memory.buffer, pointer, capacity).set(bytes.subarray(0, capacity));
    return bytes.length;
}

// What the module asks of the page: windows and controls by their places in the program's
// lists, texts in UTF-8, a list's lines each ended by "\n" but the last.
const pageImports = {
    open: (index, around) => makeWindow(index, around),
    activate: (index) => activate(index),
    close: (index) => closeWindow(index),
    text: (index, control, buffer, capacity) => {
        const made = inputOf(openWindows[index].controls[control]);
        const lines = made.tagName === 'UL' ? [...made.children].map((line) => line.textContent).join('\n') : null;
        return toModule(lines ?? made.value ?? made.textContent, buffer, capacity);
    },
    setText: (index, control, text, length) => {
        const made = inputOf(openWindows[index].controls[control]);
        const shown = fromModule(text, length);
        if (made.tagName === 'UL')
            made.replaceChildren(...shown.split('\n').map((line) => Object.assign(element('li', ''), { textContent: line })));
        else
            made[made.tagName === 'INPUT' ? 'value' : 'textContent'] = shown;
    },
    box: (index, place) => new Int32Array(moduleExports.memory.buffer, place, 4).set(box(openWindows[index])),
    desktopBox: (place) => {
        const desktop = document.getElementById('desktop');
        new Int32Array(moduleExports.memory.buffer, place, 4).set([0, 0, desktop.clientWidth, desktop.clientHeight]);
    },
    move: (index, left, top) => move(openWindows[index], left, top),
    ...painterImports,
    ...keepingImports,
    moveFocus: (index, control) => {
        openWindows[index].focus = inputOf(openWindows[index].controls[control]);
        if (activeWindow === index)
            openWindows[index].focus.focus();
    },
    openAddress: (address, length) => window.open(fromModule(address, length), '_blank', 'noopener,noreferrer'),
    openPage: (name, length) => window.open(`help/${fromModule(name, length)}`, '_blank', 'noopener,noreferrer'),
    announce: (text, length) => {
        const announcer = document.getElementById('announcer');
        announcer.textContent = '';
        setTimeout(() => { announcer.textContent = fromModule(text, length); }, 50);
    },
    decimalSeparator: (buffer, capacity) => {
        const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
        return toModule(parts.find((part) => part.type === 'decimal')?.value ?? '.', buffer, capacity);
    },
    quit: () => { document.body.classList.add('ended'); },
};

// The module needs a few of WASI's functions only for messages it never writes.
const wasiStubs = { fd_close: () => 0, fd_seek: () => 0, fd_write: () => 0, proc_exit: () => {} };

// Reads the module from module.js, which the page has fetched meanwhile, and starts the
// program.
async function startModule() {
    const script = element('script', '', document.head);
    await new Promise((loaded) => {
        script.addEventListener('load', loaded);
        script.src = 'module.js';
    });
    const bytes = Uint8Array.from(globalThis.morvaneModule, (c) => c.charCodeAt(0));
    const { instance } = await WebAssembly.instantiate(bytes, { page: pageImports, wasi_snapshot_preview1: wasiStubs });
    moduleExports = instance.exports;
    moduleExports._initialize();
    moduleExports.start(morvaneDescriptions.languages.indexOf(pageLanguage));
    for (const action of waiting.splice(0))
        action();
}
