"""What sites leave with the browser: a profile that remembers across starts and is shared by two
copies running at once, and the engine's own pages in Italian."""
import os
import pathlib
import socket
import stat

import pytest
from vindrel_driver import Vindrel, request_headers, site_pages, wait_for

YEAR = 365 * 24 * 3600


def remembering_page(name):
    """A page that greets a visitor it knows by a one-year cookie and localStorage, then leaves both."""
    return f"""<html><head><title>Ricorda</title></head><body><p id="s"></p><script>
const known = document.cookie.includes("{name}=si") && localStorage.getItem("{name}") === "si";
document.getElementById("s").textContent = known ? "Bentornato" : "Prima visita";
document.cookie = "{name}=si; max-age={YEAR}; path=/";
localStorage.setItem("{name}", "si");
</script></body></html>"""


def close(copy):
    """Closes the copy as a person does, keeping its history, and waits until it has ended."""
    copy.close(copy.caption())
    copy.act(copy.message_button("Sì"))
    assert copy.process.wait(timeout=60) == 0


@pytest.mark.web
def test_a_cookie_and_local_storage_are_there_at_the_next_start(vindrel, site):
    site_pages["/ricorda.html"] = remembering_page("visto")
    vindrel.read_pages()
    vindrel.start(f"{site}/ricorda.html")
    vindrel.wait_page_text("Prima visita")
    close(vindrel)
    vindrel.start(f"{site}/ricorda.html")
    vindrel.wait_page_text("Bentornato")

    data, cache = vindrel.root / "data" / "vindrel", vindrel.root / "cache" / "vindrel"
    for folder in (data, data / "web", data / "web" / "profile", cache):
        assert stat.S_IMODE(folder.stat().st_mode) == 0o700, folder
    assert (data / "web" / "profile" / "Cookies").exists()
    assert sorted(p.name for p in vindrel.folder.iterdir()) == ["VINDREL.DAT", "vindrel"]  # nothing beside the program
    assert "Vindrel:" not in vindrel.log.read_text()


@pytest.mark.web
def test_engine_texts_are_italian_and_sites_are_told_italian_under_a_c_locale(vindrel, site):
    with socket.socket() as unused:
        unused.bind(("127.0.0.1", 0))
        refused = f"http://127.0.0.1:{unused.getsockname()[1]}/"  # nothing listens there once it is closed
    vindrel.read_pages()
    vindrel.environment.update(LANG="C", LC_ALL="C", LANGUAGE=None)
    # What the engine would say of a required field left empty, shown by the page itself.
    site_pages["/modulo.html"] = ('<html><body><input required><p id="m"></p><script>document.getElementById("m")'
                                  '.textContent = "Messaggio: " + document.querySelector("input").validationMessage'
                                  '</script></body></html>')
    vindrel.start(f"{site}/modulo.html")
    vindrel.wait_page_text("Messaggio: Compila questo campo.")
    assert request_headers["/modulo.html"]["Accept-Language"] == "it-IT,it;q=0.9,en;q=0.8"
    vindrel.type_address(refused)
    shown = vindrel.wait_page_text("Impossibile raggiungere il sito")
    assert "Connessione negata da" in shown


def cookie_page(name):
    """A page that sets a one-year cookie name=si and says so."""
    return (f'<html><body><script>document.cookie = "{name}=si; max-age={YEAR}; path=/";'
            f'document.write("{name} fatto")</script></body></html>')


@pytest.mark.web
def test_two_copies_at_once_share_the_login_and_keep_every_cookie(vindrel, site):
    site_pages["/entra.html"] = (f'<html><body><script>document.cookie = "utente=anna; max-age={YEAR}; path=/";'
                                 'location.replace("/conto.html")</script></body></html>')
    site_pages["/conto.html"] = ('<html><body><p id="u"></p><p id="b"></p><script>'
                                 'const user = document.cookie.match(/utente=(\\w+)/);'
                                 'document.getElementById("u").textContent = "Utente: " + (user ? user[1] : "nessuno");'
                                 'document.getElementById("b").textContent = "Cookie: " + document.cookie.split("; ").sort().join(" ");'
                                 '</script></body></html>')
    # The first copy also logs in as someone else meanwhile: the other copy's older login must not come back.
    site_pages["/prima.html"] = cookie_page("prima").replace("<script>", f'<script>document.cookie = "utente=bruno; max-age={YEAR}; path=/";')
    site_pages["/seconda.html"] = cookie_page("seconda")
    vindrel.read_pages()
    vindrel.start_home()
    vindrel.type_address(f"{site}/entra.html")
    vindrel.wait_page(f"{site}/conto.html")
    vindrel.wait_page_text("Utente: anna")

    vindrel.click(vindrel.control("push button", "Nuovo Vindrex"))
    other = vindrel.started_copy("seconda")
    other.wait_page(f"{site}/conto.html")
    other.wait_page_text("Utente: anna")  # logged in where the first copy was
    vindrel.type_address(f"{site}/prima.html")
    vindrel.wait_page_text("prima fatto")
    other.type_address(f"{site}/seconda.html")
    other.wait_page_text("seconda fatto")

    other.close(other.caption())
    other.act(other.message_button("Sì"))
    other.process.wait()
    close(vindrel)

    vindrel.start(f"{site}/conto.html")
    vindrel.wait_page_text("Cookie: prima=si seconda=si utente=bruno")
    web = vindrel.root / "data" / "vindrel" / "web"
    assert sorted(p.name for p in web.iterdir()) == ["cookies-in-use", "handed-over", "profile", "profile.lock"]
    assert not list((web / "handed-over").iterdir())
    assert "Vindrel:" not in vindrel.log.read_text()


def test_a_damaged_profile_is_set_aside_and_a_new_one_begun(vindrel):
    web = vindrel.root / "data" / "vindrel" / "web"
    (web / "profile").mkdir(parents=True)
    garbage = b"SQLite format 3\0" + bytes(range(256)) * 3  # a store cut short
    (web / "profile" / "Cookies").write_bytes(garbage)
    vindrel.start_home()
    aside = [p for p in web.iterdir() if p.name.startswith("profile.danneggiato-")]
    assert len(aside) == 1 and (aside[0] / "Cookies").read_bytes() == garbage
    assert (f"Vindrel: il profilo web in {web / 'profile'} era danneggiato: è stato messo da parte in {aside[0]} "
            "e se ne comincia uno nuovo.") in vindrel.log.read_text()
    close(vindrel)
    assert (web / "profile").is_dir()
