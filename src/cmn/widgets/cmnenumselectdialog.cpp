#include "cmnenumselectdialog.h"

#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmnlabel.h"

#include <QBoxLayout>

namespace {

// Only a text that links the way the program writes its links may open a browser.
CCmnLabel *NewTextLabel(const QString &text)
{
    if (text.isEmpty())
        return nullptr;
    auto *label = new CCmnLabel(text);
    if (text.contains(QLatin1String("<a href=")))
        label->setOpenExternalLinks(true);
    return label;
}

} // namespace

CCmnEnumSelectDialog::CCmnEnumSelectDialog(QWidget *parent)
    : CCmnDialogEx(parent)
{
}

CCmnEnumSelectDialog::~CCmnEnumSelectDialog() = default;

bool CCmnEnumSelectDialog::DataExchange(CCmnDataExchange *context)
{
    if (m_CheckBox && !context->ExchangeCheckBox(&m_CheckBoxState, m_CheckBox))
        return false;
    return CCmnDialogEx::DataExchange(context);
}

void CCmnEnumSelectDialog::OnSelectionLoaded(qint32, qint32)
{
}

void CCmnEnumSelectDialog::AddControls(QBoxLayout *layout)
{
    CreateWidgets();
    auto *box = new QVBoxLayout;
    if (m_HeaderLabel)
        box->addWidget(m_HeaderLabel);
    AddChoiceWidgets(box);
    if (m_FooterLabel)
        box->addWidget(m_FooterLabel);
    layout->addLayout(box);
}

void CCmnEnumSelectDialog::AddControlsAfterButtonBox(QBoxLayout *layout)
{
    if (m_CheckBox)
        layout->addWidget(m_CheckBox);
}

void CCmnEnumSelectDialog::CreateWidgets()
{
    m_HeaderLabel = NewTextLabel(m_Header);
    CreateChoiceWidgets();
    m_FooterLabel = NewTextLabel(m_Footer);
    if (!m_CheckBoxText.isEmpty()) {
        m_CheckBox = new CCmnCheckBox(m_CheckBoxText);
        SetWidgetHelpName(this, m_CheckBox, QStringLiteral("CheckBox"));
    }
}
