"""The launcher's background: a snowy mountain landscape under a cold sky, with the title across it."""

import math

from letters import ASCENDER, word
from raster import Placed, Polygon, Shifted, Union, clamp, coverage, fbm, mix, noise, smoothstep

WIDTH, HEIGHT = 400, 300

# The title band sits in the upper half; the window's buttons cover most of the lower half, so
# everything below the tree line is kept soft and even.
BAND_TOP, BAND_BOTTOM = 30, 100
BAND_LIGHT, BAND_DARK = (242, 246, 251), (222, 232, 245)
BAND_RULE = (150, 172, 206)
TITLE = "velkan"
TITLE_X_HEIGHT = 37
TITLE_SPACING = 0.24
TITLE_INK = (18, 30, 54)
TITLE_SHADOW = (150, 170, 205)

HORIZON = 186
SKY_STOPS = [(0, (40, 74, 132)), (70, (92, 132, 186)), (134, (168, 196, 228)), (HORIZON, (214, 228, 243))]
GLOW_CENTRE, GLOW_RADIUS = (96.0, 164.0), 150.0

# The four sample points of a pixel used for outlines that cross it.
SAMPLES = ((0.25, 0.25), (0.75, 0.25), (0.25, 0.75), (0.75, 0.75))


class Range:
    """A mountain range of peaks given as (apex x, apex y, left slope, right slope, ridge skew).

    Within a range the peaks listed later stand in front of the earlier ones.
    """

    def __init__(self, peaks, seed, roughness, lit, shade, rock, haze_start, haze_end):
        self.peaks, self.seed, self.roughness = peaks, seed, roughness
        self.lit, self.shade, self.rock = lit, shade, rock
        self.haze_start, self.haze_end = haze_start, haze_end
        self.top = min(p[1] for p in peaks) - roughness
        # Outline heights per peak at every half-pixel column, looked up by the samples.
        self.outline = [
            [self._surface(i, (column + 0.5) / 2.0) for i in range(len(peaks))] for column in range(2 * WIDTH)
        ]

    def _surface(self, index, x):
        apex_x, apex_y, left, right, _ = self.peaks[index]
        distance = abs(x - apex_x)
        slope = left if x < apex_x else right
        crags = (fbm(x * 0.05, index * 7.3, self.seed, 3) - 0.5) + (noise(x * 0.3, index, self.seed + 1) - 0.5) * 0.3
        # The apex stays sharp; the crags grow along the flanks.
        return apex_y + distance * slope + crags * self.roughness * min(1.0, distance / 14.0)

    def owner(self, column, y):
        """The peak seen at a sample point, or None where the range does not reach."""
        found = None
        for index, height in enumerate(self.outline[column]):
            if y >= height:
                found = index
        return found

    def colour(self, index, x, y, behind):
        apex_x, apex_y, _, _, skew = self.peaks[index]
        depth = y - apex_y
        ridge = apex_x + depth * skew + (noise(depth * 0.09, index, self.seed + 5) - 0.5) * 10.0
        lit = smoothstep(1.2, -1.2, x - ridge)
        colour = mix(self.shade, self.lit, lit * (1.0 - 0.25 * smoothstep(0.0, 70.0, depth)))
        # Bare rock shows in patches down the steep shaded faces; the sunlit ones stay snowed over.
        gully = fbm((x - apex_x + depth * 0.5) * 0.07, depth * 0.05, self.seed + 11, 3)
        exposed = smoothstep(0.56, 0.68, gully) * smoothstep(6.0, 20.0, depth)
        colour = mix(colour, self.rock, exposed * (0.6 - 0.5 * lit))
        return mix(colour, behind, smoothstep(self.haze_start, self.haze_end, y))


FAR = Range(
    [
        (20, 96, 0.6, 0.55, 0.25), (96, 84, 0.52, 0.66, -0.2), (160, 102, 0.6, 0.5, 0.3),
        (214, 78, 0.7, 0.58, 0.15), (318, 90, 0.62, 0.55, 0.2), (376, 100, 0.5, 0.6, -0.1),
    ],
    3, 9.0, (226, 234, 247), (164, 184, 217), (140, 160, 196), 117.0, 174.0,
)
NEAR = Range(
    [
        (-20, 124, 0.5, 0.62, 0.2), (70, 112, 0.72, 0.5, 0.35), (150, 138, 0.5, 0.8, -0.15),
        (262, 104, 0.62, 0.56, 0.3), (200, 142, 0.45, 0.5, 0.1), (356, 128, 0.7, 0.48, -0.3),
    ],
    17, 14.0, (246, 249, 253), (122, 152, 198), (70, 94, 136), 142.0, 188.0,
)
RANGES_NEAR_FIRST = (NEAR, FAR)
MOUNTAIN_TOP = int(min(FAR.top, NEAR.top))


