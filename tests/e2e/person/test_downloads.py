"""Files from a web site: the names a server gives them, and opening them with "Apri"."""
import pathlib

from vindrel_driver import attachments, wait_for

LONG = "a" * 296 + ".txt"  # 300 bytes


def download(vindrel, site, path, disposition, body, kind="application/octet-stream"):
    """Types the address of a file the site offers and answers "Apri" in its download window."""
    attachments[path] = (disposition, body, kind)
    vindrel.type_address(site + path)
    vindrel.click(vindrel.control("push button", "Apri", vindrel.window("Download del file")))


def test_a_servers_name_never_leads_out_of_the_download_folder(vindrel, site):
    folder = vindrel.download_folder()
    vindrel.record_desktop_opens()
    victim = vindrel.root / "vittima.txt"
    victim.write_text("intatto")
    (folder / "collegato.txt").symlink_to(victim)
    (folder / "collegato.txt.part.download").symlink_to(victim)  # where the engine writes first
    (folder / "vuoto.txt").symlink_to(vindrel.root / "nessuno.txt")  # leads nowhere
    cases = [  # Content-Disposition, the name the file gets
        ('attachment; filename="../../fuori.txt"', "fuori.txt"),
        ('attachment; filename="..\\\\..\\\\indietro.txt"', "indietro.txt"),
        (f'attachment; filename="{vindrel.root}/assoluto.txt"', "assoluto.txt"),
        ('attachment; filename="C:drive.txt"', "C_drive.txt"),
        ("attachment; filename*=UTF-8''%2E%2E%2F%00%01nul.txt", "nul.txt"),
        ('attachment; filename=".nascosto"', "nascosto"),
        ('attachment; filename="...."', "download"),
        (f'attachment; filename="{LONG}"', LONG[-200:]),
        ("attachment; filename*=UTF-8''lettera%E2%80%AEtxt.pdf", "letteratxt.pdf"),
        ('attachment; filename="collegato.txt"', "collegato (1).txt"),
        ('attachment; filename="vuoto.txt"', "vuoto (1).txt"),
    ]
    vindrel.start_home()
    for n, (disposition, name) in enumerate(cases):
        download(vindrel, site, f"/file{n}", disposition, b"contenuto %d" % n)
        wait_for(lambda: len(vindrel.opened()) == n + 1, f"the desktop opening {name}")
        assert vindrel.opened()[-1] == str(folder / name), disposition
        assert (folder / name).read_bytes() == b"contenuto %d" % n
        wait_for(lambda: vindrel.count("Download del file") == 0, "the download window closed")
    assert victim.read_text() == "intatto"
    links = {"collegato.txt", "collegato.txt.part.download", "vuoto.txt"}
    assert {p.name for p in folder.iterdir()} == {name for _, name in cases} | links
    assert not any((vindrel.root / name).exists() for name in ("assoluto.txt", "fuori.txt", "nessuno.txt"))
    assert not (vindrel.root.parent / "fuori.txt").exists()


def question(name):
    return ("Apertura del file", f"Il file  {name}  è un programma o uno script: aprirlo significa eseguirlo sul "
            "computer.\n\nConfermi l'apertura ?", ["Sì", "No"])


def test_apri_asks_before_it_runs_a_program(vindrel, site):
    folder = vindrel.download_folder()
    vindrel.record_desktop_opens()
    vindrel.start_home()
    programs = [  # name, contents, type the server says
        ("installa.sh", b"#!/bin/sh\necho ciao\n", "application/x-sh"),
        ("programma", pathlib.Path("/bin/true").read_bytes(), "application/octet-stream"),  # known by its contents
        ("avvia.desktop", b"[Desktop Entry]\nType=Application\nName=Avvia\nExec=true\n", "text/plain"),
    ]
    for n, (name, body, kind) in enumerate(programs):
        download(vindrel, site, f"/programma{n}", f'attachment; filename="{name}"', body, kind)
        assert vindrel.message() == question(name)
        if n == 0:
            vindrel.key("Return")  # Enter says No
            wait_for(lambda: not vindrel.has_message(), "the question answered")
        else:
            vindrel.answer("No")
        done = vindrel.window("Download completato")  # it stays, with the file's folder at hand
        assert vindrel.has("label", f"Salvato in: Z:{str(folder / name).replace('/', chr(92))}", done)
        vindrel.click(vindrel.control("push button", "Chiudi", done))
        wait_for(lambda: vindrel.count("Download completato") == 0, "the window closed")
    assert vindrel.opened() == []

    # Asked again from the finished download's own "Apri", and opened on Yes.
    download(vindrel, site, "/programma", 'attachment; filename="installa.sh"', b"#!/bin/sh\n", "application/x-sh")
    vindrel.answer("No")
    vindrel.click(vindrel.control("push button", "Apri", vindrel.window("Download completato")))
    assert vindrel.message() == question("installa (1).sh")
    vindrel.answer("Sì")
    wait_for(lambda: vindrel.opened() == [str(folder / "installa (1).sh")], "the script given to the desktop")

    download(vindrel, site, "/nota", 'attachment; filename="nota.txt"', b"ciao\n", "text/plain")
    wait_for(lambda: len(vindrel.opened()) == 2, "the text given to the desktop without a question")
    assert not vindrel.has_message()
    assert all(p.stat().st_mode & 0o111 == 0 for p in folder.iterdir())  # no file came in runnable
