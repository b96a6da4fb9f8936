// The README's picture of the page on a phone: the built page in headless
// Chromium as a phone held sideways shows it (844 x 390 CSS pixels, touch),
// its start-up question answered No with a tap, once the first frame is
// drawn.
//
//   node phone-picture.mjs PAGE_DIR NODE_MODULES OUT.png
import { createRequire } from 'node:module';
import { resolve } from 'node:path';
import { servePage } from './serve-page.mjs';

const [pageDir, modules, out] = process.argv.slice(2);
const { chromium } = createRequire(resolve(modules, 'x'))('playwright-core');
const { server, address } = await servePage(pageDir);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
    args: ['--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--no-sandbox', '--disable-background-networking'] });
const page = await browser.newPage({ viewport: { width: 844, height: 390 }, isMobile: true, hasTouch: true });
// Kept after each frame is shown, so that it can be read.
await page.addInitScript(() => {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (type, attributes) {
        return getContext.call(this, type, { ...attributes, preserveDrawingBuffer: true });
    };
});
await page.goto(address);
await page.getByRole('button', { name: 'No', exact: true }).tap();
// Drawn once the frame's centre is no longer the empty window's black.
await page.waitForFunction(() => {
    const canvas = document.getElementById('canvas');
    const gl = canvas?.getContext('webgl');
    const pixel = new Uint8Array(4);
    gl?.readPixels(320, 240, 1, 1, gl.RGBA, gl.UNSIGNED_BYTE, pixel);
    return pixel.some(channel => channel > 0);
}, null, { timeout: 10000 });
await page.screenshot({ path: out });
await browser.close();
server.close();