def sky_colour(x, y):
    colour = SKY_STOPS[-1][1]
    for (y0, c0), (y1, c1) in zip(SKY_STOPS, SKY_STOPS[1:]):
        if y <= y1:
            colour = mix(c0, c1, (y - y0) / (y1 - y0))
            break
    wisps = fbm(x * 0.012, y * 0.07, 29, 4)
    colour = mix(colour, (236, 242, 250), smoothstep(0.52, 0.8, wisps) * 0.35 * smoothstep(10, 60, y))
    dx, dy = x - GLOW_CENTRE[0], (y - GLOW_CENTRE[1]) * 1.6
    glow = max(0.0, 1.0 - math.hypot(dx, dy) / GLOW_RADIUS)
    return mix(colour, (248, 250, 253), glow * glow * 0.55)


def mountains(x, y, behind):
    """The mountains over one pixel, mixed from its samples: each peak seen is coloured once."""
    weights = {}
    for sx, sy in SAMPLES:
        owner = None
        for mountain_range in RANGES_NEAR_FIRST:
            index = mountain_range.owner(2 * x + (sx > 0.5), y + sy)
            if index is not None:
                owner = (mountain_range, index)
                break
        weights[owner] = weights.get(owner, 0) + 0.25
    total = (0.0, 0.0, 0.0)
    for owner, weight in weights.items():
        colour = behind if owner is None else owner[0].colour(owner[1], x + 0.5, y + 0.5, behind)
        total = tuple(t + c * weight for t, c in zip(total, colour))
    return total


class Drift:
    """A snow drift whose crest runs across the picture; it hides everything behind and below its crest."""

    def __init__(self, crest, swell, seed, lit, shade):
        self.lit, self.shade = lit, shade
        self.crest = [
            crest + swell * (fbm((column + 0.5) * 0.004, 0.5, seed, 3) - 0.5) * 2.0 for column in range(2 * WIDTH)
        ]

    def cover(self, x, y):
        return sum(clamp(y + 1.0 - self.crest[2 * x + half]) for half in (0, 1)) * 0.5

    def colour(self, x, y):
        below = max(0.0, y + 0.5 - (self.crest[2 * x] + self.crest[2 * x + 1]) * 0.5)
        colour = mix(self.lit, self.shade, smoothstep(0.0, 46.0, below) * (0.8 + 0.2 * x / WIDTH))
        return mix(colour, (250, 252, 255), math.exp(-below / 2.5) * 0.5)


FOREST_LINE = 188
DRIFTS = [
    Drift(FOREST_LINE + 3, 5.0, 41, (236, 242, 250), (204, 218, 237)),
    Drift(220, 10.0, 43, (238, 244, 251), (190, 207, 232)),
    Drift(256, 9.0, 47, (226, 235, 248), (172, 192, 224)),
]
FOREST_COLOUR = (62, 86, 116)
PINE_COLOUR, PINE_SNOW, PINE_SHADE = (24, 44, 58), (226, 236, 248), (150, 172, 210)


def forest_top(x):
    """The outline of a distant band of fir trees: one small spike per tree, in patches."""
    top = FOREST_LINE + 4.0
    first = math.floor(x / 4.0) - 2
    for slot in range(first, first + 5):
        patch = smoothstep(0.42, 0.62, fbm(slot * 0.09, 3.5, 53, 2))
        if patch < 0.2:
            continue
        height = (6.0 + 8.0 * noise(slot * 0.77, 1.5, 59)) * patch
        centre = slot * 4.0 + 2.0 + (noise(slot * 0.61, 2.5, 61) - 0.5) * 3.0
        top = min(top, FOREST_LINE - height + abs(x - centre) * 2.4)
    return top


