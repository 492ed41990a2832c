#!/usr/bin/env python3
# Writes the three duel backgrounds as SVG text: the open street of each part
# of town seen from the middle of the road, the false fronts of both sides
# running off toward the far end of town.  No doorways: in a duel nobody
# comes out of a house.  The duelists stand on the road in front, their feet
# about y 315 at x 80, 301 and 523.
#   usage: _make_duel_backs.py OUTDIR
import os
import random
import sys

INK = "#2a1a10"
VX, VY = 320, 150           # where the street meets the horizon
W, H = 640, 480


def fy(x, y0):
    """y on the line through (edge, y0) and the vanishing point, at x."""
    f = (VX - x) / VX if x < VX else (x - VX) / (W - VX)
    return VY + (y0 - VY) * f


def quad(x1, x2, top, bottom, fill, extra=""):
    pts = [(x1, fy(x1, top)), (x2, fy(x2, top)), (x2, fy(x2, bottom)), (x1, fy(x1, bottom))]
    p = " ".join(f"{x:.1f},{y:.1f}" for x, y in pts)
    return f'<polygon points="{p}" fill="{fill}" stroke="{INK}" stroke-width="2" stroke-linejoin="round" {extra}/>'


def sign_text(x1, x2, top, bottom, word, P):
    """A word painted on a sign, following the sign's slant into the distance."""
    w, h = 100.0, 24.0
    a, b = (x2 - x1) / w, (fy(x2, top) - fy(x1, top)) / w
    d = (fy(x1, bottom) - fy(x1, top)) / h
    return (f'<text transform="matrix({a:.4f} {b:.4f} 0 {d:.4f} {x1:.1f} {fy(x1, top):.1f})" x="{w / 2}" y="{h * 0.78}" '
            f'font-family="URW Bookman" font-weight="bold" font-size="{min(h * 0.8, w * 0.85 / (0.75 * len(word))):.1f}" '
            f'text-anchor="middle" fill="{P["sign_text"]}">{word}</text>')


def side(xs, tops, P, seed, right=False):
    """False fronts on one side of the street; xs run from the edge inwards."""
    r = random.Random(seed)
    s = []
    base, walk = P["base"], P["walk_edge"]
    for i in range(len(xs) - 1):
        x1, x2 = xs[i], xs[i + 1]
        top = tops[i]
        fill = P["walls"][i % len(P["walls"])]
        s.append(quad(x1, x2, top, base, fill))
        # clapboard lines, converging like everything else
        for k in range(1, 9):
            y0 = top + (base - top) * k / 9
            a, b = (x1, fy(x1, y0)), (x2, fy(x2, y0))
            s.append(f'<path d="M{a[0]:.1f} {a[1]:.1f}L{b[0]:.1f} {b[1]:.1f}" stroke="{P["wall_line"]}" stroke-width="1" opacity="0.7"/>')
        # cornice
        s.append(quad(x1, x2, top - 4, top + 6, P["trim"]))
        # shuttered windows (never a doorway)
        span = abs(x2 - x1)
        n = 2 if span > 50 else 1
        for k in range(n):
            wa = x1 + (x2 - x1) * (0.2 + 0.5 * k) if n == 2 else x1 + (x2 - x1) * 0.3
            wb = wa + (x2 - x1) * (0.25 if n == 2 else 0.4)
            wt = top + (base - top) * 0.28
            wbm = top + (base - top) * 0.5
            s.append(quad(wa, wb, wt, wbm, P["window"]))
            s.append(quad(wa, wb, wt, wt + (wbm - wt) * 0.15, P["shutter"]))
        # a painted sign on the nearer fronts
        names = P["signs_r" if right else "signs"]
        if i < len(names) and names[i]:
            sy = top + (base - top) * 0.1
            sa, sb = x1 + (x2 - x1) * 0.12, x1 + (x2 - x1) * 0.88
            s.append(quad(sa, sb, sy, sy + (base - top) * 0.1, P["sign"]))
            if i < 2 and names[i].strip():   # lettering where it is large enough to read
                # clear of the porch post at the near end (and of the track)
                inset = (sb - sa) * 0.12
                left, rightx = (sa + inset, sb) if not right else (sb, min(sa + inset, 620.0))
                s.append(sign_text(left, rightx, sy + 2, sy + (base - top) * 0.1 - 2, names[i], P))
    # the boardwalk along the fronts and its edge
    xa, xb = xs[0], xs[-1]
    s.append(quad(xa, xb, base, walk, P["walk"]))
    for k in range(1, 12):
        # plank joints across the walk, spaced as they recede
        t = (k / 12) ** 1.7
        x = xa + (xb - xa) * t
        s.append(f'<path d="M{x:.1f} {fy(x, base):.1f}L{x:.1f} {fy(x, walk):.1f}" stroke="{P["walk_line"]}" stroke-width="1.2"/>')
    s.append(quad(xa, xb, walk, walk + 8, P["walk_front"]))
    # porch posts at the walk's edge
    for x in xs[:-1]:
        xp = x + (6 if not right else -6)
        h = (fy(xp, walk) - fy(xp, tops[0] + 60))
        w = max(2.0, 9 * abs(xp - VX) / VX)
        s.append(f'<rect x="{xp - w / 2:.1f}" y="{fy(xp, walk) - h:.1f}" width="{w:.1f}" height="{h:.1f}" fill="{P["post"]}" stroke="{INK}" stroke-width="1.5"/>')
    return "\n".join(s)


