#!/bin/sh
# Runs a Node.js script of the editor extension from the extension's folder.
#
#   run_node.sh EXTENSION_DIR SCRIPT [ARGUMENT...]
#
# Exit status: the script's, or 77 (skipped) when Node.js or the extension's npm packages are
# missing, except under CI=true, where that is a failure.
set -eu

extension=$1
shift

missing=
if ! command -v node >/dev/null 2>&1; then
    missing="Node.js not found; install it (apt-get install nodejs npm)"
elif [ ! -d "$extension/node_modules" ]; then
    missing="$extension/node_modules not found; install the packages (cd $extension && npm ci --ignore-scripts)"
fi
if [ -n "$missing" ]; then
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $missing" >&2
        exit 1
    fi
    echo "SKIP: $missing"
    exit 77
fi

cd "$extension"
exec node "$@"
