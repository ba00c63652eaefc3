#!/bin/sh
# Runs a command that needs tools and npm packages: when a tool is not on PATH or the npm folder
# has no node_modules, the test is reported skipped (77), or failed under CI=true.
#
#   run_with.sh "TOOL..." NPM_FOLDER|- COMMAND [ARGUMENT...]
set -eu
tools=$1
folder=$2
shift 2
missing=
for tool in $tools; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
[ "$folder" = - ] || [ -d "$folder/node_modules" ] || missing="$missing $folder/node_modules"
if [ -n "$missing" ]; then
    echo "missing:$missing; tools/setup.sh test installs them" >&2
    [ "${CI:-}" = true ] && exit 1
    exit 77
fi
exec "$@"
