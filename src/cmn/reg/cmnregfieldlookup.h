#pragma once

#include "cmnregfielddef.h"
#include "cmnsortedstringtriplelist.h"

#include <QHash>
#include <QStringList>

class CCmnRegRecord;

// The key of a shared drop-down list: names compare without letter case.
QString CmnRegLookupListKey(const QString &name);
// The shared list a definition feeds: its key for a Text field with the
// shared-list flag, else empty.
QString CmnRegSharedLookupListKey(const CCmnRegFieldDef &def);

// One drop-down list of values typed into Text fields.
class CCmnRegLookupList
{
public:
    // Queues the record's text of the field; an empty text is never offered.
    void AddRecordValue(const CCmnRegRecord &record, int fieldId);

    CCmnSortedStringTripleList m_List;

private:
    // Triples of texts met lately: a column repeats few values over many records,
    // and a repeated text then shares the keys made for it instead of making them
    // again. A triple depends on its text alone, so the cache never goes stale.
    QHash<QString, CCmnStringTriple> m_Made;
};

// What one field contributes: its definition, the shared list it feeds and its
// own list of values.
class CCmnRegFieldLookup
{
public:
    // The own list when the field is Text with a private list, else null.
    CCmnRegLookupList *PrivateList();
    void SetDefinition(const CCmnRegFieldDef &def);
    // The new definition's shared key when it starts feeding that list.
    QStringList NewSharedListKeys(const CCmnRegFieldDef &def) const;
    bool HasPrivateList() const;

    CCmnRegFieldDef m_Def = CCmnRegFieldDef(CmnRegFieldText, 0);
    QStringList m_SharedKeys;
    CCmnRegLookupList m_Own;
};
