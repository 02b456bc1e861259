#!/usr/bin/env bash
# startup_bench.sh BUILD_DIR [RUNS]: time from process start to the picture of a small local page,
# for vindrel in screenshot mode and for the bare web view (bench/startup/bare_engine), as the
# median of RUNS runs each (default 5); prints both medians and their ratio (target: <= 1.15).
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-5}
vindrel=$build/vindrel
bare=$build/bench/startup/bare_engine
for program in "$vindrel" "$bare"; do
  [[ -x $program ]] || { echo "missing $program (configure with -DVINDREL_BUILD_BENCH=ON and build it)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/C/HOME-PAG" "$work/D"
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

elapsed_ms run_bare >/dev/null # warm the caches once
vindrel_ms=$(for _ in $(seq "$runs"); do elapsed_ms run_vindrel; done | median)
bare_ms=$(for _ in $(seq "$runs"); do elapsed_ms run_bare; done | median)
echo "vindrel (screenshot mode): ${vindrel_ms} ms median of ${runs}"
echo "bare web view:             ${bare_ms} ms median of ${runs}"
awk -v v="$vindrel_ms" -v b="$bare_ms" 'BEGIN { printf "ratio: %.2fx (target <= 1.15x)\n", v / b }'
