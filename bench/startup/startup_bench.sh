#!/usr/bin/env bash
# startup_bench.sh BUILD_DIR [RUNS]: time from process start to the picture of a small local page,
# as the median of RUNS runs each (default 5):
# - vindrel in screenshot mode against the bare web view (bench/startup/bare_engine) doing the
#   same work (target: <= 1.05x), offscreen or on the X display QT_QPA_PLATFORM names;
# - vindrel with 100,000 and 1,000,000 distinct addresses in VINDREL.DAT against vindrel with an
#   empty history, in the same run (targets: <= 1.3x and <= 3x).
set -euo pipefail
# The program ends every Internet Explorer process it sees while it loads: it runs where it sees
# only this script's processes.
pids=$(cd "$(dirname "$0")/../../tests/support" && pwd)/private-pids.sh
[ "${VINDREL_PRIVATE_PIDS:-}" = "$(readlink /proc/self/ns/pid)" ] || exec bash "$pids" bash "$0" "$@"
build=$(cd "$1" && pwd)
runs=${2:-5}
bare=$build/bench/startup/bare_engine
for program in "$build/vindrel" "$bare"; do
  [[ -x $program ]] || { echo "missing $program (configure with -DVINDREL_BUILD_BENCH=ON and build it)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/C/HOME-PAG" "$work/D" "$work/prog"
# A copy of the program in a folder of its own, so that its VINDREL.DAT is this run's.
vindrel=$work/prog/vindrel
cp "$build/vindrel" "$vindrel"
page=$work/C/HOME-PAG/INIZIO.HTM
cat > "$page" <<'HTML'
<html><head><title>Benchmark</title></head>
<body style="background:#eef4fb"><h1>Vindrel</h1><p>Una piccola pagina locale.</p></body></html>
HTML
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# Milliseconds one command takes; it must exit with 0 and leave its picture.
elapsed_ms() {
  local shot=$work/shot.png start end
  rm -f "$shot"
  start=$(date +%s%N)
  "$@" "$shot" >/dev/null 2>&1
  end=$(date +%s%N)
  [[ -s $shot ]] || { echo "no picture from $1" >&2; exit 1; }
  echo $(((end - start) / 1000000))
}
run_vindrel() { VINDREL_DRIVE_C=$work/C VINDREL_DRIVE_D=$work/D VINDREL_SCREENSHOT=$1 "$vindrel"; }
run_bare() { "$bare" "$page" "$1"; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Histories of n distinct addresses, as the program writes them.
for n in 0 100000 1000000; do
  awk -v n="$n" 'BEGIN { for (i = 0; i < n; i++) printf "http://www.sito%d.it/pagina.htm\r\n", i }' > "$work/history-$n"
done
# One start with the history of n addresses; the file is put in place afresh before each start.
run_with_history() { cp "$work/history-$1" "$work/prog/VINDREL.DAT"; elapsed_ms run_vindrel; }

elapsed_ms run_bare >/dev/null # warm the caches once
# The three histories take turns, so that a change in the machine's load touches them alike.
declare -A times ms
for _ in $(seq "$runs"); do
  for n in 0 100000 1000000; do times[$n]+="$(run_with_history "$n") "; done
done
for n in 0 100000 1000000; do ms[$n]=$(tr ' ' '\n' <<< "${times[$n]}" | grep . | median); done
bare_ms=$(for _ in $(seq "$runs"); do elapsed_ms run_bare; done | median)
echo "vindrel (screenshot mode): ${ms[0]} ms median of ${runs}"
echo "bare web view:             ${bare_ms} ms median of ${runs}"
# The figures as scripts/bench.sh gathers them: figure|what|against|value|target|unit.
figure() { awk -v w="$1" -v a="$2" -v v="$3" -v f="$4" -v t="$5" 'BEGIN { printf "figure|%s|%s|%.2f|%s|x\n", w, a, v / f, t }'; }
figure "start-up to the first page ($QT_QPA_PLATFORM)" "the bare web view" "${ms[0]}" "$bare_ms" 1.05
for pair in 100000:1.3 1000000:3; do
  n=${pair%%:*}
  figure "start-up with $n history lines ($QT_QPA_PLATFORM)" "the empty history" "${ms[$n]}" "${ms[0]}" "${pair##*:}"
done
