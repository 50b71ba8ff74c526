#include "cmnimportexportchoicepanel.h"

#include "cmndataexchange.h"
#include "cmngroupbox.h"

CCmnImportExportChoicePanel::CCmnImportExportChoicePanel(qint32 pageFlags, bool *automatic,
                                                         QBoxLayout *mainLayout, QObject *parent)
    : CCmnAutomaticOrCustomPanel(CmnAutomaticOrCustomCheckBox, automatic, mainLayout, parent)
    , m_PageFlags(pageFlags)
    , m_Automatic(automatic)
{
}

bool CCmnImportExportChoicePanel::DataExchange(CCmnDataExchange *context)
{
    if (!context->m_Save)
        OnLoading();
    const bool showCustom = context->m_Save ? IsCustom() : !*m_Automatic;
    if (!ExchangeChoice(context, showCustom) || !CCmnAutomaticOrCustomPanel::DataExchange(context))
        return false;
    if (context->m_Save)
        OnSaved();
    return true;
}

void CCmnImportExportChoicePanel::OnCustomChanged(bool custom)
{
    if (!custom) {
        // The edits are checked while they can still be corrected.
        ShowCustom(true);
        CCmnDataExchange save(true);
        save.m_OwnerWidget = GroupBox();
        if (!ExchangeChoice(&save, true))
            return;
        ShowCustom(false);
    }
    CCmnDataExchange load(false);
    (void)ExchangeChoice(&load, custom);
}
