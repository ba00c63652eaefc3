// The assembler's worker: runs tevlin away from the page's thread, and turns what it writes into
// what the page shows, so that the page stays quick to answer whatever the source. It packs the
// source for links and the browser's storage too, and zips the files.
import { deflateSync, inflateSync, strFromU8, strToU8, zipSync } from 'fflate';
import createTevlin from 'tevlin-programs/tevlin.js';
import tevlinWasm from 'tevlin-programs/tevlin.wasm.gz';

import { bytesToText, textLines, textToBytes } from './bytes.js';
import { program } from './programs.js';
import { serve } from './rpc.js';

const runTevlin = program('tevlin', createTevlin, tevlinWasm);

// For each line of a program's messages, the source line that it names, or 0.
function namedLines(lines) {
    return Int32Array.from(lines, (line) => Number(/line# \((\d+)\)/.exec(line)?.[1] ?? 0));
}

// The lines that the messages name, in order, each once.
function markedLines(named) {
    const lines = named.filter((line) => line > 0).sort();
    return lines.filter((line, index) => line !== lines[index - 1]);
}

// Where each line of a program's output starts, and where one more would start: a message is
// decoded only when it comes into view.
function lineStarts(bytes) {
    const starts = [0];
    for (let end = bytes.indexOf(10); end >= 0; end = bytes.indexOf(10, end + 1)) {
        starts.push(end + 1);
    }
    if (starts.at(-1) < bytes.length) starts.push(bytes.length + 1);
    return Int32Array.from(starts);
}

// A line's entry in the listing: its header line "(NNNN)" and the indented lines of its errors
// below. The entries as (source line, first listing line, last listing line), lines from 1.
function listingEntries(listing) {
    const entries = [];
    let open = false;
    listing.split('\n').forEach((line, index) => {
        const header = /^\((\d+)\)/.exec(line);
        if (header) {
            entries.push(Number(header[1]), index + 1, index + 1);
            open = true;
        } else if (line !== '' && !line.startsWith(' ')) {
            open = false;
        } else if (open && line.trim() !== '') {
            entries[entries.length - 1] = index + 1;
        }
    });
    return Int32Array.from(entries);
}

// A source's bytes compressed into URL-safe text (base64url), as links and the browser's storage
// keep it.
const pack = (source) =>
    btoa(strFromU8(deflateSync(source), true))
        .replaceAll('+', '-')
        .replaceAll('/', '_')
        .replace(/=+$/, '');

serve({
    /** Assembles text as the file name: the exit code, how long main ran, the standard error
     *  and where its lines start, the source line that each line names (or 0), the lines named,
     *  in order, the listing's entries, the files in the order they were made, the source first,
     *  and the source packed. */
    async assemble({ name, text }) {
        const source = textToBytes(text);
        const packed = pack(source);
        const result = await runTevlin([name], new Map([[name, source]]));
        const listing = result.files.get(`${name.slice(0, -3)}asl`);
        const named = namedLines(textLines(result.stderr));
        return {
            exitCode: result.exitCode,
            milliseconds: result.milliseconds,
            stderr: result.stderr,
            starts: lineStarts(result.stderr),
            named,
            marked: markedLines(named),
            entries: listingEntries(listing ? bytesToText(listing) : ''),
            files: [...result.files],
            packed,
        };
    },

    zip: (files) => zipSync(Object.fromEntries(files)),

    pack: (text) => pack(textToBytes(text)),

    unpack: (packed) =>
        bytesToText(
            inflateSync(strToU8(atob(packed.replaceAll('-', '+').replaceAll('_', '/')), true)),
        ),
});
