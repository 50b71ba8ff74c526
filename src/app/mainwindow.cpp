#include "mainwindow.h"

#include "cmnappdescriptor.h"
#include "cmnwidgetaccelerators.h"
#include "preferencesdialog.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

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

void CMainWindow::CreateActions()
{
    const QString preferences = CCmnAppDescriptor::PreferencesName();
    m_PreferencesAction = new QAction(preferences + QStringLiteral("..."), this);
    const QString tip = tr("View/modify %1").arg(preferences.toLower());
    m_PreferencesAction->setStatusTip(tip);
    m_PreferencesAction->setToolTip(tip);
    // Some desktops have no standard key for it; the command then has none.
    m_PreferencesAction->setShortcut(QKeySequence::Preferences);
    connect(m_PreferencesAction, &QAction::triggered, this, &CMainWindow::Action_App_Preferences_Triggered);
}

void CMainWindow::CreateMenus()
{
    QMenu *fileMenu = FileMenu();
    if (!fileMenu->isEmpty())
        fileMenu->addSeparator();
    fileMenu->addAction(m_PreferencesAction);
    AddFileMenuTail();
    MenuByName(QStringLiteral("Record"));
    MenuByName(QStringLiteral("View"));
    CreateHelpMenu();
}

void CMainWindow::Action_App_Preferences_Triggered()
{
    CPreferencesDialog dialog(this);
    dialog.LoadCurrentPreferences();
    if (dialog.Exec() != QDialog::Accepted)
        return;
    dialog.StoreEditedPreferences();
}
