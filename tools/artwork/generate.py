#!/usr/bin/python3
"""Draws all of the game's pictures as SVG and rasterises them.

Every card is drawn in a 58 x 99 unit box and rendered separately at 1x and
2x, so the @2x files are real renderings, not upscales. Outputs are palette
PNGs without metadata, so a rerun gives the same bytes.

Usage: generate.py [--svg-dir DIR]   (run from anywhere; paths are repo-relative)
"""

import argparse
import io
import math
import os
import subprocess
import sys
import tempfile

from PIL import Image

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
CARDS = os.path.join(ROOT, "assets", "cards")
ICONS = os.path.join(ROOT, "assets", "icons")

OUTLINE = "#2a2420"
SKIN = "#f2c9a0"
FONT = "DejaVu Sans"

# Per suit: main colour, second colour, index ink, light tint for the court background.
SUITS = {
    1: dict(name="Denare", main="#f0c020", second="#c0221b", ink="#a35d00", tint="#fdf4d2"),
    2: dict(name="Coppe", main="#c8202a", second="#f0c020", ink="#c01010", tint="#fbe3e0"),
    3: dict(name="Bastoni", main="#2f8a3a", second="#7a4a1e", ink="#1d6a25", tint="#e3f2dc"),
    4: dict(name="Spade", main="#2450a8", second="#9aaabb", ink="#1a3f8f", tint="#e2e8f5"),
}


