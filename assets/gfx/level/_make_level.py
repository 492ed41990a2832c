#!/usr/bin/env python3
# Writes the status-display pictures of the game screen as SVG text into this
# folder: the life star, the deputy's portraits, the marks of shots and the
# cheat marks.  Run it from anywhere: python3 _make_level.py
import math, os, random

HERE = os.path.dirname(os.path.abspath(__file__))
INK = "#2a1a10"
GOLD, GOLD_SH, GOLD_HI = "#e3b236", "#a8761c", "#fbe49a"
SKIN, SKIN_SH, SKIN_HI = "#e6ab7c", "#bb7b52", "#f5cba2"
HAT, HAT_SH, HAT_HI = "#d8b47c", "#a5814f", "#efd6a6"
SHIRT, SHIRT_SH = "#4f7fb3", "#355b86"
VEST, VEST_SH = "#7a4b2a", "#55321a"
SCARF, SCARF_SH = "#ecc64c", "#bd9327"
WOOD, WOOD_SH, WOOD_HI = "#8b5a33", "#5e3a1f", "#b07a4a"


def svg(name, w, h, body, comment):
    text = (f'<?xml version="1.0" encoding="UTF-8"?>\n<!-- {comment} -->\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
            f'{body}\n</svg>\n')
    with open(os.path.join(HERE, name), "w") as f:
        f.write(text)


def pts(points):
    return " ".join(f"{x:.1f},{y:.1f}" for x, y in points)


# ------------------------------------------------------------------ the star
def star_points(cx, cy, r_out, r_in, n=6, rot=-90):
    p = []
    for k in range(2 * n):
        a = math.radians(rot + k * 180 / n)
        r = r_out if k % 2 == 0 else r_in
        p.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return p


def badge_star(cx, cy, r_out, r_in, ball, ink=2.0):
    """A six-pointed deputy's star with balled tips, lit from the upper left."""
    s = []
    p = star_points(cx, cy, r_out, r_in)
    # balls first so the body's outline runs over their joints
    for k in range(0, 12, 2):
        x, y = p[k]
        bx = cx + (x - cx) * 1.08
        by = cy + (y - cy) * 1.08
        s.append(f'<circle cx="{bx:.1f}" cy="{by:.1f}" r="{ball}" fill="{GOLD}" stroke="{INK}" stroke-width="{ink}"/>')
        s.append(f'<circle cx="{bx-ball*0.35:.1f}" cy="{by-ball*0.35:.1f}" r="{ball*0.35:.1f}" fill="{GOLD_HI}"/>')
    s.append(f'<polygon points="{pts(p)}" fill="{GOLD}" stroke="{INK}" stroke-width="{ink}" stroke-linejoin="round"/>')
    # each point split along its ridge: the half turned away from the light is darker
    for k in range(0, 12, 2):
        tip = p[k]
        left, right = p[(k - 1) % 12], p[(k + 1) % 12]
        ang = math.atan2(tip[1] - cy, tip[0] - cx)
        # light comes from the upper left (-135 degrees)
        lit_side = math.cos(ang + math.radians(90) - math.radians(-135))
        shade_pt = right if lit_side > 0 else left
        s.append(f'<polygon points="{pts([(cx, cy), tip, shade_pt])}" fill="{GOLD_SH}" opacity="0.85"/>')
        hi_pt = left if shade_pt is right else right
        mid = ((cx * 2 + tip[0]) / 3, (cy * 2 + tip[1]) / 3)
        s.append(f'<polygon points="{pts([mid, tip, ((tip[0]+hi_pt[0])/2, (tip[1]+hi_pt[1])/2)])}" fill="{GOLD_HI}" opacity="0.7"/>')
    s.append(f'<polygon points="{pts(p)}" fill="none" stroke="{INK}" stroke-width="{ink}" stroke-linejoin="round"/>')
    ri = r_in * 0.72
    s.append(f'<circle cx="{cx}" cy="{cy}" r="{ri:.1f}" fill="{GOLD}" stroke="{INK}" stroke-width="{ink*0.75}"/>')
    s.append(f'<circle cx="{cx}" cy="{cy}" r="{ri*0.68:.1f}" fill="none" stroke="{GOLD_SH}" stroke-width="{ink*0.6}"/>')
    s.append(f'<path d="M{cx-ri*0.6:.1f} {cy-ri*0.15:.1f}A{ri*0.7:.1f} {ri*0.7:.1f} 0 0 1 {cx+ri*0.15:.1f} {cy-ri*0.62:.1f}" '
             f'fill="none" stroke="{GOLD_HI}" stroke-width="{ink*0.8}" stroke-linecap="round"/>')
    return "\n".join(s)


