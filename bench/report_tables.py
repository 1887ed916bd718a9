#!/usr/bin/env python3
"""Writes the tables of docs/performance.md (Markdown) from one run of scripts/run-bench.

usage: report_tables.py RESULTS_FOLDER > tables.md
"""
import json
import os
import sys

ACTIONS = [
    ("open_close", "opening + 結束"),
    ("search_hit", "查詢, hit"),
    ("search_between", "查詢, key between two keys"),
    ("search_above", "查詢, key above every key"),
    ("search_worst", "查詢, last key of a run (longest walk)"),
    ("next", "次筆"),
    ("paging", "前一畫面 / 下一畫面"),
]
KINDS = [("id", "統一編號"), ("account", "帳號"), ("holder", "戶號"), ("name", "中文戶名"),
         ("-", "")]
SETS = [("10k", "10,000 holders"), ("100k", "100,000 holders"), ("1M", "999,999 holders"),
        ("1M-run10000", "999,999 holders, runs of 10,000 records")]


def load(folder):
    with open(os.path.join(folder, "bench.json")) as f:
        runs = json.load(f)["benchmarks"]
    figures = {}
    for run in runs:
        parts = run["run_name"].split("/")
        if len(parts) < 4:
            continue
        system, action, kind, label = parts[:4]
        figures[(system, action, kind, label)] = (run.get("median_us"), run.get("p99_us"))
    return figures


def us(value):
    if value is None:
        return "–"
    if value >= 100000:
        return f"{value / 1e6:.2f} s"
    if value >= 1000:
        return f"{value / 1000:.2f} ms"
    return f"{value:.1f} µs"


def ratio(a, b):
    if a is None or b is None or b == 0:
        return "–"
    return f"{a / b:.2f}"


def set_table(figures, label, peer_label):
    lines = ["| action | key | KV884 median | KV884 p99 | SQLite median | SQLite p99 | scan median"
             " | KV884/SQLite |",
             "|---|---|---:|---:|---:|---:|---:|---:|"]
    for action, caption in ACTIONS:
        for kind, kind_caption in KINDS:
            kv = figures.get(("kv884", action, kind, label))
            if kv is None:
                continue
            sq = figures.get(("sqlite", action, kind, peer_label), (None, None))
            sc = figures.get(("scan", action, kind, peer_label), (None, None))
            lines.append(f"| {caption} | {kind_caption} | {us(kv[0])} | {us(kv[1])} | {us(sq[0])}"
                         f" | {us(sq[1])} | {us(sc[0])} | {ratio(kv[0], sq[0])} |")
    import_time = figures.get(("sqlite", "import", "-", peer_label))
    if import_time:
        lines.append("")
        lines.append(f"SQLite import of the same holders (table, four indexes): "
                     f"{us(import_time[0])}.")
    return "\n".join(lines)


def growth_table(figures):
    lines = ["| action | key | " + " | ".join(caption for _, caption in SETS) + " |",
             "|---|---|" + "---:|" * len(SETS)]
    for action, caption in ACTIONS:
        for kind, kind_caption in KINDS:
            row = [figures.get(("kv884", action, kind, label), (None, None))[0]
                   for label, _ in SETS]
            if all(v is None for v in row):
                continue
            lines.append(f"| {caption} | {kind_caption} | " + " | ".join(us(v) for v in row) +
                         " |")
    return "\n".join(lines)


def process_table(folder):
    path = os.path.join(folder, "process.json")
    if not os.path.exists(path):
        return ""
    with open(path) as f:
        results = json.load(f)
    lines = ["| command | runs | wall median | wall min | CPU median (user + system) |",
             "|---|---:|---:|---:|---:|"]
    for r in results:
        lines.append(f"| `{r['command']}` | {r['runs']} | {r['wall_median'] * 1e3:.2f} ms"
                     f" | {r['wall_min'] * 1e3:.2f} ms | {r['cpu_median'] * 1e3:.2f} ms |")
    if len(results) == 2:
        a, b = results
        lines.append("")
        lines.append(f"Ratio {a['name']} / {b['name']}: wall median "
                     f"{a['wall_median'] / b['wall_median']:.2f}, CPU median "
                     f"{a['cpu_median'] / b['cpu_median']:.2f}.")
    return "\n".join(lines)


def memory_table(folder):
    path = os.path.join(folder, "memory.json")
    if not os.path.exists(path):
        return ""
    with open(path) as f:
        results = json.load(f)
    lines = ["| walk | output | time | peak RssAnon | VmHWM |", "|---|---:|---:|---:|---:|"]
    for name, r in results.items():
        lines.append(f"| `{r['command']}` | {r['output_bytes']:,} bytes | {r['seconds']:.1f} s |"
                     f" {r['peak_rss_anon_kib']:,} KiB | {r['vm_hwm_kib']:,} KiB |")
    return "\n".join(lines)


def main():
    folder = sys.argv[1]
    figures = load(folder)
    with open(os.path.join(folder, "machine.txt")) as f:
        print("```\n" + f.read().strip() + "\n```\n")
    for label, caption in SETS:
        peer = "1M" if label == "1M-run10000" else label
        print(f"### {caption}\n")
        if peer != label:
            print("(SQLite and the scan: the same holders, from the 999,999-holder set.)\n")
        print(set_table(figures, label, peer) + "\n")
    print("### Growth of the KV884 medians\n")
    print(growth_table(figures) + "\n")
    print("### Whole process\n")
    print(process_table(folder) + "\n")
    print("### Peak memory of a walk through a whole key order\n")
    print(memory_table(folder))


if __name__ == "__main__":
    main()
