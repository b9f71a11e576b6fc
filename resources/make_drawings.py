"""Writes the pictures that Fixturo draws itself (everything in this folder but
the team flags): the program icon, the three pointer icons, the about picture
and the two stadiums. Run it from anywhere; it rewrites the SVG files beside it.

    python3 resources/make_drawings.py
"""
import math
import os
import random

def f(x):
    """A coordinate with at most one decimal."""
    s = f"{x:.1f}"
    if s == "-0.0": s = "0.0"
    return s[:-2] if s.endswith(".0") else s

def pts(poly):
    return " ".join(f"{f(x)},{f(y)}" for x, y in poly)

def clip(poly, cx, cy, r, n=64):
    """The part of a convex polygon inside a circle (taken as an n-gon)."""
    out = poly
    for i in range(n):
        a0 = 2 * math.pi * i / n; a1 = 2 * math.pi * (i + 1) / n
        p0 = (cx + r * math.cos(a0), cy + r * math.sin(a0))
        p1 = (cx + r * math.cos(a1), cy + r * math.sin(a1))
        def inside(p):
            return (p1[0]-p0[0])*(p[1]-p0[1]) - (p1[1]-p0[1])*(p[0]-p0[0]) >= 0
        def inter(a, b):
            x1, y1 = a; x2, y2 = b; x3, y3 = p0; x4, y4 = p1
            d = (x1-x2)*(y3-y4) - (y1-y2)*(x3-x4)
            t = ((x1-x3)*(y3-y4) - (y1-y3)*(x3-x4)) / d
            return (x1 + t*(x2-x1), y1 + t*(y2-y1))
        inp = out; out = []
        if not inp: break
        s = inp[-1]
        for e in inp:
            if inside(e):
                if not inside(s): out.append(inter(s, e))
                out.append(e)
            elif inside(s):
                out.append(inter(s, e))
            s = e
    return out

def ball(cx, cy, r, stroke, ink="#1e1e1e", shade=True):
    """A football seen with one pentagon in the middle: white disc, centre
    pentagon, five foreshortened pentagons at the rim facing its corners, and
    the seams of the hexagons between them."""
    k = 0.30 * r
    out = [f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="#fff"/>']
    if shade:
        out.append(f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="url(#ballShade)"/>')
    pent = [(cx + k*math.sin(2*math.pi*i/5), cy - k*math.cos(2*math.pi*i/5)) for i in range(5)]
    rims = []
    for i in range(5):
        a = 2*math.pi*i/5
        d, pk, squash = 0.97*r, 0.36*r, 0.62
        ux, uy = math.sin(a), -math.cos(a)      # outward
        tx, ty = -uy, ux                        # along the rim
        p = []
        for j in range(5):
            b = math.pi + 2*math.pi*j/5         # j = 0 points to the centre
            rad, tan = pk*math.cos(b)*squash, pk*math.sin(b)
            p.append((cx + d*ux + rad*ux + tan*tx, cy + d*uy + rad*uy + tan*ty))
        rims.append(p)
        c = clip(p, cx, cy, r)
        if len(c) > 2:
            out.append(f'<polygon points="{pts(c)}" fill="{ink}"/>')
    seams = []
    for i in range(5):
        w = rims[i][0]
        seams.append(f"M{f(pent[i][0])} {f(pent[i][1])}L{f(w[0])} {f(w[1])}")
        a = rims[i][1]; b = rims[(i+1)%5][4]
        seams.append(f"M{f(a[0])} {f(a[1])}L{f(b[0])} {f(b[1])}")
    out.append(f'<path d="{"".join(seams)}" fill="none" stroke="{ink}" stroke-width="{f(stroke)}"/>')
    out.append(f'<polygon points="{pts(pent)}" fill="{ink}"/>')
    out.append(f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r - stroke/2)}" fill="none" stroke="{ink}" stroke-width="{f(stroke)}"/>')
    return out

SHADE = '''<defs>
    <radialGradient id="ballShade" cx="0.35" cy="0.3" r="0.8">
      <stop offset="0.5" stop-color="#000" stop-opacity="0"/>
      <stop offset="1" stop-color="#000" stop-opacity="0.3"/>
    </radialGradient>
  </defs>'''

def svg(w, h, body, comment):
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">',
             f'  <!-- {comment} -->']
    lines += ["  " + b for b in body]
    lines.append('</svg>')
    return "\n".join(lines) + "\n"


