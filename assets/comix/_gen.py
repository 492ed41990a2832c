# Draws the comic pictures of the game as SVG: the paper page, the sprite
# sheet, the town panorama, the title card, the panel sheets and the
# lettering sheets (balloons and captions).  Run it here:
#     python3 _gen.py
# It rewrites the *.svg beside it (COMIX_OUT names another folder) and
# _rects.json, where every balloon and caption of the lettering sheets lies;
# the comic scripts in data/comix/ cut their pictures by those rectangles.
# Panel sheets hold four 312 x 232 panels in 320 x 240 cells, inked frame
# included at (cell + 2, 316 x 236).  _lib.py has the drawing helpers,
# _levels.py the level, game-over and goodbye sheets.
import json, os, sys
from _lib import *

OUT = os.environ.get("COMIX_OUT", os.path.dirname(os.path.abspath(__file__)))
os.makedirs(OUT, exist_ok=True)
RECTS = {}


def save(sheet, name):
    r = sheet.save(f"{OUT}/{name}.svg")
    if r:
        RECTS[name] = r


# ------------------------------------------------------------ paper page
def paper():
    s = Sheet()
    s.define('<pattern id="dots" width="8" height="8" patternUnits="userSpaceOnUse">'
             '<circle cx="2" cy="2" r="1.1" fill="#e2cc9f"/><circle cx="6" cy="6" r="1.1" fill="#e2cc9f"/></pattern>')
    s.define('<radialGradient id="vig" cx="0.5" cy="0.5" r="0.75"><stop offset="0.6" stop-color="#f3e4c4"/>'
             '<stop offset="1" stop-color="#d9bd8a"/></radialGradient>')
    s.add(rect(0, 0, 640, 480, "url(#vig)", 0))
    s.add(rect(0, 0, 640, 480, "url(#dots)", 0))
    s.add(rect(1, 1, 638, 478, "none", 2, stroke="#8a6a44"))
    save(s, "paper")


