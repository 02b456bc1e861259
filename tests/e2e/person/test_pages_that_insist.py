"""A page cannot lock the user in: one asking alert() and confirm() for ever, or asking for window
after window, is stopped from the dialog itself, and the window stays the user's; one stuck in a
script is ended when the user agrees, and its site opens again."""
import pathlib
import time

import pytest

from vindrel_driver import GREEN, hits, site_pages, wait_for

BLUE = (0, 0, 192)

STOP = "Impedisci a questa pagina di aprire altre finestre di dialogo"


def offers_stop(vindrel):
    return vindrel.has("check box", STOP, vindrel.message_box())


def close_without_saving(vindrel):
    vindrel.close(vindrel.caption())
    assert vindrel.message()[:2] == ("Chiusura Vindrel", "Desideri registrare i Link dei Siti Internet visualizzati (S/N)")
    vindrel.answer("No")
    assert vindrel.process.wait(timeout=30) == 0


def test_a_page_asking_for_ever_is_stopped_and_stop_and_closing_work(vindrel, site):
    site_pages["/ciclo.html"] = ('<html><head><title>Ciclo</title></head><body>Ciclo<script>'
                                 'for (let n = 1;; n++) n % 2 ? alert("Messaggio " + n) : confirm("Domanda " + n)'
                                 '</script></body></html>')
    vindrel.start(f"{site}/ciclo.html")
    assert vindrel.message() == ("Messaggio della pagina Web", "Messaggio 1", ["OK"])
    assert not offers_stop(vindrel)
    vindrel.answer("OK")
    assert vindrel.message() == ("Messaggio della pagina Web", "Domanda 2", ["OK", "Annulla"])
    vindrel.click(vindrel.control("check box", STOP, vindrel.message_box()))
    vindrel.answer("OK")

    # The page goes on asking, and is refused without a word: the window is the user's again.
    vindrel.click(vindrel.control("push button", "Stop"))
    vindrel.wait_caption(f"{site}/ciclo.html".replace("/", "\\"))
    close_without_saving(vindrel)


def test_a_page_asking_for_window_after_window_is_stopped(vindrel, site):
    site_pages["/finestre.html"] = ('<html><head><title>Finestre</title></head><body>Finestre<script>'
                                    'setInterval(() => { window.open("/uno.html"); fetch("/ancora") }, 200)'
                                    '</script></body></html>')
    page = f"{site}/finestre.html"
    vindrel.start(page)
    vindrel.click(vindrel.control("check box", "Elimina domande"))
    question = ("Apre in una nuova finestra", "Cerca di aprire nuovo sito: " + page, ["OK", "Annulla"])
    assert vindrel.message() == question
    assert not offers_stop(vindrel)
    vindrel.answer("Annulla")
    assert vindrel.message() == ("Apre in una nuova finestra", "Apro su stessa pagina il sito: " + page, ["OK", "Annulla"])
    vindrel.answer("Annulla")
    assert vindrel.message() == question
    vindrel.click(vindrel.control("check box", STOP, vindrel.message_box()))
    vindrel.answer("Annulla")

    # It goes on asking for windows, five times more: no question, no window.
    asked = hits["/ancora"]
    wait_for(lambda: hits["/ancora"] >= asked + 5 or vindrel.has_message(), "five more requests")
    assert not vindrel.has_message() and vindrel.count("Uno") == 0
    close_without_saving(vindrel)


def cpu_seconds(pids):
    """The processor time those processes used, in seconds."""
    total = 0
    for pid in pids:
        try:
            fields = pathlib.Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except (OSError, ValueError, IndexError):
            continue
    return total / 100


@pytest.mark.web
@pytest.mark.parametrize("script, stuck_at_once", [
    ("while (true) {}", True),
    ('addEventListener("beforeunload", () => { while (true) {} })', False),
], ids=["endless loop", "busy beforeunload"])
def test_a_page_stuck_in_a_script_is_ended_and_its_site_opens_again(vindrel, site, script, stuck_at_once):
    site_pages["/bloccata.html"] = f"<html><head><title>Bloccata</title></head><body>Bloccata<script>{script}</script></body></html>"
    vindrel.start_home()
    used = cpu_seconds(vindrel.renderers())
    vindrel.type_address(f"{site}/bloccata.html")
    if stuck_at_once:  # its renderer spins
        wait_for(lambda: cpu_seconds(vindrel.renderers()) > used + 2, "the page's script running")
    else:
        vindrel.wait_page(f"{site}/bloccata.html")

    vindrel.type_address(f"{site}/uno.html")  # the same site: the same renderer
    assert vindrel.message()[1:] == ("La pagina non risponde. Vuoi chiuderla ?", ["Sì", "No"])
    answered = time.monotonic()
    vindrel.answer("Sì")
    vindrel.wait_page(f"{site}/uno.html")
    assert time.monotonic() - answered < 5
    assert not vindrel.has_message()


@pytest.mark.web
def test_a_window_a_page_opened_is_ended_when_stuck_and_its_site_opens_again(vindrel, site):
    site_pages["/apre.html"] = ("<html><head><title>Apre</title></head><body><button onclick=\"window.open('/bloccata.html')\" "
                                'style="width:240px;height:60px;border:0;background:#00C000">Apri</button></body></html>')
    # Drawn first, then stuck.
    site_pages["/bloccata.html"] = ("<html><head><title>Bloccata</title></head><body style='background:#0000C0'>Bloccata"
                                    "<script>setTimeout(() => { while (true) {} }, 1000)</script></body></html>")
    vindrel.start(f"{site}/apre.html")
    vindrel.wait_page(f"{site}/apre.html")
    vindrel.click(vindrel.control("check box", "Elimina Win PopUp"))  # windows let through
    used = cpu_seconds(vindrel.renderers())
    vindrel.click_colour(GREEN)
    window = vindrel.window("Bloccata")
    vindrel.wait_colour(BLUE, window)
    wait_for(lambda: cpu_seconds(vindrel.renderers()) > used + 2, "the page's script running")

    vindrel.click(window)
    vindrel.key("F5")
    assert vindrel.message()[1:] == ("La pagina non risponde. Vuoi chiuderla ?", ["Sì", "No"])
    answered = time.monotonic()
    vindrel.answer("Sì")
    # The window that opened it shared its renderer: ended with it, without a word.
    vindrel.type_address(f"{site}/uno.html")
    vindrel.wait_page(f"{site}/uno.html")
    assert time.monotonic() - answered < 5
    assert not vindrel.has_message()
