#!/usr/bin/env python3
"""peer_bench.py BUILD_DIR [RUNS]: time from process start to "document complete" of a page served
on 127.0.0.1, for vindrel and for Falkon (a browser on the same engine, packaged by Debian), on the
X display of DISPLAY, as the median of RUNS runs each (default 7), taking turns. The page's onload
sends a beacon back to the server: the time is taken as it arrives. Each start is on a fresh
profile in a HOME of its own, so neither meets what an earlier start left. Target: vindrel within
0.8x of Falkon."""
import http.server
import os
import queue
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
# The program ends every Internet Explorer process it sees while it loads: it runs where it sees
# only this benchmark's processes.
if os.environ.get("VINDREL_PRIVATE_PIDS") != os.readlink("/proc/self/ns/pid"):
    os.execvp("bash", ["bash", os.path.join(HERE, "../../tests/support/private-pids.sh"), sys.executable, *sys.argv])

PAGE = (b"<html><head><title>Pronta</title></head>"
        b"<body onload=\"navigator.sendBeacon('/caricata')\" style=\"background:#eef4fb\">"
        b"<h1>Vindrel</h1><p>Una piccola pagina servita in locale.</p></body></html>")
beacons = queue.Queue()


class Site(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path != "/pagina.html":
            self.send_error(404)
            return
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Cache-Control", "no-store")
        self.send_header("Content-Length", str(len(PAGE)))
        self.end_headers()
        self.wfile.write(PAGE)

    def do_POST(self):
        arrived = time.monotonic_ns()
        self.rfile.read(int(self.headers.get("Content-Length") or 0))
        self.send_response(204)
        self.end_headers()
        if self.path == "/caricata":
            beacons.put(arrived)

    def log_message(self, *arguments):
        pass


def start_ms(command, environment):
    """Milliseconds from starting command to the page's beacon; the browser is ended then."""
    while not beacons.empty():
        beacons.get()
    started = time.monotonic_ns()
    browser = subprocess.Popen(command, env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    try:
        arrived = beacons.get(timeout=60)
    except queue.Empty:
        sys.exit(f"no beacon from {command[0]} within a minute")
    finally:
        os.killpg(browser.pid, signal.SIGKILL)
        browser.wait()
    return (arrived - started) / 1e6


def fresh_home(work, name):
    home = tempfile.mkdtemp(prefix=name + "-", dir=work)
    environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/config", XDG_DATA_HOME=f"{home}/data",
                       XDG_CACHE_HOME=f"{home}/cache")
    return home, environment


def main():
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    falkon = shutil.which("falkon")
    if not falkon:
        sys.exit("falkon is missing: scripts/bench.sh installs it")
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Site)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    address = f"http://127.0.0.1:{server.server_address[1]}/pagina.html"
    work = tempfile.mkdtemp(prefix="peer-bench-")
    try:
        # A copy of the program in a folder of its own, so that its VINDREL.DAT is this run's.
        os.makedirs(f"{work}/prog")
        vindrel = shutil.copy(f"{build}/vindrel", f"{work}/prog/vindrel")

        def run_vindrel():
            home, environment = fresh_home(work, "vindrel")
            for drive in "CD":
                os.makedirs(f"{home}/{drive}")
                environment[f"VINDREL_DRIVE_{drive}"] = f"{home}/{drive}"
            return start_ms([vindrel, address], environment)

        def run_falkon():
            # Root may not run the engine's sandbox, as for vindrel.
            _, environment = fresh_home(work, "falkon")
            if os.geteuid() == 0:
                environment["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
            return start_ms([falkon, address], environment)

        run_vindrel(), run_falkon()  # warm the caches once
        times = {"vindrel": [], "falkon": []}
        # In turns, each first in every other round, so that a change in the machine's load
        # touches both alike.
        for round in range(runs):
            order = [("vindrel", run_vindrel), ("falkon", run_falkon)]
            for name, run in order if round % 2 == 0 else reversed(order):
                times[name].append(run())
    finally:
        server.shutdown()
        shutil.rmtree(work, ignore_errors=True)
    median = {name: statistics.median(values) for name, values in times.items()}
    for name, values in times.items():
        print(f"{name:8} {median[name]:5.0f} ms median of {runs} ({' '.join(f'{v:.0f}' for v in values)})")
    platform = os.environ.get("QT_QPA_PLATFORM", "xcb")
    # The figure as scripts/bench.sh gathers it: figure|what|against|value|target|unit.
    print(f"figure|start-up to document complete ({platform})|Falkon, same page|"
          f"{median['vindrel'] / median['falkon']:.2f}|0.8|x")


main()
