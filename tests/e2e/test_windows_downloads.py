"""What Windows users download, tried under Wine: the zip, the three downloads built alike a second
time, gridwick.exe itself (its DLLs, styles, --version and version record), and the MSI installed,
run, upgraded and removed with Wine's msiexec in the suite's prefix. The project's facts come
from GRIDWICK_VERSION (1.0.0.0), GRIDWICK_DISPLAY_VERSION (1.00) and GRIDWICK_RELEASE_EPOCH."""

import hashlib
import os
import pathlib
import re
import shutil
import subprocess
import zipfile

import pefile
import pytest

import wine
from scenarios import SOURCE_DIR, copy_source, run

PACKAGING = SOURCE_DIR / "packaging/windows"
VERSION, SHOWN = os.environ.get("GRIDWICK_VERSION", ""), os.environ.get("GRIDWICK_DISPLAY_VERSION", "")
# Wine's copies of Windows' own libraries.
SYSTEM_DLLS = pathlib.Path("/usr/lib/x86_64-linux-gnu/wine/x86_64-windows")


@pytest.fixture(scope="module")
def pe(option):
    return pefile.PE(option("program"))


def test_the_zip_holds_the_program_its_licence_and_readme(option):
    names = zipfile.ZipFile(option("downloads") / f"gridwick-{VERSION}-windows-x86_64.zip").namelist()
    assert sorted(names) == ["LICENSE", "README.txt", "gridwick.exe"]


@pytest.mark.timeout(600)
def test_the_downloads_built_again_varied_are_the_same_bit_for_bit(option, tmp_path):
    """Built a second time from the same tracked files, varied as another machine varies a build:
    another source folder, clock (five days on), time zone, umask and locale. For a file that
    differs, diffoscope's first lines say where."""
    copy = tmp_path / "elsewhere/gridwick"
    copy_source(copy)
    shutil.copytree(SOURCE_DIR / "build/qt6-windows/qt6-win", copy / "build/qt6-windows/qt6-win", symlinks=True)
    # The clock alone: unasked, libfaketime also shifts the times that files report, which
    # another machine's clock would not.
    varied = dict(os.environ, TZ="Pacific/Kiritimati", LANG="fr_FR.UTF-8", LC_ALL="fr_FR.UTF-8", NO_FAKE_STAT="1")
    run("faketime", "-f", "+5d", "bash", "-c", "umask 0002 && cmake --preset windows -DBUILD_TESTING=OFF "
        "-DGRIDWICK_BUILD_BENCHMARKS=OFF && cmake --build --preset windows", cwd=copy, env=varied)
    first, again = option("downloads"), copy / "build/windows"
    sums = [line.split() for line in (first / "SHA256SUMS").read_text().splitlines()]
    differ = [name for digest, name in sums if hashlib.sha256((again / name).read_bytes()).hexdigest() != digest]
    where = [subprocess.run(["diffoscope", "--text", "-", first / name, again / name], capture_output=True, text=True,
                            timeout=300).stdout[:3000] for name in differ]
    assert differ == [], "\n".join(where)
    shutil.rmtree(copy)  # a second build and a copy of Qt, in memory where /tmp is a tmpfs


def test_gridwick_exe_needs_no_dll_but_windows_own(pe):
    imported = {entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    assert {dll for dll in imported if not (SYSTEM_DLLS / dll).exists() and not dll.startswith("api-ms-win-")} == set()


def test_gridwick_exe_holds_both_windows_styles(option):
    """Qt picks windows11 on Windows 11 and windowsvista below; the plugin's metadata names both."""
    content = option("program").read_bytes()
    assert b"windows11" in content and b"windowsvista" in content


def test_version_answers_the_shown_version(option, wine_prefix):
    assert wine.run(option("program"), "--version").strip() == f"Gridwick {SHOWN}"


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


def installed(prefix):
    """What is installed of Gridwick: each product's version and the icon it shows, if that is
    there; the files in its folder; its Start-menu shortcuts (Wine puts a per-machine install's in
    the user's own Start menu; either place will do)."""
    uninstall = wine.run("reg", "query", r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall", "/s")
    products = wine.run("reg", "query", r"HKCR\Installer\Products", "/s")
    icons = [pathlib.Path(wine.run("winepath", "-u", icon).strip()) for icon in re.findall(r"ProductIcon +REG_SZ +(.+)", products)]
    drive = prefix / "drive_c"
    return {"versions": re.findall(r"DisplayName +REG_SZ +Gridwick\n(?:.*\n)*?.*DisplayVersion +REG_SZ +(\S+)", uninstall),
            "icons": [icon.name for icon in icons if icon.stat().st_size > 0],
            "files": sorted(path.name for path in drive.glob("Program Files/Gridwick/*")),
            "shortcuts": len([*drive.glob("ProgramData/**/Start Menu/Programs/Gridwick.lnk"),
                              *drive.glob("users/**/Start Menu/Programs/Gridwick.lnk")])}


def test_msiexec_installs_it_with_its_start_menu_shortcut(wine_prefix, option):
    wine.run("msiexec", "/i", option("downloads") / f"gridwick-{VERSION}-x64.msi", "/qn")
    assert installed(wine_prefix) == {"versions": [VERSION], "icons": ["gridwick.ico"], "files": ["gridwick.exe"],
                                      "shortcuts": 1}
    assert wine.run(r"C:\Program Files\Gridwick\gridwick.exe", "--version").strip() == f"Gridwick {SHOWN}"


@pytest.fixture(scope="module")
def newer(option, tmp_path_factory):
    """A higher version's MSI, made for the test from the same source, and its version."""
    major, minor, patch, build = VERSION.split(".")
    version = f"{major}.{minor}.{int(patch) + 1}.{build}"
    msi = tmp_path_factory.mktemp("newer") / "newer.msi"
    run("/usr/bin/python3", PACKAGING / "make_msi.py", "--wixl", "wixl", "--version", version, "--epoch",
        os.environ["GRIDWICK_RELEASE_EPOCH"], "--exe", option("program"), "--icon", PACKAGING / "gridwick.ico",
        "--output", msi, PACKAGING / "gridwick.wxs")
    return msi, version


def test_a_newer_version_replaces_it_and_it_does_not_go_over_a_newer(wine_prefix, option, newer):
    msi, version = newer
    wine.run("msiexec", "/i", msi, "/qn")
    assert installed(wine_prefix)["versions"] == [version]
    with pytest.raises(subprocess.CalledProcessError):
        wine.run("msiexec", "/i", option("downloads") / f"gridwick-{VERSION}-x64.msi", "/qn")
    assert installed(wine_prefix) == {"versions": [version], "icons": ["gridwick.ico"], "files": ["gridwick.exe"],
                                      "shortcuts": 1}


def test_msiexec_x_removes_every_file_the_shortcut_and_the_entry(wine_prefix, newer):
    wine.run("msiexec", "/x", newer[0], "/qn")
    assert installed(wine_prefix) == {"versions": [], "icons": [], "files": [], "shortcuts": 0}
