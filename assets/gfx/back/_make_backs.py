#!/usr/bin/env python3
# Writes the street backgrounds as SVG text: one setting per part of town
# (day, sunset, night) and, for every level of a part, its own variant of the
# setting: the hour moving on, signs repainted or a shop changed hands, props
# on the boardwalk and on the skyline.  Every background carries the dark
# track of the kill bar at its right edge.
#   usage: _make_backs.py OUTDIR
import random, sys, os
INK = "#2a1a10"
OUT = sys.argv[1]

def planks(x0, x1, y0, y1, fill, line, step=11, seed=1, vertical=False):
    r = random.Random(seed)
    s = [f'<rect x="{x0}" y="{y0}" width="{x1-x0}" height="{y1-y0}" fill="{fill}"/>']
    if vertical:
        x = x0 + step
        while x < x1:
            s.append(f'<path d="M{x} {y0}V{y1}" stroke="{line}" stroke-width="1.5"/>')
            x += step
    else:
        y = y0 + step
        while y < y1:
            s.append(f'<path d="M{x0} {y}H{x1}" stroke="{line}" stroke-width="1.5"/>')
            # butt joints
            jx = x0 + r.randint(10, 120)
            while jx < x1 - 6:
                s.append(f'<path d="M{jx} {y-step+1}V{y-1}" stroke="{line}" stroke-width="1.2"/>')
                jx += r.randint(70, 150)
            y += step
    # a few knots and grain
    for _ in range(int((x1-x0)*(y1-y0)/2600)):
        kx = r.uniform(x0+4, x1-4); ky = r.uniform(y0+3, y1-3)
        s.append(f'<ellipse cx="{kx:.1f}" cy="{ky:.1f}" rx="{r.uniform(1.5,3):.1f}" ry="1.2" fill="none" stroke="{line}" stroke-width="1"/>')
    return "\n".join(s)

def bricks(x0, x1, y0, y1, fill, line, seed=3):
    r = random.Random(seed)
    s = [f'<rect x="{x0}" y="{y0}" width="{x1-x0}" height="{y1-y0}" fill="{fill}"/>']
    y = y0; row = 0
    while y < y1:
        s.append(f'<path d="M{x0} {y}H{x1}" stroke="{line}" stroke-width="1.3"/>')
        off = 0 if row % 2 == 0 else 12
        x = x0 + off
        while x < x1:
            s.append(f'<path d="M{x} {y}V{min(y+9,y1)}" stroke="{line}" stroke-width="1.3"/>')
            x += 24
        y += 9; row += 1
    return "\n".join(s)

def adobe(x0, x1, y0, y1, fill, line, seed=5):
    r = random.Random(seed)
    s = [f'<rect x="{x0}" y="{y0}" width="{x1-x0}" height="{y1-y0}" fill="{fill}"/>']
    for _ in range(int((x1-x0)*(y1-y0)/4000)):
        cx = r.uniform(x0+8, x1-8); cy = r.uniform(y0+8, y1-8)
        d = f"M{cx:.0f} {cy:.0f}"
        for k in range(3):
            cx += r.uniform(-6, 6); cy += r.uniform(3, 8)
            d += f"L{cx:.0f} {cy:.0f}"
        s.append(f'<path d="{d}" fill="none" stroke="{line}" stroke-width="1"/>')
    return "\n".join(s)

def door(x, P):
    # x = left edge of the door leaf (30, 251, 473); leaf 102 x 236 at y 83
    L, R = x, x + 102
    s = []
    # dark interior with a hint of floor and back wall
    s.append(f'<rect x="{L-1}" y="80" width="104" height="240" fill="{P["int"]}"/>')
    s.append(f'<rect x="{L-1}" y="282" width="104" height="38" fill="{P["intfloor"]}"/>')
    s.append(f'<path d="M{L+8} 282H{R-8}" stroke="{P["intline"]}" stroke-width="2"/>')
    if P.get("intglow"):
        s.append(f'<ellipse cx="{L+51}" cy="150" rx="46" ry="70" fill="{P["intglow"]}" opacity="0.35"/>')
    # posts (inside the frame zone) and lintel
    pl, pr = L - 16, R
    for px in (pl, pr):
        s.append(f'<rect x="{px}" y="76" width="16" height="246" fill="{P["frame"]}" stroke="{INK}" stroke-width="2"/>')
        s.append(f'<rect x="{px+2}" y="88" width="4" height="230" fill="{P["framehi"]}"/>')
        s.append(f'<rect x="{px+11}" y="88" width="4" height="230" fill="{P["framesh"]}"/>')
        s.append(f'<path d="M{px+8} 110v18M{px+9} 200v26M{px+7} 262v14" stroke="{P["framesh"]}" stroke-width="1"/>')
    s.append(f'<rect x="{pl-5}" y="70" width="{R+16-pl+10}" height="15" fill="{P["frame"]}" stroke="{INK}" stroke-width="2"/>')
    s.append(f'<rect x="{pl-3}" y="72" width="{R+16-pl+6}" height="3" fill="{P["framehi"]}"/>')
    s.append(f'<rect x="{pl-3}" y="80" width="{R+16-pl+6}" height="3" fill="{P["framesh"]}"/>')
    for nx in (pl+6, R+16-6):
        s.append(f'<circle cx="{nx}" cy="77" r="1.8" fill="{INK}"/>')
    # threshold
    s.append(f'<rect x="{pl-4}" y="316" width="{R+16-pl+8}" height="8" fill="{P["framesh"]}" stroke="{INK}" stroke-width="2"/>')
    # inner edge shadow so the doorway reads deep
    s.append(f'<rect x="{L}" y="84" width="6" height="232" fill="#000" opacity="0.35"/>')
    s.append(f'<rect x="{L}" y="84" width="102" height="6" fill="#000" opacity="0.35"/>')
    return "\n".join(s)

