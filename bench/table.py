"""Prints the benchmark figures of one run as a Markdown table, ratio first."""
import json
import pathlib
import sys

work = pathlib.Path(sys.argv[1])
store = {b["name"]: b for b in json.loads((work / "store.json").read_text())["benchmarks"]}
listing = {b["name"]: b for b in json.loads((work / "listing.json").read_text())["benchmarks"]}
memory = json.loads((work / "memory.json").read_text())
startup = json.loads((work / "startup.json").read_text())

SIZES = {26 << 10: "26 KB", 4 << 20: "4 MB", 64 << 20: "64 MB"}
rows = []


def add(ratio, what, figure, baseline, target):
    rows.append((f"{ratio:.2f}" if ratio is not None else "", what, figure, baseline, target))


for size, label in SIZES.items():
    for mine, base, what in (("BM_OpenListRead", "BM_PlainRead", "open + list + read history"),
                             ("BM_PurgeCommit", "BM_CopyFsyncRename", "commit of 3 deletions")):
        m, b = store[f"{mine}/{size}/real_time"], store[f"{base}/{size}/real_time"]
        add(m["real_time"] / b["real_time"], f"{what}, {label}", f'{m["real_time"]:.2f} ms',
            f'{b["real_time"]:.2f} ms ({"read" if base == "BM_PlainRead" else "copy+fsync+rename"})',
            "≤ 1.5" if size == 64 << 20 else "")

for n in (10, 1000, 100000):
    own = listing[f"BM_ConvertAndSort/{n}"]["per_entry"] * 1e9
    whole = listing[f"BM_Listing/{n}"]["per_entry"] * 1e9
    add(own / 1000, f"conversions + sort per entry, {n} entries", f"{own:.0f} ns", "1 µs",
        "≤ 1" if n == 100000 else "")
    add(None, f"whole listing per entry (memory registry), {n} entries", f"{whole:.0f} ns", "", "")

extra_list = memory["listing_kib"] - memory["empty_kib"]
extra_purge = memory["purge_kib"] - memory["empty_kib"]
for what, extra in (("peak memory of the listing, 64 MB", extra_list), ("peak memory of the purge, 64 MB", extra_purge)):
    add(extra / memory["file_kib"], what, f"+{extra / 1024:.1f} MiB", f'file {memory["file_kib"] / 1024:.1f} MiB', "≤ 1.5")

for prefix, shown, limit in (("fresh", "fresh prefix", 150), ("large", "64 MB prefix", 400)):
    add(startup[prefix] / limit, f"start to window shown, {shown}", f"{startup[prefix]} ms", f"{limit} ms target",
        "≤ 1")

print("| ratio | what | figure | baseline | target |")
print("|---:|---|---:|---|---|")
for row in rows:
    print("| " + " | ".join(row) + " |")
