// tevlin-lsp.mjs: the language server over standard input and output under Node.js, from the
// module that the page's worker runs. The framing is the native program's own, in the module;
// options are main's, which prints help and version as the native program does.
import createTevlinLsp from 'tevlin-programs/tevlin-lsp.js';
import wasm from 'tevlin-programs/tevlin-lsp.wasm';

import { instantiate } from '../page/programs.js';
import { startSession } from './session.js';

const instance = await instantiate(createTevlinLsp, WebAssembly.compile(wasm));
const args = process.argv.slice(2);
if (args.length > 0) {
    process.exitCode = instance.callMain(args);
    instance._fflush(0);
} else {
    const session = startSession(instance);
    const end = () => {
        process.exitCode = session.exitCode();
        process.stdin.destroy();
    };
    process.stdin.on('data', (bytes) => {
        process.stdout.write(session.feed(bytes));
        if (session.exited()) end();
    });
    process.stdin.on('end', end);
}
