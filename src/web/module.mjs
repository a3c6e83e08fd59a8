// Writes module.js, which carries the module (kestrin.wasm) so that the page runs from
// disk too, where it may not fetch it: its bytes as the characters U+0000 to U+00FF of one
// string, escaped only where a string must be, which compresses nearly as well as the
// module itself. Run when the site is made.
//   node module.mjs <kestrin.wasm> <module.js>
import { readFileSync, writeFileSync } from 'node:fs';

const [module, script] = process.argv.slice(2);
const kEscapes = { 0x0a: '\\n', 0x0d: '\\r', 0x27: "\\'", 0x5c: '\\\\' };
const characters = [...readFileSync(module)].map((byte) => kEscapes[byte] ?? String.fromCharCode(byte)).join('');
writeFileSync(script, "// The program's module, kestrin.wasm, a character to each byte: the page reads it from here.\n"
    + `globalThis.morvaneModule = '${characters}';\n`);
