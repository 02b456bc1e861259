# Sourced by the start-up and memory benchmarks, with their own arguments BUILD_DIR [RUNS].
# The program ends every Internet Explorer process it sees while it loads: the benchmark runs again
# where it sees only its own processes.
pids=$(cd "$(dirname "$0")/../../tests/support" && pwd)/private-pids.sh
[ "${VINDREL_PRIVATE_PIDS:-}" = "$(readlink /proc/self/ns/pid)" ] || exec bash "$pids" bash "$0" "$@"
build=$(cd "$1" && pwd)
bare=$build/bench/startup/bare_engine

# require_programs PROGRAM...: each must have been built.
require_programs() {
  local program
  for program in "$@"; do
    [[ -x $program ]] || { echo "missing $program (configure with -DVINDREL_BUILD_BENCH=ON and build it)" >&2; exit 2; }
  done
}

# write_page WORK: the small local page both programs show, as drive C:'s home page.
write_page() {
  mkdir -p "$1/C/HOME-PAG"
  page=$1/C/HOME-PAG/INIZIO.HTM
  cat > "$page" <<'HTML'
<html><head><title>Benchmark</title></head>
<body style="background:#eef4fb"><h1>Vindrel</h1><p>Una piccola pagina locale.</p></body></html>
HTML
}
