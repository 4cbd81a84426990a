"""What Windows users download, tried under Wine: the zip, the three downloads built alike a second
time, gridwick.exe itself (its DLLs, styles, --version and version record), and the MSI installed,
run, upgraded and removed with Wine's msiexec in a prefix of its own. The project's facts come
from GRIDWICK_VERSION (1.0.0.0), GRIDWICK_DISPLAY_VERSION (1.00) and GRIDWICK_RELEASE_EPOCH."""

import os
import pathlib
import re
import subprocess
import zipfile

import pefile
import pytest

import wine

SOURCE_DIR = pathlib.Path(__file__).resolve().parents[2]
PACKAGING = SOURCE_DIR / "packaging/windows"
VERSION, SHOWN = os.environ.get("GRIDWICK_VERSION", ""), os.environ.get("GRIDWICK_DISPLAY_VERSION", "")
# Wine's copies of Windows' own libraries.
SYSTEM_DLLS = pathlib.Path("/usr/lib/x86_64-linux-gnu/wine/x86_64-windows")


@pytest.fixture(scope="module")
def exe(request):
    return pathlib.Path(request.config.getoption("program")).resolve()


@pytest.fixture(scope="module")
def pe(exe):
    return pefile.PE(exe)


@pytest.fixture(scope="module")
def downloads(request):
    return pathlib.Path(request.config.getoption("downloads")).resolve()


def test_the_zip_holds_the_program_its_licence_and_readme(downloads):
    names = zipfile.ZipFile(downloads / f"gridwick-{VERSION}-windows-x86_64.zip").namelist()
    assert sorted(names) == ["LICENSE", "README.txt", "gridwick.exe"]


@pytest.mark.timeout(600)
def test_the_downloads_built_again_varied_are_the_same_bit_for_bit(downloads):
    done = subprocess.run(["bash", SOURCE_DIR / "tests/windows/rebuilt_alike.sh", SOURCE_DIR, downloads],
                          capture_output=True, text=True)
    assert done.returncode == 0, done.stdout + done.stderr


def test_gridwick_exe_needs_no_dll_but_windows_own(pe):
    imported = {entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    assert {dll for dll in imported if not (SYSTEM_DLLS / dll).exists() and not dll.startswith("api-ms-win-")} == set()


def test_gridwick_exe_holds_both_windows_styles(exe):
    """Qt picks windows11 on Windows 11 and windowsvista below; the plugin's metadata names both."""
    content = exe.read_bytes()
    assert b"windows11" in content and b"windowsvista" in content


def test_version_answers_the_shown_version(exe, wine_prefix):
    assert wine.run(exe, "--version").strip() == f"Gridwick {SHOWN}"


def test_the_version_record_names_gridwick_its_version_and_icon(pe):
    fixed = pe.VS_FIXEDFILEINFO[0]
    dotted = [f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}" for high, low in
              ((fixed.FileVersionMS, fixed.FileVersionLS), (fixed.ProductVersionMS, fixed.ProductVersionLS))]
    assert dotted == [VERSION, VERSION]
    strings = {key.decode(): value.decode() for info in pe.FileInfo[0] for table in getattr(info, "StringTable", [])
               for key, value in table.entries.items()}
    assert {key: strings.get(key) for key in ("FileVersion", "ProductVersion", "ProductName", "InternalName",
                                              "OriginalFilename")} == {
        "FileVersion": VERSION, "ProductVersion": SHOWN, "ProductName": "Gridwick", "InternalName": "Gridwick",
        "OriginalFilename": "gridwick.exe"}
    icons = [entry for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries if entry.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]]
    assert len(icons) == 1


class Installer:
    """msiexec in the suite's prefix."""

    def __init__(self, prefix):
        self.prefix = prefix
        self.program_files = prefix / "drive_c/Program Files/Gridwick"

    run = staticmethod(wine.run)

    def shortcuts(self):
        """Wine puts the Start-menu shortcut of a per-machine install in the user's own Start
        menu; either place will do."""
        return [path for folder in ("ProgramData", "users")
                for path in (self.prefix / "drive_c" / folder).glob("**/Start Menu/Programs/Gridwick.lnk")]

    def entries(self):
        """Each installed product called Gridwick: its version, and whether the icon it shows is there."""
        uninstall = self.run("reg", "query", r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall", "/s")
        versions = re.findall(r"DisplayName +REG_SZ +Gridwick\n(?:.*\n)*?.*DisplayVersion +REG_SZ +(\S+)", uninstall)
        products = self.run("reg", "query", r"HKCR\Installer\Products", "/s")
        icons = [self.run("winepath", "-u", icon).strip() for icon in re.findall(r"ProductIcon +REG_SZ +(.+)", products)]
        return versions, [pathlib.Path(icon).name for icon in icons if pathlib.Path(icon).stat().st_size > 0]


@pytest.fixture(scope="module")
def installer(wine_prefix):
    return Installer(wine_prefix)


def test_msiexec_installs_it_with_its_start_menu_shortcut(installer, downloads):
    installer.run("msiexec", "/i", downloads / f"gridwick-{VERSION}-x64.msi", "/qn")
    assert (installer.program_files / "gridwick.exe").is_file()
    assert installer.shortcuts()
    assert installer.run(r"C:\Program Files\Gridwick\gridwick.exe", "--version").strip() == f"Gridwick {SHOWN}"
    assert installer.entries() == ([VERSION], ["gridwick.ico"])


@pytest.fixture(scope="module")
def newer(exe, tmp_path_factory):
    """A higher version's MSI, made for the test from the same source, and its version."""
    major, minor, patch, build = VERSION.split(".")
    version = f"{major}.{minor}.{int(patch) + 1}.{build}"
    msi = tmp_path_factory.mktemp("newer") / "newer.msi"
    subprocess.run(["/usr/bin/python3", PACKAGING / "make_msi.py", "--wixl", "wixl", "--version", version,
                    "--epoch", os.environ["GRIDWICK_RELEASE_EPOCH"], "--exe", exe, "--icon", PACKAGING / "gridwick.ico",
                    "--output", msi, PACKAGING / "gridwick.wxs"], check=True, capture_output=True)
    return msi, version


@pytest.mark.timeout(300)
def test_a_newer_version_replaces_it_and_it_does_not_go_over_a_newer(installer, downloads, newer):
    msi, version = newer
    installer.run("msiexec", "/i", msi, "/qn")
    assert installer.entries() == ([version], ["gridwick.ico"])
    with pytest.raises(subprocess.CalledProcessError):
        installer.run("msiexec", "/i", downloads / f"gridwick-{VERSION}-x64.msi", "/qn")
    assert installer.entries()[0] == [version]


def test_msiexec_x_removes_every_file_the_shortcut_and_the_entry(installer, newer):
    installer.run("msiexec", "/x", newer[0], "/qn")
    assert not installer.program_files.exists() or not any(installer.program_files.iterdir())
    assert installer.shortcuts() == [] and installer.entries() == ([], [])
