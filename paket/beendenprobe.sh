#!/usr/bin/env bash
# beendenprobe.sh PROGRAMM ORDNER: starts the window program offscreen in ORDNER with its per-user
# data there, asks it to quit as the session does when it ends (SIGTERM) and checks that it ended
# cleanly, storing its options.
set -euo pipefail
programm=$1 ordner=$2

mkdir -p "$ordner/xdg"
(cd "$ordner" && XDG_DATA_HOME="$ordner/xdg" TMPDIR="$ordner" QT_QPA_PLATFORM=offscreen exec "$programm") \
  2>"$ordner/remisator.err" &
pid=$!
for _ in $(seq 100); do
  [ -d "$ordner/xdg/Remisator/Einstellungen" ] && break
  sleep 0.1
done
sleep 1
kill -TERM "$pid"
rc=0
wait "$pid" || rc=$?
if [ "$rc" -ne 0 ]; then
  echo "$programm endete auf SIGTERM mit $rc: $(cat "$ordner/remisator.err")" >&2
  exit 1
fi
grep -q '^sofort=1' "$ordner/xdg/Remisator/Einstellungen/optionen.ini" ||
  { echo "$programm hat beim Beenden seine Optionen nicht gespeichert" >&2; exit 1; }