def window(x0, P, lit=False):
    # outer frame x0..x0+70, y 118..202, glass x0+6..x0+64 (58 wide), y 124..196
    g0 = x0 + 6
    s = []
    s.append(f'<rect x="{x0-2}" y="114" width="74" height="6" fill="{P["trim"]}" stroke="{INK}" stroke-width="2"/>')
    s.append(f'<rect x="{x0}" y="118" width="70" height="84" fill="{P["trim"]}" stroke="{INK}" stroke-width="2"/>')
    glass = P["glasslit"] if lit else P["glass"]
    s.append(f'<rect x="{g0}" y="124" width="58" height="72" fill="{glass}" stroke="{INK}" stroke-width="2"/>')
    if lit:
        s.append(f'<rect x="{g0}" y="176" width="58" height="20" fill="{P["glasslit2"]}"/>')
        s.append(f'<path d="M{g0+6} 196v-14h10v14M{g0+40} 196v-10h12v10" fill="{P["curtain"]}" stroke="{INK}" stroke-width="1.5"/>')
    else:
        s.append(f'<path d="M{g0+8} 196L{g0+30} 162M{g0+22} 196L{g0+44} 162" stroke="{P["glasshi"]}" stroke-width="3" opacity="0.7"/>')
        s.append(f'<path d="M{g0} 172h58v24h-58z" fill="{P["glassdark"]}" opacity="0.5"/>')
    # meeting rail and lower muntin
    s.append(f'<rect x="{g0}" y="158" width="58" height="4" fill="{P["trim"]}" stroke="{INK}" stroke-width="1.5"/>')
    s.append(f'<path d="M{g0+29} 162V196" stroke="{P["trim"]}" stroke-width="4"/>')
    s.append(f'<path d="M{g0+29} 162V196" stroke="{INK}" stroke-width="1"/>')
    # sill
    s.append(f'<rect x="{x0-6}" y="202" width="82" height="8" fill="{P["trim"]}" stroke="{INK}" stroke-width="2"/>')
    s.append(f'<rect x="{x0-4}" y="208" width="78" height="3" fill="{P["trimsh"]}"/>')
    s.append(f'<path d="M{x0-4} 212h78" stroke="#000" stroke-width="3" opacity="0.25"/>')
    return "\n".join(s)

def painted_sign(x, y, w, h, text, P, size=14, font="URW Bookman"):
    s = [f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="2" fill="{P["signbg"]}" stroke="{INK}" stroke-width="2"/>',
         f'<rect x="{x+3}" y="{y+3}" width="{w-6}" height="{h-6}" fill="none" stroke="{P["signtrim"]}" stroke-width="1.5"/>',
         f'<text x="{x+w/2}" y="{y+h/2+size*0.36:.1f}" font-family="{font}" font-weight="bold" font-size="{size}" text-anchor="middle" fill="{P["signtext"]}">{text}</text>']
    return "\n".join(s)

def bracket(x0, x1, y, P):
    # a wrought-iron arm from the wall at x0 reaching to x1 at height y
    return (f'<path d="M{x0} {y}H{x1}M{x0} {y+14}Q{x0+10} {y} {x0+22} {y}" fill="none" stroke="{INK}" stroke-width="3"/>'
            f'<rect x="{x0-3}" y="{y-4}" width="5" height="22" fill="{P["iron"]}" stroke="{INK}" stroke-width="1.5"/>')

def hook(x, y, P):
    return (f'<rect x="{x-4}" y="{y-3}" width="8" height="6" fill="{P["iron"]}" stroke="{INK}" stroke-width="1.5"/>'
            f'<path d="M{x} {y+3}v5q0 4 -4 4" fill="none" stroke="{INK}" stroke-width="2.5"/>')

