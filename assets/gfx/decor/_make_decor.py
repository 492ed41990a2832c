#!/usr/bin/env python3
# Writes the decoration sprite sheets (intact picture left, destroyed right).
import sys, os
INK = "#2a1a10"
OUT = sys.argv[1]
K = {}

def kind(name, w, h):
    def deco(f):
        K[name] = (w, h, f)
        return f
    return deco

@kind("bottle", 12, 34)
def bottle(broken):
    if not broken:
        return (f'<path d="M4.5 1h3v9q4 3 3.5 8v14.5h-10v-14.5q-.5-5 3.5-8z" fill="#3f7a3a" stroke="{INK}" stroke-width="1.6"/>'
                f'<rect x="4" y="1" width="4" height="3" fill="#b08a50" stroke="{INK}" stroke-width="1"/>'
                f'<rect x="2" y="19" width="8" height="8" fill="#efe2bd" stroke="{INK}" stroke-width="1"/>'
                f'<path d="M4 22h4M4 24.5h3" stroke="#8a2a1a" stroke-width="1"/>'
                f'<path d="M3 14v4M3.2 28v3" stroke="#bfe8a8" stroke-width="1.4"/>')
    return (f'<path d="M1 32.5v-9l2.5 -3l1.5 3l2 -5l1.5 4l2.5 -2v12z" fill="#3f7a3a" stroke="{INK}" stroke-width="1.6"/>'
            f'<path d="M3 27v4" stroke="#bfe8a8" stroke-width="1.2"/>'
            f'<path d="M0.5 33.5h11" stroke="{INK}" stroke-width="1"/>'
            f'<path d="M2 12l2 2M9 9l-2 3M6 5v3M10 15l-1.5 1" stroke="#7ab86a" stroke-width="1.4"/>'
            f'<circle cx="3" cy="16" r="0.9" fill="#c8a060"/><circle cx="8.5" cy="13" r="0.9" fill="#c8a060"/>')

@kind("jug", 22, 26)
def jug(broken):
    if not broken:
        return (f'<path d="M8 2h6v4q7 3 7 10q0 8 -4 9h-12q-4 -1 -4 -9q0 -7 7 -10z" fill="#d8c8a0" stroke="{INK}" stroke-width="1.8"/>'
                f'<path d="M2 13q0 8 3 11h12q3 -3 3 -11" fill="#8a5a34"/>'
                f'<path d="M2.2 13q0 8 3 11h12q3 -3 3 -11" fill="none" stroke="{INK}" stroke-width="1.4"/>'
                f'<path d="M14 6q6 -2 6 4" fill="none" stroke="{INK}" stroke-width="2.2"/>'
                f'<text x="11" y="21" font-family="DejaVu Sans" font-weight="bold" font-size="6" text-anchor="middle" fill="#efe2bd">XXX</text>'
                f'<path d="M5 9q-2 2 -2 5" stroke="#fff8e0" stroke-width="1.4" fill="none"/>'
                f'<rect x="8.5" y="0.8" width="5" height="2.4" fill="#6a4a2a" stroke="{INK}" stroke-width="1"/>')
    return (f'<path d="M2 16l3 -3l2 3l3 -5l3 4l3 -3l2 2l2 -1q0 7 -3 11h-12q-3 -3 -3 -8z" fill="#8a5a34" stroke="{INK}" stroke-width="1.8"/>'
            f'<path d="M4 18q0 3 1 5" stroke="#b88050" stroke-width="1.2" fill="none"/>'
            f'<path d="M3 6l3 2M18 4l-2 3M11 3v3M1 11l2 0" stroke="#d8c8a0" stroke-width="1.8"/>'
            f'<path d="M0 25h22" stroke="{INK}" stroke-width="1.2"/>')

