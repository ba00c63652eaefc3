#!/bin/sh
# Installs what building or testing tevlin needs and the machine lacks: Debian packages through
# apt-get (as root, or through sudo), and for the tests the npm packages of the editor extension
# and of the web playground.
#
#   tools/setup.sh build|test [PACKAGE...]
#
# "test" takes the packages of "build" too; further Debian packages may follow.
set -eu
cd "$(dirname "$0")/.."

# One package a line. "package:command" counts as present when the command is on PATH, so
# that a Node.js from elsewhere than Debian is used as it is.
build_packages="
    g++
    cmake
    make
    libfmt-dev
    nlohmann-json3-dev
"
test_packages="
    libgtest-dev
    ghdl
    nodejs:node
    npm:npm
    emscripten
    chromium
    poppler-utils
    node-acorn
    vim
    neovim
"
# The npm packages of these folders, each where it has a package.json.
npm_folders="
    editors/vscode
    web
"

purpose=${1:-}
case "$purpose" in
    build) packages=$build_packages ;;
    test) packages="$build_packages $test_packages" ;;
    *)
        echo "usage: tools/setup.sh build|test [PACKAGE...]" >&2
        exit 1
        ;;
esac
shift
packages="$packages $*"

missing=
for entry in $packages; do
    package=${entry%%:*}
    command=${entry#*:}
    if [ "$command" != "$entry" ] && command -v "$command" >/dev/null 2>&1; then
        continue
    fi
    status=$(dpkg-query -W -f '${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing="$missing $package"
done

if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        as_root=
    elif command -v sudo >/dev/null 2>&1; then
        as_root=sudo
    else
        echo "tools/setup.sh: not root and no sudo; as root, run:" >&2
        echo "    apt-get update && apt-get install -y$missing" >&2
        exit 1
    fi
    echo "Installing:$missing"
    $as_root apt-get update -qq
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
fi

[ "$purpose" = test ] || exit 0
# npm ci again only where the lock file changed since the last one.
for folder in $npm_folders; do
    if [ -f "$folder/package.json" ] &&
        ! [ "$folder/node_modules/.package-lock.json" -nt "$folder/package-lock.json" ]; then
        echo "Installing the npm packages of $folder"
        # No install scripts: the packages that have them serve publishing and signing.
        (cd "$folder" && npm ci --ignore-scripts --no-audit --no-fund)
    fi
done
