// Saves pictures of the page after a reading for 81, Male: at a desktop's size and at a
// phone's, as web-desktop.png and web-phone.png.
//   node screenshots.mjs <site folder> <folder for the pictures>
import { join } from 'node:path';
import { launch, openPage, serve } from './browser.mjs';
import { PageDriver } from './page_driver.mjs';

const [site, out] = process.argv.slice(2);
const { server, origin } = await serve(site);
const browser = await launch();
for (const [name, width, height] of [['web-desktop', 1280, 800], ['web-phone', 360, 640]]) {
    const page = await openPage(browser, `${origin}/`, width, height);
    const driver = new PageDriver(browser, page);
    for (const [verb, argument] of [['year', '81'], ['sex', 'Male'], ['click', 'Command1']])
        await driver.act(verb, argument);
    await driver.settle();
    await page.screenshot({ path: join(out, `${name}.png`), fullPage: width < 500 });
    await page.close();
}
await browser.close();
server.close();
