// The viewer's page end to end, in headless Chromium (SwiftShader's WebGL)
// driven by Playwright: one row per start-up path, as the X11 table has them,
// each on a fresh page. Frames are checked against Linux's own frame from the
// same pose (tests/render/render_frame) or through the X11 table's probes.
// Nothing waits a fixed time: each step waits, bounded, for what it expects.
//
// What no row reaches: F1's switch, a hidden tab, the cursor calls' counter
// beyond its first hide, the shutdown boxes (their calls never fail here),
// a colour's rounding (Mesa's own 0.5 green is 127 or 128).
//
//   node page_test.mjs PAGE_DIR RENDER_FRAME
import { execFileSync } from 'node:child_process';
import { chromium } from 'playwright-core';
import { servePage } from './serve-page.mjs';  // copied beside it from scripts/

const [pageDir, renderFrame] = process.argv.slice(2);
const QUESTION = 'Would You Like To Run In Fullscreen Mode?\n  This Program Is Written By Odrenko.\n';
const REFUSED = 'The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?';
const midGreen = [0, 128, 0], magenta = [255, 0, 255], red = [255, 0, 0];
// tests/e2e/e2e_test.cpp's kTurned: a move of (60, -80) from the start view.
const turned = [[133, 360, magenta, "left of the front face's left edge"], [139, 360, red, 'right of it'],
    [285, 257, midGreen, "above the sphere's top"], [285, 260, magenta, 'below it']];
// A step forward (0.075) moves the front face's left edge from x = 175.1 to
// 172.4 and its top from row 312.4 to 313.8; a step aside moves neither so.
const walked = [[173, 350, red, 'the front face, grown leftwards'], [440, 313, red, 'under its top, lowered', true]];

// Poses no start-up path reaches, drawn by the GL layer alone (the bench's
// bare loop): the emblem whole, its faces and closing triangles on top, with
// the grid's lines reaching behind the eye; the cube's left and back faces.
const poses = [[0, 1, 38, 0, 1, 0], [-4, 3, -3, 0, 1, 0]];

const { server, address } = await servePage(pageDir);

const rgb = png => execFileSync('convert', ['png:-', '-depth', '8', 'rgb:-'], { input: png });
const linux = pose => execFileSync(renderFrame, pose).subarray('P6\n640 480\n255\n'.length);
const pixel = (frame, x, y) => [...frame.subarray((y * 640 + x) * 3, (y * 640 + x) * 3 + 3)];
const near = (a, b, tolerance = 1) => a.every((channel, i) => Math.abs(channel - b[i]) <= tolerance);

