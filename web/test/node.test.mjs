// tevlin.mjs and tevlin-dis.mjs under Node.js against the native programs: the same files,
// standard output and error, and exit code, byte for byte.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { test } from 'node:test';

import {
    imagesOf, kExamples, kFuzzSources, kGoldenSources, kOut, kTevlin, kTevlinDis, runIn,
} from './support.mjs';

const kNodeTevlin = ['node', join(kOut, 'tevlin.mjs')];
const kNodeTevlinDis = ['node', join(kOut, 'tevlin-dis.mjs')];

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