# ---------------------------------------------------------------- perspective
class Pitch:
    """Maps pitch metres (u along 0..105, v across 0..68, v = 0 the far
    touchline) to the picture: scale k pixels per metre grows towards the
    viewer, and 1/k is linear in v."""
    def __init__(self, cx, y1, k1, y2, k2):
        self.cx, self.y1, self.k1, self.y2, self.k2 = cx, y1, k1, y2, k2
    def k(self, v):
        return 1.0 / (1.0/self.k1 + (1.0/self.k2 - 1.0/self.k1) * v / 68.0)
    def y(self, v):
        return self.y1 + (self.y2 - self.y1) * (self.k(v) - self.k1) / (self.k2 - self.k1)
    def p(self, u, v):
        return (self.cx + (u - 52.5) * self.k(v), self.y(v))
    def poly(self, corners, steps=1):
        out = []
        for (a, b) in zip(corners, corners[1:] + corners[:1]):
            for s in range(steps):
                t = s / steps
                out.append(self.p(a[0] + (b[0]-a[0])*t, a[1] + (b[1]-a[1])*t))
        return out
    def circle(self, u0, v0, r, n=48, a0=0, a1=2*math.pi):
        return [self.p(u0 + r*math.cos(a0 + (a1-a0)*i/n), v0 + r*math.sin(a0 + (a1-a0)*i/n)) for i in range(n+1)]

def pitch_body(P, light, dark, line_w):
    body = []
    body.append(f'<polygon points="{pts(P.poly([(0,0),(105,0),(105,68),(0,68)]))}" fill="{dark}"/>')
    for i in range(0, 10, 2):
        u0, u1 = 105*i/10, 105*(i+1)/10
        body.append(f'<polygon points="{pts(P.poly([(u0,0),(u1,0),(u1,68),(u0,68)]))}" fill="{light}"/>')
    d = []
    def path(poly, close=False):
        s = "M" + "L".join(f"{f(x)} {f(y)}" for x, y in poly)
        return s + ("Z" if close else "")
    d.append(path(P.poly([(0,0),(105,0),(105,68),(0,68)]), True))
    d.append(path([P.p(52.5,0), P.p(52.5,68)]))
    d.append(path(P.circle(52.5, 34, 9.15), True))
    for u0, sgn in ((0, 1), (105, -1)):
        d.append(path([P.p(u0,13.85), P.p(u0+sgn*16.5,13.85), P.p(u0+sgn*16.5,54.15), P.p(u0,54.15)]))
        d.append(path([P.p(u0,24.85), P.p(u0+sgn*5.5,24.85), P.p(u0+sgn*5.5,43.15), P.p(u0,43.15)]))
        a = math.acos(5.5/9.15)
        if sgn == 1:
            arc = P.circle(11, 34, 9.15, 24, -a, a)
        else:
            arc = P.circle(94, 34, 9.15, 24, math.pi - a, math.pi + a)
        d.append(path(arc))
    body.append(f'<path d="{"".join(d)}" fill="none" stroke="#fff" stroke-width="{f(line_w)}" stroke-opacity="0.9"/>')
    return body

def goal(P, u0, sgn, h_m=2.44, w_m=7.32, depth=2.0):
    """A goal on the line at u0, its net reaching out of the pitch (sgn = -1 to the left)."""
    v0, v1 = 34 - w_m/2, 34 + w_m/2
    post0, post1 = P.p(u0, v0), P.p(u0, v1)
    top0 = (post0[0], post0[1] - h_m*P.k(v0)); top1 = (post1[0], post1[1] - h_m*P.k(v1))
    back0, back1 = P.p(u0 + sgn*depth, v0), P.p(u0 + sgn*depth, v1)
    net = [top0, top1, back1, back0]
    out = [f'<polygon points="{pts([top0, top1, post1, back1, back0, post0])}" fill="#fff" fill-opacity="0.35" stroke="#fff" stroke-opacity="0.6" stroke-width="0.6"/>']
    out.append(f'<path d="M{f(post0[0])} {f(post0[1])}L{f(top0[0])} {f(top0[1])}L{f(top1[0])} {f(top1[1])}L{f(post1[0])} {f(post1[1])}" fill="none" stroke="#fff" stroke-width="{f(max(1.2, 0.12*P.k(v0)))}"/>')
    return out

