// make bench in the browser: the page's own cost per pass of its loop in
// headless Chromium, against the bare loop (bare.html) drawing the same frame
// through the same GL layer with no Win32 layer and no Asyncify. Once both
// run, WebGL's calls are made to do nothing, and a pass's cost is the CPU
// time of the animation frame callback it runs in, as Chromium's trace gives
// it (tdur): the program, the Win32 layer, the GL layer and the glue to
// WebGL, without the time the thread waits for a core. Passes per second
// depend on SwiftShader's drawing and on whatever else loads the machine:
// their ratio went from 0.5 to 2.8 in five runs on a loaded machine, and
// even the CPU time of a pass with WebGL drawing moved by 7%. Animation
// frames unthrottled; alternating, several rounds, the median pass of each.
// Then the page's size. Prints rows "label|value|unit", and last "web ratio
// <bare's cost / page's>": the page's passes per CPU second over the bare
// loop's.
//
//   node page_bench.mjs PAGE_DIR NODE_MODULES
import { statSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { servePage } from '../../scripts/serve-page.mjs';

const [pageDir, modules] = process.argv.slice(2);
const { chromium } = createRequire(resolve(modules, 'x'))('playwright-core');
const ROUNDS = 9, SECONDS = 1;

const { server, address } = await servePage(pageDir);

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--use-angle=swiftshader',
    '--enable-unsafe-swiftshader', '--no-sandbox', '--disable-frame-rate-limit', '--disable-gpu-vsync'] });
// Every pass of either loop asks for one animation frame.
async function open(url) {
    const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
    await page.addInitScript(() => {
        const request = window.requestAnimationFrame.bind(window);
        window.passes = 0;
        window.requestAnimationFrame = callback => (++window.passes, request(callback));
    });
    await page.goto(address + url);
    return page;
}
const program = await open('index.html');
await program.getByRole('button', { name: 'No', exact: true }).click();
const bare = await open('bench/bare.html');
// Once a few passes have drawn, so that setting up is over, every WebGL
// call that is no query does nothing.
for (const page of [program, bare]) {
    await page.bringToFront();
    await page.waitForFunction(() => window.passes > 10);
    await page.evaluate(() => {
        for (const api of [WebGLRenderingContext.prototype, WebGL2RenderingContext.prototype]) {
            for (const name of Object.getOwnPropertyNames(api)) {
                if (!/^(get|is|create|check)/.test(name) && typeof Object.getOwnPropertyDescriptor(api, name).value === 'function') api[name] = () => {};
            }
        }
    });
}

// The CPU time of each animation frame callback of the page in front, over a
// while, in microseconds. A page behind it gets no frames.
async function passes(page) {
    await page.bringToFront();
    await browser.startTracing(page, { categories: ['devtools.timeline'] });
    await new Promise(done => setTimeout(done, SECONDS * 1000));
    return JSON.parse(await browser.stopTracing()).traceEvents
        .filter(event => event.name === 'FireAnimationFrame' && event.ph === 'X').map(event => event.tdur);
}
const rounds = [];
for (let i = 0; i < ROUNDS; ++i) rounds.push([await passes(program), await passes(bare)]);
await browser.close();
server.close();

const median = values => [...values].sort((a, b) => a - b)[values.length >> 1];
const kib = name => statSync(join(pageDir, name)).size / 1024;
console.log(`web: the page's own CPU time per pass (median)|${median(rounds.flatMap(r => r[0]))}|us`);
console.log(`web: the bare loop's own CPU time per pass (median)|${median(rounds.flatMap(r => r[1]))}|us`);
const page = ['index.html', 'tessaline.js', 'tessaline.wasm', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png', 'worker.js'];
console.log(`web: the page's size (with its manifest, icons and worker)|${page.reduce((sum, name) => sum + kib(name), 0).toFixed(1)}|KiB`);
console.log(`web ratio ${median(rounds.map(([page, bareLoop]) => median(bareLoop) / median(page))).toFixed(3)}`);