def build(P):
    s = [f'<svg xmlns="http://www.w3.org/2000/svg" width="640" height="480" viewBox="0 0 640 480">']
    s.append('<defs>')
    s.append('<linearGradient id="sky" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="0" y2="80">' + "".join(
        f'<stop offset="{o}" stop-color="{c}"/>' for o, c in P["sky"]) + '</linearGradient>')
    s.append('<radialGradient id="glow"><stop offset="0" stop-color="%s" stop-opacity="0.75"/><stop offset="0.5" stop-color="%s" stop-opacity="0.3"/><stop offset="1" stop-color="%s" stop-opacity="0"/></radialGradient>' % ((P.get("glowc", "#ffd070"),)*3))
    s.append('<linearGradient id="street" gradientUnits="userSpaceOnUse" x1="0" y1="403" x2="0" y2="480">' + "".join(
        f'<stop offset="{o}" stop-color="{c}"/>' for o, c in P["street"]) + '</linearGradient>')
    s.append('</defs>')
    s.append('<rect width="640" height="480" fill="url(#sky)"/>')
    s.append(P.get("skyextra", ""))
    s.append(P.get("skyline", ""))
    # buildings: B0 x 0..235, B1 235..457, B2 457..640
    for (x0, x1, top, style, fill, line, seed) in P["buildings"]:
        if style == "planks":
            s.append(planks(x0, x1, top, 330, fill, line, seed=seed))
        elif style == "vplanks":
            s.append(planks(x0, x1, top, 330, fill, line, step=14, seed=seed, vertical=True))
        elif style == "bricks":
            s.append(bricks(x0, x1, top, 330, fill, line, seed=seed))
        else:
            s.append(adobe(x0, x1, top, 330, fill, line, seed=seed))
        # cornice
        s.append(f'<rect x="{x0}" y="{top-6}" width="{x1-x0}" height="8" fill="{P["trim"]}" stroke="{INK}" stroke-width="2"/>')
        s.append(f'<rect x="{x0+1}" y="{top+2}" width="{x1-x0-2}" height="3" fill="#000" opacity="0.25"/>')
        s.append(f'<path d="M{x0} {top-6}V330M{x1} {top-6}V330" stroke="{INK}" stroke-width="2"/>')
    s.append(P.get("roofextra", ""))
    # big signboard over door 0
    sx, sy, sw, sh = 8, 46, 134, 24
    s.append(f'<rect x="{sx}" y="{sy}" width="{sw}" height="{sh}" fill="{P["bigsign"]}" stroke="{INK}" stroke-width="2"/>')
    s.append(f'<rect x="{sx+3}" y="{sy+3}" width="{sw-6}" height="{sh-6}" fill="none" stroke="{P["signtrim"]}" stroke-width="1.5"/>')
    text, size = P["signlines"]
    s.append(f'<text x="{sx+sw/2}" y="{sy+12+size*0.36:.1f}" font-family="URW Bookman" font-weight="bold" font-size="{size}" text-anchor="middle" fill="{P["bigsigntext"]}">{text}</text>')
    s.append(f'<path d="M{sx+2} {sy+sh+1}h{sw-2}" stroke="#000" stroke-width="3" opacity="0.3"/>')
    # wall strip features
    s.append(P.get("wallextra", ""))
    for d in (30, 251, 473):
        s.append(door(d, P))
    # boardwalk
    s.append(planks(0, 640, 324, 392, P["walk"], P["walkline"], step=10, seed=9))
    s.append(f'<rect x="0" y="322" width="640" height="4" fill="#000" opacity="0.3"/>')
    s.append(f'<rect x="0" y="390" width="640" height="12" fill="{P["walkedge"]}" stroke="{INK}" stroke-width="2"/>')
    for x in range(20, 640, 80):
        s.append(f'<circle cx="{x}" cy="396" r="1.6" fill="{INK}"/>')
    s.append('<rect x="0" y="403" width="640" height="77" fill="url(#street)"/>')
    s.append(f'<path d="M0 404H640" stroke="#000" stroke-width="4" opacity="0.35"/>')
    r = random.Random(11)
    for _ in range(40):
        x = r.uniform(0, 620); y = r.uniform(412, 476)
        s.append(f'<ellipse cx="{x:.0f}" cy="{y:.0f}" rx="{r.uniform(2,5):.1f}" ry="1.3" fill="{P["streetdot"]}"/>')
    s.append(f'<path d="M0 440Q320 430 640 444M0 462Q320 452 640 466" fill="none" stroke="{P["streetdot"]}" stroke-width="3" opacity="0.6"/>')
    s.append(P.get("walkextra", ""))
    s.append(P.get("props", ""))
    s.append(P.get("light", ""))
    s.append(killbar_track(P))
    s.append('</svg>')
    return "\n".join(s)

# ------------------------------------------------------------ kill bar track
# The kill bar is drawn over x 633..636, y 116..450 in light greys, below the
# lives' stars; its label, a tiny wanted poster, hangs at x 620..639,
# y 82..107.  Its track is a dark channel x 628..639, y 112..454, set in a
# post of the street's frame wood that reaches up behind the label and whose
# light left edge keeps the channel readable on any wall.
TRACK = (628, 112, 640, 455)
POST_TOP = 76


def luminance(hexc):
    c = [int(hexc[i:i + 2], 16) / 255 for i in (1, 3, 5)]
    c = [v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4 for v in c]
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def killbar_track(P):
    x0, y0, x1, y1 = TRACK
    edge = P["trackedge"]
    for against in (edge, "#b4b4b4"):
        assert contrast(P["track"], against) >= 3, f"kill bar track {P['track']} too close to {against}"
    s = [f'<rect x="{x0 - 7}" y="{POST_TOP}" width="{x1 - x0 + 9}" height="{y1 - POST_TOP + 8}" fill="{P["frame"]}" stroke="{INK}" stroke-width="2"/>',
         f'<rect x="{x0 - 5}" y="{POST_TOP + 2}" width="3" height="{y1 - POST_TOP + 4}" fill="{edge}"/>',
         f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="{P["track"]}"/>',
         f'<path d="M{x0} {y0}V{y1}M{x0} {y0}H{x1}" stroke="#000" stroke-width="2" opacity="0.6"/>']
    for y in (y1 + 4,):
        s.append(f'<circle cx="{x0 + 6}" cy="{y}" r="2" fill="{P["iron"]}" stroke="{INK}" stroke-width="1"/>')
    return "\n".join(s)


