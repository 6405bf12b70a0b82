#!/usr/bin/env python3
"""Writes the 55 skin files skin01.she ... skin55.she (format: docs/skin-format.md).

Each skin takes a hue and saturation from the table below and its styles from its
position, so that neighbouring skins differ in palette, title bar, frame and buttons.
Every text colour is pushed away from its background until it reads at 4.6:1 or
better (the engine's test asks 4.5:1). Run it from anywhere; it rewrites the files
beside itself.
"""
import colorsys
import os
import struct

# name, hue (degrees), saturation (0-1)
THEMES = [
    ("Jade Harbour", 160, 0.45), ("Amber Dusk", 38, 0.80), ("Slate Morning", 210, 0.15),
    ("Cherry Lantern", 350, 0.70), ("Pine Ridge", 130, 0.40), ("Harbour Fog", 195, 0.20),
    ("Saffron Tea", 45, 0.85), ("Ink and Paper", 220, 0.05), ("Coral Reef", 12, 0.75),
    ("Lavender Field", 265, 0.45), ("Copper Kettle", 24, 0.60), ("Glacier", 190, 0.55),
    ("Olive Grove", 75, 0.40), ("Plum Garden", 300, 0.35), ("Sandstone", 32, 0.35),
    ("Midnight Lake", 228, 0.55), ("Rice Paper", 48, 0.20), ("Bamboo", 95, 0.45),
    ("Persimmon", 20, 0.85), ("Teal Current", 178, 0.60), ("Rosewood", 345, 0.40),
    ("Meadow", 110, 0.55), ("Steel Blue", 207, 0.40), ("Honeycomb", 42, 0.70),
    ("Lotus", 330, 0.50), ("Mulberry", 315, 0.45), ("Sea Glass", 150, 0.30),
    ("Autumn Maple", 8, 0.65), ("Charcoal", 200, 0.06), ("Peach Blossom", 18, 0.55),
    ("Cobalt", 222, 0.75), ("Moss", 88, 0.35), ("Cinnamon", 16, 0.45),
    ("Iris", 250, 0.55), ("Lagoon", 185, 0.65), ("Terracotta", 14, 0.55),
    ("Frost", 200, 0.30), ("Sage", 105, 0.20), ("Ruby", 355, 0.80),
    ("Denim", 215, 0.35), ("Apricot", 30, 0.75), ("Pewter", 190, 0.08),
    ("Orchid", 285, 0.50), ("Spruce", 165, 0.35), ("Marigold", 40, 0.90),
    ("Indigo Night", 240, 0.45), ("Celadon", 140, 0.25), ("Brick", 5, 0.50),
    ("Heather", 280, 0.25), ("Kelp", 120, 0.30), ("Dune", 36, 0.25),
    ("Wisteria", 270, 0.35), ("Graphite", 230, 0.04), ("Citrus", 60, 0.75),
    ("Porcelain", 205, 0.25),
]

FILLS = ["solid", "vgradient", "hgradient", "stripes"]
GRADIENTS = ["vgradient", "solid", "hgradient"]
FRAMES = ["flat", "raised", "double", "inset"]
SHAPES = ["square", "rounded", "beveled", "outline"]
TARGET = 4.6
BLACK, WHITE = (0, 0, 0), (255, 255, 255)


def hsl(hue, sat, light):
    r, g, b = colorsys.hls_to_rgb((hue % 360) / 360.0, max(0.0, min(1.0, light)), max(0.0, min(1.0, sat)))
    return tuple(int(round(c * 255)) for c in (r, g, b))


