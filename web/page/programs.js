// The page's one way into tevlin and tevlin-dis: their own main, compiled to WebAssembly, run on
// files in memory.
import createTevlin from 'tevlin-programs/tevlin.js';
import tevlinWasm from 'tevlin-programs/tevlin.wasm';
import createTevlinDis from 'tevlin-programs/tevlin-dis.js';
import tevlinDisWasm from 'tevlin-programs/tevlin-dis.wasm';

const kPrograms = {
    tevlin: { create: createTevlin, wasm: tevlinWasm },
    'tevlin-dis': { create: createTevlinDis, wasm: tevlinDisWasm },
};

// Each program's code is compiled once, in the background from the start.
const compiled = new Map(
    Object.entries(kPrograms).map(([program, { wasm }]) => [program, WebAssembly.compile(wasm)]),
);

// Where the standard output and error of the run in progress go. main runs to its end without
// yielding, so runs never overlap there.
let io;
let runCount = 0;

// One instance of each program serves every run: a run of main keeps no state beyond its end.
const instances = new Map();

function start(program) {
    if (!instances.has(program)) instances.set(program, instantiate(program));
    return instances.get(program);
}

async function instantiate(program) {
    const module = await compiled.get(program);
    return kPrograms[program].create({
        instantiateWasm(imports, receive) {
            WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module));
            return {};
        },
        stdout: (byte) => io.stdout.push(byte),
        stderr: (byte) => io.stderr.push(byte),
    });
}

/**
 * Runs program ('tevlin' or 'tevlin-dis') with args as its command line, in an empty folder
 * that holds files (a Map from name to bytes). Names with a '/' stay out of the folder, as a
 * path into a folder that does not exist. Resolves to the exit code, standard output and error
 * (bytes), and every file in the folder afterwards, in the order they were made.
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
    io = { stdout: [], stderr: [] };
    const exitCode = instance.callMain(args);
    instance._fflush(0);
    const made = new Map();
    for (const name of FS.readdir('.')) {
        if (!FS.isFile(FS.stat(name).mode)) continue;
        made.set(name, FS.readFile(name));
        FS.unlink(name);
    }
    FS.chdir('/');
    FS.rmdir(folder);
    // The devices hand over signed bytes; Uint8Array takes them modulo 256.
    return {
        exitCode,
        stdout: Uint8Array.from(io.stdout),
        stderr: Uint8Array.from(io.stderr),
        files: made,
    };
}
