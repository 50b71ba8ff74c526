#include "cmnautomaticorcustompanel.h"

#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmngroupbox.h"
#include "cmnlabel.h"
#include "cmnradiobutton.h"

#include <QBoxLayout>
#include <QButtonGroup>

CCmnAutomaticOrCustomPanel::CCmnAutomaticOrCustomPanel(qint32 flags, bool *automatic, QBoxLayout *mainLayout,
                                                       QObject *parent)
    : CCmnPanel(flags, parent)
    , m_Automatic(automatic)
    , m_MainLayout(mainLayout)
    , m_AutomaticText(QStringLiteral("Automatic"))
    , m_CustomText((flags & CmnAutomaticOrCustomRadioPair) ? QStringLiteral("Custom") : QStringLiteral("Customize"))
{
}

void CCmnAutomaticOrCustomPanel::CreateControls(QLayout *customLayout)
{
    m_CustomLayout = customLayout;
    const QString helpName = QStringLiteral("Custom");

    if (!m_Explanation.isEmpty()) {
        const bool isParagraph = m_Explanation.left(3).toLower() == QLatin1String("<p>");
        m_ExplanationLabel =
            new CCmnLabel(isParagraph ? m_Explanation : QStringLiteral("<p>%1</p>").arg(m_Explanation));
        m_ExplanationLabel->setWordWrap(true);
        m_MainLayout->addWidget(m_ExplanationLabel);
    }

    if (Flags() & CmnAutomaticOrCustomGroupBox) {
        m_GroupBox = new CCmnGroupBox;
        m_GroupBox->setTitle(m_CustomText);
        m_GroupBox->setCheckable(true);
        SetWidgetHelpName(this, m_GroupBox, helpName);
        connect(m_GroupBox, &QGroupBox::toggled, this, &CCmnAutomaticOrCustomPanel::Slot_toggled_CustomOrAutomatic);
    } else if (Flags() & CmnAutomaticOrCustomRadioPair) {
        m_ButtonGroup = new QButtonGroup(this);
        m_AutomaticRadio = new CCmnRadioButton(m_AutomaticText);
        m_CustomRadio = new CCmnRadioButton(m_CustomText);
        m_ButtonGroup->addButton(m_AutomaticRadio);
        m_ButtonGroup->addButton(m_CustomRadio);
        SetWidgetHelpName(this, m_AutomaticRadio, helpName);
        SetWidgetHelpName(this, m_CustomRadio, helpName);
        connect(m_AutomaticRadio, &QAbstractButton::toggled, this,
                &CCmnAutomaticOrCustomPanel::Slot_toggled_CustomOrAutomatic);
        m_MainLayout->addLayout(
            CmnBoxLayout(CmnBoxLayoutHorizontal | CmnBoxLayoutStretch, m_AutomaticRadio, m_CustomRadio));
    } else {
        m_CheckBox = new CCmnCheckBox(m_CustomText);
        SetWidgetHelpName(this, m_CheckBox, helpName);
        connect(m_CheckBox, &QAbstractButton::toggled, this,
                &CCmnAutomaticOrCustomPanel::Slot_toggled_CustomOrAutomatic);
        m_MainLayout->addWidget(m_CheckBox);
    }

    if (!m_GroupBox)
        m_GroupBox = new CCmnGroupBox;
    if (customLayout)
        m_GroupBox->setLayout(customLayout);
    m_MainLayout->addWidget(m_GroupBox, 1);
}

bool CCmnAutomaticOrCustomPanel::IsCustom() const
{
    if (m_CustomRadio)
        return m_CustomRadio->isChecked();
    if (m_CheckBox)
        return m_CheckBox->isChecked();
    return m_GroupBox && m_GroupBox->isChecked();
}

bool CCmnAutomaticOrCustomPanel::DataExchange(CCmnDataExchange *context)
{
    if (context->m_Save) {
        if (m_Automatic)
            *m_Automatic = !m_Custom;
    } else {
        ShowCustom(m_Automatic && !*m_Automatic);
    }
    return CCmnPanel::DataExchange(context);
}

void CCmnAutomaticOrCustomPanel::ShowCustom(bool custom)
{
    const CCmnSlotBlocker blocker(this);
    m_Custom = custom;
    if (m_CustomRadio) {
        m_CustomRadio->setChecked(m_Custom);
        // In an exclusive pair unchecking one radio selects nothing: check the
        // other, so that the pair always shows the state.
        m_AutomaticRadio->setChecked(!m_Custom);
    } else if (m_CheckBox) {
        m_CheckBox->setChecked(m_Custom);
    } else if (m_GroupBox) {
        m_GroupBox->setChecked(m_Custom);
    }
    EnableCustomWidgets(m_Custom);
}

void CCmnAutomaticOrCustomPanel::EnableCustomWidgets(bool on)
{
    CmnSetWidgetsEnabled(CmnLayoutWidgets(m_CustomLayout), on);
}

void CCmnAutomaticOrCustomPanel::OnCustomChanged(bool)
{
}

void CCmnAutomaticOrCustomPanel::Slot_toggled_CustomOrAutomatic(bool)
{
    if (SlotsBlocked())
        return;
    const bool custom = IsCustom();
    if (custom == m_Custom)
        return;
    m_Custom = custom;
    EnableCustomWidgets(custom);
    OnCustomChanged(custom);
}

void CmnSetWidgetsEnabled(const QList<QWidget *> &widgets, bool enabled)
{
    for (QWidget *widget : widgets) {
        if (widget)
            widget->setEnabled(enabled);
    }
}
