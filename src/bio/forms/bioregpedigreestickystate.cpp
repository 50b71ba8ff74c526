#include "bioregpedigreestickystate.h"

#include "bioregcoversheetstickystate.h"
#include "cmnrememberedvalues.h"

CBioRegPedigreeStickyState &CBioRegPedigreeStickyState::operator=(const CBioRegPedigreeStickyState &other)
{
    m_HighlightMode = other.m_HighlightMode;
    m_SubjectRecNo = other.m_SubjectRecNo;
    return *this;
}

void CBioRegPedigreeStickyState::ExchangeRememberedValues(bool load, const QString &prefix)
{
    CBioRegThemedFormWithAncestryPanelsStickyState::ExchangeRememberedValues(load, prefix + QStringLiteral("_b"));
    CmnGetRememberedValues()->ExchangeInt(load, prefix + QStringLiteral("_subjectrecno"), m_SubjectRecNo, -1);
}

void CBioRegPedigreeStickyState::Reset()
{
    CBioRegThemedFormWithAncestryPanelsStickyState::Reset();
    m_SubjectRecNo = -1;
}

void CBioRegPedigreeStickyState::ValidateRecNo(CBioReg &reg)
{
    CmnValidateRememberedRecNo(m_SubjectRecNo, reg);
}
