#include "cmnregrecordedittabdialog.h"

#include "cmndialogbuttonbox.h"
#include "cmnpushbutton.h"
#include "cmnreg.h"
#include "cmnregmoreinfobutton.h"
#include "cmnregrecorddetailstabs.h"
#include "cmnregrecordeditablefieldstab.h"
#include "cmntext.h"

CCmnRegRecordEditTabDialog::CCmnRegRecordEditTabDialog(const CCmnGeometryKeeper &geometry, CCmnReg *reg,
                                                       QWidget *parent)
    : CCmnTabDialog(parent)
    , m_Reg(reg)
{
    SetGeometryKeeper(geometry);
}

void CCmnRegRecordEditTabDialog::CreatePages(const QString &firstTabName, const QStringList &foldNames,
                                             CCmnRegRecord *record)
{
    m_Record = record;
    if (!m_Reg)
        return;
    CCmnRegFieldsSettings settings = m_Reg->GetFieldsSettings();
    const QList<CCmnRegRecordDetailsTab> tabs =
        CmnRegRecordDetailsTabs(settings.GetRecordDetailsLayout(), firstTabName, foldNames);
    for (const CCmnRegRecordDetailsTab &page : tabs) {
        QHash<int, int> columnStarts;
        for (int fieldId : page.m_ColumnStarts)
            columnStarts.insert(fieldId, 1);
        CCmnTab *tab = CreateFieldsTab(page.m_Name, page.m_FieldIds, columnStarts, nullptr);
        // Page names are typed by the user; a tab label reads "&" as a mnemonic.
        AddTab(tab, CmnMnemonicSafe(page.m_Name));
        TabAdded(tab, page.m_Name);
    }
}

void CCmnRegRecordEditTabDialog::SetMoreInformation(const QString &buttonText, const QString &helpText)
{
    m_MoreInfoButtonText = buttonText;
    m_MoreInfoText = helpText;
}

CCmnTab *CCmnRegRecordEditTabDialog::CreateFieldsTab(const QString &, const QList<int> &fieldIds,
                                                     const QHash<int, int> &columnStarts, QWidget *parent)
{
    return new CCmnRegRecordEditableFieldsTab(m_Reg, fieldIds, columnStarts, &m_RecordId, m_Record, parent);
}

void CCmnRegRecordEditTabDialog::TabAdded(CCmnTab *, const QString &)
{
}

void CCmnRegRecordEditTabDialog::AddControlsAfterButtonBox(QBoxLayout *layout)
{
    CCmnTabDialog::AddControlsAfterButtonBox(layout);
    if (ButtonBox())
        AddButtons(ButtonBox());
}

void CCmnRegRecordEditTabDialog::AddButtons(CCmnDialogButtonBox *buttonBox)
{
    if (m_MoreInfoText.isEmpty())
        return;
    CCmnPushButton *button = CmnRegAddMoreInfoButton(buttonBox, m_MoreInfoButtonText);
    connect(button, &QAbstractButton::clicked, this, &CCmnRegRecordEditTabDialog::Slot_clicked_ForMoreInfo);
}

void CCmnRegRecordEditTabDialog::Slot_clicked_ForMoreInfo()
{
    if (SlotsBlocked())
        return;
    CmnRegShowMoreInfo(this, windowTitle(), m_MoreInfoText);
}
