#!/usr/bin/env python3
# Writes the player's revolver sheet (kolt.svg) and the cartridge display sheet
# (naboje.svg) into this folder, together with the animation descriptions'
# frame tables in mind: see data/text/kolt01.txt and data/text/naboje01.txt.
#
# kolt.svg: 7 columns (aiming sectors, leaning from left to right) x 2 rows
# (row 0 at rest, row 1 firing), cells of KW x KH.  The wrist sits below the
# bottom centre of each cell, so a cell drawn centre-bottom keeps the hand in
# place while the gun turns.
# naboje.svg: 7 columns (0 to 6 cartridges) x 2 rows (row 0 still, row 1 the
# cylinder turning after a shot or a reload), cells of NW x NH.
import math, os, random

HERE = os.path.dirname(os.path.abspath(__file__))
INK = "#2a1a10"
SKIN, SKIN_SH, SKIN_HI = "#e6ab7c", "#bb7b52", "#f5cba2"
SHIRT, SHIRT_SH, SHIRT_HI = "#4f7fb3", "#355b86", "#7ea6d2"
STEEL_D, STEEL, STEEL_L, STEEL_HI = "#303841", "#56626e", "#8596a4", "#c9d5de"
GRIP, GRIP_SH = "#7a3f22", "#552914"
BRASS, BRASS_SH, BRASS_HI = "#d9a53a", "#9c6e1e", "#f7dc8a"
FLASH_O, FLASH_Y, FLASH_W = "#e8622a", "#ffd23c", "#fffbe6"

KW, KH = 290, 250
DROP = 20                  # room above the muzzle for the flash
PIVOT_Y = 242              # the wrist, just below the hand
SECTOR_TILT = 8            # degrees of lean per sector away from the middle
NW, NH = 96, 96


def pts(points):
    return " ".join(f"{x:.1f},{y:.1f}" for x, y in points)


def o(w=2):
    return f'stroke="{INK}" stroke-width="{w}" stroke-linejoin="round"'


def burst(cx, cy, r_out, r_in, n, seed, squash=1.0):
    r = random.Random(seed)
    p = []
    for k in range(2 * n):
        a = 2 * math.pi * k / (2 * n) - math.pi / 2
        rad = (r_out if k % 2 == 0 else r_in) * r.uniform(0.8, 1.15)
        p.append((cx + rad * math.cos(a), cy + rad * math.sin(a) * squash))
    return p


