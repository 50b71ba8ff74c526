#include "documentsettings.h"

#include "biodefaultregfieldssettings.h"
#include "biodefaulttheme.h"
#include "bioregcoversheetsettings.h"
#include "bioregpedigreesettings.h"
#include "bioregtrialmatingsettings.h"
#include "biotextfileimport.h"
#include "cmnappdescriptor.h"
#include "cmnpagesetup.h"
#include "cmnthemeset.h"
#include "oldthemeset.h"

#include <iterator>

namespace {

// A block of the table: the key it is read from when present, else its older key.
struct CBlockKeys
{
    const char *key;
    const char *olderKey;
};

// The order the blocks are taken in; a damaged block stops the reading there.
constexpr CBlockKeys kReadOrder[] = {
    {kDocumentGeneralKey, nullptr},
    {kDocumentFieldsSettingsKey, nullptr},
    {kDocumentPrintParamsKey, nullptr},
    // Earlier releases stored their themes under older element names.
    {kDocumentThemesKey, kDocumentOldThemesKey},
    {kDocumentCoverSheetKey, kDocumentOldCoverSheetKey},
    {kDocumentPedigreeKey, kDocumentOldPedigreeKey},
    {kDocumentTrialMatingKey, kDocumentOldTrialMatingKey},
};
constexpr int kBlockCount = int(std::size(kReadOrder));

// The key the table holds the block under, or an empty text when it holds neither.
QString PresentKey(const TCmnByteArrayHash &table, const CBlockKeys &keys)
{
    const QString key = QLatin1String(keys.key);
    if (table.contains(key))
        return key;
    if (keys.olderKey && table.contains(QLatin1String(keys.olderKey)))
        return QLatin1String(keys.olderKey);
    return QString();
}

// Each part reads into a fresh object and is replaced only when its block reads.
bool ReadBlock(CDocumentSettings &settings, int step, const QString &key, const QByteArray &bytes)
{
    switch (step) {
    case 0:
        return settings.m_GeneralSettings.FromByteArray(bytes);
    case 1: {
        CCmnRegFieldsSettings fields;
        if (!fields.FromByteArray(bytes))
            return false;
        settings.m_FieldsSettings = fields;
        return true;
    }
    case 2:
        return settings.m_PrintParams->FromByteArray(bytes);
    case 3: {
        if (key == QLatin1String(kDocumentThemesKey))
            return settings.m_Themes->FromByteArray(bytes);
        COldThemeSet older;
        if (!older.FromByteArray(bytes))
            return false;
        older.ConvertTo(*settings.m_Themes);
        return true;
    }
    case 4:
        return settings.m_CoverSheetSettings->FromByteArray(bytes);
    case 5:
        return settings.m_PedigreeSettings->FromByteArray(bytes);
    default:
        return settings.m_TrialMatingSettings->FromByteArray(bytes);
    }
}

} // namespace

CDocumentSettings::CDocumentSettings()
    : m_FieldsSettings(BioDefaultRegFieldsSettings())
    , m_PrintParams(QSharedPointer<CCmnPageSetup>::create())
    , m_Themes(QSharedPointer<CCmnThemeSet>::create())
    , m_CoverSheetSettings(QSharedPointer<CBioRegCoverSheetSettings>::create())
    , m_PedigreeSettings(QSharedPointer<CBioRegPedigreeSettings>::create())
    , m_TrialMatingSettings(QSharedPointer<CBioRegTrialMatingSettings>::create())
{
    m_Themes->m_BaseTheme = BioGetDefaultTheme();
}

CDocumentSettings::CDocumentSettings(const CDocumentSettings &other)
{
    Assign(other);
}

CDocumentSettings &CDocumentSettings::operator=(const CDocumentSettings &other)
{
    if (this != &other)
        Assign(other);
    return *this;
}

CDocumentSettings::~CDocumentSettings() = default;

