# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
"""Reads a picture as ImageMagick's txt: format on standard input and prints
the contrast (WCAG 2) of the text in each rectangle given as X,Y,W,H on the
command line: the ratio between the rectangle's commonest colour, its
background, and the colour that differs most from it."""
import collections
import re
import sys

pixel = re.compile(r"^(\d+),(\d+): \((\d+),(\d+),(\d+)")


def luminance(rgb):
    def channel(v):
        s = v / 255.0
        return s / 12.92 if s <= 0.03928 else ((s + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


picture = {}
for line in sys.stdin:
    m = pixel.match(line)
    if m:
        x, y, r, g, b = (int(v) for v in m.groups())
        picture[x, y] = (r, g, b)

for arg in sys.argv[1:]:
    x0, y0, w, h = (int(v) for v in arg.split(","))
    counts = collections.Counter(picture[x, y] for x in range(x0, x0 + w) for y in range(y0, y0 + h))
    background = counts.most_common(1)[0][0]
    print("%.2f" % max(contrast(c, background) for c in counts))
