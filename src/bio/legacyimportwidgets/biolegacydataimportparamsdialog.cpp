#include "biolegacydataimportparamsdialog.h"

#include "biolegacyconfigflags.h"
#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmngroupbox.h"
#include "cmnlabel.h"
#include "cmnlayoutitem.h"
#include "cmntext.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {

// The order in which the dialog lists the kinds, references beside the texts.
constexpr int kEntryKinds[] = {BioLegacyImportText,    BioLegacyImportReference, BioLegacyImportBoolean,
                               BioLegacyImportInteger, BioLegacyImportCurrency,  BioLegacyImportDate};

} // namespace

CBioLegacyDataImportParamsDialog::CBioLegacyDataImportParamsDialog(const CBioLegacyImportParams &params,
                                                                   QWidget *parent)
    : CCmnDialogEx(parent)
    , m_Params(params)
{
    const bool halvane = BioLegacyConfigFlagIsSet("APP_HV");
    for (int kind : kEntryKinds) {
        const QList<CBioLegacyImportField> &fields = m_Params.Fields(kind);
        for (int index = 0; index < fields.size(); ++index) {
            const CBioLegacyImportField &field = fields.at(index);
            // Captions come from the file's owner: an "&" in one is no mnemonic.
            auto *box = new CCmnCheckBox(CmnMnemonicSafe(field.m_Descriptor.m_Name));
            m_Entries.append({kind, index, box, field.m_Group, field.m_Order});
        }
    }
    LayOutFields(halvane);

    if (halvane)
        m_LongTitles = new CCmnCheckBox(tr("Use long titles"));
    m_StripEscapes = new CCmnCheckBox(tr("Strip formatting escapes"));
    QBoxLayout *options = m_LongTitles ? CmnBoxLayout(CmnBoxLayoutHorizontal | CmnBoxLayoutStretch, m_LongTitles, m_StripEscapes)
                                       : CmnBoxLayout(CmnBoxLayoutHorizontal | CmnBoxLayoutStretch, m_StripEscapes);
    MainLayout()->addLayout(CmnBoxLayout(CmnBoxLayoutVertical | CmnBoxLayoutNoMargins,
                                         CmnNewGroupBox(CCmnLayoutItem::Layout(m_Grid), tr("Select Fields To Import")),
                                         CCmnLayoutItem::Layout(options)));
    setWindowTitle(tr("%1 Import Options").arg(halvane ? QStringLiteral("Halvane") : QStringLiteral("Dunmarra")));
}

CBioLegacyDataImportParamsDialog::~CBioLegacyDataImportParamsDialog() = default;

void CBioLegacyDataImportParamsDialog::LayOutFields(bool halvane)
{
    m_Grid = new QGridLayout;
    QStringList fixed = {tr("Title"), tr("Name")};
    if (halvane)
        fixed.append(tr("Name Suffix"));
    fixed << tr("Sex") << tr("Date of Birth");
    if (halvane)
        fixed.append(tr("Date of Death"));
    int row = 0;
    for (const QString &text : std::as_const(fixed)) {
        auto *box = new CCmnCheckBox(text);
        box->setChecked(true);
        box->setEnabled(false);
        m_Grid->addWidget(box, row++, 0);
    }

    std::set<int> groups;
    for (const CEntry &entry : std::as_const(m_Entries))
        groups.insert(entry.m_Group);
    int column = 0;
    for (int group : groups) {
        QList<CEntry> members;
        for (const CEntry &entry : std::as_const(m_Entries))
            if (entry.m_Group == group)
                members.append(entry);
        std::stable_sort(members.begin(), members.end(),
                         [](const CEntry &a, const CEntry &b) { return a.m_Order < b.m_Order; });
        if (row > 0) {
            if (kRowsPerColumn - row < members.size()) {
                ++column;
                row = 0;
            } else {
                m_Grid->addWidget(new CCmnLabel(QString()), row++, column);
            }
        }
        for (const CEntry &entry : std::as_const(members))
            m_Grid->addWidget(entry.m_CheckBox, row++, column);
    }
}

bool CBioLegacyDataImportParamsDialog::DataExchange(CCmnDataExchange *context)
{
    if (m_LongTitles) {
        bool useLongTitles = m_Params.m_UseLongTitles != 0;
        if (!context->ExchangeCheckBox(&useLongTitles, m_LongTitles))
            return false;
        m_Params.m_UseLongTitles = useLongTitles ? 1 : 0;
    }
    bool strip = m_Params.m_StripEscapes != 0;
    if (!context->ExchangeCheckBox(&strip, m_StripEscapes))
        return false;
    m_Params.m_StripEscapes = strip ? 1 : 0;
    for (const CEntry &entry : std::as_const(m_Entries)) {
        CBioLegacyImportField &field = m_Params.Fields(entry.m_Kind)[entry.m_Index];
        bool selected = field.IsSelected();
        if (!context->ExchangeCheckBox(&selected, entry.m_CheckBox))
            return false;
        field.SetSelected(selected);
    }
    return CCmnDialogEx::DataExchange(context);
}
