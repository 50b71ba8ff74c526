#include "mainwindow.h"

#include "biolegacydatafiles.h"
#include "cmnappdescriptor.h"
#include "cmndocumentfilewriter.h"
#include "cmnfilechooser.h"
#include "cmnfilenames.h"
#include "cmnhtmlescape.h"
#include "cmninbuiltsampleselectdialog.h"
#include "cmnmappedpath.h"
#include "cmnmessageboxes.h"
#include "cmnprogressdialog.h"
#include "cmnpushbutton.h"
#include "cmnsettingsexchange.h"
#include "cmntext.h"
#include "cmnwaitcursor.h"
#include "cmnwhatsthistexts.h"
#include "cmnwidgetaccelerators.h"
#include "document.h"
#include "documentfile.h"
#include "documentsettingsdialog.h"
#include "documentsettingsparamsfornewdocumentdialog.h"
#include "documentstickystates.h"
#include "documentwidget.h"
#include "preferencesdialog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

namespace {

// The remembered answer of the question before Save As.
constexpr qint32 kSaveAsWarningId = 7;

void SetButtonWhatsThis(QWidget *button, const QString &name)
{
    if (button)
        button->setWhatsThis(CmnWhatsThisTexts().value(QStringLiteral("CMainWindow.html:") + name));
}

} // namespace

CMainWindow::CMainWindow()
    : CCmnMainWindowEx(kMaxRecentFiles)
{
    m_HasMessagesPanel = true;
    m_PreferencesButton = new CCmnPushButton;
    m_ExtraButtons << m_PreferencesButton;
    if (CmnGetAppDescriptor().m_KeepsDocumentSettings) {
        m_DocumentSettingsButton = new CCmnPushButton;
        m_ExtraButtons << m_DocumentSettingsButton;
    }
    m_DocumentWidget = new CDocumentWidget(this, m_ExtraButtons);
    m_DocumentWidget->setObjectName(QStringLiteral("documentwidget"));
    connect(m_DocumentWidget, &CDocumentWidget::SignalFileNameDropped, this, &CMainWindow::Slot_FileName_Dropped);
    setCentralWidget(m_DocumentWidget);
    setWindowIcon(QIcon(CmnGetAppDescriptor().m_IconResource));
    ExchangeSettings(false);
    m_DocumentWidget->ApplyAppSettings(false);
    m_DocumentWidget->update();

    CreateActions();
    CreateMenus();
    RestoreWindowState();
    CreateMessagesDock();
    UpdateActions();
    SetDocument(nullptr, nullptr, m_DefaultDocumentSettings, CDocumentStickyStates());
    SetTitle(QString(), QString());
    setUnifiedTitleAndToolBarOnMac(true);
    AssignMenuAccelerators(menuBar());
    RebuildNamedMenus();
    m_DocumentWidget->SetMenuTables(NamedMenus(), NamedActionGroups());
}

