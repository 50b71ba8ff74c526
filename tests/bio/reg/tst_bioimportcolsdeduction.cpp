#include "bioimportcols.h"
#include "bioimportcolsdeduction.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"

#include <QTest>

namespace {

const QString kDayFirst = QStringLiteral("[[dd/]mm/]yyyy");

using CRows = QList<QStringList>;

// "field,type,label" per column, so that a failure shows the whole set.
QStringList Described(const CBioImportCols &cols)
{
    QStringList columns;
    for (const CBioImportCol &col : cols.m_Cols)
        columns.append(QStringLiteral("%1,%2,%3").arg(col.m_Field).arg(col.m_Type).arg(col.m_Label));
    return columns;
}

const QStringList kDefaultColumns{"1,1,ID", "2,1,SIRE", "3,1,DAM", "4,1,SEX", "5,2,DATE OF BIRTH"};

// Rows of a herd whose IDs run from the first number up, with a name, a date of
// birth and a show date.
CRows NumberedHerd(int first, int count)
{
    CRows rows;
    for (int i = 0; i < count; ++i)
        rows.append({QString::number(first + i), QStringLiteral("Rex %1").arg(i),
                     QStringLiteral("%1/03/2001").arg(1 + i % 28), i % 3 ? QStringLiteral("5/6/2004") : QString()});
    return rows;
}

} // namespace

class TestBioImportColsDeduction : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void deducesColumns_data();
    void deducesColumns();
    void keepsOptionsAndGivenDateFormat();
    void matchesHeadings_data();
    void matchesHeadings();
};

void TestBioImportColsDeduction::init()
{
    BioInitTermEditableTable();
    BioCreateTerminology();
}

void TestBioImportColsDeduction::cleanup()
{
    BioDestroyTerminology();
}

void TestBioImportColsDeduction::deducesColumns_data()
{
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<CRows>("rows");
    QTest::addColumn<QStringList>("columns");

    // Named by the headings.
    QTest::newRow("name serves as ID, integers")
        << QStringList{"Name", "Sire", "Dam"} << CRows{{"1", "2", "3"}, {"4", "", ""}}
        << QStringList{"1,3,Name", "2,3,Sire", "3,3,Dam"};
    QTest::newRow("name serves as ID, texts")
        << QStringList{"Name", "Sire", "Dam"} << CRows{{"Rex", "Max", "5"}}
        << QStringList{"1,1,Name", "2,1,Sire", "3,1,Dam"};
    QTest::newRow("separate names")
        << QStringList{"ID", "Name", "Sire ID", "Sire Name", "Dam ID", "Dam Name"}
        << CRows{{"A1", "Rex", "A2", "Max", "A3", "Bella"}}
        << QStringList{"1,1,ID", "6,1,Name", "2,1,Sire ID", "7,1,Sire Name", "3,1,Dam ID", "8,1,Dam Name"};
    QTest::newRow("name before its ID")
        << QStringList{"Name", " ID ", "Sire"} << CRows{{"Rex", "7", "3"}}
        << QStringList{"6,1,Name", "1,3,ID", "2,3,Sire"};
    QTest::newRow("parent names serve as IDs")
        << QStringList{"ID", "Sire Name", "Dam Name"} << CRows{{"Rex", "Max", "Bella"}}
        << QStringList{"1,1,ID", "2,1,Sire Name", "3,1,Dam Name"};
    QTest::newRow("keywords")
        << QStringList{"ID", "Show Title", "Year", "Dam No", "Notes", "Unused"}
        << CRows{{"7", "Ch.", "1998", "3", "friendly", "x"}}
        << QStringList{"1,3,ID", "14,1,Show Title", "5,2,Year", "3,3,Dam No", "12,1,Notes", "13,1,Unused"};
    QTest::newRow("second title, empty heading")
        << QStringList{"ID", "Title", "Title", ""} << CRows{{"x1", "Ch.", "Smith & Jones <UK>", ""}}
        << QStringList{"1,1,ID", "14,1,Title", "12,1,Title", "12,3,"};
    QTest::newRow("sex, dates, suffix")
        << QStringList{"Key", "Gender", "Date of Birth", "Died", "Suffix", "Weight"}
        << CRows{{"1", "M", "1/2/2003", "", "II", "12.5"}, {"2", "F", "", "", "", "9"}}
        << QStringList{"1,3,Key", "4,1,Gender", "5,2,Date of Birth", "9,2,Died", "15,1,Suffix", "12,4,Weight"};

    // Classified by the values.
    QTest::newRow("names as IDs")
        << QStringList{} << CRows{{"Rex", "Max", "Bella"}, {"Max", "Odin", "Freya"}}
        << QStringList{"1,1,ID", "2,1,SIRE ID", "3,1,DAM ID"};
    QTest::newRow("integer IDs")
        << QStringList{} << CRows{{"1", "Rex", "0", "0", "M"}, {"2", "Bella", "1", "0", "F"}}
        << QStringList{"1,3,ID", "6,1,NAME", "2,3,SIRE", "3,3,DAM", "4,1,SEX"};
    QTest::newRow("IDs 1000 to 1060 are no years")
        << QStringList{} << NumberedHerd(1000, 61) << QStringList{"1,3,ID", "6,1,NAME", "5,2,DATE OF BIRTH",
                                                                   "12,2,User1"};
    QTest::newRow("IDs 10 to 99 are no years")
        << QStringList{} << NumberedHerd(10, 90) << QStringList{"1,3,ID", "6,1,NAME", "5,2,DATE OF BIRTH",
                                                                 "12,2,User1"};
    QTest::newRow("heading without ID labels user fields")
        << QStringList{"Number", "Called", "Born", "Shown"} << NumberedHerd(1, 3)
        << QStringList{"1,3,ID", "6,1,NAME", "5,2,DATE OF BIRTH", "12,2,Shown"};
    QTest::newRow("column of years and dates is no parent ID")
        << QStringList{} << CRows{{"1", "Rex", "1998"}, {"2", "Max", "12/3/1999"}}
        << QStringList{"1,3,ID", "6,1,NAME", "5,2,DATE OF BIRTH"};
    QTest::newRow("missing value keeps the ID column")
        << QStringList{} << CRows{{"1", "Rex"}, {"2"}} << QStringList{"1,3,ID", "6,1,NAME"};
    QTest::newRow("empty value passes it on")
        << QStringList{} << CRows{{"", "Rex"}, {"2", "Max"}} << QStringList{"12,3,User1", "1,1,ID"};
    QTest::newRow("every column has an empty value")
        << QStringList{} << CRows{{"", "a"}, {"1", ""}} << kDefaultColumns;
    QTest::newRow("nothing at all") << QStringList{} << CRows{} << kDefaultColumns;
    QTest::newRow("empty and blank user fields")
        << QStringList{} << CRows{{"1", "Rex", "", " "}, {"2", "Max", "", " "}}
        << QStringList{"1,3,ID", "6,1,NAME", "12,3,User1", "12,3,User2"};
    QTest::newRow("decimal user field")
        << QStringList{} << CRows{{"1", "2.5"}, {"2", "3"}} << QStringList{"1,3,ID", "12,4,User1"};
}