def gen_icon():
    body = [SHADE,
        '<defs>',
        '  <linearGradient id="grass" x1="0" y1="0" x2="0" y2="1">',
        '    <stop offset="0" stop-color="#3aa34a"/>',
        '    <stop offset="1" stop-color="#1d6e2b"/>',
        '  </linearGradient>',
        '</defs>',
        '<rect x="1" y="1" width="46" height="46" rx="9" fill="url(#grass)" stroke="#124a1c" stroke-width="1"/>',
        '<path d="M5.5 5.5h37v37h-37zM24 5.5v37M5.5 17h6v14h-6M42.5 17h-6v14h6" fill="none" stroke="#fff" stroke-opacity="0.75" stroke-width="1.2"/>',
    ]
    body += ball(24, 24, 14, 1.1)
    return svg(48, 48, body, "Program icon: a football on a pitch")

def gen_cursor_match():
    cx = cy = 8
    k = 2.9
    pent = [(cx + k*math.sin(2*math.pi*i/5), cy - k*math.cos(2*math.pi*i/5)) for i in range(5)]
    seams = "".join(f"M{f(x)} {f(y)}L{f(cx + 6.8*math.sin(2*math.pi*i/5))} {f(cy - 6.8*math.cos(2*math.pi*i/5))}"
                    for i, (x, y) in enumerate(pent))
    body = [
        '<circle cx="8" cy="8" r="7" fill="#fff" stroke="#000" stroke-width="1"/>',
        f'<path d="{seams}" fill="none" stroke="#000" stroke-width="1"/>',
        f'<polygon points="{pts(pent)}" fill="#000"/>',
    ]
    return svg(16, 16, body, "Pointer over a match: a small football; the hot spot is its centre (8, 8)")

def gen_cursor_cross():
    body = [
        '<path d="M14 1h4v13h12v4H18v12h-4V18H2v-4h12z" fill="#fff"/>',
        '<path d="M15 2h2v11h-2zM15 19h2v11h-2zM3 15h10v2H3zM19 15h10v2H19z" fill="#000"/>',
    ]
    return svg(32, 32, body, "Pointer over the about picture: a cross; the hot spot is its centre (16, 16)")

def gen_cursor_link():
    body = [
        '<path d="M9 18V4a2.5 2.5 0 0 1 5 0v9.5a2.25 2.25 0 0 1 4.5 0v1a2.25 2.25 0 0 1 4.5 0v1'
        'a2.25 2.25 0 0 1 4.5 0V23c0 4-2.5 7-6.5 7H16c-2.6 0-4-1.2-5.2-3.2L5 19.5'
        'a2.1 2.1 0 0 1 3-2.8z" fill="#fff" stroke="#000" stroke-width="1.2" stroke-linejoin="round"/>',
        '<path d="M14 13.5V19M18.5 14.5V19M23 15.5V19" fill="none" stroke="#000" stroke-width="1" stroke-linecap="round"/>',
    ]
    return svg(32, 32, body, "Pointer over the home-page link: a pointing hand; the hot spot is the fingertip (11, 1)")


def rows(x0, x1, y0, y1, n, colours):
    out = []
    h = (y1 - y0) / n
    for i in range(n):
        out.append(f'<rect x="{f(x0)}" y="{f(y0 + i*h)}" width="{f(x1-x0)}" height="{f(h*0.72)}" fill="{colours[i % len(colours)]}"/>')
    return out

