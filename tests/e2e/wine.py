"""gridwick.exe's Windows under Wine: the loader, run bounded in the prefix the environment names,
and its server."""

import contextlib
import subprocess
import tempfile

WINE = "/usr/lib/wine/wine64"


def run(*arguments, timeout=120, **options):
    """What the command printed. It prints to a file, not a pipe: Wine's background programs
    inherit its output and outlive it."""
    with tempfile.TemporaryFile() as printed:
        subprocess.run([WINE, *arguments], stdout=printed, stderr=subprocess.DEVNULL, timeout=timeout, check=True,
                       **options)
        printed.seek(0)
        return printed.read().decode(errors="replace").replace("\r", "")


def start_server():
    """Wine's server and its background programs, kept running until stopped rather than started
    again by each command."""
    subprocess.run(["/usr/lib/wine/wineserver", "--persistent"], stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True, timeout=20)


def stop_server():
    for step in ("--kill", "--wait"):
        subprocess.run(["/usr/lib/wine/wineserver", step], timeout=20)


@contextlib.contextmanager
def registry(settings):
    """The user's registry with these numbers set, for programs started meanwhile. Wine's server
    reads the screen's resolution as it starts: it is started again each way."""
    if not settings:
        yield
        return
    for key, name, value in settings:
        run("reg", "add", key, "/v", name, "/t", "REG_DWORD", "/d", str(value), "/f")
    stop_server()
    start_server()
    try:
        yield
    finally:
        for key, name, _ in settings:
            run("reg", "delete", key, "/v", name, "/f")
        stop_server()
        start_server()
