"""Browsing: the address box, links and the toolbar."""
import pytest
from vindrel_driver import GREEN, HOME, SECOND, block, page


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
