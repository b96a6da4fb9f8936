// The viewer's page end to end on a phone: headless Chromium emulating a
// touch phone held sideways (844 x 390 CSS pixels, where the 640 x 480 frame
// is shown 520 x 390) and upright, fingers put down, moved and lifted
// through the DevTools protocol's touch events. The frame is shown scaled,
// so frames are read from the canvas's own buffer (page.mjs checks them
// against Linux's own). The rows share one page, loaded anew for each: from
// the second on, the service worker brings it from its cache.
//
// What no row reaches: one finger lifted while another stays (the protocol
// lifts them all at once), Back, Left, Right and Rise (held as Forward is),
// a touch cancelled by the browser, a pen, the browser's own gestures (which
// headless Chromium does not make of these touches), a mouse's drag, and a
// new build replacing the cache (a row sees one build).
//
// Chromium's installability check runs in incognito too: its
// 'in-incognito' comes beside whatever else it finds.
//
//   node phone_test.mjs PAGE_DIR RENDER_FRAME
import { ended, failedProbes, frameWhere, linux, red, run, startView, unlike } from './page.mjs';

const sideways = { width: 844, height: 390 }, upright = { width: 390, height: 844 };

// The drawing buffer is kept once shown, so that the frame can be read;
// and, as a phone's browser does, full screen is granted to a touch only
// once its finger has lifted.
function asOnAPhone() {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (type, attributes) {
        return getContext.call(this, type, { ...attributes, preserveDrawingBuffer: true });
    };
    let fingers = 0;
    addEventListener('pointerdown', () => ++fingers, true);
    addEventListener('pointerup', () => --fingers, true);
    const requestFullscreen = Element.prototype.requestFullscreen;
    Element.prototype.requestFullscreen = function () {
        if (!fingers) return requestFullscreen.call(this);
        window.refusedTillLifted = true;
        return Promise.reject(new TypeError('no user activation yet'));
    };
}

async function open(browser) {
    const context = await browser.newContext({ viewport: sideways, isMobile: true, hasTouch: true });
    await context.addInitScript(asOnAPhone);
    return context;
}

const buffer = async page => Buffer.from((await page.locator('#canvas').evaluate(canvas => canvas.toDataURL()))
    .split(',')[1], 'base64');
const centre = async (page, name) => {
    const box = await page.getByRole('button', { name, exact: true }).boundingBox();
    return [box.x + box.width / 2, box.y + box.height / 2];
};
// Puts fingers at [x, y] CSS pixels of the viewport; 'touchEnd' lifts them all.
async function fingers(page) {
    const session = await page.context().newCDPSession(page);
    return (type, ...points) => session.send('Input.dispatchTouchEvent',
        { type, touchPoints: points.map(([x, y], id) => ({ x, y, id })) });
}
// [name, x, y, width, height] in CSS pixels of each element shown that the selector finds.
const shown = (page, selector) => page.evaluate(selector => [...document.querySelectorAll(selector)]
    .filter(element => element.checkVisibility()).map(element => {
        const { x, y, width, height } = element.getBoundingClientRect();
        return [element.textContent || element.tagName, x, y, width, height];
    }), selector);
async function startViewAfterNo(page) {
    await page.getByRole('button', { name: 'No', exact: true }).tap();
    return startView(page, buffer);
}

// A drag of (60, -80) canvas pixels, worked by hand as a mouse move: the
// look-at point 0.16 higher, turned 0.06 radian right about the eye
// (0, 2.5, 5): (5 sin 0.06, 2.66, 5 - 5 cos 0.06).
const turned = ['0', '2.5', '5', '0.29982', '2.66', '0.008998'];
// tests/web/page_test.mjs's: a step forward moves the front face's left edge
// from x = 175.1 to 172.4 and its top from row 312.4 to 313.8.
const walked = [[173, 350, red, 'the front face, grown leftwards'], [440, 313, red, 'under its top, lowered', true]];

