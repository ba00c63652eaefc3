// Checks that the grammar colours every source exactly as the assembler's scanner reads it.
//
//   node test/differential.js TOKEN_DUMP REPOSITORY
//
// TOKEN_DUMP lists the scanner's tokens of one source (line, column, length, class). For every
// example, golden and fuzz source of REPOSITORY, every annotated grammar test and a source of
// random lines, each character must carry the scope of its token's class, a blank between
// tokens none of them, and the grammar must start a token wherever the scanner does.
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const oniguruma = require('vscode-oniguruma');
const textmate = require('vscode-textmate');

// The scope each class of token carries on every character: the outermost of this table's
// scopes there. Punctuation inside a comment, string or indirect register is nested deeper
// and not compared. The scanner has no class of its own for LABEL (a SYMBOL followed by ':')
// and HEXNUM (a NUM written 0x...); they are told apart from the token's neighbour and text.
const kScopeOfClass = {
    COMMENT: 'comment.line.semicolon.tevlin',
    DIRECTIVE: 'keyword.control.directive.tevlin',
    MNEMONIC: 'keyword.other.mnemonic.tevlin',
    REG: 'variable.language.register.tevlin',
    INDREG: 'variable.language.register.indirect.tevlin',
    REGNAME: 'variable.other.register.tevlin',
    INDREGNAME: 'variable.other.register.indirect.tevlin',
    NUM: 'constant.numeric.integer.decimal.tevlin',
    HEXNUM: 'constant.numeric.integer.hexadecimal.tevlin',
    LABEL: 'entity.name.label.tevlin',
    SYMBOL: 'variable.other.tevlin',
    STRING: 'string.quoted.double.tevlin',
    COLON: 'punctuation.separator.colon.tevlin',
    COMMA: 'punctuation.separator.comma.tevlin',
    EQUALS: 'keyword.operator.assignment.tevlin',
    OTHERCHAR: 'invalid.illegal.character.tevlin',
};
const kClassOfScope = new Map(Object.entries(kScopeOfClass).map(([name, scope]) => [scope, name]));

// The assembler reads at most this many characters as one line, and a NUL ends a line's text;
// an editor knows neither, so such lines are left out of the comparison.
const kLineMax = 255;

// Sources of the repository, found when the test runs so that new cases take part at once.
const kSourceFolders = [
    ['examples', (name) => name.endsWith('.asm')],
    ['fuzz/corpus', () => true],
    ['fuzz/regressions', () => true],
    ['editors/vscode/test', (name) => name.endsWith('.test.tevlin')],
];

function repositorySources(repository) {
    const sources = [];
    for (const [folder, wanted] of kSourceFolders) {
        const dir = path.join(repository, folder);
        for (const name of fs.readdirSync(dir).sort()) {
            if (wanted(name)) sources.push(path.join(dir, name));
        }
    }
    const golden = path.join(repository, 'tests/golden');
    for (const name of fs.readdirSync(golden).sort()) {
        const source = path.join(golden, name, 'prog.asm');
        if (fs.existsSync(source)) sources.push(source);
    }
    return sources;
}

// Random lines built from the pieces the scanner is most likely to split differently from a
// regular expression: registers and their look-alikes, directives, numbers that run into
// letters, parentheses, quotes, comments, case, blanks and carriage returns.
const kPieces = [
    ' ', ' ', '  ', '\t', '\r', ',', ':', '=', '(', ')', '"', '""', ';', '.', '..', '-', '_',
    '\u00e9', '.ORG', '.org', '.CSEG', '.DSEG', '.EQU', '.def', '.BYTE', '.byte', '.DB', '.Db',
    '.DBX', '.BYTES', 'ADD', 'addc', 'Ret', 'RETI', 'RETIE', 'retid', 'ST', 'st1', 'LD', 'in',
    'OUT', 'nop', 'Brcc', 'R', 'r', 'R5', 'r31', 'R007', 'RA', 'radd', 'READ', 'RG', 'R1A', 'RF0',
    'R_', 'R_CNT', 'r_a9', 'R_A_B', 'R_0', '(R5)', '(r_cnt)', '(R', 'R5)', '(RA)', '(R_9)',
    '( R5 )', '0', '12', '0x1F', '0X', '0xg', '0XABCDEFG', '1R5', 'LOOP', 'loop', 'x', 'G', 'a',
    'Z9_', '"ab"', '"a;b"', '"Ab cD"', '"x',
];
const kLineStarts = ['', '', '', '.ORG ', '.equ ', '.Def ', '.CSEG', 'LBL: ', ' '];

