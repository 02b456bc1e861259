"""What pages ask of their user: permissions answered on the bar over the page, and the page
filling the screen."""
import os
import threading

import pytest
from gi.repository import Gio, GLib
from vindrel_driver import GREEN, Picture, extents, find, hits, site_pages, wait_for, xdotool

pytestmark = pytest.mark.web

# What each block of the page asks for when clicked, the question the bar then shows, and how the
# page tells the site the answer it got: its report for Consenti and for Blocca.
ASKS = [
    ("posizione", "chiede di conoscere la tua posizione",
     "navigator.geolocation.getCurrentPosition(() => report('si'), e => report(e.code == 1 ? 'no' : 'si'), "
     "{timeout: 3000})"),  # no location service here: allowed, the search for one times out
    ("notifiche", "chiede di mostrare notifiche",
     "Notification.requestPermission().then(r => report(r == 'granted' ? 'si' : 'no'))"),
    ("videocamera", "chiede di usare la videocamera", "media({video: true})"),
    ("microfono", "chiede di usare il microfono", "media({audio: true})"),
    ("entrambi", "chiede di usare videocamera e microfono", "media({video: true, audio: true})"),
    ("schermo", "chiede di condividere lo schermo",
     "navigator.mediaDevices.getDisplayMedia({video: true}).then(() => report('si'), "
     "e => report(e.name == 'NotAllowedError' ? 'no' : 'si'))"),
    ("puntatore", "chiede di bloccare il puntatore",
     "document.onpointerlockchange = () => report('si'); document.onpointerlockerror = () => report('no'); "
     "document.body.requestPointerLock()"),
]
ROW = 40  # the height of each block

SCRIPT = """
let asked = '';
function report(answer) { fetch('/r?' + asked + '=' + answer); }
// No device is no refusal: only NotAllowedError is one.
function media(wanted) {
  navigator.mediaDevices.getUserMedia(wanted).then(() => report('si'),
    e => report(e.name == 'NotAllowedError' ? 'no' : 'si'));
}
"""


def permissions_page():
    blocks = "".join(f'<div style="height:{ROW}px;background:#00C000" onclick="asked=\'{name}\'; {ask}"></div>'
                     for name, _, ask in ASKS)
    return (f"<html><head><title>Permessi</title><script>{SCRIPT}</script></head>"
            f"<body style=\"margin:0\">{blocks}</body></html>")


