#pragma once

#include "biolegacydataimport_fieldval.h"

#include <vector>

// The owned value slots of one entity, one per stored field of its kind.
class CBioLegacyDataImport_FieldValArray
{
public:
    // New slots are empty; values beyond n are destroyed.
    void Resize(int n) { m_Values.resize(size_t(qMax(n, 0))); }
    int Size() const { return int(m_Values.size()); }
    CBioLegacyDataImport_FieldVal *At(int i) const
    {
        return i >= 0 && i < Size() ? m_Values[size_t(i)].get() : nullptr;
    }
    void Set(int i, std::unique_ptr<CBioLegacyDataImport_FieldVal> value)
    {
        if (i >= 0 && i < Size())
            m_Values[size_t(i)] = std::move(value);
    }
    void ClearValues()
    {
        for (auto &value : m_Values)
            value.reset();
    }

private:
    std::vector<std::unique_ptr<CBioLegacyDataImport_FieldVal>> m_Values;
};
