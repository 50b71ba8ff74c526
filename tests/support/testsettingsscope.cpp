#include "testsettingsscope.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

CTestSettingsScope::CTestSettingsScope(const QString &applicationName)
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta Software"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("orvanta.example"));
    QCoreApplication::setApplicationName(applicationName);
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, m_Folder.path());
        QSettings::setPath(format, QSettings::SystemScope, m_Folder.path() + QStringLiteral("/system"));
    }
}

CTestSettingsScope::~CTestSettingsScope() = default;

QString CTestSettingsScope::SettingsFile() const
{
    return QSettings().fileName();
}
