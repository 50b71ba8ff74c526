#include "cmnmainwindowex.h"

#include "cmnappdescriptor.h"
#include "cmndate.h"
#include "cmndateprovider.h"
#include "cmndockwidget.h"
#include "cmnfilechooser.h"
#include "cmnfilenames.h"
#include "cmnfileprompts.h"
#include "cmnframework.h"
#include "cmnhelplocator.h"
#include "cmnhtmlescape.h"
#include "cmnlistwidget.h"
#include "cmnmessageboxes.h"
#include "cmnscreen.h"
#include "cmnsystemsettings.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmntext.h"
#include "cmnupdateinfo.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>

#include <utility>

namespace {

const QString kRecentFilesKey = QStringLiteral("mainwindow/mru");
const QString kGeometryKey = QStringLiteral("mainwindow/geometry");
const QString kWindowStateKey = QStringLiteral("mainwindow/windowstate");
constexpr int kWindowStateVersion = 0;
constexpr int kGregorian = 1;

QString ProductName()
{
    return CmnGetAppDescriptor().m_ProductDisplayName;
}

// The stored list as far as it makes sense: a damaged entry (no text, or a value
// that is no list at all) reads as no file, and never more than the list holds.
QStringList StoredRecentFiles()
{
    const QVariant value = QSettings().value(kRecentFilesKey);
    QStringList files;
    if (value.canConvert<QStringList>())
        files = value.toStringList();
    files.removeAll(QString());
    if (files.size() > CCmnMainWindowEx::kMaxRecentFiles)
        files.resize(CCmnMainWindowEx::kMaxRecentFiles);
    return files;
}

// An action the window did not build (a help page that is not there, a command
// the application has not) leaves no entry.
void AddIfBuilt(QMenu *menu, QAction *action)
{
    if (action)
        menu->addAction(action);
}

void ShowWarning(QWidget *parent, const QString &error)
{
    if (!error.isEmpty())
        ShowRememberedMessage(QMessageBox::Warning, parent, QString(), CmnHtmlEscapedParagraph(error));
}

} // namespace

CCmnMainWindowEx::CCmnMainWindowEx(qint32 mruSize)
    : QMainWindow(nullptr)
    , m_MruSize(mruSize)
{
    const QString product = ProductName();
    m_ExitAction = MakeAction(tr("Exit"), tr("Exit %1").arg(product), nullptr);
    m_ExitAction->setShortcut(QKeySequence::Quit);
    connect(m_ExitAction, &QAction::triggered, this, &QWidget::close);
    m_AboutAction = MakeAction(tr("About %1...").arg(product), tr("Show information about %1").arg(product),
                               &CCmnMainWindowEx::Action_App_About_Triggered);
    m_HelpIndexAction = MakeAction(tr("Help Index..."), tr("Show application help"),
                                   &CCmnMainWindowEx::Action_App_HelpIndex_Triggered);
    m_HelpIndexAction->setShortcut(QKeySequence::HelpContents);
    if (CmnHelpPageExists(QStringLiteral("support.html")))
        m_SupportAction = MakeAction(tr("Product Support..."), tr("%1 support").arg(product),
                                     &CCmnMainWindowEx::Action_App_HelpSupport_Triggered);
    if (CmnHelpPageExists(QStringLiteral("faq.html")))
        m_FaqAction = MakeAction(tr("Frequently Asked Questions..."), tr("Frequently asked questions"),
                                 &CCmnMainWindowEx::Action_App_HelpFAQ_Triggered);
    if (CmnUserGuideExists())
        m_UserGuideAction = MakeAction(tr("Display User Guide (PDF)..."), tr("Display User Guide"),
                                       &CCmnMainWindowEx::Action_App_HelpUserGuidePDF_Triggered);
    for (qint32 i = 0; i < kMaxRecentFiles; ++i) {
        QAction *action = MakeAction(QString(), QString(), &CCmnMainWindowEx::Action_OpenMRU);
        action->setVisible(false);
        m_RecentFileActions << action;
    }
    if (CmnHelpPageExists(QStringLiteral("revisionhistory.html")))
        m_RevisionHistoryAction =
            MakeAction(tr("Revision History..."), tr("Displays product revision history (changes)"),
                       &CCmnMainWindowEx::Action_App_HelpRevisionHistory_Triggered);
    if (CmnHelpPageExists(QStringLiteral("releasenotes.html")))
        m_ReleaseNotesAction = MakeAction(tr("Release Notes..."), tr("Displays product release notes"),
                                          &CCmnMainWindowEx::Action_App_HelpReleaseNotes_Triggered);
    // The stored window state and the settings may carry them.
    CmnRegisterValueTypes();
    RequestUpdateInfo();
}