@kind("flowerpot", 26, 32)
def flowerpot(broken):
    flowers = (f'<path d="M13 18q-1 -8 -6 -11M13 18q0 -9 1 -13M13 18q2 -7 7 -9" fill="none" stroke="#3a6a2a" stroke-width="1.8"/>'
               f'<ellipse cx="6" cy="14" rx="5" ry="3" fill="#5a9a3a" stroke="{INK}" stroke-width="1.2"/>'
               f'<ellipse cx="20" cy="14" rx="5" ry="3" fill="#5a9a3a" stroke="{INK}" stroke-width="1.2"/>'
               + "".join(f'<circle cx="{x}" cy="{y}" r="3.4" fill="#d83a3a" stroke="{INK}" stroke-width="1.2"/><circle cx="{x-1}" cy="{y-1}" r="1.1" fill="#ff9a8a"/>'
                         for x, y in ((7, 7), (14, 4.5), (20, 8))))
    if not broken:
        return (flowers +
                f'<path d="M3 18h20l-3 13h-14z" fill="#c8643a" stroke="{INK}" stroke-width="1.8"/>'
                f'<rect x="2" y="17" width="22" height="4" fill="#d87a4a" stroke="{INK}" stroke-width="1.6"/>'
                f'<path d="M6 23l1.5 6" stroke="#f0a070" stroke-width="1.4"/>')
    return (f'<path d="M5 31l-1 -6l3 2l2 -5l3 4l2 -3l3 3l2 -2l1 7z" fill="#c8643a" stroke="{INK}" stroke-width="1.8"/>'
            f'<path d="M7 25q-4 -6 -6 -10M7 25q1 -6 4 -8" fill="none" stroke="#3a6a2a" stroke-width="1.8"/>'
            f'<circle cx="2" cy="15" r="3" fill="#d83a3a" stroke="{INK}" stroke-width="1.2"/>'
            f'<ellipse cx="13" cy="30" rx="11" ry="2" fill="#4a3020"/>'
            f'<path d="M19 20l3 -2M23 24l2 1M16 16l1 -3" stroke="#c8643a" stroke-width="2"/>')

def pane_pic(broken, lit):
    glass = "#ffd77a" if lit else "#a9c7cc"
    hi = "#fff2c0" if lit else "#f2faf6"
    hole = "#3a1a0a" if lit else "#1d130d"
    s = f'<rect x="1" y="1" width="56" height="32" fill="{glass}" stroke="{INK}" stroke-width="2"/>'
    if not broken:
        if lit:
            s += f'<rect x="1" y="1" width="56" height="10" fill="#f0b850"/>'
        else:
            s += f'<path d="M1 1h56v12h-56z" fill="#86aab4"/>'
        s += (f'<path d="M6 30L20 4M13 30L27 4M35 30L49 4" stroke="{hi}" stroke-width="3" opacity="0.8"/>')
    else:
        # jagged holes in both lights with cracks running from them
        s += (f'<path d="M4 4l8 3l6 -2l5 6l-2 7l4 6l-5 4l-6 -3l-7 3l-2 -7l-3 -4z" fill="{hole}" stroke="{INK}" stroke-width="1.4"/>'
              f'<path d="M33 6l6 4l7 -3l3 7l6 2l-4 6l3 6l-8 -1l-4 4l-5 -5l-5 1l1 -8l-4 -5z" fill="{hole}" stroke="{INK}" stroke-width="1.4"/>'
              f'<path d="M18 5L22 1M2 20L-1 24M12 28L10 33M23 18L28 22M31 14L28 10M50 24L57 30M45 7L47 1M39 28L37 33" stroke="{INK}" stroke-width="1"/>'
              f'<path d="M10 10l3 5M40 14l4 4" stroke="{hi}" stroke-width="1.5"/>')
        if lit:
            s += f'<circle cx="11" cy="15" r="3" fill="#ffb040" opacity="0.6"/><circle cx="44" cy="16" r="3" fill="#ffb040" opacity="0.6"/>'
    s += (f'<rect x="27" y="1" width="4" height="32" fill="#7a5234" stroke="{INK}" stroke-width="1.5"/>'
          f'<rect x="1" y="1" width="56" height="32" fill="none" stroke="{INK}" stroke-width="2"/>')
    return s

@kind("pane", 58, 34)
def pane(broken):
    return pane_pic(broken, False)

@kind("pane_lit", 58, 34)
def pane_lit(broken):
    return pane_pic(broken, True)

