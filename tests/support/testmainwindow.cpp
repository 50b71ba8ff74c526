#include "testmainwindow.h"

CTestMainWindow::CTestMainWindow() = default;

bool CTestMainWindow::OpenDocument(const QString &path, qint32 flags)
{
    m_Calls << QStringLiteral("OpenDocument(%1, %2)").arg(path).arg(flags);
    return !m_UnopenablePaths.contains(path);
}

bool CTestMainWindow::NewDocument()
{
    m_Calls << QStringLiteral("NewDocument()");
    return true;
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

bool CTestMainWindow::WriteDocument(const QString &path)
{
    m_Calls << QStringLiteral("WriteDocument(%1)").arg(path);
    return !m_WriteFails;
}

void CTestMainWindow::ForgetDocumentChanges(const QString &path)
{
    m_Calls << QStringLiteral("ForgetDocumentChanges(%1)").arg(path);
}

bool CTestMainWindow::QuerySaveChanges(bool *save)
{
    m_Calls << QStringLiteral("QuerySaveChanges()");
    *save = m_QuerySaveAnswer == QuerySave;
    return m_QuerySaveAnswer != QueryCancel;
}

void CTestMainWindow::AddWelcomeCommand(QAction *command, const QString &label)
{
    m_WelcomeCommands << TWelcomeCommand(command, label);
}

void CTestMainWindow::BuildFrame()
{
    CreateNewAction(QStringLiteral("New"), QStringLiteral("Create a new file"));
    CreateOpenAction(QStringLiteral("Open..."), QStringLiteral("Open an existing file"), QStringLiteral("Open"),
                     QString());
    CreateSaveActions(QStringLiteral("Save"), QStringLiteral("Save file"), QStringLiteral("Save As..."),
                      QStringLiteral("Save as a new file"), QStringLiteral("Save As File"), QString());
    CreateCloseAction(QStringLiteral("Close"), QStringLiteral("Close file"));
    FileMenu();
    AddFileMenuTail();
    CreateHelpMenu();
    CreateMessagesDock();
    UpdateActions();
}
