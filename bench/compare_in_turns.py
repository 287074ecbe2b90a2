#!/usr/bin/env python3
"""Times GNU `diff A B` and several builds of `tandemdiff --records A B` taking turns on each pair.

On a machine whose speed drifts from one minute to the next, programs timed one after the other
in separate runs are not comparable; here every turn runs diff and then each build once, so the
drift falls on all of them alike. Prints a Markdown table with each build's median wall time, its
ratio to diff's median, and the ratio of its fastest turn to diff's fastest.

The pairs are named as compare_with_diff.py names them: corpus pairs by their folder, generated
pairs as synth-LINES-PERCENT (bench/make_pairs.py, made when missing).

Usage: compare_in_turns.py --pairs NAME,NAME... [--turns N] [--corpus DIR] [--data DIR] BUILD...
"""
import argparse
import os
import statistics
import subprocess
import time

import make_pairs

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.normpath(os.path.join(HERE, "..", "..", "shared", "corpus"))


def pair_files(name, corpus, data):
    if name.startswith("synth-"):
        _, line_count, percent = name.split("-")
        folder = make_pairs.pair_folder(data, int(line_count), int(percent))
        make_pairs.make_pair(folder, int(line_count), int(percent))
    else:
        folder = os.path.join(corpus, name)
    return os.path.join(folder, "left.txt"), os.path.join(folder, "right.txt")


def wall_ms(command):
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return (time.perf_counter() - start) * 1000


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("builds", nargs="+")
    parser.add_argument("--pairs", required=True)
    parser.add_argument("--turns", type=int, default=7)
    parser.add_argument("--corpus", default=CORPUS)
    parser.add_argument("--data", default=os.path.join(HERE, "out"))
    args = parser.parse_args()

    heads = " | ".join(f"{os.path.basename(b)} (ms) | ratio | ratio of fastest" for b in args.builds)
    print(f"| pair | diff (ms) | {heads} |")
    print("|---|---|" + "---|---|---|" * len(args.builds))
    for name in args.pairs.split(","):
        left, right = pair_files(name, args.corpus, args.data)
        times = {"diff": []} | {build: [] for build in args.builds}
        for _ in range(args.turns):
            times["diff"].append(wall_ms(["diff", left, right]))
            for build in args.builds:
                times[build].append(wall_ms([build, "--records", left, right]))
        diff_median = statistics.median(times["diff"])
        diff_fastest = min(times["diff"])
        cells = []
        for build in args.builds:
            median = statistics.median(times[build])
            cells.append(f"{median:.1f} | {median / diff_median:.2f} | "
                         f"{min(times[build]) / diff_fastest:.2f}")
        print(f"| {name} | {diff_median:.1f} | " + " | ".join(cells) + " |", flush=True)


if __name__ == "__main__":
    main()
