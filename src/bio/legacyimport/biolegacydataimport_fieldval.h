#pragma once

#include "biolegacydate.h"
#include "biolegacytimeofday.h"

#include <QByteArray>
#include <memory>

// The root of the cloneable legacy values.
class CBioLegacyDataImport_CloneableObject
{
public:
    virtual ~CBioLegacyDataImport_CloneableObject() = default;
    virtual std::unique_ptr<CBioLegacyDataImport_CloneableObject> CloneObject() const { return nullptr; }
};

enum class EBioLegacyValueKind { Bool, Currency, Date, Int, Ref, Text, TimeOfDay };

// One typed value of a legacy record: its field id and whether it holds a value.
class CBioLegacyDataImport_FieldVal : public CBioLegacyDataImport_CloneableObject
{
public:
    virtual EBioLegacyValueKind Kind() const = 0;
    virtual std::unique_ptr<CBioLegacyDataImport_FieldVal> Clone() const = 0;
    // Copies id, null flag and value from a value of the same kind; false otherwise.
    virtual bool CopyFrom(const CBioLegacyDataImport_FieldVal &other) = 0;
    std::unique_ptr<CBioLegacyDataImport_CloneableObject> CloneObject() const override { return Clone(); }

    int FieldId() const { return m_FieldId; }
    void SetFieldId(int id) { m_FieldId = id; }
    bool IsNull() const { return m_Null; }
    void SetNull(bool null) { m_Null = null; }

protected:
    void CopyBase(const CBioLegacyDataImport_FieldVal &other)
    {
        m_FieldId = other.m_FieldId;
        m_Null = other.m_Null;
    }

private:
    int m_FieldId = 0;
    bool m_Null = true;
};

// Value classes differ only in their payload; this supplies their clone and copy.
template<typename Derived, EBioLegacyValueKind kKind, typename Base = CBioLegacyDataImport_FieldVal>
class TBioLegacyFieldValOf : public Base
{
public:
    EBioLegacyValueKind Kind() const override { return kKind; }
    std::unique_ptr<CBioLegacyDataImport_FieldVal> Clone() const override
    {
        return std::make_unique<Derived>(static_cast<const Derived &>(*this));
    }
    bool CopyFrom(const CBioLegacyDataImport_FieldVal &other) override
    {
        if (other.Kind() != kKind)
            return false;
        static_cast<Derived &>(*this) = static_cast<const Derived &>(other);
        return true;
    }
};

class CBioLegacyDataImport_BOOLFieldVal
    : public TBioLegacyFieldValOf<CBioLegacyDataImport_BOOLFieldVal, EBioLegacyValueKind::Bool>
{
public:
    bool value = false;
};

class CBioLegacyDataImport_CurrencyFieldVal
    : public TBioLegacyFieldValOf<CBioLegacyDataImport_CurrencyFieldVal, EBioLegacyValueKind::Currency>
{
public:
    qint32 amount = 0;
    quint32 set = 0;
};

class CBioLegacyDataImport_DateFieldVal
    : public TBioLegacyFieldValOf<CBioLegacyDataImport_DateFieldVal, EBioLegacyValueKind::Date>
{
public:
    CBioLegacyDate date;
};

class CBioLegacyDataImport_IntFieldVal
    : public TBioLegacyFieldValOf<CBioLegacyDataImport_IntFieldVal, EBioLegacyValueKind::Int>
{
public:
    qint32 value = 0;
};

// A record id in another register.
class CBioLegacyDataImport_RefFieldVal
    : public TBioLegacyFieldValOf<CBioLegacyDataImport_RefFieldVal, EBioLegacyValueKind::Ref>
{
public:
    qint32 value = 0;
};

// A legacy string: the bytes before its first zero.
class CBioLegacyDataImport_TextFieldVal
    : public TBioLegacyFieldValOf<CBioLegacyDataImport_TextFieldVal, EBioLegacyValueKind::Text>
{
public:
    QByteArray text;
};

class CBioLegacyDataImport_TimeOfDayFieldVal
    : public TBioLegacyFieldValOf<CBioLegacyDataImport_TimeOfDayFieldVal, EBioLegacyValueKind::TimeOfDay>
{
public:
    const CBioLegacyTimeOfDay &Time() const { return m_Time; }
    // The value is null exactly when the minutes name no time of day.
    void SetMinutes(int minutes)
    {
        m_Time.SetMinutes(minutes);
        SetNull(m_Time.IsNull());
    }

private:
    CBioLegacyTimeOfDay m_Time;
};
