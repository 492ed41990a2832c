#!/usr/bin/env python3
# Writes the pictures of the duel comics: duel_p.svg, four panels (the three
# showdowns in the streets of the duels and the lesson of the draw), and
# duel_t.svg, their lettering.  The streets and the duelists are the game's
# own (the generators beside the duel backgrounds and sprites), so the comic
# shows exactly what the player is about to face.  Prints where each piece of
# lettering lies on duel_t.svg, for the scripts, and fails on lettering that
# does not fit its box.
#   usage: COMIX_NO_CACHE_WRITE=1 _make_duel_comix.py [OUTDIR]
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "gfx", "back"))
sys.path.insert(0, os.path.join(HERE, "..", "gfx", "duel"))
import _lib as L                    # noqa: E402
import _make_duel_backs as backs    # noqa: E402
import _make_duelists as duelists   # noqa: E402

OUT = sys.argv[1] if len(sys.argv) > 1 else HERE
IW, IH = 312, 232                   # inside of a panel


def street(P, key, who, pose=duelists.standing):
    """The duel street with its three duelists, fitted into a panel."""
    s = backs.build(P)
    s = s.replace('<svg xmlns="http://www.w3.org/2000/svg" width="640" height="480" viewBox="0 0 640 480">',
                  f'<svg width="{IW}" height="{IH}" viewBox="0 19 620 461" preserveAspectRatio="xMidYMid slice">')
    for gid in ("sky", "road"):
        s = s.replace(f'id="{gid}"', f'id="{gid}_{key}"').replace(f'url(#{gid})', f'url(#{gid}_{key})')
    figures = "".join(f'<g transform="translate({x - 66} 107)">{pose(duelists.DUELISTS[n])}</g>'
                      for x, n in zip((96, 317, 539), who))
    return s.replace("</svg>", figures + "</svg>")


def lesson():
    """Not yet / now: the standing duelist and the one whose hand hits the gun."""
    P = duelists.DUELISTS["drifter_a"]
    art = [L.rect(0, 0, IW, IH, "#e9d2a4", 0), L.rect(IW / 2, 0, IW / 2, IH, "#f3ddb0", 0)]
    art.append(f'<g transform="translate(8 -14) scale(1.25)">{duelists.standing(P)}</g>')
    art.append(f'<g transform="translate(164 -14) scale(1.25)">{duelists.grip(P)}</g>')
    art.append(L.line(IW / 2, 0, IW / 2, IH, 3))
    for x, word, colour in ((IW * 0.75, "NOW!", "#b8302a"), (IW * 0.25, "NOT YET", "#5a4a3a")):
        art.append(L.rect(x - 62, IH - 40, 124, 32, L.CAPTION, 2.5))
        art.append(L.boxed_text(f"duel_p lesson {word}", 124, x, IH - 16, word, 20, colour, L.FONT_CAPTION))
    return "".join(art)


def main():
    sheet = L.Sheet()
    sheet.panel(0, 0, street(backs.DAY, "day", ("drifter_a", "drifter_b", "drifter_c")), name="day")
    sheet.panel(320, 0, street(backs.DUSK, "dusk", ("sharp_a", "sharp_b", "sharp_c")), name="dusk")
    sheet.panel(0, 240, street(backs.NIGHT, "night", ("twin", "boss", "sharp_c")), name="night")
    sheet.panel(320, 240, lesson(), name="lesson")
    sheet.save(os.path.join(OUT, "duel_p.svg"))

    t = L.TextSheet("duel_t")
    t.add("noon", ["HIGH NOON ON MAIN STREET."], kind="caption", size=17)
    t.add("sundown", ["SUNDOWN ON SALOON ROW."], kind="caption", size=17)
    t.add("midnight", ["MIDNIGHT OUTSIDE THE BANK."], kind="caption", size=17)
    t.add("call1", ["HEY, TIN STAR!", "THREE OF US. ONE OF YOU."], tail="br", size=17)
    t.add("call2", ["THE CROWS DON'T FORGET,", "DEPUTY. STEP OUT!"], tail="br", size=17)
    t.add("call3", ["YOU JAILED BLACK JACK?", "MEET HIS COUSIN. DRAW!"], tail="br", size=17)
    t.add("rule", ["WAIT TILL A HAND SLAPS", "ONTO A GUN, THEN BE QUICK.", "SHOOT A MAN WHO HAS NOT",
                   "DRAWN AND IT COSTS A LIFE."], kind="caption", size=15)
    rects = t.save(os.path.join(OUT, "duel_t.svg"))
    for key, r in rects.items():
        print(key, *r)
    if L.FIT_FAULTS:
        sys.exit("\n".join(L.FIT_FAULTS))


if __name__ == "__main__":
    main()
