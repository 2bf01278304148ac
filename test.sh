#!/usr/bin/env bash
# Installs what is missing, checks that every source file is formatted, builds,
# and runs every test headless, under the "C" locale, again under French
# (decimal comma) and once more in English, while checking that no include
# climbs a floor (tests/etages); then runs the tests again built with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan
# (KESU_SANITISEURS=0 skips that round), runs each fuzz target briefly
# (KESU_FUZZ=0 skips that round, KESU_FUZZ_SECONDES sets its time per target),
# and last tries the Debian package (KESU_PAQUET=0 skips it).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/dependances.sh
kesu_installe_dependances
kesu_verifie_format
kesu_construit

# The sanitised tree is built meanwhile, at a lower priority: the plain rounds
# wait on windows and on nec2c more than they compute, and the compiler takes
# what they leave. Its output is shown once they are over.
# It runs in a process group of its own, ended with the script when a plain
# round fails first.
# The fuzz round goes the same way, lower still: its build and its runs take
# what both leave, each run bounded in time whatever it gets.
sanitiseurs=""
journal=""
fuzz=""
journalFuzz=""
finit() {
    [ -n "$sanitiseurs" ] && kill -- "-$sanitiseurs" 2>/dev/null
    [ -n "$fuzz" ] && kill -- "-$fuzz" 2>/dev/null
    [ -n "$journal" ] && rm -f "$journal"
    [ -n "$journalFuzz" ] && rm -f "$journalFuzz"
    return 0
}
trap finit EXIT
if [ "${KESU_SANITISEURS:-1}" != 0 ]; then
    journal=$(mktemp)
    setsid nice -n 10 bash -c 'source scripts/dependances.sh && kesu_construit_sanitiseurs' \
        >"$journal" 2>&1 &
    sanitiseurs=$!
fi
if [ "${KESU_FUZZ:-1}" != 0 ]; then
    journalFuzz=$(mktemp)
    setsid nice -n 15 bash -c 'source scripts/dependances.sh && kesu_teste_fuzz' \
        >"$journalFuzz" 2>&1 &
    fuzz=$!
fi

(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
kesu_teste_locale_virgule
kesu_teste_anglais
# attend <pid> <journal> <what>: waits for a background round, shows its
# output, and stops the script with its status when it failed.
attend() {
    local statut=0
    wait "$1" || statut=$?
    cat "$2"
    [ "$statut" -eq 0 ] || { echo "$3 failed (status $statut)" >&2; exit "$statut"; }
}
if [ -n "$sanitiseurs" ]; then
    attend "$sanitiseurs" "$journal" "The sanitised build"
    sanitiseurs=""
    kesu_teste_sanitiseurs
fi
if [ -n "$fuzz" ]; then
    attend "$fuzz" "$journalFuzz" "The fuzz round"
    fuzz=""
fi
# The Debian package, built from the tree the tests ran on and started from an
# empty home folder.
if [ "${KESU_PAQUET:-1}" != 0 ]; then
    scripts/teste_paquet.sh
fi
