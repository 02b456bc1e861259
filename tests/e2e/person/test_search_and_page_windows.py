"""Words typed in the address box searched for, an address that cannot be opened said so, and
what pages get of the windows they open and the PDF files they show."""
import ctypes
import re

import pytest

from vindrel_driver import GREEN, HOME, attachments, hits, page, site_pages, wait_for, xdotool

BLUE = (0, 0, 192)
SEARCH = "https://www.google.it/search?q=ricetta+carbonara"


class Bell:
    """Counts the X server's bells from now on, as a person hears them."""

    def __init__(self):
        self.x11 = x11 = ctypes.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for call in (x11.XPending, x11.XCloseDisplay):
            call.argtypes = [ctypes.c_void_p]
        x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x11.XkbSelectEvents.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
        x11.XkbQueryExtension.argtypes = [ctypes.c_void_p] + [ctypes.POINTER(ctypes.c_int)] * 5
        self.display = x11.XOpenDisplay(None)
        numbers = [ctypes.c_int() for _ in range(5)]
        assert x11.XkbQueryExtension(self.display, *(ctypes.byref(n) for n in numbers))
        self.event_type = numbers[1].value
        use_core_keyboard, bell_notify_mask = 0x100, 1 << 8
        x11.XkbSelectEvents(self.display, use_core_keyboard, bell_notify_mask, bell_notify_mask)
        x11.XPending(self.display)  # the selection reaches the server
        self.rung = 0

    def count(self):
        event = (ctypes.c_long * 24)()
        while self.x11.XPending(self.display):
            self.x11.XNextEvent(self.display, event)
            # XkbAnyEvent: type, serial, send_event, display, time, then xkb_type (8: a bell).
            kind, xkb_kind = ctypes.c_int.from_buffer(event).value, ctypes.c_int.from_buffer(event, 40).value
            self.rung += kind == self.event_type and xkb_kind == 8
        return self.rung

    def close(self):
        self.x11.XCloseDisplay(self.display)


def button(script, colour="#00C000"):
    """A block of that colour that runs script when clicked."""
    return (f'<a href="#" onclick="{script}; return false" '
            f'style="display:block;width:200px;height:60px;background:{colour}">zanzara</a>')


def opener(script):
    """A page whose green block runs script when clicked."""
    return page(button(script), title="Apre")


@pytest.mark.web
def test_words_typed_in_the_address_box_are_searched_for(vindrel):
    vindrel.start_home()
    vindrel.type_address("ricetta carbonara")
    # In the test's network the search engine cannot be reached: its address is what counts.
    wait_for(lambda: vindrel.address_text() == SEARCH, lambda: f"the search address, not {vindrel.address_text()!r}")
    wait_for(lambda: SEARCH in vindrel.address_list(), "the search in the address list")
    vindrel.close(vindrel.caption())
    vindrel.answer("Sì")
    assert vindrel.process.wait(timeout=30) == 0
    assert (vindrel.folder / "VINDREL.DAT").read_bytes().split(b"\r\n")[-2] == SEARCH.encode()


@pytest.mark.web
def test_an_address_that_cannot_be_opened_is_answered_with_a_bell_and_a_message(vindrel):
    vindrel.start_home()
    bell = Bell()
    try:
        vindrel.type_address("http://a b")
        assert vindrel.message() == ("Vindrel", "Non riesco ad aprire l'indirizzo http://a b !!!", ["OK"])
        wait_for(lambda: bell.count(), "the bell")
        assert bell.count() == 1
    finally:
        bell.close()
    vindrel.answer("OK")
    vindrel.wait_page(HOME)  # still on the page it showed


@pytest.mark.web
def test_a_page_whose_window_the_switch_blocked_gets_none(vindrel, site):
    site_pages["/apre.html"] = opener("fetch('/r?finestra=' + (window.open('/uno.html') === null ? 'nessuna' : 'aperta'))")
    vindrel.start(f"{site}/apre.html")
    vindrel.click_colour(GREEN)  # the switch is ticked at start
    wait_for(lambda: hits["/r?finestra=nessuna"] == 1, lambda: f"the page told it got no window: {dict(hits)}")
    vindrel.click(vindrel.control("check box", "Elimina Win PopUp"))
    vindrel.click_colour(GREEN)
    wait_for(lambda: hits["/r?finestra=aperta"] == 1, lambda: f"the page told it got its window: {dict(hits)}")
    wait_for(lambda: vindrel.count("Uno") == 1, "the window opened")


@pytest.mark.web
def test_a_window_takes_the_size_and_place_its_page_asked_for(vindrel, site):
    features = "'_blank', 'width=500,height=400,left=120,top=90'"
    site_pages["/apre.html"] = page(button(f"window.open('/uno.html', {features})"),
                                    button(f"window.open('/muove.html', {features})", "#0000C0"), title="Apre")
    # A window that moves and sizes itself at once, somewhere it would not be wholly on the screen.
    site_pages["/muove.html"] = page("<script>window.resizeTo(600, 300); window.moveTo(1500, 40)</script>", title="Muove")
    vindrel.start(f"{site}/apre.html")
    vindrel.click(vindrel.control("check box", "Elimina Win PopUp"))
    vindrel.click_colour(GREEN)
    window_id = wait_for(lambda: next(iter(vindrel._window_ids("Uno")), None), "the window opened")
    geometry = xdotool("getwindowgeometry", window_id)
    assert re.search(r"Position: 120,90\b", geometry) and "Geometry: 500x400" in geometry, geometry

    vindrel.close("Uno")
    wait_for(lambda: vindrel.count("Uno") == 0, "the window closed")
    vindrel.click_colour(BLUE)
    moved = wait_for(lambda: next(iter(vindrel._window_ids("Muove")), None), "the window opened")
    # The screen is 1600 wide: the window stays wholly on it.
    wait_for(lambda: re.search(r"Position: 1000,40\b.*Geometry: 600x300", xdotool("getwindowgeometry", moved), re.S),
             lambda: xdotool("getwindowgeometry", moved))


def green_pdf():
    """A one-page PDF file, its page all green (0, 192, 0)."""
    drawing = b"0 0.753 0 rg 0 0 612 792 re f"
    objects = [b"<< /Type /Catalog /Pages 2 0 R >>", b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
               b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R >>",
               b"<< /Length %d >>\nstream\n%s\nendstream" % (len(drawing), drawing)]
    pdf, offsets = b"%PDF-1.4\n", []
    for number, body in enumerate(objects, 1):
        offsets.append(len(pdf))
        pdf += b"%d 0 obj\n%s\nendobj\n" % (number, body)
    table = len(pdf)
    pdf += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    pdf += b"".join(b"%010d 00000 n \n" % offset for offset in offsets)
    return pdf + b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, table)


@pytest.mark.web
def test_a_pdf_is_shown_in_the_window(vindrel, site):
    attachments["/verde.pdf"] = ("inline", green_pdf(), "application/pdf")
    attachments["/scarica.pdf"] = ('attachment; filename="scarica.pdf"', green_pdf(), "application/pdf")
    vindrel.download_folder()
    vindrel.start_home()
    vindrel.type_address(f"{site}/verde.pdf")
    vindrel.wait_colour(GREEN)
    assert not vindrel.has_message()
    # One the site sends as an attachment is still a download.
    vindrel.type_address(f"{site}/scarica.pdf")
    vindrel.control("label", "Nome: scarica.pdf", vindrel.window("Download del file"))
