// The engine in WebAssembly gives exactly the desktop's readings: reading_outcomes, built
// for this machine and for WebAssembly (run here under Node's WASI), prints the same
// outcome for every year text a person can type, both sexes and the odd texts.
//   node engine_test.mjs <reading_outcomes built for this machine> <reading_outcomes.wasm>
import { execFileSync } from 'node:child_process';
import { closeSync, openSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { WASI } from 'node:wasi';

const [native, module] = process.argv.slice(2);
const expected = execFileSync(native, { maxBuffer: 1 << 28 }).toString();
const output = join(tmpdir(), `reading_outcomes-${process.pid}.txt`);
const stdout = openSync(output, 'w');
const wasi = new WASI({ version: 'preview1', args: ['reading_outcomes'], stdout, returnOnExit: true });
const instance = await WebAssembly.instantiate(await WebAssembly.compile(readFileSync(module)), wasi.getImportObject());
wasi.start(instance);
closeSync(stdout);
const actual = readFileSync(output, 'utf8');
rmSync(output);
const [want, got] = [expected.split('\n'), actual.split('\n')];
const first = want.findIndex((line, at) => line !== got[at]);
if (first >= 0 || want.length !== got.length) {
    console.log(`line ${first + 1} differs:\n  desktop: ${want[first]}\n  module:  ${got[first]}`);
    process.exit(1);
}
console.log(`the same ${want.length - 1} outcomes`);
