// Plays every shared window script on the page in Chromium through the one player: the
// player, built for WebAssembly (window_scripts_web_test.wasm), runs in a worker thread
// and waits (Atomics.wait) while this thread carries each primitive it asks for out in
// Chromium (page_agent.mjs) and hands back the answer. A script also fails on any request
// to another host or error of the page's script.
//   node window_scripts_web_test.mjs <site folder> <window_scripts_web_test.wasm>
import { readFileSync } from 'node:fs';
import { WASI } from 'node:wasi';
import { isMainThread, parentPort, Worker, workerData } from 'node:worker_threads';

const kSeparator = '\x1f'; // between a request's name and its arguments, and a list's items
const kRoom = 1 << 20; // for an answer, after the two words that say it is there and how long it is

if (isMainThread) {
    const { serve } = await import('./browser.mjs');
    const { PageAgent } = await import('./page_agent.mjs');
    const [site, player] = process.argv.slice(2);
    const { server, origin } = await serve(site);
    const agent = new PageAgent(origin);
    const shared = new SharedArrayBuffer(8 + kRoom);
    const worker = new Worker(new URL(import.meta.url), { workerData: { shared, player } });
    const [state, answer] = [new Int32Array(shared, 0, 2), new Uint8Array(shared, 8)];
    worker.on('message', async (request) => {
        const [name, ...args] = request.split(kSeparator);
        const result = await agent[name](...args);
        const text = Array.isArray(result) ? result.join(kSeparator) : String(result ?? '');
        const { written } = new TextEncoder().encodeInto(text, answer);
        state[1] = written;
        Atomics.store(state, 0, 1);
        Atomics.notify(state, 0);
    });
    const status = await new Promise((ended) => worker.on('exit', ended));
    await agent.closeBrowsers();
    server.close();
    process.exit(status);
} else {
    const { shared, player } = workerData;
    const [state, answer] = [new Int32Array(shared, 0, 2), new Uint8Array(shared, 8)];
    let memory;
    // The player's one import: a request for the agent, answered into its buffer.
    const call = (request, length, buffer, capacity) => {
        Atomics.store(state, 0, 0);
        parentPort.postMessage(new TextDecoder().decode(new Uint8Array(memory.buffer, request, length)));
        Atomics.wait(state, 0, 0);
        const size = Math.min(state[1], capacity);
        new Uint8Array(memory.buffer, buffer, size).set(answer.subarray(0, size));
        return size;
    };
    const wasi = new WASI({ version: 'preview1', args: ['window_scripts_web_test'], returnOnExit: true });
    const module = await WebAssembly.compile(readFileSync(player));
    const instance = await WebAssembly.instantiate(module, { ...wasi.getImportObject(), agent: { call } });
    memory = instance.exports.memory;
    process.exit(wasi.start(instance));
}
