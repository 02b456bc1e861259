"""Beside real Wine: its Internet Explorer is ended while a page loads and from the IE windows
list, while its Notepad and its own services live on; "Varia storia" opens the history in Wine's
Notepad; the Favourites come from the prefix."""
import os
import pathlib
import pwd
import re
import shutil
import subprocess
import time

import pytest

from vindrel_driver import BESIDE, find_all, wait_for, xdotool

pytestmark = pytest.mark.wine
SUPPORT = pathlib.Path(__file__).resolve().parents[2] / "support"


@pytest.fixture(scope="session")
def wine_prefix(tmp_path_factory):
    """The suite's prefix (made once per run of ctest), else one made for this run."""
    if shutil.which("wine") is None:
        pytest.skip("needs Wine (scripts/packages.txt)")
    shared = os.environ.get("VINDREL_WINE_PREFIX")
    if shared and (pathlib.Path(shared) / "system.reg").exists():
        yield pathlib.Path(shared)
        return
    prefix = tmp_path_factory.mktemp("wine") / "prefix"
    subprocess.run(["bash", SUPPORT / "wine-prefix.sh", prefix], check=True, stdout=subprocess.DEVNULL)
    yield prefix
    shutil.rmtree(prefix, ignore_errors=True)


class Wine:
    """Wine's programs in the prefix, on the tests' X display."""

    def __init__(self, prefix):
        self.prefix = prefix
        self.environment = dict(os.environ, WINEPREFIX=str(prefix), WINEDEBUG="-all")

    def start(self, *command):
        subprocess.Popen(["wine", *command], env=self.environment, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL)

    @staticmethod
    def processes():
        """Live processes by id: their program file, the last part of argv[0] as Wine gives it."""
        found = {}
        for entry in pathlib.Path("/proc").iterdir():
            if not entry.name.isdigit():
                continue
            try:
                if (entry / "stat").read_text().rsplit(")", 1)[1].split()[0] == "Z":
                    continue
                argv0 = (entry / "cmdline").read_bytes().split(b"\0")[0].decode(errors="replace")
            except (OSError, IndexError):
                continue
            found[int(entry.name)] = re.split(r"[\\/]", argv0)[-1].lower()
        return found

    def ids(self, name):
        return {pid for pid, program in self.processes().items() if program == name}

    def started(self, name, before=frozenset()):
        """The id of a process of that program started since before, once its window shows; the
        window is put below the program's windows (there is no window manager)."""
        pid = wait_for(lambda: next(iter(self.ids(name) - before), None), f"Wine's {name}")
        for window_id in wait_for(lambda: window_ids("--pid", str(pid)) or None, f"the window of {name}"):
            put_aside(window_id)
        return pid

    def own(self):
        """Wine's own processes: its server and the services of the prefix."""
        return {pid: program for pid, program in self.processes().items()
                if program.startswith("wineserver") or program in (
                    "services.exe", "explorer.exe", "winedevice.exe", "plugplay.exe", "svchost.exe", "rpcss.exe")}

    def end(self):
        for action in ("-k", "-w"):
            subprocess.run(["wineserver", action], env=self.environment)


@pytest.fixture
def wine(wine_prefix):
    running = Wine(wine_prefix)
    yield running
    running.end()


def window_ids(*search):
    """The shown X windows that xdotool finds so."""
    try:
        return xdotool("search", "--onlyvisible", *search).split()
    except subprocess.CalledProcessError:  # none
        return []


def put_aside(window_id):
    """Moves a window below the program's, until it stays there: Wine places a new window again
    once it has laid it out."""
    def there():
        return re.search(r"Position: (\d+),(\d+)", xdotool("getwindowgeometry", window_id)).groups() == (
            str(BESIDE), "500")

    def settled():
        if not there():
            xdotool("windowmove", window_id, str(BESIDE), "500")
            return False
        time.sleep(1)
        return there()
    wait_for(settled, "a window of Wine put aside")


def alive(pids):
    processes = Wine.processes()
    return all(pid in processes for pid in pids)


def test_internet_explorer_ended_while_a_page_loads(vindrel, site, wine):
    vindrel.environment["WINEPREFIX"] = str(wine.prefix)
    vindrel.start_home()
    wine.start("notepad")
    notepad = wine.started("notepad.exe")
    wine.start("iexplore", "about:blank")
    ie = wine.started("iexplore.exe")
    services = wine.own()
    assert {"services.exe", "explorer.exe"} <= set(services.values()) and any(
        p.startswith("wineserver") for p in services.values())

    vindrel.type_address(site + "/lenta.html")  # it keeps loading while the test runs
    wait_for(lambda: ie not in Wine.processes(), "Internet Explorer ended")
    # The X server removes a client's windows once it sees the client gone, a moment later.
    wait_for(lambda: not window_ids("--pid", str(ie)), "the windows of Internet Explorer gone")
    assert alive([notepad, *services]) and window_ids("--pid", str(notepad))


