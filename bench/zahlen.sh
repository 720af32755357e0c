#!/usr/bin/env bash
# bench/zahlen.sh [ORDNER]: the speed figures of the README's table "A million rows and all rows",
# taken in one run beside each other, printed as a Markdown table whose last column names the
# machine and whether it was quiet; `uptime` before and after says how quiet it stayed. Needs the
# release build (cmake --preset release && cmake --build --preset release), hyperfine and
# /usr/bin/time. The slips are written into ORDNER (default: a temporary folder, removed at the
# end); slips already there are taken as they are.
#
#   BUILD=build/release  the build folder
#   LAEUFE=5             runs per figure (the median is reported)
set -euo pipefail

quelle=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$quelle/build/release}
laeufe=${LAEUFE:-5}
cli=$build/cli/remisator-cli
bench=$build/bench/remisator-bench
fenstermass=$build/bench/remisator-fenstermass
spieltag=$quelle/examples/18092021.sp45
for p in "$cli" "$bench" "$fenstermass"; do
    [[ -x $p ]] || { echo "$p fehlt: erst die release-Version bauen" >&2; exit 2; }
done
for p in hyperfine /usr/bin/time; do
    command -v "$p" >/dev/null || { echo "$p fehlt" >&2; exit 2; }
done
# The interpreter itself, not a wrapper script that would add its own start to every run.
python=$(python3 -c 'import sys; print(sys.executable)')

