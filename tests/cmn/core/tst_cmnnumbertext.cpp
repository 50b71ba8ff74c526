#include "cmnnumbertext.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

#include <limits>

class TestCmnNumberText : public QObject
{
    Q_OBJECT
private slots:
    void thousands_data();
    void thousands();
    void thousands64_data();
    void thousands64();
    void countText_data();
    void countText();
    void fixedPoint_data();
    void fixedPoint();
    void ignoresDefaultLocale();
    void appendedNumbersMatchTheirTexts_data();
    void appendedNumbersMatchTheirTexts();
    void integerToString();
    void mixedFraction_data();
    void mixedFraction();
    void approximateFractionOutputs_data();
    void approximateFractionOutputs();
    void approximateFractionStaysInRange_data();
    void approximateFractionStaysInRange();
    void integerText_data();
    void integerText();
    void decimalText_data();
    void decimalText();
};

void TestCmnNumberText::thousands_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("999") << 999 << "999";
    QTest::newRow("1000") << 1000 << "1,000";
    QTest::newRow("inner groups padded") << 1000005 << "1,000,005";
    QTest::newRow("six digits") << 123456 << "123,456";
    QTest::newRow("negative -1000 plain") << -1000 << "-1000";
    QTest::newRow("negative -1234567 plain") << -1234567 << "-1234567";
    QTest::newRow("int max") << std::numeric_limits<qint32>::max() << "2,147,483,647";
}

void TestCmnNumberText::thousands()
{
    QFETCH(qint32, value);
    QFETCH(QString, expected);
    QCOMPARE(CmnIntWithThousands(value), expected);
}

void TestCmnNumberText::thousands64_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("beyond 32 bits") << Q_INT64_C(12345678901) << "12,345,678,901";
    QTest::newRow("int64 max") << std::numeric_limits<qint64>::max() << "9,223,372,036,854,775,807";
    QTest::newRow("int64 min plain") << std::numeric_limits<qint64>::min()
                                     << "-9223372036854775808";
    QTest::newRow("999") << Q_INT64_C(999) << "999";
}

void TestCmnNumberText::thousands64()
{
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    QCOMPARE(CmnInt64WithThousands(value), expected);
}

void TestCmnNumberText::countText_data()
{
    QTest::addColumn<qint32>("count");
    QTest::addColumn<QString>("plural");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one is singular") << 1 << "records" << "1 record";
    QTest::newRow("zero is plural") << 0 << "records" << "0 records";
    QTest::newRow("two is plural") << 2 << "records" << "2 records";
    QTest::newRow("grouped") << 12000 << "records" << "12,000 records";
    QTest::newRow("no plural word") << 2 << "" << "2 record";
}

void TestCmnNumberText::countText()
{
    QFETCH(qint32, count);
    QFETCH(QString, plural);
    QFETCH(QString, expected);
    QCOMPARE(CmnCountText(count, QStringLiteral("record"), plural), expected);
}

void TestCmnNumberText::fixedPoint_data()
{
    QTest::addColumn<bool>("percent");
    QTest::addColumn<double>("value");
    QTest::addColumn<qint32>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("double, 2 decimals") << false << 3.14159 << 2 << "3.14";
    QTest::newRow("double, negative means 3") << false << 2.5 << -1 << "2.500";
    QTest::newRow("double, no decimals") << false << 1234.6 << 0 << "1235";
    QTest::newRow("double, no grouping") << false << -1234567.5 << 1 << "-1234567.5";
    QTest::newRow("percent, 1 decimal") << true << 0.125 << 1 << "12.5%";
    QTest::newRow("percent, negative means 2") << true << 0.125 << -1 << "12.50%";
    QTest::newRow("percent, none") << true << 1.0 << 0 << "100%";
}

void TestCmnNumberText::fixedPoint()
{
    QFETCH(bool, percent);
    QFETCH(double, value);
    QFETCH(qint32, decimals);
    QFETCH(QString, expected);
    QCOMPARE(percent ? CmnPercentToString(value, decimals) : CmnDoubleToString(value, decimals),
             expected);
}

