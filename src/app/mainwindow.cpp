#include "mainwindow.h"

#include "biolegacydatafiles.h"
#include "cmnappdescriptor.h"
#include "cmnfilechooser.h"
#include "cmnfilenames.h"
#include "cmntext.h"
#include "cmnwidgetaccelerators.h"
#include "preferencesdialog.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

namespace {

// The remembered answer of the question before Save As.
constexpr qint32 kSaveAsWarningId = 7;

} // namespace

CMainWindow::CMainWindow()
    : CCmnMainWindowEx(kMaxRecentFiles)
    , m_DocumentPage(new QWidget(this))
{
    m_HasMessagesPanel = true;
    m_DocumentPage->setObjectName(QStringLiteral("documentwidget"));
    setCentralWidget(m_DocumentPage);
    setWindowIcon(QIcon(CmnGetAppDescriptor().m_IconResource));

    CreateActions();
    CreateMenus();
    RestoreWindowState();
    CreateMessagesDock();
    UpdateActions();
    SetTitle(QString(), QString());
    setUnifiedTitleAndToolBarOnMac(true);
    AssignMenuAccelerators(menuBar());
    RebuildNamedMenus();
}

CMainWindow::~CMainWindow() = default;

QAction *CMainWindow::MakeCommand(const QString &text, const QString &statusTip, void (CMainWindow::*slot)())
{
    auto *action = new QAction(text, this);
    action->setStatusTip(statusTip);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

void CMainWindow::CreateActions()
{
    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    const QString description = app.DocumentName();
    const QString article =
        description.left(1).toUpper() == QLatin1String("A") ? QStringLiteral("an") : QStringLiteral("a");
    const QString noun = app.m_DocumentNoun;
    const QString titleNoun = CmnTitleCase(noun);
    const bool hasExtension = !app.m_DocumentExtension.isEmpty();
    if (app.m_NewAlwaysOffered || (app.m_NewWithExtension && hasExtension))
        CreateNewAction(tr("&New..."), tr("Create a new %1").arg(description));
    CreateOpenAction(tr("&Open..."), tr("Open %1 %2").arg(article, description), tr("Open %1").arg(titleNoun),
                     QString());
    if (hasExtension)
        CreateSaveActions(tr("Save"), tr("Save %1").arg(noun), tr("Save As..."), tr("Save as a new %1").arg(noun),
                          tr("Save As %1").arg(titleNoun), QString());
    CreateCloseAction(tr("Close"), tr("Close %1").arg(noun));

    const QString preferences = CCmnAppDescriptor::PreferencesName();
    m_PreferencesAction = MakeCommand(preferences + QStringLiteral("..."),
                                      tr("View/modify %1").arg(preferences.toLower()),
                                      &CMainWindow::Action_App_Preferences_Triggered);
    m_PreferencesAction->setToolTip(m_PreferencesAction->statusTip());
    // Some desktops have no standard key for it; the command then has none.
    m_PreferencesAction->setShortcut(QKeySequence::Preferences);
    if (app.m_KeepsDocumentSettings) {
        m_DocumentSettingsAction =
            MakeCommand(app.DocumentSettingsTitle(true) + QStringLiteral("..."),
                        tr("View/modify %1").arg(app.DocumentSettingsTitle(false).toLower()), nullptr);
        m_DocumentSettingsAction->setToolTip(m_DocumentSettingsAction->statusTip());
        // The settings dialog is not part of the program yet.
        m_DocumentSettingsAction->setEnabled(false);
    }

    m_SampleAction = MakeCommand(tr("Open Sample Pedigree Data File..."), tr("Load sample pedigree data file"), nullptr);
    // The program carries no sample files yet.
    m_SampleAction->setEnabled(false);
    m_WelcomeCommands << TWelcomeCommand(m_SampleAction, tr("Open a sample pedigree data file"));
    m_TextImportAction = MakeCommand(tr("Import Text/CSV Data..."), tr("Imports data from an external text/CSV file"),
                                     &CMainWindow::Action_App_FileOpenImport_Triggered);
    m_WelcomeCommands << TWelcomeCommand(m_TextImportAction, tr("Import from a text/CSV file"));
    m_HvImportAction = MakeCommand(tr("Import From Halvane..."), tr("Imports data from a Halvane data file"),
                                   &CMainWindow::Action_App_FileOpenLegacy_Triggered_HV);
    m_WelcomeCommands << TWelcomeCommand(m_HvImportAction, tr("Import from Halvane"));
    m_DmImportAction = MakeCommand(tr("Import From Dunmarra..."), tr("Imports data from a Dunmarra data file"),
                                   &CMainWindow::Action_App_FileOpenLegacy_Triggered_DM);
    m_WelcomeCommands << TWelcomeCommand(m_DmImportAction, tr("Import from Dunmarra"));

    m_ExportAction = MakeCommand(tr("Export Data..."), tr("Exports data in various formats"), nullptr);
    m_ExportActions << m_ExportAction;
    SetSaveAsWarning(
        tr("<p><b>Important Note!</b></p><p>In normal usage you should <b>not</b> normally use the 'Save As' "
           "option.</p><p>If you just want to save any new pedigree data you have just added, use <b>Save</b> "
           "rather than <b>Save As</b>. That will save everything to the same pedigree data file you already have "
           "open. It is only by keeping all the pedigree data together in one file that you can then refer to the "
           "ancestors of one pedigree from another.</p><p>In normal usage the only reason to use 'Save As' is "
           "when you want to make a copy of your entire pedigree data file.</p>"),
        kSaveAsWarningId);
    m_PrintAction = MakeCommand(tr("Print Data..."), tr("Prints the data as a table"), nullptr);
    m_PrintPreviewAction =
        MakeCommand(tr("Print Preview Data..."), tr("Previews the data as a table before printing"), nullptr);
    m_PrintActions << m_PrintAction << m_PrintPreviewAction;
}

void CMainWindow::CreateMenus()
{
    QMenu *fileMenu = FileMenu();
    if (!fileMenu->isEmpty())
        fileMenu->addSeparator();
    fileMenu->addAction(m_PreferencesAction);
    if (m_DocumentSettingsAction)
        fileMenu->addAction(m_DocumentSettingsAction);
    AddFileMenuTail();
    MenuByName(QStringLiteral("Record"));
    MenuByName(QStringLiteral("View"));
    CreateHelpMenu();
}

void CMainWindow::ImportChosenFile(const QString &caption, const QString &filter)
{
    if (!MayCloseDocument())
        return;
    const QString path = CmnGetOpenFileName(this, caption, QString(), filter);
    if (!path.isEmpty())
        OpenDocument(path, OpenWithoutAsking);
}

void CMainWindow::Action_App_FileOpenImport_Triggered()
{
    ImportChosenFile(tr("Import Text/CSV Data"), CmnTextFilesFilter());
}

void CMainWindow::Action_App_FileOpenLegacy_Triggered_HV()
{
    ImportChosenFile(tr("Import From Halvane"), BioHvDataFilesFilter());
}

void CMainWindow::Action_App_FileOpenLegacy_Triggered_DM()
{
    ImportChosenFile(tr("Import From Dunmarra"), BioDmDataFilesFilter());
}

void CMainWindow::Action_App_Preferences_Triggered()
{
    CPreferencesDialog dialog(this);
    dialog.LoadCurrentPreferences();
    if (dialog.Exec() != QDialog::Accepted)
        return;
    dialog.StoreEditedPreferences();
}
