#!/usr/bin/env python3
"""Times the window from its start to the first coloured screen, against the engine alone.

For each pair: `window_bench LEFT RIGHT` (the window program's start-up on the pair: build the
window, read both files, compare, fill the panes, paint the first screen with its colours) and
`window_bench --engine LEFT RIGHT` (read, split and compare only), each in a process of its own,
on the offscreen platform and with a settings folder of their own. Prints a Markdown table with
the medians, the window's time beyond the engine's, and both peak memories.

Pairs: the three ~95k-line corpus pairs (../shared/corpus) and generated 1M-line pairs with 1% of
lines edited (../shared/bench/synth.py, seeded, made when missing).

Usage: window_bench.py WINDOW_BENCH [--runs N] [--data DIR]
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SHARED = os.path.normpath(os.path.join(HERE, "..", "..", "shared"))
CORPUS = ["large-miniaudio-patch", "large-miniaudio-minor", "large-miniaudio-heavy"]
GENERATED = [(1000000, 1)]
SEED = 1
# The engine's score window: (Lookup x 3 / 2 + 1) squared cells of 4 bytes at the default
# lookup, reserved as address space and touched only near the diagonal.
SCORE_WINDOW_MB = 36


def pairs(data):
    for name in CORPUS:
        folder = os.path.join(SHARED, "corpus", name)
        yield name, os.path.join(folder, "left.txt"), os.path.join(folder, "right.txt")
    for lines, pct in GENERATED:
        folder = os.path.join(data, f"synth-{lines}-{pct}")
        if not os.path.exists(os.path.join(folder, "right.txt")):
            subprocess.run([sys.executable, os.path.join(SHARED, "bench", "synth.py"),
                            "--lines", str(lines), "--pct", str(pct), "--seed", str(SEED),
                            "--out", folder], check=True, stdout=subprocess.DEVNULL)
        yield (f"synth {lines // 1000}k {pct}%", os.path.join(folder, "left.txt"),
               os.path.join(folder, "right.txt"))


def run(program, arguments, environment):
    output = subprocess.run([program] + arguments, check=True, capture_output=True, text=True,
                            env=environment).stdout
    return {key: int(value) for key, value in
            (item.split("=") for item in output.split())}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--data", default=os.path.join(HERE, "out"))
    options = parser.parse_args()
    program = os.path.abspath(options.program)
    print("| pair | lines | files (MB) | engine (ms) | window to first coloured screen (ms) |"
          " beyond the engine (ms) | engine peak (MB) | window peak (MB) |"
          " window beyond an empty one (MB) | 4 x files + score window (MB) |")
    print("|---|---|---|---|---|---|---|---|---|---|")
    with tempfile.TemporaryDirectory() as config:
        environment = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=config)
        # What the program takes with two empty files: Qt, the fonts, the window.
        empty = os.path.join(config, "empty.txt")
        open(empty, "w").close()
        baseline_kb = run(program, [empty, empty], environment)["peak_kb"]
        for name, left, right in pairs(options.data):
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
