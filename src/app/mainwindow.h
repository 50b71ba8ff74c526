#pragma once

#include "cmndocumentfilewriter.h"
#include "cmnlayoutitem.h"
#include "cmnmainwindowex.h"
#include "documentsettings.h"

#include <QList>
#include <QSharedPointer>

class CCmnProgressDialog;
class CCmnPushButton;
class CDocument;
class CDocumentStickyStates;
class CDocumentWidget;
class QAction;

// The program's main window: the framework's window with the program's document,
// its commands and menus, and the document widget in the middle that shows it.
class CMainWindow : public CCmnMainWindowEx
{
    Q_OBJECT
public:
    CMainWindow();
    ~CMainWindow() override;

    bool IsSamplePath(const QString &path) const override;
    void RelayoutViews() override;
    void LoadSettings() override;
    void SaveSettings() override;
    bool NewDocument() override;
    // Reads a document file, or imports any other file into a new document; on
    // failure the message names the file and the current document stays.
    bool OpenDocument(const QString &path, qint32 flags) override;
    void CloseDocument() override;
    bool HasDocument() const override;
    // Replaces the file only once the new one is complete on disk.
    bool WriteDocument(const QString &path) override;
    // Remembers the forms' states for the file, whatever became of its changes.
    void ForgetDocumentChanges(const QString &path) override;
    bool QuerySaveChanges(bool *save) override;

    // The window's groups of the settings store: the defaults of new documents.
    void ExchangeSettings(bool save);
    // Makes the document (or none) current and shows it.
    void SetDocument(CCmnProgressDialog *progress, const QSharedPointer<CDocument> &document,
                     const CDocumentSettings &settings, const CDocumentStickyStates &states);
    const QSharedPointer<CDocument> &Document() const { return m_Document; }
    CDocumentWidget *DocumentWidget() const { return m_DocumentWidget; }
    const CDocumentSettings &DefaultDocumentSettings() const { return m_DefaultDocumentSettings; }
    // Tests make a step of the file replacement fail through these.
    void SetDocumentFileSteps(const CCmnDocumentFileWriter::TFileSteps &steps) { m_DocumentFileSteps = steps; }
    // The remembered states of the forms of a file are kept under this name:
    // the file's name up to its first dot; empty for a sample or no file.
    QString StickyStatesPrefix(const QString &path) const;

    QAction *PreferencesAction() const { return m_PreferencesAction; }
    // Null when the program keeps no settings per document.
    QAction *DocumentSettingsAction() const { return m_DocumentSettingsAction; }
    QAction *SampleAction() const { return m_SampleAction; }
    QAction *TextImportAction() const { return m_TextImportAction; }
    QAction *HvImportAction() const { return m_HvImportAction; }
    QAction *DmImportAction() const { return m_DmImportAction; }
    QAction *ExportAction() const { return m_ExportAction; }
    QAction *PrintAction() const { return m_PrintAction; }
    QAction *PrintPreviewAction() const { return m_PrintPreviewAction; }
    CCmnPushButton *PreferencesButton() const { return m_PreferencesButton; }
    CCmnPushButton *DocumentSettingsButton() const { return m_DocumentSettingsButton; }

public Q_SLOTS:
    void Action_App_Preferences_Triggered();
    void Action_App_DocumentSettings_Triggered();
    void Action_App_FileOpenSample_Triggered();
    void Action_App_FileOpenImport_Triggered();
    void Action_App_FileOpenLegacy_Triggered_HV();
    void Action_App_FileOpenLegacy_Triggered_DM();
    void Action_App_FileSaveExport_Triggered();
    void Action_App_Print_Triggered();
    void Action_App_PrintPreview_Triggered();

private:
    void CreateActions();
    void CreateMenus();
    QAction *MakeCommand(const QString &text, const QString &statusTip, void (CMainWindow::*slot)());
    // Asks whether the current document may go, then for the file to import; the
    // chosen file is opened without asking again.
    void ImportChosenFile(const QString &caption, const QString &filter);
    // The new-document field choice, offered on the new document's settings.
    bool SetUpNewDocumentFields(CDocumentSettings &settings);
    // The end of a successful open: the document is shown with what its loading said.
    void InstallOpenedDocument(CCmnProgressDialog *progress, const QSharedPointer<CDocument> &document,
                               const CDocumentSettings &settings, const CDocumentStickyStates &states,
                               const QStringList &messages, const QString &warning);
    void ShowFileMessage(const QString &text, bool warning = true);

    CDocumentWidget *m_DocumentWidget = nullptr;
    // Shown by the document widget beside its forms.
    QList<CCmnLayoutItem> m_ExtraButtons;
    QSharedPointer<CDocument> m_Document;
    CDocumentSettings m_DefaultDocumentSettings;
    CCmnDocumentFileWriter::TFileSteps m_DocumentFileSteps = CCmnDocumentFileWriter::SystemFileSteps();
    CCmnPushButton *m_PreferencesButton = nullptr;
    CCmnPushButton *m_DocumentSettingsButton = nullptr;
    QAction *m_PreferencesAction = nullptr;
    QAction *m_DocumentSettingsAction = nullptr;
    QAction *m_SampleAction = nullptr;
    QAction *m_TextImportAction = nullptr;
    QAction *m_HvImportAction = nullptr;
    QAction *m_DmImportAction = nullptr;
    QAction *m_ExportAction = nullptr;
    QAction *m_PrintAction = nullptr;
    QAction *m_PrintPreviewAction = nullptr;
};