def make_star():
    body = badge_star(40, 39, 30, 15.5, 4.4)
    svg("star.svg", 80, 78, body, "One life: the deputy's six-pointed star, balled tips, 80 x 78, drawn half over the next one.")


# ------------------------------------------------------------------ portraits
def frame(inner_fill, glow=None):
    s = [f'<rect x="1" y="1" width="111" height="102" rx="6" fill="{WOOD}" stroke="{INK}" stroke-width="2"/>',
         f'<path d="M4 99V6Q4 4 6 4H107" fill="none" stroke="{WOOD_HI}" stroke-width="2"/>',
         f'<path d="M109 6V98Q109 100 107 100H6" fill="none" stroke="{WOOD_SH}" stroke-width="2"/>',
         f'<rect x="8" y="8" width="97" height="88" fill="{inner_fill}" stroke="{INK}" stroke-width="2"/>']
    return s


def rays(glow):
    s = []
    if glow:
        # rays of light out of the middle
        for k in range(16):
            a = math.radians(k * 22.5 + 5)
            a2 = a + math.radians(9)
            s.append(f'<polygon points="{pts([(56, 40), (56 + 90*math.cos(a), 40 + 90*math.sin(a)), (56 + 90*math.cos(a2), 40 + 90*math.sin(a2))])}" fill="{glow}"/>')
    return s


def clip_open():
    return '<clipPath id="panel"><rect x="9" y="9" width="95" height="86"/></clipPath>\n<g clip-path="url(#panel)">'


