#!/usr/bin/env python3
"""Draws the launcher's background bitmap and its icon and writes them beside the resource script.

Run it from anywhere after changing a picture: python3 res/pictures/make_pictures.py
The output is the same byte for byte on every run.
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the folder free of caches

import emblem  # noqa: E402
import formats  # noqa: E402
import landscape  # noqa: E402

RESOURCES = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def write(name, data):
    path = os.path.join(RESOURCES, name)
    with open(path, "wb") as out:
        out.write(data)
    print(f"{path}: {len(data)} bytes")


def main():
    window, window_mask = emblem.application_window()
    write(
        "Velkan Launcher.ico",
        formats.icon_file([
            formats.IconImage(emblem.emblem_16_colours(), emblem.STANDARD_COLOURS, 4),
            formats.IconImage(emblem.emblem_256_colours(), emblem.PALETTE_256, 8),
            formats.IconImage(window, emblem.STANDARD_COLOURS, 4, window_mask),
        ]),
    )
    write("Background.bmp", formats.bitmap_file(landscape.render()))


if __name__ == "__main__":
    main()
