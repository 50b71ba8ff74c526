#pragma once

#include "cmnregfieldlookup.h"

#include <QHash>

class CCmnReg;
class CCmnRegFieldsSettings;

// The register's drop-down lists: one entry per system and user field, and the
// shared lists by key. Lists only grow as records are added and changed; a value
// that is no longer typed anywhere stays offered until its list is rebuilt.
class CCmnRegLookupLists
{
public:
    enum EUpdate {
        RecordAdded = 0,
        RecordReplaced = 1,
        RecordDeleted = 2,
    };

    // A full rescan starts afresh from every record; otherwise only the lists the
    // new settings change are refilled.
    void Rebuild(const CCmnRegFieldsSettings &settings, const CCmnReg &reg, bool fullRescan);
    // `record` is the added record (mode 0); `newRecord` the new version (mode 1).
    void Update(const CCmnRegRecord *record, const CCmnRegRecord *newRecord, int mode);
    void Clear();

    CCmnRegLookupList *FindSharedList(const QString &name);
    CCmnRegFieldLookup *FindField(int fieldId);

private:
    void AddToLists(CCmnRegFieldLookup &entry, int fieldId, const CCmnRegRecord &record);
    QHash<QString, QList<int>> FeedersByKey() const;

    QHash<int, CCmnRegFieldLookup> m_Fields;
    QHash<QString, CCmnRegLookupList> m_Shared;
};
