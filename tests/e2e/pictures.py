"""What a picture of the window shows: whether each caption of the layout is drawn whole, and the
colours text is drawn in. For the driver that reads the program only from its pictures."""

import subprocess
import tempfile
import xml.etree.ElementTree as ElementTree

LAYOUT = ElementTree.parse(__file__.rsplit("/", 3)[0] + "/window/frmGridwick.ui")
CLIENT_HEIGHT = int(LAYOUT.find(".//widget[@name='surface']/property[@name='minimumSize']/size/height").text)


def magick(*arguments):
    return subprocess.run(["convert", *map(str, arguments)], check=True, capture_output=True, text=True,
                          timeout=30).stdout


def as_dark_on_light(picture):
    """The options that draw a picture's ink, black or coloured, dark on a light ground: on a
    light ground each pixel's darkest channel, on a dark theme's its brightest, negated."""
    dark = float(magick(picture, "-colorspace", "gray", "-format", "%[fx:mean]", "info:")) < 0.5
    return ["-fx", "1-max(r,max(g,b))" if dark else "min(r,min(g,b))"]


def captions_whole(picture, scale):
    """A line for each label, and whether all are whole. OCR must read the caption; its ink must
    keep clear of the label's top and bottom and of the side it is not aligned to, and a centred
    caption must not fill its label from side to side (a clipped caption runs into them); a
    one-line caption's capitals must stand 16 to 20 px high at 96 dpi, as 18 points draw them."""
    top = int(magick(picture, "-format", "%h", "info:")) - round(CLIENT_HEIGHT * scale)
    polarity = as_dark_on_light(picture)
    lines, whole_all = [], True
    for label in LAYOUT.iter("widget"):
        if label.get("class") != "QLabel":
            continue
        x, y, width, height = (round(int(label.find(f"property[@name='geometry']/rect/{key}").text) * scale)
                               for key in ("x", "y", "width", "height"))
        caption = label.find("property[@name='text']/string").text
        crop = f"{width}x{height}+{x}+{y + top}"
        with tempfile.NamedTemporaryFile(suffix=".png") as scaled:
            magick(picture, "-crop", crop, "+repage", *polarity, "-colorspace", "gray", "-scale", f"{400 / scale}%",
                   "-bordercolor", "white", "-border", "40", scaled.name)
            read = subprocess.run(["tesseract", scaled.name, "-", "--psm", "6"], check=True,
                                  capture_output=True, text=True).stdout.split()
        # The ink: what is darker than mid-grey, so that a box's grey frame next to a label is not.
        ink = magick(picture, "-crop", crop, "+repage", *polarity, "-colorspace", "gray", "-threshold", "50%",
                     "-format", "%@", "info:").split()[-1]  # after what -fx itself prints
        ink_width, ink_height, ink_x, ink_y = map(int, ink.replace("x", "+").split("+"))
        alignment = label.find("property[@name='alignment']/set").text
        left, right = ink_x == 0, ink_x + ink_width == width
        sides = {"Qt::AlignLeft": right, "Qt::AlignRight": left, "Qt::AlignHCenter": left and right}
        clipped = [edge for align, edge in sides.items() if align in alignment]
        clear = ink_y > 0 and ink_y + ink_height < height and clipped == [False]
        one_line = " " not in caption
        whole = read == caption.split() and clear and (not one_line or 16 <= ink_height / scale <= 20)
        whole_all = whole_all and whole
        lines.append(f"{'ok ' if whole else 'BAD'} {label.get('name')}: {caption!r} read as {' '.join(read)!r}, "
                     f"ink {ink} in {width}x{height}" + (f", capitals {ink_height} px high" if one_line else ""))
    return whole_all, lines


def reddest_colours(picture):
    """The colours of the picture's red ink (red well above green), most used first."""
    histogram = magick(picture, "-format", "%c", "histogram:info:-")
    counted = []
    for line in histogram.splitlines():
        count, colour = line.split(":", 1)
        red, green, blue = (int(float(value)) for value in colour.split("(")[1].split(")")[0].split(",")[:3])
        if red - green > 64:
            counted.append((int(count), (red, green, blue)))
    return [colour for _, colour in sorted(counted, reverse=True)]
