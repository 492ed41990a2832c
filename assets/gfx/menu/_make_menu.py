#!/usr/bin/env python3
# Draws every picture of the menus as SVG into this folder: the main menu's
# sundown backdrop, signpost and small wanted poster; the difficulty screen
# (the good, the bad and the ugly) with its three lit columns; the options
# gallows with its three dummies, the mute mark, the back button and the
# difficulty signs; the quit sign; the top-ten poster and the name panel.
# Run it from anywhere: python3 _make_menu.py
#
# Every button is drawn inside its hot rectangle (picture coordinates, see
# BUTTONS) and every line of lettering is fitted into its board with a margin;
# check() fails loudly when a label would not fit.
import math, os, random, subprocess, sys, tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "comix"))
import _lib as L  # the comic figures (person) and the shared inking helpers

L.KINDS["good"] = dict(L.KINDS["deputy"], face="open")  # the deputy, smiling

INK = "#2b1a10"
GOLD, GOLD_SH, GOLD_HI = "#f4c24a", "#a8761c", "#fbe49a"
WOOD, WOOD_SH, WOOD_HI = "#8b5a33", "#5e3a1f", "#b07a4a"
DARKWOOD, DARKWOOD_SH, DARKWOOD_HI = "#5e3a22", "#3e2415", "#7e5232"
PALE, PALE_SH, PALE_HI = "#dcbc8a", "#b08d5c", "#f0d8a8"
PAPER, PAPER_SH, PAPER_EDGE = "#f2e2ba", "#e2c994", "#c9a96c"
ROPE, ROPE_SH = "#d2ad72", "#9c7a48"
RED = "#8a1f18"
TITLE = "C059"
CAPTION = "URW Bookman"
SANS = "Nimbus Sans Narrow"

# Hot rectangles in picture coordinates (X1, Y1, X2, Y2), strict: a drawn
# button keeps inside X1 < x < X2, Y1 < y < Y2.
BUTTONS = {
    "menuleft": {"new": (40, 170, 90, 205), "options": (40, 220, 122, 265), "quit": (40, 270, 90, 305)},
    "wanteds": {"poster": (0, 0, 90, 118)},
    "cancel": {"back": (0, 0, 70, 40)},
    "yesno": {"yes": (0, 120, 100, 180), "no": (115, 139, 230, 199)},
}


# ------------------------------------------------------------------ output
def save(name, w, h, body, defs="", comment=""):
    text = (f'<?xml version="1.0" encoding="UTF-8"?>\n<!-- {comment} -->\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
            f'<defs>{defs}</defs>\n{body}\n</svg>\n')
    with open(os.path.join(HERE, name + ".svg"), "w") as f:
        f.write(text)


# ------------------------------------------------------------------ lettering
_widths = {}


def measure(t, size, family=TITLE, extra=""):
    """Inked width of a line of bold lettering, in pixels (rendered and trimmed)."""
    key = (t, size, family, extra)
    if key not in _widths:
        with tempfile.TemporaryDirectory() as d:
            s = (f'<svg xmlns="http://www.w3.org/2000/svg" width="1200" height="200">'
                 f'<rect width="1200" height="200" fill="#fff"/>'
                 f'<text x="20" y="120" font-family="{family}" font-size="{size}" font-weight="bold" '
                 f'{extra}>{L.esc(t)}</text></svg>')
            open(f"{d}/m.svg", "w").write(s)
            subprocess.run(["rsvg-convert", f"{d}/m.svg", "-o", f"{d}/m.png"], check=True)
            out = subprocess.run(["convert", f"{d}/m.png", "-trim", "-format", "%w", "info:"],
                                 capture_output=True, text=True, check=True).stdout
        _widths[key] = int(out.strip())
    return _widths[key]


def fit(t, family, maxw, size, minsize=7, extra="", minsx=1.0):
    """(size, squeeze): the largest size up to `size` at which `t`, squeezed sideways
    by no more than minsx (condensed wood type), is at most maxw wide."""
    s = size
    while True:
        w = measure(t, s, family, extra)
        if w * minsx <= maxw:
            return s, min(1.0, maxw / w)
        if s <= minsize:
            raise SystemExit(f"label {t!r} does not fit in {maxw} px")
        s -= 0.5


def letters(cx, baseline, t, size, fill=INK, family=TITLE, stroke=None, sw=0, shadow=None, extra="", sx=1.0):
    """A line of bold lettering centred on cx; optional ink outline, drop shadow and sideways squeeze.
    Squeezed lines are placed by their measured width (rsvg centres a scaled line off-centre)."""
    out = []
    st = f'stroke="{stroke}" stroke-width="{sw}" paint-order="stroke" stroke-linejoin="round"' if stroke else ""
    if sx == 1.0:
        if shadow:
            out.append(L.text(cx + 2, baseline + 2, t, size, shadow, family, "bold", extra))
        out.append(L.text(cx, baseline, t, size, fill, family, "bold", (extra + " " + st).strip()))
        return "".join(out)
    x0 = -measure(t, size, family, extra) / 2
    if shadow:
        out.append(L.text(x0 + 2, 2, t, size, shadow, family, "bold", extra, anchor="start"))
    out.append(L.text(x0, 0, t, size, fill, family, "bold", (extra + " " + st).strip(), anchor="start"))
    return f'<g transform="translate({cx:.1f},{baseline:.1f}) scale({sx:.3f},1)">{"".join(out)}</g>'


def label(cx, cy, t, family, maxw, size, fill=INK, minsx=1.0, **kw):
    """Lettering fitted to maxw and centred on (cx, cy) by its cap height."""
    s, sx = fit(t, family, maxw, size, extra=kw.get("extra", ""), minsx=minsx)
    return letters(cx, cy + s * 0.36, t, s, fill, family, sx=sx, **kw)


