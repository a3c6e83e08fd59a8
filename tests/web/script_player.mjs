// The shared window scripts (tests/scripts/window_scripts.txt) and what each step means,
// for the page's driver: the same reading of the text and the same checks as the C++
// player (tests/scripts/script_player.cpp), which the other front ends' drivers use.
import { readFileSync } from 'node:fs';

const kReadingOrder = ['Label18', 'Label19', 'Label20', 'Label21', 'Label22', 'Label23', 'Label24', 'Label25',
    'Label26', 'Label27', 'Label28', 'Label29', 'Label30', 'Label31', 'Label32', 'Label34', 'Label36', 'Label38',
    'Label39'];

// The scripts, their placeholders filled in: [{name, steps}].
export function windowScripts(path) {
    const uncommented = readFileSync(path, 'utf8').split('\n').filter((line) => !line.startsWith('#')).join('\n');
    const texts = [];
    const scripts = [];
    for (let paragraph of uncommented.split('\n\n')) {
        paragraph = paragraph.replace(/^\n+|\n+$/g, '');
        if (!paragraph)
            continue;
        for (const [name, text] of texts)
            paragraph = paragraph.replaceAll(name, text);
        paragraph = paragraph.replaceAll('\n  ', ' ');
        if (paragraph.startsWith('{')) {
            const equals = paragraph.indexOf(' = ');
            texts.push([paragraph.slice(0, equals), paragraph.slice(equals + 3)]);
        } else {
            const colon = paragraph.indexOf(': ');
            scripts.push({ name: paragraph.slice(0, colon), steps: paragraph.slice(colon + 2).split('; ') });
        }
    }
    return scripts;
}

// A step's verb, and its argument without the quotes that keep its blanks.
export function parseStep(step) {
    const blank = step.indexOf(' ');
    if (blank < 0)
        return [step, ''];
    const argument = step.slice(blank + 1);
    return [step.slice(0, blank), argument.length > 1 && argument.startsWith('"') && argument.endsWith('"') ? argument.slice(1, -1) : argument];
}

// Plays steps on a driver, which does what a person does and reads what the page shows.
export class ScriptPlayer {
    constructor(driver) {
        this.driver = driver;
        this.opened = [];
    }

    // Plays the steps up to the first that fails; that step and what it saw, or null.
    async playAll(steps) {
        for (const step of steps) {
            const wrong = await this.play(step);
            if (wrong)
                return `${step}: ${wrong}`;
        }
        return null;
    }

    async play(step) {
        const [verb, argument] = parseStep(step);
        if (verb === 'expect')
            return this.check(...parseStep(argument));
        await this.driver.act(verb, argument);
        await this.driver.settle();
        return null;
    }

    async check(what, expected) {
        const driver = this.driver;
        const [name, message] = parseStep(expected); // a window, and the message it shows
        if (what === 'open') {
            if (!await this.eventually(async () => await driver.centre(name) !== null))
                return `${name} is not open`;
            const count = await driver.count(name);
            const said = await driver.text(name, 'Label1');
            if (count !== 1 || (message && said !== message))
                return `${count} windows ${name} saying "${said}"`;
        } else if (what === 'closed') {
            if (!await this.eventually(async () => await driver.centre(name) === null))
                return `${name} is still open`;
        } else if (what === 'opened') {
            if (!await this.eventually(async () => (this.opened.push(...await driver.takeOpened()), this.opened.length > 0)))
                return 'nothing was opened';
            const opened = this.opened.shift();
            if (!opened.endsWith(expected) || (!opened.startsWith('https:') && !await driver.exists(opened)))
                return `opened ${opened}`;
        } else if (what === 'spoken') {
            await driver.settle();
            const spoken = (await driver.takeSpoken()).join('\n');
            if (spoken !== expected)
                return `screen readers were told "${spoken}"`;
        } else if (what === 'ended' || what === 'running') { // running: and goes on running a while
            for (let moment = 0; what === 'running' && moment < 5; ++moment)
                await driver.settle();
            if (!await this.eventually(async () => await driver.ended() === (what === 'ended')))
                return what === 'ended' ? 'the program still runs' : 'the program has ended';
        } else if (what === 'centred') { // give or take the frame the window system adds
            const centre = await driver.centre(name || 'Form1');
            const around = await driver.centre(name ? 'Form1' : '');
            if (!centre || !around || Math.abs(centre.x - around.x) + Math.abs(centre.y - around.y) > 8)
                return `${name || 'Form1'} is not centred`;
        } else if (!await this.eventually(async () => await this.shown(what) === expected)) {
            return `${what} shows "${await this.shown(what)}"`;
        }
        return null;
    }

    // A control of the main window, the reading, or the focused control or active window.
    async shown(what) {
        if (what === 'focus' || what === 'active')
            return what === 'focus' ? this.driver.focus() : this.driver.active();
        if (what !== 'reading')
            return this.driver.text('Form1', what);
        const reading = [];
        for (const label of kReadingOrder)
            reading.push(await this.driver.text('Form1', label));
        return reading.join('|');
    }

    async eventually(condition) { // within three seconds
        const deadline = Date.now() + 3000;
        while (!await condition()) {
            if (Date.now() > deadline)
                return false;
            await this.driver.settle();
        }
        return true;
    }
}