const rows = [
    ['TheViewFitsSidewaysAndUprightWithTheControlsClearOfItsMiddle', async page => {
        const faults = [];
        const small = boxes => boxes.filter(([, , , width, height]) => width < 44 || height < 44).map(([name]) => `${name} small`);
        await page.locator('#box').waitFor();
        faults.push(...small(await shown(page, '#box button')));
        await startViewAfterNo(page);
        for (const [viewport, view] of [[upright, [0, 0, 390, 292.5]], [sideways, [162, 0, 520, 390]]]) {
            await page.setViewportSize(viewport);
            const [[, ...canvas]] = await shown(page, 'canvas'), controls = await shown(page, '#controls button');
            const [x, y, width, height] = view;
            const [wide, font] = await page.evaluate(() => [document.scrollingElement.scrollWidth > innerWidth,
                Math.min(...[...document.querySelectorAll('body *')].filter(element => element.checkVisibility())
                    .map(element => parseFloat(getComputedStyle(element).fontSize)))]);
            faults.push(...small(controls), ...controls.filter(([, left, top, w, h]) => left < x + width * 2 / 3 &&
                left + w > x + width / 3 && top < y + height && top + h > y).map(([name]) => `${name} on the view's middle`));
            if (canvas.some((value, i) => Math.abs(value - view[i]) > 0.5)) faults.push(`the view at ${canvas}`);
            if (controls.length !== 7) faults.push(`${controls.length} controls`);
            if (wide) faults.push('it scrolls sideways');
            if (font < 12) faults.push(`a font of ${font} px`);
            if (faults.length) throw new Error(`${viewport.width} wide: ${faults.join('; ')}`);
        }
    }],
    ['FullScreenAndBackWithADragTurningAndTiltingExactly', async page => {
        const touch = await fingers(page);
        await startViewAfterNo(page);
        const button = await centre(page, 'Full screen');
        await touch('touchStart', button);
        await page.waitForFunction(() => window.refusedTillLifted, null, { timeout: 10000 });
        await touch('touchEnd');
        await page.waitForFunction(() => document.fullscreenElement?.id === 'window', null, { timeout: 10000 });
        await startView(page, buffer);
        // Letterboxed 520 pixels wide: 7.5 and -10 canvas pixels a move.
        await touch('touchStart', [300, 300]);
        for (let i = 1; i <= 8; ++i) await touch('touchMove', [300 + 6.09375 * i, 300 - 8.125 * i]);
        await touch('touchEnd');
        const expected = linux(turned);
        await frameWhere(page, frame => unlike(frame, expected), buffer);
        await touch('touchStart', button);
        await touch('touchEnd');
        await page.waitForFunction(() => !document.fullscreenElement, null, { timeout: 10000 });
        await startView(page, buffer);
    }],
    ['ForwardWalksBesideAFingerOnTheViewQuitEndsWithZeroAndThePageStartsAgainOffline', async page => {
        const touch = await fingers(page);
        await startViewAfterNo(page);
        await touch('touchStart', [420, 100]);
        await touch('touchStart', [420, 100], await centre(page, 'Forward'));
        // Let go at the first frame that shows the face's top lowered (row
        // 313 from the top), the frames held meanwhile (page.mjs): its
        // probes hold for 16 steps at most.
        await page.waitForFunction(() => {
            const gl = document.getElementById('canvas').getContext('webgl'), pixel = new Uint8Array(4);
            gl.readPixels(440, 479 - 313, 1, 1, gl.RGBA, gl.UNSIGNED_BYTE, pixel);
            return window.held = pixel[0] < 128;
        }, null, { polling: 'raf', timeout: 10000 });
        await touch('touchEnd');
        await page.evaluate(() => { window.held = false; });
        let last;
        await frameWhere(page, frame => {
            const still = last?.equals(frame);
            last = frame;
            return failedProbes(frame, walked) || (still ? '' : 'still walking');
        }, buffer);
        const session = await page.context().newCDPSession(page);
        const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
        const errors = installabilityErrors.filter(({ errorId }) => errorId !== 'in-incognito');
        if (errors.length) throw new Error(JSON.stringify(errors));
        await page.waitForFunction(() => navigator.serviceWorker.controller, null, { timeout: 10000 });
        await page.getByRole('button', { name: 'Quit', exact: true }).tap();
        await ended(page);
        await page.context().setOffline(true);
        await page.getByRole('button', { name: 'Start again', exact: true }).tap();
        await startViewAfterNo(page);
    }],
];

await run(rows, open);
