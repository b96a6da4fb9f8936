// make bench in the browser: the page's passes per second in headless
// Chromium, animation frames unthrottled, against the bare loop (bare.html)
// drawing the same frame through the same GL layer with no Win32 layer and
// no Asyncify; alternating, several rounds, the median of the rounds'
// ratios. Then the page's size. Prints rows "label|value|unit", and last
// "web ratio <page / bare>".
//
//   node page_bench.mjs PAGE_DIR NODE_MODULES
import { statSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { servePage } from '../../scripts/serve-page.mjs';

const [pageDir, modules] = process.argv.slice(2);
const { chromium } = createRequire(join(modules, 'x'))('playwright-core');
const ROUNDS = 7, SECONDS = 1.5;

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

const rate = page => page.evaluate(seconds => new Promise(done => {
    const from = [window.passes, performance.now()];
    setTimeout(() => done((window.passes - from[0]) / (performance.now() - from[1]) * 1000), seconds * 1000);
}), SECONDS);
const rounds = [];
for (let i = 0; i < ROUNDS; ++i) {
    await bare.bringToFront();
    const bareRate = await rate(bare);
    await program.bringToFront();
    rounds.push([await rate(program), bareRate]);
}
await browser.close();
server.close();

const median = values => values.sort((a, b) => a - b)[values.length >> 1];
const kib = name => statSync(join(pageDir, name)).size / 1024;
console.log(`web: the page's passes per second (median)|${median(rounds.map(r => r[0])).toFixed(0)}|/s`);
console.log(`web: the bare loop's passes per second (median)|${median(rounds.map(r => r[1])).toFixed(0)}|/s`);
const page = ['index.html', 'tessaline.js', 'tessaline.wasm', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png', 'worker.js'];
console.log(`web: the page's size (with its manifest, icons and worker)|${page.reduce((sum, name) => sum + kib(name), 0).toFixed(1)}|KiB`);
console.log(`web ratio ${median(rounds.map(([page, bareRate]) => page / bareRate)).toFixed(3)}`);
