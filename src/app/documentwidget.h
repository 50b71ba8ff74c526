#pragma once

#include "cmninterfacehostwidget.h"
#include "documentsettings.h"
#include "documentstickystates.h"

#include <QHash>
#include <QList>
#include <QSharedPointer>
#include <QString>

class CBioRegThemedFormInterface;
class CCmnMainWindowEx;
class CCmnReg;
class CDocument;
class QMenu;

// The main window's central widget: the open document shown in one of the
// three breeding forms ("Pedigree", "Cover Sheet", "Trial Mating"), all driven
// by one form controller. It holds the document with its settings and the
// forms' remembered states, pushes them into the register and the forms,
// marks the document modified when its register changes, runs the record
// table's export and print, and turns a dropped document file into an open
// request for the window.
class CDocumentWidget : public CCmnInterfaceHostWidget
{
    Q_OBJECT
public:
    CDocumentWidget(CCmnMainWindowEx *mainWindow, const QList<CCmnLayoutItem> &extraTopBarItems);
    ~CDocumentWidget() override;

    virtual void Relayout();
    virtual void SetSettingsModified(bool modified);
    virtual bool HasDocument() const;

    CCmnMainWindowEx *MainWindow() const { return m_MainWindow; }
    bool IsSettingsModified() const { return m_SettingsModified; }
    void GetSettings(CDocumentSettings &settings) const;
    const CDocumentSettings &Settings() const { return m_Settings; }
    const CDocumentStickyStates &StickyStates() const { return m_StickyStates; }
    const QSharedPointer<CDocument> &Document() const { return m_Document; }
    const QSharedPointer<CBioRegThemedFormInterface> &FormController() const { return m_FormController; }

    // The window's named menus and the entries each owns, handed to the host on
    // every installation so the forms can merge their own entries in.
    void SetMenuTables(const QHash<QString, QMenu *> &menus, const QHash<QString, QList<CCmnMenuEntry>> &actions);

    // A null document leaves the window without one: the forms disabled and
    // without a register.
    void InstallDocument(QWidget *parent, const QSharedPointer<CDocument> &document,
                         const CDocumentSettings &settings, const CDocumentStickyStates &stickyStates);
    // New settings for the open document; values of fields the settings no
    // longer hold are dropped from its records. Equal settings change nothing
    // but are still pushed into the forms.
    void SetSettings(QWidget *parent, const CDocumentSettings &settings);
    // After the preferences changed (check on): the register and the forms take
    // the new values, and field names that now clash with the terminology are
    // reported.
    void ApplyAppSettings(bool check);

    // The record table of the open document; nothing without one.
    void ExportData();
    void PrintPreviewData();
    void PrintData();

Q_SIGNALS:
    void SignalFileNameDropped(const QString &path);

public Q_SLOTS:
    void Slot_RegModified(CCmnReg *reg);
    void Slot_RegRecordNotification(CCmnReg *reg, int recordId, int code);
    void Slot_SettingsModified();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

    QSharedPointer<CCmnInterface> CreateInterface(const QString &interfaceName, QWidget *parent) override;
    void KindActivated(const QString &interfaceName, const QString &kind) override;

private:
    void PushSettings();
    void PushStickyStates();
    void RefreshInterfaces();
    void PrintTable(bool preview);

    // Declared in the reverse of the order they are released in.
    CCmnMainWindowEx *m_MainWindow;
    QSharedPointer<CDocument> m_Document;
    CDocumentSettings m_Settings;
    bool m_SettingsModified = false;
    CDocumentStickyStates m_StickyStates;
    QHash<QString, QMenu *> m_Menus;
    QHash<QString, QList<CCmnMenuEntry>> m_Actions;
    QSharedPointer<CBioRegThemedFormInterface> m_FormController;
};
