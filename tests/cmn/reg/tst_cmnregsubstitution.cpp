#include "cmnregfieldssettings.h"
#include "cmnregsubstitution.h"
#include "cmnregvaluekind.h"
#include "regtesting.h"

#include <QTest>

namespace {

constexpr int kBirthField = -103;
constexpr int kTitleField = -107;

// A register with two system fields whose labels the user may have reworded.
class CWordedReg : public CTestReg
{
public:
    QString GetSystemFieldLabel(int fieldId, bool builtInWording) const override
    {
        if (fieldId == kBirthField)
            return builtInWording ? QStringLiteral("Date of Birth") : m_BirthLabel;
        if (fieldId == kTitleField)
            return QStringLiteral("Title");
        return {};
    }
    QString m_BirthLabel = QStringLiteral("Foaled");
};

CCmnRegFieldsSettings Settings(const QList<QPair<QString, int>> &userFields)
{
    CCmnRegFieldsSettings settings;
    settings.AddSystemField(CCmnRegField(kBirthField, CCmnRegFieldDef(CmnRegFieldDate, 0)));
    settings.AddSystemField(CCmnRegField(kTitleField, CCmnRegFieldDef(CmnRegFieldText, 0)));
    CCmnRegUserFieldSet set;
    for (const auto &field : userFields)
        set.AddField(field.first, CCmnRegUserField(field.second, CCmnRegFieldDef(CmnRegFieldText, 0)));
    settings.SetUserFields(set);
    return settings;
}

} // namespace

class TestCmnRegSubstitution : public QObject
{
    Q_OBJECT
private slots:
    void setKeepsOnlyTheFormsAsked_data();
    void setKeepsOnlyTheFormsAsked();
    void setHtmlDoesNotEscape();
    void makesNamesWithBuiltInAndQualifier_data();
    void makesNamesWithBuiltInAndQualifier();
    void recordNumberGivesExactlyIdAndHashId();
    void systemFieldIsFoundUnderLabelAndBuiltInName();
    void userFieldIsFoundOnlyUnderItsUpperCaseName();
    void laterFieldWinsASharedName();
    void missingValueStillGetsItsNames();
    void linesTableHoldsOnlyTheLineForm();
};

void TestCmnRegSubstitution::setKeepsOnlyTheFormsAsked_data()
{
    QTest::addColumn<int>("forms");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("lines");
    const QString name = QStringLiteral("Smith & Jones <UK>");
    const QString escaped = QStringLiteral("Smith &amp; Jones &lt;UK&gt;");
    QTest::newRow("text") << 1 << name << QString() << QStringList();
    QTest::newRow("html") << 2 << QString() << escaped << QStringList();
    QTest::newRow("lines") << 4 << QString() << QString() << QStringList{escaped};
    QTest::newRow("all") << 7 << name << escaped << QStringList{escaped};
}

void TestCmnRegSubstitution::setKeepsOnlyTheFormsAsked()
{
    QFETCH(int, forms);
    CCmnRegSubstitution value(3, QStringLiteral("old"));
    value = CCmnRegSubstitution(forms, QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(value.m_Forms, forms);
    QTEST(value.m_Text, "text");
    QTEST(value.m_Html, "html");
    QTEST(value.m_Lines, "lines");
}

void TestCmnRegSubstitution::setHtmlDoesNotEscape()
{
    CCmnRegSubstitution value;
    value.m_Text = QStringLiteral("plain");
    value.m_Forms = 1;
    value.SetHtml(QStringLiteral("<b>Bella</b>"));
    QCOMPARE(value.m_Forms, 7);
    QCOMPARE(value.m_Text, QStringLiteral("plain"));
    QCOMPARE(value.m_Html, QStringLiteral("<b>Bella</b>"));
    QCOMPARE(value.m_Lines, QStringList{QStringLiteral("<b>Bella</b>")});
}

void TestCmnRegSubstitution::makesNamesWithBuiltInAndQualifier_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("builtIn");
    QTest::addColumn<QString>("qualifier");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("both") << "STALLION" << "SIRE" << "" << QStringList{"STALLION", "#SIRE", ""};
    QTest::newRow("qualified") << "STALLION" << "SIRE" << "UNTITLED"
                               << QStringList{"STALLION-UNTITLED", "#SIRE-UNTITLED", ""};
    QTest::newRow("user field") << "COLOUR" << "" << "" << QStringList{"COLOUR", "", ""};
    QTest::newRow("no label") << "" << "SIRE" << "" << QStringList{"", "#SIRE", ""};
}

void TestCmnRegSubstitution::makesNamesWithBuiltInAndQualifier()
{
    QFETCH(QString, label);
    QFETCH(QString, builtIn);
    QFETCH(QString, qualifier);
    const CCmnRegSubstitutionNames names = CmnRegMakeSubstitutionNames(label, builtIn, qualifier);
    QTEST(QStringList(names.cbegin(), names.cend()), "names");
}

