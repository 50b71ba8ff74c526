#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

class CCmnComboBox;
class QComboBox;
class QWidget;

// Combo boxes of field types and Choice styles: one item per type (style) of the
// list, or all of them without a list, the prefix and the name as text, the type
// (style) as data.
CCmnComboBox *CmnRegNewFieldTypeComboBox(const QList<qint32> *types, const QString &prefix, QWidget *parent);
CCmnComboBox *CmnRegNewChoiceStyleComboBox(const QList<qint32> *styles, const QString &prefix, QWidget *parent);

// The current item's type (style), clamped to the valid range; 0 with no current item.
int CmnRegFieldTypeFromCombo(const QComboBox *combo);
int CmnRegChoiceStyleFromCombo(const QComboBox *combo);
