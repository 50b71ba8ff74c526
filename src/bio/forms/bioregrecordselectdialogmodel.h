#pragma once

#include "cmnregindexlistmodel.h"

class CBioReg;

// The names of the animals of one sex filter (0 all, 1 male, 2 female, 3 unknown).
class CBioRegRecordSelectDialogModel : public CCmnRegIndexListModel
{
    Q_OBJECT
public:
    CBioRegRecordSelectDialogModel(CBioReg *reg, int sexFilter, QObject *parent = nullptr);

    int SexFilter() const { return m_SexFilter; }
    // Shows the list of the filter, clamped to 0..3.
    void SetSexFilter(int sexFilter);

private:
    CBioReg *m_Reg;
    int m_SexFilter = 0;
};
