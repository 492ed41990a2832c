#!/usr/bin/env python3
# Writes the duelists' sprite sheets as SVG text: seven poses of 100 x 210 side
# by side, one cell per animation slot of the duelist:
#   0 standing, the gun hand held away from the holster (not yet a target)
#   1 the hand slaps onto the gun: the draw begins (a fair target from here)
#   2 firing, muzzle flash    3 hit    4 lying in the dust
#   5 the gun comes out of the holster    6 aiming down the barrel
# The figure is drawn centred in its cell; the animation files shift it
# 16 px left so it stands centred in the duelist's hit zone.
#   usage: _make_duelists.py OUTDIR
import os
import sys

INK = "#2b1b14"
SKIN = "#d9a27a"
SKIN_SHADE = "#b47c58"
STEEL = "#5a5e66"
FLASH = "#ffe14a"
CUE = "#fff6b0"


def poly(points, fill, width=2.0, extra=""):
    p = " ".join(f"{x:.1f},{y:.1f}" for x, y in points)
    return f'<polygon points="{p}" fill="{fill}" stroke="{INK}" stroke-width="{width}" stroke-linejoin="round" {extra}/>'


def limb(points, colour, w):
    p = " ".join(f"{x:.1f},{y:.1f}" for x, y in points)
    return (f'<polyline points="{p}" fill="none" stroke="{INK}" stroke-width="{w + 4}" stroke-linecap="round" stroke-linejoin="round"/>'
            f'<polyline points="{p}" fill="none" stroke="{colour}" stroke-width="{w}" stroke-linecap="round" stroke-linejoin="round"/>')


def circle(x, y, r, fill, width=2.0):
    return f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{r}" fill="{fill}" stroke="{INK}" stroke-width="{width}"/>'


def star(x, y, r1, r2, n, fill, rot=0.0, width=2.0):
    import math
    pts = []
    for k in range(2 * n):
        r = r1 if k % 2 == 0 else r2
        a = rot + math.pi * k / n
        pts.append((x + r * math.cos(a), y + r * math.sin(a)))
    return poly(pts, fill, width)


def hat(x, y, P, tilt=0):
    return (f'<g transform="rotate({tilt} {x} {y})">'
            + poly([(x - 12, y), (x - 10, y - 17), (x - 3, y - 14), (x, y - 18), (x + 3, y - 14), (x + 10, y - 17), (x + 12, y)], P["hat"])
            + f'<rect x="{x - 11}" y="{y - 5}" width="22" height="4" fill="{P["band"]}"/>'
            + f'<ellipse cx="{x}" cy="{y + 1}" rx="{P["brim"]}" ry="4.5" fill="{P["hat"]}" stroke="{INK}" stroke-width="2"/>'
            + "</g>")


def head(x, y, P, eyes="open"):
    s = circle(x, y, 12, SKIN)
    s += f'<path d="M{x + 4} {y - 10}a12 12 0 0 1 0 20" fill="{SKIN_SHADE}" opacity="0.5"/>'
    if eyes == "open":
        s += circle(x - 4.5, y - 2, 1.6, INK, 0) + circle(x + 4.5, y - 2, 1.6, INK, 0)
        s += f'<path d="M{x - 7} {y - 6}h5M{x + 2} {y - 6}h5" stroke="{INK}" stroke-width="1.6"/>'
    elif eyes == "narrow":
        # a hard squint: brows slanted down to the nose, eyes two slits
        s += f'<path d="M{x - 8} {y - 8}L{x - 1.5} {y - 4}M{x + 8} {y - 8}L{x + 1.5} {y - 4}" stroke="{INK}" stroke-width="2.4"/>'
        s += f'<path d="M{x - 7} {y - 1.5}h5M{x + 2} {y - 1.5}h5" stroke="{INK}" stroke-width="2"/>'
    else:  # knocked out
        s += (f'<path d="M{x - 7} {y - 5}l5 5M{x - 2} {y - 5}l-5 5M{x + 2} {y - 5}l5 5M{x + 7} {y - 5}l-5 5" '
              f'stroke="{INK}" stroke-width="1.8"/>')
    # the bandana over mouth and chin
    s += poly([(x - 12, y + 1), (x + 12, y + 1), (x + 9, y + 9), (x, y + 15), (x - 9, y + 9)], P["mask"], 1.6)
    if P.get("moustache"):
        s += f'<path d="M{x - 7} {y + 3}q7 -4 14 0" fill="none" stroke="{INK}" stroke-width="2.5"/>'
    return s