CCmnMainWindowEx::~CCmnMainWindowEx()
{
    // A reply still on its way goes with the manager, and must not reach the
    // slot of a window that is half gone.
    m_UpdateReply = nullptr;
    delete m_NetworkAccessManager;
}

QAction *CCmnMainWindowEx::MakeAction(const QString &text, const QString &statusTip,
                                      void (CCmnMainWindowEx::*slot)())
{
    auto *action = new QAction(text, this);
    action->setStatusTip(statusTip);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

bool CCmnMainWindowEx::IsSamplePath(const QString &) const
{
    return false;
}

void CCmnMainWindowEx::RelayoutViews()
{
}

void CCmnMainWindowEx::LoadSettings()
{
}

void CCmnMainWindowEx::SaveSettings()
{
}

bool CCmnMainWindowEx::NewDocument()
{
    return false;
}

bool CCmnMainWindowEx::OpenDocument(const QString &, qint32)
{
    return false;
}

void CCmnMainWindowEx::CloseDocument()
{
}

bool CCmnMainWindowEx::HasDocument() const
{
    return false;
}

bool CCmnMainWindowEx::IsDocumentExtension(const QString &extension)
{
    const QString &documentExtension = CmnGetAppDescriptor().m_DocumentExtension;
    return !extension.isEmpty() && !documentExtension.isEmpty()
        && extension.compare(documentExtension, Qt::CaseInsensitive) == 0;
}

bool CCmnMainWindowEx::SaveDocument(const QString &path, qint32 flags)
{
    const QString extension = CmnFileExtension(path).toLower();
    if (IsDocumentExtension(extension)) {
        if (!WriteDocument(path))
            return false;
        ForgetDocumentChanges(path);
        UpdateActions();
        return true;
    }
    if (!(flags & SaveWithoutExtensionMessage) && !extension.isEmpty())
        ShowRememberedMessage(QMessageBox::Information, this, ProductName(),
                              tr("<p>You must use the file extension '%1' when saving.</p>")
                                  .arg(CmnGetAppDescriptor().m_DocumentExtension));
    return SaveDocumentAs();
}

bool CCmnMainWindowEx::WriteDocument(const QString &)
{
    return false;
}

void CCmnMainWindowEx::ForgetDocumentChanges(const QString &)
{
}

bool CCmnMainWindowEx::QuerySaveChanges(bool *save)
{
    *save = false;
    return true;
}

void CCmnMainWindowEx::TitleChanged()
{
}

void CCmnMainWindowEx::OpenDocumentWithDialog()
{
    if (m_OpenAction)
        Action_App_FileOpen_Triggered();
}

bool CCmnMainWindowEx::SaveDocumentAs()
{
    if (!HasDocument())
        return true;
    // The chooser adds the extension itself, so that it asks before replacing a
    // file of that name.
    const QString path =
        CmnGetSaveFileNameWithSuffix(this, m_SaveAsCaption, QString(), m_SaveAsFilter,
                                     CmnGetAppDescriptor().m_DocumentExtension);
    if (path.isEmpty())
        return false;
    if (!CmnCheckFileExtension(CmnFileExtension(path), m_SaveAsFilter, this))
        return false;
    return SaveDocument(path, 0);
}

bool CCmnMainWindowEx::MayCloseDocument()
{
    if (!HasDocument())
        return true;
    bool save = false;
    if (!QuerySaveChanges(&save))
        return false;
    if (save)
        return SaveDocument(m_CurrentPath, SaveWithoutExtensionMessage);
    ForgetDocumentChanges(m_CurrentPath);
    return true;
}

QString CCmnMainWindowEx::AboutTrailingText() const
{
    return QString();
}

void CCmnMainWindowEx::UpdateActions()
{
    const bool hasDocument = HasDocument();
    if (m_CloseAction)
        m_CloseAction->setEnabled(hasDocument);
    if (m_SaveAction)
        m_SaveAction->setEnabled(hasDocument && IsDocumentExtension(m_CurrentExtension));
    if (m_SaveAsAction)
        m_SaveAsAction->setEnabled(hasDocument);
    for (QAction *action : std::as_const(m_ExportActions))
        action->setEnabled(hasDocument);
    for (QAction *action : std::as_const(m_PrintActions))
        action->setEnabled(hasDocument);
}

QString CCmnMainWindowEx::AboutMiddleText() const
{
    return QString();
}

bool CCmnMainWindowEx::HasNewCommand() const
{
    return m_NewAction != nullptr;
}

QString CCmnMainWindowEx::ParseUpdateInfo()
{
    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    return CmnUpdateNoticeHtml(m_UpdateText, app.m_FullVersion, app.m_ProductDisplayName, app.m_HomePageWithScheme);
}

void CCmnMainWindowEx::RequestUpdateInfo()
{
    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    const QUrl address = CmnUpdateInfoUrl(app.m_UpdateInfoAddress, app.m_CompactDisplayName);
    CCmnSystemSettings *settings = CmnGetSystemSettings();
    // A build without an address keeps no check dates.
    if (!address.isValid() || !settings || !CmnUpdateCheckDue(*settings, CmnGetDateProvider().Today()))
        return;
    m_NetworkAccessManager = new QNetworkAccessManager(this);
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    m_UpdateReply = m_NetworkAccessManager->get(request);
    QNetworkReply *reply = m_UpdateReply;
    connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl &target) {
        if (CmnIsAllowedUpdateRedirect(target))
            Q_EMIT reply->redirectAllowed();
        else
            reply->abort();
    });
    connect(reply, &QIODevice::readyRead, this, &CCmnMainWindowEx::Slot_DownloadUpdateInfoFile_readyRead);
    connect(reply, &QNetworkReply::finished, this, &CCmnMainWindowEx::Slot_DownloadUpdateInfoFile_httpFinished);
}

