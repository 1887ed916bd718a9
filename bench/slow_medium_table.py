#!/usr/bin/env python3
"""The table of a data set on a slow medium (make bench): the sets served through
kv884-slow-medium, one profile after the other, and each task run once as a whole process:
KV884 beside SQLite (the delivered files imported from the same medium, then the same work) and
beside the physical limit (the bytes of the set read once, in order, at the profile's rate).
Prints the table as Markdown; where FUSE cannot be used it says so and prints no table.

usage: slow_medium_table.py BUILD DATA OUT PROFILE[,PROFILE] [--sets SMALL,LARGE] [--keys N,N]
  BUILD    the build folder (kv884-query, kv884-batch-bench, kv884-slow-medium)
  DATA     the folder of the sets (by default the made-up 100k and 1M beside each other)
  OUT      a scratch folder: the mount point, the keys, the files written
  PROFILE  share or disc
  --sets   the two sets exported (default 100k,1M); the look-ups and batches run on the larger.
           The disc profile takes the smaller for everything, as its 999,999-holder export would
           take an hour.
  --keys   the sizes of the batches (default 1000,100000); the disc profile runs the first only
"""
import os
import shutil
import subprocess
import sys
import time

PROFILES = {  # request ms, seek ms, MB/s
    "share": (0.5, 0.0, 100.0),
    "disc": (0.0, 100.0, 10.0),
}
FIELDS = ("security_code, holder_no, holder_name, id_no, forced_posting, account_no, "
          "data_category, collateral_count, collateral_shares, transfer_shares, allotment_type, "
          "per_holder")


def set_bytes(folder):
    return sum(os.path.getsize(os.path.join(root, name))
               for root, _, names in os.walk(folder) for name in names if name.endswith(".sin"))


def timed(argv, stdout=subprocess.DEVNULL):
    start = time.perf_counter()
    status = subprocess.run(argv, stdout=stdout, stderr=subprocess.DEVNULL).returncode
    return time.perf_counter() - start, status


class Mounted:
    def __init__(self, build, data, mount, profile):
        self.mount = mount
        request, seek, rate = PROFILES[profile]
        os.makedirs(mount, exist_ok=True)
        self.process = subprocess.Popen(
            [f"{build}/bench/kv884-slow-medium", data, mount, str(request), str(seek), str(rate)],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        for _ in range(100):
            if os.path.ismount(mount):
                return
            time.sleep(0.05)
        self.close()
        raise RuntimeError("the slow medium did not mount: "
                           + self.process.stderr.read().decode(errors="replace"))

    def close(self):
        subprocess.run(["fusermount3", "-u", self.mount], stderr=subprocess.DEVNULL)
        self.process.wait()


def fuse_problem(build):
    if not os.path.exists(f"{build}/bench/kv884-slow-medium"):
        return "kv884-slow-medium was not built (no libfuse3)"
    if not os.access("/dev/fuse", os.R_OK | os.W_OK):
        return "/dev/fuse cannot be opened"
    if not shutil.which("fusermount3"):
        return "fusermount3 is missing"
    return None


def rows_of_profile(build, data, out, profile, sets, batches):
    largest = sets[-1]
    query = f"{build}/src/cli/kv884-query"
    batch = f"{build}/bench/kv884-batch-bench"
    mount = f"{out}/medium"
    rate = PROFILES[profile][2] * 1e6
    rows = []
    medium = Mounted(build, data, mount, profile)
    try:
        on = f"{mount}/{largest}"
        keys = f"{out}/keys-{largest}.txt"
        subprocess.run([batch, "keys", f"{data}/{largest}", str(max(batches)), keys], check=True)
        key = open(keys).readline().strip()
        lines = open(keys).readlines()
        other = lines[len(lines) // 2].strip()
        first, _ = timed([query, on, "--by", "id", key, "--limit", "1"])
        cold, _ = timed([query, on, "--by", "id", other, "--limit", "1"])
        # 次筆 needs a key that more than one holder begins with: the first four characters.
        one, _ = timed([query, on, "--by", "id", other[:4], "--limit", "1"])
        two, _ = timed([query, on, "--by", "id", other[:4], "--limit", "2"])
        rows.append((f"opening and the first 查詢 ({largest})", first, None, None))
        rows.append((f"a cold 查詢, whole process ({largest})", cold, None, None))
        rows.append((f"次筆 (查詢 + 次筆 less 查詢, {largest})", max(0.0, two - one), None, None))
        for size in dict.fromkeys(sets):
            db = f"{out}/import-{size}.sqlite"
            empty = f"{out}/no-keys.txt"
            open(empty, "w").close()
            seconds, status = timed([query, f"{mount}/{size}", "--export",
                                     f"{out}/export-{size}.csv"])
            if status != 0:
                raise RuntimeError(f"the export of {size} through the medium ended with {status}")
            imported, _ = timed([batch, "sqlite", f"{mount}/{size}", db, empty])
            exported, _ = timed(["sqlite3", "-csv", db, f".output {out}/sqlite-{size}.csv",
                                 f"SELECT {FIELDS} FROM holders ORDER BY id_key"])
            rows.append((f"export CSV, {size}", seconds, imported + exported,
                         set_bytes(f"{data}/{size}") / rate))
            os.remove(db)
        for count in batches[:1] if profile == "disc" else batches:
            some = f"{out}/keys-{count}.txt"
            with open(keys) as source, open(some, "w") as target:
                target.writelines(source.readlines()[:count])
            seconds, _ = timed([query, on, "--by", "id", "--keys", some])
            db = f"{out}/import-batch.sqlite"
            peer, _ = timed([batch, "sqlite", on, db, some])
            os.remove(db)
            rows.append((f"batch of {count:,} keys ({largest})", seconds, peer,
                         set_bytes(f"{data}/{largest}") / rate))
    finally:
        medium.close()
    return rows


def cell(seconds):
    return "–" if seconds is None else f"{seconds:,.2f} s"


def main():
    args = sys.argv[1:]
    options = {"--sets": "100k,1M", "--keys": "1000,100000"}
    for name in options:
        if name in args:
            at = args.index(name)
            options[name] = args[at + 1]
            del args[at:at + 2]
    sets = options["--sets"].split(",")
    batches = [int(n) for n in options["--keys"].split(",")]
    build, data, out, profiles = args
    problem = fuse_problem(build)
    if problem:
        print(f"(No slow-medium table: {problem}.)")
        return
    os.makedirs(out, exist_ok=True)
    for profile in profiles.split(","):
        request, seek, rate = PROFILES[profile]
        print(f"#### Profile *{profile}*: {request} ms a request, {seek} ms a seek, {rate:g} MB/s\n")
        print("| task | KV884 | SQLite, imported from the medium, then the task | physical limit |"
              " KV884 ÷ limit |")
        print("|---|---:|---:|---:|---:|")
        chosen = sets[:1] if profile == "disc" else sets
        for name, ours, peer, limit in rows_of_profile(build, data, out, profile, chosen, batches):
            quotient = f"{ours / limit:.2f}" if limit else "–"
            print(f"| {name} | {cell(ours)} | {cell(peer)} | {cell(limit)} | {quotient} |")
        print()


if __name__ == "__main__":
    main()
