#!/usr/bin/env bash
# Sets up a Debian 12 machine for Remisator, builds it and either starts the program or runs the tests.
#   ./run.sh start   install what is missing, build the release version and start the program
#   ./run.sh test    install what is missing, build the development version and run every test,
#                    then the fuzz targets for 20 s each and every test again under the sanitizers
set -euo pipefail
cd "$(dirname "$0")"

pakete=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev
  libcurl4-openssl-dev libjpeg62-turbo-dev libssl-dev libcpp-httplib-dev libbenchmark-dev
  fonts-dejavu-core fonts-crosextra-carlito fonts-liberation2 fonts-comfortaa
  qt6-translations-l10n
  qt6-charts-dev
  libqrencode-dev libzbar-dev
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
    ;;
  *)
    echo "Aufruf: $0 start | test" >&2
    exit 1
    ;;
esac