def body_and_head(state):
    """state 0 fresh, 1 one hit, 2 two hits, 3 blessed (infinite lives)."""
    s = []
    tilt = {0: 0, 1: -6, 2: 9, 3: 0}[state]
    # shoulders, shirt and vest
    s.append(f'<path d="M10 97C12 80 26 74 40 72L72 72C88 74 101 80 103 97Z" fill="{SHIRT}" stroke="{INK}" stroke-width="2"/>')
    s.append(f'<path d="M16 97C18 84 28 78 38 76L46 97Z" fill="{VEST}" stroke="{INK}" stroke-width="2"/>')
    s.append(f'<path d="M97 97C95 84 85 78 75 76L67 97Z" fill="{VEST_SH}" stroke="{INK}" stroke-width="2"/>')
    # the star pinned on the vest
    s.append(badge_star(29, 88, 7, 3.6, 1.3, ink=1.2))
    # neck and neckerchief
    s.append(f'<path d="M47 62L47 75L66 75L66 62Z" fill="{SKIN_SH}" stroke="{INK}" stroke-width="2"/>')
    s.append(f'<path d="M42 72L71 72L62 80L56 92L50 80Z" fill="{SCARF}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>')
    s.append(f'<path d="M56 80L56 91" stroke="{SCARF_SH}" stroke-width="2"/>')
    if state == 2:
        s.append(f'<path d="M80 82l6 5M88 80l-3 7" stroke="{INK}" stroke-width="1.5"/>')   # torn shirt
        s.append(f'<path d="M79 80L90 79L86 90Z" fill="{SHIRT_SH}" stroke="{INK}" stroke-width="1.5"/>')
    g = [f'<g transform="rotate({tilt} 56 50)">']
    # ears, face
    g.append(f'<ellipse cx="33" cy="50" rx="4" ry="6" fill="{SKIN}" stroke="{INK}" stroke-width="2"/>')
    g.append(f'<ellipse cx="79" cy="50" rx="4" ry="6" fill="{SKIN_SH}" stroke="{INK}" stroke-width="2"/>')
    g.append(f'<path d="M35 38C35 26 77 26 77 38L77 52C77 66 67 72 56 72C45 72 35 66 35 52Z" fill="{SKIN}" stroke="{INK}" stroke-width="2"/>')
    g.append(f'<path d="M68 36C74 40 76 46 75 54C74 64 67 70 58 71C66 66 70 58 68 36Z" fill="{SKIN_SH}"/>')   # shadow side
    g.append(f'<path d="M40 44C40 40 42 38 44 37" fill="none" stroke="{SKIN_HI}" stroke-width="2" stroke-linecap="round"/>')
    # brows, eyes
    if state == 2:
        g.append(f'<ellipse cx="47" cy="48" rx="6" ry="5" fill="#6c4a78" stroke="{INK}" stroke-width="1.5"/>')   # black eye
        g.append(f'<path d="M42 48Q47 50 52 48" fill="none" stroke="{INK}" stroke-width="2"/>')
        g.append(f'<path d="M41 41L52 43M60 41L71 39" stroke="{INK}" stroke-width="2.5" stroke-linecap="round"/>')
        g.append(f'<ellipse cx="65" cy="47" rx="3.5" ry="3.8" fill="#fff" stroke="{INK}" stroke-width="1.5"/>')
        g.append(f'<circle cx="64.5" cy="47.5" r="1.8" fill="{INK}"/>')
    else:
        brow = {0: "M41 41Q46 38 52 40M60 40Q66 38 71 41", 1: "M41 40L52 43M60 43L71 40",
                3: "M41 40Q46 37 52 39M60 39Q66 37 71 40"}[state]
        g.append(f'<path d="{brow}" fill="none" stroke="{INK}" stroke-width="2.5" stroke-linecap="round"/>')
        for ex in (47, 65):
            g.append(f'<ellipse cx="{ex}" cy="47" rx="3.5" ry="3.8" fill="#fff" stroke="{INK}" stroke-width="1.5"/>')
            dx = 0.6 if state != 1 else -0.8
            g.append(f'<circle cx="{ex+dx}" cy="47.5" r="1.8" fill="{INK}"/>')
            g.append(f'<circle cx="{ex+dx-0.6}" cy="46.6" r="0.6" fill="#fff"/>')
    # nose, mouth
    g.append(f'<path d="M56 47L53 57Q56 59 59 57" fill="none" stroke="{INK}" stroke-width="1.6" stroke-linejoin="round"/>')
    if state in (0, 3):
        g.append(f'<path d="M47 62Q56 68 66 61" fill="none" stroke="{INK}" stroke-width="2" stroke-linecap="round"/>')
        g.append(f'<path d="M64 59L67 62" stroke="{INK}" stroke-width="1.5"/>')
    elif state == 1:
        g.append(f'<path d="M48 64Q56 60 65 64" fill="none" stroke="{INK}" stroke-width="2" stroke-linecap="round"/>')
        # a bruise on the cheek and a plaster on the forehead
        g.append(f'<ellipse cx="68" cy="57" rx="4" ry="3" fill="#9a6a8c" opacity="0.8"/>')
        g.append(f'<path d="M39 53L47 58M40 58L46 52" stroke="#f0e2c4" stroke-width="4" stroke-linecap="square"/>')
        g.append(f'<path d="M39 53L47 58M40 58L46 52" stroke="{INK}" stroke-width="0.8" fill="none"/>')
    else:
        # gritted teeth with a gap, a cut lip, plasters and dirt
        g.append(f'<path d="M46 60L66 60L64 67L48 67Z" fill="#fff" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>')
        g.append(f'<path d="M51 60V67M56 60V67M61 60V67M46 63.5H66" stroke="{INK}" stroke-width="1"/>')
        g.append(f'<rect x="56.5" y="60.5" width="4" height="3" fill="{INK}"/>')
        g.append(f'<path d="M66 54L75 60M67 60L74 53" stroke="#f0e2c4" stroke-width="4"/>')
        g.append(f'<path d="M66 54L75 60M67 60L74 53" stroke="{INK}" stroke-width="0.8"/>')
        g.append(f'<ellipse cx="42" cy="60" rx="3.5" ry="2" fill="#8a6a52" opacity="0.7"/>')
        g.append(f'<path d="M39 53Q41 57 39 60" fill="none" stroke="#b23a2a" stroke-width="1.5"/>')
    if state in (1, 2):
        # sweat drops
        g.append(f'<path d="M76 35Q79 40 77 43Q74 42 76 35Z" fill="#bfe0f0" stroke="{INK}" stroke-width="1"/>')
    # the hat: cream, low crown, wide brim
    ht = {0: 0, 1: -4, 2: 4, 3: 0}[state]
    hy = {0: 0, 1: 1, 2: 2, 3: 0}[state]
    h = [f'<g transform="rotate({ht} 56 30) translate(0 {hy})">']
    h.append(f'<path d="M38 30C38 14 42 10 56 10C70 10 74 14 74 30Z" fill="{HAT}" stroke="{INK}" stroke-width="2"/>')
    h.append(f'<path d="M56 11C54 18 54 24 56 30" fill="none" stroke="{HAT_SH}" stroke-width="2"/>')
    h.append(f'<path d="M64 12C71 14 72 20 73 29L60 29C62 22 62 16 64 12Z" fill="{HAT_SH}"/>')
    h.append(f'<path d="M38 25L74 25L74 30L38 30Z" fill="{WOOD_SH}" stroke="{INK}" stroke-width="1.5"/>')
    h.append(f'<path d="M16 33C24 26 88 26 96 33C92 38 82 36 56 36C30 36 20 38 16 33Z" fill="{HAT}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>')
    h.append(f'<path d="M22 32C34 29 78 29 90 32" fill="none" stroke="{HAT_HI}" stroke-width="1.5"/>')
    if state == 2:
        # a bullet hole through the crown and a bite out of the brim
        h.append(f'<circle cx="46" cy="18" r="3" fill="{INK}"/>')
        h.append(f'<path d="M43 15l-3 -3M49 15l2 -3" stroke="{INK}" stroke-width="1"/>')
        h.append(f'<path d="M84 31L88 36L92 31Z" fill="#d9b0a0" stroke="{INK}" stroke-width="1.5"/>')
    if state == 1:
        h.append(f'<path d="M66 14L69 18" stroke="{INK}" stroke-width="1.5"/>')
    h.append('</g>')
    g.extend(h)
    if state == 3:
        g.append(f'<path d="M86 20l3 -6l3 6l-3 6Z M20 44l2 -4l2 4l-2 4Z" fill="#fff8d0" stroke="{INK}" stroke-width="1"/>')
    g.append('</g>')
    s.extend(g)
    return s


