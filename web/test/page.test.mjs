// The built page against the native programs: every example, golden source, random bytes, a
// typed source and one of 125,000 messages give tevlin's messages, marks and downloads; image
// files read back as tevlin-dis reads them; the editor answers while a large source assembles.
// Prints the page's size, its time to get ready and to the language server's first marks, the
// time an assembly of examples/fill.asm takes, from a keystroke to its marks and the server's,
// and the longest the page does not answer while a 20,000-line source is edited; leaves
// screenshots, light, dark and narrow.
import assert from 'node:assert/strict';
import { mkdirSync, readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';

import { unzipSync } from 'fflate';

import { bytesToText } from '../page/bytes.js';
import {
    activeLine, downloaded, kArtifacts, measures, messagesOf, open, openAs, runOf,
} from './browser.mjs';
import {
    imagesOf, kExamples, kGoldenSources, kOut, kTevlin, kTevlinDis, runIn,
} from './support.mjs';

const page = await open();
const readyMs = await page.evaluate(() => performance.getEntriesByName('ready')[0].startTime);
const serverReadyMs = await (await page.waitForFunction(() =>
    performance.getEntriesByName('diagnostics')[0]?.startTime)).jsonValue();

async function expectSameAsNative(name, source) {
    const native = runIn([kTevlin], [name], new Map([[name, source]]));
    const messages = bytesToText(native.stderr);
    assert.equal(await messagesOf(page), messages);

    const named = [...messages.matchAll(/line# \((\d+)\)/g)].map((match) => Number(match[1]));
    // The line number beside each mark.
    const marked = await page.$$eval('.cm-error-gutter .error', (marks) => marks.map((mark) =>
        Number([...document.querySelectorAll('.cm-lineNumbers .cm-gutterElement')].find((number) =>
            number.getBoundingClientRect().top === mark.getBoundingClientRect().top).textContent)));
    assert.deepEqual(marked, [...new Set(named)].sort((a, b) => a - b));
    if (named.length > 0) {
        await page.click('#messages .names-line');
        assert.equal(await activeLine(page), named[0]);
    }

    // The listing as the pane shows it, which the page prints.
    await page.evaluate(() => dispatchEvent(new Event('beforeprint')));
    assert.equal(await page.textContent('#print-listing'),
        bytesToText(native.files.get(name.replace(/asm$/, 'asl')) ?? ''));

    const files = new Map([[name, Buffer.from(source)], ...native.files]);
    const offered = new Map();
    for (const button of await page.$$('#downloads button')) {
        offered.set((await button.textContent()).replace(/^All as /, ''),
            await downloaded(page, button));
    }
    const zip = offered.get(name.replace(/asm$/, 'zip'));
    offered.delete(name.replace(/asm$/, 'zip'));
    assert.deepEqual(new Map([...offered].sort()), new Map([...files].sort()));
    const unzipped = Object.entries(unzipSync(zip)).sort();
    assert.deepEqual(new Map(unzipped.map(([file, bytes]) => [file, Buffer.from(bytes)])),
        new Map([...files].sort()));
}

test('every example and source, random bytes too, gives what tevlin gives', async (t) => {
    // A byte order mark, then any byte with a line end every 16 bytes or so, so that every
    // marked line is on the screen.
    let seed = 22;
    const random = Buffer.from([0xef, 0xbb, 0xbf, ...Array.from({ length: 1200 }, () => {
        seed = (Math.imul(seed, 1103515245) + 12345) >>> 0;
        return (seed >>> 16) % 16 === 0 ? 10 : seed >>> 24;
    })]);
    for (const [path, source] of [...kExamples, ...kGoldenSources, ['random bytes', random]]) {
        const example = path.startsWith('examples/') && path.split('/').pop();
        await t.test(path, async () => {
            await runOf(page, 'assemble', () => (example ? page.selectOption('#example', example)
                : openAs(page, '#source-file', 'prog.asm', source)));
            await expectSameAsNative(example || 'prog.asm', source);
        });
    }
});

test('a typed source is assembled as typed', async () => {
    const typed = 'START: ADD R1, R40\nBRN NOWHERE\n';
    await page.click('.cm-content');
    await page.keyboard.press('Control+A');
    await runOf(page, 'assemble', () => page.keyboard.insertText(typed));
    await expectSameAsNative('prog.asm', Buffer.from(typed));
});

test('the ROM reader prints what tevlin-dis prints', async (t) => {
    for (const [path, source] of kExamples) {
        for (const [image, bytes] of imagesOf(path.split('/').pop(), source)) {
            await t.test(`${path}: ${image}`, async () => {
                await runOf(page, 'read image', () => openAs(page, '#image-file', image, bytes));
                const native = runIn([kTevlinDis], [image], new Map([[image, bytes]]));
                const messages = await page.$$eval('#image-messages li',
                    (items) => items.map((item) => `${item.textContent}\n`).join(''));
                assert.equal(messages, bytesToText(native.stderr));
                await runOf(page, 'assemble', () => page.click('#edit-disassembly'));
                assert.deepEqual(await downloaded(page, 'disassembly.asm'), native.stdout);
            });
        }
    }
});

// 5,000 lines of x x x …: 130,000 messages.
const kManyMessages = Buffer.from('x '.repeat(50).concat('\n').repeat(5000));

test('past 124,000 messages the page shows them all, and only this source\'s files', async () => {
    const source = kManyMessages;
    const native = runIn([kTevlin], ['many.asm'], new Map([['many.asm', source]]));
    const lines = bytesToText(native.stderr).split('\n').slice(0, -1);
    await runOf(page, 'assemble', () => openAs(page, '#source-file', 'many.asm', source));
    assert.ok(lines.length > 124000);
    assert.equal(await page.getAttribute('#messages [role=option]', 'aria-setsize'),
        String(lines.length));
    assert.ok(await page.$$eval('#messages [role=option]', (rows) => rows.length) < 100);
    await page.focus('#messages');
    await page.keyboard.press('End');
    assert.equal(await page.textContent('#messages [aria-selected=true]'), lines.at(-1));
    assert.deepEqual(await downloaded(page, 'many.err'), native.files.get('many.err'));
});

test('the editor answers a keystroke while a large source is assembled', async () => {
    const runs = await measures(page, 'assemble');
    await openAs(page, '#source-file', 'slow.asm', kManyMessages);
    await page.waitForFunction(() => document.querySelector('#file-name').value === 'slow.asm');
    await page.click('.cm-content');
    await page.keyboard.type('Z');
    // The keystroke is in the editor, and the run it interrupted has not ended yet.
    assert.deepEqual(await page.evaluate(() => [
        document.querySelector('.cm-content').textContent.includes('Z'),
        performance.getEntriesByName('assemble').length]), [true, runs]);
    await page.waitForFunction((n) => performance.getEntriesByName('assemble').length > n, runs);
});

test('measures: size, time to ready, assembly, keystroke to marks, longest freeze', async (t) => {
    const pageFiles = readdirSync(kOut).filter((file) => !file.endsWith('.mjs'));
    const bytes = pageFiles.reduce((sum, file) => sum + statSync(join(kOut, file)).size, 0);
    t.diagnostic(`page files (${pageFiles.join(', ')}): ${(bytes / 1e6).toFixed(2)} MB`);
    t.diagnostic(`page ready from file:// with demo.asm shown: ${readyMs.toFixed(0)} ms; ` +
        `the language server's first marks: ${serverReadyMs.toFixed(0)} ms`);

    const median = (times) => times.sort((a, b) => a - b)[times.length >> 1].toFixed(1);
    await runOf(page, 'assemble', () => page.selectOption('#example', 'fill.asm'));
    const from = await measures(page, 'assemble');
    for (let i = 0; i < 21; i++) {
        await runOf(page, 'assemble', () => page.dispatchEvent('#file-name', 'input'));
    }
    const times = await page.evaluate((start) =>
        performance.getEntriesByName('assemble').slice(start).map((m) => m.duration), from);
    t.diagnostic(`fill.asm assembled in the page: median ${median(times)} ms of 21 runs`);

    // From each of 7 keystrokes at the end of the first line to the marks of its run, and to the
    // language server's.
    await page.evaluate(() => {
        window.keys = [];
        document.addEventListener('keydown', (event) => window.keys.push(event.timeStamp), true);
    });
    const keystrokesToMarks = async () => {
        await page.click('.cm-line');
        await page.keyboard.press('End');
        const delays = [[], []];
        for (const key of ['Z', 'Backspace', 'Z', 'Backspace', 'Z', 'Backspace', 'Z']) {
            const served = await measures(page, 'diagnostics');
            await runOf(page, 'assemble', () => page.keyboard.press(key));
            await page.waitForFunction((n) =>
                performance.getEntriesByName('diagnostics').length > n, served);
            const times = await page.evaluate(() => {
                const run = performance.getEntriesByName('assemble').at(-1);
                return [run.startTime + run.duration,
                    performance.getEntriesByName('diagnostics').at(-1).startTime]
                    .map((time) => time - window.keys.at(-1));
            });
            times.forEach((time, i) => delays[i].push(time));
        }
        return `median ${median(delays[0])} ms (the language server's ${median(delays[1])} ms)`;
    };
    t.diagnostic(`keystroke to marks, fill.asm: ${await keystrokesToMarks()}`);

    // 20,000 lines, a tenth of them an error, then typing at 30 ms a key while the page's
    // longest task is timed.
    const lines = Array.from({ length: 20000 },
        (_, i) => (i % 10 ? `add r1, r${i % 40}` : 'brn no'));
    await runOf(page, 'assemble', () =>
        openAs(page, '#source-file', 'large.asm', `${lines.join('\n')}\n`));
    t.diagnostic(`keystroke to marks, 20,000 lines: ${await keystrokesToMarks()}`);
    // A beat every few milliseconds, unless a task keeps the page from it.
    await page.evaluate(() => {
        window.longest = 0;
        let last = performance.now();
        (function beat() {
            window.longest = Math.max(window.longest, performance.now() - last);
            last = performance.now();
            setTimeout(beat);
        })();
    });
    await page.keyboard.type('; typed while the page is timed', { delay: 30 });
    await page.waitForTimeout(1000);
    t.diagnostic(`longest the page did not answer while 20,000 lines were edited: ${
        await page.evaluate(() => window.longest.toFixed(0))} ms`);

    await runOf(page, 'assemble', () => page.selectOption('#example', 'demo.asm'));
    await page.click('#listing-tab');
    mkdirSync(kArtifacts, { recursive: true });
    const shots = [['playground', 1366, 'light'], ['playground-dark', 1366, 'dark'],
        ['playground-narrow', 400, 'light']];
    for (const [name, width, colorScheme] of shots) {
        await page.setViewportSize({ width, height: 768 });
        await page.emulateMedia({ colorScheme });
        await page.screenshot({ path: join(kArtifacts, `${name}.png`) });
    }
    t.diagnostic(`screenshots: ${kArtifacts}/playground*.png`);
    assert.deepEqual(page.errors, []);
});
