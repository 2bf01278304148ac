#!/usr/bin/env bash
# The Debian package as a user gets it, made with CPack from the normal build,
# the one the tests ran on (CPack places it under /usr whatever the build's
# install prefix). KESU_PAQUET_USR=1 also builds build-deb, configured for /usr
# as the README shows, and tries its package too. Each package is unpacked in
# a folder of its own, away from /usr where it expects to live; its launcher
# is started from an empty home folder and asked to end once its window is
# shown. Fails when lintian reports a warning or an error, when the menu entry
# is invalid, when the manual page is missing, when an installed file names the
# folder it was built in, when the program does not start and end cleanly,
# when the first start does not seed the default band table, or when the
# English is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/dependances.sh dpkg-dev file binutils desktop-file-utils lintian
kesu_installe_dependances

sources=$PWD

teste_paquet() {
    local construction
    construction=$(cd "$1" && pwd)
    rm -f "$construction"/kesu_*.deb
    (cd "$construction" && cpack -G DEB >/dev/null)
    local paquet=("$construction"/kesu_*.deb)
    echo "== ${paquet[0]#"$sources"/}"
    lintian --fail-on warning "${paquet[0]}"

    local arbre="$construction/paquet-deballe"
    rm -rf "$arbre"
    dpkg-deb -x "${paquet[0]}" "$arbre"
    desktop-file-validate "$arbre/usr/share/applications/kesu.desktop"
    gzip -t "$arbre/usr/share/man/man1/kesu.1.gz"

    # The sources hold the build folders, so one name catches both.
    local fichier nomme=0
    while IFS= read -r -d '' fichier; do
        if { case $fichier in *.gz) gzip -dc "$fichier" ;; *) cat "$fichier" ;; esac; } |
            strings | grep -qF "$sources"; then
            echo "${fichier#"$arbre"} names $sources" >&2
            nomme=1
        fi
    done < <(find "$arbre" -type f -print0)
    [ $nomme -eq 0 ]

    local maison
    maison=$(mktemp -d)
    env -i HOME="$maison" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
        "$arbre/usr/bin/kesu" --quitte-apres-affichage 2>/dev/null ||
        { echo "the installed program failed to start (status $?)" >&2; return 1; }
    cmp src/resources/Kesu.ini "$maison/.local/share/kesu/Kesu.ini"
    # The English translation and help are found in the installed tree.
    env -i HOME="$maison" PATH=/usr/bin:/bin "$arbre/usr/bin/kesu" --langue en --help |
        grep -q '^Usage: ' || { echo "the installed program has no English" >&2; return 1; }
    [ -f "$arbre/usr/share/kesu/Kesu.en.hlp" ]
    rm -rf "$maison" "$arbre"
}

kesu_construit
teste_paquet build

if [ "${KESU_PAQUET_USR:-0}" != 0 ]; then
    kesu_configure build-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF
    cmake --build build-deb -j"$(nproc)"
    teste_paquet build-deb
fi
echo "Packages OK"
