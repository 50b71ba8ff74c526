#pragma once

#include "cmnformboxborderstyle.h"
#include "cmnformboxfillstyle.h"
#include "cmnformboxpicturepos.h"
#include "cmnformboxrectextents.h"
#include "cmnformboxtextalign.h"
#include "cmnmetric.h"

#include <QColor>
#include <QString>

class CCmnTheme;
class CCmnThemedFormAutoParams;
struct CCmnThemedFormBoxNames;

// The properties of an ancestor cell of a chart of n generations, from the
// chart's cell layout element: the generation level (n, g), then the size
// level n, then the element's default level, then "CMN-DEFAULT" where a
// property says so, then a built-in value. A level counts only when present
// and not inheriting. `automatic` skips the first level of the function it is
// given to, giving what the property would be if that level did not set it.
// Padding, gap and text scale follow the chart size when nothing sets them.

#define BIO_CELL_SIZE_ACCESSOR(Type, Name)                                                                   \
    Type Name(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &name,                        \
              const CCmnThemedFormBoxNames &names, const CCmnThemedFormAutoParams *params, qint32 n,       \
              bool automatic)
#define BIO_CELL_ACCESSOR(Type, Name)                                                                        \
    Type Name(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &name,                        \
              const CCmnThemedFormBoxNames &names, const CCmnThemedFormAutoParams *params, qint32 n, qint32 g, \
              bool automatic)

BIO_CELL_SIZE_ACCESSOR(QString, BioCellSizeLayoutGetTextFace);
BIO_CELL_SIZE_ACCESSOR(QString, BioCellSizeLayoutGetTextSize);
BIO_CELL_SIZE_ACCESSOR(CCmnFormBoxBorderStyle, BioCellSizeLayoutGetBorderStyle);
BIO_CELL_SIZE_ACCESSOR(CCmnFormBoxTextAlign, BioCellSizeLayoutGetTextAlign);
BIO_CELL_SIZE_ACCESSOR(CCmnFormBoxPicturePos, BioCellSizeLayoutGetPicturePos);
BIO_CELL_SIZE_ACCESSOR(QColor, BioCellSizeLayoutGetBorderColor);
BIO_CELL_SIZE_ACCESSOR(QColor, BioCellSizeLayoutGetFillColor);
BIO_CELL_SIZE_ACCESSOR(CCmnFormBoxFillStyle, BioCellSizeLayoutGetFillStyle);
BIO_CELL_SIZE_ACCESSOR(QColor, BioCellSizeLayoutGetTextColor);
// The gap between the cells, also between the panel's columns. Its automatic
// value ignores "CMN-DEFAULT"'s gap too: 0.15 inch times the size factor.
BIO_CELL_SIZE_ACCESSOR(CCmnMetric, BioCellSizeLayoutGetBoxGap);

BIO_CELL_ACCESSOR(CCmnFormBoxRectExtents, BioCellLayoutGetPadding);
BIO_CELL_ACCESSOR(QColor, BioCellLayoutGetBorderColor);
BIO_CELL_ACCESSOR(CCmnFormBoxBorderStyle, BioCellLayoutGetBorderStyle);
BIO_CELL_ACCESSOR(QColor, BioCellLayoutGetFillColor);
BIO_CELL_ACCESSOR(CCmnFormBoxFillStyle, BioCellLayoutGetFillStyle);
BIO_CELL_ACCESSOR(QColor, BioCellLayoutGetTextColor);
BIO_CELL_ACCESSOR(CCmnFormBoxTextAlign, BioCellLayoutGetTextAlign);
BIO_CELL_ACCESSOR(CCmnFormBoxPicturePos, BioCellLayoutGetPicturePos);
BIO_CELL_ACCESSOR(double, BioCellLayoutGetTextScale);

#undef BIO_CELL_SIZE_ACCESSOR
#undef BIO_CELL_ACCESSOR

// Added to 1 for the factor on a cell's font size: from large text at the root
// to small text in the last generation, on a straight line.
double BioAncestorCellAutoTextScale(qint32 n, qint32 g);
