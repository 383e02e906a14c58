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
                                                       "floor_ms", "widgets", "lower", "upper", "ratio_worst",
                                                       "ratio_median", "lotto_ms_median", "twodrum_ms_median",
                                                       "twodrum_ms_worst", "generator_ms_median",
                                                       "baseline_ms_median")})


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



def runs_of(prefix):
    """The counters of every run whose name starts with `prefix` followed by "/" (any further parts)."""
    return [c for name, cs in counters.items() if name.startswith(prefix + "/") for c in cs]


def ratio_cell(prefix, limit):
    """Worst ratio over the histories (median of the runs / highest run), the median ratio, and the verdict."""
    runs = runs_of(prefix)
    if not runs:
        return "- | - | -"
    worst = [r["ratio_worst"] for r in runs]
    med = statistics.median(r["ratio_median"] for r in runs)
    return (f"{statistics.median(worst):.2f} / {max(worst):.2f} | {med:.2f} | "
            f"{'met' if max(worst) <= limit else 'not met'}")


print("| generator, 32,000 columns, one history of 5,000 (ms, min / median) | fair baseline | generator | ratio of medians | attempts a column |")
print("|---|---|---|---|---|")
for family, name in [("", "6/49"), ("_TwoDrum550_212", "5/50 + 2/12"), ("_Digits7", "7 digits")]:
    for percent in ("100", "10", "1"):
        base, gen = f"BM_FairBaseline32000{family}/{percent}", f"BM_Generator32000{family}/{percent}"
        ratio = "-"
        if times.get(base) and times.get(gen):
            ratio = f"{statistics.median(times[gen]) / statistics.median(times[base]):.2f}"
        extra = counters.get(gen, [{}])[0]
        print(f"| {name}, interval {percent} % | {cell(base)} | {cell(gen)} | {ratio} | "
              f"{extra.get('attempts/column', 0):.1f} |")
base, gen = "BM_FairBaseline32000_PowerIncrease4_LongWindow/10", "BM_Generator32000_PowerIncrease4_LongWindow/10"
if times.get(base) and times.get(gen):
    extra = counters.get(gen, [{}])[0]
    pool = f", pool {extra['pool']:.3g}" if "pool" in extra else ""
    print(f"| 6/49, power increase level 4, 500,000 drawings, 10 %{pool} | {cell(base)} | {cell(gen)} | "
          f"{statistics.median(times[gen]) / statistics.median(times[base]):.2f} | {extra.get('attempts/column', 0):.1f} |")
print()


def ratio_table(title, rows, limit):
    """One row per (label, benchmark prefix): the ratios over ten histories beside the goal."""
    print(f"| {title} | worst ratio (median of runs / highest run) | median ratio | goal | goal met |")
    print("|---|---|---|---|---|")
    for label, prefix in rows:
        worst, med, met = ratio_cell(prefix, limit).split(" | ")
        print(f"| {label} | {worst} | {med} | at most {limit:g} x | {met} |")
    print()


percents = ("100", "10", "1")
ratio_table("generator over a tight loop, ten histories of 5,000",
            [(f"{name}, interval {p} %", f"BM_GeneratorOverBaseline_TenHistories/{family}/{p}")
             for family, name in [(0, "6/49"), (1, "5/50 + 2/12"), (2, "7 digits")] for p in percents], 2.0)
ratio_table("two-drum DRAW 32,000 beside the lotto board, ten histories",
            [(f"{int(n):,} drawings, interval {p} %", f"BM_Draw32000_TwoDrumBesideLotto/{n}/{p}")
             for n in ("5000", "50000") for p in percents], 1.5)
print("| Compare 32,000, click to idle (ms, min / median) | lotto board | two-pool board | goal |")
print("|---|---|---|---|")
for n in ("5000", "50000"):
    lotto, two = f"BM_Compare32000/{n}/0/manual_time", f"BM_Compare32000/{n}/1/manual_time"
    print(f"| {int(n):,} drawings | {cell(lotto)} | {cell(two)} | < 5 ms |")
print()
print("| count of possible columns before DRAW, 1 % (ms, min / median) | 5,000 | 50,000 | 500,000 |")
print("|---|---|---|---|")
print("| shifted sums | " + " | ".join(cell(f"BM_CountPossibleColumns_Interval1/{n}") for n in sizes) + " |")
