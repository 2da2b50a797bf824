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
        and (b.get("run_name", b["name"]).split("/")[0] == name
             or b.get("run_name", b["name"]) == name)
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
    ours = our_minimum(bench, "BM_TextImportAutoScale")
    return [("text import", ours, "pandas.read_csv", ref, 1 / 3, "3x faster"),
            ("text import", ours, "read+from_chars col. 2", our_minimum(bench, "BM_TextFloorColumn"),
             1.3, "within 1.3x"),
            ("text import", ours, "read+from_chars all", our_minimum(bench, "BM_TextFloorEveryNumber"),
             1.3, "within 1.3x")]


EXPORT_FILE = "/tmp/corv-bench-export-pandas.txt"
EXPORT_REPETITIONS = 2  # one to_csv of the full channel takes many seconds


def export_frame():
    """Date, time and value columns of BM_TextExportOneChannel: channel 0 of the drawing
    series, 10 ms apart from 1 January 1981 (time 0), the texts built beforehand so that
    only the writing is timed."""
    stamps = numpy.datetime64("1981-01-01T00:00:00.000") + numpy.arange(
        SAMPLES, dtype="timedelta64[ms]") * 10
    chars = numpy.datetime_as_string(stamps, unit="ms").astype("U23").view("U1").reshape(
        SAMPLES, 23)
    dates = numpy.ascontiguousarray(chars[:, [8, 9, 2, 5, 6, 2, 0, 1, 2, 3]])
    dates[:, 2] = dates[:, 5] = "."
    times = numpy.ascontiguousarray(chars[:, 11:23])
    return pandas.DataFrame({"Date": dates.view("U10").ravel(),
                             "Time": times.view("U12").ravel(),
                             "Channel1": noisy_channel(0)})


def text_export_row(bench):
    frame = export_frame()
    best = None
    for _ in range(EXPORT_REPETITIONS):
        start = time.perf_counter()
        frame.to_csv(EXPORT_FILE, sep="\t", index=False, lineterminator="\r\n")
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    os.remove(EXPORT_FILE)
    return ("text export", our_minimum(bench, "BM_TextExportOneChannel"),
            "DataFrame.to_csv", best, 0.1, "10x faster")


def counter(bench, name, key):
    """The largest value of counter `key` over the repetitions of benchmark `name`."""
    values = [b[key] for b in bench.get("benchmarks", [])
              if b.get("run_type", "iteration") == "iteration"
              and b.get("run_name", b["name"]).split("/")[0] == name and key in b]
    return max(values) if values else None


def end_to_end_lines(bench):
    """Start on three text files and the first full drawing, its memory, and the export
    of the three channels: absolute goals on this machine."""
    start = our_minimum(bench, "BM_StartToFirstDrawing")
    added = counter(bench, "BM_StartToFirstDrawing", "added_MiB")
    kept = counter(bench, "BM_StartToFirstDrawing", "kept_MiB")
    export = our_minimum(bench, "BM_ExportThreeChannels")

    def verdict(value, limit):
        return "not measured" if value is None else ("met" if value < limit else "NOT MET")

    added_text = "missing" if added is None else f"{added:.1f}"
    kept_text = "missing" if kept is None else f"{kept:.1f}"
    return [
        f"Start on 3 text files of {SAMPLES} lines + first full drawing: {ms(start)} ms "
        f"(goal < 800 ms: {verdict(start, 0.8)})",
        f"peak memory added during that Start beyond what stays resident: {added_text} MiB "
        f"(goal < 64 MiB: {verdict(added, 64)}); resident growth (banks, block extremes): "
        f"{kept_text} MiB",
        f"text export of the 3 channels side by side ({SAMPLES} rows): {ms(export)} ms",
    ]


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


SMOOTH_KERNELS = [
    (0, "1-2-1", [1, 2, 1]),
    (1, "1-2-4-10-4-2-1", [1, 2, 4, 10, 4, 2, 1]),
    (2, "1-1-2-3-2-1-1", [1, 1, 2, 3, 2, 1, 1]),
    (3, "1-1-1-1 (trimmed)", [1, 1, 1, 1, 1, 1, 1]),
]


