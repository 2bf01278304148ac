#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless, under the "C"
# locale, again under French (decimal comma) and once more in English, after
# checking that every source file is formatted and while checking that no include climbs a floor
# (tests/etages); then builds
# the tests again with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs them there (KESU_SANITISEURS=0 skips that second round).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/dependances.sh
kesu_installe_dependances
kesu_verifie_format
kesu_construit
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
kesu_teste_locale_virgule
kesu_teste_anglais
if [ "${KESU_SANITISEURS:-1}" != 0 ]; then
    kesu_construit_sanitiseurs
    kesu_teste_sanitiseurs
fi
# The Debian package, built under the default prefix and under /usr, started
# from an empty home folder (KESU_PAQUET=0 skips it).
if [ "${KESU_PAQUET:-1}" != 0 ]; then
    scripts/teste_paquet.sh
fi
