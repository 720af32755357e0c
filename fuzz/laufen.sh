#!/usr/bin/env bash
# Runs every fuzz target built by the fuzz preset for the given seconds (default 20), on its seeds
# in fuzz/korpus/<name>/ and the sample files in examples/. New inputs go to build/fuzz/korpus/,
# an input that breaks a reader to build/fuzz/funde/; then the run stops with an error.
# Each target runs on one core; two run side by side.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-20}
mkdir -p build/fuzz/funde

ziel_laufen() {
  local programm=$1 name=${1##*/fuzz_}
  mkdir -p "build/fuzz/korpus/$name"
  local saat=(examples)
  [ -d "fuzz/korpus/$name" ] && saat+=("fuzz/korpus/$name")
  local protokoll="build/fuzz/funde/$name.log"
  if "$programm" -max_total_time="$sekunden" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build/fuzz/funde/$name-" \
      "build/fuzz/korpus/$name" "${saat[@]}" > "$protokoll" 2>&1; then
    echo "fuzz_$name: $(grep -m1 'stat::number_of_executed_units' "$protokoll" | awk '{print $2}') Läufe in $sekunden s, kein Fund"
  else
    tail -n 40 "$protokoll"
    echo "fuzz_$name: Fund, siehe $protokoll und build/fuzz/funde/$name-*" >&2
    return 1
  fi
}

laufende=()
fund=0
abwarten() {
  for pid in "${laufende[@]}"; do
    wait "$pid" || fund=1
  done
  laufende=()
}
for programm in build/fuzz/fuzz/fuzz_*; do
  [ -f "$programm" ] && [ -x "$programm" ] || continue
  ziel_laufen "$programm" &
  laufende+=($!)
  [ ${#laufende[@]} -lt 2 ] || abwarten
done
abwarten
exit $fund
