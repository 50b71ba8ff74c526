#include "bioregrecordgeneraltab.h"

#include "bioreg.h"
#include "bioregrecord.h"
#include "biotermcomboboxes.h"
#include "bioterminology.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmngridlayoutex.h"
#include "cmnlineedit.h"
#include "cmnregfieldgrid.h"
#include "cmnregfieldwidgets.h"

#include <QBoxLayout>

namespace {

constexpr qint32 kRequiredAndTrim = 5;
constexpr qint32 kSelectAll = 0x200;

} // namespace

CBioRegRecordGeneralTab::CBioRegRecordGeneralTab(CBioReg *reg, const QList<int> &fieldIds,
                                                 const QHash<int, int> &columnStarts, const int *recordId,
                                                 CBioRegRecord *record, QWidget *parent)
    : CCmnRegRecordEditableFieldsTab(reg, fieldIds, columnStarts, recordId, record, parent)
    , m_BioRecord(record)
{
    SetHelpPage(QStringLiteral("CBioRegRecordGeneralTab.html"));
}

void CBioRegRecordGeneralTab::CreateControls()
{
    CreateFieldEditors(HelpNames, m_TabReg, m_TabFieldIds, m_TabColumnStarts, this);

    m_NameEdit = new CCmnLineEdit(this);
    CCmnRegFieldWidgets nameRow(GetBioTerm(kBioTermName), GetBioTerm(kBioTermName, BioTermBuiltIn));
    nameRow.m_LineEdit = m_NameEdit;
    m_FullWidthRows.prepend(nameRow);
    SetInitialFocusWidget(m_NameEdit);

    m_SexCombo = BioNewSexComboBox(std::nullopt, 0, QString(), this);
    CCmnRegFieldWidgets sexRow(GetBioTerm(kBioTermSex), GetBioTerm(kBioTermSex, BioTermBuiltIn));
    sexRow.m_ComboBox = m_SexCombo;
    m_ColumnRows.prepend(sexRow);

    TopLayout()->addLayout(CmnNewColumnsGridLayout(this, m_FullWidthRows, m_ColumnRows));
    FinishLayout();
}

bool CBioRegRecordGeneralTab::DataExchange(CCmnDataExchange *context)
{
    if (!m_BioRecord)
        return CCmnRegRecordEditableFieldsTab::DataExchange(context);
    const qint32 nameFlags = kRequiredAndTrim | (IsFirstLoad(context) ? kSelectAll : 0);
    if (!context->ExchangePathLineEdit(&m_BioRecord->m_Name, m_NameEdit, nameFlags, GetBioTerm(kBioTermName)))
        return false;
    if (!CmnExchangeComboByData(context, &m_BioRecord->m_Sex, m_SexCombo))
        return false;
    if (context->m_Save && m_BioRecord->m_Sex == 0) {
        const QString message =
            QStringLiteral("You have not set the sex of this %1. It is strongly recommended that you should set the "
                           "sex if you know it, e.g. so that this %1 will appear correctly in %2/%3 selection lists.")
                .arg(GetBioTerm(kBioTermAnimal, BioTermLowerCase), GetBioTerm(kBioTermSire, BioTermLowerCase),
                     GetBioTerm(kBioTermDam, BioTermLowerCase));
        if (!context->ConfirmWidget(message, QString(), QString(), QString(), m_SexCombo))
            return false;
    }
    if (!context->m_Save)
        m_SexCombo->setEnabled(m_SexEditable);
    return CCmnRegRecordEditableFieldsTab::DataExchange(context);
}
