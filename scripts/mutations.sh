#!/usr/bin/env bash
# Makes each slip of scripts/mutations.txt in turn, rebuilds, runs the tests
# that slip should trip, and says whether they caught it; the source is put
# back after each one (and on any exit). Not part of ./test.sh: a full pass
# rebuilds once a slip.
#   scripts/mutations.sh [-l list] [number...]
# The list has one slip a line, four fields separated by " ||| ":
#   file ||| exact text (once in the file) ||| replacement ||| ctest regex
# "\n" in a text stands for a line end. Lines starting with # are comments. Builds in build-mutations (Release with
# line tables, the tests' own build type), leaving build/ as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
liste=scripts/mutations.txt
if [ "${1:-}" = -l ]; then
    liste=$2
    shift 2
fi
choisis=("$@")
# The numbers are not packages: dependances.sh takes its arguments as such.
set --

source scripts/dependances.sh
kesu_installe_dependances
nec2c/obtient-source.sh
construction=build-mutations
kesu_configure "$construction" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
kesu_compile "$construction" >/dev/null

sauvegarde=""
fichier=""
remet() {
    if [ -n "$sauvegarde" ]; then
        cp "$sauvegarde" "$fichier"
        rm -f "$sauvegarde"
        sauvegarde=""
    fi
}
trap remet EXIT INT TERM

attrapees=0
manquees=()
numero=0
while IFS= read -r ligne || [ -n "$ligne" ]; do
    case $ligne in '' | '#'*) continue ;; esac
    numero=$((numero + 1))
    if [ ${#choisis[@]} -gt 0 ] && [[ ! " ${choisis[*]} " == *" $numero "* ]]; then
        continue
    fi
    fichier=$(awk -F' \\|\\|\\| ' '{print $1}' <<<"$ligne")
    export KESU_AVANT KESU_APRES
    KESU_AVANT=$(awk -F' \\|\\|\\| ' '{print $2}' <<<"$ligne")
    KESU_APRES=$(awk -F' \\|\\|\\| ' '{print $3}' <<<"$ligne")
    tests=$(awk -F' \\|\\|\\| ' '{print $4}' <<<"$ligne")
    sauvegarde=$(mktemp)
    cp "$fichier" "$sauvegarde"
    # The text must stand once exactly: a slip that no longer applies says so
    # rather than counting as caught.
    if ! python3 - "$fichier" <<'PY'; then
import os, sys
chemin = sys.argv[1]
texte = open(chemin, encoding="utf-8", newline="").read()
# "\n" in a field stands for a line end, so that a slip may span lines.
avant, apres = (os.environ[v].replace("\\n", "\n") for v in ("KESU_AVANT", "KESU_APRES"))
if texte.count(avant) != 1:
    sys.exit(1)
open(chemin, "w", encoding="utf-8", newline="").write(texte.replace(avant, apres))
PY
        echo "$numero  STALE   $fichier: the text is not there once"
        manquees+=("$numero (stale)")
        remet
        continue
    fi
    if ! kesu_compile "$construction" >"$construction/mutation.log" 2>&1; then
        echo "$numero  CAUGHT  $fichier (does not build)"
        attrapees=$((attrapees + 1))
    elif (cd "$construction" && QT_QPA_PLATFORM=offscreen ctest -R "$tests" -j2 >mutation-tests.log 2>&1); then
        echo "$numero  MISSED  $fichier: $KESU_AVANT -> $KESU_APRES"
        manquees+=("$numero")
    else
        echo "$numero  CAUGHT  $fichier ($(grep -c 'Failed\|\*\*\*' "$construction/mutation-tests.log") failing)"
        attrapees=$((attrapees + 1))
    fi
    remet
done <"$liste"
kesu_compile "$construction" >/dev/null
total=$((attrapees + ${#manquees[@]}))
echo "caught $attrapees of $total${manquees[*]:+; missed: ${manquees[*]}}"
[ ${#manquees[@]} -eq 0 ]
