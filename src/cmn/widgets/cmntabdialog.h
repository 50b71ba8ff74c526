#pragma once

#include "cmndialog.h"

#include <QList>
#include <QPointer>
#include <QString>

class CCmnDialogButtonBox;
class CCmnTab;
class CCmnTabWidget;
class QBoxLayout;

// The dialog of tabs. It only orchestrates: the tabs carry the help pages, initial
// focus and data exchange. The derived dialog adds its tabs in its constructor, in
// the order in which they appear, load and save. When shown, every tab's controls
// are made and loaded and the chosen tab comes first; Help opens the current tab's
// page; OK saves the tabs in order and stays open on the first one that fails
// (its exchange has made it current and shown the message). Cancel runs no exchange.
class CCmnTabDialog : public CCmnDialog
{
    Q_OBJECT
public:
    explicit CCmnTabDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~CCmnTabDialog() override;

    void AddTab(CCmnTab *page, const QString &label);
    // Makes the page the current tab.
    void ShowTab(QWidget *page);
    // The Help button, when there is one, is enabled only for a current tab with help.
    void UpdateHelpButton();
    // Every tab in order; stops at the first that fails.
    bool ExchangeAllTabs(bool save);

    // The tab to show first: by page, else by position, else by label (the first
    // tab whose label is exactly this); a position past the last tab is ignored.
    // Without any, the first tab is shown and gets no initial focus.
    void SetInitialPage(QWidget *page) { m_InitialPage = page; }
    void SetInitialIndex(qint32 index) { m_InitialIndex = index; }
    void SetInitialName(const QString &label) { m_InitialName = label; }

    // Set before the dialog is shown.
    void SetStandardButtons(QDialogButtonBox::StandardButtons buttons) { m_StandardButtons = buttons; }

    // Everything before the modal run: every tab's controls, the layout, the load,
    // the What's This button, the first tab. Runs once; Exec calls it, and tests call
    // it to drive the dialog without a modal loop.
    void Prepare();
    // Prepare, then the modal run; its result.
    int Exec();

    CCmnTabWidget *TabWidget() const { return m_TabWidget; }
    // Null before the dialog is laid out.
    CCmnDialogButtonBox *ButtonBox() const { return m_ButtonBox; }

public Q_SLOTS:
    // Saves every tab; closes as accepted only when all succeed.
    void accept() override;
    void Slot_HelpRequested();
    void Slot_currentChanged_TabWidget(int index);

protected:
    // Each time the user makes the page current.
    virtual void OnTabShown(CCmnTab *page);
    // Widgets between the tab widget and the button box.
    virtual void AddControls(QBoxLayout *layout);
    // Widgets or buttons that need the button box.
    virtual void AddControlsAfterButtonBox(QBoxLayout *layout);

private:
    struct CTabEntry
    {
        QPointer<CCmnTab> m_Page;
        QString m_Label;
    };

    void CreateLayout();
    // The tab chosen to come first; null for none.
    CCmnTab *InitialTab() const;
    // The tab at a position of the tab widget, when it is one of ours.
    CCmnTab *TabAt(qint32 index) const;

    CCmnTabWidget *m_TabWidget;
    CCmnDialogButtonBox *m_ButtonBox = nullptr;
    QDialogButtonBox::StandardButtons m_StandardButtons = QDialogButtonBox::Ok | QDialogButtonBox::Cancel;
    QList<CTabEntry> m_Tabs;
    QPointer<QWidget> m_InitialPage;
    qint32 m_InitialIndex = -1;
    QString m_InitialName;
    bool m_Prepared = false;
};
