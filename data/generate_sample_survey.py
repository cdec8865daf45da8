#!/usr/bin/env python3
"""Writes the bundled sample survey: a hillside above a valley with a stream, crossed by a road with kerbs,
taken as a surveyor takes it (strings of points along features, spot heights elsewhere, irregularly spaced).

Deterministic: the same files on every run. Usage: generate_sample_survey.py [OUTPUT_DIR]
Outputs sample_survey.csv (n,x,y,z) and sample_breaklines.txt (one polyline of point numbers per line).
"""
import math
import os
import random
import sys

E0, N0 = 431250.0, 4581300.0  # a UTM-sized origin, so the library sees real survey coordinates
WIDTH, HEIGHT = 420.0, 300.0
rng = random.Random(20261206)


def stream_y(x):
    return 95.0 + 18.0 * math.sin(x / 70.0) + 6.0 * math.sin(x / 23.0)


def ground(x, y):
    """Hillside rising to the north, a valley along the stream, a knoll in the north-east."""
    hill = 0.11 * y + 4.0 * math.sin(x / 60.0) * math.cos(y / 80.0)
    valley = -7.5 * math.exp(-((y - stream_y(x)) / 28.0) ** 2)
    knoll = 9.0 * math.exp(-(((x - 330.0) / 45.0) ** 2 + ((y - 235.0) / 38.0) ** 2))
    return 612.0 + hill + valley + knoll


def road_axis(t):
    """The road climbs across the slope: an S-bend from the west edge to the north edge."""
    x = t
    y = 170.0 + 40.0 * math.sin((t - 40.0) / 110.0) + 0.08 * (t - 200.0)
    return x, y


def road_level(t):
    # A graded road: the axis follows a smoothed ground profile, not every bump of it.
    x, y = road_axis(t)
    return 0.5 * ground(x, y) + 0.5 * (ground(0.0, 170.0) + (ground(WIDTH, 200.0) - ground(0.0, 170.0)) * t / WIDTH)


points = []
breaklines = []


def add(x, y, z):
    points.append((x, y, z))
    return len(points)


def string_along(coords):
    """A surveyed string: the points of a feature taken in order, numbered consecutively."""
    return [add(x, y, z) for x, y, z in coords]


# The road: axis, edges of the carriageway, and kerbs (a bottom and a top line 0.15 m higher), both sides.
stations = []
t = 0.0
while t <= WIDTH:
    stations.append(t)
    t += rng.uniform(7.0, 11.0)
offsets = [(-4.0, 0.0, "edge"), (-4.05, 0.0, "kerb bottom"), (-4.2, 0.15, "kerb top"),
           (4.0, 0.0, "edge"), (4.05, 0.0, "kerb bottom"), (4.2, 0.15, "kerb top"), (0.0, 0.08, "axis")]
for off, rise, _ in offsets:
    coords = []
    for s in stations:
        x, y = road_axis(s)
        x2, y2 = road_axis(s + 0.5)
        dx, dy = x2 - x, y2 - y
        norm = math.hypot(dx, dy)
        nx, ny = -dy / norm, dx / norm
        px, py = x + off * nx + rng.gauss(0, 0.01), y + off * ny + rng.gauss(0, 0.01)
        # Camber: the edges sit below the axis.
        z = road_level(s) - 0.02 * abs(off) + rise
        if 0.0 <= px <= WIDTH and 0.0 <= py <= HEIGHT:
            coords.append((px, py, z))
    breaklines.append(string_along(coords))

# The stream: the thalweg and the two banks.
for off, drop in [(0.0, -1.2), (-3.0, -0.2), (3.0, -0.2)]:
    coords = []
    x = 0.0
    while x <= WIDTH:
        y = stream_y(x) + off
        coords.append((x + rng.gauss(0, 0.05), y + rng.gauss(0, 0.05), ground(x, y) + drop - 0.004 * x))
        x += rng.uniform(6.0, 12.0)
    breaklines.append(string_along(coords))

# Spot heights: irregular, denser where the ground changes, kept off the road and the stream.
spots = 0
while spots < 2400:
    x, y = rng.uniform(0.0, WIDTH), rng.uniform(0.0, HEIGHT)
    near_stream = abs(y - stream_y(x)) < 5.0
    ax, ay = road_axis(x)
    near_road = abs(y - ay) < 6.0
    if near_stream or near_road:
        continue
    slope = abs(ground(x + 1, y) - ground(x - 1, y)) + abs(ground(x, y + 1) - ground(x, y - 1))
    if rng.random() > 0.35 + slope:
        continue
    add(x, y, ground(x, y) + rng.gauss(0, 0.03))
    spots += 1

out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(out, "sample_survey.csv"), "w", newline="\n") as f:
    f.write("n,x,y,z\n")
    for n, (x, y, z) in enumerate(points, start=1):
        f.write(f"{n},{E0 + x:.3f},{N0 + y:.3f},{z:.3f}\n")
with open(os.path.join(out, "sample_breaklines.txt"), "w", newline="\n") as f:
    f.write("# Road edges, kerbs (bottom and top), road axis, stream thalweg and banks\n")
    for line in breaklines:
        f.write(" ".join(str(n) for n in line) + "\n")
print(f"{len(points)} points, {len(breaklines)} breaklines")
