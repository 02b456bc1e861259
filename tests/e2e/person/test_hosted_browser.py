"""What the hosted browser gave its user: downloads, keys, find, print to PDF, zoom, the page's menu."""
from vindrel_driver import GREEN, HOME, SECOND, block, hits, page, wait_for, xdotool

MAGENTA = (192, 0, 192)


def test_downloads_from_two_windows_one_saved_one_cancelled(vindrel, site):
    folder = vindrel.download_folder()
    (folder / "dati.bin").write_bytes(b"vecchio")
    opener = (f"<button onclick=\"window.open('{site}/dati.bin')\" style=\"width:200px;height:60px;border:0;"
              f"background:#C000C0\">Apri</button>")
    vindrel.write("INIZIO.HTM", page(block(f"{site}/dati.bin"), opener))
    vindrel.start_home()
    vindrel.click_colour(GREEN)
    asking = vindrel.window("Download del file")
    assert vindrel.has("label", "Nome: dati.bin", asking)
    assert vindrel.has("label", "Dimensione: 1,5 MB (1.572.864 byte)", asking)
    vindrel.click(vindrel.control("check box", "Elimina Win PopUp"))  # pop-ups let through
    vindrel.click_colour(MAGENTA)
    wait_for(lambda: vindrel.count("Download del file") == 2, "a second download window")

    vindrel.click(vindrel.control("push button", "Annulla", vindrel.window("Download del file")))
    wait_for(lambda: vindrel.count("Download del file") == 1, "one download window left")
    vindrel.click(vindrel.control("push button", "Salva con nome...", vindrel.window("Download del file")))
    vindrel.click(vindrel.control("push button", "Salva", vindrel.window("Salva con nome")))
    done = vindrel.window("Download completato")
    assert vindrel.has("label", "Ricevuti 1,5 MB di 1,5 MB (1.572.864 byte)", done)
    assert vindrel.has("push button", "Apri cartella", done)
    # The existing file is kept; nothing partial is left behind.
    assert sorted(p.name for p in folder.iterdir()) == ["dati (1).bin", "dati.bin"]
    assert (folder / "dati.bin").read_bytes() == b"vecchio"
    assert (folder / "dati (1).bin").read_bytes() == bytes(range(256)) * 6144


def test_keys_run_the_toolbar_and_leave_the_pages_fields_their_keys(vindrel, site):
    vindrel.write("CAMPO.HTM", page(
        "<input autofocus style='width:300px' onkeydown=\"if (event.ctrlKey && event.key == 'f') "
        "{ event.preventDefault(); document.body.style.background = '#C000C0'; }\">"))
    vindrel.start(f"{site}/uno.html")
    vindrel.wait_page(f"{site}/uno.html")
    vindrel.click_page()  # the focus in the page
    vindrel.key("F5")
    wait_for(lambda: hits["/uno.html"] == 2, "the page loaded again")

    vindrel.key("ctrl+l")
    vindrel.type(f"{site}/lenta.html")
    vindrel.key("Return")
    vindrel.wait_caption("Working...")
    vindrel.key("Escape")
    vindrel.wait_page(f"{site}/lenta.html")
    vindrel.key("alt+Left")
    vindrel.wait_page(f"{site}/uno.html")

    vindrel.key("ctrl+p")
    vindrel.window("Stampa")
    vindrel.close("Stampa")
    wait_for(lambda: vindrel.count("Stampa") == 0, "the print dialog closed")

    vindrel.key("alt+d")
    vindrel.type("C:\\HOME-PAG\\CAMPO.HTM")
    vindrel.key("Return")
    vindrel.wait_page("file:///C:/HOME-PAG/CAMPO.HTM")
    x, y, _, _ = vindrel.page_area()
    vindrel.click_at(x + 100, y + 15)  # into the page's field
    vindrel.key("ctrl+f")
    vindrel.wait_colour(MAGENTA)
    assert not vindrel.has("label", "Trova:")


def test_find_selects_the_word_found(vindrel):
    vindrel.write("INIZIO.HTM", page("<p>Una parola rara: zanzara.</p>"))
    vindrel.start_home()
    area = vindrel.page_area()
    vindrel.click_page()
    vindrel.key("ctrl+f")
    vindrel.type("elefante")
    vindrel.control("label", "Nessuna corrispondenza")
    vindrel.key("ctrl+f")  # the text in the box selected: typing replaces it
    vindrel.type("ZANZARA")
    vindrel.key("Return")
    vindrel.control("label", "1 di 1")
    vindrel.key("Escape")
    wait_for(lambda: not vindrel.has("label", "Trova:"), "the find bar closed")
    assert vindrel.page_area() == area
    vindrel.key("ctrl+c")  # the page has the focus back, and the word found selected
    wait_for(lambda: vindrel.clipboard() == "zanzara", "the word on the clipboard")


def test_save_as_pdf_from_the_pages_menu(vindrel):
    folder = vindrel.download_folder()
    vindrel.write("INIZIO.HTM", page("<p>Da stampare</p>", title="Conto"))
    vindrel.start_home()
    entries = vindrel.menu(lambda: vindrel.click_page(button=3))
    vindrel.click(entries["Salva come PDF"])
    vindrel.click(vindrel.control("push button", "Salva", vindrel.window("Salva come PDF")))
    pdf = folder / "Conto.pdf"
    wait_for(lambda: pdf.exists() and pdf.read_bytes().startswith(b"%PDF"), "the PDF file")