def make_portraits():
    portraits = [("hit100.svg", 0, "#ead39d", "The deputy unhurt: hat square, a steady smile. 113 x 104 at the bottom left."),
            ("hit66.svg", 1, "#e6bf8e", "The deputy after one hit: hat knocked askew, a bruise, a plaster, a sweat drop."),
            ("hit33.svg", 2, "#d9957a", "The deputy after two hits: black eye, plasters, holed hat, teeth gritted."),
            ("hit0.svg", 3, "#f6dd7a", "The deputy with infinite lives: a golden halo and a glow behind him.")]
    for name, state, bg, comment in portraits:
        parts = frame(bg)
        parts.append(clip_open())
        parts.extend(rays("#fff0b0" if state == 3 else None))
        parts.extend(body_and_head(state))
        parts.append('</g>')
        if state == 3:
            # the halo floats over the frame
            parts.append(f'<ellipse cx="56" cy="7" rx="20" ry="5" fill="none" stroke="{INK}" stroke-width="5.5"/>')
            parts.append(f'<ellipse cx="56" cy="7" rx="20" ry="5" fill="none" stroke="{GOLD_HI}" stroke-width="2.5"/>')
        parts.append(f'<rect x="8" y="8" width="97" height="88" fill="none" stroke="{INK}" stroke-width="2"/>')
        svg(name, 113, 104, "\n".join(parts), comment)


