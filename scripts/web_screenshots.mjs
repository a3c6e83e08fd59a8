// Saves pictures of the page after a reading for 81 and the first sex of the list, at a
// desktop's size and at a phone's, in each language, then with its compass opened by F2,
// with north and with south at the top: web-desktop.png, web-compass-desktop.png and
// web-compass-south-desktop.png, web-phone.png and so on, then web-desktop-zh-Hans.png
// and so on; and the sheet it prints to PDF on A4, its page as a picture (needs pdftoppm,
// from poppler-utils): sheet.png, sheet-zh-Hans.png and so on. The web build puts it beside the page's test
// packages it uses, after scripts/test or ctest --preset web:
//   node build/web/tests/web/web_screenshots.mjs build/web/site docs/screenshots
import { execFileSync } from 'node:child_process';
import { rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { serve, siteLanguages } from './browser.mjs';
import { PageAgent } from './page_agent.mjs';

const [site, out] = process.argv.slice(2);
const { server, origin } = await serve(site);
const agent = new PageAgent(origin);
for (const tag of await siteLanguages(site)) {
    for (const [name, width, height] of [['web-desktop', 1280, 800], ['web-phone', 360, 640]]) {
        await agent.openPage(tag, width, height);
        await agent.click('Form1', 'Text1');
        await agent.type('81');
        await agent.press('Tab');
        await agent.press('ArrowDown');
        await agent.click('Form1', 'Command1');
        await agent.settle();
        const suffix = `${tag === 'en' ? '' : `-${tag}`}.png`;
        await agent.page.screenshot({ path: join(out, `${name}${suffix}`), fullPage: width < 500 });
        await agent.press('F2');
        await agent.settle();
        const compass = name.replace('web-', 'web-compass-');
        await agent.page.screenshot({ path: join(out, `${compass}${suffix}`), fullPage: width < 500 });
        await agent.click('Compass', 'Option2');
        await agent.settle();
        await agent.page.screenshot({ path: join(out, `${compass.replace('compass-', 'compass-south-')}${suffix}`),
            fullPage: width < 500 });
        if (width > 500) {
            await agent.click('Compass', 'Option1');
            const pdf = join(out, 'sheet.pdf');
            writeFileSync(pdf, await agent.page.pdf({ format: 'A4' }));
            execFileSync('pdftoppm', ['-png', '-r', '72', '-singlefile', pdf, join(out, `sheet${suffix.replace('.png', '')}`)]);
            rmSync(pdf);
        }
        await agent.closePage();
    }
}
await agent.closeBrowsers();
server.close();
