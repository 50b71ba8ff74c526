#include "cmnregrecordvaluefinder.h"

#include "cmnregrecord.h"

namespace {

const QVariant kNone;
constexpr qsizetype kCacheLine = 64;

} // namespace

CCmnRegRecordValueFinder::CCmnRegRecordValueFinder(const QList<std::pair<int, int>> &fields)
    : m_Fields(fields.cbegin(), fields.cend())
    , m_Positions(size_t(fields.size()), -1)
{
}

void CCmnRegRecordValueFinder::SetRecord(const CCmnRegRecord *record)
{
    m_Record = record;
    if (!record)
        return;
    const QList<CCmnRegStoredValue> &values = record->GetValues();
    bool same = size_t(values.size()) == m_Shape.size();
    for (size_t i = 0; same && i < m_Shape.size(); ++i) {
        const CCmnRegStoredValue &stored = values.at(qsizetype(i));
        same = stored.m_FieldId == m_Shape[i].first && stored.m_Value.m_Kind == m_Shape[i].second;
    }
    if (same)
        return;
    // A new shape: the record's own search decides, so that which value answers
    // (the first, under a kind that answers) stays the record's rule.
    m_Shape.clear();
    for (const CCmnRegStoredValue &stored : values)
        m_Shape.emplace_back(stored.m_FieldId, stored.m_Value.m_Kind);
    for (size_t f = 0; f < m_Fields.size(); ++f) {
        const QVariant &found = record->GetValue(m_Fields[f].first, m_Fields[f].second);
        m_Positions[f] = -1;
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (&values.at(i).m_Value.m_Value == &found)
                m_Positions[f] = i;
        }
    }
}

const QVariant &CCmnRegRecordValueFinder::Value(qsizetype i) const
{
    const qsizetype position = m_Positions[size_t(i)];
    return m_Record && position >= 0 ? m_Record->GetValues().at(position).m_Value.m_Value : kNone;
}

const QVariant *CCmnRegRecordValueFinder::Peek(const CCmnRegRecord *record, qsizetype i) const
{
    const qsizetype position = m_Positions[size_t(i)];
    if (!record || position < 0 || position >= record->GetValues().size())
        return nullptr;
    return &record->GetValues().at(position).m_Value.m_Value;
}

void CCmnRegRecordValueFinder::Prefetch(const CCmnRegRecord *place, const CCmnRegRecord *values)
{
#if defined(__GNUC__)
    if (place)
        __builtin_prefetch(&place->GetValues());
    if (values) {
        const QList<CCmnRegStoredValue> &stored = values->GetValues();
        const char *const begin = reinterpret_cast<const char *>(stored.constData());
        const char *const end = reinterpret_cast<const char *>(stored.constData() + stored.size());
        for (const char *line = begin; line < end; line += kCacheLine)
            __builtin_prefetch(line);
    }
#else
    Q_UNUSED(place);
    Q_UNUSED(values);
#endif
}
