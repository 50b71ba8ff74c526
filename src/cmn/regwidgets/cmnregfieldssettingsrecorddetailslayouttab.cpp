#include "cmnregfieldssettingsrecorddetailslayouttab.h"

#include "cmnhtmlescape.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnmessageboxes.h"
#include "cmnreg.h"
#include "cmnregfieldssettings.h"

#include <QBoxLayout>

namespace {

// Shown before the record window is previewed, until the user asks not to be told again.
constexpr qint32 kTestNoticeMessageId = 104;

} // namespace

CCmnRegFieldsSettingsRecordDetailsLayoutTab::CCmnRegFieldsSettingsRecordDetailsLayoutTab(
    const QString &text, const QString &recordWord, const QString &recordWordPlural,
    CCmnRegFieldsSettings *settings, const QSharedPointer<CCmnReg> &reg, QWidget *parent)
    : CCmnRegFieldsSettingsLayoutTab(text, recordWord, recordWordPlural, settings, reg, parent)
{
    SetHelpPage(QStringLiteral("CCmnRegFieldsSettingsRecordDetailsLayoutTab.html"));
}

QString CCmnRegFieldsSettingsRecordDetailsLayoutTab::HeadingHtml() const
{
    return tr("This controls the order and layout of fields within the '%1 Details' window. It does not control "
              "the order in which fields are output within printed %2 - to change that use the <b>%3</b> tab "
              "(above).")
        .arg(CmnHtmlEscape(m_RecordWord), CmnHtmlEscape(m_Text.toLower()), tr("Form Field Order"));
}

QString CCmnRegFieldsSettingsRecordDetailsLayoutTab::NewColumnText() const
{
    // The blanks widen the box to about the tab-name row below it.
    return tr("New column") + QString(19, QLatin1Char(' '));
}

QString CCmnRegFieldsSettingsRecordDetailsLayoutTab::CurrentFieldTitle(const QString &label) const
{
    return tr("'%1' Field").arg(label);
}

void CCmnRegFieldsSettingsRecordDetailsLayoutTab::AddCurrentFieldControls(QBoxLayout *layout)
{
    m_TabNameEdit = new CCmnLineEdit(this);
    SetWidgetHelpName(this, m_TabNameEdit, QStringLiteral("NewTab"));
    connect(m_TabNameEdit, &QLineEdit::textChanged, this,
            &CCmnRegFieldsSettingsRecordDetailsLayoutTab::Slot_textChanged_ManualCurrentItem_TabName);
    auto *label = new CCmnLabel(tr("New tab: "), this);
    label->setBuddy(m_TabNameEdit);
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_TabNameEdit, 1);
    layout->addLayout(row);
}

bool CCmnRegFieldsSettingsRecordDetailsLayoutTab::IsLayoutAutomatic() const
{
    return m_Settings->IsRecordDetailsLayoutAutomatic();
}

QList<int> CCmnRegFieldsSettingsRecordDetailsLayoutTab::LoadManualLayout()
{
    m_Settings->NormaliseRecordDetailsLayout();
    m_TabNames.clear();
    QList<int> fieldIds;
    for (const CCmnRegRecordDetailsLayoutItem &item : m_Settings->GetRecordDetailsManualItems()) {
        m_NewColumns.insert(item.m_FieldId, item.m_NewColumn);
        m_TabNames.insert(item.m_FieldId, item.m_TabName);
        fieldIds << item.m_FieldId;
    }
    return fieldIds;
}

void CCmnRegFieldsSettingsRecordDetailsLayoutTab::SaveLayout(bool automatic, const QList<int> &fieldIds)
{
    QList<CCmnRegRecordDetailsLayoutItem> items;
    for (const int id : fieldIds)
        items.append({id, m_NewColumns.value(id, false), m_TabNames.value(id).trimmed()});
    m_Settings->SetRecordDetailsLayout(automatic, items);
}

void CCmnRegFieldsSettingsRecordDetailsLayoutTab::ClearManualLayout(bool automatic)
{
    m_Settings->SetRecordDetailsLayout(automatic, {});
}

void CCmnRegFieldsSettingsRecordDetailsLayoutTab::ShowTestNotice()
{
    CCmnMessageBoxOptions options;
    options.m_MessageId = kTestNoticeMessageId;
    const QString word = CmnHtmlEscape(m_RecordWord);
    ShowRememberedMessage(QMessageBox::Information, this, tr("Test %1 Details Layout").arg(m_RecordWord),
                          tr("<p>This will display the <b>%1 Details</b> window, purely so you can preview the "
                             "layout.</p><p>Don't try to enter any real data at this point; it will just be "
                             "discarded if you do.</p>")
                              .arg(word),
                          &options);
}

void CCmnRegFieldsSettingsRecordDetailsLayoutTab::TestLayout()
{
    if (m_Reg)
        m_Reg->TestRecordDetailsLayout(*m_Settings, this);
}

void CCmnRegFieldsSettingsRecordDetailsLayoutTab::ShowCurrentField(int fieldId)
{
    m_TabNameEdit->setText(m_TabNames.value(fieldId));
}

void CCmnRegFieldsSettingsRecordDetailsLayoutTab::Slot_textChanged_ManualCurrentItem_TabName(const QString &text)
{
    if (SlotsBlocked())
        return;
    const int fieldId = CurrentFieldId();
    if (fieldId != 0)
        m_TabNames.insert(fieldId, text);
}
