#include "bionamedisplaysettings.h"
#include "bioregrecord.h"
#include "bioterminology.h"
#include "cmndate.h"
#include "cmnregvaluekind.h"
#include "cmnsystemsettings.h"

#include <QTest>

namespace {

CBioRegRecord Animal(const QString &title, const QString &name, const QString &suffix)
{
    CBioRegRecord record(name, nullptr);
    if (!title.isEmpty())
        record.SetValue(-107, CmnRegValueText, title);
    if (!suffix.isEmpty())
        record.SetValue(-108, CmnRegValueText, suffix);
    return record;
}

CBioNameDisplaySettings WithSuffix(bool include)
{
    CBioNameDisplaySettings settings;
    settings.m_IncludeSuffix = include;
    return settings;
}

} // namespace

class TestBioRegRecord : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void displayNames_data();
    void displayNames();
    void titleHighlight_data();
    void titleHighlight();
    void storedValuesAndSexTexts();
    void copyKeepsEveryMember();
};

void TestBioRegRecord::initTestCase()
{
    BioCreateTerminology();
    CmnCreateSystemSettings();
}

void TestBioRegRecord::cleanupTestCase()
{
    CmnDestroySystemSettings();
    BioDestroyTerminology();
}

void TestBioRegRecord::displayNames_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("include");
    QTest::addColumn<QString>("withSuffix");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("html");
    QTest::newRow("all parts") << "Ch" << "Rex" << "II" << true << "Rex II" << "Ch Rex II"
                               << "<span style='color:#ff0000;'>Ch Rex II</span>";
    QTest::newRow("no title") << "" << "Rex" << "II" << true << "Rex II" << "Rex II" << "Rex II";
    QTest::newRow("title alone") << "Ch" << "" << "" << true << "" << "Ch"
                                 << "<span style='color:#ff0000;'>Ch</span>";
    QTest::newRow("suffix alone") << "" << "" << "II" << true << "II" << "II" << "II";
    QTest::newRow("suffix left out") << "Ch" << "Rex" << "II" << false << "Rex" << "Ch Rex"
                                     << "<span style='color:#ff0000;'>Ch Rex</span>";
    QTest::newRow("only escaped without title") << "" << "Smith & Jones <UK>" << "" << true << "Smith & Jones <UK>"
                                                << "Smith & Jones <UK>" << "Smith &amp; Jones &lt;UK&gt;";
    QTest::newRow("escaped inside the span") << "Ch" << "A&B" << "" << true << "A&B" << "Ch A&B"
                                             << "<span style='color:#ff0000;'>Ch A&amp;B</span>";
}

void TestBioRegRecord::displayNames()
{
    QFETCH(QString, title);
    QFETCH(QString, name);
    QFETCH(QString, suffix);
    QFETCH(bool, include);
    QFETCH(QString, withSuffix);
    QFETCH(QString, display);
    QFETCH(QString, html);
    const CBioRegRecord record = Animal(title, name, suffix);
    const CBioNameDisplaySettings settings = WithSuffix(include);
    QCOMPARE(record.NameWithSuffix(settings), withSuffix);
    QCOMPARE(record.DisplayName(settings), display);
    QCOMPARE(record.DisplayNameHtml(settings), html);
}

void TestBioRegRecord::titleHighlight_data()
{
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("html");
    QTest::newRow("nothing") << false << false << false << QColor() << "a&lt;b";
    QTest::newRow("bold innermost, underline outermost")
        << true << true << true << QColor(0x12, 0xAB, 0xcd) << "<span style='color:#12abcd;'><u><i><b>a&lt;b</b></i></u></span>";
    QTest::newRow("italic only") << false << true << false << QColor() << "<i>a&lt;b</i>";
}

void TestBioRegRecord::titleHighlight()
{
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(QColor, color);
    QFETCH(QString, html);
    CBioNameDisplaySettings settings;
    settings.m_TitleHighlight.m_Bold = bold;
    settings.m_TitleHighlight.m_Italic = italic;
    settings.m_TitleHighlight.m_Underline = underline;
    settings.m_TitleHighlight.m_TextColor = color;
    settings.m_TitleHighlight.m_HatchStyle = 2;   // not used for names
    QCOMPARE(settings.HighlightTitle("a<b"), html);
}

void TestBioRegRecord::storedValuesAndSexTexts()
{
    CmnGetSystemSettings()->m_DateInputFormat = "[[dd/]mm/]yyyy";
    CBioRegRecord record(QStringLiteral("Bella"), nullptr);
    QCOMPARE(record.Title(), QString());
    QVERIFY(record.DateOfBirth().IsEmpty());
    QCOMPARE(record.DateOfBirthText(), QString());
    CCmnDate born;
    QVERIFY(born.SetGregorianYmd(5, 4, 2019));
    record.SetValue(-103, CmnRegValueDate, QVariant::fromValue(born));
    // A date stored under another kind is not the date of death.
    record.SetValue(-104, CmnRegValueText, QStringLiteral("2020"));
    QCOMPARE(record.DateOfBirth(), born);
    QVERIFY(record.DateOfDeath().IsEmpty());
    QCOMPARE(record.DateOfBirthText(), QStringLiteral("05/04/2019"));

    const QList<QPair<int, QString>> sexes{{0, "?"}, {1, "M"}, {2, "F"}, {-1, "?"}, {7, "?"}};
    for (const auto &[sex, letter] : sexes) {
        record.m_Sex = sex;
        QCOMPARE(record.SexTexts(), qMakePair(letter, letter));
    }
    record.m_Sex = 2;
    QCOMPARE(record.SexText(BioTermAsParent), QStringLiteral("Dam"));
    record.m_Sex = -1;
    QCOMPARE(record.SexText(0), QStringLiteral("Unknown"));
    QCOMPARE(record.NameTexts(), qMakePair(QStringLiteral("Bella"), QStringLiteral("Bella")));
}

void TestBioRegRecord::copyKeepsEveryMember()
{
    CBioRegRecord record = Animal("Ch", "Rex", "II");
    record.m_Sire = 4;
    record.m_Dam = 9;
    record.m_Sex = 1;
    record.m_Photo.SetFilePath(QStringLiteral("/photos/rex.jpg"));
    const CBioRegRecord copy(record);
    QCOMPARE(copy.m_Sire, 4);
    QCOMPARE(copy.m_Dam, 9);
    QCOMPARE(copy.m_Sex, 1);
    QCOMPARE(copy.m_Photo, record.m_Photo);
    QCOMPARE(copy.DisplayName(CBioNameDisplaySettings()), QStringLiteral("Ch Rex II"));
}

QTEST_GUILESS_MAIN(TestBioRegRecord)
#include "tst_bioregrecord.moc"
