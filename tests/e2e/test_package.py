"""The Debian package as Debian builds and checks it: built once with dpkg-buildpackage (which
runs the unit and window tests), then each of Debian's tools on it; or cross-built for another
architecture (--architecture), without its tests, and checked. The package's name and version
are Debian's changelog's, which must agree with the project's (GRIDWICK_VERSION)."""

import os
import subprocess

import pytest

from scenarios import SOURCE_DIR, copy_source, run

APP_ID = "io.github.gridwick.Gridwick"
pytestmark = pytest.mark.timeout(900)


def changelog(field):
    return run("dpkg-parsechangelog", "-l", SOURCE_DIR / "debian/changelog", "-S", field).strip()


@pytest.fixture(scope="module")
def package(tmp_path_factory, option):
    """The build's source folder, its log and the .deb it made."""
    work = tmp_path_factory.mktemp("package")
    source = work / "one/gridwick"
    copy_source(source)
    cross = ["-a", option("architecture"), "-Pcross,nocheck"] if option("architecture") else []
    log = run("dpkg-buildpackage", "-us", "-uc", "-jauto", *cross, cwd=source,
              env=dict(os.environ, DEB_BUILD_OPTIONS="nocheck") if cross else None)
    architecture = option("architecture") or run("dpkg", "--print-architecture").strip()
    deb = source.parent / f"{changelog('Source')}_{changelog('Version')}_{architecture}.deb"
    root = work / "root"
    run("dpkg", "-x", deb, root)
    return {"source": source, "log": log, "deb": deb, "root": root, "work": work}


@pytest.fixture
def native(option):
    if option("architecture"):
        pytest.skip("a cross build is not tested, built again or installed on this machine")


def test_changelog_version_is_the_projects():
    assert changelog("Version") == os.environ["GRIDWICK_VERSION"]


def test_dpkg_buildpackage_builds_it_running_the_unit_and_window_tests(package, native):
    assert "100% tests passed" in package["log"]


def test_reprotest_builds_it_again_varied_without_tests_bit_identical(package, native):
    """The build above, tests and all, is reprotest's control, laid out as reprotest lays out its
    own; one more build is varied against it. Left out are what these machines cannot vary:
    the user (none is set up for it), file order (disorderfs needs FUSE) and host and domain
    names (they need a network namespace)."""
    control = package["work"] / "reprotest/control"
    (control / "source-root").mkdir(parents=True)
    deb = control / package["deb"].name
    deb.write_bytes(package["deb"].read_bytes())
    for path in (control, control / "source-root", deb):
        os.utime(path, (0, 0))
    source = package["work"] / "reprotest/gridwick"
    copy_source(source)
    log = run("reprotest", "--verbosity=1", "--vary=-user_group,-fileordering,-domain_host", "--min-cpus=2",
              f"--control-build={control}", "DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b -jauto",
              f"../{deb.name}", cwd=source)
    assert "Reproduction successful" in log, log[-4000:]
    assert "tests passed" not in log and "ctest" not in log, "tests ran under nocheck"


def appstreamcli_1():
    version = run("appstreamcli", "--version").split()[-1]
    return subprocess.run(["dpkg", "--compare-versions", version, "ge", "1.0"]).returncode == 0


def test_lintian_pedantic_finds_no_error_or_warning(package):
    # Gridwick has no homepage to name, which appstreamcli 1.0 warns of, and lintian with it;
    # appstreamcli 0.16's lintian has no such tag and refuses to hear of it.
    suppressed = ["--suppress-tags", "appstream-metadata-validation-failed"] if appstreamcli_1() else []
    run("lintian", "--pedantic", "--fail-on=error,warning", *suppressed, package["deb"].with_suffix(".changes"))


def test_the_program_is_hardened(package):
    # Control-flow and branch protection are not among Debian's hardening flags; only a
    # hardening-check that knows the second option is told so.
    options = ["--nocfprotection"]
    if "--nobranchprotection" in subprocess.run(["hardening-check", "--help"], capture_output=True, text=True).stdout:
        options.append("--nobranchprotection")
    run("hardening-check", *options, package["root"] / "usr/games/gridwick")


def test_its_library_dependencies_are_computed(package):
    depends = run("dpkg-deb", "-f", package["deb"], "Depends")
    assert "libqt6widgets6" in depends and "fonts-urw-base35" in depends, depends


def test_the_desktop_entry_is_valid(package):
    run("desktop-file-validate", package["root"] / f"usr/share/applications/{APP_ID}.desktop")


def test_the_appstream_metainfo_is_valid(package):
    homepage = ["--override=url-homepage-missing=info"] if appstreamcli_1() else []
    run("appstreamcli", "validate", "--no-net", *homepage, package["root"] / f"usr/share/metainfo/{APP_ID}.metainfo.xml")


def test_the_manual_page_reads_without_warnings(package):
    page = subprocess.run(["man", "--warnings", "-l", package["root"] / "usr/share/man/man6/gridwick.6.gz"],
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    assert page.returncode == 0 and page.stderr == "", page.stderr


def test_the_autopkgtest_passes_on_the_installed_package(package, native):
    run("autopkgtest", "-B", f"../{package['deb'].name}", ".", "--", "null", cwd=package["source"])
