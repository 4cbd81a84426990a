#pragma once

class QWidget;

namespace gridwick {

// The window asks for "MS Sans Serif" in 18 points bold. Where it is missing (Linux), Qt's
// substitutes for it name the faces that stand in, in order of preference: each keeps the size
// and weight and fits every caption in its box, which fontconfig's own choice (DejaVu Sans, too
// wide) does not. Installed before the first window is made.
void installFontSubstitutes();

// Where the face is there but is not drawn at the layout's size (Windows, where it is a bitmap
// face), Qt never asks the substitutes: the window asks for the faces that stand in itself.
void useStandInFaces(QWidget& window);

} // namespace gridwick
