"""The end-to-end suite's servers and the program under test.

Each server is private to the run: an X server (with openbox where a window manager is needed),
a CUPS scheduler whose default queue is cups-pdf, the session and accessibility buses, a headless
weston, a Wine prefix and a web server for the page. Each fixture stops what it started, by process
id, in its teardown. --platform says where the program runs (x11, wayland, windows or web); the
scenarios take the driver of that platform from the `driver` fixture.
"""

import contextlib
import functools
import importlib
import os
import pathlib
import re
import shutil
import tempfile

import pytest

from processes import Started, wait_until


def pytest_addoption(parser):
    parser.addoption("--platform", choices=("x11", "wayland", "windows", "web"), default="x11",
                     help="where the program runs")
    for option, what in (("program", "the gridwick (gridwick.exe on windows) under test"),
                         ("ask-for-provider", "windows: the program that asks for gridwick.exe's UI Automation "
                                              "provider, as a screen reader does"),
                         ("downloads", "windows: the folder of the zip, the MSI and SHA256SUMS"),
                         ("page", "web: the folder of the page and the files it loads")):
        parser.addoption(f"--{option}", type=lambda path: pathlib.Path(path).resolve(), help=what)
    parser.addoption("--architecture", help="the Debian package: cross-built for this architecture")


@pytest.fixture(scope="session")
def option(request):
    return request.config.getoption


@pytest.fixture(scope="session")
def scratch():
    # Readable by all: the print scheduler's filters run as lp and read the spool below it.
    folder = pathlib.Path(tempfile.mkdtemp(prefix="gridwick-e2e-"))
    folder.chmod(0o755)
    runtime = folder / "runtime"
    runtime.mkdir(mode=0o700)
    os.environ["XDG_RUNTIME_DIR"] = str(runtime)
    yield folder
    shutil.rmtree(folder, ignore_errors=True)


@pytest.fixture(scope="session")
def x_server(scratch):
    """A private Xvfb on a display it picks itself as free (-displayfd). -noreset: otherwise the
    last client to leave resets the server, and a client connecting meanwhile is refused."""
    read_end, write_end = os.pipe()
    xvfb = Started(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                    "-nolisten", "tcp", "-noreset"], scratch / "xvfb.log", pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    assert number, f"Xvfb did not start: {xvfb.printed()}"
    os.environ["DISPLAY"] = f":{number}"
    yield os.environ["DISPLAY"]
    xvfb.stop()


@pytest.fixture(scope="session")
def window_manager(x_server, scratch):
    openbox = Started(["openbox"], scratch / "openbox.log")
    yield
    openbox.stop()


@pytest.fixture(scope="session")
def accessibility_bus(scratch):
    """A private session bus and the accessibility bus it leads to, which Qt joins without a
    screen reader."""
    address = f"unix:path={scratch}/session-bus"
    session_bus = Started(["dbus-daemon", "--session", "--nofork", f"--address={address}"],
                          scratch / "dbus.log")
    wait_until(lambda: (scratch / "session-bus").exists(), "the session bus")
    os.environ.update(DBUS_SESSION_BUS_ADDRESS=address, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    launcher = Started(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                       scratch / "dbus.log")
    yield
    launcher.stop()
    session_bus.stop()


@pytest.fixture(scope="session")
def printer(scratch, option):
    """A private CUPS scheduler on a socket of its own, whose default queue is cups-pdf: the
    folder where its PDFs appear. A scheduler that will not take the queue gets one fresh start.
    A page prints through the browser: its driver puts there what the print dialog would print."""
    if option("platform") == "web":
        yield scratch / "printed"
        return
    import private_cups
    for attempt in (1, 2):
        scheduler = private_cups.start(scratch / f"cups-{attempt}")
        if private_cups.add_pdf_queue(scheduler):
            break
        scheduler.stop()
    else:
        pytest.fail(f"the private CUPS scheduler did not take the queue:\n{scheduler.printed()}")
    yield private_cups.output_folder()
    scheduler.stop()


@pytest.fixture(scope="session")
def compositor(scratch):
    socket = f"gridwick-{os.getpid()}"
    weston = Started(["weston", "--backend=headless-backend.so", f"--socket={socket}", "--idle-time=0"],
                     scratch / "weston.log")
    wait_until(lambda: (scratch / "runtime" / socket).exists(), f"weston: {weston.printed()}")
    os.environ["WAYLAND_DISPLAY"] = socket
    os.environ.pop("DISPLAY", None)
    yield
    weston.stop()


@pytest.fixture(scope="session")
def wine_prefix(scratch):
    """A prefix with Wine's fonts where Windows keeps its own: Debian's Wine leaves the ones it
    ships (Tahoma, MS Sans Serif's bitmap face) in /usr/share/wine/fonts, where programs do not
    find them."""
    import wine
    prefix = scratch / "wine"
    prefix.mkdir()
    os.environ.update(WINEPREFIX=str(prefix), WINEDEBUG="-all")
    wine.start_server()
    wine.run("wineboot", "--init")
    for font in pathlib.Path("/usr/share/wine/fonts").iterdir():
        shutil.copy(font, prefix / "drive_c/windows/Fonts")
    yield prefix
    wine.stop_server()


@pytest.fixture(scope="session")
def web_server(scratch, option):
    """Python's static server on a loopback port it picks itself, serving the page's folder as
    any static host would. The page's address is GRIDWICK_PAGE, as the X server's is DISPLAY."""
    log = scratch / "web-server.log"
    server = Started(["python3", "-u", "-m", "http.server", "--bind", "127.0.0.1", "--directory", option("page"), "0"],
                     log)
    port = wait_until(lambda: next(iter(re.findall(r" port (\d+)", log.read_text())), None), "the web server")
    os.environ["GRIDWICK_PAGE"] = f"http://127.0.0.1:{port}/"
    yield os.environ["GRIDWICK_PAGE"]
    server.stop()


# What each platform's program needs running. The drivers join the accessibility bus as they are
# imported: after it starts.
SERVERS = {"x11": ("x_server", "accessibility_bus"), "wayland": ("compositor", "accessibility_bus"),
           "windows": ("window_manager", "wine_prefix"), "web": ("web_server",)}


@pytest.fixture(scope="session")
def platform_driver(request, option, scratch):
    """The class that starts and drives the program on this platform, its servers running."""
    for server in SERVERS[option("platform")]:
        request.getfixturevalue(server)
    return functools.partial(importlib.import_module(f"driver_{option('platform')}").Driver, option, scratch)


@pytest.fixture(scope="module")
def driver(request, platform_driver):
    """One run of the program that the scenarios of a module share, in their order. The program
    finds its printers as it starts: the print scheduler comes first if a test will print."""
    if any("printer" in item.fixturenames for item in request.session.items):
        request.getfixturevalue("printer")
    with contextlib.closing(platform_driver()) as running:
        yield running


@pytest.fixture
def own_driver(platform_driver):
    """Runs of the program of the test's own, for a scenario that ends one: each started with
    the environment it needs, and closed when the test ends."""
    with contextlib.ExitStack() as runs:
        yield lambda **environment: runs.enter_context(contextlib.closing(platform_driver(**environment)))
