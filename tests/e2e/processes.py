"""Background processes that the suite starts and stops, and bounded waits."""

import contextlib
import os
import pathlib
import signal
import subprocess
import time


def wait_until(condition, what, timeout=10.0):
    """The condition's first true value, asked every tenth of a second."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out waiting for {what}")
        time.sleep(0.1)


class Started:
    """A background process in a process group of its own, its output in a log file. stop() ends
    the group by the leader's id, with the helpers it started."""

    def __init__(self, command, log, **options):
        self.log = pathlib.Path(log)
        with open(self.log, "ab") as output:
            self.process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=output,
                                            stderr=subprocess.STDOUT, start_new_session=True, **options)

    def stop(self):
        with contextlib.suppress(ProcessLookupError):  # the group has ended
            os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait()

    def printed(self):
        return self.log.read_text(errors="replace")