# ------------------------------------------------------------------ shot marks
def make_glass_hole():
    r = random.Random(7)
    cx = cy = 80
    s = []
    rays = []
    n = 11
    for k in range(n):
        a = 2 * math.pi * k / n + r.uniform(-0.2, 0.2)
        length = r.uniform(52, 76)
        p = [(cx + 14 * math.cos(a), cy + 14 * math.sin(a))]
        rr = 14
        aa = a
        while rr < length:
            rr += r.uniform(8, 15)
            aa += r.uniform(-0.12, 0.12)
            p.append((cx + min(rr, length) * math.cos(aa), cy + min(rr, length) * math.sin(aa)))
        rays.append(p)
    # the shattered star of glass right round the hole
    shards = []
    for k in range(n):
        a = 2 * math.pi * k / n
        shards.append((cx + r.uniform(24, 33) * math.cos(a), cy + r.uniform(24, 33) * math.sin(a)))
        a2 = a + math.pi / n
        shards.append((cx + r.uniform(15, 20) * math.cos(a2), cy + r.uniform(15, 20) * math.sin(a2)))
    # a crushed ring of loose splinters round the star
    for k in range(n):
        a = 2 * math.pi * (k + 0.5) / n + r.uniform(-0.1, 0.1)
        r0, r1 = r.uniform(26, 30), r.uniform(36, 44)
        w0 = r.uniform(0.10, 0.16)
        piece = [(cx + r0 * math.cos(a - w0), cy + r0 * math.sin(a - w0)),
                 (cx + r1 * math.cos(a), cy + r1 * math.sin(a)),
                 (cx + r0 * math.cos(a + w0), cy + r0 * math.sin(a + w0))]
        s.append(f'<polygon points="{pts(piece)}" fill="#d4e6ec" stroke="{INK}" stroke-width="1.6" stroke-linejoin="round"/>')
    s.append(f'<polygon points="{pts(shards)}" fill="#e8f2f4" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>')
    s.append(f'<polygon points="{pts(shards)}" fill="#b9d3da" transform="translate(2 2)" opacity="0.6"/>')
    # rings of cracks between the rays
    rings = []
    for radius in (38, 56):
        for k in range(n):
            if r.random() < 0.25:
                continue
            a = rays[k]; b = rays[(k + 1) % n]
            def at(ray, rad):
                best = min(ray, key=lambda q: abs(math.hypot(q[0]-cx, q[1]-cy) - rad))
                return best
            pa, pb = at(a, radius), at(b, radius)
            if math.hypot(pa[0]-cx, pa[1]-cy) < radius - 10 or math.hypot(pb[0]-cx, pb[1]-cy) < radius - 10:
                continue
            mid = ((pa[0]+pb[0])/2 + r.uniform(-3, 3), (pa[1]+pb[1])/2 + r.uniform(-3, 3))
            rings.append([pa, mid, pb])
    for p in rays + rings:
        s.append(f'<polyline points="{pts(p)}" fill="none" stroke="{INK}" stroke-width="4" stroke-linejoin="round" stroke-linecap="round"/>')
    for p in rays + rings:
        s.append(f'<polyline points="{pts(p)}" fill="none" stroke="#f4fbff" stroke-width="1.8" stroke-linejoin="round" stroke-linecap="round"/>')
    # the hole itself: ragged, dark, with a light lip on its lower right
    hole = []
    for k in range(14):
        a = 2 * math.pi * k / 14
        rad = r.uniform(9, 13)
        hole.append((cx + rad * math.cos(a), cy + rad * math.sin(a)))
    s.append(f'<polygon points="{pts(hole)}" fill="#120a06" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>')
    s.append(f'<path d="M{cx+7} {cy-3}Q{cx+8} {cy+7} {cx-3} {cy+8}" fill="none" stroke="#fff" stroke-width="1.6" stroke-linecap="round"/>')
    s.append(f'<path d="M{cx-6} {cy-2}Q{cx-5} {cy-6} {cx-1} {cy-7}" fill="none" stroke="#5d6a70" stroke-width="1.4"/>')
    svg("hole.svg", 160, 160, "\n".join(s),
        "A bandit's bullet through the screen: a ragged hole in cracked glass, see-through between the cracks. 160 x 160.")


