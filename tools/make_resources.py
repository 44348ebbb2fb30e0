#!/usr/bin/env python3
"""Draws and synthesises the compiled-in pictures, icons and sounds of both programs.

Run from anywhere: tools/make_resources.py. Writes into game/resources/ and
uninstaller/resources/ and is deterministic: a rerun gives the same bytes. PNG and WAVE are
written with the standard library; the JPEG is encoded by libjpeg through a small C helper that
this script compiles (needs cc and libjpeg62-turbo-dev).
"""

import math
import os
import struct
import subprocess
import sys
import tempfile
import wave
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GAME = os.path.join(ROOT, "game", "resources")
UNINSTALLER = os.path.join(ROOT, "uninstaller", "resources")

NAVY = (0, 0, 128)
BLUE = (0, 0, 255)
RED = (255, 0, 0)
GREEN = (0, 255, 0)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# The 16 colours of a standard 16-colour bitmap, in their usual palette order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


# ---------------------------------------------------------------------------------------------
# Pictures: a picture is a list of rows, each a list of (r, g, b).

def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def fill(pic, x0, y0, x1, y1, colour):
    """Fills the half-open rectangle [x0, x1) x [y0, y1), clipped to the picture."""
    for y in range(max(0, y0), min(len(pic), y1)):
        row = pic[y]
        for x in range(max(0, x0), min(len(row), x1)):
            row[x] = colour


def bevel(pic, light, dark, width):
    """A raised edge: light rings at the top and left, dark rings at the bottom and right."""
    h = len(pic)
    w = len(pic[0])
    for i in range(width):
        lc, dc = light[i], dark[i]
        fill(pic, i, i, w - i, i + 1, lc)
        fill(pic, i, i, i + 1, h - i, lc)
        fill(pic, i, h - 1 - i, w - i, h - i, dc)
        fill(pic, w - 1 - i, i, w - i, h - i, dc)


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png_rgb(path, pic):
    h = len(pic)
    w = len(pic[0])
    raw = bytearray()
    for row in pic:
        raw.append(0)
        for r, g, b in row:
            raw += bytes((r, g, b))
    data = (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + png_chunk(b"IEND", b""))
    write_file(path, data)


def write_png_16(path, pic):
    """A 4-bit palette PNG over the 16 standard colours; every pixel must be one of them."""
    h = len(pic)
    w = len(pic[0])
    raw = bytearray()
    for row in pic:
        raw.append(0)
        indices = [VGA16.index(c) for c in row] + [0]
        for x in range(0, w, 2):
            raw.append((indices[x] << 4) | indices[x + 1])
    palette = b"".join(bytes(c) for c in VGA16)
    data = (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 4, 3, 0, 0, 0))
            + png_chunk(b"PLTE", palette)
            + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + png_chunk(b"IEND", b""))
    write_file(path, data)


