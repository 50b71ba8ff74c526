#pragma once

#include "bioregthemedformstickystate.h"

class CBioReg;

// What the cover sheet remembers: its subject, -1 before one was remembered,
// 0 for none, else a record id.
class CBioRegCoverSheetStickyState : public CBioRegThemedFormStickyState
{
    Q_OBJECT
public:
    using CBioRegThemedFormStickyState::CBioRegThemedFormStickyState;

    void Reset() { m_SubjectRecNo = -1; }
    void SetDefaults(qint32) { m_SubjectRecNo = 1; }
    // Under prefix + "_subjectrecno"; -1 when nothing is stored yet.
    void ExchangeRememberedValues(bool load, const QString &prefix);
    // The subject as the form uses it: never negative.
    qint32 SubjectRecNo() const { return m_SubjectRecNo < 0 ? 0 : m_SubjectRecNo; }

    qint32 m_SubjectRecNo = -1;
};

// Before the cover sheet is built: a subject not yet remembered becomes the
// register's first record (0 for an empty register), one that no longer exists 0.
void CmnValidateRememberedRecNo(CBioRegCoverSheetStickyState &state, CBioReg &reg);
// The same for any remembered record: the first of the sex's list (0 for any
// sex) when none was remembered.
void CmnValidateRememberedRecNo(qint32 &recNo, CBioReg &reg, int sex = 0);