def make_bullet_holes():
    # Multiplied into the background with their top-left corner on the aim point:
    # white changes nothing, so the pictures are white with the hole near the corner.
    r = random.Random(11)
    looks = [("dira01.svg", "a clean round hole with a bruised rim"),
             ("dira02.svg", "a hole with a splinter torn out to the right"),
             ("dira03.svg", "a hole split along the grain"),
             ("dira04.svg", "a small chipped hole")]
    for i, (name, what) in enumerate(looks):
        W = H = 10
        cx, cy = 3.5, 3.5
        s = [f'<rect width="{W}" height="{H}" fill="#ffffff"/>']
        if i == 1:
            s.append(f'<path d="M{cx} {cy-1.5}L9.5 {cy+0.5}L{cx+1} {cy+2}Z" fill="#c8a88a"/>')
        if i == 2:
            s.append(f'<path d="M0 {cy}L10 {cy+0.6}" stroke="#9a7a60" stroke-width="1"/>')
        ring = 3.4 if i != 3 else 2.6
        s.append(f'<circle cx="{cx}" cy="{cy}" r="{ring}" fill="#b08f74"/>')
        core = []
        for k in range(9):
            a = 2 * math.pi * k / 9
            rad = (2.2 if i != 3 else 1.6) * r.uniform(0.8, 1.15)
            core.append((cx + rad * math.cos(a), cy + rad * math.sin(a)))
        s.append(f'<polygon points="{pts(core)}" fill="{INK}"/>')
        s.append(f'<path d="M{cx+1.2} {cy+2.6}Q{cx+2.8} {cy+2.6} {cx+3} {cy+0.8}" fill="none" stroke="#e8d8c8" stroke-width="0.8"/>')
        svg(name, W, H, "\n".join(s), f"Bullet hole left in the street by the player's shot: {what}. White means no change.")


def make_bang():
    r = random.Random(3)
    W, H = 200, 120
    cx, cy = 100, 60
    def burst(rx, ry, n, jitter):
        p = []
        for k in range(2 * n):
            a = 2 * math.pi * k / (2 * n)
            f = 1.0 if k % 2 == 0 else 0.68
            f *= r.uniform(1 - jitter, 1 + jitter)
            p.append((cx + rx * f * math.cos(a), cy + ry * f * math.sin(a)))
        return p
    s = [f'<polygon points="{pts(burst(97, 58, 14, 0.05))}" fill="#d8452a" stroke="{INK}" stroke-width="2.5" stroke-linejoin="round"/>',
         f'<polygon points="{pts(burst(82, 47, 13, 0.06))}" fill="#f6c83c" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>',
         f'<text x="{cx+3}" y="{cy+15}" font-family="DejaVu Sans" font-weight="bold" font-size="40" text-anchor="middle" fill="{INK}">BANG!</text>',
         f'<text x="{cx}" y="{cy+12}" font-family="DejaVu Sans" font-weight="bold" font-size="40" text-anchor="middle" fill="#fff7e0" stroke="{INK}" stroke-width="2">BANG!</text>']
    svg("bang.svg", W, H, "\n".join(s), "A comic BANG! burst, red and yellow. 200 x 120.")


