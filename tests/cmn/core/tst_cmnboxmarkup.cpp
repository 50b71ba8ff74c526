#include "cmnboxmarkup.h"

#include <QTest>

using Table = QMap<QString, QStringList>;

class TestCmnBoxMarkup : public QObject
{
    Q_OBJECT
private slots:
    void markup_data();
    void markup();
    void hostileLinesEnd_data();
    void hostileLinesEnd();
    void argumentsUnchanged();
    void fieldReferences_data();
    void fieldReferences();
};

namespace {

// The record most rows show: a dog named Rex of the breed Collie, in a 20-pixel box.
const qint32 kBaseSize = 20;

Table DogTable()
{
    return {{"NAME", {"Rex"}}, {"BREED", {"Collie"}}, {"#NAME", {"Rex"}}};
}

QStringList DogFields()
{
    return {"Name", "Breed"};
}

const QString kLabelCell = QStringLiteral("<td style='padding-left: 5; padding-right: 10;'>");
const QString kValueCell = QStringLiteral("<td style='padding-right: 5; padding-left: 10;'>");

} // namespace

void TestCmnBoxMarkup::markup_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Table>("table");
    QTest::addColumn<QStringList>("defaults");
    QTest::addColumn<QString>("expected");
    const auto dog = [](const char *name, const QString &line, const QString &expected) {
        QTest::newRow(name) << line << DogTable() << DogFields() << expected;
    };

    // The look of every shipped box depends on these, character for character.
    dog("labels bold on lines", "[$b * L]", "<b>Name</b>: Rex<br/><b>Breed</b>: Collie");
    dog("values at 70 percent", "[@ * , 70]", "<span style='font-size:14px;'>Rex, Collie</span>");
    dog("numbered lines", "[@ * OL]", "1. Rex<br/>2. Collie");
    dog("table", "[$ Name T]",
        "<table><tr>" + kLabelCell + "Name</td>" + kValueCell + "Rex</td></tr></table>");
    dog("size tag around fixed name", "{S 150}[#Name]{/S}", "<span style='font-size:30px;'>Rex</span>");

    // Malformed constructs show "!".
    dog("empty placeholder", "[]", "!");
    dog("blank placeholder", "[   ]", "!");
    dog("unclosed placeholder drops the rest", "abc [def", "abc !");
    dog("unknown simple key", "x [Sire] y", "x ! y");
    dog("unknown tag", "{x}", "!");
    dog("size tag without blank", "{S120}", "!");
    dog("tag with leading blank", "{ B}", "!");
    dog("end tag with trailing blank", "{/S }", "!");
    dog("unclosed tag drops the rest", "a{B}b{I c", "a<b>b!");
    dog("lone closers are text", "a]b}c", "a]b}c");
    dog("brackets do not nest", "[[#Name]]", "!]");
    dog("braces do not nest", "{{B}}", "!}");

    // Tags.
    dog("tags case-insensitive", "{b}{/B}{I}{/i}{u}{/U}{S 50}{/s}",
        "<b></b><i></i><u></u><span style='font-size:10px;'></span>");
    dog("size tag trailing blank", "{S 120 }", "<span style='font-size:24px;'>");
    dog("size tag not a number", "{S abc}", "<span style='font-size:0px;'>");
    dog("size tag percentage beyond 32 bits", "{S 99999999999}", "<span style='font-size:0px;'>");
    dog("size tag huge product held", "{S 2147483647}",
        "<span style='font-size:429496729px;'>");

    // Simple placeholders.
    dog("simple by label", "[ name ] is a [Breed]", "Rex is a Collie");
    QTest::newRow("empty lines skipped") << "[Colours]" << Table{{"COLOURS", {"a", "", "b"}}}
                                         << QStringList{} << "a, b";
    QTest::newRow("all lines empty") << "<[Colours]>" << Table{{"COLOURS", {"", ""}}}
                                     << QStringList{} << "<>";
    QTest::newRow("braces in a value are tags") << "[Name] wins" << Table{{"NAME", {"{B}Rex"}}}
                                                << QStringList{} << "<b>Rex wins";
    QTest::newRow("brackets in a value are text") << "[Name]" << Table{{"NAME", {"[Breed]"}}}
                                                  << QStringList{} << "[Breed]";
    QTest::newRow("quoted names in a list")
        << "[$ &quot;Coat colour&quot;,'Name, short' L]" << Table{{"COAT COLOUR", {"Red"}}, {"NAME, SHORT", {"Rex"}}}
        << QStringList{} << "Coat colour: Red<br/>Name, short: Rex";
    QTest::newRow("label escaped once") << "[$ Smith&amp;Jones]" << Table{{"SMITH&JONES", {"x"}}} << QStringList{}
                                        << "Smith&amp;Jones: x";

    // List options and styles.
    dog("upper wins over lower", "[$UL * L]", "NAME: REX<br/>BREED: COLLIE");
    dog("lower case", "[$l Name]", "name: rex");
    dog("lower-case l is a separator", "[@ * l]", "Rexl Collie");
    dog("option letters must follow directly", "[$ b * L]",
        "<span style='font-size:0px;'>b: !</span>");
    dog("no blank after $ reads an option", "[$Breed]", "<b>reed</b>: !");
    dog("bulleted lines", "[@ * UL]", "&bull;&nbsp;Rex<br/>&bull;&nbsp;Collie");
    dog("name written twice", "[@ Name,Name]", "Rex, Rex");
    dog("missing field shows !", "[$ Name,Sire /]", "Name: Rex/ Sire: !");
    dog("written names keep their case", "[$ bReEd]", "bReEd: Collie");
    dog("size exactly 100 adds no span", "[@ Name , 100]", "Rex");
    dog("size 0100 adds a span", "[@ Name , 0100]", "<span style='font-size:20px;'>Rex</span>");
    dog("excluded field", "[$ !Name L]", "Breed: Collie");
    dog("everything excluded", "[$ !NAME,breed L]", "");
    dog("quoted separator", "[@ * ' and ']", "Rex' and ' Collie");
    dog("bordered table of values", "[@ Name TB 50]",
        "<table border='1'><tr>" + kLabelCell + "&bull;</td>" + kValueCell
            + "<span style='font-size:10px;'>Rex</span></td></tr></table>");
    dog("style letter case matters", "[@ * t]", "Rext Collie");

    const Table sparse{{"NAME", {"Rex"}}, {"SIRE", {"", ""}}, {"BREED", {"Collie"}}};
    const QStringList sparseFields{"Name", "Sire", "Breed"};
    QTest::newRow("numbering skips an empty field")
        << "[@ * OL]" << sparse << sparseFields << "1. Rex<br/>2. Collie";
    QTest::newRow("separator skips an empty field")
        << "[@ * -]" << sparse << sparseFields << "Rex- Collie";
    QTest::newRow("all empty gives no span or table")
        << "a[$ Sire T 50]b" << sparse << sparseFields << "ab";

    const Table colours{{"COLOURS", {"red", "", "tan", "white"}}};
    QTest::newRow("three values in a table")
        << "[$ Colours T]" << colours << QStringList{}
        << "<table><tr><td style='padding-left: 5; padding-right: 10;' rowspan='3'>Colours</td>"
               + kValueCell + "red</td></tr><tr>" + kValueCell + "tan</td></tr><tr>" + kValueCell
               + "white</td></tr></table>";
    QTest::newRow("several values on lines")
        << "[$ Colours]" << colours << QStringList{} << "Colours: red<br/>tan<br/>white";
    QTest::newRow("table spacing from base size")
        << "[$ Colours T]" << Table{{"COLOURS", {"red"}}} << QStringList{}
        << "<table><tr>" + kLabelCell + "Colours</td>" + kValueCell + "red</td></tr></table>";
    QTest::newRow("labels escaped")
        << "[$]" << Table{{"SIRE & DAM", {"Rex &amp; Bess"}}} << QStringList{"Sire & Dam"}
        << "Sire &amp; Dam: Rex &amp; Bess";
}

