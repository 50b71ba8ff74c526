#pragma once

#include <Qt>
#include <QtGlobal>

class CCmnWidget;
class QLayout;
class QWidget;

// Wrapping layouts into widgets and sizing widgets in characters and text lines.

// Sets the layout's contents margins to 0 except 5 pixels on the edge away from
// the content: Qt::AlignLeft gives 5 on the right, AlignRight on the left,
// AlignTop at the bottom and AlignBottom at the top. Any other value (a
// combination included) leaves the margins as they are.
void CmnSetEdgeMargin(QLayout *layout, Qt::Alignment side);

// A new parentless CCmnWidget holding the layout, after CmnSetEdgeMargin; the
// caller adds it somewhere, which gives it its parent.
CCmnWidget *CmnWidgetWithLayout(QLayout *layout, Qt::Alignment side);
// The same around one widget, in a vertical box layout of its own.
CCmnWidget *CmnWidgetAroundWidget(QWidget *widget, Qt::Alignment side);

// Heights for n lines of the widget's font: its line spacing times (n + 1), the
// extra line standing for the frame and padding. The fixed height also makes
// the vertical size policy Fixed.
void CmnSetFixedHeightInLines(QWidget *widget, qint32 n);
void CmnSetMinimumHeightInLines(QWidget *widget, qint32 n);
// The width of "x" times (n + 2) in the widget's font.
void CmnSetMinimumWidthInChars(QWidget *widget, qint32 n);