void TestBioImportColsDeduction::deducesColumns()
{
    QFETCH(QStringList, headers);
    QFETCH(CRows, rows);
    QFETCH(QStringList, columns);
    CBioImportCols cols;
    BioDeduceImportCols(&cols, headers, rows, kDayFirst);
    QCOMPARE(Described(cols), columns);
}

void TestBioImportColsDeduction::keepsOptionsAndGivenDateFormat()
{
    CBioImportCols cols;
    cols.m_NullId = "0";
    cols.m_CaseSensitiveIds = true;
    BioDeduceImportCols(&cols, {"ID"}, {}, "yyyy-mm-dd");
    QCOMPARE(cols.m_DateFormat, QStringLiteral("yyyy-mm-dd"));
    QCOMPARE(cols.m_NullId, QString());
    QVERIFY(!cols.m_CaseSensitiveIds);
    QCOMPARE(cols.m_MaleWords, QStringLiteral("M,MALE"));
}

void TestBioImportColsDeduction::matchesHeadings_data()
{
    QTest::addColumn<int>("species");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("matches");  // initials of the matchers that hold
    const int other = BioSpeciesOther;
    QTest::newRow("title") << other << "SHOW TITLE" << "T";
    QTest::newRow("name of animal") << other << "NAME OF ANIMAL" << "N";
    QTest::newRow("dog name") << int(BioSpeciesDogs) << "DOG NAME" << "N";
    QTest::newRow("animal name for dogs") << int(BioSpeciesDogs) << "ANIMAL NAME" << "";
    QTest::newRow("father") << int(BioSpeciesPeople) << "FATHER" << "Ss";
    QTest::newRow("sire reg no") << other << "SIRE REG NO" << "S";
    QTest::newRow("sire's name") << other << "SIRE'S NAME" << "s";
    QTest::newRow("mother key") << other << "MOTHER KEY" << "D";
    QTest::newRow("m") << other << "M" << "Dd";
    QTest::newRow("dam name") << other << "DAM NAME" << "d";
    QTest::newRow("notes") << other << "NOTES" << "";
    QTest::newRow("birth date") << other << "BIRTH DATE" << "B";
    QTest::newRow("hatch date") << int(BioSpeciesBirds) << "HATCH DATE" << "B";
    QTest::newRow("date died") << other << "DATE DIED" << "X";
    QTest::newRow("year") << other << "YEAR" << "B";
}

void TestBioImportColsDeduction::matchesHeadings()
{
    QFETCH(int, species);
    QFETCH(QString, header);
    QFETCH(QString, matches);
    CBioTerminologySettings terminology;
    terminology.ApplySpeciesDefaults(species);
    BioSetTerminology(terminology);
    QString found;
    const std::pair<char, bool (*)(const QString &)> matchers[] = {
        {'T', BioIsTitleHeader},        {'N', BioIsNameHeader},       {'S', BioIsSireIdHeader},
        {'s', BioIsSireNameHeader},     {'D', BioIsDamIdHeader},      {'d', BioIsDamNameHeader},
        {'B', BioIsDateOfBirthHeader},  {'X', BioIsDateOfDeathHeader},
    };
    for (const auto &[initial, matcher] : matchers) {
        if (matcher(header))
            found += QLatin1Char(initial);
    }
    QCOMPARE(found, matches);
}

QTEST_GUILESS_MAIN(TestBioImportColsDeduction)
#include "tst_bioimportcolsdeduction.moc"