@kind("lantern", 24, 40)
def lantern(broken):
    s = (f'<circle cx="12" cy="3.6" r="2.6" fill="none" stroke="{INK}" stroke-width="1.6"/>'
         f'<path d="M12 6.5v2" stroke="{INK}" stroke-width="2"/>'
         f'<path d="M5 14l7 -6l7 6z" fill="#3a3330" stroke="{INK}" stroke-width="1.6"/>'
         f'<rect x="3" y="33" width="18" height="6" rx="1" fill="#3a3330" stroke="{INK}" stroke-width="1.6"/>')
    if not broken:
        s += (f'<rect x="5" y="14" width="14" height="19" fill="#ffd460" stroke="{INK}" stroke-width="1.6"/>'
              f'<path d="M12 30q-4 -5 0 -11q4 6 0 11z" fill="#ff8a2a" stroke="#c84a1a" stroke-width="0.8"/>'
              f'<path d="M7 16v15" stroke="#fff6c8" stroke-width="1.6"/>'
              f'<path d="M12 14v19M5 23h14" stroke="#3a3330" stroke-width="1.6"/>')
    else:
        s = s.replace('M5 14l7 -6l7 6z', 'M4 15l7 -7l7 5z')
        s += (f'<path d="M5 14v19M19 14v19" stroke="#3a3330" stroke-width="1.8"/>'
              f'<path d="M5 33l4 -5l3 3l3 -6l4 8z" fill="#9a9070" stroke="{INK}" stroke-width="1.2"/>'
              f'<path d="M5 14l4 4l-2 5M19 14l-3 5l2 3" fill="none" stroke="#c8c0a0" stroke-width="1.2"/>'
              f'<path d="M12 32q-1 -4 1 -7" fill="none" stroke="#6a6a6a" stroke-width="1.4"/>'
              f'<path d="M12 14v11M5 23h4M15 23h4" stroke="#3a3330" stroke-width="1.6"/>')
    return s

@kind("lamp", 22, 32)
def lamp(broken):
    s = (f'<path d="M11 0v5" stroke="{INK}" stroke-width="2"/>'
         f'<path d="M5 9h12l-2 -4h-8z" fill="#2a2a30" stroke="{INK}" stroke-width="1.6"/>'
         f'<rect x="7" y="27" width="8" height="4" fill="#2a2a30" stroke="{INK}" stroke-width="1.4"/>')
    if not broken:
        s += (f'<circle cx="11" cy="18" r="9" fill="#fff0b0" stroke="{INK}" stroke-width="1.8"/>'
              f'<circle cx="11" cy="19" r="4" fill="#ffc040"/>'
              f'<path d="M6 14q1 -3 4 -4" stroke="#ffffff" stroke-width="1.8" fill="none"/>')
    else:
        s += (f'<path d="M3 22l2 -6l3 2l1 -7l3 4l3 -5l2 6l3 -1l-1 9z" fill="#c8c4b0" stroke="{INK}" stroke-width="1.4"/>'
              f'<path d="M4 22q7 6 14 0" fill="#5a5850" stroke="{INK}" stroke-width="1.4"/>'
              f'<path d="M11 21v-4" stroke="#3a3a3a" stroke-width="1.6"/>'
              f'<path d="M2 9l2 2M20 12l-2 1M10 8l1 -2" stroke="#e8e4d0" stroke-width="1.2"/>')
    return s

@kind("bell", 26, 28)
def bell(broken):
    b = (f'<path d="M13 5q-7 0 -8 9q0 6 -3 8h22q-3 -2 -3 -8q-1 -9 -8 -9z" fill="#c89a3a" stroke="{INK}" stroke-width="1.8"/>'
         f'<path d="M8 12q0 -4 3 -5" stroke="#ffe09a" stroke-width="2" fill="none"/>'
         f'<path d="M18 10q2 4 2 10" stroke="#8a6a20" stroke-width="2" fill="none"/>'
         f'<rect x="1" y="21" width="24" height="3" rx="1.5" fill="#a87a2a" stroke="{INK}" stroke-width="1.6"/>'
         f'<circle cx="13" cy="25.5" r="2" fill="#6a5030" stroke="{INK}" stroke-width="1.2"/>'
         f'<path d="M13 0v5" stroke="{INK}" stroke-width="2.4"/>')
    if not broken:
        return b
    # rung: swung over, clapper out, ringing strokes
    return (f'<g transform="translate(1 1) rotate(-16 13 2) scale(0.92)">{b}</g>'
            f'<path d="M22 8q3 3 2 7M24 5q5 5 1 12" fill="none" stroke="#fff2b0" stroke-width="1.6"/>'
            f'<path d="M22 8q3 3 2 7" fill="none" stroke="{INK}" stroke-width="0.6"/>')

