"""The buttons beside the address box: favourites, ID, Copia Address; and closing the program."""
import re
import socket

from vindrel_driver import HOME, SECOND, wait_for


def test_favourite_opens_in_the_main_window(vindrel):
    vindrel.write("DUE.HTM", "<html><body>Due</body></html>")
    (vindrel.favourites / "Due.url").write_bytes(b"[InternetShortcut]\r\nURL=file:///C:/HOME-PAG/DUE.HTM\r\n")
    vindrel.start_home()
    vindrel.click(vindrel.control("push button", "Vedo Link Preferiti"))
    tree = vindrel.window("Internet Preferiti")
    vindrel.menu(lambda: vindrel.click(vindrel.control("table cell", "Due", tree)))
    vindrel.key("Down", "Return")  # "Open Site", the menu's first entry
    vindrel.wait_page(SECOND)


def test_closing_saves_the_visited_sites(vindrel):
    (vindrel.folder / "VINDREL.DAT").write_bytes(b"http://esempio.it/\r\n")
    vindrel.start_home()
    vindrel.close(vindrel.caption())
    assert vindrel.message() == ("Chiusura Vindrel", "Desideri registrare i Link dei Siti Internet visualizzati (S/N)",
                                 ["Sì", "No"])
    vindrel.answer("Sì")
    assert vindrel.process.wait(timeout=30) == 0
    assert (vindrel.folder / "VINDREL.DAT").read_bytes() == (
        b"C:\\HOME-PAG\\INIZIO.HTM\r\nhttp://esempio.it/\r\nfile:///C:/HOME-PAG/INIZIO.HTM\r\n")


def test_id_and_copy_address_show_and_copy(vindrel):
    vindrel.start_home()
    vindrel.click(vindrel.control("push button", "ID"))
    title, text, buttons = vindrel.message()
    found = re.fullmatch(r"Il tuo indirizzo IP e':   (\S+)\n\nLogin: (.*)", text)
    assert (title, found[2], buttons) == ("IP Check", socket.gethostname().upper(), ["OK"])
    vindrel.answer("OK")
    wait_for(lambda: vindrel.clipboard() == found[1], "the IP address on the clipboard")

    vindrel.click(vindrel.control("push button", "Copia Address"))
    assert vindrel.message() == ("Location Url", "Indirizzo attuale: " + HOME, ["OK"])
    vindrel.answer("OK")
    wait_for(lambda: vindrel.clipboard() == HOME, "the address on the clipboard")


def test_elimina_in_organize_moves_a_shortcut_to_the_trash(vindrel):
    data = vindrel.root / "data"  # the desktop's data folder of the program's user, with its trash
    vindrel.environment.update(HOME=str(vindrel.root), XDG_DATA_HOME=str(data))
    (vindrel.favourites / "Due.url").write_bytes(b"[InternetShortcut]\r\nURL=file:///C:/HOME-PAG/DUE.HTM\r\n")
    vindrel.start_home()
    vindrel.click(vindrel.control("push button", "Vedo Link Preferiti"))
    tree = vindrel.window("Internet Preferiti")
    entries = vindrel.menu(lambda: vindrel.click(vindrel.control("table cell", "Due", tree)))
    vindrel.click(entries["Organize"])
    organize = vindrel.window("Organizza Preferiti")
    vindrel.click(vindrel.control("table cell", "Due.url", organize))
    vindrel.click(vindrel.control("push button", "Elimina", organize))
    assert vindrel.message() == ("Organizza Preferiti", "Confermi lo spostamento di  Due.url  nel Cestino ?", ["Sì", "No"])
    vindrel.answer("Sì")
    wait_for(lambda: not (vindrel.favourites / "Due.url").exists(), "the shortcut gone from the Favourites")
    assert (data / "Trash" / "files" / "Due.url").read_bytes().startswith(b"[InternetShortcut]")
    assert f"Path={vindrel.favourites}/Due.url" in (data / "Trash" / "info" / "Due.url.trashinfo").read_text()


def test_closing_with_a_download_coming_in_asks_first(vindrel, site):
    folder = vindrel.download_folder()
    (vindrel.folder / "VINDREL.DAT").write_bytes(b"http://esempio.it/\r\n")
    vindrel.start_home()
    vindrel.type_address(f"{site}/lento.bin")
    vindrel.click(vindrel.control("push button", "Salva con nome...", vindrel.window("Download del file")))
    vindrel.click(vindrel.control("push button", "Salva", vindrel.window("Salva con nome")))

    def percent():
        return next((int(w.name.split("%")[0]) for w in vindrel.windows() if w.name.endswith("% di lento.bin")), None)
    wait_for(percent, "the download's progress")
    vindrel.close(vindrel.caption())
    assert vindrel.message() == ("Chiusura Vindrel", "Ci sono download in corso. Chiudere comunque?", ["Sì", "No"])
    vindrel.answer("No")
    now = percent()
    wait_for(lambda: percent() > now, "the download going on")
    assert vindrel.has("push button", "Copia Address")  # in the window still open

    vindrel.close(vindrel.caption())
    vindrel.message()
    vindrel.answer("Sì")
    assert vindrel.message()[1] == "Desideri registrare i Link dei Siti Internet visualizzati (S/N)"
    vindrel.answer("No")
    assert vindrel.process.wait(timeout=30) == 0
    assert list(folder.iterdir()) == []  # nothing half received is left
