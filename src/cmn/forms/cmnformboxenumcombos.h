#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "cmnsystemlocale.h"

class CCmnComboBox;
class QWidget;

// The combo boxes of the box property controls that choose one value of a small
// numbered set. Each item shows the prefix and the value's name and carries the
// value as data; a value without a name is left out.

// The name of the value in the table, "??" outside it.
QString CmnFormBoxEnumName(const QStringList &names, qint32 value);

// One item per value of the list, or every value of the table without a list; at
// most 20 items are visible at once.
CCmnComboBox *CmnNewFormBoxEnumComboBox(const QStringList &names, const QList<qint32> *values,
                                        const QString &prefix, QWidget *parent);

// 0 square to 3 large rounding.
QStringList CmnCornerStyleNames();
// 0 centre, 1 left, 2 right, 3 top, 4 bottom; "Centre" spelt by the locale.
QStringList CmnPicturePosNames(const QLocale &locale = CmnSystemLocale());
// 0 none, 1 normal, 2 stretched, 3 bled.
QStringList CmnPictureModeNames();
// 0 centred, 1 left.
QStringList CmnHorzTextAlignNames();
// 0 middle, 1 top, 2 bottom.
QStringList CmnVertTextAlignNames();
