#!/usr/bin/env python3
"""Prints the figures tables of bench/README.md from the results of scripts/bench.

The benchmarks of what a user does run on random histories from several seeds (the last argument
of their names): each cell gives the median of every run and, after the slash, the worst seed
(the highest of the seeds' medians), in milliseconds, beside the goal of the row; the last column
says whether the worst seed meets it."""
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
                                              if k in ("attempts/column", "limits", "pool", "stop_ms", "stop_max_ms",
                                                       "floor_ms", "widgets", "lower", "upper")})


def fmt(v):
    return f"{v:.2f}" if v < 10 else f"{v:.0f}" if v >= 100 else f"{v:.1f}"


def cell(name):
    runs = times.get(name)
    if not runs:
        return "-"
    lo, med = min(runs), statistics.median(runs)
    return f"{fmt(lo)} / {fmt(med)}"


def seeds(prefix, suffix="real_time", value=None):
    """The runs of every seed of `prefix` (a benchmark and its arguments before the seed): {seed: [values]}."""
    found = {}
    pattern = re.compile(re.escape(prefix) + r"/(\d+)/" + re.escape(suffix) + "$")
    for name, runs in (counters if value else times).items():
        m = pattern.match(name)
        if m:
            found[m.group(1)] = [r[value] for r in runs] if value else runs
    return found


def median_worst(found):
    if not found:
        return None
    every = [v for runs in found.values() for v in runs]
    return statistics.median(every), max(statistics.median(runs) for runs in found.values())


def seeded(prefix, suffix="real_time", value=None):
    mw = median_worst(seeds(prefix, suffix, value))
    return "-" if mw is None else f"{fmt(mw[0])} / {fmt(mw[1])}"


sizes = ["5000", "50000", "500000"]
under = lambda a, b: {"50000": a, "500000": b}
rows = [
    ("Lottery > Load to the board painted", "BM_Open", under(100, 1000), "< 100 ms at 50,000, < 1 s at 500,000"),
    ("POWER", "BM_Power", under(5, 50), "< 5 ms at 50,000, < 50 ms at 500,000"),
    ("DRAW 32,000 at 100 %", "BM_Draw32000_Interval100", under(100, 1000), "< 100 ms at 50,000, < 1 s at 500,000"),
    ("DRAW 32,000 at 10 %", "BM_Draw32000_Interval10", under(100, 1000), "< 100 ms at 50,000, < 1 s at 500,000"),
    ("DRAW 32,000 at 1 %", "BM_Draw32000_Interval1", under(100, 1000), "< 100 ms at 50,000, < 1 s at 500,000"),
    ("Compare 32,000", "BM_Compare32000", {n: 5 for n in sizes}, "< 5 ms"),
    ("Ticket > Save (32,000 columns)", "BM_TicketSave32000", under(100, 1000), "< 100 ms at 50,000, < 1 s at 500,000"),
    ("Ticket > Load (board reopened)", "BM_TicketLoad32000", under(100, 1000), "< 100 ms at 50,000, < 1 s at 500,000"),
    ("ticket file read alone", "BM_TicketRead32000", under(100, 1000), "< 100 ms at 50,000, < 1 s at 500,000"),
]


def verdict(found_by_size, limits):
    missing, failed = [], []
    for n, limit in limits.items():
        mw = median_worst(found_by_size.get(n, {}))
        if mw is None:
            missing.append(n)
        elif mw[1] > limit:
            failed.append(f"{int(n):,}")
    if failed:
        return "not met at " + ", ".join(failed)
    return "-" if missing else "met"


print("| action (ms, median / worst seed) | goal | 5,000 drawings | 50,000 drawings | 500,000 drawings | goal met |")
print("|---|---|---|---|---|---|")
for label, bench, limits, goal in rows:
    found = {n: seeds(f"{bench}/{n}") for n in sizes}
    print(f"| {label} | {goal} | " + " | ".join(seeded(f"{bench}/{n}") for n in sizes)
          + f" | {verdict(found, limits)} |")
