// Morvane in the browser, the keyboard, as on the desktop: a shortcut of the active
// window's menu chooses its item; Alt with a letter presses the button (or chooses the
// option) of the active window whose access key it is; Esc is the window's to answer; Tab
// and Shift+Tab go round the active window's controls, and an input reached so has its
// text selected, so that typing replaces it. Before the module is ready, a key that presses a button waits for
// it (bridge.js), and so does what is typed after.
'use strict';

function onKey(event) {
    const win = moduleExports ? openWindows[activeWindow] : openWindows.find(Boolean); // the main window, drawn early
    if (!win)
        return;
    const item = shortcutOf(win, event);
    if (item >= 0) {
        event.preventDefault();
        choose(win, item);
    } else if (event.altKey && !event.ctrlKey && event.key.length === 1) {
        const button = win.client.querySelector(`[data-key="${event.key.toUpperCase()}"]`);
        if (!button)
            return;
        event.preventDefault();
        button.focus();
        button.click();
    } else if (event.key === 'Escape' && !event.defaultPrevented) {
        whenReady(() => moduleExports.cancelled(win.index));
    } else if (event.key === 'Tab') {
        const order = focusable(win);
        const at = order.indexOf(document.activeElement);
        const next = order[at < 0 ? 0 : (at + (event.shiftKey ? -1 : 1) + order.length) % order.length];
        event.preventDefault();
        next?.focus();
        if (next?.matches('input:not([type=radio])'))
            next.select();
    }
}

// Typing after a press that waits for the module waits too, so that it lands after the
// press, as typed: each text typed or pasted, or deletion, is carried out again then.
function onEarlyInput(event) {
    if (moduleExports || !waiting.length || !event.target.matches('input'))
        return;
    event.preventDefault();
    const { target, inputType, data } = event;
    const command = inputType.startsWith('delete') ? (inputType.endsWith('Forward') ? 'forwardDelete' : 'delete') : 'insertText';
    waiting.push(() => {
        target.focus();
        document.execCommand(command, false, data ?? '');
    });
}
