#include "bioregrecordselectdialogmodel.h"

#include "bioreg.h"

#include <algorithm>

CBioRegRecordSelectDialogModel::CBioRegRecordSelectDialogModel(CBioReg *reg, int sexFilter, QObject *parent)
    : CCmnRegIndexListModel(parent)
    , m_Reg(reg)
{
    SetSexFilter(sexFilter);
}

void CBioRegRecordSelectDialogModel::SetSexFilter(int sexFilter)
{
    m_SexFilter = std::clamp(sexFilter, 0, 3);
    // The register picks the list from this property.
    setProperty("sexFilter", m_SexFilter);
    SetIndexList(m_Reg ? m_Reg->GetIndexListForModel(this) : nullptr);
}
