#include "cmnappdescriptor.h"

#include "cmnfilenames.h"
#include "cmntext.h"

namespace {

const char *const kWebScheme = "https://";

} // namespace

CCmnAppDescriptor::CCmnAppDescriptor()
    : m_MakersCompanyName(QStringLiteral("Orvanta Software"))
    , m_MakersWebDomain(QStringLiteral("orvanta.example"))
    , m_FirstYear(2026)
    , m_OpenDialogAtStartup(true)
    , m_ReopenLastDocument(false)
    , m_WelcomeDialog(false)
    , m_CompressedDocumentStream(true)
    , m_KeepsDocumentSettings(true)
    , m_SettingsInsideDocument(true)
    , m_NewAlwaysOffered(false)
    , m_NewWithExtension(true)
{
}

void CCmnAppDescriptor::SetProductName(const QString &name)
{
    m_ProductDisplayName = name.trimmed();
    m_CompactDisplayName = ProductNameWithoutBlanks().toLower();
    m_IconResource = QStringLiteral(":/%1-96x96.png").arg(ProductNameWithoutBlanks());
}

QString CCmnAppDescriptor::ProductNameWithoutBlanks() const
{
    QString result = m_ProductDisplayName;
    return result.remove(QLatin1Char(' '));
}

void CCmnAppDescriptor::SetDocumentType(const QString &extension, const QString &description)
{
    m_DocumentExtension = extension.toLower();
    m_MainDocumentFileFilter = CmnFileDialogFilterOne(m_DocumentExtension, description);
}

void CCmnAppDescriptor::AddDocumentType(const QString &extension, const QString &description)
{
    AddDocumentTypes({extension}, description);
}

void CCmnAppDescriptor::AddDocumentTypes(const QStringList &extensions, const QString &description)
{
    if (!m_DocumentFileFilter.isEmpty())
        m_DocumentFileFilter += QStringLiteral(";;");
    m_DocumentFileFilter += CmnFileDialogFilter(extensions, description);
    for (const QString &extension : extensions)
        m_DocumentExtensions << extension.toLower();
}

void CCmnAppDescriptor::SetHomePageUrl(const QString &address)
{
    m_HomePage = address;
    if (m_HomePageWithScheme.isEmpty())
        m_HomePageWithScheme = QLatin1String(kWebScheme) + address;
}

QString CCmnAppDescriptor::DocumentName() const
{
    if (!m_DocumentNameOverride.isEmpty())
        return m_DocumentNameOverride;
    return m_ProductDisplayName + QLatin1Char(' ') + m_DocumentNoun;
}

QString CCmnAppDescriptor::DocumentSettingsTitle(bool plainForFile) const
{
    if (plainForFile && m_DocumentNoun.toLower() == QLatin1String("file"))
        return QStringLiteral("Settings");
    return QStringLiteral("%1 Settings").arg(CmnTitleCase(m_DocumentNoun));
}

QString CCmnAppDescriptor::PreferencesName()
{
    return QStringLiteral("Preferences");
}

CCmnAppDescriptor &CmnGetAppDescriptor()
{
    // A function-local object is built on first use, so it exists for every
    // caller however early, including static initialisers of other files.
    static CCmnAppDescriptor descriptor;
    return descriptor;
}