CMainWindow::~CMainWindow()
{
    // The document widget lets go of the document before either goes.
    SetDocument(nullptr, nullptr, m_DefaultDocumentSettings, CDocumentStickyStates());
}

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
    m_PreferencesButton->SetAction(m_PreferencesAction);
    SetButtonWhatsThis(m_PreferencesButton, QStringLiteral("PreferencesButton"));
    if (app.m_KeepsDocumentSettings) {
        m_DocumentSettingsAction =
            MakeCommand(app.DocumentSettingsTitle(true) + QStringLiteral("..."),
                        tr("View/modify %1").arg(app.DocumentSettingsTitle(false).toLower()),
                        &CMainWindow::Action_App_DocumentSettings_Triggered);
        m_DocumentSettingsAction->setToolTip(m_DocumentSettingsAction->statusTip());
        if (m_DocumentSettingsButton)
            m_DocumentSettingsButton->SetAction(m_DocumentSettingsAction, app.DocumentSettingsTitle(false));
        SetButtonWhatsThis(m_DocumentSettingsButton, QStringLiteral("DocumentSettingsButton"));
    }

    m_SampleAction = MakeCommand(tr("Open Sample Pedigree Data File..."), tr("Load sample pedigree data file"),
                                 &CMainWindow::Action_App_FileOpenSample_Triggered);
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

    m_ExportAction = MakeCommand(tr("Export Data..."), tr("Exports data in various formats"),
                                 &CMainWindow::Action_App_FileSaveExport_Triggered);
    m_ExportActions << m_ExportAction;
    SetSaveAsWarning(
        tr("<p><b>Important Note!</b></p><p>In normal usage you should <b>not</b> normally use the 'Save As' "
           "option.</p><p>If you just want to save any new pedigree data you have just added, use <b>Save</b> "
           "rather than <b>Save As</b>. That will save everything to the same pedigree data file you already have "
           "open. It is only by keeping all the pedigree data together in one file that you can then refer to the "
           "ancestors of one pedigree from another.</p><p>In normal usage the only reason to use 'Save As' is "
           "when you want to make a copy of your entire pedigree data file.</p>"),
        kSaveAsWarningId);
    m_PrintAction =
        MakeCommand(tr("Print Data..."), tr("Prints the data as a table"), &CMainWindow::Action_App_Print_Triggered);
    m_PrintPreviewAction = MakeCommand(tr("Print Preview Data..."), tr("Previews the data as a table before printing"),
                                       &CMainWindow::Action_App_PrintPreview_Triggered);
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

void CMainWindow::Action_App_FileOpenSample_Triggered()
{
    // The open itself asks whether the current document may go.
    const QString path = CmnChooseInbuiltSample(this);
    if (!path.isEmpty())
        OpenDocument(path, OpenAsExample);
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
    // The open document and its forms take the new values; field names that now
    // clash with the animal words are reported.
    m_DocumentWidget->ApplyAppSettings(true);
    m_DocumentWidget->update();
}

void CMainWindow::Action_App_DocumentSettings_Triggered()
{
    if (!m_Document) {
        // Without a document the command edits what the next new document starts from.
        EditDefaultDocumentSettings(m_DefaultDocumentSettings, this);
        return;
    }
    CDocumentSettings edited;
    m_DocumentWidget->GetSettings(edited);
    if (!EditOpenDocumentSettings(edited, m_DefaultDocumentSettings, m_Document->GetRegister(), this)
        || edited == m_DocumentWidget->Settings())
        return;
    const CCmnWaitCursorScope wait;
    CCmnProgressDialog progress(this);
    progress.Setup(tr("Adjusting"));
    progress.EnablePhases();
    m_DocumentWidget->SetSettings(&progress, edited);
    m_DocumentWidget->update();
    progress.close();
}

void CMainWindow::Action_App_FileSaveExport_Triggered()
{
    m_DocumentWidget->ExportData();
}

void CMainWindow::Action_App_Print_Triggered()
{
    m_DocumentWidget->PrintData();
}

void CMainWindow::Action_App_PrintPreview_Triggered()
{
    m_DocumentWidget->PrintPreviewData();
}

bool CMainWindow::IsSamplePath(const QString &path) const
{
    return path.startsWith(QLatin1String(":/inbuiltsample/"));
}

void CMainWindow::RelayoutViews()
{
    m_DocumentWidget->Relayout();
}

void CMainWindow::LoadSettings()
{
    ExchangeSettings(false);
}

void CMainWindow::SaveSettings()
{
    ExchangeSettings(true);
}

void CMainWindow::ExchangeSettings(bool save)
{
    const CCmnSettingsExchange exchange(save);
    if (CmnGetAppDescriptor().m_KeepsDocumentSettings) {
        ExchangeDefaultDocumentSettings(m_DefaultDocumentSettings,
                                        exchange.Child(QStringLiteral("defaultdocumentsettings")),
                                        CDocumentSettings());
        if (!save)
            m_DefaultDocumentSettings.RefreshBuiltInFields();
    }
}

