"""Two copies of the program in one folder share one history: closed at the same moment, both
answering Yes, they keep every address of both; a copy that cannot have the file says so."""
import fcntl

import pytest

from vindrel_driver import HOME, site_pages

ROUNDS = 50
KNOWN = 20000  # addresses already in the history: a save that takes its time, as a long history's does


def visits(site, name):
    """The two addresses a copy visits: the one it starts on, and the one that page moves on to."""
    first, second = f"{site}/{name}.html", f"{site}/{name}-bis.html"
    site_pages[first[len(site):]] = f'<html><body><script>location.replace("{second}")</script></body></html>'
    site_pages[second[len(site):]] = "<html><head><title>Bis</title></head><body>Bis</body></html>"
    return first, second


def listed(first, second):
    """The two as the address list holds them: a start address in its path form."""
    return {first.replace("/", "\\").encode(), second.encode()}


@pytest.mark.copies
def test_two_copies_closed_together_keep_every_address(vindrel, site):
    history = vindrel.folder / "VINDREL.DAT"
    expected = {f"http://esempio{i}.it/".encode() for i in range(KNOWN)}
    history.write_bytes(b"".join(address + b"\r\n" for address in sorted(expected)))
    program = vindrel.place()
    copies = [vindrel, vindrel.another_copy("seconda")]
    for round_ in range(ROUNDS):
        addresses = [visits(site, f"giro{round_}-{copy}") for copy in ("a", "b")]
        for copy, (first, _) in zip(copies, addresses):
            copy.launch(program, first)
        for copy, (_, second) in zip(copies, addresses):
            copy.attach()
            copy.wait_caption(second)  # its last caption: the one the window keeps
        for copy in copies:
            copy.close(copy.caption())
        yes = [copy.message_button("Sì") for copy in copies]
        for button in yes:  # both at once, through the bus
            vindrel.act(button)
        for copy in copies:
            assert copy.process.wait(timeout=30) == 0
        for pair in addresses:
            expected |= listed(*pair)

        text = history.read_bytes()
        lines = text.split(b"\r\n")
        assert lines.pop() == b"", f"round {round_}: the last line is cut"
        assert not [line for line in lines if b"\r" in line or b"\n" in line], f"round {round_}: a torn line"
        assert expected <= set(lines), f"round {round_}: lost {sorted(expected - set(lines))[:5]}"


def test_a_copy_that_cannot_have_the_history_says_so_and_keeps_it(vindrel):
    history = vindrel.folder / "VINDREL.DAT"
    history.write_bytes(b"http://esempio.it/\r\n")
    vindrel.start_home()
    vindrel.wait_caption(HOME)  # its last caption: the one the window keeps
    with open(vindrel.folder / "VINDREL.DAT.lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)  # another copy saving, and never done
        vindrel.close(vindrel.caption())
        vindrel.answer("Sì")
        path = "Z:" + str(history).replace("/", "\\")
        assert vindrel.message() == (
            "Chiusura Vindrel", f"Il file {path} è in uso da un'altra copia di Vindrel: i Link dei Siti Internet "
            "visualizzati non sono stati registrati !!!", ["OK"])
        vindrel.answer("OK")
        assert vindrel.process.wait(timeout=30) == 0
    assert history.read_bytes() == b"http://esempio.it/\r\n"
