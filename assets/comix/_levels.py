from _lib import *
from _gen import bg_street, DAY, DUSK, NIGHT, PW, PH, OUT, sky

R = None


def tsave(t):
    R[t.name] = t.save(f"{OUT}/{t.name}.svg")


def dust(x, y, s=1.0, c1="#e6cfa0", c2="#d8b884"):
    out = ""
    for i, (dx, dy, r) in enumerate(((-18, 10, 14), (0, 4, 18), (18, 12, 13), (-6, -12, 12))):
        out += circle(x + dx * s, y + dy * s, r * s, c1 if i % 2 else c2, 2)
    return out


def speedlines(x, y, n=4, l=40, col=INK):
    return "".join(line(x, y + i * 12, x + l - i * 6, y + i * 12, 2, col) for i in range(n))


def lvl1():
    s = Sheet()
    # 1: Main Street afternoon, the deputy walks in; a bandit peeks from a door
    art, d = bg_street("l1a", DAY, names=("STORE", "SALOON", "BANK"))
    art += person("bandit", "draw", 150, 168, 0.42, gunhand="right", shadow=False)
    art += person("deputy", "stand", 70, 230, 0.95)
    s.panel(0, 0, art, d, name="l1a")
    # 2: a lady in a doorway
    art = rect(0, 0, PW, PH, "#c98a55", 0)
    for xx in range(0, PW, 16):
        art += line(xx, 0, xx, PH, 1.2, "#a56a3a")
    art += rect(70, 20, 150, 212, "#6e4424", 3) + rect(84, 34, 122, 198, "#1e1410", 2)
    art += person("lady", "stand", 146, 236, 0.95, shadow=False)
    art += rect(236, 60, 56, 60, "#3b3a48", 2.5) + line(264, 60, 264, 120, 2) + line(236, 90, 292, 90, 2)
    s.panel(320, 0, art, "", name="l1b")
    # 3: two bandits run off toward the saloon, dust behind
    art, d = bg_street("l1c", [(0, "#9cc3cf"), (0.7, "#f0d49a"), (1, "#f6b878")], names=("HOTEL", "STORE", "SALOON"))
    art += dust(40, 200, 1.3) + dust(130, 210, 1.0)
    art += person("bandit", "run", 180, 228, 0.78, legs="run", flip=True)
    art += person("bandit2", "run", 260, 222, 0.70, legs="run", flip=True)
    art += speedlines(60, 120, 4, 60)
    s.panel(0, 240, art, d, name="l1c")
    # 4: the deputy blows the smoke off his gun
    art, d = bg_street("l1d", [(0, "#9cc3cf"), (0.7, "#f0d49a"), (1, "#f6b878")], names=("SALOON", "HOTEL", "STORE"))
    art += person("deputy", "point", 150, 420, 1.85, gunhand="right", shadow=False)
    art += path("M280,40 q-10,-10 0,-20 q10,-10 0,-20", "none", 4, stroke="#f4f0e8")
    s.panel(320, 240, art, d, name="l1d")
    s.save(f"{OUT}/lvl1_p.svg")

    t = TextSheet("lvl1_t")
    t.add("cap_s", ["MAIN STREET, AFTERNOON."], kind="caption", size=19)
    t.add("dep1", ["THE CROWS ARE HIDING", "BEHIND THOSE DOORS."], tail="bl", size=17)
    t.add("lady1", ["MIND YOUR AIM, DEPUTY!", "WE GOOD FOLKS LIVE HERE!"], tail="bl", size=17)
    t.add("dep2", ["RED BANDANAS ONLY,", "MA'AM. I PROMISE."], tail="tl", size=17)
    t.add("cap_f", ["MAIN STREET IS CLEAR!"], kind="caption", size=19)
    t.add("twin1", ["RUN, ZEKE!", "TO THE SALOON!"], tail="br", size=18)
    t.add("dep3", ["SUNDOWN AT THE", "SALOON, THEN."], tail="bl", size=17)
    tsave(t)


