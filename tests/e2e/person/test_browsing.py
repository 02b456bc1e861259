"""Browsing: the address box, links and the toolbar."""
import pytest
from vindrel_driver import GREEN, HOME, SECOND, block, hits, page, site_pages, wait_for

MAGENTA = (192, 0, 192)


@pytest.mark.parametrize("typed, key", [("file:///C:/HOME-PAG/TRE.HTM", "Return"),
                                        ("C:\\HOME-PAG\\TRE.HTM", "KP_Enter")])
def test_enter_opens_a_typed_local_address(vindrel, site, typed, key):
    vindrel.write("TRE.HTM", "<html><body>Tre</body></html>")
    vindrel.start(f"{site}/uno.html")
    vindrel.wait_page(f"{site}/uno.html")
    vindrel.type_address(typed, key)
    vindrel.wait_page("file:///C:/HOME-PAG/TRE.HTM")
    assert any("TRE.HTM" in entry for entry in vindrel.address_list())
    assert vindrel.has("push button", " Modifica    pagina")


def test_enter_opens_a_typed_web_address(vindrel, site):
    vindrel.start_home()
    vindrel.type_address(f"{site}/uno.html")
    vindrel.wait_page(f"{site}/uno.html")
    assert f"{site}/uno.html" in vindrel.address_list()
    assert vindrel.has("push button", "Nuovo Vindrex")


def test_link_back_forward_and_stop_on_a_slow_page(vindrel, site):
    vindrel.write("INIZIO.HTM", page(block("DUE.HTM")))
    vindrel.write("DUE.HTM", "<html><body>Due</body></html>")
    vindrel.start_home()
    vindrel.click_colour(GREEN)
    vindrel.wait_page(SECOND)
    vindrel.click(vindrel.control("push button", "Back"))
    vindrel.wait_page(HOME)
    vindrel.click(vindrel.control("push button", "Forward"))
    vindrel.wait_page(SECOND)
    vindrel.type_address(f"{site}/lenta.html")
    vindrel.wait_caption("Working...")
    vindrel.click(vindrel.control("push button", "Stop"))
    vindrel.wait_page(f"{site}/lenta.html")


def test_a_web_page_reached_from_a_local_one_reloads_and_comes_back(vindrel, site):
    site_pages["/rosa.html"] = '<html><head><title>Rosa</title></head><body style="background:#C000C0"></body></html>'
    vindrel.write("INIZIO.HTM", page(block(f"{site}/rosa.html")))
    vindrel.start_home()
    vindrel.click_colour(GREEN)
    vindrel.wait_page(f"{site}/rosa.html")
    vindrel.wait_colour(MAGENTA)
    vindrel.click_page()
    vindrel.key("F5")
    wait_for(lambda: hits["/rosa.html"] == 2, "the page loaded again")
    vindrel.click(vindrel.control("push button", "Refresh"))
    wait_for(lambda: hits["/rosa.html"] == 3, "the page loaded again")
    vindrel.wait_page(f"{site}/rosa.html")
    vindrel.wait_colour(MAGENTA)
    # One place in the history still: Back goes to the start page, Forward shows the page again.
    vindrel.click(vindrel.control("push button", "Back"))
    vindrel.wait_page(HOME)
    vindrel.wait_colour(GREEN)
    vindrel.click(vindrel.control("push button", "Forward"))
    vindrel.wait_page(f"{site}/rosa.html")
    vindrel.wait_colour(MAGENTA)
    vindrel.key("alt+Left")
    vindrel.wait_page(HOME)
