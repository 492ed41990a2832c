# Drawing helpers for the comic pictures (hand-inked look, warm palette).
import math

INK = "#2b1a10"
SKIN = "#eab98c"
SKIN_SH = "#c98f62"
PAPER = "#f3e4c4"
BALLOON = "#fffaf0"
CAPTION = "#f5d77a"

FONT_BALLOON = "DejaVu Sans Condensed"
FONT_CAPTION = "URW Bookman"
FONT_TITLE = "C059"


def svg(w, h, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">\n<defs>{defs}</defs>\n{body}\n</svg>\n')


def esc(t):
    return t.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def grad(id_, stops, vertical=True):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
    d = 'x1="0" y1="0" x2="0" y2="1"' if vertical else 'x1="0" y1="0" x2="1" y2="0"'
    return f'<linearGradient id="{id_}" {d}>{s}</linearGradient>'


def rect(x, y, w, h, fill, sw=2, stroke=INK, rx=0, extra=""):
    st = f'stroke="{stroke}" stroke-width="{sw}"' if sw else 'stroke="none"'
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="{fill}" {st} {extra}/>'


def path(d, fill, sw=2, stroke=INK, extra=""):
    st = f'stroke="{stroke}" stroke-width="{sw}" stroke-linejoin="round" stroke-linecap="round"' if sw else 'stroke="none"'
    return f'<path d="{d}" fill="{fill}" {st} {extra}/>'


def circle(cx, cy, r, fill, sw=2, stroke=INK, extra=""):
    st = f'stroke="{stroke}" stroke-width="{sw}"' if sw else 'stroke="none"'
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}" {st} {extra}/>'


def ellipse(cx, cy, rx, ry, fill, sw=2, stroke=INK, extra=""):
    st = f'stroke="{stroke}" stroke-width="{sw}"' if sw else 'stroke="none"'
    return f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="{fill}" {st} {extra}/>'


def line(x1, y1, x2, y2, sw=2, stroke=INK):
    return (f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{stroke}" '
            f'stroke-width="{sw}" stroke-linecap="round"/>')


def text(x, y, t, size, fill=INK, family=FONT_BALLOON, weight="bold", extra="", anchor="middle"):
    return (f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}" {extra}>{esc(t)}</text>')


def g(body, tx=0, ty=0, s=1, flip=False, extra=""):
    sx = -s if flip else s
    return f'<g transform="translate({tx},{ty}) scale({sx},{s})" {extra}>{body}</g>'


def star(cx, cy, r1, r2, n=5, rot=-90):
    pts = []
    for i in range(2 * n):
        r = r1 if i % 2 == 0 else r2
        a = math.radians(rot + i * 180 / n)
        pts.append(f"{cx + r * math.cos(a):.1f},{cy + r * math.sin(a):.1f}")
    return "M" + " L".join(pts) + " Z"


def burst(cx, cy, rx, ry, n=14, inner=0.72, seed=1):
    pts = []
    for i in range(2 * n):
        f = 1.0 if i % 2 == 0 else inner
        wob = 1 + 0.08 * math.sin(i * 2.3 + seed)
        a = math.radians(i * 180 / n)
        pts.append(f"{cx + rx * f * wob * math.cos(a):.1f},{cy + ry * f * wob * math.sin(a):.1f}")
    return "M" + " L".join(pts) + " Z"


