// The language server in the built page: hover, going to a definition (F12, Ctrl+click), the
// uses of a name (Shift+F12), renaming (F2) and its refusal, and completion as typed and with
// Ctrl+Space, on the demo; and the server's marks on the tokens of tevlin's messages, each with
// the notes that tevlin prints for it, in a source with a byte that is no UTF-8 and a carriage
// return, which ends no line. Prints the time from a pointer's rest to its hover, and from F12
// to the definition.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { activeLine, downloaded, open, openAs, runOf } from './browser.mjs';
import { kExamples, kTevlin, runIn } from './support.mjs';

const page = await open();
await page.waitForFunction(() => performance.getEntriesByName('diagnostics').length > 0);

const goTo = async (line) => {
    await page.click('.cm-content');
    await page.keyboard.press('Control+g');
    await page.keyboard.type(String(line));
    await page.keyboard.press('Enter');
    await page.keyboard.press('End');
};
// The token text on the line that holds line, as the editor draws it.
const token = (line, text) => page.locator('.cm-line', { hasText: line })
    .locator('span', { hasText: new RegExp(`^${text}$`) });
const waitForLine = (n) => page.waitForFunction((line) =>
    document.querySelector('.cm-lineNumbers .cm-activeLineGutter').textContent === String(line), n);

test('hover says what a name, a mnemonic and a register are', async () => {
    for (const [line, text, said] of [
        ['BRN     next_key', 'next_key', /^NEXT_KEY: label, program address 0x045 \(69\)/],
        ['BRN     next_key', 'BRN', /this line: CS-0x04C {2}0x08228/],
        ['mov     r8, 0', 'r8', /^register r8$/]]) {
        await page.mouse.move(0, 0);
        await page.locator('.cm-lsp-hover-tooltip').waitFor({ state: 'detached' });
        await token(line, text).hover();
        assert.match((await page.textContent('.cm-lsp-hover-tooltip')).trim(), said);
    }
});

test('F12 and Ctrl+click go to the definition, Shift+F12 lists the uses', async () => {
    await goTo(87);
    await page.keyboard.press('F12');
    await waitForLine(78);
    await token('BRN     next_key', 'next_key').click();
    await waitForLine(87);
    await token('BRN     next_key', 'next_key').click({ modifiers: ['Control'] });
    await waitForLine(78);
    await page.keyboard.press('Shift+F12');
    await page.waitForSelector('.cm-lsp-reference');
    assert.deepEqual(await page.locator('.cm-lsp-reference').allTextContents(),
        [' 78: next_key:', ' 87:         BRN     next_key']);
    await page.keyboard.press('End');
    await page.keyboard.press('Enter');
    await waitForLine(87);
    await page.keyboard.press('Escape');
});

test('F2 renames every use, and refuses a name taken as the server words it', async () => {
    const rename = async (name) => {
        await goTo(87);
        await page.keyboard.press('F2');
        await page.keyboard.press('Control+a');
        await page.keyboard.type(`${name}\n`);
    };
    await rename('START');
    await page.waitForSelector('.cm-lsp-message form');
    assert.equal(await page.$eval('.cm-lsp-message form', (form) => form.firstChild.textContent),
        'Rename request failed: `START` is already defined on line 35');
    await page.click('.cm-lsp-message [type=submit]');
    await runOf(page, 'assemble', () => rename('next_one'));
    const demo = String(kExamples.find(([path]) => path.endsWith('demo.asm'))[1]);
    assert.equal(String(await downloaded(page, 'prog.asm')),
        demo.replaceAll('next_key', 'next_one'));
});

test('completion offers what fits there, as a word is typed and with Ctrl+Space', async () => {
    const offered = () => page.locator('.cm-tooltip-autocomplete li .cm-completionLabel')
        .allTextContents();
    await page.click('.cm-content');
    await page.keyboard.press('Control+End');
    await page.keyboard.type('        br');
    await page.waitForSelector('.cm-tooltip-autocomplete');
    assert.deepEqual(await offered(), ['BRN', 'BRCC', 'BRCS', 'BREQ', 'BRNE']);
    await page.keyboard.press('Enter');
    await page.keyboard.type(' ');
    await page.keyboard.press('Control+Space');
    await page.waitForSelector('.cm-tooltip-autocomplete');
    const labels = await offered();
    assert.ok(labels.includes('NEXT_ONE') && labels.includes('START'));
    assert.ok(!labels.includes('KEY_PORT') && !labels.includes('R_KEY'));
    await page.keyboard.press('Escape');
});

test('the server marks the token of each message with the notes that tevlin prints', async () => {
    const source = Buffer.from('; \x80 is no UTF-8, \r a lone carriage return\n.DEF COUNT = R4\n' +
        'start:  in   r1, 0x20\n' +
        '        add  COUNT, r40\n        out  r1,\n        brn  stat\n', 'latin1');
    await runOf(page, 'diagnostics', () => openAs(page, '#source-file', 'prog.asm', source));
    const gnu = runIn([kTevlin], ['--error-format=gnu', 'prog.asm'],
        new Map([['prog.asm', source]]));
    const expected = [...String(gnu.stderr).matchAll(/^prog\.asm:\d+:\d+: (error|note): (.*)$/gm)]
        .map(([, kind, text]) => (kind === 'note' ? `note: ${text}` : text));

    const told = [];
    for (const mark of await page.locator('.cm-diagnostic-error').all()) {
        await page.mouse.move(0, 0);
        await page.locator('.cm-diagnostic-tip').waitFor({ state: 'detached' });
        const box = await mark.boundingBox();
        await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
        await page.locator('.cm-diagnostic-tip').waitFor();
        told.push(...await page.$$eval('.cm-diagnostic-tip p', (paragraphs) =>
            paragraphs.map((paragraph) => paragraph.firstChild.textContent)));
    }
    assert.deepEqual(told, expected);
    // The note of the comma on line 4 about the .DEF of line 2 takes the cursor there.
    await page.mouse.move(0, 0);
    await page.locator('.cm-diagnostic-tip').waitFor({ state: 'detached' });
    await page.locator('.cm-diagnostic-error', { hasText: /^,$/ }).first().hover();
    await page.click('.cm-diagnostic-tip button');
    assert.equal(await activeLine(page), 2);
});

test('measures: hover and F12 on the demo', async (t) => {
    await runOf(page, 'diagnostics', () => page.selectOption('#example', 'demo.asm'));
    const times = { hover: [], definition: [] };
    for (let i = 0; i < 7; i++) {
        await page.mouse.move(0, 0);
        await page.locator('.cm-lsp-hover-tooltip').waitFor({ state: 'detached' });
        let started = performance.now();
        await token('BRN     next_key', 'next_key').hover();
        await page.locator('.cm-lsp-hover-tooltip').waitFor();
        times.hover.push(performance.now() - started);
        await goTo(87);
        started = performance.now();
        await page.keyboard.press('F12');
        await waitForLine(78);
        times.definition.push(performance.now() - started);
    }
    const median = (list) => list.sort((a, b) => a - b)[list.length >> 1].toFixed(0);
    t.diagnostic(`hover, from the pointer's rest to the tooltip: median ${median(times.hover)} ` +
        'ms of 7 (300 ms of it the editor\'s pause)');
    t.diagnostic(`F12, from the key to the cursor on the definition: median ${
        median(times.definition)} ms of 7`);
    assert.deepEqual(page.errors, []);
});
