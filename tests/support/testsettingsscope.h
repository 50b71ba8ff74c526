#pragma once

#include <QTemporaryDir>

// Points every settings object of the process at a fresh temporary folder for
// the scope's lifetime, with the organisation and application names a test
// gives, so that no test reads or writes the user's real settings.
class CTestSettingsScope
{
public:
    explicit CTestSettingsScope(const QString &applicationName = QStringLiteral("OrvantaTest"));
    ~CTestSettingsScope();

    QString Path() const { return m_Folder.path(); }
    // The INI file that default-constructed settings objects write.
    QString SettingsFile() const;

    CTestSettingsScope(const CTestSettingsScope &) = delete;
    CTestSettingsScope &operator=(const CTestSettingsScope &) = delete;

private:
    QTemporaryDir m_Folder;
};