def ask(vindrel, index):
    """Clicks the block that asks that, and waits for the bar's question."""
    left, top, right, _ = vindrel.wait_colour(GREEN)
    vindrel.click_at((left + right) // 2, top + ROW * index + ROW // 2)
    _, question, _ = ASKS[index]
    vindrel.control("label", f"127.0.0.1 {question}")


@pytest.mark.parametrize("button, answer", [("Consenti", "si"), ("Blocca", "no")])
def test_each_permission_is_asked_and_the_answer_reaches_the_page(vindrel, site, button, answer):
    site_pages["/permessi.html"] = permissions_page()
    # A camera and a microphone for the engine, where the machine has none; they ask as real ones do.
    vindrel.environment["QTWEBENGINE_CHROMIUM_FLAGS"] = "--use-fake-device-for-media-stream"
    vindrel.start(f"{site}/permessi.html")
    vindrel.wait_page(f"{site}/permessi.html")
    for index, (name, _, _) in enumerate(ASKS):
        if name == "puntatore":
            continue  # asked last: a locked pointer keeps the clicks to the page
        ask(vindrel, index)
        vindrel.click(vindrel.control("push button", button))
        wait_for(lambda: hits[f"/r?{name}={answer}"] == 1,
                 lambda: f"the page to tell {name}={answer} (it told {dict(hits)})")
    # The answer holds for the site: asked again, the page has it at once.
    vindrel.click_at(*vindrel.wait_colour(GREEN)[:2])
    wait_for(lambda: hits[f"/r?posizione={answer}"] == 2, "the page answered again")
    assert not vindrel.has("push button", button)
    ask(vindrel, len(ASKS) - 1)
    vindrel.click(vindrel.control("push button", button))
    wait_for(lambda: hits[f"/r?puntatore={answer}"] == 1, f"the page told puntatore={answer}")


MAGENTA = (192, 0, 192)
# The green block fills the screen with the page, or gives the screen back.
FULLSCREEN_PAGE = ("<html><head><title>Schermo</title></head><body style=\"margin:0;background:#C000C0\">"
                   "<div style=\"width:200px;height:60px;background:#00C000\" onclick=\"document.fullscreenElement ? "
                   "document.exitFullscreen() : document.documentElement.requestFullscreen()\"></div></body></html>")


def test_a_page_fills_the_screen_and_gives_the_window_back_as_it_was(vindrel, site):
    site_pages["/schermo.html"] = FULLSCREEN_PAGE
    vindrel.start(f"{site}/schermo.html")
    vindrel.wait_page(f"{site}/schermo.html")
    left, top, right, bottom = vindrel.wait_colour(GREEN)
    vindrel.click_page()  # the page has the keys, as it will after each click on the block
    place = (left + right) // 2, (top + bottom) // 2
    window = extents(vindrel.main)
    before = Picture().pixels

    def fill_screen():
        vindrel.click_at(*place)
        screen = Picture()
        wait_for(lambda: all(Picture().pixel(x, y) == MAGENTA for x, y in [(0, screen.height - 1),
                                                                           (screen.width - 1, screen.height - 1)]),
                 "the page over the whole screen")

    def back_as_before():
        wait_for(lambda: Picture().pixels == before, "the window back as it was")
        assert extents(vindrel.main) == window

    fill_screen()
    note = "Premi Esc per uscire dallo schermo intero"
    assert find(vindrel.app, "label", note) is not None
    wait_for(lambda: find(vindrel.app, "label", note) is None, "the note gone after its three seconds")
    vindrel.key("Escape")
    back_as_before()
    def click_block():  # the page's own way out
        screen = Picture()
        left, top, right, bottom = screen.find(GREEN, (0, 0, screen.width, screen.height))
        vindrel.click_at((left + right) // 2, (top + bottom) // 2)
        xdotool("mousemove", *map(str, place))  # off the toolbar that comes back there

    for leave in (lambda: vindrel.key("F11"), click_block):
        fill_screen()
        leave()
        back_as_before()
    # F11 on the window: the whole window, controls and all, fills the screen.
    vindrel.key("F11")
    screen = Picture()
    wait_for(lambda: extents(vindrel.main)[2:] == (screen.width, screen.height), "the window over the screen")
    assert vindrel.has("push button", "Copia Address")
    vindrel.key("F11")
    back_as_before()


def test_a_question_asked_over_the_whole_screen_comes_back_with_the_page(vindrel, site):
    site_pages["/chiede.html"] = ("<html><head><title>Chiede</title></head><body style=\"margin:0\">"
                                  "<div style=\"height:60px;background:#00C000\" onclick=\"document.body."
                                  "requestFullscreen().then(() => Notification.requestPermission()).then(r => "
                                  "fetch('/r?' + r))\"></div></body></html>")
    vindrel.start(f"{site}/chiede.html")
    vindrel.wait_page(f"{site}/chiede.html")
    vindrel.click_colour(GREEN)
    question = "127.0.0.1 chiede di mostrare notifiche"
    wait_for(lambda: find(vindrel.app, "label", question), "the question over the whole screen")
    vindrel.key("Escape")
    vindrel.click(vindrel.control("push button", "Consenti", vindrel.control("label", question).parent))
    wait_for(lambda: hits["/r?granted"] == 1, "the page told it was allowed")


NOTIFYING_PAGE = ("<html><head><title>Notizie</title><script>"
                  "function report(what) { fetch('/r?' + what); }"
                  "function notify() { Notification.requestPermission().then(() => {"
                  " const n = new Notification('Saluti', {body: 'Dal sito'});"
                  " n.onshow = () => report('mostrata'); n.onclick = () => report('aperta'); }); }"
                  "</script></head><body style=\"margin:0\"><div style=\"height:60px;background:#00C000\" "
                  "onclick=\"notify()\"></div></body></html>")

NOTIFICATIONS = """<node><interface name="org.freedesktop.Notifications">
<method name="Notify"><arg type="s"/><arg type="u"/><arg type="s"/><arg type="s"/><arg type="s"/>
<arg type="as"/><arg type="a{sv}"/><arg type="i"/><arg type="u" direction="out"/></method>
<method name="CloseNotification"><arg type="u"/></method>
<signal name="ActionInvoked"><arg type="u"/><arg type="s"/></signal>
</interface></node>"""
PATH = "/org/freedesktop/Notifications"


class DesktopNotifications:
    """The desktop's notification service on the tests' session bus: it keeps what it is asked to
    show (summary, body) and opens a notification as a person's click on it does."""

    def __init__(self):
        self.shown = []
        started = threading.Event()
        self.thread = threading.Thread(target=self._serve, args=(started,), daemon=True)
        self.thread.start()
        started.wait(10)

    def _serve(self, started):
        context = GLib.MainContext()
        context.push_thread_default()
        self.bus = Gio.DBusConnection.new_for_address_sync(
            os.environ["DBUS_SESSION_BUS_ADDRESS"],
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        interface = Gio.DBusNodeInfo.new_for_xml(NOTIFICATIONS).interfaces[0]
        self.bus.register_object(PATH, interface, self._call)
        self.bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
                           GLib.Variant("(su)", (interface.name, 4)), None, Gio.DBusCallFlags.NONE, -1)
        self.loop = GLib.MainLoop(context)
        started.set()
        self.loop.run()
        self.bus.close_sync()  # the name goes with the connection

    def _call(self, bus, sender, path, interface, method, parameters, invocation):
        if method == "Notify":
            self.shown.append(tuple(parameters)[3:5])
            invocation.return_value(GLib.Variant("(u)", (len(self.shown),)))
        else:
            invocation.return_value(None)

    def end(self):
        self.loop.quit()
        self.thread.join(10)

    def click(self, number):
        self.bus.emit_signal(None, PATH, "org.freedesktop.Notifications", "ActionInvoked",
                             GLib.Variant("(us)", (number, "default")))


@pytest.fixture
def desktop():
    service = DesktopNotifications()
    yield service
    service.end()


@pytest.mark.parametrize("desktop_service", [True, False])
def test_allowed_notifications_show_naming_the_site(vindrel, site, request, desktop_service):
    desktop = request.getfixturevalue("desktop") if desktop_service else None
    site_pages["/notizie.html"] = NOTIFYING_PAGE
    vindrel.start(f"{site}/notizie.html")
    vindrel.wait_page(f"{site}/notizie.html")
    vindrel.click_colour(GREEN)
    vindrel.control("label", "127.0.0.1 chiede di mostrare notifiche")
    vindrel.click(vindrel.control("push button", "Consenti"))
    wait_for(lambda: hits["/r?mostrata"] == 1, "the notification shown")
    if desktop:
        assert desktop.shown == [("Saluti", "Dal sito\nda 127.0.0.1")]
        desktop.click(1)
    else:
        notice = vindrel.window("Notifica di 127.0.0.1")
        for text in ("Saluti", "Dal sito", "da 127.0.0.1"):
            assert find(notice, "label", text) is not None
        vindrel.click(vindrel.control("push button", "Apri", notice))
    wait_for(lambda: hits["/r?aperta"] == 1, "the page told of the click")


BLUE = (0, 0, 192)
# The body fills the screen, not the whole page: an element over the screen stands on a black
# backdrop, and a body whose colour is the page's paints none of its own. With a colour of the
# page's own (white) the body keeps magenta, which shows once the engine has it over the screen.
CHILD_PAGE = ("<html style=\"background:#FFFFFF\"><head><title>Figlia</title></head>"
              "<body style=\"margin:0;background:#C000C0\">"
              "<div style=\"height:60px;background:#00C000\" onclick=\"navigator.geolocation.getCurrentPosition("
              "() => fetch('/r?si'), e => fetch('/r?' + (e.code == 1 ? 'no' : 'si')))\"></div>"
              "<div style=\"height:60px;background:#0000C0\" onclick=\"document.body.requestFullscreen()\"></div>"
              "</body></html>")


def test_a_window_a_page_opened_asks_and_fills_the_screen_the_same_way(vindrel, site):
    site_pages["/madre.html"] = ("<html><head><title>Madre</title></head><body><div style=\"height:60px;"
                                 "background:#00C000\" onclick=\"window.open('/figlia.html')\"></div></body></html>")
    site_pages["/figlia.html"] = CHILD_PAGE
    vindrel.start(f"{site}/madre.html")
    vindrel.wait_page(f"{site}/madre.html")
    vindrel.click(vindrel.control("check box", "Elimina Win PopUp"))
    vindrel.click_colour(GREEN)
    child = vindrel.window("Figlia")
    vindrel.click_colour(GREEN, child)
    vindrel.control("label", "127.0.0.1 chiede di conoscere la tua posizione", child)
    vindrel.click(vindrel.control("push button", "Blocca", child))
    wait_for(lambda: hits["/r?no"] == 1, "the page told it was refused")

    left, top, right, bottom = vindrel.wait_colour(BLUE, child)
    place, before = extents(child), Picture().pixels
    vindrel.click_at((left + right) // 2, (top + bottom) // 2)
    screen = Picture()
    wait_for(lambda: Picture().pixel(screen.width - 1, screen.height - 1) == MAGENTA, "the page over the screen")
    vindrel.key("Escape")
    wait_for(lambda: Picture().pixels == before, "the window back as it was")
    assert extents(child) == place
