// The language server in the built page: hover, definitions (F12, Ctrl+click), uses (Shift+F12),
// renaming (F2) and completion on the demo; its marks, each with the notes that tevlin prints,
// in a source with a byte that is no UTF-8 and a carriage return, which ends no line. Prints the
// time from a pointer's rest to a hover, and from F12 to the definition.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { activeLine, downloaded, open, openAs, runOf } from './browser.mjs';
import { kExamples, kTevlin, runIn } from './support.mjs';

const page = await open();
await page.waitForFunction(() => performance.getEntriesByName('diagnostics').length > 0);

const goTo = async (line) => {
    await page.click('.cm-content');
    await page.keyboard.press('Control+g');
    await page.keyboard.type(`${line}\n`);
    await page.keyboard.press('End');
};
// The token text on the line that holds line, as the editor draws it.
const token = (line, text) => page.locator('.cm-line', { hasText: line })
    .locator('span', { hasText: new RegExp(`^${text}$`) });
const waitForLine = (n) => page.waitForFunction((line) =>
    document.querySelector('.cm-lineNumbers .cm-activeLineGutter').textContent === String(line), n);
// Rests the pointer on target until the tooltip tip shows; the milliseconds that took.
async function hover(target, tip) {
    await page.mouse.move(0, 0);
    await page.locator(tip).waitFor({ state: 'detached' });
    const started = performance.now();
    await target.hover();
    await page.locator(tip).waitFor();
    return performance.now() - started;
}

test('hover, F12, Shift+F12 and Ctrl+click on a name, and hover on a mnemonic and a register',
    async (t) => {
        const times = [];
        for (const [line, text, said] of [
            ['BRN     next_key', 'next_key', /^NEXT_KEY: label, program address 0x045 \(69\)/],
            ['BRN     next_key', 'BRN', /this line: CS-0x04C {2}0x08228/],
            ['mov     r8, 0', 'r8', /^register r8$/]]) {
            times.push(Math.round(await hover(token(line, text), '.cm-lsp-hover-tooltip')));
            assert.match((await page.textContent('.cm-lsp-hover-tooltip')).trim(), said);
        }
        t.diagnostic(`hover, from the pointer's rest to the tooltip: ${times} ms (300 to 600 ` +
            'ms of it the editor\'s wait for a resting pointer)');
        await goTo(87);
        const started = performance.now();
        await page.keyboard.press('F12');
        await waitForLine(78);
        t.diagnostic(`F12 to the definition: ${Math.round(performance.now() - started)} ms`);
        await page.keyboard.press('Shift+F12');
        await page.waitForSelector('.cm-lsp-reference');
        assert.deepEqual(await page.locator('.cm-lsp-reference').allTextContents(),
            [' 78: next_key:', ' 87:         BRN     next_key']);
        await page.keyboard.press('End');
        await page.keyboard.press('Enter');
        await waitForLine(87);
        await page.keyboard.press('Escape');
        await token('BRN     next_key', 'next_key').click({ modifiers: ['Control'] });
        await waitForLine(78);
    });

test('F2 renames every use, and refuses a name taken as the server words it', async () => {
    const rename = async (name) => {
        await goTo(87);
        for (const key of ['F2', 'Control+a']) await page.keyboard.press(key);
        await page.keyboard.type(`${name}\n`);
    };
    await rename('START');
    await page.waitForSelector('.cm-lsp-message form');
    assert.equal(await page.$eval('.cm-lsp-message form', (form) => form.firstChild.data),
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
    assert.ok(labels.includes('NEXT_ONE') && !labels.includes('KEY_PORT'));
    await page.keyboard.press('Escape');
});

test('the server marks the token of each message with the notes that tevlin prints', async () => {
    const source = Buffer.from('; \x80, \r\n.DEF COUNT = R4\nstart:  in   r1, 0x20\n' +
        '        add  COUNT, r40\n        out  r1,\n        brn  stat\n', 'latin1');
    await runOf(page, 'diagnostics', () => openAs(page, '#source-file', 'prog.asm', source));
    const gnu = runIn([kTevlin], ['--error-format=gnu', 'prog.asm'],
        new Map([['prog.asm', source]]));
    const expected = [...String(gnu.stderr).matchAll(/^prog\.asm:\d+:\d+: (error|note): (.*)$/gm)]
        .map(([, kind, text]) => (kind === 'note' ? `note: ${text}` : text));

    const told = [];
    for (const mark of await page.locator('.cm-diagnostic-error').all()) {
        await hover(mark, '.cm-diagnostic-tip');
        told.push(...await page.$$eval('.cm-diagnostic-tip p', (paragraphs) =>
            paragraphs.map((paragraph) => paragraph.firstChild.textContent)));
    }
    assert.deepEqual(told, expected);
    // The note of the comma on line 4 about the .DEF of line 2 takes the cursor there.
    await hover(page.locator('.cm-diagnostic-error', { hasText: /^,$/ }).first(),
        '.cm-diagnostic-tip');
    await page.click('.cm-diagnostic-tip button');
    assert.equal(await activeLine(page), 2);
    assert.deepEqual(page.errors, []);
});
