// Makes the parts of the site that speak every language, from what the descriptions
// command (descriptions.wasm, run under Node's WASI) prints: descriptions.js, with which
// the page draws before the module is ready; a manifest for each language, from the
// site's manifest.webmanifest; each language's faces in the style; the page's scripts as
// one; and the page, its texts in English where it names them in
// braces ("{title}"), and its text for a browser without script in every language. Run
// when the site is made.
//   node descriptions.mjs <descriptions.wasm> <site source folder> <site folder>
import { appendFileSync, closeSync, openSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { WASI } from 'node:wasi';

const [command, source, site] = process.argv.slice(2);
const printed = join(site, 'descriptions.json');
const stdout = openSync(printed, 'w');
const wasi = new WASI({ version: 'preview1', args: ['descriptions'], stdout, returnOnExit: true });
const instance = await WebAssembly.instantiate(await WebAssembly.compile(readFileSync(command)), wasi.getImportObject());
if (wasi.start(instance) !== 0)
    process.exit(1);
closeSync(stdout);
const json = readFileSync(printed, 'utf8').trim();
rmSync(printed);
const { languages } = JSON.parse(json);

writeFileSync(join(site, 'descriptions.js'), '// The program\'s windows and the page\'s texts in every language, as its module '
    + `describes them, for the page to draw.\nglobalThis.morvaneDescriptions = ${json};\n`);
const manifest = JSON.parse(readFileSync(join(source, 'manifest.webmanifest'), 'utf8'));
for (const { tag, texts } of languages) {
    const own = { ...manifest, lang: tag, name: texts.title, short_name: texts.title, description: texts.summary,
        start_url: `./?lang=${tag}` };
    writeFileSync(join(site, `manifest.${tag}.webmanifest`), `${JSON.stringify(own, null, 4)}\n`);
}
const faces = languages.filter(({ faces }) => faces.length)
    .map(({ tag, faces }) => `:lang(${tag}) {\n    font-family: var(--latin), "${faces.join('", "')}", sans-serif;\n}\n`);
appendFileSync(join(site, 'kestrin.css'), `\n/* Each language in its own faces. */\n${faces.join('\n')}`);
const escaped = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/"/g, '&quot;');
const noScript = languages.map(({ tag, texts }) => `<p lang="${tag}">${escaped(texts.noScript)}</p>`).join('\n');
// The page's scripts, one file for each role in the source, as one in the site, in the
// order the page names them, so that the page asks for two scripts rather than eleven.
const roles = [];
const page = readFileSync(join(source, 'index.html'), 'utf8')
    .replace(/\{(\w+)\}/g, (_, name) => escaped(languages[0].texts[name]))
    .replace(/<noscript>[^]*<\/noscript>/, `<noscript>\n${noScript}\n</noscript>`)
    .replace(/<script src="(?!descriptions)([\w.]+)" defer><\/script>\n/g, (_, script) => {
        roles.push(readFileSync(join(source, script), 'utf8'));
        rmSync(join(site, script));
        return roles.length === 1 ? '<script src="kestrin.js" defer></script>\n' : '';
    });
writeFileSync(join(site, 'kestrin.js'), roles.join('\n'));
writeFileSync(join(site, 'index.html'), page);
