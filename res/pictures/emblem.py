"""The icon's images: the mod's emblem, a serif capital V on a light grey tile, and a small window."""

from raster import Polygon, Union, coverage, mix, rectangle

# The sixteen colours every display can show, in their usual order.
STANDARD_COLOURS = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255),
    (255, 255, 255),
]
BLACK, NAVY, LIGHT_GREY, DARK_GREY, WHITE = 0, 4, 7, 8, 15

SIZE = 32
INK = (22, 26, 38)
TILE_LIGHT, TILE_DARK = (212, 213, 216), (178, 180, 186)
# The 256-colour palette: the standard sixteen, then a ramp from the ink up to near white that
# holds every shade of the anti-aliased letter on its tile.
RAMP_TOP = (240, 241, 243)
PALETTE_256 = STANDARD_COLOURS + [mix(INK, RAMP_TOP, step / 239.0) for step in range(240)]


def _bracket(serif_point, corner, stroke_point, steps=6):
    """The curved fillet between a serif's underside and a stroke, filling the corner between them."""
    curve = []
    for step in range(steps + 1):
        t = step / steps
        curve.append(tuple(
            (1 - t) * (1 - t) * a + 2 * (1 - t) * t * c + t * t * b
            for a, c, b in zip(serif_point, corner, stroke_point)
        ))
    return Polygon(curve + [corner])


def _along(start, end, y):
    """The point at height y on the line through start and end."""
    (x0, y0), (x1, y1) = start, end
    return (x0 + (x1 - x0) * (y - y0) / (y1 - y0), y)


def letter_v():
    """A Roman capital V in pixels (y down): a heavy left stroke, a hairline right one, bracketed serifs."""
    top, foot = 4.0, 28.6
    heavy_serif, hair_serif = 6.0, 5.6
    point_left, point_right = (15.0, foot), (16.9, foot)
    # Each stroke edge is a line from a point on the top to the foot; the inner edges run
    # parallel to the outer ones and meet in the crotch of the letter.
    thick_out, thin_out = (5.6, top), (26.8, top)
    thick_in = (12.6, top)
    thin_in = (24.4, top)
    dx_thick, dx_thin = point_left[0] - thick_out[0], point_right[0] - thin_out[0]
    t = (thin_in[0] - thick_in[0]) / (dx_thick - dx_thin)
    crotch = (thick_in[0] + dx_thick * t, top + (foot - top) * t)
    body = Polygon([thick_out, thick_in, crotch, thin_in, thin_out, point_right, point_left])

    def bracket(serif_end, edge_start, edge_end, underside, reach):
        corner = _along(edge_start, edge_end, underside)
        return _bracket((serif_end, underside), corner, _along(edge_start, edge_end, underside + reach))

    return Union([
        body,
        rectangle(2.6, top, 15.6, heavy_serif),
        rectangle(21.8, top, 29.6, hair_serif),
        bracket(2.6, thick_out, point_left, heavy_serif, 3.0),
        bracket(15.6, thick_in, crotch, heavy_serif, 3.0),
        bracket(21.8, thin_in, crotch, hair_serif, 2.2),
        bracket(29.6, thin_out, point_right, hair_serif, 2.2),
    ])


def _tile(x, y):
    """The light grey ground with a one-pixel bevel, lit from the top left."""
    if x == 0 or y == 0:
        return (255, 255, 255)
    if x == SIZE - 1 or y == SIZE - 1:
        return (128, 128, 128)
    return mix(TILE_LIGHT, TILE_DARK, (x + y) / (2.0 * SIZE))


def _nearest(colour, palette):
    return min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))


def emblem_16_colours():
    """Palette indices, top row first: black ink, its soft edge in dark grey, on the standard light grey."""
    ink = coverage(letter_v(), SIZE, SIZE, 8)
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            ground = WHITE if x == 0 or y == 0 else DARK_GREY if x == SIZE - 1 or y == SIZE - 1 else LIGHT_GREY
            row.append(BLACK if ink[y][x] > 0.62 else DARK_GREY if ink[y][x] > 0.28 else ground)
        rows.append(row)
    return rows


def emblem_256_colours():
    ink = coverage(letter_v(), SIZE, SIZE, 8)
    return [[_nearest(mix(_tile(x, y), INK, ink[y][x]), PALETTE_256) for x in range(SIZE)] for y in range(SIZE)]


def application_window():
    """The generic picture of a program: a small window with a title bar.

    Returns palette indices and the transparency mask (1 = see through), top row first.
    """
    size = 16
    rows = [[BLACK] * size for _ in range(size)]
    mask = [[1] * size for _ in range(size)]
    top, bottom = 1, 14
    for y in range(top, bottom + 1):
        for x in range(size):
            mask[y][x] = 0
            if y in (top, bottom) or x in (0, size - 1):
                rows[y][x] = BLACK
            elif y <= top + 3:
                rows[y][x] = NAVY
            elif y == top + 4:
                rows[y][x] = LIGHT_GREY
            else:
                rows[y][x] = WHITE
    for x in (size - 4, size - 3):
        rows[top + 2][x] = LIGHT_GREY
    return rows, mask
