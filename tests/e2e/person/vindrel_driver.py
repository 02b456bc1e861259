"""Drives the built vindrel as a person does.

Input goes through the X server only (xdotool: mouse clicks and key presses); controls are found
on the accessibility bus by their caption or accessible name; results are read from what a person
sees: window captions, message boxes, files, the pixels of a screenshot and the clipboard.
"""
import collections
import ctypes
import http.server
import os
import pathlib
import re
import shutil
import signal
import subprocess
import threading
import time

import pyatspi
import pytest
from gi.repository import GLib

TIMEOUT = 30.0  # seconds: the longest any one step may take
BESIDE = 800  # x at which other windows are put, off the main window (there is no window manager)
HOME = "file:///C:/HOME-PAG/INIZIO.HTM"  # the start page
SECOND = "file:///C:/HOME-PAG/DUE.HTM"
GREEN = (0, 192, 0)  # what the tests' links and buttons are drawn in


def wait_for(condition, what):
    """The first true value of condition(), polled until TIMEOUT."""
    deadline = time.monotonic() + TIMEOUT
    while True:
        value = condition()
        if value is not None and value is not False:  # a control without children is falsy
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what() if callable(what) else what}")
        time.sleep(0.1)


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True, text=True).stdout


def find(node, role, name=None, breadth_first=False):
    """The first showing control under node with that role and, if given, that name; breadth first:
    the nearest to node (never looking through a long address list for a button beside it)."""
    def matches(n):
        return (n is not None and n.getRoleName() == role and (name is None or n.name == name)
                and n.getState().contains(pyatspi.STATE_SHOWING))
    return pyatspi.findDescendant(node, matches, breadth_first)


def find_all(node, role):
    """Every control under node with that role. A list read while it changes has gaps where its
    rows went; those are left out rather than taken for an error."""
    found = []
    for child in node:
        if child is None:
            continue
        try:
            if child.getRoleName() == role:
                found.append(child)
        except GLib.Error:  # gone meanwhile
            continue
        found += find_all(child, role)
    return found


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def page(*parts, title="Inizio"):
    """An HTML page of those parts, with that title."""
    return f"<html><head><title>{title}</title></head><body>{''.join(parts)}</body></html>"


def block(target, width=200):
    """A link drawn as a green block of a known size."""
    return (f'<a href="{target}" style="display:block;width:{width}px;height:60px;background:#00C000">'
            f'zanzara</a>')


def page_captions(address):
    """The captions of the main window showing that page: its address, or its path form."""
    at = address.find("file:///")
    return address, (address[at + 8:] if at >= 0 else address).replace("/", "\\")


def lines(text):
    """A message as a person reads it: line breaks of any kind as newlines."""
    return text.replace("\r\n", "\n").replace("\r", "\n")