def glows(points, P):
    return "\n".join(f'<circle cx="{x}" cy="{y}" r="{r}" fill="url(#glow)"/>' for x, y, r in points)

# ------------------------------------------------------------------ settings
DAY = dict(
    sky=[(0, "#86b6cc"), (0.5, "#a9c9cf"), (1, "#e9d8b0")],
    glowc="#fff2c0",
    street=[(0, "#b99367"), (1, "#d2ac7c")], streetdot="#9c7750",
    buildings=[(0, 235, 56, "planks", "#c9a673", "#8d6a42", 1),
               (235, 457, 54, "vplanks", "#8fa3a0", "#5d6e6b", 2),
               (457, 640, 58, "adobe", "#d8b487", "#a8835a", 3)],
    trim="#7a5234", trimsh="#4e321f", iron="#3a3330",
    frame="#8a5f3a", framehi="#b08356", framesh="#5e3e24",
    int="#1d130d", intfloor="#2b1d13", intline="#3d2a1b",
    glass="#9fbfc6", glasshi="#eef6f2", glassdark="#56707a", glasslit="#f0c860", glasslit2="#d89a40", curtain="#a8453a",
    bigsign="#efe2bd", bigsigntext="#6b2a1a", signtrim="#9a6a3e", signbg="#efe2bd", signtext="#2d4a6a",
    signlines=("GENERAL STORE", 13),
    walk="#a37a4d", walkline="#6d4d2d", walkedge="#7a5535",
)
DUSK = dict(
    sky=[(0, "#5d4a7a"), (0.35, "#b5587a"), (0.7, "#ef8a4c"), (1, "#ffc46a")],
    glowc="#ffb860",
    street=[(0, "#8a5a44"), (1, "#a86e4e")], streetdot="#6d4032",
    buildings=[(0, 235, 56, "vplanks", "#b06a4a", "#7a4230", 4),
               (235, 457, 54, "planks", "#c98a52", "#86552f", 5),
               (457, 640, 58, "planks", "#9a6a5a", "#6a4038", 6)],
    trim="#5c3424", trimsh="#3a2016", iron="#2e2624",
    frame="#7a4a30", framehi="#b07048", framesh="#4a2a1a",
    int="#170d0b", intfloor="#24140f", intline="#3a2218",
    glass="#d89a78", glasshi="#ffe2b8", glassdark="#6a4050", glasslit="#f8c860", glasslit2="#e09040", curtain="#8a2a2a",
    bigsign="#3a2a22", bigsigntext="#f2c25a", signtrim="#c8963e", signbg="#2e3a3a", signtext="#f2d8a0",
    signlines=("LUCKY STAR SALOON", 10.5),
    walk="#8a5a3c", walkline="#5a3624", walkedge="#64402a",
)
NIGHT = dict(
    sky=[(0, "#0c1430"), (0.6, "#1e2c54"), (1, "#34406a")],
    glowc="#ffd27a",
    street=[(0, "#2a2a38"), (1, "#3a3644")], streetdot="#1c1c28",
    buildings=[(0, 235, 56, "bricks", "#5a3c3e", "#33222a", 7),
               (235, 457, 54, "planks", "#3e4a5c", "#242c3a", 8),
               (457, 640, 58, "vplanks", "#4a4450", "#2a2632", 9)],
    trim="#2e2a34", trimsh="#18161e", iron="#1a1a20",
    frame="#4a3a36", framehi="#6a564c", framesh="#2a201e",
    int="#07060a", intfloor="#100d10", intline="#1e1a1e",
    glass="#34405a", glasshi="#7a8aa8", glassdark="#1a2034", glasslit="#ffd77a", glasslit2="#e8a04a", curtain="#6a2a3a",
    bigsign="#1e2a22", bigsigntext="#e8d08a", signtrim="#a08a50", signbg="#2a2430", signtext="#d8c8a0",
    signlines=("SAVINGS BANK", 13),
    walk="#3c3640", walkline="#24202a", walkedge="#2c2830",
)

# ---- the track behind the kill bar, per setting: a near-black channel and a
# light edge beside it (contrast 3 or more against both the edge and the bar)
DAY.update(track="#1a110b", trackedge="#d8b487")
DUSK.update(track="#160c09", trackedge="#e0a070")
NIGHT.update(track="#050408", trackedge="#8a8098")


def fit_size(text, width, size):
    # URW Bookman bold capitals run about 0.74 em wide
    return min(size, round((width - 10) / (0.74 * max(1, len(text))), 1))


def sign(x, y, w, h, text, P, size):
    return painted_sign(x, y, w, h, text, P, fit_size(text, w, size)) if text else ""


# ---- wall features; a level's decorations hang on these
def lowroof(P, x0=146, x1=235):
    # the lower lean-to part of building 0 behind the signboard's right side
    return (f'<rect x="{x0}" y="0" width="{x1-x0}" height="82" fill="url(#sky)"/>'
            f'<path d="M{x0} 84L{x0} 80H{x1}V84" fill="{P["trim"]}" stroke="{INK}" stroke-width="2"/>')


def vane_foot(P):
    return f'<rect x="168" y="76" width="10" height="6" fill="{P["trim"]}" stroke="{INK}" stroke-width="1.5"/>'