def hanging_sign(broken, board, paint):
    s = (f'<path d="M10 0v12M50 0v12" stroke="{INK}" stroke-width="1.6" stroke-dasharray="2 1.4"/>'
         f'<rect x="3" y="11" width="54" height="31" rx="2" fill="{board}" stroke="{INK}" stroke-width="2"/>'
         f'<rect x="6" y="14" width="48" height="25" fill="none" stroke="#c8963e" stroke-width="1.2"/>'
         + paint +
         f'<path d="M4 40h52" stroke="#000" stroke-width="2" opacity="0.25"/>')
    if not broken:
        return s
    # swinging: tipped up on one chain, with motion strokes
    return (f'<g transform="translate(2 5) rotate(-14 10 2) scale(0.86)">{s}</g>'
            f'<path d="M56 12q3 8 1 16M52 36q4 2 6 -1" fill="none" stroke="#f4ecd6" stroke-width="1.8"/>'
            f'<path d="M56 12q3 8 1 16M52 36q4 2 6 -1" fill="none" stroke="{INK}" stroke-width="0.6"/>')

@kind("sign_boot", 60, 44)
def sign_boot(broken):
    paint = (f'<path d="M11 17h7v12l6 3v4h-15z" fill="#6a3a1e" stroke="{INK}" stroke-width="1.4"/>'
             f'<path d="M11 20h7" stroke="#c8963e" stroke-width="1"/>'
             f'<text x="40" y="30" font-family="URW Bookman" font-weight="bold" font-size="9" text-anchor="middle" fill="#6b2a1a">BOOTS</text>')
    return hanging_sign(broken, "#efe2bd", paint)

@kind("sign_mug", 60, 44)
def sign_mug(broken):
    paint = (f'<rect x="10" y="19" width="11" height="15" rx="1" fill="#f2b53a" stroke="{INK}" stroke-width="1.4"/>'
             f'<path d="M9.5 19q1 -4 6 -3q5 -1 6 3z" fill="#ffffff" stroke="{INK}" stroke-width="1.2"/>'
             f'<path d="M21 22h3v8h-3" fill="none" stroke="{INK}" stroke-width="1.6"/>'
             f'<text x="39" y="31" font-family="URW Bookman" font-weight="bold" font-size="10.5" text-anchor="middle" fill="#f2c25a">BEER</text>')
    return hanging_sign(broken, "#3a2a22", paint)

@kind("vane", 40, 34)
def vane(broken):
    s = (f'<path d="M20 34V8" stroke="{INK}" stroke-width="2.4"/>'
         f'<path d="M11 26h18M20 20v0" stroke="{INK}" stroke-width="1.6"/>'
         f'<text x="8" y="29" font-family="DejaVu Sans" font-weight="bold" font-size="6" fill="{INK}">W</text>'
         f'<text x="29" y="29" font-family="DejaVu Sans" font-weight="bold" font-size="6" fill="{INK}">E</text>'
         f'<circle cx="20" cy="7" r="2" fill="#3a3330" stroke="{INK}" stroke-width="1"/>')
    if not broken:
        s += (f'<path d="M2 15h34" stroke="{INK}" stroke-width="2"/>'
              f'<path d="M36 15l-6 -4v8z" fill="#3a3330" stroke="{INK}" stroke-width="1.4"/>'
              f'<path d="M2 15l-1 -4h5l2 4l-2 4h-5z" fill="#3a3330" stroke="{INK}" stroke-width="1.2"/>'
              # rooster
              f'<path d="M13 14q-2 -6 3 -8l1 -3l2 2l2 -1l0 3q3 2 2 5q4 -5 7 -5q-1 6 -5 8z" fill="#3a3330" stroke="{INK}" stroke-width="1.2"/>'
              f'<path d="M17 3l1 -2l1 2" fill="#c83a2a"/>')
    else:
        # spinning: arrow end-on, rooster edge-on, round motion strokes
        s += (f'<ellipse cx="20" cy="15" rx="17" ry="4" fill="none" stroke="#f4ecd6" stroke-width="2"/>'
              f'<ellipse cx="20" cy="15" rx="17" ry="4" fill="none" stroke="{INK}" stroke-width="0.8" stroke-dasharray="5 3"/>'
              f'<path d="M19 14V4l2 2v8z" fill="#3a3330" stroke="{INK}" stroke-width="1.2"/>'
              f'<circle cx="20" cy="15" r="2.5" fill="#3a3330" stroke="{INK}" stroke-width="1"/>')
    return s