# ------------------------------------------------------------------ wood and paper
def board(x, y, w, h, fill=PALE, sh=PALE_SH, hi=PALE_HI, seed=1, planks=1, nails=True, rx=2, shape=None, tip=None):
    """A painted board: ink outline, plank seams, grain, a lit top edge and a shaded bottom edge.
    shape: None (rectangle), 'right' or 'left' (an arrow-pointed end)."""
    r = random.Random(seed)
    tip = min(h * 0.45, 14) if tip is None else tip
    if shape == "right":
        d = f"M{x},{y} L{x + w - tip},{y} L{x + w},{y + h / 2} L{x + w - tip},{y + h} L{x},{y + h} Z"
    elif shape == "left":
        d = f"M{x + tip},{y} L{x + w},{y} L{x + w},{y + h} L{x + tip},{y + h} L{x},{y + h / 2} Z"
    else:
        d = (f"M{x + rx},{y} L{x + w - rx},{y} Q{x + w},{y} {x + w},{y + rx} L{x + w},{y + h - rx} "
             f"Q{x + w},{y + h} {x + w - rx},{y + h} L{x + rx},{y + h} Q{x},{y + h} {x},{y + h - rx} "
             f"L{x},{y + rx} Q{x},{y} {x + rx},{y} Z")
    cid = f"b{abs(hash((x, y, w, h, seed))) % 10 ** 8}"
    out = [f'<clipPath id="{cid}"><path d="{d}"/></clipPath>',
           L.path(d, fill, 0)]
    inner = []
    inner.append(L.rect(x, y + h - 4, w, 4, sh, 0))
    inner.append(L.rect(x, y, w, 3, hi, 0))
    for k in range(1, planks):
        py = y + h * k / planks
        inner.append(L.line(x, py, x + w, py, 1.5, sh))
    for _ in range(max(2, int(w * h / 500))):
        gx = r.uniform(x + 4, x + w - 14)
        gy = r.uniform(y + 4, y + h - 5)
        gl = r.uniform(8, 22)
        inner.append(f'<path d="M{gx:.1f},{gy:.1f} q{gl / 2:.1f},{r.uniform(-1.5, 1.5):.1f} {gl:.1f},0" '
                     f'fill="none" stroke="{sh}" stroke-width="1" opacity="0.8"/>')
    out.append(f'<g clip-path="url(#{cid})">{"".join(inner)}</g>')
    out.append(L.path(d, "none", 2))
    if nails:
        for nx in (x + 5, x + w - 5 - (tip if shape == "right" else 0)):
            if shape == "left" and nx < x + 10:
                nx = x + 5 + tip
            out.append(L.circle(nx, y + 5, 1.6, "#5a5048", 0.8))
    return "".join(out)


def beam(x, y, w, h, fill=WOOD, sh=WOOD_SH, hi=WOOD_HI, vertical=False, seed=3):
    """A heavy timber: outline, lit face edge, shaded edge, a few cracks."""
    r = random.Random(seed)
    out = [L.rect(x, y, w, h, fill, 0)]
    if vertical:
        out.append(L.rect(x + 2, y, 3, h, hi, 0))
        out.append(L.rect(x + w - 5, y, 5, h, sh, 0))
        for _ in range(int(h / 40)):
            cy = r.uniform(y + 6, y + h - 20)
            cx = r.uniform(x + 6, x + w - 8)
            out.append(L.path(f"M{cx:.1f},{cy:.1f} l{r.uniform(-1, 1):.1f},{r.uniform(8, 18):.1f}", "none", 1, stroke=sh))
    else:
        out.append(L.rect(x, y + 2, w, 3, hi, 0))
        out.append(L.rect(x, y + h - 5, w, 5, sh, 0))
        for _ in range(int(w / 40)):
            cx = r.uniform(x + 6, x + w - 20)
            cy = r.uniform(y + 6, y + h - 8)
            out.append(L.path(f"M{cx:.1f},{cy:.1f} l{r.uniform(8, 18):.1f},{r.uniform(-1, 1):.1f}", "none", 1, stroke=sh))
    out.append(L.rect(x, y, w, h, "none", 2))
    return "".join(out)


def rope(x1, y1, x2, y2, w=3):
    """A hemp rope: ink edges, a light core and twist marks."""
    n = max(1, int(math.hypot(x2 - x1, y2 - y1) / 6))
    out = [L.line(x1, y1, x2, y2, w + 2, INK), L.line(x1, y1, x2, y2, w, ROPE)]
    for k in range(n):
        t = (k + 0.5) / n
        px, py = x1 + (x2 - x1) * t, y1 + (y2 - y1) * t
        out.append(f'<path d="M{px - 1.4:.1f},{py - 1.2:.1f} L{px + 1.4:.1f},{py + 1.2:.1f}" stroke="{ROPE_SH}" stroke-width="1.1"/>')
    return "".join(out)


def chain(x1, y1, x2, y2):
    n = max(2, int(math.hypot(x2 - x1, y2 - y1) / 5))
    out = []
    for k in range(n):
        t = (k + 0.5) / n
        px, py = x1 + (x2 - x1) * t, y1 + (y2 - y1) * t
        if k % 2 == 0:
            out.append(L.ellipse(px, py, 1.6, 3, "none", 1.6, stroke="#4a4038"))
        else:
            out.append(L.line(px, py - 2.5, px, py + 2.5, 1.8, "#4a4038"))
    return "".join(out)


def nail(x, y):
    return L.circle(x, y, 2, "#7a7068", 1) + L.circle(x - 0.6, y - 0.6, 0.7, "#c8c0b8", 0)


def badge(cx, cy, r):
    """The deputy's six-pointed star, small."""
    pts = []
    for k in range(12):
        a = math.radians(-90 + k * 30)
        rr = r if k % 2 == 0 else r * 0.52
        pts.append(f"{cx + rr * math.cos(a):.1f},{cy + rr * math.sin(a):.1f}")
    out = [L.path("M" + " L".join(pts) + " Z", GOLD, 1.6)]
    for k in range(0, 12, 2):
        a = math.radians(-90 + k * 30)
        out.append(L.circle(cx + r * 1.05 * math.cos(a), cy + r * 1.05 * math.sin(a), r * 0.14, GOLD, 1))
    out.append(L.circle(cx, cy, r * 0.3, GOLD_HI, 1))
    return "".join(out)


def bullet(cx, cy, s=1.0, fill="#c8a040"):
    """A cartridge standing upright, for difficulty marks."""
    return L.g(L.path("M-4,0 L-4,-14 Q0,-22 4,-14 L4,0 Z", "#b0a8a0", 1.5) +
               L.rect(-5, -2, 10, 6, fill, 1.5) + L.path("M-2,-15 Q0,-19 1,-16", "none", 1, stroke="#ffffff"),
               cx, cy, s)


def check(name, w, h, rects, drawn):
    """Every drawn button of a picture lies inside its hot rectangle."""
    for key, (x1, y1, x2, y2) in rects.items():
        bx1, by1, bx2, by2 = drawn[key]
        if not (x1 < bx1 and bx2 < x2 and y1 < by1 and by2 < y2 and 0 <= bx1 and bx2 <= w and by2 <= h):
            raise SystemExit(f"{name}: {key} drawn at {drawn[key]} outside {rects[key]}")


# ------------------------------------------------------------------ the sundown backdrop
def sundown_sky(id_, y0, y1):
    stops = [(0, "#0e0a18"), (0.22, "#2a1a3e"), (0.48, "#6e3462"), (0.7, "#c8586a"),
             (0.86, "#f2944a"), (1, "#f8c46a")]
    s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
    return f'<linearGradient id="{id_}" gradientUnits="userSpaceOnUse" x1="0" y1="{y0}" x2="0" y2="{y1}">{s}</linearGradient>'


