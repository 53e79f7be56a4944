#!/usr/bin/env python3
"""Writes the connector and cable pictures of the photo row as SVG files.

Run from anywhere: python3 resources/images/make_pictures.py
The output is committed, so building needs no Python; rerun this after a change
and commit both.

Every connector is drawn once, end face pointing left, on a horizontal axis at
y = 50 whose boot reaches the right edge with the same thickness the cables
have at their ends. The right-hand pictures are the same drawing mirrored, so
left picture | cable | right picture read as one jumper.
"""

from __future__ import annotations

import pathlib
from dataclasses import dataclass

HERE = pathlib.Path(__file__).resolve().parent
AXIS = 50.0
# Connectors are drawn a fifth taller than true proportion so their details
# read at 100 x 100; STRETCH is applied about the axis.
STRETCH = 1.2
BOOT_TAIL = 12.0  # boot thickness at the picture edge, before STRETCH
CABLE = 14.0  # simplex and duplex cable diameter, about the stretched boot


@dataclass(frozen=True)
class Tone:
    name: str
    light: str
    base: str
    dark: str
    edge: str


BLUE = Tone("blue", "#8ab8ff", "#2f6fd6", "#1d4c9e", "#143875")
BEIGE = Tone("beige", "#fbf1da", "#e0cba0", "#b59f72", "#877550")
GREEN = Tone("green", "#8fe0a4", "#2d9e50", "#1e7338", "#14532a")
DARK = Tone("dark", "#7a828c", "#3a3f46", "#202328", "#101215")
METAL = Tone("metal", "#ffffff", "#c8ced5", "#7d868f", "#59616a")
CERAMIC = Tone("ceramic", "#ffffff", "#f1f1ec", "#c9ccce", "#8f959b")
YELLOW = Tone("yellow", "#fff2a6", "#f4c90f", "#c79a00", "#8f6d00")
ORANGE = Tone("orange", "#ffc38a", "#f17a1c", "#c0560a", "#8a3a04")
BUFFER = Tone("buffer", "#ffffff", "#f2f3f4", "#c6cacf", "#9aa1a8")
GLASS = Tone("glass", "#f4fdff", "#bfe9f5", "#79c2d8", "#4f9bb3")
UNIT_BLUE = Tone("unitblue", "#9cc9ff", "#2b74d8", "#1a4f9f", "#123a76")
UNIT_GREEN = Tone("unitgreen", "#9fe3b0", "#2f9a4e", "#1f6e37", "#15502a")

ARAMID = ("#e9cf78", "#d2b04f", "#f3e2a4")


class Picture:
    """One SVG document; gradients are added on first use."""

    def __init__(self, width: int, height: int, stretch: float = 1.0) -> None:
        self.width = width
        self.height = height
        self.stretch = stretch
        self.defs: dict[str, str] = {}
        self.body: list[str] = []

    def add(self, *elements: str) -> None:
        self.body.extend(elements)

    def flat(self, tone: Tone) -> str:
        """Moulded plastic: a bevelled box lit from above."""
        gid = f"flat-{tone.name}"
        self.defs.setdefault(gid, _gradient(gid, [
            (0.00, tone.light), (0.14, tone.base), (0.62, tone.base),
            (0.90, tone.dark), (1.00, tone.edge)]))
        return f"url(#{gid})"

    def round(self, tone: Tone) -> str:
        """A cylinder lit from above: highlight a third of the way down."""
        gid = f"round-{tone.name}"
        self.defs.setdefault(gid, _gradient(gid, [
            (0.00, tone.dark), (0.28, tone.light), (0.45, tone.base),
            (0.82, tone.dark), (1.00, tone.edge)]))
        return f"url(#{gid})"

    def svg(self, mirrored: bool = False) -> str:
        content = "\n".join(self.body)
        if self.stretch != 1.0:
            shift = AXIS * (1 - self.stretch)
            content = (f'<g transform="matrix(1 0 0 {self.stretch:g} 0 {shift:g})">\n'
                       f"{content}\n</g>")
        if mirrored:
            content = (f'<g transform="matrix(-1 0 0 1 {self.width} 0)">\n'
                       f"{content}\n</g>")
        defs = "\n".join(self.defs[k] for k in sorted(self.defs))
        return (
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            "<!-- Written by make_pictures.py: change the script, not this file. -->\n"
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
            f'baseProfile="tiny" width="{self.width}" height="{self.height}" '
            f'viewBox="0 0 {self.width} {self.height}">\n'
            f"<defs>\n{defs}\n</defs>\n"
            f'<rect width="{self.width}" height="{self.height}" fill="url(#backdrop)"/>\n'
            f"{content}\n</svg>\n")