# ------------------------------------------------------------ people
KINDS = {
    "deputy": dict(shirt="#74a6cc", shirt_sh="#55829f", vest="#b07a42", trousers="#5a6684",
                   hat="#c9a06e", hat_sh="#9c7648", band="#6e4424", boots="#5a3a22", face="hard"),
    "bandit": dict(shirt="#3b3338", shirt_sh="#29232a", vest="#221c20", trousers="#2f2a2e",
                   hat="#231b18", hat_sh="#150f0d", band="#8a1f18", boots="#1f1714", face="mask"),
    "bandit2": dict(shirt="#4a2f2c", shirt_sh="#33201e", vest="#241c1e", trousers="#33302f",
                    hat="#231b18", hat_sh="#150f0d", band="#8a1f18", boots="#1f1714", face="mask"),
    "boss": dict(shirt="#2a2226", shirt_sh="#1b1518", vest="#4b1612", trousers="#262124",
                 hat="#1b1513", hat_sh="#0f0a09", band="#b8b2a8", boots="#171110", face="boss"),
    "mayor": dict(shirt="#7d9cc9", shirt_sh="#5f7ca6", vest="#f0c94e", trousers="#8c93a8",
                  hat="#6b6872", hat_sh="#4d4a54", band="#2e2b33", boots="#3b2a20", face="mayor"),
    "barkeep": dict(shirt="#f4efe4", shirt_sh="#d2c8b6", vest="#5f9a62", trousers="#6b5a4a",
                    hat=None, boots="#3b2a20", face="barkeep"),
    "townsman": dict(shirt="#8cc08a", shirt_sh="#6a9a68", vest="#e9d9a8", trousers="#8a7a5c",
                     hat="#e6c878", hat_sh="#c0a050", band="#b0563a", boots="#5a3a22", face="open"),
    "lady": dict(shirt="#eaa0b8", shirt_sh="#c77f96", vest="#f6e2ea", trousers="#eaa0b8",
                 hat="#f3d36b", hat_sh="#d0ad47", band="#7fb3d8", boots="#5a3a22", face="lady"),
}

ARMS = {  # hand positions (left hand, right hand) in local coords; shoulders at (+-26,-134)
    "stand": ((-34, -84), (34, -84)),
    "gun_up": ((-34, -84), (44, -188)),
    "draw": ((-34, -84), (62, -116)),
    "hands_up": ((-44, -196), (44, -196)),
    "tip_hat": ((-34, -84), (16, -186)),
    "pin": ((-34, -84), (66, -126)),
    "cheer": ((-42, -196), (34, -84)),
    "run": ((-46, -112), (44, -104)),
    "point": ((-34, -84), (70, -148)),
    "fists": ((-40, -112), (40, -112)),
}


def gun(x, y, ang=0, s=1.0):
    body = (path("M-4,-4 L22,-4 L22,2 L4,2 L2,12 L-6,12 Z", "#57534f", 1.5) +
            rect(8, -3, 12, 2, "#8a8580", 0))
    return f'<g transform="translate({x},{y}) rotate({ang}) scale({s})">{body}</g>'


def arm(sx, sy, hx, hy, color, sh):
    # elbow a little outward
    mx, my = (sx + hx) / 2 + (8 if hx > 0 else -8), (sy + hy) / 2 + 6
    d = f"M{sx},{sy} Q{mx},{my} {hx},{hy}"
    return (f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="17" stroke-linecap="round"/>'
            f'<path d="{d}" fill="none" stroke="{color}" stroke-width="13" stroke-linecap="round"/>')


def face(kind, k):
    f = k["face"]
    out = []
    # head
    out.append(ellipse(0, -158, 17, 19, SKIN))
    out.append(path("M6,-174 C16,-168 18,-152 10,-142 C14,-152 13,-166 6,-174 Z", SKIN_SH, 0))
    if f in ("hard", "mask", "boss"):
        out.append(path("M-12,-166 L-3,-163", "none", 2.4))
        out.append(path("M12,-166 L3,-163", "none", 2.4))
        out.append(ellipse(-7, -159, 2, 2.4, INK, 0))
        out.append(ellipse(7, -159, 2, 2.4, INK, 0))
    else:
        out.append(path("M-12,-166 Q-7,-170 -3,-166", "none", 2))
        out.append(path("M12,-166 Q7,-170 3,-166", "none", 2))
        out.append(ellipse(-7, -159, 2.2, 3, INK, 0))
        out.append(ellipse(7, -159, 2.2, 3, INK, 0))
    if f == "mask":
        out.append(path("M-18,-156 Q0,-150 18,-156 L14,-142 Q0,-128 -14,-142 Z", k["band"], 2))
        out.append(circle(-5, -146, 1.4, "#f0d0b0", 0) + circle(5, -141, 1.4, "#f0d0b0", 0))
    else:
        out.append(path("M0,-158 L-3,-150 L2,-149", "none", 1.6))
        if f == "hard":
            out.append(path("M-6,-143 L6,-143", "none", 2))
        elif f == "boss":
            out.append(path("M-10,-146 Q-5,-150 0,-147 Q5,-150 10,-146 Q6,-142 0,-144 Q-6,-142 -10,-146 Z", INK, 1))
            out.append(path("M-9,-140 Q0,-137 9,-140", "none", 1.8))
            out.append(path("M9,-168 L14,-156", "none", 1.4, stroke="#9a3a2a"))
        elif f in ("mayor", "barkeep"):
            out.append(path("M-11,-146 Q-5,-151 0,-147 Q5,-151 11,-146 Q6,-143 0,-145 Q-6,-143 -11,-146 Z",
                            "#7a5a3a" if f == "barkeep" else "#d8d2c6", 1.2))
            out.append(path("M-6,-140 Q0,-136 6,-140", "none", 1.8))
        else:
            out.append(path("M-7,-143 Q0,-137 7,-143", "none", 2))
            if f == "lady":
                out.append(circle(-11, -149, 3, "#f0a0a0", 0) + circle(11, -149, 3, "#f0a0a0", 0))
    if f == "barkeep":
        out.insert(0, path("M-18,-160 Q-20,-178 0,-178 Q20,-178 18,-160 Q14,-172 0,-172 Q-14,-172 -18,-160 Z",
                           "#5a3a22", 1.5))
    if f == "lady":
        out.insert(0, circle(-14, -170, 9, "#c8843a", 2) + circle(14, -170, 9, "#c8843a", 2))
    return "".join(out)


