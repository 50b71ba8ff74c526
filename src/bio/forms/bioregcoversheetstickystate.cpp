#include "bioregcoversheetstickystate.h"

#include "bioreg.h"
#include "cmnrememberedvalues.h"

void CmnValidateRememberedRecNo(CBioRegCoverSheetStickyState &state, CBioReg &reg)
{
    CmnValidateRememberedRecNo(state.m_SubjectRecNo, reg);
}

void CmnValidateRememberedRecNo(qint32 &recNo, CBioReg &reg, int sex)
{
    if (recNo < 0)
        recNo = reg.FirstRecordOfSex(sex);
    if (!reg.HasRecNo(recNo))
        recNo = 0;
}

void CBioRegCoverSheetStickyState::ExchangeRememberedValues(bool load, const QString &prefix)
{
    CmnGetRememberedValues()->ExchangeInt(load, prefix + QStringLiteral("_subjectrecno"), m_SubjectRecNo, -1);
}
