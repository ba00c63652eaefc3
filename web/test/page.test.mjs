// The built page in headless Chromium, opened from file://, against the native programs: every
// example, golden source, random bytes and a typed source give tevlin's messages, marks and
// downloads; image files read back as tevlin-dis reads them. Prints the page's size, its time to
// get ready and the time an assembly of examples/fill.asm takes.
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync, readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';

import { unzipSync } from 'fflate';
import { chromium } from 'playwright-core';

import { bytesToText } from '../page/bytes.js';
import {
    imagesOf, kExamples, kGoldenSources, kOut, kTevlin, kTevlinDis, runIn,
} from './support.mjs';

const kArtifacts = process.env.TEVLIN_WEB_ARTIFACTS;
// A root user's Chromium needs no sandbox; the rest keeps it off this closed network.
const kChromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'];

let browser;
let page;
let readyMs;
const pageErrors = [];

before(async () => {
    browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: kChromiumFlags });
    page = await browser.newPage({ viewport: { width: 1400, height: 850 }, acceptDownloads: true });
    page.on('pageerror', (error) => pageErrors.push(error.message));
    await page.goto(pathToFileURL(join(kOut, 'index.html')).href);
    await page.waitForFunction(() => performance.getEntriesByName('ready').length === 1);
    readyMs = await page.evaluate(() => performance.getEntriesByName('ready')[0].startTime);
});
after(() => browser?.close());

const measures = (name) => page.evaluate((n) => performance.getEntriesByName(n).length, name);

// Does action and waits for the page to finish the run ('assemble' or 'read image') it starts.
async function runOf(name, action) {
    const done = await measures(name);
    await action();
    await page.waitForFunction(
        ([n, count]) => performance.getEntriesByName(n).length > count, [name, done]);
}

const openAs = (input, name, bytes) =>
    page.setInputFiles(input, { name, mimeType: 'text/plain', buffer: bytes });

// Chromium drops a download that follows another within some milliseconds, as if the click
// came too soon after the last; a user who clicks again gets it.
async function downloadOf(button) {
    for (let attempt = 1; ; attempt++) {
        const download = page.waitForEvent('download', { timeout: 2000 }).catch((error) => {
            if (attempt === 3) throw error;
        });
        await button.click();
        const started = await download;
        if (started) return started;
    }
}

const listed = (list) =>
    page.$$eval(`${list} li`, (items) => items.map((item) => `${item.textContent}\n`).join(''));

async function expectSameAsNative(name, source) {
    const native = runIn([kTevlin], [name], new Map([[name, source]]));
    const messages = bytesToText(native.stderr);
    assert.equal(await listed('#messages'), messages);

    const named = [...messages.matchAll(/line# \((\d+)\)/g)].map((match) => Number(match[1]));
    const marked = await page.$$eval('.cm-lineNumbers .error',
        (marks) => marks.map((mark) => Number(mark.textContent)));
    assert.deepEqual(marked, [...new Set(named)].sort((a, b) => a - b));
    if (named.length > 0) {
        await page.click('#messages button');
        assert.equal(Number(await page.textContent('.cm-activeLineGutter')), named[0]);
    }

    const downloaded = new Map();
    for (const button of await page.$$('#downloads button')) {
        const download = await downloadOf(button);
        downloaded.set(download.suggestedFilename(), readFileSync(await download.path()));
    }
    const zipName = name.replace(/asm$/, 'zip');
    const zip = downloaded.get(zipName);
    downloaded.delete(zipName);
    assert.deepEqual(new Map([...downloaded].sort()), native.files);
    if (native.files.size > 0) {
        const unzipped = Object.entries(unzipSync(zip)).sort();
        assert.deepEqual(new Map(unzipped.map(([file, bytes]) => [file, Buffer.from(bytes)])),
            native.files);
    }
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
            await runOf('assemble', () => (example ? page.selectOption('#example', example)
                : openAs('#source-file', 'prog.asm', source)));
            await expectSameAsNative(example || 'prog.asm', source);
        });
    }
});

test('a typed source is assembled as typed', async () => {
    const typed = 'START: ADD R1, R40\nBRN NOWHERE\n';
    await page.click('.cm-content');
    await page.keyboard.press('Control+A');
    await runOf('assemble', () => page.keyboard.insertText(typed));
    await expectSameAsNative('prog.asm', Buffer.from(typed));
});

test('the ROM reader prints what tevlin-dis prints', async (t) => {
    for (const [path, source] of kExamples) {
        for (const [image, bytes] of imagesOf(path.split('/').pop(), source)) {
            await t.test(`${path}: ${image}`, async () => {
                await runOf('read image', () => openAs('#image-file', image, bytes));
                const native = runIn([kTevlinDis], [image], new Map([[image, bytes]]));
                assert.equal(await page.textContent('#disassembly'), bytesToText(native.stdout));
                assert.equal(await listed('#image-messages'), bytesToText(native.stderr));
            });
        }
    }
});

test('measures: the page size, its time to get ready, an assembly of fill.asm', async (t) => {
    const pageFiles = readdirSync(kOut).filter((file) => !file.endsWith('.mjs'));
    const bytes = pageFiles.reduce((sum, file) => sum + statSync(join(kOut, file)).size, 0);
    t.diagnostic(`page files (${pageFiles.join(', ')}): ${(bytes / 1e6).toFixed(2)} MB`);
    t.diagnostic(`page ready from file:// with demo.asm shown: ${readyMs.toFixed(0)} ms`);

    await runOf('assemble', () => page.selectOption('#example', 'fill.asm'));
    const runs = 21;
    const from = await measures('assemble');
    for (let i = 0; i < runs; i++) {
        await runOf('assemble', () => page.dispatchEvent('#file-name', 'input'));
    }
    const times = await page.evaluate((start) =>
        performance.getEntriesByName('assemble').slice(start).map((m) => m.duration), from);
    const median = times.sort((a, b) => a - b)[runs >> 1];
    t.diagnostic(`fill.asm assembled in the page: median ${median.toFixed(1)} ms of ${runs} runs`);

    await runOf('assemble', () => page.selectOption('#example', 'demo.asm'));
    await page.click('[aria-controls=listing]');
    mkdirSync(kArtifacts, { recursive: true });
    await page.screenshot({ path: join(kArtifacts, 'playground.png') });
    t.diagnostic(`screenshot: ${join(kArtifacts, 'playground.png')}`);
    assert.deepEqual(pageErrors, []);
});