def legs(P, spread=0, drop=0):
    hip = 122 + drop
    s = limb([(43, hip), (40 - spread, 160 + drop / 2), (38 - spread * 1.3, 192)], P["trousers"], 12)
    s += limb([(57, hip), (60 + spread, 160 + drop / 2), (62 + spread * 1.3, 192)], P["trousers"], 12)
    bl, br = 38 - spread * 1.3, 62 + spread * 1.3
    s += poly([(bl - 8, 206), (bl - 6, 190), (bl + 6, 190), (bl + 7, 206)], P["boots"])
    s += poly([(br - 7, 206), (br - 6, 190), (br + 6, 190), (br + 8, 206)], P["boots"])
    return s


def body(P, drop=0):
    d = drop
    s = ""
    if P.get("duster"):
        s += poly([(31, 60 + d), (24, 150 + d / 2), (40, 148 + d / 2), (46, 124 + d)], P["coat"])
        s += poly([(69, 60 + d), (76, 150 + d / 2), (60, 148 + d / 2), (54, 124 + d)], P["coat"])
    s += poly([(30, 58 + d), (70, 58 + d), (66, 126 + d), (34, 126 + d)], P["coat"])
    s += poly([(44, 58 + d), (56, 58 + d), (55, 118 + d), (45, 118 + d)], P["shirt"], 1.6)
    s += f'<path d="M44 {60 + d}L50 {80 + d}L56 {60 + d}" fill="none" stroke="{INK}" stroke-width="1.6"/>'
    s += f'<rect x="33" y="{118 + d}" width="34" height="7" fill="{P["belt"]}" stroke="{INK}" stroke-width="1.6"/>'
    s += f'<rect x="47" y="{118.5 + d}" width="6" height="6" fill="#d8b048" stroke="{INK}" stroke-width="1"/>'
    if P.get("badge"):
        s += star(62, 78 + d, 4.5, 2, 5, "#c0c4cc", -1.57, 1)
    return s


def holster(P, drop=0, gun=True):
    d = drop
    s = poly([(23, 121 + d), (35, 121 + d), (34, 148 + d), (26, 150 + d)], P["holster"])
    if gun:  # the grip standing out of the holster
        s += poly([(25, 112 + d), (32, 110 + d), (34, 122 + d), (26, 123 + d)], P["grip"], 1.6)
    return s


def off_arm(P, drop=0, raised=False):
    d = drop
    if raised:
        pts = [(69, 63 + d), (80, 86 + d), (84, 100 + d)]
    else:
        pts = [(69, 63 + d), (74, 92 + d), (74, 114 + d)]
    return limb(pts, P["coat"], 10) + circle(pts[-1][0], pts[-1][1] + 3, 4.5, SKIN, 1.6)


def open_hand(x, y):
    s = circle(x, y, 4.8, SKIN, 1.6)
    for dx, dy in ((-5, 4), (-2, 6), (1, 6.5), (4, 5)):
        s += f'<path d="M{x + dx * 0.4:.1f} {y + 2:.1f}l{dx * 0.5:.1f} {dy * 0.7:.1f}" stroke="{INK}" stroke-width="2.2" stroke-linecap="round"/>'
    return s


def side_gun(x, y, angle):
    """A revolver seen from the side, grip at (x, y), barrel along angle."""
    return (f'<g transform="rotate({angle} {x} {y})">'
            + poly([(x - 3, y + 6), (x - 2, y - 3), (x + 22, y - 3), (x + 22, y + 1), (x + 6, y + 2), (x + 3, y + 8)], STEEL, 1.6)
            + f'<rect x="{x + 2}" y="{y - 4}" width="8" height="6" rx="2" fill="#3c3f46" stroke="{INK}" stroke-width="1"/>'
            + "</g>")


