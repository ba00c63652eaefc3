#!/bin/sh
# Builds the page and the Node.js commands (web/build.sh), then runs one web test file on them.
#
#   run.sh OUT_DIR WASM_BUILD_DIR TEST_FILE
set -eu
"$(dirname "$0")/../build.sh" "$1" "$2"
exec node --test "$3"
