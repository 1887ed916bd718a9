#!/usr/bin/env python3
"""Runs commands one after another and records the peak RssAnon and the peak resident set
(VmHWM, from the kernel's maximum resident set at exit) of each.

The command's standard output goes into a pipe of one page that is read a page at a time, with
/proc/PID/status read before every page: the command stands blocked on a full pipe while it is
sampled, so even a walk through 100 holders is seen in the middle of its work.

usage: peak_memory.py OUT.json NAME=COMMAND ...
"""
import fcntl
import json
import os
import shlex
import subprocess
import sys
import time

F_SETPIPE_SZ = 1031
PAGE = 4096


def rss_anon_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith("RssAnon:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def measure(command):
    start = time.monotonic()
    fd, write_end = os.pipe()
    fcntl.fcntl(write_end, F_SETPIPE_SZ, PAGE)  # before the command can fill it
    process = subprocess.Popen(shlex.split(command), stdout=write_end)
    os.close(write_end)
    peak_anon = 0
    samples = 0
    output = 0
    while True:
        peak_anon = max(peak_anon, rss_anon_kib(process.pid))
        samples += 1
        chunk = os.read(fd, PAGE)
        if not chunk:
            break
        output += len(chunk)
    os.close(fd)
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = os.waitstatus_to_exitcode(status)
    return {"command": command, "exit": process.returncode,
            "seconds": round(time.monotonic() - start, 3), "output_bytes": output,
            "peak_rss_anon_kib": peak_anon, "vm_hwm_kib": usage.ru_maxrss, "samples": samples}


def main():
    results = {}
    for argument in sys.argv[2:]:
        name, command = argument.split("=", 1)
        results[name] = measure(command)
    with open(sys.argv[1], "w") as out:
        json.dump(results, out, indent=1)


if __name__ == "__main__":
    main()
