#!/usr/bin/env python3
"""Draws the program's icon (16x16, 32x32 and 48x48, 16 colours) into lexorin.ico.

ImageMagick renders each size; this script maps the pixels onto the standard 16-colour
palette and writes the icon file. Run it again after changing the drawing.
"""
import struct
import subprocess
import sys

PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def render(size):
    r = max(2, size // 6)
    pad = max(1, size // 16)
    draw = [
        'convert', '-size', f'{size}x{size}', 'xc:none',
        '-fill', '#000080', '-draw', f'roundrectangle {pad},{pad} {size-1-pad},{size-1-pad} {r},{r}',
        '-fill', '#0000FF', '-draw', f'roundrectangle {pad+1},{pad+1} {size-2-pad},{size-2-pad} {r},{r}',
        '-font', 'WenQuanYi-Micro-Hei', '-pointsize', str(size * 0.72), '-fill', 'white',
        '-gravity', 'center', '-annotate', '+0+0', '\u8bd1',
        '-depth', '8', 'rgba:-']
    raw = subprocess.run(draw, check=True, capture_output=True).stdout
    assert len(raw) == size * size * 4
    return [raw[i:i + 4] for i in range(0, len(raw), 4)]


def nearest(rgb):
    return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(PALETTE[i], rgb)))


def bitmap(size):
    pixels = render(size)
    rows_xor, rows_and = [], []
    for y in reversed(range(size)):  # bottom-up
        row = pixels[y * size:(y + 1) * size]
        idx = [nearest(p[:3]) if p[3] >= 128 else 0 for p in row]
        xor = bytes((idx[x] << 4) | idx[x + 1] for x in range(0, size, 2))
        xor += b'\0' * (-len(xor) % 4)
        bits = 0
        mask = bytearray()
        for x, p in enumerate(row):
            bits = (bits << 1) | (1 if p[3] < 128 else 0)
            if x % 8 == 7:
                mask.append(bits)
                bits = 0
        mask += b'\0' * (-len(mask) % 4)
        rows_xor.append(xor)
        rows_and.append(bytes(mask))
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + b''.join(rows_xor) + b''.join(rows_and)


def main(out):
    sizes = [16, 32, 48]
    images = [bitmap(s) for s in sizes]
    data = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, image in zip(sizes, images):
        data += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(out, 'wb') as f:
        f.write(data + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'lexorin.ico')
