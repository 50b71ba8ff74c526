#include "cmnautoormanualctrl.h"

#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmngridlayoutex.h"
#include "cmngroupbox.h"
#include "cmnradiobutton.h"
#include "cmntabordialogorpanelorpagemixin.h"

#include <QBoxLayout>
#include <QButtonGroup>

#include <algorithm>

CCmnAutoOrManualCtrl::CCmnAutoOrManualCtrl(QObject *parent)
    : CCmnCtrl(parent)
{
}

CCmnAutoOrManualCtrl::~CCmnAutoOrManualCtrl() = default;

bool CCmnAutoOrManualCtrl::HasChoice() const
{
    return (m_Flags & (CmnAutoOrManualRadioPair | CmnAutoOrManualCheckBox)) != 0;
}

CCmnLayoutItem CCmnAutoOrManualCtrl::CreateControls(const QString &name, qint32 flags,
                                                    const QList<CCmnLayoutItem> &rowItems,
                                                    const QList<CCmnGridItem> &gridItems)
{
    const CCmnSlotBlocker blocker(this);
    m_Flags = flags;

    // The choice spans every grid column the items take, so that it does not
    // widen the first column alone.
    int span = 1;
    for (const CCmnGridItem &item : gridItems)
        span = std::max(span, item.m_Column + item.m_ColumnSpan);

    const bool inGroupBox = (flags & CmnAutoOrManualGroupBox) != 0;
    const QString automaticText = inGroupBox ? QStringLiteral("Automatic") : QStringLiteral("Automatic %1").arg(name);
    const QString customText = inGroupBox ? QStringLiteral("Custom:") : QStringLiteral("Custom %1:").arg(name);

    auto *grid = new CCmnGridLayoutEx;
    const qint32 rowFlags = CmnBoxLayoutHorizontal | CmnBoxLayoutStretch | CmnBoxLayoutNoMargins;
    int firstGridRow = 0;
    if (flags & CmnAutoOrManualRadioPair) {
        auto *automaticRadio = new CCmnRadioButton(automaticText);
        m_CustomRadio = new CCmnRadioButton(customText);
        m_AutomaticButton = automaticRadio;
        connect(automaticRadio, &QAbstractButton::clicked, this, &CCmnAutoOrManualCtrl::Slot_Automatic_Clicked);
        connect(m_CustomRadio, &QAbstractButton::clicked, this, &CCmnAutoOrManualCtrl::Slot_Automatic_Clicked);
        m_ButtonGroup = new QButtonGroup(this);
        m_ButtonGroup->addButton(automaticRadio);
        m_ButtonGroup->addButton(m_CustomRadio);
        grid->AddWidget(automaticRadio, 0, 0, 1, span);
        grid->AddWidget(m_CustomRadio, 1, 0, 1, span);
        firstGridRow = 2;
        if (!rowItems.isEmpty()) {
            grid->AddLayout(CmnBoxLayoutFromList(rowFlags, rowItems), 2, 0, 1, span);
            firstGridRow = 3;
        }
    } else {
        auto *checkBox = new CCmnCheckBox(automaticText);
        m_AutomaticButton = checkBox;
        connect(checkBox, &QAbstractButton::clicked, this, &CCmnAutoOrManualCtrl::Slot_Automatic_Clicked);
        QList<CCmnLayoutItem> row{checkBox};
        row += rowItems;
        grid->AddLayout(CmnBoxLayoutFromList(rowFlags, row), 0, 0, 1, span);
        firstGridRow = 1;
    }

    for (const CCmnGridItem &item : gridItems) {
        const int row = item.m_Row + firstGridRow;
        if (item.m_Widget)
            grid->AddWidget(item.m_Widget, row, item.m_Column, item.m_RowSpan, item.m_ColumnSpan, item.m_Alignment);
        else if (item.m_Layout)
            grid->AddLayout(item.m_Layout, row, item.m_Column, item.m_RowSpan, item.m_ColumnSpan, item.m_Alignment);
    }
    grid->setRowStretch(grid->LastUsedRow() + 1, 1);

    m_ManualWidgets = CmnLayoutWidgets(grid);
    m_ManualWidgets.removeAll(m_AutomaticButton);
    m_ManualWidgets.removeAll(m_CustomRadio);
    SetLayout(grid);

    if (inGroupBox)
        return CmnNewGroupBox(CCmnLayoutItem::Layout(grid), name);
    return CCmnLayoutItem::Layout(grid);
}

void CCmnAutoOrManualCtrl::SetAutomatic(bool automatic)
{
    if (!HasChoice() || automatic == m_Automatic)
        return;
    if (m_Loaded && !m_Automatic) {
        // The manual value must survive the switch: the widgets are about to show
        // the automatic one. A refusal keeps the manual value as it was.
        CCmnDataExchange save(true);
        static_cast<void>(DataExchange(&save));
    }
    m_Automatic = automatic;
    if (m_Loaded) {
        CCmnDataExchange load(false);
        static_cast<void>(DataExchange(&load));
        UpdateEnabling();
    }
}

void CCmnAutoOrManualCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &name)
{
    const QString helpName = name + QStringLiteral("Automatic");
    SetWidgetHelpName(mixin, m_AutomaticButton, helpName);
    SetWidgetHelpName(mixin, m_CustomRadio, helpName);
}

bool CCmnAutoOrManualCtrl::DataExchange(CCmnDataExchange *context)
{
    if (context->m_Save)
        return true;
    const CCmnSlotBlocker blocker(this);
    if (HasChoice() && m_AutomaticButton) {
        m_AutomaticButton->setChecked(m_Automatic);
        // In an exclusive pair unchecking one radio selects nothing: check the
        // other, so that the pair always shows the state.
        if (m_CustomRadio)
            m_CustomRadio->setChecked(!m_Automatic);
    }
    // Also without a choice, so that dependent widgets follow IsManualWidgetEnabled.
    UpdateEnabling();
    return true;
}

void CCmnAutoOrManualCtrl::MarkLoaded()
{
    m_Loaded = true;
}

void CCmnAutoOrManualCtrl::UpdateEnabling()
{
    const bool allDisabled = ShowsAutomaticValue();
    for (QWidget *widget : std::as_const(m_ManualWidgets))
        widget->setEnabled(!allDisabled && IsManualWidgetEnabled(widget));
}

bool CCmnAutoOrManualCtrl::IsManualWidgetEnabled(QWidget *) const
{
    return true;
}

void CCmnAutoOrManualCtrl::SetCheckableGroupBox(CCmnGroupBox *groupBox)
{
    if (m_GroupBox)
        disconnect(m_GroupBox, nullptr, this, nullptr);
    m_GroupBox = groupBox;
    if (groupBox) {
        groupBox->setCheckable(true);
        connect(groupBox, &QGroupBox::clicked, this, &CCmnAutoOrManualCtrl::Slot_GroupBox_Clicked);
    }
}

void CCmnAutoOrManualCtrl::Slot_Automatic_Clicked(bool)
{
    if (SlotsBlocked() || !HasChoice() || !m_AutomaticButton)
        return;
    SetAutomatic(m_AutomaticButton->isChecked());
}

void CCmnAutoOrManualCtrl::Slot_GroupBox_Clicked(bool)
{
    if (SlotsBlocked() || !HasChoice() || !m_GroupBox)
        return;
    SetAutomatic(!m_GroupBox->isChecked());
}
