#!/usr/bin/env python3
"""Benchmark of the index generator against a bare listing of the same tree,
natively and under Wine; called by bench/run.sh, which builds the exes and
starts the Wine session.

For a small and a large synthetic tree it times, with warm caches, the
median of several rounds:
  list      a bare recursive listing (find natively; FindFirstFileA under Wine)
  walk      the generator's own listing and classifying, no page written
  first     the generator over the tree without pages (each round deletes them)
  rewrite   the generator once more, writing every page over the last one
  refill    emptying and refilling every page with its own bytes, nothing else
and prints the ratios to the listing, the rewrite cost per page and the peak
memory of each run. Times of the Windows exes are taken inside the process,
so Wine's start is not counted.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_tree  # noqa: E402

PAGE_NAME = "RevavE.html"


def run_exe(command, log_path):
    # Wine's helpers keep inherited pipes open: output goes to a file.
    with open(log_path, "wb") as log:
        code = subprocess.call(command, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                               timeout=1800)
    with open(log_path, "rb") as log:
        text = log.read().decode("utf-8", "replace")
    if code != 0:
        sys.exit("failed (%d): %s\n%s" % (code, " ".join(command), text))
    values = {}
    for line in text.splitlines():
        key, sep, value = line.strip().partition("=")
        if sep:
            values[key] = float(value) if value.replace(".", "", 1).isdigit() else value
    return values


def delete_pages(root):
    count = 0
    for folder, _, files in os.walk(root):
        if PAGE_NAME in files:
            os.unlink(os.path.join(folder, PAGE_NAME))
            count += 1
    os.sync()
    return count


def count_pages(root):
    return sum(1 for _, _, files in os.walk(root) if PAGE_NAME in files)


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


class Side:
    """One way of running: natively or under Wine."""

    def __init__(self, name, index_exe, list_command, runner, path_of, peak_keys):
        self.name = name
        self.index_exe = index_exe
        self.list_command = list_command
        self.runner = runner
        self.path_of = path_of
        self.peak_keys = peak_keys

    def index(self, mode, root, log):
        return run_exe(self.runner + [self.index_exe, mode, self.path_of(root)], log)

    def list_seconds(self, root, log):
        if self.list_command is None:  # find, timed from outside: its start costs next to nothing
            start = time.perf_counter()
            with open(log, "wb") as out:
                subprocess.check_call(["find", root], stdout=out, stderr=subprocess.STDOUT)
            return time.perf_counter() - start
        return run_exe(self.runner + [self.list_command, self.path_of(root)], log)["seconds"]


def measure(side, root, rounds, scratch):
    log = os.path.join(scratch, side.name + ".log")
    side.list_seconds(root, log)  # warms the caches (and Wine)
    lists = [side.list_seconds(root, log) for _ in range(rounds)]
    walks = [side.index("walk", root, log)["seconds"] for _ in range(rounds)]
    firsts, rewrites, peaks_first, peaks_rewrite = [], [], [], []
    for _ in range(rounds):
        delete_pages(root)
        first = side.index("make", root, log)
        rewrite = side.index("make", root, log)
        firsts.append(first["seconds"])
        rewrites.append(rewrite["seconds"])
        peaks_first.append(tuple(int(first.get(k, 0)) for k in side.peak_keys))
        peaks_rewrite.append(tuple(int(rewrite.get(k, 0)) for k in side.peak_keys))
    pages = count_pages(root)
    refills = [side.index("refill", root, log)["seconds"] for _ in range(rounds)]
    delete_pages(root)
    return {
        "list": statistics.median(lists),
        "walk": statistics.median(walks),
        "first": statistics.median(firsts),
        "rewrite": statistics.median(rewrites),
        "refill": statistics.median(refills),
        "pages": pages,
        "peak": max(peaks_first + peaks_rewrite),
    }


def report(side, figures):
    pages = figures["pages"]
    ratio_first = figures["first"] / figures["list"]
    ratio_rewrite = figures["rewrite"] / figures["list"]

    def per_page(seconds):
        return seconds / pages * 1000 if pages else 0.0

    peak = ", ".join("%s %.1f MB" % (k.replace("_kb", ""), v / 1024) for k, v in zip(side.peak_keys, figures["peak"]))
    print("  %-7s list %.3f s | first run %.3f s = %.2fx | rewrite run %.3f s = %.2fx | peak %s"
          % (side.name, figures["list"], figures["first"], ratio_first, figures["rewrite"], ratio_rewrite, peak))
    print("  %-7s the generator's walk without writing %.3f s = %.2fx" % ("", figures["walk"], figures["walk"] / figures["list"]))
    print("  %-7s %d pages, cost per page over the listing: first run %.3f ms, rewrite run %.3f ms; "
          "bare empty-and-refill %.3f ms"
          % ("", pages, per_page(figures["first"] - figures["list"]), per_page(figures["rewrite"] - figures["list"]),
             per_page(figures["refill"])))
    return ratio_first


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--native-index", required=True)
    parser.add_argument("--win-index")
    parser.add_argument("--win-list")
    parser.add_argument("--wine-run")
    parser.add_argument("--folders", type=int, default=2000)
    parser.add_argument("--files", type=int, default=100000)
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--work", default=os.environ.get("TMPDIR", "/tmp"), help="where the trees are made")
    args = parser.parse_args()

    sides = [Side("native", args.native_index, None, [], lambda p: p, ["peak_rss_kb"])]
    if args.win_index:
        sides.append(Side("Wine", args.win_index, args.win_list, [args.wine_run], windows_path,
                          ["peak_working_set_kb", "peak_pagefile_kb"]))

    sizes = [(max(args.folders // 10, 20), max(args.files // 10, 1000)), (args.folders, args.files)]
    scratch = tempfile.mkdtemp(prefix="dazovar-bench-", dir=args.work)
    peaks = {side.name: [] for side in sides}
    worst = {side.name: 0.0 for side in sides}
    try:
        for folders, files in sizes:
            root = os.path.join(scratch, "tree-%d-%d" % (folders, files))
            start = time.perf_counter()
            make_tree.make_tree(root, folders, files)
            os.sync()
            print("tree: %d folders, %d files (made in %.1f s), median of %d rounds, warm caches"
                  % (folders, files, time.perf_counter() - start, args.rounds), flush=True)
            for side in sides:
                figures = measure(side, root, args.rounds, scratch)
                worst[side.name] = max(worst[side.name], report(side, figures))
                peaks[side.name].append(figures["peak"])
                sys.stdout.flush()
            shutil.rmtree(root)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)

    print("peak memory, small tree -> large tree:")
    for side in sides:
        small, large = peaks[side.name]
        print("  %-7s %s" % (side.name, ", ".join(
            "%s %.1f -> %.1f MB" % (k.replace("_kb", ""), a / 1024, b / 1024)
            for k, a, b in zip(side.peak_keys, small, large))))
    print("first run against the listing, worst of both trees: %s (target: within 2.0x)"
          % ", ".join("%s %.2fx" % (name, ratio) for name, ratio in worst.items()))


if __name__ == "__main__":
    main()