// Takes what has come, up to the limit; a server that sends more is cut off there
// rather than read for ever.
void CCmnMainWindowEx::Slot_DownloadUpdateInfoFile_readyRead()
{
    // An aborted reply is closed and has nothing more to give.
    if (!m_UpdateReply || m_UpdateReplyCut || !m_UpdateReply->isOpen())
        return;
    m_UpdateBytes += m_UpdateReply->read(CmnMaxUpdateInfoBytes - m_UpdateBytes.size());
    if (m_UpdateBytes.size() >= CmnMaxUpdateInfoBytes) {
        m_UpdateReplyCut = true;
        m_UpdateReply->abort();
    }
}

void CCmnMainWindowEx::Slot_DownloadUpdateInfoFile_httpFinished()
{
    if (!m_UpdateReply)
        return;
    Slot_DownloadUpdateInfoFile_readyRead();
    QNetworkReply *reply = std::exchange(m_UpdateReply, nullptr);
    // A cut reply is read as far as it came; any other failure gives no text.
    if (m_UpdateReplyCut || reply->error() == QNetworkReply::NoError)
        m_UpdateText = QString::fromUtf8(m_UpdateBytes);
    m_UpdateBytes.clear();
    reply->deleteLater();
}

void CCmnMainWindowEx::CreateNewAction(const QString &text, const QString &statusTip)
{
    m_NewAction = MakeAction(text, statusTip, &CCmnMainWindowEx::Action_App_FileNew_Triggered);
    m_NewAction->setShortcut(QKeySequence::New);
}

