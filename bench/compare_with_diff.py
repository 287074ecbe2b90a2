#!/usr/bin/env python3
"""Times `tandemdiff --records A B` against GNU `diff A B` on the same pairs, with peak memory.

The pairs: generated pairs of 10k, 100k and 1M lines with 1% and 10% of lines edited
(bench/make_pairs.py, seeded, made when missing) and, when a corpus of real version pairs is
there (../shared/corpus beside the clone, or --corpus DIR, with its MANIFEST.tsv), those too.
Prints a Markdown table with the median times and their ratio, ready for bench/RESULTS.md.

Usage: compare_with_diff.py TANDEMDIFF [--runs N] [--data DIR] [--corpus DIR] [--skip-million]
                            [--generate-only] [--pairs NAME,NAME...]
"""
import argparse
import csv
import os
import statistics
import subprocess
import sys
import time

import make_pairs

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.normpath(os.path.join(HERE, "..", "..", "shared", "corpus"))


def generated_pairs(data, skip_million):
    for name, folder, percent in make_pairs.standard_pairs(data, skip_million):
        yield name, folder, f"{percent}%"


def corpus_pairs(corpus):
    """The corpus pairs with GNU diff's share of changed lines; none without a corpus."""
    manifest = os.path.join(corpus, "MANIFEST.tsv")
    if not os.path.exists(manifest):
        print(f"(no corpus at {corpus}: generated pairs only)", file=sys.stderr)
        return
    with open(manifest, newline="") as table:
        for row in csv.DictReader(table, delimiter="\t"):
            changed = int(row["gnu_diff_changed_lines"])
            total = max(int(row["left_lines"]), int(row["right_lines"]))
            yield row["name"], os.path.join(corpus, row["name"]), \
                f"{100 * changed / total:.1f}%"


def median_seconds(command, runs):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def peak_megabytes(command):
    result = subprocess.run(["/usr/bin/time", "-f", "%M"] + command,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    return int(result.stderr.strip().splitlines()[-1]) / 1024


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tandemdiff")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--data", default=os.path.join(HERE, "out"))
    parser.add_argument("--corpus", default=CORPUS)
    parser.add_argument("--skip-million", action="store_true")
    parser.add_argument("--generate-only", action="store_true",
                        help="write the generated pairs and stop")
    parser.add_argument("--pairs", help="only these corpus pairs, comma-separated")
    args = parser.parse_args()
    if args.generate_only:
        for _ in generated_pairs(args.data, args.skip_million):
            pass
        return

    print("| pair | changed | diff (ms) | tandemdiff (ms) | ratio | diff peak (MB) "
          "| tandemdiff peak (MB) | files (MB) |")
    print("|---|---|---|---|---|---|---|---|")
    if args.pairs:
        wanted = args.pairs.split(",")
        pairs = [pair for pair in corpus_pairs(args.corpus) if pair[0] in wanted]
    else:
        pairs = list(corpus_pairs(args.corpus)) + list(generated_pairs(args.data, args.skip_million))
    for name, folder, changed in pairs:
        left, right = os.path.join(folder, "left.txt"), os.path.join(folder, "right.txt")
        size = (os.path.getsize(left) + os.path.getsize(right)) / 2**20
        runs = max(3, args.runs // 2) if size > 20 else args.runs
        ours = [args.tandemdiff, "--records", left, right]
        gnu = ["diff", left, right]
        ours_time, gnu_time = median_seconds(ours, runs), median_seconds(gnu, runs)
        print(f"| {name} | {changed} | {gnu_time * 1000:.1f} | {ours_time * 1000:.1f} "
              f"| {ours_time / gnu_time:.2f} | {peak_megabytes(gnu):.1f} "
              f"| {peak_megabytes(ours):.1f} | {size:.1f} |", flush=True)


if __name__ == "__main__":
    main()
