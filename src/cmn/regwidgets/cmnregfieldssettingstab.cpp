#include "cmnregfieldssettingstab.h"

#include "cmnreg.h"
#include "cmnlabel.h"
#include "cmnregfieldssettings.h"

#include <QBoxLayout>

CCmnRegFieldsSettingsTab::CCmnRegFieldsSettingsTab(const QString &text, const QString &recordWord,
                                                   const QString &recordWordPlural, CCmnRegFieldsSettings *settings,
                                                   const QSharedPointer<CCmnReg> &reg, QWidget *parent)
    : CCmnTab(parent, Qt::Vertical)
    , m_Text(text)
    , m_RecordWord(recordWord)
    , m_RecordWordPlural(recordWordPlural)
    , m_Settings(settings)
    , m_Reg(reg)
{
}

CCmnRegFieldsSettingsTab::~CCmnRegFieldsSettingsTab() = default;

const CCmnRegFieldContexts *CCmnRegFieldsSettingsTab::Catalogue() const
{
    const CCmnRegFieldContexts *contexts = m_Reg ? m_Reg->GetFieldContexts() : nullptr;
    return contexts ? contexts : &m_NoContexts;
}

QString CCmnRegFieldsSettingsTab::FieldLabel(int fieldId) const
{
    if (fieldId < 0)
        return m_Reg ? m_Reg->GetFieldLabel(fieldId, false) : QString();
    const int row = m_Settings->IndexOfUserField(fieldId);
    return m_Settings->GetUserFields().NameAt(row);
}

TCmnNamedItemsSortedList<int> CCmnRegFieldsSettingsTab::FieldList(const QList<int> &fieldIds) const
{
    TCmnNamedItemsSortedList<int> list;
    for (const int id : fieldIds) {
        const QString label = FieldLabel(id);
        if (!list.IsNameTaken(label))
            list.m_Items.append({label, id});
    }
    return list;
}

void CCmnRegFieldsSettingsTab::AddHeading(const QString &html)
{
    auto *label = new CCmnLabel(html, this);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    TopLayout()->addWidget(label);
}
