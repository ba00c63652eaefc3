// The playground page: a source assembled as it is typed, its messages marked on their lines, the
// files tevlin writes shown beside it and offered for download, image files read back by
// tevlin-dis, and the student's program kept in the browser and shared by link. The programs run
// in workers, so that the editor answers every keystroke whatever the source.
import assemblerCode from 'tevlin-programs/assembler.worker';
import onigWasm from 'tevlin-programs/onig.wasm.gz';
import readerCode from 'tevlin-programs/reader.worker';
import { OnigScanner, OnigString, loadWASM } from 'vscode-oniguruma';
import { Registry } from 'vscode-textmate';

import demo from '../../examples/demo.asm';
import fill from '../../examples/fill.asm';
import tables from '../../examples/tables.asm';
import grammarDefinition from '../../editors/vscode/syntaxes/tevlin.tmLanguage.json';
import { bytesToText, gunzipped, textLines } from './bytes.js';
import { ask, button, download, element, setUpTabs } from './controls.js';
import { colour, createEditor, goToLine, markLines, setText } from './editor.js';
import { createMessageList } from './messages.js';
import { startLanguageServer } from './language.js';
import { createPane, highlightEntry } from './panes.js';
import { connect } from './rpc.js';
import { keep, kept, linkTo, takeLinkedProgram } from './storage.js';

const kExamples = new Map([
    ['demo.asm', demo],
    ['fill.asm', fill],
    ['tables.asm', tables],
]);

// Typing pauses this long before the source is assembled, and kept, again.
const kAssembleDelayMs = 150;
// The name of a program typed over an example, which is no longer that example.
const kTypedName = 'prog.asm';
// Browsers take links up to about this long.
const kLinkMax = 2000000;

const fileName = element('file-name');
const status = element('status');
const assembler = connect(assemblerCode);
// The ROM reader's worker starts with the first image file read.
let reader;
// Hands the language server the source as each run ends, once the server is started.
let followServer = () => {};

let editor;
let showMessages;
let panes;
let showTab;
// What the editor holds: the example it is, unchanged, and whether the student changed it.
const program = { example: null, edited: false };
// Counts the changes of the source and its name; a run's results are shown only if no change
// came after its start, and offered for download only until the next change.
let changes = 0;
let keptChanges = 0;
let loading = false;
let assembleTimer;
let running = null;
let runAgain = false;
let cursorLine = 1;
// The listing's entries of the run shown: (source line, first, last listing line) each.
let entries = new Int32Array();
let highlighted = null;

async function loadGrammar() {
    await loadWASM(gunzipped(onigWasm, 'application/wasm'));
    const registry = new Registry({
        onigLib: Promise.resolve({
            createOnigScanner: (patterns) => new OnigScanner(patterns),
            createOnigString: (text) => new OnigString(text),
        }),
        loadGrammar: async () => grammarDefinition,
    });
    return registry.loadGrammar(grammarDefinition.scopeName);
}

function notify(text) {
    element('notice').textContent = text;
    element('notice').hidden = text === '';
}

// The entry of the listing whose value in column (0: source line, 1: its first listing line) is
// the greatest at most value, by its index; -1 when there is none.
function entryUpTo(value, column) {
    let low = 0;
    let high = entries.length / 3;
    while (low < high) {
        const middle = (low + high) >> 1;
        if (entries[middle * 3 + column] <= value) low = middle + 1;
        else high = middle;
    }
    return low - 1;
}

// The listing's highlighted entry follows the cursor's line, whenever the listing is in view;
// anew when the listing changed or came into view.
function followCursor(anew = false) {
    if (element('listing').hidden) return;
    const index = entryUpTo(cursorLine, 0);
    const found = index >= 0 && entries[index * 3] === cursorLine;
    const lines = found ? [entries[index * 3 + 1], entries[index * 3 + 2]] : null;
    if (!anew && String(lines) === String(highlighted)) return;
    highlighted = lines;
    highlightEntry(panes.listing, lines);
}

function pickListingLine(line) {
    const index = entryUpTo(line, 1);
    if (index >= 0 && line <= entries[index * 3 + 2]) goToLine(editor, entries[index * 3]);
}

