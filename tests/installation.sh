#!/usr/bin/env bash
# The installation into a staging folder, as the package takes it.
#   installation.sh aufbau BUILD STAGING VERSION   installs, checks the layout and runs the programs
#   installation.sh pruefen STAGING                 validates the menu entry and the AppStream data
#   installation.sh praefix BUILD                   cpack refuses a build folder not made for /usr
set -euo pipefail

id=example.remisator.Remisator

# Every file the installation puts down, and nothing else.
erwartet() {
  cat <<EOF
usr/bin/remisator
usr/bin/remisator-cli
usr/share/applications/$id.desktop
usr/share/doc/remisator/examples/18.09.2021.quo
usr/share/doc/remisator/examples/18092021.sp45
usr/share/doc/remisator/examples/spielschein.txt
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/22x22/apps/$id.png
usr/share/icons/hicolor/24x24/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/remisator-cli.1.gz
usr/share/man/man1/remisator.1.gz
usr/share/mime/packages/$id.xml
usr/share/metainfo/$id.metainfo.xml
EOF
}

vorhanden() { (cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort); }

aufbau() {
  local build=$1 staging=$2 version=$3
  rm -rf "$staging"
  DESTDIR="$staging" cmake --install "$build" --prefix /usr >/dev/null
  diff -u <(erwartet | LC_ALL=C sort) <(vorhanden "$staging")

  # Each PNG is as large as its folder says: width and height stand at bytes 16..23.
  for png in "$staging"/usr/share/icons/hicolor/*x*/apps/$id.png; do
    local groesse masse
    groesse=$(basename "$(dirname "$(dirname "$png")")")
    masse=$(od -An -tu4 --endian=big -j16 -N8 "$png" | awk '{print $1 "x" $2}')
    [ "$masse" = "$groesse" ] || { echo "$png ist $masse statt $groesse" >&2; exit 1; }
  done
  zcat "$staging/usr/share/man/man1/remisator-cli.1.gz" | grep -q '^\.SH EXIT STATUS'

  # The installed programs run; the window program ends cleanly when asked to quit, and neither
  # writes anything beside itself.
  daten=$(mktemp -d)
  trap 'rm -rf "$daten"' EXIT
  [ "$("$staging/usr/bin/remisator-cli" --version)" = "remisator-cli $version" ]
  bash "$(dirname "$0")/../paket/beendenprobe.sh" "$staging/usr/bin/remisator" "$daten"
  diff -u <(erwartet | LC_ALL=C sort) <(vorhanden "$staging")
}

pruefen() {
  local staging=$1
  desktop-file-validate "$staging/usr/share/applications/$id.desktop"
  # --no-net: the screenshot's address is not fetched.
  appstreamcli validate --no-net "$staging/usr/share/metainfo/$id.metainfo.xml"
  appstreamcli validate-tree --no-net "$staging"
  # The file types: a database built from the package's file alone knows both endings, and the menu
  # entry offers the program for them and for plain text (nothing installed makes it a default).
  local mime
  mime=$(mktemp -d)
  mkdir -p "$mime/packages"
  cp "$staging/usr/share/mime/packages/$id.xml" "$mime/packages/"
  update-mime-database "$mime" >/dev/null 2>&1
  grep -qx 'application/x-remisator-spieltag:\*\.sp45' "$mime/globs"
  grep -qx 'application/x-remisator-quoten:\*\.quo' "$mime/globs"
  grep -qx 'application/x-remisator-quoten text/plain' "$mime/subclasses"
  rm -rf "$mime"
  grep -qx 'MimeType=application/x-remisator-spieltag;application/x-remisator-quoten;text/plain;' \
    "$staging/usr/share/applications/$id.desktop"
}

praefix() {
  local build=$1 ausgabe rc=0 leer
  leer=$(mktemp -d)
  ausgabe=$(cd "$leer" && cpack --config "$build/CPackConfig.cmake" -B "$leer/paket" 2>&1) || rc=$?
  echo "$ausgabe"
  local debs
  debs=$(find "$leer" -name '*.deb' | wc -l)
  rm -rf "$leer"
  [ "$rc" -ne 0 ] || { echo "cpack hat kein Paket verweigert" >&2; exit 1; }
  [ "$debs" -eq 0 ] || { echo "cpack hat ein Paket gebaut" >&2; exit 1; }
  grep -q 'Das Debian-Paket installiert nach /usr' <<<"$ausgabe"
}

"$@"
