#include "cmnregrecord.h"

#include "cmnreg.h"
#include "cmnregvaluekind.h"

namespace {

bool KindAnswers(int storedKind, int askedKind)
{
    return storedKind == askedKind
           || (askedKind == CmnRegValueInteger && storedKind == CmnRegValueInteger64);
}

} // namespace

CCmnRegRecord::CCmnRegRecord(CCmnReg *reg)
    : m_Reg(reg)
{
    if (m_Reg)
        m_Reg->ApplyFieldDefaults(*this);
}

CCmnRegRecord::~CCmnRegRecord() = default;

const QVariant &CCmnRegRecord::GetValue(int fieldId, int kind) const
{
    static const QVariant none;
    for (const CCmnRegStoredValue &stored : m_Values) {
        if (stored.m_FieldId == fieldId && KindAnswers(stored.m_Value.m_Kind, kind))
            return stored.m_Value.m_Value;
    }
    return none;
}

void CCmnRegRecord::SetValue(int fieldId, int kind, const QVariant &value)
{
    if (!value.isValid()) {
        RemoveValue(fieldId);
        return;
    }
    for (CCmnRegStoredValue &stored : m_Values) {
        if (stored.m_FieldId == fieldId) {
            stored.m_Value = CCmnRegFieldValue{kind, value};
            return;
        }
    }
    m_Values.append(CCmnRegStoredValue{fieldId, CCmnRegFieldValue{kind, value}});
}

bool CCmnRegRecord::RemoveValue(int fieldId)
{
    for (qsizetype i = 0; i < m_Values.size(); ++i) {
        if (m_Values.at(i).m_FieldId == fieldId) {
            m_Values.removeAt(i);
            return true;
        }
    }
    return false;
}
