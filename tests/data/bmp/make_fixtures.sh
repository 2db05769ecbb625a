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