void TestCmnRegSubstitution::recordNumberGivesExactlyIdAndHashId()
{
    CTestReg reg;
    reg.AddIdField();
    for (int i = 0; i < 1233; ++i)
        reg.Add(QStringLiteral("r"));
    const int id = reg.Add(QStringLiteral("Bella"));
    const CCmnRegSubstitutionTable table = reg.GetSubstitutions(id, {-1}, 4, 1);
    QCOMPARE(table.keys().size(), 2);
    QCOMPARE(table.value(QStringLiteral("ID")).m_Lines, QStringList{QStringLiteral("1234")});
    QCOMPARE(table.value(QStringLiteral("#ID")), table.value(QStringLiteral("ID")));
}

void TestCmnRegSubstitution::systemFieldIsFoundUnderLabelAndBuiltInName()
{
    CWordedReg reg;
    reg.SetFieldsSettings(Settings({}), false);
    const int id = reg.Add(QStringLiteral("Bella"));
    reg.GetRecord(id)->SetValue(kTitleField, CmnRegValueText, QStringLiteral("Ch. Smith & Jones <UK>"));
    CCmnRegSubstitutionTable table = reg.GetSubstitutions(id, {kBirthField, kTitleField}, 7, 1);
    QCOMPARE(table.value(QStringLiteral("TITLE")).m_Html, QStringLiteral("Ch.&nbsp;Smith&nbsp;&amp;&nbsp;Jones&nbsp;&lt;UK&gt;"));
    QVERIFY(table.contains(QStringLiteral("#TITLE")));
    QVERIFY(table.contains(QStringLiteral("FOALED")));
    QVERIFY(table.contains(QStringLiteral("#DATE OF BIRTH")));

    reg.m_BirthLabel = QStringLiteral("Born");
    table = reg.GetSubstitutions(id, {kBirthField}, 7, 1);
    QCOMPARE(QSet<QString>(table.keyBegin(), table.keyEnd()),
             (QSet<QString>{QStringLiteral("BORN"), QStringLiteral("#DATE OF BIRTH")}));
}

void TestCmnRegSubstitution::userFieldIsFoundOnlyUnderItsUpperCaseName()
{
    CWordedReg reg;
    reg.SetFieldsSettings(Settings({{QStringLiteral("Colour"), 4}}), false);
    const int id = reg.Add(QStringLiteral("Bella"));
    reg.GetRecord(id)->SetValue(4, CmnRegValueText, QStringLiteral("Bay"));
    const CCmnRegSubstitutionTable table = reg.GetSubstitutions(id, {4, 99}, 4, 1);
    QCOMPARE(table.keys(), QStringList{QStringLiteral("COLOUR")});
    QCOMPARE(table.value(QStringLiteral("COLOUR")).m_Lines, QStringList{QStringLiteral("Bay")});
    QCOMPARE(reg.GetFieldSubstitution(id, 4, 3, 3).m_Text, QStringLiteral("Bay"));
    QCOMPARE(reg.GetFieldSubstitution(id, 99, 3, 3), CCmnRegSubstitution());
}

void TestCmnRegSubstitution::laterFieldWinsASharedName()
{
    CWordedReg reg;
    reg.SetFieldsSettings(Settings({{QStringLiteral("title"), 4}}), false);
    const int id = reg.Add(QStringLiteral("Bella"));
    reg.GetRecord(id)->SetValue(kTitleField, CmnRegValueText, QStringLiteral("Ch."));
    reg.GetRecord(id)->SetValue(4, CmnRegValueText, QStringLiteral("Bay"));
    QCOMPARE(reg.GetSubstitutions(id, {kTitleField, 4}, 1, 1).value("TITLE").m_Text, QStringLiteral("Bay"));
    QCOMPARE(reg.GetSubstitutions(id, {4, kTitleField}, 1, 1).value("TITLE").m_Text, QStringLiteral("Ch."));
}

void TestCmnRegSubstitution::missingValueStillGetsItsNames()
{
    CWordedReg reg;
    reg.SetFieldsSettings(Settings({}), false);
    const int id = reg.Add(QStringLiteral("Bella"));
    const CCmnRegSubstitutionTable table = reg.GetSubstitutions(id, {kTitleField}, 4, 1);
    QCOMPARE(table.value(QStringLiteral("TITLE")), CCmnRegSubstitution());
    QCOMPARE(CmnRegSubstitutionLines(table).value(QStringLiteral("#TITLE")), QStringList());
    QVERIFY(CmnRegSubstitutionLines(table).contains(QStringLiteral("#TITLE")));
}

void TestCmnRegSubstitution::linesTableHoldsOnlyTheLineForm()
{
    CCmnRegSubstitutionTable table;
    table.insert(QStringLiteral("A"), CCmnRegSubstitution(3, QStringLiteral("x")));
    table.insert(QStringLiteral("B"), CCmnRegSubstitution(4, QStringLiteral("a<b")));
    const CCmnRegSubstitutionLinesTable lines = CmnRegSubstitutionLines(table);
    QCOMPARE(lines.value(QStringLiteral("A")), QStringList());
    QCOMPARE(lines.value(QStringLiteral("B")), QStringList{QStringLiteral("a&lt;b")});
}

QTEST_GUILESS_MAIN(TestCmnRegSubstitution)
#include "tst_cmnregsubstitution.moc"
