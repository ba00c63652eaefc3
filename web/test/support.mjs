// What the web tests share: the repository's sources, and a command run in a fresh folder.
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export const kRepository = new URL('../..', import.meta.url).pathname;
// Set by the test's CMake: the built page and commands, and the native programs.
export const {
    TEVLIN_WEB_OUT: kOut, TEVLIN: kTevlin, TEVLIN_DIS: kTevlinDis, TEVLIN_LSP: kTevlinLsp,
} = process.env;

const inFolder = (folder, wanted) =>
    readdirSync(join(kRepository, folder), { recursive: true })
        .filter(wanted)
        .sort()
        .map((name) => [`${folder}/${name}`, readFileSync(join(kRepository, folder, name))]);

export const kExamples = inFolder('examples', (name) => name.endsWith('.asm'));
export const kGoldenSources = inFolder('tests/golden', (name) => name.endsWith('/prog.asm'));
export const kFuzzSources = inFolder('fuzz/regressions', () => true);
export const kTranscripts = inFolder('tests/lsp/transcripts', (name) => name.endsWith('.txt'));

/** Runs command (an array) with args in a new folder holding files (a Map from name to bytes),
 *  input on its standard input; returns the exit code, standard output and error, and the files
 *  it made. */
export function runIn(command, args, files, input) {
    const folder = mkdtempSync(join(tmpdir(), 'tevlin-web-'));
    for (const [name, bytes] of files) writeFileSync(join(folder, name), bytes);
    const run = spawnSync(command[0], [...command.slice(1), ...args], {
        cwd: folder,
        input,
        maxBuffer: 1 << 30,
    });
    const made = readdirSync(folder)
        .filter((name) => !files.has(name))
        .sort()
        .map((name) => [name, readFileSync(join(folder, name))]);
    rmSync(folder, { recursive: true });
    return { exitCode: run.status, stdout: run.stdout, stderr: run.stderr, files: new Map(made) };
}

/** The three image files that the native tevlin writes for an example. */
export function imagesOf(name, source) {
    const { files } = runIn([kTevlin], [name], new Map([[name, source]]));
    const images = [name.replace(/asm$/, 'mem'), 'prog_rom.vhd', 'xprog_rom.vhd'];
    return images.map((image) => [image, files.get(image)]);
}
