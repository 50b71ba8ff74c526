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

namespace {

// A block of the table: the key it is read from when present, else its older key.
struct CBlockKeys
{
    const char *key;
    const char *olderKey;
};

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
    static constexpr CBlockKeys kOrder[] = {
        {kDocumentGeneralKey, nullptr},
        {kDocumentFieldsSettingsKey, nullptr},
        {kDocumentPrintParamsKey, nullptr},
        // Earlier releases stored their themes under older element names.
        {kDocumentThemesKey, kDocumentOldThemesKey},
        {kDocumentCoverSheetKey, kDocumentOldCoverSheetKey},
        {kDocumentPedigreeKey, kDocumentOldPedigreeKey},
        {kDocumentTrialMatingKey, kDocumentOldTrialMatingKey},
    };
    constexpr int kBlocks = int(sizeof(kOrder) / sizeof(kOrder[0]));

    for (int step = 0; step < kBlocks; ++step) {
        QString key = QLatin1String(kOrder[step].key);
        if (!table.contains(key) && kOrder[step].olderKey)
            key = QLatin1String(kOrder[step].olderKey);
        const auto found = table.constFind(key);
        if (found == table.constEnd())
            continue;
        const QByteArray &bytes = found.value();
        bool ok = false;
        switch (step) {
        case 0:
            ok = m_GeneralSettings.FromByteArray(bytes);
            break;
        case 1: {
            CCmnRegFieldsSettings fields;
            ok = fields.FromByteArray(bytes);
            if (ok)
                m_FieldsSettings = fields;
            break;
        }
        case 2:
            ok = m_PrintParams->FromByteArray(bytes);
            break;
        case 3:
            if (key == QLatin1String(kDocumentThemesKey)) {
                ok = m_Themes->FromByteArray(bytes);
            } else {
                COldThemeSet older;
                ok = older.FromByteArray(bytes);
                if (ok)
                    older.ConvertTo(*m_Themes);
            }
            break;
        case 4:
            ok = m_CoverSheetSettings->FromByteArray(bytes);
            break;
        case 5:
            ok = m_PedigreeSettings->FromByteArray(bytes);
            break;
        default:
            ok = m_TrialMatingSettings->FromByteArray(bytes);
            break;
        }
        if (ok)
            continue;
        if (notTaken) {
            notTaken->append(key);
            for (int later = step + 1; later < kBlocks; ++later) {
                QString laterKey = QLatin1String(kOrder[later].key);
                if (!table.contains(laterKey) && kOrder[later].olderKey)
                    laterKey = QLatin1String(kOrder[later].olderKey);
                if (table.contains(laterKey))
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
