#!/usr/bin/env python3
"""Prints the figures tables of bench/README.md from the results of scripts/bench.

Every figure comes twice: warm, from the benchmarks run repeatedly in one process (the JSON files
in the results folder), and first of process, from each benchmark run alone in a fresh process of
its own, timing one action (the JSON files of results/first). The benchmarks of what a user does
run on random histories from several seeds (the last argument of their names): a cell gives the
median of every run and, after the slash, the worst seed (the highest of the seeds' medians), in
milliseconds, beside the goal of the row; the last column says whether the worst seed meets it,
warm and first of process alike. Every benchmark that failed (a check that did not hold) is listed
at the end."""
import glob
import json
import os
import re
import statistics
import sys

out = sys.argv[1]
errors = []


def load(folder):
    """{benchmark name without its time suffix: [run, ...]} of the JSON files in `folder`."""
    runs = {}
    for path in sorted(glob.glob(os.path.join(folder, "*.json"))):
        with open(path) as f:
            data = json.load(f)
        for b in data["benchmarks"]:
            name = re.sub(r"(/iterations:\d+)?(/repeats:\d+)?(/manual_time|/real_time)?$", "", b.get("run_name", b["name"]))
            if b.get("error_occurred"):
                errors.append(f"{name}: {b.get('error_message', '')}")
                continue
            if b.get("run_type") != "iteration":
                continue
            b["ms"] = b["real_time"] * {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
            runs.setdefault(name, []).append(b)
    return runs


warm = load(out)
first = load(os.path.join(out, "first"))


def fmt(v):
    return "-" if v is None else f"{v:.2f}" if v < 10 else f"{v:.0f}" if v >= 100 else f"{v:.1f}"


def values(runs, name, key="ms"):
    return [r[key] for r in runs.get(name, []) if key in r]


def seeds(runs, prefix, key="ms"):
    """{seed: [values]} of the benchmarks named `prefix`/seed."""
    found = {}
    pattern = re.compile(re.escape(prefix) + r"/(\d+)$")
    for name in runs:
        m = pattern.match(name)
        if m and values(runs, name, key):
            found[m.group(1)] = values(runs, name, key)
    return found


def median_worst(found):
    """The median of every value and the highest of the seeds' medians; None without values."""
    if not found:
        return None
    every = [v for vs in found.values() for v in vs]
    return statistics.median(every), max(statistics.median(vs) for vs in found.values())


def pair(mw):
    return "-" if mw is None else f"{fmt(mw[0])} / {fmt(mw[1])}"


def min_median(vs):
    return "-" if not vs else f"{fmt(min(vs))} / {fmt(statistics.median(vs))}"


def median_of(vs):
    return statistics.median(vs) if vs else None


def verdict(checks):
    """'met' when every (figure, limit) holds, '-' when a figure is missing."""
    if any(v is None for v, _ in checks):
        return "-"
    failed = [v for v, limit in checks if v > limit]
    return "not met" if failed else "met"


goals = []  # (goal, figures, verdict) for the summary


# ---- What a user does on the lotto board ------------------------------------------------------------
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
print("| action (ms, median / worst seed) | | goal | 5,000 drawings | 50,000 drawings | 500,000 drawings | goal met |")
print("|---|---|---|---|---|---|---|")
# The goals of every action by history length, and the slowest action there.
by_size = {"50000": [], "500000": []}
slowest = {"50000": (0, ""), "500000": (0, "")}
compare_checks = []
for label, bench, limits, goal in rows:
    checks = []
    for kind, runs in (("warm", warm), ("first of process", first)):
        found = {n: median_worst(seeds(runs, f"{bench}/{n}")) for n in sizes}
        for n, limit in limits.items():
            figure = found[n][1] if found[n] else None
            checks.append((figure, limit))
            if limit >= 100:
                by_size[n].append((figure, limit))
                if figure is not None and figure > slowest[n][0]:
                    slowest[n] = (figure, f"{label}, {kind}")
        print(f"| {label if kind == 'warm' else ''} | {kind} | {goal if kind == 'warm' else ''} | "
              + " | ".join(pair(found[n]) for n in sizes) + (f" | {verdict(checks)} |" if kind != "warm" else " | |"))
    if bench == "BM_Power":
        goals.append(("POWER under 5 ms at 50,000 drawings, under 50 ms at 500,000, warm and first of process",
                      f"worst seed at 50,000 / 500,000: warm {fmt(checks[0][0])} / {fmt(checks[1][0])} ms, first of "
                      f"process {fmt(checks[2][0])} / {fmt(checks[3][0])} ms", verdict(checks)))
    if bench == "BM_Compare32000":
        compare_checks += checks
for n, limit in (("50000", "100 ms"), ("500000", "1 s")):
    goals.append((f"{int(n):,} drawings: every user action under {limit}, warm and first of process",
                  f"the slowest: {slowest[n][1]}, {fmt(slowest[n][0])} ms" if slowest[n][1] else "-", verdict(by_size[n])))

stop_cells, stop_longest = [], []
for kind, runs, key in (("warm", warm, "stop_max_ms"), ("first of process", first, "stop_ms")):
    cells = []
    for n in sizes:
        means = [v for vs in seeds(runs, f"BM_StopDuringDraw/{n}", "stop_ms").values() for v in vs]
        longest = [v for vs in seeds(runs, f"BM_StopDuringDraw/{n}", key).values() for v in vs]
        cells.append(f"{fmt(statistics.median(means))} / {fmt(max(longest))}" if means else "-")
        stop_longest += longest
    stop_cells.append((kind, cells))
stop_verdict = verdict([(max(stop_longest) if stop_longest else None, 50)])
for kind, cells in stop_cells:
    print(f"| {'STOP during DRAW, click to handling (median / longest)' if kind == 'warm' else ''} | {kind} | "
          f"{'within 50 ms' if kind == 'warm' else ''} | " + " | ".join(cells) + (f" | {stop_verdict} |" if kind != "warm" else " | |"))
goals.append(("DRAW's dialog responsive, STOP within 50 ms", f"longest {fmt(max(stop_longest)) if stop_longest else '-'} ms", stop_verdict))

peaks, peak_worst = [], {}
for n in sizes:
    vs = []
    path = os.path.join(out, f"peak_{n}.txt")
    if os.path.exists(path):
        vs = [float(m.group(1)) for line in open(path) for m in [re.search(r"peak resident ([0-9.]+) MB", line)] if m]
    peaks.append(f"{statistics.median(vs):.0f} / {max(vs):.0f}" if vs else "-")
    if vs:
        peak_worst[n] = max(vs)
peak_verdict = verdict([(peak_worst.get("500000"), 300)])
print("| peak resident MB over a session (open, POWER, DRAW, save, load, compare) | a fresh process each | "
      "< 300 MB at 500,000 | " + " | ".join(peaks) + f" | {peak_verdict} |")
goals.append(("500,000 drawings: peak resident memory under 300 MB over a whole session",
              f"{peak_worst['500000']:.0f} MB" if "500000" in peak_worst else "-", peak_verdict))
print()

# ---- Start-up ------------------------------------------------------------------------------------------
program = seeds(warm, "BM_StartUp/50000")
floor = seeds(warm, "BM_StartUp/50000", "floor_ms")
ratios = {s: [statistics.median(program[s]) / statistics.median(floor[s])] for s in program if s in floor}
r = median_worst(ratios)
flushes = max((v for vs in seeds(warm, "BM_StartUp/50000", "flushes").values() for v in vs), default=None)
floor_flushes = max((v for vs in seeds(warm, "BM_StartUp/50000", "floor_flushes").values() for v in vs), default=None)
widgets = next(iter(seeds(warm, "BM_StartUp/50000", "widgets").values()), [757])[0]
count = lambda v: "-" if v is None else f"{v:.0f}"
start_verdict = verdict([(r[1] if r else None, 1.5)])
print("| start-up, 50,000 drawings, every start a fresh process (ms, median / worst seed) | to the painted board, "
      "idle | its first paint | board paints | floor: bare window of "
      f"{widgets:.0f} widgets + one pass over the database, to idle | floor's first paint | floor's paints | "
      "ratio (to idle) | goal | goal met |")
print("|---|---|---|---|---|---|---|---|---|---|")
print(f"| whole process, started to the board painted and the program idle | {pair(median_worst(program))} | "
      f"{pair(median_worst(seeds(warm, 'BM_StartUp/50000', 'first_paint_ms')))} | {count(flushes)} | "
      f"{pair(median_worst(floor))} | {pair(median_worst(seeds(warm, 'BM_StartUp/50000', 'floor_first_paint_ms')))} | "
      f"{count(floor_flushes)} | {'-' if r is None else f'{r[0]:.2f} / {r[1]:.2f}'} | program within 1.5 x the floor | "
      f"{start_verdict} |")
print()
goals.append(("start-up to the painted board, idle, within 1.5 x the floor",
              "-" if r is None else f"{r[0]:.2f} x in the median, {r[1]:.2f} x for the worst seed; the board painted "
              f"{count(flushes)} time(s)", start_verdict))

# ---- The digit board beside the lotto board ---------------------------------------------------------------
print("| digit board beside the lotto board, 50,000 drawings (ms, median / worst seed) | | lotto 6/49 | Pick 6 | "
      "ratio of medians | goal | goal met |")
print("|---|---|---|---|---|---|---|")
for label, bench, limit in [("Lottery > Load to the board painted", "BM_Open", 2.0),
                            ("DRAW 32,000 at 10 %", "BM_Draw32000_Interval10", 1.5)]:
    checks, lines = [], []
    for kind, runs in (("warm", warm), ("first of process", first)):
        lotto, pick = median_worst(seeds(runs, f"{bench}/0")), median_worst(seeds(runs, f"{bench}/1"))
        ratio = pick[0] / lotto[0] if lotto and pick else None
        checks.append((ratio, limit))
        lines.append((kind, lotto, pick, ratio))
    v = verdict(checks)
    for kind, lotto, pick, ratio in lines:
        print(f"| {label if kind == 'warm' else ''} | {kind} | {pair(lotto)} | {pair(pick)} | "
              f"{'-' if ratio is None else f'{ratio:.2f}'} | {f'within {limit} x the lotto board' if kind == 'warm' else ''} | "
              f"{v if kind != 'warm' else ''} |")
    goals.append((f"digit board: {label.split(' to ')[0]} within {limit} x the lotto board",
                  " and ".join(f"{ratio:.2f} x {kind}" for kind, _, _, ratio in lines if ratio is not None) or "-", v))
print()

# ---- The generator beside its floor ---------------------------------------------------------------------
families = [(0, "", "6/49", 1), (1, "_TwoDrum550_212", "5/50 + 2/12", 2), (2, "_Digits7", "7 digits", 1)]
percents = ("100", "10", "1")


def first_runs(family, percent, way):
    """{seed: [ms]} of the generator (way -1) or a loop's way, each the first run of a fresh process."""
    return {m.group(1): values(first, name) for name in first
            for m in [re.match(rf"BM_FirstRun32000/{family}/{percent}/(\d+)/{way}$", name)] if m}


def first_floor(family, percent, parts):
    """{seed: floor} where the floor is the fastest way's first run."""
    ways = [first_runs(family, percent, w) for w in range(2 ** parts)]
    found = {}
    for seed in first_runs(family, percent, -1):
        times = [statistics.median(w[seed]) for w in ways if seed in w]
        if times:
            found[seed] = min(times)
    return found


print("| generator, 32,000 columns, one history of 5,000 (ms, min / median) | tight loop, rejecting | tight loop, within "
      "the interval | fair floor: the fastest way | generator | ratio of medians | attempts a column | first of process, "
      "median of ten histories: floor / generator / ratio |")
print("|---|---|---|---|---|---|---|---|")
for family, suffix, label, parts in families:
    for p in percents:
        way_runs = [values(warm, f"BM_TightLoop32000{suffix}/{p}/{w}") for w in range(2 ** parts)]
        gen = values(warm, f"BM_Generator32000{suffix}/{p}")
        floor = min((statistics.median(w) for w in way_runs if w), default=None)
        ratio = statistics.median(gen) / floor if gen and floor else None
        attempts = next(iter(warm.get(f"BM_Generator32000{suffix}/{p}", [])), {}).get("attempts/column")
        g1, f1 = first_runs(family, p, -1), first_floor(family, p, parts)
        both = [s for s in g1 if s in f1]
        first_cell = "-" if not both else (f"{fmt(statistics.median(f1[s] for s in both))} / "
                                           f"{fmt(statistics.median(statistics.median(g1[s]) for s in both))} / "
                                           f"{statistics.median(statistics.median(g1[s]) / f1[s] for s in both):.2f}")
        print(f"| {label}, interval {p} % | {min_median(way_runs[0])} | {min_median(way_runs[-1])} | {fmt(floor)} | "
              f"{min_median(gen)} | {'-' if ratio is None else f'{ratio:.2f}'} | "
              f"{'-' if attempts is None else f'{attempts:.1f}'} | {first_cell} |")
ways = [values(warm, f"BM_TightLoop32000_PowerIncrease4_LongWindow/10/{w}") for w in (0, 1)]
gen = values(warm, "BM_Generator32000_PowerIncrease4_LongWindow/10")
b = next(iter(warm.get("BM_Generator32000_PowerIncrease4_LongWindow/10", [])), {})
floor = min((statistics.median(w) for w in ways if w), default=None)
ratio = statistics.median(gen) / floor if gen and floor else None
first_gen = median_of(values(first, "BM_Generator32000_PowerIncrease4_LongWindow/10"))
first_floor_ms = min((median_of(values(first, f"BM_TightLoop32000_PowerIncrease4_LongWindow/10/{w}")) for w in (0, 1)
                      if values(first, f"BM_TightLoop32000_PowerIncrease4_LongWindow/10/{w}")), default=None)
first_ratio = first_gen / first_floor_ms if first_gen and first_floor_ms else None
long_checks = [(ratio, 2.0), (first_ratio, 2.0)]
attempts = b.get("attempts/column")
print(f"| 6/49, power increase level 4, 500,000 drawings, 10 %, pool {b.get('pool', 0):.3g} | {min_median(ways[0])} | "
      f"{min_median(ways[1])} | {fmt(floor)} | {min_median(gen)} | {'-' if ratio is None else f'{ratio:.2f}'} | "
      f"{'-' if attempts is None else f'{attempts:.1f}'} | {fmt(first_floor_ms)} / {fmt(first_gen)} / "
      f"{'-' if first_ratio is None else f'{first_ratio:.2f}'} (one history, three processes) |")
print()


def worst_ratio(checks):
    figures = [v for v, _ in checks if v is not None]
    return f"worst {max(figures):.2f} x" if figures else "-"


def ratio_table(title, rows, limit):
    """One row per (label, warm benchmark, {seed: first-of-process ratio}): the ratios over ten histories."""
    print(f"| {title} | worst ratio | median ratio | first of process: worst / median ratio | goal | goal met |")
    print("|---|---|---|---|---|---|")
    all_checks = []
    for label, prefix, first_ratios in rows:
        runs = [r for name, rs in warm.items() if name == prefix for r in rs]
        worst = [r["ratio_worst"] for r in runs]
        checks = [(max(worst) if worst else None, limit)]
        first_cell = "-"
        if first_ratios:
            fr = list(first_ratios.values())
            first_cell = f"{max(fr):.2f} / {statistics.median(fr):.2f}"
            checks.append((max(fr), limit))
        else:
            checks.append((None, limit))
        all_checks += checks
        med = statistics.median(r["ratio_median"] for r in runs) if runs else None
        print(f"| {label} | {'-' if not worst else f'{max(worst):.2f}'} | "
              f"{'-' if med is None else f'{med:.2f}'} | {first_cell} | at most {limit:g} x | {verdict(checks)} |")
    print()
    return all_checks


gen_rows = []
for family, suffix, label, parts in families:
    for p in percents:
        g1, f1 = first_runs(family, p, -1), first_floor(family, p, parts)
        gen_rows.append((f"{label}, interval {p} %", f"BM_GeneratorOverBaseline_TenHistories/{family}/{p}",
                         {s: statistics.median(g1[s]) / f1[s] for s in g1 if s in f1}))
gen_checks = ratio_table("generator over its fair floor, ten histories of 5,000", gen_rows, 2.0)
goals.append(("generator within 2 x its fair floor, every family and percentage, warm and first of process "
              "(and over a window of 500,000 drawings)",
              worst_ratio(gen_checks + long_checks),
              verdict(gen_checks + long_checks)))

two_rows = []
for n in ("5000", "50000"):
    for p in percents:
        lotto = {m.group(1): values(first, name) for name in first
                 for m in [re.match(rf"BM_FirstDraw32000/{n}/{p}/0/(\d+)$", name)] if m}
        two = {m.group(1): values(first, name) for name in first
               for m in [re.match(rf"BM_FirstDraw32000/{n}/{p}/1/(\d+)$", name)] if m}
        two_rows.append((f"{int(n):,} drawings, interval {p} %", f"BM_Draw32000_TwoDrumBesideLotto/{n}/{p}",
                         {s: statistics.median(two[s]) / statistics.median(lotto[s]) for s in two if s in lotto}))
two_checks = ratio_table("two-drum DRAW 32,000 beside the lotto board, ten histories", two_rows, 1.5)
goals.append(("two-drum board's DRAW of 32,000 within 1.5 x the lotto board's, worst of ten histories at 5,000 and "
              "50,000, warm and first of process",
              worst_ratio(two_checks), verdict(two_checks)))

print("| Compare 32,000, click to idle (ms, min / median) | | lotto board | two-pool board | goal | goal met |")
print("|---|---|---|---|---|---|")
for n in ("5000", "50000"):
    checks = []
    for kind, runs in (("warm", warm), ("first of process", first)):
        lotto, two = values(runs, f"BM_Compare32000/{n}/0"), values(runs, f"BM_Compare32000/{n}/1")
        checks += [(median_of(lotto), 5), (median_of(two), 5)]
        print(f"| {f'{int(n):,} drawings' if kind == 'warm' else ''} | {kind} | {min_median(lotto)} | {min_median(two)} | "
              f"{'< 5 ms' if kind == 'warm' else ''} | {verdict(checks) if kind != 'warm' else ''} |")
    compare_checks += checks
print()
goals.append(("Compare of 32,000 columns under 5 ms", "lotto and two-pool boards, warm and first of process",
              verdict(compare_checks)))

print("| count of possible columns before DRAW, 1 % (ms, min / median) | 5,000 | 50,000 | 500,000 |")
print("|---|---|---|---|")
for kind, runs in (("warm", warm), ("first of process", first)):
    print(f"| shifted sums, {kind} | " + " | ".join(min_median(values(runs, f"BM_CountPossibleColumns_Interval1/{n}"))
                                               for n in sizes) + " |")
print()

print("### Goals")
print()
print("| goal | figures | result |")
print("|---|---|---|")
for goal, figures, v in goals:
    print(f"| {goal} | {figures} | {v} |")

if errors:
    print()
    print("Benchmarks that failed:")
    for e in errors:
        print(f"- {e}")
