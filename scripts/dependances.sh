# Installs the Debian packages Kesu needs to build, test and run, when missing.
# Sourced by run.sh, test.sh and scripts/fuzz.sh; arguments add packages.
# ghostscript and poppler-utils let the print tests read back the PDFs they print;
# locales brings localedef and the sources of the comma locales the tests use;
# clang-format checks that every source file keeps the committed format;
# nec2c, Debian's engine, lets the tests see its ground faults caught; help2man writes the manual
# page from the program's --help; qt6-tools-dev and qt6-l10n-tools bring
# lupdate and lrelease, which make the translations; Ninja and ccache make the
# builds quicker (the build also works without them); dpkg-dev and patch fetch
# and correct Debian's source of nec2c, built as Kesu's own engine (nec2c/);
# clang and its runtime libraries build the fuzz targets (fuzz/, with libFuzzer).
kesu_paquets=(cmake g++ make ninja-build ccache qt6-base-dev qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n libgl-dev fonts-wine
    fonts-liberation2 ghostscript poppler-utils locales clang-format nec2c help2man dpkg-dev patch clang libclang-rt-14-dev "$@")

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

# kesu_configure <folder> <options>: a new build folder is made for Ninja when
# it is installed; a folder already made keeps its generator.
kesu_configure() {
    if [ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null; then
        CMAKE_GENERATOR=Ninja cmake -S . -B "$@"
    else
        cmake -S . -B "$@"
    fi
}

# kesu_compile <folder>: Ninja picks its own number of jobs, a few more than
# the cores, which keeps both busy while one job links or runs moc; Make is
# given one per core.
kesu_compile() {
    if [ -f "$1/build.ninja" ]; then
        cmake --build "$1"
    else
        cmake --build "$1" -j"$(nproc)"
    fi
}

kesu_construit() {
    nec2c/obtient-source.sh
    kesu_configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    kesu_compile build
}

# Every C++ file as the committed .clang-format writes it.
kesu_verifie_format() {
    local fichiers
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        fichiers=$(git ls-files '*.cpp' '*.h')
    else
        fichiers=$(find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')
    fi
    # shellcheck disable=SC2086
    clang-format --dry-run -Werror $fichiers
}

# The whole suite again as a French desktop runs it: QApplication takes the
# desktop's locale, whose numbers are written with a decimal comma. The
# locales were compiled into the build folder by the build.
kesu_teste_locale_virgule() {
    (cd build &&
        QT_QPA_PLATFORM=offscreen LOCPATH="$PWD/locales" LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 \
        ctest --output-on-failure -j2)
}

# The whole suite again in English, as the program runs when the user chose
# it: the windows, the messages and the help in English, and the texts that
# must fit their controls fit in English too.
kesu_teste_anglais() {
    (cd build && QT_QPA_PLATFORM=offscreen KESU_LANGUE=en ctest --output-on-failure -j2)
}

# The same sources with AddressSanitizer and UndefinedBehaviorSanitizer, in a
# folder of their own so that the normal build stays as it is. This round runs
# with the results cache and the ground grids on, as every user runs them:
# the plain rounds keep them off, so that they count the engine's runs. The test
# programs are linked from the tests' code that build compiled (built first):
# only the program's code is compiled again, with the sanitisers.
kesu_construit_sanitiseurs() {
    kesu_configure build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESU_SANITIZE=ON -DKESU_TESTS_CACHE=ON \
        -DKESU_TESTS_DEPUIS="$PWD/build"
    kesu_compile build-asan
}

# Any report fails its test: undefined behaviour aborts (the build does not
# recover from it) and so does a leak. Qt under the offscreen platform leaves
# nothing behind for LeakSanitizer, so leaks stay checked.
kesu_teste_sanitiseurs() {
    (cd build-asan &&
        QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure -j2)
}

# The fuzz targets of fuzz/, built with clang in build-fuzz and each run for a
# few seconds from its corpus (scripts/fuzz.sh): a finding fails. A short run
# finds what a change breaks on the inputs the corpus already reaches; longer
# ones are scripts/fuzz.sh's own.
kesu_teste_fuzz() {
    scripts/fuzz.sh "${KESU_FUZZ_SECONDES:-10}"
}
