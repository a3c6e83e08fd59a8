// Plays every shared window script on the page in Chromium, each on the site opened
// afresh, and fails on any request to another host or error of the page's script.
//   node window_scripts_web_test.mjs <site folder> <window_scripts.txt>
import { launch, openPage, serve } from './browser.mjs';
import { PageDriver } from './page_driver.mjs';
import { ScriptPlayer, windowScripts } from './script_player.mjs';

const [site, scriptsFile] = process.argv.slice(2);
const { server, origin } = await serve(site);
const browser = await launch();
await browser.defaultBrowserContext().overridePermissions(origin, ['clipboard-read', 'clipboard-sanitized-write']);
let failed = 0;
for (const script of windowScripts(scriptsFile)) {
    const page = await openPage(browser, `${origin}/`);
    const wrong = await new ScriptPlayer(new PageDriver(browser, page)).playAll(['expect active Form1', ...script.steps])
        ?? page.problems[0];
    console.log(`${wrong ? 'FAIL' : 'ok  '} ${script.name}${wrong ? `\n     ${wrong}` : ''}`);
    failed += wrong ? 1 : 0;
    await page.close();
}
await browser.close();
server.close();
console.log(`${failed} of the scripts failed`);
process.exit(failed ? 1 : 0);
