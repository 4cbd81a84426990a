"""Reads the captions off a picture of the window. For each label of the layout: OCR must read its
caption; its ink must keep clear of the label's top and bottom and of the side it is not aligned
to, and a centred caption must not fill its label from side to side (a clipped caption runs into
them); and a one-line caption's capitals must stand 16 to 20 px high, as 18 points draw them at
96 dpi.
Prints what it read.
Usage: captions_whole.py WINDOW_PNG LAYOUT_UI
"""

import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

picture, layout = sys.argv[1:3]
surface = ElementTree.parse(layout).find(".//widget[@name='surface']")
client_height = int(surface.find("property[@name='minimumSize']/size/height").text)


def magick(*args):
    return subprocess.run(["convert", *args], check=True, capture_output=True, text=True).stdout


# The picture is the whole window: the menu bar above the fixed client area.
top = int(magick(picture, "-format", "%h", "info:")) - client_height
failures = 0
for label in surface.iter("widget"):
    if label.get("class") != "QLabel":
        continue
    x, y, width, height = (int(label.find(f"property[@name='geometry']/rect/{key}").text)
                           for key in ("x", "y", "width", "height"))
    caption = label.find("property[@name='text']/string").text
    crop = f"{width}x{height}+{x}+{y + top}"
    with tempfile.NamedTemporaryFile(suffix=".png") as scaled:
        magick(picture, "-crop", crop, "+repage", "-colorspace", "gray", "-scale", "400%",
               "-bordercolor", "white", "-border", "40", scaled.name)
        read = subprocess.run(["tesseract", scaled.name, "-", "--psm", "6"], check=True,
                              capture_output=True, text=True).stdout.split()
    # The ink: what is darker than mid-grey, so that a box's grey frame next to a label is not.
    ink = magick(picture, "-crop", crop, "+repage", "-colorspace", "gray", "-threshold", "50%",
                 "-format", "%@", "info:")
    ink_width, ink_height, ink_x, ink_y = map(int, ink.replace("x", "+").split("+"))
    alignment = label.find("property[@name='alignment']/set").text
    left, right = ink_x == 0, ink_x + ink_width == width
    sides = {"Qt::AlignLeft": right, "Qt::AlignRight": left, "Qt::AlignHCenter": left and right}
    clipped = [edge for align, edge in sides.items() if align in alignment]
    clear = ink_y > 0 and ink_y + ink_height < height and clipped == [False]
    one_line = " " not in caption
    whole = read == caption.split() and clear and (not one_line or 16 <= ink_height <= 20)
    failures += not whole
    print(f"{'ok ' if whole else 'BAD'} {label.get('name')}: {caption!r} read as {' '.join(read)!r}, "
          f"ink {ink} in {width}x{height}" + (f", capitals {ink_height} px high" if one_line else ""))
sys.exit(1 if failures else 0)
