#include "cmnrunapplication.h"

#include "cmnappdescriptor.h"
#include "cmnenumradioselectdialog.h"
#include "cmnmainwindowex.h"
#include "cmnmessageboxes.h"
#include "cmnsystemsettings.h"
#include "cmntext.h"
#include "cmnupdateinfo.h"
#include "cmnwhatsthistexts.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHash>

namespace {

constexpr qint32 kWelcomeMessageId = 106;

// True when the argument names a document: it ends with "." and one of the
// document extensions, in any letter case. Whether it opens does not matter.
bool OpenFromCommandLine(CCmnMainWindowEx *mainWindow, const QStringList &arguments)
{
    if (arguments.size() < 2)
        return false;
    const QString &argument = arguments.at(1);
    for (const QString &extension : CmnGetAppDescriptor().m_DocumentExtensions) {
        if (!extension.isEmpty() && argument.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive)) {
            (void)mainWindow->OpenDocument(argument, 0);
            return true;
        }
    }
    return false;
}

qint32 WelcomeAnswer()
{
    const CCmnSystemSettings *settings = CmnGetSystemSettings();
    return settings ? settings->GetDontAskAgainResult(kWelcomeMessageId) : 0;
}

void SetWelcomeAnswer(qint32 answer)
{
    if (CCmnSystemSettings *settings = CmnGetSystemSettings())
        settings->SetDontAskAgainResult(kWelcomeMessageId, answer);
}

// The choice of what the user starts with when no document was named on the
// command line.
class CStartChoice
{
public:
    CStartChoice(CCmnMainWindowEx *mainWindow, const CCmnRunApplicationHooks &hooks)
        : m_MainWindow(mainWindow)
        , m_Hooks(hooks)
    {
    }

    void Run();

private:
    enum class EWelcome {
        Settled,
        Cancelled,
        // Reopening the last file failed: ask again.
        AskAgain,
        // Nothing to offer, so no dialog was shown.
        NotShown,
    };

    EWelcome RunWelcomeDialog();

    CCmnMainWindowEx *m_MainWindow;
    const CCmnRunApplicationHooks &m_Hooks;
    // Stays true until the welcome dialog is cancelled.
    bool m_FirstPass = true;
    // The flow comes back here after a failed reopen; the notice that a file
    // selection window follows is given once.
    bool m_FileSelectionAnnounced = false;
};

void CStartChoice::Run()
{
    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    // A most recent file that cannot be reopened is tried once only: a second try
    // would fail the same way, and with no welcome dialog to offer the two steps
    // would take turns for ever.
    bool reopenFailed = false;
    for (;;) {
        if (app.m_WelcomeDialog && WelcomeAnswer() == 0) {
            const EWelcome welcome = RunWelcomeDialog();
            if (welcome == EWelcome::Settled)
                return;
            if (welcome == EWelcome::AskAgain)
                continue;
        }
        if (!m_FirstPass)
            return;
        if (app.m_ReopenLastDocument && !reopenFailed) {
            const QString recent = m_MainWindow->MostRecentFile();
            if (!recent.isEmpty()) {
                if (m_MainWindow->OpenDocument(recent, 0))
                    return;
                reopenFailed = true;
                if (app.m_WelcomeDialog) {
                    // The remembered answer stood for "reopen the last file", which
                    // no longer works: offer the welcome dialog again.
                    SetWelcomeAnswer(0);
                    continue;
                }
            }
        }
        if (m_MainWindow->HasNewCommand())
            m_MainWindow->NewDocument();
        else if (app.m_OpenDialogAtStartup)
            m_MainWindow->OpenDocumentWithDialog();
        return;
    }
}

