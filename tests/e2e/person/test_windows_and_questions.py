"""Questions before navigations, the pop-up switch, state changes made through the accessibility
bus, and a page whose renderer dies, and dies again."""
import os
import signal

from vindrel_driver import GREEN, HOME, SECOND, extents, hits, page_captions, wait_for


BLUE = (0, 0, 192)
BLOCKED = "Vindrel ha bloccato una finestra di questo sito"


def opener(title, target):
    """A page whose green button opens target in a new window."""
    return (f"<html><head><title>{title}</title></head><body><button onclick=\"window.open('{target}')\" "
            f'style="width:240px;height:60px;border:0;background:#00C000">Apri</button></body></html>')


def pages_with_pop_ups(vindrel):
    vindrel.write("INIZIO.HTM", opener("Inizio", "FIGLIA.HTM"))
    vindrel.write("FIGLIA.HTM", opener("Figlia", "NIPOTE.HTM"))
    vindrel.write("NIPOTE.HTM",
                  "<html><head><title>Nipote</title></head><body style='background:#0000C0'>Nipote</body></html>")
    vindrel.start_home()


def test_questions_ask_once_per_navigation(vindrel):
    vindrel.write("DUE.HTM", "<html><body>Due</body></html>")
    vindrel.start_home()
    vindrel.click(vindrel.control("check box", "Elimina domande"))
    question = ("Apre nella stessa finestra", "Cerca di aprire nuovo sito: " + SECOND, ["OK", "Annulla"])

    vindrel.type_address(SECOND)
    assert vindrel.message() == question
    vindrel.answer("Annulla")
    # The next idle tick puts the address of the page on display back into the box.
    wait_for(lambda: vindrel.has_message() or vindrel.address_text() == HOME, "the box back on the page shown")
    assert not vindrel.has_message()

    vindrel.type_address(SECOND)
    assert vindrel.message() == question
    vindrel.answer("OK")
    wait_for(lambda: vindrel.has_message() or vindrel.caption() in page_captions(SECOND),
             "the page, or another question")
    assert not vindrel.has_message()


def test_pop_up_switch_holds_in_every_window(vindrel):
    pages_with_pop_ups(vindrel)
    switch = vindrel.control("check box", "Elimina Win PopUp")
    # Each press is answered before the switch changes: the page asks for its window some time after
    # the press, and the switch as it stands then decides.
    vindrel.click_colour(GREEN)  # blocked: the switch is ticked
    vindrel.control("label", BLOCKED)
    vindrel.click(switch)
    vindrel.click_colour(GREEN)
    child = vindrel.window("Figlia")
    # Counted once its page is drawn: counted as it first showed, one window was once counted three
    # times on a busy machine.
    vindrel.wait_colour(GREEN, child)
    assert vindrel.count("Figlia") == 1  # the first press opened nothing

    vindrel.click(switch)
    vindrel.click_colour(GREEN, child)  # blocked in the window let through too
    vindrel.control("label", BLOCKED, child)
    vindrel.click(switch)
    vindrel.click_colour(GREEN, child)
    vindrel.wait_colour(BLUE, vindrel.window("Nipote"))
    assert vindrel.count("Nipote") == 1


def test_bus_actions_on_option_and_check_boxes_run_their_handlers(vindrel):
    pages_with_pop_ups(vindrel)
    vindrel.click(vindrel.control("push button", " Modifica    pagina"))
    vindrel.click(vindrel.control("push button", "Crea una scritta", vindrel.window("Menu possibili modifiche")))
    banner = vindrel.window("Creazione di una nuova scritta")
    vindrel.act(vindrel.control("radio button", "Scorrevole", banner))
    wait_for(lambda: not vindrel.enabled(vindrel.control("panel", "Allineamento", banner)),
             "the alignment frame disabled")

    vindrel.act(vindrel.control("check box", "Elimina Win PopUp"))
    vindrel.click_colour(GREEN)
    vindrel.window("Figlia")


def test_a_dead_renderer_ends_loading_and_offers_to_reload(vindrel, site):
    vindrel.start(f"{site}/lenta.html")
    vindrel.wait_caption("Working...")
    killed = set(wait_for(vindrel.renderers, "the page's renderer"))
    for pid in killed:
        os.kill(pid, signal.SIGKILL)
    assert vindrel.message() == (
        "Errore di visualizzazione",
        f"La visualizzazione della pagina {site}/lenta.html si e' interrotta !!!\n\nRicarico la pagina ?", ["Sì", "No"])
    wait_for(lambda: vindrel.caption() != "Working...", "the caption to leave Working...")

    # Reloaded, it dies again at once: said so, and not offered for reloading for ever.
    vindrel.answer("Sì")
    for pid in wait_for(lambda: set(vindrel.renderers()) - killed, "the page's new renderer"):
        os.kill(pid, signal.SIGKILL)
    assert vindrel.message() == (
        "Errore di visualizzazione", f"La visualizzazione della pagina {site}/lenta.html si e' interrotta di nuovo !!!"
        "\n\nLa pagina non viene ricaricata.", ["OK"])
    vindrel.answer("OK")
    assert hits["/lenta.html"] == 2


def test_a_blocked_window_is_noted_over_the_page_and_opens_on_request(vindrel):
    low = '<div style="height:80px"></div>'  # the buttons below where the notice shows
    vindrel.write("INIZIO.HTM", low + opener("Inizio", "FIGLIA.HTM"))
    vindrel.write("FIGLIA.HTM", low + opener("Figlia", "NIPOTE.HTM"))
    vindrel.write("DUE.HTM", "<html><body>Due</body></html>")
    vindrel.start_home()
    area = vindrel.page_area()
    vindrel.click_colour(GREEN)
    notice = vindrel.control("label", BLOCKED)
    assert area[1] <= extents(notice)[1] < area[1] + 20  # over the page's top edge
    assert vindrel.page_area() == area  # which keeps its place
    vindrel.click_colour(GREEN)
    vindrel.click_colour(GREEN)
    vindrel.control("label", "Vindrel ha bloccato 3 finestre di questo sito")

    vindrel.click(vindrel.control("push button", "Apri comunque"))
    child = vindrel.window("Figlia")  # the page the window was asked for
    wait_for(lambda: not vindrel.has("label", "Vindrel ha bloccato 3 finestre di questo sito"), "the notice gone")
    assert vindrel.count("Figlia") == 1
    vindrel.click_colour(GREEN, child)  # the window opened has a notice of its own
    vindrel.click(vindrel.control("push button", "Chiudi", vindrel.control("label", BLOCKED, child).parent))
    wait_for(lambda: not vindrel.has("label", BLOCKED, child), "the notice of the window closed")

    vindrel.click_colour(GREEN)
    vindrel.control("label", BLOCKED)
    vindrel.type_address(SECOND)
    vindrel.wait_page(SECOND)
    assert not vindrel.has("label", BLOCKED)
