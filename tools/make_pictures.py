#!/usr/bin/python3
"""Draws the pictures of the main window, the splash window and the welcome
page into res/pictures/ (see res/pictures/README.md for the list).

Everything is drawn here from a description: brushed blue-grey metal, bevels,
captions in Wine's Tahoma (Debian package fonts-wine). The outline of the main
window comes from tools/make_region.py, so that the frame follows the window
region. The output is the same at every run: the noise of the metal comes
from fixed seeds.

Needs Debian's python3-pil, which installs for /usr/bin/python3.

Usage: make_pictures.py [--out FOLDER] [--preview FOLDER]
  --out      where the pictures go (default: res/pictures beside tools/)
  --preview  also compose PNG previews of the main window, the splash window
             and the welcome page as the program will show them
"""
import argparse
import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import make_region  # noqa: E402

FONT_DIR = "/usr/share/wine/fonts"  # Tahoma, the program's own font
DISPLAY_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"  # the wordmarks
SS = 4  # supersampling factor for shapes drawn with smooth edges


def font(size, bold=False):
    # The basic layout places the hinted letters at whole pixels as Windows
    # does; the complex one leaves uneven gaps at this size.
    return ImageFont.truetype(os.path.join(FONT_DIR, "tahomabd.ttf" if bold else "tahoma.ttf"), size,
                              layout_engine=ImageFont.Layout.BASIC)


class Display:
    """A large text drawn at SS times its size and scaled down, so that its
    letters keep their spacing; Wine's Tahoma Bold is too light for this."""

    def __init__(self, size, path=DISPLAY_FONT):
        self.big = ImageFont.truetype(path, size * SS)

    def getbbox(self, text):
        return tuple(v / SS for v in self.big.getbbox(text))

    def mask(self, size, pos, text):
        w, h = size
        m = Image.new("L", (w * SS, h * SS), 0)
        ImageDraw.Draw(m).text((pos[0] * SS, pos[1] * SS), text, font=self.big, fill=255)
        return m.resize(size, Image.LANCZOS)


# ---------------------------------------------------------------------------
# Palette
# ---------------------------------------------------------------------------
METAL_TOP = (86, 97, 119)
METAL_BOTTOM = (50, 58, 75)
OUTLINE = (12, 15, 21)
EDGE_LIT = (170, 184, 208)
EDGE_SHADE = (26, 31, 41)
GROOVE_DARK = (24, 29, 39)
GROOVE_LIT = (112, 125, 150)
TITLE_STRIP = (34, 41, 55)  # flat: the title label is drawn on it
BUTTON_PANEL = (30, 36, 48)  # flat: the recess behind the page buttons
SPLASH_PANEL = (32, 39, 52)  # flat: the progress lines are drawn on it
CAPTION = (224, 231, 243)
CAPTION_LIT = (255, 255, 255)
GLOW = (105, 160, 255)
SILVER = (192, 192, 192)
KEY = (255, 0, 255)  # transparent colour of arrow.bmp

# Main window
MAIN_W, MAIN_H = 620, 440
PAGE = (5, 33, 451, 400)  # left, top, width, height of the page container
PAGE_BUTTON_X = 472
PAGE_BUTTON_YS = (134, 167, 200, 233, 266, 299)
PAGE_BUTTON_W, PAGE_BUTTON_H = 115, 24
PAGE_CAPTIONS = ("Systemeinstellungen", "Performance", "Systeminformationen", "Reparieren",
                 "Service und Optionen", "Produktinfo")
TITLE_BUTTONS = (("help", 466), ("min", 488), ("close", 510))  # at y = 8, 19 x 19
TITLE_BUTTON_Y, TITLE_BUTTON_SIZE = 8, 19
WEBLINK = (472, 392)  # the link picture; its underlay lies one pixel up and left
WEBLINK_W, WEBLINK_H = 117, 34
WEBLINK_TEXT = "www.halvorn.de"
TITLE_POS = (8, 7)

# Splash window
SPLASH_W, SPLASH_H = 530, 400
SPLASH_LOGO = (105, 40)  # where the program draws splash_logo.bmp
SPLASH_LOGO_W, SPLASH_LOGO_H = 320, 96
SPLASH_LINES_X, SPLASH_LINES_YS = 40, (250, 272, 294, 316)
SPLASH_BAR = (40, 345, 450, 12)
GAUGE_FRAME = (36, 341, 458, 20)  # Image3 of the splash window, around the bar
SPLASH_PANEL_BOX = (26, 236, 504, 370)
SPLASH_CAPTIONS = ("Lade Oberfläche...", "Lese System-Informationen...", "Lade Module...", "Erstelle Sicherung...")

# Welcome page (page coordinates)
WELCOME_W, WELCOME_H = 451, 400
WELCOME_PICTURE = (16, 16, 417, 369)
WELCOME_LABEL_X = 20
WELCOME_LABELS = (
    (107, ["Ändern Sie hier das System nach Ihren Vorstellungen und Bedürfnissen um."]),
    (134, ["Wird Ihr System immer träger? Duchsuchen Sie es dann nach Fehlern und", "Überflüssigem."]),
    (174, ["Erfahren Sie mehr über die aktuelle Systemauslastung und Ausstattung."]),
    (206, ["Sie können hier häufige Fehler im System reparieren und beheben."]),
    (232, ["Programm-Optionen, Zugriff auf die Hilfe-Funktionen und Rückgängig-", "Funktion finden Sie hier."]),
    (270, ["Informationen und Bestellmöglichkeiten finden Sie hier."]),
)
WELCOME_ARROW_X = 402  # arrows stand at the right edge of the picture area
ARROW_W, ARROW_H = 18, 17
TIP_BOX = (28, 311, 393, 63)
TIP_PICTURE = 32
WELCOME_TEXT = (24, 32, 48)  # colour of the labels on the picture


# ---------------------------------------------------------------------------
# Basic tools
# ---------------------------------------------------------------------------
def clamp(v):
    return 0 if v < 0 else 255 if v > 255 else int(v)


def mix(a, b, t):
    return tuple(clamp(x + (y - x) * t) for x, y in zip(a, b))


