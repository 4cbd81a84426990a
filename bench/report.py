#!/usr/bin/env python3
"""Prints the benchmark figures beside their goals.
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
    ("tally: 900-pick batch", tally["BM_Batch900"] / 1e3, "us", None, ""),
    ("tally: 32767-pick chain", tally["BM_Chain32767"] / 1e6, "ms", 3, "<= 3 ms"),
    ("window: one pick into the boxes", window["BM_WindowPick"], "ns", 1.5 * pick,
     f"<= 1.5 x tally pick = {1.5 * pick:.0f} ns"),
    ("window: 900 picks, menu to repaint", window["BM_WindowBatch900FromMenu"] / 1e6, "ms", 2, "<= 2 ms"),
    ("window: 32767-pick chain", window["BM_WindowChain32767"] / 1e6, "ms", 10, "<= 10 ms"),
]
failures = 0
for name, value, unit, goal, goal_text in rows:
    verdict = "" if goal is None else ("met" if value <= goal else "MISSED")
    failures += verdict == "MISSED"
    print(f"{name:38} {value:9.2f} {unit:3} {goal_text:32} {verdict}")
print(f"ratio of window pick to tally pick: {window['BM_WindowPick'] / pick:.2f}")
