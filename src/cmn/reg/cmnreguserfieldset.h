#pragma once

#include "cmnregfield.h"
#include "tcmnnameditemssortedlist.h"

class QDataStream;

// The user-defined fields by name, sorted in code-unit order (names are
// case-sensitive and unique), with the prototype new fields start from and the
// rows last current and tagged in the user-fields list.
class CCmnRegUserFieldSet : public TCmnNamedItemsSortedList<CCmnRegUserField>
{
public:
    CCmnRegUserFieldSet();

    // The row of the new field; -1 for an empty name or one already present.
    qint32 AddField(const QString &name, const CCmnRegUserField &field) { return InsertSorted(name, field); }
    qint32 FindField(const QString &name, Qt::CaseSensitivity cs) const { return IndexOf(name, cs); }

    // Block tag 6, version 0.
    void Write(QDataStream &stream) const;
    // Starts from a new set. False for another tag or version or a damaged
    // prototype header; damage further in shows in the stream's status. Names out
    // of order, repeated or empty are damage: lookups rely on the order. A current
    // or tagged row that names no field reads as none (-1).
    [[nodiscard]] bool Read(QDataStream &stream);

    friend bool operator==(const CCmnRegUserFieldSet &a, const CCmnRegUserFieldSet &b);
};