def smoothing_words():
    """The words of BM_SmoothKernel (bench/SmoothBench.cpp): x = x * 1664525 + 1013904223
    from 12345, the high 16 bits of each step, as int32 so the sums do not overflow."""
    out = numpy.empty(SAMPLES, dtype=numpy.int32)
    x = 12345
    # A linear congruential sequence: step in blocks with numpy to keep this quick.
    a, c, m = 1664525, 1013904223, 1 << 32
    block = 1 << 16
    mult = numpy.empty(block, dtype=numpy.uint64)
    add = numpy.empty(block, dtype=numpy.uint64)
    am, cm = 1, 0
    for k in range(block):
        am, cm = (am * a) % m, (cm * a + c) % m
        mult[k], add[k] = am, cm
    for start in range(0, SAMPLES, block):
        n = min(block, SAMPLES - start)
        xs = (mult[:n] * numpy.uint64(x) + add[:n]) % numpy.uint64(m)
        out[start:start + n] = (xs >> numpy.uint64(16)).astype(numpy.int32)
        x = int(xs[-1])
    return out


def smoothing_rows(bench):
    """Each smoothing kernel over a full channel against numpy.convolve of the same
    weights (the integer division included) on the same words."""
    words = smoothing_words()
    rows = []
    for index, name, weights in SMOOTH_KERNELS:
        kernel = numpy.array(weights, dtype=numpy.int32)
        divisor = int(kernel.sum())
        ref = reference_minimum(lambda: numpy.convolve(words, kernel, mode="same") // divisor,
                                expect_samples(SAMPLES))
        rows.append((f"smooth {name}", our_minimum_arg(bench, "BM_SmoothKernel", index),
                     "numpy.convolve", ref, 1.0, "as fast"))
    return rows


def our_minimum_arg(bench, name, arg):
    """Minimum real time of benchmark `name` with the argument `arg`."""
    return our_minimum(bench, f"{name}/{arg}")
def numpy_statistics_minimum(values):
    """Minimum time of the same results in numpy, as one sum: min, max, mean, std, median,
    a least-squares line against time in seconds and a histogram of 256 bins."""
    seconds = numpy.arange(len(values), dtype=numpy.float64) * 0.01 + 0.01
    best = None
    for _ in range(REPETITIONS):
        start = time.perf_counter()
        results = (values.min(), values.max(), values.mean(), values.std(),
                   numpy.median(values), numpy.polyfit(seconds, values, 1),
                   numpy.histogram(values, bins=256))
        elapsed = time.perf_counter() - start
        if len(results[6][0]) != 256:
            sys.exit("compare: numpy.histogram did not give 256 bins")
        best = elapsed if best is None else min(best, elapsed)
    return best


def statistics_row(bench):
    """Statistics, median and histogram of one full channel against numpy."""
    ref = numpy_statistics_minimum(noisy_channel(0))
    return ("statistics + histogram", our_minimum(bench, "BM_StatisticsAndHistogram"),
            "numpy (7 functions)", ref, 0.02, "50x faster")


def statistics_getvalue_row(bench):
    """The same against one plain GetValue pass over a full channel."""
    return ("statistics + histogram", our_minimum(bench, "BM_StatisticsAndHistogram"),
            "GetValue pass (ours)", our_minimum(bench, "BM_GetValuePass"), 2.0, "within 2x")


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
    rows = [*text_import_row(bench), text_export_row(bench)]
    rows += [row for row in (binary_import_row(bench),
                            *drawing_rows(bench), drawing_getvalue_row(bench),
                            statistics_row(bench), statistics_getvalue_row(bench))
            if row is not None]
    rows += smoothing_rows(bench)
    getvalue = our_minimum(bench, "BM_GetValuePass")
    extra = end_to_end_lines(bench)
    if getvalue is not None:
        extra.append(f"GetValue pass over {SAMPLES} samples: {ms(getvalue)} ms "
                     f"({getvalue / SAMPLES * 1e9:.2f} ns per sample)")
    for index, name, _ in SMOOTH_KERNELS:
        command = our_minimum_arg(bench, "BM_SmoothCommand", index)
        if command is not None:
            extra.append(f"Filter > Smooth {name} on a full channel (read, smooth, write, "
                         f"undo step): {ms(command)} ms")
    print(f"minimum times; ours: corvandell_bench, all repetitions; reference: "
          f"{REPETITIONS} repetitions, Python {sys.version.split()[0]}, "
          f"pandas {pandas.__version__}, numpy {numpy.__version__}")
    print_table(rows, extra)


if __name__ == "__main__":
    main()
