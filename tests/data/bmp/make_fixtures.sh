#!/usr/bin/env bash
# Regenerates the BMP fixtures with ImageMagick 6, an encoder independent of
# ours. The 5 x 3 picture is white with red at (0,0), blue at (1,1) and lime
# at (4,2); the 8-bit one is a 20 x 2 ramp whose pixel (x, y) has red 10x,
# green 100 + 50y and blue 200.
set -euo pipefail
cd "$(dirname "$0")"
dots=(-size 5x3 xc:white -fill red -draw 'point 0,0' -fill blue -draw 'point 1,1'
      -fill lime -draw 'point 4,2')
convert -size 5x3 xc:white -fill black -draw 'point 0,0' -draw 'point 1,1' -draw 'point 4,2' \
  -type bilevel -compress none BMP3:bilevel_1bpp.bmp
convert "${dots[@]}" -type palette -compress none BMP3:palette_4bpp.bmp
convert "${dots[@]}" -type truecolor -compress none BMP3:truecolor_24bpp.bmp
convert "${dots[@]}" -alpha on -channel A -evaluate set 50% +channel -type truecoloralpha \
  -compress none BMP:bitfields_32bpp.bmp
python3 - <<'PY'
ramp = "P3\n20 2\n255\n" + "\n".join(
    f"{10 * x} {100 + 50 * y} 200" for y in range(2) for x in range(20)) + "\n"
open("ramp.ppm", "w").write(ramp)
PY
convert ramp.ppm -type palette -compress none BMP3:palette_8bpp.bmp
rm ramp.ppm
# The 24-bit picture again, stored top-down (negative height, rows reversed).
python3 - <<'PY'
import struct
data = bytearray(open("truecolor_24bpp.bmp", "rb").read())
off, = struct.unpack_from("<I", data, 10)
width, height = struct.unpack_from("<ii", data, 18)
stride = (width * 24 + 31) // 32 * 4
rows = [bytes(data[off + r * stride: off + (r + 1) * stride]) for r in range(height)]
data[off:off + stride * height] = b"".join(reversed(rows))
struct.pack_into("<i", data, 22, -height)
open("topdown_24bpp.bmp", "wb").write(data)
PY
# The same picture run-length encoded (RLE8) by ImageMagick, which also
# encodes each row's padding pixels: runs past the width.
convert "${dots[@]}" -type palette -compress RLE BMP3:rle8_8bpp.bmp
# Hand-encoded files for what ImageMagick does not write: 16-bit pixels
# (5-5-5 without masks, 5-6-5 with bit fields), and run-length data that
# uses the delta, end-of-line and absolute-mode escapes.
python3 - <<'PY'
import struct

def bmp(width, height, bits, compression, palette, pixels, masks=b""):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(pixels),
                       2835, 2835, len(palette) // 4, 0)
    offset = 14 + len(info) + len(masks) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + masks + palette + pixels

def rows16(picture, colours):
    data = b""
    for row in reversed(picture):  # bottom-up
        line = b"".join(struct.pack("<H", colours[c]) for c in row)
        data += line + b"\0" * (-len(line) % 4)
    return data

dots = ["r....", ".b...", "....g"]
open("rgb555_16bpp.bmp", "wb").write(bmp(5, 3, 16, 0, b"", rows16(
    dots, {".": 0x7FFF, "r": 0x7C00, "b": 0x001F, "g": 0x03E0})))
open("rgb565_16bpp.bmp", "wb").write(bmp(5, 3, 16, 3, b"", rows16(
    dots, {".": 0xFFFF, "r": 0xF800, "b": 0x001F, "g": 0x07E0}),
    struct.pack("<III", 0xF800, 0x07E0, 0x001F)))

# Palette: white, red, blue, lime (blue, green, red, reserved).
palette = bytes([255, 255, 255, 0, 0, 0, 255, 0, 255, 0, 0, 0, 0, 255, 0, 0])
EOL, EOB = b"\0\0", b"\0\1"
# 6 x 4, top to bottom: "gg....", "###bgb", "######", "rrrrrr" (skipped
# pixels are black): a run, a delta over a whole row, absolute mode with
# its pad byte, and a run clipped at the right edge.
rle8 = (b"\x06\x01" + EOL + b"\0\x02\x03\x01" + b"\0\x03\x02\x03\x02\0" + EOL +
        b"\x02\x03" + b"\x10\x00" + EOB)
open("rle8_delta.bmp", "wb").write(bmp(6, 4, 8, 1, palette, rle8))
# 7 x 4, top to bottom: "r.r.r.r", "rbgrb..", "##...g#", ".g.g.gg":
# alternating-nibble runs, a delta, absolute mode of four and of five
# nibbles (with its pad byte), and the end of the bitmap without an end of line.
rle4 = (b"\x05\x03" + b"\x02\x33" + EOL + b"\0\x02\x02\x00" + b"\0\x04\x00\x03" + EOL +
        b"\0\x05\x12\x31\x20\0" + b"\x02\x00" + EOL + b"\x07\x10" + EOB)
open("rle4_delta.bmp", "wb").write(bmp(7, 4, 4, 2, palette, rle4))
PY