def green_width(vindrel, window=None):
    """Of the green block on the page of a window, along its lowest rows, below its text."""
    left, _, _, bottom = vindrel.wait_colour(GREEN, window)
    picture, right = vindrel.screenshot(), left
    while picture.pixel(right, bottom - 2) == GREEN:
        right += 1
    return right - left


def test_zoom_by_keys_and_wheel_holds_for_the_window(vindrel):
    vindrel.write("INIZIO.HTM", page(block("DUE.HTM")))
    vindrel.write("DUE.HTM", page(block("INIZIO.HTM"), title="Due"))
    vindrel.start_home()

    def width():
        return green_width(vindrel)

    assert width() == 200
    vindrel.click_colour(GREEN)
    vindrel.wait_page(SECOND)
    vindrel.key("ctrl+plus")
    vindrel.control("label", "Zoom 110%")
    wait_for(lambda: width() == 220, "the page 10% larger")
    xdotool("keydown", "ctrl", "click", "4", "keyup", "ctrl")  # wheel up
    vindrel.control("label", "Zoom 125%")
    wait_for(lambda: width() == 250, "the page 25% larger")
    vindrel.click(vindrel.control("push button", "Back"))
    vindrel.wait_page(HOME)
    wait_for(lambda: width() == 250, "the same zoom on the page before")
    vindrel.key("ctrl+0")
    wait_for(lambda: width() == 200, "the page at its own size")


def test_pages_menu_is_italian_and_copies_a_link(vindrel):
    vindrel.write("INIZIO.HTM", page(block("DUE.HTM")))
    vindrel.start_home()
    entries = vindrel.menu(lambda: vindrel.click_page(button=3))
    assert list(entries) == ["Indietro", "Avanti", "Aggiorna", "Seleziona tutto", "Stampa...", "Salva come PDF",
                             "Visualizza sorgente"]
    assert not vindrel.enabled(entries["Indietro"])
    vindrel.key("Escape")
    left, top, _, _ = vindrel.wait_colour(GREEN)
    entries = vindrel.menu(lambda: vindrel.click_at(left + 100, top + 30, button=3))
    assert list(entries) == ["Apri link", "Apri link in una nuova finestra", "Copia indirizzo link"]
    vindrel.click(entries["Copia indirizzo link"])
    wait_for(lambda: vindrel.clipboard() == SECOND, "the link's address on the clipboard")


def test_keys_in_a_window_a_page_opened(vindrel, site):
    vindrel.write("INIZIO.HTM", page(f"<button onclick=\"window.open('FIGLIA.HTM')\" style=\"width:200px;"
                                     f"height:60px;border:0;background:#C000C0\">Apri</button>"))
    # Its title counts its loads after the first.
    counted = ("<script>sessionStorage.n = +(sessionStorage.n || 0) + 1; "
               "if (sessionStorage.n > 1) document.title = 'Figlia ' + sessionStorage.n;</script>")
    vindrel.write("FIGLIA.HTM", page(counted, block("ALTRA.HTM"), "<p>Una parola rara: elefante.</p>",
                                     f"<a href='{site}/ferma.html'>ferma</a>", title="Figlia"))
    vindrel.write("ALTRA.HTM", page(title="Altra"))
    vindrel.start_home()
    vindrel.click(vindrel.control("check box", "Elimina Win PopUp"))  # pop-ups let through
    vindrel.click_colour(MAGENTA)
    child = vindrel.window("Figlia")
    x, y, width, height = vindrel.page_area(child)
    vindrel.click_at(x + width // 2, y + height - 20)  # the focus in its page

    vindrel.key("ctrl+f")
    vindrel.type("elefante")
    vindrel.control("label", "1 di 1", child)
    vindrel.key("Escape")
    wait_for(lambda: not vindrel.has("label", "Trova:", child), "the find bar closed")
    vindrel.key("ctrl+plus")
    wait_for(lambda: green_width(vindrel, child) == 220, "the page 10% larger")
    vindrel.key("ctrl+0")
    wait_for(lambda: green_width(vindrel, child) == 200, "the page at its own size")
    vindrel.key("ctrl+p")
    vindrel.window("Stampa")
    vindrel.close("Stampa")
    wait_for(lambda: vindrel.count("Stampa") == 0, "the print dialog closed")
    vindrel.key("F5")
    wait_for(lambda: child.name == "Figlia 2", "the page loaded again")

    vindrel.click_colour(GREEN, child)
    wait_for(lambda: child.name == "Altra", "the next page in the window")
    vindrel.key("alt+Left")
    wait_for(lambda: child.name == "Figlia 3", "the page before")
    vindrel.key("alt+Right")
    wait_for(lambda: child.name == "Altra", "the page after")
    vindrel.key("alt+Left")
    wait_for(lambda: child.name == "Figlia 4", "the page before")
    vindrel.key("Tab", "Tab", "Return")  # its second link: a page that goes on loading
    wait_for(lambda: child.name == "Ferma", "the slow page in the window")
    vindrel.key("Escape")
    wait_for(lambda: child.name == "Fermata", "the page stopped")