def belfry(P):
    return (f'<rect x="152" y="50" width="6" height="32" fill="{P["frame"]}" stroke="{INK}" stroke-width="1.5"/>'
            f'<rect x="194" y="50" width="6" height="32" fill="{P["frame"]}" stroke="{INK}" stroke-width="1.5"/>'
            f'<path d="M147 51L176 41L205 51Z" fill="{P["trim"]}" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M158 53H194" stroke="{INK}" stroke-width="3"/>')


def shelf(P, x, y):
    return f'<rect x="{x}" y="{y}" width="38" height="6" fill="{P["trim"]}" stroke="{INK}" stroke-width="2"/>'


def barrel(P, x, y=334, lid=True):
    # a barrel standing on the boardwalk, top at y; 30 wide, 40 high
    s = (f'<path d="M{x+2} {y}h26q4 20 0 40h-26q-4 -20 0 -40z" fill="#8a5a30" stroke="{INK}" stroke-width="2"/>'
         f'<path d="M{x} {y+10}h30M{x} {y+30}h30" stroke="{INK}" stroke-width="2.5"/>'
         f'<path d="M{x+8} {y+2}v36" stroke="#b07a45" stroke-width="3" opacity="0.7"/>')
    if lid:
        s += f'<ellipse cx="{x+15}" cy="{y}" rx="13" ry="3" fill="#6e4424" stroke="{INK}" stroke-width="1.5"/>'
    return s


def crates(P, x, y=340):
    s = ""
    for dx, dy, w in ((0, 0, 34), (30, 8, 26), (6, -26, 26)):
        s += (f'<rect x="{x+dx}" y="{y+dy}" width="{w}" height="{34-dy if dy>0 else 26 if dy<0 else 34}" fill="#b58a52" stroke="{INK}" stroke-width="2"/>')
    s += f'<path d="M{x} {y}l34 34M{x+34} {y}l-34 34" stroke="#7a5530" stroke-width="2"/>'
    return s


def bench(P, x, y=352):
    return (f'<rect x="{x}" y="{y}" width="70" height="7" fill="{P["frame"]}" stroke="{INK}" stroke-width="2"/>'
            f'<rect x="{x+6}" y="{y+7}" width="5" height="14" fill="{P["framesh"]}" stroke="{INK}" stroke-width="1.5"/>'
            f'<rect x="{x+59}" y="{y+7}" width="5" height="14" fill="{P["framesh"]}" stroke="{INK}" stroke-width="1.5"/>'
            f'<rect x="{x}" y="{y-18}" width="70" height="6" fill="{P["frame"]}" stroke="{INK}" stroke-width="2"/>')


def sacks(P, x, y=372):
    return "".join(f'<path d="M{x+dx} {y}q-3 -22 6 -28q4 -4 8 0q9 6 6 28z" fill="#d8c090" stroke="{INK}" stroke-width="2"/>'
                   f'<path d="M{x+dx+4} {y-27}h10" stroke="{INK}" stroke-width="2"/>' for dx in (0, 22))


def rail(P, x, w=110, y=410):
    # hitching rail in the street in front of the boardwalk
    return (f'<rect x="{x}" y="{y}" width="{w}" height="6" fill="{P["frame"]}" stroke="{INK}" stroke-width="2"/>'
            f'<rect x="{x+6}" y="{y+6}" width="6" height="26" fill="{P["framesh"]}" stroke="{INK}" stroke-width="1.5"/>'
            f'<rect x="{x+w-12}" y="{y+6}" width="6" height="26" fill="{P["framesh"]}" stroke="{INK}" stroke-width="1.5"/>')


def trough(P, x, y=416):
    return (f'<path d="M{x} {y}h90l-6 24h-78z" fill="#7a5535" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M{x+4} {y+4}h82" stroke="#6a9ab0" stroke-width="4"/>')


def bunting(colors, y=58):
    # a string of pennants along the cornices, over the sky band only
    s = [f'<path d="M280 {y-14}Q380 {y-4} 470 {y-14}" fill="none" stroke="{INK}" stroke-width="1.5"/>']
    for i, x in enumerate(range(290, 466, 16)):
        t = (x - 280) / 190
        yy = y - 14 + 10 * 4 * t * (1 - t) * 0.9
        s.append(f'<path d="M{x} {yy:.1f}l6 12l6 -12z" fill="{colors[i % len(colors)]}" stroke="{INK}" stroke-width="1"/>')
    return "".join(s)


# ---- the skyline behind the false fronts (x 280..470, above y 56 only)
def water_tower(x, col="#6e4a30"):
    return (f'<path d="M{x} 20h34l-3 18h-28z" fill="{col}" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M{x-2} 20l19 -10l19 10z" fill="{col}" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M{x+6} 38l-4 20M{x+28} 38l4 20M{x+3} 48h28" stroke="{INK}" stroke-width="2"/>')


def steeple(x, col="#e8e0d0"):
    return (f'<path d="M{x} 58v-26l11 -18l11 18v26z" fill="{col}" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M{x+11} 14v-10M{x+7} 8h8" stroke="{INK}" stroke-width="2"/>'
            f'<rect x="{x+7}" y="34" width="8" height="10" fill="{INK}"/>')


def windmill(x, col="#8a7a6a"):
    s = f'<path d="M{x+8} 58l4 -34h4l4 34z" fill="none" stroke="{INK}" stroke-width="2"/>'
    for a in range(0, 360, 45):
        s += f'<path d="M{x+14} 22l0 -14" stroke="{INK}" stroke-width="3" transform="rotate({a} {x+14} 22)"/>'
    return s + f'<circle cx="{x+14}" cy="22" r="3" fill="{col}" stroke="{INK}" stroke-width="1.5"/>'


