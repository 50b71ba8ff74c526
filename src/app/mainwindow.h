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
    // The central page; it holds no document yet.
    QWidget *DocumentPage() const { return m_DocumentPage; }

public Q_SLOTS:
    void Action_App_Preferences_Triggered();

private:
    void CreateActions();
    void CreateMenus();

    QWidget *m_DocumentPage;
    QAction *m_PreferencesAction = nullptr;
};
