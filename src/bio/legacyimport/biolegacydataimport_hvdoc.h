#pragma once

#include "biolegacydataimport_regdoc.h"

#include <array>

class QIODevice;

// A Halvane or Dunmarra data file loaded for import: its species code, which sets the
// configuration flags and schemas, and its registers.
class CBioLegacyDataImport_HvDoc : public CBioLegacyDataImport_RegDoc
{
public:
    // "" on success, else "invalid/unrecognized file format"; nothing is trusted.
    [[nodiscard]] QString Load(QIODevice *device);
    bool Read(CBioLegacyDataImport_Archive &archive) override;

    const QByteArray &SpeciesCode() const { return m_SpeciesCode; }

private:
    bool ReadHighlightRules(CBioLegacyDataImport_Archive &archive);

    QByteArray m_SpeciesCode;
    std::array<CBioLegacyDataImport_Reg, 10> m_Regs;
    bool m_HeaderFirstFlag = true;
    quint32 m_HeaderValue = 1;
    bool m_HeaderSecondFlag = false;
    QByteArray m_HeaderText;
};
