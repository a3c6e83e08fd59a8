// Morvane in the browser, the menus: a window's context menu, as the description lists
// its items, opened by a right click (or a long press) or the menu key anywhere in the
// window but in an input, which keeps the browser's own; its items chosen by a click,
// Enter, their underlined letters or the arrows; and their shortcuts, pressed anywhere in
// the window.
'use strict';

let openMenu = null; // the one open, with the control that had the focus

function closeMenu() {
    if (!openMenu)
        return;
    const { list, focus } = openMenu;
    openMenu = null; // before the list goes, and the focus with it
    list.remove();
    focus?.focus();
}

function choose(win, item) {
    closeMenu();
    whenReady(() => moduleExports.chose(win.index, item));
}

function showMenu(win, x, y) {
    closeMenu();
    const list = element('ul', 'menu', document.body);
    list.setAttribute('role', 'menu');
    list.setAttribute('aria-label', win.description.title.trim());
    openMenu = { win, list, focus: document.activeElement };
    win.description.menu.forEach((item, at) => {
        const [before, marked, after] = item.caption;
        const entry = element('li', '', list);
        entry.setAttribute('role', 'menuitem');
        entry.tabIndex = -1;
        entry.append(before);
        element('u', '', entry).textContent = marked;
        entry.append(after);
        element('span', 'shortcut', entry).textContent = item.shortcut;
        entry.setAttribute('aria-keyshortcuts', item.shortcut);
        entry.addEventListener('click', () => choose(win, at));
    });
    list.style.left = `${Math.min(x, innerWidth - list.offsetWidth)}px`;
    list.style.top = `${Math.min(y, innerHeight - list.offsetHeight)}px`;
    list.addEventListener('keydown', (event) => onMenuKey(event, win));
    list.addEventListener('focusout', (event) => !list.contains(event.relatedTarget) && closeMenu());
    list.firstChild?.focus();
}

function onMenuKey(event, win) {
    const entries = [...openMenu.list.children];
    const at = entries.indexOf(document.activeElement);
    const key = event.key.toUpperCase();
    const marked = win.description.menu.findIndex((item) => item.caption[1].toUpperCase() === key);
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp')
        entries[(at + (event.key === 'ArrowDown' ? 1 : entries.length - 1)) % entries.length].focus();
    else if ((event.key === 'Enter' || event.key === ' ') && at >= 0)
        choose(win, at);
    else if (marked >= 0)
        choose(win, marked);
    else if (event.key === 'Escape' || event.key === 'Tab')
        closeMenu();
    event.preventDefault();
    event.stopPropagation();
}

// The menu of the window, where a person asks for it but in an input: under the pointer,
// or from the keyboard under the focused control.
function onContextMenu(event, win) {
    if (event.target.closest('input') || !win.description.menu.length)
        return;
    event.preventDefault();
    const below = event.button !== 2 ? event.target.getBoundingClientRect() : null; // from the keyboard
    showMenu(win, below ? below.left : event.clientX, below ? below.bottom : event.clientY);
}

// The item of the window's menu whose shortcut the key is, or -1.
function shortcutOf(win, event) {
    return win.description.menu.findIndex((item) => (item.function > 0
        ? event.key === `F${item.function}` && !event.ctrlKey && !event.altKey
        : item.letter && event.ctrlKey && !event.altKey && event.key.toUpperCase() === item.letter));
}
