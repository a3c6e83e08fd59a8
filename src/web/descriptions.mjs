// Runs the descriptions command (descriptions.wasm) under Node's WASI and writes what it
// prints, the page's descriptions.js. Run when the site is made.
//   node descriptions.mjs <descriptions.wasm> <descriptions.js>
import { closeSync, openSync, readFileSync } from 'node:fs';
import { WASI } from 'node:wasi';

const [command, out] = process.argv.slice(2);
const stdout = openSync(out, 'w');
const wasi = new WASI({ version: 'preview1', args: ['descriptions'], stdout, returnOnExit: true });
const instance = await WebAssembly.instantiate(await WebAssembly.compile(readFileSync(command)), wasi.getImportObject());
const status = wasi.start(instance);
closeSync(stdout);
process.exit(status);
