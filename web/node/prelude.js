// The Node.js code of the module is written for CommonJS; these give it what it uses there.
import { createRequire } from 'module';
import { dirname } from 'path';
import { fileURLToPath } from 'url';
import { setFlagsFromString } from 'v8';

const require = createRequire(import.meta.url);
const __dirname = dirname(fileURLToPath(import.meta.url));

// Node.js waits at exit for the optimizing compiler to finish the WebAssembly functions that got
// hot, about 0.15 s of a run of a small source. A larger budget keeps a short run on the baseline
// compiler's code; a long one still gets optimized code.
setFlagsFromString('--wasm-tiering-budget=100000000');