def hat(kind, k):
    if not k.get("hat"):
        return ""
    if kind == "mayor":
        return (rect(-16, -214, 32, 38, k["hat"], 2) + rect(-16, -186, 32, 6, k["band"], 1.5) +
                rect(4, -212, 10, 24, k["hat_sh"], 0) + ellipse(0, -176, 28, 5, k["hat"], 2))
    if kind == "lady":
        return (path("M-30,-172 Q0,-200 30,-172 Q0,-166 -30,-172 Z", k["hat"], 2) +
                path("M-20,-180 Q0,-190 20,-180", "none", 4, stroke=k["band"]) +
                circle(18, -184, 5, "#e05a6a", 1.5))
    crown = "M-18,-176 C-19,-198 -11,-205 0,-197 C11,-205 19,-198 18,-176 Z"
    return (ellipse(0, -176, 36, 7, k["hat"], 2) +
            path(crown, k["hat"], 2) +
            path("M6,-200 C13,-203 17,-196 16,-178 L8,-178 Z", k["hat_sh"], 0) +
            rect(-18, -184, 36, 6, k["band"], 1.5) +
            path("M-30,-178 Q-14,-174 -4,-176", "none", 1.2, stroke="#ffffff40"))


def person(kind, pose="stand", x=0, y=0, s=1.0, flip=False, legs="stand", gunhand=None,
           shadow=True):
    k = KINDS[kind]
    out = []
    if shadow:
        out.append(ellipse(0, -2, 40, 7, "#00000033", 0))
    # legs
    if kind == "lady":
        out.append(path("M-22,-86 Q-36,-30 -40,-6 Q0,4 40,-6 Q36,-30 22,-86 Z", k["shirt"], 2))
        out.append(path("M10,-86 Q26,-30 28,-4 Q34,-5 40,-6 Q36,-30 22,-86 Z", k["shirt_sh"], 0))
        out.append(path("M-38,-14 Q0,-6 38,-14", "none", 2, stroke="#ffffff"))
    else:
        if legs == "run":
            la, ra = 28, -30
        elif legs == "spread":
            la, ra = 10, -10
        elif legs == "sit":
            la, ra = 0, 0
        else:
            la, ra = 3, -3
        for sx, a in ((-12, la), (12, ra)):
            leg = (rect(-9, 0, 18, 66, k["trousers"], 2) +
                   path("M-10,58 L10,58 L11,78 L-12,78 L-12,70 Z", k["boots"], 2) +
                   (path("M-12,72 L-24,74 L-24,78 L-12,78 Z", k["boots"], 2) if sx < 0 else
                    path("M11,72 L23,74 L23,78 L11,78 Z", k["boots"], 2)))
            out.append(f'<g transform="translate({sx},-80) rotate({a})">{leg}</g>')
    # torso
    torso = "M-28,-138 Q-30,-140 -22,-142 L22,-142 Q30,-140 28,-138 L24,-80 L-24,-80 Z"
    out.append(path(torso, k["shirt"], 2))
    out.append(path("M10,-142 L22,-142 Q30,-140 28,-138 L24,-80 L12,-80 Z", k["shirt_sh"], 0))
    if kind == "boss":
        out.append(path("M-30,-140 L-8,-140 L-4,-30 L-34,-34 Z", "#2e2628", 2))
        out.append(path("M30,-140 L8,-140 L4,-30 L34,-34 Z", "#1e181a", 2))
        out.append(path("M-14,-142 L0,-124 L14,-142 Z", k["vest"], 1.5))
    elif kind == "barkeep":
        out.append(path("M-20,-112 L20,-112 L22,-30 L-22,-30 Z", "#fbf8f0", 2))
        out.append(path("M-22,-142 L-10,-142 L-12,-96 L-24,-96 Z", k["vest"], 2))
        out.append(path("M22,-142 L10,-142 L12,-96 L24,-96 Z", k["vest"], 2))
        out.append(path("M-8,-142 L0,-137 L8,-142 L8,-134 L0,-138 L-8,-134 Z", "#a02a2a", 1.2))
    elif kind == "lady":
        out.append(path("M-12,-142 Q0,-128 12,-142", "none", 3, stroke=k["vest"]))
    else:
        out.append(path("M-24,-140 L-8,-140 L-6,-82 L-24,-82 Z", k["vest"], 2))
        out.append(path("M24,-140 L8,-140 L6,-82 L24,-82 Z", k["vest"], 2))
    if kind not in ("lady", "boss", "barkeep"):
        out.append(rect(-25, -88, 50, 8, "#4a2e1a", 1.5) + rect(-5, -89, 10, 10, "#d8b040", 1.5))
    if kind == "boss":
        out.append(rect(-22, -88, 44, 8, "#4a2e1a", 1.5) + rect(-5, -89, 10, 10, "#c8c8c8", 1.5))
    if kind == "deputy":
        out.append(path(star(-15, -118, 8, 3.6), "#f2c744", 1.5))
    if kind in ("bandit", "bandit2"):
        out.append(path("M-16,-142 L0,-126 L16,-142 Z", k["band"], 1.5))
    # neck
    out.append(rect(-7, -146, 14, 8, SKIN, 1.5))
    if kind == "boss":
        out.append(path("M-14,-144 Q0,-132 14,-144 L8,-134 L0,-126 L-8,-134 Z", "#a8231a", 1.5))
    # arms and hands
    lh, rh = ARMS[pose]
    for (sx, sy), (hx, hy) in (((-25, -134), lh), ((25, -134), rh)):
        col = k["shirt"] if kind != "boss" else "#2e2628"
        out.append(arm(sx, sy, hx, hy, col, k["shirt_sh"]))
    for (hx, hy) in (lh, rh):
        out.append(circle(hx, hy, 7, SKIN, 2))
    if gunhand == "right":
        rhx, rhy = rh
        ang = {"gun_up": -80, "draw": 0, "point": -20, "fists": -10}.get(pose, 70)
        out.append(gun(rhx - 2, rhy - 2, ang))
    if gunhand == "both":
        out.append(gun(rh[0] - 2, rh[1] - 2, -80))
        out.append(g(gun(0, 0, -80), lh[0] + 2, lh[1] - 2, 1, True))
    out.append(face(kind, k))
    out.append(hat(kind, k))
    return g("".join(out), x, y, s, flip)


