"""A bold geometric lower-case alphabet, just the letters of the title, drawn in x-height units.

Every glyph sits on the baseline (y = 0) with the x-height at y = 1 and y pointing up; round letters
overshoot a little so they look as tall as the straight ones.
"""

import math

from raster import Polygon, Ring, Shifted, Union, rectangle, slanted_stroke

STROKE = 0.27
ASCENDER = 1.38
OVERSHOOT = 0.025
BOWL = 0.5 + OVERSHOOT


def _v():
    width, top_stroke, foot = 1.0, 0.31, 0.05
    middle = width / 2.0
    # The inner edges run parallel to the outer ones and meet on the centre line.
    along = (middle - top_stroke) / (middle - foot)
    return Polygon([
        (0.0, 1.0),
        (top_stroke, 1.0),
        (middle, 1.0 - along),
        (width - top_stroke, 1.0),
        (width, 1.0),
        (middle + foot, 0.0),
        (middle - foot, 0.0),
    ]), width


def _e():
    centre = (0.52, 0.5)
    bar = STROKE * 0.42
    # The bowl opens below the crossbar on the right, between these two angles.
    bowl = Union([
        Ring(centre, BOWL, BOWL - STROKE, -math.pi, -0.8),
        Ring(centre, BOWL, BOWL - STROKE, -0.2, math.pi),
    ])
    crossbar = rectangle(centre[0] - BOWL + 0.05, 0.5 - bar, centre[0] + BOWL, 0.5 + bar)
    return Union([bowl, crossbar]), 1.04


def _l():
    return rectangle(0.0, 0.0, STROKE, ASCENDER), STROKE


def _k():
    half = STROKE * 0.66
    tip = 0.8
    # The arm starts inside the stem: its two lower corners sit on the stem's centre line so
    # nothing pokes out on the far side of the stem.
    anchor_x, anchor_y = STROKE * 0.5, 0.52
    slope = (1.0 - anchor_y) / (tip - half - anchor_x)
    arm = Polygon([
        (anchor_x, anchor_y),
        (tip - half, 1.0),
        (tip + half, 1.0),
        (anchor_x, 1.0 - (tip + half - anchor_x) * slope),
    ])
    return Union([
        rectangle(0.0, 0.0, STROKE, ASCENDER),
        arm,
        slanted_stroke((0.88, 0.0), (0.42, 0.62), half),
    ]), 0.88 + half


def _a():
    return Union([
        Ring((0.5, 0.5), BOWL, BOWL - STROKE),
        rectangle(1.0 + OVERSHOOT - STROKE, 0.0, 1.0 + OVERSHOOT, 1.0),
    ]), 1.0 + OVERSHOOT


def _n():
    width = 0.9
    radius = width / 2.0
    centre_y = 1.0 + OVERSHOOT - radius
    return Union([
        rectangle(0.0, 0.0, STROKE, 1.0),
        Ring((radius, centre_y), radius, radius - STROKE, 0.0, math.pi),
        rectangle(width - STROKE, 0.0, width, centre_y),
    ]), width


GLYPHS = {"v": _v, "e": _e, "l": _l, "k": _k, "a": _a, "n": _n}


def word(text, spacing):
    """The glyphs of text laid side by side; returns the shape and its advance width."""
    parts, pen = [], 0.0
    for letter in text:
        shape, width = GLYPHS[letter]()
        parts.append(Shifted(shape, pen))
        pen += width + spacing
    return Union(parts), pen - spacing