def front_gun(x, y):
    """A revolver pointed straight at the player: the bore and the cylinder."""
    return (circle(x, y + 6, 7.5, "#3c3f46", 1.6)
            + circle(x, y, 5.5, STEEL, 1.6)
            + circle(x, y, 2.4, "#0c0c0c", 0))


def standing(P):
    s = legs(P) + holster(P) + body(P) + off_arm(P)
    s += limb([(31, 63), (19, 88), (11, 102)], P["coat"], 10) + open_hand(10, 105)
    s += head(50, 38, P) + hat(50, 26, P)
    return s


def grip(P):
    # the draw begins: he drops into a crouch and his hand slaps onto the
    # grip; bright strokes fly off the hand so the moment reads at a glance
    d = 6
    s = legs(P, spread=5, drop=d) + holster(P, d) + body(P, d) + off_arm(P, d, raised=True)
    s += limb([(31, 63 + d), (19, 94 + d), (28, 114 + d)], P["coat"], 10)
    s += circle(29, 116 + d, 5.5, SKIN, 1.8)
    for x1, y1, x2, y2 in ((15, 108, 2, 100), (13, 120, 0, 121), (17, 131, 4, 141), (24, 100, 19, 86), (39, 104, 47, 92)):
        s += f'<path d="M{x1} {y1 + d}L{x2} {y2 + d}" stroke="{INK}" stroke-width="7" stroke-linecap="round"/>'
        s += f'<path d="M{x1} {y1 + d}L{x2} {y2 + d}" stroke="{CUE}" stroke-width="4" stroke-linecap="round"/>'
    s += head(50, 38 + d, P, "narrow") + hat(50, 26 + d, P)
    return s


def drawing(P):
    d = 5
    s = legs(P, spread=5, drop=d) + holster(P, d, gun=False) + body(P, d) + off_arm(P, d, raised=True)
    s += limb([(31, 63 + d), (20, 88 + d), (24, 104 + d)], P["coat"], 10)
    s += side_gun(24, 106 + d, -20) + circle(24, 106 + d, 5, SKIN, 1.6)
    s += head(50, 38 + d, P, "narrow") + hat(50, 26 + d, P)
    return s


def aiming(P, firing=False):
    d = 3
    s = legs(P, spread=4, drop=d) + holster(P, d, gun=False) + body(P, d) + off_arm(P, d)
    gx, gy = 40, 80 + d - (3 if firing else 0)
    s += limb([(31, 63 + d), (34, 78 + d), (gx, gy + 6)], P["coat"], 11)
    s += head(50, 38 + d, P, "narrow") + hat(50, 26 + d - (2 if firing else 0), P)
    s += circle(gx, gy + 10, 6, SKIN, 1.6) + front_gun(gx, gy)
    if firing:
        s += star(gx, gy, 30, 12, 9, "#ff9a2a", 0.2) + star(gx, gy, 20, 9, 9, FLASH, 0.5, 1.4)
        s += circle(gx, gy, 6, "#ffffff", 0)
        s += (f'<ellipse cx="{gx + 22}" cy="{gy - 22}" rx="9" ry="6" fill="#e8e4dc" stroke="{INK}" stroke-width="1.4" opacity="0.9"/>'
              f'<ellipse cx="{gx + 32}" cy="{gy - 32}" rx="6" ry="4" fill="#e8e4dc" stroke="{INK}" stroke-width="1.2" opacity="0.8"/>')
    return s


def hit(P):
    s = '<g transform="rotate(-10 50 206)">'
    s += legs(P, spread=3) + holster(P, gun=False) + body(P)
    s += limb([(69, 63), (82, 44), (86, 30)], P["coat"], 10) + circle(86, 27, 4.5, SKIN, 1.6)
    s += limb([(31, 63), (16, 48), (10, 34)], P["coat"], 10) + circle(10, 31, 4.5, SKIN, 1.6)
    s += head(50, 40, P, "out")
    s += star(52, 92, 13, 6, 8, "#fff8e0", 0.3, 1.6)
    s += "</g>"
    s += hat(70, 25, P, 24)
    s += side_gun(14, 150, 120)
    return s


