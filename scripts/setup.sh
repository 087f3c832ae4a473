#!/usr/bin/env bash
# Installs what is missing, builds, and either starts Arvelo Rezu in its
# working folder ("run"), runs every test ("test") or builds the Debian
# package ("package").
#
#   scripts/setup.sh run      build in release mode, prepare the working folder, start the program
#   scripts/setup.sh test     build and run all tests
#   scripts/setup.sh package  build build/arvelo-rezu_<version>_<arch>.deb and check it with lintian
#
# Environment: REZU_WORKDIR  working folder of the program (default: ~/ArveloRezu)
#              REZU_BUILD    build folder (default: build/ in the repository)
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${REZU_BUILD:-$repo/build}"
workdir="${REZU_WORKDIR:-$HOME/ArveloRezu}"

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev
  libsqlite3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  help2man
)
# The installation test validates the menu entry and metainfo and reads the
# valve list of the working folder it prepares; the protocol test reads its
# PDF with pdftotext and pdfinfo.
test_packages=(desktop-file-utils appstream sqlite3 poppler-utils)
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

build_all() {
  cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release
  cmake --build "$build" -j "$(nproc)"
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
    exec "$build/app/arvelo-rezu"
    ;;
  test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build_all
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
    ;;
  package)
    install_missing "${packages[@]}" "${package_packages[@]}"
    build_all
    (cd "$build" && cpack -G DEB)
    # Errors fail the command; warnings are shown.
    lintian --fail-on error "$build"/arvelo-rezu_*.deb
    ;;
  *)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
