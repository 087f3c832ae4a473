#!/usr/bin/env bash
# Installs what is missing, builds, and either starts Arvelo Rezu in its
# working folder ("run"), runs every test ("test") or builds the Debian
# package ("package").
#
#   scripts/setup.sh run      build in release mode, prepare the working folder, start the program
#   scripts/setup.sh test     build and run all tests
#   scripts/setup.sh package  build build-package/arvelo-rezu_<version>_<arch>.deb with Debian's
#                             hardening flags and check it with lintian
#   scripts/setup.sh asan     build the programs and tests with AddressSanitizer and
#                             UndefinedBehaviorSanitizer (build-asan/) and run all tests
#   scripts/setup.sh replay   build the fuzz targets with clang (build-fuzz/) and
#                             run each over its seed corpus in fuzz/corpus/
#   scripts/setup.sh fuzz [SECONDS]
#                             run every fuzz target for SECONDS (default 60), one
#                             after the other; new inputs go to build-fuzz/corpus/
#
# Environment: REZU_WORKDIR  working folder of the program (default: ~/ArveloRezu)
#              REZU_BUILD    build folder (default: build/ in the repository)
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${REZU_BUILD:-$repo/build}"
workdir="${REZU_WORKDIR:-$HOME/ArveloRezu}"

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev qt6-translations-l10n
  libsqlite3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  help2man lld ninja-build
)
# The installation test validates the menu entry and metainfo and reads the
# valve list of the working folder it prepares; the protocol test reads its
# PDF with pdftotext and pdfinfo, and draws letters beyond Roboto's (the
# mathematical alphabets) in the system's DejaVu faces.
test_packages=(desktop-file-utils appstream sqlite3 poppler-utils fonts-dejavu-extra)
# The fuzz targets are built with clang and its sanitizer runtime.
fuzz_packages=(clang libclang-rt-14-dev)
# CPack computes the dependencies with dpkg-shlibdeps.
package_packages=(dpkg-dev file lintian)

install_missing() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# ccache where the machine has it; a clean machine builds without, and a
# folder configured while ccache was there forgets it once it is gone.
launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=)
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# A new build folder is built with Ninja, which keeps both cores busy across
# the folders where make waits at each one's end; a folder made earlier
# keeps the generator it was made with, as CMake requires.
configure() {
  local folder="$1"
  shift
  local generator=()
  [ -f "$folder/CMakeCache.txt" ] || generator=(-G Ninja)
  cmake -S "$repo" -B "$folder" "${generator[@]}" "$@"
}

build_all() {
  configure "$build" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
  cmake --build "$build" -j "$(nproc)"
}

asan_build="$repo/build-asan"
package_build="$repo/build-package"
fuzz_build="$repo/build-fuzz"

build_asan() {
  configure "$asan_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREZU_SANITIZE=ON -DREZU_TESTS_ONLY=ON "${launcher[@]}"
  cmake --build "$asan_build" -j "$(nproc)"
}

# Only the fuzz targets and the libraries they need.
build_fuzz() {
  local targets=()
  for source in "$repo"/fuzz/*_fuzz.cpp; do targets+=(--target "$(basename "$source" .cpp)"); done
  CXX=clang++ configure "$fuzz_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREZU_FUZZ=ON "${launcher[@]}"
  cmake --build "$fuzz_build" -j "$(nproc)" "${targets[@]}"
}

# Any sanitizer report, leaks included, fails the test that made it.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Runs every fuzz target for the given seconds, one after the other, and
# prints how many inputs each ran.
fuzz_all() {
  local seconds="$1" target name log
  for target in "$fuzz_build"/fuzz/*_fuzz; do
    name="$(basename "$target" _fuzz)"
    mkdir -p "$fuzz_build/corpus/$name"
    log="$fuzz_build/corpus/$name.log"
    "$target" -max_total_time="$seconds" -print_final_stats=1 \
      "$fuzz_build/corpus/$name" "$repo/fuzz/corpus/$name" >"$log" 2>&1 ||
      { tail -n 40 "$log"; echo "fuzz target $name found a fault (log: $log)" >&2; return 1; }
    echo "$name: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') executions in $seconds s"
  done
}

# The installed programs only, built as Debian builds its packages: the
# compiler and linker flags of dpkg-buildflags with every hardening feature
# (fortify, stack protector, relro, bindnow, PIE). The flags differ from
# those of build/, hence a folder of its own; the tests run in "test".
build_package() {
  local cxxflags ldflags
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cxxflags="$(cd "$repo" && dpkg-buildflags --get CPPFLAGS) $(cd "$repo" && dpkg-buildflags --get CXXFLAGS)"
  ldflags="$(dpkg-buildflags --get LDFLAGS)"
  configure "$package_build" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
  cmake --build "$package_build" -j "$(nproc)" \
    --target arvelo-rezu arvelo-size arvelo-catalogue manual_pages package_changelog
}

prepare_workdir() {
  # Creates the catalogue, or refreshes its tables in place; the valve list
  # (table progetti) is always kept.
  "$build/catalogue/arvelo-catalogue" "$workdir/DB/mvd.db"
}

case "${1:-}" in
  run)
    install_missing "${packages[@]}"
    build_all
    prepare_workdir
    cd "$workdir"
    exec "$build/qt/app/arvelo-rezu"
    ;;
  test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build_all
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
    ;;
  package)
    install_missing "${packages[@]}" "${package_packages[@]}"
    build_package
    rm -f "$package_build"/arvelo-rezu_*.deb
    (cd "$package_build" && cpack -G DEB)
    # Errors fail the command; every other tag, pedantic ones included, is shown.
    lintian --fail-on error --pedantic -I "$package_build"/arvelo-rezu_*.deb
    ;;
  asan)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build_asan
    export QT_QPA_PLATFORM=offscreen
    status=0
    ctest --test-dir "$asan_build" --output-on-failure -j "$(nproc)" || status=$?
    # A suite run again after the leak checker's tracer crashed says so here,
    # passed or not (see cmake/sanitized_suite.sh).
    grep -h '^sanitized_suite:' "$asan_build/Testing/Temporary/LastTest.log" || true
    exit "$status"
    ;;
  replay)
    install_missing "${packages[@]}" "${fuzz_packages[@]}"
    build_fuzz
    ctest --test-dir "$fuzz_build" --output-on-failure -j "$(nproc)"
    ;;
  fuzz)
    install_missing "${packages[@]}" "${fuzz_packages[@]}"
    build_fuzz
    fuzz_all "${2:-60}"
    ;;
  *)
    echo "usage: $0 run|test|package|asan|replay|fuzz [SECONDS]" >&2
    exit 2
    ;;
esac
