#pragma once

#include "cmninterfacemenu.h"
#include "cmninterfacetoolbarentry.h"
#include "cmnslotblocker.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSharedPointer>
#include <QString>

class CCmnComponentSettings;
class CCmnComponentStickyState;
class CCmnPageSetup;
class CCmnReg;
class CCmnThemeSet;
class QWidget;

// A view controller that shows one or more kinds of form of the open document
// ("PEDIGREE", "COVERSHEET", ...). The interface host creates it, places its
// widget and drives it only through these virtual operations, each with a
// neutral default here, so that a subclass overrides only what it supports.
// Overrides of ActivateKind, SetEnabled and SetActive call these, so that the
// host can read the flags and the kind through the base.
class CCmnInterface : public QObject, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    // The parent widget is where the subclass makes its widgets; the interface
    // itself has no Qt parent: the host owns it through a shared pointer.
    CCmnInterface(const QString &name, QWidget *parentWidget);
    ~CCmnInterface() override;

    // Lays the current form out again from its current settings.
    virtual void Relayout();
    // Builds every widget, action and menu; called once, before the getters.
    virtual void CreateWidgets();
    // The same widget every time; the host's stack takes it over.
    virtual QWidget *GetWidget();
    virtual QList<CCmnInterfaceToolBarEntry> GetToolBarEntries();
    virtual QList<CCmnInterfaceMenu> GetMenus();
    // Refreshes the enabled, visible and checked state of every control.
    virtual void UpdateControls();
    // Renews the texts that carry words of the terminology.
    virtual void UpdateTexts();
    virtual bool SupportsKind(const QString &kind);
    // False and nothing changed for a kind the interface does not support.
    virtual bool ActivateKind(const QString &kind, const QString &label);
    // Forgets the kind (the label stays readable) and whatever belongs to the
    // document about to go.
    virtual void Deactivate();
    virtual void SetPageSetup(const QSharedPointer<CCmnPageSetup> &pageSetup);
    virtual void SetThemes(const QSharedPointer<CCmnThemeSet> &themes);
    virtual void ResetStickyStates();
    virtual void SetStickyState(const QSharedPointer<CCmnComponentStickyState> &state);
    virtual void ResetComponentSettings();
    virtual void SetComponentSettings(const QSharedPointer<CCmnComponentSettings> &settings);
    virtual void SetEnabled(bool enabled);
    virtual void SetActive(bool active);
    // Codes: 1 added, 2 changed, 3 deleted, 101 sire set, 102 dam set.
    virtual void HandleRegRecordNotification(CCmnReg *reg, int recordId, int code);

    // Lower case; the settings group of the interface's own keys (none when empty).
    const QString &Name() const { return m_Name; }
    bool IsEnabled() const { return m_Enabled; }
    bool IsActive() const { return m_Active; }
    // Empty when no kind is shown.
    const QString &CurrentKind() const { return m_CurrentKind; }
    // Kept after a deactivation until the next activation.
    const QString &CurrentKindLabel() const { return m_CurrentKindLabel; }
    QWidget *ParentWidget() const { return m_ParentWidget; }

private:
    QString m_Name;
    bool m_Enabled = false;
    bool m_Active = false;
    QString m_CurrentKind;
    QString m_CurrentKindLabel;
    QPointer<QWidget> m_ParentWidget;
};
