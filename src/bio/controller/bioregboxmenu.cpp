#include "bioregboxmenu.h"

#include "bioregthemedforminterface.h"
#include "cmnslotunblocker.h"
#include "cmnthemedform.h"

CBioRegBoxMenu::CBioRegBoxMenu(CBioRegThemedFormInterface &view, const QPoint &position) : m_View(view)
{
    m_Menu.SetPopupPoint(position);
}

void CBioRegBoxMenu::AddOwn(qint32 id, const QString &text)
{
    m_Own.insert(m_Menu.addAction(text), id);
}

void CBioRegBoxMenu::AddMirrored(const QString &text, const QString &role)
{
    m_Menu.AddMirroredAction(text, m_View.ActionByRole(role));
}

void CBioRegBoxMenu::AddCommand(const QString &role)
{
    if (QAction *action = m_View.ActionByRole(role))
        m_Menu.addAction(action);
}

void CBioRegBoxMenu::AddSeparator()
{
    m_Menu.addSeparator();
}

qint32 CBioRegBoxMenu::Exec(bool headerSettings)
{
    if (headerSettings && m_View.CurrentForm() && m_View.CurrentForm()->BoxNames().m_HasHeader)
        m_View.AddHeaderSettingsAction(&m_Menu);
    m_View.AddFormSettingsActions(&m_Menu);
    const QAction *chosen = nullptr;
    {
        const CCmnSlotUnblocker unblocker(&m_View);
        chosen = m_View.ExecMenu(&m_Menu);
    }
    return m_Own.value(chosen, -1);
}
