#pragma once

#include "biolegacydataimport_reg.h"

// A legacy file's document: its registers, one per record kind, in kind order.
class CBioLegacyDataImport_RegDoc
{
public:
    virtual ~CBioLegacyDataImport_RegDoc() = default;
    virtual bool Read(CBioLegacyDataImport_Archive &archive);

    void AddRegister(CBioLegacyDataImport_Reg *reg) { m_Registers.append(reg); }
    int RegisterCount() const { return int(m_Registers.size()); }
    // The register at that position, or none.
    CBioLegacyDataImport_Reg *RegisterOfKind(int kind) const { return m_Registers.value(kind, nullptr); }
    void SetDefaultNamedListCount(int count) { m_DefaultNamedListCount = count; }

private:
    QList<CBioLegacyDataImport_Reg *> m_Registers;
    int m_DefaultNamedListCount = 4;
};

// Reads a run of named-list items (the older program's user lists); dropped.
bool ReadLegacyNamedListItems(CBioLegacyDataImport_Archive &archive, quint32 count);
