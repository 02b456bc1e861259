#!/usr/bin/env bash
# ab.sh RUNS BIN...: wall ms per start (as the benchmark measures), binaries interleaved with the bare view
set -euo pipefail
source "$(dirname "$0")/bench_setup.sh"
runs=$2; shift 2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
write_page "$work"; mkdir -p "$work/D"
declare -A envs
i=0; for b in "$@"; do mkdir -p "$work/p$i"; cp "${b%%@*}" "$work/p$i/vindrel"; [[ $b == *@* ]] && envs[$i]="${b#*@}" || envs[$i]="X=1"; i=$((i+1)); done
n=$i
one() { local s e; s=$(date +%s%N); "$@" >/dev/null 2>&1; e=$(date +%s%N); echo $(((e-s)/1000000)); }
rv() { env ${envs[$1]} VINDREL_DRIVE_C=$work/C VINDREL_DRIVE_D=$work/D XDG_DATA_HOME=$work/u$1/data XDG_CACHE_HOME=$work/u$1/cache VINDREL_SCREENSHOT=$work/shot.png "$work/p$1/vindrel"; }
rb() { "$bare" "$page" "$work/shot.png" "$work/bare"; }
for j in $(seq 0 $((n-1))); do one rv $j >/dev/null; done; one rb >/dev/null
declare -A t
for _ in $(seq "$runs"); do
  for j in $(seq 0 $((n-1))); do t[$j]+="$(one rv $j) "; done
  t[b]+="$(one rb) "
done
med() { tr ' ' '\n' | grep . | sort -n | awk '{v[NR]=$1} END {print (NR%2)?v[(NR+1)/2]:(v[NR/2]+v[NR/2+1])/2}'; }
bm=$(med <<< "${t[b]}")
for j in $(seq 0 $((n-1))); do m=$(med <<< "${t[$j]}"); echo "bin$j median $m  ratio $(awk -v a=$m -v b=$bm 'BEGIN{printf "%.3f", a/b}')"; done
echo "bare median $bm"
