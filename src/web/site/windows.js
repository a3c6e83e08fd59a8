// Morvane in the browser, the windows: each of the program's windows as a window in the
// page, with a title bar that drags it and a close button, centred where the program
// opens it, stacked as it is activated; and the program's notion of activation, which it
// is told of through the module (bridge.js).
'use strict';

const openWindows = []; // by their place in the program's list of windows
let activeWindow = -1; // the last one to become active, as reported to the program
let frontWindow = 0; // for stacking the windows

// A window as the description has it: a title bar with a close button over a white
// client area of the described size, holding the controls in their described order.
function makeWindow(index, around) {
    if (openWindows[index]?.early) { // drawn before the module was ready
        openWindows[index].early = false;
        return;
    }
    const description = pageLanguage.windows[index];
    const win = { index, description, controls: [], focus: null };
    const kind = description.main ? 'main' : description.beside ? 'beside' : 'dialog';
    win.element = element('section', `window ${kind}`, document.getElementById('desktop'));
    win.element.hidden = true;
    win.element.dataset.name = description.name;
    win.element.setAttribute('role', description.main ? 'region' : 'dialog');
    win.element.setAttribute('aria-labelledby', `${description.name}-title`);
    const bar = element('div', 'title', win.element);
    const title = element('h2', '', bar);
    title.id = `${description.name}-title`;
    title.textContent = description.title;
    bar.addEventListener('pointerdown', (event) => drag(win, event));
    bar.addEventListener('mousedown', (event) => event.preventDefault()); // the focus stays where it is
    const close = element('button', 'close', bar);
    close.type = 'button';
    close.tabIndex = -1;
    close.setAttribute('aria-label', `${pageLanguage.texts.close} ${description.title.trim()}`);
    close.addEventListener('click', () => whenReady(() => closeWindow(index)));
    win.client = element('div', 'client', win.element);
    win.client.style.width = `${description.width}px`;
    win.client.style.height = `${description.height}px`;
    win.element.style.backgroundColor = morvaneDescriptions.ground;
    const parents = {};
    const pressed = (control) => whenReady(() => moduleExports.pressed(index, control));
    description.controls.forEach((_, at) => win.controls.push(makeControl(win, at, parents, pressed)));
    nameControls(win);
    if (!description.main)
        win.element.setAttribute('aria-describedby', win.controls.filter((c) => c.classList.contains('label')).map((c) => c.id).join(' '));
    win.element.addEventListener('focusin', (event) => {
        if (event.target.matches('.client input, .client button'))
            win.focus = event.target;
        if (moduleExports)
            becameActive(index);
        else // the program puts the focus in the year box as it starts; the person's comes after
            waiting.push(() => event.target.focus());
    });
    win.element.addEventListener('contextmenu', (event) => onContextMenu(event, win));
    win.element.addEventListener('mousedown', (event) => {
        if (activeWindow !== index && !event.target.closest('button, input'))
            activate(index);
    });
    win.centre = around >= 0 && openWindows[around] ? openWindows[around] : null;
    openWindows[index] = win;
}

// A window's box in the desktop, as left, top, width and height; one not shown yet is
// measured as it will be.
function box(win) {
    const hidden = win.element.hidden;
    win.element.style.visibility = hidden ? 'hidden' : '';
    win.element.hidden = false;
    const desktop = document.getElementById('desktop').getBoundingClientRect();
    const made = win.element.getBoundingClientRect();
    win.element.hidden = hidden;
    win.element.style.visibility = '';
    return [made.left - desktop.left, made.top - desktop.top, made.width, made.height].map(Math.round);
}

// Where the program places a window, rather than centred on another.
function move(win, left, top) {
    win.element.style.left = `${left}px`;
    win.element.style.top = `${top}px`;
    win.placed = true;
}

function centre(win) {
    const around = win.centre?.element.getBoundingClientRect();
    const desktop = document.getElementById('desktop').getBoundingClientRect();
    const size = win.element.getBoundingClientRect();
    const [x, y] = around ? [around.left + around.width / 2, around.top + around.height / 2]
                          : [desktop.left + desktop.width / 2, desktop.top + desktop.height / 2];
    win.element.style.left = `${Math.max(0, Math.round(x - desktop.left - size.width / 2))}px`;
    win.element.style.top = `${Math.max(0, Math.round(y - desktop.top - size.height / 2))}px`;
}

// A window follows the pointer that holds its title bar, within the page.
function drag(win, event) {
    if (event.target.closest('button') || getComputedStyle(win.element).position !== 'absolute')
        return;
    const [startX, startY] = [event.clientX - win.element.offsetLeft, event.clientY - win.element.offsetTop];
    const follow = (moved) => {
        win.element.style.left = `${Math.max(0, moved.clientX - startX)}px`;
        win.element.style.top = `${Math.max(0, moved.clientY - startY)}px`;
    };
    const bar = event.currentTarget;
    bar.setPointerCapture(event.pointerId);
    bar.addEventListener('pointermove', follow);
    bar.addEventListener('pointerup', () => bar.removeEventListener('pointermove', follow), { once: true });
}

// The program's notion of activation: a window of the page taking the focus from
// another; a return from another tab or program does not count.
function becameActive(index) {
    openWindows[index].element.style.zIndex = ++frontWindow;
    if (activeWindow === index)
        return;
    activeWindow = index;
    moduleExports.activated(index);
}

function activate(index) {
    const win = openWindows[index];
    if (!win)
        return;
    if (win.element.hidden) {
        win.element.hidden = false;
        if (!win.placed)
            centre(win);
    }
    win.element.style.zIndex = ++frontWindow;
    (win.focus ?? focusable(win)[0])?.focus();
}

function closeWindow(index) {
    const win = openWindows[index];
    if (!win)
        return;
    win.element.remove();
    delete openWindows[index];
    if (activeWindow === index)
        activeWindow = -1;
    moduleExports.closed(index);
}

// The window's controls that take the focus, in their Tab order.
// (Of a group of options, the one chosen, as the arrows go round the group.)
const focusable = (win) => [...win.client.querySelectorAll('input:not([type=radio]:not(:checked)), button:not(.opener)')];
