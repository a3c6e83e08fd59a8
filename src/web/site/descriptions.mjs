// Writes the windows' descriptions, as the module gives them, for the page to draw before
// the module is ready: the head of the page's script, from kestrin.wasm. Run when the
// site is made.
//   node descriptions.mjs <kestrin.wasm> <script>
import { readFileSync, writeFileSync } from 'node:fs';

const [module, out] = process.argv.slice(2);
const compiled = await WebAssembly.compile(readFileSync(module));
const stubs = {};
for (const { module: from, name } of WebAssembly.Module.imports(compiled))
    (stubs[from] ??= {})[name] = () => 0;
const { exports } = await WebAssembly.instantiate(compiled, stubs);
exports._initialize();
const start = exports.descriptions();
const memory = new Uint8Array(exports.memory.buffer); // after the module has grown it
const json = new TextDecoder().decode(memory.subarray(start, memory.indexOf(0, start)));
writeFileSync(out, `// The program's windows as its module describes them, for the page to draw.\n`
    + `globalThis.morvaneDescriptions = ${json};\n`);