def make_bck():
    W, H, HOR = 640, 200, 142
    defs = [sundown_sky("sky", 0, HOR),
            '<linearGradient id="gnd" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#8a4634"/>'
            '<stop offset="0.45" stop-color="#5a2a26"/><stop offset="1" stop-color="#0c0606"/></linearGradient>',
            '<radialGradient id="sunglow"><stop offset="0" stop-color="#ffe7a0" stop-opacity="0.9"/>'
            '<stop offset="0.4" stop-color="#ffc46a" stop-opacity="0.45"/><stop offset="1" stop-color="#f8a050" stop-opacity="0"/></radialGradient>',
            '<linearGradient id="road" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#c86e48"/>'
            '<stop offset="1" stop-color="#2a1410"/></linearGradient>']
    b = [L.rect(0, 0, W, HOR + 2, "url(#sky)", 0)]
    r = random.Random(7)
    for _ in range(40):  # first stars of the night, only where the sky is dark
        x, y = r.uniform(4, 636), r.uniform(3, 50)
        b.append(L.circle(round(x), round(y), r.choice((0.7, 0.9, 1.2)), "#f4ecd6", 0,
                          extra=f'opacity="{r.uniform(0.35, 0.85):.2f}"'))
    b.append(L.circle(560, 26, 9, "#f2ecd0", 0, extra='opacity="0.9"') + L.circle(565, 22, 8, "#1a1230", 0))
    # thin clouds lit from below
    for cx, cy, w in ((210, 92, 120), (470, 78, 150), (80, 108, 90), (600, 104, 70)):
        b.append(L.path(f"M{cx - w / 2},{cy} q{w * 0.25},-7 {w * 0.5},-3 t{w * 0.5},1 q-{w * 0.3},6 -{w},2 Z",
                        "#f49a70", 0, extra='opacity="0.55"'))
        b.append(L.path(f"M{cx - w / 2 + 6},{cy + 1} h{w - 16}", "none", 1.5, stroke="#ffd08a"))
    # the sun going down behind the mesas
    b.append(L.circle(330, HOR, 90, "url(#sunglow)", 0))
    b.append(L.circle(330, HOR, 36, "#fbd77a", 0) + L.circle(330, HOR, 28, "#fde6a0", 0))
    # far mesas
    mesa = "#6a3050"
    b.append(L.path(f"M0,{HOR} L0,118 L24,116 L34,108 L92,108 L104,118 L140,120 L150,{HOR} Z", mesa, 0))
    b.append(L.path(f"M440,{HOR} L452,112 L470,104 L540,104 L552,112 L580,114 L592,{HOR} Z", mesa, 0))
    b.append(L.path(f"M560,{HOR} L600,124 L640,122 L640,{HOR} Z", mesa, 0))
    # the town on the horizon: false fronts, a water tower, lit windows
    sil = "#3a2230"
    d = (f"M150,{HOR} L150,128 L176,128 L176,120 L206,120 L206,130 L222,130 L222,114 L258,114 L258,126 "
         f"L270,126 L270,106 L282,100 L294,106 L294,{HOR - 6} L368,{HOR - 6} L368,118 L396,118 L396,110 L430,110 "
         f"L430,124 L446,124 L446,{HOR} Z")
    b.append(L.path(d, sil, 2))
    b.append(L.path("M380,110 L384,94 M392,110 L388,94", "none", 2, stroke=sil))
    b.append(L.path("M376,94 L396,94 L398,84 L374,84 Z", sil, 2))
    for wx, wy in ((184, 126), (232, 120), (244, 120), (404, 116), (414, 116), (279, 112), (436, 128)):
        b.append(L.rect(wx, wy, 5, 5, "#f6c66a", 0))
    # the plain
    b.append(L.rect(0, HOR, W, H - HOR, "url(#gnd)", 0))
    b.append(L.path(f"M300,{HOR} L360,{HOR} L470,{H} L200,{H} Z", "url(#road)", 0))
    b.append(L.path(f"M0,{HOR} L{W},{HOR}", "none", 2.5))
    for i in range(26):
        x = r.uniform(0, W)
        y = r.uniform(HOR + 6, H - 20)
        b.append(L.path(f"M{x:.0f},{y:.0f} q6,-2 12,0", "none", 1.3, stroke="#3a1a16"))
    # sagebrush and cacti as dark shapes against the last light
    for x, y, s in ((176, 176, 0.55), (604, 186, 0.7), (520, 158, 0.35), (250, 154, 0.3)):
        b.append(L.cactus(x, y, s, "#2a1a1e", "#1e1216"))
    for x, y in ((150, 168), (420, 172), (560, 160), (30, 190)):
        b.append(L.ellipse(x, y, 12, 5, "#2a1a1e", 1.5))
    # dust haze where the sky meets the plain
    b.append(L.rect(0, HOR + 1, W, 6, "#f8b060", 0, extra='opacity="0.35"'))
    save("bck", W, H, "\n".join(b), "".join(defs),
         "Main menu and options backdrop, 640 x 200, opaque: Deadeye Gulch on the horizon at sundown.")