def _gradient(gid: str, stops: list[tuple[float, str]]) -> str:
    inner = "".join(f'<stop offset="{o:g}" stop-color="{c}"/>' for o, c in stops)
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
            f"{inner}</linearGradient>")


def _n(v: float) -> str:
    return f"{v:.2f}".rstrip("0").rstrip(".")


def _pts(points: list[tuple[float, float]]) -> str:
    return " ".join(f"{_n(x)},{_n(y)}" for x, y in points)


def new_picture(width: int, height: int, stretch: float = 1.0) -> Picture:
    pic = Picture(width, height, stretch)
    # The same soft backdrop everywhere so neighbouring slots match.
    pic.defs["backdrop"] = _gradient("backdrop", [(0, "#ffffff"), (1, "#e9edf2")])
    return pic


# Parts ---------------------------------------------------------------------


def box(pic: Picture, x0: float, x1: float, h: float, tone: Tone,
        r: float = 1.6, fill: str | None = None, cy: float = AXIS) -> None:
    pic.add(f'<rect x="{_n(x0)}" y="{_n(cy - h / 2)}" width="{_n(x1 - x0)}" '
            f'height="{_n(h)}" rx="{_n(r)}" fill="{fill or pic.flat(tone)}" '
            f'stroke="{tone.edge}" stroke-width="0.8"/>')


def sheen(pic: Picture, x0: float, x1: float, y: float, opacity: float = 0.55) -> None:
    """A thin highlight along a top edge: reads as a crisp moulded corner."""
    pic.add(f'<line x1="{_n(x0)}" y1="{_n(y)}" x2="{_n(x1)}" y2="{_n(y)}" '
            f'stroke="#ffffff" stroke-opacity="{opacity:g}" stroke-width="0.8"/>')


def grooves(pic: Picture, x0: float, x1: float, step: float, y0: float, y1: float,
            opacity: float = 0.35) -> None:
    """Grip ribs or knurling: a dark groove with a lit edge beside it."""
    x = x0
    while x <= x1 + 1e-6:
        pic.add(f'<line x1="{_n(x)}" y1="{_n(y0)}" x2="{_n(x)}" y2="{_n(y1)}" '
                f'stroke="#000000" stroke-opacity="{opacity:g}" stroke-width="0.8"/>',
                f'<line x1="{_n(x + 0.8)}" y1="{_n(y0)}" x2="{_n(x + 0.8)}" '
                f'y2="{_n(y1)}" stroke="#ffffff" stroke-opacity="{opacity:g}" '
                f'stroke-width="0.6"/>')
        x += step


def ferrule(pic: Picture, tip: float, root: float, h: float, apc: bool) -> None:
    """Ceramic ferrule; an angled polish shows as a slanted end face."""
    top, bottom = AXIS - h / 2, AXIS + h / 2
    slant = h * 0.45 if apc else 0.0
    chamfer = 1.0
    outline = [(root, top), (tip + slant + chamfer, top), (tip + slant, top + chamfer),
               (tip, bottom - chamfer), (tip + chamfer, bottom), (root, bottom)]
    pic.add(f'<polygon points="{_pts(outline)}" fill="{pic.round(CERAMIC)}" '
            f'stroke="{CERAMIC.edge}" stroke-width="0.6" stroke-linejoin="round"/>')
    # the polished face catches the light
    pic.add(f'<line x1="{_n(tip + slant + 0.6)}" y1="{_n(top + 1.2)}" '
            f'x2="{_n(tip + 0.6)}" y2="{_n(bottom - 1.2)}" stroke="#ffffff" '
            f'stroke-width="0.9"/>')