CStartChoice::EWelcome CStartChoice::RunWelcomeDialog()
{
    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    const QString recent = m_MainWindow->MostRecentFile();
    const QString recentName = QFileInfo(recent).fileName();

    CCmnEnumRadioSelectDialog dialog(m_MainWindow);
    // Choices are numbered in the order they are added.
    const auto addChoice = [&dialog](const QString &text) {
        const qint32 value = qint32(dialog.m_Choices.size());
        dialog.m_Choices << CCmnEnumSelectChoice{text, value};
        return value;
    };
    qint32 lastFileChoice = -1;
    if (!recent.isEmpty() && !recentName.isEmpty())
        lastFileChoice =
            addChoice(QStringLiteral("Open the file you used last [%1]").arg(CmnMnemonicSafe(recentName)));
    qint32 newDocumentChoice = -1;
    if (m_MainWindow->HasNewCommand())
        newDocumentChoice = addChoice(QStringLiteral("Start a new %1").arg(app.m_DocumentTypeName));
    if (lastFileChoice < 0 && newDocumentChoice < 0 && m_MainWindow->WelcomeCommands().isEmpty()) {
        if (m_FirstPass && app.m_ReopenLastDocument && !m_FileSelectionAnnounced) {
            m_FileSelectionAnnounced = true;
            ShowRememberedMessage(QMessageBox::Information, m_MainWindow, app.m_ProductDisplayName,
                                  QStringLiteral("<p>%1 will now display a file selection window.</p>"
                                                 "<p>Use this to select the %2 you wish to open.</p>")
                                      .arg(app.m_ProductDisplayName, app.m_DocumentTypeName));
        }
        return EWelcome::NotShown;
    }
    const qint32 otherFileChoice = addChoice(QStringLiteral("Open a different %1").arg(app.m_DocumentTypeName));
    QHash<qint32, QAction *> commands;
    qint32 firstCommandChoice = -1;
    for (const CCmnMainWindowEx::TWelcomeCommand &command : m_MainWindow->WelcomeCommands()) {
        if (command.second.isEmpty())
            continue;
        const qint32 value = addChoice(command.second);
        commands.insert(value, command.first);
        if (firstCommandChoice < 0)
            firstCommandChoice = value;
    }

    dialog.setWindowTitle(QStringLiteral("%1 - Welcome").arg(app.m_ProductDisplayName));
    dialog.SetHelpPage(QStringLiteral("CCmnEnumRadioSelectDialog_Welcome.html"));
    dialog.m_Header = QStringLiteral("<p>Welcome to %1.</p><p>How would you like to start?</p>")
                          .arg(app.m_ProductDisplayName);
    dialog.m_CheckBoxText = QStringLiteral("Don't show this window in future");
    if (lastFileChoice >= 0)
        dialog.m_SelectedValue = lastFileChoice;
    else if (firstCommandChoice >= 0)
        dialog.m_SelectedValue = firstCommandChoice;
    else if (newDocumentChoice >= 0)
        dialog.m_SelectedValue = newDocumentChoice;
    else
        dialog.m_SelectedValue = otherFileChoice;

    const int result = m_Hooks.m_RunWelcomeDialog ? m_Hooks.m_RunWelcomeDialog(dialog) : dialog.Exec();
    if (result != QDialog::Accepted) {
        m_FirstPass = false;
        return EWelcome::Cancelled;
    }
    const qint32 chosen = dialog.m_SelectedValue;
    if (chosen == lastFileChoice) {
        if (!m_MainWindow->OpenDocument(recent, 0))
            return EWelcome::AskAgain;
    } else if (commands.contains(chosen)) {
        if (QAction *command = commands.value(chosen))
            command->trigger();
    } else if (chosen == newDocumentChoice) {
        m_MainWindow->NewDocument();
    } else if (chosen == otherFileChoice) {
        m_MainWindow->OpenDocumentWithDialog();
    }
    if (dialog.m_CheckBoxState) {
        SetWelcomeAnswer(QMessageBox::Ok);
        if (app.m_ReopenLastDocument) {
            ShowRememberedMessage(QMessageBox::Information, m_MainWindow, app.m_ProductDisplayName,
                                  QStringLiteral("<p>From now on, whenever you run %1 it will always try to open "
                                                 "the %2 you used most recently.</p><p>Use the <b>File</b> menu to "
                                                 "open a different %3.</p>")
                                      .arg(app.m_ProductDisplayName, app.m_DocumentTypeName, app.m_DocumentNoun));
        }
    }
    return EWelcome::Settled;
}

void ShowUpdateNotice(CCmnMainWindowEx *mainWindow)
{
    const QString notice = mainWindow->ParseUpdateInfo();
    if (notice.isEmpty())
        return;
    CCmnMessageBoxOptions options;
    options.m_Flags = CCmnMessageBoxOptions::ApplicationModal;
    options.m_MessageId = CmnUpdateNoticeMessageId;
    options.m_CheckBoxText = QStringLiteral("Don't show me messages about updates in future");
    ShowRememberedMessage(QMessageBox::Information, nullptr,
                          CmnGetAppDescriptor().m_ProductDisplayName + QStringLiteral(" Update"), notice, &options);
}

} // namespace

int CmnRunApplication(QApplication *application, CCmnMainWindowEx *mainWindow)
{
    CCmnRunApplicationHooks hooks;
    hooks.m_Arguments = application->arguments();
    hooks.m_EventLoop = [application] { return application->exec(); };
    return CmnRunApplication(mainWindow, hooks);
}

int CmnRunApplication(CCmnMainWindowEx *mainWindow, const CCmnRunApplicationHooks &hooks)
{
    mainWindow->show();
    // Every window opened from here on finds its help texts; the main window's own
    // controls, built earlier, have none.
    CmnLoadWhatsThisTexts();
    if (!OpenFromCommandLine(mainWindow, hooks.m_Arguments))
        CStartChoice(mainWindow, hooks).Run();
    const int result = hooks.m_EventLoop ? hooks.m_EventLoop() : QApplication::exec();
    ShowUpdateNotice(mainWindow);
    if (result == 0)
        mainWindow->SaveSettings();
    return result;
}
