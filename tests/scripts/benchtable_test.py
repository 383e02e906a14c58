#!/usr/bin/env python3
"""The verdicts of scripts/benchtable.py on made-up results of scripts/bench."""
import json
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import benchtable  # noqa: E402

SIZES = (5000, 50000, 500000)


def run(name, ms, **counters):
    return {"name": f"{name}/manual_time", "run_name": f"{name}/manual_time", "run_type": "iteration",
            "real_time": ms, "time_unit": "ms", **counters}


def failure(name, message):
    return {**run(name, 0), "error_occurred": True, "error_message": message}


class Folder:
    """A results folder as scripts/bench leaves it: warm results, first-of-process results."""

    def __init__(self, test):
        self.dir = tempfile.TemporaryDirectory()
        test.addCleanup(self.dir.cleanup)
        os.mkdir(os.path.join(self.dir.name, "first"))
        self.files = 0

    def add(self, program, benchmarks, first=False):
        self.files += 1
        name = f"first/{program}.{self.files}.json" if first else f"{program}.json"
        with open(os.path.join(self.dir.name, name), "w") as f:
            json.dump({"context": {}, "benchmarks": benchmarks}, f)

    def goals(self):
        return {goal.split(" ")[0]: (figures, verdict) for goal, figures, verdict in benchtable.report(self.dir.name)[1]}

    def line(self, start):
        return next(line for line in benchtable.report(self.dir.name)[0] if line.startswith(start))


def power(ms50000, ms500000=20.0, seeds=(1, 2, 3)):
    return [run(f"BM_Power/{n}/{s}", {50000: ms50000, 500000: ms500000}.get(n, 1.0)) for n in SIZES for s in seeds]


class Verdicts(unittest.TestCase):
    def test_each_program_keeps_its_own_compare(self):
        results = Folder(self)
        for first in (False, True):
            results.add("useractions_bench", [run(f"BM_Compare32000/{n}/{s}", 3.0) for n in SIZES for s in (1, 2, 3)], first)
            results.add("twopool_bench", [run(f"BM_Compare32000/{n}/{b}", 6.0) for n in (5000, 50000) for b in (0, 1)], first)
        self.assertRegex(results.line("| Compare 32,000 |"), r"3\.00 / 3\.00 \| 3\.00 / 3\.00 \| 3\.00 / 3\.00 \| \|$")
        self.assertTrue(results.line("|  | first of process |  | 3.00 / 3.00 | 3.00 / 3.00 | 3.00").endswith("| met |"))
        self.assertRegex(results.line("| 5,000 drawings | warm |"), r"\| 6\.00 / 6\.00 \| 6\.00 / 6\.00 \|")
        self.assertEqual(results.goals()["Compare"], ("slowest run 6.00 ms", "not met"))

    def test_a_failed_check_or_a_run_that_ended_fails_the_goal_and_names_it(self):
        results = Folder(self)
        runs = power(2.0)
        runs[3 + 1] = failure("BM_Power/50000/2", "POWER: pick count of 7 is 812, counted 811")
        results.add("useractions_bench", runs)
        results.add("useractions_bench", power(2.5), first=True)
        self.assertEqual(results.goals()["POWER"][1], "not met: BM_Power/50000/2 (warm) failed")

        results = Folder(self)
        results.add("useractions_bench", power(2.0))
        results.add("useractions_bench", power(2.5, seeds=(1, 2)), first=True)
        with open(os.path.join(results.dir.name, "first", "failed.tsv"), "w") as f:
            f.write("useractions_bench\tBM_Power/50000/3\tdid not run (exit code 134)\n")
        self.assertEqual(results.goals()["POWER"][1], "not met: BM_Power/50000/3 (first of process) failed")

    def test_every_run_within_a_goal_a_strict_one_below_it(self):
        for slowest, verdict in ((4.99, "met"), (5.0, "not met")):
            results = Folder(self)
            runs = power(2.0)
            runs[3 + 2]["real_time"] = slowest
            results.add("useractions_bench", runs)
            results.add("useractions_bench", power(2.5), first=True)
            self.assertEqual(results.goals()["POWER"][1], verdict, slowest)
        for longest, verdict in ((50.0, "met"), (50.5, "not met")):
            results = Folder(self)
            results.add("useractions_bench", [run(f"BM_StopDuringDraw/{n}/1", 60, stop_ms=6, stop_max_ms=7) for n in SIZES])
            results.add("useractions_bench", [run(f"BM_StopDuringDraw/{n}/1", 60, stop_ms=longest) for n in SIZES], True)
            self.assertEqual(results.goals()["DRAW's"][1], verdict, longest)


if __name__ == "__main__":
    unittest.main()
