#pragma once

#include "cmndate.h"
#include "cmnreg.h"
#include "cmnregindexlist.h"
#include "cmnregrecord.h"
#include "cmnregvaluekind.h"

#include <QRandomGenerator>

#include <memory>

// The register the benchmarks measure: records named by their first field, with
// ten values of every kind, like a breeder's register.
namespace OrvBench {

constexpr int kNameField = 1;

// Named by its first field, so that a register read back can be indexed.
class CBenchRecord : public CCmnRegRecord
{
public:
    using CCmnRegRecord::CCmnRegRecord;
    QString GetName() const override { return GetValue(kNameField, CmnRegValueText).toString(); }
};

class CBenchReg : public CCmnReg
{
public:
    CRecordPtr CreateRecord() override { return CRecordPtr(new CBenchRecord(this)); }
    QList<CCmnRegIndexList *> GetIndexLists() override { return {&m_All}; }
    QList<CCmnRegIndexList *> GetIndexListsForRecord(const CCmnRegRecord &) override { return {&m_All}; }

    CCmnRegIndexList m_All;
};

// N records of ten values each: a name, texts, numbers and a date, like a
// breeder's register.
inline std::unique_ptr<CBenchReg> MakeRegister(int records)
{
    auto reg = std::make_unique<CBenchReg>();
    QRandomGenerator random(42);
    const QStringList words{"Ch.", "Bella", "Smith & Jones", "Élan", "of", "Kennel", "Rex", "Gold", "Dawn", "Hill"};
    for (int i = 0; i < records; ++i) {
        auto record = reg->CreateRecord();
        QString name;
        for (int w = 0; w < 3; ++w)
            name += words.at(random.bounded(words.size())) + QLatin1Char(' ');
        record->SetValue(kNameField, CmnRegValueText, name + QString::number(i));
        for (int field = 2; field <= 5; ++field)
            record->SetValue(field, CmnRegValueText, words.at(random.bounded(words.size())));
        record->SetValue(6, CmnRegValueInteger, int(random.bounded(1000)));
        record->SetValue(7, CmnRegValueNumber, random.generateDouble() * 50);
        record->SetValue(8, CmnRegValueFraction, float(random.generateDouble()));
        record->SetValue(9, CmnRegValueBoolean, random.bounded(2) == 1);
        CCmnDate date;
        date.SetGregorianYmd(1 + int(random.bounded(28)), 1 + int(random.bounded(12)), 1970 + int(random.bounded(50)));
        record->SetValue(10, CmnRegValueDate, QVariant::fromValue(date));
        reg->AddRecord(record, false);
    }
    reg->RebuildIndexLists();
    return reg;
}

} // namespace OrvBench
