// The language server's worker: tevlin-lsp's module, the one that tevlin-lsp.mjs runs, answers the
// editor's client one message at a time away from the page's thread. The diagnostics of a
// document, which run to megabytes of JSON for a source full of errors, are read here and handed
// to the page as arrays.
import createTevlinLsp from 'tevlin-programs/tevlin-lsp.js';
import tevlinLspWasm from 'tevlin-programs/tevlin-lsp.wasm.gz';

import { startSession } from '../lsp/session.js';
import { gunzipped } from './bytes.js';
import { instantiate } from './programs.js';
import { serve } from './rpc.js';

const compiled = WebAssembly.compileStreaming(gunzipped(tevlinLspWasm, 'application/wasm'));
const start = () => instantiate(createTevlinLsp, compiled).then(startSession);
let session = start();

// The server gets the editor's text with the same lines and columns. The editor ends a line only
// at a line feed, as tevlin does, where the protocol ends one at a carriage return too: the
// server gets a blank in its place, which tevlin reads a carriage return as. JSON.stringify
// escapes a surrogate only when it is alone, as the editor holds a byte that is no UTF-8: the
// server reads Unicode text, where such a byte is U+FFFD, one UTF-16 unit as well. Escaped
// backslashes are matched so that an escape is never read from the middle of one.
const kEscapes = /\\\\|\\r|\\ud[89a-f][0-9a-f]{2}/g;
const kStandIns = { '\\\\': '\\\\', '\\r': ' ' };
const forServer = (message) =>
    message.replace(kEscapes, (escape) => kStandIns[escape] ?? '\\ufffd');

// Positions in order; of two ranges that start at one place the shorter goes first.
const byPlace = (a, b) => a.line - b.line || a.character - b.character;
const byStart = (a, b) =>
    byPlace(a.range.start, b.range.start) || byPlace(a.range.end, b.range.end);

/** A document's diagnostics (the parameters of textDocument/publishDiagnostics) in the order of
 *  their starts: the document's version, the ranges (start line, start character, end line, end character each), the
 *  severities, and the message and notes of each as JSON text, diagnostic i from starts[i] to
 *  starts[i + 1] in details. */
function diagnosticsOf({ version, diagnostics }) {
    diagnostics.sort(byStart);
    const ranges = new Int32Array(diagnostics.length * 4);
    const severities = new Uint8Array(diagnostics.length);
    const texts = diagnostics.map((diagnostic, i) => {
        const { range, severity, message, relatedInformation = [] } = diagnostic;
        ranges.set([range.start.line, range.start.character, range.end.line, range.end.character],
            i * 4);
        severities[i] = severity;
        const notes = relatedInformation.map(({ location, message: text }) => ({
            line: location.range.start.line,
            character: location.range.start.character,
            text,
        }));
        return JSON.stringify({ message, notes });
    });
    const starts = new Int32Array(texts.length + 1);
    texts.forEach((text, i) => (starts[i + 1] = starts[i] + text.length));
    return { version, ranges, severities, details: texts.join(''), starts };
}

serve({
    /** The messages to send in answer to message, each as JSON text, and apart from them the
     *  diagnostics among them as arrays. A server that stopped is started anew for the next
     *  message, and the page's client then starts over with it. */
    async receive(message) {
        let replies;
        try {
            replies = (await session).receive(forServer(message));
        } catch (error) {
            session = start();
            throw error;
        }
        const diagnostics = [];
        const others = replies.filter((reply) => {
            const parsed = JSON.parse(reply);
            if (parsed.method !== 'textDocument/publishDiagnostics') return true;
            diagnostics.push(diagnosticsOf(parsed.params));
            return false;
        });
        return { replies: others, diagnostics };
    },
});
