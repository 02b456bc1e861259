"""The favourites window follows the Favourites folder while it shows."""
import pyatspi

from vindrel_driver import find, find_all, wait_for

SHORTCUT = b"[InternetShortcut]\r\nURL=http://esempio.it/\r\n"


def test_the_tree_follows_the_folder_keeping_an_open_folder_and_the_selection(vindrel):
    folder = vindrel.favourites
    (folder / "Cartella").mkdir()
    (folder / "Cartella" / "Dentro.url").write_bytes(SHORTCUT)
    (folder / "Uno.url").write_bytes(SHORTCUT)
    vindrel.start_home()
    vindrel.click(vindrel.control("push button", "Vedo Link Preferiti"))
    tree = vindrel.window("Internet Preferiti")
    vindrel.click(vindrel.control("table cell", "Cartella", tree))  # a folder: no menu
    vindrel.key("Right", "Down")  # opens it and goes to its shortcut

    def nodes():
        return [cell.name for cell in find_all(tree, "table cell")]

    def shows(*names):
        """Until the tree shows these nodes, in this order, with Dentro still selected; no key is pressed."""
        expected = ["Internet Preferiti", *names]
        wait_for(lambda: nodes() == expected, lambda: f"the tree {expected} (it shows {nodes()})")
        assert find(tree, "table cell", "Dentro").getState().contains(pyatspi.STATE_SELECTED)

    shows("Uno", "Cartella", "Dentro")
    (folder / "Nuovo.url").write_bytes(SHORTCUT)
    shows("Nuovo", "Uno", "Cartella", "Dentro")
    (folder / "Nuovo.url").rename(folder / "Zeta.url")
    shows("Uno", "Zeta", "Cartella", "Dentro")
    (folder / "Zeta.url").unlink()
    shows("Uno", "Cartella", "Dentro")
    (folder / "Cartella" / "Anche.url").write_bytes(SHORTCUT)  # inside the open folder
    shows("Uno", "Cartella", "Anche", "Dentro")
    (folder / "Nuova cartella").mkdir()
    shows("Uno", "Cartella", "Anche", "Dentro", "Nuova cartella")
    (folder / "Nuova cartella").rename(folder / "Archivio")
    shows("Uno", "Archivio", "Cartella", "Anche", "Dentro")
    (folder / "Archivio").rmdir()
    shows("Uno", "Cartella", "Anche", "Dentro")
