#include "cmninterfacehostwidget.h"

#include "cmnboxlayout.h"
#include "cmncombobox.h"
#include "cmninterface.h"
#include "cmnstackedwidget.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMenu>

template <typename Operation>
void CCmnInterfaceHostWidget::Broadcast(Operation operation)
{
    const CCmnSlotBlocker blocker(this);
    for (const QSharedPointer<CCmnInterface> &face : std::as_const(m_Interfaces))
        operation(*face);
}

CCmnInterfaceHostWidget::CCmnInterfaceHostWidget(QWidget *parent)
    : CCmnWidget(nullptr, parent)
{
}

// The interfaces go before the widgets they made, which the stack still owns.
CCmnInterfaceHostWidget::~CCmnInterfaceHostWidget() = default;

void CCmnInterfaceHostWidget::RegisterKind(const QString &label, const QString &interfaceName, const QString &kind)
{
    CCmnInterfaceKindRegistration registration;
    registration.m_Label = label;
    registration.m_InterfaceName = interfaceName;
    registration.m_Kind = kind;
    m_Registrations.append(registration);
}

void CCmnInterfaceHostWidget::CreateInterfaces(const QList<CCmnLayoutItem> &extraTopBarItems)
{
    Q_ASSERT(!m_Stack);
    m_Stack = new CCmnStackedWidget(this);
    m_InterfaceIndexByName.clear();

    for (CCmnInterfaceKindRegistration &registration : m_Registrations) {
        int index = m_InterfaceIndexByName.value(registration.m_InterfaceName, -1);
        if (index < 0) {
            const QSharedPointer<CCmnInterface> created = CreateInterface(registration.m_InterfaceName, m_Stack);
            if (created) {
                created->CreateWidgets();
                index = int(m_Interfaces.size());
                m_Interfaces.append(created);
                if (QWidget *widget = created->GetWidget())
                    m_Stack->addWidget(widget);
                m_ToolBarEntries.append(created->GetToolBarEntries());
                m_InterfaceMenus.append(created->GetMenus());
            }
            m_InterfaceIndexByName.insert(registration.m_InterfaceName, index);
        }
        registration.m_InterfaceIndex = index;
    }

    m_EmptyPage = new QLabel(QString(), m_Stack);
    m_Stack->addWidget(m_EmptyPage);
    m_Stack->setCurrentWidget(m_EmptyPage);
    m_Stack->setEnabled(m_Enabled);

    if (m_Registrations.size() > 1) {
        m_Selector = new CCmnComboBox(this);
        m_Selector->setEnabled(false);
        m_Selector->setToolTip(tr("Select the type of form shown"));
        m_Selector->setMaxVisibleItems(20);
        for (const CCmnInterfaceKindRegistration &registration : std::as_const(m_Registrations))
            m_Selector->addItem(registration.m_Label);
        connect(m_Selector, &QComboBox::currentIndexChanged, this,
                &CCmnInterfaceHostWidget::Slot_currentIndexChanged_ComboBox_ComponentSelector);
    }

    auto *startLayout = new QHBoxLayout;
    startLayout->setContentsMargins(0, 0, 0, 0);
    if (m_Selector)
        startLayout->addWidget(m_Selector);
    CmnAddSimpleItemsToBoxLayout(startLayout, extraTopBarItems);

    auto *topBar = new QHBoxLayout;
    topBar->setContentsMargins(0, 0, 0, 0);
    topBar->addWidget(new CCmnWidget(startLayout, this));
    for (const bool rightAligned : {false, true}) {
        if (rightAligned)
            topBar->addStretch(1);
        for (const QList<CCmnInterfaceToolBarEntry> &entries : std::as_const(m_ToolBarEntries)) {
            for (const CCmnInterfaceToolBarEntry &entry : entries) {
                if (entry.m_RightAligned != rightAligned || !entry.m_Widget)
                    continue;
                // Hidden until a kind of its interface is activated.
                entry.m_Widget->hide();
                topBar->addWidget(entry.m_Widget);
            }
        }
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(topBar, 0);
    layout->addWidget(m_Stack, 1);
}

void CCmnInterfaceHostWidget::SetMenuTargets(const QHash<QString, QMenu *> &menus,
                                             const QHash<QString, QList<CCmnMenuEntry>> &ownEntries)
{
    m_ApplicationMenus = menus;
    m_OwnMenuEntries = ownEntries;
}

int CCmnInterfaceHostWidget::ActivateKind(const QString &kind)
{
    int registrationIndex = -1;
    for (int i = 0; i < m_Registrations.size(); ++i) {
        if (m_Registrations.at(i).m_Kind == kind) {
            registrationIndex = i;
            break;
        }
    }
    if (registrationIndex < 0)
        return -1;
    const CCmnInterfaceKindRegistration &registration = m_Registrations.at(registrationIndex);
    const int interfaceIndex = registration.m_InterfaceIndex;
    if (interfaceIndex < 0 || interfaceIndex >= m_Interfaces.size())
        return -1;
    const QSharedPointer<CCmnInterface> &activated = m_Interfaces.at(interfaceIndex);
    if (!activated->ActivateKind(kind, registration.m_Label))
        return -1;
    m_CurrentInterfaceName = registration.m_InterfaceName;

    for (int i = 0; i < m_ToolBarEntries.size(); ++i) {
        for (const CCmnInterfaceToolBarEntry &entry : std::as_const(m_ToolBarEntries.at(i))) {
            if (entry.m_Widget)
                entry.m_Widget->setVisible(i == interfaceIndex && CmnInterfaceKindsMatch(entry.m_Kinds, kind));
        }
    }

    for (auto it = m_ApplicationMenus.constBegin(); it != m_ApplicationMenus.constEnd(); ++it) {
        QMenu *menu = it.value();
        if (!menu)
            continue;
        menu->clear();
        for (const CCmnInterfaceMenu &record : std::as_const(m_InterfaceMenus.at(interfaceIndex))) {
            if (record.m_MenuName == it.key() && CmnInterfaceKindsMatch(record.m_Kinds, kind))
                CmnAddMenuEntries(menu, record.m_Entries, true);
        }
        CmnAddMenuEntries(menu, m_OwnMenuEntries.value(it.key()), true);
    }

    if (QWidget *widget = activated->GetWidget())
        m_Stack->setCurrentWidget(widget);
    for (const QSharedPointer<CCmnInterface> &face : std::as_const(m_Interfaces)) {
        const bool active = face == activated;
        if (face->IsActive() != active)
            face->SetActive(active);
    }
    KindActivated(m_CurrentInterfaceName, kind);
    return registrationIndex;
}

void CCmnInterfaceHostWidget::SelectKind(const QString &kind, bool fallBackToFirst, bool force)
{
    QString currentKind;
    const int currentIndex = InterfaceIndex(m_CurrentInterfaceName);
    if (!m_CurrentInterfaceName.isEmpty() && currentIndex >= 0)
        currentKind = m_Interfaces.at(currentIndex)->CurrentKind();
    if (!force && kind == currentKind)
        return;

    // The selector moved below must not activate a second time.
    const CCmnSlotBlocker blocker(this);
    int registrationIndex = ActivateKind(kind);
    if (registrationIndex < 0 && fallBackToFirst && !m_Registrations.isEmpty())
        registrationIndex = ActivateKind(m_Registrations.first().m_Kind);
    if (m_Selector && registrationIndex >= 0)
        m_Selector->setCurrentIndex(registrationIndex);
}

bool CCmnInterfaceHostWidget::SetInterfacesEnabled(bool enabled)
{
    if (enabled == m_Enabled)
        return false;
    m_Enabled = enabled;
    if (m_Selector)
        m_Selector->setEnabled(enabled);
    m_Stack->setEnabled(enabled);
    if (!enabled) {
        for (auto it = m_ApplicationMenus.constBegin(); it != m_ApplicationMenus.constEnd(); ++it) {
            if (QMenu *menu = it.value()) {
                menu->clear();
                CmnAddMenuEntries(menu, m_OwnMenuEntries.value(it.key()), false);
            }
        }
    }
    // Also when enabling: the entries come back with the next activation.
    HideAllToolBarEntries();
    for (const QSharedPointer<CCmnInterface> &face : std::as_const(m_Interfaces)) {
        if (face->IsEnabled() != enabled)
            face->SetEnabled(enabled);
    }
    if (!enabled) {
        m_Stack->setCurrentWidget(m_EmptyPage);
        for (const QSharedPointer<CCmnInterface> &face : std::as_const(m_Interfaces)) {
            if (face->IsActive())
                face->SetActive(false);
        }
    }
    return true;
}

void CCmnInterfaceHostWidget::DeactivateAll()
{
    Broadcast([](CCmnInterface &face) { face.Deactivate(); });
    m_CurrentInterfaceName.clear();
}

void CCmnInterfaceHostWidget::UpdateCurrentControls()
{
    const int index = InterfaceIndex(m_CurrentInterfaceName);
    if (m_CurrentInterfaceName.isEmpty() || index < 0)
        return;
    const CCmnSlotBlocker blocker(this);
    m_Interfaces.at(index)->UpdateControls();
}

void CCmnInterfaceHostWidget::SetPageSetup(const QSharedPointer<CCmnPageSetup> &pageSetup)
{
    Broadcast([&](CCmnInterface &face) { face.SetPageSetup(pageSetup); });
}

void CCmnInterfaceHostWidget::SetThemes(const QSharedPointer<CCmnThemeSet> &themes)
{
    Broadcast([&](CCmnInterface &face) { face.SetThemes(themes); });
}

void CCmnInterfaceHostWidget::ResetComponentSettings()
{
    Broadcast([](CCmnInterface &face) { face.ResetComponentSettings(); });
}

void CCmnInterfaceHostWidget::SetComponentSettings(const QSharedPointer<CCmnComponentSettings> &settings)
{
    Broadcast([&](CCmnInterface &face) { face.SetComponentSettings(settings); });
}

void CCmnInterfaceHostWidget::ResetStickyStates()
{
    Broadcast([](CCmnInterface &face) { face.ResetStickyStates(); });
}

void CCmnInterfaceHostWidget::SetStickyState(const QSharedPointer<CCmnComponentStickyState> &state)
{
    Broadcast([&](CCmnInterface &face) { face.SetStickyState(state); });
}

void CCmnInterfaceHostWidget::UpdateTexts()
{
    Broadcast([](CCmnInterface &face) { face.UpdateTexts(); });
}

void CCmnInterfaceHostWidget::HandleRegRecordNotification(CCmnReg *reg, int recordId, int code)
{
    Broadcast([&](CCmnInterface &face) { face.HandleRegRecordNotification(reg, recordId, code); });
}

void CCmnInterfaceHostWidget::RelayoutAll()
{
    for (const QSharedPointer<CCmnInterface> &face : std::as_const(m_Interfaces))
        face->Relayout();
}

void CCmnInterfaceHostWidget::Slot_currentIndexChanged_ComboBox_ComponentSelector(int index)
{
    if (SlotsBlocked() || index < 0 || index >= m_Registrations.size())
        return;
    const CCmnSlotBlocker blocker(this);
    ActivateKind(m_Registrations.at(index).m_Kind);
}

QSharedPointer<CCmnInterface> CCmnInterfaceHostWidget::CreateInterface(const QString &, QWidget *)
{
    return {};
}

void CCmnInterfaceHostWidget::KindActivated(const QString &, const QString &) {}

void CCmnInterfaceHostWidget::HideAllToolBarEntries()
{
    for (const QList<CCmnInterfaceToolBarEntry> &entries : std::as_const(m_ToolBarEntries)) {
        for (const CCmnInterfaceToolBarEntry &entry : entries) {
            if (entry.m_Widget)
                entry.m_Widget->hide();
        }
    }
}
