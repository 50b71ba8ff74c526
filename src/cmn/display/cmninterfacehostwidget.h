#pragma once

#include "cmninterfacekindregistration.h"
#include "cmninterfacemenu.h"
#include "cmninterfacetoolbarentry.h"
#include "cmnlayoutitem.h"
#include "cmnmenuentry.h"
#include "cmnwidget.h"

#include <QHash>
#include <QList>
#include <QSharedPointer>
#include <QString>

class CCmnComboBox;
class CCmnComponentSettings;
class CCmnComponentStickyState;
class CCmnInterface;
class CCmnPageSetup;
class CCmnReg;
class CCmnStackedWidget;
class CCmnThemeSet;
class QLabel;
class QMenu;

// The central widget of a document window. It hosts the form interfaces,
// shows the widget of the active kind, offers a selector of the registered
// kinds, carries a top bar for the interfaces' tool bar widgets and merges
// their entries into the application's named menus. Every change of document
// state reaches the interfaces through it, in creation order.
//
// It knows kinds and interface names only as strings; a subclass creates the
// interfaces in CreateInterface. Set-up: RegisterKind for each kind, then
// CreateInterfaces once; everything else needs that done.
class CCmnInterfaceHostWidget : public CCmnWidget
{
    Q_OBJECT
public:
    explicit CCmnInterfaceHostWidget(QWidget *parent = nullptr);
    ~CCmnInterfaceHostWidget() override;

    // Kinds registered under one interface name share one interface.
    void RegisterKind(const QString &label, const QString &interfaceName, const QString &kind);
    // The extra items go after the selector at the start of the top bar.
    void CreateInterfaces(const QList<CCmnLayoutItem> &extraTopBarItems);

    // The application's menus by name and what each holds by itself.
    void SetMenuTargets(const QHash<QString, QMenu *> &menus,
                        const QHash<QString, QList<CCmnMenuEntry>> &ownEntries);
    // The registration's index, or -1 with nothing changed.
    int ActivateKind(const QString &kind);
    // Activates the kind unless it is shown already and force is off; when it
    // fails, the first kind when asked to fall back.
    void SelectKind(const QString &kind, bool fallBackToFirst, bool force);
    // Whether the state changed.
    bool SetInterfacesEnabled(bool enabled);
    void DeactivateAll();
    void UpdateCurrentControls();

    void SetPageSetup(const QSharedPointer<CCmnPageSetup> &pageSetup);
    void SetThemes(const QSharedPointer<CCmnThemeSet> &themes);
    void ResetComponentSettings();
    void SetComponentSettings(const QSharedPointer<CCmnComponentSettings> &settings);
    void ResetStickyStates();
    void SetStickyState(const QSharedPointer<CCmnComponentStickyState> &state);
    void UpdateTexts();
    void HandleRegRecordNotification(CCmnReg *reg, int recordId, int code);

    virtual void RelayoutAll();

    const QList<CCmnInterfaceKindRegistration> &Registrations() const { return m_Registrations; }
    const QList<QSharedPointer<CCmnInterface>> &Interfaces() const { return m_Interfaces; }
    // -1 for a name the factory made nothing for or that was never registered.
    int InterfaceIndex(const QString &interfaceName) const { return m_InterfaceIndexByName.value(interfaceName, -1); }
    // Empty after DeactivateAll.
    const QString &CurrentInterfaceName() const { return m_CurrentInterfaceName; }
    bool IsInterfacesEnabled() const { return m_Enabled; }
    CCmnStackedWidget *Stack() const { return m_Stack; }
    QLabel *EmptyPage() const { return m_EmptyPage; }
    // Null with a single kind.
    CCmnComboBox *Selector() const { return m_Selector; }

public Q_SLOTS:
    void Slot_currentIndexChanged_ComboBox_ComponentSelector(int index);

protected:
    // The factory; the base makes nothing. The parent is where the interface
    // makes its widgets.
    virtual QSharedPointer<CCmnInterface> CreateInterface(const QString &interfaceName, QWidget *parent);
    // After every successful activation.
    virtual void KindActivated(const QString &interfaceName, const QString &kind);

private:
    // Calls the operation on every interface in creation order, slots blocked.
    template <typename Operation>
    void Broadcast(Operation operation);
    void HideAllToolBarEntries();

    QList<CCmnInterfaceKindRegistration> m_Registrations;
    bool m_Enabled = false;
    QLabel *m_EmptyPage = nullptr;
    CCmnStackedWidget *m_Stack = nullptr;
    CCmnComboBox *m_Selector = nullptr;
    QHash<QString, int> m_InterfaceIndexByName;
    QList<QSharedPointer<CCmnInterface>> m_Interfaces;
    QList<QList<CCmnInterfaceToolBarEntry>> m_ToolBarEntries;
    QList<QList<CCmnInterfaceMenu>> m_InterfaceMenus;
    QString m_CurrentInterfaceName;
    QHash<QString, QMenu *> m_ApplicationMenus;
    QHash<QString, QList<CCmnMenuEntry>> m_OwnMenuEntries;
};
