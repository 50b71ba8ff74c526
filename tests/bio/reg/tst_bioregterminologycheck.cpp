#include "bioreg.h"
#include "bioregtesting.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"

#include <QRegularExpression>
#include <QTest>

namespace {

using CWords = QList<std::pair<int, QString>>;

CCmnRegFieldsSettings WithUserFields(const QStringList &names)
{
    CCmnRegFieldsSettings settings = BioTestDefaultFieldsSettings();
    CCmnRegUserFieldSet fields;
    int id = 0;
    for (const QString &name : names)
        fields.AddField(name, CCmnRegUserField(++id, CCmnRegFieldDef()));
    settings.SetUserFields(fields);
    return settings;
}

// The list items and the closing paragraph of a warning, as the user reads them.
QStringList Items(const QString &html)
{
    QStringList items;
    static const QRegularExpression item(QStringLiteral("<li>(.*?)</li>"));
    for (const QRegularExpressionMatch &match : item.globalMatch(html)) {
        items << match.captured(1)
                     .replace(QLatin1String("&lt;"), QLatin1String("<"))
                     .replace(QLatin1String("&gt;"), QLatin1String(">"))
                     .replace(QLatin1String("&amp;"), QLatin1String("&"));
    }
    return items;
}

QString LastParagraph(const QString &html)
{
    const qsizetype start = html.lastIndexOf(QLatin1String("<p>"));
    const qsizetype end = html.lastIndexOf(QLatin1String("</p>"));
    return start < 0 ? QString() : html.mid(start + 3, end - start - 3);
}

const QString kTerminologyAdvice = QStringLiteral("Please adjust your terminology settings to avoid these problems.");
const QString kFieldAdvice = QStringLiteral(
    "Please adjust your terminology settings and/or user defined field names to avoid these problems.");

} // namespace

class TestBioRegTerminologyCheck : public QObject
{
    Q_OBJECT
private slots:
    void init() { BioCreateTerminology(); }
    void cleanup() { BioDestroyTerminology(); }
    void reportsEachClash_data();
    void reportsEachClash();
    void writesEscapedHtml();
};

void TestBioRegTerminologyCheck::reportsEachClash_data()
{
    QTest::addColumn<CWords>("words");
    QTest::addColumn<QStringList>("userFields");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("advice");
    const QString sireDamLetter = QStringLiteral("The terms for 'Sire' and 'Dam' should start with a different letter");

    QTest::newRow("built-in words") << CWords{} << QStringList{"Colour", "Sires"} << QStringList{} << QString();
    QTest::newRow("dam named as the sire")
        << CWords{{BioTermDam, "Sire"}} << QStringList{}
        << QStringList{"The inbuilt fields 'Dam' and 'Sire' have the same name 'Sire'", sireDamLetter}
        << kTerminologyAdvice;
    QTest::newRow("dam starts like the sire in another case")
        << CWords{{BioTermDam, "stud mare"}} << QStringList{} << QStringList{sireDamLetter} << kTerminologyAdvice;
    QTest::newRow("female starts like the male")
        << CWords{{BioTermFemale, "Mare"}} << QStringList{}
        << QStringList{"The terms for 'Male' and 'Female' should start with a different letter"}
        << kTerminologyAdvice;
    QTest::newRow("user field like a built-in label in another case")
        << CWords{} << QStringList{"Colour", "date of birth"}
        << QStringList{"User defined field 'date of birth' has the same name as an inbuilt field."} << kFieldAdvice;
    QTest::newRow("user field like the record number")
        << CWords{} << QStringList{"Id"}
        << QStringList{"User defined field 'Id' has the same name as an inbuilt field."} << kFieldAdvice;
    QTest::newRow("user field like a renamed term")
        << CWords{{BioTermTitle, "Smith & Jones <UK>"}} << QStringList{"SMITH & JONES <UK>"}
        << QStringList{"User defined field 'SMITH & JONES <UK>' has the same name as an inbuilt field."}
        << kFieldAdvice;
    QTest::newRow("three fields on one label")
        << CWords{{BioTermDateOfBirth, "Date"}, {BioTermDateOfDeath, "date"}, {BioTermTitle, "DATE"}}
        << QStringList{}
        << QStringList{"The inbuilt fields 'Title', 'Date of Death' and 'Date of Birth' have the same name 'DATE'"}
        << kTerminologyAdvice;
}

void TestBioRegTerminologyCheck::reportsEachClash()
{
    QFETCH(CWords, words);
    QFETCH(QStringList, userFields);
    QFETCH(QStringList, messages);
    QFETCH(QString, advice);
    BioTestUseWords(words);
    const CBioReg reg(BioTestDefaultFieldsSettings());
    const QString html = reg.CheckTerminologyAndFieldNames(WithUserFields(userFields));
    QCOMPARE(Items(html), messages);
    QCOMPARE(LastParagraph(html), advice);
    QCOMPARE(html.isEmpty(), messages.isEmpty());
}

void TestBioRegTerminologyCheck::writesEscapedHtml()
{
    BioTestUseWords({{BioTermSex, "<b>Sex</b>"}});
    const CBioReg reg(BioTestDefaultFieldsSettings());
    QCOMPARE(reg.CheckTerminologyAndFieldNames(WithUserFields({"<B>SEX</B>"})),
             QStringLiteral("<p>Your chosen terminology settings are not ideal:</p> <ul><li>User defined field "
                            "'&lt;B&gt;SEX&lt;/B&gt;' has the same name as an inbuilt field.</li> </ul><p>This may "
                            "result in some fields not being correctly displayed in some of the forms.</p> <p>Please "
                            "adjust your terminology settings and/or user defined field names to avoid these "
                            "problems.</p> "));
}

QTEST_GUILESS_MAIN(TestBioRegTerminologyCheck)
#include "tst_bioregterminologycheck.moc"
