#!/usr/bin/env python3
"""Times whole processes, the commands taking turns run by run so that a change of the machine's
load falls on all of them alike. Records wall time and CPU time (user + system, from the
kernel's accounting of the child) of every run.

usage: process_time.py OUT.json RUNS NAME=COMMAND ...
"""
import json
import os
import shlex
import statistics
import subprocess
import sys
import time


def run_once(argv):
    start = time.perf_counter()
    process = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    return wall, usage.ru_utime + usage.ru_stime, process.returncode


def main():
    out, runs = sys.argv[1], int(sys.argv[2])
    commands = [argument.split("=", 1) for argument in sys.argv[3:]]
    samples = {name: {"wall": [], "cpu": [], "exit": set()} for name, _ in commands}
    for round_ in range(runs + 10):  # the first ten rounds warm the caches and are not kept
        for name, command in commands:
            wall, cpu, status = run_once(shlex.split(command))
            if round_ >= 10:
                samples[name]["wall"].append(wall)
                samples[name]["cpu"].append(cpu)
                samples[name]["exit"].add(status)
    results = []
    for name, command in commands:
        s = samples[name]
        results.append({"name": name, "command": command, "runs": runs, "exit": sorted(s["exit"]),
                        "wall_median": statistics.median(s["wall"]), "wall_min": min(s["wall"]),
                        "wall_mean": statistics.fmean(s["wall"]),
                        "cpu_median": statistics.median(s["cpu"])})
    with open(out, "w") as f:
        json.dump(results, f, indent=1)


if __name__ == "__main__":
    main()