class Picture:
    """A screenshot of the whole screen."""

    def __init__(self):
        ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], check=True,
                             capture_output=True).stdout
        header = re.match(rb"P6\s(\d+)\s(\d+)\s255\s", ppm)
        self.width, self.height = int(header[1]), int(header[2])
        self.pixels = ppm[header.end():]

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.pixels[at:at + 3])

    def find(self, colour, box):
        """The bounding box (left, top, right, bottom) of the pixels of exactly that colour within
        box (x, y, width, height), or None."""
        x, y, width, height = box
        wanted = bytes(colour)
        found = []  # (leftmost, rightmost, row) of each row that has the colour
        for row in range(y, y + height):
            start = 3 * (row * self.width + x)
            line = self.pixels[start:start + 3 * width]
            # Only matches that start on a pixel count, from either end.
            left = line.find(wanted)
            while left >= 0 and left % 3:
                left = line.find(wanted, left + 1)
            if left < 0:
                continue
            right = line.rfind(wanted)
            while right % 3:
                right = line.rfind(wanted, 0, right + 2)
            found.append((x + left // 3, x + right // 3, row))
        if not found:
            return None
        return min(f[0] for f in found), found[0][2], max(f[1] for f in found), found[-1][2]


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


def send_close(window_id):
    """What a window manager's close button does: WM_DELETE_WINDOW to the window."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    event = _ClientMessage(type=33, send_event=1, display=display, window=window_id, format=32,
                           message_type=x11.XInternAtom(display, b"WM_PROTOCOLS", 0))
    event.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(display, window_id, 0, 0, ctypes.byref(event))
    x11.XCloseDisplay(display)  # flushes the event


class _Detached:
    """A copy of the program another started and let go: no child of the test's, so watched
    through /proc; how it ended is not known (wait() gives None)."""

    def __init__(self, pid):
        self.pid = pid

    def poll(self):
        try:
            state = pathlib.Path(f"/proc/{self.pid}/stat").read_text().rsplit(")", 1)[1].split()[0]
        except OSError:  # gone
            return 0
        return 0 if state == "Z" else None

    def wait(self, timeout=TIMEOUT):
        deadline = time.monotonic() + timeout
        while self.poll() is None:
            if time.monotonic() > deadline:
                raise AssertionError(f"process {self.pid} still running")
            time.sleep(0.1)


class Vindrel:
    """The built program in a temporary folder of its own, with drive C: and a Favourites folder."""

    def __init__(self, root):
        self.root = pathlib.Path(root)
        self.home = self.root / "C" / "HOME-PAG"
        self.favourites = self.root / "Favorites"
        self.folder = self.root / "program"
        for folder in (self.home, self.favourites, self.folder):
            folder.mkdir(parents=True)
        self.process = None
        # More variables for the program; None unsets one. Its data and cache folders (the web
        # profile among them) are the test's, never the real HOME's.
        self.environment = {"XDG_DATA_HOME": str(self.root / "data"), "XDG_CACHE_HOME": str(self.root / "cache")}
        self.log = self.root / "vindrel.log"

    # Set-up -------------------------------------------------------------------------------------
    def write(self, name, text):
        """A file of the home folder, lines ending in CR LF as the program writes them."""
        (self.home / name).write_bytes(text.strip().replace("\n", "\r\n").encode() + b"\r\n")

    def download_folder(self):
        """The desktop's download folder of the program's user, in a folder of the test's own."""
        folder = self.root / "Scaricati"
        config = self.root / "config"
        folder.mkdir()
        config.mkdir()
        (config / "user-dirs.dirs").write_text(f'XDG_DOWNLOAD_DIR="{folder}"\n')
        self.environment["XDG_CONFIG_HOME"] = str(config)
        return folder

    def record_desktop_opens(self):
        """The desktop's opener (xdg-open) replaced by one that only writes down what it is given;
        opened() reads it back."""
        tools = self.root / "tools"
        tools.mkdir()
        opener = tools / "xdg-open"
        opener.write_text(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self.root}/opened.txt"\n')
        opener.chmod(0o755)
        self.environment["PATH"] = f"{tools}:{os.environ['PATH']}"

    def opened(self):
        log = self.root / "opened.txt"
        return log.read_text().splitlines() if log.exists() else []

    def start(self, *arguments):
        self.run(self.place(), *arguments)

    def place(self):
        """The built program in the program folder (beside it its own VINDREL.DAT)."""
        program = self.folder / "vindrel"
        if not program.exists():
            try:
                os.link(os.environ["VINDREL_BINARY"], program)
            except OSError:
                shutil.copy2(os.environ["VINDREL_BINARY"], program)
        return program

    def another_copy(self, name):
        """One more copy of the program in the same folders (so with the same VINDREL.DAT), not
        started yet; name: its log's."""
        other = Vindrel.__new__(Vindrel)
        other.__dict__.update(self.__dict__, process=None, log=self.root / f"{name}.log")
        return other

    def started_copy(self, name):
        """The copy of the program this one started (its page button), once its main window shows,
        put beside this one's; name: its log's, as another_copy's."""
        other = self.another_copy(name)

        def newcomer():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "vindrel" and app.get_process_id() != self.process.pid:
                    return app.get_process_id()
            return None
        other.process = _Detached(wait_for(newcomer, "another copy of the program on the bus"))
        other.attach()
        for window_id in other._shown_ids():
            xdotool("windowmove", window_id, str(BESIDE), "0")
        wait_for(lambda: extents(other.main)[0] >= BESIDE, "the other copy put beside")
        return other

    def start_home(self):
        """Starts the program on its start page (a plain one unless the test wrote its own) and waits
        until it shows it."""
        if not (self.home / "INIZIO.HTM").exists():
            self.write("INIZIO.HTM", "<html><body>Inizio</body></html>")
        self.start()
        self.wait_page(HOME)

    def run(self, program, *arguments):
        """Starts that program file (the built one placed by start(), or an installed copy)."""
        self.launch(program, *arguments)
        self.attach()

    def launch(self, program, *arguments):
        """Starts the program without waiting for its window (attach() waits)."""
        environment = {**os.environ, "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                       "QTWEBENGINE_DISABLE_SANDBOX": "1", "VINDREL_DRIVE_C": str(self.root / "C"),
                       "VINDREL_FAVORITES": str(self.favourites), **self.environment}
        environment.pop("VINDREL_SCREENSHOT", None)
        environment = {name: value for name, value in environment.items() if value is not None}  # None: unset
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen([str(program), *arguments], env=environment, cwd=self.root,
                                            stdout=log, stderr=subprocess.STDOUT, start_new_session=True)

    def attach(self):
        """Waits until the started program shows its main window on the bus."""
        self.app = wait_for(self._application, "vindrel on the accessibility bus")
        self.main = wait_for(lambda: next((w for w in self.windows() if find(w, "push button", "Copia Address", True)
                                           is not None), None), "the main window")

    def _application(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                app.clear_cache()  # seen before its windows were made, it would stay without them
                if app.childCount:
                    return app
        return None

    def end(self):
        if self.process and self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
        if self.process:
            self.process.wait()

    # Finding --------------------------------------------------------------------------------------
    def windows(self):
        return [w for w in self.app if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)]

    def ie_windows_list(self):
        """The IE windows list, shown and listing what runs now. The loading timer may have loaded
        it, hidden, while the start page loaded: shown, it then keeps that listing until it is
        listed again, as a person does with its button."""
        self.click(self.control("push button", "Vedo finestre IE aperte"))
        window = self.window("Elenco finestre Internet Explorer attive")
        self.click(self.control("push button", "Aggiorna elenco", window))
        return window

    def window(self, caption):
        """The shown window with that caption, put beside the main window."""
        window = wait_for(lambda: next((w for w in self.windows() if w.name == caption), None),
                          f'the window "{caption}"')
        if extents(window)[0] < BESIDE:
            for window_id in self._window_ids(caption):
                xdotool("windowmove", window_id, str(BESIDE), "0")
            wait_for(lambda: extents(window)[0] >= BESIDE, f'"{caption}" moved')
        return window

    def has(self, role, name, window=None):
        return find(window or self.main, role, name) is not None

    def count(self, caption):
        """How many of the program's windows with that caption are on the screen, as the X server
        has them: the bus's list of a program's windows, read while windows come and go on a busy
        machine, once held a window opened three times."""
        return len(self._window_ids(caption))

    def control(self, role, name, window=None):
        return wait_for(lambda: find(window or self.main, role, name), f'the {role} "{name}"')

    def field(self, window, label):
        """The text field on the row of its label, as a person pairs them."""
        x, y, _, height = extents(self.control("label", label, window))
        middle = y + height // 2

        def beside(n):
            fx, fy, _, fheight = extents(n)
            return fx > x and fy <= middle <= fy + fheight
        return wait_for(lambda: pyatspi.findDescendant(
            window, lambda n: n is not None and n.getRoleName() == "text" and beside(n)), f'the field "{label}"')

    def _message_box(self):
        return next((w for w in self.windows() if w.getRoleName() == "alert"), None)

    def message_box(self):
        """The message box on display."""
        return wait_for(self._message_box, "a message box")

    def message(self):
        """The message box on display: (title, text, button names)."""
        box = self.message_box()
        text = "\n".join(lines(n.name) for n in box if n is not None and n.getRoleName() == "label" and n.name)
        buttons = find_all(box, "push button")
        return box.name, text, [b.name.replace("&", "") for b in buttons]

    def has_message(self):
        return self._message_box() is not None

    def message_button(self, button):
        """The button of the message box on display with that caption."""
        box = self.message_box()
        return wait_for(lambda: pyatspi.findDescendant(
            box, lambda n: n is not None and n.getRoleName() == "push button" and n.name.replace("&", "") == button),
            f'the button "{button}"')

    def answer(self, button):
        box = self.message_box()
        self.click(self.message_button(button))
        def gone():
            try:
                return not box.getState().contains(pyatspi.STATE_SHOWING)
            except Exception:  # the box no longer exists
                return True
        wait_for(gone, "the message box to close")

    # Input ----------------------------------------------------------------------------------------
    def click(self, node):
        x, y, width, height = extents(node)
        self.click_at(x + width // 2, y + height // 2)

    def click_at(self, x, y, button=1):
        xdotool("mousemove", str(x), str(y), "click", str(button))

    def click_page(self, button=1):
        """Click the middle of the main window's page."""
        x, y, width, height = self.page_area()
        self.click_at(x + width // 2, y + height // 2, button)

    def type(self, text):
        xdotool("type", "--delay", "20", "--", text)

    def key(self, *names):
        xdotool("key", "--delay", "50", *names)

    def act(self, node):
        """The control's own action through the bus, as a screen reader or voice control does it."""
        node.queryAction().doAction(0)

    def click_colour(self, colour, window=None):
        """Click the middle of what the page of a window shows in that colour."""
        left, top, right, bottom = self.wait_colour(colour, window)
        self.click_at((left + right) // 2, (top + bottom) // 2)

    def menu(self, open_menu):
        """The entries (caption: node) of the pop-up menu open_menu() opens. Menus are no children
        of the program on the bus: they are caught as they show."""
        shown = []

        def showing(event):
            if event.detail1 and event.source.getRoleName() == "popup menu":
                shown.append(event.source)

        def entries(menu):
            return {item.name: item for item in menu if item is not None and item.getRoleName() == "menu item"}

        # Nothing yet is None, not an empty list, which wait_for takes for an answer; and a menu
        # may show on the bus a moment before its entries do.
        def caught():
            while GLib.MainContext.default().iteration(False):
                pass
            return (entries(shown[-1]) or None) if shown else None
        pyatspi.Registry.registerEventListener(showing, "object:state-changed:showing")
        try:
            open_menu()
            return wait_for(caught, "a pop-up menu with its entries")
        finally:
            pyatspi.Registry.deregisterEventListener(showing, "object:state-changed:showing")

    def type_address(self, text, key="Return"):
        """Click into the address box, replace its text by typing and press key."""
        self.click(find(self.control("combo box", None), "text"))
        self.key("ctrl+a")
        self.type(text)
        self.key(key)

    # Reading ------------------------------------------------------------------------------------
    def caption(self):
        return self.main.name

    def wait_caption(self, *captions):
        def seen():
            box = find(self.main, "combo box")
            return f"the caption {captions} (it is {self.caption()!r}; the address box shows {box and box.name!r})"
        wait_for(lambda: self.caption() in captions, seen)

    def wait_page(self, address):
        """Until the main window's caption names that page."""
        self.wait_caption(*page_captions(address))

    def read_pages(self):
        """Has the engine put what its pages show on the bus, which it does only when asked, for
        page_text(); before the start."""
        self.environment["QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"] = "1"

    def page_text(self, window=None):
        """The text the page of a window shows, as the bus reads it out (read_pages()): one line a piece."""
        def texts(node):
            found = []
            for child in node:
                if child is None:
                    continue
                try:
                    if child.getRoleName() == "label" and child.name:
                        found.append(child.name)
                    found += texts(child)
                except GLib.Error:  # gone meanwhile
                    continue
            return found
        return "\n".join(texts(self.control("document web", None, window)))

    def wait_page_text(self, text, window=None):
        """Until the page of a window shows that text (among the rest); the page's whole text."""
        return wait_for(lambda: (lambda shown: shown if text in shown else None)(self.page_text(window)),
                        f'the page showing "{text}"')

    def address_text(self):
        return self.control("combo box", None).name

    def wait_colour(self, colour, window=None):
        """The bounding box of what the page of a window shows in that colour, once it shows it."""
        area = self.page_area(window)
        return wait_for(lambda: self.screenshot().find(colour, area), f"the colour {colour} on the page")

    def address_list(self):
        return [n.name for n in find_all(self.control("combo box", None), "list item")]

    def page_area(self, window=None):
        """Where the page of a window is drawn: the pane that holds its web document."""
        document = self.control("document web", None, window)
        return extents(document.parent)

    def screenshot(self):
        return Picture()

    @staticmethod
    def enabled(node):
        return node.getState().contains(pyatspi.STATE_ENABLED)

    def clipboard(self):
        return subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True, text=True).stdout

    def close(self, caption):
        for window_id in self._window_ids(caption):
            send_close(int(window_id))

    def renderers(self):
        """The engine's page processes started under this program."""
        children = {}
        for entry in pathlib.Path("/proc").iterdir():
            try:
                parent = int((entry / "stat").read_text().rsplit(")", 1)[1].split()[1])
                children.setdefault(parent, []).append(int(entry.name))
            except (OSError, ValueError, IndexError):
                continue
        found, pending = [], [self.process.pid]
        while pending:
            for pid in children.get(pending.pop(), []):
                pending.append(pid)
                try:
                    if b"--type=renderer" in pathlib.Path(f"/proc/{pid}/cmdline").read_bytes():
                        found.append(pid)
                except OSError:
                    pass
        return found

    def _shown_ids(self):
        try:
            return xdotool("search", "--onlyvisible", "--pid", str(self.process.pid)).split()
        except subprocess.CalledProcessError:  # none
            return []

    def _window_ids(self, caption):
        def named(window_id):
            try:
                return xdotool("getwindowname", window_id).rstrip("\n")
            except subprocess.CalledProcessError:  # the window went meanwhile
                return None
        return [i for i in self._shown_ids() if named(i) == caption]


@pytest.fixture
def vindrel(tmp_path):
    program = Vindrel(tmp_path)
    yield program
    program.end()


hits = collections.Counter()  # requests the site served, by path
attachments = {}  # path: (Content-Disposition, body, Content-Type) of files the site offers as attachments
site_pages = {}  # path: HTML of the pages a test puts on the site
request_headers = {}  # path: the headers of the last request for it


class _Site(http.server.BaseHTTPRequestHandler):
    pages = {"/uno.html": b"<html><head><title>Uno</title></head><body>Pagina uno</body></html>"}
    files = {"/dati.bin": bytes(range(256)) * 6144}  # 1,5 MB to download
    # Pages that never finish loading while the test runs: what they send at once.
    slow_pages = {
        "/lenta.html": b"<html><head><title>Lenta</title></head><body>Lenta",
        # Its title says when the page stopped loading.
        "/ferma.html": b"<html><head><title>Ferma</title><script>document.addEventListener('readystatechange', "
                       b"() => document.title = 'Fermata')</script></head><body>Ferma",
    }
    released = threading.Event()

    def do_GET(self):
        hits[self.path] += 1
        request_headers[self.path] = dict(self.headers)
        if self.path == "/lento.bin":  # 4 MiB that come in at 80 KiB a second until the test ends
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(4 << 20))
            self.end_headers()
            try:
                for _ in range(512):
                    self.wfile.write(bytes(8192))
                    self.wfile.flush()
                    self.released.wait(0.1)
            except OSError:  # the program ended the download
                pass
            return
        if self.path in attachments:
            disposition, body, kind = attachments[self.path]
            self.send_response(200)
            self.send_header("Content-Type", kind)
            self.send_header("Content-Disposition", disposition)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        if self.path in self.files:
            body = self.files[self.path]
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        pages = {**self.pages, **{path: html.encode() for path, html in site_pages.items()}}
        self.send_response(200 if self.path in pages or self.path in self.slow_pages else 404)
        self.send_header("Content-Type", "text/html")
        self.end_headers()
        if self.path in self.slow_pages:
            self.wfile.write(self.slow_pages[self.path] + b" " * 2048)
            self.wfile.flush()
            self.released.wait(2 * TIMEOUT)
        else:
            self.wfile.write(pages.get(self.path, b""))

    def log_message(self, *arguments):
        pass


@pytest.fixture
def site():
    """A web site on 127.0.0.1: /uno.html; /lenta.html and /ferma.html, which keep loading; the
    files /dati.bin and /lento.bin, which comes in slowly; and the pages and attachments a test
    puts there; hits counts the requests of each."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), _Site)
    server.daemon_threads = True
    _Site.released.clear()
    hits.clear()
    attachments.clear()
    site_pages.clear()
    request_headers.clear()
    threading.Thread(target=server.serve_forever, daemon=True).start()
    yield f"http://127.0.0.1:{server.server_address[1]}"
    _Site.released.set()
    server.shutdown()
    server.server_close()
