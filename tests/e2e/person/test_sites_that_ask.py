"""Sites that ask something of the person: a login, trust in a certificate the engine doubts."""
import datetime

import pytest

from vindrel_driver import GREEN, HOME, find, site_pages, wait_for
from web_servers import REFUSED, LoginProxy, LoginServer, SelfSignedServer

pytestmark = pytest.mark.web

LOGIN = "Autenticazione richiesta"
BLUE = (0, 0, 192)
YELLOW = (192, 192, 0)


@pytest.fixture
def login_server():
    server = LoginServer("mario", "segreta", "Archivio di prova")
    yield server
    server.close()


def give_login(vindrel, user, password):
    """Fill in the login box on display and press OK; returns the texts the box showed."""
    box = vindrel.window(LOGIN)
    texts = [n.name for n in box if n is not None and n.getRoleName() == "label"]
    if user is not None:
        field = vindrel.field(box, "Nome utente:")
        vindrel.click(field)
        vindrel.key("ctrl+a")
        vindrel.type(user)
    vindrel.click(wait_for(lambda: find(box, "password text"), "the password field"))
    vindrel.type(password)
    vindrel.click(vindrel.control("push button", "OK", box))
    return texts


def test_a_login_wrong_then_right_is_asked_again_and_kept(vindrel, login_server):
    vindrel.start_home()
    vindrel.type_address(login_server.address("/privato/uno.html?sfondo=00C000"))
    first = give_login(vindrel, "mario", "sbagliata")
    assert "Il sito 127.0.0.1 richiede un nome utente e una password." in first
    assert 'Il sito dice: "Archivio di prova"' in first
    assert "Nome utente o password non validi." not in first
    # Asked again, saying why, with the user name kept: only the password is typed.
    again = give_login(vindrel, None, "segreta")
    assert "Nome utente o password non validi." in again
    vindrel.wait_colour(GREEN)
    # The site's other pages come without a question.
    vindrel.type_address(login_server.address("/privato/due.html?sfondo=0000C0"))
    vindrel.wait_colour(BLUE)
    assert LOGIN not in [w.name for w in vindrel.windows()]
    logins = login_server.logins()
    assert all(user and password for user, password in logins), logins  # nothing empty was ever sent
    assert logins.count(("mario", "sbagliata")) == 1, logins  # one request per answer
    assert set(logins) == {("mario", "sbagliata"), ("mario", "segreta")}, logins


def test_a_cancelled_login_shows_the_sites_own_page(vindrel, login_server):
    vindrel.start_home()
    vindrel.type_address(login_server.address("/privato/uno.html?sfondo=00C000"))
    box = vindrel.window(LOGIN)
    vindrel.click(vindrel.control("push button", "Annulla", box))
    vindrel.wait_colour(REFUSED)
    assert login_server.logins() == []
    assert [path for path, _ in login_server.requests if path.startswith("/privato/")] == [
        "/privato/uno.html?sfondo=00C000"]


def test_a_proxy_asking_for_a_login_is_answered_the_same_way(vindrel):
    proxy = LoginProxy("mario", "segreta", "Proxy di prova")
    try:
        vindrel.environment["http_proxy"] = f"http://127.0.0.1:{proxy.port}"
        vindrel.start_home()
        # Not on 127.0.0.1, which the engine reaches without a proxy.
        vindrel.type_address("http://sito.prova/pagina.html?sfondo=00C000")
        texts = give_login(vindrel, "mario", "segreta")
        assert texts[:2] == ["Il proxy 127.0.0.1 richiede un nome utente e una password.",
                             'Il proxy dice: "Proxy di prova"']
        vindrel.wait_colour(GREEN)
        assert [given for _, given in proxy.requests][:2] == [None, proxy.expected]
    finally:
        proxy.close()


@pytest.fixture
def secure_site(tmp_path):
    server = SelfSignedServer(tmp_path)
    yield server
    server.close()


def test_a_self_signed_site_is_warned_in_italian_and_either_way_works(vindrel, site, secure_site):
    vindrel.start_home()
    # Its image and frame in another site's page are refused without a question; the page turns
    # green once both have failed.
    site_pages["/parti.html"] = (
        "<html><body><script>let failed = 0; function fail() { if (++failed == 2) document.body.style.background = "
        f"'#00C000'; }}</script><img src='{secure_site.address('/immagine.png')}' onerror='fail()'>"
        f"<iframe src='{secure_site.address('/cornice.html')}' onload='fail()'></iframe></body></html>")
    vindrel.type_address(f"{site}/parti.html")
    vindrel.wait_colour(GREEN)
    assert find(vindrel.main, "label", "La connessione a 127.0.0.1 non è sicura") is None
    assert secure_site.requests == []
    vindrel.type_address(secure_site.address("/"))
    title = vindrel.control("label", "La connessione a 127.0.0.1 non è sicura")
    warning = title.parent
    texts = [n.name for n in warning if n is not None and n.getRoleName() == "label"]
    assert any("autorità attendibile" in text for text in texts), texts
    assert "Rilasciato a: 127.0.0.1" in texts and "Rilasciato da: 127.0.0.1" in texts
    assert any(text.startswith("Valido dal ") for text in texts), texts
    # Back, the default: the page shown before stays, and the site got nothing.
    vindrel.key("Return")
    vindrel.wait_page(f"{site}/parti.html")
    assert find(vindrel.main, "label", "La connessione a 127.0.0.1 non è sicura") is None
    assert secure_site.requests == []
    # Asked again, since no exception was made; on regardless, the site's page.
    vindrel.type_address(secure_site.address("/?sfondo=0000C0"))
    vindrel.click(vindrel.control("push button", "Continua comunque (non sicuro)"))
    vindrel.wait_colour(BLUE)
    # The exception holds for the site: its other pages come without a warning.
    vindrel.type_address(secure_site.address("/altra.html?sfondo=C0C000"))
    vindrel.wait_colour(YELLOW)
    assert [path for path, _ in secure_site.requests if path != "/favicon.ico"] == ["/?sfondo=0000C0",
                                                                                    "/altra.html?sfondo=C0C000"]


def test_an_expired_certificate_is_told_as_expired_too(vindrel, tmp_path):
    expired = SelfSignedServer(tmp_path, datetime.datetime(2020, 1, 1), datetime.datetime(2020, 2, 1, 12))
    try:
        vindrel.start_home()
        vindrel.type_address(expired.address("/"))
        warning = vindrel.control("label", "La connessione a 127.0.0.1 non è sicura").parent
        texts = [n.name for n in warning if n is not None and n.getRoleName() == "label"]
        # The engine, which does not trust it anyway, names only that; the warning says both.
        assert "Il certificato del sito è scaduto." in texts and "Valido dal 01/01/2020 al 01/02/2020" in texts
        assert any("autorità attendibile" in text for text in texts), texts
        vindrel.click(vindrel.control("push button", "Torna indietro"))
        vindrel.wait_page(HOME)
        assert expired.requests == []
    finally:
        expired.close()
