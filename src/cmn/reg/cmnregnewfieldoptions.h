#pragma once

#include "cmnregfieldcontextmask.h"
#include "cmnregfielddef.h"

// A request to create a field, from an import column or a new document's field
// choice; MakeFieldDef turns it into a definition.
class CCmnRegNewFieldOptions
{
public:
    enum EFlags : quint32 {
        Multiline = 0x1,
        KeyField = 0x2,
        PrivateList = 0x4,
        SharedList = 0x8,
        WordWrap = 0x10,
        Date = 0x20,
        Boolean = 0x40,
        Integer = 0x80,
        FormatParagraphs = 0x100,
    };

    CCmnRegFieldDef MakeFieldDef() const;

    // Stores the list name trimmed; a named list is a shared one, never a private one.
    void SetSharedListName(const QString &name);
    // ORs the mask into the default-usage contexts.
    void AddContexts(const CCmnRegFieldContextMask &mask);

    // The field's name when the request comes with one (a legacy import's candidate).
    QString m_Name;
    quint32 m_Flags = 0;
    int m_MultilineWidth = 0;
    int m_MultilineLines = 0;
    QString m_SharedListName;
    int m_TextWidth = 0;
    // Where the new field shows by default.
    CCmnRegFieldContextMask m_Contexts;
};
