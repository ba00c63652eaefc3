#!/bin/sh
# Builds tevlin for the browser and for Node.js:
#
#   web/build.sh OUT_DIR [WASM_BUILD_DIR]
#
# OUT_DIR gets the page (index.html and the two files it loads) and the commands tevlin.mjs,
# tevlin-dis.mjs and tevlin-lsp.mjs, and nothing else. The programs are compiled by Emscripten in WASM_BUILD_DIR
# (build-wasm in the repository by default) and bundled into the page with its npm packages,
# which must be installed first: (cd web && npm ci --ignore-scripts).
set -eu

web=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1" "${2:-$web/../build-wasm}"
out=$(cd "$1" && pwd)
wasm_build=$(cd "${2:-$web/../build-wasm}" && pwd)

if [ ! -d "$web/node_modules" ]; then
    echo "$web/node_modules not found; install the packages:" \
        "(cd $web && npm ci --ignore-scripts)" >&2
    exit 1
fi

# Emscripten's optimizer needs Debian's acorn, which a Node.js other than Debian's finds only here.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S "$web/.." -B "$wasm_build" -DCMAKE_BUILD_TYPE=MinSizeRel -DTEVLIN_TESTS=OFF \
    >/dev/null
cmake --build "$wasm_build" -j2

# The page carries its WebAssembly compressed (gzip), and unpacks it as it compiles it. Its
# workers' scripts, the assembler's, the ROM reader's and the language server's, are bundled on
# their own and carried as text: a page opened from file:// can start a worker only from a script
# it makes itself.
for wasm in "$wasm_build/tevlin.wasm" "$wasm_build/tevlin-dis.wasm" "$wasm_build/tevlin-lsp.wasm" \
    "$web/node_modules/vscode-oniguruma/release/onig.wasm"; do
    gzip -9nc "$wasm" >"$wasm_build/$(basename "$wasm").gz"
done
bundle() {
    "$web/node_modules/.bin/esbuild" "$@" --bundle --minify --format=iife --target=es2022 \
        --loader:.gz=binary --loader:.asm=binary --loader:.worker=text \
        --alias:tevlin-programs="$wasm_build" --log-level=warning
}
bundle "$web/page/assembler-worker.js" --outfile="$wasm_build/assembler.worker"
bundle "$web/page/reader-worker.js" --outfile="$wasm_build/reader.worker"
# The language server's module has code for Node.js too, which names Node's own modules; the
# worker never runs it.
bundle "$web/page/language-worker.js" --outfile="$wasm_build/language.worker" \
    --external:fs --external:path --external:crypto
bundle "$web/page/main.js" --outfile="$out/playground.js"
cp "$web/page/index.html" "$web/page/playground.css" "$out/"
cp "$wasm_build/web/node/tevlin.mjs" "$wasm_build/web/node/tevlin-dis.mjs" "$out/"
# tevlin-lsp.mjs runs the same module as the page's worker, its WebAssembly inside.
"$web/node_modules/.bin/esbuild" "$web/lsp/command.js" --bundle --minify --platform=node \
    --format=esm --target=node18 --loader:.wasm=binary --alias:tevlin-programs="$wasm_build" \
    --banner:js="$(cat "$web/node/commonjs.js")" --log-level=warning --outfile="$out/tevlin-lsp.mjs"