# ------------------------------------------------------------------ the main menu signpost
def make_menuleft():
    W, H = 139, 310
    b = []
    drawn = {}
    # the post, its cap and the stones at its foot
    b.append(beam(14, 4, 18, 294, DARKWOOD, DARKWOOD_SH, DARKWOOD_HI, vertical=True, seed=4))
    for sx, sy, rx, ry, c in ((10, 300, 12, 8, "#6a5a50"), (34, 302, 13, 7, "#57483f"),
                              (22, 294, 11, 7, "#7a6a5c"), (48, 304, 9, 5, "#5a4a40")):
        b.append(L.ellipse(sx, sy, rx, ry, c, 2))
    # title board
    bx, by, bw, bh = 3, 40, 133, 82
    b.append(board(bx, by, bw, bh, DARKWOOD, DARKWOOD_SH, DARKWOOD_HI, seed=11, planks=2))
    b.append(L.rect(bx + 5, by + 5, bw - 10, bh - 10, "none", 1.5, stroke=GOLD_SH))
    b.append(label(bx + bw / 2, by + 24, "DEADEYE", TITLE, bw - 18, 26, GOLD, stroke=INK, sw=3, shadow="#1a0e08"))
    b.append(label(bx + bw / 2, by + 57, "GULCH", TITLE, bw - 30, 34, GOLD, stroke=INK, sw=3, shadow="#1a0e08"))
    # hung from a crossarm on the post by two chains
    b.append(beam(6, 8, 128, 10, DARKWOOD, DARKWOOD_SH, DARKWOOD_HI, seed=5))
    b.append(chain(22, 17, 22, by + 2) + chain(118, 17, 118, by + 2))
    b.append(nail(23, 13) + L.path("M10,18 L22,30 M36,18 L24,30", "none", 4, stroke=DARKWOOD_SH))
    # a lantern on an iron arm
    b.append(L.path("M32,134 L66,134 M32,146 Q44,134 56,134", "none", 3, stroke="#3a3330"))
    b.append(L.rect(30, 130, 5, 20, "#3a3330", 1.5))
    b.append(L.lantern(62, 148, lit=True, flame=1.0))
    # the three buttons: arrow boards on iron straps, each inside its hot rectangle
    items = (("new", ("NEW", "GAME"), (43, 173, 45, 30)),
             ("options", ("OPTIONS",), (43, 223, 76, 38)),
             ("quit", ("QUIT",), (43, 273, 44, 30)))
    for i, (key, lines, (x, y, w, h)) in enumerate(items):
        b.append(L.rect(30, y + h / 2 - 3, 15, 6, "#3a3330", 1.5) + nail(37, y + h / 2))
        tip = 8
        b.append(board(x, y, w, h, PALE, PALE_SH, PALE_HI, seed=20 + i, shape="right", nails=False, tip=tip))
        inner = w - tip - 5  # lettering clear of the pointed end and 4 px from the left edge
        cx = x + 4 + inner / 2
        if len(lines) == 2:
            (s0, q0), (s1, q1) = fit(lines[0], TITLE, inner, 12.5, minsx=0.7), fit(lines[1], TITLE, inner, 12.5, minsx=0.7)
            s, q = min(s0, s1), min(q0, q1)
            cap = s * 0.72
            b.append(letters(cx, y + h / 2 - 2, lines[0], s, INK, TITLE, sx=q))
            b.append(letters(cx, y + h / 2 + 2 + cap, lines[1], s, INK, TITLE, sx=q))
        else:
            b.append(label(cx, y + h / 2, lines[0], TITLE, inner, 17, INK, minsx=0.72))
        drawn[key] = (x - 1, y - 1, x + w + 1, y + h + 1)
    check("menuleft", W, H, BUTTONS["menuleft"], drawn)
    save("menuleft", W, H, "\n".join(b), "",
         "Main menu signpost, 139 x 310, masked, drawn at (0, 76): the town's name board and the boards "
         "NEW GAME, OPTIONS, QUIT inside their hot rectangles.")


def wanted_face(cx, cy, s):
    """A bandit's head and shoulders for the posters, drawn in ink on paper tones."""
    return L.g(L.person("bandit", "stand", 0, 0, 1, shadow=False), cx, cy, s)


def make_wanteds():
    W, H = 95, 117
    x0, y0, x1, y1 = 4, 5, 87, 114
    b = []
    d = (f"M{x0},{y0 + 2} L{x0 + 20},{y0} L{x0 + 24},{y0 + 3} L{x1},{y0 + 1} L{x1 - 1},{y0 + 40} L{x1 + 1},{y0 + 46} "
         f"L{x1},{y1} L{x0 + 60},{y1 - 1} L{x0 + 55},{y1 + 1} L{x0},{y1} L{x0 + 1},{y0 + 70} L{x0 - 1},{y0 + 64} Z")
    b.append(L.path(d, PAPER, 2))
    b.append(L.path(f"M{x1 - 14},{y1} L{x1},{y1 - 14} L{x1 - 12},{y1 - 12} Z", PAPER_SH, 1.5))
    b.append(label(46, 19, "WANTED", TITLE, 72, 18, INK))
    b.append(L.line(14, 29, 78, 29, 1.5))
    # portrait
    px, py, pw, ph = 26, 33, 40, 36
    b.append(L.rect(px, py, pw, ph, "#e6cc94", 1.5))
    b.append(f'<clipPath id="wf"><rect x="{px}" y="{py}" width="{pw}" height="{ph}"/></clipPath>')
    b.append(f'<g clip-path="url(#wf)">{wanted_face(46, 121, 0.42)}</g>')
    b.append(L.rect(px, py, pw, ph, "none", 1.5))
    b.append(label(46, 80, "TOP TEN", CAPTION, 70, 13, INK))
    b.append(label(46, 96, "GUNS", TITLE, 60, 14, RED))
    b.append(nail(46, 9))
    check("wanteds", W, H, BUTTONS["wanteds"], {"poster": (x0 - 2, y0 - 1, x1 + 2, y1 + 2)})
    save("wanteds", W, H, "\n".join(b), "",
         "Main menu wanted poster, 95 x 117, masked, drawn at (475, 315): opens the top-ten table.")


# ------------------------------------------------------------------ the difficulty screen
COLS = ((0, 214, "THE GOOD", ("AUTO RELOAD", "SLOW BANDITS"), 1),
        (214, 209, "THE BAD", ("RIGHT CLICK RELOADS", "QUICKER BANDITS"), 2),
        (423, 217, "THE UGLY", ("ONE BULLET A CLICK", "HITS HURT MORE"), 3))
COL_SKY = (["#86b6cc", "#b9d2cf", "#f0dcaa"],
           ["#5a3a66", "#c8586a", "#f2944a"],
           ["#0e1430", "#262c58", "#4a3a62"])
COL_GROUND = (("#d8ac74", "#b88a55"), ("#b06a4a", "#8a4a36"), ("#4a4060", "#342c48"))


