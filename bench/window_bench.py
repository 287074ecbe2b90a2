#!/usr/bin/env python3
"""Times the window from its start to the first coloured screen, against the engine alone.

For each pair: `window_bench LEFT RIGHT` (the window program's start-up on the pair: build the
window, read both files, compare, fill the panes, paint the first screen with its colours) and
`window_bench --engine LEFT RIGHT` (read, split and compare only), each in a process of its own,
on the offscreen platform (or, with --platform xcb, on a virtual X server of its own, where the
window system's buffers, fonts and selections cost more) and with a settings folder of their
own. Prints a Markdown table with the medians, the window's time beyond the engine's, and both
peak memories.

Pairs: generated 1M-line pairs with 1% of lines edited (bench/make_pairs.py, seeded, made when
missing) and, when the corpus of real version pairs is there (../shared/corpus beside the clone,
or --corpus DIR), its three ~95k-line pairs.

Usage: window_bench.py WINDOW_BENCH [--runs N] [--data DIR] [--corpus DIR]
                       [--platform offscreen|xcb] [--pair LEFT RIGHT]
(--pair measures that pair alone.)
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile

import make_pairs

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.normpath(os.path.join(HERE, "..", "..", "shared", "corpus"))
CORPUS_PAIRS = ["large-miniaudio-patch", "large-miniaudio-minor", "large-miniaudio-heavy"]
GENERATED = [(1000000, 1)]
# The engine's score window: (Lookup x 3 / 2 + 1) squared cells of 4 bytes at the default
# lookup, reserved as address space and touched only near the diagonal.
SCORE_WINDOW_MB = 36
# The virtual display for the xcb platform.
XVFB = ["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24"]


def pairs(data, corpus):
    for name in CORPUS_PAIRS:
        folder = os.path.join(corpus, name)
        if os.path.exists(os.path.join(folder, "right.txt")):
            yield name, os.path.join(folder, "left.txt"), os.path.join(folder, "right.txt")
        else:
            print(f"(no corpus pair {folder}: left out)", file=sys.stderr)
    for lines, percent in GENERATED:
        folder = make_pairs.pair_folder(data, lines, percent)
        make_pairs.make_pair(folder, lines, percent)
        yield (f"synth {lines // 1000}k {percent}%", os.path.join(folder, "left.txt"),
               os.path.join(folder, "right.txt"))


def run(program, arguments, environment):
    wrapper = XVFB if environment["QT_QPA_PLATFORM"] == "xcb" else []
    output = subprocess.run(wrapper + [program] + arguments, check=True, capture_output=True,
                            text=True, env=environment).stdout
    return {key: int(value) for key, value in
            (item.split("=") for item in output.split())}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--data", default=os.path.join(HERE, "out"))
    parser.add_argument("--corpus", default=CORPUS)
    parser.add_argument("--platform", choices=["offscreen", "xcb"], default="offscreen")
    parser.add_argument("--pair", nargs=2, metavar=("LEFT", "RIGHT"))
    options = parser.parse_args()
    program = os.path.abspath(options.program)
    print("| pair | lines | files (MB) | engine (ms) | window to first coloured screen (ms) |"
          " beyond the engine (ms) | engine peak (MB) | window peak (MB) |"
          " window beyond an empty one (MB) | 4 x files + score window (MB) |")
    print("|---|---|---|---|---|---|---|---|---|---|")
    with tempfile.TemporaryDirectory() as config:
        environment = dict(os.environ, QT_QPA_PLATFORM=options.platform, XDG_CONFIG_HOME=config)
        # What the program takes with two empty files: Qt, the fonts, the window.
        empty = os.path.join(config, "empty.txt")
        open(empty, "w").close()
        baseline_kb = run(program, [empty, empty], environment)["peak_kb"]
        chosen = ([(os.path.basename(os.path.dirname(os.path.abspath(options.pair[0]))),
                    *options.pair)] if options.pair else pairs(options.data, options.corpus))
        for name, left, right in chosen:
            files_mb = (os.path.getsize(left) + os.path.getsize(right)) / 1e6
            engine = [run(program, ["--engine", left, right], environment)
                      for _ in range(options.runs)]
            window = [run(program, [left, right], environment) for _ in range(options.runs)]
            engine_ms = statistics.median(r["engine_ms"] for r in engine)
            window_ms = statistics.median(r["coloured_ms"] for r in window)
            print(f"| {name} | {window[0]['rows']} | {files_mb:.1f} | {engine_ms:.0f} |"
                  f" {window_ms:.0f} | {window_ms - engine_ms:.0f} |"
                  f" {max(r['peak_kb'] for r in engine) / 1024:.0f} |"
                  f" {max(r['peak_kb'] for r in window) / 1024:.0f} |"
                  f" {(max(r['peak_kb'] for r in window) - baseline_kb) / 1024:.0f} |"
                  f" {4 * files_mb + SCORE_WINDOW_MB:.0f} |", flush=True)


if __name__ == "__main__":
    main()
