#include "cmntextnumbering.h"

#include <QTest>

class TestCmnTextNumbering : public QObject
{
    Q_OBJECT
private slots:
    void numbersTextsAsMet_data();
    void numbersTextsAsMet();
    void keepsManyTextsApartWhileGrowing_data();
    void keepsManyTextsApartWhileGrowing();
};

void TestCmnTextNumbering::numbersTextsAsMet_data()
{
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("repeats keep their first number")
        << true << QStringList{"B7", "A1", "B7", "C3", "A1"} << QList<int>{0, 1, 0, 2, 1}
        << QStringList{"B7", "A1", "C3"};
    QTest::newRow("empty text is a text")
        << true << QStringList{"", "A", ""} << QList<int>{0, 1, 0} << QStringList{"", "A"};
    QTest::newRow("case counts") << true << QStringList{"rex", "Rex", "REX", "rex"} << QList<int>{0, 1, 2, 0}
                                 << QStringList{"rex", "Rex", "REX"};
    QTest::newRow("case does not count, upper case kept")
        << false << QStringList{"rex", "Rex", "REX"} << QList<int>{0, 0, 0} << QStringList{"REX"};
    // Upper case, not case folding: sharp s becomes SS, and dotless and dotted i
    // both become I, where folding would keep them apart.
    QTest::newRow("sharp s is SS") << false << QStringList{"stra\u00dfe", "STRASSE", "Strasse"}
                                   << QList<int>{0, 0, 0} << QStringList{"STRASSE"};
    QTest::newRow("dotless i is I") << false << QStringList{"k\u0131m", "kim", "KIM"} << QList<int>{0, 0, 0}
                                    << QStringList{"KIM"};
    QTest::newRow("sharp s kept apart when case counts")
        << true << QStringList{"stra\u00dfe", "STRASSE"} << QList<int>{0, 1}
        << QStringList{"stra\u00dfe", "STRASSE"};
    QTest::newRow("prefix and longer text") << false << QStringList{"ab", "abc", "a", "AB"} << QList<int>{0, 1, 2, 0}
                                            << QStringList{"AB", "ABC", "A"};
}

void TestCmnTextNumbering::numbersTextsAsMet()
{
    QFETCH(bool, caseSensitive);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, numbers);
    QFETCH(QStringList, kept);

    CCmnTextNumbering numbering(caseSensitive);
    QList<int> got;
    for (const QString &text : texts)
        got.append(numbering.Number(numbering.Folded(text)));
    QCOMPARE(got, numbers);
    QStringList texts2;
    for (int number = 0; number < numbering.Count(); ++number)
        texts2.append(numbering.Text(number));
    QCOMPARE(texts2, kept);
}

void TestCmnTextNumbering::keepsManyTextsApartWhileGrowing_data()
{
    QTest::addColumn<qsizetype>("reserved");

    QTest::newRow("grows from nothing") << qsizetype(0);
    QTest::newRow("reserved too few") << qsizetype(1000);
    QTest::newRow("reserved enough") << qsizetype(400000);
}

// 400,000 texts: among them about 18 pairs share the 32 bits of hash a slot
// keeps, so a table that took equal hashes for equal texts would give two texts
// one number. Looking them all up again after the growth finds each where the
// moves put it.
void TestCmnTextNumbering::keepsManyTextsApartWhileGrowing()
{
    QFETCH(qsizetype, reserved);

    constexpr int kTexts = 400000;
    const auto text = [](int n) { return QStringLiteral("K%1X").arg(n * 7); };
    CCmnTextNumbering numbering(true);
    numbering.Reserve(reserved);
    for (int n = 0; n < kTexts; ++n) {
        const int number = numbering.Number(text(n));
        if (number != n)
            QCOMPARE(number, n);
    }
    QCOMPARE(numbering.Count(), qsizetype(kTexts));
    for (int n = kTexts - 1; n >= 0; --n) {
        const int number = numbering.Number(text(n));
        if (number != n)
            QCOMPARE(number, n);
    }
    QCOMPARE(numbering.Count(), qsizetype(kTexts));
    QCOMPARE(numbering.Text(kTexts - 1), text(kTexts - 1));
}

QTEST_GUILESS_MAIN(TestCmnTextNumbering)
#include "tst_cmntextnumbering.moc"
