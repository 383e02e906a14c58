#!/usr/bin/env python3
"""Prints the figures tables of bench/README.md from the results of scripts/bench.

Every figure comes twice: warm, from the benchmarks run repeatedly in one process (the JSON files
in the results folder), and first of process, from each benchmark run alone in a fresh process of
its own, timing one action (the JSON files of results/first). Results are kept by benchmark
program and name: two programs' benchmarks of one name are never mixed. The benchmarks of what a
user does run on random histories from several seeds (the last argument of their names): a cell
gives the median of every run and, after the slash, the slowest run, in milliseconds, beside the
goal of the row. A goal is met when every run it covers, of every seed, board and history, is
within it (under a limit written "<": a figure equal to it is not), and no benchmark it covers
failed: a check that did not hold, a program that did not run or whose results cannot be read.
Goals of ratios take the ratio of each seed or history (of medians), and every one must hold.
Every benchmark that failed is listed at the end."""
import collections
import glob
import json
import os
import re
import statistics
import sys

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
# A limit of a goal: "< value" when strict, "within value" (at most) otherwise.
Limit = collections.namedtuple("Limit", "value strict")


def under(value):
    return Limit(value, True)


def within(value):
    return Limit(value, False)


class Results:
    """The runs of one kind (warm, or first of process) by (program, benchmark name), and the
    benchmarks that failed by (program, name); the name "*" stands for every benchmark of a program
    that did not run through or whose results cannot be read."""

    def __init__(self, folder):
        self.runs = {}
        self.failures = {}
        for path in sorted(glob.glob(os.path.join(folder, "*.json"))):
            # useractions_bench.json (warm) or useractions_bench.17.json (first of process).
            program = os.path.basename(path).split(".")[0]
            try:
                with open(path) as f:
                    benchmarks = json.load(f)["benchmarks"]
            except (OSError, ValueError, KeyError) as e:
                self.fail(program, "*", f"results unreadable ({e})")
                continue
            for b in benchmarks:
                name = re.sub(r"(/iterations:\d+)?(/repeats:\d+)?(/manual_time|/real_time)?$", "",
                              b.get("run_name", b["name"]))
                if b.get("error_occurred") or b.get("skipped"):
                    self.fail(program, name, b.get("error_message", "failed"))
                elif b.get("run_type", "iteration") == "iteration":
                    b["ms"] = b["real_time"] * UNIT_MS[b["time_unit"]]
                    self.runs.setdefault((program, name), []).append(b)
        # Programs or single benchmarks that scripts/bench saw end without results: program, name
        # ("*" for the whole program) and why, separated by tabs.
        path = os.path.join(folder, "failed.tsv")
        if os.path.exists(path):
            for line in open(path):
                program, name, why = (line.rstrip("\n").split("\t") + ["", ""])[:3]
                self.fail(program, name, why or "did not run")

    def fail(self, program, name, why):
        self.failures.setdefault((program, name), []).append(why)

    def values(self, program, name, key="ms"):
        return [r[key] for r in self.runs.get((program, name), []) if key in r]

    def matching(self, program, pattern, key="ms"):
        """{the groups of `pattern` (a full match of the name): [values]} of the program's runs."""
        found = {}
        for (p, name) in self.runs:
            m = re.fullmatch(pattern, name) if p == program else None
            if m and self.values(p, name, key):
                found.setdefault(m.groups(), []).extend(self.values(p, name, key))
        return found

    def seeds(self, program, prefix, key="ms"):
        """{seed: [values]} of the program's benchmarks named `prefix`/seed."""
        return {g[0]: vs for g, vs in self.matching(program, re.escape(prefix) + r"/(\d+)", key).items()}

    def failed(self, program, pattern):
        """The names of the program's failed benchmarks that `pattern` matches whole (or "*")."""
        return sorted(name for (p, name) in self.failures
                      if p == program and (name == "*" or re.fullmatch(pattern, name)))


def fmt(v):
    return "-" if v is None else f"{v:.2f}" if v < 10 else f"{v:.0f}" if v >= 100 else f"{v:.1f}"


def every(found):
    return [v for vs in found.values() for v in vs]


def median_max(vs):
    """The median and the highest of `vs`; None without values."""
    return (statistics.median(vs), max(vs)) if vs else None


def pair(mm):
    return "-" if mm is None else f"{fmt(mm[0])} / {fmt(mm[1])}"


