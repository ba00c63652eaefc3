// tevlin.mjs, tevlin-dis.mjs and tevlin-lsp.mjs under Node.js against the native programs: the
// same files, standard output and error, and exit code, byte for byte.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { test } from 'node:test';

import {
    imagesOf, kExamples, kFuzzSources, kGoldenSources, kOut, kTevlin, kTevlinDis, kTevlinLsp,
    kTranscripts, runIn,
} from './support.mjs';

const kNodeTevlin = ['node', join(kOut, 'tevlin.mjs')];
const kNodeTevlinDis = ['node', join(kOut, 'tevlin-dis.mjs')];
const kNodeTevlinLsp = ['node', join(kOut, 'tevlin-lsp.mjs')];

const sameRun = (native, node, args, files = new Map()) =>
    assert.deepEqual(runIn(node, args, files), runIn(native, args, files));

test('tevlin.mjs writes what tevlin writes for every source', async (t) => {
    for (const [path, source] of [...kExamples, ...kGoldenSources, ...kFuzzSources]) {
        const files = new Map([['prog.asm', source]]);
        await t.test(path, () => sameRun([kTevlin], kNodeTevlin, ['prog.asm'], files));
    }
});

test('tevlin.mjs takes the command lines that tevlin takes', async (t) => {
    for (const args of [[], ['--help'], ['--version'], ['a.asm', 'b.asm'], ['prog.txt'],
        ['missing.asm'], ['no/folder.asm'], ['--error-format=gnu', 'missing.asm']]) {
        await t.test(args.join(' ') || '(none)', () => sameRun([kTevlin], kNodeTevlin, args));
    }
});

test('tevlin-dis.mjs reads what tevlin-dis reads', async (t) => {
    for (const [path, source] of kExamples) {
        const name = path.split('/').pop();
        for (const [image, bytes] of imagesOf(name, source)) {
            const files = new Map([[image, bytes], ['cut.vhd', bytes.subarray(0, 9000)]]);
            await t.test(`${name}: ${image}`, () => {
                sameRun([kTevlinDis], kNodeTevlinDis, [image], files);
                sameRun([kTevlinDis], kNodeTevlinDis, ['cut.vhd'], files);
            });
        }
    }
    for (const args of [[], ['--help'], ['--version'], ['missing.mem'], ['a', 'b']]) {
        await t.test(args.join(' ') || '(none)', () => sameRun([kTevlinDis], kNodeTevlinDis, args));
    }
});

const framed = (bodies) => Buffer.concat(bodies.map((body) => Buffer.from(
    `Content-Length: ${Buffer.byteLength(body)}\r\n\r\n${body}`)));
// What a transcript of tests/lsp sends, one line each: what the server makes of it, the same for
// both, is compared, whether the server's own test reads more lines into a message or not.
const sentIn = (transcript) => framed(String(transcript).split('\n')
    .filter((line) => line.startsWith('--> ')).map((line) => line.slice(4)));

// With its input at its end, a server left behind by a killed test ends too.
const sameAnswers = (input, args = []) => assert.deepEqual(
    runIn(kNodeTevlinLsp, args, new Map(), input), runIn([kTevlinLsp], args, new Map(), input));

test('tevlin-lsp.mjs answers as tevlin-lsp answers', async (t) => {
    for (const [path, transcript] of kTranscripts) {
        await t.test(path, () => sameAnswers(sentIn(transcript)));
    }
    // 20,000 lines come to the program in many reads, and its input ends without an exit.
    await t.test('a large source, with no exit', () => {
        const textDocument = { uri: 'file:///large.asm', version: 1,
            text: Array.from({ length: 20000 }, (_, i) => `add r1, r${i % 40}\n`).join('') };
        const position = { line: 19999, character: 9 };
        sameAnswers(framed([{ id: 1, method: 'initialize', params: { capabilities: {} } },
            { method: 'textDocument/didOpen', params: { textDocument } },
            { id: 2, method: 'textDocument/hover', params: { textDocument, position } },
        ].map((message) => JSON.stringify({ jsonrpc: '2.0', ...message }))));
    });
    for (const args of [['--help'], ['-h'], ['--version'], ['--stdio'], ['--help', 'more']]) {
        await t.test(args.join(' '), () => sameAnswers(Buffer.alloc(0), args));
    }
});