def column(i, lit):
    """One column of the difficulty screen in its own coordinates (w x 480)."""
    x0, w, title, hints, marks = COLS[i]
    defs, b = [], []
    sky = COL_SKY[i]
    defs.append(f'<linearGradient id="csky{i}" x1="0" y1="0" x2="0" y2="1">'
                f'<stop offset="0" stop-color="{sky[0]}"/><stop offset="0.6" stop-color="{sky[1]}"/>'
                f'<stop offset="1" stop-color="{sky[2]}"/></linearGradient>')
    if lit:
        defs.append(f'<radialGradient id="cglow{i}"><stop offset="0" stop-color="#fff0b0" stop-opacity="0.85"/>'
                    f'<stop offset="0.55" stop-color="#ffc860" stop-opacity="0.4"/>'
                    f'<stop offset="1" stop-color="#ff9a40" stop-opacity="0"/></radialGradient>')
    m = 6  # panel inset inside the column
    pw, ph = w - 2 * m, 480 - 2 * m
    b.append(L.rect(0, 0, w, 480, "#120a06", 0))
    defs.append(f'<clipPath id="cc{i}"><rect x="{m}" y="{m}" width="{pw}" height="{ph}"/></clipPath>')
    art = [L.rect(m, m, pw, ph, f"url(#csky{i})", 0)]
    gy = 330
    if i == 2:
        r = random.Random(5)
        for _ in range(24):
            art.append(L.circle(r.uniform(10, w - 10), r.uniform(90, 250), r.choice((0.8, 1.1)), "#e8ecff", 0))
        art.append(L.circle(w - 46, 118, 16, "#f2ecd0", 2) + L.circle(w - 39, 112, 13, sky[0], 0))
    elif i == 1:
        art.append(L.circle(w / 2 + 50, gy, 46, "#fbd77a", 0) + L.circle(w / 2 + 50, gy, 36, "#fde6a0", 0))
    else:
        art.append(L.circle(34, 130, 20, "#fff4c8", 2))
    # a false front or two on the horizon
    fronts = {0: ("#c9a673", "#8d6a42"), 1: ("#9a5a44", "#6a3a2c"), 2: ("#3e4a5c", "#242c3a")}[i]
    art.append(L.path(f"M{m},{gy} L{m},{gy - 70} L{m + 56},{gy - 70} L{m + 56},{gy - 54} L{m + 80},{gy - 54} L{m + 80},{gy} Z",
                      fronts[0], 2))
    art.append(L.path(f"M{w - m},{gy} L{w - m},{gy - 60} L{w - m - 60},{gy - 60} L{w - m - 60},{gy} Z", fronts[0], 2))
    for wx in (m + 14, m + 34, w - m - 44, w - m - 24):
        art.append(L.rect(wx, gy - 46, 10, 14, "#f6c66a" if i == 2 else "#3b3a48", 1.5))
    ga, gb = COL_GROUND[i]
    art.append(L.rect(0, gy, w, 480 - gy, ga, 0) + L.line(0, gy, w, gy, 2.5))
    for k in range(8):
        gx = (k * 53 + 17 * i) % (w - 20) + 8
        art.append(L.path(f"M{gx},{gy + 14 + (k * 23) % 60} q8,-3 16,0", "none", 1.5, stroke=gb))
    if lit:
        art.append(L.ellipse(w / 2, 230, w * 0.62, 190, f"url(#cglow{i})", 0))
    # the figure
    cx = w / 2
    fs, fy = 1.16, gy + 16
    if i == 0:
        # the deputy with an open, friendly face
        art.append(L.person("good", "stand", cx, fy, fs))
        art.append(L.g(L.path(L.star(-15, -118, 8, 3.6), GOLD, 1.5) + L.path("M-8,-148 Q0,-141 8,-148", "none", 2.2),
                       cx, fy, fs))
    elif i == 1:
        art.append(L.person("bandit", "draw", cx - 6, fy, fs, gunhand="right", legs="spread"))
    else:
        art.append(L.person("boss", "fists", cx, fy, fs, gunhand="right", legs="spread"))
        # a squint and a broken nose make him the ugly one
        art.append(L.g(L.path("M-12,-166 L-3,-160", "none", 3) + L.path("M-1,-156 L3,-150 L-2,-148", "none", 2)
                       + L.path("M6,-140 L10,-137", "none", 2), cx, fy, fs))
    if lit:
        art.append(L.rect(m, m, pw, ph, "#ffb040", 0, extra='opacity="0.16"'))
    else:
        art.append(L.rect(m, m, pw, ph, "#1a1028", 0, extra='opacity="0.22"'))
    b.append(f'<g clip-path="url(#cc{i})">{"".join(art)}</g>')
    # title banner
    tb_y, tb_h = 22, 60
    b.append(board(m + 8, tb_y, pw - 16, tb_h, DARKWOOD, DARKWOOD_SH, DARKWOOD_HI, seed=40 + i, planks=2))
    b.append(label(w / 2, tb_y + tb_h / 2, title, TITLE, pw - 16 - 16, 34,
                   "#ffd860" if lit else GOLD, stroke=INK, sw=3, shadow="#1a0e08"))
    # hint caption
    cy0, ch = 372, 62
    cap = "#ffe48a" if lit else "#f5d77a"
    b.append(L.rect(m + 11, cy0 + 3, pw - 16, ch, "#7a5230", 0))
    b.append(L.rect(m + 8, cy0, pw - 16, ch, cap, 2.5))
    s = min(fit(h, CAPTION, pw - 16 - 24, 15)[0] for h in hints)   # 12 px clear each side
    for k, h in enumerate(hints):
        b.append(label(w / 2, cy0 + 19 + k * 24, h, CAPTION, pw - 16 - 24, s, INK))
    # difficulty marks: one, two or three cartridges
    for k in range(marks):
        b.append(bullet(w / 2 + (k - (marks - 1) / 2) * 18, 462, 1.0, "#d8b040"))
    # the inked panel frame; gold when lit
    if lit:
        b.append(L.rect(m - 2, m - 2, pw + 4, ph + 4, "none", 6, stroke=INK))
        b.append(L.rect(m - 2, m - 2, pw + 4, ph + 4, "none", 3, stroke="#ffd24a"))
    else:
        b.append(L.rect(m, m, pw, ph, "none", 4))
    return "".join(b), "".join(defs)


def make_difficulty():
    body, defs = [], []
    for i in range(3):
        x0, w = COLS[i][0], COLS[i][1]
        cb, cd = column(i, False)
        body.append(f'<g transform="translate({x0},0)">{cb}</g>')
        defs.append(cd)
        lb, ld = column(i, True)
        save("m02" + "abc"[i], w, 480, lb, ld,
             f"Difficulty screen, lit column {i}: {w} x 480, opaque, drawn at ({x0}, 0).")
    save("m02", 640, 480, "\n".join(body), "".join(defs),
         "Difficulty screen, 640 x 480, opaque: the good (x 0..213), the bad (214..422), the ugly (423..639).")


# ------------------------------------------------------------------ the options gallows
ROPE_X = (108, 182, 264)          # rope centres in menuhang (screen x 328, 402, 484)
ROPE_END = 210                    # below the lowest figure top (201) plus a margin


