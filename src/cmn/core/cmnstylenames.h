#pragma once

#include <QString>

// Display names of the toolkit's brush and pen styles for the style choosers.
// They take plain integers because the values come from stored settings.

// Names of Qt::BrushStyle 0 (no brush) to 14 (diagonal cross); "???" otherwise,
// the gradient and texture styles included.
QString CmnBrushStyleName(qint32 brushStyle);

// Names of Qt::PenStyle 0 (no pen) to 5 (dash-dot-dot); "???" otherwise.
QString CmnPenStyleName(qint32 penStyle);
