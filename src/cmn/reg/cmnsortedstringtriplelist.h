#pragma once

#include <QList>
#include <QString>
#include <QVector>

class QComboBox;

// A value offered in a drop-down list: its folded sort key, upper-cased, and as
// typed. Triples sort by the three in turn, by code units.
struct CCmnStringTriple
{
    QString m_Key;
    QString m_Upper;
    QString m_Text;

    friend bool operator==(const CCmnStringTriple &, const CCmnStringTriple &) = default;
};
// Moved in memory when a list grows, instead of copied element by element.
Q_DECLARE_TYPEINFO(CCmnStringTriple, Q_RELOCATABLE_TYPE);

bool CmnStringTripleLess(const CCmnStringTriple &a, const CCmnStringTriple &b);

// Sorted unique triples. Additions are queued while records are scanned and
// merged at the first use, so a scan costs one sort, not one insertion per value.
class CCmnSortedStringTripleList
{
public:
    void QueueChange(const CCmnStringTriple &triple);
    // Merges the queue: a large batch (more than a tenth of the list, or more than
    // 100) by sorting everything once, a small one by binary insertion.
    void Flush();
    void Clear();
    // Flushes, then one item per triple with the typed text.
    void FillComboBox(QComboBox *combo);

    // The triples in order; queued ones are not among them until flushed.
    const QVector<CCmnStringTriple> &Items() const { return m_Items; }
    // The values queued since the last merge, repeats included.
    qsizetype QueuedCount() const { return m_QueuedCount; }

private:
    QVector<CCmnStringTriple> m_Items;
    QList<CCmnStringTriple> m_Queue;
    qsizetype m_QueuedCount = 0;
};