# ------------------------------------------------------------ scenery
def facade(x, y, w, h, wall, wall_sh, sign=None, sign_fill="#f1dfae", door=True, windows=2,
           false_front=True, night=False, door_x=None, lit=False):
    out = []
    top = y
    if false_front:
        out.append(path(f"M{x},{y + 16} L{x},{y} L{x + w},{y} L{x + w},{y + 16} Z", wall, 2))
    out.append(rect(x, y + 14, w, h - 14, wall, 2))
    # planks
    for px in range(int(x) + 12, int(x + w), 14):
        out.append(line(px, y + 18, px, y + h - 4, 1, wall_sh))
    out.append(rect(x + w - 10, y + 14, 10, h - 14, wall_sh, 0))
    if sign:
        fs = 16
        while fs > 9 and measure(sign, fs, FONT_CAPTION) > w - 28:
            fs -= 1
        sw = measure(sign, fs, FONT_CAPTION) + 16
        check_fit(f"sign {sign}", sign, fs, FONT_CAPTION, sw)
        out.append(rect(x + (w - sw) / 2, top + 4, sw, 24, sign_fill, 2, rx=2))
        out.append(text(x + w / 2, top + 16 + fs * 0.36, sign, fs, INK, FONT_CAPTION, "bold"))
    wy = y + 40
    win = "#f6d37a" if lit else ("#2a2f45" if night else "#3b3a48")
    for i in range(windows):
        wx = x + 12 + i * (w - 24 - 26) / max(1, windows - 1) if windows > 1 else x + w / 2 - 13
        out.append(rect(wx, wy, 26, 30, win, 2))
        out.append(line(wx + 13, wy, wx + 13, wy + 30, 1.5))
        out.append(line(wx, wy + 15, wx + 26, wy + 15, 1.5))
        if not lit:
            out.append(path(f"M{wx + 3},{wy + 12} L{wx + 10},{wy + 3}", "none", 2, stroke="#ffffff55"))
    if door:
        dx = x + w / 2 - 14 if door_x is None else door_x
        out.append(rect(dx - 4, y + h - 58, 36, 58, "#6e4424", 2))
        out.append(rect(dx, y + h - 54, 28, 54, "#1e1410", 1.5))
    return "".join(out)


