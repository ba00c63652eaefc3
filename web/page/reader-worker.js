// The ROM reader's worker: runs tevlin-dis away from the page's thread. It starts with the first
// image file read, as most pages read none.
import createTevlinDis from 'tevlin-programs/tevlin-dis.js';
import tevlinDisWasm from 'tevlin-programs/tevlin-dis.wasm.gz';

import { program } from './programs.js';
import { serve } from './rpc.js';

const runTevlinDis = program('tevlin-dis', createTevlinDis, tevlinDisWasm);

serve({
    /** Reads an image file (bytes) named name back: the exit code, the source (bytes) printed on
     *  standard output and the messages on standard error. */
    async read({ name, bytes }) {
        const { exitCode, stdout, stderr } = await runTevlinDis([name], new Map([[name, bytes]]));
        return { exitCode, stdout, stderr };
    },
});
