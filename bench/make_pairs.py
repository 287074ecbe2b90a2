#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the generated file pairs the benchmarks compare, from fixed seeds, so that every run
on every machine compares the same texts.

A pair is a left file of N lines of code-like text (functions with nested blocks, braces,
blank lines) or prose-like text (wrapped paragraphs), and a right file that is the left one with
P percent of its lines edited. Edits come in small clustered hunks, as in real patches, of four
kinds: a line changed into a similar one (a name, a number or a word altered, an argument
added), lines inserted, lines deleted, and whole blocks of 10 to 200 lines moved elsewhere.

Each pair goes to DIR/synth-N-P/ as left.txt, right.txt and about.json (the parameters and the
numbers of lines of each kind of edit). A pair already written is kept.

Usage: make_pairs.py DIR [--skip-million]
       make_pairs.py DIR --lines N --percent P [--kind code|prose] [--seed S]
"""
import argparse
import json
import os
import random

# The pairs the benchmarks read: (lines, percent of lines edited).
STANDARD_PAIRS = [(10000, 1), (10000, 10), (100000, 1), (100000, 10), (1000000, 1),
                  (1000000, 10)]
SEED = 1
# Shares of the edited lines by kind of edit: changed, inserted, deleted, moved.
EDIT_SHARES = {"changed": 0.5, "inserted": 0.2, "deleted": 0.2, "moved": 0.1}
# Lines in one hunk of changed, inserted or deleted lines.
LONGEST_HUNK = 6
# Lines in one moved block.
SHORTEST_MOVE, LONGEST_MOVE = 10, 200
# Characters a prose line is wrapped at.
PROSE_WIDTH = 72

NOUNS = ("buffer table entry record window frame column stream cursor channel packet token "
         "header offset parser reader writer handle socket context option member layout "
         "region marker sample result status").split()
VERBS = ("open close read write parse check find load store merge split count shift align "
         "mark clear reset apply build fill free copy move").split()
TYPES = ["int", "long", "bool", "double", "size_t", "char *", "const char *", "void *",
         "unsigned", "uint64_t", "struct item *"]
PROSE_WORDS = ("a an the this that these some many few each every and or but so yet of in "
               "on at by for with from into over under after before while when where which "
               "file line text change version reader writer program window list table "
               "comparison difference patch record value name number field point "
               "shows keeps finds makes takes gives moves reads writes compares marks "
               "quickly rarely often always never only also still again soon later").split()


def identifier(rng):
    return f"{rng.choice(VERBS)}_{rng.choice(NOUNS)}"


def statement(rng, depth):
    indent = "    " * depth
    shape = rng.random()
    if shape < 0.35:
        return f"{indent}{rng.choice(TYPES)} {rng.choice(NOUNS)} = {identifier(rng)}(" \
               f"{rng.choice(NOUNS)}, {rng.randint(0, 999)});"
    if shape < 0.6:
        return f"{indent}{rng.choice(NOUNS)}->{rng.choice(NOUNS)} += {rng.randint(1, 64)};"
    if shape < 0.8:
        return f"{indent}{identifier(rng)}({rng.choice(NOUNS)}, {rng.choice(NOUNS)});"
    return f"{indent}return {rng.choice(NOUNS)};"


def code_block(rng, depth, lines):
    """Appends the body of one block, sometimes opening nested ifs and loops."""
    for _ in range(rng.randint(2, 8)):
        if depth < 3 and rng.random() < 0.2:
            indent = "    " * depth
            head = rng.choice([f"if ({rng.choice(NOUNS)} == NULL)",
                               f"for (int i = 0; i < {rng.choice(NOUNS)}; i++)",
                               f"while ({identifier(rng)}({rng.choice(NOUNS)}))"])
            lines.append(f"{indent}{head} {{")
            code_block(rng, depth + 1, lines)
            lines.append(f"{indent}}}")
        else:
            lines.append(statement(rng, depth))


def code_text(rng, count):
    lines = []
    while len(lines) < count:
        lines.append(f"static {rng.choice(TYPES)} {identifier(rng)}({rng.choice(TYPES)} "
                     f"{rng.choice(NOUNS)})")
        lines.append("{")
        code_block(rng, 1, lines)
        lines.append("}")
        lines.append("")
    return lines[:count]


def prose_text(rng, count):
    lines = []
    while len(lines) < count:
        words = [rng.choice(PROSE_WORDS) for _ in range(rng.randint(20, 120))]
        line = ""
        for word in words:
            if line and len(line) + 1 + len(word) > PROSE_WIDTH:
                lines.append(line)
                line = word
            else:
                line = f"{line} {word}" if line else word
        lines.append(line + ".")
        first = len(lines) - 1
        while first > 0 and lines[first - 1]:
            first -= 1
        lines[first] = lines[first][:1].upper() + lines[first][1:]
        lines.append("")
    return lines[:count]


def similar_line(rng, line):
    """The line with one small edit, so that it still pairs up with the original."""
    words = line.split(" ")
    choice = rng.random()
    numbers = [index for index, word in enumerate(words) if word.strip(",;()").isdigit()]
    if choice < 0.3 and numbers:
        index = rng.choice(numbers)
        words[index] = words[index].replace(words[index].strip(",;()"),
                                            str(rng.randint(1000, 9999)))
    elif choice < 0.6 and line.rstrip().endswith(");"):
        return line.rstrip()[:-2] + f", {rng.choice(NOUNS)});"
    else:
        candidates = [index for index, word in enumerate(words) if word.strip(",;.(){}*->")]
        if not candidates:
            return f"{line} {rng.choice(NOUNS)}"
        index = rng.choice(candidates)
        word = words[index]
        end = len(word.rstrip(",;.)"))
        words[index] = f"{word[:end]}_{rng.choice(NOUNS)}{word[end:]}"
    return " ".join(words)


def move_blocks(rng, lines, budget):
    """Cuts blocks out and pastes them elsewhere until `budget` lines have moved."""
    moved = 0
    while moved < budget and len(lines) > 2 * LONGEST_MOVE:
        length = min(rng.randint(SHORTEST_MOVE, LONGEST_MOVE), budget - moved)
        length = max(length, SHORTEST_MOVE)
        start = rng.randrange(0, len(lines) - length)
        block = lines[start:start + length]
        del lines[start:start + length]
        target = rng.randrange(0, len(lines))
        lines[target:target] = block
        moved += length
    return moved


def edit_lines(rng, lines, budgets, new_line):
    """Walks the lines once, starting a hunk of a kind that still has budget now and then."""
    counts = {kind: 0 for kind in budgets}
    remaining = sum(budgets.values())
    right = []
    index = 0
    while index < len(lines):
        left_to_walk = len(lines) - index
        if remaining > 0 and rng.random() < remaining / left_to_walk * 2 / (LONGEST_HUNK + 1):
            open_kinds = [kind for kind in budgets if counts[kind] < budgets[kind]]
            kind = rng.choice(open_kinds)
            length = min(rng.randint(1, LONGEST_HUNK), budgets[kind] - counts[kind])
            if kind == "changed":
                right.extend(similar_line(rng, line) for line in lines[index:index + length])
                index += length
            elif kind == "inserted":
                right.extend(new_line() for _ in range(length))
            else:
                index += length
            counts[kind] += length
            remaining -= length
            continue
        right.append(lines[index])
        index += 1
    return right, counts


def make_pair(folder, line_count, percent, kind="code", seed=SEED):
    if os.path.exists(os.path.join(folder, "right.txt")):
        return
    rng = random.Random(f"{seed}-{line_count}-{percent}-{kind}")
    text = code_text if kind == "code" else prose_text
    left = text(rng, line_count)
    edited = line_count * percent // 100
    budgets = {name: round(edited * share) for name, share in EDIT_SHARES.items()}
    right = list(left)
    moved = move_blocks(rng, right, budgets.pop("moved"))
    if kind == "code":
        def new_line():
            return statement(rng, rng.randint(1, 2))
    else:
        def new_line():
            return " ".join(rng.choice(PROSE_WORDS) for _ in range(rng.randint(5, 12)))
    right, counts = edit_lines(rng, right, budgets, new_line)
    counts["moved"] = moved
    os.makedirs(folder, exist_ok=True)
    for name, content in (("left.txt", left), ("right.txt", right)):
        with open(os.path.join(folder, name), "w", newline="\n") as file:
            file.write("\n".join(content) + "\n")
    about = {"lines": line_count, "percent": percent, "kind": kind, "seed": seed,
             "edited": counts}
    with open(os.path.join(folder, "about.json"), "w") as file:
        json.dump(about, file, indent=1)


def pair_folder(data, line_count, percent):
    return os.path.join(data, f"synth-{line_count}-{percent}")


def standard_pairs(data, skip_million=False):
    """Makes the standard pairs when missing; yields (name, folder, percent) for each."""
    for line_count, percent in STANDARD_PAIRS:
        if skip_million and line_count >= 1000000:
            continue
        folder = pair_folder(data, line_count, percent)
        make_pair(folder, line_count, percent)
        yield f"synth {line_count // 1000}k {percent}%", folder, percent


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("data")
    parser.add_argument("--skip-million", action="store_true")
    parser.add_argument("--lines", type=int)
    parser.add_argument("--percent", type=int)
    parser.add_argument("--kind", choices=["code", "prose"], default="code")
    parser.add_argument("--seed", type=int, default=SEED)
    options = parser.parse_args()
    if options.lines is None:
        for _ in standard_pairs(options.data, options.skip_million):
            pass
        return
    folder = os.path.join(options.data, f"synth-{options.lines}-{options.percent or 0}"
                          + ("" if options.kind == "code" else "-prose")
                          + ("" if options.seed == SEED else f"-seed{options.seed}"))
    make_pair(folder, options.lines, options.percent or 0, options.kind, options.seed)
    print(folder)


if __name__ == "__main__":
    main()
