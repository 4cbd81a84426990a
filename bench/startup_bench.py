#!/usr/bin/env python3
"""Start-up to first paint, and peak memory, of Gridwick against a bare Qt program that builds
the same widgets. Both run on a private Xvfb, alternately, many times; medians are compared.
Exits with status 1 if either ratio misses its goal.
Usage: startup_bench.py BUILD_DIR [RUNS] [wine]
With wine, the programs are the Windows build's, run under Wine (WINEPREFIX as set), both with
GDI's fonts as gridwick.exe asks for them."""

import os
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

build = pathlib.Path(sys.argv[1])
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
under_wine = sys.argv[3:] == ["wine"]
programs = {"gridwick": build / "bench/startup_probe", "bare Qt": build / "bench/bare_qt_startup"}
if under_wine:
    programs = {name: ["/usr/lib/wine/wine64", f"{program}.exe"] for name, program in programs.items()}
else:
    programs = {name: [str(program)] for name, program in programs.items()}
platform = {"WINEQT_QPA_PLATFORM": "windows:fontengine=gdi"} if under_wine else {"QT_QPA_PLATFORM": "xcb"}


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                              stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        return server, ":" + pipe.readline().strip()


def run_once(program, environment):
    started = time.perf_counter()
    process = subprocess.Popen(program, env=environment, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - started
    if status != 0:
        raise SystemExit(f"{program} failed with status {status}")
    return elapsed * 1000, usage.ru_maxrss / 1024


server, display = start_xvfb()
try:
    with tempfile.TemporaryDirectory() as runtime_dir:
        environment = dict(os.environ, **platform, DISPLAY=display, XDG_RUNTIME_DIR=runtime_dir)
        for program in programs.values():
            run_once(program, environment)  # warm the file cache
        times = {name: [] for name in programs}
        memory = {name: [] for name in programs}
        for _ in range(runs):
            for name, program in programs.items():
                milliseconds, megabytes = run_once(program, environment)
                times[name].append(milliseconds)
                memory[name].append(megabytes)
finally:
    server.terminate()
    server.wait()

for name in programs:
    print(f"{name:10} start-up to first paint {statistics.median(times[name]):6.1f} ms (median of {runs}), "
          f"peak memory {statistics.median(memory[name]):5.1f} MiB")
time_ratio = statistics.median(times["gridwick"]) / statistics.median(times["bare Qt"])
memory_ratio = statistics.median(memory["gridwick"]) / statistics.median(memory["bare Qt"])
print(f"ratio      start-up {time_ratio:.2f}x (goal <= 1.10x), peak memory {memory_ratio:.2f}x (goal <= 1.10x)")
missed = [name for name, ratio in (("start-up", time_ratio), ("peak memory", memory_ratio)) if ratio > 1.10]
if missed:
    print("MISSED: " + ", ".join(missed))
sys.exit(1 if missed else 0)
