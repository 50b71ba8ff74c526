#include "testmainwindow.h"

CTestMainWindow::CTestMainWindow(QWidget *parent)
    : CCmnMainWindowEx(parent)
{
}

bool CTestMainWindow::OpenDocument(const QString &path, qint32 flags)
{
    m_Calls << QStringLiteral("OpenDocument(%1, %2)").arg(path).arg(flags);
    return !m_UnopenablePaths.contains(path);
}

void CTestMainWindow::NewDocument()
{
    m_Calls << QStringLiteral("NewDocument()");
}

void CTestMainWindow::OpenDocumentWithDialog()
{
    m_Calls << QStringLiteral("OpenDocumentWithDialog()");
}

void CTestMainWindow::SaveSettings()
{
    m_Calls << QStringLiteral("SaveSettings()");
}

QString CTestMainWindow::ParseUpdateInfo()
{
    m_Calls << QStringLiteral("ParseUpdateInfo()");
    return m_UpdateInfo;
}

void CTestMainWindow::AddWelcomeCommand(QAction *command, const QString &label)
{
    m_WelcomeCommands << TWelcomeCommand(command, label);
}
