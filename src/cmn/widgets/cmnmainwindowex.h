#pragma once

#include "cmnmenuentry.h"
#include "cmnslotblocker.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QString>
#include <QStringList>

class CCmnDockWidget;
class CCmnListWidget;
class QAction;
class QMenu;
class QNetworkAccessManager;
class QNetworkReply;

// The main window of a document application, whatever its document: the standard
// File and Help commands, the most-recently-used files, the messages panel, the
// title, the stored window geometry and the rules of Save, Save As and closing.
// It knows nothing of the document itself: the application's window fills in the
// virtual document operations, builds the document commands it wants with the
// Create...Action builders, and then builds the menus.
class CCmnMainWindowEx : public QMainWindow, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    // A command a new user may want to start with, and the label that offers it.
    using TWelcomeCommand = QPair<QAction *, QString>;

    // The recent-files list never holds more than this.
    static constexpr qint32 kMaxRecentFiles = 5;

    // Flags of OpenDocument.
    enum EOpenFlag : qint32 {
        OpenAsExample = 0x1,
        // The caller has already asked whether the current document may go.
        OpenWithoutAsking = 0x2,
    };
    // Flags of SaveDocument.
    enum ESaveFlag : qint32 {
        // A path without the document extension goes to Save As without a word.
        SaveWithoutExtensionMessage = 0x1,
    };

    // Builds the standard actions; the menus wait for the application's actions.
    explicit CCmnMainWindowEx(qint32 mruSize = kMaxRecentFiles);
    ~CCmnMainWindowEx() override;

    // The document operations. The base has no document: it opens, makes and
    // writes nothing.
    virtual bool IsSamplePath(const QString &path) const;
    virtual void RelayoutViews();
    virtual void LoadSettings();
    // Writes the window's own settings; the start-up flow calls it after an
    // orderly end of the run.
    virtual void SaveSettings();
    // Replaces the current document by a new, empty one, after asking whether the
    // current one may be closed; false when the user kept it.
    virtual bool NewDocument();
    // Opens the document at the path (EOpenFlag). On failure the window shows the
    // message itself and keeps the current document.
    virtual bool OpenDocument(const QString &path, qint32 flags);
    virtual void CloseDocument();
    virtual bool HasDocument() const;
    // Writes the document when the path has the document extension; otherwise,
    // after saying so (unless ESaveFlag says not to), Save As.
    virtual bool SaveDocument(const QString &path, qint32 flags);
    // Writes the document to the path; true on success.
    virtual bool WriteDocument(const QString &path);
    // The document at the path is as stored: what it remembers beside it is stored.
    virtual void ForgetDocumentChanges(const QString &path);
    // Whether to go on, and in *save whether the user wants the changes saved first.
    virtual bool QuerySaveChanges(bool *save);
    virtual void TitleChanged();
    // The Open command: the open-file dialog, then OpenDocument with the chosen
    // path; nothing when cancelled or when the window has no Open command.
    virtual void OpenDocumentWithDialog();
    // False when the user cancelled or the save failed.
    virtual bool SaveDocumentAs();
    // True when the current document may be replaced: unchanged, saved, or the
    // user let its changes go.
    virtual bool MayCloseDocument();
    virtual QString AboutTrailingText() const;
    // Enables the document commands as far as a document is open and, for Save, as
    // far as it has the document extension.
    virtual void UpdateActions();
    virtual QString AboutMiddleText() const;

    // Whether the window offers a New command.
    virtual bool HasNewCommand() const;
    // The update notice as HTML from the update information received while the
    // window ran; empty when there is nothing to tell.
    virtual QString ParseUpdateInfo();

    // Builders of the document commands, with the application's texts. An empty
    // Open filter means every document type; an empty Save As filter the main one.
    void CreateNewAction(const QString &text, const QString &statusTip);
    void CreateOpenAction(const QString &text, const QString &statusTip, const QString &caption,
                          const QString &filter);
    void CreateSaveActions(const QString &saveText, const QString &saveStatusTip, const QString &saveAsText,
                           const QString &saveAsStatusTip, const QString &caption, const QString &filter);
    void CreateCloseAction(const QString &text, const QString &statusTip);

    // Built on the first call, from the actions that exist then.
    QMenu *FileMenu();
    // The recent files (with an Open command only) and Exit.
    void AddFileMenuTail();
    // A menu of the menu bar by title, added on first use.
    QMenu *MenuByName(const QString &title);
    QHash<QString, QMenu *> NamedMenus() const { return m_Menus; }
    // Entries that RebuildNamedMenus puts into the named menus, by menu title.
    QHash<QString, QList<CCmnMenuEntry>> NamedActionGroups() const { return m_NamedActionGroups; }
    void CreateHelpMenu();
    // Refills every named menu that has a group of entries.
    void RebuildNamedMenus();

    // The messages panel, hidden until messages come.
    void CreateMessagesDock();
    void ClearMessages();
    void AddMessages(const QStringList &lines, bool show);
    // The lines of the panel, in order.
    QStringList Messages() const;

    // The stored geometry and state; maximised when there is none that fits.
    void RestoreWindowState();
    // The title: the product name and the display name when one is given, else
    // the file's name (an open untitled document "untitled" and the extension).
    void SetTitle(const QString &path, const QString &displayName);
    // Puts the path first in the stored list.
    void AddRecentFile(const QString &path);
    // The first stored recent file; empty when there is none.
    QString MostRecentFile() const;
    void RefreshRecentFiles();
    // A question shown before Save As while Save is offered; an empty text shows none.
    void SetSaveAsWarning(const QString &text, qint32 messageId);

    // Filled while the window builds its actions.
    const QList<TWelcomeCommand> &WelcomeCommands() const { return m_WelcomeCommands; }

    QString CurrentPath() const { return m_CurrentPath; }
    QString CurrentExtension() const { return m_CurrentExtension; }

    // Null when not built.
    QAction *NewAction() const { return m_NewAction; }
    QAction *OpenAction() const { return m_OpenAction; }
    QAction *SaveAction() const { return m_SaveAction; }
    QAction *SaveAsAction() const { return m_SaveAsAction; }
    QAction *CloseAction() const { return m_CloseAction; }
    QAction *ExitAction() const { return m_ExitAction; }
    QAction *AboutAction() const { return m_AboutAction; }
    QAction *HelpIndexAction() const { return m_HelpIndexAction; }
    QAction *SupportAction() const { return m_SupportAction; }
    QAction *FaqAction() const { return m_FaqAction; }
    QAction *UserGuideAction() const { return m_UserGuideAction; }
    QAction *ReleaseNotesAction() const { return m_ReleaseNotesAction; }
    QAction *RevisionHistoryAction() const { return m_RevisionHistoryAction; }
    const QList<QAction *> &RecentFileActions() const { return m_RecentFileActions; }
    QAction *RecentFilesSeparator() const { return m_RecentFilesSeparator; }
    QMenu *HelpMenu() const { return m_HelpMenu; }
    CCmnDockWidget *MessagesDock() const { return m_MessagesDock; }
    CCmnListWidget *MessagesList() const { return m_MessagesList; }
    QAction *CopyMessagesAction() const { return m_CopyMessagesAction; }
    QAction *SaveMessagesAction() const { return m_SaveMessagesAction; }

