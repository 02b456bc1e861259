#!/usr/bin/env bash
# startup_bench.sh BUILD_DIR [RUNS]: time from process start to the picture of a small local page,
# as the median of RUNS runs each (default 21: a start varies by some 15 ms from one to the next, and
# the medians of fewer moved the ratios by two hundredths from one run of the benchmark to the next):
# - vindrel in screenshot mode against the bare web view (bench/startup/bare_engine) doing the
#   same work on a persistent profile of its own (target: <= 1.05x), offscreen or on the X display
#   QT_QPA_PLATFORM names; again with both profiles holding 10,000 cookies and a 200 MB cache
#   (bench/startup/fill_profile fills one from a local server, copied to both; target: <= 1.05x);
# - vindrel with 100,000 and 1,000,000 distinct addresses in VINDREL.DAT against vindrel with an
#   empty history, in the same run (targets: <= 1.3x and <= 1.5x).
set -euo pipefail
source "$(dirname "$0")/bench_setup.sh"
runs=${2:-21}
fill=$build/bench/startup/fill_profile
require_programs "$build/vindrel" "$bare" "$fill"

work=$(mktemp -d)
server=
trap '[ -z "$server" ] || kill "$server"; rm -rf "$work"' EXIT
mkdir -p "$work/C/HOME-PAG" "$work/D" "$work/prog"
# A copy of the program in a folder of its own, so that its VINDREL.DAT is this run's.
vindrel=$work/prog/vindrel
cp "$build/vindrel" "$vindrel"
write_page "$work"
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
# The user's folders, where vindrel keeps its web profile: the run's own, empty or filled.
run_vindrel() {
  VINDREL_DRIVE_C=$work/C VINDREL_DRIVE_D=$work/D XDG_DATA_HOME=$work/user/data XDG_CACHE_HOME=$work/user/cache \
    VINDREL_SCREENSHOT=$1 "$vindrel"
}
run_bare() { "$bare" "$page" "$1" "$work/bare"; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Histories of n distinct addresses, as the program writes them.
for n in 0 100000 1000000; do
  awk -v n="$n" 'BEGIN { for (i = 0; i < n; i++) printf "http://www.sito%d.it/pagina.htm\r\n", i }' > "$work/history-$n"
done
# One start with the history of n addresses; the file is put in place afresh before each start.
run_with_history() { cp "$work/history-$1" "$work/prog/VINDREL.DAT"; elapsed_ms run_vindrel; }

# Both warm the caches once, and make their profiles: no timed start is a first one.
elapsed_ms run_bare >/dev/null
run_with_history 0 >/dev/null
# The three histories and the bare view take turns, so that a change in the machine's load
# touches them alike.
declare -A times ms
for _ in $(seq "$runs"); do
  for n in 0 100000 1000000; do times[$n]+="$(run_with_history "$n") "; done
  times[bare]+="$(elapsed_ms run_bare) "
done
for n in 0 100000 1000000 bare; do ms[$n]=$(tr ' ' '\n' <<< "${times[$n]}" | grep . | median); done
bare_ms=${ms[bare]}

# The same two on profiles a long use filled: one filled profile, copied to both places.
python3 - "$work/port" <<'PY' &
import http.server, sys
class Site(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path == "/fill.html":
            body = (b"<script>(async () => { for (let i = 0; i < 200; i++) await (await fetch('/blob/' + i))"
                    b".arrayBuffer(); document.title = 'pieno'; })()</script>")
        else:  # a mebibyte to keep, different for each address
            body = (self.path.encode() * ((1 << 20) // len(self.path) + 1))[: 1 << 20]
        self.send_response(200)
        self.send_header("Content-Type", "text/html" if self.path == "/fill.html" else "application/octet-stream")
        self.send_header("Cache-Control", "max-age=31536000")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *arguments):
        pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Site)
open(sys.argv[1], "w").write(str(server.server_address[1]))
server.serve_forever()
PY
server=$!
until [[ -s $work/port ]]; do sleep 0.1; done
"$fill" "$work/full/data" "$work/full/cache" 10000 "http://127.0.0.1:$(cat "$work/port")/fill.html" >/dev/null 2>&1
kill "$server"
server=
stored=$(python3 -c 'import sqlite3, sys; print(sqlite3.connect(sys.argv[1]).execute("select count(*) from cookies").fetchone()[0])' \
  "$work/full/data/Cookies")
echo "filled profile: $stored cookies kept by the engine of 10000 set, $(du -sm "$work/full/cache" | cut -f1) MB of cache"
rm -rf "$work/user" "$work/bare"
mkdir -p "$work/user/data/vindrel/web" "$work/user/cache" "$work/bare"
cp -a "$work/full/data" "$work/user/data/vindrel/web/profile"
cp -a "$work/full/cache" "$work/user/cache/vindrel"
cp -a "$work/full/data" "$work/full/cache" "$work/bare/"
cp "$work/history-0" "$work/prog/VINDREL.DAT"
# Again no timed start is a first one: the copies are new, and so is vindrel's cache folder.
elapsed_ms run_vindrel >/dev/null
elapsed_ms run_bare >/dev/null
full=
full_bare=
for _ in $(seq "$runs"); do
  full+="$(elapsed_ms run_vindrel) "
  full_bare+="$(elapsed_ms run_bare) "
done
full_ms=$(tr ' ' '\n' <<< "$full" | grep . | median)
full_bare_ms=$(tr ' ' '\n' <<< "$full_bare" | grep . | median)

echo "vindrel (screenshot mode): ${ms[0]} ms median of ${runs}; with a filled profile ${full_ms} ms"
echo "bare web view:             ${bare_ms} ms median of ${runs}; with a filled profile ${full_bare_ms} ms"
# The figures as scripts/bench.sh gathers them: figure|what|against|value|target|unit.
figure() { awk -v w="$1" -v a="$2" -v v="$3" -v f="$4" -v t="$5" 'BEGIN { printf "figure|%s|%s|%.2f|%s|x\n", w, a, v / f, t }'; }
figure "start-up to the first page ($QT_QPA_PLATFORM)" "the bare web view" "${ms[0]}" "$bare_ms" 1.05
figure "start-up, 10,000 cookies and 200 MB cache ($QT_QPA_PLATFORM)" "the bare web view, same profile" "$full_ms" "$full_bare_ms" 1.05
for pair in 100000:1.3 1000000:1.5; do
  n=${pair%%:*}
  figure "start-up with $n history lines ($QT_QPA_PLATFORM)" "the empty history" "${ms[$n]}" "${ms[0]}" "${pair##*:}"
done