// A user's locale must not turn the point into a comma or add grouping.
void TestCmnNumberText::ignoresDefaultLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString number = CmnDoubleToString(1234.5, 1);
    const QString percent = CmnPercentToString(0.5, 1);
    const QString grouped = CmnIntWithThousands(1234);
    QLocale::setDefault(saved);
    QCOMPARE(number, QStringLiteral("1234.5"));
    QCOMPARE(percent, QStringLiteral("50.0%"));
    QCOMPARE(grouped, QStringLiteral("1,234"));
}

// The appending forms take a faster way for common values: both ways must give
// the same text, ties, signs and values beyond that way's reach included.
void TestCmnNumberText::appendedNumbersMatchTheirTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint32>("decimals");
    QTest::addColumn<qint64>("whole");
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr qint64 min64 = std::numeric_limits<qint64>::min();
    constexpr qint64 max64 = std::numeric_limits<qint64>::max();
    const struct
    {
        const char *name;
        double value;
        qint32 decimals;
        qint64 whole;
    } cases[] = {
        {"zero", 0.0, 3, 0},
        {"negative zero", -0.0, 3, -1},
        {"tie at three decimals", 0.0625, 3, 9},
        {"tie at two decimals", 0.125, 2, 10},
        {"tie rounding to even", 2.5, 0, -10},
        {"tie rounding up", 3.5, 0, 99},
        {"just below a tie", std::nextafter(0.125, 0.0), 2, 100},
        {"negative", -12.3456, 2, -1234},
        {"negative rounding to zero", -0.0001, 3, min64},
        {"tiny", 1e-300, 8, max64},
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), 8, min64 + 1},
        {"largest fast value", 999999999999999.9, 1, 999999999999999},
        {"large", 1e15, 2, 1000000000000000},
        {"huge", 1.7976931348623157e308, 0, 2147483648},
        {"infinite", inf, 2, -2147483649},
        {"negative infinite", -inf, 2, 7},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), 2, -7},
        {"many decimals", 1.0 / 3.0, 17, 3},
        {"negative decimals mean 3", 2.71828, -1, 271828},
        {"float stored fraction", double(0.3f), 3, 30},
        {"float percent", double(0.3f) * 100.0, 2, 3000},
        // Decimal halves that binary cannot hold lie just above or below the half.
        {"just above a half", 0.0005, 3, 5},
        {"just below a half", 1.0005, 3, 15},
        {"just below a half, two decimals", 2.675, 2, 25},
        {"zero decimals", 2.4999, 0, 35},
        {"scaled just below 2^32", 4294967.2955, 3, 45},
        {"scaled at 2^32", 4294967.296, 3, 55},
        {"whole up from .9995", 9.9995001, 3, 65},
    };
    for (const auto &c : cases)
        QTest::newRow(c.name) << c.value << c.decimals << c.whole;
    // Values of the kind a register holds, at each number of decimals it shows.
    QRandomGenerator random(7);
    for (int i = 0; i < 4000; ++i) {
        const double value = random.generateDouble() * std::pow(10.0, random.bounded(-3, 9));
        QTest::addRow("random %d", i) << (i % 5 == 0 ? double(float(value)) : value) << random.bounded(0, 9)
                                      << qint64(random.generate64() >> random.bounded(0, 64));
    }
}

void TestCmnNumberText::appendedNumbersMatchTheirTexts()
{
    QFETCH(double, value);
    QFETCH(qint32, decimals);
    QFETCH(qint64, whole);
    QString number = QStringLiteral("x");
    CmnAppendDouble(number, value, decimals);
    QCOMPARE(number, QStringLiteral("x") + CmnDoubleToString(value, decimals));
    QString integer = QStringLiteral("x");
    CmnAppendInt64(integer, whole);
    QCOMPARE(integer, QStringLiteral("x") + CmnInt64ToString(whole));
    // Set over a longer text, as an export's buffer holds the last row's.
    const QString older(30, QLatin1Char('y'));
    QString set = older;
    CmnSetDoubleText(set, value, decimals);
    QCOMPARE(set, CmnDoubleToString(value, decimals));
    set = older;
    CmnSetPercentText(set, value, decimals);
    QCOMPARE(set, CmnPercentToString(value, decimals));
    set = older;
    CmnSetInt64Text(set, whole);
    QCOMPARE(set, CmnInt64ToString(whole));
    // Over a text of the same length that shares its characters: the other
    // copy stays as it was.
    const QString sameLength(CmnDoubleToString(value, decimals).size(), QLatin1Char('y'));
    set = sameLength;
    CmnSetDoubleText(set, value, decimals);
    QCOMPARE(set, CmnDoubleToString(value, decimals));
    QCOMPARE(sameLength, QString(set.size(), QLatin1Char('y')));
}