void TestCmnBoxMarkup::markup()
{
    QFETCH(QString, line);
    QFETCH(Table, table);
    QFETCH(QStringList, defaults);
    QFETCH(QString, expected);
    QCOMPARE(CmnBoxMarkupToHtml(line, kBaseSize, table, defaults), expected);
}

// Lines a damaged document might hold: each must end quickly with a plain result.
void TestCmnBoxMarkup::hostileLinesEnd_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("deeply opened brackets") << QString(200000, u'[') << "!";
    QTest::newRow("deeply opened braces") << QString(200000, u'{') << "!";
    QTest::newRow("deep nesting closed")
        << QString(100000, u'[') + QString(100000, u']') << "!" + QString(99999, u']');
    QTest::newRow("many empty placeholders") << QStringLiteral("[]").repeated(100000)
                                             << QString(100000, u'!');
    QTest::newRow("many exclusions")
        << "[@ !" + QStringLiteral("x,").repeated(100000) + "]" << "Rex, Collie";
}

void TestCmnBoxMarkup::hostileLinesEnd()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(CmnBoxMarkupToHtml(line, kBaseSize, DogTable(), DogFields()), expected);
}

void TestCmnBoxMarkup::argumentsUnchanged()
{
    const QString line = QStringLiteral("[$U * L]");
    const Table table = DogTable();
    const QStringList fields = DogFields();
    const QString html = CmnBoxMarkupToHtml(line, kBaseSize, table, fields);
    QCOMPARE(html, QStringLiteral("NAME: REX<br/>BREED: COLLIE"));
    QCOMPARE(line, QStringLiteral("[$U * L]"));
    QCOMPARE(table, DogTable());
    QCOMPARE(fields, DogFields());
}