// Pixels of one frame whose colour no pixel next to them has in the other
// (either way round), beyond a few: edges may move by a pixel, a sliver
// thinner than one comes and goes, and Mesa rounds 0.5 green to 127 or 128
// as it interpolates. Empty when the frames match.
function unlike(frame, other) {
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
const failedProbes = (frame, probes) => probes.filter(([x, y, colour, , unlike]) => near(pixel(frame, x, y), colour, 9) === !!unlike)
    .map(([x, y, colour, what, unlike]) => `${what}: (${x}, ${y}) is ${pixel(frame, x, y)}, ${unlike ? '' : 'not '}${colour}`).join('; ');

const shot = page => page.locator('#canvas').screenshot();

// Takes frames until one passes the check (an empty answer); fails with
// the last answer after ten seconds.
async function frameWhere(page, check) {
    let failure;
    for (const until = Date.now() + 10000; Date.now() < until;) {
        const frame = rgb(await shot(page));
        if (!(failure = check(frame))) return frame;
    }
    throw new Error(failure);
}

async function answer(page, caption, text, button) {
    await page.locator('#box').waitFor({ timeout: 10000 });
    const shown = [await page.locator('#box-caption').textContent(), await page.locator('#box-text').textContent()];
    if (shown[0] !== caption || shown[1] !== text) throw new Error(`the box says ${JSON.stringify(shown)}`);
    await page.getByRole('button', { name: button, exact: true }).click();
}

const linuxStart = linux([]);
const startView = page => frameWhere(page, frame => unlike(frame, linuxStart));
const ended = page => page.getByText('Tessaline has ended (exit code 0).', { exact: true }).waitFor({ timeout: 10000 });

const rows = [
    ['NoGivesTheStartViewWithTheCursorHidden', async page => {
        await answer(page, 'Start FullScreen?', QUESTION, 'No');
        await startView(page);
        if (await page.locator('#canvas').evaluate(canvas => canvas.style.cursor) !== 'none') throw new Error('cursor shown');
    }],
    ['AClickThenAMoveTurnsAsOnX11', async page => {
        await answer(page, 'Start FullScreen?', QUESTION, 'No');
        await startView(page);
        await page.locator('#canvas').click({ position: { x: 320, y: 240 } });
        await page.waitForFunction(() => document.pointerLockElement, null, { timeout: 10000 });
        await page.mouse.move(24 + 320 + 60, 24 + 240 - 80);
        await frameWhere(page, frame => failedProbes(frame, turned));
    }],
    ['WWalksForward', async page => {
        await answer(page, 'Start FullScreen?', QUESTION, 'No');
        await startView(page);
        // Only round the front face's top, which the first step moves, so
        // that the key is let go soon after it.
        const top = () => page.screenshot({ clip: { x: 24 + 430, y: 24 + 300, width: 20, height: 20 } });  // the page's margin
        const start = await top();
        await page.keyboard.down('w');
        for (const until = Date.now() + 10000; (await top()).equals(start);)
            if (Date.now() > until) throw new Error('no step');
        await page.keyboard.up('w');
        await frameWhere(page, frame => failedProbes(frame, walked));
    }],
    ['EscapeEndsWithZero', async page => {
        await answer(page, 'Start FullScreen?', QUESTION, 'No');
        await startView(page);
        await page.keyboard.press('Escape');
        await ended(page);
    }],
    ['OtherPosesDrawAsOnLinux', async page => {
        for (const pose of poses) {
            await page.goto(`${address}bench/bare.html?${pose.join('%20')}`);
            const expected = linux(pose.map(String));
            await frameWhere(page, frame => {
                const pixels = unlike(frame, expected);
                return pixels && `from ${pose}: ${pixels}`;
            });
        }
    }],
    ['YesGivesFullScreen', async page => {
        await answer(page, 'Start FullScreen?', QUESTION, 'Yes');
        await page.waitForFunction(() => document.fullscreenElement?.id === 'window', null, { timeout: 10000 });
        await page.locator('#canvas').waitFor({ timeout: 10000 });
    }],
    ['YesWhereRefusedAsksThenGivesAWindow', async page => {
        await page.evaluate(() => { Element.prototype.requestFullscreen = () => Promise.reject(new Error('refused')); });
        await answer(page, 'Start FullScreen?', QUESTION, 'Yes');
        await answer(page, 'OPENGL', REFUSED, 'Yes');
        await startView(page);
        await page.keyboard.press('Escape');
        await ended(page);
    }],
];

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--use-angle=swiftshader',
    '--enable-unsafe-swiftshader', '--no-sandbox', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run'] });
let failed = 0;
for (const [name, run] of rows) {
    const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
    const errors = [];
    page.on('pageerror', error => errors.push(error.message));
    try {
        const started = Date.now();
        await page.goto(address);
        await run(page);
        if (errors.length) throw new Error(errors.join('; '));
        console.log(`ok ${name} (${Date.now() - started} ms)`);
    } catch (error) {
        console.log(`FAILED ${name}: ${error.message.split('\n')[0]}`);
        ++failed;
    }
    await page.close();
}
await browser.close();
server.close();
process.exit(failed ? 1 : 0);
