#!/bin/sh
# nec2c for the window tests, called as the program calls it (-i deck -o
# output, in a folder of the run's own): a deck already computed in this build
# folder is answered from the output nec2c gave it then, so that the many
# tests that only need the default antenna's real impedances pay for nec2c
# once, not once each. A new deck goes to the real engine (KESU_NEC2C, as the
# program finds it; nec2c otherwise), and its output is kept only when it
# succeeded.
moteur="${KESU_NEC2C:-nec2c}"
[ "$1" = -i ] && [ "$3" = -o ] || exec "$moteur" "$@"
memoire="$(dirname "$0")/nec2c-memoire.d"
# The engine is part of the question: another one may answer otherwise, and
# so may the same one rebuilt with another correction, whose path stays: its
# content is asked, not its name.
chemin=$(command -v "$moteur") || exec "$moteur" "$@"
cle=$( (cat "$2"; sha256sum <"$chemin") | sha256sum | cut -d' ' -f1)
if [ -f "$memoire/$cle" ]; then
    exec cp "$memoire/$cle" "$4"
fi
"$moteur" "$@" || exit $?
mkdir -p "$memoire"
# Written aside then renamed: two tests running at once never read half a file.
cp "$4" "$memoire/$cle.$$" && mv "$memoire/$cle.$$" "$memoire/$cle"