def boot(pic: Picture, x0: float, h0: float, tone: Tone, ribs_from: float) -> None:
    """Tapered strain-relief boot running out to the right edge."""
    x1, h1 = 100.0, BOOT_TAIL
    neck = x0 + (x1 - x0) * 0.35
    top0, top1 = AXIS - h0 / 2, AXIS - h1 / 2
    d = (f"M{_n(x0)},{_n(top0)} "
         f"C{_n(neck)},{_n(top0)} {_n(neck)},{_n(top1)} {_n(x1 + 1)},{_n(top1)} "
         f"L{_n(x1 + 1)},{_n(AXIS + h1 / 2)} "
         f"C{_n(neck)},{_n(AXIS + h1 / 2)} {_n(neck)},{_n(AXIS + h0 / 2)} "
         f"{_n(x0)},{_n(AXIS + h0 / 2)} Z")
    pic.add(f'<path d="{d}" fill="{pic.round(tone)}" stroke="{tone.edge}" '
            f'stroke-width="0.8"/>')
    x = ribs_from
    while x < x1 - 3:
        half = h1 / 2 - 0.4
        pic.add(f'<line x1="{_n(x)}" y1="{_n(AXIS - half)}" x2="{_n(x)}" '
                f'y2="{_n(AXIS + half)}" stroke="#000000" stroke-opacity="0.28" '
                f'stroke-width="1"/>')
        x += 4.5


def latch(pic: Picture, x_front: float, x_back: float, y_root: float, rise: float,
          tone: Tone) -> None:
    """Latch lever: fixed at the front, sloping up towards the back."""
    t = 3.2
    pts = [(x_front, y_root), (x_front + 5, y_root), (x_back, y_root - rise + t),
           (x_back, y_root - rise), (x_back - 4, y_root - rise),
           (x_front + 1, y_root - 2.2)]
    pic.add(f'<polygon points="{_pts(pts)}" fill="{pic.flat(tone)}" '
            f'stroke="{tone.edge}" stroke-width="0.8" stroke-linejoin="round"/>')
    # thumb ridges at the free end
    for i in range(3):
        x = x_back - 1.2 - i * 1.6
        pic.add(f'<line x1="{_n(x)}" y1="{_n(y_root - rise + 0.5)}" x2="{_n(x)}" '
                f'y2="{_n(y_root - rise + t - 0.3)}" stroke="{tone.edge}" '
                f'stroke-width="0.6"/>')


# Connector families (end face left) --------------------------------------


def sc(tone: Tone, apc: bool) -> Picture:
    pic = new_picture(100, 100, STRETCH)
    boot(pic, 60, 24, tone, ribs_from=74)
    ferrule(pic, 4, 20, 9, apc)
    box(pic, 15, 32, 26, tone)  # inner plug frame
    sheen(pic, 16, 31, AXIS - 12.4)
    box(pic, 27, 64, 36, tone, r=2.2)  # push-pull grip
    sheen(pic, 28.5, 62.5, AXIS - 17.3)
    # side window where the adapter's latches bite; the inner frame shows through
    pic.add(f'<rect x="30" y="{_n(AXIS - 6.5)}" width="11" height="13" rx="1" '
            f'fill="{pic.flat(tone)}" stroke="{tone.edge}" stroke-width="0.8"/>',
            f'<rect x="30.4" y="{_n(AXIS - 6.1)}" width="10.2" height="2.2" '
            f'fill="#000000" fill-opacity="0.25"/>')
    grooves(pic, 47, 60.5, 2.7, AXIS - 16, AXIS + 16)
    return pic


def lc(tone: Tone, apc: bool) -> Picture:
    pic = new_picture(100, 100, STRETCH)
    boot(pic, 50, 18, tone, ribs_from=68)
    ferrule(pic, 5, 20, 6, apc)
    box(pic, 40, 53, 14, tone, r=1.2)  # rear body
    box(pic, 16, 44, 18, tone, r=1.4)
    sheen(pic, 17, 43, AXIS - 8.4)
    latch(pic, 18, 46, AXIS - 9, 10, tone)
    grooves(pic, 34, 41, 2.3, AXIS - 7, AXIS + 7, opacity=0.25)
    return pic


