// The playground page: a source assembled as it is typed, its messages marked on their lines, the
// files tevlin writes shown and offered for download, and image files read back by tevlin-dis.
import { zipSync } from 'fflate';
import { OnigScanner, OnigString, loadWASM } from 'vscode-oniguruma';
import onigWasm from 'vscode-oniguruma/release/onig.wasm';
import { Registry } from 'vscode-textmate';

import demo from '../../examples/demo.asm';
import fill from '../../examples/fill.asm';
import tables from '../../examples/tables.asm';
import grammarDefinition from '../../editors/vscode/syntaxes/tevlin.tmLanguage.json';
import { bytesToText, textToBytes } from './bytes.js';
import { createEditor, goToLine, markLines, setText } from './editor.js';
import { run } from './programs.js';

const kExamples = new Map([
    ['demo.asm', demo],
    ['fill.asm', fill],
    ['tables.asm', tables],
]);

// Typing pauses this long before the source is assembled again.
const kAssembleDelayMs = 250;

const element = (id) => document.getElementById(id);
const fileName = element('file-name');
const status = element('status');

let editor;
let assembleTimer;
let latestRun = 0;
let disassembly = new Uint8Array();

async function loadGrammar() {
    await loadWASM(onigWasm);
    const registry = new Registry({
        onigLib: Promise.resolve({
            createOnigScanner: (patterns) => new OnigScanner(patterns),
            createOnigString: (text) => new OnigString(text),
        }),
        loadGrammar: async () => grammarDefinition,
    });
    return registry.loadGrammar(grammarDefinition.scopeName);
}

function download(name, bytes) {
    const url = URL.createObjectURL(new Blob([bytes]));
    const link = Object.assign(document.createElement('a'), { href: url, download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
}

function button(label, onClick) {
    const made = Object.assign(document.createElement('button'), { type: 'button' });
    made.textContent = label;
    made.addEventListener('click', onClick);
    return made;
}

// One item per line of a program's standard error (an empty line makes an empty, hidden item);
// a message that names a source line is a button that takes the cursor there.
function showMessages(list, stderr) {
    const lines = bytesToText(stderr).split('\n');
    if (lines.at(-1) === '') lines.pop();
    const named = [];
    list.replaceChildren(
        ...lines.map((line) => {
            const item = document.createElement('li');
            const number = /line# \((\d+)\)/.exec(line);
            if (!number) {
                item.textContent = line;
                return item;
            }
            named.push(Number(number[1]));
            item.append(button(line, () => goToLine(editor, Number(number[1]))));
            return item;
        }),
    );
    return named;
}

function showRun(name, result, milliseconds) {
    const outputs = new Map([...result.files].filter(([file]) => file !== name));
    const named = showMessages(element('messages'), result.stderr);
    markLines(editor, [...new Set(named)]);
    const derived = (extension) => outputs.get(name.slice(0, -3) + extension) ?? new Uint8Array();
    element('listing').textContent = bytesToText(derived('asl'));
    element('error-log').textContent = bytesToText(derived('err'));
    element('debug').textContent = bytesToText(derived('dbg'));

    const downloads = element('downloads');
    downloads.replaceChildren(
        ...[...outputs].map(([file, bytes]) => button(file, () => download(file, bytes))),
    );
    if (outputs.size > 0) {
        const zipName = `${name.slice(0, -3)}zip`;
        downloads.append(
            button(`All as ${zipName}`, () =>
                download(zipName, zipSync(Object.fromEntries(outputs))),
            ),
        );
    }

    const count = element('messages').querySelectorAll('li:not(:empty)').length;
    const messages = count === 1 ? '1 message' : `${count} messages`;
    const outcome =
        result.exitCode !== 0 ? `stopped with exit code ${result.exitCode}`
        : count > 0 ? messages
        : 'no errors';
    status.textContent = `${name}: ${outcome} (${milliseconds.toFixed(1)} ms)`;
}

async function assemble() {
    clearTimeout(assembleTimer);
    const thisRun = ++latestRun;
    const name = fileName.value;
    const source = textToBytes(editor.state.doc.toString());
    const started = performance.now();
    try {
        const result = await run('tevlin', [name], new Map([[name, source]]));
        const measure = performance.measure('assemble', { start: started });
        // A later run started while this one waited for its instance: that one's result counts.
        if (thisRun === latestRun) showRun(name, result, measure.duration);
    } catch (error) {
        // An assertion of the assembler failed (it aborts, as the native program would).
        status.textContent = `${name}: tevlin stopped: ${error.message}`;
    }
}

function scheduleAssembly() {
    clearTimeout(assembleTimer);
    assembleTimer = setTimeout(assemble, kAssembleDelayMs);
}

function loadSource(name, bytes) {
    element('example').value = kExamples.get(name) === bytes ? name : '';
    fileName.value = name;
    setText(editor, bytesToText(bytes));
    return assemble();
}

async function readImage(file) {
    const started = performance.now();
    const bytes = new Uint8Array(await file.arrayBuffer());
    const result = await run('tevlin-dis', [file.name], new Map([[file.name, bytes]]));
    performance.measure('read image', { start: started });
    disassembly = result.stdout;
    element('disassembly').textContent = bytesToText(disassembly);
    showMessages(element('image-messages'), result.stderr);
    element('image-status').textContent = `${file.name}: exit code ${result.exitCode}`;
    element('edit-disassembly').disabled = disassembly.length === 0;
    showTab(element('rom-reader'));
}

// Sources end in asm, as tevlin wants them; any other file is taken for an image file.
async function openFile(file) {
    if (file.name.endsWith('asm')) {
        await loadSource(file.name, new Uint8Array(await file.arrayBuffer()));
    } else {
        await readImage(file);
    }
}

function showTab(panel) {
    for (const tab of document.querySelectorAll('[role=tab]')) {
        const selected = tab.getAttribute('aria-controls') === panel.id;
        tab.setAttribute('aria-selected', String(selected));
        element(tab.getAttribute('aria-controls')).hidden = !selected;
    }
}

function pickFile(input, onFile) {
    input.addEventListener('change', () => input.files[0] && onFile(input.files[0]));
    return () => {
        input.value = '';
        input.click();
    };
}

async function start() {
    const grammar = await loadGrammar();
    editor = createEditor({ parent: element('editor'), grammar, onChange: scheduleAssembly });

    const examples = element('example');
    examples.append(...[...kExamples.keys()].map((name) => new Option(name, name)));
    examples.addEventListener('change', () => {
        if (examples.value) loadSource(examples.value, kExamples.get(examples.value));
    });
    fileName.addEventListener('input', scheduleAssembly);
    element('open-source').addEventListener('click', pickFile(element('source-file'), openFile));
    element('open-image').addEventListener('click', pickFile(element('image-file'), readImage));
    element('edit-disassembly').addEventListener('click', () =>
        loadSource('disassembly.asm', disassembly),
    );
    for (const tab of document.querySelectorAll('[role=tab]')) {
        tab.addEventListener('click', () => showTab(element(tab.getAttribute('aria-controls'))));
    }
    // A dropped file is opened, not shown by the browser in place of the page.
    window.addEventListener('dragover', (event) => event.preventDefault());
    window.addEventListener('drop', (event) => {
        event.preventDefault();
        if (event.dataTransfer.files[0]) openFile(event.dataTransfer.files[0]);
    });

    await loadSource('demo.asm', kExamples.get('demo.asm'));
    performance.mark('ready');
}

start();
