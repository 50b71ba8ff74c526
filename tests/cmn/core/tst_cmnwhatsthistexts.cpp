#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmntextfile.h"
#include "cmnwhatsthistexts.h"

#include <QFile>
#include <QTest>

namespace {

// "key => text" per entry, sorted, so that a failure shows both sides.
QStringList Entries(const TCmnWhatsThisTable &table)
{
    QStringList entries;
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        entries.append(it.key() + QStringLiteral(" => ") + it.value());
    entries.sort();
    return entries;
}

} // namespace

class TestCmnWhatsThisTexts : public QObject
{
    Q_OBJECT
private slots:
    void parses_data();
    void parses();
    void loadsBuiltInFile();
    void builtInFileClosesEveryRecord();
    void replacedTableComesBack();
};

void TestCmnWhatsThisTexts::parses_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("one-line record, footer after the body")
        << QStringList{"{begin P.html:W,<p>F</p>} <p>T</p> {end}"} << QStringList{"P.html:W =>  <p>T</p> <p>F</p>"};
    QTest::newRow("keyed by page and help name")
        << QStringList{"{begin CBioTerminologySettingsTab.html:Sire}Father{end}"}
        << QStringList{"CBioTerminologySettingsTab.html:Sire => Father"};
    QTest::newRow("multi-line body, a blank per line end")
        << QStringList{"{begin P:A}", "<p>one", "two</p>", "{end}"} << QStringList{"P:A =>  <p>one two</p> "};
    QTest::newRow("directive split across lines")
        << QStringList{"{begin", "P:B,<p>F", "G</p>}x{end}"} << QStringList{"P:B => x<p>F G</p>"};
    QTest::newRow("tail after the footer")
        << QStringList{"{begin P:K,<i>F</i>}T{end <b>tail</b>}"} << QStringList{"P:K => T<i>F</i><b>tail</b>"};
    QTest::newRow("directive words in any case")
        << QStringList{"{BEGIN P:A}a{End}{Begin P:B}b{END x}"} << QStringList{"P:A => a", "P:B => bx"};
    QTest::newRow("blanks around a directive trimmed")
        << QStringList{"{ begin P:A }x{ end }"} << QStringList{"P:A => x"};
    QTest::newRow("other directives dropped")
        << QStringList{"{begin P:A}a{note}b{endless}c{end}"} << QStringList{"P:A => abc"};
    QTest::newRow("closing brace outside braces is text")
        << QStringList{"{begin P:A}a}b{end}"} << QStringList{"P:A => a}b"};
    QTest::newRow("text outside records ignored")
        << QStringList{"stray", "{begin P:A}x{end} stray"} << QStringList{"P:A => x"};
    QTest::newRow("record without end never stored") << QStringList{"{begin P:A}lost", "more"} << QStringList();
    QTest::newRow("unended record replaced by the next")
        << QStringList{"{begin P:A}lost{begin P:B}kept{end}"} << QStringList{"P:B => kept"};
    QTest::newRow("unclosed directive never ends") << QStringList{"{begin P:A}x{end"} << QStringList();
    QTest::newRow("end without a key uses an empty key")
        << QStringList{"{begin P:A}x{end}{end}"} << QStringList{" => x", "P:A => x"};
    QTest::newRow("later record replaces the earlier")
        << QStringList{"{begin P:A}one{end}", "{begin P:A}two{end}"} << QStringList{"P:A => two"};
}

void TestCmnWhatsThisTexts::parses()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, entries);
    TCmnWhatsThisTable table;
    CmnParseWhatsThisTexts(lines, table);
    QCOMPARE(Entries(table), entries);
}

void TestCmnWhatsThisTexts::loadsBuiltInFile()
{
    CmnInitFramework(CCmnAppDescriptor());
    const QString path = QStringLiteral(":/WhatsThisDefs.txt");
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));

    bool success = false;
    const QStringList lines = CmnReadTextFileLines(path, &success);
    QVERIFY(success);
    TCmnWhatsThisTable expected;
    CmnParseWhatsThisTexts(lines, expected);

    CmnLoadWhatsThisTexts();
    QCOMPARE(Entries(CmnWhatsThisTexts()), Entries(expected));
}

void TestCmnWhatsThisTexts::builtInFileClosesEveryRecord()
{
    // The reader lets a record without its end be replaced by the next one, so a
    // lost "{end}" in our own file would silently drop a help text.
    bool success = false;
    const QStringList lines = CmnReadTextFileLines(QStringLiteral(":/WhatsThisDefs.txt"), &success);
    QVERIFY(success);
    QString open;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("{begin"))) {
            QVERIFY2(open.isEmpty(), qPrintable(open + QStringLiteral(" has no end")));
            open = line;
        }
        if (line.contains(QLatin1String("{end")))
            open.clear();
    }
    QVERIFY2(open.isEmpty(), qPrintable(open + QStringLiteral(" has no end")));
}

void TestCmnWhatsThisTexts::replacedTableComesBack()
{
    const TCmnWhatsThisTable loaded = CmnWhatsThisTexts();
    const TCmnWhatsThisTable own{{"Page.html:Name", "The animal's name."}};

    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts(own);
    QCOMPARE(Entries(previous), Entries(loaded));
    QCOMPARE(CmnWhatsThisTexts().value("Page.html:Name"), QString("The animal's name."));

    QCOMPARE(Entries(CmnSetWhatsThisTexts(previous)), Entries(own));
    QCOMPARE(Entries(CmnWhatsThisTexts()), Entries(loaded));
}

QTEST_GUILESS_MAIN(TestCmnWhatsThisTexts)
#include "tst_cmnwhatsthistexts.moc"
