#pragma once

#include "cmnregfieldvalue.h"

#include <QList>
#include <QString>

class CCmnReg;

// One stored value of a record: the field it belongs to and the value.
struct CCmnRegStoredValue
{
    int m_FieldId = 0;
    CCmnRegFieldValue m_Value;
};

// A record of the register with the values it stores. The record does not know
// its own id: the id is its key in the register. Records are shared; an edit
// works on a copy and stores the copy back.
class CCmnRegRecord
{
public:
    // Takes the default values of the register's fields.
    explicit CCmnRegRecord(CCmnReg *reg);
    virtual ~CCmnRegRecord();

    // The name the index lists file the record under.
    virtual QString GetName() const = 0;

    CCmnReg *GetReg() const { return m_Reg; }

    // The value of the field under that kind, invalid when there is none. A value
    // stored under another kind (before the field's type changed) is not found;
    // only a 64-bit integer answers for an integer, since imports store large
    // numbers that way.
    const QVariant &GetValue(int fieldId, int kind) const;
    // An invalid value removes the field's value; otherwise the field's value is
    // replaced, whatever its kind was, or added.
    void SetValue(int fieldId, int kind, const QVariant &value);
    bool RemoveValue(int fieldId);
    // Room for that many values in all, so that a filler that knows how many it
    // adds makes one allocation instead of one per doubling.
    void ReserveValues(qsizetype count) { m_Values.reserve(count); }

    const QList<CCmnRegStoredValue> &GetValues() const { return m_Values; }
    // For the register's reader: the values exactly as stored.
    void SetValues(const QList<CCmnRegStoredValue> &values) { m_Values = values; }
    void SetValues(QList<CCmnRegStoredValue> &&values) { m_Values = std::move(values); }

protected:
    CCmnRegRecord(const CCmnRegRecord &) = default;
    CCmnRegRecord &operator=(const CCmnRegRecord &) = default;

private:
    CCmnReg *m_Reg;
    QList<CCmnRegStoredValue> m_Values;
};
