#pragma once

#include <QImage>
#include <QString>

// Draws the built-in decoration image with the given file name
// ("red-star-14x14.png", "smiley-12x12.png"): the colour and shape come from
// the name's words and the size from its last one. Returns a null image and sets
// the error for a name it does not know.
QImage DrawDecoration(const QString &fileName, QString *error);

// The 96 x 96 application icon.
QImage DrawApplicationIcon();
