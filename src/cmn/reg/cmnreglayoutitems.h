#pragma once

#include <QString>

// A key field of the select-record window's panel; a new column may begin at it.
struct CCmnRegSelectRecordLayoutItem
{
    int m_FieldId = 0;
    bool m_NewColumn = false;

    friend bool operator==(const CCmnRegSelectRecordLayoutItem &, const CCmnRegSelectRecordLayoutItem &) = default;
};

// A field of the record window; a new column, or a new tab of the given name (a
// new tab is also a new column), may begin at it.
struct CCmnRegRecordDetailsLayoutItem
{
    int m_FieldId = 0;
    bool m_NewColumn = false;
    QString m_TabName;

    friend bool operator==(const CCmnRegRecordDetailsLayoutItem &, const CCmnRegRecordDetailsLayoutItem &) = default;
};

// A field just created, to be placed in the layouts: fields of one group stay
// together in a column where they fit.
struct CCmnRegNewFieldPlacement
{
    enum EFlags {
        JoinFlow = 0x1,   // join the existing fields instead of forming a group
    };

    int m_Group = 0;
    int m_Order = 0;
    int m_FieldId = 0;
    int m_Flags = 0;
};
