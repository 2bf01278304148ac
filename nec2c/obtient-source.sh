#!/usr/bin/env bash
# Fetches Debian's source of nec2c, the version our corrections are written
# against, into nec2c/source (ignored by git), once. The source index is made
# from the system's own package entries when it has none, so that the source
# comes from the same archive as the binaries. Sourced or run by
# scripts/dependances.sh; needs dpkg-dev (apt-get source unpacks with it).
set -euo pipefail
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cible="$ici/source"
version="1.3-4"
[ -f "$cible/somnec.c" ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# Whether apt knows where Debian's sources are.
index_sources() {
    apt-get source --print-uris -qq "nec2c=$version" >/dev/null 2>&1
}

if ! index_sources; then
    entrees=/etc/apt/sources.list.d/kesu-deb-src.sources
    {
        # deb822 files: the same stanzas, for sources.
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -e "$f" ] && [ "$f" != "$entrees" ] || continue
            sed -n 's/^Types:.*\bdeb\b.*$/Types: deb-src/;p' "$f"
            echo
        done
    } | $sudo tee "$entrees.tmp" >/dev/null
    # One-line entries: deb becomes deb-src.
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^[[:space:]]*deb\([[:space:]]\)/deb-src\1/p' /etc/apt/sources.list |
            $sudo tee /etc/apt/sources.list.d/kesu-deb-src.list >/dev/null
    fi
    $sudo mv "$entrees.tmp" "$entrees"
    $sudo apt-get update -qq
fi

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
# apt's download user must be able to write there.
chmod 755 "$travail"
(cd "$travail" && apt-get source -qq "nec2c=$version" >/dev/null)
rm -rf "$cible"
mv "$travail"/nec2c-*/ "$cible"
