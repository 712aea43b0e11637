"""Byte layouts of the two picture files the resource script takes: a Windows bitmap and an icon."""

import struct

PIXELS_PER_METRE = 2834  # 72 dots per inch


def _padded(row):
    return row + b"\0" * (-len(row) % 4)


def _byte(value):
    return max(0, min(255, int(value + 0.5)))


def bitmap_file(pixels):
    """A 24-bit uncompressed bitmap file from rows of (r, g, b), top row first; stored bottom-up."""
    height, width = len(pixels), len(pixels[0])
    body = b"".join(
        _padded(bytes(_byte(channel) for r, g, b in row for channel in (b, g, r))) for row in reversed(pixels)
    )
    info = struct.pack(
        "<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), PIXELS_PER_METRE, PIXELS_PER_METRE, 0, 0
    )
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return header + info + body


def _pack_indices(row, bits):
    per_byte = 8 // bits
    packed = bytearray()
    for start in range(0, len(row), per_byte):
        value = 0
        for index in row[start:start + per_byte]:
            value = (value << bits) | index
        packed.append(value << bits * (per_byte - len(row[start:start + per_byte])))
    return bytes(packed)


class IconImage:
    """One image of an icon: palette indices and a transparency mask (1 = see through), top row first."""

    def __init__(self, rows, palette, bits, mask=None):
        self.rows, self.palette, self.bits = rows, palette, bits
        self.mask = mask or [[0] * len(row) for row in rows]

    def encode(self):
        # The header states twice the height: the colour bitmap and the mask are stacked.
        height, width = len(self.rows), len(self.rows[0])
        colours = b"".join(_padded(_pack_indices(row, self.bits)) for row in reversed(self.rows))
        mask = b"".join(_padded(_pack_indices(row, 1)) for row in reversed(self.mask))
        info = struct.pack(
            "<IiiHHIIiiII", 40, width, 2 * height, 1, self.bits, 0, len(colours) + len(mask), 0, 0, len(self.palette), 0
        )
        palette = b"".join(struct.pack("<4B", _byte(b), _byte(g), _byte(r), 0) for r, g, b in self.palette)
        return info + palette + colours + mask


def icon_file(images):
    """An icon file holding the images in the order given."""
    directory_size = 6 + 16 * len(images)
    encoded = [image.encode() for image in images]
    entries, offset = b"", directory_size
    for image, data in zip(images, encoded):
        height, width = len(image.rows), len(image.rows[0])
        colour_count = len(image.palette) if image.bits < 8 else 0
        entries += struct.pack("<BBBBHHII", width, height, colour_count, 0, 1, image.bits, len(data), offset)
        offset += len(data)
    return struct.pack("<HHH", 0, 1, len(images)) + entries + b"".join(encoded)
