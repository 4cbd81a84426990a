#!/usr/bin/env python3
"""Keeps of a Qt Linguist file only the contexts named: the page carries Qt's own words for the
standard buttons (Yes, No, OK), not all of Qt's in every language, which would add a fifth to its
download.

Usage: qt_words.py IN.ts OUT.ts CONTEXT...
"""
import sys
import xml.etree.ElementTree as ElementTree

if len(sys.argv) < 4:
    sys.exit(__doc__.strip().splitlines()[-1])
tree = ElementTree.parse(sys.argv[1])
root = tree.getroot()
for context in root.findall("context"):
    if context.findtext("name") not in sys.argv[3:]:
        root.remove(context)
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