def make_menuhang():
    W, H = 365, 480
    b = []
    deck = 338
    # posts, beam and braces
    b.append(beam(22, 20, 20, 458, WOOD, WOOD_SH, WOOD_HI, vertical=True, seed=6))
    b.append(beam(320, 20, 20, 458, WOOD, WOOD_SH, WOOD_HI, vertical=True, seed=7))
    b.append(L.path("M42,92 L42,80 L82,46 L96,46 Z", WOOD, 2) + L.path("M320,92 L320,80 L280,46 L266,46 Z", WOOD, 2))
    b.append(beam(4, 22, 357, 26, WOOD, WOOD_SH, WOOD_HI, seed=8))
    for x in (32, 330):
        b.append(nail(x, 30) + nail(x, 40))
    # under the deck: cross braces and a ladder of boards, in shadow
    b.append(L.path(f"M42,{deck + 16} L320,470 M320,{deck + 16} L42,470", "none", 10, stroke=INK))
    b.append(L.path(f"M42,{deck + 16} L320,470 M320,{deck + 16} L42,470", "none", 6, stroke=WOOD_SH))
    b.append(L.rect(10, 470, 345, 8, "#3a2a20", 2))
    # the deck with its three trapdoors
    b.append(beam(0, deck, W, 14, PALE, PALE_SH, PALE_HI, seed=9))
    for x in ROPE_X:
        b.append(L.line(x - 24, deck + 2, x - 24, deck + 12, 1.5) + L.line(x + 24, deck + 2, x + 24, deck + 12, 1.5))
    # ropes: coiled on the beam, down to below the lowest place of the dummies
    for x in ROPE_X:
        b.append(rope(x, 44, x, ROPE_END))
        b.append(L.path(f"M{x - 6},{20} Q{x},{16} {x + 6},{20} L{x + 6},{48} Q{x},{52} {x - 6},{48} Z", ROPE, 2))
        for k in range(4):
            b.append(L.line(x - 6, 24 + k * 7, x + 6, 27 + k * 7, 1.5, ROPE_SH))
    # name plaques nailed under the beam, clear of the ropes' coils
    plaques = (("MUSIC", "▲ LOUDER"), ("SOUND", "▲ LOUDER"), ("MOUSE", "▼ SLOWER"))
    for x, (word, hint) in zip(ROPE_X, plaques):
        pw, ph, py = 66, 38, 54
        b.append(board(x - pw / 2, py, pw, ph, PALE, PALE_SH, PALE_HI, seed=x, nails=True))
        b.append(rope(x, 48, x, py + 1))
        b.append(label(x, py + 15, word, TITLE, pw - 10, 15, INK))
        b.append(label(x, py + 29, hint, SANS, pw - 10, 11, RED))
    save("menuhang", W, H, "\n".join(b), "",
         "Options gallows, 365 x 480, masked, drawn at (220, 0): ropes at screen x 328, 402, 484 reach "
         "y 210, below the lowest top of the dummies (201); plaques MUSIC, SOUND, MOUSE.")


def dummy(kind):
    """A stuffed dummy 40 x 134 hanging from a ring on its hat: rope 0..18, feet at 132."""
    c = {"music": ("#6a9a58", "#4a7a3e", "#c9a06e", "#9c7648", "#5a6684"),
         "sound": ("#5f86b8", "#44668e", "#b8885a", "#8a6240", "#6b5a4a"),
         "mouse": ("#e0b848", "#b89030", "#7a5a3a", "#553c24", "#5a6684")}[kind]
    shirt, shirt_sh, hat, hat_sh, trousers = c
    sack, sack_sh = "#e2c48e", "#c0a06a"
    b = [rope(20, 0, 20, 18)]
    b.append(L.ellipse(20, 19, 3.5, 3, "none", 2, stroke="#5a5048"))
    # legs pressed together, boots
    b.append(L.rect(11, 96, 9, 28, trousers, 1.8) + L.rect(20, 96, 9, 28, trousers, 1.8))
    b.append(L.rect(13, 104, 4, 5, "#c9a06e", 1))  # a patch
    b.append(L.path("M10,122 L20,122 L20,132 L6,132 L6,128 Z", "#4a3020", 1.8) +
             L.path("M20,122 L30,122 L34,128 L34,132 L20,132 Z", "#4a3020", 1.8))
    # body
    b.append(L.path("M9,56 Q20,52 31,56 L32,98 L8,98 Z", shirt, 2))
    b.append(L.path("M24,55 Q29,56 31,56 L32,98 L25,98 Z", shirt_sh, 0))
    b.append(L.rect(8, 90, 24, 5, "#4a2e1a", 1.4) + L.rect(17, 89, 6, 7, "#d8b040", 1.2))
    for yy in (66, 76, 86):
        b.append(L.circle(20, yy, 1.1, INK, 0))
    # head: a stitched sack, button eyes, a painted grin
    b.append(L.ellipse(20, 44, 11, 12, sack, 2))
    b.append(L.path("M26,35 Q31,44 26,54 Q29,44 26,35 Z", sack_sh, 0))
    b.append(L.circle(16, 42, 2.2, INK, 0) + L.circle(24, 42, 2.2, INK, 0))
    b.append(L.circle(15.4, 41.4, 0.6, "#ffffff", 0) + L.circle(23.4, 41.4, 0.6, "#ffffff", 0))
    b.append(L.path("M14,49 Q20,53 26,49", "none", 1.5))
    b.append(L.path("M15,48 l1,2 M18,49.5 l0,2 M22,49.5 l0,2 M25,48 l-1,2", "none", 0.9))
    b.append(L.path("M12,54 L28,54", "none", 2.5, stroke="#b0563a"))
    # straw at the neck
    b.append(L.path("M13,56 l-3,3 M16,56 l-1,4 M25,56 l2,4 M28,56 l3,3", "none", 1.2, stroke="#e8c860"))
    # hat with the ring's eye on top
    b.append(L.ellipse(20, 33, 16, 3.5, hat, 1.8))
    b.append(L.path("M11,33 Q10,22 20,22 Q30,22 29,33 Z", hat, 1.8))
    b.append(L.rect(11, 28, 18, 3.5, hat_sh, 1.2))
    # arms and props
    if kind == "music":
        # fiddle under the chin, bow in the right hand
        b.append(L.path("M9,60 Q4,72 10,80", "none", 6, stroke=INK) + L.path("M9,60 Q4,72 10,80", "none", 3.5, stroke=shirt))
        b.append(L.path("M31,60 Q37,70 32,78", "none", 6, stroke=INK) + L.path("M31,60 Q37,70 32,78", "none", 3.5, stroke=shirt))
        fid = (L.ellipse(0, 6, 6, 7, "#a0522d", 1.5) + L.ellipse(0, -5, 5, 6, "#a0522d", 1.5) +
               L.rect(-1.5, -24, 3, 18, "#3a2418", 1) + L.rect(-2.5, -27, 5, 4, "#3a2418", 1) +
               L.line(-1, -2, -1, 10, 0.7, "#f0e0b0") + L.line(1, -2, 1, 10, 0.7, "#f0e0b0"))
        b.append(f'<g transform="translate(16,72) rotate(-40)">{fid}</g>')
        b.append(L.line(24, 58, 39, 90, 1.6, "#5a3a22") + L.line(24, 58, 39, 90, 0.6, "#f0e0b0"))
        b.append(L.circle(10, 80, 3, sack, 1.3) + L.circle(32, 78, 3, sack, 1.3))
    elif kind == "sound":
        # a hand bell swung high, ringing
        b.append(L.path("M9,60 Q4,74 9,84", "none", 6, stroke=INK) + L.path("M9,60 Q4,74 9,84", "none", 3.5, stroke=shirt))
        b.append(L.path("M31,60 Q37,54 35,44", "none", 6, stroke=INK) + L.path("M31,60 Q37,54 35,44", "none", 3.5, stroke=shirt))
        b.append(L.circle(9, 84, 3, sack, 1.3))
        bell = (L.rect(-1.5, -10, 3, 7, "#6e4424", 1) + L.path("M-7,8 Q-6,-4 0,-4 Q6,-4 7,8 Z", GOLD, 1.5) +
                L.circle(0, 9.5, 1.8, "#7a6a50", 1) + L.path("M-4,4 Q-4,-1 -1,-2", "none", 1, stroke=GOLD_HI))
        b.append(f'<g transform="translate(33,44) rotate(25)">{bell}</g>')
        b.append(L.circle(35, 42, 3, sack, 1.3))
    else:
        # a field mouse held up by its tail
        b.append(L.path("M9,60 Q4,74 9,84", "none", 6, stroke=INK) + L.path("M9,60 Q4,74 9,84", "none", 3.5, stroke=shirt))
        b.append(L.path("M31,60 Q37,70 33,80", "none", 6, stroke=INK) + L.path("M31,60 Q37,70 33,80", "none", 3.5, stroke=shirt))
        b.append(L.path("M33,80 Q36,84 33,88", "none", 1.4, stroke="#c88080"))
        mouse = (L.ellipse(0, 0, 5, 7.5, "#9a948c", 1.4) + L.circle(-3.8, -5, 2.6, "#c8a0a0", 1) +
                 L.circle(3.8, -5, 2.6, "#c8a0a0", 1) + L.circle(-1.8, 3, 0.9, INK, 0) + L.circle(1.8, 3, 0.9, INK, 0) +
                 L.circle(0, 7.2, 1.1, "#e07080", 0) + L.path("M-1,6 l-4,1 M1,6 l4,1", "none", 0.6))
        b.append(L.g(mouse, 33, 95))
        b.append(L.circle(9, 84, 3, sack, 1.3) + L.circle(33, 80, 3, sack, 1.3))
    return "".join(b)