function setStale(stale) {
    element('outputs').setAttribute('aria-busy', String(stale));
    element('outputs').classList.toggle('stale', stale);
    element('source').classList.toggle('stale', stale);
    for (const offered of element('downloads').querySelectorAll('button')) offered.disabled = stale;
}

// A file in its pane, with a note in place of a file that is empty or was not written.
function showOutput(id, bytes, whenEmpty) {
    panes[id].show(bytes ?? new Uint8Array());
    const note = element(id).querySelector('.empty-note');
    note.textContent =
        !bytes ? 'tevlin wrote no such file: see its messages.'
        : bytes.length === 0 ? whenEmpty
        : '';
    note.hidden = note.textContent === '';
}

function showDownloads(name, files) {
    const downloads = element('downloads');
    downloads.replaceChildren(
        ...files.map(([file, bytes]) => button(file, () => download(file, bytes))),
    );
    if (files.length > 0) {
        const zipName = `${name.slice(0, -3)}zip`;
        downloads.append(
            button(`All as ${zipName}`, async () =>
                download(zipName, await assembler('zip', files)),
            ),
        );
    }
    const written = new Map(files);
    const empty = [`${name.slice(0, -3)}mem`, 'prog_rom.vhd', 'xprog_rom.vhd'].filter(
        (file) => written.get(file)?.length === 0,
    );
    const note = element('downloads-note');
    note.textContent =
        empty.length === 0 ?
            ''
        :   `${empty.join(', ')} ${empty.length === 1 ? 'is' : 'are'} empty: ` +
            'tevlin writes no program into them while the source has errors.';
    note.hidden = empty.length === 0;
}

function showRun(name, result) {
    showMessages(result.stderr, result.starts, result.named);
    markLines(editor, result.marked);
    entries = result.entries;
    const files = new Map(result.files);
    const stem = name.slice(0, -3);
    showOutput('listing', files.get(`${stem}asl`), '');
    showOutput('error-log', files.get(`${stem}err`), `No errors: ${stem}err is empty.`);
    showOutput('debug', files.get(`${stem}dbg`), '');
    followCursor(true);
    showDownloads(name, result.files);

    const count = result.starts.length - 1;
    const outcome =
        result.exitCode !== 0 ? `stopped with exit code ${result.exitCode}`
        : count === 1 ? '1 message'
        : count > 0 ? `${count} messages`
        : 'no errors';
    status.textContent = `${name}: ${outcome} (${result.milliseconds.toFixed(1)} ms)`;
}

// After a failure nothing of an earlier run stays on show: it would pass for this source's.
function clearRun() {
    showMessages(new Uint8Array(), new Int32Array([0]), new Int32Array());
    markLines(editor, new Int32Array());
    entries = new Int32Array();
    for (const id of ['listing', 'error-log', 'debug']) showOutput(id, new Uint8Array(), '');
    followCursor(true);
    showDownloads('', []);
}

async function assembleOnce() {
    const wanted = changes;
    const name = fileName.value;
    const started = performance.now();
    try {
        const result = await assembler('assemble', { name, text: editor.state.doc.toString() });
        if (wanted !== changes) return;
        showRun(name, result);
        keepProgram(name, result.packed, wanted);
        performance.measure('assemble', { start: started });
    } catch (error) {
        if (wanted !== changes) return;
        clearRun();
        // A program that stops is the program's fault; anything else is the page's.
        status.textContent =
            error.name === 'ProgramStopped' ?
                `${name}: ${error.message}`
            :   `${name}: the page failed and shows no results (${error.message})`;
    }
    followServer();
    setStale(false);
}

// One run at a time: the changes made meanwhile are assembled together after it.
function assemble() {
    clearTimeout(assembleTimer);
    runAgain = true;
    running ??= (async () => {
        while (runAgain) {
            runAgain = false;
            await assembleOnce();
        }
        running = null;
    })();
    return running;
}