bool CMainWindow::HasDocument() const
{
    return !m_Document.isNull();
}

void CMainWindow::SetDocument(CCmnProgressDialog *progress, const QSharedPointer<CDocument> &document,
                              const CDocumentSettings &settings, const CDocumentStickyStates &states)
{
    m_Document = document;
    m_DocumentWidget->InstallDocument(progress, m_Document, settings, states);
}

bool CMainWindow::SetUpNewDocumentFields(CDocumentSettings &settings)
{
    return ChooseNewDocumentFields(settings);
}

bool CMainWindow::NewDocument()
{
    if (!MayCloseDocument())
        return false;
    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    QSharedPointer<CDocument> document(new CDocument(false));
    CCmnProgressDialog progress(this);
    progress.Setup(tr("Initializing"));
    progress.EnablePhases();
    document->ClearRegister();
    SetTitle(QString(), tr("New %1").arg(CmnTitleCase(app.m_DocumentNoun)));
    SetDocument(&progress, document, m_DefaultDocumentSettings, CDocumentStickyStates());
    if (m_HasMessagesPanel)
        ClearMessages();
    UpdateActions();
    progress.close();
    bool fieldsChosen = false;
    if (app.m_KeepsDocumentSettings) {
        CDocumentSettings settings;
        m_DocumentWidget->GetSettings(settings);
        fieldsChosen = SetUpNewDocumentFields(settings);
        if (fieldsChosen) {
            m_DocumentWidget->SetSettings(nullptr, settings);
            UpdateActions();
            m_DocumentWidget->update();
        }
    }
    if (document->InitialiseNew(fieldsChosen)) {
        UpdateActions();
        m_DocumentWidget->update();
    }
    return true;
}

void CMainWindow::CloseDocument()
{
    if (!MayCloseDocument())
        return;
    SetDocument(nullptr, nullptr, m_DefaultDocumentSettings, CDocumentStickyStates());
    SetTitle(QString(), QString());
    UpdateActions();
}

bool CMainWindow::QuerySaveChanges(bool *save)
{
    *save = false;
    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    const bool documentChanged = m_Document && m_Document->IsModified();
    const bool settingsChanged = app.m_KeepsDocumentSettings && m_DocumentWidget->IsSettingsModified();
    if (!documentChanged && !settingsChanged)
        return true;
    QString text = documentChanged ? tr("<p>The %1 has changed.</p>").arg(app.m_DocumentTypeName)
                                   : tr("<p>The %1 settings have changed.</p>").arg(app.m_DocumentNoun);
    text += tr("<p>Do you want to save the %1?</p>").arg(app.m_DocumentNoun);
    const qint32 answer = AskYesNoCancel(QMessageBox::Question, 0, this, app.m_ProductDisplayName, text);
    if (answer == QMessageBox::Yes) {
        *save = true;
        return true;
    }
    return answer == QMessageBox::No;
}

QString CMainWindow::StickyStatesPrefix(const QString &path) const
{
    if (path.isEmpty() || IsSamplePath(path))
        return QString();
    return QFileInfo(path).baseName();
}

void CMainWindow::ForgetDocumentChanges(const QString &path)
{
    if (!m_Document || !m_DocumentWidget)
        return;
    const QString prefix = StickyStatesPrefix(path);
    if (!prefix.isEmpty()) {
        CDocumentStickyStates states = m_DocumentWidget->StickyStates();
        states.Exchange(false, prefix);
    }
}

void CMainWindow::ShowFileMessage(const QString &text, bool warning)
{
    // Readers' messages break their lines; paths and names are shown as they are.
    ShowRememberedMessage(warning ? QMessageBox::Warning : QMessageBox::Information, this,
                          CmnGetAppDescriptor().m_ProductName,
                          QStringLiteral("<p>") + CmnHtmlEscapeChars(text, true) + QStringLiteral("</p>"));
}

