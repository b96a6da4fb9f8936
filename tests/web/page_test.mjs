// The viewer's page end to end on a desktop browser (a mouse and a
// keyboard): one row per start-up path, as the X11 table has them, each on
// a fresh page. Frames are checked against Linux's own frame from the same
// pose or through the X11 table's probes (page.mjs).
//
// What no row reaches: a hidden tab, the cursor calls' counter beyond its
// first hide, the shutdown boxes (their calls never fail here), a colour's
// rounding (Mesa's own 0.5 green is 127 or 128).
//
//   node page_test.mjs PAGE_DIR RENDER_FRAME
import { QUESTION, REFUSED, answer, ended, failedProbes, frameWhere, linux, magenta, midGreen, red, run, startView,
    unlike } from './page.mjs';

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
    ['OtherPosesDrawAsOnLinux', async (page, { address }) => {
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

await run(rows);