def make_civil_mark():
    s = [f'<circle cx="20" cy="27" r="17" fill="{GOLD}" stroke="{INK}" stroke-width="2"/>',
         f'<circle cx="20" cy="27" r="13" fill="#f4ead2" stroke="{INK}" stroke-width="1.5"/>',
         # a townsman's pale blue bowler
         f'<path d="M12 32C12 20 28 20 28 32Z" fill="#7fb0d8" stroke="{INK}" stroke-width="1.5"/>',
         f'<path d="M14 29L26 29" stroke="#f0d060" stroke-width="2"/>',
         f'<path d="M8 33Q20 29 32 33Q20 37 8 33Z" fill="#7fb0d8" stroke="{INK}" stroke-width="1.5"/>',
         f'<path d="M15 24Q17 22 20 22" fill="none" stroke="#d6ecfa" stroke-width="1.5"/>',
         # the halo over it: the townsfolk are spared
         f'<ellipse cx="20" cy="7" rx="12" ry="4" fill="none" stroke="{INK}" stroke-width="4.5"/>',
         f'<ellipse cx="20" cy="7" rx="12" ry="4" fill="none" stroke="{GOLD_HI}" stroke-width="2"/>']
    svg("civil.svg", 40, 46, "\n".join(s), "Mark of the townsfolk cheat: a townsman's bowler with a halo, on a gold badge. 40 x 46.")


def make_bandit_label():
    """The kill bar's label: a tiny wanted poster of a Crow bandit, black hat
    and red bandana, nailed to the post above the bar's track."""
    W, H = 20, 26
    paper, paper_sh = "#f2e2ba", "#c9a96c"
    s = [f'<rect x="1" y="1.5" width="18" height="23.5" rx="1" fill="{paper}" stroke="{INK}" stroke-width="1.5"/>',
         f'<path d="M2.5 23.5H17.5" stroke="{paper_sh}" stroke-width="1.5"/>',
         # the face under the hat, the bandana over mouth and chin
         f'<path d="M5 12Q5 21 10 21Q15 21 15 12Z" fill="{SKIN}" stroke="{INK}" stroke-width="1.2"/>',
         f'<path d="M4.8 15.8Q10 14.6 15.2 15.8L15 17.5Q13 21.5 10 21.5Q7 21.5 5 17Z" fill="#c0281e" stroke="{INK}" stroke-width="1.2"/>',
         f'<path d="M10 21.5L8.6 23.6M10 21.5L11.6 23.6" stroke="#c0281e" stroke-width="1.4"/>',
         f'<path d="M6.4 13.4H8.6M11.4 13.4H13.6" stroke="{INK}" stroke-width="1.5"/>',
         # the black hat: a crown with a dent and a wide brim
         f'<path d="M6 10.5L6.6 5Q10 3.2 13.4 5L14 10.5Z" fill="#1e1612" stroke="{INK}" stroke-width="1"/>',
         f'<path d="M2.6 10.8Q10 8.4 17.4 10.8Q10 12.8 2.6 10.8Z" fill="#1e1612" stroke="{INK}" stroke-width="1"/>',
         f'<path d="M7 8.6Q10 7.6 13 8.6" stroke="#c0281e" stroke-width="1.1" fill="none"/>',
         f'<circle cx="10" cy="2.6" r="1.3" fill="#7a7068" stroke="{INK}" stroke-width="0.8"/>']
    svg("bandits.svg", W, H, "\n".join(s),
        "The kill bar's label: a tiny wanted poster of a Crow bandit (bandits still to go). 20 x 26, masked, "
        "drawn at (620, 82) above the bar's track.")


if __name__ == "__main__":
    make_bandit_label()
    make_star()
    make_portraits()
    make_glass_hole()
    make_bullet_holes()
    make_bang()
    make_civil_mark()