// The program is kept after each run that is shown, as the run packed it; changesKept counts the
// changes that it holds.
function keepProgram(name, packed, changesKept) {
    const { example, edited } = program;
    if (keep({ name, packed, example, edited })) {
        keptChanges = changesKept;
        notify('');
    } else {
        notify('This program is too large for the browser to keep: download it to keep it.');
    }
}

function changed() {
    changes++;
    setStale(true);
    checkName();
    clearTimeout(assembleTimer);
    assembleTimer = setTimeout(assemble, kAssembleDelayMs);
}

function onEdit() {
    if (loading) return;
    if (!program.edited && program.example === fileName.value) fileName.value = kTypedName;
    program.edited = true;
    program.example = null;
    element('example').value = '';
    changed();
}

// tevlin refuses a name that does not end in asm; the page says so and offers the name that
// tevlin takes.
function checkName() {
    const name = fileName.value;
    const notice = element('name-notice');
    notice.hidden = name.endsWith('asm');
    if (notice.hidden) return;
    const taken =
        /asm$/i.test(name) ?
            `${name.slice(0, -3)}asm`
        :   `${name.replace(/\.[^.]*$/, '') || 'prog'}.asm`;
    notice.querySelector('span').textContent =
        `tevlin takes only a file name that ends in asm, in small letters: it refuses ${name}.`;
    const rename = notice.querySelector('button');
    rename.textContent = `Assemble as ${taken}`;
    rename.onclick = () => {
        fileName.value = taken;
        changed();
    };
}

function loadProgram(name, text, { example = null, edited = false } = {}) {
    loading = true;
    setText(editor, text);
    loading = false;
    fileName.value = name;
    Object.assign(program, { example, edited });
    element('example').value = example ?? '';
    changed();
    return assemble();
}

// A program loaded in place of the student's own, once they agree.
async function replaceProgram(name, text, options) {
    const question = `Replace your program ${fileName.value} with ${name}? Your changes are lost.`;
    if (program.edited && !(await ask(question, `Replace with ${name}`))) return false;
    await loadProgram(name, text, options);
    return true;
}

async function openLinkedProgram() {
    const linked = takeLinkedProgram();
    if (!linked) return;
    let text;
    try {
        text = await assembler('unpack', linked.packed);
    } catch {
        notify('The link is damaged: the program it carries cannot be read.');
        return;
    }
    await replaceProgram(linked.name, text);
}

async function restoreProgram() {
    const saved = kept();
    try {
        const text = saved.text ?? (await assembler('unpack', saved.packed));
        await loadProgram(saved.name, text, saved);
    } catch {
        await loadProgram('demo.asm', bytesToText(demo), { example: 'demo.asm' });
    }
}

async function share() {
    const link = linkTo(fileName.value, await assembler('pack', editor.state.doc.toString()));
    element('share-link').value = link;
    element('share-note').textContent =
        link.length > kLinkMax ?
            `This link is ${link.length} characters long, too long for most browsers: ` +
            'share the file instead.'
        :   'The program travels in the link itself: opening it sends nothing anywhere.';
    element('share').showModal();
    element('share-link').select();
}

async function copyLink() {
    try {
        await navigator.clipboard.writeText(element('share-link').value);
        element('share-note').textContent = 'The link is copied.';
    } catch {
        element('share-note').textContent =
            'The browser did not copy it: select the link and copy it.';
    }
}

async function readImage(file) {
    const started = performance.now();
    const bytes = new Uint8Array(await file.arrayBuffer());
    let result = { stdout: new Uint8Array(), stderr: new Uint8Array() };
    try {
        reader ??= connect(readerCode);
        result = await reader('read', { name: file.name, bytes });
        element('image-status').textContent = `${file.name}: exit code ${result.exitCode}`;
    } catch (error) {
        element('image-status').textContent = `${file.name}: ${error.message}`;
    }
    showTab('rom-reader');
    panes.disassembly.show(result.stdout);
    const list = element('image-messages');
    list.replaceChildren();
    for (const text of textLines(result.stderr)) {
        list.append(Object.assign(document.createElement('li'), { textContent: text }));
    }
    element('edit-disassembly').disabled = result.stdout.length === 0;
    performance.measure('read image', { start: started });
}