void TestCmnBoxMarkup::fieldReferences_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("allFields");
    QTest::newRow("simple, list and star")
        << "[#Name-Short] [$ Breed,Sire L] [@ * ]" << QStringList{"#NAME", "BREED", "SIRE"} << true;
    QTest::newRow("unclosed") << "[x" << QStringList{} << false;
    QTest::newRow("unclosed ends the walk") << "[Dam] [x {B} [Sire]" << QStringList{"DAM", "X {B} [SIRE"}
                                            << false;
    QTest::newRow("empty placeholders") << "[] [  ] text" << QStringList{} << false;
    QTest::newRow("default list") << "[$]" << QStringList{} << true;
    QTest::newRow("options then star") << "[$UL * L]" << QStringList{} << true;
    QTest::newRow("exclusion adds nothing") << "[$ !Name,Breed L]" << QStringList{} << true;
    QTest::newRow("options taken before names") << "[$bl Dam,,Sire-Long]"
                                                << QStringList{"DAM", "SIRE"} << false;
    QTest::newRow("duplicates collapse") << "[Name] [name] [@ NAME-x]" << QStringList{"NAME"}
                                         << false;
    QTest::newRow("cut at the first hyphen") << "[a-b-c]" << QStringList{"A"} << false;
    QTest::newRow("tags ignored") << "{S 50}{B}" << QStringList{} << false;
}

void TestCmnBoxMarkup::fieldReferences()
{
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QFETCH(bool, allFields);
    const CCmnFieldReferences references = CmnParseFieldReferences(text);
    QStringList found = references.names.values();
    found.sort();
    names.sort();
    QCOMPARE(found, names);
    QCOMPARE(references.allFields, allFields);
}

QTEST_GUILESS_MAIN(TestCmnBoxMarkup)
#include "tst_cmnboxmarkup.moc"