void TestCmnNumberText::integerToString()
{
    QCOMPARE(CmnIntToString(-42), QStringLiteral("-42"));
    QCOMPARE(CmnIntToString(std::numeric_limits<qint32>::min()), QStringLiteral("-2147483648"));
    QCOMPARE(CmnInt64ToString(Q_INT64_C(-12345678901)), QStringLiteral("-12345678901"));
}

void TestCmnNumberText::mixedFraction_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("binaryFirst");
    QTest::addColumn<bool>("splitWhole");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2.5") << 2.5 << true << true << "2 + 1/2";
    QTest::newRow("-0.375") << -0.375 << true << true << "-3/8";
    QTest::newRow("0.3333333333") << 0.3333333333 << true << true << "1/3";
    QTest::newRow("3") << 3.0 << true << true << "3";
    QTest::newRow("0") << 0.0 << true << true << "";
    QTest::newRow("-2.75") << -2.75 << true << true << "-2 + 3/4";
    QTest::newRow("sevenths") << 5.0 + 2.0 / 7.0 << true << true << "5 + 2/7";
    QTest::newRow("binary beats continued fraction") << 0.3125 << true << true << "5/16";
    QTest::newRow("whole not split") << 2.5 << false << false << "5/2";
    QTest::newRow("whole split, no binary") << 1.2 << false << true << "1 + 1/5";
    // Values just off a whole number, as arithmetic leaves them.
    QTest::newRow("just below 3") << 2.9999999999999996 << true << true << "3";
    QTest::newRow("just below 3, no binary") << 2.9999999999999996 << false << true << "3";
    QTest::newRow("tiny negative") << -1e-13 << true << true << "";
    QTest::newRow("2.0000000001") << 2.0000000001 << true << true << "2";
    QTest::newRow("1e-11") << 1e-11 << true << true << "";
    QTest::newRow("1e15") << 1e15 << true << true << "1000000000000000";
    QTest::newRow("1e15 + 0.5") << 1e15 + 0.5 << true << true << "1000000000000000 + 1/2";
    QTest::newRow("1e300") << 1e300 << true << true << QString::number(1e300, 'f', 0);
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << true << true << "";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << true << true << "";
    QTest::newRow("-infinity") << -std::numeric_limits<double>::infinity() << true << true << "";
}

void TestCmnNumberText::mixedFraction()
{
    QFETCH(double, value);
    QFETCH(bool, binaryFirst);
    QFETCH(bool, splitWhole);
    QFETCH(QString, expected);
    QCOMPARE(CmnMixedFractionText(value, binaryFirst, splitWhole, 5e-9), expected);
}

void TestCmnNumberText::approximateFractionOutputs_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<double>("whole");
    QTest::addColumn<qint32>("numerator");
    QTest::addColumn<qint32>("denominator");
    QTest::newRow("-2.5") << -2.5 << true << 2.0 << 1 << 2;
    QTest::newRow("pi") << 3.141592653589793 << false << 3.0 << 4687 << 33102;
    QTest::newRow("whole") << 7.0 << false << 7.0 << 0 << 1;
    QTest::newRow("-0.0 is not negative") << -0.0 << false << 0.0 << 0 << 1;
}

void TestCmnNumberText::approximateFractionOutputs()
{
    QFETCH(double, value);
    QFETCH(bool, negative);
    QFETCH(double, whole);
    QFETCH(qint32, numerator);
    QFETCH(qint32, denominator);
    bool gotNegative = !negative;
    double gotWhole = -1.0;
    qint32 gotNumerator = -1;
    qint32 gotDenominator = -1;
    CmnApproximateFraction(value, true, true, 5e-9, &gotNegative, &gotWhole, &gotNumerator,
                           &gotDenominator);
    QCOMPARE(gotNegative, negative);
    QCOMPARE(gotWhole, whole);
    QCOMPARE(gotNumerator, numerator);
    QCOMPARE(gotDenominator, denominator);
    // Every output is optional.
    CmnApproximateFraction(value, true, true, 5e-9, nullptr, nullptr, nullptr, nullptr);
}

