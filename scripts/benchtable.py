#!/usr/bin/env python3
"""Prints the figures tables of bench/README.md from the results of scripts/bench: for every
benchmark the min and the median of its repetitions, in milliseconds."""
import glob
import json
import os
import re
import statistics
import sys

out = sys.argv[1]
times = {}
counters = {}
for path in sorted(glob.glob(os.path.join(out, "*.json"))):
    with open(path) as f:
        data = json.load(f)
    for b in data["benchmarks"]:
        if b.get("run_type") != "iteration" or b.get("error_occurred"):
            continue
        name = b["run_name"]
        factor = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
        times.setdefault(name, []).append(b["real_time"] * factor)
        counters.setdefault(name, []).append({k: v for k, v in b.items()
                                              if k in ("attempts/column", "limits", "pool", "stop_ms", "stop_max_ms")})


def cell(name):
    runs = times.get(name)
    if not runs:
        return "-"
    lo, med = min(runs), statistics.median(runs)
    fmt = (lambda v: f"{v:.2f}") if med < 10 else (lambda v: f"{v:.0f}") if med >= 100 else (lambda v: f"{v:.1f}")
    return f"{fmt(lo)} / {fmt(med)}"


sizes = ["5000", "50000", "500000"]
rows = [
    ("open to a shown board", "BM_Open"),
    ("POWER", "BM_Power"),
    ("DRAW 32,000 at 100 %", "BM_Draw32000_Interval100"),
    ("DRAW 32,000 at 10 %", "BM_Draw32000_Interval10"),
    ("DRAW 32,000 at 1 %", "BM_Draw32000_Interval1"),
    ("Compare 32,000", "BM_Compare32000"),
    ("ticket save (32,000 columns)", "BM_TicketSave32000"),
    ("ticket load (board reopened)", "BM_TicketLoad32000"),
    ("ticket file read alone", "BM_TicketRead32000"),
]
print("| action (ms, min / median) | 5,000 drawings | 50,000 drawings | 500,000 drawings |")
print("|---|---|---|---|")
for label, bench in rows:
    print(f"| {label} | " + " | ".join(cell(f"{bench}/{n}/real_time") for n in sizes) + " |")
peaks = []
for n in sizes:
    values = []
    path = os.path.join(out, f"peak_{n}.txt")
    if os.path.exists(path):
        for line in open(path):
            m = re.search(r"peak resident ([0-9.]+) MB", line)
            if m:
                values.append(float(m.group(1)))
    peaks.append(f"{min(values):.0f} / {statistics.median(values):.0f}" if values else "-")
print("| peak resident MB, open + POWER + DRAW | " + " | ".join(peaks) + " |")
stops = []
for n in sizes:
    runs = counters.get(f"BM_StopDuringDraw/{n}/real_time", [])
    stops.append(f"{statistics.median(r['stop_ms'] for r in runs):.1f} / {max(r['stop_max_ms'] for r in runs):.1f}"
                 if runs else "-")
print("| STOP during DRAW, press to handling (ms, median of means / longest) | " + " | ".join(stops) + " |")
print()
print("| generator, 32,000 columns (ms, min / median) | fair baseline | generator | ratio of medians | attempts a column |")
print("|---|---|---|---|---|")
for label, suffix in [("interval 100 %, 5,000 drawings", "32000/100"), ("interval 10 %, 5,000 drawings", "32000/10"),
                      ("interval 1 %, 5,000 drawings", "32000/1"),
                      ("power increase level 4, 500,000 drawings, 10 %", "32000_PowerIncrease4_LongWindow/10")]:
    base, gen = f"BM_FairBaseline{suffix}", f"BM_Generator{suffix}"
    ratio = "-"
    if times.get(base) and times.get(gen):
        ratio = f"{statistics.median(times[gen]) / statistics.median(times[base]):.2f}"
    extra = counters.get(gen, [{}])[0]
    pool = f", pool {extra['pool']:.3g}" if "pool" in extra and extra["pool"] > 1e6 else ""
    print(f"| {label}{pool} | {cell(base)} | {cell(gen)} | {ratio} | {extra.get('attempts/column', 0):.1f} |")
print()
print("| count of possible columns before DRAW, 1 % (ms, min / median) | 5,000 | 50,000 | 500,000 |")
print("|---|---|---|---|")
print("| shifted sums | " + " | ".join(cell(f"BM_CountPossibleColumns_Interval1/{n}") for n in sizes) + " |")
print()
print("| DRAW 32,000 end to end, 5,000 drawings (ms, min / median) | lotto board, 6/49 + 1 | two-pool board, 5/50 + 2/12 | ratio of medians |")
print("|---|---|---|---|")
for percent in ("100", "10"):
    lotto, two = f"BM_Draw32000_Lotto649/{percent}/real_time", f"BM_Draw32000_TwoDrum550_212/{percent}/real_time"
    ratio = "-"
    if times.get(lotto) and times.get(two):
        ratio = f"{statistics.median(times[two]) / statistics.median(times[lotto]):.2f}"
    print(f"| interval {percent} % | {cell(lotto)} | {cell(two)} | {ratio} |")
