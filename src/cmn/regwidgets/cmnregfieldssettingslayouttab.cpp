#include "cmnregfieldssettingslayouttab.h"

#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmngroupbox.h"
#include "cmnlistwidget.h"
#include "cmnpushbutton.h"
#include "cmnslotblocker.h"
#include "cmntext.h"

#include <QBoxLayout>

void CCmnRegFieldsSettingsLayoutTab::CreateControls()
{
    AddHeading(HeadingHtml());

    m_AutomaticCheck = new CCmnCheckBox(tr("Determine layout automatically"), this);
    SetWidgetHelpName(this, m_AutomaticCheck, QStringLiteral("Automatic"));
    connect(m_AutomaticCheck, &QAbstractButton::clicked, this, &CCmnRegFieldsSettingsLayoutTab::Slot_clicked_Automatic);

    m_CurrentFieldGroup = new CCmnGroupBox(this);
    auto *groupLayout = new QVBoxLayout(m_CurrentFieldGroup);
    m_NewColumnCheck = new CCmnCheckBox(NewColumnText(), m_CurrentFieldGroup);
    SetWidgetHelpName(this, m_NewColumnCheck, QStringLiteral("NewColumn"));
    connect(m_NewColumnCheck, &QCheckBox::stateChanged, this,
            &CCmnRegFieldsSettingsLayoutTab::Slot_stateChanged_ManualCurrentItem_NewColumn);
    groupLayout->addWidget(m_NewColumnCheck);
    AddCurrentFieldControls(groupLayout);

    m_TestButton = new CCmnPushButton(tr("Test Layout..."), this);
    SetWidgetHelpName(this, m_TestButton, QStringLiteral("TestButton"));
    connect(m_TestButton, &QAbstractButton::clicked, this, &CCmnRegFieldsSettingsLayoutTab::Slot_clicked_Test);
    m_ResetButton = new CCmnPushButton(tr("Reset"), this);
    SetWidgetHelpName(this, m_ResetButton, QStringLiteral("ResetButton"));
    connect(m_ResetButton, &QAbstractButton::clicked, this, &CCmnRegFieldsSettingsLayoutTab::Slot_clicked_Reset);

    auto *extra = new QVBoxLayout;
    extra->addWidget(m_CurrentFieldGroup);
    extra->addWidget(m_TestButton);
    extra->addWidget(m_ResetButton);
    m_FieldList = new CFieldList(this, QString(), QString(), tr("Field"), CmnNamedItemsListUpDown, -1,
                                 CCmnNamedItemsButtonWords(), extra);
    m_FieldList->RegisterWhatsThis(this, QStringLiteral("Fields"));
    connect(m_FieldList->ListWidget(), &QListWidget::currentRowChanged, this,
            &CCmnRegFieldsSettingsLayoutTab::Slot_currentRowChanged_ListWidget);

    auto *column = new QVBoxLayout;
    column->addWidget(m_AutomaticCheck);
    column->addLayout(m_FieldList->Layout(), 1);
    TopLayout()->addLayout(column, 1);
    FinishLayout();
}

bool CCmnRegFieldsSettingsLayoutTab::DataExchange(CCmnDataExchange *context)
{
    const CCmnSlotBlocker blocker(this);
    bool automatic = IsLayoutAutomatic();
    if (!context->ExchangeCheckBox(&automatic, m_AutomaticCheck))
        return false;
    if (!context->m_Save) {
        m_NewColumns.clear();
        m_FieldList->SetItems(FieldList(LoadManualLayout()));
        UpdateEnabling();
        UpdateCurrentField();
    } else {
        QList<int> fieldIds;
        for (const auto &item : m_FieldList->GetItems().m_Items)
            fieldIds << item.second;
        SaveLayout(automatic, fieldIds);
    }
    return CCmnRegFieldsSettingsTab::DataExchange(context);
}

bool CCmnRegFieldsSettingsLayoutTab::Exchange(bool save)
{
    CCmnDataExchange context(save);
    context.m_OwnerWidget = this;
    return DataExchange(&context);
}

int CCmnRegFieldsSettingsLayoutTab::CurrentFieldId() const
{
    const CFieldList::CList items = m_FieldList->GetItems();
    const qint32 row = m_FieldList->ListWidget()->currentRow();
    return items.IsRow(row) ? items.m_Items.at(row).second : 0;
}

void CCmnRegFieldsSettingsLayoutTab::UpdateEnabling()
{
    const bool manual = !m_AutomaticCheck->isChecked();
    for (QWidget *widget : m_FieldList->Widgets()) {
        // The preview shows the automatic layout as well.
        if (widget != m_TestButton)
            widget->setEnabled(manual);
    }
    if (manual)
        m_FieldList->UpdateButtons();
}

void CCmnRegFieldsSettingsLayoutTab::UpdateCurrentField()
{
    const int fieldId = CurrentFieldId();
    if (fieldId == 0)
        return;
    const CFieldList::CList items = m_FieldList->GetItems();
    m_CurrentFieldGroup->setTitle(CmnMnemonicSafe(CurrentFieldTitle(items.NameAt(m_FieldList->ListWidget()->currentRow()))));
    m_NewColumnCheck->setChecked(m_NewColumns.value(fieldId, false));
    ShowCurrentField(fieldId);
}

void CCmnRegFieldsSettingsLayoutTab::Slot_clicked_Automatic()
{
    if (SlotsBlocked())
        return;
    UpdateEnabling();
}

void CCmnRegFieldsSettingsLayoutTab::Slot_currentRowChanged_ListWidget(int row)
{
    Q_UNUSED(row);
    if (SlotsBlocked())
        return;
    UpdateCurrentField();
}

void CCmnRegFieldsSettingsLayoutTab::Slot_stateChanged_ManualCurrentItem_NewColumn(int state)
{
    if (SlotsBlocked())
        return;
    const int fieldId = CurrentFieldId();
    if (fieldId != 0)
        m_NewColumns.insert(fieldId, state == Qt::Checked);
}

void CCmnRegFieldsSettingsLayoutTab::Slot_clicked_Test()
{
    if (SlotsBlocked())
        return;
    ShowTestNotice();
    if (Exchange(true))
        TestLayout();
}

void CCmnRegFieldsSettingsLayoutTab::Slot_clicked_Reset()
{
    if (SlotsBlocked())
        return;
    // Reset is offered only while the layout is manual, which it stays even when
    // the box has not been saved yet.
    ClearManualLayout(m_AutomaticCheck->isChecked());
    Exchange(false);
}
