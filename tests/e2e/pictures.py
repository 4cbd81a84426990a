"""What a picture of the window shows, for the driver that reads the program only from its
pictures: the texts of the boxes and captions by OCR, whether each caption is drawn whole, and the
colours of red ink. Widgets are placed by the layout's rectangles at 96 dpi, times the scale."""

import subprocess
import tempfile

from PIL import Image, ImageChops, ImageOps, ImageStat

from scenarios import LAYOUT, Words

CLIENT_HEIGHT = int(LAYOUT.find(".//widget[@name='surface']/property[@name='minimumSize']/size/height").text)


def rectangles(widget_class):
    return {widget: [int(widget.find(f"property[@name='geometry']/rect/{key}").text) for key in ("x", "y", "width", "height")]
            for widget in LAYOUT.iter("widget") if widget.get("class") == widget_class}


BOXES = {box.find("property[@name='accessibleName']/string").text: rectangle
         for box, rectangle in rectangles("QLineEdit").items()}


def ocr(images, *options):
    """The text of each grey image, with a white margin, read by one run of tesseract, which parts
    the pages' texts with form feeds."""
    with tempfile.TemporaryDirectory() as folder:
        for number, image in enumerate(images):
            ImageOps.expand(image, 20, fill=255).save(f"{folder}/{number}.png")
        with open(f"{folder}/list", "w") as listed:
            listed.writelines(f"{folder}/{number}.png\n" for number in range(len(images)))
        read = subprocess.run(["tesseract", f"{folder}/list", "-", *options], capture_output=True, text=True,
                              check=True, timeout=60).stdout.split("\f")
    assert len(read) == len(images), read
    return [" ".join(text.split()) for text in read]


class Picture:
    """A picture of the window, at a scale to 96 dpi, its texts in the language of the words."""

    def __init__(self, path, scale, words=Words()):
        self.words = words
        self.colours = Image.open(path).convert("RGB")
        self.scale = scale
        self.top = self.colours.height - round(CLIENT_HEIGHT * scale)  # below the menu bar
        # The ink, black or coloured, dark on a light ground: on a light ground each pixel's
        # darkest channel, on a dark theme's its brightest, negated.
        channels = self.colours.split()
        if ImageStat.Stat(self.colours.convert("L")).mean[0] < 128:
            self.ink = ImageOps.invert(ImageChops.lighter(ImageChops.lighter(*channels[:2]), channels[2]))
        else:
            self.ink = ImageChops.darker(ImageChops.darker(*channels[:2]), channels[2])

    def crop(self, rectangle, inset=0, image=None):
        x, y, width, height = (round(value * self.scale) for value in rectangle)
        return (image or self.ink).crop((x + inset, self.top + y + inset, x + width - inset, self.top + y + height - inset))

    def boxes(self, names):
        """The boxes' texts, read at the screen's own size (enlarged, OCR misreads more) and inside
        their frames, light greys such as a box's underline left out: as a line, or where that reads
        nothing (a lone 8), as a word."""
        insides = [self.crop(BOXES[name], round(2 * self.scale)).point(lambda value: min(255, value * 5 // 4))
                   for name in names]
        whitelist = ["-c", f"tessedit_char_whitelist=0123456789{self.words('WINNER!!')}"]
        lines = ocr(insides, "--psm", "7", *whitelist)
        words = ocr(insides, "--psm", "8", *whitelist) if "" in lines else lines
        return {name: line or word for name, line, word in zip(names, lines, words)}

    def captions(self):
        """For each label, what OCR read, whether its caption is whole, and a line that says so.
        OCR must read it; its ink must keep clear of the label's top and bottom and of the side it
        is not aligned to, and a centred caption must not fill its label from side to side (a
        clipped caption runs into them); a one-line caption's capitals must stand 16 to 20 px high
        at 96 dpi, as 18 points draw them."""
        labels = [(label, self.crop(rectangle)) for label, rectangle in rectangles("QLabel").items()]
        read = ocr([ink.resize((round(ink.width * 4 / self.scale), round(ink.height * 4 / self.scale)))
                    for _, ink in labels], "-l", self.words.ocr_language, "--psm", "6")
        lines = []
        for (label, ink), words in zip(labels, read):
            caption = self.words(label.find("property[@name='text']/string").text)
            # The ink: what is darker than mid-grey, so that a box's grey frame next to a label is not.
            left, top, right, bottom = ink.point(lambda value: 255 if value < 128 else 0).getbbox()
            alignment = label.find("property[@name='alignment']/set").text
            sides = {"Qt::AlignLeft": right == ink.width, "Qt::AlignRight": left == 0,
                     "Qt::AlignHCenter": left == 0 and right == ink.width}
            clear = top > 0 and bottom < ink.height and [edge for side, edge in sides.items() if side in alignment] == [False]
            one_line = " " not in caption
            whole = words == " ".join(caption.split()) and clear and (not one_line or 16 <= (bottom - top) / self.scale <= 20)
            lines.append((words, whole, f"{'ok ' if whole else 'BAD'} {label.get('name')}: {caption!r} read as {words!r}, "
                          f"ink {left},{top} to {right},{bottom} in {ink.width}x{ink.height}"))
        return lines

    def reddest_colours(self, box):
        """The colours of the box's red ink (red well above green), most used first."""
        counted = self.crop(BOXES[box], image=self.colours).getcolors(1 << 20)
        return [colour for _, colour in sorted(counted, reverse=True) if colour[0] - colour[1] > 64]
