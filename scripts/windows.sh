#!/usr/bin/env bash
# Kesu for Windows, built from this tree on Debian 12 (as root): MinGW-w64
# cross compilers, a Qt of Debian's own qt6-base source cross-built once and
# kept, then Kesu and its corrected engine, then an installer made by NSIS.
# Not part of ./test.sh. The kept Qt lives in $KESU_WINDOWS_CACHE
# (~/.cache/kesu-windows by default): a second run takes minutes.
#
#   scripts/windows.sh qt      builds (once) and keeps the cross-built Qt
#   scripts/windows.sh kesu    then cross-builds Kesu and its corrected engine
#
# The installer and the checks under Wine are still to come.
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$PWD
cache=${KESU_WINDOWS_CACHE:-$HOME/.cache/kesu-windows}
qt=$cache/qt-6.4.2-mingw64
mkdir -p "$cache"

paquets=(g++-mingw-w64-x86-64-posix cmake ninja-build dpkg-dev qt6-base-dev qt6-tools-dev
    qt6-base-dev-tools nsis wine64 xvfb xauth)
installe() {
    local manque=()
    for p in "${paquets[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || manque+=("$p")
    done
    if [ ${#manque[@]} -gt 0 ]; then
        apt-get update -q
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${manque[@]}"
    fi
}

# Debian's qt6-base, the very version the Linux build uses: its host tools
# (moc, rcc, uic) serve the cross build.
source_qt() {
    local version
    version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    if [ ! -d "$cache/src/qtbase" ]; then
        # The source index comes with the engine's own source, which the
        # Windows engine is built from too.
        bash nec2c/obtient-source.sh
        rm -rf "$cache/src" && mkdir -p "$cache/src"
        (cd "$cache/src" && apt-get source -q "qt6-base=$version" >/dev/null)
        mv "$cache/src"/qt6-base-*/ "$cache/src/qtbase"
    fi
}

construit_qt() {
    [ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] && return
    source_qt
    # Debian's source lacks wintab.h: no tablet events. The Windows platform
    # plugin does not build with OpenGL off: desktop OpenGL comes with MinGW.
    cmake -S "$cache/src/qtbase" -B "$cache/build-qt" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$racine/packaging/windows/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_network=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF
    cmake --build "$cache/build-qt"
    cmake --install "$cache/build-qt"
}

# The pictures are drawn at build time by a program of the build machine's.
construit_kesu() {
    construit_qt
    bash nec2c/obtient-source.sh
    local natif=$cache/build-natif
    cmake -S . -B "$natif" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$natif" --target kesu_genpictures
    local generateur
    generateur=$(find "$natif" -name kesu_genpictures -type f -perm -u+x | head -n 1)
    "$qt/bin/qt-cmake" -S . -B "$cache/build-kesu" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=OFF -DKESU_GENPICTURES="$generateur"
    cmake --build "$cache/build-kesu"
}

installe
case "${1:-qt}" in
qt) construit_qt ;;
kesu) construit_kesu ;;
*) echo "scripts/windows.sh qt|kesu" >&2; exit 2 ;;
esac
