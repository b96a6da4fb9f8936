// The viewer's page end to end on a desktop browser (a mouse and a
// keyboard): one row per start-up path, as the X11 table has them, the page
// loaded anew for each. Frames are checked against Linux's own frame from
// the same pose or through the X11 table's probes (page.mjs).
//
// What no row reaches: a hidden tab, the cursor calls' counter beyond its
// first hide, the shutdown boxes (their calls never fail here), a colour's
// rounding (Mesa's own 0.5 green is 127 or 128).
//
//   node page_test.mjs PAGE_DIR RENDER_FRAME
import { QUESTION, REFUSED, answer, ended, failedProbes, frameWhere, linux, magenta, midGreen, pixel, red,
    run, startView, unlike } from './page.mjs';

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
// The grid's line pixels nearest the eye, in the frame's rows from 300
// down: a line is all edges, which unlike() lets go a pixel off either way,
// doubled or gone for a few pixels. Their number is Linux's, give or take
// the pixel where a line ends.
const linePixels = frame => {
    let count = 0;
    for (let y = 300; y < 480; ++y)
        for (let x = 0; x < 640; ++x) count += pixel(frame, x, y).every((channel, i) => Math.abs(channel - [150, 190, 150][i]) <= 2);
    return count;
};
const cursor = page => page.locator('#canvas').evaluate(canvas => canvas.style.cursor);

const rows = [
    ['EscapeAnswersNoGivingTheStartViewWithTheCursorHiddenAndEndsWithZero', async page => {
        await page.locator('#box').waitFor({ timeout: 10000 });
        if (await page.getByRole('button', { name: 'Forward' }).isVisible()) throw new Error('touch controls for a mouse');
        await page.keyboard.press('Escape');
        await startView(page);
        if (await cursor(page) !== 'none') throw new Error('cursor shown');
        await page.keyboard.press('Escape');
        await ended(page);
    }],
    ['AClickThenAMoveTurnsAsOnX11', async page => {
        await answer(page, 'Start FullScreen?', QUESTION, 'No');
        await startView(page);
        await page.locator('#canvas').click({ position: { x: 320, y: 240 } });
        await page.waitForFunction(() => document.pointerLockElement, null, { timeout: 10000 });
        await page.mouse.move(24 + 320 + 60, 24 + 240 - 80);
        await frameWhere(page, frame => failedProbes(frame, turned));
    }],
    ['WWalksForwardOnlyWhileHeldEvenThroughAnF1Switch', async page => {
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
        // W tapped while F1 is down, all in one frame: W's release, held
        // back till the next swap, outlives the window F1 replaces, and the
        // view must not walk on in the new one.
        await page.evaluate(() => { window.held = true; });
        for (const [key, down] of [['F1', true], ['w', true], ['w', false], ['F1', false]])
            await (down ? page.keyboard.down(key) : page.keyboard.up(key));
        await page.evaluate(() => { window.held = false; });
        await page.waitForFunction(() => document.fullscreenElement, null, { timeout: 10000 });
        const frames = () => page.evaluate(() => new Promise(shown => requestAnimationFrame(() => requestAnimationFrame(shown))));
        for (let last, until = Date.now() + 10000; ;) {
            await frames();
            const shot = await page.screenshot();
            if (last?.equals(shot)) break;
            if (Date.now() > until) throw new Error('still walking');
            last = shot;
        }
    }],
    ['OtherPosesDrawAsOnLinux', async (page, { address }) => {
        for (const pose of poses) {
            await page.goto(`${address}bench/bare.html?${pose.join('%20')}`);
            const expected = linux(pose.map(String));
            await frameWhere(page, frame => {
                const pixels = unlike(frame, expected), lines = [linePixels(frame), linePixels(expected)];
                return pixels ? `from ${pose}: ${pixels}` : Math.abs(lines[0] - lines[1]) > 2 &&
                    `from ${pose}: ${lines[0]} line pixels near the eye, on Linux ${lines[1]}`;
            });
        }
    }],
    ['ReturnAnswersYesGivingFullScreenWhichEachPressOfF1SwitchesOnce', async page => {
        await page.locator('#box').waitFor({ timeout: 10000 });
        await page.keyboard.press('Enter');
        await page.waitForFunction(() => document.fullscreenElement?.id === 'window', null, { timeout: 10000 });
        if (await cursor(page) !== 'none') throw new Error('cursor shown');
        // A press held, its repeats coming on in the window it made, then ten
        // let go at once: each makes one window, full screen or not in turn,
        // and the last a window in the start view.
        await page.evaluate(() => new MutationObserver(changes => changes.forEach(change =>
            window.made = (window.made ?? 0) + change.addedNodes.length)).observe(document.getElementById('window'), { childList: true }));
        const held = async () => {
            await page.keyboard.down('F1');
            await page.waitForFunction(() => window.made === 1, null, { timeout: 10000 });
            await page.keyboard.down('F1');
            await page.keyboard.down('F1');
            await startView(page);
            await page.keyboard.up('F1');
        };
        for (const [before, press] of [held, ...Array(10).fill(() => page.keyboard.press('F1'))].entries()) {
            await press();
            await page.waitForFunction(made => window.made === made && !document.fullscreenElement === made % 2 > 0,
                before + 1, { timeout: 10000 });
        }
        await startView(page);
        if (await page.evaluate(() => window.made) !== 11) throw new Error('a press switched twice');
    }],
    ['YesWhereRefusedAsksThenGivesAWindow', async page => {
        await page.evaluate(() => { Element.prototype.requestFullscreen = () => Promise.reject(new Error('refused')); });
        await answer(page, 'Start FullScreen?', QUESTION, 'Yes');
        await answer(page, 'OPENGL', REFUSED, 'Yes');
        await startView(page);
        if (await cursor(page) === 'none') throw new Error('cursor hidden');
        await page.keyboard.press('Escape');
        await ended(page);
    }],
];

await run(rows);