bool CMainWindow::OpenDocument(const QString &path, qint32 flags)
{
    CCmnWaitCursorScope waitCursor;
    if (!(flags & OpenWithoutAsking) && !MayCloseDocument())
        return false;
    CDocumentSettings settings = m_DefaultDocumentSettings;
    QString warning;
    QStringList messages;
    QSharedPointer<CDocument> document(new CDocument((flags & OpenAsExample) != 0));
    CCmnProgressDialog progress(this);
    progress.Setup(tr("Loading"));
    progress.EnablePhases();

    const CCmnMappedPath mapped(path);
    QFile file(mapped.m_MappedPath);
    QString error;
    bool imported = false;
    if (!file.open(QIODevice::ReadOnly)) {
        error = mapped.MessageText(tr("Unable to open file"));
        if (const QString note = CCmnDocumentFileWriter::InterruptedSaveNote(mapped); !note.isEmpty())
            error += QStringLiteral("\n\n") + note;
    } else if (IsDocumentExtension(CmnFileExtension(path))) {
        document->SetFileName(path);
        error = CDocumentFile::Read(file, *document, settings, &progress, warning, messages);
    } else {
        error = document->ImportFile(&progress, warning, messages, path, &file, settings, this);
        imported = true;
    }
    file.close();
    if (!error.isEmpty()) {
        progress.close();
        // The reader's and importer's messages say what is wrong; the file they
        // are about is named after them.
        if (error != QLatin1String("!")) {
            if (!error.contains(QDir::toNativeSeparators(mapped.m_MappedPath)))
                error += QStringLiteral("\n\n") + mapped.MessageText(tr("File"));
            ShowFileMessage(error);
        }
        return false;
    }

    CDocumentStickyStates states;
    if (IsSamplePath(path))
        states.SetSampleDefaults();
    else if (const QString prefix = StickyStatesPrefix(mapped.m_MappedPath); !prefix.isEmpty())
        states.Exchange(true, prefix);
    if (flags & OpenAsExample) {
        SetTitle(QString(), tr("Example"));
    } else {
        SetTitle(path, QString());
        AddRecentFile(path);
    }
    InstallOpenedDocument(&progress, document, settings, states, messages, warning);
    // Closing asks to save what came from elsewhere.
    if (imported)
        document->SetModified(true);
    return true;
}

void CMainWindow::InstallOpenedDocument(CCmnProgressDialog *progress, const QSharedPointer<CDocument> &document,
                                        const CDocumentSettings &settings, const CDocumentStickyStates &states,
                                        const QStringList &messages, const QString &warning)
{
    SetDocument(progress, document, settings, states);
    if (m_HasMessagesPanel) {
        ClearMessages();
        AddMessages(messages, !messages.isEmpty());
    }
    UpdateActions();
    if (!warning.isEmpty()) {
        progress->close();
        ShowFileMessage(warning);
    }
}

bool CMainWindow::WriteDocument(const QString &path)
{
    if (!m_Document)
        return true;
    CDocumentSettings settings;
    m_DocumentWidget->GetSettings(settings);
    CCmnDocumentFileWriter writer{CCmnMappedPath(path)};
    writer.SetFileSteps(m_DocumentFileSteps);
    const QString error = writer.Write([&](QIODevice &file) {
        CCmnWaitCursorScope waitCursor;
        CCmnProgressDialog progress(this);
        progress.Setup(tr("Saving"));
        progress.EnablePhases();
        m_Document->SetFileName(path);
        m_Document->BeginModify();
        const QString streamError = CDocumentFile::Write(file, *m_Document, settings);
        m_Document->EndModify();
        return streamError;
    });
    if (!error.isEmpty()) {
        ShowFileMessage(error);
        return false;
    }
    SetTitle(path, QString());
    AddRecentFile(path);
    m_Document->SetModified(false);
    m_DocumentWidget->SetSettingsModified(false);
    // The document is saved; only a backup was left behind.
    if (!writer.Warning().isEmpty())
        ShowFileMessage(writer.Warning());
    return true;
}
