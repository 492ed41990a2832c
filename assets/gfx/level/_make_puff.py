#!/usr/bin/env python3
# Writes puff.svg: a miss's puff of dust, three 64 x 64 steps side by side.
# The puff bursts out round the shot's place and spreads past the gun
# sight's ring (about 27 px from its centre), so the player sees it around
# the sight he is still holding there.  The top row is light dust outlined
# dark, for dark wood and shade; the bottom row dark dust outlined light, for
# sunlit walls and sand.  Run it from anywhere: python3 _make_puff.py
import math, os

HERE = os.path.dirname(os.path.abspath(__file__))
STEP = 64
DARK, LIGHT, LIGHTER, SAND = "#2b1a10", "#f3e6c6", "#fffaf0", "#d9c49a"
DUST_DARK, DUST_MID = "#5a3d24", "#7a5634"

# Each step: (distance from the centre, blob radius, blob count, rise).
STEPS = [(0, 9, 1, 0), (18, 9, 8, 2), (21, 6, 9, 3)]
SPARKS = [(-45, 25), (10, 27), (60, 24), (130, 26), (200, 25), (250, 27), (310, 24)]


def blobs(step):
    dist, r, n, rise = STEPS[step]
    out = []
    if step == 0:
        out.append((0, 0, 10))
        out += [(5, -5, 6), (-6, 3, 6), (4, 6, 5)]
    else:
        for k in range(n):
            a = 2 * math.pi * k / n + step * 0.4
            out.append((dist * math.cos(a), dist * math.sin(a) - rise, r - (k % 2)))
        out.append((0, -rise, r - 1))
    return out


def draw(x0, y0, step, fill, fills, edge):
    cx, cy = x0 + STEP / 2, y0 + STEP / 2
    parts = []
    if step == 0:  # the first burst throws short streaks past the ring
        for ang, length in SPARKS:
            a = math.radians(ang)
            x1, y1 = cx + 9 * math.cos(a), cy + 9 * math.sin(a)
            x2, y2 = cx + length * math.cos(a), cy + length * math.sin(a)
            for colour, width in ((edge, 4.5), (fill, 2.2)):
                parts.append((width, f'<line x1="{x1:.1f}" y1="{y1:.1f}" x2="{x2:.1f}" y2="{y2:.1f}" '
                                     f'stroke="{colour}" stroke-width="{width}" stroke-linecap="round"/>'))
    bl = blobs(step)
    outline = [f'<circle cx="{cx + dx:.1f}" cy="{cy + dy:.1f}" r="{r + 1.3:.1f}" fill="{edge}"/>' for dx, dy, r in bl]
    body = [f'<circle cx="{cx + dx:.1f}" cy="{cy + dy:.1f}" r="{r:.1f}" fill="{fills[i % len(fills)]}"/>'
            for i, (dx, dy, r) in enumerate(bl)]
    lines = [p for w, p in parts if w > 3] + [p for w, p in parts if w < 3]
    return lines + outline + body


def check():
    for step in range(3):
        for dx, dy, r in blobs(step):
            reach = math.hypot(dx, dy) + r + 1.3
            assert reach < STEP / 2, f"step {step} reaches {reach:.1f} px, past its cell"
        for ang, length in (SPARKS if step == 0 else []):
            assert length + 2.3 < STEP / 2
    assert max(math.hypot(dx, dy) + r for dx, dy, r in blobs(1)) > 27, "step 1 hides under the sight"


def main():
    check()
    body = []
    for step in range(3):
        body += draw(step * STEP, 0, step, LIGHT, (LIGHT, LIGHTER, SAND), DARK)
        body += draw(step * STEP, STEP, step, DUST_MID, (DUST_MID, DUST_DARK), LIGHT)
    svg = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<!-- A miss\'s puff, 192 x 128, masked: three 64 x 64 steps drawn one after another centred on the '
           'shot\'s place, spreading past the gun sight\'s ring; the top row is light dust outlined dark, the bottom '
           'row dark dust outlined light.  Written by _make_puff.py. -->',
           f'<svg xmlns="http://www.w3.org/2000/svg" width="{3 * STEP}" height="{2 * STEP}" '
           f'viewBox="0 0 {3 * STEP} {2 * STEP}">'] + body + ['</svg>']
    with open(os.path.join(HERE, "puff.svg"), "w") as f:
        f.write("\n".join(svg) + "\n")


if __name__ == "__main__":
    main()
