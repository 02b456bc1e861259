"""A page cannot lock the user in: one asking alert() and confirm() for ever, or asking for window
after window, is stopped from the dialog itself, and the window stays the user's."""
from vindrel_driver import hits, site_pages, wait_for

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
