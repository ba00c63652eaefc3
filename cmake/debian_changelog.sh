#!/bin/sh
# Writes CHANGELOG.md as Debian keeps the changelog of a native package, compressed: a heading
# "## VERSION (YYYY-MM-DD)" opens an entry, "(unreleased)" one dated now; an item "- " becomes
# "  * ", and its lines that go on are indented by two more.
#
#   debian_changelog.sh CHANGELOG.md 'NAME <ADDRESS>' changelog.gz
set -eu

awk -v maintainer="$2" '
function end_entry() {
    printf "\n -- %s  %s\n", maintainer, date
}
/^## / {
    if (version != "") {
        end_entry()
        print ""
    }
    version = $2
    day = $3
    gsub(/[()]/, "", day)
    distribution = day == "unreleased" ? "UNRELEASED" : "unstable"
    command = day == "unreleased" ? "date -R -u" : "date -R -u -d " day
    command | getline date
    close(command)
    printf "tevlin (%s) %s; urgency=medium\n\n", version, distribution
    next
}
version == "" || /^$/ { next }
/^- / { print "  * " substr($0, 3); next }
{ print "  " $0 }
END { if (version != "") end_entry() }
' "$1" | gzip -9 -n >"$3"
