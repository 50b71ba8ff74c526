#pragma once

#include "bioregthemedformwithancestrypanelsstickystate.h"

class CBioReg;

// What the pedigree chart remembers per document: its highlight mode and its
// subject, -1 before one was remembered, 0 for none, else a record id.
class CBioRegPedigreeStickyState : public CBioRegThemedFormWithAncestryPanelsStickyState
{
    Q_OBJECT
public:
    using CBioRegThemedFormWithAncestryPanelsStickyState::CBioRegThemedFormWithAncestryPanelsStickyState;

    CBioRegPedigreeStickyState &operator=(const CBioRegPedigreeStickyState &other);

    // The highlight mode under the ancestry key of prefix + "_b", the subject
    // under prefix + "_subjectrecno".
    void ExchangeRememberedValues(bool load, const QString &prefix);
    void Reset();
    void SetDefaults() { m_SubjectRecNo = 1; }
    // Before the chart is built: a subject not yet remembered becomes the
    // register's first record (0 for an empty one), one that is gone 0.
    void ValidateRecNo(CBioReg &reg);

    qint32 m_SubjectRecNo = -1;
};
