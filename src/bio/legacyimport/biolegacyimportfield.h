#pragma once

#include "cmnregnewfieldoptions.h"

// The value kinds of the candidate lists, in the order the import parameters keep them.
enum EBioLegacyImportKind {
    BioLegacyImportText = 0,
    BioLegacyImportBoolean,
    BioLegacyImportInteger,
    BioLegacyImportCurrency,
    BioLegacyImportDate,
    BioLegacyImportReference,
    BioLegacyImportKindCount
};

// One field of an older program's animal records that the user may bring over as a
// user-defined field: its legacy id, the field to create, where it goes and whether it
// is chosen.
class CBioLegacyImportField
{
public:
    enum EFlags : quint32 {
        Import = 0x1,      // the user's choice
        MainField = 0x2,   // placed among the main fields of the new register
    };

    CBioLegacyImportField() = default;
    explicit CBioLegacyImportField(qint32 id) : m_Id(id) {}

    bool IsSelected() const { return m_Flags & Import; }
    void SetSelected(bool selected)
    {
        if (selected)
            m_Flags |= Import;
        else
            m_Flags &= ~quint32(Import);
    }

    qint32 m_Id = 0;
    CCmnRegNewFieldOptions m_Descriptor;
    // When this candidate is selected by the discovery, the one with this id is not.
    qint32 m_LinkedId = 0;
    qint32 m_Group = 0;
    qint32 m_Order = 0;
    quint32 m_Flags = 0;
};
