#!/usr/bin/env python3
"""Times whole processes, the commands taking turns run by run so that a change of the machine's
load falls on all of them alike. Records wall time and CPU time (user + system, from the
kernel's accounting of the child) of every run, and with --rss its peak resident set.

usage: process_time.py [--warmup N] [--rss] OUT.json RUNS NAME=COMMAND ...
  --warmup N   rounds run first and not kept (default 10)
  --rss        each command run under GNU time, which reports the peak resident set of the
               command alone (the kernel's figure for a child of this script would include the
               size of the Python process it was forked from)
"""
import argparse
import json
import os
import shlex
import statistics
import subprocess
import tempfile
import time


def run_once(argv, rss):
    peak_file = None
    if rss:
        handle, peak_file = tempfile.mkstemp()
        os.close(handle)
        argv = ["/usr/bin/time", "-f", "%M", "-o", peak_file] + argv
    start = time.perf_counter()
    process = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    peak = None
    if peak_file:
        with open(peak_file) as f:
            peak = int(f.read().split()[-1])
        os.unlink(peak_file)
    return wall, usage.ru_utime + usage.ru_stime, peak, process.returncode


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--warmup", type=int, default=10, metavar="N")
    parser.add_argument("--rss", action="store_true")
    parser.add_argument("out", metavar="OUT.json")
    parser.add_argument("runs", type=int, metavar="RUNS")
    parser.add_argument("commands", nargs="+", metavar="NAME=COMMAND")
    options = parser.parse_args()
    warmup, rss, out, runs = options.warmup, options.rss, options.out, options.runs
    commands = [argument.split("=", 1) for argument in options.commands]
    samples = {name: {"wall": [], "cpu": [], "rss": [], "exit": set()} for name, _ in commands}
    for round_ in range(runs + warmup):  # the warm-up rounds fill the caches and are not kept
        for name, command in commands:
            wall, cpu, peak, status = run_once(shlex.split(command), rss)
            if round_ >= warmup:
                samples[name]["wall"].append(wall)
                samples[name]["cpu"].append(cpu)
                samples[name]["rss"].append(peak)
                samples[name]["exit"].add(status)
    results = []
    for name, command in commands:
        s = samples[name]
        results.append({"name": name, "command": command, "runs": runs, "exit": sorted(s["exit"]),
                        "wall_median": statistics.median(s["wall"]), "wall_min": min(s["wall"]),
                        "wall_mean": statistics.fmean(s["wall"]),
                        "cpu_median": statistics.median(s["cpu"]),
                        "max_rss_kib": max(s["rss"]) if rss else None})
    with open(out, "w") as f:
        json.dump(results, f, indent=1)


if __name__ == "__main__":
    main()
