#include "cmnregfieldssettings.h"

Q_DECLARE_METATYPE(CCmnRegFieldDef)

#include <QTest>

namespace {

CCmnRegFieldDef OneRow(bool key)
{
    return CCmnRegFieldDef(CmnRegFieldText, key ? int(CmnRegFieldKey) : 0);
}

CCmnRegFieldDef Multiline(int lines, bool labelAbove = false)
{
    CCmnRegFieldDef def(CmnRegFieldMultilineText, labelAbove ? int(CmnRegFieldMultilineLabelAbove) : 0);
    def.m_MultilineLines = lines;
    return def;
}

QString Name(int id)
{
    return QStringLiteral("Field %1").arg(id, 3, 10, QLatin1Char('0'));
}

// User fields 1..count named in id order; the form field order follows the ids.
CCmnRegFieldsSettings Fields(int count, bool key = false, const QHash<int, CCmnRegFieldDef> &special = {})
{
    CCmnRegUserFieldSet set;
    for (int id = 1; id <= count; ++id)
        set.AddField(Name(id), CCmnRegUserField(id, special.value(id, OneRow(key))));
    CCmnRegFieldsSettings settings;
    settings.SetUserFields(set);
    return settings;
}

// "1 2 |3 [More]4": a bar begins a column, a bracketed name a tab.
template <typename TItem>
QString Describe(const QList<TItem> &items)
{
    QStringList parts;
    for (const TItem &item : items) {
        QString part = QString::number(item.m_FieldId);
        if constexpr (std::is_same_v<TItem, CCmnRegRecordDetailsLayoutItem>) {
            if (!item.m_TabName.isEmpty())
                part.prepend(QLatin1Char('[') + item.m_TabName + QLatin1Char(']'));
        }
        if (item.m_NewColumn)
            part.prepend(QLatin1Char('|'));
        parts.append(part);
    }
    return parts.join(QLatin1Char(' '));
}

// Where the breaks fall, for long layouts: "6:| 46:[More]".
template <typename TItem>
QString Breaks(const QList<TItem> &items)
{
    QStringList parts;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString text = Describe(QList<TItem>{items.at(i)});
        const QString mark = text.chopped(QString::number(items.at(i).m_FieldId).size());
        if (!mark.isEmpty())
            parts.append(QString::number(i + 1) + QLatin1Char(':') + mark);
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestCmnRegFieldsSettingsLayouts : public QObject
{
    Q_OBJECT
private slots:
    void countsLayoutRows_data();
    void countsLayoutRows();
    void computesRecordDetailsLayout_data();
    void computesRecordDetailsLayout();
    void computesSelectRecordLayout_data();
    void computesSelectRecordLayout();
    void normalisesManualLayouts();
    void placesNewFields_data();
    void placesNewFields();
    void placesNewKeyFields();
};

void TestCmnRegFieldsSettingsLayouts::countsLayoutRows_data()
{
    QTest::addColumn<CCmnRegFieldDef>("def");
    QTest::addColumn<int>("rows");
    CCmnRegFieldDef radio1(CmnRegFieldChoice, 0);
    radio1.m_Choices = QStringList{"a", "b", "c", "d", "e"};
    radio1.m_ChoiceStyle = 1;
    CCmnRegFieldDef required = radio1;
    required.m_Flags |= CmnRegFieldRequired;
    CCmnRegFieldDef radio2 = radio1;
    radio2.m_ChoiceStyle = 2;
    CCmnRegFieldDef radio3 = radio1;
    radio3.m_ChoiceStyle = 3;
    CCmnRegFieldDef pulldown = radio1;
    pulldown.m_ChoiceStyle = 0;
    QTest::newRow("radio, one column, not given offered") << radio1 << 6;
    QTest::newRow("radio, one column, required") << required << 5;
    QTest::newRow("radio, two columns") << radio2 << 3;
    QTest::newRow("radio, three columns") << radio3 << 2;
    QTest::newRow("pull-down") << pulldown << 1;
    QTest::newRow("3 lines") << Multiline(3) << 2;
    QTest::newRow("10 lines") << Multiline(10) << 8;
    QTest::newRow("0 lines") << Multiline(0) << 1;
}

void TestCmnRegFieldsSettingsLayouts::countsLayoutRows()
{
    QFETCH(CCmnRegFieldDef, def);
    QFETCH(int, rows);
    QCOMPARE(def.GetLayoutRows(true), rows);
    QCOMPARE(def.GetLayoutRows(false), 1);
}

void TestCmnRegFieldsSettingsLayouts::computesRecordDetailsLayout_data()
{
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("firstLines");   // lines of field 1 as a multiline text, 0 for one row
    QTest::addColumn<QString>("breaks");
    QTest::newRow("10 fields: one column") << 10 << 0 << "";
    QTest::newRow("11 fields: columns of 6 and 5") << 11 << 0 << "7:|";
    QTest::newRow("50 fields: a More tab") << 50 << 0 << "16:| 31:| 46:[More]";
    QTest::newRow("91 fields: More 2") << 91 << 0 << "16:| 31:| 46:[More] 61:| 76:| 91:[More 2]";
    QTest::newRow("tall first field leaves the first column empty") << 15 << 20 << "1:| 2:|";
}

void TestCmnRegFieldsSettingsLayouts::computesRecordDetailsLayout()
{
    QFETCH(int, fields);
    QFETCH(int, firstLines);
    QFETCH(QString, breaks);
    QHash<int, CCmnRegFieldDef> special;
    if (firstLines > 0)
        special.insert(1, Multiline(firstLines));
    CCmnRegFieldsSettings settings = Fields(fields, false, special);
    QCOMPARE(Breaks(settings.GetRecordDetailsLayout()), breaks);
    QCOMPARE(settings.GetRecordDetailsLayout().size(), fields);
}

void TestCmnRegFieldsSettingsLayouts::computesSelectRecordLayout_data()
{
    QTest::addColumn<int>("keyFields");
    QTest::addColumn<QString>("breaks");
    QTest::newRow("9: one column") << 9 << "";
    QTest::newRow("10: two of 5") << 10 << "6:|";
    QTest::newRow("11: 6 and 5") << 11 << "7:|";
}

void TestCmnRegFieldsSettingsLayouts::computesSelectRecordLayout()
{
    QFETCH(int, keyFields);
    QFETCH(QString, breaks);
    CCmnRegFieldsSettings settings = Fields(keyFields, true);
    CCmnRegUserFieldSet set = settings.GetUserFields();
    set.AddField(QStringLiteral("Not a key"), CCmnRegUserField(99, OneRow(false)));
    settings.SetUserFields(set);
    QCOMPARE(Breaks(settings.GetSelectRecordLayout()), breaks);
    QCOMPARE(settings.GetSelectRecordLayout().size(), keyFields);
}

void TestCmnRegFieldsSettingsLayouts::normalisesManualLayouts()
{
    // 12 one-row fields: 6 rows a column, 3 columns a tab.
    CCmnRegFieldsSettings settings = Fields(12, true);
    settings.SetRecordDetailsLayout(false, {{1, false, {}}, {2, false, {}}, {99, false, {}}, {3, true, {}},
                                            {4, false, {}}, {5, true, {}}, {6, false, {}}, {7, false, {}},
                                            {8, false, {}}, {9, false, {}}, {10, false, {}}});
    settings.SetSelectRecordLayout(false, {{2, false}, {99, true}, {1, true}});
    QCOMPARE(Describe(settings.GetRecordDetailsLayout()), QStringLiteral("1 2 |3 4 |5 6 7 8 9 10 [More]11 12"));
    QCOMPARE(Describe(settings.GetSelectRecordLayout()), QStringLiteral("2 |1 3 4 5 6 7 |8 9 10 11 12"));

    // "More" taken by the user: the next tab is "More 2".
    settings.SetRecordDetailsLayout(false, {{1, false, {}}, {2, false, QStringLiteral("More")}, {3, true, {}},
                                            {4, false, {}}, {5, true, {}}, {6, false, {}}, {7, false, {}},
                                            {8, false, {}}, {9, false, {}}, {10, false, {}}});
    QCOMPARE(Describe(settings.GetRecordDetailsLayout()),
             QStringLiteral("1 [More]2 |3 4 |5 6 7 8 9 10 [More 2]11 12"));
}

void TestCmnRegFieldsSettingsLayouts::placesNewFields_data()
{
    QTest::addColumn<int>("existing");
    QTest::addColumn<int>("newLines");   // lines of the new field 100 as multiline text, 0: two one-row fields
    QTest::addColumn<QString>("breaks");
    QTest::newRow("group joins the second column") << 20 << 0 << "13:|";
    QTest::newRow("a column of 5 rows stays") << 15 << 0 << "13:|";
    QTest::newRow("a column of 4 rows merges") << 14 << 0 << "";
    QTest::newRow("tall field gets its own tab") << 8 << 10 << "9:[Field 100]";
}

void TestCmnRegFieldsSettingsLayouts::placesNewFields()
{
    QFETCH(int, existing);
    QFETCH(int, newLines);
    QFETCH(QString, breaks);
    CCmnRegFieldsSettings settings = Fields(existing);
    CCmnRegUserFieldSet set = settings.GetUserFields();
    QList<CCmnRegNewFieldPlacement> placements;
    if (newLines > 0) {
        set.AddField(Name(100), CCmnRegUserField(100, Multiline(newLines, true)));
        placements = {{1, 0, 100, 0}};
    } else {
        set.AddField(Name(101), CCmnRegUserField(101, OneRow(false)));
        set.AddField(Name(100), CCmnRegUserField(100, OneRow(false)));
        placements = {{1, 2, 100, 0}, {1, 1, 101, 0}};
    }
    settings.SetUserFields(set);
    settings.SetFormFieldOrder(QList<int>{100, 101} + settings.GetUserFieldIds(0));
    settings.PlaceNewFields(placements);
    QVERIFY(!settings.IsRecordDetailsLayoutAutomatic());
    QCOMPARE(Breaks(settings.GetRecordDetailsLayout()), breaks);
    const QList<int> order = settings.GetFormFieldOrder();
    QCOMPARE(order.last(), 100);
    QCOMPARE(settings.GetRecordDetailsLayout().last().m_FieldId, 100);
}

void TestCmnRegFieldsSettingsLayouts::placesNewKeyFields()
{
    CCmnRegFieldsSettings settings = Fields(11, true);
    CCmnRegUserFieldSet set = settings.GetUserFields();
    for (int id : {20, 21, 22})
        set.AddField(Name(id), CCmnRegUserField(id, OneRow(id != 22)));
    settings.SetUserFields(set);
    QCOMPARE(Breaks(settings.GetSelectRecordLayout()), QStringLiteral("8:|"));
    settings.PlaceNewFields({{0, 0, 22, 0}, {0, 0, 21, 0}, {0, 0, 20, 0}});
    QVERIFY(!settings.IsSelectRecordLayoutAutomatic());
    QCOMPARE(Describe(settings.GetSelectRecordLayout()), QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 20 |21"));
}

QTEST_GUILESS_MAIN(TestCmnRegFieldsSettingsLayouts)
#include "tst_cmnregfieldssettingslayouts.moc"
