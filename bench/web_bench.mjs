// The page's figures: what each file of the site weighs, gzipped; its first contentful
// paint against that of a static page with the same elements and no script, both in the
// same Chromium run; and one Calculate, from the click to the labels written. Prints
// figures; fails on nothing.
//   node web_bench.mjs <site folder> [starts of each page, 31 by default]
import { readFile, readdir, rm, writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launch, serve } from './browser.mjs';

const [site, runs = '31'] = process.argv.slice(2);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

console.log('== The site, gzipped (gzip -9)');
let total = 0;
for (const name of (await readdir(site, { recursive: true })).sort()) {
    const bytes = await readFile(join(site, name)).catch(() => null);
    if (!bytes)
        continue;
    const packed = gzipSync(bytes, { level: 9 }).length;
    total += packed;
    console.log(`${name.padEnd(24)} ${String(bytes.length).padStart(8)} bytes ${String(packed).padStart(8)} gzipped`);
}
console.log(`${'all'.padEnd(24)} ${' '.repeat(14)} ${String(total).padStart(8)} gzipped (${(total / 1024).toFixed(1)} KiB)`);

const { server, origin } = await serve(site);
const browser = await launch();

// The static page: the page as its script leaves it at the start, without the script and
// without the module the page fetches for it.
const shown = await browser.newPage();
await shown.goto(`${origin}/`, { waitUntil: 'load' });
await shown.waitForSelector('section.window[data-name="Form1"]:not([hidden])');
const html = await shown.evaluate(() => `<!DOCTYPE html>\n${document.documentElement.outerHTML}`);
await shown.close();
await writeFile(join(site, 'static.html'),
    html.replace(/<script[^>]*><\/script>/g, '').replace(/<link rel="preload"[^>]*>/, ''));

async function firstPaint(address) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setCacheEnabled(false);
    await page.goto(address, { waitUntil: 'load' });
    await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length);
    const paint = await page.evaluate(() => performance.getEntriesByName('first-contentful-paint')[0].startTime);
    await context.close();
    return paint;
}

const paints = { page: [], static: [], ratio: [] };
await firstPaint(`${origin}/`); // to warm up
for (let run = 0; run < Number(runs); ++run) { // in pairs, so that both meet the same moment's load
    paints.page.push(await firstPaint(`${origin}/`));
    paints.static.push(await firstPaint(`${origin}/static.html`));
    paints.ratio.push(paints.page.at(-1) / paints.static.at(-1));
}
await rm(join(site, 'static.html'));
console.log(`\n== First contentful paint, ${runs} starts of each, cache off`);
console.log(`the page ${median(paints.page).toFixed(1)} ms, the static page ${median(paints.static).toFixed(1)} ms `
    + `(medians); the page against the static one, the median of the pairs: ${median(paints.ratio).toFixed(2)}x`);

const page = await browser.newPage();
await page.goto(`${origin}/`, { waitUntil: 'load' });
await page.waitForSelector('section.window[data-name="Form1"]:not([hidden])');
const clicks = await page.evaluate(() => {
    const [year, sex, calculate] = ['Form1-Text1', 'Form1-Combo1', 'Form1-Command1'].map((id) => document.getElementById(id));
    const times = [];
    for (let click = 0; click < 1200; ++click) {
        year.value = click % 2 ? '79' : '81';
        sex.input.value = click % 2 ? 'Female' : 'Male';
        const start = performance.now();
        calculate.click();
        times.push(performance.now() - start);
    }
    return times.slice(200);
});
console.log('\n== One Calculate, from the click to the labels written, 1000 clicks after 200');
console.log(`median ${(median(clicks) * 1000).toFixed(0)} us, 99th percentile `
    + `${([...clicks].sort((a, b) => a - b)[Math.floor(clicks.length * 0.99)] * 1000).toFixed(0)} us`);
await browser.close();
server.close();
