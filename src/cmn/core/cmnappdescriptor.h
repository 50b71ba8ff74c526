#pragma once

#include <QString>
#include <QStringList>

// The one process-wide record of which product is running: its names, version,
// maker, document words and file types, and the flags that steer start-up and
// storage. The framework reads every such value from here and hard-codes none.
class CCmnAppDescriptor
{
public:
    CCmnAppDescriptor();

    void SetProductName(const QString &name);
    QString ProductNameWithoutBlanks() const;

    void SetDocumentType(const QString &extension, const QString &description);
    void AddDocumentType(const QString &extension, const QString &description);
    void AddDocumentTypes(const QStringList &extensions, const QString &description);

    void SetHomePageUrl(const QString &address);

    QString DocumentName() const;
    QString DocumentSettingsTitle(bool plainForFile) const;
    static QString PreferencesName();

    QString DocumentFileFilter() const { return m_DocumentFileFilter; }
    QString MainDocumentFileFilter() const { return m_MainDocumentFileFilter; }

    QString m_ReleaseDate;                 // "yyyy/mm/dd"
    QString m_MakersCompanyName;
    QString m_MakersWebDomain;
    QString m_ShortName;
    QString m_ShortNameLower;
    QString m_ProductName;
    QString m_ProductDisplayName;
    QString m_CompactDisplayName;
    QString m_FullVersion;
    QString m_IconResource;
    QString m_HomePage;
    QString m_HomePageWithScheme;
    // Where the update information is asked for (https); empty: never asked.
    QString m_UpdateInfoAddress;
    qint32 m_FirstYear;
    QStringList m_DocumentExtensions;
    QString m_DocumentFileFilter;
    QString m_DocumentExtension;
    QString m_MainDocumentFileFilter;
    bool m_OpenDialogAtStartup;
    bool m_ReopenLastDocument;
    QString m_DocumentNoun;
    QString m_DocumentTypeName;
    QString m_DocumentNameOverride;
    bool m_WelcomeDialog;
    bool m_CompressedDocumentStream;
    bool m_KeepsDocumentSettings;
    bool m_SettingsInsideDocument;
    bool m_NewAlwaysOffered;
    bool m_NewWithExtension;
};

// The process-wide descriptor; it exists before main runs and lives until exit.
CCmnAppDescriptor &CmnGetAppDescriptor();