def make_hangmen():
    cells = []
    for k, kind in enumerate(("music", "sound", "mouse")):
        cells.append(f'<g transform="translate({40 * k},0)"><svg width="40" height="134" viewBox="0 0 40 134">'
                     f'{dummy(kind)}</svg></g>')
    save("hangmen", 120, 134, "\n".join(cells), "",
         "Options sliders, 120 x 134, masked: three dummies of 40 x 134 (music, sound, mouse), each on its rope "
         "from the top of its cell; legs pressed together so the gallows rope behind never shows through.")


def make_mute():
    b = [L.circle(14, 15.5, 12.5, "#f4e6c4", 2)]
    b.append(L.path("M5,12.5 L9,12.5 L14,8 L14,23 L9,18.5 L5,18.5 Z", "#5a5048", 1.5))
    b.append(L.line(17, 11.5, 24, 19.5, 4.6, INK) + L.line(24, 11.5, 17, 19.5, 4.6, INK))
    b.append(L.line(17, 11.5, 24, 19.5, 2.6, "#d83a2a") + L.line(24, 11.5, 17, 19.5, 2.6, "#d83a2a"))
    save("mute", 28, 31, "\n".join(b), "", "Mute mark, 28 x 31, masked: a speaker crossed out on a light disc.")


def make_cancel():
    W, H = 71, 42
    x, y, w, h = 3, 4, 64, 33
    b = [board(x, y, w, h, PALE, PALE_SH, PALE_HI, seed=31, shape="left", nails=False)]
    tip = min(h * 0.45, 14)
    b.append(label(x + tip + (w - tip - 4) / 2, y + h / 2, "BACK", TITLE, w - tip - 8, 17, INK))
    check("cancel", W, H, BUTTONS["cancel"], {"back": (x - 1, y - 1, x + w + 1, y + h + 1)})
    save("cancel", W, H, "\n".join(b), "", "Options: the BACK board, 71 x 42, masked, drawn at (40, 280).")


def make_difsign(name, title, h, hint, tag=None):
    W = 259
    b = []
    x, y, w, bh = 3, 2, 253, 82
    b.append(board(x, y, w, bh, DARKWOOD, DARKWOOD_SH, DARKWOOD_HI, seed=len(name) * 7, planks=2))
    b.append(L.rect(x + 5, y + 5, w - 10, bh - 10, "none", 1.5, stroke=GOLD_SH))
    b.append(label(W / 2, y + 15, "DIFFICULTY", CAPTION, 120, 11, "#f0dcaa"))
    b.append(label(W / 2, y + 40, title, TITLE, w - 70, 30, GOLD, stroke=INK, sw=3, shadow="#1a0e08"))
    b.append(label(W / 2, y + 66, hint + "  -  CLICK TO CHANGE", CAPTION, w - 24, 11, "#f0dcaa"))
    for k in range({"difgood": 1, "difbad": 2, "difugly": 3}[name]):  # one, two or three cartridges
        b.append(bullet(x + 16 + k * 9, y + 22, 0.7) + bullet(x + w - 16 - k * 9, y + 22, 0.7))
    if tag:
        b.append(chain(W / 2 - 40, y + bh - 2, W / 2 - 40, 92) + chain(W / 2 + 40, y + bh - 2, W / 2 + 40, 92))
        b.append(board(W / 2 - 62, 90, 124, 22, PALE, PALE_SH, PALE_HI, seed=77, nails=False))
        b.append(label(W / 2, 101, tag, CAPTION, 110, 11, INK))
    save(name, W, h, "\n".join(b), "",
         f"Options: the difficulty sign {title}, {W} x {h}, masked, drawn at (280, 350).")