public Q_SLOTS:
    void Action_App_FileNew_Triggered();
    void Slot_FileName_Dropped(const QString &path);
    void Action_App_FileOpen_Triggered();
    void Action_App_CloseFile_Triggered();
    void Action_App_SaveFile_Triggered();
    void Action_App_SaveAsFile_Triggered();
    void Action_OpenMRU();
    void Action_App_About_Triggered();
    void Action_App_HelpIndex_Triggered();
    void Action_App_HelpFAQ_Triggered();
    void Action_App_HelpUserGuidePDF_Triggered();
    void Action_App_HelpSupport_Triggered();
    void Action_App_HelpReleaseNotes_Triggered();
    void Action_App_HelpRevisionHistory_Triggered();
    void Action_CopyMessages_Triggered();
    void Action_SaveMessages_Triggered();
    void Slot_DownloadUpdateInfoFile_httpFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

    // Whether the extension is the document extension.
    static bool IsDocumentExtension(const QString &extension);
    QAction *MakeAction(const QString &text, const QString &statusTip, void (CCmnMainWindowEx::*slot)());

    qint32 m_MruSize;
    // Set by the application window before its menus are built.
    bool m_HasMessagesPanel = false;
    QList<TWelcomeCommand> m_WelcomeCommands;
    // Commands that need a document, in the File menu after Save As and before Close.
    QList<QAction *> m_ExportActions;
    QList<QAction *> m_PrintActions;

private:
    QMenu *m_FileMenu = nullptr;
    QHash<QString, QMenu *> m_Menus;
    QHash<QString, QList<CCmnMenuEntry>> m_NamedActionGroups;
    QMenu *m_HelpMenu = nullptr;
    QAction *m_NewAction = nullptr;
    QAction *m_OpenAction = nullptr;
    QAction *m_CloseAction = nullptr;
    QAction *m_SaveAction = nullptr;
    QAction *m_SaveAsAction = nullptr;
    QAction *m_ExitAction = nullptr;
    QAction *m_AboutAction = nullptr;
    QAction *m_HelpIndexAction = nullptr;
    QAction *m_SupportAction = nullptr;
    QAction *m_FaqAction = nullptr;
    QAction *m_UserGuideAction = nullptr;
    QAction *m_ReleaseNotesAction = nullptr;
    QAction *m_RevisionHistoryAction = nullptr;
    QList<QAction *> m_RecentFileActions;
    QAction *m_RecentFilesSeparator = nullptr;
    QString m_OpenCaption;
    QString m_OpenFilter;
    QString m_SaveAsCaption;
    QString m_SaveAsFilter;
    QString m_CurrentPath;
    QString m_CurrentExtension;
    CCmnDockWidget *m_MessagesDock = nullptr;
    CCmnListWidget *m_MessagesList = nullptr;
    QAction *m_CopyMessagesAction = nullptr;
    QAction *m_SaveMessagesAction = nullptr;
    QString m_SaveAsWarning;
    qint32 m_SaveAsWarningId = 0;

    // Sends the request for the update information when a check is due.
    void RequestUpdateInfo();
    void Slot_DownloadUpdateInfoFile_readyRead();
    // Made only when the update information is asked for.
    QNetworkAccessManager *m_NetworkAccessManager = nullptr;
    QNetworkReply *m_UpdateReply = nullptr;
    QByteArray m_UpdateBytes;
    // The reply reached the size limit and was cut there.
    bool m_UpdateReplyCut = false;
    QString m_UpdateText;
};
