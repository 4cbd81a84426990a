"""A private CUPS scheduler on a socket of its own, with a cups-pdf queue as its default printer.
Nothing of the machine's own printing is touched."""

import os
import pathlib
import pwd
import subprocess
import time

from processes import Started

# The scheduler's files, each in the folder given, and a socket of its own that anyone may use.
FILES = {"ServerRoot": "etc", "RequestRoot": "spool", "TempDir": "spool/tmp", "CacheDir": "cache",
         "StateDir": "state", "AccessLog": "log/access_log", "ErrorLog": "log/error_log", "PageLog": "log/page_log"}
CUPSD_CONF = """Listen {folder}/cups.sock
LogLevel info
Browsing No
WebInterface No
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
"""


def start(folder):
    for sub in ("etc/ppd", "spool/tmp", "cache", "state", "log"):
        (folder / sub).mkdir(parents=True, exist_ok=True)
    for path in [folder, *folder.iterdir()]:
        path.chmod(0o755)
    (folder / "spool/tmp").chmod(0o1777)
    (folder / "etc/cups-files.conf").write_text("".join(f"{key} {folder}/{path}\n" for key, path in FILES.items())
                                                 + "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n")
    (folder / "etc/cupsd.conf").write_text(CUPSD_CONF.format(folder=folder))
    os.environ["CUPS_SERVER"] = str(folder / "cups.sock")
    return Started(["/usr/sbin/cupsd", "-f", "-c", folder / "etc/cupsd.conf", "-s", folder / "etc/cups-files.conf"],
                   folder / "log/cupsd.out")


def retried(command):
    """The scheduler answers status requests before it takes administrative ones, and a client
    once stalled on a scheduler that had only just started: each try is cut off after five
    seconds, for about half a minute in all."""
    for _ in range(25):
        try:
            if subprocess.run(command, capture_output=True, timeout=5).returncode == 0:
                return True
        except subprocess.TimeoutExpired:
            pass
        time.sleep(0.2)
    return False


def add_pdf_queue(scheduler):
    # lpadmin warns that printer drivers are deprecated; cups-pdf still needs its PPD.
    return all(retried(command) for command in (
        ["lpstat", "-r"],
        ["lpadmin", "-p", "gridwick-pdf", "-E", "-v", "cups-pdf:/", "-P", "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"],
        ["lpadmin", "-d", "gridwick-pdf"]))


def output_folder():
    """cups-pdf's "Out" folder, with ${HOME} standing for the home folder the password database
    gives the job's user."""
    out = "${HOME}/PDF"
    for line in pathlib.Path("/etc/cups/cups-pdf.conf").read_text().splitlines():
        if line.startswith("Out") and len(line.split()) > 1:
            out = line.split(None, 1)[1].strip()
    return pathlib.Path(out.replace("${HOME}", pwd.getpwuid(os.getuid()).pw_dir))
