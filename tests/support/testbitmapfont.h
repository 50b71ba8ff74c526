#pragma once

#include <QString>

// The family "Orvanta Bitmap Test": a bitmap-only face (one glyph, "A") in pixel
// sizes 10, 13 and 20, made in memory and registered as application fonts, for
// tests of what the program does with faces that cannot be scaled. Needs a GUI
// application. Returns the family, or an empty text when the font database
// refused the faces (the caller skips).
QString OrvAddTestBitmapFont();