def gen_jakobpark():
    W, H = 564, 372
    P = Pitch(282, 178, 3.7, 468, 9.5)
    body = ['<defs>',
            '  <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">',
            '    <stop offset="0" stop-color="#5d8fc9"/>',
            '    <stop offset="1" stop-color="#bcd4ee"/>',
            '  </linearGradient>',
            '  <linearGradient id="roof" x1="0" y1="0" x2="0" y2="1">',
            '    <stop offset="0" stop-color="#e9ecef"/>',
            '    <stop offset="1" stop-color="#9aa3ad"/>',
            '  </linearGradient>',
            '</defs>',
            f'<rect width="{W}" height="{H}" fill="url(#sky)"/>']
    # a few clouds
    for cx, cy, s in ((90, 22, 1.0), (300, 14, 0.8), (470, 28, 1.1)):
        body.append(f'<g fill="#fff" fill-opacity="0.8"><ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(34*s)}" ry="{f(8*s)}"/>'
                    f'<ellipse cx="{f(cx-12*s)}" cy="{f(cy-5*s)}" rx="{f(14*s)}" ry="{f(8*s)}"/>'
                    f'<ellipse cx="{f(cx+10*s)}" cy="{f(cy-6*s)}" rx="{f(12*s)}" ry="{f(7*s)}"/></g>')
    # far (main) stand: roof, two tiers of seats, the boxes between them
    fl, fr = P.p(-8, -3), P.p(113, -3)
    top = 58
    body.append(f'<polygon points="{pts([(fl[0]-40, top+8), (fr[0]+40, top+8), (fr[0]+40, fr[1]), (fl[0]-40, fl[1])])}" fill="#4a4f57"/>')
    body += rows(fl[0]-34, fr[0]+34, top+14, top+62, 9, ["#c8102e", "#b00d27"])
    body.append(f'<rect x="{f(fl[0]-34)}" y="{top+63}" width="{f(fr[0]-fl[0]+68)}" height="9" fill="#d9d9d9"/>')
    for x in range(int(fl[0]-30), int(fr[0]+30), 14):
        body.append(f'<rect x="{x}" y="{top+65}" width="10" height="5" fill="#33566f"/>')
    body += rows(fl[0]-34, fr[0]+34, top+74, fl[1]-6, 8, ["#1f3f8f", "#c8102e", "#c8102e"])
    body.append(f'<rect x="{f(fl[0]-34)}" y="{f(fl[1]-6)}" width="{f(fr[0]-fl[0]+68)}" height="6" fill="#7d858f"/>')
    body.append(f'<polygon points="{pts([(fl[0]-60, top-14), (fr[0]+60, top-14), (fr[0]+44, top+10), (fl[0]-44, top+10)])}" fill="url(#roof)" stroke="#6b737c" stroke-width="1"/>')
    for i in range(11):
        x = fl[0]-40 + (fr[0]-fl[0]+80) * i / 10
        body.append(f'<path d="M{f(x)} {top-14}L{f(x + (x-282)*0.05)} {top+10}" stroke="#8a929b" stroke-width="1.2"/>')
    # grass under everything nearer than the main stand
    body.append(f'<rect x="0" y="{f(fl[1])}" width="{W}" height="{f(H - fl[1])}" fill="#2f8a3b"/>')
    # end stands behind both goals, seen from the side
    for sgn in (-1, 1):
        near = P.p(105 if sgn > 0 else 0, 72)
        far = P.p(105 if sgn > 0 else 0, -4)
        edge = 0 if sgn < 0 else W
        poly = [(far[0] + sgn*4, far[1]), (edge, far[1] - 70), (edge, H), (near[0] + sgn*6, H)]
        body.append(f'<polygon points="{pts(poly)}" fill="#a50c24"/>')
        for j in range(1, 14):
            t = j / 14
            x0 = far[0] + sgn*4 + (near[0] + sgn*6 - far[0] - sgn*4) * t
            y0 = far[1] + (H - far[1]) * t
            y1 = far[1] - 70 + (H - far[1] + 70) * t
            colour = "#1f3f8f" if j % 5 == 0 else "#7a0a1c"
            body.append(f'<path d="M{f(x0)} {f(y0)}L{edge} {f(y1)}" stroke="{colour}" stroke-width="2"/>')
        roof = [(far[0] + sgn*10, far[1] - 118), (edge, far[1] - 150), (edge, far[1] - 112), (far[0] + sgn*6, far[1] - 96)]
        body.append(f'<polygon points="{pts(roof)}" fill="url(#roof)" stroke="#6b737c" stroke-width="1"/>')
        body.append(f'<path d="M{f(far[0]+sgn*8)} {f(far[1]-97)}L{f(far[0]+sgn*4)} {f(far[1])}" stroke="#6b737c" stroke-width="2"/>')
    # advertising boards and the pitch
    body.append(f'<polygon points="{pts([P.p(-6,-2.2), P.p(111,-2.2), (P.p(111,-2.2)[0], P.p(111,-2.2)[1]+7), (P.p(-6,-2.2)[0], P.p(-6,-2.2)[1]+7)])}" fill="#f2f2f2"/>')
    grass = P.poly([(-6,-2),(111,-2),(111,80),(-6,80)])
    body.append(f'<polygon points="{pts(grass)}" fill="#2f8a3b"/>')
    body += pitch_body(P, "#3b9a47", "#2f8a3b", 2)
    body += goal(P, 0, -1)
    body += goal(P, 105, 1)
    return svg(W, H, body, "St. Jakob-Park, Basel: a drawing of the ground from the main stand")


