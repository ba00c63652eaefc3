#!/usr/bin/env bash
# The README's Quick start on a fresh Debian 12 machine: a minimal root from mmdebstrap with only
# git beside the base system, a clean checkout of HEAD in it, and the two commands of the Quick
# start, read from the README, run in it as root. The example's outputs must look right, and
# every test must run and pass.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

fail() {
    echo "fresh machine: $*" >&2
    exit 1
}

# The commands of the Quick start block, one a line, from the README of the commit checked.
mapfile -t commands < <(git show HEAD:README.md |
    sed -n '/^## Quick start/,/^## /{/^```sh$/,/^```$/{/^```/!p}}')
[ "${#commands[@]}" -eq 2 ] || fail "the README's Quick start holds ${#commands[@]} commands, not 2"

# The machine's own Debian sources. A source signed by another keyring than Debian's is left
# out: the root would lack its key.
sources=()
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources
do
    [ -s "$file" ] || continue
    grep -i 'signed-by' "$file" | grep -qv 'debian-archive-keyring' || sources+=("$file")
done

root="$(mktemp -d)"
trap 'rm -rf --one-file-system "$root"' EXIT
mmdebstrap --quiet --variant=minbase --include=git bookworm "$root" "${sources[@]}"
# The network as this machine reaches it: its name servers, and its local certificate
# authorities, which the root's ca-certificates package takes in when the commands install it.
cp /etc/resolv.conf "$root/etc/resolv.conf"
if [ -d /usr/local/share/ca-certificates ]; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp -r /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
fi
git clone --quiet --no-checkout . "$root/root/tevlin"
git -C "$root/root/tevlin" checkout --quiet "$(git rev-parse HEAD)"
# The host's downloaded packages, linked in to save downloading them again; apt checks each
# against the root's own package lists before it takes it.
cp -l /var/cache/apt/archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true

# Each command in the root as root at a new shell would run it, without the CI variable, so that
# a test skips only where its tool is missing. The mounts live in a mount namespace of their own
# and end with it. The commands' output goes to a log, shown in part when one fails.
log="$root/quick_start.log"
for command in "${commands[@]}"; do
    echo "\$ $command"
    command_start=$SECONDS
    if ! unshare --mount --propagation private bash -c '
        set -e
        root=$1
        for folder in dev dev/pts dev/shm proc sys; do
            mkdir -p "$root/$folder"
            mount --bind "/$folder" "$root/$folder"
        done
        exec chroot "$root" env -i HOME=/root TERM=dumb \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            bash -c "cd /root/tevlin && $2"' -- "$root" "$command" >>"$log" 2>&1; then
        tail -n 100 "$log"
        fail "the command failed"
    fi
    echo "the command took $((SECONDS - command_start)) s"
done

# The example's outputs, as the first command left them: a clean run.
checkout="$root/root/tevlin"
[ "$(wc -l <"$checkout/examples/demo.mem")" -eq 1024 ] || fail "demo.mem is not 1024 lines"
! grep -qvx '[0-9A-F]\{5\}' "$checkout/examples/demo.mem" ||
    fail "demo.mem holds a line that is no word"
[ -f "$checkout/examples/demo.err" ] && [ ! -s "$checkout/examples/demo.err" ] ||
    fail "demo.err is missing or not empty"
grep -q "^Symbol Table Key" "$checkout/examples/demo.asl" || fail "demo.asl has no symbol report"
for rom in prog_rom.vhd xprog_rom.vhd; do
    grep -q '^entity prog_rom is' "$checkout/$rom" || fail "$rom holds no entity"
done
# The commands leave nothing that git would take for a change.
changes="$(git -C "$checkout" status --porcelain)"
[ -z "$changes" ] || fail "files that git does not ignore: $changes"
# Every test ran and passed.
grep '^[0-9]*% tests passed' "$log"
grep -q '^100% tests passed' "$log" || fail "not every test passed"
! grep -q 'Skipped' "$log" || fail "some tests were skipped: $(grep 'Skipped' "$log")"
echo "the fresh machine took $((SECONDS - start)) s"