def saloon_front(id_):
    art = [rect(0, 0, PW, PH, f"url(#{id_})", 0)]
    art.append(circle(60, 150, 40, "#f8c46a", 0))
    art.append(path("M0,40 L312,40 L312,190 L0,190 Z", "#8f5242", 2))
    for xx in range(0, PW, 14):
        art.append(line(xx, 42, xx, 188, 1, "#6a3a30"))
    art.append(path("M20,10 L292,10 L292,46 L20,46 Z", "#7e4a44", 2))
    art.append(rect(86, 12, 140, 30, "#f1dfae", 2.5, rx=3))
    art.append(boxed_text("saloon sign", 140, 156, 35, "SALOON", 24, "#8a1f18", FONT_TITLE, "bold"))
    art.append(rect(118, 92, 76, 98, "#f6c66a", 2))  # lit interior
    art.append(path("M122,110 L154,114 L154,170 L122,166 Z", "#a87448", 2.5))
    art.append(path("M190,110 L158,114 L158,170 L190,166 Z", "#a87448", 2.5))
    for wx in (24, 236):
        art.append(rect(wx, 80, 52, 60, "#f6d37a", 2.5) + line(wx + 26, 80, wx + 26, 140, 2) +
                   line(wx, 110, wx + 52, 110, 2))
    art.append(boardwalk(0, 190, PW, "#7a4a36", "#5a3028"))
    art.append(ground(0, 204, PW, 28, "#b06a4a", "#8a4a36"))
    return "".join(art), sky(id_, DUSK)


def lvl2():
    s = Sheet()
    # 1: the saloon at sunset, the barkeep in front
    art, d = saloon_front("l2a")
    art += person("barkeep", "stand", 250, 236, 0.9)
    s.panel(0, 0, art, d, name="l2a")
    # 2: the deputy at the batwing doors, a silhouette against the light
    art = rect(0, 0, PW, PH, "#f6c66a", 0) + rect(0, 180, PW, 52, "#a87448", 0)
    art += circle(156, 90, 120, "#fbe2a0", 0)
    import re
    sil = re.sub(r'fill="#[0-9a-fA-F]{6}"', 'fill="#3a2230"', person("deputy", "stand", 0, 0, 1.0, shadow=False))
    sil = re.sub(r'stroke="#[0-9a-fA-F]{6}" stroke-width="13"', 'stroke="#3a2230" stroke-width="13"', sil)
    art += g(sil, 156, 240, 1.0)
    art += path("M0,60 L120,70 L120,200 L0,190 Z", "#a87448", 3) + path("M312,60 L192,70 L192,200 L312,190 Z",
                                                                         "#a87448", 3)
    art += path("M10,90 L110,96 M10,130 L110,134 M10,170 L110,172", "none", 2)
    art += path("M302,90 L202,96 M302,130 L202,134 M302,170 L202,172", "none", 2)
    s.panel(320, 0, art, "", name="l2b")
    # 3: the twins climb out of the window and flee
    art, d = saloon_front("l2c")
    art += person("bandit", "run", 60, 226, 0.72, legs="run")
    art += person("bandit2", "hands_up", 250, 150, 0.5, legs="spread", shadow=False)
    art += speedlines(130, 160, 3, 40, "#f1dfae")
    s.panel(0, 240, art, d, name="l2c")
    # 4: the deputy and the barkeep at dusk
    art, d = saloon_front("l2d")
    art += person("deputy", "stand", 90, 236, 0.95)
    art += person("barkeep", "point", 230, 236, 0.9)
    s.panel(320, 240, art, d, name="l2d")
    s.save(f"{OUT}/lvl2_p.svg")

    t = TextSheet("lvl2_t")
    t.add("cap_s", ["SALOON ROW, SUNSET."], kind="caption", size=19)
    t.add("bar1", ["THE CROW TWINS ARE INSIDE,", "AND THEY BROUGHT FRIENDS!"], tail="br", size=17)
    t.add("dep1", ["THEN I'LL BE", "NEEDIN' A DRINK."], tail="bl", size=17)
    t.add("bang", ["BLAM!"], kind="shout", size=26)
    t.add("cap_f", ["THE SALOON IS QUIET AGAIN."], kind="caption", size=19)
    t.add("twin1", ["TO THE BANK!", "THE BOSS IS WAITIN'!"], tail="bl", size=17)
    t.add("bar2", ["THEY RODE FOR THE BANK.", "BLACK JACK'S THERE TONIGHT!"], tail="br", size=17)
    t.add("dep2", ["THEN SO AM I."], tail="bl", size=17)
    tsave(t)


