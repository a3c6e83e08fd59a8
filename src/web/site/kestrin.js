// Morvane in the browser: the page's half of the front end. The module (kestrin.wasm,
// which module.js carries) holds the engine and the program; this script draws the
// program's windows from their descriptions (morvaneDescriptions, which the site puts at
// the head of this script from the module), tells the module what a person does to them,
// and does what the module asks of the page. It draws the main window at once, and the
// module, once ready, opens it.
'use strict';

(() => {
    const kTwipsPerPixel = 15;
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();

    let exports; // the module's
    let descriptions; // the program's windows, as the module describes them
    const windows = []; // the open ones, by their place in the program's list
    let activeWindow = -1; // the last one to become active, as reported to the program
    let frontWindow = 0; // for stacking the windows

    const fromModule = (pointer, length) => decoder.decode(new Uint8Array(exports.memory.buffer, pointer, length));

    // Copies as much of the text as fits into the module's buffer; its whole length in bytes.
    function toModule(text, pointer, capacity) {
        const bytes = encoder.encode(text);
        new Uint8Array(exports.memory.buffer, pointer, capacity).set(bytes.subarray(0, capacity));
        return bytes.length;
    }

    // "&Calculate": the caption without its mark, and the access key the mark names.
    function accessKey(text) {
        const mark = text.indexOf('&');
        return mark < 0 ? { plain: text, key: '' } : { plain: text.slice(0, mark) + text.slice(mark + 1), key: text[mark + 1] };
    }

    function element(tag, className, parent) {
        const made = document.createElement(tag);
        if (className)
            made.className = className;
        parent?.append(made);
        return made;
    }

    function place(made, [left, top, width, height], origin) {
        made.style.left = `${left - origin[0]}px`;
        made.style.top = `${top - origin[1]}px`;
        made.style.width = `${width}px`;
        made.style.height = `${height}px`;
    }

    function look(made, control) {
        made.style.fontSize = `${control.fontPixels}px`;
        made.style.fontWeight = control.bold ? 'bold' : 'normal';
        made.style.fontStyle = control.italic ? 'italic' : 'normal';
        made.style.color = control.ink;
    }

    // One control, as its kind draws it in the page; the caption of a value is made with it.
    function makeControl(window, index, parents) {
        const control = window.description.controls[index];
        const id = `${window.description.name}-${control.name}`;
        const parent = parents[control.container] ?? window.client;
        const origin = parents[control.container] ? window.description.controls.find((c) => c.name === control.container).place : [0, 0];
        const { plain, key } = accessKey(control.text);
        let made;
        switch (control.kind) {
        case 'frame':
            made = element('fieldset', 'frame', parent);
            element('legend', '', made).textContent = control.text;
            parents[control.name] = made;
            break;
        case 'textBox':
            made = element('input', 'input', parent);
            made.value = control.text;
            made.autocomplete = 'off';
            made.spellcheck = false;
            if (control.maxLength > 0)
                made.maxLength = control.maxLength;
            break;
        case 'comboBox':
            made = makeComboBox(control, parent, id);
            break;
        case 'button':
            made = element('button', 'button', parent);
            made.type = 'button';
            made.append(plain.slice(0, plain.indexOf(key)));
            element('u', '', made).textContent = key;
            made.append(plain.slice(plain.indexOf(key) + 1));
            made.dataset.key = key.toUpperCase();
            made.addEventListener('click', () => exports?.pressed(window.index, index));
            break;
        case 'banner':
            made = element('h1', 'banner', parent);
            made.style.backgroundColor = control.face;
            element('img', '', made).alt = control.spokenName;
            made.firstChild.src = `${control.picture}.png`;
            made.firstChild.srcset = `${control.picture}.png 1x, ${control.picture}@2x.png 2x`;
            made.firstChild.width = control.pictureWidth;
            made.firstChild.height = control.pictureHeight;
            break;
        case 'link':
            made = element('a', 'label link', parent);
            made.href = control.text;
            made.textContent = control.text;
            made.addEventListener('click', (event) => {
                event.preventDefault();
                exports?.pressed(window.index, index);
            });
            break;
        default:
            made = element('span', 'label', parent);
            made.textContent = control.text;
        }
        made.id = id;
        made.dataset.name = control.name;
        place(made, control.place, origin);
        look(made, control);
        if (control.tip)
            inputOf(made).title = control.tip;
        if (control.spokenName && control.kind !== 'banner')
            inputOf(made).setAttribute('aria-label', control.spokenName);
        if (control.spokenDescription)
            inputOf(made).setAttribute('aria-description', control.spokenDescription);
        return made;
    }

    // The editable drop-down: a text field that takes any text, with a list of items that
    // opens under it (the WAI-ARIA editable combobox with a list). Down and Up take the
    // next and the previous item, as on the desktop; Alt+Down opens the list.
    function makeComboBox(control, parent, id) {
        const box = element('span', 'combo', parent);
        const input = element('input', 'input', box);
        const opener = element('button', 'opener', box);
        const list = element('ul', 'list', box);
        input.value = control.text;
        input.autocomplete = 'off';
        input.spellcheck = false;
        input.setAttribute('role', 'combobox');
        input.setAttribute('aria-autocomplete', 'none');
        input.setAttribute('aria-expanded', 'false');
        input.setAttribute('aria-controls', `${id}-list`);
        opener.type = 'button';
        opener.tabIndex = -1;
        opener.setAttribute('aria-label', 'Show the list');
        list.id = `${id}-list`;
        list.hidden = true;
        list.setAttribute('role', 'listbox');
        control.items.forEach((item, at) => {
            const option = element('li', '', list);
            option.id = `${id}-item${at}`;
            option.textContent = item;
            option.setAttribute('role', 'option');
            option.addEventListener('mousedown', (event) => {
                event.preventDefault();
                input.value = item;
                showList(false);
            });
        });
        const showList = (shown) => {
            list.hidden = !shown;
            input.setAttribute('aria-expanded', String(shown));
        };
        const step = (by) => {
            const at = control.items.indexOf(input.value);
            const next = at < 0 ? 0 : Math.min(Math.max(at + by, 0), control.items.length - 1);
            input.value = control.items[next];
            input.setAttribute('aria-activedescendant', `${id}-item${next}`);
        };
        opener.addEventListener('mousedown', (event) => {
            event.preventDefault();
            input.focus();
            showList(list.hidden);
        });
        input.addEventListener('input', () => input.removeAttribute('aria-activedescendant'));
        input.addEventListener('blur', () => showList(false));
        input.addEventListener('keydown', (event) => {
            if (event.key === 'ArrowDown' && event.altKey)
                showList(true);
            else if (event.key === 'ArrowDown' || event.key === 'ArrowUp')
                step(event.key === 'ArrowDown' ? 1 : -1);
            else if (event.key === 'Escape' && !list.hidden)
                showList(false);
            else
                return;
            event.preventDefault();
        });
        box.input = input;
        return box;
    }

    const inputOf = (made) => made.input ?? made;
    const focusable = (window) => [...window.client.querySelectorAll('input, button:not(.opener)')];

    // A window as the description has it: a title bar with a close button over a white
    // client area of the described size, holding the controls in their described order.
    function makeWindow(index, around) {
        if (windows[index]?.early) { // drawn before the module was ready
            windows[index].early = false;
            return;
        }
        const description = descriptions.windows[index];
        const window = { index, description, controls: [], focus: null };
        window.element = element('section', description.main ? 'window main' : 'window dialog', document.getElementById('desktop'));
        window.element.hidden = true;
        window.element.dataset.name = description.name;
        window.element.setAttribute('role', description.main ? 'region' : 'dialog');
        window.element.setAttribute('aria-labelledby', `${description.name}-title`);
        const bar = element('div', 'title', window.element);
        const title = element('h2', '', bar);
        title.id = `${description.name}-title`;
        title.textContent = description.title;
        bar.addEventListener('pointerdown', (event) => drag(window, event));
        bar.addEventListener('mousedown', (event) => event.preventDefault()); // the focus stays where it is
        const close = element('button', 'close', bar);
        close.type = 'button';
        close.tabIndex = -1;
        close.setAttribute('aria-label', `Close ${description.title.trim()}`);
        close.addEventListener('click', () => exports && closeWindow(index));
        window.client = element('div', 'client', window.element);
        window.client.style.width = `${description.width}px`;
        window.client.style.height = `${description.height}px`;
        window.element.style.backgroundColor = descriptions.ground;
        const parents = {};
        description.controls.forEach((_, at) => window.controls.push(makeControl(window, at, parents)));
        description.controls.forEach((control, at) => {
            if (!control.names)
                return;
            const named = window.controls[description.controls.findIndex((c) => c.name === control.names)];
            const labelled = inputOf(named);
            if (!labelled.hasAttribute('aria-label'))
                labelled.setAttribute('aria-labelledby', window.controls[at].id);
            if (named.classList.contains('label')) { // a result row: its caption, then its value
                window.controls[at].classList.add('caption');
                named.classList.add('value');
                named.setAttribute('role', 'note');
            }
        });
        if (!description.main)
            window.element.setAttribute('aria-describedby', window.controls.filter((c) => c.classList.contains('label')).map((c) => c.id).join(' '));
        window.element.addEventListener('focusin', (event) => {
            if (event.target.matches('.client input, .client button'))
                window.focus = event.target;
            becameActive(index);
        });
        window.element.addEventListener('mousedown', (event) => {
            if (activeWindow !== index && !event.target.closest('button, input'))
                activate(index);
        });
        window.centre = around >= 0 && windows[around] ? windows[around] : null;
        windows[index] = window;
    }

    function centre(window) {
        const around = window.centre?.element.getBoundingClientRect();
        const desktop = document.getElementById('desktop').getBoundingClientRect();
        const size = window.element.getBoundingClientRect();
        const [x, y] = around ? [around.left + around.width / 2, around.top + around.height / 2]
                              : [desktop.left + desktop.width / 2, desktop.top + desktop.height / 2];
        window.element.style.left = `${Math.max(0, Math.round(x - desktop.left - size.width / 2))}px`;
        window.element.style.top = `${Math.max(0, Math.round(y - desktop.top - size.height / 2))}px`;
    }

    // A window follows the pointer that holds its title bar, within the page.
    function drag(window, event) {
        if (event.target.closest('button') || getComputedStyle(window.element).position !== 'absolute')
            return;
        const [startX, startY] = [event.clientX - window.element.offsetLeft, event.clientY - window.element.offsetTop];
        const follow = (moved) => {
            window.element.style.left = `${Math.max(0, moved.clientX - startX)}px`;
            window.element.style.top = `${Math.max(0, moved.clientY - startY)}px`;
        };
        const bar = event.currentTarget;
        bar.setPointerCapture(event.pointerId);
        bar.addEventListener('pointermove', follow);
        bar.addEventListener('pointerup', () => bar.removeEventListener('pointermove', follow), { once: true });
    }

    // The program's notion of activation: a window of the page taking the focus from
    // another; a return from another tab or program does not count.
    function becameActive(index) {
        windows[index].element.style.zIndex = ++frontWindow;
        if (activeWindow === index || !exports)
            return;
        activeWindow = index;
        exports.activated(index);
    }

    function activate(index) {
        const window = windows[index];
        if (!window)
            return;
        if (window.element.hidden) {
            window.element.hidden = false;
            centre(window);
        }
        window.element.style.zIndex = ++frontWindow;
        (window.focus ?? focusable(window)[0])?.focus();
    }

    function closeWindow(index) {
        const window = windows[index];
        if (!window)
            return;
        window.element.remove();
        delete windows[index];
        if (activeWindow === index)
            activeWindow = -1;
        exports.closed(index);
    }

    // Alt with a letter presses the button of the active window that it marks; Tab and
    // Shift+Tab go round the active window's controls.
    function onKey(event) {
        const window = windows[activeWindow];
        if (!window)
            return;
        if (event.altKey && !event.ctrlKey && event.key.length === 1) {
            const button = window.client.querySelector(`button[data-key="${event.key.toUpperCase()}"]`);
            if (!button)
                return;
            event.preventDefault();
            button.focus();
            button.click();
        } else if (event.key === 'Tab') {
            const order = focusable(window);
            const at = order.indexOf(document.activeElement);
            const next = (at + (event.shiftKey ? -1 : 1) + order.length) % order.length;
            event.preventDefault();
            order[at < 0 ? 0 : next]?.focus();
        }
    }

    // What the module asks of the page.
    const page = {
        open: (window, around) => makeWindow(window, around),
        activate: (window) => activate(window),
        close: (window) => closeWindow(window),
        text: (window, control, buffer, capacity) =>
            toModule(inputOf(windows[window].controls[control]).value ?? windows[window].controls[control].textContent, buffer, capacity),
        setText: (window, control, text, length) => {
            const made = inputOf(windows[window].controls[control]);
            made[made.tagName === 'INPUT' ? 'value' : 'textContent'] = fromModule(text, length);
        },
        moveFocus: (window, control) => {
            windows[window].focus = inputOf(windows[window].controls[control]);
            if (activeWindow === window)
                windows[window].focus.focus();
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
    const wasi = { fd_close: () => 0, fd_seek: () => 0, fd_write: () => 0, proc_exit: () => {} };

    async function start() {
        // A served page can be installed and kept for offline use; from disk, a browser
        // would only refuse to read the manifest.
        if (location.protocol !== 'file:')
            Object.assign(element('link', '', document.head), { rel: 'manifest', href: 'manifest.webmanifest' });
        descriptions = globalThis.morvaneDescriptions;
        // The windows' typeface, or where it is missing the platform's sans serif.
        document.body.style.fontFamily = `"${descriptions.typeface}", "Liberation Sans", Arial, Helvetica, sans-serif`;
        const main = descriptions.windows.findIndex((window) => window.main);
        makeWindow(main, -1);
        windows[main].early = true;
        windows[main].element.hidden = false;
        centre(windows[main]);
        document.addEventListener('keydown', onKey);
        document.getElementById('again').addEventListener('click', () => location.reload());

        // The module, fetched already, is read once the window is drawn.
        await new Promise((drawn) => requestAnimationFrame(() => setTimeout(drawn)));
        const module = element('script', '', document.head);
        await new Promise((loaded) => {
            module.addEventListener('load', loaded);
            module.src = 'module.js';
        });
        const bytes = Uint8Array.from(atob(globalThis.morvaneModule), (c) => c.charCodeAt(0));
        const { instance } = await WebAssembly.instantiate(bytes, { page, wasi_snapshot_preview1: wasi });
        exports = instance.exports;
        exports._initialize();
        exports.start();
        if ('serviceWorker' in navigator && location.protocol !== 'file:')
            navigator.serviceWorker.register('sw.js');
    }

    start();
})();
