#!/usr/bin/env python3
# Writes the small messages of the game screen as SVG text into this folder:
# the foul plate shown over a door after a shot too early or at the
# townsfolk, the reload hint by the cartridges, and the board that sums up a
# cleared level.  The game prints into them with its own bitmap fonts, so
# every spot it prints on is kept plain and light (see the areas below);
# check() fails loudly when a drawn mark would land in one.
# Run it from anywhere: python3 _make_hud.py
import os, random, sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "menu"))
import _make_menu as M  # lettering that is measured and fitted, the badge
L = M.L

INK = M.INK
PAPER, PAPER_SH, PAPER_HI, PAPER_RULE = "#f8ecca", "#e2c994", "#fffaf0", "#c9a96c"
RED, RED_SH, RED_HI = "#c0392b", "#8a1f18", "#e8705a"
NAIL, NAIL_HI = "#7a7068", "#d8d0c8"
GOLD_TOP, GOLD_LOW = "#fff0b0", "#f2b63e"  # the two tones of the bitmap fonts

# Where the game prints (picture coordinates, inclusive): nothing but the
# plain light fill may be drawn there.
PLAIN = {
    "plate": [(8, 5, 104, 24)],
    "hint": [(4, 5, 208, 24)],
    # the numbers of the four rows: digit cells 13 x 27 ending at x 246
    "summary": [(180, 52 + 30 * r, 250, 79 + 30 * r) for r in range(4)],
}
SUMMARY_ROWS = ("SHOTS FIRED", "BANDITS HIT", "ACCURACY", "TOWNSFOLK HIT")
ROW_TOP, ROW_STEP, CELL_H = 52, 30, 27
LABEL_X0, LABEL_X1 = 14, 170
PERCENT_X0, PERCENT_X1 = 250, 268


def check(name, marks):
    """marks: (x1, y1, x2, y2) boxes of everything drawn over the plain fill."""
    for mx1, my1, mx2, my2 in marks:
        for px1, py1, px2, py2 in PLAIN[name]:
            if mx1 <= px2 and px1 <= mx2 and my1 <= py2 and py1 <= my2:
                raise SystemExit(f"{name}: mark {(mx1, my1, mx2, my2)} lands in the print area {(px1, py1, px2, py2)}")


def save(name, w, h, body, defs, comment):
    text = (f'<?xml version="1.0" encoding="UTF-8"?>\n<!-- {comment} -->\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
            f'<defs>{defs}</defs>\n{body}\n</svg>\n')
    with open(os.path.join(HERE, name + ".svg"), "w") as f:
        f.write(text)


def tag(w, h):
    """A paper tag filling the picture: 2 px ink outline, a lit top edge and a
    shaded bottom row, both outside the printing rows 5..24."""
    b = [L.rect(1, 1, w - 2, h - 3, PAPER, 2, rx=3)]
    b.append(L.rect(2, 2, w - 4, 2, PAPER_HI, 0))
    b.append(L.rect(2, h - 4, w - 4, 1, PAPER_SH, 0))
    return b


def nail(x, y):
    return L.circle(x, y, 1.7, NAIL, 0.9) + L.circle(x - 0.5, y - 0.5, 0.6, NAIL_HI, 0)


# ------------------------------------------------------------------ the foul plate
def make_plate():
    W, H = 112, 29
    b = tag(W, H)
    # red-painted ends, each held by a nail: the mark of a foul
    for x0, x1 in ((2, 6), (106, 110)):
        b.append(L.rect(x0, 2, x1 - x0, H - 5, RED, 0))
        b.append(L.rect(x0, 2, x1 - x0, 2, RED_HI, 0))
        b.append(L.rect(x0, H - 5, x1 - x0, 2, RED_SH, 0))
    b.append(L.line(6.5, 2, 6.5, H - 3, 1, INK) + L.line(105.5, 2, 105.5, H - 3, 1, INK))
    b.append(nail(4, H / 2 - 1) + nail(108, H / 2 - 1))
    b.append(L.rect(1, 1, W - 2, H - 3, "none", 2, rx=3))
    check("plate", [(0, 0, 7, H - 1), (105, 0, W - 1, H - 1)])
    save("plate", W, H, "\n".join(b), "",
         "Foul plate, 112 x 29, masked, shown over a door after a foul shot: a paper tag with red nailed "
         "ends; the game prints nine letters at (11, 7) on the plain paper x 8..104, y 5..24.")


# ------------------------------------------------------------------ the reload hint
def make_hint():
    W, H = 212, 29
    b = tag(W, H)
    b.append(L.rect(1, 1, W - 2, H - 3, "none", 2, rx=3))
    check("hint", [(0, 0, 3, H - 1), (209, 0, W - 1, H - 1), (0, 0, W - 1, 4), (0, 25, W - 1, H - 1)])
    save("hint", W, H, "\n".join(b), "",
         "Reload hint, 212 x 29, masked, shown by the cartridges: the foul plate's paper, longer; the game "
         "prints twenty letters at (6, 7) on the plain paper x 4..208, y 5..24.")