# ------------------------------------------------------------ sprite sheet
def sprites():
    s = Sheet()
    # row 0: tumbleweed, 4 frames of 64x64, rolling clockwise
    for f in range(4):
        cx, cy = f * 64 + 32, 32
        body = [circle(0, 0, 26, "#c79a58", 2.5)]
        for i in range(7):
            a = i * 51 + f * 22
            body.append(f'<path d="M0,0 q14,-8 24,0" transform="rotate({a})" fill="none" '
                        f'stroke="{INK}" stroke-width="1.6"/>')
            body.append(f'<path d="M-20,4 q10,10 22,4" transform="rotate({a + 25})" fill="none" '
                        f'stroke="#8a6234" stroke-width="2"/>')
        body.append(f'<path d="M-16,-16 q6,-6 14,-6" transform="rotate({f * 22})" fill="none" '
                    f'stroke="#f0d49a" stroke-width="3"/>')
        s.add(g("".join(body), cx, cy))
    # row 1: hanging lantern, 3 frames of 40x80 (flame low, mid, high)
    for f, fl in enumerate((0.75, 1.0, 1.25)):
        x = f * 40 + 20
        body = (line(0, 4, 0, 22, 2.5) +
                ellipse(0, 48, min(19, 18 * fl), 22 * fl, "#ffd86a", 0, extra='fill-opacity="0.55"') +
                path("M-11,24 L11,24 L9,62 L-9,62 Z", "#f7d46a", 2.5) +
                ellipse(0, 46, 4 * fl, 9 * fl, "#fff6c8", 0) +
                path(f"M0,{46 - 10 * fl} Q3,44 0,52 Q-3,44 0,{46 - 10 * fl} Z", "#e8742a", 0) +
                rect(-13, 62, 26, 6, "#4a3a30", 2) + rect(-10, 19, 20, 6, "#4a3a30", 2) +
                line(-9, 26, -7, 60, 1.5) + line(9, 26, 7, 60, 1.5))
        s.add(g(body, x, 64))
    # row 2: "click to go on" card, 2 frames of 200x40
    for f in range(2):
        x = f * 200
        col = INK if f == 0 else "#8a6a44"
        s.add(rect(x + 4, 148, 192, 32, CAPTION if f == 0 else "#efe0b0", 2.5, rx=6))
        s.add(boxed_text("click card", 192, x + 100, 170, "CLICK TO GO ON", 18, col, FONT_BALLOON, "bold",
                         'font-stretch="condensed"'))
    # row 3: dust cloud, 3 frames of 80x80
    for f in range(3):
        cx = f * 80 + 40
        body = []
        for i, (dx, dy, r) in enumerate(((-18, 10, 14), (0, 4, 18), (18, 12, 13), (-6, -12, 12), (12, -8, 11))):
            rr = r * (0.8 + 0.15 * f) + (i % 2) * 2 * f
            body.append(circle(dx * (1 + 0.15 * f), dy, rr, "#e6cfa0" if i % 2 else "#d8b884", 2))
        s.add(g("".join(body), cx, 224))
    # row 4 (y 410..480): galloping rider silhouette, 2 frames of 120x70
    for f in range(2):
        x = f * 120
        sil = "#3a2418"
        legs = (("M34,44 L26,66", "M44,44 L50,66", "M84,44 L80,66", "M92,44 L100,64") if f == 0 else
                ("M34,44 L14,58", "M44,44 L30,62", "M84,44 L100,58", "M92,44 L112,54"))
        body = [path("M28,30 Q30,18 50,20 L86,18 Q96,10 104,4 L112,10 L104,20 Q100,30 96,44 L30,46 Q24,44 28,30 Z",
                     sil, 0)]
        for d in legs:
            body.append(path(d, "none", 6, stroke=sil))
        body.append(path("M28,28 Q14,30 10,44", "none", 4, stroke=sil))  # tail
        # rider
        body.append(path("M56,20 L60,2 L72,2 L70,20 Z", sil, 0))
        body.append(circle(66, -4, 6, sil, 0))
        body.append(ellipse(66, -9, 12, 2.5, sil, 0))
        body.append(path("M60,-10 L62,-16 L70,-16 L72,-10 Z", sil, 0))
        s.add(g("".join(body), x, 418))
    # static: sheriff's star 200x200 at (430,0)
    s.add(g(path(star(0, 0, 92, 44), "#f2c744", 4) + path(star(0, 0, 70, 33), "none", 2, stroke="#c99a20") +
            circle(0, 0, 36, "#f7dc7a", 3) + boxed_text("star", 72, 0, 5, "DEPUTY", 14, INK, FONT_CAPTION, "bold") +
            path("M-40,-40 L-20,-58", "none", 6, stroke="#fff6c0") +
            "".join(circle(92 * math.cos(math.radians(-90 + i * 72)), 92 * math.sin(math.radians(-90 + i * 72)),
                           8, "#f2c744", 3) for i in range(5)), 530, 102))
    # static: BANG burst 150x100 at (250,186)
    s.add(path(burst(325, 236, 72, 46, 14, 0.7), "#f6d23a", 3))
    s.add(path(burst(325, 236, 52, 30, 12, 0.72, 2), "#f08a2a", 0))
    # the burst's lettering room: halfway between its inner and outer points
    s.add(boxed_text("bang burst", int(72 * (1 + 0.7)), 325, 247, "BANG!", 32, "#8a1f18", FONT_TITLE, "bold",
               f'stroke="{INK}" stroke-width="1.5"'))
    # static: town sign 300x110 at (0,296)
    s.add(rect(40, 350, 14, 52, "#6e4424", 2) + rect(246, 350, 14, 52, "#6e4424", 2))
    s.add(path("M6,300 L294,304 L290,366 L10,362 Z", "#b07a45", 3))
    s.add(path("M14,320 L286,323 M12,342 L288,345", "none", 1.5, stroke="#7a5230"))
    s.add(boxed_text("town sign", 282, 150, 331, "DEADEYE GULCH", 27, INK, FONT_TITLE, "bold",
                     'transform="rotate(0.8 150 330)"'))
    s.add(boxed_text("town sign", 282, 150, 354, "POP. 212 - AND DROPPIN'", 15, "#3a2418", FONT_CAPTION, "bold"))
    s.add(circle(20, 312, 2.5, "#3a2418", 0) + circle(282, 314, 2.5, "#3a2418", 0))
    # static: tossed hat 80x44 at (320,300)
    s.add(g(hat("townsman", KINDS["townsman"]), 362, 520, 1.0))
    # static: music notes 60x50 at (420,300)
    s.add(path("M432,340 L432,312 L452,306 L452,334", "none", 3) + ellipse(428, 341, 6, 4.5, INK, 0) +
          ellipse(448, 335, 6, 4.5, INK, 0) + path("M432,316 L452,310", "none", 5))
    s.add(path("M470,344 L470,318 Q478,322 480,330", "none", 3) + ellipse(466, 345, 6, 4.5, INK, 0))
    # static: the boss's dropped hat with a hole, 100x50 at (500,300)
    k = KINDS["bandit"]
    s.add(g(ellipse(0, -176, 36, 7, k["hat"], 2) +
            path("M-18,-176 C-19,-198 -11,-205 0,-197 C11,-205 19,-198 18,-176 Z", k["hat"], 2) +
            rect(-18, -184, 36, 6, "#b8b2a8", 1.5) + circle(6, -192, 3, "#f3e4c4", 1.5), 550, 510, 1.2))
    save(s, "sprites")