def pine(cx, base, height, width, seed):
    """A fir tree as one outline: a stack of drooping tiers on a short trunk."""
    tiers = 5 + (seed % 3)
    top = base - height
    trunk = base - height * 0.08
    right, left = [], []
    for tier in range(tiers):
        share = (tier + 1) / tiers
        y = top + (trunk - top) * share
        reach = width * 0.5 * (0.3 + 0.7 * share) * (0.9 + 0.2 * noise(tier * 1.7, seed, 67))
        right.append((cx + reach, y))
        left.append((cx - reach * (0.9 + 0.2 * noise(tier * 1.3, seed, 71)), y + 0.6))
        if tier < tiers - 1:
            notch = y - (trunk - top) / tiers * 0.35
            right.append((cx + reach * 0.42, notch))
            left.append((cx - reach * 0.42, notch))
    stem = width * 0.06 + 0.6
    outline = [(cx, top)] + right + [(cx + stem, trunk), (cx + stem, base), (cx - stem, base), (cx - stem, trunk)]
    return Polygon(outline + left[::-1])


# (x, foot, height, width) of the few trees near the viewer, kept to the sides of the window.
PINES = [
    (10, 206, 84, 30), (30, 200, 62, 24), (50, 203, 40, 17),
    (394, 203, 78, 28), (370, 199, 56, 22), (352, 195, 30, 13), (128, 191, 20, 9), (284, 190, 16, 8),
]


def pine_shadow(x, y):
    """Soft blue shade on the snow at the trees' feet, falling away from the light."""
    shade = 0.0
    for cx, foot, _, width in PINES:
        dx, dy = (x - cx - width * 0.35) / (width * 0.9), (y - foot) / 3.0
        shade = max(shade, 1.0 - smoothstep(0.3, 1.0, math.hypot(dx, dy)))
    return shade


def title_shape():
    shape, width = word(TITLE, TITLE_SPACING)
    left = (WIDTH - width * TITLE_X_HEIGHT) / 2.0
    baseline = (BAND_TOP + BAND_BOTTOM + ASCENDER * TITLE_X_HEIGHT) / 2.0
    return Placed(shape, left, baseline, TITLE_X_HEIGHT)


def band(y, behind):
    """The pale band behind the title: translucent, so the summits show faintly through it."""
    if BAND_BOTTOM <= y < BAND_BOTTOM + 4:
        return mix(behind, (60, 90, 140), 0.16 * (BAND_BOTTOM + 4 - y) / 4.0)
    if not BAND_TOP <= y < BAND_BOTTOM:
        return behind
    colour = mix(BAND_LIGHT, BAND_DARK, (y - BAND_TOP) / (BAND_BOTTOM - BAND_TOP))
    colour = mix(behind, colour, 0.82)
    if y in (BAND_TOP, BAND_BOTTOM - 1):
        colour = mix(colour, (252, 253, 255), 0.7)
    if y in (BAND_TOP + 4, BAND_BOTTOM - 5):
        colour = mix(colour, BAND_RULE, 0.55)
    return colour


def render():
    """The picture as rows of (r, g, b) floats, top row first."""
    title = title_shape()
    ink = coverage(title, WIDTH, HEIGHT)
    shadow = coverage(Shifted(title, 1.5, 1.5), WIDTH, HEIGHT)
    pines = Union([pine(x, foot, height, width, i) for i, (x, foot, height, width) in enumerate(PINES)])
    needles = coverage(pines, WIDTH, HEIGHT)
    # Snow lies along the upper, sunlit edges of the branches.
    snow_on_pines = coverage(pines - Shifted(pines, 1.2, 1.6), WIDTH, HEIGHT)
    pixels = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            colour = sky_colour(x + 0.5, y + 0.5)
            if y >= MOUNTAIN_TOP:
                colour = mountains(x, y, colour)
            trees_top = sum(forest_top(x + sx) for sx, _ in SAMPLES[:2]) * 0.5
            colour = mix(colour, FOREST_COLOUR, clamp(y + 1.0 - trees_top) * 0.9)
            for drift in DRIFTS:
                colour = mix(colour, drift.colour(x, y), drift.cover(x, y))
            colour = mix(colour, PINE_SHADE, pine_shadow(x + 0.5, y + 0.5) * 0.4)
            colour = mix(colour, PINE_COLOUR, needles[y][x])
            colour = mix(colour, PINE_SNOW, snow_on_pines[y][x] * 0.85)
            colour = band(y, colour)
            colour = mix(colour, TITLE_SHADOW, shadow[y][x] * 0.5)
            row.append(mix(colour, TITLE_INK, ink[y][x]))
        pixels.append(row)
    return pixels