def e2000(tone: Tone, apc: bool) -> Picture:
    pic = new_picture(100, 100, STRETCH)
    boot(pic, 56, 24, tone, ribs_from=72)
    box(pic, 7, 33, 30, tone)  # front body that carries the shutter
    box(pic, 29, 58, 36, tone, r=2.2)  # push-pull sleeve
    sheen(pic, 30.5, 56.5, AXIS - 17.3)
    grooves(pic, 44, 55, 2.7, AXIS - 16, AXIS + 16)
    # spring shutter closed over the ferrule: a plate hinged at the bottom
    shutter = [(4.5, AXIS - 13), (9, AXIS - 13.5), (9, AXIS + 13.5), (6, AXIS + 13)]
    pic.add(f'<polygon points="{_pts(shutter)}" fill="{pic.flat(METAL)}" '
            f'stroke="{METAL.edge}" stroke-width="0.7" stroke-linejoin="round"/>',
            f'<circle cx="8.5" cy="{_n(AXIS + 11)}" r="1.7" fill="{pic.round(METAL)}" '
            f'stroke="{METAL.edge}" stroke-width="0.5"/>')
    pic.add(f'<line x1="13" y1="{_n(AXIS - 14)}" x2="13" y2="{_n(AXIS + 14)}" '
            f'stroke="{tone.edge}" stroke-width="0.7" stroke-opacity="0.7"/>')
    latch(pic, 12, 40, AXIS - 15, 9, tone)
    return pic


def metal_front(pic: Picture, apc: bool, tip: float, barrel: tuple[float, float]) -> None:
    ferrule(pic, tip, barrel[0] + 2, 9, apc)
    box(pic, barrel[0], barrel[1], 16, METAL, r=1, fill=pic.round(METAL))


def fc(boot_tone: Tone, apc: bool) -> Picture:
    pic = new_picture(100, 100, STRETCH)
    boot(pic, 56, 20, boot_tone, ribs_from=70)
    box(pic, 44, 59, 18, METAL, r=1, fill=pic.round(METAL))  # crimp body
    metal_front(pic, apc, 4, (13, 21))
    # key on the ferrule holder
    pic.add(f'<rect x="14.5" y="{_n(AXIS - 10)}" width="4.5" height="2.4" '
            f'fill="{pic.flat(METAL)}" stroke="{METAL.edge}" stroke-width="0.6"/>')
    box(pic, 19, 46, 34, METAL, r=1.2, fill=pic.round(METAL))  # threaded coupling nut
    grooves(pic, 21.2, 43.6, 1.6, AXIS - 16.4, AXIS + 16.4, opacity=0.3)
    for x in (19.4, 44.2):  # chamfered nut ends
        pic.add(f'<rect x="{_n(x)}" y="{_n(AXIS - 16.6)}" width="2.4" height="33.2" '
                f'fill="#000000" fill-opacity="0.12"/>')
    return pic


def st(boot_tone: Tone, apc: bool = False) -> Picture:
    pic = new_picture(100, 100, STRETCH)
    boot(pic, 56, 20, boot_tone, ribs_from=70)
    box(pic, 46, 59, 18, METAL, r=1, fill=pic.round(METAL))  # crimp body
    metal_front(pic, apc, 3, (12, 24))
    box(pic, 22, 48, 32, METAL, r=4.5, fill=pic.round(METAL))  # bayonet ring
    grooves(pic, 40.5, 45.5, 1.4, AXIS - 14.5, AXIS + 14.5, opacity=0.3)
    # the J-shaped bayonet slot is what tells ST from FC at a glance
    slot = (f"M22.6,{_n(AXIS - 9)} H28.5 Q31.5,{_n(AXIS - 9)} 33.4,{_n(AXIS - 5.5)} "
            f"L35.8,{_n(AXIS - 1)} L34,{_n(AXIS + 1.8)}")
    pic.add(f'<path d="{slot}" fill="none" stroke="#ffffff" stroke-opacity="0.8" '
            f'stroke-width="3.4" stroke-linecap="round" stroke-linejoin="round" '
            f'transform="translate(0.5 0.9)"/>',
            f'<path d="{slot}" fill="none" stroke="#3d444b" stroke-width="2.8" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')
    return pic


