#!/usr/bin/env python3
"""Payload benchmark: instkit against ncompress on a product-shaped corpus.

Builds a corpus of executables, libraries, HTML pages and images found on
this machine, packs it with instkit and with `compress -b13` (one .Z per
file), then, alternating in one run, times `instkit extract` against
`compress -d` (ncompress's uncompress) and prints the throughput ratio and
the size ratio. Last, it extracts one entry of 256 MB and one of 1 MB and
prints the peak memory of each.

    bench/payload_bench.py INSTKIT [--work DIR] [--rounds N] [--megabytes N]
"""
import argparse
import os
import shutil
import subprocess
import sys
import time

CATEGORIES = [
    # (what, folders, accepts a file name, share of the corpus)
    ("executables", ["/usr/bin", "/usr/sbin", "/usr/libexec"], lambda n: True, 0.40),
    ("libraries", ["/usr/lib"], lambda n: ".so" in n or n.endswith(".a"), 0.40),
    ("html", ["/usr/share/doc", "/usr/share"], lambda n: n.endswith((".html", ".htm", ".css", ".js")), 0.10),
    ("images", ["/usr/share"], lambda n: n.endswith((".png", ".jpg", ".jpeg", ".gif", ".ico", ".bmp")), 0.10),
]


def plain_name(name):
    return 0 < len(name.encode()) <= 255 and not any(c in name for c in "\\/:")


def collect(work, megabytes):
    """Copies files into work/corpus until each category has its share."""
    corpus = os.path.join(work, "corpus")
    shutil.rmtree(corpus, ignore_errors=True)
    os.makedirs(corpus)
    taken = set()
    files = []
    for what, folders, accepts, share in CATEGORIES:
        budget = int(megabytes * share * 1e6)
        got = 0
        for folder in folders:
            for root, dirs, names in os.walk(folder):
                dirs.sort()
                for name in sorted(names):
                    path = os.path.join(root, name)
                    if got >= budget or name in taken or not plain_name(name) or not accepts(name):
                        continue
                    if os.path.islink(path) or not os.path.isfile(path):
                        continue
                    size = os.path.getsize(path)
                    if size == 0 or size > 8e6:
                        continue
                    target = os.path.join(corpus, name)
                    shutil.copyfile(path, target)
                    taken.add(name)
                    files.append(target)
                    got += size
        print(f"  {what}: {got / 1e6:.1f} MB")
    return files


def run(command, **kwargs):
    subprocess.run(command, check=True, **kwargs)


def measured(command):
    """CPU seconds (user + system), wall seconds and peak resident kilobytes
    of one run of command, as /usr/bin/time reports them for that child."""
    report = os.path.join(WORK, "time.out")
    run(["/usr/bin/time", "-o", report, "-f", "%U %S %e %M"] + command, stdout=subprocess.DEVNULL)
    with open(report) as f:
        user, system, wall, peak = f.read().split()[-4:]
    return float(user) + float(system), float(wall), int(peak)


def make_big_file(path, files, size):
    """A file of the corpus's own bytes, repeated to the given size."""
    with open(path, "wb") as out:
        written = 0
        while written < size:
            for name in files:
                with open(name, "rb") as f:
                    data = f.read(size - written)
                out.write(data)
                written += len(data)
                if written >= size:
                    break


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("instkit")
    parser.add_argument("--work", default="/dev/shm/payload-bench" if os.path.isdir("/dev/shm") else "/tmp/payload-bench",
                        help="work folder; a memory file system keeps disk speed out of the figures")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--megabytes", type=int, default=60)
    args = parser.parse_args()
    instkit = os.path.abspath(args.instkit)
    global WORK
    WORK = args.work
    if not shutil.which("compress"):
        sys.exit("ncompress is missing: apt-get install -y ncompress")
    os.makedirs(args.work, exist_ok=True)

    print("Corpus:")
    files = collect(args.work, args.megabytes)
    total = sum(os.path.getsize(f) for f in files)
    print(f"  {len(files)} files, {total / 1e6:.1f} MB")

    archive = os.path.join(args.work, "corpus.z")
    pack_seconds = measured([instkit, "pack", archive] + files)[0]
    zdir = os.path.join(args.work, "Z")
    shutil.rmtree(zdir, ignore_errors=True)
    os.makedirs(zdir)
    start = time.perf_counter()
    for f in files:
        with open(os.path.join(zdir, os.path.basename(f) + ".Z"), "wb") as out:
            subprocess.run(["compress", "-b13", "-c", f], stdout=out, check=False)
    compress_seconds = time.perf_counter() - start
    archive_size = os.path.getsize(archive)
    z_size = sum(os.path.getsize(os.path.join(zdir, n)) for n in os.listdir(zdir))
    print("\nSize:")
    print(f"  instkit archive   {archive_size:>12,} bytes  (packed in {pack_seconds:.1f} s)")
    print(f"  compress -b13 .Z  {z_size:>12,} bytes  (in {compress_seconds:.1f} s, one process a file)")
    print(f"  archive / .Z      {archive_size / z_size:.3f}  (target: at most 1)")

    print(f"\nExtraction, {args.rounds} rounds alternating (CPU seconds, wall seconds):")
    ours, theirs = [], []
    out = os.path.join(args.work, "out")
    for round_number in range(args.rounds):
        shutil.rmtree(out, ignore_errors=True)
        ours.append(measured([instkit, "extract", archive, out]))
        shutil.rmtree(out, ignore_errors=True)
        shutil.copytree(zdir, out)
        names = sorted(os.path.join(out, n) for n in os.listdir(out))
        theirs.append(measured(["compress", "-d", "-f"] + names))
        print(f"  round {round_number + 1}: instkit {ours[-1][0]:.2f} / {ours[-1][1]:.2f},"
              f" compress -d {theirs[-1][0]:.2f} / {theirs[-1][1]:.2f}")
    shutil.rmtree(out, ignore_errors=True)
    for label, index in (("CPU", 0), ("wall", 1)):
        best_ours = min(r[index] for r in ours)
        best_theirs = min(r[index] for r in theirs)
        print(f"  {label:>4}: instkit extract {total / best_ours / 1e6:7.1f} MB/s, compress -d"
              f" {total / best_theirs / 1e6:7.1f} MB/s, ratio {best_theirs / best_ours:.2f}  (target: at least 2)")

    print("\nPeak memory of extracting one entry:")
    peaks = {}
    for label, size in (("1 MB", 1 << 20), ("256 MB", 256 << 20)):
        big = os.path.join(args.work, "entry")
        make_big_file(big, files, size)
        entry_archive = os.path.join(args.work, "entry.z")
        run([instkit, "pack", entry_archive, big])
        os.remove(big)
        peaks[label] = measured([instkit, "extract", entry_archive, out])[2]
        shutil.rmtree(out, ignore_errors=True)
        os.remove(entry_archive)
        print(f"  {label:>6} entry: {peaks[label]:,} KB")
    difference = peaks["256 MB"] - peaks["1 MB"]
    print(f"  difference     {difference:,} KB  (target: under 1,024)")


if __name__ == "__main__":
    main()
