#pragma once

namespace gridwick {

// The window asks for "MS Sans Serif", a Windows font. Elsewhere, this names the faces that stand
// in for it, in order of preference: each keeps 18 points bold and fits every caption in its box,
// which fontconfig's own choice (DejaVu Sans, too wide) does not.
void installFontSubstitutes();

} // namespace gridwick
