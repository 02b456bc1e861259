"""An installed copy: the files the install puts in place, and a user's history kept in the user's
own folder when the program folder may not be written."""
import os
import pathlib
import stat
import struct
import subprocess

import pytest
from vindrel_driver import HOME, SECOND, wait_for

APP = "it.vindrel.Vindrel"


@pytest.fixture
def installed(tmp_path):
    """The build installed under a DESTDIR with prefix /usr: that prefix's folder."""
    build = pathlib.Path(os.environ["VINDREL_BINARY"]).parent
    destdir = tmp_path / "destdir"
    subprocess.run(["cmake", "--install", str(build), "--prefix", "/usr"], check=True, capture_output=True,
                   env=dict(os.environ, DESTDIR=str(destdir)))
    yield destdir / "usr"
    (destdir / "usr" / "bin").chmod(0o755)  # so that the temporary folder can go


def test_install_puts_a_desktop_application_in_place(installed):
    files = {str(p.relative_to(installed)) for p in installed.rglob("*") if p.is_file()}
    assert files == {"bin/vindrel", f"share/applications/{APP}.desktop", f"share/metainfo/{APP}.metainfo.xml",
                     f"share/icons/hicolor/scalable/apps/{APP}.svg", f"share/icons/hicolor/128x128/apps/{APP}.png",
                     "share/man/man1/vindrel.1.gz", "share/doc/vindrel/copyright", "share/doc/vindrel/changelog.gz"}
    for check in (["desktop-file-validate", f"share/applications/{APP}.desktop"],
                  ["appstreamcli", "validate", "--no-net", f"share/metainfo/{APP}.metainfo.xml"]):
        result = subprocess.run(check, cwd=installed, capture_output=True, text=True)
        assert result.returncode == 0, result.stdout + result.stderr
    entry = (installed / f"share/applications/{APP}.desktop").read_text().splitlines()
    assert {"Exec=vindrel %u", "Categories=Network;WebBrowser;",
            "MimeType=text/html;x-scheme-handler/http;x-scheme-handler/https;"} <= set(entry)
    width, height = struct.unpack(">II", (installed / f"share/icons/hicolor/128x128/apps/{APP}.png").read_bytes()[16:24])
    assert width >= 48 and height >= 48


def desktop_text_editor(tmp_path, data, monkeypatch):
    """A text editor the desktop names for plain text; it writes the file it is given to editor.txt."""
    editor = tmp_path / "editor"
    editor.write_text(f'#!/bin/sh\nprintf "%s" "$1" > {tmp_path}/editor.tmp && mv {tmp_path}/editor.tmp {tmp_path}/editor.txt\n')
    editor.chmod(0o755)
    (data / "applications").mkdir(parents=True)
    (data / "applications" / "editor.desktop").write_text(f"[Desktop Entry]\nType=Application\nName=Editor\nExec={editor} %f\n")
    (tmp_path / "config").mkdir()
    (tmp_path / "config" / "mimeapps.list").write_text("[Default Applications]\ntext/plain=editor.desktop\n")
    monkeypatch.setenv("XDG_CONFIG_HOME", str(tmp_path / "config"))
    return tmp_path / "editor.txt"


def test_installed_copy_keeps_the_history_in_the_users_folder(vindrel, installed, tmp_path, monkeypatch):
    data, runtime = tmp_path / "data", tmp_path / "runtime"
    runtime.mkdir(mode=0o700)
    monkeypatch.setenv("XDG_DATA_HOME", str(data))
    monkeypatch.setenv("XDG_CACHE_HOME", str(tmp_path / "cache"))  # the driver's, for the first start too
    monkeypatch.setenv("XDG_RUNTIME_DIR", str(runtime))  # as a desktop session has it
    edited = desktop_text_editor(tmp_path, data, monkeypatch)
    program = installed / "bin" / "vindrel"
    (program.parent / "VINDREL.DAT").write_bytes(b"http://esempio.it/\r\n")  # read when the user has none
    program.parent.chmod(0o555)
    vindrel.write("INIZIO.HTM", "<html><body>Inizio</body></html>")
    vindrel.write("DUE.HTM", "<html><body>Due</body></html>")

    shot = tmp_path / "shot.png"
    started = subprocess.run([str(program)], env=dict(os.environ, VINDREL_SCREENSHOT=str(shot),
                                                      VINDREL_DRIVE_C=str(vindrel.root / "C")), timeout=90)
    assert started.returncode == 0 and shot.stat().st_size > 0
    assert not (data / "vindrel" / "VINDREL.DAT").exists()  # reading the history creates none

    vindrel.run(program)
    vindrel.wait_page(HOME)
    vindrel.type_address(SECOND)
    vindrel.wait_page(SECOND)
    vindrel.close(vindrel.caption())
    vindrel.answer("Sì")
    assert vindrel.process.wait(timeout=30) == 0
    assert (data / "vindrel" / "VINDREL.DAT").read_bytes() == (
        b"C:\\HOME-PAG\\INIZIO.HTM\r\nhttp://esempio.it/\r\n" + HOME.encode() + b"\r\n" + SECOND.encode() + b"\r\n")
    assert stat.S_IMODE((data / "vindrel").stat().st_mode) == 0o700
    assert (program.parent / "VINDREL.DAT").read_bytes() == b"http://esempio.it/\r\n"
    assert (vindrel.root / "vindrel.log").read_text() == ""  # a quiet start

    vindrel.run(program)
    vindrel.wait_page(HOME)
    assert SECOND in vindrel.address_list()
    vindrel.click(vindrel.control("push button", "Varia storia"))  # the user's own file in the editor
    assert wait_for(lambda: edited.exists() and edited.read_text(), "the editor") == str(data / "vindrel" / "VINDREL.DAT")