# Cables --------------------------------------------------------------------
# Cables run unbroken from edge to edge so they join both connectors; a window
# cut into the jacket shows what is inside.


def jacket(pic: Picture, x0: float, x1: float, d: float, tone: Tone, cy: float,
           cut_right: bool = False) -> None:
    """A length of round jacket; a cut end shows its wall."""
    pic.add(f'<rect x="{_n(x0)}" y="{_n(cy - d / 2)}" width="{_n(x1 - x0)}" '
            f'height="{_n(d)}" fill="{pic.round(tone)}"/>',
            f'<path d="M{_n(x0)},{_n(cy - d / 2)} H{_n(x1)} M{_n(x0)},{_n(cy + d / 2)} '
            f'H{_n(x1)}" stroke="{tone.edge}" stroke-width="0.7"/>')
    if cut_right:
        cut_face(pic, x1, cy, d, tone)


def cut_face(pic: Picture, x: float, cy: float, d: float, tone: Tone) -> None:
    pic.add(f'<ellipse cx="{_n(x)}" cy="{_n(cy)}" rx="1.7" ry="{_n(d / 2)}" '
            f'fill="{tone.dark}" stroke="{tone.edge}" stroke-width="0.6"/>',
            f'<ellipse cx="{_n(x + 0.2)}" cy="{_n(cy)}" rx="1" ry="{_n(d / 2 - 1.8)}" '
            f'fill="{ARAMID[1]}"/>')


def aramid(pic: Picture, x0: float, x1: float, cy: float, spread: float,
           strands: int = 6) -> None:
    """Strength yarn: loose golden strands along the fibre."""
    for i in range(strands):
        y = cy + spread * (2 * i / (strands - 1) - 1)
        wob = 0.8 if i % 2 else -0.8
        colour = ARAMID[i % len(ARAMID)]
        pic.add(f'<path d="M{_n(x0)},{_n(y)} Q{_n((x0 + x1) / 2)},{_n(y + wob)} '
                f'{_n(x1)},{_n(y - wob * 0.4)}" fill="none" stroke="{colour}" '
                f'stroke-width="1" stroke-linecap="round"/>')


def tube(pic: Picture, x0: float, x1: float, d: float, tone: Tone, cy: float) -> None:
    pic.add(f'<rect x="{_n(x0)}" y="{_n(cy - d / 2)}" width="{_n(x1 - x0)}" '
            f'height="{_n(d)}" rx="{_n(min(d / 2, 1.2))}" fill="{pic.round(tone)}" '
            f'stroke="{tone.edge}" stroke-width="0.5"/>')


def glass(pic: Picture, x0: float, x1: float, cy: float, glow: bool = False) -> None:
    """Bare fibre; a lit end face on a pigtail shows where the light leaves."""
    tube(pic, x0, x1, 2.2, GLASS, cy)
    if glow:
        pic.defs.setdefault("light", '<radialGradient id="light" cx="0.5" cy="0.5" r="0.5">'
                            '<stop offset="0" stop-color="#ffffff"/>'
                            '<stop offset="0.35" stop-color="#6fdcff" stop-opacity="0.7"/>'
                            '<stop offset="1" stop-color="#6fdcff" stop-opacity="0"/>'
                            '</radialGradient>')
        pic.add(f'<circle cx="{_n(x1)}" cy="{_n(cy)}" r="5" fill="url(#light)"/>')