# ------------------------------------------------------------ scenery pieces
def sky(id_, stops):
    return grad(id_, stops)


DAY = [(0, "#8fbccc"), (0.7, "#e9d6a6"), (1, "#f4c98a")]
DUSK = [(0, "#5a3a66"), (0.45, "#c8586a"), (0.8, "#f2944a"), (1, "#f8c46a")]
NIGHT = [(0, "#141a34"), (0.7, "#2c2c54"), (1, "#4a3a62")]


def street_row(x0, y, h, night=False, dusk=False, names=("GENERAL STORE", "SALOON", "HOTEL")):
    """A row of false-front buildings from x0, ground at y+h."""
    pal = [("#c98a55", "#a56a3a"), ("#a87448", "#82552e"), ("#d6a06a", "#b07c48"), ("#9a6a50", "#754c36")]
    if dusk:
        pal = [("#b0604a", "#843e32"), ("#8f5242", "#6a3a30"), ("#c07452", "#904c38"), ("#7e4a44", "#5a3030")]
    if night:
        pal = [("#4e4a64", "#38354a"), ("#5a4a5a", "#403444"), ("#625a74", "#48425a"), ("#4a4458", "#34303f")]
    out = []
    x = x0
    for i, nm in enumerate(names):
        w = 150 + (i * 37) % 50
        hh = h - (i * 23) % 40
        c, sh = pal[i % 4]
        out.append(facade(x, y + h - hh, w, hh, c, sh, sign=nm, night=night, lit=night and i % 2 == 0))
        x += w + 8
    return "".join(out), x


def town_panorama():
    s = Sheet()
    s.define(sky("tsky", DAY))
    W = 1280
    art = [rect(0, 0, W, 240, "url(#tsky)", 0)]
    # distant mesas
    art.append(path("M0,140 L60,120 L120,122 L150,100 L260,98 L290,126 L420,128 L470,108 L560,106 L600,130 "
                    "L760,132 L800,96 L900,94 L930,124 L1100,126 L1140,104 L1220,102 L1280,128 L1280,160 L0,160 Z",
                    "#d79a6a", 2))
    art.append(path("M150,100 L260,98 L250,110 L160,112 Z M800,96 L900,94 L890,106 L810,108 Z", "#e8b488", 0))
    art.append(ground(0, 170, W, 70))
    names = ["GENERAL STORE", "SALOON", "HOTEL", "SHERIFF", "BANK", "BARBER", "LAND OFFICE", "DEPOT"]
    x = 10
    pal = [("#c98a55", "#a56a3a"), ("#a87448", "#82552e"), ("#d6a06a", "#b07c48"), ("#9a6a50", "#754c36"),
           ("#b9a58a", "#948066")]
    lamp_x = []
    for i, nm in enumerate(names):
        w = 132 + (i * 37) % 40
        hh = 130 - (i * 23) % 34
        c, sh = pal[i % 5]
        art.append(facade(x, 176 - hh, w, hh, c, sh, sign=nm, windows=2))
        if nm == "SALOON":
            lamp_x.append(x + w - 22)
        x += w + 6
    art.append(boardwalk(0, 176, W))
    # hitching rails, barrels, cacti
    for hx in (180, 520, 870, 1150):
        art.append(rect(hx, 196, 60, 5, "#7a5230", 2) + rect(hx + 4, 196, 5, 18, "#7a5230", 1.5) +
                   rect(hx + 51, 196, 5, 18, "#7a5230", 1.5))
    for bx in (330, 700, 1010):
        art.append(rect(bx, 158, 18, 20, "#8a5a30", 2, rx=3) + line(bx, 164, bx + 18, 164, 1.5) +
                   line(bx, 172, bx + 18, 172, 1.5))
    art.append(cactus(1250, 236, 0.6))
    art.append(cactus(40, 236, 0.5))
    # wagon-wheel ruts
    art.append(path("M0,222 Q640,214 1280,224 M0,232 Q640,226 1280,234", "none", 2, stroke="#c99a5b"))
    full = "".join(art)
    s.define(f'<clipPath id="c1"><rect x="0" y="0" width="640" height="240"/></clipPath>')
    s.define(f'<clipPath id="c2"><rect x="0" y="240" width="640" height="240"/></clipPath>')
    s.add(f'<g clip-path="url(#c1)">{full}</g>')
    s.add(f'<g clip-path="url(#c2)"><g transform="translate(-640,240)">{full}</g></g>')
    save(s, "town")
    return lamp_x


