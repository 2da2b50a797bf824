"""Reference timings for bench/compare, and the comparison table.

Reads the JSON of a corvandell_bench run (repetitions included), times the reference
readers on the same files and matplotlib on the same curves, and prints, for each pair, the
minimum times, their ratio and the goal. Run by bench/compare with /usr/bin/python3.
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


DRAW_SAMPLES = 6553600
DRAW_CHANNELS = 3
STRIP_WIDTH, STRIP_HEIGHT = 1600, 300


def noisy_channel(c):
    """Channel c of BM_DrawThreeStrips (bench/DrawBench.cpp): a slow wave with hashed noise
    of +-4000 in raw words, scaled by 0.001 and shifted by -32.768."""
    i = numpy.arange(DRAW_SAMPLES, dtype=numpy.int64)
    period = 60000.0 + 17000.0 * c
    wave = 9000.0 * numpy.sin(2 * numpy.pi * i / period)
    x = ((i * 3 + c) & 0xFFFFFFFF).astype(numpy.uint32)
    x ^= x >> numpy.uint32(16)
    x *= numpy.uint32(0x7FEB352D)
    x ^= x >> numpy.uint32(15)
    x *= numpy.uint32(0x846CA68B)
    x ^= x >> numpy.uint32(16)
    noise = (x % numpy.uint32(8001)).astype(numpy.int64) - 4000
    raw = numpy.clip(numpy.rint(32768.0 + wave) + noise, 0, 65535).astype(numpy.uint16)
    return raw * 0.001 - 32.768


def matplotlib_draw_minimum(channels, strip_height=STRIP_HEIGHT):
    """Minimum time of fig.canvas.draw() for line plots of the channels, each in axes of
    1600 x strip_height pixels (Agg, default path simplification), over REPETITIONS fresh
    figures."""
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    dpi = 100
    times = numpy.arange(DRAW_SAMPLES, dtype=numpy.float64) * 10.0  # ms, 10 ms apart
    best = None
    for _ in range(REPETITIONS):
        count = len(channels)
        fig = plt.figure(figsize=(STRIP_WIDTH / dpi, count * strip_height / dpi), dpi=dpi)
        for c, values in enumerate(channels):
            ax = fig.add_axes([0, c / count, 1, 1 / count])
            ax.plot(times, values, color="black", linewidth=1)
            ax.set_xlim(times[0], times[-1])
        start = time.perf_counter()
        fig.canvas.draw()
        elapsed = time.perf_counter() - start
        width, height = fig.canvas.get_width_height()
        if (width, height) != (STRIP_WIDTH, count * strip_height):
            sys.exit(f"compare: the matplotlib figure is {width} x {height} pixels")
        plt.close(fig)
        best = elapsed if best is None else min(best, elapsed)
    return best, matplotlib.__version__


OVERVIEW_HEIGHT = 80


def drawing_rows(bench):
    """The curve drawing: three full channels drawn into strips of 1600 x 300 pixels by
    DrawCurve, and the overview (channel 0 in 1600 x 80), against matplotlib drawing the
    same series into axes of those sizes."""
    channels = [noisy_channel(c) for c in range(DRAW_CHANNELS)]
    ref, version = matplotlib_draw_minimum(channels)
    overview_ref, _ = matplotlib_draw_minimum(channels[:1], OVERVIEW_HEIGHT)
    return [("drawing 3 strips", our_minimum(bench, "BM_DrawThreeStrips"),
             f"matplotlib {version} Agg", ref, 0.01, "100x faster"),
            ("drawing overview", our_minimum(bench, "BM_DrawOverview"),
             f"matplotlib {version} Agg", overview_ref, 0.01, "100x faster")]


def drawing_getvalue_row(bench):
    """The same drawing against one plain GetValue pass over the same samples, which
    drawing every sample could not beat: the block extremes leave most samples unread."""
    return ("drawing 3 strips", our_minimum(bench, "BM_DrawThreeStrips"),
            "GetValue pass (ours)", our_minimum(bench, "BM_GetValueThreeChannels"), 0.25,
            "4x faster")


def ms(seconds):
    return "missing" if seconds is None else f"{seconds * 1e3:.1f}"


def print_table(rows, extra):
    header = ("", "ours [ms]", "reference", "ref. [ms]", "ours/ref.", "goal", "")
    lines = [header]
    for name, ours, ref_name, ref, limit, goal in rows:
        if ours is None or ref is None:
            ratio, verdict = "-", "not measured"
        else:
            ratio = f"{ours / ref:.3g}"
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
                            *drawing_rows(bench), drawing_getvalue_row(bench))
            if row is not None]
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
