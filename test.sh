#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless; then builds
# the tests again with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs them there (KESU_SANITISEURS=0 skips that second round).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/dependances.sh
kesu_installe_dependances
kesu_construit
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
if [ "${KESU_SANITISEURS:-1}" != 0 ]; then
    kesu_construit_sanitiseurs
    kesu_teste_sanitiseurs
fi
# The Debian package, built under the default prefix and under /usr, started
# from an empty home folder (KESU_PAQUET=0 skips it).
if [ "${KESU_PAQUET:-1}" != 0 ]; then
    scripts/teste_paquet.sh
fi