def gen_ernsthappel():
    W, H = 200, 73
    body = ['<defs>',
            '  <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">',
            '    <stop offset="0" stop-color="#4f86c6"/>',
            '    <stop offset="1" stop-color="#cfe0f2"/>',
            '  </linearGradient>',
            '  <linearGradient id="wall" x1="0" y1="0" x2="1" y2="0">',
            '    <stop offset="0" stop-color="#a9b0b8"/>',
            '    <stop offset="0.45" stop-color="#e4e7ea"/>',
            '    <stop offset="1" stop-color="#9ea6ae"/>',
            '  </linearGradient>',
            '</defs>',
            f'<rect width="{W}" height="{H}" fill="url(#sky)"/>']
    cx, rx = 100, 88
    # the bowl: an ellipse seen from the side, cut by the ground
    body.append(f'<path d="M{cx-rx} 58V36Q{cx-rx} 27 {cx} 25Q{cx+rx} 27 {cx+rx} 36V58z" fill="url(#wall)" stroke="#7b838c" stroke-width="0.8"/>')
    # tiers of windows round the bowl, narrowing towards its sides
    for row, y in enumerate((38, 45, 52)):
        n = 30
        for i in range(n):
            t = (i + 0.5) / n
            a = math.pi * t
            x = cx - rx * math.cos(a)
            w = max(0.6, 4.2 * math.sin(a))
            body.append(f'<rect x="{f(x - w/2)}" y="{y}" width="{f(w)}" height="3" fill="#3e5872"/>')
    # stair towers
    for i in range(1, 8):
        a = math.pi * i / 8
        x = cx - rx * math.cos(a)
        w = 5 * math.sin(a) + 1
        body.append(f'<rect x="{f(x - w/2)}" y="31" width="{f(w)}" height="27" fill="#c9ced4" stroke="#7b838c" stroke-width="0.5"/>')
    # the roof ring on its pylons
    body.append(f'<path d="M{cx-rx-4} 30Q{cx-rx-4} 17 {cx} 15Q{cx+rx+4} 17 {cx+rx+4} 30Q{cx+rx+4} 25 {cx} 23Q{cx-rx-4} 25 {cx-rx-4} 30z" fill="#f4f6f8" stroke="#6f7780" stroke-width="0.8"/>')
    for i in range(0, 13):
        a = math.pi * i / 12
        x = cx - (rx + 4) * math.cos(a)
        body.append(f'<path d="M{f(x)} {f(25 + 4*math.sin(a) - 2)}V{f(31 + 2*math.sin(a))}" stroke="#6f7780" stroke-width="1"/>')
    # lawn, path and trees in front
    body.append(f'<rect y="57" width="{W}" height="{H-57}" fill="#4f9a3a"/>')
    body.append(f'<path d="M0 66Q100 60 200 66V70Q100 64 0 70z" fill="#d8cfb8"/>')
    for x, r, c in ((8, 9, "#2f6e2a"), (22, 7, "#3b7f31"), (178, 8, "#2f6e2a"), (192, 10, "#3b7f31"), (60, 5, "#3b7f31"), (140, 5, "#2f6e2a")):
        body.append(f'<rect x="{f(x-0.8)}" y="{f(60 - r*0.4)}" width="1.6" height="{f(r*0.6+2)}" fill="#5b4630"/>')
        body.append(f'<circle cx="{x}" cy="{f(58 - r)}" r="{r}" fill="{c}"/>')
    return svg(W, H, body, "Ernst-Happel-Stadion, Vienna: a drawing of the bowl and its roof ring from outside")


