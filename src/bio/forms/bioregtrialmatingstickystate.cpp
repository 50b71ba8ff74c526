#include "bioregtrialmatingstickystate.h"

#include "bioreg.h"
#include "bioregcoversheetstickystate.h"
#include "cmnrememberedvalues.h"

CBioRegTrialMatingStickyState &CBioRegTrialMatingStickyState::operator=(const CBioRegTrialMatingStickyState &other)
{
    m_HighlightMode = other.m_HighlightMode;
    m_SireRecNo = other.m_SireRecNo;
    m_DamRecNo = other.m_DamRecNo;
    return *this;
}

void CBioRegTrialMatingStickyState::ExchangeRememberedValues(bool load, const QString &prefix)
{
    CBioRegThemedFormWithAncestryPanelsStickyState::ExchangeRememberedValues(load, prefix + QStringLiteral("_b"));
    CmnGetRememberedValues()->ExchangeInt(load, prefix + QStringLiteral("_sirerecno"), m_SireRecNo, -1);
    CmnGetRememberedValues()->ExchangeInt(load, prefix + QStringLiteral("_damrecno"), m_DamRecNo, -1);
}

void CBioRegTrialMatingStickyState::Reset()
{
    CBioRegThemedFormWithAncestryPanelsStickyState::Reset();
    m_SireRecNo = -1;
    m_DamRecNo = -1;
}

void CBioRegTrialMatingStickyState::ValidateRecNos(CBioReg &reg)
{
    CmnValidateRememberedRecNo(m_SireRecNo, reg, CBioReg::MaleSex);
    CmnValidateRememberedRecNo(m_DamRecNo, reg, CBioReg::FemaleSex);
}