def window(pic: Picture, a: float, b: float, cy: float, d: float, tone: Tone,
           inside) -> None:
    """Jacket cut open from a to b, down to a thin lower wall."""
    wall = 2.0
    top, floor = cy - d / 2, cy + d / 2 - wall
    pic.add(f'<path d="M{_n(a)},{_n(top)} Q{_n(a - 2.2)},{_n(cy)} {_n(a + 1.5)},{_n(floor)} '
            f'H{_n(b - 1.5)} Q{_n(b + 2.2)},{_n(cy)} {_n(b)},{_n(top)} Z" '
            f'fill="{tone.dark}" stroke="{tone.edge}" stroke-width="0.6"/>')
    inside(a, b, cy, d - wall)
    # the lower wall's cut edge, lit from above
    pic.add(f'<line x1="{_n(a + 1.5)}" y1="{_n(floor + 0.4)}" x2="{_n(b - 1.5)}" '
            f'y2="{_n(floor + 0.4)}" stroke="{tone.light}" stroke-width="0.8"/>')


def tight_buffered(pic: Picture):
    """Window contents of a jumper cable: yarn round a buffer stripped to glass."""
    def inside(a: float, b: float, cy: float, room: float) -> None:
        mid = cy - 1.0
        aramid(pic, a, b, mid, room * 0.36)
        third = (b - a) / 3
        glass(pic, a + third - 1, b - third + 1, mid)
        tube(pic, a, a + third, 5.5, BUFFER, mid)
        tube(pic, b - third, b, 5.5, BUFFER, mid)
    return inside


def section(pic: Picture, cx: float, cy: float, r: float, tone: Tone) -> None:
    """Cross-section of one simplex cable: jacket, yarn, buffer, glass."""
    pic.add(f'<circle cx="{_n(cx)}" cy="{_n(cy)}" r="{_n(r)}" fill="{tone.base}" '
            f'stroke="{tone.edge}" stroke-width="0.7"/>',
            f'<circle cx="{_n(cx)}" cy="{_n(cy)}" r="{_n(r * 0.72)}" fill="{ARAMID[2]}" '
            f'stroke="{ARAMID[1]}" stroke-width="0.5"/>',
            f'<circle cx="{_n(cx)}" cy="{_n(cy)}" r="{_n(r * 0.38)}" fill="{BUFFER.base}" '
            f'stroke="{BUFFER.edge}" stroke-width="0.5"/>',
            f'<circle cx="{_n(cx)}" cy="{_n(cy)}" r="{_n(r * 0.14)}" fill="{GLASS.dark}"/>')


def cable_simplex() -> Picture:
    pic = new_picture(150, 100)
    jacket(pic, 0, 150, CABLE, YELLOW, AXIS)
    window(pic, 48, 102, AXIS, CABLE, YELLOW, tight_buffered(pic))
    section(pic, 75, 80, 9, YELLOW)
    return pic


DUPLEX_ROWS = (AXIS - CABLE / 2 - 0.4, AXIS + CABLE / 2 + 0.4)


def zip_web(pic: Picture, x0: float, x1: float, tone: Tone) -> None:
    """The thin web that joins the two halves of a zip-cord."""
    pic.add(f'<rect x="{_n(x0)}" y="{_n(AXIS - 2)}" width="{_n(x1 - x0)}" height="4" '
            f'fill="{tone.dark}"/>')


def cable_duplex() -> Picture:
    pic = new_picture(150, 100)
    zip_web(pic, 0, 150, ORANGE)
    for cy, (a, b) in zip(DUPLEX_ROWS, ((40, 94), (56, 110))):
        jacket(pic, 0, 150, CABLE, ORANGE, cy)
        window(pic, a, b, cy, CABLE, ORANGE, tight_buffered(pic))
    for dx in (-8.2, 8.2):
        section(pic, 75 + dx, 84, 8, ORANGE)
    return pic


