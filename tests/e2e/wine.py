"""gridwick.exe's Windows under Wine: the loader, run bounded in the prefix the environment names."""

import os
import subprocess

WINE = "/usr/lib/wine/wine64"


def run(*arguments, timeout=120, **options):
    return subprocess.run([WINE, *arguments], capture_output=True, text=True, timeout=timeout,
                          check=True, **options).stdout.replace("\r", "")


def stop_server():
    subprocess.run(["/usr/lib/wine/wineserver", "-k"], timeout=20, env=os.environ)


def set_registry(key, name, kind, value):
    run("reg", "add", key, "/v", name, "/t", kind, "/d", str(value), "/f")
