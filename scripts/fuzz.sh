#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang and runs each for a bounded time.
#   scripts/fuzz.sh [seconds per target, default 60] [target...]
# Each target starts from the small files in fuzz/corpus/<target> (what the
# reader meets in normal use); what it finds new is kept in
# build-fuzz/corpus/<target>, which later runs start from too. A finding is written to
# build-fuzz/findings/<target>/ and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/dependances.sh clang libclang-rt-14-dev
kesu_installe_dependances

duree=${1:-60}
shift || true
cibles=("$@")
[ ${#cibles[@]} -eq 0 ] && cibles=(fuzz_fichierbandes fuzz_strtoint fuzz_strtoreal fuzz_projet
    fuzz_sortienec fuzz_nombre fuzz_entreecache fuzz_mesure)

construction=build-fuzz
# The build runs the picture generator, itself built with the sanitizers: Qt's
# own allocations that live until exit are not this program's leaks.
ASAN_OPTIONS=detect_leaks=0 CC=clang CXX=clang++ \
    cmake -S fuzz -B "$construction" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ASAN_OPTIONS=detect_leaks=0 cmake --build "$construction" -j"$(nproc)" --target "${cibles[@]}"

echec=0
for cible in "${cibles[@]}"; do
    mkdir -p "$construction/corpus/$cible"
    trouvailles=$construction/findings/$cible
    mkdir -p "$trouvailles"
    journal=$construction/$cible.log
    echo "== $cible: ${duree} s"
    if "$construction/$cible" "$construction/corpus/$cible" "fuzz/corpus/$cible" \
        -max_total_time="$duree" \
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
