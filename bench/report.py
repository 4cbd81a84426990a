#!/usr/bin/env python3
"""Prints the benchmark figures beside their goals; exits with status 1 if any goal is missed.
Usage: report.py TALLY_JSON WINDOW_JSON"""

import json
import sys


def medians(path):
    with open(path, encoding="utf-8") as file:
        runs = json.load(file)["benchmarks"]
    scale = {"ns": 1, "us": 1e3, "ms": 1e6}
    return {run["run_name"]: run["real_time"] * scale[run["time_unit"]]
            for run in runs if run.get("aggregate_name") == "median"}


tally = medians(sys.argv[1])
window = medians(sys.argv[2])
pick = tally["BM_Pick"]
rows = [
    ("tally: one pick, text dropped", pick, "ns", 100, "<= 100 ns"),
    ("tally: one reseed from the clock", tally["BM_Reseed"], "ns", None, ""),
    ("tally: 900-pick batch", tally["BM_Batch900"] / 1e3, "us", None, ""),
    ("tally: 32767-pick chain", tally["BM_Chain32767"] / 1e6, "ms", 3, "<= 3 ms"),
    ("window: 900 picks, menu to repaint", window["BM_WindowBatch900FromMenu"] / 1e6, "ms", 2, "<= 2 ms"),
    ("window: 32767-pick chain", window["BM_WindowChain32767"] / 1e6, "ms", 10, "<= 10 ms"),
]
failures = 0
for name, value, unit, goal, goal_text in rows:
    verdict = "" if goal is None else ("met" if value <= goal else "MISSED")
    failures += verdict == "MISSED"
    print(f"{name:38} {value:9.2f} {unit:3} {goal_text:32} {verdict}")
sys.exit(1 if failures else 0)
