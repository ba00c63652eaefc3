// A worker's way into a program of tevlin's: its own main, compiled to WebAssembly by Emscripten,
// run on files in memory.
import { gunzipped } from './bytes.js';

let runCount = 0;

// The program's standard output and error (1 and 2) go into files, emptied for each run: a file
// takes the text in one piece where a device would pass it on byte by byte. A file opened takes
// the lowest number free.
function openStandardFiles(FS) {
    ['/stdout', '/stderr'].forEach((path, index) => {
        FS.close(FS.streams[index + 1]);
        FS.open(path, 'w');
    });
}

/** A new instance of the module that create (an Emscripten module factory) makes, on compiled
 *  (its WebAssembly.Module, or a promise of one). */
export async function instantiate(create, compiled) {
    const module = await compiled;
    return create({
        instantiateWasm(imports, receive) {
            WebAssembly.instantiate(module, imports).then((made) => receive(made, module));
            return {};
        },
    });
}

/**
 * The program name, made by create (an Emscripten module factory) from wasm (its WebAssembly,
 * gzipped), as a function run(args, files) that runs it with args as its command line in an
 * empty folder that holds files (a Map from name to bytes). Names with a '/' stay out of the
 * folder, as a path into a folder that does not exist. The program is compiled and started at
 * once; one instance serves every run, as a run of main keeps no state beyond its end, and an
 * instance whose main stopped (an assertion, memory exhausted) is left for a new one.
 *
 * run resolves to the exit code, how long main ran, standard output and error (bytes), and every
 * file in the folder afterwards, in the order they were made; it throws an error named
 * ProgramStopped when the program stops without an exit code.
 */
export function program(name, create, wasm) {
    const compiled = WebAssembly.compileStreaming(gunzipped(wasm, 'application/wasm'));
    let started = instantiate(create, compiled);

    return async function run(args, files) {
        const instance = await started;
        const { FS } = instance;
        const folder = `/run-${++runCount}`;
        FS.mkdir(folder);
        FS.chdir(folder);
        for (const [file, bytes] of files) {
            if (file.includes('/')) continue;
            try {
                FS.writeFile(file, bytes);
            } catch {
                // A name the folder cannot hold ('.', ''): the program reports the source missing.
            }
        }
        openStandardFiles(FS);
        const begun = performance.now();
        let exitCode;
        try {
            exitCode = instance.callMain(args);
            instance._fflush(0);
        } catch (error) {
            started = instantiate(create, compiled);
            throw Object.assign(new Error(`${name} stopped: ${error.message}`), {
                name: 'ProgramStopped',
            });
        }
        const milliseconds = performance.now() - begun;
        const made = new Map();
        for (const file of FS.readdir('.')) {
            if (!FS.isFile(FS.stat(file).mode)) continue;
            made.set(file, FS.readFile(file));
            FS.unlink(file);
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
    };
}
