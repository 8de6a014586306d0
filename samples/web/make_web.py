#!/usr/bin/env python3
"""Makes the server's web interface: make_web.py OUTPUT_FOLDER.

Each page of pages/ (a title comment, then the body) is set into
layout.html, the style sheet is copied, and the small images are drawn."""

import os
import shutil
import struct
import sys
import zlib


def png(width, height, pixel):
    """An 8-bit RGB PNG; pixel(x, y) gives (r, g, b)."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    rows = b"".join(b"\0" + bytes(c for x in range(width) for c in pixel(x, y)) for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b"")


def gif(width, height, palette, index):
    """A GIF89a with a four-colour palette; index(x, y) gives 0-3, and
    colour 0 is transparent. The LZW codes are all literals, with a clear
    code before the table would widen them."""
    min_size = 2
    clear, end = 1 << min_size, (1 << min_size) + 1
    width_bits = min_size + 1
    literals_per_clear = (1 << width_bits) - end - 2
    codes = [clear]
    pixels = [index(x, y) for y in range(height) for x in range(width)]
    for n, value in enumerate(pixels):
        if n and n % literals_per_clear == 0:
            codes.append(clear)
        codes.append(value)
    codes.append(end)
    bits = sum(code << (i * width_bits) for i, code in enumerate(codes))
    data = bits.to_bytes((len(codes) * width_bits + 7) // 8, "little")
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255))
    return (b"GIF89a" + struct.pack("<HHBBB", width, height, 0x81, 0, 0) + bytes(c for rgb in palette for c in rgb)
            + b"\x21\xf9\x04\x01\x00\x00\x00\x00"
            + b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
            + bytes([min_size]) + blocks + b"\0\x3b")


def disc(size, x, y):
    centre = (size - 1) / 2
    return (x - centre) ** 2 + (y - centre) ** 2 <= (size / 2) ** 2


def state_icon(colour):
    return gif(12, 12, [(255, 255, 255), colour, (255, 255, 255), (0, 0, 0)],
               lambda x, y: (1 if disc(12, x, y) else 0) if not (x in (5, 6) and 3 <= y <= 8) else 2)


def logo_pixel(x, y):
    # White letters band on the banner blue, with a darker envelope stripe.
    if 4 <= y <= 27 and 4 <= x <= 40 and (y - 4 == (x - 4) * 12 // 36 or y - 4 == (40 - x) * 12 // 36 or y in (4, 27) or x in (4, 40)):
        return (255, 255, 255)
    if 12 <= y <= 19 and x >= 48 and (x // 6) % 2 == 0:
        return (200, 215, 235)
    return (28, 63, 110)


IMAGES = {
    "logo.png": lambda: png(120, 32, logo_pixel),
    "header.png": lambda: png(4, 44, lambda x, y: (28 + y, 63 + y, 110 + y)),
    "ok.gif": lambda: state_icon((40, 160, 60)),
    "warn.gif": lambda: state_icon((230, 170, 20)),
    "error.gif": lambda: state_icon((200, 40, 40)),
    "bullet.gif": lambda: gif(8, 8, [(255, 255, 255), (28, 63, 110), (0, 0, 0), (0, 0, 0)],
                              lambda x, y: 1 if disc(8, x, y) else 0),
}


HERE = os.path.dirname(os.path.abspath(__file__))


def pages():
    with open(os.path.join(HERE, "layout.html")) as layout_file:
        layout = layout_file.read()
    for name in sorted(os.listdir(os.path.join(HERE, "pages"))):
        with open(os.path.join(HERE, "pages", name)) as page:
            title = page.readline().strip().removeprefix("<!--").removesuffix("-->").strip()
            yield name, layout.replace("{title}", title).replace("{body}", page.read())


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, text in pages():
        with open(os.path.join(folder, name), "w", newline="\r\n") as page:
            page.write(text)
    shutil.copy(os.path.join(HERE, "style.css"), folder)
    for name, draw in IMAGES.items():
        with open(os.path.join(folder, name), "wb") as image:
            image.write(draw())


if __name__ == "__main__":
    main(sys.argv[1])
