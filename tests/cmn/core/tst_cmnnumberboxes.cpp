#include "cmnexchangeflags.h"
#include "cmnnumberboxes.h"

#include <QTest>

#include <limits>

// The readings of integer and real-number boxes: what is stored, and the message
// (its in-box form) when a value is refused.
class TestCmnNumberBoxes : public QObject
{
    Q_OBJECT
private slots:
    void integerBox_data();
    void integerBox();
    void refusedIntegerLeavesValue();
    void realBox_data();
    void realBox();
    void realBoxText_data();
    void realBoxText();
    void fillsValueBeforeLabel_data();
    void fillsValueBeforeLabel();
};

namespace {

constexpr qint32 kIntMin = std::numeric_limits<qint32>::min();
constexpr qint32 kIntMax = std::numeric_limits<qint32>::max();
constexpr qint64 kUntouched = 4242;

} // namespace

void TestCmnNumberBoxes::integerBox_data()
{
    QTest::addColumn<bool>("longBox");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<qint32>("minimum");
    QTest::addColumn<qint32>("maximum");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<QString>("message");

    const QString required = "A value is required in the '%1' box";
    // The int box keeps the lowest 32-bit value; the long box stops one above it.
    QTest::newRow("int lowest") << false << "-2147483648" << 0 << 0 << 0 << qint64(kIntMin) << "";
    QTest::newRow("long lowest") << true << "-2147483648" << 0 << 0 << 0 << qint64(-kIntMax) << "";
    QTest::newRow("int above 32 bits clamps") << false << "2147483648" << 0 << 0 << 0 << qint64(kIntMax) << "";
    QTest::newRow("long below 32 bits clamps") << true << "-9999999999" << 0 << 0 << 0 << qint64(-kIntMax) << "";
    QTest::newRow("64-bit largest clamps") << false << "9223372036854775807" << 0 << 0 << 0 << qint64(kIntMax) << "";
    QTest::newRow("beyond 64 bits refused") << false << "9223372036854775808" << 0 << 0 << 0 << kUntouched << required;
    QTest::newRow("untrimmed blanks read") << false << " 12 " << 0 << 0 << 0 << qint64(12) << "";

    QTest::newRow("optional empty takes default") << false << "" << 0 << 0 << 0 << qint64(7) << "";
    QTest::newRow("optional blanks take default") << false << "   " << 0 << 0 << 0 << qint64(7) << "";
    QTest::newRow("optional letters refused") << false << "abc" << 0 << 0 << 0 << kUntouched << required;
    QTest::newRow("optional decimal refused") << false << "1.5" << 0 << 0 << 0 << kUntouched << required;
    QTest::newRow("required empty refused") << false << "" << int(CmnExchangeRequired) << 0 << 0 << kUntouched << required;
    QTest::newRow("required letters refused") << false << "x1" << int(CmnExchangeRequired) << 0 << 0 << kUntouched << required;
    QTest::newRow("lenient letters take default") << false << "abc" << int(CmnExchangeRequired | CmnExchangeNoValidation)
                                                 << 0 << 0 << qint64(7) << "";

    QTest::newRow("below minimum") << false << "4" << 0 << 5 << 10 << kUntouched << "Minimum value 5 expected in the '%1' box";
    QTest::newRow("above maximum") << false << "11" << 0 << 5 << 10 << kUntouched << "Maximum value 10 expected in the '%1' box";
    QTest::newRow("at the limits") << false << "10" << 0 << 5 << 10 << qint64(10) << "";
    QTest::newRow("equal limits check nothing") << false << "-50" << 0 << 0 << 0 << qint64(-50) << "";
    QTest::newRow("equal limits with minimum flag") << false << "-50" << int(CmnExchangeCheckMinimum) << 0 << 0 << kUntouched
                                                    << "Minimum value 0 expected in the '%1' box";
    QTest::newRow("equal limits with maximum flag") << false << "3" << int(CmnExchangeCheckMaximum) << 0 << 0 << kUntouched
                                                    << "Maximum value 0 expected in the '%1' box";
    QTest::newRow("lenient skips limits") << false << "99" << int(CmnExchangeNoValidation) << 5 << 10 << qint64(99) << "";
    QTest::newRow("clamped before the limits") << true << "-2147483648" << 0 << kIntMin << 0 << qint64(-kIntMax) << "";
}

void TestCmnNumberBoxes::integerBox()
{
    QFETCH(bool, longBox);
    QFETCH(QString, text);
    QFETCH(qint32, flags);
    QFETCH(qint32, minimum);
    QFETCH(qint32, maximum);
    QFETCH(qint64, expected);
    QFETCH(QString, message);

    const CCmnIntegerBoxRule rule = longBox ? CmnLongBoxRule(7, minimum, maximum) : CmnIntBoxRule(7, minimum, maximum);
    qint64 value = kUntouched;
    const CCmnExchangeVerdict verdict = CmnReadIntegerBox(text, flags, rule, &value);
    QCOMPARE(verdict.InBoxMessage(), message);
    QCOMPARE(verdict.IsAccepted(), message.isEmpty());
    QCOMPARE(value, expected);
}

