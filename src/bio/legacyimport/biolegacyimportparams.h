#pragma once

#include "biolegacycandidatecatalogue.h"

#include <QList>
#include <QString>
#include <array>

class CBioLegacyDataImport_HvDoc;

// The choices of one import of an older program's data file: the legacy ids of the
// fields that become the register's built-in fields, the candidate fields by value
// kind with the user's choice of them, and two text options.
class CBioLegacyImportParams
{
public:
    CBioLegacyImportParams() = default;

    // Fills the ids and the candidate lists from the loaded file: the product's
    // catalogue, less what its animal records cannot hold, renamed after the owner's
    // captions, with every candidate that some animal holds a value for selected.
    void DiscoverFields(CBioLegacyDataImport_HvDoc &document, const CCmnRegFieldContextMask &mask0,
                        const CCmnRegFieldContextMask &mask1, const CCmnRegFieldContextMask &mask2,
                        const CCmnRegFieldContextMask &mask3, const CCmnRegFieldContextMask &mask4);

    // Loads or saves the choices remembered for the file. A kind with nothing stored
    // keeps its selection; a stored empty list selects none of its kind.
    void ExchangeSettings(bool save, const QString &filePath);

    QList<CBioLegacyImportField> &Fields(int kind) { return m_Fields[size_t(kind)]; }
    const QList<CBioLegacyImportField> &Fields(int kind) const { return m_Fields[size_t(kind)]; }

    qint32 m_PictureId = 0;
    qint32 m_NameId = 0;
    qint32 m_NameSuffixId = 0;
    qint32 m_SexId = 0;
    qint32 m_DateOfBirthId = 0;
    qint32 m_DateOfDeathId = 0;
    qint32 m_SireId = 0;
    qint32 m_DamId = 0;
    qint32 m_TitleId = 0;
    qint32 m_LongTitleId = 0;
    std::array<QList<CBioLegacyImportField>, BioLegacyImportKindCount> m_Fields;
    quint8 m_UseLongTitles = 0;
    quint8 m_StripEscapes = 1;
};

// The settings group of the choices remembered for a file path.
QString BioLegacyImportSettingsGroup(const QString &filePath);