// Values whose continued fraction runs past 32-bit terms, with tolerances that can
// never be met, must still end with terms in range that approximate the value.
void TestCmnNumberText::approximateFractionStaysInRange_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("binaryFirst");
    QTest::addColumn<bool>("splitWhole");
    QTest::addColumn<double>("tolerance");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("2.0000000001") << 2.0000000001 << true << true << 5e-9;
    QTest::newRow("2.0000000001, zero tolerance") << 2.0000000001 << true << true << 0.0;
    QTest::newRow("1e-11") << 1e-11 << true << true << 5e-9;
    QTest::newRow("1e-11 unsplit") << 1e-11 << false << false << 5e-9;
    QTest::newRow("pi, zero tolerance") << 3.141592653589793 << true << true << 0.0;
    QTest::newRow("pi, NaN tolerance") << 3.141592653589793 << true << true << nan;
    QTest::newRow("pi, negative tolerance") << 3.141592653589793 << false << true << -1.0;
    QTest::newRow("large unsplit") << 3e9 + 0.5 << false << false << 5e-9;
    QTest::newRow("1e15 unsplit") << 1e15 + 0.25 << false << false << 5e-9;
    QTest::newRow("sqrt 2 unsplit") << 1.4142135623730951 << false << false << 0.0;
    QTest::newRow("1e300 unsplit") << 1e300 << false << false << 5e-9;
}

void TestCmnNumberText::approximateFractionStaysInRange()
{
    QFETCH(double, value);
    QFETCH(bool, binaryFirst);
    QFETCH(bool, splitWhole);
    QFETCH(double, tolerance);
    bool negative = true;
    double whole = -1.0;
    qint32 numerator = -1;
    qint32 denominator = -1;
    CmnApproximateFraction(value, binaryFirst, splitWhole, tolerance, &negative, &whole,
                           &numerator, &denominator);
    QVERIFY2(denominator >= 1, qPrintable(QString::number(denominator)));
    QVERIFY2(numerator >= 0, qPrintable(QString::number(numerator)));
    QCOMPARE(negative, false);
    // Where the fraction can hold the value at all, it comes within 1e-9 of it.
    if (splitWhole || value < std::numeric_limits<qint32>::max()) {
        const double approx = whole + double(numerator) / denominator;
        QVERIFY2(std::fabs(approx - value) <= 1e-9 * std::max(1.0, value),
                 qPrintable(QStringLiteral("%1 + %2/%3").arg(whole).arg(numerator).arg(denominator)));
    }
}

void TestCmnNumberText::integerText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("digits") << "123" << true;
    QTest::newRow("plus") << "+7" << true;
    QTest::newRow("minus") << "-0" << true;
    QTest::newRow("surrounding blanks") << "  42\t" << true;
    QTest::newRow("arabic-indic digits") << "\u0661\u0662" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << "   " << false;
    QTest::newRow("lone sign") << "-" << false;
    QTest::newRow("two signs") << "+-1" << false;
    QTest::newRow("inner blank") << "1 2" << false;
    QTest::newRow("decimal") << "1.0" << false;
    QTest::newRow("letter") << "12a" << false;
}

void TestCmnNumberText::integerText()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(CmnIsIntegerText(text), expected);
}

void TestCmnNumberText::decimalText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("12") << "12" << true;
    QTest::newRow("12.") << "12." << true;
    QTest::newRow("12.5") << "12.5" << true;
    QTest::newRow(".5") << ".5" << true;
    QTest::newRow("-.5") << "-.5" << true;
    QTest::newRow("+3.25 with blanks") << " +3.25 " << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("lone sign") << "+" << false;
    QTest::newRow("lone point") << "." << false;
    QTest::newRow("sign and point") << "-." << false;
    QTest::newRow("1.2.3") << "1.2.3" << false;
    QTest::newRow("1,5") << "1,5" << false;
    QTest::newRow("1e5") << "1e5" << false;
    QTest::newRow("sign after digits") << "5-" << false;
}

void TestCmnNumberText::decimalText()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(CmnIsDecimalNumberText(text), expected);
}

QTEST_GUILESS_MAIN(TestCmnNumberText)
#include "tst_cmnnumbertext.moc"