def bank_night(id_, depot=False):
    art = [rect(0, 0, PW, PH, f"url(#{id_})", 0)]
    for i in range(22):
        art.append(circle((i * 73) % PW, (i * 37) % 80 + 6, 1.4, "#f4e6b0", 0))
    art.append(circle(268, 34, 18, "#f4e3b0", 2) + circle(276, 28, 14, "#1a2038", 0))
    if not depot:
        art.append(path("M10,60 L160,60 L170,190 L0,190 Z", "#625a74", 2))
        art.append(rect(0, 76, 168, 114, "#625a74", 2))
        art.append(path("M-4,76 L84,44 L172,76 Z", "#4e4a64", 2))
        for cx in (20, 60, 110, 150):
            art.append(rect(cx - 6, 80, 12, 110, "#7a7290", 2))
        art.append(rect(40, 52, 88, 22, "#f1dfae", 2, rx=2) + boxed_text("bank sign", 88, 84, 69, "BANK", 18, INK, FONT_CAPTION))
        art.append(rect(66, 120, 36, 70, "#f6c66a", 2))
    else:
        art.append(rect(0, 80, 200, 110, "#5a4a5a", 2))
        art.append(path("M-10,80 L100,54 L210,80 Z", "#403444", 2))
        art.append(rect(40, 62, 120, 22, "#f1dfae", 2, rx=2) + boxed_text("depot sign", 120, 100, 79, "DEPOT", 18, INK, FONT_CAPTION))
        art.append(rect(30, 110, 30, 40, "#f6c66a", 2) + rect(130, 110, 30, 40, "#f6c66a", 2))
        # the locomotive
        art.append(rect(200, 110, 110, 60, "#2e2a36", 2) + rect(214, 74, 22, 40, "#2e2a36", 2) +
                   rect(270, 90, 40, 24, "#2e2a36", 2) + circle(286, 102, 6, "#f6d37a", 2) +
                   circle(226, 176, 16, "#46404e", 2.5) + circle(286, 176, 16, "#46404e", 2.5))
        art.append(circle(230, 60, 12, "#d8d4dc", 2) + circle(246, 44, 16, "#e6e2ea", 2))
    art.append(boardwalk(0, 190, PW, "#5a4a50", "#3a3040"))
    art.append(ground(0, 204, PW, 28, "#4a4060", "#3a3250"))
    art.append(rect(226, 110, 5, 94, "#3a3040", 2) if not depot else "")
    art.append(lantern(228, 104) if not depot else "")
    return "".join(art), sky(id_, NIGHT)


def lvl3():
    s = Sheet()
    # 1: the gang at the bank by night, moneybags
    art, d = bank_night("l3a")
    art += person("boss", "point", 180, 230, 0.9)
    art += person("bandit", "stand", 80, 232, 0.8)
    art += g(ellipse(0, 0, 16, 18, "#c8b080", 2) + boxed_text("moneybag", 32, 0, 6, "$", 16, INK, FONT_TITLE), 52, 150)
    art += g(ellipse(0, 0, 16, 18, "#c8b080", 2) + boxed_text("moneybag", 32, 0, 6, "$", 16, INK, FONT_TITLE), 108, 150)
    s.panel(0, 0, art, d, name="l3a")
    # 2: the deputy under the lamp post, close
    art, d = bank_night("l3b")
    art += person("deputy", "stand", 110, 430, 1.9, shadow=False)
    s.panel(320, 0, art, d, name="l3b")
    # 3: the boss gives up at the depot, his hat on the ground
    art, d = bank_night("l3c", depot=True)
    art += person("boss", "hands_up", 150, 230, 0.92, legs="spread")
    art += g(ellipse(0, -176, 36, 7, "#1b1513", 2) +
             path("M-18,-176 C-19,-198 -11,-205 0,-197 C11,-205 19,-198 18,-176 Z", "#1b1513", 2) +
             rect(-18, -184, 36, 6, "#b8b2a8", 1.5) + circle(6, -192, 3, "#f3e4c4", 1.5), 60, 400, 1.0)
    s.panel(0, 240, art, d, name="l3c")
    # 4: dawn, the town cheers, hats in the air
    art = rect(0, 0, PW, PH, "url(#l3d)", 0) + circle(156, 190, 70, "#fde6a0", 0)
    row, _ = (facade(-10, 70, 110, 120, "#c98a55", "#a56a3a", sign="BANK"),
              facade(206, 80, 120, 110, "#a87448", "#82552e", sign="DEPOT")), 0
    art += "".join(row)
    art += boardwalk(0, 190, PW) + ground(0, 204, PW, 28)
    art += person("townsman", "cheer", 40, 236, 0.7)
    art += person("lady", "cheer", 270, 236, 0.7)
    art += person("mayor", "cheer", 214, 236, 0.75)
    art += person("deputy", "tip_hat", 120, 236, 0.85)
    s.define(sky("l3d", [(0, "#9cc3cf"), (0.6, "#f6d9a6"), (1, "#f8b478")]))
    s.panel(320, 240, art, "", name="l3d")
    s.save(f"{OUT}/lvl3_p.svg")

    t = TextSheet("lvl3_t")
    t.add("cap_s", ["BANK AND DEPOT, BY NIGHT."], kind="caption", size=19)
    t.add("boss1", ["GRAB THE GOLD, BOYS!", "THE MIDNIGHT TRAIN", "WON'T WAIT!"], tail="br", size=17)
    t.add("dep1", ["THIS ENDS TONIGHT,", "BLACK JACK."], tail="br", size=17)
    t.add("boss2", ["I GIVE UP!", "I GIVE UP!"], tail="bl", size=18)
    t.add("cap_f", ["BLACK JACK CROW IS BEHIND BARS!"], kind="caption", size=19)
    t.add("mayor1", ["THREE CHEERS FOR", "OUR DEPUTY!"], tail="br", size=17)
    t.add("hooray", ["HOORAY!"], kind="shout", size=26)
    t.add("cap_more", ["...BUT MORE CROWS ARE", "COMING ON THE NIGHT TRAIN!"], kind="caption", size=17)
    tsave(t)