@kind("bucket", 28, 30)
def bucket(broken):
    b = (f'<path d="M4 12q10 -14 20 0" fill="none" stroke="{INK}" stroke-width="1.8"/>'
         f'<path d="M3 12h22l-3 16h-16z" fill="#9aa0a0" stroke="{INK}" stroke-width="1.8"/>'
         f'<rect x="2" y="11" width="24" height="3" fill="#b8bcbc" stroke="{INK}" stroke-width="1.4"/>'
         f'<path d="M4 19h20M5 25h18" stroke="#6a7070" stroke-width="1.4"/>'
         f'<path d="M7 15l2 11" stroke="#e8ecec" stroke-width="1.6"/>'
         f'<path d="M14 0v5" stroke="{INK}" stroke-width="1.6"/>')
    if not broken:
        return b
    return (f'<g transform="rotate(24 14 1)">{b}</g>'
            f'<path d="M4 18q-3 5 -1 10M1 14q-1 4 0 7" fill="none" stroke="#8ac8e8" stroke-width="2"/>'
            f'<circle cx="3" cy="27" r="1.5" fill="#8ac8e8"/><circle cx="7" cy="29" r="1" fill="#8ac8e8"/>')

@kind("poster", 40, 52)
def poster(broken):
    paper = "#ecdcae"
    face = (f'<rect x="11" y="14" width="18" height="19" fill="#d8c08a" stroke="{INK}" stroke-width="1"/>'
            f'<path d="M13 20h14l-2 -4h-10z" fill="#2a1a10"/>'
            f'<circle cx="20" cy="24" r="4.5" fill="#e0b890" stroke="{INK}" stroke-width="0.8"/>'
            f'<path d="M15.5 26h9v3h-9z" fill="#a82a2a"/>'
            f'<path d="M14 33q6 -5 12 0" fill="#2a1a10"/>')
    text = (f'<text x="20" y="11" font-family="URW Bookman" font-weight="bold" font-size="7.2" text-anchor="middle" fill="#2a1a10">WANTED</text>'
            f'<text x="20" y="41" font-family="DejaVu Serif" font-weight="bold" font-size="5" text-anchor="middle" fill="#2a1a10">CROW GANG</text>'
            f'<text x="20" y="48" font-family="DejaVu Serif" font-weight="bold" font-size="6" text-anchor="middle" fill="#8a2a1a">$500</text>')
    nails = f'<circle cx="4" cy="3" r="1.3" fill="{INK}"/><circle cx="36" cy="3" r="1.3" fill="{INK}"/>'
    if not broken:
        return (f'<path d="M1 1h38v50h-38z" fill="{paper}" stroke="{INK}" stroke-width="1.8"/>' + text + face + nails +
                f'<path d="M34 44l5 7h-5z" fill="#c8b080" stroke="{INK}" stroke-width="1"/>')
    # torn: lower half ripped away and curling down from the left nail
    clip = "M1 1h38v22l-5 3l-4 -3l-5 4l-5 -2l-4 4l-5 -3l-3 3l-2 -2v-24z"
    return (f'<defs><clipPath id="torn"><path d="{clip}"/></clipPath></defs>'
            f'<g clip-path="url(#torn)"><path d="M1 1h38v50h-38z" fill="{paper}"/>{text}{face}</g>'
            f'<path d="{clip}" fill="none" stroke="{INK}" stroke-width="1.8"/>'
            f'<path d="M2 27l6 -2l3 12l-4 12l-5 1z" fill="#d8c590" stroke="{INK}" stroke-width="1.4"/>'
            f'<circle cx="24" cy="18" r="2.2" fill="#1d130d"/>' + nails)