# ------------------------------------------------------------------ the level summary
def make_summary():
    W, H = 300, 180
    r = random.Random(5)
    defs = [f'<linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{GOLD_TOP}"/><stop offset="0.46" stop-color="{GOLD_TOP}"/>'
            f'<stop offset="0.46" stop-color="{GOLD_LOW}"/><stop offset="1" stop-color="{GOLD_LOW}"/></linearGradient>']
    b = []
    marks = []
    # the dark board, two planks, with the paper nailed over its lower part
    b.append(L.rect(1, 1, W - 2, H - 2, M.DARKWOOD, 2, rx=4))
    b.append(L.rect(2, 2, W - 4, 3, M.DARKWOOD_HI, 0))
    b.append(L.rect(2, H - 6, W - 4, 4, M.DARKWOOD_SH, 0))
    b.append(L.line(2, 90, 7, 90, 1.5, M.DARKWOOD_SH) + L.line(293, 90, 298, 90, 1.5, M.DARKWOOD_SH))
    for _ in range(5):  # grain on the heading's strip only
        gx, gy, gl = r.uniform(8, 270), r.uniform(8, 40), r.uniform(10, 24)
        b.append(f'<path d="M{gx:.1f},{gy:.1f} q{gl / 2:.1f},{r.uniform(-1.5, 1.5):.1f} {gl:.1f},0" '
                 f'fill="none" stroke="{M.DARKWOOD_SH}" stroke-width="1"/>')
    b.append(L.rect(5, 5, W - 10, 39, "none", 1.5, stroke=M.GOLD_SH))
    b.append(M.label(W / 2, 25, "LEVEL CLEARED", M.TITLE, 196, 27, M.GOLD, stroke=INK, sw=3, shadow="#1a0e08"))
    b.append(M.badge(27, 25, 11) + M.badge(W - 27, 25, 11))
    # the paper: light under every row, a lit top and a shaded foot outside the rows
    px0, py0, px1, py1 = 8, 47, 292, 173
    b.append(L.rect(px0, py0, px1 - px0, py1 - py0, PAPER, 2))
    b.append(L.rect(px0 + 1, py0 + 1, px1 - px0 - 2, 2, PAPER_HI, 0))
    b.append(L.rect(px0 + 1, py1 - 3, px1 - px0 - 2, 2, PAPER_SH, 0))
    for x, y in ((13, 52), (W - 13, 52), (13, 168), (W - 13, 168)):
        b.append(nail(x, y))
        marks.append((x - 2, y - 2, x + 2, y + 2))
    # ruled lines between the rows
    for k in range(1, 4):
        y = ROW_TOP + ROW_STEP * k - 1.5
        b.append(f'<line x1="16" y1="{y}" x2="284" y2="{y}" stroke="{PAPER_RULE}" stroke-width="1" stroke-dasharray="3 2"/>')
        marks.append((16, int(y), 284, int(y)))
    # the labels, all at one size, left-aligned and centred on their rows
    size = min(M.fit(t, M.CAPTION, LABEL_X1 - LABEL_X0 - 4, 15)[0] for t in SUMMARY_ROWS)
    for k, t in enumerate(SUMMARY_ROWS):
        cy = ROW_TOP + ROW_STEP * k + CELL_H / 2
        fill = M.RED if t.startswith("TOWNSFOLK") else INK
        b.append(L.text(LABEL_X0 + 2, cy + size * 0.36, t, size, fill, M.CAPTION, "bold", anchor="start"))
        w = M.measure(t, size, M.CAPTION)
        marks.append((LABEL_X0, int(cy - size / 2), LABEL_X0 + 2 + w, int(cy + size / 2)))
        assert LABEL_X0 + 2 + w <= LABEL_X1, t
    # the accuracy row's percent sign, in the digits' own gold poster lettering
    cy0 = ROW_TOP + ROW_STEP * 2
    pw = PERCENT_X1 - PERCENT_X0
    b.append(f'<g font-family="DejaVu Serif" font-weight="bold" font-stretch="condensed" font-size="30" '
             f'fill="url(#gold)" stroke="{INK}" stroke-linejoin="round" paint-order="stroke">'
             f'<text transform="translate({PERCENT_X0 + 2.6},{cy0 + 25.3}) scale(0.58,0.86)" '
             f'stroke-width="3.3">%</text></g>')
    assert M.measure("%", 30, "DejaVu Serif") * 0.58 <= pw, "percent sign too wide"
    marks.append((PERCENT_X0 + 1, cy0, PERCENT_X1, cy0 + CELL_H))
    check("summary", marks)
    save("summary", W, H, "\n".join(b), "".join(defs),
         "Level summary, 300 x 180, masked, shown while the game pauses after a cleared level: LEVEL "
         "CLEARED on a dark board, four labelled rows on nailed paper; the game prints each row's number "
         "in the digit font ending at x 246 on rows y 52 + 30 r .. 79 + 30 r; the percent sign is drawn.")


if __name__ == "__main__":
    make_plate()
    make_hint()
    make_summary()
