#include "regtesting.h"

#include "cmnregrecordvaluefinder.h"
#include "cmnregvaluekind.h"

#include <QTest>

namespace {

using CValues = QList<CCmnRegStoredValue>;

CCmnRegStoredValue Stored(int fieldId, int kind, const QVariant &value)
{
    return CCmnRegStoredValue{fieldId, CCmnRegFieldValue{kind, value}};
}

// The fields every record is asked for; the last is never stored.
const QList<std::pair<int, int>> kFields{
    {1, CmnRegValueText}, {2, CmnRegValueInteger}, {3, CmnRegValueDate}, {4, CmnRegValueText}};

} // namespace

class TestCmnRegRecordValueFinder : public QObject
{
    Q_OBJECT
private slots:
    void findsWhatTheRecordFinds_data();
    void findsWhatTheRecordFinds();
    void noRecordHasNoValues();
    void peeksWithinTheComingRecord();
};

void TestCmnRegRecordValueFinder::findsWhatTheRecordFinds_data()
{
    QTest::addColumn<QList<CValues>>("records");
    const CValues usual{Stored(1, CmnRegValueText, "a"), Stored(2, CmnRegValueInteger, 7),
                        Stored(3, CmnRegValueDate, "d")};
    QTest::newRow("same shape") << QList<CValues>{
        usual, {Stored(1, CmnRegValueText, "b"), Stored(2, CmnRegValueInteger, 8), Stored(3, CmnRegValueDate, "e")}};
    QTest::newRow("same fields in another order") << QList<CValues>{
        usual, {Stored(3, CmnRegValueDate, "e"), Stored(1, CmnRegValueText, "b"), Stored(2, CmnRegValueInteger, 8)}};
    // A field's type changed after the value was stored: it is not found.
    QTest::newRow("same fields under another kind") << QList<CValues>{
        usual, {Stored(1, CmnRegValueText, "b"), Stored(2, CmnRegValueText, "8"), Stored(3, CmnRegValueDate, "e")}};
    QTest::newRow("64-bit integer answers for an integer") << QList<CValues>{
        usual, {Stored(1, CmnRegValueText, "b"), Stored(2, CmnRegValueInteger64, Q_INT64_C(1) << 40),
                Stored(3, CmnRegValueDate, "e")}};
    QTest::newRow("values missing, then back") << QList<CValues>{
        usual, {Stored(2, CmnRegValueInteger, 8)}, {}, usual};
    QTest::newRow("field stored twice: the first answers") << QList<CValues>{
        usual, {Stored(1, CmnRegValueText, "b"), Stored(1, CmnRegValueText, "c"), Stored(2, CmnRegValueInteger, 8)},
        {Stored(1, CmnRegValueInteger, 1), Stored(1, CmnRegValueText, "c"), Stored(2, CmnRegValueInteger, 8)}};
}

void TestCmnRegRecordValueFinder::findsWhatTheRecordFinds()
{
    QFETCH(QList<CValues>, records);
    CCmnRegRecordValueFinder finder(kFields);
    for (qsizetype r = 0; r < records.size(); ++r) {
        CTestRecord record(nullptr);
        record.SetValues(records.at(r));
        finder.SetRecord(&record);
        for (qsizetype f = 0; f < kFields.size(); ++f) {
            const QVariant &expected = record.GetValue(kFields.at(f).first, kFields.at(f).second);
            QCOMPARE(finder.Value(f), expected);
            QCOMPARE(&finder.Value(f) == &expected, expected.isValid());
        }
    }
}

void TestCmnRegRecordValueFinder::noRecordHasNoValues()
{
    CTestRecord record(nullptr);
    record.SetValues({Stored(1, CmnRegValueText, "a")});
    CCmnRegRecordValueFinder finder(kFields);
    finder.SetRecord(&record);
    finder.SetRecord(nullptr);
    QCOMPARE(finder.Value(0), QVariant());
}

// A peek at a coming record uses the current record's positions, a guess
// for asking memory early, and never reads past the coming record's values.
void TestCmnRegRecordValueFinder::peeksWithinTheComingRecord()
{
    CTestRecord current(nullptr);
    current.SetValues({Stored(1, CmnRegValueText, "a"), Stored(2, CmnRegValueInteger, 7),
                       Stored(3, CmnRegValueDate, "d")});
    CCmnRegRecordValueFinder finder(kFields);
    finder.SetRecord(&current);
    CTestRecord same(nullptr);
    same.SetValues({Stored(1, CmnRegValueText, "b"), Stored(2, CmnRegValueInteger, 8), Stored(3, CmnRegValueDate, "e")});
    QCOMPARE(*finder.Peek(&same, 2), QVariant("e"));
    QCOMPARE(finder.Peek(&same, 3), nullptr);
    CTestRecord shorter(nullptr);
    shorter.SetValues({Stored(2, CmnRegValueInteger, 8)});
    QCOMPARE(*finder.Peek(&shorter, 0), QVariant(8));
    QCOMPARE(finder.Peek(&shorter, 1), nullptr);
    QCOMPARE(finder.Peek(nullptr, 0), nullptr);
}

QTEST_GUILESS_MAIN(TestCmnRegRecordValueFinder)
#include "tst_cmnregrecordvaluefinder.moc"