@kind("horseshoe", 22, 24)
def horseshoe(broken):
    # nailed up for luck, points up; hit, it spins round on its nail, points down
    shoe = (f'<path d="M4 2q-4 12 1 17q6 5 12 0q5 -5 1 -17h-4q3 10 0 13q-3 3 -6 0q-3 -3 0 -13z" '
            f'fill="#8a8f96" stroke="{INK}" stroke-width="1.6"/>'
            f'<path d="M3.5 8q0 6 2.5 9" fill="none" stroke="#d8dde2" stroke-width="1.3"/>'
            + "".join(f'<circle cx="{x}" cy="{y}" r="0.9" fill="{INK}"/>' for x, y in ((4.5, 5), (5, 11), (17.5, 5), (17, 11))))
    nail = f'<circle cx="11" cy="2.5" r="1.6" fill="#5a4a40" stroke="{INK}" stroke-width="0.8"/>'
    if not broken:
        return shoe + nail
    return (f'<g transform="rotate(180 11 12)">{shoe}</g>' + nail +
            f'<path d="M1 6l3 1M21 6l-3 1M2 14l3 -1M20 14l-3 -1" stroke="#f2e6a0" stroke-width="1.4"/>')


@kind("skull", 36, 26)
def skull(broken):
    # a bleached cow skull over the door of the store; hit, a horn snaps off
    horns = ('<path d="M10 8q-8 -2 -9 -7q4 4 11 3z" fill="#efe6cc" stroke="{i}" stroke-width="1.5"/>'
             '<path d="M26 8q8 -2 9 -7q-4 4 -11 3z" fill="#efe6cc" stroke="{i}" stroke-width="1.5"/>').format(i=INK)
    head = (f'<path d="M9 5q9 -4 18 0q2 6 -2 11l-3 8h-8l-3 -8q-4 -5 -2 -11z" fill="#f4ecd6" stroke="{INK}" stroke-width="1.6"/>'
            f'<ellipse cx="14" cy="11" rx="2.6" ry="3" fill="{INK}"/><ellipse cx="22" cy="11" rx="2.6" ry="3" fill="{INK}"/>'
            f'<path d="M16 20h1.5M19 20h1.5" stroke="{INK}" stroke-width="1.4"/>'
            f'<path d="M11 7q2 -2 5 -2" fill="none" stroke="#fffaf0" stroke-width="1.3"/>')
    if not broken:
        return horns + head
    left = horns.split("/>")[0] + "/>"
    return (left + head +
            f'<path d="M27 5l2 -3l2 2" fill="none" stroke="{INK}" stroke-width="1.4"/>'
            f'<path d="M18 4l-1 5l2 3l-1 4" fill="none" stroke="{INK}" stroke-width="1.2"/>'
            f'<path d="M31 14l3 3l-2 1z" fill="#efe6cc" stroke="{INK}" stroke-width="1"/>')


os.makedirs(OUT, exist_ok=True)
for name, (w, h, f) in K.items():
    broken_part = f(True)
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{2*w}" height="{h}" viewBox="0 0 {2*w} {h}">\n'
           f'<!-- left: intact, right: destroyed -->\n'
           f'<svg x="0" y="0" width="{w}" height="{h}" viewBox="0 0 {w} {h}" overflow="hidden">{f(False)}</svg>\n'
           f'<svg x="{w}" y="0" width="{w}" height="{h}" viewBox="0 0 {w} {h}" overflow="hidden">{broken_part}</svg>\n'
           f'</svg>\n')
    open(os.path.join(OUT, name + ".svg"), "w").write(svg)
    print(name, w, h)