def cable_fig0() -> Picture:
    """Outdoor figure-eight: one thick jacket moulded round two coloured units."""
    pic = new_picture(150, 100)
    d = 16.0
    lobes = (AXIS - 7.5, AXIS + 7.5)
    units = (UNIT_BLUE, UNIT_GREEN)
    pic.add(f'<rect x="0" y="{_n(lobes[0])}" width="150" height="15" fill="{ORANGE.base}"/>')
    for cy in lobes:
        jacket(pic, 0, 150, d, ORANGE, cy)
    pic.add(f'<line x1="0" y1="{_n(AXIS)}" x2="150" y2="{_n(AXIS)}" stroke="{ORANGE.edge}" '
            f'stroke-width="1" stroke-opacity="0.8"/>')

    def unit_inside(tone: Tone):
        def inside(a: float, b: float, cy: float, room: float) -> None:
            mid = cy - 1.0
            aramid(pic, a, b, mid, room * 0.38, strands=5)
            jacket(pic, a - 1, b + 1, room * 0.62, tone, mid)
        return inside

    for cy, unit, (a, b) in zip(lobes, units, ((38, 100), (52, 114))):
        window(pic, a, b, cy, d, ORANGE, unit_inside(unit))
    # figure-eight cross-section, one coloured unit in each lobe
    for dy in (-6, 6):
        pic.add(f'<circle cx="75" cy="{_n(84 + dy)}" r="7.5" fill="{ORANGE.base}" '
                f'stroke="{ORANGE.edge}" stroke-width="0.7"/>')
    pic.add(f'<rect x="69" y="80" width="12" height="8" fill="{ORANGE.base}"/>')
    for dy, unit in zip((-6, 6), units):
        pic.add(f'<circle cx="75" cy="{_n(84 + dy)}" r="4.6" fill="{unit.base}" '
                f'stroke="{unit.edge}" stroke-width="0.6"/>',
                f'<circle cx="75" cy="{_n(84 + dy)}" r="1.8" fill="{BUFFER.base}"/>')
    return pic


# Pigtail ends (right slot only, drawn facing right) ------------------------


def bare_end(pic: Picture, tone: Tone, cy: float, cut: float) -> None:
    """Cable stripped in steps: jacket, then yarn, buffer and bare glass."""
    mid = cy - 0.5
    aramid(pic, cut - 2, cut + 12, mid, CABLE * 0.36)
    tube(pic, cut - 2, cut + 30, 5.5, BUFFER, mid)
    glass(pic, cut + 29, cut + 54, mid, glow=True)
    jacket(pic, 0, cut, CABLE, tone, cy, cut_right=True)


def pigtail_simplex() -> Picture:
    pic = new_picture(100, 100)
    bare_end(pic, YELLOW, AXIS, 34)
    return pic


def pigtail_duplex() -> Picture:
    pic = new_picture(100, 100)
    # the halves are torn apart a little way before the cut, as when terminating
    zip_web(pic, 0, 22, ORANGE)
    for cy, cut in zip(DUPLEX_ROWS, (28, 36)):
        bare_end(pic, ORANGE, cy, cut)
    return pic


CONNECTORS = [
    ("SC", lambda: sc(BLUE, False)),
    ("SC multimode", lambda: sc(BEIGE, False)),
    ("SC-APC", lambda: sc(GREEN, True)),
    ("FC", lambda: fc(DARK, False)),
    ("FC", lambda: fc(DARK, False)),  # one picture for both fibres
    ("FC-APC", lambda: fc(GREEN, True)),
    ("LC", lambda: lc(BLUE, False)),
    ("LC multimode", lambda: lc(BEIGE, False)),
    ("LC-APC", lambda: lc(GREEN, True)),
    ("ST", lambda: st(DARK)),
    ("ST multimode", lambda: st(BEIGE)),
    ("E2000", lambda: e2000(BLUE, False)),
    ("E2000 multimode", lambda: e2000(BEIGE, False)),
    ("E2000-APC", lambda: e2000(GREEN, True)),
]


def write(path: pathlib.Path, text: str) -> None:
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text, encoding="utf-8")


def main() -> None:
    for index, (_, draw) in enumerate(CONNECTORS):
        pic = draw()
        write(HERE / "left" / f"{index:02d}.svg", pic.svg())
        write(HERE / "right" / f"{index:02d}.svg", pic.svg(mirrored=True))
    write(HERE / "right" / "14.svg", pigtail_simplex().svg())
    write(HERE / "right" / "15.svg", pigtail_duplex().svg())
    write(HERE / "cable_simplex.svg", cable_simplex().svg())
    write(HERE / "cable_duplex.svg", cable_duplex().svg())
    write(HERE / "cable_fig0.svg", cable_fig0().svg())


if __name__ == "__main__":
    main()
