#!/usr/bin/env python3
# Writes the three street backgrounds as SVG text.
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
    s.append(P.get("light", ""))
    s.append('</svg>')
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

# ---- setting-specific extras
def lowroof(P, x0=146, x1=235):
    # the lower lean-to part of building 0 behind the signboard's right side
    return (f'<rect x="{x0}" y="0" width="{x1-x0}" height="82" fill="url(#sky)"/>'
            f'<path d="M{x0} 84L{x0} 80H{x1}V84" fill="{P["trim"]}" stroke="{INK}" stroke-width="2"/>')

# Day: clouds, vane on lean-to, window+sill on strip A, bracket for sign + poster nail on strip B, hook on right strip
DAY["skyextra"] = ('<path d="M350 30q20 -12 44 -4q16 -8 32 2q14 0 18 8h-100z" fill="#f4ecd6" opacity="0.55"/>'
                   '<path d="M520 14q14 -8 30 -2q12 -6 24 2h-60z" fill="#f4ecd6" opacity="0.45"/>')
def day_roof(P):
    s = lowroof(P)
    # pole foot of the weather vane
    s += f'<rect x="168" y="76" width="10" height="6" fill="{P["trim"]}" stroke="{INK}" stroke-width="1.5"/>'
    return s
DAY["roofextra"] = day_roof(DAY)
DAY["wallextra"] = (painted_sign(156, 88, 72, 22, "HOTEL", DAY, 13)
                    + window(158, DAY)
                    + bracket(372, 452, 94, DAY)
                    + f'<rect x="400" y="190" width="40" height="52" fill="#000" opacity="0.18"/>'
                    + hook(606, 196, DAY)
                    + painted_sign(374, 262, 76, 20, "BARBER", DAY, 12)
                    + painted_sign(155, 240, 76, 22, "ROOMS 2 BITS", DAY, 9))
DAY["walkextra"] = ""
DAY["light"] = ('<rect x="0" y="56" width="640" height="270" fill="#ffe8b0" opacity="0.06"/>'
                '<path d="M131 84h16v238h-16z M352 84h16v238h-16z M574 84h16v238h-16z" fill="#000" opacity="0.12" transform="translate(6 0)"/>')

# Dusk: sun glow low, belfry on lean-to, window strip A, sign bracket strip B, lantern hook right strip
DUSK["skyextra"] = ('<circle cx="420" cy="78" r="40" fill="#ffe08a" opacity="0.5"/>'
                    '<path d="M0 36H640" stroke="#ffd890" stroke-width="2" opacity="0.25"/>'
                    '<path d="M300 20q30 -6 70 0t80 0" fill="none" stroke="#f6a0a0" stroke-width="3" opacity="0.35"/>')
def dusk_roof(P):
    s = lowroof(P)
    # little belfry: two posts and a pointed cap
    s += (f'<rect x="152" y="50" width="6" height="32" fill="{P["frame"]}" stroke="{INK}" stroke-width="1.5"/>'
          f'<rect x="194" y="50" width="6" height="32" fill="{P["frame"]}" stroke="{INK}" stroke-width="1.5"/>'
          f'<path d="M147 51L176 41L205 51Z" fill="{P["trim"]}" stroke="{INK}" stroke-width="2"/>'
          f'<path d="M158 53H194" stroke="{INK}" stroke-width="3"/>')
    return s
DUSK["roofextra"] = dusk_roof(DUSK)
DUSK["wallextra"] = (painted_sign(156, 88, 72, 22, "BAR", DUSK, 14)
                     + window(158, DUSK)
                     + bracket(372, 452, 94, DUSK)
                     + f'<rect x="400" y="190" width="40" height="52" fill="#000" opacity="0.18"/>'
                     + hook(606, 100, DUSK)
                     + painted_sign(374, 262, 76, 20, "ROOMS", DUSK, 12)
                     + painted_sign(155, 240, 76, 22, "FARO", DUSK, 13))
DUSK["walkextra"] = ('<rect x="584" y="318" width="38" height="6" fill="#5a3a26" stroke="%s" stroke-width="2"/>' % INK)
DUSK["light"] = (glows([(606, 124, 60)], DUSK)
                 + '<path d="M0 56H640V330H0Z" fill="#ff8a40" opacity="0.10"/>'
                 + '<path d="M147 84L235 84L235 322L190 322Z M368 84L457 84L457 322L412 322Z" fill="#3a1a40" opacity="0.18"/>'
                 + '<path d="M0 324H640V480H0Z" fill="#4a2040" opacity="0.15"/>')

# Night: stars, moon, vane, lit window + lamp strip A, bell bracket + poster strip B, lantern right strip
def starfield():
    r = random.Random(21)
    s = []
    for _ in range(26):
        x = r.uniform(340, 630); y = r.uniform(4, 48)
        s.append(f'<circle cx="{x:.0f}" cy="{y:.0f}" r="{r.choice([0.8,1,1.3])}" fill="#e8ecff" opacity="{r.uniform(0.4,0.8):.2f}"/>')
    for _ in range(10):
        x = r.uniform(0, 330); y = r.uniform(36, 52)
        s.append(f'<circle cx="{x:.0f}" cy="{y:.0f}" r="0.9" fill="#e8ecff" opacity="0.5"/>')
    return "".join(s)
NIGHT["skyextra"] = (starfield() + '<circle cx="372" cy="26" r="15" fill="#f2ecd0" opacity="0.9"/>'
                     '<circle cx="378" cy="22" r="13" fill="#1a2548" opacity="0.85"/>')
def night_roof(P):
    s = lowroof(P)
    s += f'<rect x="168" y="76" width="10" height="6" fill="{P["trim"]}" stroke="{INK}" stroke-width="1.5"/>'
    return s
NIGHT["roofextra"] = night_roof(NIGHT)
NIGHT["wallextra"] = (painted_sign(156, 88, 72, 22, "VAULT", NIGHT, 12)
                      + window(158, NIGHT, lit=True)
                      + bracket(158, 196, 228, NIGHT)
                      + bracket(372, 420, 94, NIGHT)
                      + hook(606, 100, NIGHT)
                      + f'<rect x="400" y="190" width="40" height="52" fill="#000" opacity="0.2"/>'
                      + painted_sign(374, 262, 76, 20, "DEPOT", NIGHT, 12)
                      + painted_sign(374, 146, 76, 20, "TELEGRAPH", NIGHT, 9))
NIGHT["walkextra"] = ""
NIGHT["light"] = ('<path d="M0 0H640V480H0Z" fill="#101838" opacity="0.22"/>'
                  + glows([(606, 124, 64), (191, 160, 70), (200, 250, 60)], NIGHT)
                  + '<path d="M0 324H640V480H0Z" fill="#0a0a20" opacity="0.2"/>'
                  + '<ellipse cx="191" cy="330" rx="60" ry="14" fill="#ffd27a" opacity="0.12"/>')

os.makedirs(OUT, exist_ok=True)
for name, P in (("street_day", DAY), ("saloon_dusk", DUSK), ("bank_night", NIGHT)):
    with open(os.path.join(OUT, name + ".svg"), "w") as f:
        f.write(build(P) + "\n")
