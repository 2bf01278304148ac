#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kesu in a per-user working
# folder seeded with the default band settings file.
set -euo pipefail
cd "$(dirname "$0")"
# The arguments are the program's: a sourced script would see them as its own
# (dependances.sh takes its arguments as packages to install).
arguments=("$@")
set --
source scripts/dependances.sh
kesu_installe_dependances
kesu_construit

programme="$PWD/build/kesu"
travail="${XDG_DATA_HOME:-$HOME/.local/share}/kesu"
mkdir -p "$travail"
# The band table is the user's: seeded once, never overwritten. The help
# document stays beside the program, where the program finds it.
[ -e "$travail/Kesu.ini" ] || cp build/Kesu.ini "$travail/Kesu.ini"
cd "$travail"
exec "$programme" "${arguments[@]}"
