#!/usr/bin/env bash
# The README's Quick start on a fresh Debian 12 machine: a minimal root from mmdebstrap with only
# git beside the base system, a clean checkout of HEAD in it, and the two commands of the Quick
# start, read from the README, run in it as root. The example's outputs must look right, and
# every test must run and pass.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

# The Quick start block's commands, one a line.
mapfile -t commands < <(sed -n '/^## Quick start/,/^## /{/^```sh$/,/^```$/{/^```/!p}}' README.md)
if [ "${#commands[@]}" -ne 2 ]; then
    echo "the README's Quick start holds ${#commands[@]} commands, not 2" >&2
    exit 1
fi

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
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone --quiet --no-checkout . "$root/root/tevlin"
git -C "$root/root/tevlin" checkout --quiet "$(git rev-parse HEAD)"
# The host's downloaded packages, linked in to save downloading them again; apt checks each
# against the root's own package lists before it takes it.
cp -l /var/cache/apt/archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true

# Each command in the root as a login shell would run it, without the CI variable, so that a
# test skips only where its tool is missing. The mounts live in a mount namespace of their own
# and end with it.
log="$root/quick_start.log"
for command in "${commands[@]}"; do
    echo "\$ $command"
    unshare --mount --propagation private bash -c '
        set -e
        root=$1
        for folder in dev dev/pts dev/shm proc sys; do
            mkdir -p "$root/$folder"
            mount --bind "/$folder" "$root/$folder"
        done
        exec chroot "$root" env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            bash -c "cd /root/tevlin && $2"' -- "$root" "$command" 2>&1 | tee -a "$log"
done

# The example's outputs, as the first command left them.
example="$root/root/tevlin/examples"
[ "$(wc -l <"$example/demo.mem")" -eq 1024 ]
grep -qvx '[0-9A-F]\{5\}' "$example/demo.mem" && { echo "demo.mem: a line that is no word" >&2; exit 1; }
[ ! -s "$example/demo.err" ]
grep -q '^entity prog_rom is' "$root/root/tevlin/prog_rom.vhd"
grep -q '^entity prog_rom is' "$root/root/tevlin/xprog_rom.vhd"
# The tests: all passed (the pipe above fails with ctest), none skipped.
grep -q '^100% tests passed' "$log"
if grep -q 'Skipped' "$log"; then
    echo "some tests were skipped on the fresh machine" >&2
    exit 1
fi
echo "the fresh machine took $((SECONDS - start)) s"
