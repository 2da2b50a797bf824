"""Reference timings for bench/compare, and the comparison table.

Reads the JSON of a corvandell_bench run (repetitions included), times the reference
readers on the same files, and prints, for each pair, the minimum times, their ratio and
the goal. Run by bench/compare with /usr/bin/python3.
"""

import json
import os
import sys
import time

import numpy
import pandas

TEXT_FILE = "/tmp/corv-bench-text.tsv"
BINARY_FILE = "/tmp/corv-bench-bin.dat"
SAMPLES = 6553600
REPETITIONS = 5

UNIT_SECONDS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def our_minimum(bench, name):
    """Minimum real time in seconds over the repetitions of benchmark `name`, or None."""
    times = [
        b["real_time"] * UNIT_SECONDS[b.get("time_unit", "ns")]
        for b in bench.get("benchmarks", [])
        if b.get("run_type", "iteration") == "iteration"
        and b.get("run_name", b["name"]).split("/")[0] == name
        and not b.get("error_occurred", False)
    ]
    return min(times) if times else None


def reference_minimum(read, check):
    """Minimum wall time in seconds of `read` over REPETITIONS runs; `check` validates."""
    best = None
    for _ in range(REPETITIONS):
        start = time.perf_counter()
        result = read()
        elapsed = time.perf_counter() - start
        check(result)
        best = elapsed if best is None else min(best, elapsed)
    return best


def ensure_text_file():
    """The text benchmark writes this file; write the same layout if it is missing."""
    if os.path.exists(TEXT_FILE) and os.path.getsize(TEXT_FILE) > 0:
        return
    rng = numpy.random.default_rng(42)
    i = numpy.arange(SAMPLES)
    columns = numpy.column_stack([
        12 + 0.001 * (i % 5000) + 0.01 * rng.standard_normal(SAMPLES),
        5 * rng.standard_normal(SAMPLES),
        987.6 + 3 * rng.standard_normal(SAMPLES),
    ])
    partial = TEXT_FILE + ".partial"
    numpy.savetxt(partial, columns, fmt=["%.3f", "%.4f", "%.1f"], delimiter="\t",
                  newline="\r\n")
    os.replace(partial, TEXT_FILE)


def ensure_binary_file():
    """The binary benchmark writes this file; write the same layout if it is missing."""
    if os.path.exists(BINARY_FILE) and os.path.getsize(BINARY_FILE) > 0:
        return
    words = (numpy.arange(SAMPLES, dtype=numpy.int64) * 7 + 3) & 0xFFFF
    partial = BINARY_FILE + ".partial"
    words.astype("<u2").tofile(partial)
    os.replace(partial, BINARY_FILE)


def expect_samples(n):
    def check(values):
        if len(values) != n:
            sys.exit(f"compare: the reference read {len(values)} values, expected {n}")
    return check


def text_import_row(bench):
    ensure_text_file()
    ref = reference_minimum(
        lambda: pandas.read_csv(TEXT_FILE, sep="\t", header=None, usecols=[1], engine="c"),
        expect_samples(SAMPLES))
    return ("text import", our_minimum(bench, "BM_TextImportAutoScale"),
            "pandas.read_csv", ref, 0.5, "2x faster")


def binary_import_row(bench):
    ensure_binary_file()
    ref = reference_minimum(lambda: numpy.fromfile(BINARY_FILE, dtype="<u2"),
                            expect_samples(os.path.getsize(BINARY_FILE) // 2))
    return ("binary import", our_minimum(bench, "BM_BinaryImport"),
            "numpy.fromfile", ref, 1.5, "within 1.5x")


def drawing_row(bench):
    """The curve-drawing comparison: our strip drawing against a matplotlib line plot of
    the same samples. To be added with the drawing benchmark; returns None until then."""
    return None


def ms(seconds):
    return "missing" if seconds is None else f"{seconds * 1e3:.1f}"


def print_table(rows, extra):
    header = ("", "ours [ms]", "reference", "ref. [ms]", "ours/ref.", "goal", "")
    lines = [header]
    for name, ours, ref_name, ref, limit, goal in rows:
        if ours is None or ref is None:
            ratio, verdict = "-", "not measured"
        else:
            ratio = f"{ours / ref:.2f}"
            verdict = "met" if ours / ref <= limit else "NOT MET"
        lines.append((name, ms(ours), ref_name, ms(ref), ratio,
                      f"<= {limit:.2f} ({goal})", verdict))
    widths = [max(len(line[k]) for line in lines) for k in range(len(header))]
    for line in lines:
        print("  ".join(cell.ljust(w) for cell, w in zip(line, widths)).rstrip())
    for text in extra:
        print(text)


def main():
    with open(sys.argv[1]) as f:
        bench = json.load(f)
    rows = [row for row in (text_import_row(bench), binary_import_row(bench),
                            drawing_row(bench)) if row is not None]
    getvalue = our_minimum(bench, "BM_GetValuePass")
    extra = []
    if getvalue is not None:
        extra.append(f"GetValue pass over {SAMPLES} samples: {ms(getvalue)} ms "
                     f"({getvalue / SAMPLES * 1e9:.2f} ns per sample)")
    print(f"minimum times; ours: corvandell_bench, all repetitions; reference: "
          f"{REPETITIONS} repetitions, Python {sys.version.split()[0]}, "
          f"pandas {pandas.__version__}, numpy {numpy.__version__}")
    print_table(rows, extra)


if __name__ == "__main__":
    main()
