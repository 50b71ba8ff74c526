#pragma once

#include <QList>
#include <QVariant>

#include <utility>
#include <vector>

class CCmnRegRecord;

// Finds the values of a fixed list of fields in record after record, as
// CCmnRegRecord::GetValue finds them. A table export asks every record for the
// same fields, and a register's records nearly all store theirs in the same
// order: the positions found in one record serve every following record that
// stores the same fields under the same kinds in the same order, which costs
// one pass over its values instead of a search for each field.
class CCmnRegRecordValueFinder
{
public:
    // Each field's id and the kind its value is asked under.
    explicit CCmnRegRecordValueFinder(const QList<std::pair<int, int>> &fields);

    // The record whose values Value gives from now on; null for none. The values
    // stay valid while the record is neither changed nor destroyed.
    void SetRecord(const CCmnRegRecord *record);
    // The value of the i-th field, invalid when the record has none.
    const QVariant &Value(qsizetype i) const;
    // The value at the i-th field's position in another record, as if it had the
    // shape of the current one; null when it has no value there. Only a guess,
    // for asking memory early: a record of another shape gives another value.
    const QVariant *Peek(const CCmnRegRecord *record, qsizetype i) const;
    // Asks the processor early for records whose turn comes soon, as records lie
    // apart in memory and an export otherwise waits for each: where one keeps
    // its values, and the values of one whose place was asked for before.
    // Either may be null.
    static void Prefetch(const CCmnRegRecord *place, const CCmnRegRecord *values);

private:
    std::vector<std::pair<int, int>> m_Fields;
    // The (field id, kind) of each value of the record the positions were found in.
    std::vector<std::pair<int, int>> m_Shape;
    // Each field's value position in records of that shape, -1 for none.
    std::vector<qsizetype> m_Positions;
    const CCmnRegRecord *m_Record = nullptr;
};