def lying(P):
    # flat on his back in the dust, boots to the right, hat beside his head
    s = f'<ellipse cx="52" cy="204" rx="48" ry="4" fill="#000" opacity="0.25"/>'
    s += limb([(44, 194), (70, 193), (88, 190)], P["trousers"], 11)
    s += limb([(44, 199), (70, 199), (86, 200)], P["trousers"], 11)
    s += poly([(88, 182), (97, 184), (97, 196), (90, 195)], P["boots"])
    s += poly([(86, 195), (96, 197), (95, 207), (87, 206)], P["boots"])
    s += poly([(20, 186), (48, 186), (48, 206), (20, 206)], P["coat"])
    s += f'<rect x="44" y="186" width="6" height="20" fill="{P["belt"]}" stroke="{INK}" stroke-width="1.4"/>'
    s += limb([(26, 188), (36, 178), (44, 176)], P["coat"], 8)
    s += head(12, 194, P, "out")
    s += hat(8, 178, P, -70)
    s += side_gun(60, 178, 10)
    return s


POSES = [standing, grip, lambda P: aiming(P, True), hit, lying, drawing, aiming]


def sheet(P):
    s = ['<svg xmlns="http://www.w3.org/2000/svg" width="700" height="210" viewBox="0 0 700 210">']
    s.append("<!-- duelist: 0 stands, 1 grips (draw begins), 2 fires, 3 hit, 4 lying, 5 draws, 6 aims -->")
    for k, pose in enumerate(POSES):
        s.append(f'<svg x="{k * 100}" y="0" width="100" height="210" viewBox="0 0 100 210" overflow="hidden">{pose(P)}</svg>')
    s.append("</svg>")
    return "\n".join(s)


DRIFTER = dict(hat="#3a2a20", band="#a02a20", brim=24, coat="#8a7a62", shirt="#c8b89a",
               trousers="#4a4038", boots="#3b2418", belt="#4a2e1c", holster="#6a4024",
               grip="#8a5a30", mask="#b8302a", duster=True)
SHARP = dict(hat="#1c1a1c", band="#c8a040", brim=22, coat="#262428", shirt="#a02a30",
             trousers="#34303a", boots="#1c1410", belt="#2a1a12", holster="#4a2a18",
             grip="#d8d0c0", mask="#1c1a1c", moustache=True)
TWIN = dict(hat="#4a3020", band="#2a2a2a", brim=23, coat="#5a4030", shirt="#d8c070",
            trousers="#3a3430", boots="#2a1a10", belt="#3a2416", holster="#5a3620",
            grip="#7a4a28", mask="#2a2a2a")

DUELISTS = {
    # the day street: drifters in long dusters and bandanas
    "drifter_a": DRIFTER,
    "drifter_b": dict(DRIFTER, coat="#5e6670", shirt="#b0a890", mask="#2a2a2a", hat="#5a4028"),
    "drifter_c": dict(DRIFTER, coat="#6a4a32", shirt="#d0b070", mask="#8a2a4a", band="#2a2a2a"),
    # the saloon at dusk: card sharps in black with moustaches
    "sharp_a": SHARP,
    "sharp_b": dict(SHARP, coat="#4a1e24", shirt="#d8d0c0", mask="#4a1e24", band="#1c1a1c"),
    "sharp_c": dict(SHARP, coat="#2a3040", shirt="#c89a30", mask="#2a3040"),
    # the bank by night: Black Jack's cousin, come for revenge, with a stolen silver star
    "boss": dict(hat="#141418", band="#8a8a98", brim=26, coat="#1e2028", shirt="#5a2a4a",
                 trousers="#2a2a34", boots="#141010", belt="#2a1a12", holster="#3a2014",
                 grip="#c0c4cc", mask="#6a1a24", duster=True, badge=True),
    # the Crow twins: when the first one falls his brother steps into his place
    "twin": TWIN,
    "brother": dict(TWIN, coat="#3a4a30", band="#a02a20", mask="#a02a20"),
}

if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(out, exist_ok=True)
    for name, P in DUELISTS.items():
        with open(os.path.join(out, name + ".svg"), "w") as f:
            f.write(sheet(P) + "\n")
