#include "cmnregfieldcontextsctrl.h"

#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmngridlayoutex.h"
#include "cmngroupbox.h"
#include "cmnlabel.h"
#include "cmnlayoutitem.h"
#include "cmnregfieldcontextmask.h"
#include "cmnregfieldcontexts.h"
#include "cmnregfieldcontextslayout.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmntext.h"

#include <QVBoxLayout>

#include <algorithm>

CCmnRegFieldContextsCtrl::CCmnRegFieldContextsCtrl(QObject *owner, const CCmnRegFieldContexts *catalogue)
    : CCmnCtrl(owner)
    , m_Catalogue(catalogue)
{
    auto *grid = new CCmnGridLayoutEx;
    int columns = 1;
    for (const CCmnRegFieldContextGroupCells &group : CmnRegFieldContextsLayout(*m_Catalogue)) {
        if (!group.m_Cells.isEmpty()) {
            auto *label = new CCmnLabel(m_Catalogue->m_Groups.at(group.m_Group).m_Name + QLatin1Char(':'));
            label->setTextFormat(Qt::PlainText);
            grid->AddWidget(label, group.m_FirstRow, 0);
        }
        for (const CCmnRegFieldContextCell &cell : group.m_Cells) {
            // Labels come from the terminology, which the user words: "&" is no mnemonic.
            auto *box = new CCmnCheckBox(CmnMnemonicSafe(m_Catalogue->m_Items.at(cell.m_Item).m_Label));
            m_Boxes.append({cell.m_Item, box});
            grid->AddWidget(box, cell.m_Row, cell.m_Column, 1, cell.m_ColumnSpan, Qt::AlignLeft);
            columns = std::max(columns, cell.m_Column + cell.m_ColumnSpan);
        }
    }
    // The boxes stay together on the left; the room to spare goes to the right.
    grid->setColumnStretch(columns, 1);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CmnNewGroupBox(CCmnLayoutItem::Layout(grid), QStringLiteral("Default Field Usage")));
    SetLayout(layout);
}

CCmnRegFieldContextsCtrl::~CCmnRegFieldContextsCtrl() = default;

void CCmnRegFieldContextsCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix)
{
    for (const auto &[item, box] : m_Boxes)
        SetWidgetHelpName(mixin, box, prefix + m_Catalogue->m_Items.at(item).m_InternalName);
}

bool CCmnRegFieldContextsCtrl::DataExchange(CCmnDataExchange *context, CCmnRegFieldContextMask *mask)
{
    for (const auto &[item, box] : m_Boxes) {
        const int bit = m_Catalogue->m_Items.at(item).m_Bit;
        bool on = !context->m_Save && mask->HasContext(bit);
        if (!context->ExchangeCheckBox(&on, box))
            return false;
        if (context->m_Save)
            mask->SetContext(bit, on);
    }
    return true;
}
