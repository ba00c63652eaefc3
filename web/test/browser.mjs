// What the page tests share: the built page opened from file:// in headless Chromium, and the
// steps a student takes on it.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after } from 'node:test';

import { chromium } from 'playwright-core';

import { kOut } from './support.mjs';

export const kPage = pathToFileURL(join(kOut, 'index.html')).href;
export const kArtifacts = process.env.TEVLIN_WEB_ARTIFACTS;
// A root user's Chromium needs no sandbox; the rest keeps it off this closed network.
const kChromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium', args: kChromiumFlags });
after(() => browser.close());

export const isReady = () => performance.getEntriesByName('ready').length === 1;

/** A new page at url, in a context of its own, ready; its errors collected. */
export async function open(url = kPage, viewport = { width: 1366, height: 768 }) {
    const page = await (await browser.newContext({ viewport, acceptDownloads: true })).newPage();
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(error.message));
    await page.goto(url);
    await page.waitForFunction(isReady);
    return page;
}

/** The number of the line that the editor's cursor is on. */
export const activeLine = async (page) =>
    Number(await page.textContent('.cm-lineNumbers .cm-activeLineGutter'));

export const measures = (page, name) =>
    page.evaluate((n) => performance.getEntriesByName(n).length, name);

/** Does action and waits for the run ('assemble' or 'read image') it starts, answering yes
 *  when the page asks before it replaces the program. */
export async function runOf(page, name, action) {
    const done = await measures(page, name);
    await action();
    const finished = ([n, count]) => performance.getEntriesByName(n).length > count;
    await page.waitForFunction(([n, count]) => performance.getEntriesByName(n).length > count ||
        document.querySelector('#ask[open]'), [name, done]);
    if (await page.isVisible('#ask[open]')) await page.click('#ask [value=yes]');
    await page.waitForFunction(finished, [name, done]);
}

export const openAs = (page, input, name, bytes) =>
    page.setInputFiles(input, { name, mimeType: 'text/plain', buffer: Buffer.from(bytes) });

/** The bytes that a download button gives. Chromium drops a download that follows another
 *  within some milliseconds, as if the click came too soon after the last; a user who clicks
 *  again gets it. */
export async function downloaded(page, button) {
    for (let attempt = 1; ; attempt++) {
        const download = page.waitForEvent('download', { timeout: 2000 }).catch((error) => {
            if (attempt === 3) throw error;
        });
        await (typeof button === 'string' ? page.locator('#downloads button', { hasText:
            new RegExp(`^${button.replaceAll('.', '\\.')}$`) }) : button).click();
        const started = await download;
        if (started) return readFileSync(await started.path());
    }
}

/** Every message in the list box, each with its line end: the list draws only the rows in view,
 *  so it is scrolled through. */
export const messagesOf = (page) => page.$eval('#messages', async (list) => {
    const lines = [];
    for (list.scrollTop = 0; ; list.scrollTop += list.clientHeight) {
        await new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn)));
        for (const option of list.querySelectorAll('[role=option]')) {
            lines[option.getAttribute('aria-posinset') - 1] = option.textContent;
        }
        if (list.scrollTop + list.clientHeight >= list.scrollHeight) break;
    }
    list.scrollTop = 0;
    await new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn)));
    return Array.from(lines, (line) => `${line}\n`).join('');
});