if [[ $# -gt 0 ]]; then
    ordner=$1
    mkdir -p "$ordner"
else
    ordner=$(mktemp -d)
    trap 'rm -rf "$ordner"' EXIT
fi
export QT_QPA_PLATFORM=offscreen
anfang=$(date +%s)
vorher=$(uptime)

# The slips as docs/remisator-cli.md describes them: a million random rows, and all rows of 6 of 45.
million=$ordner/million.txt
alle=$ordner/alle.txt
[[ -s $million ]] || "$python" - "$million" <<'EOF'
import random, sys
r = random.Random(1)
with open(sys.argv[1], "w", newline="") as f:
    for i in range(1000000):
        f.write(",".join(map(str, sorted(r.sample(range(1, 46), 6)))) + "\r\n")
EOF
[[ -s $alle ]] || "$python" - "$alle" <<'EOF'
import itertools, sys
with open(sys.argv[1], "w", newline="") as f:
    f.writelines(",".join(map(str, c)) + "\r\n" for c in itertools.combinations(range(1, 46), 6))
EOF

# remisator-bench: the median of the repetitions, with the page faults per run.
"$bench" --benchmark_filter='^(Spielschein_einlesen|Tipps_kopieren)/1000000$' \
    --benchmark_repetitions="$laeufe" --benchmark_report_aggregates_only=true \
    --benchmark_format=json >"$ordner/bench.json" 2>/dev/null

# The command line and the plain Python script in one hyperfine run, output to a file.
auswerten="$cli auswerten $million --spieltag $spieltag"
python_zeile="$python $quelle/bench/treffer.py $million 3,8,15,22,30,41 12"
hyperfine -N --style none --warmup 1 --runs "$laeufe" --output="$ordner/ausgabe.txt" \
    --export-json "$ordner/million.json" "$auswerten" "$python_zeile" >/dev/null
hyperfine -N --style none --warmup 1 --runs "$laeufe" --output="$ordner/ausgabe.txt" \
    --export-json "$ordner/alle.json" "$cli auswerten $alle --spieltag $spieltag" >/dev/null

# Peak memory and page faults of one run each.
/usr/bin/time -v -o "$ordner/million.time" "$cli" auswerten "$million" --spieltag "$spieltag" >"$ordner/ausgabe.txt"
/usr/bin/time -v -o "$ordner/alle.time" "$cli" auswerten "$alle" --spieltag "$spieltag" >"$ordner/ausgabe.txt"

# The window with the complete slip read, evaluated and sorted, as often as the other figures.
for ((lauf = 0; lauf < laeufe; ++lauf)); do
    "$fenstermass" "$alle" 2>/dev/null
done >"$ordner/fenster.txt"

nachher=$(uptime)
"$python" - "$ordner" "$laeufe" "$vorher" "$nachher" "$(($(date +%s) - anfang))" <<'EOF'
import json, re, sys
from pathlib import Path

ordner, laeufe, vorher, nachher, dauer = Path(sys.argv[1]), sys.argv[2], *sys.argv[3:6]

bench = {}
for b in json.loads((ordner / "bench.json").read_text())["benchmarks"]:
    if b.get("aggregate_name") == "median":
        bench[b["run_name"]] = b

def ms(b):
    faktor = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
    return b["real_time"] * faktor

def zeit(s):
    return f"{s * 1000:.0f} ms" if s < 1 else f"{s:.2f} s"

def time_v(name):
    text = (ordner / name).read_text()
    def wert(feld):
        return float(re.search(re.escape(feld) + r":\s*([\d.]+)", text).group(1))
    return {"spitze": wert("Maximum resident set size (kbytes)") / 1024,
            "fehler": int(wert("Minor (reclaiming a frame) page faults") + wert("Major (requiring I/O) page faults")),
            "kern": wert("System time (seconds)")}

million = json.loads((ordner / "million.json").read_text())["results"]
alle = json.loads((ordner / "alle.json").read_text())["results"][0]
cli, py = million[0]["median"], million[1]["median"]
mt, at = time_v("million.time"), time_v("alle.time")
fenster = (ordner / "fenster.txt").read_text()
# The run with the median read time; the highest peak of all runs.
fensterlaeufe = sorted(
    re.findall(r"Spielschein einlesen\.\.\.\s+(\d+) ms \(\s*(\d+) ms Prozessor,\s*(\d+) Seitenfehler\)", fenster),
    key=lambda lauf: int(lauf[0]))
lesen, lesen_cpu, lesen_fehler = fensterlaeufe[len(fensterlaeufe) // 2]
spitze = max(int(wert) for wert in re.findall(r"Spitze \(VmHWM\) (\d+) MB", fenster))

einlesen = bench["Spielschein_einlesen/1000000"]
kopieren = bench["Tipps_kopieren/1000000"]
def cpu_ms(b):
    return b["cpu_time"] * ms(b) / b["real_time"]

def prozessor(r):
    return r["user"] + r["system"]

# The machine by its cores and processor; quiet when nothing else ran as the run began. On a loaded
# machine the wall clock grows with the load, the processor time of the process far less: it is
# given beside each time in brackets.
kerne = len(re.findall(r"^processor\s*:", Path("/proc/cpuinfo").read_text(), re.M))
cpuinfo = Path("/proc/cpuinfo").read_text()
modell = re.search(r"^model name\s*:\s*(.*)$", cpuinfo, re.M).group(1).strip()
virtuell = " virtual machine" if re.search(r"^flags\s*:.*\bhypervisor\b", cpuinfo, re.M) else ""
last = float(vorher.split("load average:")[1].split(",")[0])
ruhig = last < 0.5
maschine = f"{kerne}-core {modell}{virtuell}, " + ("quiet" if ruhig else f"under load (load average {last:.0f})")
def wand(text, cpu):
    return text if ruhig else f"under load {text} ({cpu})"

print(f"uptime before: {vorher.strip()}")
print(f"uptime after:  {nachher.strip()}")
print()
print(f"| figure (median of {laeufe}) | target | {maschine} |")
print("|---|---|---|")
print(f"| `Spielschein_einlesen/1000000` | ≤ 60 ms, ≤ 200 page faults | "
      f"{wand(f'{ms(einlesen):.0f} ms', f'{cpu_ms(einlesen):.0f} ms processor time')}, "
      f"{einlesen['Seitenfehler']:.0f} page faults |")
print(f"| `Tipps_kopieren/1000000` | ≤ 80 ms | {wand(f'{ms(kopieren):.0f} ms', f'{cpu_ms(kopieren):.0f} ms')}, "
      f"{kopieren['Seitenfehler']:.0f} page faults |")
print(f"| `remisator-cli auswerten`, 1,000,000 lines, whole process, output to a file | ≤ 0.15 s | "
      f"{wand(zeit(cli), zeit(prozessor(million[0])))}, {mt['spitze']:.0f} MB peak, {mt['fehler']:,} page faults |")
print(f"| `bench/treffer.py` on the same lines, in the same run | at least 20× the command line's time | "
      f"{wand(zeit(py), zeit(prozessor(million[1])))}: {py / cli:.1f}× |")
print(f"| `remisator-cli auswerten`, all 8,145,060 rows | ≤ 1.0 s, ≤ 350 MB peak | "
      f"{wand(zeit(alle['median']), zeit(prozessor(alle)))}, {at['spitze']:.0f} MB peak, {at['fehler']:,} page faults |")
print(f"| `remisator-fenstermass`, the complete slip read, evaluated and sorted | peak ≤ 450 MB, read ≤ 0.5 s | "
      f"{wand('read in ' + zeit(int(lesen) / 1000), zeit(int(lesen_cpu) / 1000))}, {int(lesen_fehler):,} page faults, "
      f"peak {spitze} MB |")
print()
print(f"zahlen.sh: {dauer} s")
EOF
