# Installs the Debian packages Kesu needs to build, test and run, when missing.
# Sourced by run.sh and test.sh.
kesu_paquets=(cmake g++ make qt6-base-dev qt6-translations-l10n libgl-dev fonts-wine fonts-liberation2 "$@")

kesu_installe_dependances() {
    local manquants=()
    for p in "${kesu_paquets[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            manquants+=("$p")
    done
    [ ${#manquants[@]} -eq 0 ] && return 0
    echo "Installing: ${manquants[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
}

kesu_construit() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j"$(nproc)"
}
