// The extension's problem matcher against what tevlin prints: every error golden case is
// assembled with --error-format=gnu, and the matcher's own expression, read from package.json,
// must find in each printed line the file, the line and the text of the message that the same
// run prints, one by one, in tevlin's own form (the case's expected stderr.txt).
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

// The messages of tevlin's own console text: numbered errors and syntax errors name a line;
// any other text is a message without one.
const nativeMessages = (text) => text.split('\n').filter((line) => line.trim() !== '').map((line) => {
    const located = /^\*\*ERROR(?: #[ \d]\d)?:  line# \((\d+)\) => (.*) $/.exec(line);
    return located ? { line: Number(located[1]), message: located[2] }
        : { line: undefined, message: line.trim() };
});

function matchedMessages(text) {
    return text.split('\n').filter((line) => line !== '').map((line) => {
        const match = expression.exec(line);
        assert.ok(match, `the matcher does not read: ${line}`);
        assert.strictEqual(match[pattern.file], 'prog.asm', line);
        assert.strictEqual(match[pattern.severity], 'error', line);
        const number = match[pattern.line];
        return { line: number === undefined ? undefined : Number(number), message: match[pattern.message] };
    });
}

let checked = 0;
for (const name of fs.readdirSync(goldenDir).sort()) {
    const folder = path.join(goldenDir, name);
    const expected = path.join(folder, 'stderr.txt');
    const messages = fs.existsSync(expected) ? nativeMessages(fs.readFileSync(expected, 'latin1')) : [];
    if (messages.length === 0) continue;
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'tevlin-matcher-'));
    fs.copyFileSync(path.join(folder, 'prog.asm'), path.join(dir, 'prog.asm'));
    const run = spawnSync(tevlin, ['--error-format=gnu', 'prog.asm'], { cwd: dir, encoding: 'latin1' });
    fs.rmSync(dir, { recursive: true });
    assert.deepStrictEqual(matchedMessages(run.stderr), messages, name);
    checked += messages.length;
}
assert.ok(checked > 0, 'no error golden case found');
console.log(`the problem matcher read all ${checked} messages of the error golden cases`);
