#!/usr/bin/env python3
"""matplotlib's tricontour on the models and levels that bench_curvado wrote (tin_N.bin), timed, beside the
library's figures from the benchmark's JSON output: one table with the times, their ratio and their growth.
Times are processor time (best of a few runs here, the benchmark's mean there), so that other work on the
machine does not count."""
import json
import sys
import time
from pathlib import Path

import numpy as np
import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
from matplotlib import _tri  # noqa: E402
from matplotlib.tri import Triangulation  # noqa: E402


def read_tin(path):
    with open(path, "rb") as f:
        n, ntri = np.fromfile(f, dtype=np.int64, count=2)
        xyz = np.fromfile(f, dtype=np.float64, count=3 * n).reshape(3, n)
        tris = np.fromfile(f, dtype=np.int32, count=3 * ntri).reshape(ntri, 3)
        (nlev,) = np.fromfile(f, dtype=np.int64, count=1)
        levels = np.fromfile(f, dtype=np.float64, count=nlev)
    return xyz[0], xyz[1], xyz[2], tris, levels


def best_of(fn, repeats):
    best, result = float("inf"), None
    for _ in range(repeats):
        start = time.process_time()
        result = fn()
        best = min(best, time.process_time() - start)
    return best, result


def main():
    folder, bench_json = Path(sys.argv[1]), Path(sys.argv[2])
    ours = {}
    for b in json.loads(bench_json.read_text())["benchmarks"]:
        if b.get("run_type", "iteration") == "iteration":
            ours[int(b["points"])] = b
    rows = []
    for path in sorted(folder.glob("tin_*.bin"), key=lambda p: int(p.stem.split("_")[1])):
        x, y, z, tris, levels = read_tin(path)
        repeats = 5 if len(x) <= 100_000 else 2
        tri = Triangulation(x, y, tris)
        tri.get_cpp_triangulation()  # edges and neighbours once, outside the timing, as the library is handed them

        def generator():
            gen = _tri.TriContourGenerator(tri.get_cpp_triangulation(), z)
            lines = 0
            for level in levels:
                segs, _ = gen.create_contour(level)
                lines += len(segs)
            return lines

        def axes_call():
            fig, ax = plt.subplots()
            ax.tricontour(tri, z, levels=levels)
            plt.close(fig)

        t_gen, mpl_lines = best_of(generator, repeats)
        t_axes, _ = best_of(axes_call, repeats)
        b = ours.get(len(x), ours.get(int(path.stem.split("_")[1])))
        rows.append((len(x), len(tris), len(levels), int(b["lines"]), mpl_lines, b["cpu_time"], t_gen * 1e3, t_axes * 1e3))

    print(f"{'points':>9} {'triangles':>10} {'levels':>6} {'lines':>7} {'mpl lines':>9} {'Curvado ms':>11} "
          f"{'tricontour generator ms':>24} {'ax.tricontour ms':>17} {'ratio gen':>9} {'ratio ax':>8}")
    for r in rows:
        print(f"{r[0]:>9} {r[1]:>10} {r[2]:>6} {r[3]:>7} {r[4]:>9} {r[5]:>11.1f} {r[6]:>24.1f} {r[7]:>17.1f} "
              f"{r[5] / r[6]:>9.2f} {r[5] / r[7]:>8.2f}")
    for a, b in zip(rows, rows[1:]):
        print(f"growth {a[0]} -> {b[0]} points: Curvado x{b[5] / a[5]:.1f}, generator x{b[6] / a[6]:.1f}, "
              f"ax.tricontour x{b[7] / a[7]:.1f}")


if __name__ == "__main__":
    main()
