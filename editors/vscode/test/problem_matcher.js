// The extension's problem matcher and Vim's quickfix list against what tevlin prints: every error
// golden case is assembled with --error-format=gnu. The matcher's own expression, read from
// package.json, must find the file, line, column and text of every message that the same run
// prints in tevlin's own form (the case's stderr.txt), in order, and a place for every note,
// which VS Code takes as information; every other line is a source line or the mark under it.
// Vim, with its default 'errorformat', must list every error and note at its line and column.
//
//   node test/problem_matcher.js TEVLIN GOLDEN_DIR
'use strict';
const assert = require('assert');
const { spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const [tevlin, goldenDir] = process.argv.slice(2).map((arg) => path.resolve(arg));
const matcher = require('../package.json').contributes.problemMatchers[0];
const pattern = matcher.pattern;
const expression = new RegExp(pattern.regexp);
const sourceLine = /^ *\d* \| /;

// The messages of tevlin's own console text: numbered errors and syntax errors name a line;
// any other text is a message without one.
const nativeMessages = (text) => text.split('\n').filter((line) => line.trim() !== '').map((line) => {
    const located = /^\*\*ERROR(?: #[ \d]\d)?:  line# \((\d+)\) => (.*) $/.exec(line);
    return located ? { line: Number(located[1]), message: located[2] }
        : { line: undefined, message: line.trim() };
});

function matchedMessages(text) {
    const messages = [];
    for (const line of text.split('\n').filter((printed) => printed !== '')) {
        const match = expression.exec(line);
        if (!match) {
            assert.match(line, sourceLine, `the matcher does not read: ${line}`);
            continue;
        }
        assert.strictEqual(match[pattern.file], 'prog.asm', line);
        const number = match[pattern.line];
        const column = match[pattern.column];
        assert.strictEqual(number === undefined, column === undefined, line);
        messages.push({
            severity: match[pattern.severity],
            line: number === undefined ? undefined : Number(number),
            column: column === undefined ? undefined : Number(column),
            message: match[pattern.message],
        });
    }
    return messages;
}

// The entries of Vim's quickfix list for the messages in file.
function quickfixEntries(file) {
    const listed = `${file}.qf`;
    const run = spawnSync('vim', ['-es', '-u', 'NONE', '-i', 'NONE', '-N',
        '-c', `cgetfile ${file}`,
        '-c', `call writefile([json_encode(map(filter(getqflist(), 'v:val.valid'), `
            + `'{"file": bufname(v:val.bufnr), "line": v:val.lnum, "column": v:val.col}'))], '${listed}')`,
        '-c', 'qa!'], { cwd: path.dirname(file), timeout: 60000 });
    assert.strictEqual(run.status, 0, `vim failed: ${run.stderr}`);
    return JSON.parse(fs.readFileSync(listed, 'utf8'));
}

let checked = 0;
let notes = 0;
for (const name of fs.readdirSync(goldenDir).sort()) {
    const folder = path.join(goldenDir, name);
    const expected = path.join(folder, 'stderr.txt');
    const messages = fs.existsSync(expected) ? nativeMessages(fs.readFileSync(expected, 'latin1')) : [];
    if (messages.length === 0) continue;
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'tevlin-matcher-'));
    fs.copyFileSync(path.join(folder, 'prog.asm'), path.join(dir, 'prog.asm'));
    const run = spawnSync(tevlin, ['--error-format=gnu', 'prog.asm'],
        { cwd: dir, encoding: 'latin1', timeout: 60000 });
    fs.writeFileSync(path.join(dir, 'gnu.txt'), run.stderr, 'latin1');
    const matched = matchedMessages(run.stderr);
    const errors = matched.filter((entry) => entry.severity === 'error');
    assert.deepStrictEqual(errors.map(({ line, message }) => ({ line, message })), messages, name);
    for (const note of matched.filter((entry) => entry.severity !== 'error')) {
        assert.strictEqual(note.severity, 'note', name);
        assert.ok(note.line > 0 && note.column > 0, `${name}: a note without its place`);
    }
    const located = matched.filter((entry) => entry.line !== undefined)
        .map(({ line, column }) => ({ file: 'prog.asm', line, column }));
    assert.deepStrictEqual(quickfixEntries(path.join(dir, 'gnu.txt')), located, `${name}: Vim`);
    fs.rmSync(dir, { recursive: true });
    checked += messages.length;
    notes += matched.length - errors.length;
}
assert.ok(checked > 0 && notes > 0, 'no error golden case with notes found');
console.log(`the problem matcher and Vim read all ${checked} messages and ${notes} notes of the error golden cases`);
