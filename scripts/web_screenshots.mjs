// Saves pictures of the page after a reading for 81, Male: at a desktop's size and at a
// phone's, as web-desktop.png and web-phone.png. The web build puts it beside the page's
// test packages it uses, after scripts/test or ctest --preset web:
//   node build/web/tests/web/web_screenshots.mjs build/web/site docs/screenshots
import { join } from 'node:path';
import { launch, serve } from './browser.mjs';
import { PageAgent } from './page_agent.mjs';

const [site, out] = process.argv.slice(2);
const { server, origin } = await serve(site);
const browser = await launch();
for (const [name, width, height] of [['web-desktop', 1280, 800], ['web-phone', 360, 640]]) {
    const agent = new PageAgent(browser, `${origin}/`);
    await agent.openPage(width, height);
    for (const [box, text] of [['Text1', '81'], ['Combo1', 'Male']]) {
        await agent.click('Form1', box);
        await agent.erase();
        await agent.type(text);
    }
    await agent.click('Form1', 'Command1');
    await agent.settle();
    await agent.page.screenshot({ path: join(out, `${name}.png`), fullPage: width < 500 });
    await agent.closePage();
}
await browser.close();
server.close();
