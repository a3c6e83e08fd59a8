// The page in Chromium as a person uses it: the primitives of the window scripts' drivers
// (tests/scripts/script_player.h) carried out with the keyboard and the mouse, windows
// and controls found by their names, and what the page asks the browser to open and tells
// screen readers read back from it. The player (window_scripts_web_test) calls them by
// name; the page's own tests call them too.
import { launch, openPage } from './browser.mjs';

const windowOf = (name) => `section.window[data-name="${name}"]`;

export class PageAgent {
    // The site served at the origin, in browsers started as they are needed.
    constructor(origin) {
        this.origin = origin;
        this.browsers = {};
    }

    // The page opened afresh in a browser that asks for the language first (a tag of the
    // program's), at the size, with the query (as '?lang=zh-Hant').
    async openPage(language = 'en', width = 1280, height = 800, query = '') {
        this.browser = this.browsers[language] ??= await launch(language);
        await this.browser.defaultBrowserContext()
            .overridePermissions(this.origin, ['clipboard-read', 'clipboard-sanitized-write']);
        this.page = await openPage(this.browser, `${this.origin}/${query}`, width, height);
    }

    closePage() {
        return this.page.close();
    }

    closeBrowsers() {
        return Promise.all(Object.values(this.browsers).map((browser) => browser.close()));
    }

    // The page's first problem (a request to another host, an error of its script), or ''.
    problem() {
        return this.page.problems[0] ?? '';
    }

    async click(window, control, button = 'left') {
        const selector = `#${window}-${control}`;
        const made = await this.page.$(`${selector} input`) ?? await this.page.$(selector);
        await made?.click({ button });
    }

    rightClick(window, control) {
        return this.click(window, control, 'right');
    }

    // The item of the program's menu where it is open (a browser's own menu is not part of
    // the page).
    async chooseMenuItem(item) {
        await (await this.page.$(`.menu li:nth-child(${Number(item) + 1})`))?.click();
    }

    // Modifiers first, the key last, as puppeteer names them.
    async press(...keys) {
        const key = keys.pop();
        for (const modifier of keys)
            await this.page.keyboard.down(modifier);
        await this.page.keyboard.press(key);
        for (const modifier of keys.reverse())
            await this.page.keyboard.up(modifier);
    }

    type(text) {
        return this.page.keyboard.type(text);
    }

    async paste(text) {
        await this.page.evaluate((pasted) => navigator.clipboard.writeText(pasted), text);
        await this.press('Control', 'v');
    }

    async erase() {
        await this.press('Control', 'a');
        await this.press('Backspace');
    }

    async close(window) {
        await (await this.page.$(`${windowOf(window)} .close`))?.click();
    }

    async activate(window) {
        await (await this.page.$(`${windowOf(window)} h2`))?.click();
    }

    // To another tab and back.
    async leaveAndReturn() {
        const other = await this.browser.newPage();
        await other.bringToFront();
        await other.close();
        await this.page.bringToFront();
    }

    // By its title bar, to the page's top-left corner.
    async moveToCorner(window) {
        const bar = await (await this.page.$(`${windowOf(window)} h2`))?.boundingBox();
        const frame = await (await this.page.$(windowOf(window)))?.boundingBox();
        if (!bar || !frame)
            return;
        await this.page.mouse.move(bar.x + 10, bar.y + 5);
        await this.page.mouse.down();
        await this.page.mouse.move(bar.x + 10 - frame.x, bar.y + 5 - frame.y, { steps: 4 });
        await this.page.mouse.up();
    }

    // A list's lines each end in "\n" but the last.
    text(window, control) {
        return this.page.evaluate((id) => {
            const made = document.getElementById(id);
            const input = made?.matches('input') ? made : made?.querySelector('input');
            const lines = made?.matches('ul') ? [...made.children].map((line) => line.textContent).join('\n') : null;
            return input ? input.value : lines ?? made?.textContent ?? '';
        }, `${window}-${control}`);
    }

    // The sex box stands for its text field.
    focus() {
        return this.page.evaluate(() => document.activeElement?.closest('.client [data-name]')?.dataset.name ?? '');
    }

    active() {
        return this.page.evaluate(() => document.activeElement?.closest('section.window')?.dataset.name ?? '');
    }

    // The centres of the shown windows of the name, or of the page's desktop for '', as "x y".
    centres(window) {
        return this.page.evaluate((selector) => [...document.querySelectorAll(selector)]
            .filter((shown) => !shown.hidden).map((shown) => shown.getBoundingClientRect())
            .map((box) => `${Math.round(box.left + box.width / 2)} ${Math.round(box.top + box.height / 2)}`),
        window ? windowOf(window) : '#desktop');
    }

    // What was opened, and how: a page or site opened without a handle on this one.
    async takeOpened() {
        const opened = await this.page.evaluate(() => window.morvaneOpened.splice(0));
        return opened.map(({ address, target, features }) =>
            (target === '_blank' && /noopener/.test(features) && /noreferrer/.test(features) ? '' : 'with a handle: ')
            + address);
    }

    clipboard() {
        return this.page.evaluate(() => navigator.clipboard.readText());
    }

    takeSpoken() {
        return this.page.evaluate(() => window.morvaneSpoken.splice(0));
    }

    async exists(address) {
        return (await fetch(address)).ok;
    }

    ended() {
        return this.page.evaluate(() => document.body.classList.contains('ended'));
    }

    settle() {
        return new Promise((resolve) => setTimeout(resolve, 60));
    }
}
