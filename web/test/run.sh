#!/bin/sh
# Builds the page and the Node.js commands (web/build.sh), then runs one web test file on them.
#
#   run.sh OUT_DIR WASM_BUILD_DIR TEST_FILE
#
# Exit status: the test's, or 77 (skipped) when Emscripten, Chromium, Node.js or the page's npm
# packages are missing, except under CI=true, where that is a failure.
set -eu

out=$1
wasm_build=$2
test_file=$3
web=$(cd "$(dirname "$0")/.." && pwd)

missing=
for tool in emcmake node /usr/bin/chromium; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    missing="not found:$missing; install them (apt-get install emscripten chromium nodejs npm)"
elif [ ! -d "$web/node_modules" ]; then
    missing="$web/node_modules not found; install the packages (cd $web && npm ci --ignore-scripts)"
fi
if [ -n "$missing" ]; then
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $missing" >&2
        exit 1
    fi
    echo "SKIP: $missing"
    exit 77
fi

"$web/build.sh" "$out" "$wasm_build"
exec node --test "$test_file"