def title_card():
    s = Sheet()
    s.define(sky("ttsky", DUSK))
    s.add(rect(0, 0, 640, 480, "url(#ttsky)", 0))
    s.add(circle(470, 300, 90, "#fbd77a", 0) + circle(470, 300, 70, "#fde6a0", 0))
    # skyline silhouette
    sil = "#3a2230"
    d = "M0,330 L0,300 L40,300 L40,270 L110,270 L110,292 L150,292 L150,250 L230,250 L230,285 L260,285 " \
        "L260,262 L340,262 L340,300 L380,300 L380,240 L404,240 L404,228 L414,228 L414,240 L440,240 " \
        "L440,296 L520,296 L520,272 L600,272 L600,300 L640,300 L640,330 Z"
    s.add(path(d, sil, 2))
    for wx, wy in ((60, 282), (175, 262), (205, 262), (290, 275), (545, 284), (392, 252)):
        s.add(rect(wx, wy, 10, 10, "#f6c66a", 0))
    s.add(rect(0, 328, 640, 152, "#c77a4a", 0))
    s.add(path("M250,480 L300,330 L340,330 L420,480 Z", "#e09a62", 0))
    s.add(path("M0,330 L640,330", "none", 3))
    s.add(cactus(80, 430, 1.1, "#4a3a2c", "#3a2c22"))
    s.add(cactus(590, 420, 0.8, "#4a3a2c", "#3a2c22"))
    # title lettering
    for dx, dy, col in ((5, 5, "#5a2a1a"),):
        s.add(text(320 + dx, 132 + dy, "DEADEYE", 96, col, FONT_TITLE, "bold"))
        s.add(text(320 + dx, 212 + dy, "GULCH", 96, col, FONT_TITLE, "bold"))
    s.add(text(320, 132, "DEADEYE", 96, "#f4c24a", FONT_TITLE, "bold",
               f'stroke="{INK}" stroke-width="4" paint-order="stroke"'))
    s.add(text(320, 212, "GULCH", 96, "#f4c24a", FONT_TITLE, "bold",
               f'stroke="{INK}" stroke-width="4" paint-order="stroke"'))
    s.add(rect(120, 240, 400, 34, "#f3e4c4", 2.5, rx=4))
    s.add(boxed_text("title plaque", 400, 320, 262, "ONE DEPUTY. THREE DOORS. SIX BULLETS.", 15, INK,
                     FONT_CAPTION, "bold"))
    save(s, "title")


# ------------------------------------------------------------ panels
PW, PH = 312, 232


def bg_street(id_, stops=DAY, night=False, dusk=False, names=("STORE", "SALOON", "HOTEL"), gy=170):
    art = [rect(0, 0, PW, PH, f"url(#{id_})", 0)]
    if night:
        for i in range(18):
            art.append(circle((i * 73) % PW, (i * 41) % 90 + 6, 1.3, "#f4e6b0", 0))
        art.append(circle(262, 36, 18, "#f4e3b0", 2) + circle(270, 30, 14, "#141a34", 0))
    row, _ = street_row(-20, gy - 120, 120, night=night, dusk=dusk, names=names)
    art.append(row)
    art.append(boardwalk(0, gy, PW, "#9a6a3c" if not night else "#5a4a50",
                         "#6e4424" if not night else "#3a3040"))
    gc = ("#e2b878", "#c99a5b") if not (night or dusk) else (("#b06a4a", "#8a4a36") if dusk else ("#4a4060", "#3a3250"))
    art.append(ground(0, gy + 14, PW, PH - gy - 14, *gc))
    return "".join(art), sky(id_, stops)