def revolver(firing):
    """The hand and the gun pointing straight up the screen, centre x = KW/2."""
    c = KW / 2
    s = []
    # sleeve and cuff, reaching well below the cell so a lean never shows its end
    s.append(f'<path d="M{c-40} 330L{c-34} 206Q{c} 196 {c+36} 206L{c+44} 330Z" fill="{SHIRT}" {o()}/>')
    s.append(f'<path d="M{c+14} 206Q{c+30} 204 {c+36} 210L{c+42} 330L{c+22} 330Z" fill="{SHIRT_SH}"/>')
    s.append(f'<path d="M{c-28} 214Q{c-30} 240 {c-32} 300" fill="none" stroke="{SHIRT_HI}" stroke-width="2.5"/>')
    s.append(f'<path d="M{c-36} 216Q{c} 206 {c+38} 216L{c+39} 228Q{c} 218 {c-37} 228Z" fill="{SHIRT_SH}" {o(1.5)}/>')
    # the grip's back strap going down into the hand
    s.append(f'<path d="M{c-11} 160L{c+11} 160L{c+13} 200L{c-13} 200Z" fill="{GRIP}" {o()}/>')
    s.append(f'<path d="M{c+4} 164L{c+8} 198" stroke="{GRIP_SH}" stroke-width="3"/>')
    # the fist: back of the hand, knuckles on the right, fingers curled round the front
    s.append(f'<path d="M{c-30} 214C{c-38} 196 {c-34} 178 {c-20} 172L{c-10} 178L{c+12} 176'
             f'C{c+28} 168 {c+40} 176 {c+40} 192C{c+42} 204 {c+36} 214 {c+30} 218Z" fill="{SKIN}" {o()}/>')
    s.append(f'<path d="M{c+12} 182C{c+26} 178 {c+36} 184 {c+36} 196C{c+36} 206 {c+32} 212 {c+28} 215L{c+10} 214Z" fill="{SKIN_SH}"/>')
    for k, (kx, ky) in enumerate(((c + 20, 180), (c + 30, 186), (c + 36, 196))):
        s.append(f'<path d="M{kx-5} {ky+2}Q{kx} {ky-3} {kx+4} {ky+3}" fill="none" stroke="{INK}" stroke-width="1.5" stroke-linecap="round"/>')
    s.append(f'<path d="M{c-24} 206Q{c-26} 192 {c-18} 182" fill="none" stroke="{SKIN_HI}" stroke-width="2.5" stroke-linecap="round"/>')
    # the thumb lying up the left side of the frame
    s.append(f'<path d="M{c-26} 190C{c-34} 176 {c-32} 158 {c-24} 146C{c-18} 140 {c-12} 144 {c-13} 152'
             f'C{c-14} 162 {c-14} 174 {c-10} 184Z" fill="{SKIN}" {o()}/>')
    s.append(f'<path d="M{c-24} 150Q{c-20} 146 {c-16} 149" fill="none" stroke="#f7e0cc" stroke-width="2" stroke-linecap="round"/>')
    lift = -6 if firing else 0
    s.insert(0, f'<g transform="translate(0 {DROP})">')
    g = [f'<g transform="translate(0 {lift})">']
    # barrel, under-lug on the right, front sight
    g.append(f'<path d="M{c+10} 104L{c+16} 104L{c+15} 60L{c+9} 58Z" fill="{STEEL_D}" {o()}/>')
    g.append(f'<path d="M{c-12} 106L{c-8} 56Q{c} 50 {c+8} 56L{c+12} 106Z" fill="{STEEL}" {o()}/>')
    g.append(f'<path d="M{c+3} 56L{c+12} 106L{c+5} 106L{c+1} 56Z" fill="{STEEL_D}" opacity="0.7"/>')
    g.append(f'<path d="M{c-6} 100L{c-3} 60" stroke="{STEEL_HI}" stroke-width="2" stroke-linecap="round"/>')
    g.append(f'<path d="M{c-2} 47L{c+2} 47L{c+2} 57L{c-2} 57Z" fill="{STEEL_D}" {o(1.5)}/>')
    # the cylinder, wider than the frame, with its flutes
    g.append(f'<path d="M{c-30} 116Q{c-33} 132 {c-28} 148L{c+28} 148Q{c+33} 132 {c+30} 116Q{c} 106 {c-30} 116Z" fill="{STEEL}" {o()}/>')
    g.append(f'<path d="M{c+12} 112Q{c+30} 114 {c+30} 116Q{c+33} 132 {c+28} 148L{c+14} 148Z" fill="{STEEL_D}"/>')
    for fx, bend in ((-22, -3), (-11, -1), (11, 1), (22, 3)):
        g.append(f'<path d="M{c+fx} 113Q{c+fx+bend} 131 {c+fx} 147" fill="none" stroke="{INK}" stroke-width="1.6"/>')
    g.append(f'<path d="M{c-26} 120Q{c-28} 131 {c-25} 142" fill="none" stroke="{STEEL_HI}" stroke-width="2" stroke-linecap="round"/>')
    # top strap over the cylinder with the sighting groove, and the recoil shield
    g.append(f'<path d="M{c-9} 104L{c+9} 104L{c+10} 156L{c-10} 156Z" fill="{STEEL_L}" {o()}/>')
    g.append(f'<path d="M{c} 106L{c} 154" stroke="{STEEL_D}" stroke-width="2.5"/>')
    g.append(f'<path d="M{c-6} 108L{c-7} 152" stroke="{STEEL_HI}" stroke-width="1.5"/>')
    g.append(f'<path d="M{c-24} 148L{c+24} 148L{c+20} 164L{c-20} 164Z" fill="{STEEL_D}" {o()}/>')
    # the hammer: cocked back at rest, fallen forward when firing
    if firing:
        g.append(f'<path d="M{c-7} 154L{c+7} 154L{c+6} 166L{c-6} 166Z" fill="{STEEL}" {o()}/>')
    else:
        g.append(f'<path d="M{c-6} 156L{c+6} 156L{c+9} 178Q{c} 184 {c-9} 178Z" fill="{STEEL}" {o()}/>')
        for ky in (166, 170, 174):
            g.append(f'<path d="M{c-7} {ky}H{c+7}" stroke="{STEEL_D}" stroke-width="1.2"/>')
        g.append(f'<path d="M{c-4} 158L{c-5} 164" stroke="{STEEL_HI}" stroke-width="1.5"/>')
    if firing:
        # the flash lights the top of the gun
        g.append(f'<path d="M{c-6} 100L{c-3} 60" stroke="{FLASH_Y}" stroke-width="2.5" stroke-linecap="round"/>')
        g.append(f'<path d="M{c-26} 120Q{c-28} 131 {c-25} 142" fill="none" stroke="{FLASH_Y}" stroke-width="2.5"/>')
        # muzzle flash and smoke
        g.append(f'<ellipse cx="{c-36}" cy="34" rx="20" ry="13" fill="#d8d2c6" {o(1.5)}/>')
        g.append(f'<ellipse cx="{c+38}" cy="26" rx="17" ry="11" fill="#cfc8ba" {o(1.5)}/>')
        g.append(f'<polygon points="{pts(burst(c, 30, 60, 22, 10, 5, 0.75))}" fill="{FLASH_O}" {o()}/>')
        g.append(f'<polygon points="{pts(burst(c, 32, 42, 16, 9, 9, 0.75))}" fill="{FLASH_Y}" {o(1.5)}/>')
        g.append(f'<polygon points="{pts(burst(c, 34, 22, 10, 7, 4, 0.75))}" fill="{FLASH_W}"/>')
    g.append('</g>')
    s.extend(g)
    s.append('</g>')
    return s