def fmt(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def place(body, x, y, scale=1.0, angle=0.0, xscale=None):
    return '<g transform="translate(%s %s) rotate(%s) scale(%s %s)">%s</g>' % (
        fmt(x), fmt(y), fmt(angle), fmt(scale if xscale is None else xscale), fmt(scale), body)


# ---------------------------------------------------------------- suit symbols
# Each symbol is drawn about the origin in a 20-unit-high box (long ones 24),
# so one scale factor places it as a pip, an ace or an object held by a figure.

def coin(detail=True):
    s = ('<circle r="10" fill="#f0c020" stroke="#c0221b" stroke-width="1.7"/>'
         '<circle r="6.4" fill="#f8dc62" stroke="#c0221b" stroke-width="0.9"/>')
    if detail:
        petals = "".join(
            '<ellipse cx="0" cy="-3" rx="1.3" ry="2.6" fill="#c0221b" transform="rotate(%d)"/>' % a
            for a in range(0, 360, 60))
        s += petals + '<circle r="1.3" fill="#f0c020"/>'
    else:
        s += '<circle r="2.6" fill="#c0221b"/>'
    return s


def cup():
    return ('<path d="M-6.5 9.5 Q0 4.5 6.5 9.5 Z" fill="#c8202a" stroke="#7a1010" stroke-width="0.7"/>'
            '<rect x="-1.3" y="1" width="2.6" height="6" fill="#f0c020" stroke="#8a6400" stroke-width="0.5"/>'
            '<circle cy="4" r="1.9" fill="#f0c020" stroke="#8a6400" stroke-width="0.5"/>'
            '<path d="M-8 -8 C-8 -1 -3.5 1.5 -1.2 2 L1.2 2 C3.5 1.5 8 -1 8 -8 Z" fill="#c8202a" '
            'stroke="#7a1010" stroke-width="0.8"/>'
            '<path d="M-6.8 -3.5 Q0 -1.5 6.8 -3.5" fill="none" stroke="#f0c020" stroke-width="1.3"/>'
            '<ellipse cy="-8.3" rx="8" ry="1.9" fill="#f0c020" stroke="#8a6400" stroke-width="0.7"/>')


def baton():
    return ('<path d="M-1.5 12 L-3.3 -7 Q-4 -12 0 -12.2 Q4 -12 3.3 -7 L1.5 12 Q0 13 -1.5 12 Z" '
            'fill="#8a5424" stroke="#4a2a0e" stroke-width="0.8"/>'
            '<path d="M-2.9 -4 l-2.6 -1.6 M2.6 1 l2.6 -1.6 M-2.3 6 l-2.2 -1.2" stroke="#4a2a0e" '
            'stroke-width="1.4" stroke-linecap="round"/>'
            '<path d="M1 -11 Q4.5 -15.5 6 -11.5 Q3.5 -9.8 1 -11 Z" fill="#2f9a3a" stroke="#145a1c" '
            'stroke-width="0.5"/>'
            '<path d="M-1 -11 Q-4.5 -15.5 -6 -11.5 Q-3.5 -9.8 -1 -11 Z" fill="#2f9a3a" '
            'stroke="#145a1c" stroke-width="0.5"/>'
            '<rect x="-2" y="8.5" width="4" height="1.4" fill="#2f9a3a"/>')


def sword():
    return ('<path d="M-1.6 -5 L1.6 -5 L1.5 9 L0 12.5 L-1.5 9 Z" fill="#c4d2e0" stroke="#28406e" '
            'stroke-width="0.7"/>'
            '<line x1="0" y1="-4.5" x2="0" y2="9" stroke="#7d93ad" stroke-width="0.6"/>'
            '<path d="M-4.3 -6.9 Q0 -5 4.3 -6.9 L4.3 -4.7 Q0 -2.8 -4.3 -4.7 Z" fill="#2450a8" '
            'stroke="#122a60" stroke-width="0.6"/>'
            '<rect x="-1.1" y="-10.8" width="2.2" height="4.8" fill="#2450a8" stroke="#122a60" '
            'stroke-width="0.5"/>'
            '<circle cy="-11.5" r="1.7" fill="#9aaabb" stroke="#122a60" stroke-width="0.5"/>')


SYMBOLS = {1: coin, 2: cup, 3: baton, 4: sword}
SYMBOL_HEIGHT = {1: 20.0, 2: 20.0, 3: 25.0, 4: 24.0}


def symbol(suit, x, y, height, angle=0.0, detail=True, width=None):
    body = coin(detail) if suit == 1 else SYMBOLS[suit]()
    scale = height / SYMBOL_HEIGHT[suit]
    return place(body, x, y, scale, angle, None if width is None else width / 12.0)


# ---------------------------------------------------------------- pip layouts
# Round pips (coins, cups) follow the usual Italian pairs-in-columns patterns;
# long pips (batons, swords) stand upright side by side in rows.
ROUND = {
    2: [(29, 29), (29, 70)],
    3: [(29, 22), (29, 49.5), (29, 77)],
    4: [(19.5, 30), (38.5, 30), (19.5, 69), (38.5, 69)],
    5: [(19.5, 27), (38.5, 27), (29, 49.5), (19.5, 72), (38.5, 72)],
    6: [(19.5, 23), (38.5, 23), (19.5, 49.5), (38.5, 49.5), (19.5, 76), (38.5, 76)],
    7: [(19.5, 22), (38.5, 22), (15, 49.5), (29, 49.5), (43, 49.5), (19.5, 77), (38.5, 77)],
}
LONG = {
    2: [(20, 49.5), (38, 49.5)],
    3: [(16, 49.5), (29, 49.5), (42, 49.5)],
    4: [(21, 31), (37, 31), (21, 68), (37, 68)],
    5: [(18, 30), (40, 30), (29, 49.5), (18, 69), (40, 69)],
    6: [(16, 31), (29, 31), (42, 31), (16, 68), (29, 68), (42, 68)],
    7: [(16, 22), (29, 22), (42, 22), (29, 49.5), (16, 77), (29, 77), (42, 77)],
}


def pips(suit, value):
    if suit in (1, 2):
        size = 15.5 if value <= 6 else 13
        return "".join(symbol(suit, x, y, size) for x, y in ROUND[value])
    # Long pips grow in length only, so neighbours in a row never touch.
    size = 36 if value <= 3 else (30 if value <= 6 else 23)
    width = {2: 14, 3: 12, 7: 10}.get(value, 11)
    return "".join(symbol(suit, x, y, size, width=width) for x, y in LONG[value])


def ace(suit):
    s = SUITS[suit]
    ring = ('<ellipse cx="29" cy="49.5" rx="21" ry="34" fill="none" stroke="%s" stroke-width="1.2" '
            'stroke-dasharray="2.2 1.6"/>' % s["main"])
    if suit == 1:
        rays = "".join(
            '<path d="M0 -25 L2.6 -19.5 L-2.6 -19.5 Z" fill="#c0221b" transform="rotate(%d)"/>' % a
            for a in range(0, 360, 30))
        return place(rays, 29, 49.5) + symbol(1, 29, 49.5, 36)
    if suit == 2:
        return ring + symbol(2, 29, 50, 52)
    if suit == 3:
        return ring + symbol(3, 29, 50, 66, 12)
    return ring + symbol(4, 29, 50, 66)


# ---------------------------------------------------------------- court figures

def head(x, y, r=5.2, beard=False):
    s = '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="0.6"/>' % (
        fmt(x), fmt(y), fmt(r), SKIN, OUTLINE)
    s += ('<circle cx="%s" cy="%s" r="0.65" fill="%s"/><circle cx="%s" cy="%s" r="0.65" fill="%s"/>'
          % (fmt(x - 1.9), fmt(y - 0.6), OUTLINE, fmt(x + 1.9), fmt(y - 0.6), OUTLINE))
    if beard:
        s += ('<path d="M%s %s Q%s %s %s %s Q%s %s %s %s Q%s %s %s %s Z" fill="#e8e4dc" '
              'stroke="#8a8478" stroke-width="0.5"/>' % (
                  fmt(x - r), fmt(y + 0.5), fmt(x - r + 0.5), fmt(y + 7), fmt(x), fmt(y + 11),
                  fmt(x + r - 0.5), fmt(y + 7), fmt(x + r), fmt(y + 0.5),
                  fmt(x), fmt(y + 3.5), fmt(x - r), fmt(y + 0.5)))
    else:
        s += '<path d="M%s %s q1.3 1 2.6 0" fill="none" stroke="#9a3a2a" stroke-width="0.6"/>' % (
            fmt(x - 1.3), fmt(y + 2.2))
    return s


def fante(suit):
    c = SUITS[suit]
    held = (symbol(suit, 45, 23, 14) if suit in (1, 2) else symbol(suit, 45, 22, 24, 10))
    return (
        '<ellipse cx="29" cy="87" rx="15" ry="2.4" fill="#00000022"/>'
        # legs in hose, shoes
        '<rect x="23.5" y="58" width="4.5" height="26" fill="%(second)s" stroke="%(o)s" stroke-width="0.6"/>'
        '<rect x="30" y="58" width="4.5" height="26" fill="%(second)s" stroke="%(o)s" stroke-width="0.6"/>'
        '<ellipse cx="25" cy="85" rx="3.8" ry="1.9" fill="#3a2a1a"/>'
        '<ellipse cx="33" cy="85" rx="3.8" ry="1.9" fill="#3a2a1a"/>'
        # lowered arm
        '<path d="M17 35 L21 36 L18.5 54 L14.5 53 Z" fill="%(main)s" stroke="%(o)s" stroke-width="0.6"/>'
        '<circle cx="16.5" cy="55" r="2" fill="%(skin)s" stroke="%(o)s" stroke-width="0.5"/>'
        # short tunic with belt
        '<path d="M20 33 L38 33 L41.5 61 L16.5 61 Z" fill="%(main)s" stroke="%(o)s" stroke-width="0.7"/>'
        '<path d="M17 57.5 L41 57.5" stroke="%(second)s" stroke-width="1.6"/>'
        '<rect x="19.3" y="45" width="19.4" height="2.6" fill="%(second)s" stroke="%(o)s" stroke-width="0.4"/>'
        '<path d="M29 33 L29 45" stroke="%(second)s" stroke-width="1"/>'
        # raised arm holding the suit symbol
        '<path d="M36 34 L40 33 L44 27 L41 25.5 Z" fill="%(main)s" stroke="%(o)s" stroke-width="0.6"/>'
        '<rect x="27.5" y="28.5" width="3" height="5" fill="%(skin)s"/>'
        '%(head)s'
        # hair and a flat cap with a feather
        '<path d="M23.8 24 Q24 17.8 29 17.8 Q34 17.8 34.2 24 Q32 21 29 21 Q26 21 23.8 24 Z" fill="#6a3c18"/>'
        '<path d="M33 18 Q38 10 43 9 Q39 13 35 19 Z" fill="#ffffff" stroke="%(o)s" stroke-width="0.5"/>'
        '<ellipse cx="29" cy="18.6" rx="7.6" ry="2.6" fill="%(second)s" stroke="%(o)s" stroke-width="0.6"/>'
        '%(held)s'
        '<circle cx="42.3" cy="26.8" r="1.9" fill="%(skin)s" stroke="%(o)s" stroke-width="0.5"/>'
    ) % dict(c, o=OUTLINE, skin=SKIN, head=head(29, 24), held=held)


def re_(suit):
    c = SUITS[suit]
    held = (symbol(suit, 45, 45, 15) if suit in (1, 2) else symbol(suit, 45, 42, 26, 8))
    ermine = "".join('<path d="M29 %s l-0.7 1.6 h1.4 Z" fill="#222"/>' % fmt(y)
                     for y in range(42, 84, 6))
    return (
        '<ellipse cx="29" cy="87" rx="17" ry="2.4" fill="#00000022"/>'
        # long robe to the floor
        '<path d="M20 33 L38 33 L46 86 L12 86 Z" fill="%(main)s" stroke="%(o)s" stroke-width="0.7"/>'
        '<path d="M12.6 82.5 L45.4 82.5" stroke="%(second)s" stroke-width="2.2"/>'
        '<rect x="26.4" y="36" width="5.2" height="50" fill="#fbfaf5" stroke="%(o)s" stroke-width="0.4"/>'
        '%(ermine)s'
        # sceptre in the other hand
        '<path d="M15.5 20 L18.5 66" stroke="#b88a10" stroke-width="1.5"/>'
        '<circle cx="15.3" cy="18.5" r="2.3" fill="#f0c020" stroke="#8a6400" stroke-width="0.5"/>'
        '<path d="M21 35 L14 44 L17 47 L23 40 Z" fill="%(second)s" stroke="%(o)s" stroke-width="0.6"/>'
        '<circle cx="16.6" cy="45.6" r="2.1" fill="%(skin)s" stroke="%(o)s" stroke-width="0.5"/>'
        # mantle collar
        '<path d="M17.5 32 Q29 28 40.5 32 L41.5 39.5 Q29 35.5 16.5 39.5 Z" fill="%(second)s" '
        'stroke="%(o)s" stroke-width="0.6"/>'
        '<path d="M37 35 L43 43 L40 46 L35 40 Z" fill="%(second)s" stroke="%(o)s" stroke-width="0.6"/>'
        '%(head)s'
        # crown
        '<path d="M22.5 20 L22 11 L25.6 15 L29 8.6 L32.4 15 L36 11 L35.5 20 Z" fill="#f0c020" '
        'stroke="#7a5400" stroke-width="0.7"/>'
        '<circle cx="29" cy="17" r="1.2" fill="#c0221b"/><circle cx="25" cy="17.5" r="0.9" fill="#2450a8"/>'
        '<circle cx="33" cy="17.5" r="0.9" fill="#2f8a3a"/>'
        '%(held)s'
        '<circle cx="41.8" cy="44.8" r="2" fill="%(skin)s" stroke="%(o)s" stroke-width="0.5"/>'
    ) % dict(c, o=OUTLINE, skin=SKIN, head=head(29, 25, 5.4, beard=True), held=held,
             ermine=ermine)


def cavallo(suit):
    c = SUITS[suit]
    horse, dark = "#ece4d4", "#6a4a2a"
    held = (symbol(suit, 44, 24, 13) if suit in (1, 2) else symbol(suit, 43, 22, 24, 18))
    legs = "".join(
        '<path d="M%s 69 L%s 85 L%s 85 L%s 69 Z" fill="%s" stroke="%s" stroke-width="0.6"/>'
        '<rect x="%s" y="84.6" width="3.4" height="2.2" fill="#3a2a1a"/>' % (
            fmt(x), fmt(x + dx), fmt(x + dx + 3), fmt(x + 3), horse, OUTLINE, fmt(x + dx - 0.2))
        for x, dx in ((11.5, -1.5), (16.5, 1), (34, -1), (39, 2)))
    return (
        '<ellipse cx="28" cy="87.5" rx="19" ry="2.2" fill="#00000022"/>'
        # tail, legs, body
        '<path d="M11 60 Q4 66 6.5 78 Q9.5 70 12.5 64 Z" fill="%(dark)s"/>'
        '%(legs)s'
        '<ellipse cx="26.5" cy="64" rx="16.5" ry="8.4" fill="%(horse)s" stroke="%(o)s" stroke-width="0.7"/>'
        # neck and head, facing right
        '<path d="M34.5 60 L40 45.5 L46 44.5 L44.5 63 Z" fill="%(horse)s" stroke="%(o)s" stroke-width="0.7"/>'
        '<path d="M40 45 L43.5 41.5 L46 43 L53.5 51.5 L51 55 L45 51 Z" fill="%(horse)s" '
        'stroke="%(o)s" stroke-width="0.7"/>'
        '<path d="M42.5 42.5 L43 38.5 L45.3 42.6 Z" fill="%(horse)s" stroke="%(o)s" stroke-width="0.5"/>'
        '<path d="M40.5 44.8 L34.8 59 L37.5 59 L42 46 Z" fill="%(dark)s"/>'
        '<circle cx="45.6" cy="46.3" r="0.8" fill="%(o)s"/>'
        '<path d="M52 53 L40.5 50.5" stroke="#5a3a1a" stroke-width="0.6"/>'
        # saddle cloth
        '<path d="M18 56.5 L36 56.5 L35 72 L19 72 Z" fill="%(second)s" stroke="%(o)s" stroke-width="0.6"/>'
        '<path d="M19 70 L35 70" stroke="%(main)s" stroke-width="1.5"/>'
        # rider: body, leg, arm raised with the suit symbol
        '<path d="M22 37 L32.5 37 L34 57 L20.5 57 Z" fill="%(main)s" stroke="%(o)s" stroke-width="0.7"/>'
        '<path d="M24 54 L29 54 L29.5 70 L25.5 70 Z" fill="%(main)s" stroke="%(o)s" stroke-width="0.6"/>'
        '<path d="M25 69 L30.5 69 L31.5 73.5 L25 73.5 Z" fill="#3a2a1a"/>'
        '<path d="M31 39 L34 37 L41 28 L38.5 26.5 Z" fill="%(main)s" stroke="%(o)s" stroke-width="0.6"/>'
        '<rect x="25.8" y="33" width="3" height="4.5" fill="%(skin)s"/>'
        '%(head)s'
        # plumed helmet
        '<path d="M22.5 29.5 Q22.5 22.5 27.3 22.3 Q32.1 22.5 32.1 29.5 Z" fill="%(second)s" '
        'stroke="%(o)s" stroke-width="0.6"/>'
        '<path d="M27 22.5 Q24 15 17.5 16 Q22 18.5 25 23 Z" fill="%(main)s" stroke="%(o)s" '
        'stroke-width="0.5"/>'
        '%(held)s'
        '<circle cx="40" cy="27" r="1.8" fill="%(skin)s" stroke="%(o)s" stroke-width="0.5"/>'
    ) % dict(c, o=OUTLINE, skin=SKIN, horse=horse, dark=dark, legs=legs,
             head=head(27.3, 29, 4.6), held=held)


# ---------------------------------------------------------------- cards

def index_mark(suit, value):
    c = SUITS[suit]
    text = str(value)
    wide = len(text) > 1
    mark = ('<text x="5.6" y="10" font-family="%s" font-size="%s" font-weight="bold" '
            'text-anchor="middle" fill="%s"%s>%s</text>' % (
                FONT, "8.6" if wide else "9.8", c["ink"],
                ' letter-spacing="-0.7" font-stretch="condensed"' if wide else "", text))
    small = symbol(suit, 5.6, 16.2, 8.5 if suit in (1, 2) else 10, detail=False)
    return mark + small


def card_svg(n, width, height):
    if n == 0:
        body = back()
    else:
        suit, value = (n - 1) // 10 + 1, (n - 1) % 10 + 1
        c = SUITS[suit]
        if value == 1:
            art = ace(suit)
        elif value <= 7:
            art = pips(suit, value)
        else:
            art = ('<rect x="3" y="3" width="52" height="93" rx="2" fill="%s"/>' % c["tint"]
                   + {8: fante, 9: cavallo, 10: re_}[value](suit))
        idx = index_mark(suit, value)
        body = ('<rect x="0.5" y="0.5" width="57" height="98" rx="3" fill="#ffffff" '
                'stroke="#303030" stroke-width="1"/>' + art + idx
                + '<g transform="rotate(180 29 49.5)">' + idx + '</g>')
    return svg(58, 99, width, height, '<rect width="58" height="99" fill="#ffffff"/>' + body)


def lattice(x0, y0, x1, y1, step, colour, width):
    lines = []
    span = (x1 - x0) + (y1 - y0)
    k = -span
    while k <= span:
        lines.append('<line x1="%s" y1="%s" x2="%s" y2="%s"/>' % (
            fmt(x0 + k), fmt(y0), fmt(x0 + k + (y1 - y0)), fmt(y1)))
        lines.append('<line x1="%s" y1="%s" x2="%s" y2="%s"/>' % (
            fmt(x0 + k), fmt(y1), fmt(x0 + k + (y1 - y0)), fmt(y0)))
        k += step
    return '<g stroke="%s" stroke-width="%s">%s</g>' % (colour, fmt(width), "".join(lines))


def back_art(x, y, w, h, detail=True):
    """The card back in any box: dark grey lattice, light oval emblem."""
    clip = "bk%d%d%d%d" % (x, y, w, h)
    cx, cy = x + w / 2, y + h / 2
    s = ('<defs><clipPath id="%s"><rect x="%s" y="%s" width="%s" height="%s"/></clipPath></defs>'
         % (clip, fmt(x + w * 0.07), fmt(y + h * 0.05), fmt(w * 0.86), fmt(h * 0.9)))
    s += '<rect x="%s" y="%s" width="%s" height="%s" fill="#3c3c3e"/>' % (
        fmt(x + w * 0.07), fmt(y + h * 0.05), fmt(w * 0.86), fmt(h * 0.9))
    s += '<g clip-path="url(#%s)">%s</g>' % (
        clip, lattice(x, y, x + w, y + h, w / 6.5, "#77777a", w / 48))
    s += ('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ece8dc" stroke="#a8a8a8" stroke-width="%s"/>'
          % (fmt(cx), fmt(cy), fmt(w * 0.27), fmt(h * 0.2), fmt(w / 40)))
    if detail:
        s += ('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="#58585c" stroke-width="%s"/>'
              % (fmt(cx), fmt(cy), fmt(w * 0.2), fmt(h * 0.155), fmt(w / 70)))
        # a drawn V for the game's name
        s += place('<path d="M-5 -6 L-2 -6 L0 1.5 L2 -6 L5 -6 L1 6 L-1 6 Z" fill="#4a4a50"/>',
                   cx, cy, w / 58)
    return s


def back():
    return ('<rect x="0.5" y="0.5" width="57" height="98" rx="3" fill="#f4f4f4" stroke="#303030" '
            'stroke-width="1"/>' + back_art(0, 0, 58, 99))


def svg(vw, vh, width, height, body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %s %s">%s</svg>'
            % (width, height, fmt(vw), fmt(vh), body))


# ---------------------------------------------------------------- icons

def mini_face(x, y, w, h, suit, angle):
    art = symbol(suit, x + w / 2, y + h / 2, h * 0.8 if suit in (3, 4) else h * 0.55)
    return ('<g transform="rotate(%s %s %s)"><rect x="%s" y="%s" width="%s" height="%s" rx="%s" '
            'fill="#ffffff" stroke="#202020" stroke-width="%s"/>%s</g>' % (
                fmt(angle), fmt(x + w / 2), fmt(y + h / 2), fmt(x), fmt(y), fmt(w), fmt(h),
                fmt(w / 14), fmt(w / 18), art))


def mini_back(x, y, w, h, angle):
    return ('<g transform="rotate(%s %s %s)"><rect x="%s" y="%s" width="%s" height="%s" rx="%s" '
            'fill="#f0f0f0" stroke="#202020" stroke-width="%s"/>%s</g>' % (
                fmt(angle), fmt(x + w / 2), fmt(y + h / 2), fmt(x), fmt(y), fmt(w), fmt(h),
                fmt(w / 14), fmt(w / 18), back_art(x, y, w, h, detail=False)))


def two_cards(suit, figures=None):
    """Two cards on a 48-unit square, a face and a back, optionally a red year across."""
    top = 1.5 if figures else 5
    s = mini_back(20, top, 22, 35, 12) + mini_face(6, top, 22, 35, suit, -10)
    if figures:
        s += ('<text x="24" y="42.5" font-family="%s" font-size="15" font-weight="bold" '
              'font-stretch="condensed" text-anchor="middle" fill="#e01010" stroke="#ffffff" '
              'stroke-width="2.4" paint-order="stroke" letter-spacing="-0.6">%s</text>'
              % (FONT, figures))
    return s


def icon_new_match():
    return ('<rect width="22" height="21" fill="#c0c0c0"/>'
            '<path d="M5.5 2.5 L13.5 2.5 L17.5 6.5 L17.5 18.5 L5.5 18.5 Z" fill="#ffffff" '
            'stroke="#000000" stroke-width="1"/>'
            '<path d="M13.5 2.5 L13.5 6.5 L17.5 6.5" fill="#e0e0e0" stroke="#000000" stroke-width="1"/>'
            '<path d="M7.5 9.5 H15.5 M7.5 12 H15.5 M7.5 14.5 H13" stroke="#a0a0a0" stroke-width="0.8"/>')


def icon_tick():
    return ('<path d="M4 17 L9 12 L13.5 17 L26 4 L29 8.5 L13.5 27 Z" fill="#e01818" stroke="#7a0808" '
            'stroke-width="1.2" stroke-linejoin="round"/>')


def icon_eraser():
    return ('<g transform="rotate(-35 16 16)">'
            '<rect x="3" y="10" width="26" height="12" rx="1.5" fill="#f29aa8" stroke="#5a2030" stroke-width="1.1"/>'
            '<rect x="15" y="10" width="14" height="12" rx="1.5" fill="#3a6ad0" stroke="#16305a" stroke-width="1.1"/>'
            '<path d="M4 12 L14 12" stroke="#fbd0d8" stroke-width="1.2"/></g>'
            '<path d="M5 29 L27 29" stroke="#808080" stroke-width="1.2"/>')


def icon_door():
    return ('<rect x="6" y="3" width="17" height="27" fill="#2a2a30" stroke="#5a3a1a" stroke-width="1.4"/>'
            '<path d="M6.8 3.6 L9 3.6 L9 29.4 L6.8 29.4 Z" fill="#f4e27a"/>'
            '<path d="M22.5 3 L29 6 L29 31 L22.5 30 Z" fill="#a8682a" stroke="#4a2a0a" stroke-width="1"/>'
            '<circle cx="27.3" cy="18" r="1.1" fill="#f0c020"/>'
            '<path d="M9 30 L22 30 L15 22 Z" fill="#f4e27a" opacity="0.7"/>')


# ---------------------------------------------------------------- rasterising

def render(svg_text, svg_dir, name):
    if svg_dir:
        with open(os.path.join(svg_dir, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(svg_text)
    out = subprocess.run(["rsvg-convert", "-f", "png"], input=svg_text.encode("utf-8"),
                         stdout=subprocess.PIPE, check=True).stdout
    return Image.open(io.BytesIO(out)).convert("RGBA")


def to_palette(img, colours, transparent):
    """Quantises to at most `colours` entries; with `transparent`, one entry is see-through."""
    if not transparent:
        rgb = Image.new("RGB", img.size, (255, 255, 255))
        rgb.paste(img, mask=img.split()[3])
        return rgb.quantize(colours, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE), None
    # Soft edges are blended with a light grey, close to common button faces.
    base = Image.new("RGB", img.size, (224, 224, 224))
    base.paste(img, mask=img.split()[3])
    q = base.quantize(colours - 1, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    used = max(q.getdata()) + 1
    clear = used
    alpha = img.split()[3].getdata()
    pixels = [clear if a < 100 else p for p, a in zip(q.getdata(), alpha)]
    out = Image.new("P", img.size)
    out.putpalette(q.getpalette()[:3 * used] + [0, 0, 0])
    out.putdata(pixels)
    return out, clear


def save_png(img, path, colours, transparent=False):
    pal, clear = to_palette(img, colours, transparent)
    params = {"optimize": False}
    if clear is not None:
        params["transparency"] = clear
    # Pillow writes no time or text chunks unless asked, so reruns give the same bytes.
    pal.info = {}
    pal.save(path, "PNG", **params)
    return pal


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--svg-dir", help="also keep the SVG sources in this folder")
    args = ap.parse_args()
    for d in (CARDS, ICONS, os.path.join(ROOT, "docs"), args.svg_dir):
        if d:
            os.makedirs(d, exist_ok=True)

    card_images = []
    for n in range(41):
        for scale, suffix in ((1, ""), (2, "@2x")):
            name = "%02d%s" % (n, suffix)
            img = render(card_svg(n, 58 * scale, 99 * scale), args.svg_dir, "card-" + name)
            save_png(img, os.path.join(CARDS, name + ".png"), 256)
            if scale == 1:
                card_images.append(img)

    # name: (drawing, view size, pixel size, colours, transparent)
    icons = {
        "table-32": (two_cards(4, "2000"), 48, 32, 16, True),
        "table-48": (two_cards(4, "2000"), 48, 48, 256, True),
        "emblem-2002": (two_cards(1, "2002"), 48, 48, 256, False),
        "emblem-2000": (two_cards(1, "2000"), 48, 48, 256, False),
        "options-32": (two_cards(1), 48, 32, 16, True),
        "end-32": (two_cards(1, "2000"), 48, 32, 16, True),
        "end-48": (two_cards(1, "2000"), 48, 48, 256, True),
        "new-match": (icon_new_match(), (22, 21), (22, 21), 16, False),
        "tick": (icon_tick(), 32, 32, 256, True),
        "eraser": (icon_eraser(), 32, 32, 256, True),
        "door": (icon_door(), 32, 32, 256, True),
    }
    icon_images = []
    for name, (body, view, size, colours, transparent) in icons.items():
        vw, vh = view if isinstance(view, tuple) else (view, view)
        pw, ph = size if isinstance(size, tuple) else (size, size)
        if not transparent:
            body = '<rect width="%d" height="%d" fill="#ffffff"/>' % (vw, vh) + body
        for scale, suffix in ((1, ""), (2, "@2x")):
            img = render(svg(vw, vh, pw * scale, ph * scale, body), args.svg_dir,
                         "icon-" + name + suffix)
            path = os.path.join(ICONS, name + suffix + ".png")
            save_png(img, path, colours, transparent)
            if scale == 1:
                icon_images.append(Image.open(path).convert("RGBA"))

    picture = render(background_svg(), args.svg_dir, "Vorbia")
    rgb = Image.new("RGB", picture.size, (255, 255, 255))
    rgb.paste(picture, mask=picture.split()[3])
    rgb.save(os.path.join(ROOT, "assets", "Vorbia.bmp"), "BMP")

    contact_sheet(card_images, icon_images, rgb)
    write_qrc(list(icons))


def background_svg():
    """Four Re fanned on a green table, one of each suit, framed as a small picture."""
    cards = ""
    for i, n in enumerate((10, 20, 30, 40)):
        angle = -27 + i * 18
        inner = card_svg(n, 58, 99)
        inner = inner[inner.index(">") + 1:inner.rindex("</svg>")]
        cards += ('<g transform="rotate(%s 78.5 122) translate(49.5 24)">%s</g>'
                  % (fmt(angle), inner.replace('id="bk', 'id="bb%d' % i)))
    return svg(157, 154, 157, 154,
               '<rect width="157" height="154" fill="#1f6a36"/>'
               '<ellipse cx="78.5" cy="80" rx="74" ry="70" fill="#268040"/>'
               + lattice(0, 0, 157, 154, 9, "#2a7a42", 0.5)
               + cards
               + '<rect x="1.5" y="1.5" width="154" height="151" fill="none" stroke="#c8a040" '
                 'stroke-width="3"/>')


def contact_sheet(cards, icons, picture):
    gap, cw, ch = 6, 58, 99
    width = gap + 10 * (cw + gap)
    icons_w = sum(i.width + gap for i in icons)
    row5 = max(ch, picture.height)
    width = max(width, gap + cw + gap + picture.width + gap + icons_w)
    height = gap + 4 * (ch + gap) + row5 + gap
    sheet = Image.new("RGB", (width, height), (150, 150, 150))
    for n in range(1, 41):
        r, c = (n - 1) // 10, (n - 1) % 10
        sheet.paste(cards[n], (gap + c * (cw + gap), gap + r * (ch + gap)), cards[n])
    y = gap + 4 * (ch + gap)
    sheet.paste(cards[0], (gap, y), cards[0])
    x = gap + cw + gap
    sheet.paste(picture, (x, y))
    x += picture.width + gap
    for icon in icons:
        sheet.paste(icon, (x, y), icon)
        x += icon.width + gap
    sheet.save(os.path.join(ROOT, "docs", "contact-sheet.png"), "PNG")


def write_qrc(icon_names):
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/cards">']
    for n in range(41):
        for suffix in ("", "@2x"):
            lines.append('    <file alias="%02d%s.png">cards/%02d%s.png</file>' % (n, suffix, n, suffix))
    lines += ['</qresource>', '<qresource prefix="/icons">']
    for name in icon_names:
        for suffix in ("", "@2x"):
            lines.append('    <file alias="%s%s.png">icons/%s%s.png</file>'
                         % (name, suffix, name, suffix))
    lines += ['</qresource>', '</RCC>', '']
    with open(os.path.join(ROOT, "assets", "assets.qrc"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