def median_of(vs):
    return statistics.median(vs) if vs else None


def holds(figure, limit):
    return figure < limit.value if limit.strict else figure <= limit.value


def verdict(checks, failed=()):
    """'met' when every (figure, limit) holds and no benchmark the goal covers failed (`failed`,
    named in the verdict); '-' when a figure is missing."""
    if failed:
        names = sorted(set(failed))
        shown = ", ".join(names[:4]) + (f" and {len(names) - 4} more" if len(names) > 4 else "")
        return f"not met: {shown} failed"
    if not checks or any(v is None for v, _ in checks):
        return "-"
    return "met" if all(holds(v, limit) for v, limit in checks) else "not met"


def limit_text(limit, unit):
    return f"< {limit.value:g}{unit}" if limit.strict else f"within {limit.value:g}{unit}"


def report(out):
    """The tables (lines) and the goals ((goal, figures, verdict)) of the results in `out`."""
    warm = Results(out)
    first = Results(os.path.join(out, "first"))
    kinds = (("warm", warm), ("first of process", first))
    lines = []
    goals = []

    def failed(program, pattern):
        return [f"{name} ({kind})" if name != "*" else f"{program} ({kind})"
                for kind, results in kinds for name in results.failed(program, pattern)]

    # ---- What a user does on the lotto board ------------------------------------------------------
    actions = "useractions_bench"
    sizes = ["5000", "50000", "500000"]
    big = {"50000": under(100), "500000": under(1000)}
    big_goal = "< 100 ms at 50,000, < 1 s at 500,000"
    rows = [
        ("Lottery > Load to the board painted", "BM_Open", big, big_goal),
        ("POWER", "BM_Power", {"50000": under(5), "500000": under(50)}, "< 5 ms at 50,000, < 50 ms at 500,000"),
        ("DRAW 32,000 at 100 %", "BM_Draw32000_Interval100", big, big_goal),
        ("DRAW 32,000 at 10 %", "BM_Draw32000_Interval10", big, big_goal),
        ("DRAW 32,000 at 1 %", "BM_Draw32000_Interval1", big, big_goal),
        ("Compare 32,000", "BM_Compare32000", {n: under(5) for n in sizes}, "< 5 ms"),
        ("Ticket > Save (32,000 columns)", "BM_TicketSave32000", big, big_goal),
        ("Ticket > Load (board reopened)", "BM_TicketLoad32000", big, big_goal),
        ("ticket file read alone", "BM_TicketRead32000", big, big_goal),
    ]
    lines += ["| action (ms, median / slowest run) | | goal | 5,000 drawings | 50,000 drawings | 500,000 drawings | goal met |",
              "|---|---|---|---|---|---|---|"]
    # The goals of every action by history length, the benchmarks they cover, and the slowest.
    by_size = {n: [] for n in big}
    by_size_failed = {n: [] for n in big}
    slowest = {n: (0, "") for n in big}
    compare_checks, compare_failed = [], []
    for label, bench, limits, goal in rows:
        checks = []
        row_failed = failed(actions, re.escape(bench) + r"/.*")
        for kind, results in kinds:
            found = {n: median_max(every(results.seeds(actions, f"{bench}/{n}"))) for n in sizes}
            for n, limit in limits.items():
                figure = found[n][1] if found[n] else None
                checks.append((figure, limit))
                if n in big and limit.value >= 100:
                    by_size[n].append((figure, limit))
                    if figure is not None and figure > slowest[n][0]:
                        slowest[n] = (figure, f"{label}, {kind}")
            lines.append(f"| {label if kind == 'warm' else ''} | {kind} | {goal if kind == 'warm' else ''} | "
                         + " | ".join(pair(found[n]) for n in sizes)
                         + (f" | {verdict(checks, row_failed)} |" if kind != "warm" else " | |"))
        for n, limit in limits.items():
            if n in big and limit.value >= 100:
                by_size_failed[n] += failed(actions, re.escape(bench) + f"/{n}/.*")
        if bench == "BM_Power":
            goals.append(("POWER under 5 ms at 50,000 drawings, under 50 ms at 500,000, warm and first of process",
                          f"slowest run at 50,000 / 500,000: warm {fmt(checks[0][0])} / {fmt(checks[1][0])} ms, "
                          f"first of process {fmt(checks[2][0])} / {fmt(checks[3][0])} ms", verdict(checks, row_failed)))
        if bench == "BM_Compare32000":
            compare_checks += checks
            compare_failed += row_failed
    for n, limit in (("50000", "100 ms"), ("500000", "1 s")):
        goals.append((f"{int(n):,} drawings: every user action under {limit}, warm and first of process",
                      f"the slowest: {slowest[n][1]}, {fmt(slowest[n][0])} ms" if slowest[n][1] else "-",
                      verdict(by_size[n], by_size_failed[n])))

    stop_cells, stop_checks = [], []
    for kind, results in kinds:
        key = "stop_max_ms" if kind == "warm" else "stop_ms"
        cells, kind_longest = [], []
        for n in sizes:
            means = every(results.seeds(actions, f"BM_StopDuringDraw/{n}", "stop_ms"))
            longest = every(results.seeds(actions, f"BM_StopDuringDraw/{n}", key))
            cells.append(f"{fmt(statistics.median(means))} / {fmt(max(longest))}" if means and longest else "-")
            kind_longest += longest
        stop_cells.append((kind, cells))
        stop_checks.append((max(kind_longest, default=None), within(50)))
    stop_verdict = verdict(stop_checks, failed(actions, r"BM_StopDuringDraw/.*"))
    stop_longest = [v for v, _ in stop_checks if v is not None]
    for kind, cells in stop_cells:
        lines.append(f"| {'STOP during DRAW, click to handling (median / longest)' if kind == 'warm' else ''} | {kind} | "
                     f"{'within 50 ms' if kind == 'warm' else ''} | " + " | ".join(cells)
                     + (f" | {stop_verdict} |" if kind != "warm" else " | |"))
    goals.append(("DRAW's dialog responsive, STOP within 50 ms", f"longest {fmt(max(stop_longest)) if stop_longest else '-'} ms",
                  stop_verdict))

    peaks, peak_worst, peak_failed = [], {}, []
    for n in sizes:
        vs = []
        path = os.path.join(out, f"peak_{n}.txt")
        if os.path.exists(path):
            for line in open(path):
                m = re.search(r"peak resident ([0-9.]+) MB", line)
                if m:
                    vs.append(float(m.group(1)))
                elif line.startswith("failed"):
                    peak_failed.append(f"peakmemory {n} ({line.strip()})")
        peaks.append(f"{statistics.median(vs):.0f} / {max(vs):.0f}" if vs else "-")
        if vs:
            peak_worst[n] = max(vs)
    peak_verdict = verdict([(peak_worst.get("500000"), under(300))], peak_failed)
    lines.append("| peak resident MB over a session (open, POWER, DRAW, save, load, compare) | a fresh process each | "
                 "< 300 MB at 500,000 | " + " | ".join(peaks) + f" | {peak_verdict} |")
    goals.append(("500,000 drawings: peak resident memory under 300 MB over a whole session",
                  f"{peak_worst['500000']:.0f} MB" if "500000" in peak_worst else "-", peak_verdict))
    lines.append("")

    # ---- Start-up ----------------------------------------------------------------------------------
    startup = "startup_bench"
    runs = [r for (p, name), rs in warm.runs.items() if p == startup and re.fullmatch(r"BM_StartUp/50000/\d+", name)
            for r in rs]
    ratios = [r["ms"] / r["floor_ms"] for r in runs if r.get("floor_ms")]
    column = lambda key: median_max([r[key] for r in runs if key in r])
    flushes = max((r["flushes"] for r in runs if "flushes" in r), default=None)
    floor_flushes = max((r["floor_flushes"] for r in runs if "floor_flushes" in r), default=None)
    count = lambda v: "-" if v is None else f"{v:.0f}"
    widgets = count(next((r["widgets"] for r in runs if "widgets" in r), None))
    start_verdict = verdict([(max(ratios) if ratios else None, within(1.5))], failed(startup, r"BM_StartUp/.*"))
    lines += ["| start-up, 50,000 drawings, every start a fresh process (ms, median / slowest run) | to the painted "
              "board, idle | its first paint | board paints | floor: bare window of "
              f"{widgets} widgets + one pass over the database, to idle | floor's first paint | floor's paints | "
              "ratio to idle (median / worst run) | goal | goal met |",
              "|---|---|---|---|---|---|---|---|---|---|",
              f"| whole process, started to the board painted and the program idle | {pair(column('ms'))} | "
              f"{pair(column('first_paint_ms'))} | {count(flushes)} | {pair(column('floor_ms'))} | "
              f"{pair(column('floor_first_paint_ms'))} | {count(floor_flushes)} | "
              f"{'-' if not ratios else f'{statistics.median(ratios):.2f} / {max(ratios):.2f}'} | "
              f"program within 1.5 x the floor | {start_verdict} |", ""]
    goals.append(("start-up to the painted board, idle, within 1.5 x the floor, the board checked",
                  "-" if not ratios else f"{statistics.median(ratios):.2f} x in the median, {max(ratios):.2f} x in the "
                  f"worst run; the board painted {count(flushes)} time(s)", start_verdict))

    # ---- The digit board beside the lotto board -----------------------------------------------------
    digits = "digit_bench"
    lines += ["| digit board beside the lotto board, 50,000 drawings (ms, median / slowest run) | | lotto 6/49 | "
              "Pick 6 | ratio of the seeds' medians (median / worst seed) | goal | goal met |",
              "|---|---|---|---|---|---|---|"]
    for label, bench, limit in [("Lottery > Load to the board painted", "BM_Open", within(2.0)),
                                ("DRAW 32,000 at 10 %", "BM_Draw32000_Interval10", within(1.5))]:
        checks, rows_of = [], []
        for kind, results in kinds:
            lotto, pick = results.seeds(digits, f"{bench}/0"), results.seeds(digits, f"{bench}/1")
            by_seed = [statistics.median(pick[s]) / statistics.median(lotto[s]) for s in pick if s in lotto]
            checks.append((max(by_seed) if by_seed else None, limit))
            rows_of.append((kind, median_max(every(lotto)), median_max(every(pick)), by_seed))
        v = verdict(checks, failed(digits, re.escape(bench) + r"/.*"))
        for kind, lotto, pick, by_seed in rows_of:
            lines.append(f"| {label if kind == 'warm' else ''} | {kind} | {pair(lotto)} | {pair(pick)} | "
                         f"{'-' if not by_seed else f'{statistics.median(by_seed):.2f} / {max(by_seed):.2f}'} | "
                         f"{limit_text(limit, ' x the lotto board') if kind == 'warm' else ''} | "
                         f"{v if kind != 'warm' else ''} |")
        goals.append((f"digit board: {label.split(' to ')[0]} {limit_text(limit, ' x')} the lotto board, every seed",
                      " and ".join(f"{max(r):.2f} x {kind}" for kind, _, _, r in rows_of if r) or "-", v))
    lines.append("")

    # ---- The generator beside its floor -------------------------------------------------------------
    generator = "generator_bench"
    families = [(0, "", "6/49", 1), (1, "_TwoDrum550_212", "5/50 + 2/12", 2), (2, "_Digits7", "7 digits", 1)]
    percents = ("100", "10", "1")

    def first_runs(family, percent, way):
        """{seed: [ms]} of the generator (way -1) or a loop's way, each the first run of a fresh process."""
        return {g[0]: vs for g, vs in first.matching(generator, rf"BM_FirstRun32000/{family}/{percent}/(\d+)/{way}").items()}

    def first_floor(family, percent, parts):
        """{seed: floor} where the floor is the fastest way's first run."""
        ways = [first_runs(family, percent, w) for w in range(2 ** parts)]
        found = {}
        for seed in first_runs(family, percent, -1):
            times = [statistics.median(w[seed]) for w in ways if seed in w]
            if times:
                found[seed] = min(times)
        return found

    def min_median(vs):
        return "-" if not vs else f"{fmt(min(vs))} / {fmt(statistics.median(vs))}"

    lines += ["| generator, 32,000 columns, one history of 5,000 (ms, min / median) | tight loop, rejecting | tight "
              "loop, within the interval | fair floor: the fastest way | generator | ratio of medians | attempts a "
              "column | first of process, median of ten histories: floor / generator / ratio |",
              "|---|---|---|---|---|---|---|---|"]
    for family, suffix, label, parts in families:
        for p in percents:
            way_runs = [warm.values(generator, f"BM_TightLoop32000{suffix}/{p}/{w}") for w in range(2 ** parts)]
            gen = warm.values(generator, f"BM_Generator32000{suffix}/{p}")
            floor = min((statistics.median(w) for w in way_runs if w), default=None)
            ratio = statistics.median(gen) / floor if gen and floor else None
            attempts = next(iter(warm.runs.get((generator, f"BM_Generator32000{suffix}/{p}"), [])), {}).get("attempts/column")
            g1, f1 = first_runs(family, p, -1), first_floor(family, p, parts)
            both = [s for s in g1 if s in f1]
            first_cell = "-" if not both else (f"{fmt(statistics.median(f1[s] for s in both))} / "
                                               f"{fmt(statistics.median(statistics.median(g1[s]) for s in both))} / "
                                               f"{statistics.median(statistics.median(g1[s]) / f1[s] for s in both):.2f}")
            lines.append(f"| {label}, interval {p} % | {min_median(way_runs[0])} | {min_median(way_runs[-1])} | "
                         f"{fmt(floor)} | {min_median(gen)} | {'-' if ratio is None else f'{ratio:.2f}'} | "
                         f"{'-' if attempts is None else f'{attempts:.1f}'} | {first_cell} |")
    long_name = "PowerIncrease4_LongWindow/10"
    ways = [warm.values(generator, f"BM_TightLoop32000_{long_name}/{w}") for w in (0, 1)]
    gen = warm.values(generator, f"BM_Generator32000_{long_name}")
    b = next(iter(warm.runs.get((generator, f"BM_Generator32000_{long_name}"), [])), {})
    floor = min((statistics.median(w) for w in ways if w), default=None)
    ratio = statistics.median(gen) / floor if gen and floor else None
    first_gen = median_of(first.values(generator, f"BM_Generator32000_{long_name}"))
    first_floor_ms = min((median_of(first.values(generator, f"BM_TightLoop32000_{long_name}/{w}")) for w in (0, 1)
                          if first.values(generator, f"BM_TightLoop32000_{long_name}/{w}")), default=None)
    first_ratio = first_gen / first_floor_ms if first_gen and first_floor_ms else None
    long_checks = [(ratio, within(2.0)), (first_ratio, within(2.0))]
    attempts = b.get("attempts/column")
    lines += [f"| 6/49, power increase level 4, 500,000 drawings, 10 %, pool {b.get('pool', 0):.3g} | "
              f"{min_median(ways[0])} | {min_median(ways[1])} | {fmt(floor)} | {min_median(gen)} | "
              f"{'-' if ratio is None else f'{ratio:.2f}'} | {'-' if attempts is None else f'{attempts:.1f}'} | "
              f"{fmt(first_floor_ms)} / {fmt(first_gen)} / {'-' if first_ratio is None else f'{first_ratio:.2f}'} "
              "(one history, three processes) |", ""]

    def worst_ratio(checks):
        figures = [v for v, _ in checks if v is not None]
        return f"worst {max(figures):.2f} x" if figures else "-"

    def ratio_table(title, program, rows, limit):
        """One row per (label, warm benchmark, {seed: first-of-process ratio}, failed): the ratios over ten
        histories; the checks of every row."""
        lines.extend([f"| {title} | worst ratio | median ratio | first of process: worst / median ratio | goal | goal met |",
                      "|---|---|---|---|---|---|"])
        all_checks = []
        for label, name, first_ratios, row_failed in rows:
            runs = warm.runs.get((program, name), [])
            worst = [r["ratio_worst"] for r in runs]
            fr = list(first_ratios.values())
            checks = [(max(worst) if worst else None, limit), (max(fr) if fr else None, limit)]
            all_checks += checks
            med = statistics.median(r["ratio_median"] for r in runs) if runs else None
            lines.append(f"| {label} | {'-' if not worst else f'{max(worst):.2f}'} | {'-' if med is None else f'{med:.2f}'} | "
                         f"{'-' if not fr else f'{max(fr):.2f} / {statistics.median(fr):.2f}'} | "
                         f"{limit_text(limit, ' x')} | {verdict(checks, row_failed)} |")
        lines.append("")
        return all_checks

    gen_rows = []
    for family, suffix, label, parts in families:
        for p in percents:
            g1, f1 = first_runs(family, p, -1), first_floor(family, p, parts)
            gen_rows.append((f"{label}, interval {p} %", f"BM_GeneratorOverBaseline_TenHistories/{family}/{p}",
                             {s: statistics.median(g1[s]) / f1[s] for s in g1 if s in f1},
                             failed(generator, rf"BM_(GeneratorOverBaseline_TenHistories/{family}/{p}"
                                               rf"|FirstRun32000/{family}/{p}/.*|(Generator|TightLoop)32000{suffix}/{p}(/.*)?)")))
    gen_checks = ratio_table("generator over its fair floor, ten histories of 5,000", generator, gen_rows, within(2.0))
    goals.append(("generator within 2 x its fair floor, every family, percentage and history, warm and first of process "
                  "(and over a window of 500,000 drawings)", worst_ratio(gen_checks + long_checks),
                  verdict(gen_checks + long_checks, failed(generator, r"BM_(Generator|TightLoop|FirstRun).*"))))

    twopool = "twopool_bench"
    two_rows = []
    for n in ("5000", "50000"):
        for p in percents:
            lotto = {g[0]: vs for g, vs in first.matching(twopool, rf"BM_FirstDraw32000/{n}/{p}/0/(\d+)").items()}
            two = {g[0]: vs for g, vs in first.matching(twopool, rf"BM_FirstDraw32000/{n}/{p}/1/(\d+)").items()}
            two_rows.append((f"{int(n):,} drawings, interval {p} %", f"BM_Draw32000_TwoDrumBesideLotto/{n}/{p}",
                             {s: statistics.median(two[s]) / statistics.median(lotto[s]) for s in two if s in lotto},
                             failed(twopool, rf"BM_(Draw32000_TwoDrumBesideLotto/{n}/{p}|FirstDraw32000/{n}/{p}/.*)")))
    two_checks = ratio_table("two-drum DRAW 32,000 beside the lotto board, ten histories", twopool, two_rows, within(1.5))
    goals.append(("two-drum board's DRAW of 32,000 within 1.5 x the lotto board's, every one of ten histories at 5,000 "
                  "and 50,000, warm and first of process", worst_ratio(two_checks),
                  verdict(two_checks, failed(twopool, r"BM_(Draw32000_TwoDrumBesideLotto|FirstDraw32000)/.*"))))

    lines += ["| Compare 32,000, click to idle (ms, median / slowest run) | | lotto board | two-pool board | goal | goal met |",
              "|---|---|---|---|---|---|"]
    compare_failed += failed(twopool, r"BM_Compare32000/.*")
    for n in ("5000", "50000"):
        checks = []
        for kind, results in kinds:
            lotto = every(results.matching(twopool, rf"BM_Compare32000/{n}/0(/\d+)*"))
            two = every(results.matching(twopool, rf"BM_Compare32000/{n}/1(/\d+)*"))
            checks += [(max(lotto, default=None), under(5)), (max(two, default=None), under(5))]
            lines.append(f"| {f'{int(n):,} drawings' if kind == 'warm' else ''} | {kind} | {pair(median_max(lotto))} | "
                         f"{pair(median_max(two))} | {'< 5 ms' if kind == 'warm' else ''} | "
                         f"{verdict(checks, failed(twopool, rf'BM_Compare32000/{n}/.*')) if kind != 'warm' else ''} |")
        compare_checks += checks
    lines.append("")
    figures = [v for v, _ in compare_checks if v is not None]
    goals.append(("Compare of 32,000 columns under 5 ms, lotto and two-pool boards, warm and first of process",
                  f"slowest run {fmt(max(figures))} ms" if figures else "-", verdict(compare_checks, compare_failed)))

    lines += ["| count of possible columns before DRAW, 1 % (ms, min / median) | 5,000 | 50,000 | 500,000 |",
              "|---|---|---|---|"]
    for kind, results in kinds:
        lines.append(f"| shifted sums, {kind} | " + " | ".join(
            min_median(results.values(generator, f"BM_CountPossibleColumns_Interval1/{n}")) for n in sizes) + " |")
    lines += ["", "### Goals", "", "| goal | figures | result |", "|---|---|---|"]
    lines += [f"| {goal} | {figures} | {v} |" for goal, figures, v in goals]

    failures = [f"- {program}, {name} ({kind}): {'; '.join(why)}" for kind, results in kinds
                for (program, name), why in sorted(results.failures.items())]
    failures += [f"- {f}" for f in peak_failed]
    if failures:
        lines += ["", "Benchmarks that failed:"] + failures
    return lines, goals


if __name__ == "__main__":
    print("\n".join(report(sys.argv[1])[0]))
