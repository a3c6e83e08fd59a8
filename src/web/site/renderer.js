// Morvane in the browser, the renderer: draws a window's controls from their descriptions
// in the page's language (language.js), each kind as the page shows it, at its place in
// CSS pixels, in its font and ink, with its tip and what screen readers are told of it.
// The scripts of the page, loaded in this order, are the descriptions (descriptions.js),
// the language, the renderer, the painter (painter.js), the windows (windows.js), the menus
// (menu.js), the keyboard (keyboard.js), keeping a reading (keeping.js), the module's
// bridge (bridge.js) and the start (start.js).
'use strict';

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

// The element that holds a control's text: a combo box's field, or the control itself.
const inputOf = (made) => made.input ?? made;

// A button's or an option's caption, with the character its access key marks underlined.
function writeCaption(made, control) {
    const [before, marked, after] = control.caption;
    made.append(before);
    element('u', '', made).textContent = marked;
    made.append(after);
}

// One control of the window, as its kind draws it in the page; `pressed` reports a press
// of a button or a click on a link.
function makeControl(win, index, parents, pressed) {
    const control = win.description.controls[index];
    const id = `${win.description.name}-${control.name}`;
    const parent = parents[control.container] ?? win.client;
    const origin = parents[control.container] ? win.description.controls.find((c) => c.name === control.container).place : [0, 0];
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
        made.dataset.key = control.accessKey;
        writeCaption(made, control);
        made.addEventListener('click', () => pressed(index));
        break;
    case 'option': // a radio button, in its label
        made = element('label', 'option', parent);
        made.input = element('input', '', made);
        Object.assign(made.input, { type: 'radio', name: `${win.description.name}-options`, checked: control.chosen });
        made.input.dataset.key = control.accessKey;
        writeCaption(element('span', '', made), control);
        made.input.addEventListener('change', () => pressed(index));
        break;
    case 'canvas': // the module paints it (painter.js)
        made = element('figure', 'canvas', parent);
        made.append(document.createElementNS('http://www.w3.org/2000/svg', 'svg'));
        made.firstChild.setAttribute('role', 'img');
        made.firstChild.setAttribute('aria-label', control.spokenName);
        break;
    case 'list':
        made = element('ul', 'lines', parent);
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
            pressed(index);
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
    if (control.spokenName && control.kind !== 'banner' && control.kind !== 'canvas')
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
    opener.setAttribute('aria-label', pageLanguage.texts.showList);
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

// Gives each input the caption that names it, and marks a result row's caption and value.
function nameControls(win) {
    win.description.controls.forEach((control, at) => {
        if (!control.names)
            return;
        const named = win.controls[win.description.controls.findIndex((c) => c.name === control.names)];
        const labelled = inputOf(named);
        if (!labelled.hasAttribute('aria-label'))
            labelled.setAttribute('aria-labelledby', win.controls[at].id);
        if (named.classList.contains('label')) { // a result row: its caption, then its value
            win.controls[at].classList.add('caption');
            named.classList.add('value');
            named.setAttribute('role', 'note');
        }
    });
}
