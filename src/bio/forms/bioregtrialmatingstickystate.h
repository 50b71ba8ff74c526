#pragma once

#include "bioregthemedformwithancestrypanelsstickystate.h"

class CBioReg;

// What the trial-mating chart remembers per document: its highlight mode and
// the sire and dam of the planned mating, each -1 before one was remembered, 0
// for none, else a record id.
class CBioRegTrialMatingStickyState : public CBioRegThemedFormWithAncestryPanelsStickyState
{
    Q_OBJECT
public:
    using CBioRegThemedFormWithAncestryPanelsStickyState::CBioRegThemedFormWithAncestryPanelsStickyState;

    CBioRegTrialMatingStickyState &operator=(const CBioRegTrialMatingStickyState &other);

    // The highlight mode under the ancestry key of prefix + "_b", the parents
    // under prefix + "_sirerecno" and prefix + "_damrecno".
    void ExchangeRememberedValues(bool load, const QString &prefix);
    void Reset();
    void SetDefaults(qint32)
    {
        m_SireRecNo = 1;
        m_DamRecNo = 2;
    }
    // Before the chart is built: a parent not yet remembered becomes the first
    // male or female of the register (0 when there is none), one that is gone 0.
    void ValidateRecNos(CBioReg &reg);
    // The numbers as the chart uses them: negative counts as none.
    qint32 SireRecNo() const { return m_SireRecNo > 0 ? m_SireRecNo : 0; }
    qint32 DamRecNo() const { return m_DamRecNo > 0 ? m_DamRecNo : 0; }

    qint32 m_SireRecNo = -1;
    qint32 m_DamRecNo = -1;
};
