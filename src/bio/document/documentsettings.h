#pragma once

#include "cmnregfieldssettings.h"
#include "cmnsettingsexchange.h"
#include "documentgeneralsettings.h"

#include <QSharedPointer>
#include <QStringList>

class CBioRegCoverSheetSettings;
class CBioRegPedigreeSettings;
class CBioRegTrialMatingSettings;
class CCmnPageSetup;
class CCmnThemeSet;

// The settings that travel with a document besides its records: the general
// settings, the register's fields settings, the page set-up, the themes and the
// settings of the three breeding forms. The file stores them as a table of named
// byte blocks; the main window keeps a copy as the defaults of new documents.
//
// A value type: the forms share the pointed-to parts of the copy they were
// given, so a copy never shares a part with its source.
class CDocumentSettings
{
public:
    CDocumentSettings();
    CDocumentSettings(const CDocumentSettings &other);
    CDocumentSettings &operator=(const CDocumentSettings &other);
    ~CDocumentSettings();

    // New objects for every shared part, holding copies of the other's values.
    void Assign(const CDocumentSettings &other);

    bool operator==(const CDocumentSettings &other) const;
    bool operator!=(const CDocumentSettings &other) const { return !(*this == other); }

    // The seven blocks under their keys.
    TCmnByteArrayHash ToHash() const;
    // Takes the blocks that are present, in a fixed order; a missing key leaves
    // its part unchanged. A block that does not read stops the reading with
    // false: the parts taken before it stay, the rest are unchanged. The keys of
    // the blocks that were present but not taken then go to `notTaken`.
    [[nodiscard]] bool FromHash(const TCmnByteArrayHash &table, QStringList *notTaken = nullptr);

    // The number of user-defined fields of the fields settings.
    int UserFieldCount() const;
    // Lays this program's built-in fields over the fields settings; user fields stay.
    void RefreshBuiltInFields();

    CDocumentGeneralSettings m_GeneralSettings;
    CCmnRegFieldsSettings m_FieldsSettings;
    QSharedPointer<CCmnPageSetup> m_PrintParams;
    QSharedPointer<CCmnThemeSet> m_Themes;
    QSharedPointer<CBioRegCoverSheetSettings> m_CoverSheetSettings;
    QSharedPointer<CBioRegPedigreeSettings> m_PedigreeSettings;
    QSharedPointer<CBioRegTrialMatingSettings> m_TrialMatingSettings;
};

// The keys of the document's settings table.
inline constexpr const char *kDocumentGeneralKey = "GENERAL";
inline constexpr const char *kDocumentFieldsSettingsKey = "FIELDSSETTINGS";
inline constexpr const char *kDocumentPrintParamsKey = "PRINTPARAMS";
inline constexpr const char *kDocumentThemesKey = "THEMES2";
inline constexpr const char *kDocumentOldThemesKey = "THEMES";
inline constexpr const char *kDocumentCoverSheetKey = "BIOREGTHEMEDFORMINTERFACE_COVERSHEET";
inline constexpr const char *kDocumentPedigreeKey = "BIOREGTHEMEDFORMINTERFACE_PEDIGREE";
inline constexpr const char *kDocumentTrialMatingKey = "BIOREGTHEMEDFORMINTERFACE_TRIALMATING";
inline constexpr const char *kDocumentOldCoverSheetKey = "BIOREGRECORDANICOVERSHEETFORMCONF";
inline constexpr const char *kDocumentOldPedigreeKey = "BIOREGRECORDANIPEDFORMCONF";
inline constexpr const char *kDocumentOldTrialMatingKey = "BIOREGRECORDTRIALMATINGFORMCONF";

// The most user-defined fields a document may define.
int DocumentMaxUserFields();
// Empty when the settings define at most the most user fields a document may
// hold; else the message that refuses them.
QString DocumentUserFieldLimitMessage(const CDocumentSettings &settings);

// Saves the settings' table under the key, or loads it (the defaults' table when
// nothing is stored); settings that do not read are reset to the defaults.
void ExchangeDocumentSettings(const CCmnSettingsExchange &exchange, const QString &key,
                              CDocumentSettings &settings, const CDocumentSettings &defaults);
// The main window's defaults for new documents, under "data" of its group.
void ExchangeDefaultDocumentSettings(CDocumentSettings &settings, const CCmnSettingsExchange &exchange,
                                     const CDocumentSettings &defaults);
