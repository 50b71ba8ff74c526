#pragma once

#include <QImage>
#include <QStringList>

// The base names of the tool-button icons ("print", "zoom-in"); each is drawn
// at 24 and at 32 pixels as NAME-24.png and NAME-32.png.
QStringList ToolButtonIconNames();

// Draws the named tool-button icon, size pixels square; a null image for a
// name it does not know.
QImage DrawToolButtonIcon(const QString &name, int size);
