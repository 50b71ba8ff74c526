#pragma once

#include "cmnreg.h"
#include "cmnregindexlist.h"
#include "cmnregrecord.h"

#include <QMultiHash>

// A record with a name and, for deletion tests, the id of a record it points at.
class CTestRecord : public CCmnRegRecord
{
public:
    explicit CTestRecord(CCmnReg *reg, const QString &name = QString())
        : CCmnRegRecord(reg), m_Name(name) {}
    QString GetName() const override { return m_Name; }
    QSharedPointer<CTestRecord> Clone() const { return QSharedPointer<CTestRecord>(new CTestRecord(*this)); }

    QString m_Name;
    int m_RefersTo = 0;
    int m_Group = 0;   // 0 or 1: which of the two group lists files the record
};

// A register of test records whose records may point at one another, answering
// the referrer question from a reverse index as a real register would.
class CTestReg : public CCmnReg
{
public:
    CRecordPtr CreateRecord() override { return CRecordPtr(new CTestRecord(this)); }

    int Add(const QString &name, int refersTo = 0)
    {
        auto record = QSharedPointer<CTestRecord>::create(this, name);
        record->m_RefersTo = refersTo;
        const int id = AddRecord(record, true);
        if (refersTo > 0)
            m_Referrers.insert(refersTo, id);
        return id;
    }
    CTestRecord *Record(int id) const { return static_cast<CTestRecord *>(GetRecord(id)); }

    bool ClearReferencesToRecord(int recordId, int deletedId) override
    {
        m_ClearCalls.append({recordId, deletedId});
        CTestRecord *record = Record(recordId);
        if (record->m_RefersTo != deletedId)
            return false;
        record->m_RefersTo = 0;
        return true;
    }

    QList<CCmnRegIndexList *> GetIndexLists() override { return {&m_All, &m_Groups[0], &m_Groups[1]}; }
    QList<CCmnRegIndexList *> GetIndexListsForRecord(const CCmnRegRecord &record) override
    {
        return {&m_All, &m_Groups[static_cast<const CTestRecord &>(record).m_Group & 1]};
    }
    bool IndexKeyChanged(const CCmnRegRecord &oldRecord, const CCmnRegRecord &newRecord) const override
    {
        const auto &a = static_cast<const CTestRecord &>(oldRecord);
        const auto &b = static_cast<const CTestRecord &>(newRecord);
        return a.m_Name != b.m_Name || a.m_Group != b.m_Group;
    }

    QList<QPair<int, int>> m_ClearCalls;
    CCmnRegIndexList m_All;
    CCmnRegIndexList m_Groups[2];

protected:
    QVector<int> GetRecordsReferringTo(int deletedId) const override
    {
        return m_Referrers.values(deletedId);
    }

private:
    QMultiHash<int, int> m_Referrers;
};