void TestCmnNumberBoxes::refusedIntegerLeavesValue()
{
    qint64 value = kUntouched;
    const CCmnExchangeVerdict verdict = CmnReadIntegerBox("3", 0, CmnIntBoxRule(0, 5, 10), &value);
    QCOMPARE(verdict.Kind(), CCmnExchangeVerdict::Refused);
    QCOMPARE(verdict.HereMessage(), QString("Minimum value 5 expected here"));
    QCOMPARE(value, kUntouched);
}

void TestCmnNumberBoxes::realBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<qint32>("decimals");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("message");

    const QString required = "A value is required in the '%1' box";
    const double untouched = -1;
    QTest::newRow("plain number") << " 2.5 " << 0 << 0.0 << 0.0 << 2 << false << 2.5 << "";
    QTest::newRow("no limits take negatives") << "-3" << 0 << 0.0 << 0.0 << 2 << false << -3.0 << "";
    QTest::newRow("minimum flag refuses negatives") << "-3" << int(CmnExchangeCheckMinimum) << 0.0 << 0.0 << 2 << false
                                                    << -3.0 << "Please enter at least 0.00 in the '%1' box";
    QTest::newRow("below minimum with decimals") << "3" << 0 << 5.0 << 10.0 << 2 << false << 3.0
                                                 << "Please enter at least 5.00 in the '%1' box";
    QTest::newRow("above maximum, default decimals") << "12" << 0 << 5.0 << 10.0 << -1 << false << 12.0
                                                     << "Please enter at most 10.000 in the '%1' box";
    QTest::newRow("percentage") << "25%" << 0 << 0.0 << 1.0 << 1 << true << 0.25 << "";
    QTest::newRow("percentage without sign") << "25" << 0 << 0.0 << 1.0 << 1 << true << 0.25 << "";
    QTest::newRow("percentage above maximum") << "150 %" << 0 << 0.0 << 1.0 << -1 << true << 1.5
                                              << "Please enter at most 100.00% in the '%1' box";
    QTest::newRow("optional empty takes default") << "  " << 0 << 0.0 << 0.0 << 2 << false << 9.0 << "";
    QTest::newRow("optional letters refused") << "abc" << 0 << 0.0 << 0.0 << 2 << false << untouched << required;
    QTest::newRow("decimal comma refused") << "1,5" << 0 << 0.0 << 0.0 << 2 << false << untouched << required;
    QTest::newRow("nan refused") << "nan" << 0 << 0.0 << 10.0 << 2 << false << untouched << required;
    QTest::newRow("infinity refused") << "inf" << 0 << 0.0 << 10.0 << 2 << false << untouched << required;
    QTest::newRow("required empty refused") << "" << int(CmnExchangeRequired) << 0.0 << 0.0 << 2 << false << untouched
                                            << required;
    QTest::newRow("lenient letters take default") << "x" << int(CmnExchangeRequired | CmnExchangeNoValidation) << 0.0
                                                  << 0.0 << 2 << false << 9.0 << "";
    QTest::newRow("lenient skips limits") << "50" << int(CmnExchangeNoValidation) << 0.0 << 10.0 << 2 << false << 50.0
                                          << "";
}

void TestCmnNumberBoxes::realBox()
{
    QFETCH(QString, text);
    QFETCH(qint32, flags);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(qint32, decimals);
    QFETCH(bool, percent);
    QFETCH(double, expected);
    QFETCH(QString, message);

    CCmnRealBoxRule rule;
    rule.m_Default = 9;
    rule.m_Minimum = minimum;
    rule.m_Maximum = maximum;
    rule.m_Decimals = decimals;
    rule.m_Percent = percent;
    double value = -1;
    const CCmnExchangeVerdict verdict = CmnReadRealBox(text, flags, rule, &value);
    QCOMPARE(verdict.InBoxMessage(), message);
    QCOMPARE(verdict.IsAccepted(), message.isEmpty());
    QCOMPARE(value, expected);
}

void TestCmnNumberBoxes::realBoxText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint32>("decimals");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two decimals") << 2.5 << 2 << false << "2.50";
    QTest::newRow("default decimals") << 2.5 << -1 << false << "2.500";
    QTest::newRow("percentage") << 0.125 << 1 << true << "12.5%";
}

void TestCmnNumberBoxes::realBoxText()
{
    QFETCH(double, value);
    QFETCH(qint32, decimals);
    QFETCH(bool, percent);
    QFETCH(QString, expected);
    QCOMPARE(CmnRealBoxText(value, decimals, percent), expected);
}

void TestCmnNumberBoxes::fillsValueBeforeLabel_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("value then label") << "at least %1 in the '%%1' box" << "5.00" << "at least 5.00 in the '%1' box";
    QTest::newRow("label first") << "the '%%1' box needs %1" << "5" << "the '%1' box needs 5";
    QTest::newRow("value holding placeholders") << "at least %1 in the '%%1' box" << "%%1%1"
                                                << "at least %%1%1 in the '%1' box";
    QTest::newRow("percent value") << "at most %1 here" << "100.00%" << "at most 100.00% here";
    QTest::newRow("second value mark kept") << "%1 or %1" << "a" << "a or %1";
}

void TestCmnNumberBoxes::fillsValueBeforeLabel()
{
    QFETCH(QString, message);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(CmnFillValuePlaceholder(message, value), expected);
}

QTEST_GUILESS_MAIN(TestCmnNumberBoxes)
#include "tst_cmnnumberboxes.moc"