void CCmnMainWindowEx::CreateOpenAction(const QString &text, const QString &statusTip, const QString &caption,
                                        const QString &filter)
{
    m_OpenAction = MakeAction(text, statusTip, &CCmnMainWindowEx::Action_App_FileOpen_Triggered);
    m_OpenAction->setShortcut(QKeySequence::Open);
    m_OpenCaption = caption;
    m_OpenFilter = filter.isEmpty() ? CmnGetAppDescriptor().DocumentFileFilter() : filter;
}

void CCmnMainWindowEx::CreateSaveActions(const QString &saveText, const QString &saveStatusTip,
                                         const QString &saveAsText, const QString &saveAsStatusTip,
                                         const QString &caption, const QString &filter)
{
    m_SaveAction = MakeAction(saveText, saveStatusTip, &CCmnMainWindowEx::Action_App_SaveFile_Triggered);
    m_SaveAction->setShortcut(QKeySequence::Save);
    m_SaveAsAction = MakeAction(saveAsText, saveAsStatusTip, &CCmnMainWindowEx::Action_App_SaveAsFile_Triggered);
    m_SaveAsAction->setShortcut(QKeySequence::SaveAs);
    m_SaveAsCaption = caption;
    m_SaveAsFilter = filter.isEmpty() ? CmnGetAppDescriptor().MainDocumentFileFilter() : filter;
}

void CCmnMainWindowEx::CreateCloseAction(const QString &text, const QString &statusTip)
{
    m_CloseAction = MakeAction(text, statusTip, &CCmnMainWindowEx::Action_App_CloseFile_Triggered);
    m_CloseAction->setShortcut(QKeySequence::Close);
}

QMenu *CCmnMainWindowEx::FileMenu()
{
    if (m_FileMenu)
        return m_FileMenu;
    m_FileMenu = menuBar()->addMenu(tr("&File"));
    QMenu *menu = m_FileMenu;
    const auto addSeparator = [menu] {
        if (!menu->isEmpty())
            menu->addSeparator();
    };
    AddIfBuilt(menu, m_NewAction);
    AddIfBuilt(menu, m_OpenAction);
    for (const TWelcomeCommand &command : std::as_const(m_WelcomeCommands))
        AddIfBuilt(menu, command.first);
    if (m_SaveAction || m_SaveAsAction || !m_ExportActions.isEmpty()) {
        addSeparator();
        AddIfBuilt(menu, m_SaveAction);
        AddIfBuilt(menu, m_SaveAsAction);
        menu->addActions(m_ExportActions);
    }
    if (!m_PrintActions.isEmpty()) {
        addSeparator();
        menu->addActions(m_PrintActions);
    }
    if (m_CloseAction) {
        addSeparator();
        menu->addAction(m_CloseAction);
    }
    return menu;
}

void CCmnMainWindowEx::AddFileMenuTail()
{
    QMenu *menu = FileMenu();
    if (m_OpenAction) {
        if (!menu->isEmpty())
            m_RecentFilesSeparator = menu->addSeparator();
        menu->addActions(m_RecentFileActions);
        RefreshRecentFiles();
    }
    menu->addSeparator();
    menu->addAction(m_ExitAction);
}

QMenu *CCmnMainWindowEx::MenuByName(const QString &title)
{
    if (QMenu *menu = m_Menus.value(title))
        return menu;
    QMenu *menu = menuBar()->addMenu(title);
    m_Menus.insert(title, menu);
    return menu;
}

