#!/usr/bin/env bash
# Sets up a Debian 12 machine for Remisator, builds it and either starts the program or runs the tests.
#   ./run.sh start   install what is missing, build the release version and start the program
#   ./run.sh test    install what is missing, build the development version and run every test,
#                    then the fuzz targets for 20 s each and every test again under the sanitizers
#   ./run.sh paket   install what is missing and build the Debian package build/paket/remisator_*.deb
set -euo pipefail
cd "$(dirname "$0")"

pakete=(
  cmake ninja-build g++ pkg-config lld
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev
  libcurl4-openssl-dev libjpeg62-turbo-dev libssl-dev libcpp-httplib-dev libbenchmark-dev
  fonts-dejavu-core fonts-crosextra-carlito fonts-liberation2 fonts-comfortaa
  qt6-translations-l10n
  qt6-charts-dev
  libqrencode-dev libzbar-dev poppler-utils shared-mime-info
  clang-14 libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev
)

fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  als_root=()
  [ "$(id -u)" -eq 0 ] || als_root=(sudo)
  echo "Installiere: ${fehlend[*]}"
  "${als_root[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y "${fehlend[@]}"
fi

# --- The Debian package ---
# Built by CPack from a release build of its own (the presets "paket": prefix /usr, no tests).
paket_bauen() {
  cmake --preset paket
  cmake --build --preset paket
  rm -f build/paket/remisator_*.deb
  cpack --preset paket
}
# A stage of the tests: as root (as in CI) the package is built, installed with apt-get, tried from
# /usr/bin and removed again. Elsewhere a test run installs nothing.
paket_probe() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "Paketprobe übersprungen: nur als root (wie in CI) wird das Paket installiert und entfernt."
    return
  fi
  paket_bauen
  bash paket/paketprobe.sh build/paket/remisator_*.deb
}
# --- end of the Debian package ---

case "${1:-}" in
  start)
    cmake --preset release
    cmake --build --preset release
    exec ./build/release/app/remisator
    ;;
  test)
    # The development build and its tests; then every reader of outside bytes under the fuzzer for
    # a short time, and the whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
    stufe() {
      local beginn=$SECONDS
      "$@"
      echo "-- $* ($((SECONDS - beginn)) s)"
    }
    stufe cmake --preset dev
    stufe cmake --build --preset dev
    stufe ctest --preset dev
    stufe cmake --preset fuzz
    stufe cmake --build --preset fuzz
    stufe fuzz/laufen.sh 20
    stufe cmake --preset asan
    stufe cmake --build --preset asan
    stufe ctest --preset asan
    stufe paket_probe
    ;;
  paket)
    paket_bauen
    ;;
  *)
    echo "Aufruf: $0 start | test | paket" >&2
    exit 1
    ;;
esac
