// The page as every person meets it, in each of its languages (chosen with ?lang=), at a
// desktop's size (1280 x 800) and a phone's (360 x 640): axe-core finds no accessibility
// violation at the start, after a reading, with the message dialog and with the About
// dialog; the page says which language it is in; the whole window or column can be seen,
// nothing scrolls sideways, no text is cut off or covers another, and no reading of a
// two-digit year is cut off; no request goes to another host; after one visit the page
// opens again with the network off; opened from disk it works too; a click before the
// module is ready is carried out once it is; the reading prints on one page, and shares.
//   node page_test.mjs <site folder>
import { execFileSync } from 'node:child_process';
import { mkdtemp, readFile, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { launch, serve, siteLanguages } from './browser.mjs';
import { PageAgent } from './page_agent.mjs';

const [site] = process.argv.slice(2);
const axe = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const { server, origin } = await serve(site);
const browser = await launch();
const problems = [];

// What is wrong with the page as it stands: texts cut off or covering each other, parts of
// a window out of sight, a sideways scroll, accessibility violations.
async function lookAt(page, when, phone) {
    const seen = await page.evaluate(() => {
        const wrong = [];
        const shown = [...document.querySelectorAll('section.window:not([hidden]) .client *')]
            .filter((made) => made.getClientRects().length && made.childElementCount === 0 && made.textContent.trim());
        for (const made of shown) {
            if (made.scrollWidth > made.clientWidth + 1 || made.scrollHeight > made.clientHeight + 1)
                wrong.push(`${made.id || made.textContent} is cut off`);
        }
        const boxes = shown.map((made) => [made, made.getBoundingClientRect()]);
        for (const [made, box] of boxes) {
            for (const [other, otherBox] of boxes) {
                const covers = made !== other && !made.contains(other) && !other.contains(made)
                    && box.left < otherBox.right - 1 && otherBox.left < box.right - 1
                    && box.top < otherBox.bottom - 1 && otherBox.top < box.bottom - 1;
                if (covers && made.closest('section') === other.closest('section'))
                    wrong.push(`${made.id} covers ${other.id}`);
            }
        }
        for (const window of document.querySelectorAll('section.window:not([hidden])')) {
            const box = window.getBoundingClientRect();
            const placed = getComputedStyle(window).position === 'absolute'; // in the page's flow on a phone
            if (box.left < 0 || box.right > innerWidth || (placed && box.top < 0))
                wrong.push(`${window.dataset.name} is partly out of sight`);
        }
        if (document.documentElement.scrollWidth > innerWidth)
            wrong.push('the page scrolls sideways');
        return wrong;
    });
    await page.evaluate(axe);
    // On a phone, targets must be big enough to touch too (WCAG 2.2's target size).
    const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice', ...(phone ? ['wcag22aa'] : [])];
    const { violations } = await page.evaluate((runOnly) => window.axe.run(document, { runOnly }), tags);
    for (const violation of violations)
        seen.push(`${violation.id}: ${violation.nodes.map((node) => node.target.join(' ')).join(', ')}`);
    problems.push(...[...new Set(seen)].map((what) => `${when}: ${what}`), ...page.problems.map((what) => `${when}: ${what}`));
}

// Every reading of a two-digit year, with either sex, fits its labels.
function readingsCutOff() {
    const [year, sex, calculate] = ['Form1-Text1', 'Form1-Combo1', 'Form1-Command1'].map((id) => document.getElementById(id));
    const cut = [];
    for (let digits = 0; digits < 100; ++digits) {
        for (const item of [...sex.querySelectorAll('li')].map((option) => option.textContent)) {
            year.value = String(digits).padStart(2, '0');
            sex.input.value = item;
            calculate.click();
            for (const label of document.querySelectorAll('#desktop .value')) {
                if (label.scrollWidth > label.clientWidth + 1 || label.scrollHeight > label.clientHeight + 1)
                    cut.push(`${year.value} ${item}: ${label.textContent} is cut off`);
            }
        }
    }
    return cut;
}

// The WCAG 2 contrast ratio of two CSS colours, "rgb(r, g, b)".
function contrast(one, other) {
    const luminance = (css) => 0.05 + css.match(/\d+/g).slice(0, 3).map(Number).map((c) => c / 255)
        .map((c) => (c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
        .reduce((sum, c, at) => sum + c * [0.2126, 0.7152, 0.0722][at], 0);
    return Math.max(luminance(one), luminance(other)) / Math.min(luminance(one), luminance(other));
}

// The compass after a reading for 81 and the first sex of the list, with north at the top
// in a light scheme and with south at the top in a dark one: each sector's tint at its rim,
// good for north, east, south-east and south, as drawn (a picture of the page, its pixels
// read in a page of their own); and each text at 4.5:1 or more against what is under it.
async function compassProblems(page) {
    const found = [];
    for (const [option, turn, scheme] of [['Option1', 0, 'light'], ['Option2', 180, 'dark']]) {
        await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
        await page.click(`#Compass-${option} input`);
        const svg = await page.$('#Compass-Picture1 svg');
        const box = await svg.boundingBox();
        const { rim, tints, texts } = await page.evaluate((turned) => {
            const svg = document.querySelector('#Compass-Picture1 svg');
            const circle = svg.querySelector('circle');
            const scale = svg.getBoundingClientRect().width / svg.viewBox.baseVal.width;
            const colour = (made) => getComputedStyle(made).fill;
            const under = (text) => {
                const box = text.getBoundingClientRect();
                return document.elementsFromPoint(box.left + box.width / 2, box.top + box.height / 2)
                    .find((made) => ['polygon', 'circle', 'rect'].includes(made.tagName));
            };
            return {
                rim: [circle.cx.baseVal.value * scale, circle.cy.baseVal.value * scale, 0.9 * circle.r.baseVal.value * scale],
                tints: morvaneDescriptions.palette.slice(2, 4),
                texts: [...svg.querySelectorAll('text')].map((text) => [text.textContent, colour(text), under(text) && colour(under(text))]),
            };
        }, turn);
        const shot = await svg.screenshot({ encoding: 'base64' });
        const pixels = await browser.newPage();
        const seen = await pixels.evaluate(async (png, points) => {
            const picture = new Image();
            picture.src = `data:image/png;base64,${png}`;
            await picture.decode();
            const canvas = Object.assign(document.createElement('canvas'), { width: picture.width, height: picture.height });
            canvas.getContext('2d').drawImage(picture, 0, 0);
            const ratio = picture.width / points.width;
            return points.at.map(([x, y]) => {
                const [r, g, b] = canvas.getContext('2d').getImageData(Math.round(x * ratio), Math.round(y * ratio), 1, 1).data;
                return `#${[r, g, b].map((c) => c.toString(16).padStart(2, '0')).join('')}`;
            });
        }, shot, { width: box.width, at: [0, 45, 90, 135, 180, 225, 270, 315].map((bearing) => {
            const angle = (bearing + turn) * Math.PI / 180;
            return [rim[0] + rim[2] * Math.sin(angle), rim[1] - rim[2] * Math.cos(angle)];
        }) });
        await pixels.close();
        seen.forEach((tint, at) => {
            const expected = [0, 90, 135, 180].includes(at * 45) ? tints[0] : tints[1];
            if (tint !== expected)
                found.push(`${option}: the sector at ${at * 45} degrees is ${tint}, not ${expected}`);
        });
        for (const [text, ink, ground] of texts) {
            if (!ground || contrast(ink, ground) < 4.5)
                found.push(`${option}: "${text}" stands at ${ground ? contrast(ink, ground).toFixed(2) : 'no'} contrast`);
        }
    }
    return found;
}

const agent = new PageAgent(origin);
for (const tag of await siteLanguages(site)) {
    for (const [size, width, height] of [['desktop', 1280, 800], ['phone', 360, 640]]) {
        await agent.openPage('en', width, height, `?lang=${tag}`);
        const steps = [['at the start', async () => {}],
            ['after a reading', async () => {
                await agent.click('Form1', 'Text1');
                await agent.type('81');
                await agent.click('Form1', 'Combo1');
                await agent.press('ArrowDown'); // the first sex of the list
                await agent.click('Form1', 'Command1');
            }],
            ['with the message', async () => {
                await agent.click('Form1', 'Text1');
                await agent.erase();
                await agent.click('Form1', 'Command1');
            }],
            ['with About', async () => { await agent.click('Dialog1', 'Command1'); await agent.click('Form1', 'Command3'); }],
            ['with the compass', async () => {
                await agent.click('Dialog', 'Command1');
                await agent.click('Form1', 'Text1');
                await agent.type('81');
                await agent.click('Form1', 'Command1');
                await agent.press('F2');
            }]];
        for (const [when, act] of steps) {
            await act();
            await agent.settle();
            await lookAt(agent.page, `${tag}, ${size}, ${when}`, width < 500);
        }
        if (await agent.page.evaluate(() => document.documentElement.lang) !== tag)
            problems.push(`${tag}, ${size}: the page says it is in ${await agent.page.evaluate(() => document.documentElement.lang)}`);
        if (width > 500) {
            problems.push(...(await compassProblems(agent.page)).map((what) => `${tag}: ${what}`));
            problems.push(...(await agent.page.evaluate(readingsCutOff)).map((what) => `${tag}: ${what}`));
        }
        await agent.closePage();
    }
}

// A reading for 81 and the first sex of the list, and its compass.
async function readingWithCompass() {
    await agent.click('Form1', 'Text1');
    await agent.type('81');
    await agent.click('Form1', 'Combo1');
    await agent.press('ArrowDown');
    await agent.click('Form1', 'Command1');
    await agent.press('F2');
}

// Printed as Chromium prints to PDF, after a reading for 81 with its compass, in English and
// in Traditional Chinese, on A4 and on Letter: one page, whose text pdftotext reads back
// holds the reading as it is copied, row by row, and the compass's directions; and at print
// media axe finds nothing.
const folder = await mkdtemp(join(tmpdir(), 'sheet-'));
for (const tag of ['en', 'zh-Hant']) {
    await agent.openPage(tag);
    await readingWithCompass();
    await agent.click('Compass', 'Command2'); // Copy the reading
    await agent.settle();
    const expected = [...(await agent.clipboard()).split('\n'),
        ...await agent.page.evaluate(() => [...document.querySelectorAll('#Compass-List1 li')]
            .map((line) => line.textContent.split(/[:：]/)[0]))];
    for (const format of ['A4', 'Letter']) {
        const pdf = join(folder, `${tag}-${format}.pdf`);
        await writeFile(pdf, await agent.page.pdf({ format }));
        const text = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
        if (text.split('\f').length !== 2)
            problems.push(`${tag}, printed on ${format}: ${text.split('\f').length - 1} pages`);
        const read = text.replace(/\s/g, '');
        for (const line of expected.filter((row) => !read.includes(row.replace(/\s/g, ''))))
            problems.push(`${tag}, printed on ${format}: "${line}" is not on the sheet`);
    }
    await agent.page.emulateMediaType('print');
    await lookAt(agent.page, `${tag}, printed`, false);
    await agent.closePage();
}

// Shared on a phone whose browser has a share sheet: the reading's text and the compass as
// a picture go to it.
await agent.openPage('en', 360, 640);
await agent.page.evaluate(() => {
    window.morvaneShared = [];
    navigator.share = async (data) => { window.morvaneShared.push({ text: data.text, files: (data.files ?? []).map((file) => file.type) }); };
    navigator.canShare = () => true;
});
await readingWithCompass();
await agent.page.click('#share');
await agent.page.waitForFunction(() => window.morvaneShared.length, { timeout: 5000 }).catch(() => {});
const shared = await agent.page.evaluate(() => window.morvaneShared);
if (shared.length !== 1 || !shared[0].text.includes('Kua number : 1') || shared[0].files[0] !== 'image/png')
    problems.push(`shared on a phone: ${JSON.stringify(shared)}`);
await agent.closePage();
await agent.closeBrowsers();

// Offline: once the service worker keeps the site, a reload with the network off works.
const visit = await browser.newPage();
await visit.goto(`${origin}/`, { waitUntil: 'load' });
await visit.evaluate(() => navigator.serviceWorker.ready);
await visit.reload({ waitUntil: 'load' }); // now under the worker
await visit.setOfflineMode(true);
await visit.reload({ waitUntil: 'load' });
if (!await visit.waitForSelector('section.window[data-name="Form1"]:not([hidden])', { timeout: 5000 }).catch(() => null))
    problems.push('offline: the page did not open again');
await visit.close();

// From disk: the page's file, with no server at all.
const disk = await browser.newPage();
disk.on('pageerror', (error) => problems.push(`from disk: ${error.message}`));
disk.on('console', (message) => message.type() === 'error' && problems.push(`from disk: ${message.text()}`));
await disk.evaluateOnNewDocument(() => document.addEventListener('securitypolicyviolation',
    (event) => console.error(`the security policy refused ${event.blockedURI} (${event.violatedDirective})`)));
await disk.goto(`file://${resolve(site, 'index.html')}`, { waitUntil: 'load' });
if (!await disk.waitForSelector('section.window[data-name="Form1"]:not([hidden])', { timeout: 5000 }).catch(() => null))
    problems.push('from disk: the page did not open');
await disk.close();

// Before the module is ready: a click on About at the first sight of the window, held until
// the module comes, opens About once it has (in a fresh context, with no service worker).
const early = await (await browser.createBrowserContext()).newPage();
let release;
const held = new Promise((resolve) => { release = resolve; });
await early.setRequestInterception(true);
early.on('request', async (request) => {
    if (request.url().endsWith('/module.js'))
        await held;
    request.continue();
});
await early.goto(`${origin}/`, { waitUntil: 'domcontentloaded' });
await early.waitForSelector('section.window[data-name="Form1"]:not([hidden])');
await early.click('#Form1-Command3');
const opened = () => early.$('section.window[data-name="Dialog"]:not([hidden])');
const tooSoon = await opened();
release();
if (tooSoon || !await early.waitForSelector('section.window[data-name="Dialog"]:not([hidden])', { timeout: 5000 }).catch(() => null))
    problems.push(`early: a click on About before the module was ready ${tooSoon ? 'came before it' : 'opened nothing'}`);
await early.close();

await browser.close();
server.close();
for (const problem of problems)
    console.log(problem);
console.log(problems.length ? `${problems.length} problems` : 'no problems');
process.exit(problems.length ? 1 : 0);