function randomSource(lineCount, seed) {
    let state = seed >>> 0;
    const next = (limit) => {
        // xorshift32: the same lines on every run
        state ^= state << 13;
        state >>>= 0;
        state ^= state >>> 17;
        state ^= state << 5;
        state >>>= 0;
        return state % limit;
    };
    let text = '';
    for (let i = 0; i < lineCount; ++i) {
        let line = kLineStarts[next(kLineStarts.length)];
        for (let n = next(10); n > 0; --n) line += kPieces[next(kPieces.length)];
        text += line + (next(8) === 0 ? '\r\n' : '\n');
    }
    return text;
}

async function loadGrammar(extension) {
    const manifest = JSON.parse(fs.readFileSync(path.join(extension, 'package.json'), 'utf8'));
    const contribution = manifest.contributes.grammars[0];
    const grammarPath = path.join(extension, contribution.path);
    const wasm = path.join(path.dirname(require.resolve('vscode-oniguruma')), 'onig.wasm');
    await oniguruma.loadWASM(fs.readFileSync(wasm));
    const registry = new textmate.Registry({
        onigLib: Promise.resolve({
            createOnigScanner: (patterns) => new oniguruma.OnigScanner(patterns),
            createOnigString: (text) => new oniguruma.OnigString(text),
        }),
        loadGrammar: async (scopeName) =>
            scopeName === contribution.scopeName
                ? textmate.parseRawGrammar(fs.readFileSync(grammarPath, 'utf8'), grammarPath)
                : null,
    });
    return registry.loadGrammar(contribution.scopeName);
}

// The scanner's tokens of a source, by line number.
function scannerTokens(tokenDump, source) {
    const byLine = new Map();
    const output = childProcess.execFileSync(tokenDump, [source], { encoding: 'latin1' });
    for (const row of output.split('\n')) {
        if (row === '') continue;
        const [line, column, length, name] = row.split(' ');
        const start = Number(column);
        if (!byLine.has(Number(line))) byLine.set(Number(line), []);
        byLine.get(Number(line)).push({ start, end: start + Number(length), name });
    }
    return byLine;
}

// The class whose scope a token of the line must carry.
function expectedClass(token, next, text) {
    if (token.name === 'SYMBOL' && next !== undefined && next.name === 'COLON') return 'LABEL';
    if (token.name === 'NUM' && /^0x/i.test(text.slice(token.start, token.end))) return 'HEXNUM';
    return token.name;
}

// The class of the scanner's token at each character of a line; null between tokens. An
// editor takes the carriage return of a CR-LF line end as part of the line end, so a comment
// stops short of it.
function classesOfScanner(tokens, text) {
    const classes = new Array(text.length).fill(null);
    tokens.forEach((token, i) => {
        const next = tokens.slice(i + 1).find((other) => other.name !== 'COMMENT');
        const name = expectedClass(token, next, text);
        for (let c = token.start; c < Math.min(token.end, text.length); ++c) classes[c] = name;
    });
    return classes;
}

// The class that the outermost of the table's scopes names at each character of a line.
function classesOfGrammar(grammarTokens, length) {
    const classes = new Array(length).fill(null);
    for (const token of grammarTokens) {
        const scope = token.scopes.find((name) => kClassOfScope.has(name));
        const name = scope === undefined ? null : kClassOfScope.get(scope);
        for (let c = token.startIndex; c < Math.min(token.endIndex, length); ++c) classes[c] = name;
    }
    return classes;
}

