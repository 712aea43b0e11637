"""Small raster toolkit: shapes with anti-aliased coverage, value noise and colour mixing."""

import math


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


def smoothstep(edge0, edge1, value):
    t = clamp((value - edge0) / (edge1 - edge0))
    return t * t * (3.0 - 2.0 * t)


def mix(colour_a, colour_b, t):
    return tuple(a + (b - a) * t for a, b in zip(colour_a, colour_b))


def _lattice(ix, iy, seed):
    # An integer hash rather than the random module, so the pictures come out
    # byte for byte the same on every Python.
    h = (ix * 374761393 + iy * 668265263 + seed * 1442695041) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0


def noise(x, y, seed):
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy
    fx, fy = fx * fx * (3.0 - 2.0 * fx), fy * fy * (3.0 - 2.0 * fy)
    top = _lattice(ix, iy, seed) + (_lattice(ix + 1, iy, seed) - _lattice(ix, iy, seed)) * fx
    bottom = _lattice(ix, iy + 1, seed) + (_lattice(ix + 1, iy + 1, seed) - _lattice(ix, iy + 1, seed)) * fx
    return top + (bottom - top) * fy


def fbm(x, y, seed, octaves=4):
    total, amplitude, norm = 0.0, 1.0, 0.0
    for octave in range(octaves):
        total += amplitude * noise(x, y, seed + octave * 101)
        norm += amplitude
        x, y, amplitude = x * 2.03, y * 2.03, amplitude * 0.5
    return total / norm


class Shape:
    """A region of the plane: contains() plus a bounding box (left, top, right, bottom)."""

    def __sub__(self, other):
        return Difference(self, other)


class Polygon(Shape):
    def __init__(self, points):
        self.points = list(points)
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def contains(self, x, y):
        inside = False
        x1, y1 = self.points[-1]
        for x2, y2 in self.points:
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
            x1, y1 = x2, y2
        return inside


def rectangle(left, top, right, bottom):
    return Polygon([(left, top), (right, top), (right, bottom), (left, bottom)])


def slanted_stroke(start, end, half_width):
    """A stroke between two points with horizontal ends, half_width measured horizontally."""
    (x0, y0), (x1, y1) = start, end
    return Polygon([(x0 - half_width, y0), (x0 + half_width, y0), (x1 + half_width, y1), (x1 - half_width, y1)])


class Ring(Shape):
    """An annulus, optionally limited to the angles (radians, counter-clockwise from +x) in [start, stop]."""

    def __init__(self, centre, outer, inner, start=None, stop=None):
        self.centre, self.outer, self.inner = centre, outer, inner
        self.start, self.stop = start, stop
        cx, cy = centre
        self.bbox = (cx - outer, cy - outer, cx + outer, cy + outer)

    def contains(self, x, y):
        dx, dy = x - self.centre[0], y - self.centre[1]
        if not self.inner * self.inner <= dx * dx + dy * dy <= self.outer * self.outer:
            return False
        if self.start is None:
            return True
        return self.start <= math.atan2(dy, dx) <= self.stop


class Union(Shape):
    def __init__(self, parts):
        self.parts = list(parts)
        boxes = [p.bbox for p in self.parts]
        self.bbox = (
            min(b[0] for b in boxes),
            min(b[1] for b in boxes),
            max(b[2] for b in boxes),
            max(b[3] for b in boxes),
        )

    def contains(self, x, y):
        for part in self.parts:
            left, top, right, bottom = part.bbox
            if left <= x <= right and top <= y <= bottom and part.contains(x, y):
                return True
        return False


class Difference(Shape):
    def __init__(self, base, cut):
        self.base, self.cut, self.bbox = base, cut, base.bbox

    def contains(self, x, y):
        return self.base.contains(x, y) and not self.cut.contains(x, y)


class Placed(Shape):
    """A shape drawn in its own units (y up from a baseline) at a pixel origin and scale."""

    def __init__(self, shape, left, baseline, scale):
        self.shape, self.left, self.baseline, self.scale = shape, left, baseline, scale
        b = shape.bbox
        self.bbox = (left + b[0] * scale, baseline - b[3] * scale, left + b[2] * scale, baseline - b[1] * scale)

    def contains(self, x, y):
        return self.shape.contains((x - self.left) / self.scale, (self.baseline - y) / self.scale)


class Shifted(Shape):
    def __init__(self, shape, dx, dy=0.0):
        self.shape, self.dx, self.dy = shape, dx, dy
        b = shape.bbox
        self.bbox = (b[0] + dx, b[1] + dy, b[2] + dx, b[3] + dy)

    def contains(self, x, y):
        return self.shape.contains(x - self.dx, y - self.dy)


def coverage(shape, width, height, samples=4):
    """Fraction of each pixel covered by the shape, from samples x samples points per pixel."""
    grid = [[0.0] * width for _ in range(height)]
    left, top, right, bottom = shape.bbox
    step = 1.0 / samples
    weight = step * step
    for py in range(max(0, math.floor(top)), min(height, math.ceil(bottom) + 1)):
        row = grid[py]
        for px in range(max(0, math.floor(left)), min(width, math.ceil(right) + 1)):
            hits = 0
            for sy in range(samples):
                y = py + (sy + 0.5) * step
                for sx in range(samples):
                    if shape.contains(px + (sx + 0.5) * step, y):
                        hits += 1
            row[px] = hits * weight
    return grid
