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
SETS = [("10k", "10,000 holders"), ("100k", "100,000 holders"), ("1M", "999,999 holders"),
        ("1M-run10000", "999,999 holders, runs of 10,000 records")]


def load(folder):
    """The figures by (system, action, kind, set), and the kinds as kv884-bench names them."""
    with open(os.path.join(folder, "bench.json")) as f:
        bench = json.load(f)
    context = bench["context"]
    kinds = [tuple(context[key].split("=", 1)) for key in sorted(context)
             if key.startswith("kind ")]
    runs = bench["benchmarks"]
    figures = {}
    for run in runs:
        parts = run["run_name"].split("/")
        if len(parts) < 4:
            continue
        system, action, kind, label = parts[:4]
        figures[(system, action, kind, label)] = (run.get("median_us"), run.get("p99_us"))
    return figures, kinds + [("-", "")]


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


def set_table(figures, kinds, label, peer_label):
    lines = ["| action | key | KV884 median | KV884 p99 | SQLite median | SQLite p99 | scan median"
             " | KV884/SQLite |",
             "|---|---|---:|---:|---:|---:|---:|---:|"]
    for action, caption in ACTIONS:
        for kind, kind_caption in kinds:
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


def growth_table(figures, kinds):
    lines = ["| action | key | " + " | ".join(caption for _, caption in SETS) + " |",
             "|---|---|" + "---:|" * len(SETS)]
    for action, caption in ACTIONS:
        for kind, kind_caption in kinds:
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


def load_json(folder, name):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        return None
    with open(path) as f:
        return json.load(f)


def whole_process_rows(results):
    lines = ["| command | runs | wall median | CPU median | peak resident |",
             "|---|---:|---:|---:|---:|"]
    for r in results:
        lines.append(f"| {r['name']}: `{r['command']}` | {r['runs']} | {us(r['wall_median'] * 1e6)}"
                     f" | {us(r['cpu_median'] * 1e6)} | {r['max_rss_kib']:,} KiB |")
    return lines


def batch_section(folder):
    batch = load_json(folder, "batch.json")
    clicks = load_json(folder, "batch/clicks.json")
    if not batch or not clicks:
        return ""
    by = {r["name"]: r for r in batch}
    keys = clicks["keys"]
    kv, whole, alone = by["kv884-query --keys"], by["SQLite import + look-ups"], by["SQLite look-ups"]
    loop = by["kv884-query loop, 1,000 keys"]
    lines = whole_process_rows(batch)
    lines.append("")
    lines.append(f"Per key, wall: kv884-query --keys {us(kv['wall_median'] / keys * 1e6)}, "
                 f"SQLite's whole task {us(whole['wall_median'] / keys * 1e6)}, SQLite's look-ups "
                 f"alone {us(alone['wall_median'] / keys * 1e6)}, the loop of single kv884-query "
                 f"runs {us(loop['wall_median'] / 1000 * 1e6)} ({us(loop['wall_median'] * keys / 1000 * 1e6)}"
                 f" for {keys:,} keys, scaled).")
    lines.append(f"Each key's 查詢 alone in a fresh window, inside one process: mean "
                 f"{us(clicks['mean_us'])}, median {us(clicks['median_us'])} ({keys:,} keys).")
    lines.append("")
    lines.append("| target | measured | |")
    lines.append("|---|---|---|")
    ratio_whole = kv["wall_median"] / whole["wall_median"]
    ratio_cpu = kv["cpu_median"] / whole["cpu_median"]
    lines.append(f"| the batch from the delivered set ≤ 1/4 of SQLite's import + look-ups | wall "
                 f"{ratio_whole:.2f}, CPU {ratio_cpu:.2f} | {'met' if ratio_whole <= 0.25 else 'missed'} |")
    per_key = kv["wall_median"] / keys * 1e6 / clicks["mean_us"]
    lines.append(f"| per key ≤ 1.2 × a single 查詢 on the same key | whole batch per key / mean 查詢 "
                 f"{per_key:.2f} | {'met' if per_key <= 1.2 else 'missed'} |")
    return "\n".join(lines)


def export_section(folder):
    export = load_json(folder, "export.json")
    if not export:
        return ""
    xlsx = load_json(folder, "export-xlsx.json") or []
    by = {r["name"]: r for r in export + xlsx}
    lines = whole_process_rows(export + xlsx)
    kv, sq = by["kv884-query --export CSV"], by["sqlite3 -csv"]
    middle = by["kv884-query --export CSV, 100,000 holders"]
    small = by["kv884-query --export CSV, 100 holders"]
    ratio = kv["wall_median"] / sq["wall_median"]
    lines.append("")
    lines.append("| target | measured | |")
    lines.append("|---|---|---|")
    lines.append(f"| export of 999,999 holders to CSV no slower than `sqlite3 -csv` | wall "
                 f"{ratio:.2f}, CPU {kv['cpu_median'] / sq['cpu_median']:.2f} | "
                 f"{'met' if ratio <= 1 else 'missed'} |")
    grown = kv["max_rss_kib"] - middle["max_rss_kib"]
    lines.append(f"| memory that does not grow with the holders | peak resident {kv['max_rss_kib']:,} KiB"
                 f" for 999,999 holders, {middle['max_rss_kib']:,} KiB for 100,000 ({grown:+,} KiB), "
                 f"{small['max_rss_kib']:,} KiB for 100 | {'met' if abs(grown) < 1024 else 'missed'} |")
    return "\n".join(lines)


def main():
    folder = sys.argv[1]
    figures, kinds = load(folder)
    with open(os.path.join(folder, "machine.txt")) as f:
        print("```\n" + f.read().strip() + "\n```\n")
    for label, caption in SETS:
        peer = "1M" if label == "1M-run10000" else label
        print(f"### {caption}\n")
        if peer != label:
            print("(SQLite and the scan: the same holders, from the 999,999-holder set.)\n")
        print(set_table(figures, kinds, label, peer) + "\n")
    print("### Growth of the KV884 medians\n")
    print(growth_table(figures, kinds) + "\n")
    print("### Whole process\n")
    print(process_table(folder) + "\n")
    print("### Peak memory of a walk through a whole key order\n")
    print(memory_table(folder) + "\n")
    print("### Batch look-ups: 100,000 keys on 999,999 holders\n")
    print(batch_section(folder) + "\n")
    print("### Export of 999,999 holders\n")
    print(export_section(folder))


if __name__ == "__main__":
    main()
