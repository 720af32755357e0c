#!/usr/bin/env bash
# paketprobe.sh PAKET.deb (as root): installs the package with apt-get, runs its programs from
# /usr/bin, removes it again and finds no file of it left. A remisator already installed is left
# alone and the probe skipped.
set -euo pipefail

deb=$(realpath "$1")
[ "$(dpkg-deb -f "$deb" Package)" = remisator ]
version=$(dpkg-deb -f "$deb" Version)
beispiele=/usr/share/doc/remisator/examples
apt=(env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300)

# One probe at a time on a machine: they install and remove the same package.
exec 9>"${TMPDIR:-/tmp}/remisator-paketprobe.lock"
flock 9

if dpkg-query -W -f='${Status}' remisator 2>/dev/null | grep -q "ok installed"; then
  echo "Paketprobe übersprungen: remisator ist auf dieser Maschine installiert."
  exit 0
fi

probe=$(mktemp -d)
installiert=0
aufraeumen() {
  [ "$installiert" -eq 0 ] || "${apt[@]}" remove remisator >/dev/null || true
  rm -rf "$probe"
}
trap aufraeumen EXIT
fehler() { echo "Paketprobe: $*" >&2; exit 1; }

"${apt[@]}" install "$deb" >/dev/null
installiert=1
dpkg-query -L remisator | grep -vx "/\." | LC_ALL=C sort >"$probe/dateien"
while read -r pfad; do
  [ -e "$pfad" ] || fehler "$pfad fehlt nach der Installation"
done <"$probe/dateien"
ls -A /usr/bin >"$probe/bin-vorher"

[ "$(/usr/bin/remisator-cli --version)" = "remisator-cli $version" ] || fehler "falsche Version"
(cd "$probe" && /usr/bin/remisator-cli auswerten "$beispiele/spielschein.txt" --spieltag "$beispiele/18092021.sp45") \
  >"$probe/auswertung"
grep -qx "Gesamtgewinn: 162.486,90" "$probe/auswertung" || fehler "Auswertung der Beispiele: $(tail -1 "$probe/auswertung")"
if command -v man >/dev/null; then
  [ "$(man -w remisator-cli)" = /usr/share/man/man1/remisator-cli.1.gz ] || fehler "man remisator-cli"
fi

bash "$(dirname "$0")/beendenprobe.sh" /usr/bin/remisator "$probe/fenster" || fehler "remisator auf SIGTERM"
ls -A /usr/bin | diff -u "$probe/bin-vorher" - || fehler "neben den Programmen wurde etwas geschrieben"

"${apt[@]}" remove remisator >/dev/null
installiert=0
# What is left of the package's paths belongs to other packages (shared folders such as /usr/bin).
while read -r pfad; do
  if [ -e "$pfad" ] && ! dpkg-query -S "$pfad" >/dev/null 2>&1; then
    fehler "$pfad ist nach dem Entfernen übrig"
  fi
done <"$probe/dateien"
echo "Paketprobe bestanden: $(basename "$deb") installiert, benutzt und ohne Reste entfernt."
