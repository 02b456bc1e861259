"""The IE windows list ends only Internet Explorer's own processes; the history is never torn,
edited through the desktop's editor, or reported when no editor is found."""
import os
import pathlib
import shutil
import subprocess
import tempfile

import pytest

from vindrel_driver import find, find_all, wait_for


def program_copy(folder, name, original="/bin/sleep"):
    path = pathlib.Path(folder) / name
    path.parent.mkdir(parents=True, exist_ok=True)
    shutil.copy2(original, path)
    return path


def state(process):
    return pathlib.Path(f"/proc/{process.pid}/stat").read_text().rsplit(")", 1)[1].split()[0]


def test_ie_list_shows_and_ends_only_internet_explorer_of_this_user(vindrel, tmp_path):
    vindrel.start_home()  # the loading timer ends IE processes by itself: they start after it
    shared = pathlib.Path(tempfile.mkdtemp())  # others may run programs from here
    shared.chmod(0o755)
    ie = subprocess.Popen(["C:\\Program Files\\Internet Explorer\\iexplore.exe", "60"],
                          executable=program_copy(tmp_path, "Internet Explorer/iexplore.exe"))
    others = [subprocess.Popen([program_copy(tmp_path, "iexplore.exe.d/sleep"), "60"]),
              subprocess.Popen([program_copy(tmp_path, "ended/IEXPLORE.EXE", "/bin/true")])]
    if os.geteuid() == 0:
        others.append(subprocess.Popen([program_copy(shared, "iexplore.exe"), "60"], user=65534))
    try:
        wait_for(lambda: state(others[1]) == "Z", "the ended program left unreaped")
        window = vindrel.ie_windows_list()
        rows = lambda: [n.name for n in find_all(window, "list item")]
        wait_for(lambda: rows() == [f"IEXPLORE.EXE {ie.pid:X}"], lambda: f"the list's rows (it shows {rows()})")

        vindrel.click(vindrel.control("push button", "Cancella tutte le finestre IE", window))
        ie.wait(timeout=30)
        wait_for(lambda: rows() == [], "the list emptied")
        assert others[0].poll() is None and state(others[1]) == "Z" and all(p.poll() is None for p in others[2:])
    finally:
        for process in [ie, *others]:
            process.kill()
            process.wait()
        shutil.rmtree(shared)


@pytest.mark.web
def test_a_long_history_is_whole_in_the_list_opened_at_once(vindrel, site):
    """The list of a long history fills once the first page is there: opened while that page still
    loads, it shows the whole history at once, in order."""
    count = 200_000
    (vindrel.folder / "VINDREL.DAT").write_bytes(b"".join(b"http://sito%d.it/\r\n" % i for i in range(count)))
    vindrel.start(f"{site}/lenta.html")
    vindrel.key("alt+d", "alt+Down")
    listing = wait_for(lambda: find(vindrel.control("combo box", None), "list"), "the address list shown")
    # The start-up lists the start address again after the history, as it always has.
    shown = [listing.getChildAtIndex(i).name for i in [0, 1, 2, 3, count, count + 1]]
    start = shown[0]
    assert listing.childCount == count + 2 and start.endswith("lenta.html")
    assert shown == [start, "http://sito0.it/", "http://sito1.it/", "http://sito2.it/", f"http://sito{count - 1}.it/",
                     start]


def test_history_survives_a_full_disk(vindrel):
    if os.geteuid() != 0 or subprocess.run(["mount", "-t", "tmpfs", "-o", "size=40m", "tmpfs", vindrel.folder],
                                           capture_output=True).returncode != 0:
        pytest.skip("a small file system needs root's mount")
    try:
        old = b"http://esempio.it/" + b"a" * 4076 + b"\r\n"  # a whole page: a file written in place could not grow
        (vindrel.folder / "VINDREL.DAT").write_bytes(old)
        vindrel.start_home()
        filler = os.open(vindrel.folder / "riempitivo", os.O_WRONLY | os.O_CREAT)  # the disk fills up meanwhile
        try:
            while os.write(filler, b"\0" * 4096):
                pass
        except OSError:
            os.close(filler)
        vindrel.close(vindrel.caption())
        vindrel.answer("Sì")
        assert vindrel.message()[1].startswith("Non riesco a registrare i Link dei Siti Internet visualizzati nel file ")
        vindrel.answer("OK")
        vindrel.process.wait(timeout=30)
        assert (vindrel.folder / "VINDREL.DAT").read_bytes() == old
    finally:
        vindrel.end()
        subprocess.run(["umount", "--lazy", vindrel.folder])


@pytest.mark.parametrize("kind", ["unreadable", "folder"])
def test_a_history_that_cannot_be_saved_is_said_and_left_as_it_is(vindrel, kind):
    history = vindrel.folder / "VINDREL.DAT"
    if kind == "unreadable":
        history.write_bytes(b"http://esempio.it/\r\n")
        history.chmod(0)
    else:
        (history / "dentro").mkdir(parents=True)
    vindrel.start_home()
    vindrel.close(vindrel.caption())
    vindrel.answer("Sì")
    title, text, buttons = vindrel.message()
    assert (title, buttons) == ("Chiusura Vindrel", ["OK"])
    assert text.startswith("Non riesco a registrare i Link dei Siti Internet visualizzati nel file ")
    assert text.endswith("\\VINDREL.DAT !!!")
    vindrel.answer("OK")
    assert vindrel.process.wait(timeout=30) == 0
    if kind == "unreadable":
        assert history.stat().st_mode & 0o777 == 0
        history.chmod(0o600)
        assert history.read_bytes() == b"http://esempio.it/\r\n"
    else:
        assert [p.name for p in history.iterdir()] == ["dentro"]


def editor_setup(vindrel, tmp_path, with_editor):
    """A PATH of its own; with_editor: the desktop's text editor writes down what it was asked to open."""
    tools = tmp_path / "strumenti"
    tools.mkdir()
    vindrel.environment["PATH"] = str(tools)
    if with_editor:
        (tools / "xdg-mime").write_text("#!/bin/sh\necho editore.desktop\n")
        (tools / "editore").write_text(f'#!/bin/sh\necho "$@" > {tmp_path}/aperto\n')
        for tool in ("xdg-mime", "editore"):
            (tools / tool).chmod(0o755)
        applications = tmp_path / "dati" / "applications"
        applications.mkdir(parents=True)
        (applications / "editore.desktop").write_text(
            "[Desktop Entry]\nType=Application\nName=Editore\nExec=editore %f\n")
        vindrel.environment["XDG_DATA_DIRS"] = str(tmp_path / "dati")


@pytest.mark.parametrize("with_editor", [True, False])
def test_varia_storia_opens_the_history_or_says_why_not(vindrel, tmp_path, with_editor):
    (vindrel.folder / "VINDREL.DAT").write_bytes(b"http://esempio.it/\r\n")
    editor_setup(vindrel, tmp_path, with_editor)
    vindrel.start_home()
    vindrel.click(vindrel.control("push button", "Varia storia"))
    if with_editor:
        opened = tmp_path / "aperto"
        wait_for(lambda: opened.exists() and opened.read_text(), "the editor started")
        assert opened.read_text() == f"{vindrel.folder / 'VINDREL.DAT'}\n"
    else:
        _, text, buttons = vindrel.message()
        assert text.startswith("Non trovo un programma per modificare il file ") and text.endswith(
            "VINDREL.DAT !!!") and buttons == ["OK"]
