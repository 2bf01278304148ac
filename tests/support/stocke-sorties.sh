#!/bin/sh
# Runs the engine again on stored decks and keeps its outputs beside them, as
# the tests read them: ./stocke-sorties.sh ENGINE DECK.nec... writes each
# DECK.out. The heading of nec2c's geometry listing is left out: the output
# reader never looks at it. Used when the deck's cards or the engine change.
set -eu
moteur=$(realpath "$1")
shift
for deck in "$@"; do
    dossier=$(mktemp -d)
    cp "$deck" "$dossier/kesu.nec"
    (cd "$dossier" && "$moteur" -i kesu.nec -o kesu.out)
    grep -v -e 'STRUCTURE S[A-Z]*ATION' -e 'COORDINATES MUST BE INPUT IN' \
        -e 'METERS OR BE SCALED TO METERS' -e 'BEFORE STRUCTURE INPUT IS ENDED' \
        "$dossier/kesu.out" >"${deck%.nec}.out"
    rm -rf "$dossier"
done