def poles(x0, x1, col=INK):
    s = ""
    for x in (x0, x1):
        s += f'<path d="M{x} 58V18M{x-8} 22h16" stroke="{col}" stroke-width="2.5"/>'
    s += f'<path d="M{x0-8} 22Q{(x0+x1)/2} 32 {x1-8} 22M{x0+8} 22Q{(x0+x1)/2} 32 {x1+8} 22" fill="none" stroke="{col}" stroke-width="1"/>'
    return s


def birds(pts, col=INK):
    return "".join(f'<path d="M{x-6} {y-3}q3 -3 6 1q3 -4 6 -1" fill="none" stroke="{col}" stroke-width="1.6"/>'
                   for x, y in pts)


def smoke(x, col="#c8c0b8"):
    return (f'<path d="M{x} 56v-14h8v14" fill="#5a3a2a" stroke="{INK}" stroke-width="1.5"/>'
            f'<circle cx="{x+6}" cy="34" r="5" fill="{col}" opacity="0.7"/><circle cx="{x+12}" cy="24" r="7" fill="{col}" opacity="0.55"/>'
            f'<circle cx="{x+22}" cy="14" r="8" fill="{col}" opacity="0.4"/>')


# ---- a setting's palette and a level's variant of it make one background
def street(BASE, v):
    P = dict(BASE)
    P["sky"] = v.get("sky", BASE["sky"])
    P["signlines"] = (v["big"], fit_size(v["big"], 134, 13))
    if "paint" in v:
        b = list(P["buildings"])
        for i, (fill, line) in v["paint"].items():
            x0, x1, top, style, _, _, seed = b[i]
            b[i] = (x0, x1, top, style, fill, line, seed)
        P["buildings"] = b
    P.update(v.get("colors", {}))
    P["skyextra"] = v["skyextra"]
    P["skyline"] = v.get("skyline", "")
    f = v["features"]
    P["roofextra"] = lowroof(P) + (vane_foot(P) if "vane" in f else "") + (belfry(P) if "belfry" in f else "")
    w = sign(156, 88, 72, 22, v["signA"], P, 13) + window(158, P, lit=v.get("lit", False))
    if "boardB" in f:
        w += bracket(372, 452, 94, P)
    if "shortB" in f:
        w += bracket(372, 420, 94, P)
    if "posterB" in f:
        w += f'<rect x="400" y="190" width="40" height="52" fill="#000" opacity="0.18"/>'
    if "lampA" in f:
        w += bracket(158, 196, 228, P)
    for key, y in (("hook_hi", 100), ("hook_lo", 196)):
        if key in f:
            w += hook(606, y, P)
    if "hookA" in f:
        w += hook(192, 246, P)
    w += sign(374, 262, 76, 20, v.get("signB", ""), P, 12)
    w += sign(155, 240, 76, 22, v.get("signA2", ""), P, 13)
    w += sign(374, 146, 76, 20, v.get("signB2", ""), P, 12)
    P["wallextra"] = w
    P["walkextra"] = (shelf(P, 584, 318) if "shelf" in f else "")
    P["props"] = v.get("props", lambda P: "")(P)
    P["light"] = v["light"]
    return P


DAY_CLOUDS = ('<path d="M350 30q20 -12 44 -4q16 -8 32 2q14 0 18 8h-100z" fill="#f4ecd6" opacity="0.55"/>'
              '<path d="M520 14q14 -8 30 -2q12 -6 24 2h-60z" fill="#f4ecd6" opacity="0.45"/>')
DAY_LIGHT = ('<rect x="0" y="56" width="640" height="270" fill="#ffe8b0" opacity="0.06"/>'
             '<path d="M131 84h16v238h-16z M352 84h16v238h-16z M574 84h16v238h-16z" fill="#000" opacity="0.12" transform="translate(6 0)"/>')


def shadows(op, dx):
    # door posts' shadows, longer as the sun goes down
    return (f'<path d="M131 84h{16+dx}v238h-{16+dx}z M352 84h{16+dx}v238h-{16+dx}z M574 84h{16+dx}v238h-{16+dx}z" '
            f'fill="#000" opacity="{op}" transform="translate(6 0)"/>')


def tint(col, op, y0=0):
    return f'<path d="M0 {y0}H640V480H0Z" fill="{col}" opacity="{op}"/>'


DUSK_SKY = ('<circle cx="420" cy="78" r="40" fill="#ffe08a" opacity="0.5"/>'
            '<path d="M0 36H640" stroke="#ffd890" stroke-width="2" opacity="0.25"/>'
            '<path d="M300 20q30 -6 70 0t80 0" fill="none" stroke="#f6a0a0" stroke-width="3" opacity="0.35"/>')
DUSK_LIGHT = (glows([(606, 124, 60)], DUSK)
              + '<path d="M0 56H640V330H0Z" fill="#ff8a40" opacity="0.10"/>'
              + '<path d="M147 84L235 84L235 322L190 322Z M368 84L457 84L457 322L412 322Z" fill="#3a1a40" opacity="0.18"/>'
              + '<path d="M0 324H640V480H0Z" fill="#4a2040" opacity="0.15"/>')