// What differs on one line, as messages that start with a column.
function compareLine(text, tokens, grammarTokens) {
    const faults = [];
    for (const token of tokens) {
        if (!(expectedClass(token, undefined, text) in kScopeOfClass)) {
            faults.push(`column ${token.start + 1}: no scope for the scanner's ${token.name}`);
        }
    }
    const expected = classesOfScanner(tokens, text);
    const actual = classesOfGrammar(grammarTokens, text.length);
    for (let c = 0; c < text.length; ++c) {
        if (expected[c] === actual[c]) continue;
        const scopes = grammarTokens.find((t) => t.startIndex <= c && c < t.endIndex).scopes;
        faults.push(`column ${c + 1}: ${JSON.stringify(text[c])} is ${expected[c] || 'no token'} ` +
                    `to the scanner, ${actual[c] || 'no token'} to the grammar ` +
                    `(${scopes.join(' ')})`);
        // one message for a run of characters that differ in the same way
        while (expected[c + 1] === expected[c] && actual[c + 1] === actual[c]) ++c;
    }
    const grammarStarts = new Set(grammarTokens.map((t) => t.startIndex));
    const scannerStarts = new Set(tokens.flatMap((t) => [t.start, t.end]));
    for (const edge of [...scannerStarts].sort((a, b) => a - b)) {
        if (edge < text.length && !grammarStarts.has(edge)) {
            faults.push(`column ${edge + 1}: a token starts here for the scanner, ` +
                        'inside one for the grammar');
        }
    }
    return faults;
}

function compareSource(grammar, tokenDump, source) {
    const result = { lines: 0, tokens: 0, skipped: [], faults: [] };
    const tokensByLine = scannerTokens(tokenDump, source);
    const lines = fs.readFileSync(source, 'latin1').split('\n');
    if (lines[lines.length - 1] === '') lines.pop();
    let ruleStack = textmate.INITIAL;
    lines.forEach((asRead, index) => {
        const number = index + 1;
        const text = asRead.endsWith('\r') ? asRead.slice(0, -1) : asRead;
        const tokenized = grammar.tokenizeLine(text, ruleStack);
        ruleStack = tokenized.ruleStack;
        if (asRead.length > kLineMax || asRead.includes('\0')) {
            result.skipped.push(number);
            return;
        }
        const tokens = (tokensByLine.get(number) || []).sort((a, b) => a.start - b.start);
        const faults = compareLine(text, tokens, tokenized.tokens);
        if (faults.length > 0) result.faults.push({ number, text, faults });
        result.lines += 1;
        result.tokens += tokens.length;
    });
    for (const [number, tokens] of tokensByLine) {
        if (number > lines.length) {
            const faults = [`${tokens.length} tokens on a line the source does not have`];
            result.faults.push({ number, text: '', faults });
        }
    }
    return result;
}

async function main() {
    if (process.argv.length !== 4) {
        console.error('usage: node test/differential.js TOKEN_DUMP REPOSITORY');
        process.exit(2);
    }
    const [tokenDump, repository] = process.argv.slice(2).map((p) => path.resolve(p));
    const grammar = await loadGrammar(path.join(__dirname, '..'));
    const sources = repositorySources(repository);
    const inFolder = (folder) => sources.some((source) => source.includes(`${path.sep}${folder}`));
    if (!inFolder('golden') || !inFolder('examples')) {
        console.error(`FAIL: no golden or example sources under ${repository}`);
        process.exit(1);
    }
    const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'tevlin-grammar-'));
    const random = path.join(scratch, 'random.asm');
    fs.writeFileSync(random, Buffer.from(randomSource(4000, 20240611), 'latin1'));

    let differ = false;
    try {
        for (const source of [...sources, random]) {
            const label = source === random ? 'random lines' : path.relative(repository, source);
            const result = compareSource(grammar, tokenDump, source);
            const skipped = result.skipped.length === 0 ? '' : `; left out lines ` +
                            `${result.skipped.join(', ')} (over ${kLineMax} characters or a NUL)`;
            console.log(`${result.faults.length === 0 ? 'agree' : 'DIFFER'}: ${label}: ` +
                        `${result.lines} lines, ${result.tokens} tokens${skipped}`);
            for (const { number, text, faults } of result.faults.slice(0, 10)) {
                console.log(`  ${label}:${number}: ${JSON.stringify(text)}`);
                for (const fault of faults) console.log(`    ${fault}`);
            }
            if (result.faults.length > 10) {
                console.log(`  ... and ${result.faults.length - 10} more lines that differ`);
            }
            differ = differ || result.faults.length > 0;
        }
    } finally {
        fs.rmSync(scratch, { recursive: true, force: true });
    }
    if (differ) {
        console.log('FAIL: the grammar and the scanner differ');
        process.exit(1);
    }
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
