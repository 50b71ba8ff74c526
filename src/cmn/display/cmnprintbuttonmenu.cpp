#include "cmnprintbuttonmenu.h"

#include "cmnpushbutton.h"

#include <QAction>
#include <QMenu>

void CCmnPrintButtonMenu::CreateParts(QWidget *parent)
{
    m_PrintAction = new QAction(QObject::tr("Print..."), parent);
    m_PreviewAction = new QAction(QObject::tr("Print Preview..."), parent);
    auto *menu = new QMenu(parent);
    menu->addAction(m_PrintAction);
    menu->addAction(m_PreviewAction);
    m_Button = new CCmnPushButton(parent);
    m_Button->setMenu(menu);
}

void CCmnPrintButtonMenu::SetText(const QString &text)
{
    if (m_Button)
        m_Button->setText(text);
}

void CCmnPrintButtonMenu::SetEnabled(bool enabled)
{
    if (m_Button)
        m_Button->setEnabled(enabled);
    if (m_PrintAction)
        m_PrintAction->setEnabled(enabled);
    if (m_PreviewAction)
        m_PreviewAction->setEnabled(enabled);
}

void CCmnPrintButtonMenu::SetPrintStatusTip(const QString &text)
{
    if (m_PrintAction)
        m_PrintAction->setStatusTip(text);
}

void CCmnPrintButtonMenu::SetPreviewStatusTip(const QString &text)
{
    if (m_PreviewAction)
        m_PreviewAction->setStatusTip(text);
}
