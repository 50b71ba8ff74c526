#include "cmninterface.h"

#include <QWidget>

CCmnInterface::CCmnInterface(const QString &name, QWidget *parentWidget)
    : m_Name(name)
    , m_ParentWidget(parentWidget)
{
}

// The widget is not deleted here: the host's stack owns it.
CCmnInterface::~CCmnInterface() = default;

void CCmnInterface::Relayout() {}

void CCmnInterface::CreateWidgets() {}

QWidget *CCmnInterface::GetWidget()
{
    return nullptr;
}

QList<CCmnInterfaceToolBarEntry> CCmnInterface::GetToolBarEntries()
{
    return {};
}

QList<CCmnInterfaceMenu> CCmnInterface::GetMenus()
{
    return {};
}

void CCmnInterface::UpdateControls() {}

void CCmnInterface::UpdateTexts() {}

bool CCmnInterface::SupportsKind(const QString &)
{
    return false;
}

bool CCmnInterface::ActivateKind(const QString &kind, const QString &label)
{
    if (!SupportsKind(kind))
        return false;
    m_CurrentKind = kind;
    m_CurrentKindLabel = label;
    return true;
}

void CCmnInterface::Deactivate()
{
    m_CurrentKind.clear();
}

void CCmnInterface::SetPageSetup(const QSharedPointer<CCmnPageSetup> &) {}

void CCmnInterface::SetThemes(const QSharedPointer<CCmnThemeSet> &) {}

void CCmnInterface::ResetStickyStates() {}

void CCmnInterface::SetStickyState(const QSharedPointer<CCmnComponentStickyState> &) {}

void CCmnInterface::ResetComponentSettings() {}

void CCmnInterface::SetComponentSettings(const QSharedPointer<CCmnComponentSettings> &) {}

void CCmnInterface::SetEnabled(bool enabled)
{
    m_Enabled = enabled;
}

void CCmnInterface::SetActive(bool active)
{
    m_Active = active;
}

void CCmnInterface::HandleRegRecordNotification(CCmnReg *, int, int) {}