def intro_panels():
    s = Sheet()
    # A: the gang shooting up Main Street
    art, d = bg_street("skA", DAY, names=("STORE", "SALOON", "BANK"))
    art += person("bandit", "gun_up", 90, 224, 0.82, gunhand="right", legs="spread")
    art += person("bandit2", "gun_up", 210, 226, 0.86, flip=True, gunhand="right", legs="spread")
    art += path(burst(128, 48, 22, 14, 10, 0.6), "#f6d23a", 2) + path(burst(170, 50, 20, 13, 10, 0.6, 3), "#f6d23a", 2)
    art += person("townsman", "hands_up", 290, 206, 0.5, legs="run")
    s.panel(0, 0, art, d, name="A")
    # B: wanted poster of Black Jack Crow
    art = rect(0, 0, PW, PH, "#8a5a34", 0)
    for yy in range(0, PH, 26):
        art += line(0, yy, PW, yy, 2, "#6e4424")
    art += path("M70,14 L246,10 L250,222 L66,226 Z", "#f0dcaa", 3)
    # the poster is about 176 px wide at the top and 182 px near the bottom
    art += boxed_text("wanted poster", 176, 158, 48, "WANTED", 32, INK, FONT_TITLE, "bold")
    art += rect(108, 60, 100, 100, "#e6cc94", 2)
    art += f'<g clip-path="url(#clip_Bface)">' + person("boss", "stand", 158, 324, 1.3, shadow=False) + "</g>"
    s.define('<clipPath id="clip_Bface"><rect x="108" y="60" width="100" height="100"/></clipPath>')
    art += rect(108, 60, 100, 100, "none", 2)
    art += boxed_text("wanted poster", 180, 158, 182, "BLACK JACK CROW", 16, INK, FONT_CAPTION, "bold")
    art += boxed_text("wanted poster", 182, 158, 210, "$ 500 REWARD", 21, "#8a1f18", FONT_TITLE, "bold")
    art += circle(84, 24, 4, "#8a8580", 1.5) + circle(236, 20, 4, "#8a8580", 1.5)
    s.panel(320, 0, art, "", name="B")
    # C: the mayor pins the star on the deputy (sheriff's office)
    art = rect(0, 0, PW, PH, "#c89a66", 0)
    for xx in range(0, PW, 24):
        art += line(xx, 0, xx, 170, 1.5, "#a87a48")
    art += rect(180, 30, 90, 70, "#9cc3cf", 3) + line(225, 30, 225, 100, 2) + line(180, 65, 270, 65, 2)
    art += rect(0, 170, PW, 62, "#8a5a34", 0) + line(0, 170, PW, 170, 2)
    art += rect(10, 14, 84, 26, "#f0dcaa", 2) + boxed_text("office sign", 84, 52, 32, "SHERIFF", 14, INK, FONT_CAPTION, "bold")
    art += person("deputy", "stand", 200, 228, 0.95, flip=True)
    art += person("mayor", "pin", 96, 228, 0.95)
    s.panel(0, 240, art, "", name="C")
    # D: the deputy, close up and determined, Main Street behind
    art, d = bg_street("skD", DAY, names=("HOTEL", "SALOON", "STORE"))
    art += person("deputy", "stand", 156, 470, 2.1, shadow=False)
    s.panel(320, 240, art, d, name="D")
    save(s, "intro_p")


def intro_text():
    t = TextSheet("intro_t")
    t.add("cap_town", ["DEADEYE GULCH, 1878.", "A QUIET LITTLE TOWN... ONCE."], kind="caption", size=19)
    t.add("cap_gang", ["THEN THE CROW GANG RODE IN."], kind="caption", size=17)
    t.add("yeehaw", ["YEE-HAW!", "THIS TOWN'S OURS!"], tail="bl", size=18)
    t.add("cap_boss", ["THEIR BOSS FEARS", "NO MAN ALIVE."], kind="caption", size=17)
    t.add("mayor1", ["RAISE YOUR RIGHT HAND, SON.", "YOU'RE OUR NEW DEPUTY!"], tail="bl", size=17)
    t.add("deputy1", ["I'LL CLEAR EVERY", "LAST CROW OUT", "OF DEADEYE GULCH."], tail="br", size=17)
    t.add("mayor2", ["SHOOT ONLY THE BANDITS,", "NOT OUR GOOD FOLKS!"], tail="tl", size=17)
    t.add("cap_luck", ["GOOD LUCK, DEPUTY!"], kind="caption", size=24)
    t.add("cap_dark", ["BLACK HATS. RED BANDANAS.", "THAT'S HOW YOU KNOW THEM."], kind="caption", size=17)
    # the gang's shout again, for the page: its tail reaches back into panel A
    t.add("yeehaw_l", ["YEE-HAW!", "THIS TOWN'S OURS!"], tail="l", size=18)
    RECTS["intro_t"] = t.save(f"{OUT}/intro_t.svg")


if __name__ == "__main__":
    what = sys.argv[1:] or ["all"]
    paper()
    sprites()
    town_panorama()
    title_card()
    intro_panels()
    intro_text()
    import _levels as levels
    levels.run(RECTS)
    if FIT_FAULTS:
        print("Lettering wider than its box:", *FIT_FAULTS, sep="\n  ", file=sys.stderr)
        sys.exit(1)
    json.dump(RECTS, open(os.path.join(OUT, "_rects.json"), "w"), indent=1)
    for k, v in RECTS.items():
        print(k)
        for kk, vv in v.items():
            print("   ", kk, *vv)