def build(P):
    s = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">', "<defs>"]
    s.append('<linearGradient id="sky" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="0" y2="%d">' % VY
             + "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in P["sky"]) + "</linearGradient>")
    s.append('<linearGradient id="road" gradientUnits="userSpaceOnUse" x1="0" y1="%d" x2="0" y2="480">' % VY
             + "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in P["road"]) + "</linearGradient>")
    s.append("</defs>")
    s.append(f'<rect width="{W}" height="{H}" fill="url(#sky)"/>')
    s.append(P.get("sky_extra", ""))
    # mesas on the horizon and the far end of town
    s.append(f'<path d="M0 {VY}L40 {VY-18}L120 {VY-20}L150 {VY-6}L230 {VY-8}L250 {VY}Z" fill="{P["mesa"]}" stroke="{INK}" stroke-width="1.5"/>')
    s.append(f'<path d="M400 {VY}L430 {VY-14}L520 {VY-16}L560 {VY-4}L640 {VY-6}L640 {VY}Z" fill="{P["mesa"]}" stroke="{INK}" stroke-width="1.5"/>')
    s.append(f'<rect x="300" y="{VY-26}" width="40" height="26" fill="{P["far"]}" stroke="{INK}" stroke-width="1.5"/>')
    s.append(f'<path d="M312 {VY-26}L320 {VY-44}L328 {VY-26}Z" fill="{P["far"]}" stroke="{INK}" stroke-width="1.5"/>')
    s.append(f'<rect x="318" y="{VY-52}" width="4" height="10" fill="{INK}"/>')
    # the road, wide open from the far end to the player's feet
    s.append(f'<path d="M{VX} {VY}L0 {fy(0, P["walk_edge"]) + 8:.0f}L0 480L640 480L640 {fy(640, P["walk_edge"]) + 8:.0f}Z" fill="url(#road)"/>')
    for x0 in (-260, 120, 520, 900):
        s.append(f'<path d="M{VX} {VY}L{x0} 480" stroke="{P["rut"]}" stroke-width="5" opacity="0.45"/>')
    r = random.Random(7)
    for _ in range(60):
        y = r.uniform(VY + 20, 478)
        x = VX + r.uniform(-1, 1) * (y - VY) * 2.2
        s.append(f'<ellipse cx="{x:.0f}" cy="{y:.0f}" rx="{1 + (y - VY) / 60:.1f}" ry="{0.6 + (y - VY) / 200:.1f}" fill="{P["dot"]}"/>')
    # both sides of the street
    s.append(side([0, 96, 158, 200, 232, 254, 270, 282], [34, 70, 58, 92, 84, 104, 112], P, 1))
    s.append(side([640, 548, 486, 444, 412, 390, 374, 362], [44, 64, 90, 76, 100, 110, 116], P, 2, right=True))
    # props in the road and on the walks, clear of the duelists' feet
    s.append(P.get("props", ""))
    # the dark track behind the kill bar, on the nearest porch post
    s.append(f'<rect x="628" y="40" width="12" height="418" fill="{P["track"]}" stroke="{INK}" stroke-width="2"/>')
    s.append(P.get("light", ""))
    s.append("</svg>")
    return "\n".join(s)


def trough(x, y, P):
    return (f'<rect x="{x}" y="{y}" width="70" height="22" fill="{P["post"]}" stroke="{INK}" stroke-width="2"/>'
            f'<rect x="{x+4}" y="{y+3}" width="62" height="5" fill="{P["water"]}"/>'
            f'<path d="M{x+6} {y+22}v10M{x+64} {y+22}v10" stroke="{INK}" stroke-width="4"/>')


def barrel(x, y, P):
    return (f'<rect x="{x}" y="{y}" width="24" height="32" rx="6" fill="{P["barrel"]}" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M{x} {y+9}h24M{x} {y+23}h24" stroke="{INK}" stroke-width="2"/>')


def tumbleweed(x, y, r, P):
    rr = random.Random(x)
    d = "".join(f'M{x + rr.uniform(-r, r):.0f} {y + rr.uniform(-r, r):.0f}Q{x:.0f} {y:.0f} {x + rr.uniform(-r, r):.0f} {y + rr.uniform(-r, r):.0f}'
                for _ in range(14))
    return f'<circle cx="{x}" cy="{y}" r="{r}" fill="none" stroke="{P["weed"]}" stroke-width="2"/><path d="{d}" fill="none" stroke="{P["weed"]}" stroke-width="1.5"/>'


DAY = dict(
    sky=[(0, "#86b6cc"), (0.6, "#b4cfd0"), (1, "#eedcb0")],
    road=[(0, "#c9a576"), (1, "#b38a5a")], rut="#8e6a44", dot="#9c7750",
    mesa="#c08a68", far="#d8c0a0",
    walls=["#c7a27a", "#9fb2a8", "#d3b48a", "#b98c62", "#c9b391", "#a88a6a", "#c4a684"],
    wall_line="#7c5c3c", trim="#e8dcc0", window="#3c3a40", shutter="#4f7a6a", sign="#f0e2bc",
    signs=["HOTEL", "BARBER", "", " "], signs_r=["STORE", "SHERIFF", " "], sign_text="#7a2a1a", post="#8a6440", walk="#a37a4d", walk_line="#6d4d2d", walk_front="#7a5535",
    water="#6fa8c0", barrel="#9a6a3e", weed="#8c6a3a", track="#3a2a1c",
    base=330, walk_edge=352,
)
DAY["sky_extra"] = '<path d="M380 40q20 -12 44 -4q16 -8 32 2q14 0 18 8h-100z" fill="#f4ecd6" opacity="0.6"/>'
DAY["props"] = trough(170, 300, DAY) + barrel(420, 286, DAY) + tumbleweed(200, 420, 16, DAY)

DUSK = dict(
    sky=[(0, "#5d4a7a"), (0.4, "#b5587a"), (0.75, "#ef8a4c"), (1, "#ffc46a")],
    road=[(0, "#b07850"), (1, "#7e4e38")], rut="#5e3828", dot="#6d4032",
    mesa="#7a3e4a", far="#a0604a",
    walls=["#9a6048", "#7a6a78", "#b07a52", "#8a5a48", "#a4785c", "#7e5a50", "#9c6e50"],
    wall_line="#5a3624", trim="#d8b890", window="#ffcf7a", shutter="#6a3a30", sign="#e8c898",
    signs=["SALOON", "", " ", " "], signs_r=["FARO", "ROOMS", "", " "], sign_text="#5a1a14", post="#6a4430", walk="#8a5a3c", walk_line="#5a3624", walk_front="#64402a",
    water="#c08a70", barrel="#7a4a2e", weed="#6a4428", track="#24160e",
    base=330, walk_edge=352,
)
DUSK["sky_extra"] = '<circle cx="320" cy="132" r="34" fill="#ffe08a" opacity="0.7"/>'
DUSK["props"] = barrel(176, 292, DUSK) + barrel(200, 298, DUSK) + trough(400, 300, DUSK) + tumbleweed(420, 430, 14, DUSK)
DUSK["light"] = '<rect width="640" height="480" fill="#ff9050" opacity="0.06"/>'

NIGHT = dict(
    sky=[(0, "#0c1430"), (0.6, "#1e2c54"), (1, "#3a4670")],
    road=[(0, "#4a4658"), (1, "#2c2a38")], rut="#1c1a26", dot="#1c1c28",
    mesa="#222a48", far="#38385a",
    walls=["#3a3a52", "#46404e", "#2f3448", "#4a4456", "#383c50", "#403a4a", "#363a4e"],
    wall_line="#1e1e2c", trim="#6a6a80", window="#ffd27a", shutter="#2a2a3a", sign="#8a8aa0",
    signs=["BANK", "DEPOT"], signs_r=["STAGE", "ASSAY", " "], sign_text="#e8e0c0", post="#2c2830", walk="#3c3640", walk_line="#24202a", walk_front="#2c2830",
    water="#5a6a90", barrel="#3a3038", weed="#4a4048", track="#0c0c14",
    base=330, walk_edge=352,
)
_r = random.Random(3)
NIGHT["sky_extra"] = ("".join(f'<circle cx="{_r.uniform(290, 620):.0f}" cy="{_r.uniform(40, 120):.0f}" r="{_r.uniform(0.6, 1.6):.1f}" fill="#f0ecd8"/>'
                              for _ in range(40))
                      + '<circle cx="470" cy="60" r="15" fill="#f2ecd0" opacity="0.9"/>')
NIGHT["props"] = trough(168, 302, NIGHT) + barrel(424, 288, NIGHT)
NIGHT["light"] = ('<rect width="640" height="480" fill="#101838" opacity="0.15"/>'
                  '<ellipse cx="320" cy="380" rx="260" ry="70" fill="#ffd27a" opacity="0.08"/>')

if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(out, exist_ok=True)
    for name, P in (("duel_day", DAY), ("duel_dusk", DUSK), ("duel_night", NIGHT)):
        with open(os.path.join(out, name + ".svg"), "w") as f:
            f.write(build(P) + "\n")
