// The start of tevlin.mjs and tevlin-dis.mjs, after commonjs.js: a short run stays quick.
import { setFlagsFromString } from 'v8';

// Node.js waits at exit for the optimizing compiler to finish the WebAssembly functions that got
// hot, about 0.15 s of a run of a small source. A larger budget keeps a short run on the baseline
// compiler's code; a long one still gets optimized code.
setFlagsFromString('--wasm-tiering-budget=100000000');