stops = []
for n in sizes:
    found = seeds(f"BM_StopDuringDraw/{n}", value="stop_max_ms")
    means = seeds(f"BM_StopDuringDraw/{n}", value="stop_ms")
    stops.append(f"{fmt(statistics.median(v for r in means.values() for v in r))} / "
                 f"{fmt(max(v for r in found.values() for v in r))}" if found else "-")
worst_stop = [v for n in sizes for r in seeds(f"BM_StopDuringDraw/{n}", value="stop_max_ms").values() for v in r]
print("| STOP during DRAW, click to handling (median of means / longest) | within 50 ms | " + " | ".join(stops)
      + f" | {'met' if worst_stop and max(worst_stop) <= 50 else '-' if not worst_stop else 'not met'} |")
peaks = []
peak_worst = {}
for n in sizes:
    values = []
    path = os.path.join(out, f"peak_{n}.txt")
    if os.path.exists(path):
        for line in open(path):
            m = re.search(r"peak resident ([0-9.]+) MB", line)
            if m:
                values.append(float(m.group(1)))
    peaks.append(f"{statistics.median(values):.0f} / {max(values):.0f}" if values else "-")
    if values:
        peak_worst[n] = max(values)
print("| peak resident MB over a session (open, POWER, DRAW, save, load, compare) | < 300 MB at 500,000 | "
      + " | ".join(peaks) + f" | {'met' if peak_worst.get('500000', 1e9) < 300 else '-' if '500000' not in peak_worst else 'not met'} |")
print()

# Start-up, whole process, beside the floor measured in the same run.
program = seeds("BM_StartUp/50000", "manual_time")
floor = seeds("BM_StartUp/50000", "manual_time", "floor_ms")
if program and floor:
    ratios = {s: [statistics.median(program[s]) / statistics.median(floor[s])] for s in program if s in floor}
    p, f, r = median_worst(program), median_worst(floor), median_worst(ratios)
    widgets = counters[next(iter(k for k in counters if k.startswith("BM_StartUp/50000")))][0].get("widgets", 0)
    print("| start-up to the painted board, 50,000 drawings (ms, median / worst seed) | program | floor: bare window "
          f"of {widgets:.0f} widgets + one pass over the database | ratio | goal | goal met |")
    print("|---|---|---|---|---|---|")
    print(f"| whole process, started to first paint | {fmt(p[0])} / {fmt(p[1])} | {fmt(f[0])} / {fmt(f[1])} | "
          f"{r[0]:.2f} / {r[1]:.2f} | program within 1.5 x the floor | {'met' if r[1] <= 1.5 else 'not met'} |")
    print()

# The digit board beside the lotto board, 50,000 drawings.
lotto_open, pick_open = median_worst(seeds("BM_Open/0")), median_worst(seeds("BM_Open/1"))
lotto_draw, pick_draw = median_worst(seeds("BM_Draw32000_Interval10/0")), median_worst(seeds("BM_Draw32000_Interval10/1"))
if lotto_open and pick_open and lotto_draw and pick_draw:
    print("| digit board beside the lotto board, 50,000 drawings (ms, median / worst seed) | lotto 6/49 | Pick 6 | "
          "ratio of medians | goal | goal met |")
    print("|---|---|---|---|---|---|")
    for label, lotto, pick, limit in [("Lottery > Load to the board painted", lotto_open, pick_open, 2.0),
                                      ("DRAW 32,000 at 10 %", lotto_draw, pick_draw, 1.5)]:
        ratio = pick[0] / lotto[0]
        print(f"| {label} | {fmt(lotto[0])} / {fmt(lotto[1])} | {fmt(pick[0])} / {fmt(pick[1])} | {ratio:.2f} | "
              f"within {limit} x the lotto board | {'met' if ratio <= limit else 'not met'} |")
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
