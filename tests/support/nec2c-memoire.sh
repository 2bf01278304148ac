#!/bin/sh
# nec2c for the window tests, called as the program calls it (-i deck -o
# output, in a folder of the run's own): a deck already computed in this build
# folder is answered from the output nec2c gave it then, so that the many
# tests that only need the default antenna's real impedances pay for nec2c
# once, not once each. A new deck goes to the real nec2c, and its output is
# kept only when nec2c succeeded.
[ "$1" = -i ] && [ "$3" = -o ] || exec nec2c "$@"
memoire="$(dirname "$0")/nec2c-memoire.d"
cle=$(sha256sum <"$2" | cut -d' ' -f1)
if [ -f "$memoire/$cle" ]; then
    exec cp "$memoire/$cle" "$4"
fi
nec2c "$@" || exit $?
mkdir -p "$memoire"
# Written aside then renamed: two tests running at once never read half a file.
cp "$4" "$memoire/$cle.$$" && mv "$memoire/$cle.$$" "$memoire/$cle"