void CCmnMainWindowEx::CreateHelpMenu()
{
    if (!m_HelpMenu) {
        menuBar()->addSeparator();
        m_HelpMenu = menuBar()->addMenu(tr("&Help"));
    }
    QMenu *menu = m_HelpMenu;
    if (!menu->isEmpty())
        menu->addSeparator();
    // A help page that is not there leaves its entry out; the separators stay, so
    // that the groups keep their places.
    AddIfBuilt(menu, m_HelpIndexAction);
    AddIfBuilt(menu, m_FaqAction);
    AddIfBuilt(menu, m_UserGuideAction);
    menu->addSeparator();
    AddIfBuilt(menu, m_SupportAction);
    menu->addSeparator();
    AddIfBuilt(menu, m_AboutAction);
    AddIfBuilt(menu, m_ReleaseNotesAction);
    AddIfBuilt(menu, m_RevisionHistoryAction);
}

void CCmnMainWindowEx::RebuildNamedMenus()
{
    for (auto it = m_NamedActionGroups.cbegin(); it != m_NamedActionGroups.cend(); ++it) {
        QMenu *menu = m_Menus.value(it.key());
        if (!menu)
            continue;
        menu->clear();
        CmnAddMenuEntries(menu, it.value(), false);
    }
}

void CCmnMainWindowEx::CreateMessagesDock()
{
    m_MessagesDock = new CCmnDockWidget(this);
    m_MessagesDock->setWindowTitle(tr("Messages"));
    m_MessagesDock->setObjectName(QStringLiteral("dw-messages"));
    m_MessagesDock->setAllowedAreas(Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    m_MessagesList = new CCmnListWidget(m_MessagesDock);
    m_MessagesDock->setWidget(m_MessagesList);
    if (!restoreDockWidget(m_MessagesDock))
        addDockWidget(Qt::BottomDockWidgetArea, m_MessagesDock);
    m_MessagesDock->hide();

    m_CopyMessagesAction = MakeAction(tr("Copy Messages"), tr("Copies the text in the messages panel to the clipboard"),
                                      &CCmnMainWindowEx::Action_CopyMessages_Triggered);
    m_CopyMessagesAction->setEnabled(false);
    m_SaveMessagesAction = MakeAction(tr("Save Messages..."), tr("Saves the text in the messages panel to a file"),
                                      &CCmnMainWindowEx::Action_SaveMessages_Triggered);
    m_SaveMessagesAction->setEnabled(false);

    QList<CCmnMenuEntry> &view = m_NamedActionGroups[QStringLiteral("View")];
    for (QAction *action : {m_MessagesDock->toggleViewAction(), m_CopyMessagesAction, m_SaveMessagesAction}) {
        CCmnMenuEntry entry;
        entry.m_Action = action;
        view << entry;
    }
}

void CCmnMainWindowEx::ClearMessages()
{
    if (!m_MessagesList)
        return;
    m_MessagesList->clear();
    m_CopyMessagesAction->setEnabled(false);
    m_SaveMessagesAction->setEnabled(false);
}

void CCmnMainWindowEx::AddMessages(const QStringList &lines, bool show)
{
    if (!m_MessagesList)
        return;
    m_MessagesList->addItems(lines);
    if (show && !lines.isEmpty())
        m_MessagesDock->show();
    const bool hasMessages = m_MessagesList->count() > 0;
    m_CopyMessagesAction->setEnabled(hasMessages);
    m_SaveMessagesAction->setEnabled(hasMessages);
}

void CCmnMainWindowEx::RestoreWindowState()
{
    const QSettings settings;
    const QByteArray state = settings.value(kWindowStateKey).toByteArray();
    // Geometry that does not read (damaged, or from another toolkit) counts as none.
    if (state.isEmpty() || !restoreGeometry(settings.value(kGeometryKey).toByteArray())) {
        // The size the window takes when the user ends the maximised state (and on
        // a desktop that cannot maximise): an empty window would be tiny.
        const QSize available = CmnAvailableScreenSize();
        if (!available.isEmpty())
            resize(available * 2 / 3);
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    restoreState(state, kWindowStateVersion);
}

void CCmnMainWindowEx::SetTitle(const QString &path, const QString &displayName)
{
    m_CurrentPath = path;
    m_CurrentExtension = CmnFileExtension(path).toLower();
    if (displayName.isEmpty()) {
        QString shownName = path;
        const QString &extension = CmnGetAppDescriptor().m_DocumentExtension;
        if (path.isEmpty() && HasDocument() && !extension.isEmpty())
            shownName = QStringLiteral("untitled.") + extension;
        if (shownName.isEmpty()) {
            setWindowFilePath(QString());
            setWindowTitle(ProductName());
        } else {
            // The toolkit then titles the window with the file's name and the
            // application's name.
            setWindowTitle(QString());
            setWindowFilePath(shownName);
        }
    } else {
        setWindowFilePath(QString());
        setWindowTitle(ProductName() + QStringLiteral(" - ") + displayName);
    }
    TitleChanged();
}

void CCmnMainWindowEx::AddRecentFile(const QString &path)
{
    QStringList files = StoredRecentFiles();
    // Names that differ only by letter case are two files where the file system
    // says so.
    const Qt::CaseSensitivity caseSensitivity = CmnFileNameCaseSensitivity();
    files.removeIf([&path, caseSensitivity](const QString &file) {
        return file.compare(path, caseSensitivity) == 0;
    });
    files.prepend(path);
    while (files.size() > kMaxRecentFiles)
        files.removeLast();
    QSettings().setValue(kRecentFilesKey, files);
    RefreshRecentFiles();
}

QString CCmnMainWindowEx::MostRecentFile() const
{
    const QStringList files = StoredRecentFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

void CCmnMainWindowEx::RefreshRecentFiles()
{
    const QStringList files = StoredRecentFiles();
    const qsizetype shown = qMin(qsizetype(kMaxRecentFiles), files.size());
    for (qsizetype i = 0; i < m_RecentFileActions.size(); ++i) {
        QAction *action = m_RecentFileActions.at(i);
        if (i < shown) {
            const QString &path = files.at(i);
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(CmnMnemonicSafe(QFileInfo(path).fileName())));
            action->setData(path);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
    if (m_RecentFilesSeparator)
        m_RecentFilesSeparator->setVisible(shown > 0);
}

void CCmnMainWindowEx::SetSaveAsWarning(const QString &text, qint32 messageId)
{
    m_SaveAsWarning = text;
    m_SaveAsWarningId = messageId;
}

void CCmnMainWindowEx::Action_App_FileNew_Triggered()
{
    NewDocument();
}

void CCmnMainWindowEx::Slot_FileName_Dropped(const QString &path)
{
    if (!path.isEmpty())
        OpenDocument(path, 0);
}

void CCmnMainWindowEx::Action_App_FileOpen_Triggered()
{
    const QString path = CmnGetOpenFileName(this, m_OpenCaption, QString(), m_OpenFilter);
    if (!path.isEmpty())
        OpenDocument(path, 0);
}

void CCmnMainWindowEx::Action_App_CloseFile_Triggered()
{
    CloseDocument();
}

void CCmnMainWindowEx::Action_App_SaveFile_Triggered()
{
    if (HasDocument() && IsDocumentExtension(m_CurrentExtension))
        SaveDocument(m_CurrentPath, 0);
}

void CCmnMainWindowEx::Action_App_SaveAsFile_Triggered()
{
    if (m_SaveAction && m_SaveAction->isEnabled() && !m_SaveAsWarning.isEmpty()) {
        CCmnMessageBoxOptions options;
        options.m_MessageId = m_SaveAsWarningId;
        const QString text =
            m_SaveAsWarning + tr("<p>Only click OK if you sure you wish to proceed with 'Save As'.</p>");
        if (AskOkCancel(QMessageBox::Question, true, this, ProductName(), text, &options) != QMessageBox::Ok)
            return;
    }
    SaveDocumentAs();
}

void CCmnMainWindowEx::Action_OpenMRU()
{
    const auto *action = qobject_cast<const QAction *>(sender());
    if (action)
        OpenDocument(action->data().toString(), 0);
}

void CCmnMainWindowEx::Action_App_About_Triggered()
{
    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    QStringList paragraphs;
    paragraphs << CmnHtmlEscape(QStringLiteral("%1, v%2").arg(app.m_ProductDisplayName, app.m_FullVersion));
    paragraphs << tr("Pedigrees, coefficients of inbreeding and breeding records for animal breeders.");
    if (const QString middle = AboutMiddleText(); !middle.isEmpty())
        paragraphs << middle;
    paragraphs << CmnHtmlEscape(tr("Copyright %1 %2").arg(app.m_FirstYear).arg(app.m_MakersCompanyName));
    const CCmnDate released = CCmnDate::Parse(app.m_ReleaseDate, QStringLiteral("yyyy/mm/dd"), kGregorian);
    const QString releasedText = released.Format(QStringLiteral("dd mmmm yyyy"), kGregorian);
    if (!releasedText.isEmpty())
        paragraphs << tr("Released %1").arg(releasedText);
    if (const QString trailing = AboutTrailingText(); !trailing.isEmpty())
        paragraphs << trailing;
    // The toolkit this build was made with, and the one it runs on when another.
    QString toolkit = QStringLiteral(QT_VERSION_STR);
    if (toolkit != QLatin1String(qVersion()))
        toolkit += QLatin1Char('/') + QLatin1String(qVersion());
    paragraphs << QStringLiteral("(Qt %1)").arg(toolkit);

    QString body;
    for (const QString &paragraph : std::as_const(paragraphs))
        body += QStringLiteral("<p>%1</p>").arg(paragraph);
    CCmnMessageBoxOptions options;
    options.m_IconPixmap = windowIcon().pixmap(64, 64);
    ShowRememberedMessage(QMessageBox::NoIcon, this, tr("About %1").arg(app.m_ProductDisplayName), body, &options);
}

void CCmnMainWindowEx::Action_App_HelpIndex_Triggered()
{
    CmnShowHelpPageOrWarn(this, QStringLiteral("index.html"));
}

void CCmnMainWindowEx::Action_App_HelpFAQ_Triggered()
{
    CmnShowHelpPageOrWarn(this, QStringLiteral("faq.html"));
}

void CCmnMainWindowEx::Action_App_HelpUserGuidePDF_Triggered()
{
    ShowWarning(this, CmnShowUserGuide());
}

void CCmnMainWindowEx::Action_App_HelpSupport_Triggered()
{
    CmnShowHelpPageOrWarn(this, QStringLiteral("support.html"));
}

void CCmnMainWindowEx::Action_App_HelpReleaseNotes_Triggered()
{
    CmnShowHelpPageOrWarn(this, QStringLiteral("releasenotes.html"));
}

void CCmnMainWindowEx::Action_App_HelpRevisionHistory_Triggered()
{
    CmnShowHelpPageOrWarn(this, QStringLiteral("revisionhistory.html"));
}

QStringList CCmnMainWindowEx::Messages() const
{
    QStringList lines;
    if (m_MessagesList) {
        for (int i = 0; i < m_MessagesList->count(); ++i)
            lines << m_MessagesList->item(i)->text();
    }
    return lines;
}

void CCmnMainWindowEx::Action_CopyMessages_Triggered()
{
    QGuiApplication::clipboard()->setText(Messages().join(QLatin1Char('\n')));
}

void CCmnMainWindowEx::Action_SaveMessages_Triggered()
{
    const QStringList lines = Messages();
    const QString path =
        CmnGetSaveFileNameWithSuffix(this, QString(), QString(), QStringLiteral("Text files (*.txt)"),
                                     QStringLiteral("txt"));
    if (!path.isEmpty())
        CmnWriteChosenTextFile(this, ProductName(), path, lines);
}

void CCmnMainWindowEx::closeEvent(QCloseEvent *event)
{
    if (!MayCloseDocument()) {
        event->ignore();
        return;
    }
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kWindowStateKey, saveState(kWindowStateVersion));
    QMainWindow::closeEvent(event);
}
