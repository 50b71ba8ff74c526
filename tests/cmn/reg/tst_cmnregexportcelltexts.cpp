#include "cmnregexportcelltexts.h"

#include <QTest>

#include <string>

class TestCmnRegExportCellTexts : public QObject
{
    Q_OBJECT
private slots:
    void remembersEveryDate_data();
    void remembersEveryDate();
    void keptTextsOutliveTheirCells();
};

void TestCmnRegExportCellTexts::remembersEveryDate_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("length");
    QTest::newRow("one") << 1 << 10;
    // Past the first table, which grows while the earlier dates stay found.
    QTest::newRow("many") << 5000 << 10;
    QTest::newRow("empty texts") << 50 << 0;
    QTest::newRow("longest kept beside the key") << 600 << 26;
    QTest::newRow("too long to keep beside the key") << 600 << 27;
}

// Every date remembered gives back its own text, however many came after it;
// keys that share their low or high half must not be taken for each other.
void TestCmnRegExportCellTexts::remembersEveryDate()
{
    QFETCH(int, count);
    QFETCH(int, length);
    const auto keyOf = [](int i) { return quint64(700000 + i) << 32 | quint64(700000 + i / 2); };
    const auto textOf = [length](int i) {
        return QString::number(i).leftJustified(length, QLatin1Char('-'), true);
    };
    CCmnRegExportCellTexts texts(true);
    for (int i = 0; i < count; ++i) {
        QVERIFY(!texts.SetRememberedDate(keyOf(i)));
        texts.SetDate(keyOf(i), textOf(i));
        QCOMPARE(texts.Value(), textOf(i));
    }
    for (int i = count - 1; i >= 0; --i) {
        QVERIFY(texts.SetRememberedDate(keyOf(i)));
        QCOMPARE(texts.Value(), textOf(i));
        QCOMPARE(texts.Display(), textOf(i));
    }
    QVERIFY(!texts.SetRememberedDate(keyOf(count)));
}

// A controller may keep a cell's text: the copy must stay whole after the
// remembered dates' table grows and after the export's texts are gone.
void TestCmnRegExportCellTexts::keptTextsOutliveTheirCells()
{
    QString kept;
    {
        CCmnRegExportCellTexts texts(true);
        texts.SetDate(1, QStringLiteral("03.02.2001"));
        QVERIFY(texts.SetRememberedDate(1));
        kept = texts.Value();
        for (quint64 key = 2; key < 3000; ++key)
            texts.SetDate(key, QString::number(key));
        QCOMPARE(kept, QStringLiteral("03.02.2001"));
    }
    // Read here, where a sanitizer sees the reads, rather than inside the toolkit.
    QCOMPARE(std::u16string(reinterpret_cast<const char16_t *>(kept.utf16()), size_t(kept.size())), std::u16string(u"03.02.2001"));
}

QTEST_GUILESS_MAIN(TestCmnRegExportCellTexts)
#include "tst_cmnregexportcelltexts.moc"