def luminance(rgb):
    def lin(c):
        c /= 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (lin(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def readable(hue, sat, light, text, step):
    """The colour hsl(hue, sat, light), moved in lightness by `step` until `text` reads on it."""
    while True:
        colour = hsl(hue, sat, light)
        if contrast(text, colour) >= TARGET or not 0.0 < light < 1.0:
            return colour
        light += step


def readable_pair(hue, sat, first, second, text, step):
    """Two colours of a gradient; every colour between them also reads under `text`."""
    a = readable(hue, sat, first, text, step)
    b = readable(hue + 8, sat, second, text, step)
    for _ in range(100):
        if min(contrast(text, mix(a, b, t / 32)) for t in range(33)) >= TARGET:
            return a, b
        second += step * 2
        b = readable(hue + 8, sat, second, text, step)
    raise ValueError("no readable gradient for hue %d" % hue)


def hexc(rgb):
    return "#%02X%02X%02X" % rgb


def make_skin(index, name, hue, sat):
    dark_caption = index % 5 != 2
    dark_buttons = index % 3 == 0
    accent = (hue + 150) % 360

    client_fill = FILLS[index % 4]
    client = readable_pair(hue, sat * 0.6, 0.90 - (index % 3) * 0.03, 0.80, BLACK, 0.01)
    if client_fill == "stripes":  # two close tones, so the stripes stay quiet behind text
        client = (client[0], mix(client[0], client[1], 0.4))

    caption_fill = GRADIENTS[(index // 2) % 3]
    if dark_caption:
        caption_text = WHITE
        caption = readable_pair(hue, min(1.0, sat + 0.1), 0.26 + (index % 4) * 0.03, 0.42, WHITE, -0.01)
        inactive_text = (0xF2, 0xF2, 0xF2)
        inactive = readable_pair(hue, sat * 0.25, 0.45, 0.50, inactive_text, -0.01)
    else:
        caption_text = hsl(hue, 0.6, 0.10)
        caption = readable_pair(hue, sat, 0.72, 0.84, caption_text, 0.01)
        inactive_text = hsl(hue, 0.2, 0.22)
        inactive = readable_pair(hue, sat * 0.25, 0.80, 0.88, inactive_text, 0.01)

    frame_style = FRAMES[(index // 3) % 4]
    frame = caption[0]
    frame_light = mix(frame, WHITE, 0.45)
    frame_shadow = mix(frame, BLACK, 0.45)

    cap_shape = SHAPES[(index + 1) % 4]
    cap_face = caption[0] if index % 2 else mix(caption[0], caption_text, 0.12)
    cap_hover = caption[0]
    for step in range(28, 0, -2):  # as far towards the glyph colour as the glyph stays clear
        cap_hover = mix(caption[0], caption_text, step / 100)
        if contrast(caption_text, cap_hover) >= 3.2:
            break
    cap_pressed = mix(caption[0], BLACK, 0.35) if dark_caption else mix(caption[0], caption_text, 0.45)
    close_hover = (0xC4, 0x2B, 0x1C)

    button_shape = SHAPES[(index // 4 + index) % 4]
    radius = 3 + index % 6 if button_shape == "rounded" else 0
    button_fill = GRADIENTS[(index + 1) % 3]
    if dark_buttons:
        button_text = WHITE
        face = readable_pair(hue, sat, 0.40, 0.30, WHITE, -0.01)
        hover = readable_pair(hue, min(1.0, sat + 0.2), 0.50, 0.40, WHITE, -0.01)
        pressed = readable_pair(hue, sat, 0.24, 0.20, WHITE, -0.01)
        border = hsl(hue, sat, 0.15)
        disabled = hsl(hue, sat * 0.3, 0.65)
    else:
        button_text = hsl(hue, 0.5, 0.12)
        face = readable_pair(hue, sat * 0.7, 0.93, 0.82, button_text, 0.01)
        hover = readable_pair(hue, min(1.0, sat + 0.3), 0.86, 0.78, button_text, 0.01)
        pressed = readable_pair(hue, sat * 0.8, 0.70, 0.76, button_text, 0.01)
        border = hsl(hue, sat * 0.8, 0.35)
        disabled = hsl(hue, sat * 0.2, 0.55)
    focus = hsl(accent, 0.75, 0.42)

    edit_bg = hsl(hue, sat * 0.5, 0.985) if index % 4 else WHITE
    edit_text = hsl(hue, 0.4, 0.08)
    edit_border = hsl(hue, sat * 0.7, 0.38)
    edit_focus = focus
    combo_bg = edit_bg
    combo_button = face[0]
    combo_arrow = button_text
    list_bg = edit_bg

    entries = [
        ("name", name),
        ("client.fill", client_fill), ("client.colour", hexc(client[0])), ("client.colour2", hexc(client[1])),
        ("caption.fill", caption_fill), ("caption.colour", hexc(caption[0])),
        ("caption.colour2", hexc(caption[1])), ("caption.text", hexc(caption_text)),
        ("caption.inactive.fill", caption_fill), ("caption.inactive.colour", hexc(inactive[0])),
        ("caption.inactive.colour2", hexc(inactive[1])), ("caption.inactive.text", hexc(inactive_text)),
        ("caption.align", "centre" if index % 3 == 1 else "left"),
        ("frame.style", frame_style), ("frame.colour", hexc(frame)),
        ("frame.light", hexc(frame_light)), ("frame.shadow", hexc(frame_shadow)),
        ("captionbutton.shape", cap_shape), ("captionbutton.face", hexc(cap_face)),
        ("captionbutton.hover", hexc(cap_hover)), ("captionbutton.pressed", hexc(cap_pressed)),
        ("captionbutton.glyph", hexc(caption_text)), ("captionbutton.close.hover", hexc(close_hover)),
        ("button.shape", button_shape), ("button.radius", str(radius)),
        ("button.fill", button_fill), ("button.colour", hexc(face[0])), ("button.colour2", hexc(face[1])),
        ("button.hover.fill", button_fill), ("button.hover.colour", hexc(hover[0])),
        ("button.hover.colour2", hexc(hover[1])),
        ("button.pressed.fill", button_fill), ("button.pressed.colour", hexc(pressed[0])),
        ("button.pressed.colour2", hexc(pressed[1])),
        ("button.text", hexc(button_text)), ("button.border", hexc(border)),
        ("button.focus", hexc(focus)), ("button.disabled.text", hexc(disabled)),
        ("edit.background", hexc(edit_bg)), ("edit.text", hexc(edit_text)),
        ("edit.border", hexc(edit_border)), ("edit.focus.border", hexc(edit_focus)),
        ("combo.background", hexc(combo_bg)), ("combo.text", hexc(edit_text)),
        ("combo.button", hexc(combo_button)), ("combo.arrow", hexc(combo_arrow)),
        ("list.background", hexc(list_bg)), ("list.text", hexc(edit_text)),
    ]
    lines = ["# Lexorin skin %02d: %s" % (index + 1, name)]
    lines += ["%s = %s" % (key, value) for key, value in entries]
    body = ("\n".join(lines) + "\n").encode("ascii")
    return b".SHE" + struct.pack("<HHI", 1, 0, len(body)) + body


def main():
    assert len(THEMES) == 55
    here = os.path.dirname(os.path.abspath(__file__))
    for index, (name, hue, sat) in enumerate(THEMES):
        with open(os.path.join(here, "skin%02d.she" % (index + 1)), "wb") as out:
            out.write(make_skin(index, name, hue, sat))


if __name__ == "__main__":
    main()
