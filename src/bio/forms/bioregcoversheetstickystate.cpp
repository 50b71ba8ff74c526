#include "bioregcoversheetstickystate.h"

#include "bioreg.h"
#include "cmnrememberedvalues.h"

void CmnValidateRememberedRecNo(CBioRegCoverSheetStickyState &state, CBioReg &reg)
{
    if (state.m_SubjectRecNo < 0)
        state.m_SubjectRecNo = reg.FirstRecordOfSex(0);
    if (!reg.HasRecNo(state.m_SubjectRecNo))
        state.m_SubjectRecNo = 0;
}

void CBioRegCoverSheetStickyState::ExchangeRememberedValues(bool load, const QString &prefix)
{
    CmnGetRememberedValues()->ExchangeInt(load, prefix + QStringLiteral("_subjectrecno"), m_SubjectRecNo, -1);
}