async function openSource(file) {
    await replaceProgram(file.name, bytesToText(new Uint8Array(await file.arrayBuffer())));
}

// A dropped image file is read back; anything else is taken for a source.
const openDropped = (file) =>
    /\.(mem|vhd)$/i.test(file.name) ? readImage(file) : openSource(file);

function pickFile(input, onFile) {
    input.addEventListener('change', () => input.files[0] && onFile(input.files[0]));
    return () => {
        input.value = '';
        input.click();
    };
}

function setUpPrinting() {
    const parts = ['print-source-name', 'print-source', 'print-listing-name', 'print-listing'];
    window.addEventListener('beforeprint', () => {
        const listing = panes.listing.text();
        element('print-source-name').textContent = fileName.value;
        element('print-source').textContent = editor.state.doc.toString();
        element('print-listing-name').textContent = listing && `${fileName.value.slice(0, -3)}asl`;
        element('print-listing').textContent = listing;
    });
    window.addEventListener('afterprint', () => {
        for (const id of parts) element(id).textContent = '';
    });
}

async function start() {
    const grammar = loadGrammar();
    // A worker starts, and takes a message, only while the page's thread is idle: the page waits
    // for the assembler's to listen before it does its own work.
    await assembler.listening;
    editor = createEditor({
        parent: element('editor'),
        onChange: onEdit,
        onCursorLine(line) {
            cursorLine = line;
            followCursor();
        },
    });
    showMessages = createMessageList(element('messages'), (line) => goToLine(editor, line));
    panes = {
        listing: createPane(element('listing'), 'Listing and symbol report', pickListingLine),
        'error-log': createPane(element('error-log'), 'Error log'),
        debug: createPane(element('debug'), 'Debug file'),
        disassembly: createPane(element('disassembly'), 'Disassembly'),
    };
    const examples = element('example');
    examples.append(...[...kExamples.keys()].map((name) => new Option(name, name)));
    // The first program goes to the worker, which takes it once this thread yields, and runs it
    // while the rest of the page is set up and the source coloured.
    const loaded =
        kept() ? restoreProgram() : (
            loadProgram('demo.asm', bytesToText(demo), { example: 'demo.asm' })
        );
    await new Promise((resolve) => setTimeout(resolve));

    showTab = setUpTabs((panel) => {
        panes[panel.id]?.update();
        followCursor(true);
    });
    examples.addEventListener('change', async () => {
        const name = examples.value;
        if (!name) return;
        const text = bytesToText(kExamples.get(name));
        if (!(await replaceProgram(name, text, { example: name }))) examples.value = '';
    });
    fileName.addEventListener('input', changed);
    element('open-source').addEventListener('click', pickFile(element('source-file'), openSource));
    element('open-image').addEventListener('click', pickFile(element('image-file'), readImage));
    element('edit-disassembly').addEventListener('click', () =>
        replaceProgram('disassembly.asm', panes.disassembly.text()),
    );
    element('share-program').addEventListener('click', share);
    element('copy-link').addEventListener('click', copyLink);
    // A dropped file is opened, not shown by the browser in place of the page.
    window.addEventListener('dragover', (event) => event.preventDefault());
    window.addEventListener('drop', (event) => {
        event.preventDefault();
        if (event.dataTransfer.files[0]) openDropped(event.dataTransfer.files[0]);
    });
    window.addEventListener('hashchange', openLinkedProgram);
    // The last keystrokes before the page goes, not yet kept, are kept as they are.
    window.addEventListener('pagehide', () => {
        if (keptChanges === changes) return;
        const { example, edited } = program;
        keep({ name: fileName.value, text: editor.state.doc.toString(), example, edited });
    });
    setUpPrinting();

    colour(editor, await grammar);
    await loaded;
    await openLinkedProgram();
    performance.mark('ready');
    // The language server starts once the page is ready, so that it takes no time from it.
    followServer = await startLanguageServer(editor, (error) =>
        notify(`The language server stopped (${error.message}); it starts again as you type.`),
    );
}

start().catch((error) => {
    status.textContent = `The page failed to start: ${error.message}`;
});
