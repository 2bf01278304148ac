#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang and runs each for a bounded time.
#   scripts/fuzz.sh [seconds per target, default 60] [target...]
# Corpora grow in build-fuzz/corpus/<target>; a finding is written to
# build-fuzz/findings/<target>/ and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/dependances.sh clang libclang-rt-14-dev
kesu_installe_dependances

duree=${1:-60}
shift || true
cibles=("$@")
[ ${#cibles[@]} -eq 0 ] && cibles=(fuzz_fichierbandes fuzz_strtoint fuzz_strtoreal)

construction=build-fuzz
# The build runs the picture generator, itself built with the sanitizers: Qt's
# own allocations that live until exit are not this program's leaks.
ASAN_OPTIONS=detect_leaks=0 CC=clang CXX=clang++ \
    cmake -S fuzz -B "$construction" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ASAN_OPTIONS=detect_leaks=0 cmake --build "$construction" -j"$(nproc)" --target "${cibles[@]}"

# Seeds: what each reader meets in normal use.
graines() {
    local dossier=$construction/corpus/$1
    mkdir -p "$dossier"
    [ -n "$(ls -A "$dossier")" ] && return 0
    case $1 in
    fuzz_fichierbandes)
        cp src/resources/Kesu.ini "$dossier/kesu.ini"
        printf '80 3650\r\n40 7050\r\n30 10120\r\n20 14100\r\n17 18100\r\n15 21200\r\n12 24940\r\n10 28500\r\n\032' \
            >"$dossier/ctrl-z"
        printf ' 9  $E10\r\n40 7050 comment\r\n' >"$dossier/courte"
        ;;
    fuzz_strtoint)
        for t in 2062 3000 ' 1850' -9999 '$7FFFFFFF' -2147483648 '+12' '1 ' ''; do
            printf '%s' "$t" >"$dossier/$(printf '%s' "$t" | md5sum | cut -c1-12)"
        done
        ;;
    fuzz_strtoreal)
        for t in 0.97 0.92 0.8 '0,6' ' -1.5e3' '.5' '5.' 1e308 1e-400 abc ''; do
            printf '%s' "$t" >"$dossier/$(printf '%s' "$t" | md5sum | cut -c1-12)"
        done
        ;;
    esac
}

echec=0
for cible in "${cibles[@]}"; do
    graines "$cible"
    trouvailles=$construction/findings/$cible
    mkdir -p "$trouvailles"
    journal=$construction/$cible.log
    echo "== $cible: ${duree} s"
    if "$construction/$cible" "$construction/corpus/$cible" -max_total_time="$duree" \
        -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$trouvailles/" \
        -print_final_stats=1 >"$journal" 2>&1; then
        grep -E '^Done [0-9]+ runs' "$journal" || true
        echo "   no finding"
    else
        echec=1
        tail -n 40 "$journal"
        echo "   FINDING: see $trouvailles/ and $journal"
    fi
done
exit $echec
