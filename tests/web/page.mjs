// What the page's browser tests share: the served page in headless
// Chromium (SwiftShader's WebGL), frames read and compared with Linux's own
// from the same pose (tests/render/render_frame), the start-up boxes, and a
// runner that loads the page anew for each row and reports it. Nothing waits a
// fixed time: each step waits, bounded, for what it expects.
import { execFileSync } from 'node:child_process';
import { chromium } from 'playwright-core';
import { servePage } from './serve-page.mjs';  // copied beside it from scripts/

export const QUESTION = 'Would You Like To Run In Fullscreen Mode?\n  This Program Is Written By Odrenko.\n';
export const REFUSED = 'The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?';
export const midGreen = [0, 128, 0], magenta = [255, 0, 255], red = [255, 0, 0];

let renderFrame;
// A frame of the scene costs SwiftShader about 45 ms of CPU: drawn at 60 Hz,
// a page would take both cores from the rows beside it (and composited on
// SwiftShader too, a tenth more than by the CPU). Frames come at most
// every 50 ms, as on a slow phone: every callback of a frame in the same one.
// And they wait while window.held is set, so that a row can put several
// events in one frame however loaded the machine.
function slowerFrames() {
    const request = window.requestAnimationFrame.bind(window);
    let last = 0;
    window.requestAnimationFrame = callback => request(function next(time) {
        if (!window.held && time - last >= 50) last = time;
        return !window.held && time === last ? callback(time) : request(next);
    });
}

export const rgb = png => execFileSync('convert', ['png:-', '-depth', '8', 'rgb:-'], { input: png });
export const linux = pose => execFileSync(renderFrame, pose).subarray('P6\n640 480\n255\n'.length);
export const pixel = (frame, x, y) => [...frame.subarray((y * 640 + x) * 3, (y * 640 + x) * 3 + 3)];
const near = (a, b, tolerance = 1) => a.every((channel, i) => Math.abs(channel - b[i]) <= tolerance);

// Pixels of one frame whose colour no pixel next to them has in the other
// (either way round), beyond a few: edges may move by a pixel, a sliver
// thinner than one comes and goes, and Mesa rounds 0.5 green to 127 or 128
// as it interpolates. Empty when the frames match.
export function unlike(frame, other) {
    const matches = (a, i, b, j) => Math.abs(a[i] - b[j]) <= 1 && Math.abs(a[i + 1] - b[j + 1]) <= 1 &&
        Math.abs(a[i + 2] - b[j + 2]) <= 1;
    const found = [];
    for (let y = 1; y < 479; ++y)
        for (let x = 1; x < 639; ++x)
            for (const [a, b] of [[frame, other], [other, frame]]) {
                const i = (y * 640 + x) * 3;
                let match = matches(a, i, b, i);
                for (let dy = -1; dy <= 1 && !match; ++dy)
                    for (let dx = -1; dx <= 1 && !match; ++dx) match = matches(a, i, b, i + (dy * 640 + dx) * 3);
                if (!match && found.push(`(${x}, ${y}) is ${pixel(frame, x, y)}, on Linux ${pixel(other, x, y)}`) > 8)
                    return found.join('; ');
            }
    return '';
}

// A probe's pixel has its colour, or, marked unlike, any other.
export const failedProbes = (frame, probes) => probes.filter(([x, y, colour, , unlike]) => near(pixel(frame, x, y), colour, 9) === !!unlike)
    .map(([x, y, colour, what, unlike]) => `${what}: (${x}, ${y}) is ${pixel(frame, x, y)}, ${unlike ? '' : 'not '}${colour}`).join('; ');

// The page where the canvas is, as shown: half the time of the canvas's own
// screenshot, which waits for it to be stable and in view.
const shot = async page => page.screenshot({ clip: await page.locator('#canvas').boundingBox() });

// Takes frames until one passes the check (an empty answer); fails with
// the last answer after ten seconds. Frames come from `take`, by default a
// screenshot of the canvas as shown.
export async function frameWhere(page, check, take = shot) {
    let failure;
    for (const until = Date.now() + 10000; Date.now() < until;) {
        const frame = rgb(await take(page));
        if (!(failure = check(frame))) return frame;
    }
    throw new Error(failure);
}

export async function answer(page, caption, text, button) {
    await page.locator('#box').waitFor({ timeout: 10000 });
    const shown = [await page.locator('#box-caption').textContent(), await page.locator('#box-text').textContent()];
    if (shown[0] !== caption || shown[1] !== text) throw new Error(`the box says ${JSON.stringify(shown)}`);
    await page.getByRole('button', { name: button, exact: true }).click();
}

let linuxStart;
export const startView = (page, take) => frameWhere(page, frame => unlike(frame, linuxStart), take);
export const ended = page => page.getByText('Tessaline has ended (exit code 0).', { exact: true }).waitFor({ timeout: 10000 });

// Runs the rows in one page of a context made by `open` (Chromium's default
// when none), the served page's address loaded anew for each (a new page and
// its GL took as long as a row itself), and exits with 1 when any failed. A
// row is [name, async (page, { address }) => ...].
//
//   node DRIVER PAGE_DIR RENDER_FRAME
const desktop = browser => browser.newContext({ viewport: { width: 800, height: 600 } });
export async function run(rows, open = desktop) {
    const [pageDir] = process.argv.slice(2);
    renderFrame = process.argv[3];
    linuxStart = linux([]);
    const { server, address } = await servePage(pageDir);
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--use-angle=swiftshader',
        '--enable-unsafe-swiftshader', '--no-sandbox', '--disable-background-networking', '--disable-component-update',
        '--disable-sync', '--no-first-run', '--disable-gpu-compositing'] });
    const context = await open(browser);
    await context.addInitScript(slowerFrames);
    const page = await context.newPage();
    let failed = 0;
    for (const [name, row] of rows) {
        const errors = [], listen = error => errors.push(error.message);
        page.on('pageerror', listen);
        try {
            const started = Date.now();
            await page.goto(address);
            await row(page, { address });
            if (errors.length) throw new Error(errors.join('; '));
            console.log(`ok ${name} (${Date.now() - started} ms)`);
        } catch (error) {
            console.log(`FAILED ${name}: ${error.message.split('\n')[0]}`);
            ++failed;
        }
        page.off('pageerror', listen);
    }
    await browser.close();
    server.close();
    process.exit(failed ? 1 : 0);
}
