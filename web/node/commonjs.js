// The Node.js code of an Emscripten module is written for CommonJS; these give it what it uses
// there, in a command that is an ES module.
import { createRequire } from 'module';
import { dirname } from 'path';
import { fileURLToPath } from 'url';

const require = createRequire(import.meta.url);
const __dirname = dirname(fileURLToPath(import.meta.url));