def starfield(seed=21, n=26):
    r = random.Random(seed)
    s = []
    for _ in range(n):
        x = r.uniform(340, 470) if r.random() < 0.5 else r.uniform(290, 470); y = r.uniform(4, 48)
        s.append(f'<circle cx="{x:.0f}" cy="{y:.0f}" r="{r.choice([0.8,1,1.3])}" fill="#e8ecff" opacity="{r.uniform(0.4,0.8):.2f}"/>')
    for _ in range(n // 2):
        x = r.uniform(280, 640); y = r.uniform(36, 52)
        s.append(f'<circle cx="{x:.0f}" cy="{y:.0f}" r="0.9" fill="#e8ecff" opacity="0.5"/>')
    return "".join(s)


def moon(x, y, phase=6):
    return (f'<circle cx="{x}" cy="{y}" r="15" fill="#f2ecd0" opacity="0.9"/>'
            + (f'<circle cx="{x+phase}" cy="{y-4}" r="13" fill="#1a2548" opacity="0.85"/>' if phase else ""))


NIGHT_LIGHT = ('<path d="M0 0H640V480H0Z" fill="#101838" opacity="0.22"/>'
               + '<path d="M0 324H640V480H0Z" fill="#0a0a20" opacity="0.2"/>'
               + '<ellipse cx="191" cy="330" rx="60" ry="14" fill="#ffd27a" opacity="0.12"/>')


# The levels' variants.  Features name the fixtures that the level's
# decorations hang on (see data/levels/levels.txt):
#   vane: the weather vane's foot on the lean-to roof; belfry: the bell cage;
#   boardB: the long sign bracket over strip B; shortB: the short bell bracket;
#   posterB: the poster's shadow on strip B; lampA: the lamp bracket on strip A;
#   hook_hi / hook_lo: the hooks on the right strip; hookA: a hook on strip A;
#   shelf: the jug's shelf on the right strip.
VARIANTS = {
    # Main Street by day: the afternoon wears on from level to level
    "street_day": (DAY, dict(big="GENERAL STORE", signA="HOTEL", signB="BARBER", signA2="ROOMS 2 BITS",
                             features={"vane", "boardB", "posterB", "hook_lo"},
                             props=lambda P: barrel(P, 190) + rail(P, 150))),
    "street_day2": (DAY, dict(big="DRY GOODS", signA="BATHS", signB="DENTIST", signB2="POST OFFICE",
                              features={"vane", "boardB", "hook_hi", "hookA"},
                              sky=[(0, "#7fb2d0"), (0.5, "#a6cad6"), (1, "#efd9aa")],
                              skyline=water_tower(300) + birds([(420, 24), (436, 18)]),
                              props=lambda P: bench(P, 158) + trough(P, 380))),
    "street_day3": (DAY, dict(big="GUNSMITH", signA="EATS", signB="TAILOR", signA2="PIE 5 CENTS",
                              features={"belfry", "shortB", "posterB", "hook_lo", "shelf"},
                              paint={1: ("#a8b58a", "#6e7a56")},
                              sky=[(0, "#8ab0c4"), (0.5, "#c8c8b4"), (1, "#f0c890")],
                              skyline=steeple(420) + poles(300, 380),
                              props=lambda P: crates(P, 380) + sacks(P, 182),
                              light=DAY_LIGHT + tint("#ffb060", 0.05, 56) + shadows(0.08, 6))),
    "street_day4": (DAY, dict(big="ASSAY OFFICE", signA="LAND CO.", signB="COFFINS", signB2="CLAIMS",
                              features={"vane", "boardB", "lampA", "hook_hi"},
                              paint={2: ("#d4a070", "#9c6c42")},
                              sky=[(0, "#90a8c0"), (0.45, "#e0b894"), (1, "#f8a860")],
                              skyline=windmill(300) + bunting(["#c83a2a", "#f2e6c8", "#3a5a9a"]),
                              props=lambda P: barrel(P, 380) + barrel(P, 412, lid=False) + rail(P, 150, 90),
                              light=tint("#ff9a40", 0.10, 56) + shadows(0.14, 12))),
    # the special level: Main Street dressed up for the town fair
    "street_fair": (DAY, dict(big="TOWN FAIR TODAY", signA="PIES", signB="RAFFLE", signA2="DANCE 8 PM",
                              features={"vane", "boardB", "posterB", "hook_lo"},
                              paint={0: ("#d8b878", "#9a7a48"), 1: ("#c0a0b8", "#7a5a74")},
                              sky=[(0, "#78b4d8"), (0.5, "#a8d0dc"), (1, "#f0e0b0")],
                              skyline=bunting(["#c83a2a", "#f2e6c8", "#3a5a9a", "#e8b830"], 52)
                              + bunting(["#3a8a4a", "#f2e6c8", "#c83a2a"], 40),
                              props=lambda P: crates(P, 380) + barrel(P, 190) + trough(P, 150))),
    # Saloon Row: the sun sets and the lamps come on
    "saloon_dusk": (DUSK, dict(big="LUCKY STAR SALOON", signA="BAR", signB="ROOMS", signA2="FARO",
                               features={"belfry", "boardB", "posterB", "hook_hi", "shelf"},
                               props=lambda P: barrel(P, 190))),
    "saloon_dusk2": (DUSK, dict(big="GOLDEN NUGGET", signA="WHISKEY", signB="POKER", signB2="DANCING",
                                features={"vane", "boardB", "hook_hi", "hookA"},
                                skyline=water_tower(420, "#4a2a2a") + birds([(320, 30), (334, 22), (350, 28)]),
                                sky=[(0, "#54406e"), (0.35, "#a8506e"), (0.7, "#e87c44"), (1, "#ffb860")],
                                props=lambda P: bench(P, 380) + barrel(P, 190),
                                skyextra='<circle cx="440" cy="90" r="42" fill="#ffd080" opacity="0.45"/>')),
    "saloon_dusk3": (DUSK, dict(big="LAST CHANCE SALOON", signA="BAR", signB="BILLIARDS", signB2="BEER 5c",
                                features={"belfry", "shortB", "posterB", "lampA", "shelf"},
                                paint={0: ("#8a5a6a", "#5a3444")},
                                sky=[(0, "#3e3466"), (0.4, "#8a4a70"), (0.75, "#d8704a"), (1, "#f0a050")],
                                skyline=steeple(300, "#c8a8b0") + poles(380, 450, "#2a1a20"),
                                skyextra='<path d="M290 40H470" stroke="#ffb070" stroke-width="3" opacity="0.4"/>',
                                props=lambda P: crates(P, 160) + rail(P, 380, 90),
                                light=DUSK_LIGHT + tint("#40184a", 0.10))),
    "saloon_dusk4": (DUSK, dict(big="RED GARTER HALL", signA="SHOW", signB="ROOMS", signB2="TONIGHT",
                                features={"vane", "boardB", "hook_hi", "lampA"}, lit=True,
                                sky=[(0, "#2a2850"), (0.5, "#5a3a6a"), (0.85, "#b0505a"), (1, "#e08050")],
                                skyline=starfield(5, 10) + smoke(430, "#8a7a90") + bunting(["#f0c040", "#c83a5a", "#f2e6c8"]),
                                skyextra="",
                                props=lambda P: barrel(P, 380) + sacks(P, 186) + trough(P, 150),
                                light=DUSK_LIGHT + tint("#2a1040", 0.16) + glows([(191, 160, 60)], DUSK))),
    # Bank and depot at night: the night goes on toward the dawn
    "bank_night": (NIGHT, dict(big="SAVINGS BANK", signA="VAULT", signB="DEPOT", signB2="TELEGRAPH",
                               features={"vane", "shortB", "posterB", "lampA", "hook_hi"}, lit=True,
                               skyextra=starfield() + moon(372, 26),
                               props=lambda P: rail(P, 150),
                               light=NIGHT_LIGHT + glows([(606, 124, 64), (191, 160, 70), (200, 250, 60)], NIGHT))),
    "bank_night2": (NIGHT, dict(big="FIRST BANK", signA="GOLD", signB="TICKETS", signA2="ASSAYS",
                                features={"belfry", "boardB", "posterB", "hook_lo"},
                                skyextra=starfield(22) + moon(430, 22, 10),
                                skyline=water_tower(300, "#2a2a3a"),
                                props=lambda P: barrel(P, 190) + crates(P, 380),
                                light=NIGHT_LIGHT + glows([(191, 160, 60)], NIGHT))),
    "bank_night3": (NIGHT, dict(big="EXPRESS OFFICE", signA="SAFE", signB="FREIGHT", signB2="MAIL",
                                features={"vane", "shortB", "lampA", "hook_hi", "shelf"}, lit=True,
                                paint={1: ("#3a4e4a", "#22302c")},
                                sky=[(0, "#080c22"), (0.6, "#141c3c"), (1, "#242a50")],
                                skyextra=starfield(23, 36) + moon(300, 30, 0),
                                skyline=steeple(440, "#3a3a4a") + poles(330, 400, "#0a0a14"),
                                props=lambda P: bench(P, 380) + sacks(P, 182),
                                light=NIGHT_LIGHT + tint("#000010", 0.12) + glows([(606, 124, 64), (191, 160, 70), (200, 250, 60)], NIGHT))),
    "bank_night4": (NIGHT, dict(big="GULCH TRUST", signA="VAULT", signB="DEPOT", signB2="NO LOAFING",
                                features={"belfry", "boardB", "posterB", "hook_hi", "hookA"}, lit=True,
                                sky=[(0, "#141c40"), (0.55, "#3a3a6a"), (0.85, "#8a5a78"), (1, "#d88a6a")],
                                skyextra=starfield(24, 14) + moon(460, 44, 5),
                                skyline=windmill(320, "#3a3040") + birds([(400, 30), (414, 24)], "#1a1420"),
                                props=lambda P: barrel(P, 380) + trough(P, 150),
                                light=NIGHT_LIGHT + tint("#ff9a70", 0.04, 0) + glows([(606, 124, 64), (191, 160, 60)], NIGHT))),
}

os.makedirs(OUT, exist_ok=True)
for name, (BASE, v) in VARIANTS.items():
    clouds = {id(DAY): DAY_CLOUDS, id(DUSK): DUSK_SKY, id(NIGHT): ""}[id(BASE)]
    light = {id(DAY): DAY_LIGHT, id(DUSK): DUSK_LIGHT, id(NIGHT): NIGHT_LIGHT}[id(BASE)]
    v = dict(v)
    v.setdefault("skyextra", clouds)
    v.setdefault("light", light)
    with open(os.path.join(OUT, name + ".svg"), "w") as f:
        f.write(build(street(BASE, v)) + "\n")