def boardwalk(x, y, w, color="#9a6a3c", sh="#6e4424"):
    out = [rect(x, y, w, 10, color, 2)]
    for px in range(int(x) + 20, int(x + w), 22):
        out.append(line(px, y + 1, px, y + 9, 1, sh))
    out.append(rect(x, y + 10, w, 4, sh, 0))
    return "".join(out)


def ground(x, y, w, h, c1="#e2b878", c2="#c99a5b"):
    out = [rect(x, y, w, h, c1, 0)]
    for i in range(int(w / 40)):
        gx = x + i * 40 + (i * 17) % 23
        gy = y + 12 + (i * 31) % max(1, int(h - 20))
        out.append(path(f"M{gx},{gy} q8,-3 16,0", "none", 1.5, stroke=c2))
    return "".join(out)


def lantern(x, y, lit=True, flame=1.0):
    out = [line(x, y - 14, x, y - 4, 2),
           path(f"M{x - 9},{y - 4} L{x + 9},{y - 4} L{x + 7},{y + 20} L{x - 7},{y + 20} Z",
                "#f7d46a" if lit else "#5a5048", 2)]
    if lit:
        out.append(ellipse(x, y + 10, 3.5 * flame, 7 * flame, "#fff3c0", 0))
    out.append(rect(x - 10, y + 20, 20, 4, "#4a3a30", 1.5))
    out.append(rect(x - 8, y - 7, 16, 4, "#4a3a30", 1.5))
    return "".join(out)


def cactus(x, y, s=1.0, fill="#7a9a4a", sh="#5a7a34"):
    b = (path("M-8,0 L-8,-70 Q0,-80 8,-70 L8,0 Z", fill, 2) +
         path("M-8,-34 L-20,-34 Q-26,-34 -26,-42 L-26,-56 Q-20,-62 -16,-56 L-16,-44 L-8,-44", fill, 2) +
         path("M8,-44 L20,-44 Q24,-44 24,-52 L24,-62 Q19,-68 16,-62 L16,-54 L8,-54", fill, 2) +
         line(2, -66, 2, -4, 1.5) if True else "")
    return g(b, x, y, s)


def panel(body, defs, w=320, h=240, m=4):
    """A panel cell: art clipped to an inked frame inside a transparent margin."""
    return body, defs