def make_kolt():
    body = []
    for row, firing in enumerate((False, True)):
        for col in range(7):
            x0, y0 = col * KW, row * KH
            cid = f"k{row}{col}"
            tilt = (col - 3) * SECTOR_TILT + (-2 if firing and col < 3 else 2 if firing and col > 3 else 0)
            body.append(f'<clipPath id="{cid}"><rect x="{x0}" y="{y0}" width="{KW}" height="{KH}"/></clipPath>')
            body.append(f'<g clip-path="url(#{cid})"><g transform="translate({x0} {y0}) rotate({tilt} {KW/2} {PIVOT_Y})">')
            body.extend(revolver(firing))
            body.append('</g></g>')
    w, h = 7 * KW, 2 * KH
    with open(os.path.join(HERE, "kolt.svg"), "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                f'<!-- The player\'s revolver in his right hand, seen from behind: seven leans (aiming left to right)\n'
                f'     at rest in the top row, firing (muzzle flash, hammer down, kick) in the bottom row; cells {KW} x {KH}. -->\n'
                f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
                + "\n".join(body) + '\n</svg>\n')


def cylinder(cx, cy, loaded, turning):
    s = []
    turn = 30 if turning else 0
    R = 40
    if turning:
        # speed lines round the rim
        for a0 in (-60, 60, 180):
            a1 = a0 + 70
            x1, y1 = cx + (R + 5) * math.cos(math.radians(a0)), cy + (R + 5) * math.sin(math.radians(a0))
            x2, y2 = cx + (R + 5) * math.cos(math.radians(a1)), cy + (R + 5) * math.sin(math.radians(a1))
            s.append(f'<path d="M{x1:.1f} {y1:.1f}A{R+5} {R+5} 0 0 1 {x2:.1f} {y2:.1f}" fill="none" stroke="{INK}" stroke-width="4.5" stroke-linecap="round"/>')
            s.append(f'<path d="M{x1:.1f} {y1:.1f}A{R+5} {R+5} 0 0 1 {x2:.1f} {y2:.1f}" fill="none" stroke="#fff4d8" stroke-width="2" stroke-linecap="round"/>')
    # the drum with six flutes notched between the chambers
    rim = []
    for k in range(72):
        a = math.radians(k * 5 + turn)
        rr = R
        rel = (k * 5) % 60
        if 22 <= rel <= 38:
            rr = R - 5 * math.sin(math.radians((rel - 22) / 16 * 180))
        rim.append((cx + rr * math.sin(a), cy - rr * math.cos(a)))
    s.append(f'<polygon points="{pts(rim)}" fill="{STEEL}" {o()}/>')
    s.append(f'<path d="M{cx-30} {cy+8}A31 31 0 0 1 {cx-8} {cy-30}" fill="none" stroke="{STEEL_HI}" stroke-width="2.5" stroke-linecap="round"/>')
    s.append(f'<path d="M{cx+30} {cy-6}A31 31 0 0 1 {cx+6} {cy+31}" fill="none" stroke="{STEEL_D}" stroke-width="3" stroke-linecap="round"/>')
    for k in range(6):
        a = math.radians(k * 60 + turn)
        x, y = cx + 24 * math.sin(a), cy - 24 * math.cos(a)
        if k < loaded:
            s.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="10" fill="{BRASS}" {o()}/>')
            s.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="6.5" fill="{BRASS_SH}"/>')
            s.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="3.5" fill="{STEEL_HI}" {o(1)}/>')
            s.append(f'<path d="M{x-7:.1f} {y+1:.1f}A7 7 0 0 1 {x+1:.1f} {y-7:.1f}" fill="none" stroke="{BRASS_HI}" stroke-width="2" stroke-linecap="round"/>')
        else:
            s.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="9" fill="#120c08" {o()}/>')
            s.append(f'<path d="M{x+6:.1f} {y-2:.1f}A6.5 6.5 0 0 1 {x-2:.1f} {y+6:.1f}" fill="none" stroke="{STEEL_L}" stroke-width="1.5"/>')
    # the centre pin and its ratchet
    s.append(f'<polygon points="{pts(burst(cx, cy, 8, 5.5, 6, 1))}" fill="{STEEL_L}" {o(1.5)}/>')
    s.append(f'<circle cx="{cx}" cy="{cy}" r="2.5" fill="{STEEL_D}"/>')
    if turning:
        s.append(f'<ellipse cx="{cx-30}" cy="{cy-36}" rx="12" ry="8" fill="#d8d2c6" {o(1.5)}/>')
        s.append(f'<ellipse cx="{cx-18}" cy="{cy-42}" rx="8" ry="6" fill="#e6e0d4" {o(1.5)}/>')
    return s


def make_naboje():
    body = []
    for row, turning in enumerate((False, True)):
        for n in range(7):
            x0, y0 = n * NW, row * NH
            body.extend(cylinder(x0 + NW / 2, y0 + NH / 2 + 2, n, turning))
    w, h = 7 * NW, 2 * NH
    with open(os.path.join(HERE, "naboje.svg"), "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                f'<!-- The cylinder seen from behind with 0 to 6 cartridges (columns), still in the top row and\n'
                f'     turning after a shot or a reload in the bottom row; cells {NW} x {NH}. -->\n'
                f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
                + "\n".join(body) + '\n</svg>\n')


if __name__ == "__main__":
    make_kolt()
    make_naboje()
