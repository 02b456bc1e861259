#!/usr/bin/env bash
# memory_bench.sh BUILD_DIR [RUNS]: memory of vindrel with all its engine processes showing one
# small local page, against the bare web view (bench/startup/bare_engine, on a persistent profile
# of its own) showing the same page; target <= 1.1x. Offscreen, or on the X display
# QT_QPA_PLATFORM names.
#
# The figure is the proportional set size (Pss of /proc/PID/smaps_rollup) summed over the
# program's process tree: the browser process and every QtWebEngineProcess under it (zygotes,
# renderer, GPU, network). Shared pages count once, split among the processes sharing them.
# Both programs run in screenshot mode with their picture going to a named pipe that holds one
# page of bytes: a program is measured when it has loaded the page, waited for its first frame,
# pictured the window and begun writing the picture (it then waits on the pipe), after the same
# settle for both. RUNS runs each (default 5), taken in turn; the medians are compared.
set -euo pipefail
source "$(dirname "$0")/bench_setup.sh"
runs=${2:-5}
require_programs "$build/vindrel" "$bare"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/C/HOME-PAG" "$work/D" "$work/prog" "$work/bare"
# A copy of the program in a folder of its own, so that its VINDREL.DAT is this run's.
cp "$build/vindrel" "$work/prog/vindrel"
: > "$work/prog/VINDREL.DAT"
write_page "$work"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export VINDREL_DRIVE_C=$work/C VINDREL_DRIVE_D=$work/D XDG_DATA_HOME=$work/user/data XDG_CACHE_HOME=$work/user/cache

python3 - "$work" "$runs" "$work/prog/vindrel" "$bare" "$page" <<'PY'
import array, fcntl, os, select, statistics, subprocess, sys, time

work, runs, vindrel, bare, page = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5]
SETTLE_S = 1.0  # the same short wait for both, once the picture is being written
F_SETPIPE_SZ = 1031
PFN = (1 << 55) - 1

def tree(root):
    """The root's process and all its descendants."""
    children = {}
    for name in os.listdir("/proc"):
        if name.isdigit():
            try:
                with open(f"/proc/{name}/stat") as f:
                    ppid = int(f.read().rsplit(")", 1)[1].split()[1])
            except (OSError, ValueError, IndexError):
                continue
            children.setdefault(ppid, []).append(int(name))
    found, todo = [], [root]
    while todo:
        pid = todo.pop()
        found.append(pid)
        todo += children.get(pid, [])
    return found

def alive(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False

def pss_kb(pid):
    try:
        with open(f"/proc/{pid}/smaps_rollup") as f:
            return sum(int(line.split()[1]) for line in f if line.startswith("Pss:"))
    except OSError:
        return 0

def frames(pid):
    """The physical pages the process has in memory (root reads their numbers from pagemap)."""
    found = set()
    try:
        with open(f"/proc/{pid}/smaps") as smaps, open(f"/proc/{pid}/pagemap", "rb") as pagemap:
            area = None
            for line in smaps:
                if line[0] in "0123456789abcdef" and "-" in line.split(" ", 1)[0]:
                    area = [int(x, 16) // 4096 for x in line.split(" ", 1)[0].split("-")]
                elif line.startswith("Rss:") and int(line.split()[1]) > 0:
                    pagemap.seek(area[0] * 8)
                    entries = array.array("Q", pagemap.read((area[1] - area[0]) * 8))
                    found.update(e & PFN for e in entries if e >> 63)
    except (OSError, ValueError):
        pass
    return found

def measure(start):
    """MB of Pss summed over a program's tree once it writes its picture, its process count, and
    MB of the pages the tree has in memory, each counted once. start(shot) starts the program
    with its picture going to shot."""
    shot = os.path.join(work, "shot.png")
    if os.path.exists(shot):
        os.unlink(shot)
    os.mkfifo(shot)
    reader = os.open(shot, os.O_RDONLY | os.O_NONBLOCK)
    fcntl.fcntl(reader, F_SETPIPE_SZ, 4096)  # the writer waits after its first page of bytes
    program = start(shot)
    ready, _, _ = select.select([reader], [], [], 60)
    if not ready:
        program.kill()
        sys.exit(f"no picture from {program.args[0]}")
    time.sleep(SETTLE_S)
    processes = tree(program.pid)
    total = sum(pss_kb(pid) for pid in processes)
    distinct = len(set().union(*(frames(pid) for pid in processes))) * 4
    os.set_blocking(reader, True)
    while os.read(reader, 65536):
        pass
    os.close(reader)
    if program.wait(60) != 0:
        sys.exit(f"{program.args[0]} failed")
    # Engine processes that outlive the program a moment would share its libraries with the next.
    deadline = time.monotonic() + 20
    while any(alive(pid) for pid in processes) and time.monotonic() < deadline:
        time.sleep(0.05)
    return total / 1024, len(processes), distinct / 1024

def quiet(command, env=None):
    return subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

starts = {
    "vindrel": lambda shot: quiet([vindrel], dict(os.environ, VINDREL_SCREENSHOT=shot)),
    "bare web view": lambda shot: quiet([bare, page, shot, os.path.join(work, "bare")]),
}
for start in starts.values():  # profiles made and caches warmed once
    measure(start)
sizes = {name: [] for name in starts}
for _ in range(runs):  # in turn, so that a change in the machine touches both alike
    for name, start in starts.items():
        sizes[name].append(measure(start))
def medians(column):
    return {name: statistics.median(run[column] for run in values) for name, values in sizes.items()}
median, distinct = medians(0), medians(2)
for name, values in sizes.items():
    print(f"{name + ':':15} Pss {median[name]:.0f} MB median of {runs} "
          f"({', '.join(f'{run[0]:.0f}' for run in values)}; {values[-1][1]} processes); "
          f"pages in memory, each counted once: {distinct[name]:.0f} MB")
# Pss shrinks when processes outside the tree map the same libraries (another browser, tests
# running beside): on a busy machine the pages counted once are the steadier comparison.
print(f"pages counted once: {distinct['vindrel'] / distinct['bare web view']:.2f}x the bare web view's")
print(f"figure|memory on one local page, all processes ({os.environ['QT_QPA_PLATFORM']})|"
      f"the bare web view, same page|{median['vindrel'] / median['bare web view']:.2f}|1.1|x")
PY