def gen_about():
    W, H = 640, 480
    P = Pitch(320, 232, 3.6, 560, 11)
    body = [SHADE, '<defs>',
            '  <linearGradient id="night" x1="0" y1="0" x2="0" y2="1">',
            '    <stop offset="0" stop-color="#06142b"/>',
            '    <stop offset="1" stop-color="#1d4b7c"/>',
            '  </linearGradient>',
            '  <radialGradient id="glow" cx="0.5" cy="0.5" r="0.5">',
            '    <stop offset="0" stop-color="#fffbe0" stop-opacity="0.9"/>',
            '    <stop offset="1" stop-color="#fffbe0" stop-opacity="0"/>',
            '  </radialGradient>',
            '</defs>',
            f'<rect width="{W}" height="{H}" fill="url(#night)"/>']
    # stars
    rnd = random.Random(2008)
    for _ in range(40):
        x, y = rnd.uniform(0, W), rnd.uniform(0, 150)
        body.append(f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(rnd.uniform(0.5, 1.3))}" fill="#fff" fill-opacity="{f(rnd.uniform(0.4, 0.9))}"/>')
    # stands all round, dark, with a lit rim
    body.append(f'<path d="M0 150L640 150V{H}H0z" fill="#10223a"/>')
    for i in range(7):
        y = 160 + i * 9
        body.append(f'<rect x="0" y="{y}" width="{W}" height="4" fill="#1b3454"/>')
    body.append(f'<rect x="0" y="146" width="{W}" height="5" fill="#c8d3df"/>')
    body.append(f'<rect x="0" y="224" width="{W}" height="8" fill="#e6e6e6"/>')
    # floodlights
    for x in (60, 580):
        body.append(f'<path d="M{x} 150L{x-4} 62H{x+4}z" fill="#8d99a6"/>')
        body.append(f'<circle cx="{x}" cy="52" r="46" fill="url(#glow)"/>')
        body.append(f'<rect x="{x-18}" y="40" width="36" height="20" rx="2" fill="#dfe6ee" stroke="#8d99a6"/>')
        for r in range(2):
            for c in range(4):
                body.append(f'<rect x="{x-15+c*8}" y="{43+r*8}" width="6" height="6" fill="#fffbe0"/>')
    # the pitch
    body.append(f'<rect x="0" y="232" width="{W}" height="{H-232}" fill="#256f31"/>')
    body += pitch_body(P, "#2e8a3c", "#277a34", 2.2)
    # the ball, resting near the centre circle
    body.append(f'<ellipse cx="468" cy="392" rx="62" ry="12" fill="#000" fill-opacity="0.3"/>')
    body += ball(460, 330, 62, 2.4)
    # name and dates
    body.append('<text x="320" y="106" font-family="Arial" font-size="68" font-weight="bold" fill="#fff" text-anchor="middle">FIXTURO</text>')
    body.append('<text x="320" y="136" font-family="Arial" font-size="18" fill="#c8d3df" text-anchor="middle">7–29 June 2008 · 16 teams · 31 matches</text>')
    return svg(W, H, body, "About picture: a floodlit ground at night, a football and the program's name")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    files = {
        "icon.svg": gen_icon,
        "about.svg": gen_about,
        "jakobpark.svg": gen_jakobpark,
        "ernsthappel.svg": gen_ernsthappel,
        os.path.join("pointers", "match.svg"): gen_cursor_match,
        os.path.join("pointers", "cross.svg"): gen_cursor_cross,
        os.path.join("pointers", "link.svg"): gen_cursor_link,
    }
    os.makedirs(os.path.join(here, "pointers"), exist_ok=True)
    for name, make in files.items():
        with open(os.path.join(here, name), "w", encoding="utf-8", newline="\n") as out:
            out.write(make())


if __name__ == "__main__":
    main()
