// What the page's tests share: the site served on this machine's loopback, Debian's
// Chromium started headless, and a page of the site that notes every request to another
// host (and aborts it), every error of its script and every refusal of its security
// policy, what it asks the browser to open and what its live region says.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

const kTypes = { '.html': 'text/html', '.htm': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
    '.png': 'image/png', '.webmanifest': 'application/manifest+json', '.wasm': 'application/wasm' };

// Serves the folder at http://127.0.0.1:<port>/, as `scripts/web serve` does.
export async function serve(folder) {
    const server = createServer(async (request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
        const file = join(folder, path.endsWith('/') ? `${path}index.html` : path);
        try {
            const body = await readFile(file);
            response.writeHead(200, { 'Content-Type': kTypes[extname(file)] ?? 'application/octet-stream' });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return { server, origin: `http://127.0.0.1:${server.address().port}` };
}

// Chromium, whose pages ask for the languages first ('zh-Hant'), English by default.
export function launch(languages = 'en') {
    return puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--hide-scrollbars', `--accept-lang=${languages}`],
    });
}

// Watches what the page does beyond drawing: window.open is noted rather than obeyed.
function watch() {
    document.addEventListener('securitypolicyviolation', (event) =>
        console.error(`the security policy refused ${event.blockedURI} (${event.violatedDirective})`));
    window.morvaneOpened = [];
    window.morvaneSpoken = [];
    window.open = (address, target, features) => {
        const absolute = /^[a-z]+:/.test(address) ? address : new URL(address, location.href).href;
        window.morvaneOpened.push({ address: absolute, target, features });
        return null;
    };
    document.addEventListener('DOMContentLoaded', () => {
        const announcer = document.getElementById('announcer');
        new MutationObserver(() => announcer.textContent && window.morvaneSpoken.push(announcer.textContent))
            .observe(announcer, { childList: true, characterData: true, subtree: true });
    });
}

// A page of the site at the size, its problems noted in page.problems.
export async function openPage(browser, url, width = 1280, height = 800) {
    const page = await browser.newPage();
    page.problems = [];
    await page.setViewport({ width, height });
    await page.setRequestInterception(true);
    page.on('request', (request) => {
        const foreign = !['data:', 'blob:'].includes(new URL(request.url()).protocol)
            && new URL(request.url()).origin !== new URL(url).origin;
        if (foreign)
            page.problems.push(`asked another host for ${request.url()}`);
        foreign ? request.abort() : request.continue();
    });
    page.on('pageerror', (error) => page.problems.push(`script error: ${error.message}`));
    page.on('console', (message) => message.type() === 'error' && page.problems.push(`console: ${message.text()}`));
    await page.evaluateOnNewDocument(watch);
    await page.goto(url, { waitUntil: 'load' });
    await page.waitForSelector('section.window[data-name="Form1"]:not([hidden])');
    return page;
}

// The languages of the site, as its descriptions name them, first the page's own.
export async function siteLanguages(site) {
    const descriptions = await readFile(join(site, 'descriptions.js'), 'utf8');
    return JSON.parse(/morvaneDescriptions = (.*);/.exec(descriptions)[1]).languages.map(({ tag }) => tag);
}
