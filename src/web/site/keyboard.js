// Morvane in the browser, the keyboard, as on the desktop: Alt with a letter presses the
// button of the active window whose access key it is; Tab and Shift+Tab go round the
// active window's controls, and an input reached so has its text selected, so that
// typing replaces it.
'use strict';

function onKey(event) {
    const win = openWindows[activeWindow];
    if (!win)
        return;
    if (event.altKey && !event.ctrlKey && event.key.length === 1) {
        const button = win.client.querySelector(`button[data-key="${event.key.toUpperCase()}"]`);
        if (!button)
            return;
        event.preventDefault();
        button.focus();
        button.click();
    } else if (event.key === 'Tab') {
        const order = focusable(win);
        const at = order.indexOf(document.activeElement);
        const next = order[at < 0 ? 0 : (at + (event.shiftKey ? -1 : 1) + order.length) % order.length];
        event.preventDefault();
        next?.focus();
        if (next?.matches('input'))
            next.select();
    }
}
