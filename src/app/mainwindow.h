#pragma once

#include "cmnmainwindowex.h"

class QAction;

// The program's main window: the framework's window with the program's commands
// and menus. The page in the middle is where the open document will be shown.
class CMainWindow : public CCmnMainWindowEx
{
    Q_OBJECT
public:
    CMainWindow();
    ~CMainWindow() override;

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
    // The central page; it holds no document yet.
    QWidget *DocumentPage() const { return m_DocumentPage; }

public Q_SLOTS:
    void Action_App_Preferences_Triggered();
    void Action_App_FileOpenImport_Triggered();
    void Action_App_FileOpenLegacy_Triggered_HV();
    void Action_App_FileOpenLegacy_Triggered_DM();

private:
    void CreateActions();
    void CreateMenus();
    QAction *MakeCommand(const QString &text, const QString &statusTip, void (CMainWindow::*slot)());
    // Asks whether the current document may go, then for the file to import; the
    // chosen file is opened without asking again.
    void ImportChosenFile(const QString &caption, const QString &filter);

    QWidget *m_DocumentPage;
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