def vertical_gradient(w, h, stops):
    """stops: [(position 0..1, colour), ...] from top to bottom."""
    col = Image.new("RGB", (1, h))
    px = []
    for y in range(h):
        t = y / max(1, h - 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= t <= p1:
                px.append(mix(c0, c1, (t - p0) / max(1e-9, p1 - p0)))
                break
        else:
            px.append(stops[-1][1] if t > stops[-1][0] else stops[0][1])
    col.putdata(px)
    return col.resize((w, h), Image.NEAREST)


def grey(w, h, values):
    im = Image.new("L", (w, h))
    im.putdata(values)
    return im


def brushed_metal(w, h, seed, stops, strength=1.0):
    """Blue-grey metal brushed from left to right: streaks of several lengths
    laid over a vertical gradient."""
    rnd = random.Random(seed)
    base = vertical_gradient(w, h, stops)
    mod = Image.new("L", (w, h), 128)
    for cells, amp in ((w // 140 + 3, 5.0), (w // 30 + 3, 4.0), (w // 6 + 3, 2.5)):
        small = grey(cells, h, [clamp(128 + rnd.gauss(0, amp * strength)) for _ in range(cells * h)])
        mod = ImageChops.add(mod, small.resize((w, h), Image.BICUBIC), 1.0, -128)
    grain = grey(w, h, [clamp(128 + rnd.gauss(0, 2.2 * strength)) for _ in range(w * h)])
    mod = ImageChops.add(mod, grain, 1.0, -128)
    return ImageChops.add(base, Image.merge("RGB", (mod, mod, mod)), 1.0, -128)


def sheen(img, box, strength, slant=0.35):
    """A soft diagonal light across img inside box (brighter to the upper left)."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    small = Image.new("L", (32, 32))
    px = []
    for j in range(32):
        for i in range(32):
            d = (i / 31) * (1 - slant) + (j / 31) * slant
            v = math.cos(min(1.0, d) * math.pi / 2) ** 2
            px.append(clamp(128 + strength * v))
    small.putdata(px)
    layer = small.resize((w, h), Image.BILINEAR)
    region = img.crop(box)
    img.paste(ImageChops.add(region, Image.merge("RGB", (layer, layer, layer)), 1.0, -128), box[:2])


def solid(size, colour):
    return Image.new("RGB", size, colour)


def paint(img, colour_or_image, mask, at=(0, 0)):
    """Paints a colour (or a picture of the mask's size) through a mask."""
    src = colour_or_image if isinstance(colour_or_image, Image.Image) else solid(mask.size, colour_or_image)
    img.paste(src, at, mask)


def smooth_mask(size, draw_fn):
    """A mask drawn at SS times the size and scaled down: smooth edges."""
    w, h = size
    big = Image.new("L", (w * SS, h * SS), 0)
    draw_fn(ImageDraw.Draw(big), SS)
    return big.resize((w, h), Image.LANCZOS)


def rounded_mask(size, radius):
    w, h = size
    return smooth_mask(size, lambda d, s: d.rounded_rectangle((0, 0, w * s - 1, h * s - 1), radius * s, fill=255))


def scale_mask(mask, factor):
    return mask.point(lambda v: clamp(v * factor))


def text_mask(size, pos, text, fnt):
    if isinstance(fnt, Display):
        return fnt.mask(size, pos, text)
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).text(pos, text, font=fnt, fill=255)
    return m


def centred_text_pos(box, text, fnt):
    """Top left for text centred in box (x0, y0, x1, y1), by its ink."""
    x0, y0, x1, y1 = box
    l, t, r, b = fnt.getbbox(text)
    x, y = (x0 + x1 - (r - l)) / 2 - l, (y0 + y1 - (b - t)) / 2 - t
    return (x, y) if isinstance(fnt, Display) else (round(x), round(y))


def glow_text(img, pos, text, fnt, colour, glow=None, glow_radius=3, glow_strength=1.0,
              shadow=None, shadow_offset=(1, 1), shadow_blur=0, shadow_strength=1.0):
    """Text with an optional soft glow behind it and an optional shadow."""
    m = text_mask(img.size, pos, text, fnt)
    if glow is not None:
        g = m.filter(ImageFilter.GaussianBlur(glow_radius))
        paint(img, glow, scale_mask(g, glow_strength * 2.2))
    if shadow is not None:
        s = ImageChops.offset(m, *shadow_offset)
        if shadow_blur:
            s = s.filter(ImageFilter.GaussianBlur(shadow_blur))
        paint(img, shadow, scale_mask(s, shadow_strength))
    paint(img, colour, m)


def bevel_rect(draw, box, top_left, bottom_right):
    """A one-pixel bevel: lines along the top and left in one colour, along
    the bottom and right in the other. box is inclusive."""
    x0, y0, x1, y1 = box
    draw.line([(x0, y1), (x0, y0), (x1, y0)], fill=top_left)
    draw.line([(x1, y0 + 1), (x1, y1), (x0 + 1, y1)], fill=bottom_right)


def recess(img, box, radius, fill):
    """A flat recessed panel with rounded corners: a dark inner shadow at the
    top and left, a light rim at the bottom and right."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    rim = rounded_mask((w, h), radius)
    paint(img, GROOVE_LIT, rim, (x0, y0))
    inner = rounded_mask((w - 1, h - 1), radius)
    paint(img, GROOVE_DARK, inner, (x0, y0))
    body = rounded_mask((w - 2, h - 2), max(1, radius - 1))
    paint(img, fill, body, (x0 + 1, y0 + 1))
    # inner shadow falling from the upper edge
    shade = Image.new("L", (w - 2, h - 2), 0)
    sd = ImageDraw.Draw(shade)
    for i, a in enumerate((70, 40, 18)):
        sd.line([(0, i), (w - 3, i)], fill=a)
        sd.line([(i, 0), (i, h - 3)], fill=a)
    paint(img, (0, 0, 0), ImageChops.multiply(shade, body), (x0 + 1, y0 + 1))


def groove(img, x0, x1, y):
    d = ImageDraw.Draw(img)
    d.line([(x0, y), (x1, y)], fill=GROOVE_DARK)
    d.line([(x0 + 1, y + 1), (x1 + 1, y + 1)], fill=GROOVE_LIT)


# ---------------------------------------------------------------------------
# The emblem: a drop falling into rings of water (a spring, "Quell")
# ---------------------------------------------------------------------------
def drop_outline(cx, cy, r, k=2.3, steps=48):
    """Points of a drop: a circle of radius r about (cx, cy) with a tip k*r
    above its centre."""
    theta = math.acos(1 / k)
    pts = [(cx, cy - k * r)]
    start = -math.pi / 2 + theta  # the right tangent point (y grows downwards)
    for i in range(steps + 1):
        a = start + (2 * math.pi - 2 * theta) * i / steps
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def draw_emblem(img, cx, cy, r, rings=(1.9, 3.0, 4.2), ring_alpha=1.0):
    """A glowing drop of radius r (tip above) with rings beneath it."""
    w, h = img.size
    if rings:
        base_y = cy + r * 1.55
        for scale, a in zip(rings, (150, 95, 50)):
            rx = r * scale
            ry = rx * 0.22

            def ring(d, s, rx=rx, ry=ry):
                d.ellipse(((cx - rx) * s, (base_y - ry) * s, (cx + rx) * s, (base_y + ry) * s),
                          outline=255, width=max(1, int(1.2 * s)))

            m = smooth_mask((w, h), ring)
            paint(img, GLOW, scale_mask(m, a / 255 * ring_alpha))
    shape = smooth_mask((w, h), lambda d, s: d.polygon([(x * s, y * s) for x, y in drop_outline(cx, cy, r)], fill=255))
    halo = shape.filter(ImageFilter.GaussianBlur(r * 0.6))
    paint(img, GLOW, scale_mask(halo, 1.3))
    top = int(cy - 2.3 * r)
    body = vertical_gradient(w, h, [(0.0, (200, 232, 255)), (max(0.01, (cy - r * 0.2) / h), (96, 168, 250)),
                                   (min(0.99, (cy + r) / h), (30, 84, 190)), (1.0, (30, 84, 190))])
    if top > 0:
        body.paste(vertical_gradient(w, top, [(0.0, (200, 232, 255)), (1.0, (200, 232, 255))]), (0, 0))
    paint(img, body, shape)
    # rim and highlight
    rim = ImageChops.subtract(shape, shape.filter(ImageFilter.MinFilter(3)))
    paint(img, (16, 44, 110), scale_mask(rim, 0.6))
    hl = smooth_mask((w, h), lambda d, s: d.ellipse(((cx - r * 0.55) * s, (cy - r * 0.55) * s,
                                                      (cx - r * 0.05) * s, (cy + r * 0.05) * s), fill=255))
    paint(img, (255, 255, 255), scale_mask(hl.filter(ImageFilter.GaussianBlur(max(0.6, r * 0.12))), 0.75))


# ---------------------------------------------------------------------------
# The main window's background
# ---------------------------------------------------------------------------
def region_mask():
    m = Image.new("L", (make_region.WIDTH, make_region.HEIGHT), 0)
    d = ImageDraw.Draw(m)
    for y, spans in enumerate(make_region.rows()):
        for x0, x1 in spans:
            d.line([(x0, y), (x1 - 1, y)], fill=255)
    return m


def edge_rings(mask):
    """The outermost ring of the mask, and the next ring split into its lit
    side (outside above or to the left) and its shaded side."""
    pad = 2
    w, h = mask.size
    big = Image.new("L", (w + 2 * pad, h + 2 * pad), 0)
    big.paste(mask, (pad, pad))
    outside = ImageChops.invert(big)

    def near(m, dx, dy):
        return ImageChops.offset(m, dx, dy)

    any_out = ImageChops.lighter(ImageChops.lighter(near(outside, 1, 0), near(outside, -1, 0)),
                                 ImageChops.lighter(near(outside, 0, 1), near(outside, 0, -1)))
    ring1 = ImageChops.darker(big, any_out)
    inner = ImageChops.subtract(big, ring1)
    out2 = ImageChops.invert(inner)
    lit = ImageChops.darker(inner, ImageChops.lighter(near(out2, 1, 0), near(out2, 0, 1)))
    shade = ImageChops.darker(inner, ImageChops.lighter(near(out2, -1, 0), near(out2, 0, -1)))
    shade = ImageChops.subtract(shade, lit)
    crop = (pad, pad, pad + w, pad + h)
    return ring1.crop(crop), lit.crop(crop), shade.crop(crop)


def main_background():
    w, h = make_region.WIDTH, make_region.HEIGHT
    img = brushed_metal(w, h, 1, [(0.0, METAL_TOP), (0.55, mix(METAL_TOP, METAL_BOTTOM, 0.55)), (1.0, METAL_BOTTOM)])
    sheen(img, (0, 0, w, h), 26)
    d = ImageDraw.Draw(img)

    # Title strip: flat and calm, the title label is drawn on it at (8, 7).
    recess(img, (3, 3, 458, 30), 4, TITLE_STRIP)
    # Slot of the three title-bar buttons.
    recess(img, (462, 4, 533, 31), 5, BUTTON_PANEL)
    # Grip ridges on the wing: a place to take the window by.
    for x in range(552, 606, 4):
        d.line([(x, 11), (x, 24)], fill=GROOVE_DARK)
        d.line([(x + 1, 11), (x + 1, 24)], fill=GROOVE_LIT)

    # Page area: the page covers it; a sunken double edge around it.
    px, py, pw, ph = PAGE
    d.rectangle((px, py, px + pw - 1, py + ph - 1), fill=SILVER)
    bevel_rect(d, (px - 2, py - 2, px + pw + 1, py + ph + 1), mix(METAL_TOP, (0, 0, 0), 0.35), GROOVE_LIT)
    bevel_rect(d, (px - 1, py - 1, px + pw, py + ph), (14, 17, 24), (150, 163, 188))

    # The right column: wordmark, button recess, link.
    col_cx = PAGE_BUTTON_X + PAGE_BUTTON_W // 2
    draw_emblem(img, col_cx, 60, 8)
    word = Display(19)
    pos = centred_text_pos((col_cx - 70, 78, col_cx + 70, 101), "Quellwerk", word)
    glow_text(img, pos, "Quellwerk", word, (238, 244, 255), glow=GLOW, glow_radius=4, glow_strength=0.55,
              shadow=(8, 10, 16), shadow_offset=(1, 1), shadow_strength=0.8)
    small = font(9)
    tag = "S Y S T E M - T U N I N G"
    pos = centred_text_pos((col_cx - 70, 104, col_cx + 70, 113), tag, small)
    glow_text(img, pos, tag, small, (170, 190, 222), shadow=(10, 12, 18), shadow_strength=0.7)

    recess(img, (PAGE_BUTTON_X - 7, PAGE_BUTTON_YS[0] - 7, PAGE_BUTTON_X + PAGE_BUTTON_W + 7,
                 PAGE_BUTTON_YS[-1] + PAGE_BUTTON_H + 7), 6, BUTTON_PANEL)
    # The maker's mark between two grooves, above the link.
    groove(img, PAGE_BUTTON_X + 6, PAGE_BUTTON_X + PAGE_BUTTON_W - 7, 347)
    maker = "H A L V O R N"
    f = font(9, True)
    pos = centred_text_pos((col_cx - 60, 354, col_cx + 60, 366), maker, f)
    glow_text(img, pos, maker, f, (150, 166, 194), shadow=(12, 15, 22), shadow_strength=0.8)
    groove(img, PAGE_BUTTON_X + 6, PAGE_BUTTON_X + PAGE_BUTTON_W - 7, 373)

    # Frame edge following the window region.
    ring, lit, shade = edge_rings(region_mask())
    paint(img, EDGE_LIT, lit)
    paint(img, EDGE_SHADE, shade)
    paint(img, OUTLINE, ring)
    paint(img, OUTLINE, ImageChops.invert(region_mask()))
    return img.crop((0, 0, MAIN_W, MAIN_H))


# ---------------------------------------------------------------------------
# Buttons
# ---------------------------------------------------------------------------
def plate(size, radius, stops, border, top_light, bottom_dark, seed, texture=0.6):
    """A button plate: metal gradient, rounded, with a border and a soft
    inner highlight. Returns (picture, mask)."""
    w, h = size
    face = brushed_metal(w, h, seed, stops, strength=texture)
    mask = rounded_mask(size, radius)
    out = Image.new("RGB", size, border)
    inner = rounded_mask((w - 2, h - 2), max(1, radius - 1))
    out.paste(face.crop((1, 1, w - 1, h - 1)), (1, 1), inner)
    d = Image.new("L", (w - 2, h - 2), 0)
    dd = ImageDraw.Draw(d)
    dd.line([(radius - 1, 0), (w - 2 - radius, 0)], fill=255)
    dd.line([(0, radius - 1), (0, h - 3 - radius + 1)], fill=110)
    paint(out, top_light, ImageChops.multiply(d, inner), (1, 1))
    d = Image.new("L", (w - 2, h - 2), 0)
    dd = ImageDraw.Draw(d)
    dd.line([(radius - 1, h - 3), (w - 2 - radius, h - 3)], fill=255)
    dd.line([(w - 3, radius - 1), (w - 3, h - 3 - radius + 1)], fill=110)
    paint(out, bottom_dark, ImageChops.multiply(d, inner), (1, 1))
    return out, mask


def page_button(bg, x, y, caption, lit, seed):
    size = (PAGE_BUTTON_W, PAGE_BUTTON_H)
    pic = bg.crop((x, y, x + PAGE_BUTTON_W, y + PAGE_BUTTON_H))
    if lit:
        face, mask = plate(size, 4, [(0.0, (120, 178, 255)), (0.48, (58, 118, 222)), (0.52, (40, 96, 200)),
                                     (1.0, (34, 82, 178))],
                           (8, 24, 64), (206, 230, 255), (24, 58, 140), seed, texture=0.5)
        # a light that seems to come from inside
        centre = smooth_mask(size, lambda d, s: d.ellipse((10 * s, 4 * s, (PAGE_BUTTON_W - 10) * s, 26 * s), fill=255))
        paint(face, (150, 205, 255), scale_mask(centre.filter(ImageFilter.GaussianBlur(6)), 0.45))
        pic.paste(face, (0, 0), mask)
        f = font(11)
        pos = centred_text_pos((0, 0, PAGE_BUTTON_W, PAGE_BUTTON_H), caption, f)
        glow_text(pic, pos, caption, f, CAPTION_LIT, glow=(210, 235, 255), glow_radius=2, glow_strength=0.35,
                  shadow=(10, 36, 96), shadow_offset=(1, 1), shadow_strength=0.9)
    else:
        face, mask = plate(size, 4, [(0.0, (98, 110, 134)), (0.5, (70, 80, 101)), (1.0, (52, 60, 78))],
                           (10, 13, 19), (150, 164, 190), (36, 42, 56), seed)
        pic.paste(face, (0, 0), mask)
        f = font(11)
        pos = centred_text_pos((0, 0, PAGE_BUTTON_W, PAGE_BUTTON_H), caption, f)
        glow_text(pic, pos, caption, f, CAPTION, shadow=(14, 17, 24), shadow_offset=(1, 1), shadow_strength=0.85)
    return pic


def title_glyph(kind, size, offset):
    """Mask of the glyph of a title-bar button."""
    ox, oy = offset

    def draw(d, s):
        if kind == "min":
            d.rectangle(((5 + ox) * s, (11.5 + oy) * s, (13 + ox) * s, (13.6 + oy) * s), fill=255)
        elif kind == "close":
            for a, b in (((5.5, 5.5), (13.5, 13.5)), ((13.5, 5.5), (5.5, 13.5))):
                d.line([((a[0] + ox) * s, (a[1] + oy) * s), ((b[0] + ox) * s, (b[1] + oy) * s)],
                       fill=255, width=int(2.1 * s))
    if kind == "help":
        m = Image.new("L", (size, size), 0)
        f = font(12, True)
        pos = centred_text_pos((0, 0, size, size), "?", f)
        ImageDraw.Draw(m).text((pos[0] + ox, pos[1] + oy), "?", font=f, fill=255)
        return m
    return smooth_mask((size, size), draw)


def title_button(bg, kind, x, state, seed):
    n = TITLE_BUTTON_SIZE
    size = (n, n)
    pic = bg.crop((x, TITLE_BUTTON_Y, x + n, TITLE_BUTTON_Y + n))
    offset = (0, 0)
    if state == "n":
        face, mask = plate(size, 4, [(0.0, (104, 116, 140)), (1.0, (56, 65, 84))], (10, 13, 19),
                           (158, 172, 198), (36, 42, 56), seed)
        glyph_colour, shadow = CAPTION, (14, 17, 24)
    elif state == "a":
        if kind == "close":
            stops, border, hi, lo = [(0.0, (255, 140, 120)), (1.0, (176, 40, 32))], (60, 10, 8), (255, 200, 190), (110, 24, 18)
            shadow = (90, 16, 10)
        else:
            stops, border, hi, lo = [(0.0, (126, 184, 255)), (1.0, (36, 88, 190))], (8, 24, 64), (206, 230, 255), (24, 58, 140)
            shadow = (10, 36, 96)
        face, mask = plate(size, 4, stops, border, hi, lo, seed, texture=0.4)
        glyph_colour = CAPTION_LIT
    else:
        face, mask = plate(size, 4, [(0.0, (34, 40, 54)), (1.0, (66, 76, 96))], (6, 8, 12),
                           (22, 26, 36), (92, 104, 128), seed)
        glyph_colour, shadow, offset = (176, 208, 255), None, (1, 1)
    pic.paste(face, (0, 0), mask)
    g = title_glyph(kind, n, offset)
    if shadow is not None:
        paint(pic, shadow, ImageChops.offset(g, 1, 1))
    paint(pic, glyph_colour, g)
    return pic


# ---------------------------------------------------------------------------
# Web link
# ---------------------------------------------------------------------------
def globe_mask_and_face(d_size):
    n = d_size
    ball = smooth_mask((n, n), lambda d, s: d.ellipse((0.5 * s, 0.5 * s, (n - 0.5) * s, (n - 0.5) * s), fill=255))
    face = vertical_gradient(n, n, [(0.0, (140, 200, 255)), (0.6, (52, 120, 220)), (1.0, (24, 70, 160))])

    def lines(d, s):
        c = n / 2
        w = max(1, int(0.9 * s))
        d.ellipse((0.5 * s, 0.5 * s, (n - 0.5) * s, (n - 0.5) * s), outline=255, width=w)
        d.ellipse(((c - n * 0.22) * s, 0.5 * s, (c + n * 0.22) * s, (n - 0.5) * s), outline=255, width=w)
        d.line([(c * s, 0.5 * s), (c * s, (n - 0.5) * s)], fill=255, width=w)
        d.line([(0.5 * s, c * s), ((n - 0.5) * s, c * s)], fill=255, width=w)
        for yy in (n * 0.27, n * 0.73):
            half = math.sqrt(max(0.0, (n / 2) ** 2 - (yy - c) ** 2))
            d.line([((c - half) * s, yy * s), ((c + half) * s, yy * s)], fill=255, width=w)

    grid = smooth_mask((n, n), lines)
    paint(face, (200, 232, 255), scale_mask(grid, 0.75))
    return ball, face


def weblink_content(pic, colour, shadow_only=False):
    """Globe and address on pic, which is a crop of the background."""
    n = 16
    gx, gy = 6, (WEBLINK_H - n) // 2
    ball, face = globe_mask_and_face(n)
    f = font(11)
    tx = gx + n + 6
    ty = centred_text_pos((0, 0, 10, WEBLINK_H), WEBLINK_TEXT, f)[1]
    tm = text_mask(pic.size, (tx, ty), WEBLINK_TEXT, f)
    underline_y = ty + f.getbbox(WEBLINK_TEXT)[3] + 2
    ImageDraw.Draw(tm).line([(tx, underline_y), (tx + round(f.getlength(WEBLINK_TEXT)) - 1, underline_y)], fill=150)
    full = Image.new("L", pic.size, 0)
    full.paste(ball, (gx, gy))
    full = ImageChops.lighter(full, tm)
    if shadow_only:
        paint(pic, (0, 0, 0), scale_mask(full.filter(ImageFilter.GaussianBlur(1.2)), 0.7))
        return
    paint(pic, (8, 10, 16), scale_mask(ImageChops.offset(full, 1, 1), 0.8))
    halo = full.filter(ImageFilter.GaussianBlur(3))
    paint(pic, GLOW, scale_mask(halo, 0.35))
    paint(pic, face, ball, (gx, gy))
    paint(pic, colour, tm)


def weblink(bg):
    x, y = WEBLINK
    pic = bg.crop((x, y, x + WEBLINK_W, y + WEBLINK_H))
    weblink_content(pic, (214, 226, 246))
    return pic


def weblink_shadow(bg):
    x, y = WEBLINK[0] - 1, WEBLINK[1] - 1
    pic = bg.crop((x, y, x + WEBLINK_W, y + WEBLINK_H))
    weblink_content(pic, None, shadow_only=True)
    return pic


# ---------------------------------------------------------------------------
# Splash window
# ---------------------------------------------------------------------------
def splash_background():
    w, h = SPLASH_W, SPLASH_H
    img = brushed_metal(w, h, 2, [(0.0, METAL_TOP), (0.5, mix(METAL_TOP, METAL_BOTTOM, 0.5)), (1.0, METAL_BOTTOM)])
    sheen(img, (0, 0, w, h), 30)
    d = ImageDraw.Draw(img)
    # a soft pool of light behind the logo
    pool = smooth_mask((w, h), lambda dd, s: dd.ellipse((85 * s, 25 * s, 445 * s, 150 * s), fill=255))
    paint(img, (120, 150, 205), scale_mask(pool.filter(ImageFilter.GaussianBlur(40)), 0.35))
    sub = "System-Tuning für Windows 95, 98 und ME"
    f = font(12)
    pos = centred_text_pos((0, 142, w, 158), sub, f)
    glow_text(img, pos, sub, f, (200, 212, 234), shadow=(12, 15, 22), shadow_strength=0.8)
    groove(img, 40, w - 42, 176)
    note = "Das Programm wird gestartet. Bitte haben Sie einen Moment Geduld."
    f = font(11)
    pos = centred_text_pos((0, 190, w, 204), note, f)
    glow_text(img, pos, note, f, (176, 190, 214), shadow=(12, 15, 22), shadow_strength=0.7)
    recess(img, SPLASH_PANEL_BOX, 6, SPLASH_PANEL)
    maker = "H A L V O R N"
    f = font(9, True)
    pos = centred_text_pos((w - 170, 376, w - 24, 390), maker, f)
    glow_text(img, pos, maker, f, (150, 166, 194), shadow=(12, 15, 22), shadow_strength=0.8)
    # frame: outline, lit and shaded edge, a second inner edge
    d.rectangle((0, 0, w - 1, h - 1), outline=OUTLINE)
    bevel_rect(d, (1, 1, w - 2, h - 2), EDGE_LIT, EDGE_SHADE)
    bevel_rect(d, (5, 5, w - 6, h - 6), GROOVE_DARK, GROOVE_LIT)
    return img


def splash_logo(bg):
    x, y = SPLASH_LOGO
    pic = bg.crop((x, y, x + SPLASH_LOGO_W, y + SPLASH_LOGO_H))
    draw_emblem(pic, 39, 58, 14, rings=(1.9, 2.7), ring_alpha=0.9)
    f = Display(40)
    l, t, r, b = f.getbbox("Quellwerk")
    pos = (69 - l, (SPLASH_LOGO_H - (b - t)) / 2 - t)
    glow_text(pic, pos, "Quellwerk", f, (240, 246, 255), glow=GLOW, glow_radius=6, glow_strength=0.5,
              shadow=(6, 8, 14), shadow_offset=(2, 2), shadow_blur=1.5, shadow_strength=0.8)
    return pic


# ---------------------------------------------------------------------------
# Welcome page
# ---------------------------------------------------------------------------
def welcome_picture():
    _, _, w, h = WELCOME_PICTURE
    img = vertical_gradient(w, h, [(0.0, (252, 253, 255)), (0.6, (240, 244, 250)), (1.0, (222, 230, 242))])
    # header: a blue band with a wave for its lower edge
    band_h = 76
    header = vertical_gradient(w, band_h + 12, [(0.0, (64, 120, 206)), (0.6, (40, 92, 182)), (1.0, (30, 74, 160))])
    sheen(header, (0, 0, w, band_h + 12), 40, 0.6)

    def wave(d, s):
        pts = [(0, 0), (w * s, 0)]
        for i in range(64, -1, -1):
            x = w * i / 64
            y = band_h - 6 + 5 * math.sin(x / w * math.pi * 2.0 + 0.6)
            pts.append((x * s, y * s))
        d.polygon(pts, fill=255)

    wave_mask = smooth_mask((w, band_h + 12), wave)
    # a light line under the wave
    lighter = ImageChops.offset(wave_mask, 0, 2)
    paint(img, (160, 196, 240), lighter)
    paint(img, header, wave_mask)
    draw_emblem(img, w - 46, 32, 10, ring_alpha=0.8)
    f = Display(18)
    glow_text(img, (18, 13), "Willkommen bei Quellwerk", f, (255, 255, 255), shadow=(16, 40, 96),
              shadow_offset=(1, 1), shadow_blur=1, shadow_strength=0.8)
    f = font(11)
    glow_text(img, (20, 42), "Ihr Werkzeug für ein schnelles und stabiles Windows.", f, (214, 230, 252),
              shadow=(16, 40, 96), shadow_strength=0.6)
    # a faint drop as a watermark in the lower right, behind the labels' ends
    mark_mask = smooth_mask((w, h), lambda d, s: d.polygon(
        [(x * s, y * s) for x, y in drop_outline(w - 70, h - 150, 46)], fill=255))
    paint(img, (206, 220, 240), scale_mask(mark_mask, 0.45))
    # guide for the eye: a thin rule at the left of the labels
    d = ImageDraw.Draw(img)
    d.line([(0, band_h + 6), (0, h - 1)], fill=(200, 210, 226))
    # the tip box's shadow (the box itself is a panel drawn by the program)
    bx, by, bw, bh = TIP_BOX
    bx -= WELCOME_PICTURE[0]
    by -= WELCOME_PICTURE[1]
    sh = Image.new("L", (w, h), 0)
    ImageDraw.Draw(sh).rectangle((bx + 3, by + 3, bx + bw + 2, by + bh + 2), fill=255)
    paint(img, (110, 124, 150), scale_mask(sh.filter(ImageFilter.GaussianBlur(2.5)), 0.55))
    f = font(11, True)
    glow_text(img, (bx + 1, by - 15), "Tipp des Tages", f, (40, 80, 150))
    # a frame around the picture
    d.rectangle((0, 0, w - 1, h - 1), outline=(120, 132, 154))
    return img


def arrow():
    w, h = ARROW_W, ARROW_H
    bg = (244, 247, 251)  # the picture's colour where the arrows stand

    def shape(d, s):
        cy = h / 2
        pts = [(1, cy - 3.5), (9, cy - 3.5), (9, 1), (17, cy), (9, h - 1), (9, cy + 3.5), (1, cy + 3.5)]
        d.polygon([(x * s, y * s) for x, y in pts], fill=255)

    m = smooth_mask((w, h), shape)
    face = vertical_gradient(w, h, [(0.0, (120, 180, 255)), (0.5, (46, 110, 214)), (1.0, (24, 66, 160))])
    rim = ImageChops.subtract(m, m.filter(ImageFilter.MinFilter(3)))
    pic = Image.new("RGB", (w, h), bg)
    paint(pic, face, m)
    paint(pic, (14, 42, 108), scale_mask(rim, 0.7))
    # pixels mostly outside the arrow become the key colour
    keyed = m.point(lambda v: 255 if v < 110 else 0)
    paint(pic, KEY, keyed)
    return pic


def tip_picture():
    n = TIP_PICTURE
    pic = Image.new("RGB", (n, n), (255, 255, 255))
    cx = n / 2
    glass = smooth_mask((n, n), lambda d, s: (
        d.ellipse(((cx - 9) * s, 2 * s, (cx + 9) * s, 20 * s), fill=255),
        d.polygon([((cx - 7.2) * s, 15 * s), ((cx + 7.2) * s, 15 * s), ((cx + 4.5) * s, 23 * s),
                   ((cx - 4.5) * s, 23 * s)], fill=255)))
    halo = glass.filter(ImageFilter.GaussianBlur(3))
    paint(pic, (255, 236, 140), scale_mask(halo, 0.9))
    face = vertical_gradient(n, n, [(0.0, (255, 252, 200)), (0.45, (255, 222, 70)), (0.8, (236, 168, 20)),
                                    (1.0, (236, 168, 20))])
    paint(pic, face, glass)
    rim = ImageChops.subtract(glass, glass.filter(ImageFilter.MinFilter(3)))
    paint(pic, (170, 110, 10), scale_mask(rim, 0.8))
    hl = smooth_mask((n, n), lambda d, s: d.ellipse(((cx - 6) * s, 5 * s, (cx - 1) * s, 11 * s), fill=255))
    paint(pic, (255, 255, 255), scale_mask(hl.filter(ImageFilter.GaussianBlur(0.8)), 0.9))
    filament = smooth_mask((n, n), lambda d, s: d.line(
        [((cx - 3) * s, 16 * s), ((cx - 1.5) * s, 12 * s), ((cx) * s, 16 * s), ((cx + 1.5) * s, 12 * s),
         ((cx + 3) * s, 16 * s)], fill=255, width=int(0.9 * s)))
    paint(pic, (200, 100, 10), filament)
    base = smooth_mask((n, n), lambda d, s: d.rounded_rectangle(((cx - 4.5) * s, 23 * s, (cx + 4.5) * s, 29 * s),
                                                                1.5 * s, fill=255))
    metal = vertical_gradient(n, n, [(0.0, (210, 214, 222)), (0.75, (170, 176, 188)), (1.0, (110, 116, 128))])
    paint(pic, metal, base)
    threads = smooth_mask((n, n), lambda d, s: [d.line([((cx - 4.5) * s, y * s), ((cx + 4.5) * s, y * s)],
                                                       fill=255, width=int(0.8 * s)) for y in (25, 27)])
    paint(pic, (120, 126, 138), threads)
    tipm = smooth_mask((n, n), lambda d, s: d.ellipse(((cx - 2) * s, 28 * s, (cx + 2) * s, 31 * s), fill=255))
    paint(pic, (80, 84, 94), tipm)
    return pic


# ---------------------------------------------------------------------------
# Settings window and its pages (page coordinates)
# ---------------------------------------------------------------------------
SETTINGS_BUTTON_W, SETTINGS_BUTTON_H = 105, 26
SETTINGS_CAPTIONS = ("Bootvorgang", "Oberfläche", "System", "Weiteres")
BOOT_DECOR = (290, 7, 152, 357)
BOOT_PREVIEWS = ((311, 28), (311, 140), (311, 252))  # 110 x 77 each
BOOT_FRAME_ICONS = ("menu", "safe", "clock", "os", "scan", "log", "keys", "pack", "disk")
BOOT_TABS = ("menu", "gear", "more")


def small_icon(kind, n, fg, bg=None):
    """A simple glyph of n x n pixels: menu lines, a gear, a clock, ..."""
    pic = Image.new("RGB", (n, n), bg or SILVER)
    s = n / 32.0

    def box(x0, y0, x1, y1):
        return (x0 * s * SS, y0 * s * SS, x1 * s * SS, y1 * s * SS)

    def mask(fn):
        return smooth_mask((n, n), lambda d, ss: fn(d))

    plate_mask = mask(lambda d: d.rounded_rectangle(box(2, 2, 30, 30), 6 * s * SS, fill=255))
    paint(pic, vertical_gradient(n, n, [(0.0, tuple(min(255, c + 60) for c in fg)), (1.0, fg)]), plate_mask)
    white = (255, 255, 255)
    if kind == "menu":
        for y in (9, 15, 21):
            paint(pic, white, mask(lambda d, y=y: d.rectangle(box(8, y, 24, y + 3), fill=255)))
    elif kind == "safe":
        paint(pic, white, mask(lambda d: d.polygon([(16 * s * SS, 6 * s * SS), (25 * s * SS, 10 * s * SS),
                                                     (23 * s * SS, 22 * s * SS), (16 * s * SS, 27 * s * SS),
                                                     (9 * s * SS, 22 * s * SS), (7 * s * SS, 10 * s * SS)],
                                                    fill=255)))
    elif kind == "clock":
        paint(pic, white, mask(lambda d: d.ellipse(box(7, 7, 25, 25), outline=255, width=int(2.5 * s * SS))))
        paint(pic, white, mask(lambda d: d.line([box(16, 16, 16, 10)[:2], box(16, 10, 16, 10)[:2]],
                                                fill=255, width=int(2 * s * SS))))
        paint(pic, white, mask(lambda d: d.line([box(16, 16, 0, 0)[:2], box(21, 18, 0, 0)[:2]],
                                                fill=255, width=int(2 * s * SS))))
    elif kind == "os":
        for i, (x, y) in enumerate(((8, 8), (17, 8), (8, 17), (17, 17))):
            paint(pic, white, mask(lambda d, x=x, y=y: d.rectangle(box(x, y, x + 7, y + 7), fill=255)))
    elif kind == "scan":
        paint(pic, white, mask(lambda d: d.ellipse(box(7, 7, 21, 21), outline=255, width=int(2.5 * s * SS))))
        paint(pic, white, mask(lambda d: d.line([box(19, 19, 0, 0)[:2], box(25, 25, 0, 0)[:2]],
                                                fill=255, width=int(3 * s * SS))))
    elif kind == "log":
        paint(pic, white, mask(lambda d: d.rectangle(box(9, 6, 23, 26), fill=255)))
        for y in (10, 14, 18, 22):
            paint(pic, fg, mask(lambda d, y=y: d.rectangle(box(11, y, 21, y + 1), fill=255)))
    elif kind == "keys":
        for x in (6, 17):
            paint(pic, white, mask(lambda d, x=x: d.rounded_rectangle(box(x, 10, x + 9, 22), 2 * s * SS,
                                                                       fill=255)))
    elif kind == "pack":
        paint(pic, white, mask(lambda d: d.rectangle(box(8, 8, 24, 24), fill=255)))
        paint(pic, fg, mask(lambda d: d.rectangle(box(14, 8, 18, 24), fill=255)))
    elif kind == "disk":
        paint(pic, white, mask(lambda d: d.rounded_rectangle(box(6, 11, 26, 21), 2 * s * SS, fill=255)))
        paint(pic, (90, 230, 90), mask(lambda d: d.ellipse(box(20, 14, 24, 18), fill=255)))
    elif kind == "gear":
        paint(pic, white, mask(lambda d: d.ellipse(box(8, 8, 24, 24), fill=255)))
        for a in range(0, 360, 45):
            x = 16 + 10 * math.cos(math.radians(a))
            y = 16 + 10 * math.sin(math.radians(a))
            paint(pic, white, mask(lambda d, x=x, y=y: d.ellipse(box(x - 3, y - 3, x + 3, y + 3), fill=255)))
        paint(pic, fg, mask(lambda d: d.ellipse(box(13, 13, 19, 19), fill=255)))
    elif kind == "more":
        for x in (8, 15, 22):
            paint(pic, white, mask(lambda d, x=x: d.ellipse(box(x - 2, 14, x + 2, 18), fill=255)))
    elif kind == "info":
        paint(pic, white, mask(lambda d: d.ellipse(box(13.5, 6, 18.5, 11), fill=255)))
        paint(pic, white, mask(lambda d: d.rectangle(box(14, 13, 18, 26), fill=255)))
    elif kind == "tools":
        paint(pic, white, mask(lambda d: d.line([box(9, 23, 0, 0)[:2], box(21, 11, 0, 0)[:2]],
                                                fill=255, width=int(4 * s * SS))))
        paint(pic, white, mask(lambda d: d.ellipse(box(17, 5, 27, 15), fill=255)))
        paint(pic, fg, mask(lambda d: d.rectangle(box(21, 5, 24, 10), fill=255)))
    elif kind == "book":
        paint(pic, white, mask(lambda d: d.polygon([(6 * s * SS, 9 * s * SS), (15 * s * SS, 11 * s * SS),
                                                     (15 * s * SS, 25 * s * SS), (6 * s * SS, 23 * s * SS)],
                                                    fill=255)))
        paint(pic, white, mask(lambda d: d.polygon([(17 * s * SS, 11 * s * SS), (26 * s * SS, 9 * s * SS),
                                                     (26 * s * SS, 23 * s * SS), (17 * s * SS, 25 * s * SS)],
                                                    fill=255)))
    elif kind == "undo":
        paint(pic, white, mask(lambda d: d.arc(box(9, 9, 25, 25), 180, 90, fill=255, width=int(3 * s * SS))))
        paint(pic, white, mask(lambda d: d.polygon([(5 * s * SS, 15 * s * SS), (13 * s * SS, 15 * s * SS),
                                                     (9 * s * SS, 21 * s * SS)], fill=255)))
    return pic


SETTINGS_ICON_COLOURS = ((40, 96, 200), (40, 150, 110), (190, 110, 30), (140, 60, 170))


def settings_button(k, pressed):
    """A button of the settings window: dark plate (light when pressed),
    a small icon and the caption."""
    size = (SETTINGS_BUTTON_W, SETTINGS_BUTTON_H)
    pic = Image.new("RGB", size, SILVER)
    if pressed:
        face, mask = plate(size, 3, [(0.0, (236, 240, 248)), (1.0, (196, 204, 220))], (96, 104, 120),
                           (255, 255, 255), (150, 158, 176), 400 + k, texture=0.3)
        colour, shadow = (20, 28, 44), None
    else:
        face, mask = plate(size, 3, [(0.0, (98, 110, 134)), (0.5, (70, 80, 101)), (1.0, (52, 60, 78))],
                           (10, 13, 19), (150, 164, 190), (36, 42, 56), 410 + k)
        colour, shadow = CAPTION, (14, 17, 24)
    pic.paste(face, (0, 0), mask)
    icon = small_icon(("menu", "os", "gear", "more")[k], 16, SETTINGS_ICON_COLOURS[k])
    icon_mask = rounded_mask((16, 16), 4)
    pic.paste(icon, (6, 5), icon_mask)
    f = font(11)
    caption = SETTINGS_CAPTIONS[k]
    x0, y0, x1, y1 = f.getbbox(caption)
    pos = (28 + (SETTINGS_BUTTON_W - 32 - (x1 - x0)) // 2 - x0, (SETTINGS_BUTTON_H - (y1 - y0)) // 2 - y0)
    if shadow:
        glow_text(pic, pos, caption, f, colour, shadow=shadow, shadow_offset=(1, 1), shadow_strength=0.85)
    else:
        ImageDraw.Draw(pic).text(pos, caption, font=f, fill=colour)
    return pic


SERVICE_BUTTONS = (("service_about", "Über...", "info", (40, 96, 200)),
                   ("service_options", "Optionen", "tools", (40, 150, 110)),
                   ("service_help", "Hilfe", "book", (190, 110, 30)),
                   ("service_undo", "Rückgängig", "undo", (140, 60, 170)))


def service_button(k, pressed):
    """A button of the service page, drawn like those of the settings
    window: "Über...", "Optionen", "Hilfe", "Rückgängig" from left to right."""
    _, caption, kind, icon_colour = SERVICE_BUTTONS[k]
    size = (SETTINGS_BUTTON_W, SETTINGS_BUTTON_H)
    pic = Image.new("RGB", size, SILVER)
    if pressed:
        face, mask = plate(size, 3, [(0.0, (236, 240, 248)), (1.0, (196, 204, 220))], (96, 104, 120),
                           (255, 255, 255), (150, 158, 176), 500 + k, texture=0.3)
        colour, shadow = (20, 28, 44), None
    else:
        face, mask = plate(size, 3, [(0.0, (98, 110, 134)), (0.5, (70, 80, 101)), (1.0, (52, 60, 78))],
                           (10, 13, 19), (150, 164, 190), (36, 42, 56), 510 + k)
        colour, shadow = CAPTION, (14, 17, 24)
    pic.paste(face, (0, 0), mask)
    pic.paste(small_icon(kind, 16, icon_colour), (6, 5), rounded_mask((16, 16), 4))
    f = font(11)
    x0, y0, x1, y1 = f.getbbox(caption)
    pos = (28 + (SETTINGS_BUTTON_W - 32 - (x1 - x0)) // 2 - x0, (SETTINGS_BUTTON_H - (y1 - y0)) // 2 - y0)
    if shadow:
        glow_text(pic, pos, caption, f, colour, shadow=shadow, shadow_offset=(1, 1), shadow_strength=0.85)
    else:
        ImageDraw.Draw(pic).text(pos, caption, font=f, fill=colour)
    return pic


def boot_decor():
    """The right part of the boot page: brushed metal with three sunken
    beds for the previews and a label strip below each."""
    _, _, w, h = BOOT_DECOR
    pic = brushed_metal(w, h, 420, [(0.0, (150, 160, 180)), (1.0, (110, 120, 142))], strength=0.5)
    draw = ImageDraw.Draw(pic)
    bevel_rect(draw, (0, 0, w - 1, h - 1), (210, 216, 228), (70, 78, 96))
    for x, y in BOOT_PREVIEWS:
        px, py = x - BOOT_DECOR[0], y - BOOT_DECOR[1]
        draw.rectangle((px - 4, py - 4, px + 113, py + 80), fill=(60, 68, 86))
        bevel_rect(draw, (px - 5, py - 5, px + 114, py + 81), (70, 78, 96), (210, 216, 228))
        draw.rectangle((px, py, px + 109, py + 76), fill=(0, 0, 0))
    return pic


def default_start_picture():
    """The built-in start picture, 109 x 81: a sky with clouds, standing
    for the system's own start screen."""
    w, h = 109, 81
    pic = vertical_gradient(w, h, [(0.0, (40, 90, 190)), (0.6, (110, 160, 230)), (1.0, (170, 200, 240))])
    rnd = random.Random(7)
    clouds = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(clouds)
    for _ in range(26):
        cx, cy, r = rnd.uniform(0, w), rnd.uniform(h * 0.35, h), rnd.uniform(5, 13)
        d.ellipse((cx - r * 1.6, cy - r, cx + r * 1.6, cy + r), fill=rnd.randint(120, 220))
    paint(pic, (250, 250, 255), clouds.filter(ImageFilter.GaussianBlur(3)))
    for i, (x, y) in enumerate(((42, 18), (55, 18), (42, 31), (55, 31))):
        colour = ((230, 60, 40), (60, 170, 60), (40, 90, 220), (250, 200, 30))[i]
        ImageDraw.Draw(pic).rectangle((x, y, x + 11, y + 11), fill=colour)
    return pic


def write_page_pictures(out):
    for k in range(4):
        save_bmp(settings_button(k, False), os.path.join(out, "settings%d_n.bmp" % (k + 1)))
        save_bmp(settings_button(k, True), os.path.join(out, "settings%d_d.bmp" % (k + 1)))
    save_bmp(boot_decor(), os.path.join(out, "boot_decor.bmp"))
    save_bmp(default_start_picture(), os.path.join(out, "boot_default_logo.bmp"))
    for i, kind in enumerate(BOOT_FRAME_ICONS):
        save_bmp(small_icon(kind, 32, SETTINGS_ICON_COLOURS[i % 4]), os.path.join(out, "boot_icon%d.bmp" % (i + 1)))
    for i, kind in enumerate(BOOT_TABS):
        save_bmp(small_icon(kind, 16, SETTINGS_ICON_COLOURS[i]), os.path.join(out, "boot_tab%d.bmp" % (i + 1)))
    for k, (name, _, _, _) in enumerate(SERVICE_BUTTONS):
        save_bmp(service_button(k, False), os.path.join(out, name + "_n.bmp"))
        save_bmp(service_button(k, True), os.path.join(out, name + "_d.bmp"))


PAGE_DECOR_SIZE = (178, 323)  # interface, system and network pages, at 262, 7
PAGE_ICON_KINDS = ("menu", "safe", "clock", "os", "scan", "log", "keys", "pack", "disk", "gear", "more")


def page_decor():
    """The right part of the interface, system and network pages: light
    brushed metal under the six launcher buttons, with a bevelled edge."""
    w, h = PAGE_DECOR_SIZE
    pic = brushed_metal(w, h, 430, [(0.0, (226, 230, 238)), (1.0, (188, 194, 208))], strength=0.35)
    draw = ImageDraw.Draw(pic)
    bevel_rect(draw, (0, 0, w - 1, h - 1), (250, 252, 255), (110, 118, 136))
    draw.line((8, 240, w - 9, 240), fill=(150, 158, 176))
    draw.line((8, 241, w - 9, 241), fill=(250, 252, 255))
    return pic


def morph_frame(k, count=4):
    """Frame k of the small animated applet button: a round knob that
    lights up from grey-blue to bright blue with a white arrow."""
    n = 20
    pic = Image.new("RGB", (n, n), SILVER)
    t = k / (count - 1)
    face = mix((96, 108, 134), (40, 110, 230), t)
    m = smooth_mask((n, n), lambda d, ss: d.ellipse((1 * SS, 1 * SS, 19 * SS, 19 * SS), fill=255))
    paint(pic, vertical_gradient(n, n, [(0.0, tuple(min(255, c + 70) for c in face)), (1.0, face)]), m)
    arrow = smooth_mask((n, n), lambda d, ss: d.polygon([(8 * SS, 5 * SS), (14 * SS, 10 * SS), (8 * SS, 15 * SS)],
                                                         fill=255))
    paint(pic, (255, 255, 255), arrow)
    return pic


def write_settings_page_pictures(out):
    save_bmp(page_decor(), os.path.join(out, "page_decor.bmp"))
    for i, kind in enumerate(PAGE_ICON_KINDS):
        colour = SETTINGS_ICON_COLOURS[i % 4]
        save_bmp(small_icon(kind, 32, colour), os.path.join(out, "page_%s.bmp" % kind))
        save_bmp(small_icon(kind, 32, SETTINGS_ICON_COLOURS[(i + 1) % 4]), os.path.join(out, "launch_%s.bmp" % kind))
        save_bmp(small_icon(kind, 16, colour), os.path.join(out, "applet_%s.bmp" % kind))
    for k in range(4):
        save_bmp(morph_frame(k), os.path.join(out, "morph%d.bmp" % (k + 1)))


# ---------------------------------------------------------------------------
# Output
# ---------------------------------------------------------------------------
def gauge_frame(bg):
    """The frame the splash window shows around its progress bar while the
    breakpoint is written: the panel of the background with a sunken double
    bevel, cut where the program draws it."""
    x, y, w, h = GAUGE_FRAME
    pic = bg.crop((x, y, x + w, y + h)).copy()
    d = ImageDraw.Draw(pic)
    bevel_rect(d, (0, 0, w - 1, h - 1), (24, 30, 40), (150, 164, 190))
    bevel_rect(d, (1, 1, w - 2, h - 2), (12, 15, 22), (96, 108, 132))
    d.rectangle((2, 2, w - 3, h - 3), fill=(26, 32, 44))
    return pic


def save_bmp(pic, path):
    pic.convert("RGB").save(path, "BMP")


def save_jpeg(pic, path):
    pic.convert("RGB").save(path, "JPEG", quality=90, subsampling=0, optimize=False)


def write_pictures(out):
    os.makedirs(out, exist_ok=True)
    save_jpeg(main_background(), os.path.join(out, "main_background.jpg"))
    # The pictures that lie on the background are cut from it as the program
    # will decode it, so that their corners meet it without a seam.
    bg = Image.open(os.path.join(out, "main_background.jpg")).convert("RGB")
    for k, (caption, y) in enumerate(zip(PAGE_CAPTIONS, PAGE_BUTTON_YS), start=1):
        save_bmp(page_button(bg, PAGE_BUTTON_X, y, caption, False, 100 + k), os.path.join(out, "button%02d.bmp" % (2 * k - 1)))
        save_bmp(page_button(bg, PAGE_BUTTON_X, y, caption, True, 200 + k), os.path.join(out, "button%02d.bmp" % (2 * k)))
    for i, (kind, x) in enumerate(TITLE_BUTTONS):
        for state in "nad":
            save_bmp(title_button(bg, kind, x, state, 300 + i), os.path.join(out, "%s_%s.bmp" % (kind, state)))
    save_bmp(weblink(bg), os.path.join(out, "weblink.bmp"))
    save_bmp(weblink_shadow(bg), os.path.join(out, "weblink_shadow.bmp"))

    save_jpeg(splash_background(), os.path.join(out, "splash_background.jpg"))
    sbg = Image.open(os.path.join(out, "splash_background.jpg")).convert("RGB")
    save_bmp(splash_logo(sbg), os.path.join(out, "splash_logo.bmp"))

    save_bmp(gauge_frame(sbg), os.path.join(out, "gauge_frame.bmp"))

    save_jpeg(welcome_picture(), os.path.join(out, "welcome_picture.jpg"))
    save_bmp(arrow(), os.path.join(out, "arrow.bmp"))
    save_bmp(tip_picture(), os.path.join(out, "tip.bmp"))
    write_page_pictures(out)

    save_jpeg(order_picture(), os.path.join(out, "order_picture.jpg"))
    save_bmp(bullet(), os.path.join(out, "bullet.bmp"))
    write_settings_page_pictures(out)


# ---------------------------------------------------------------------------
# Product information page
# ---------------------------------------------------------------------------
ORDER_PICTURE = (160, 124)  # inside its frame at the top left of the page
BULLET = 12


def order_picture():
    w, h = ORDER_PICTURE
    img = vertical_gradient(w, h, [(0.0, (64, 120, 206)), (0.55, (36, 86, 176)), (1.0, (22, 58, 136))])
    sheen(img, (0, 0, w, h), 36, 0.5)
    # the box of the product, standing slightly turned
    box = smooth_mask((w, h), lambda d, s: d.polygon(
        [(x * s, y * s) for x, y in ((44, 22), (124, 16), (126, 104), (46, 110))], fill=255))
    side = smooth_mask((w, h), lambda d, s: d.polygon(
        [(x * s, y * s) for x, y in ((32, 28), (44, 22), (46, 110), (34, 104))], fill=255))
    face = vertical_gradient(w, h, [(0.0, (250, 252, 255)), (1.0, (206, 218, 236))])
    shadow = ImageChops.offset(box, 5, 4).filter(ImageFilter.GaussianBlur(3))
    paint(img, (10, 24, 60), scale_mask(shadow, 0.6))
    paint(img, face, box)
    paint(img, (150, 168, 200), side)
    draw_emblem(img, 85, 50, 9, ring_alpha=0.9)
    f = font(11, True)
    glow_text(img, (54, 76), "Quellwerk", f, (30, 70, 150))
    f = font(9)
    glow_text(img, (56, 92), "für Windows 9x", f, (70, 90, 130))
    return img


def bullet():
    n = BULLET
    m = smooth_mask((n, n), lambda d, s: d.ellipse((2 * s, 2 * s, (n - 2) * s, (n - 2) * s), fill=255))
    face = vertical_gradient(n, n, [(0.0, (130, 186, 255)), (1.0, (26, 70, 166))])
    pic = Image.new("RGB", (n, n), (192, 192, 192))  # silver, the page's colour
    paint(pic, face, m)
    paint(pic, KEY, m.point(lambda v: 255 if v < 110 else 0))
    return pic


# ---------------------------------------------------------------------------
# Previews: the windows as the program will show them
# ---------------------------------------------------------------------------
def load(out, name):
    return Image.open(os.path.join(out, name)).convert("RGB")


def shadow_label(img, pos, text, colour):
    """The page title as the program draws it: bold italic Tahoma 8 pt,
    anti-aliased, black shadow offset 2, 2, blur 3, 60 % opacity."""
    f = font(11, True)
    m = text_mask((img.width + 40, img.height), (pos[0] + 4, pos[1]), text, f)
    shear = 0.2
    m = m.transform(m.size, Image.AFFINE, (1, shear, -shear * (pos[1] + 11), 0, 1, 0), Image.BICUBIC)
    m = m.crop((4, 0, 4 + img.width, img.height))
    s = ImageChops.offset(m, 2, 2).filter(ImageFilter.GaussianBlur(1.5))
    paint(img, (0, 0, 0), scale_mask(s, 0.6))
    paint(img, colour, m)


def paste_keyed(img, pic, at, key=KEY):
    mask = Image.new("L", pic.size, 0)
    mask.putdata([0 if p == key else 255 for p in pic.getdata()])
    img.paste(pic, at, mask)


def checkbox(img, at, ticked):
    x, y = at
    d = ImageDraw.Draw(img)
    bevel_rect(d, (x, y, x + 12, y + 12), (16, 20, 28), (120, 134, 160))
    d.rectangle((x + 1, y + 1, x + 11, y + 11), fill=(236, 240, 246))
    if ticked:
        d.line([(x + 3, y + 6), (x + 5, y + 8), (x + 9, y + 4)], fill=(20, 30, 50), width=2)


def welcome_preview(out):
    page = Image.new("RGB", (WELCOME_W, WELCOME_H), SILVER)
    px, py, _, _ = WELCOME_PICTURE
    page.paste(load(out, "welcome_picture.jpg"), (px, py))
    d = ImageDraw.Draw(page)
    f = font(11)
    arrow_pic = load(out, "arrow.bmp")
    for top, lines in WELCOME_LABELS:
        for i, line in enumerate(lines):
            d.text((WELCOME_LABEL_X, top + 13 * i), line, font=f, fill=WELCOME_TEXT)
        paste_keyed(page, arrow_pic, (WELCOME_ARROW_X, top - 3))
    bx, by, bw, bh = TIP_BOX
    d.rectangle((bx, by, bx + bw - 1, by + bh - 1), fill=(255, 255, 255), outline=(0, 0, 0))
    page.paste(load(out, "tip.bmp"), (bx + 8, by + (bh - TIP_PICTURE) // 2))
    with open(os.path.join(HERE, "..", "res", "qw32tt.tip"), "rb") as tips:
        tip = tips.read().decode("cp1252").split("\r\n")[0]
    words, lines, cur = tip.split(), [], ""
    for wd in words:
        trial = (cur + " " + wd).strip()
        if f.getlength(trial) > 290:
            lines.append(cur)
            cur = wd
        else:
            cur = trial
    lines.append(cur)
    for i, line in enumerate(lines[:4]):
        d.text((bx + 48, by + 8 + 13 * i), line, font=f, fill=(0, 0, 0))
    for j, cap in enumerate(("Weiter", "Zurück")):
        x0, y0 = bx + bw - 53, by + 8 + 24 * j
        d.rectangle((x0, y0, x0 + 44, y0 + 18), fill=(240, 240, 240), outline=(128, 128, 128))
        pos = centred_text_pos((x0, y0, x0 + 45, y0 + 19), cap, f)
        d.text(pos, cap, font=f, fill=(0, 0, 0))
    return page


def main_preview(out, page):
    desk = Image.new("RGB", (MAIN_W + 60, MAIN_H + 60), (0, 128, 128))
    win = load(out, "main_background.jpg")
    win.paste(page, PAGE[:2])
    for k, y in enumerate(PAGE_BUTTON_YS, start=1):
        win.paste(load(out, "button%02d.bmp" % (2 * k if k == 1 else 2 * k - 1)), (PAGE_BUTTON_X, y))
    for kind, x in TITLE_BUTTONS:
        win.paste(load(out, "%s_n.bmp" % kind), (x, TITLE_BUTTON_Y))
    win.paste(load(out, "weblink_shadow.bmp"), (WEBLINK[0] - 1, WEBLINK[1] - 1))
    win.paste(load(out, "weblink.bmp"), WEBLINK)
    shadow_label(win, TITLE_POS, "Willkommen", (236, 241, 250))
    full = Image.new("RGB", (make_region.WIDTH, make_region.HEIGHT), (0, 0, 0))
    full.paste(win, (0, 0))
    desk.paste(full, (30, 30), region_mask())
    return desk


def states_preview(out):
    """Every button picture in all its states, enlarged."""
    strip = Image.new("RGB", (2 * PAGE_BUTTON_W + 30 + 3 * 25, 6 * 30 + 10), (0, 128, 128))
    for k in range(1, 7):
        strip.paste(load(out, "button%02d.bmp" % (2 * k - 1)), (5, 5 + 30 * (k - 1)))
        strip.paste(load(out, "button%02d.bmp" % (2 * k)), (10 + PAGE_BUTTON_W, 5 + 30 * (k - 1)))
    for i, (kind, _) in enumerate(TITLE_BUTTONS):
        for j, st in enumerate("nad"):
            strip.paste(load(out, "%s_%s.bmp" % (kind, st)), (20 + 2 * PAGE_BUTTON_W + 25 * i, 5 + 30 * j))
    strip.paste(load(out, "tip.bmp"), (20 + 2 * PAGE_BUTTON_W, 100))
    paste_keyed(strip, load(out, "arrow.bmp"), (60 + 2 * PAGE_BUTTON_W, 105))
    return strip.resize((strip.width * 3, strip.height * 3), Image.NEAREST)


def splash_preview(out, bar=False):
    img = load(out, "splash_background.jpg")
    img.paste(load(out, "splash_logo.bmp"), SPLASH_LOGO)
    f = font(11)
    d = ImageDraw.Draw(img)
    for i, (y, cap) in enumerate(zip(SPLASH_LINES_YS, SPLASH_CAPTIONS)):
        checkbox(img, (SPLASH_LINES_X, y + 1), i < 2)
        d.text((SPLASH_LINES_X + 19, y + 1), cap, font=f, fill=CAPTION)
    if bar:
        x, y, w, h = SPLASH_BAR
        bevel_rect(d, (x, y, x + w - 1, y + h - 1), (16, 20, 28), (120, 134, 160))
        d.rectangle((x + 1, y + 1, x + w - 2, y + h - 2), fill=(20, 25, 34))
        fill = vertical_gradient(int(w * 0.6), h - 2, [(0.0, (140, 196, 255)), (1.0, (40, 96, 200))])
        img.paste(fill, (x + 1, y + 1))
    desk = Image.new("RGB", (SPLASH_W + 60, SPLASH_H + 60), (0, 128, 128))
    desk.paste(img, (30, 30))
    return desk


def write_previews(out, folder):
    os.makedirs(folder, exist_ok=True)
    page = welcome_preview(out)
    page.save(os.path.join(folder, "welcome.png"))
    main_preview(out, page).save(os.path.join(folder, "main.png"))
    splash_preview(out).save(os.path.join(folder, "splash.png"))
    splash_preview(out, bar=True).save(os.path.join(folder, "splash_bar.png"))
    states_preview(out).save(os.path.join(folder, "buttons.png"))


def main():
    for path in (os.path.join(FONT_DIR, "tahoma.ttf"), os.path.join(FONT_DIR, "tahomabd.ttf"), DISPLAY_FONT):
        if not os.path.exists(path):
            sys.exit("make_pictures: %s is missing (Debian packages fonts-wine, fonts-dejavu-core)" % path)
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(HERE, "..", "res", "pictures"))
    ap.add_argument("--preview")
    args = ap.parse_args()
    write_pictures(args.out)
    if args.preview:
        write_previews(args.out, args.preview)


if __name__ == "__main__":
    main()
