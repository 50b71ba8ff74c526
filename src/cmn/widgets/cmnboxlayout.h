#pragma once

#include "cmnlayoutitem.h"

#include <QList>
#include <QtGlobal>

class QBoxLayout;
class QLayout;
class QWidget;

// One-call box layouts: dialogs, tabs and panels are assembled in code, and most
// of their rows and columns are a box layout built from a handful of items.

// The box-layout flags; callers combine them, e.g. 0x0E for a vertical layout
// without margins that ends in a stretch.
enum ECmnBoxLayoutFlag : qint32 {
    CmnBoxLayoutHorizontal = 0x01,  // also whenever CmnBoxLayoutVertical is absent
    CmnBoxLayoutVertical = 0x02,
    CmnBoxLayoutStretch = 0x04,     // a stretch of factor 1 after the items
    CmnBoxLayoutNoMargins = 0x08,   // contents margins 0 on all four sides
    CmnBoxLayoutFiller = 0x10,      // an empty CCmnWidget of policy Minimum after the items
};

// A new parentless vertical box layout when the flags hold CmnBoxLayoutVertical,
// else a horizontal one.
QBoxLayout *CmnNewBoxLayout(qint32 flags);

// Applies the stretch, the margins and the filler widget, in that order.
void CmnFinishBoxLayout(qint32 flags, QBoxLayout *layout);

// A new layout of the non-empty items in argument order (CmnAddItemsToBoxLayout),
// finished by the flags.
QBoxLayout *CmnBoxLayout(qint32 flags, const CCmnLayoutItem &item1 = {}, const CCmnLayoutItem &item2 = {},
                         const CCmnLayoutItem &item3 = {}, const CCmnLayoutItem &item4 = {},
                         const CCmnLayoutItem &item5 = {}, const CCmnLayoutItem &item6 = {},
                         const CCmnLayoutItem &item7 = {}, const CCmnLayoutItem &item8 = {});
// The same for a list of any length.
QBoxLayout *CmnBoxLayoutFromList(qint32 flags, const QList<CCmnLayoutItem> &items);
// A new layout through CmnAddSimpleItemsToBoxLayout, finished by the flags.
QBoxLayout *CmnSimpleBoxLayoutFromList(qint32 flags, const QList<CCmnLayoutItem> &items);
// A new layout through CmnAddWidgetsToBoxLayout, finished by the flags.
QBoxLayout *CmnBoxLayoutFromWidgets(qint32 flags, const QList<QWidget *> &widgets);

// Adds the non-empty items to an existing layout, which is not finished again.
void CmnAddToBoxLayout(QBoxLayout *layout, const CCmnLayoutItem &item1 = {}, const CCmnLayoutItem &item2 = {},
                       const CCmnLayoutItem &item3 = {}, const CCmnLayoutItem &item4 = {},
                       const CCmnLayoutItem &item5 = {}, const CCmnLayoutItem &item6 = {},
                       const CCmnLayoutItem &item7 = {}, const CCmnLayoutItem &item8 = {});

// Adds the items in order. A modifier adds nothing: its stretch and alignment go
// to the next item (a second modifier replaces the first, a last one is lost).
// The item after a modifier uses it up even when it adds nothing itself. A layout
// takes the stretch but no alignment; items without a modifier go in with stretch
// 0 and no alignment. A widget wins over a layout in the same item.
void CmnAddItemsToBoxLayout(QBoxLayout *layout, const QList<CCmnLayoutItem> &items);
// Each item's widget, else its layout, with stretch 0 and no alignment; modifier
// items are skipped.
void CmnAddSimpleItemsToBoxLayout(QBoxLayout *layout, const QList<CCmnLayoutItem> &items);
// Each widget with stretch 0 and no alignment; null pointers are skipped.
void CmnAddWidgetsToBoxLayout(QBoxLayout *layout, const QList<QWidget *> &widgets);

// Every widget in the layout, depth first in item order, through nested layouts
// (but not into the widgets' own layouts).
QList<QWidget *> CmnLayoutWidgets(const QLayout *layout);
// Appends them to the list in the same order.
void CmnCollectLayoutWidgets(const QLayout *layout, QList<QWidget *> &widgets);
// Deletes a layout that no widget holds, with the widgets in it that have no
// parent either (nothing else would free them); a held layout is left alone.
void CmnDeleteUnplacedLayout(QLayout *layout);