void CDocumentSettings::Assign(const CDocumentSettings &other)
{
    m_GeneralSettings = other.m_GeneralSettings;
    m_FieldsSettings = other.m_FieldsSettings;
    m_PrintParams = QSharedPointer<CCmnPageSetup>::create(*other.m_PrintParams);
    m_Themes = QSharedPointer<CCmnThemeSet>::create(*other.m_Themes);
    m_CoverSheetSettings = QSharedPointer<CBioRegCoverSheetSettings>::create();
    m_CoverSheetSettings->CopyFrom(*other.m_CoverSheetSettings);
    m_PedigreeSettings = QSharedPointer<CBioRegPedigreeSettings>::create();
    *m_PedigreeSettings = *other.m_PedigreeSettings;
    m_TrialMatingSettings = QSharedPointer<CBioRegTrialMatingSettings>::create();
    *m_TrialMatingSettings = *other.m_TrialMatingSettings;
}

bool CDocumentSettings::operator==(const CDocumentSettings &other) const
{
    // The fields settings put their form field order in shape while comparing.
    CCmnRegFieldsSettings fields = m_FieldsSettings;
    CCmnRegFieldsSettings otherFields = other.m_FieldsSettings;
    return m_GeneralSettings == other.m_GeneralSettings && fields == otherFields
           && *m_PrintParams == *other.m_PrintParams && *m_Themes == *other.m_Themes
           && *m_CoverSheetSettings == *other.m_CoverSheetSettings
           && *m_PedigreeSettings == *other.m_PedigreeSettings
           && *m_TrialMatingSettings == *other.m_TrialMatingSettings;
}

TCmnByteArrayHash CDocumentSettings::ToHash() const
{
    TCmnByteArrayHash table;
    table.insert(QLatin1String(kDocumentGeneralKey), m_GeneralSettings.ToByteArray());
    table.insert(QLatin1String(kDocumentFieldsSettingsKey), m_FieldsSettings.ToByteArray());
    table.insert(QLatin1String(kDocumentPrintParamsKey), m_PrintParams->ToByteArray());
    table.insert(QLatin1String(kDocumentThemesKey), m_Themes->ToByteArray());
    table.insert(QLatin1String(kDocumentCoverSheetKey), m_CoverSheetSettings->ToByteArray());
    table.insert(QLatin1String(kDocumentPedigreeKey), m_PedigreeSettings->ToByteArray());
    table.insert(QLatin1String(kDocumentTrialMatingKey), m_TrialMatingSettings->ToByteArray());
    return table;
}

bool CDocumentSettings::FromHash(const TCmnByteArrayHash &table, QStringList *notTaken)
{
    for (int step = 0; step < kBlockCount; ++step) {
        const QString key = PresentKey(table, kReadOrder[step]);
        if (key.isEmpty() || ReadBlock(*this, step, key, table.value(key)))
            continue;
        if (notTaken) {
            notTaken->append(key);
            for (int later = step + 1; later < kBlockCount; ++later) {
                const QString laterKey = PresentKey(table, kReadOrder[later]);
                if (!laterKey.isEmpty())
                    notTaken->append(laterKey);
            }
        }
        return false;
    }
    return true;
}

int CDocumentSettings::UserFieldCount() const
{
    return int(m_FieldsSettings.GetUserFields().m_Items.size());
}

void CDocumentSettings::RefreshBuiltInFields()
{
    BioUpdateInbuiltFieldDefaults(m_FieldsSettings);
}

int DocumentMaxUserFields()
{
    return kBioMaxUserFields;
}

QString DocumentUserFieldLimitMessage(const CDocumentSettings &settings)
{
    if (settings.UserFieldCount() <= DocumentMaxUserFields())
        return QString();
    return QStringLiteral("This file defines %1 user fields, but %2 can hold at most %3.")
        .arg(settings.UserFieldCount())
        .arg(CmnGetAppDescriptor().m_ProductName)
        .arg(DocumentMaxUserFields());
}

void ExchangeDocumentSettings(const CCmnSettingsExchange &exchange, const QString &key,
                              CDocumentSettings &settings, const CDocumentSettings &defaults)
{
    if (exchange.IsSave()) {
        TCmnByteArrayHash table = settings.ToHash();
        exchange.ExchangeByteArrayHash(key, table, {});
        return;
    }
    TCmnByteArrayHash table;
    exchange.ExchangeByteArrayHash(key, table, defaults.ToHash());
    if (!settings.FromHash(table))
        settings.Assign(defaults);
}

void ExchangeDefaultDocumentSettings(CDocumentSettings &settings, const CCmnSettingsExchange &exchange,
                                     const CDocumentSettings &defaults)
{
    ExchangeDocumentSettings(exchange, QStringLiteral("data"), settings, defaults);
}