def write_file(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main_bar():
    pic = canvas(788, 72, NAVY)
    bevel(pic, [(128, 128, 255), (80, 80, 208), (40, 40, 168)],
          [(0, 0, 64), (0, 0, 88), (0, 0, 108)], 3)
    return pic


def button_off():
    pic = canvas(100, 35, NAVY)
    bevel(pic, [(112, 112, 232), (56, 56, 184)], [(0, 0, 56), (0, 0, 90)], 2)
    return pic


def button_on():
    pic = canvas(100, 35, BLUE)
    bevel(pic, [(176, 176, 255), (112, 112, 255)], [(0, 0, 160), (0, 0, 208)], 2)
    return pic


# Rows of the bullet: (first row, last row, first column, last column, colour of the shape).
BULLET = [
    (0, 1, 3, 3, BLUE),
    (2, 7, 2, 4, BLUE),
    (8, 13, 1, 5, BLUE),
    (14, 14, 2, 4, RED),
    (15, 16, 1, 5, RED),
    (17, 18, 2, 4, RED),
    (19, 19, 3, 3, RED),
]


def bullet(outside, inside=None):
    """The 7 x 20 bullet; inside=None keeps the shape's own blue and red."""
    pic = canvas(7, 20, outside)
    for y0, y1, x0, x1, colour in BULLET:
        fill(pic, x0, y0, x1 + 1, y1 + 1, inside if inside is not None else colour)
    return pic


# A 5 x 7 pixel letter Z for the icons.
LETTER_Z = ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"]


def icon_picture():
    """Black field, a cream Z falling at the top, the bullet rising towards it."""
    cream = (255, 251, 240)
    pic = canvas(32, 32, BLACK)
    fill(pic, 0, 0, 32, 1, (0, 0, 128))
    fill(pic, 0, 31, 32, 32, (0, 0, 128))
    for y, line in enumerate(LETTER_Z):
        for x, c in enumerate(line):
            if c == "#":
                fill(pic, 6 + 2 * x, 2 + 2 * y, 8 + 2 * x, 4 + 2 * y, cream)
    shot = bullet(BLACK)
    for y in range(20):
        for x in range(7):
            if shot[y][x] != BLACK:
                pic[11 + y][20 + x] = shot[y][x]
    return pic


def uninstaller_icon():
    """The game's motif in 16 colours, crossed out in red."""
    pic = canvas(32, 32, (0, 0, 0))
    fill(pic, 0, 0, 32, 1, (0, 0, 128))
    fill(pic, 0, 31, 32, 32, (0, 0, 128))
    for y, line in enumerate(LETTER_Z):
        for x, c in enumerate(line):
            if c == "#":
                fill(pic, 6 + 2 * x, 2 + 2 * y, 8 + 2 * x, 4 + 2 * y, (255, 255, 255))
    shot = bullet(BLACK)
    for y in range(20):
        for x in range(7):
            if shot[y][x] != BLACK:
                pic[11 + y][20 + x] = shot[y][x]
    for i in range(3, 29):
        for d in (-1, 0, 1):
            for x, y in ((i + d, i), (31 - i + d, i)):
                if 0 <= x < 32:
                    pic[y][x] = (255, 0, 0)
    return pic


# ---------------------------------------------------------------------------------------------
# The version picture: a keyboard seen from above.

KEY_ROWS = [
    # (row height, list of key widths in pixels); each row is laid out from the left margin.
    (6, [8, 0] + [7] * 4 + [0] + [7] * 4 + [0] + [7] * 4),
    (8, [7] * 13 + [14]),
    (8, [10] + [7] * 12 + [11]),
    (8, [12] + [7] * 11 + [15]),
    (8, [16] + [7] * 10 + [19]),
    (8, [10, 9, 10, 50, 10, 9, 10, 11]),
]

# Small marks for the key tops: a few 3 x 3 glyph-like patterns.
GLYPHS = ["#.##.##.#", "###.#..#.", "#.#.#.#.#", ".#.###.#.", "##.#.#.##", "#..###..#"]


def keyboard():
    w, h = 128, 53
    pic = canvas(w, h, (244, 244, 240))
    for y in range(h):
        shade = 244 - y // 4
        fill(pic, 0, y, w, y + 1, (shade, shade, shade - 4))
    body = (156, 158, 164)
    fill(pic, 2, 2, 126, 51, body)
    bevel_box(pic, 2, 2, 126, 51, (206, 208, 214), (92, 94, 100))
    fill(pic, 106, 4, 124, 7, (120, 122, 128))
    fill(pic, 110, 5, 112, 6, (40, 200, 60))
    fill(pic, 114, 5, 116, 6, (40, 200, 60))
    fill(pic, 118, 5, 120, 6, (230, 160, 30))
    y = 4
    glyph = 0
    for row, (height, widths) in enumerate(KEY_ROWS):
        x = 4
        for width in widths:
            if width == 0:
                x += 3
                continue
            special = width >= 10 and width != 50
            face = (214, 218, 226) if special else (238, 238, 232)
            if row == 0:
                face = (200, 204, 212)
            key(pic, x, y, width - 1, height - 1, face)
            if width < 50 and height >= 7:
                mark(pic, x + 2, y + 2, GLYPHS[glyph % len(GLYPHS)], (48, 52, 64))
                glyph += 1
            x += width
        y += height
    key(pic, 112, 10, 12, 16, (200, 216, 240))
    mark(pic, 116, 15, "..#.##.##", (30, 60, 150))
    for kx, ky in ((115, 34), (112, 42), (118, 42)):
        key(pic, kx, ky, 6, 8, (214, 218, 226))
    return pic


def bevel_box(pic, x0, y0, x1, y1, light, dark):
    fill(pic, x0, y0, x1, y0 + 1, light)
    fill(pic, x0, y0, x0 + 1, y1, light)
    fill(pic, x0, y1 - 1, x1, y1, dark)
    fill(pic, x1 - 1, y0, x1, y1, dark)


def key(pic, x, y, w, h, face):
    fill(pic, x, y, x + w, y + h, (60, 62, 68))
    fill(pic, x + 1, y, x + w - 1, y + h - 1, tuple(max(0, c - 40) for c in face))
    fill(pic, x + 1, y, x + w - 2, y + h - 2, face)
    fill(pic, x + 1, y, x + w - 2, y + 1, tuple(min(255, c + 16) for c in face))


def mark(pic, x, y, pattern, colour):
    for i, c in enumerate(pattern):
        if c == "#":
            fill(pic, x + i % 3, y + i // 3, x + i % 3 + 1, y + i // 3 + 1, colour)


JPEG_HELPER = r"""
#include <stdio.h>
#include <stdlib.h>
#include <jpeglib.h>

/* jpeg_helper WIDTH HEIGHT QUALITY IN.rgb OUT.jpg: baseline JFIF at 120 dots per inch. */
int main(int argc, char **argv)
{
    if (argc != 6)
        return 2;
    int width = atoi(argv[1]), height = atoi(argv[2]), quality = atoi(argv[3]);
    size_t size = (size_t)width * (size_t)height * 3;
    unsigned char *rgb = malloc(size);
    FILE *in = fopen(argv[4], "rb");
    if (!rgb || !in || fread(rgb, 1, size, in) != size)
        return 1;
    fclose(in);
    FILE *out = fopen(argv[5], "wb");
    if (!out)
        return 1;
    struct jpeg_compress_struct cinfo;
    struct jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = (JDIMENSION)width;
    cinfo.image_height = (JDIMENSION)height;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.density_unit = 1;
    cinfo.X_density = 120;
    cinfo.Y_density = 120;
    cinfo.optimize_coding = FALSE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = rgb + (size_t)cinfo.next_scanline * (size_t)width * 3;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    fclose(out);
    free(rgb);
    return 0;
}
"""

JPEG_TARGET_SIZE = 5390


def write_jpeg(path, pic):
    """Encodes at the quality whose file size comes nearest the target size."""
    h = len(pic)
    w = len(pic[0])
    raw = b"".join(bytes(c) for row in pic for c in row)
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "jpeg_helper.c")
        exe = os.path.join(tmp, "jpeg_helper")
        rgb = os.path.join(tmp, "in.rgb")
        with open(src, "w") as f:
            f.write(JPEG_HELPER)
        subprocess.run(["cc", "-O2", "-o", exe, src, "-ljpeg"], check=True)
        with open(rgb, "wb") as f:
            f.write(raw)
        best = None
        for quality in range(50, 101):
            out = os.path.join(tmp, "q%d.jpg" % quality)
            subprocess.run([exe, str(w), str(h), str(quality), rgb, out], check=True)
            with open(out, "rb") as f:
                data = f.read()
            score = abs(len(data) - JPEG_TARGET_SIZE)
            if best is None or score < best[0]:
                best = (score, quality, data)
    write_file(path, best[2])
    return best[1], len(best[2])


# ---------------------------------------------------------------------------------------------
# Sounds: 8-bit unsigned mono PCM.

class Noise:
    """A fixed linear congruential source, so the noise is the same on every run."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x3FFFFFFF - 1.0


def sample_count(rate, centiseconds):
    """rate x length, the half rounded up."""
    return (rate * centiseconds + 50) // 100


def write_wav(path, rate, samples):
    data = bytes(max(0, min(255, 128 + int(round(s * 127)))) for s in samples)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(rate)
        w.writeframes(data)


def atari(rate, n):
    """A bright chime: bell partials over a long ringing tail."""
    out = []
    partials = [(1568.0, 0.45, 0.55), (2349.3, 0.25, 0.35), (3136.0, 0.15, 0.25),
                (4186.0, 0.08, 0.15)]
    for i in range(n):
        t = i / rate
        attack = min(1.0, t / 0.004)
        v = sum(a * math.exp(-t / d) * math.sin(2 * math.pi * f * t) for f, a, d in partials)
        v += 0.2 * math.exp(-t / 1.0) * math.sin(2 * math.pi * 1046.5 * t)
        out.append(attack * v)
    return out


def baan(rate, n):
    """A dull thud: a falling low tone with a burst of filtered noise."""
    noise = Noise(7)
    out = []
    phase = 0.0
    smooth = 0.0
    for i in range(n):
        t = i / rate
        freq = 40.0 + 70.0 * math.exp(-t / 0.08)
        phase += 2 * math.pi * freq / rate
        smooth += 0.05 * (noise.next() - smooth)
        tone = 0.8 * math.exp(-t / 0.35) * math.sin(phase)
        rumble = 1.6 * math.exp(-t / 0.12) * smooth
        out.append(min(1.0, i / 40) * (tone + rumble))
    return out


def endbaan(rate, n):
    """The game over: a tone falling from high to low in steps, slowly fading."""
    out = []
    phase = 0.0
    length = n / rate
    for i in range(n):
        t = i / rate
        freq = 880.0 * math.pow(2.0, -3.0 * t / length)
        phase += 2 * math.pi * freq / rate
        wobble = 1.0 + 0.25 * math.sin(2 * math.pi * 6.0 * t)
        v = math.sin(phase) + 0.35 * math.sin(2 * phase) + 0.2 * math.sin(3 * phase)
        envelope = 0.55 * min(1.0, t / 0.01) * (1.0 - 0.7 * t / length) * min(1.0, (length - t) / 0.05)
        out.append(envelope * wobble * v / 1.3)
    return out


def hazure(rate, n):
    """A short buzz: a rough square wave."""
    out = []
    length = n / rate
    for i in range(n):
        t = i / rate
        square = 1.0 if math.sin(2 * math.pi * 140.0 * t) >= 0 else -1.0
        edge = 0.3 * math.sin(2 * math.pi * 420.0 * t)
        envelope = min(1.0, t / 0.005) * min(1.0, (length - t) / 0.01)
        out.append(0.5 * envelope * (square + edge) / 1.3)
    return out


def botan(rate, n):
    """A button click: a few milliseconds of a sharp tick, then silence."""
    noise = Noise(3)
    out = []
    for i in range(n):
        t = i / rate
        if t < 0.03:
            v = math.exp(-t / 0.004) * (0.7 * math.sin(2 * math.pi * 2400.0 * t)
                                        + 0.3 * noise.next())
        else:
            v = 0.0
        out.append(0.8 * v)
    return out


SOUNDS = [
    ("atari", 22050, 149, atari),
    ("baan", 22050, 139, baan),
    ("endbaan", 22050, 239, endbaan),
    ("hazure", 44100, 14, hazure),
    ("botan", 44100, 98, botan),
]


# ---------------------------------------------------------------------------------------------
# Qt resource collections.

GAME_QRC = """<!DOCTYPE RCC>
<RCC version="1.0">
<qresource prefix="/">
    <file alias="images/MainBarImg.png">MainBarImg.png</file>
    <file alias="images/BtnOffImg.png">BtnOffImg.png</file>
    <file alias="images/BtnOnImg.png">BtnOnImg.png</file>
    <file alias="images/TamaMainImg.png">TamaMainImg.png</file>
    <file alias="images/TamaBackImg.png">TamaBackImg.png</file>
    <file alias="images/VersionKeyImg.jpg">VersionKeyImg.jpg</file>
    <file alias="sounds/atari.wav">atari.wav</file>
    <file alias="sounds/baan.wav">baan.wav</file>
    <file alias="sounds/endbaan.wav">endbaan.wav</file>
    <file alias="sounds/hazure.wav">hazure.wav</file>
    <file alias="sounds/botan.wav">botan.wav</file>
    <file>icon.png</file>
</qresource>
</RCC>
"""

UNINSTALLER_QRC = """<!DOCTYPE RCC>
<RCC version="1.0">
<qresource prefix="/">
    <file alias="icon.png">unzelmo_icon.png</file>
</qresource>
</RCC>
"""


def main():
    write_png_rgb(os.path.join(GAME, "MainBarImg.png"), main_bar())
    write_png_rgb(os.path.join(GAME, "BtnOffImg.png"), button_off())
    write_png_rgb(os.path.join(GAME, "BtnOnImg.png"), button_on())
    write_png_16(os.path.join(GAME, "TamaMainImg.png"), bullet(GREEN))
    write_png_16(os.path.join(GAME, "TamaBackImg.png"), bullet(WHITE, BLACK))
    write_png_rgb(os.path.join(GAME, "icon.png"), icon_picture())
    write_png_16(os.path.join(UNINSTALLER, "unzelmo_icon.png"), uninstaller_icon())
    quality, size = write_jpeg(os.path.join(GAME, "VersionKeyImg.jpg"), keyboard())
    for name, rate, centiseconds, synth in SOUNDS:
        write_wav(os.path.join(GAME, name + ".wav"), rate, synth(rate, sample_count(rate, centiseconds)))
    write_file(os.path.join(GAME, "game.qrc"), GAME_QRC.encode())
    write_file(os.path.join(UNINSTALLER, "unzelmo.qrc"), UNINSTALLER_QRC.encode())
    print("VersionKeyImg.jpg: quality %d, %d bytes" % (quality, size))
    return 0


if __name__ == "__main__":
    sys.exit(main())
