// The worker's one way into tevlin and tevlin-dis: their own main, compiled to WebAssembly, run on
// files in memory.
import createTevlin from 'tevlin-programs/tevlin.js';
import tevlinWasm from 'tevlin-programs/tevlin.wasm.gz';
import createTevlinDis from 'tevlin-programs/tevlin-dis.js';
import tevlinDisWasm from 'tevlin-programs/tevlin-dis.wasm.gz';

import { gunzipped } from './bytes.js';

const kPrograms = {
    tevlin: { create: createTevlin, wasm: tevlinWasm },
    'tevlin-dis': { create: createTevlinDis, wasm: tevlinDisWasm },
};

// Each program's code is compiled once, when it is first needed.
const compiled = new Map();

let runCount = 0;

// One instance of each program serves every run: a run of main keeps no state beyond its end.
// An instance whose main stopped (an assertion, memory exhausted) is left for a new one.
const instances = new Map();

function start(program) {
    if (!instances.has(program)) instances.set(program, instantiate(program));
    return instances.get(program);
}

async function instantiate(program) {
    if (!compiled.has(program)) {
        const wasm = gunzipped(kPrograms[program].wasm, 'application/wasm');
        compiled.set(program, WebAssembly.compileStreaming(wasm));
    }
    const module = await compiled.get(program);
    return kPrograms[program].create({
        instantiateWasm(imports, receive) {
            WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module));
            return {};
        },
    });
}

// The program's standard output and error (1 and 2) go into files, emptied for each run: a file
// takes the text in one piece where a device would pass it on byte by byte. A file opened takes
// the lowest number free.
function openStandardFiles(FS) {
    ['/stdout', '/stderr'].forEach((path, index) => {
        FS.close(FS.streams[index + 1]);
        FS.open(path, 'w');
    });
}

function callMain(program, instance, args) {
    try {
        const exitCode = instance.callMain(args);
        instance._fflush(0);
        return exitCode;
    } catch (error) {
        instances.delete(program);
        throw Object.assign(new Error(`${program} stopped: ${error.message}`), {
            name: 'ProgramStopped',
        });
    }
}

/** Starts tevlin before its first run: the page's first source comes soon. */
export const startTevlin = () => start('tevlin');

/**
 * Runs program ('tevlin' or 'tevlin-dis') with args as its command line, in an empty folder
 * that holds files (a Map from name to bytes). Names with a '/' stay out of the folder, as a
 * path into a folder that does not exist. Resolves to the exit code, how long main ran,
 * standard output and error (bytes), and every file in the folder afterwards, in the order they
 * were made. Throws an
 * error named ProgramStopped when the program stops without an exit code.
 */
export async function run(program, args, files) {
    const instance = await start(program);
    const { FS } = instance;
    const folder = `/run-${++runCount}`;
    FS.mkdir(folder);
    FS.chdir(folder);
    for (const [name, bytes] of files) {
        if (name.includes('/')) continue;
        try {
            FS.writeFile(name, bytes);
        } catch {
            // A name the folder cannot hold ('.', ''): the program reports the source missing.
        }
    }
    openStandardFiles(FS);
    const started = performance.now();
    const exitCode = callMain(program, instance, args);
    const milliseconds = performance.now() - started;
    const made = new Map();
    for (const name of FS.readdir('.')) {
        if (!FS.isFile(FS.stat(name).mode)) continue;
        made.set(name, FS.readFile(name));
        FS.unlink(name);
    }
    FS.chdir('/');
    FS.rmdir(folder);
    return {
        exitCode,
        milliseconds,
        stdout: FS.readFile('/stdout'),
        stderr: FS.readFile('/stderr'),
        files: made,
    };
}
