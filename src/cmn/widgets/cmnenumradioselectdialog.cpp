#include "cmnenumradioselectdialog.h"

#include "cmndataexchange.h"
#include "cmnradiobutton.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>

namespace {

// A tenth of an inch above and below the choices.
int ChoicesMargin()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 10;
    return int(screen->logicalDotsPerInchY()) / 10;
}

} // namespace

CCmnEnumRadioSelectDialog::CCmnEnumRadioSelectDialog(QWidget *parent)
    : CCmnEnumSelectDialog(parent)
    , m_ButtonGroup(new QButtonGroup(this))
{
    m_ButtonGroup->setExclusive(true);
    SetHelpPage(QStringLiteral("CCmnEnumRadioSelectDialog.html"));
}

CCmnEnumRadioSelectDialog::~CCmnEnumRadioSelectDialog() = default;

bool CCmnEnumRadioSelectDialog::DataExchange(CCmnDataExchange *context)
{
    const qsizetype count = qMin(m_Choices.size(), m_RadioButtons.size());
    if (context->m_Save) {
        for (qsizetype row = 0; row < count; ++row) {
            if (m_RadioButtons.at(row)->isChecked()) {
                m_SelectedValue = m_Choices.at(row).m_Value;
                break;
            }
        }
    } else {
        for (qsizetype row = 0; row < count; ++row) {
            if (m_Choices.at(row).m_Value == m_SelectedValue) {
                m_RadioButtons.at(row)->setChecked(true);
                OnSelectionLoaded(qint32(row), m_SelectedValue);
                break;
            }
        }
    }
    return CCmnEnumSelectDialog::DataExchange(context);
}

void CCmnEnumRadioSelectDialog::CreateChoiceWidgets()
{
    for (const CCmnEnumSelectChoice &choice : std::as_const(m_Choices)) {
        auto *radio = new CCmnRadioButton(choice.m_Text);
        connect(radio, &CCmnRadioButton::SignalDoubleClicked, this,
                &CCmnEnumRadioSelectDialog::Slot_Radio_DoubleClicked);
        SetWidgetHelpName(this, radio, QStringLiteral("Choice"));
        m_ButtonGroup->addButton(radio);
        m_RadioButtons << radio;
    }
}

void CCmnEnumRadioSelectDialog::AddChoiceWidgets(QBoxLayout *layout)
{
    const int margin = ChoicesMargin();
    const qsizetype columns = qMax(m_Columns, 1);
    const qsizetype rows = (m_RadioButtons.size() + columns - 1) / columns;
    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, margin, 0, margin);
    for (qsizetype i = 0; i < m_RadioButtons.size(); ++i)
        grid->addWidget(m_RadioButtons.at(i), int(i % rows), int(i / rows));
    layout->addLayout(grid);
}

void CCmnEnumRadioSelectDialog::Slot_Radio_DoubleClicked(QMouseEvent *)
{
    if (SlotsBlocked())
        return;
    // The click that began the double click has normally checked the button
    // already; a double click that arrives alone still chooses it.
    if (auto *radio = qobject_cast<CCmnRadioButton *>(sender()))
        radio->setChecked(true);
    accept();
}
