// A student's work on the built page: a source named in capitals, the keyboard, typing and the
// editing commands, the question before an edited program is replaced, the notes on empty files,
// the program kept over a reload and carried by a link, the page at 400 pixels, the listing that
// follows the cursor, and the page printed.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

import { activeLine, downloaded, isReady, kPage, open, openAs, runOf } from './browser.mjs';
import { kExamples, kTevlin, runIn } from './support.mjs';

const page = await open();
const lines = () => page.locator('#editor .cm-line').allTextContents();
const load = (name, source) =>
    runOf(page, 'assemble', () => openAs(page, '#source-file', name, source));

test('a source named LAB3.ASM is a source, assembled as LAB3.asm when asked', async () => {
    const [[, source]] = kExamples;
    await load('LAB3.ASM', source);
    assert.match(await page.textContent('#name-notice'), /refuses LAB3\.ASM/);
    await runOf(page, 'assemble', () => page.click('#name-notice button'));
    assert.ok(await page.isHidden('#name-notice'));
    const native = runIn([kTevlin], ['LAB3.asm'], new Map([['LAB3.asm', source]]));
    assert.deepEqual(await downloaded(page, 'LAB3.asl'), native.files.get('LAB3.asl'));
});

test('the messages are one Tab stop with arrow keys inside; the tabs take arrow keys', async () => {
    await load('keys.asm', 'brn a\nbrn b\nbrn c\n');
    await page.click('.cm-content');
    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'messages');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    assert.match(await page.textContent('#messages [aria-selected=true]'), /"C" has not/);
    await page.keyboard.press('Enter');
    assert.equal(await activeLine(page), 3);
    await page.focus('#messages');
    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'listing-tab');
    for (const [key, shown] of [['ArrowRight', 'error-log'], ['End', 'rom-reader'],
        ['ArrowRight', 'listing'], ['ArrowLeft', 'rom-reader'], ['Home', 'listing']]) {
        await page.keyboard.press(key);
        assert.equal(await page.evaluate(() => document.activeElement.id), `${shown}-tab`);
        assert.ok(await page.isVisible(`#${shown}`));
    }
});

test('typing: directives go to the first column, Ctrl+/ comments, Ctrl+F finds', async () => {
    await page.click('.cm-content');
    await page.keyboard.press('Control+End');
    await page.keyboard.type('    mov r1, 2\n.db 1\n.equ X = 3\n');
    assert.deepEqual((await lines()).slice(-4), ['    mov r1, 2', '    .db 1', '.equ X = 3', '']);
    await page.keyboard.press('ArrowUp');
    await page.keyboard.press('Control+/');
    assert.equal((await lines()).at(-2), '; .equ X = 3');
    await page.keyboard.press('Control+f');
    assert.ok(await page.isVisible('#editor .cm-search'));
    await page.keyboard.press('Escape');
});

test('another program replaces an edited one only when the student agrees', async () => {
    await runOf(page, 'assemble', () => page.selectOption('#example', 'demo.asm'));
    await page.click('.cm-content');
    await page.keyboard.press('Control+Home');
    await page.keyboard.type('; mine\n');
    assert.equal(await page.inputValue('#file-name'), 'prog.asm');
    await page.selectOption('#example', 'fill.asm');
    await page.click('#ask [value=no]');
    assert.equal(await page.inputValue('#example'), '');
    assert.ok((await lines()).includes('; mine'));
    await runOf(page, 'assemble', () => page.selectOption('#example', 'fill.asm'));
    assert.equal(await page.inputValue('#file-name'), 'fill.asm');
});

test('the page says why a file is empty', async () => {
    await load('bad.asm', 'brn nowhere\n');
    assert.match(await page.textContent('#downloads-note'),
        /^bad\.mem, prog_rom\.vhd, xprog_rom\.vhd are empty: .* errors\.$/);
    await load('good.asm', 'nop\n');
    assert.ok(await page.isHidden('#downloads-note'));
    await page.click('#error-log-tab');
    assert.equal(await page.textContent('#error-log .empty-note'), 'No errors: good.err is empty.');
    await page.click('#listing-tab');
});

test('a reload from file:// brings the program back, the last keystrokes too', async () => {
    await page.click('.cm-content');
    await page.keyboard.press('Control+Home');
    await page.keyboard.type('; kept\n');
    await page.waitForTimeout(1000);
    await page.reload();
    await page.waitForFunction(isReady);
    assert.deepEqual(await lines(), ['; kept', 'nop', '']);
    await page.click('.cm-content');
    await page.keyboard.press('Control+Home');
    await page.keyboard.type('; at once\n');
    await page.reload();
    await page.waitForFunction(isReady);
    assert.deepEqual(await lines(), ['; at once', '; kept', 'nop', '']);
    assert.equal(await page.inputValue('#file-name'), 'good.asm');
});

test('a link carries every example and every byte value, byte for byte', async (t) => {
    const allBytes = Buffer.from(Array.from({ length: 256 }, (_, byte) => byte));
    const sources = [...kExamples.map(([path, bytes]) => [path.split('/').pop(), bytes]),
        ['bytes.asm', allBytes]];
    for (const [name, source] of sources) {
        await t.test(name, async () => {
            await load(name, source);
            await page.click('#share-program');
            await page.waitForSelector('#share[open]');
            const link = await page.inputValue('#share-link');
            await page.click('#share [value=close]');
            const opened = await open(link);
            assert.equal(await opened.inputValue('#file-name'), name);
            assert.deepEqual(await downloaded(opened, name), source);
            assert.equal(await opened.evaluate(() => location.hash), '');
            await opened.context().close();
        });
    }
});

test('at 400 pixels the page is one column and never scrolls sideways', async () => {
    const narrow = await open(kPage, { width: 400, height: 800 });
    assert.ok(await narrow.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
    const tab = await narrow.locator('#rom-reader-tab').boundingBox();
    assert.ok(tab.x + tab.width <= 400);
    await narrow.context().close();
});

test('the listing follows the cursor, and a click on an entry moves the cursor', async () => {
    await runOf(page, 'assemble', () => page.selectOption('#example', 'demo.asm'));
    await page.click('.cm-content');
    await page.keyboard.press('Control+g');
    await page.keyboard.type('25');
    await page.keyboard.press('Enter');
    assert.match(await page.textContent('#listing .cm-entry'), /^\(0025\)/);
    await page.click('#listing .cm-line >> text=/^\\(0027\\)/');
    assert.equal(await activeLine(page), 27);
});

test('printed, the page holds the source and every line of the listing', async () => {
    await runOf(page, 'assemble', () => page.selectOption('#example', 'fill.asm'));
    const folder = mkdtempSync(join(tmpdir(), 'tevlin-print-'));
    await page.pdf({ path: join(folder, 'page.pdf') });
    const printed = spawnSync('pdftotext', ['-layout', join(folder, 'page.pdf'), '-']).stdout;
    rmSync(folder, { recursive: true });
    const source = kExamples.find(([path]) => path.endsWith('fill.asm'))[1];
    const native = runIn([kTevlin], ['fill.asm'], new Map([['fill.asm', source]]));
    const words = (text) => text.toString().trim().split(/\s+/).join(' ');
    assert.ok(words(printed).includes(words(source)));
    assert.ok(words(printed).includes(words(native.files.get('fill.asl'))));
    assert.deepEqual(page.errors, []);
});
