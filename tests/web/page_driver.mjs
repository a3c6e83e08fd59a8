// The page in Chromium, for the window scripts: driven with the keyboard and the mouse as
// a person would, its windows and controls found by their names, and what it asks the
// browser to open and tells screen readers read back from the page.
const kKeys = { Return: 'Enter', Enter: 'Enter', Esc: 'Escape', Space: 'Space', Down: 'ArrowDown', Up: 'ArrowUp',
    Tab: 'Tab', Alt: 'Alt', Shift: 'Shift', Ctrl: 'Control' };

const windowOf = (name) => `section.window[data-name="${name}"]`;

export class PageDriver {
    constructor(browser, page) {
        this.browser = browser;
        this.page = page;
    }

    async act(verb, argument) {
        const page = this.page;
        if (verb === 'year' || verb === 'sex') {
            const box = verb === 'year' ? '#Form1-Text1' : '#Form1-Combo1 input';
            if (!await page.$(box))
                return;
            await page.click(box);
            await this.press('Ctrl+A');
            await page.keyboard.press('Backspace');
            await page.keyboard.type(argument);
        } else if (verb === 'paste') {
            await page.evaluate((text) => navigator.clipboard.writeText(text), argument);
            await this.press('Ctrl+V');
        } else if (verb === 'key') {
            await this.press(argument);
        } else if (verb === 'click' || verb === 'okay') {
            const control = verb === 'click' ? `#Form1-${argument}` : `#${argument}-Command1`;
            if (await page.$(control))
                await page.click(control);
        } else if ((verb === 'close' || verb === 'activate') && await page.$(windowOf(argument))) {
            await page.click(`${windowOf(argument)} ${verb === 'close' ? '.close' : 'h2'}`);
        } else if (verb === 'leave') { // to another tab and back
            const other = await this.browser.newPage();
            await other.bringToFront();
            await other.close();
            await page.bringToFront();
        } else if (verb === 'move') { // the main window by its title bar, to the page's top-left corner
            const bar = await (await page.$(`${windowOf('Form1')} h2`)).boundingBox();
            const frame = await (await page.$(windowOf('Form1'))).boundingBox();
            await page.mouse.move(bar.x + 10, bar.y + 5);
            await page.mouse.down();
            await page.mouse.move(bar.x + 10 - frame.x, bar.y + 5 - frame.y, { steps: 4 });
            await page.mouse.up();
        }
    }

    // A key as the scripts write it: "Alt+C", "Shift+Tab", "Return".
    async press(key) {
        const parts = key.split('+');
        const last = parts.pop();
        for (const modifier of parts)
            await this.page.keyboard.down(kKeys[modifier]);
        await this.page.keyboard.press(kKeys[last] ?? (last.length === 1 ? last.toLowerCase() : last));
        for (const modifier of parts.reverse())
            await this.page.keyboard.up(kKeys[modifier]);
    }

    text(window, control) {
        return this.page.evaluate((id) => {
            const made = document.getElementById(id);
            const input = made?.matches('input') ? made : made?.querySelector('input');
            return input ? input.value : made?.textContent ?? '';
        }, `${window}-${control}`);
    }

    // The sex box stands for its text field.
    focus() {
        return this.page.evaluate(() => document.activeElement?.closest('.client [data-name]')?.dataset.name ?? '');
    }

    active() {
        return this.page.evaluate(() => document.activeElement?.closest('section.window')?.dataset.name ?? '');
    }

    count(window) {
        return this.page.evaluate((selector) => document.querySelectorAll(selector).length, windowOf(window));
    }

    // The centre of the shown window, or of the page's desktop for "".
    centre(window) {
        return this.page.evaluate((selector) => {
            const shown = document.querySelector(selector);
            if (!shown || shown.hidden)
                return null;
            const box = shown.getBoundingClientRect();
            return { x: Math.round(box.left + box.width / 2), y: Math.round(box.top + box.height / 2) };
        }, window ? windowOf(window) : '#desktop');
    }

    // What was opened, and how: a page or site opened without a handle on this one.
    async takeOpened() {
        const opened = await this.page.evaluate(() => window.morvaneOpened.splice(0));
        return opened.map(({ address, target, features }) =>
            (target === '_blank' && /noopener/.test(features) && /noreferrer/.test(features) ? '' : 'with a handle: ')
            + address);
    }

    async exists(address) {
        return (await fetch(address)).ok;
    }

    takeSpoken() {
        return this.page.evaluate(() => window.morvaneSpoken.splice(0));
    }

    ended() {
        return this.page.evaluate(() => document.body.classList.contains('ended'));
    }

    settle() {
        return new Promise((resolve) => setTimeout(resolve, 60));
    }
}