class Sheet:
    def __init__(self, w=640, h=480):
        self.w, self.h = w, h
        self.defs = []
        self.body = []

    def add(self, s):
        self.body.append(s)

    def define(self, s):
        self.defs.append(s)

    def panel(self, cx, cy, art, bg_defs="", w=320, h=240, m=4, name="p"):
        """Panel cell at (cx, cy): art drawn in local coords 0..w-2m x 0..h-2m."""
        iw, ih = w - 2 * m, h - 2 * m
        cid = f"clip_{name}"
        self.defs.append(f'<clipPath id="{cid}"><rect x="0" y="0" width="{iw}" height="{ih}"/></clipPath>')
        self.defs.append(bg_defs)
        self.body.append(f'<g transform="translate({cx + m},{cy + m})">'
                         f'<g clip-path="url(#{cid})">{art}</g>'
                         f'{rect(0, 0, iw, ih, "none", 4)}</g>')

    def save(self, fn):
        with open(fn, "w") as f:
            f.write(svg(self.w, self.h, "\n".join(self.body), "\n".join(self.defs)))


# ------------------------------------------------------------ lettering
def text_width(t, size, cond=True):
    # rough widths of DejaVu Sans Condensed Bold capitals
    w = 0
    for ch in t:
        if ch == " ":
            w += 0.30
        elif ch in ".,'!:;":
            w += 0.33
        elif ch in "MW":
            w += 0.86
        elif ch in "I":
            w += 0.34
        elif ch in "-?":
            w += 0.45
        else:
            w += 0.66
    return w * size * (0.92 if cond else 1.0)


# ------------------------------------------------------------ lettering fit
# Lettering keeps this many pixels clear of the edges of its box or balloon.
LETTER_MARGIN = 4
FIT_FAULTS = []


def check_fit(where, t, size, family, box_w, extra=""):
    """Notes a fault when the text, measured, does not fit box_w with margins."""
    w = measure(t, size, family, extra)
    if w + 2 * LETTER_MARGIN > box_w:
        FIT_FAULTS.append(f"{where}: \"{t}\" is {w} px wide at size {size}, "
                          f"its box {box_w} px holds at most {box_w - 2 * LETTER_MARGIN}")
    return w


def boxed_text(where, box_w, x, y, t, size, fill=INK, family=FONT_BALLOON, weight="bold", extra=""):
    """text() for lettering that sits in a box box_w pixels wide, centred on x."""
    check_fit(where, t, size, family, box_w,
              'font-stretch="condensed"' if 'font-stretch="condensed"' in extra else "")
    return text(x, y, t, size, fill, family, weight, extra)