def end():
    s = Sheet()
    # 1 (game over): the deputy sits in the dust, a bandit stands over him
    art, d = bg_street("e1", DUSK, dusk=True, names=("SALOON", "HOTEL", "STORE"))
    art += person("bandit", "gun_up", 210, 228, 0.95, gunhand="right", legs="spread")
    dep = person("deputy", "hands_up", 0, 0, 0.75, legs="spread", shadow=False)
    art += g(dep, 80, 236, 1.0, extra='transform-origin="0 0"')
    art += g(ellipse(0, -176, 36, 7, KINDS["deputy"]["hat"], 2) +
             path("M-18,-176 C-19,-198 -11,-205 0,-197 C11,-205 19,-198 18,-176 Z", KINDS["deputy"]["hat"], 2) +
             circle(4, -190, 3, "#3a2230", 1.5), 140, 400, 0.8)
    s.panel(0, 0, art, d, name="e1")
    # 2 (game over): riding off into the sunset
    art = rect(0, 0, PW, PH, "url(#e2)", 0) + circle(156, 170, 70, "#fbd77a", 0) + circle(156, 170, 52, "#fde6a0", 0)
    art += path("M0,170 L40,150 L90,152 L120,130 L200,130 L220,156 L312,150 L312,180 L0,180 Z", "#7a3b4a", 2)
    art += rect(0, 178, PW, 54, "#a05a44", 0) + line(0, 178, PW, 178, 2)
    art += cactus(40, 220, 0.7, "#3a2230", "#2a1820") + cactus(280, 214, 0.5, "#3a2230", "#2a1820")
    s.define(sky("e2", DUSK))
    s.panel(320, 0, art, "", name="e2")
    # 3 (goodbye): the deputy tips his hat, sunset street
    art, d = bg_street("e3", DUSK, dusk=True, names=("HOTEL", "SALOON", "BANK"))
    art += person("deputy", "tip_hat", 156, 440, 1.9, shadow=False)
    s.panel(0, 240, art, d, name="e3")
    # 4 (goodbye): the town sign at dusk, empty road
    art = rect(0, 0, PW, PH, "url(#e4)", 0) + circle(230, 168, 46, "#fbd77a", 0)
    art += rect(0, 170, PW, 62, "#b06a4a", 0) + line(0, 170, PW, 170, 2)
    art += path("M120,232 L150,170 L166,170 L200,232 Z", "#c98a5a", 0)
    art += cactus(280, 226, 0.8, "#4a3a2c", "#3a2c22")
    s.define(sky("e4", DUSK))
    s.panel(320, 240, art, "", name="e4")
    s.save(f"{OUT}/end_p.svg")

    t = TextSheet("end_t")
    t.add("cap_over", ["GAME OVER"], kind="caption", size=30)
    t.add("bandit1", ["AND STAY OUT OF", "DEADEYE GULCH!"], tail="bl", size=18)
    t.add("cap_run", ["SO THE DEPUTY WAS", "RUN OUT OF TOWN..."], kind="caption", size=17)
    t.add("cap_back", ["...BUT A GOOD DEPUTY", "ALWAYS RIDES BACK."], kind="caption", size=17)
    t.add("dep_bye", ["SO LONG, PARTNER!", "THANKS FOR RIDIN'."], tail="bl", size=18)
    t.add("cap_bye", ["COME BACK SOON!"], kind="caption", size=24)
    tsave(t)


def run(rects):
    global R
    R = rects
    lvl1()
    lvl2()
    lvl3()
    end()
