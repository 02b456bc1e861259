"""The page editor on the local page on display: banner, link and background."""
import os
import subprocess

import pytest

from vindrel_driver import SECOND, wait_for

YELLOW = (255, 255, 128)  # the default text colour of banners and links
DARK_PAGE = '<HTML>\n<BODY bgcolor="#000000">\nInizio\n</BODY>\n</HTML>'


def open_editor(vindrel, command, caption):
    """The page button, then a command of the edit menu: the window it opens."""
    vindrel.start_home()
    vindrel.click(vindrel.control("push button", " Modifica    pagina"))
    vindrel.click(vindrel.control("push button", command, vindrel.window("Menu possibili modifiche")))
    return vindrel.window(caption)


def fill(vindrel, window, label, text):
    vindrel.click(vindrel.field(window, label))
    vindrel.type(text)


def test_banner_is_written_into_the_page_and_shown(vindrel):
    vindrel.write("INIZIO.HTM", DARK_PAGE)
    page = vindrel.home / "INIZIO.HTM"
    before = page.read_bytes()
    form = open_editor(vindrel, "Crea una scritta", "Creazione di una nuova scritta")
    fill(vindrel, form, "Testo scritta :", "Benvenuti")
    vindrel.click(vindrel.control("push button", "Conferma", form))
    line = b'<H2><p align="left"><font color="#FFFF80">Benvenuti</font></p></H2>\r\n'
    wait_for(lambda: line in page.read_bytes(), "the banner in the page file")
    assert page.read_bytes() == before.replace(b"</BODY>\r\n", b"</BODY>\r\n" + line)
    assert (vindrel.home / "INIZIO.HT_").read_bytes() == before
    vindrel.wait_colour(YELLOW)


def test_new_link_opens_the_linked_page(vindrel):
    vindrel.write("INIZIO.HTM", DARK_PAGE)
    vindrel.write("DUE.HTM", "<html><body>Due</body></html>")
    form = open_editor(vindrel, "Collega un'altra pagina", "Creazione collegamento ad altra pagina .HTML ")
    fill(vindrel, form, "Testo scritta :", "Vai")
    fill(vindrel, form, "Pagina collegata:", "C:\\HOME-PAG\\DUE.HTM")
    vindrel.click(vindrel.control("push button", "Conferma", form))
    vindrel.click_colour(YELLOW)
    vindrel.wait_page(SECOND)


def test_new_background_is_shown(vindrel):
    vindrel.write("INIZIO.HTM", '<HTML>\n<BODY background="SF2.JPG">\nInizio\n</BODY>\n</HTML>')
    blue = (32, 80, 160)
    subprocess.run(["convert", "-size", "64x64", "xc:#2050A0", "-quality", "100", str(vindrel.home / "SF1.JPG")],
                   check=True)
    form = open_editor(vindrel, "Modifica sfondo della pagina", "Selezione colore di sfondo della pagina")
    fill(vindrel, form, "Nome immagine di sfondo :", "SF1.JPG")
    vindrel.click(vindrel.control("push button", "Conferma", form))
    x, y, width, height = vindrel.page_area()
    wait_for(lambda: all(abs(a - b) <= 8 for a, b in zip(vindrel.screenshot().pixel(x + width - 30, y + height - 30),
                                                          blue)), "the background image on the page")


def test_links_planted_at_the_temporary_and_backup_names_lead_nowhere(vindrel, tmp_path):
    # A folder of pages unpacked from an archive may bring links leading to the user's own files.
    mine, other = tmp_path / "bashrc", tmp_path / "altro"
    mine.write_bytes(b"mio\n")
    other.write_bytes(b"altro\n")
    vindrel.write("INIZIO.HTM", DARK_PAGE)
    page = vindrel.home / "INIZIO.HTM"
    before = page.read_bytes()
    (vindrel.home / "INIZIO.HT~").symlink_to(mine)
    (vindrel.home / "INIZIO.HT_").symlink_to(other)
    form = open_editor(vindrel, "Crea una scritta", "Creazione di una nuova scritta")
    fill(vindrel, form, "Testo scritta :", "Benvenuti")
    vindrel.click(vindrel.control("push button", "Conferma", form))
    wait_for(lambda: b"Benvenuti" in page.read_bytes(), "the banner in the page file")
    assert mine.read_bytes() == b"mio\n" and other.read_bytes() == b"altro\n"
    assert not (vindrel.home / "INIZIO.HT~").is_symlink() and not (vindrel.home / "INIZIO.HT_").is_symlink()
    assert (vindrel.home / "INIZIO.HT_").read_bytes() == before
    assert (vindrel.home / "INIZIO.HT~").read_bytes() == page.read_bytes()


@pytest.mark.parametrize("room, message", [
    (0, "Errore in lettura pagina C:\\HOME-PAG\\INIZIO.HTM"),
    (1, "Errore nella copia della pagina C:\\HOME-PAG\\INIZIO.HTM in C:\\HOME-PAG\\INIZIO.HT_"),
])
def test_a_rewrite_on_a_full_disk_leaves_the_page_and_no_new_file(vindrel, room, message):
    """room: pages of the disk left free, none for the new page or one for it and none for the backup."""
    if os.geteuid() != 0 or subprocess.run(["mount", "-t", "tmpfs", "-o", "size=1m", "tmpfs", vindrel.home],
                                           capture_output=True).returncode != 0:
        pytest.skip("a small file system needs root's mount")
    try:
        vindrel.write("INIZIO.HTM", DARK_PAGE)
        kept = {"INIZIO.HTM": (vindrel.home / "INIZIO.HTM").read_bytes()}
        if room == 0:
            kept["INIZIO.HT_"] = b"vecchia pagina\r\n"
            (vindrel.home / "INIZIO.HT_").write_bytes(kept["INIZIO.HT_"])
        form = open_editor(vindrel, "Crea una scritta", "Creazione di una nuova scritta")
        fill(vindrel, form, "Testo scritta :", "Benvenuti")
        spare = vindrel.home / "spazio"
        spare.write_bytes(bytes(4096 * room))
        filler = os.open(vindrel.home / "riempitivo", os.O_WRONLY | os.O_CREAT)
        try:
            while os.write(filler, bytes(4096)):
                pass
        except OSError:
            os.close(filler)
        spare.unlink()
        vindrel.click(vindrel.control("push button", "Conferma", form))
        assert vindrel.message()[1] == message
        vindrel.answer("OK")
        names = sorted(p.name for p in vindrel.home.iterdir())
        assert names == sorted([*kept, "riempitivo"])
        assert all((vindrel.home / name).read_bytes() == data for name, data in kept.items())
    finally:
        vindrel.end()
        subprocess.run(["umount", "--lazy", vindrel.home])