def balloon(lines, tail="bl", size=17, kind="speech", pad=12, minw=0, where="balloon"):
    """Returns (svg_body_in_local_coords, w, h). Local origin top-left of the item."""
    lh = size + 4
    fam = FONT_CAPTION if kind == "caption" else FONT_BALLOON
    ext = "" if kind == "caption" else 'font-stretch="condensed"'
    tw = max(measure(l, size, fam, ext) for l in lines)
    bw = max(minw, tw + 2 * pad + (14 if kind == "speech" else 0) + (30 if kind == "shout" else 0))
    bh = len(lines) * lh + 2 * pad - 4 + (6 if kind == "speech" else 0) + (30 if kind == "shout" else 0)
    inner = bw - (30 if kind == "shout" else 0)
    for l in lines:
        check_fit(where, l, size, fam, inner, ext)
    tl = 22 if kind == "speech" and tail else 0
    side_tail = bool(tail) and tail[0] == "l"   # a tail out of the left side, pointing down-left
    W, H = bw + 6, bh + tl + 6
    ox, oy = 3, 3
    if side_tail:
        W, H = bw + tl + 6, bh + 14
        ox += tl
    elif tail and tail[0] == "t":
        oy += tl
    out = []
    if kind == "speech":
        cx = ox + bw / 2
        cy = oy + bh / 2
        # tail
        if side_tail:
            by = oy + bh * 0.55
            d = f"M{ox + 8},{by - 11} L{ox - tl + 2},{by + 18} L{ox + 8},{by + 9} Z"
            out.append(path(d, BALLOON, 2.5))
        elif tail:
            side = tail[1]
            bx = ox + (bw * 0.28 if side == "l" else bw * 0.72 if side == "r" else bw / 2)
            if tail[0] == "b":
                base_y = oy + bh - 6
                tip = (bx + (-18 if side == "l" else 18 if side == "r" else 0), oy + bh + tl - 2)
            else:
                base_y = oy + 6
                tip = (bx + (-18 if side == "l" else 18 if side == "r" else 0), oy - tl + 2)
            d = f"M{bx - 11},{base_y} L{tip[0]},{tip[1]} L{bx + 11},{base_y} Z"
            out.append(path(d, BALLOON, 2.5))
        out.append(rect(ox, oy, bw, bh, BALLOON, 2.5, rx=min(bh / 2, 22)))
        if side_tail:
            out.append(path(f"M{ox + 6},{by - 8} L{ox + 6},{by + 6}", "none", 4, stroke=BALLOON))
        elif tail:
            out.append(path(f"M{bx - 9},{base_y} L{bx + 9},{base_y}", "none", 4, stroke=BALLOON))
        ty = oy + pad + size - 1 + 3
        for i, l in enumerate(lines):
            out.append(text(cx, ty + i * lh, l, size, INK, FONT_BALLOON, "bold",
                            extra='font-stretch="condensed"'))
    elif kind == "shout":
        cx, cy = W / 2, H / 2
        out.append(path(burst(cx, cy, W / 2 - 2, H / 2 - 2, 16, 0.80), BALLOON, 2.5))
        ty = cy - (len(lines) - 1) * lh / 2 + size * 0.36
        for i, l in enumerate(lines):
            out.append(text(cx, ty + i * lh, l, size, INK, FONT_BALLOON, "bold",
                            extra='font-stretch="condensed"'))
    else:  # caption box
        out.append(rect(ox + 3, oy + 3, bw, bh - 6, "#7a5230", 0))
        out.append(rect(ox, oy, bw, bh - 6, CAPTION, 2.5))
        ty = oy + pad + size - 3
        for i, l in enumerate(lines):
            out.append(text(ox + bw / 2, ty + i * lh, l, size, INK, FONT_CAPTION, "bold"))
        H -= 6
    return "".join(out), int(math.ceil(W)), int(math.ceil(H))


class TextSheet:
    """Packs balloons and captions onto one transparent 640x480 sheet."""
    def __init__(self, name):
        self.name = name
        self.items = []
        self.x = 0
        self.y = 0
        self.rowh = 0
        self.rects = {}

    def add(self, key, lines, **kw):
        body, w, h = balloon(lines, where=f"{self.name} {key}", **kw)
        if self.x + w > 640:
            self.x = 0
            self.y += self.rowh + 2
            self.rowh = 0
        assert self.y + h <= 960, f"sheet {self.name} full at {key}"
        self.items.append(g(body, self.x, self.y))
        self.rects[key] = (self.x, self.y, w, h)
        self.x += w + 2
        self.rowh = max(self.rowh, h)

    def save(self, fn):
        # 640 x 480 unless the lettering needs more room below
        h = max(480, self.y + self.rowh)
        with open(fn, "w") as f:
            f.write(svg(640, h, "\n".join(self.items)))
        return self.rects


# ------------------------------------------------------------ exact text widths
import json as _json, subprocess as _sp, os as _os
_CACHE_FN = _os.path.join(_os.path.dirname(_os.path.abspath(__file__)), "_widths.json")
_cache = _json.load(open(_CACHE_FN)) if _os.path.exists(_CACHE_FN) else {}


def measure(t, size, family=FONT_BALLOON, extra=""):
    key = f"{family}|{size}|{extra}|{t}"
    if key in _cache:
        return _cache[key]
    s = svg(1600, 200, f'<rect width="1600" height="200" fill="#fff"/>' +
            text(10, 100, t, size, "#000", family, "bold", extra, anchor="start"))
    open("/tmp/_m.svg", "w").write(s)
    _sp.run(["rsvg-convert", "/tmp/_m.svg", "-o", "/tmp/_m.png"], check=True)
    out = _sp.run(["convert", "/tmp/_m.png", "-trim", "-format", "%w", "info:"], capture_output=True,
                  text=True, check=True).stdout
    w = int(out.strip())
    _cache[key] = w
    if not _os.environ.get("COMIX_NO_CACHE_WRITE"):
        _json.dump(_cache, open(_CACHE_FN, "w"))
    return w