def test_internet_explorer_listed_and_ended_from_the_ie_windows_list(vindrel, wine):
    vindrel.start_home()  # the loading timer ends IE processes by itself: they start after it
    wine.start("notepad")
    notepad = wine.started("notepad.exe")
    wine.start("iexplore", "about:blank")
    first = wine.started("iexplore.exe")
    services = wine.own()

    window = vindrel.ie_windows_list()
    rows = lambda: [n.name for n in find_all(window, "list item")]
    wait_for(lambda: rows() == [f"IEXPLORE.EXE {first:X}"], lambda: f"the list's rows (it shows {rows()})")

    wine.start("iexplore", "about:blank")
    second = wine.started("iexplore.exe", {first})
    vindrel.click(vindrel.control("push button", "Aggiorna elenco", window))
    wait_for(lambda: sorted(rows()) == sorted([f"IEXPLORE.EXE {first:X}", f"IEXPLORE.EXE {second:X}"]),
             lambda: f"both in the list (it shows {rows()})")
    vindrel.click(vindrel.control("list item", f"IEXPLORE.EXE {second:X}", window))
    assert vindrel.message()[1] == f"Spengo la finestra IE:  \n\nIEXPLORE.EXE {second:X}"
    vindrel.answer("Sì")
    wait_for(lambda: rows() == [f"IEXPLORE.EXE {first:X}"], lambda: f"the one left (the list shows {rows()})")
    assert second not in Wine.processes() and first in Wine.processes()

    wine.start("iexplore", "about:blank")
    third = wine.started("iexplore.exe", {first})
    vindrel.click(vindrel.control("push button", "Aggiorna elenco", window))
    wait_for(lambda: len(rows()) == 2, "two in the list")
    vindrel.click(vindrel.control("push button", "Cancella tutte le finestre IE", window))
    wait_for(lambda: rows() == [], "the list emptied")
    assert not {first, third} & set(Wine.processes())
    assert alive([notepad, *services]) and window_ids("--pid", str(notepad))


def test_varia_storia_opens_the_history_in_wines_notepad(vindrel, wine):
    (vindrel.folder / "VINDREL.DAT").write_bytes(b"http://esempio.it/\r\n")
    vindrel.environment.update(WINEPREFIX=str(wine.prefix), VINDREL_DRIVE_C=None)  # C: is Wine's
    vindrel.start("about:blank")
    vindrel.click(vindrel.control("push button", "Varia storia"))
    window = wait_for(lambda: window_ids("--name", "^VINDREL.DAT - Notepad$") or None, "Notepad's window")
    assert len(window) == 1 and not vindrel.has_message()
    notepad = next(iter(wine.ids("notepad.exe")))
    arguments = pathlib.Path(f"/proc/{notepad}/cmdline").read_bytes().split(b"\0")
    assert arguments[1].decode() == "Z:" + str(vindrel.folder / "VINDREL.DAT").replace("/", "\\")


def test_favourites_from_the_wine_prefix(vindrel, site, wine):
    favourites = wine.prefix / "drive_c" / "users" / pwd.getpwuid(os.getuid()).pw_name / "Favorites"
    assert favourites.is_dir()  # made by wineboot
    news = favourites / "Notizie"
    try:
        news.mkdir()
        (favourites / "Uno.url").write_bytes(f"[InternetShortcut]\r\nURL={site}/uno.html\r\n".encode())
        (news / "Ansa.url").write_bytes(b"[InternetShortcut]\r\nURL=http://www.ansa.it/\r\n")
        vindrel.environment.update(WINEPREFIX=str(wine.prefix), VINDREL_FAVORITES=None)
        vindrel.start_home()
        vindrel.click(vindrel.control("push button", "Vedo Link Preferiti"))
        tree = vindrel.window("Internet Preferiti")
        for name in ("Internet Preferiti", "Uno", "Notizie"):
            vindrel.control("table cell", name, tree)
        vindrel.menu(lambda: vindrel.click(vindrel.control("table cell", "Uno", tree)))
        vindrel.key("Down", "Return")  # "Open Site"
        vindrel.wait_page(site + "/uno.html")
    finally:
        (favourites / "Uno.url").unlink(missing_ok=True)
        shutil.rmtree(news, ignore_errors=True)
