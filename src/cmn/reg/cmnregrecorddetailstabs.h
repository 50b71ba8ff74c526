#pragma once

#include "cmnreglayoutitems.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// One page of the record window: its name and its fields in layout order, with
// those that open a new column.
struct CCmnRegRecordDetailsTab
{
    QString m_Name;
    QList<int> m_FieldIds;
    QSet<int> m_ColumnStarts;

    friend bool operator==(const CCmnRegRecordDetailsTab &, const CCmnRegRecordDetailsTab &) = default;
};

// Splits the record-details layout into pages. Items without a tab name join the
// page of the item before them (the first page before any name); a name in the fold
// list (ignoring case) stands for the first page, so that a derived window can keep
// its own first page whatever the user called it. Pages are listed in the order
// their names first appear, spelled as first met. Names that differ only in case
// name one page, fields included: a field must never drop out of the window
// because its page name was typed in another case.
QList<CCmnRegRecordDetailsTab> CmnRegRecordDetailsTabs(const QList<CCmnRegRecordDetailsLayoutItem> &items,
                                                      const QString &firstTabName, const QStringList &foldNames);