# ------------------------------------------------------------------ the quit sign
def make_yesno():
    W, H = 231, 449
    b = []
    drawn = {}
    # hung from two iron hooks by ropes
    for x in (36, 195):
        b.append(rope(x, 6, x, 34))
        b.append(L.path(f"M{x - 5},2 L{x + 5},2 L{x + 5},8 L{x - 5},8 Z", "#3a3330", 1.5))
    hx, hy, hw, hh = 4, 30, 223, 86
    b.append(board(hx, hy, hw, hh, DARKWOOD, DARKWOOD_SH, DARKWOOD_HI, seed=51, planks=2))
    b.append(L.rect(hx + 5, hy + 5, hw - 10, hh - 10, "none", 1.5, stroke=GOLD_SH))
    b.append(label(W / 2, hy + 32, "LEAVE TOWN?", TITLE, hw - 24, 30, GOLD, stroke=INK, sw=3, shadow="#1a0e08"))
    b.append(label(W / 2, hy + 62, "THE GAME ENDS HERE", CAPTION, hw - 40, 12, "#f0dcaa"))
    # the answer boards on short chains
    yes = (4, 124, 92, 52)
    no = (119, 143, 108, 52)
    for key, (x, y, w, h), word, col in (("yes", yes, "YES", RED), ("no", no, "NO", "#2e5a2e")):
        b.append(chain(x + 18, hy + hh - 2, x + 18, y + 3) + chain(x + w - 18, hy + hh - 2, x + w - 18, y + 3))
        b.append(board(x, y, w, h, PALE, PALE_SH, PALE_HI, seed=60 + x, nails=True))
        b.append(label(x + w / 2, y + h / 2 + 1, word, TITLE, w - 20, 30, col, stroke=INK, sw=1.2))
        drawn[key] = (x - 1, y - 1, x + w + 1, y + h + 1)
    check("yesno", W, H, BUTTONS["yesno"], drawn)
    save("yesno", W, H, "\n".join(b), "",
         "Quit dialog, 231 x 449, masked, drawn at (205, 31): LEAVE TOWN? with YES and NO boards inside "
         "their hot rectangles; the rest see-through.")


# ------------------------------------------------------------------ top ten and name entry
def make_wanted():
    W, H = 361, 446
    b, defs = [], []
    # the wall behind
    b.append(L.rect(0, 0, W, H, "#7a4e2c", 0))
    for x in range(0, W, 30):
        b.append(L.line(x, 0, x, H, 2, "#5a361c"))
    # the paper, a little torn at the edges
    r = random.Random(3)
    pts = []
    for k in range(0, 36):
        pts.append((4 + k * 10 + r.uniform(-1, 1), 3 + r.uniform(0, 2)))
    pts.append((357, 3))
    for k in range(1, 44):
        pts.append((356 + r.uniform(-1.5, 0.5), 3 + k * 10))
    pts.append((357, 443))
    for k in range(35, 0, -1):
        pts.append((4 + k * 10 + r.uniform(-1, 1), 442 - r.uniform(0, 2)))
    pts.append((3, 443))
    for k in range(43, 0, -1):
        pts.append((3 + r.uniform(-0.5, 1.5), 3 + k * 10))
    d = "M" + " L".join(f"{x:.1f},{y:.1f}" for x, y in pts) + " Z"
    defs.append('<radialGradient id="age" cx="0.5" cy="0.5" r="0.72"><stop offset="0.7" stop-color="#f4e4bc"/>'
                '<stop offset="1" stop-color="#dcc28a"/></radialGradient>')
    b.append(L.path(d, "url(#age)", 2))
    # heading
    b.append(label(W / 2, 38, "WANTED", TITLE, 300, 54, INK, shadow="#c9a96c"))
    b.append(L.line(40, 66, 321, 66, 2) + L.line(40, 70, 321, 70, 1))
    b.append(label(W / 2, 84, "THE TOP TEN GUNS", CAPTION, 260, 18, RED))
    # the ornament leaves its middle free for a one-line message (x 125..236)
    b.append(path_stars(W / 2, 100, gap=True))
    # a double ruled frame round the table, inside the paper, outside the
    # rows' area (x 30..330, y 115..385)
    b.append(L.rect(27, 111, 307, 278, "none", 1.5, stroke="#8a6a44"))
    b.append(L.rect(24, 108, 313, 284, "none", 1, stroke="#8a6a44"))
    # rank numerals in the left margin, centred on each score row
    for k in range(10):
        b.append(L.text(14, 115 + 27 * k + 18, str(k + 1), 10 if k < 9 else 8.5, "#8a6a44", CAPTION, "bold"))
    # corner nails
    for x, y in ((12, 10), (349, 10), (12, 434), (349, 434)):
        b.append(nail(x, y))
    save("wanted", W, H, "\n".join(b), "".join(defs),
         "Top-ten poster, 361 x 446, opaque, drawn at (150, 22): rows are printed over the calm paper "
         "x 30..330, y 115..385; the strip y 396..436 takes the player's score, the gap in the "
         "ornament x 125..236, y 92..108 a one-line message.")


def path_stars(cx, cy, gap=False):
    """Five stars joined by rules; with gap, the middle star and its rules stay out."""
    out = []
    for dx in ((-120, -72, 72, 120) if gap else (-96, -48, 0, 48, 96)):
        out.append(L.path(L.star(cx + dx, cy, 5, 2.2), RED if dx in (0, -120, 120) else "#8a6a44", 0))
    if gap:
        out.append(L.line(cx - 110, cy, cx - 82, cy, 1, "#8a6a44") + L.line(cx + 82, cy, cx + 110, cy, 1, "#8a6a44"))
        return "".join(out)
    out.append(L.line(cx - 86, cy, cx - 58, cy, 1, "#8a6a44") + L.line(cx + 58, cy, cx + 86, cy, 1, "#8a6a44"))
    out.append(L.line(cx - 38, cy, cx - 10, cy, 1, "#8a6a44") + L.line(cx + 10, cy, cx + 38, cy, 1, "#8a6a44"))
    return "".join(out)


def make_name():
    W, H = 327, 108
    b = []
    b.append(board(2, 2, 323, 103, DARKWOOD, DARKWOOD_SH, DARKWOOD_HI, seed=91, planks=3))
    b.append(L.rect(7, 7, 313, 93, "none", 1.5, stroke=GOLD_SH))
    b.append(label(W / 2, 30, "YOUR NAME, DEPUTY?", TITLE, 270, 24, GOLD, stroke=INK, sw=3, shadow="#1a0e08"))
    # the field the name is typed into (text at 55, 60; 20 cells of 10 x 15)
    b.append(L.rect(48, 54, 214, 27, "#f8ecca", 2))
    b.append(L.rect(50, 56, 210, 3, "#e2cc9a", 0))
    b.append(badge(27, 68, 14) + badge(W - 27 - 8, 68, 14))
    b.append(label(W / 2, 93, "TYPE IT, THEN PRESS ENTER", CAPTION, 200, 10, "#f0dcaa"))
    save("name", W, H, "\n".join(b), "",
         "Name entry panel, 327 x 108, masked, drawn at (180, 180): the light field x 48..262, y 54..81 "
         "takes the typed name at (55, 60).")


if __name__ == "__main__":
    make_bck()
    make_menuleft()
    make_wanteds()
    make_difficulty()
    make_menuhang()
    make_hangmen()
    make_mute()
    make_cancel()
    make_difsign("difgood", "THE GOOD", 115, "AUTO RELOAD", tag="FOR GREENHORNS")
    make_difsign("difbad", "THE BAD", 87, "RIGHT CLICK RELOADS")
    make_difsign("difugly", "THE UGLY", 87, "ONE BULLET A CLICK")
    make_yesno()
    make_wanted()
    make_name()
