#include "cmnregfieldssettings.h"
#include "cmnregvaluekind.h"
#include "regtesting.h"

#include <QTest>

namespace {

constexpr int kField = 7;
using CStores = QList<QPair<int, QVariant>>;   // (kind, value) stored in turn
using CFields = QList<QPair<QString, int>>;

CCmnRegUserFieldSet UserFields(const QList<QPair<QString, int>> &fields)
{
    CCmnRegUserFieldSet set;
    for (const auto &field : fields)
        set.AddField(field.first, CCmnRegUserField(field.second, CCmnRegFieldDef()));
    return set;
}

CCmnRegFieldsSettings SettingsWithUserFields(const QList<QPair<QString, int>> &fields)
{
    CCmnRegFieldsSettings settings;
    settings.AddSystemField(CCmnRegField(-103, CCmnRegFieldDef(CmnRegFieldDate, 0)));
    settings.SetUserFields(UserFields(fields));
    return settings;
}

} // namespace

class TestCmnReg : public QObject
{
    Q_OBJECT
private slots:
    void storesValuesByFieldAndKind_data();
    void storesValuesByFieldAndKind();
    void deletingClearsReferencesOnlyWhereThereAreSome();
    void discardingTouchesNothingElse();
    void clearFlagDropsValuesOfCreatedAndRemovedFields_data();
    void clearFlagDropsValuesOfCreatedAndRemovedFields();
    void newRecordsTakeDefaultsOfSystemThenUserFields();
    void answersFieldQuestionsByGroup();
};

void TestCmnReg::storesValuesByFieldAndKind_data()
{
    QTest::addColumn<CStores>("stores");
    QTest::addColumn<int>("askedKind");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<int>("storedCount");
    QTest::newRow("same kind") << CStores{{CmnRegValueInteger, 5}} << int(CmnRegValueInteger) << QVariant(5) << 1;
    QTest::newRow("text not found as integer")
        << CStores{{CmnRegValueText, QStringLiteral("5")}} << int(CmnRegValueInteger) << QVariant() << 1;
    QTest::newRow("replaced whatever the kind")
        << CStores{{CmnRegValueText, QStringLiteral("x")}, {CmnRegValueDate, 2}, {CmnRegValueInteger, 9}}
        << int(CmnRegValueInteger) << QVariant(9) << 1;
    QTest::newRow("invalid value removes") << CStores{{CmnRegValueInteger, 5}, {CmnRegValueInteger, QVariant()}}
                                           << int(CmnRegValueInteger) << QVariant() << 0;
    QTest::newRow("invalid value on an empty field") << CStores{{CmnRegValueInteger, QVariant()}}
                                                     << int(CmnRegValueInteger) << QVariant() << 0;
    QTest::newRow("imported 64-bit number read as integer")
        << CStores{{CmnRegValueInteger64, qlonglong(1) << 40}} << int(CmnRegValueInteger)
        << QVariant(qlonglong(1) << 40) << 1;
    QTest::newRow("integer not read as 64-bit number")
        << CStores{{CmnRegValueInteger, 3}} << int(CmnRegValueInteger64) << QVariant() << 1;
}

void TestCmnReg::storesValuesByFieldAndKind()
{
    QFETCH(CStores, stores);
    QFETCH(int, askedKind);
    QFETCH(QVariant, expected);
    QFETCH(int, storedCount);
    CTestReg reg;
    CTestRecord record(&reg);
    record.SetValue(kField + 1, CmnRegValueText, QStringLiteral("other field"));
    for (const auto &store : stores)
        record.SetValue(kField, store.first, store.second);
    QCOMPARE(record.GetValue(kField, askedKind), expected);
    QCOMPARE(record.GetValues().size(), storedCount + 1);
}

void TestCmnReg::deletingClearsReferencesOnlyWhereThereAreSome()
{
    CTestReg reg;
    const int sire = reg.Add(QStringLiteral("Sire"));
    const int unrelated = reg.Add(QStringLiteral("Other"));
    const int child2 = reg.Add(QStringLiteral("Second"), sire);
    const int child1 = reg.Add(QStringLiteral("First"), sire);
    QVERIFY(reg.DeleteRecord(child1, true));
    QVERIFY(reg.DeleteRecord(sire, true));
    // Only the remaining referrer is asked, once.
    QCOMPARE(reg.m_ClearCalls, (QList<QPair<int, int>>{{child2, sire}}));
    QCOMPARE(reg.Record(child2)->m_RefersTo, 0);
    QCOMPARE(reg.GetRecordIds(), (QVector<int>{unrelated, child2}));
    QVERIFY(!reg.DeleteRecord(sire, true));
    QVERIFY(!reg.HasRecNo(sire));
    QCOMPARE(reg.GetRecord(sire), nullptr);
    QCOMPARE(reg.Add(QStringLiteral("Again")), sire);
}

void TestCmnReg::discardingTouchesNothingElse()
{
    CTestReg reg;
    const int sire = reg.Add(QStringLiteral("Sire"));
    const int child = reg.Add(QStringLiteral("Child"), sire);
    const int temporary = reg.AddRecordQuietly(reg.CreateRecord());
    QVERIFY(reg.DiscardRecord(temporary));
    QVERIFY(!reg.DiscardRecord(temporary));
    QVERIFY(reg.DiscardRecord(sire));
    QVERIFY(reg.m_ClearCalls.isEmpty());
    QCOMPARE(reg.Record(child)->m_RefersTo, sire);
    QCOMPARE(reg.GetRecordCount(), 1);
}

void TestCmnReg::clearFlagDropsValuesOfCreatedAndRemovedFields_data()
{
    QTest::addColumn<CFields>("next");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<QList<int>>("fieldsLeft");
    // Before: user fields 1 "Breed" and 2 "Weight" and the system field -103, each
    // with a value; field 3 has a value left from a field deleted long ago.
    QTest::newRow("same settings") << CFields{{"Breed", 1}, {"Weight", 2}} << true << QList<int>{-103, 1, 2, 3};
    QTest::newRow("field removed") << CFields{{"Breed", 1}} << true << QList<int>{-103, 1, 3};
    QTest::newRow("old id reused") << CFields{{"Breed", 1}, {"Weight", 2}, {"Colour", 3}} << true
                                   << QList<int>{-103, 1, 2};
    QTest::newRow("renamed field keeps its values") << CFields{{"Breed", 1}, {"Mass", 2}} << true
                                                    << QList<int>{-103, 1, 2, 3};
    QTest::newRow("without the flag") << CFields{{"Colour", 3}} << false << QList<int>{-103, 1, 2, 3};
}

void TestCmnReg::clearFlagDropsValuesOfCreatedAndRemovedFields()
{
    QFETCH(CFields, next);
    QFETCH(bool, clear);
    QFETCH(QList<int>, fieldsLeft);
    CTestReg reg;
    reg.SetFieldsSettings(SettingsWithUserFields({{"Breed", 1}, {"Weight", 2}}), false);
    QList<int> ids;
    for (int i = 0; i < 2; ++i) {
        ids.append(reg.Add(QStringLiteral("Rec")));
        for (int field : {-103, 1, 2, 3})
            reg.GetRecord(ids.last())->SetValue(field, CmnRegValueText, QStringLiteral("kept"));
    }
    reg.SetFieldsSettings(SettingsWithUserFields(next), clear);
    // Applying the same settings again removes nothing more.
    reg.SetFieldsSettings(SettingsWithUserFields(next), clear);
    for (int id : ids) {
        QList<int> left;
        for (const CCmnRegStoredValue &value : reg.GetRecord(id)->GetValues())
            left.append(value.m_FieldId);
        QCOMPARE(left, fieldsLeft);
    }
}

void TestCmnReg::newRecordsTakeDefaultsOfSystemThenUserFields()
{
    CCmnRegFieldDef text(CmnRegFieldText, CmnRegFieldHasDefault);
    text.m_TextDefault = QStringLiteral("Bay");
    CCmnRegFieldDef boolean(CmnRegFieldBoolean, CmnRegFieldHasDefault | CmnRegFieldBoolDefaultTrue);
    CCmnRegFieldDef percent(CmnRegFieldPercentage, CmnRegFieldHasDefault);
    percent.m_PercentDefault = 0.25f;
    CCmnRegFieldDef noDefault(CmnRegFieldInteger, 0);
    CCmnRegFieldsSettings settings;
    settings.AddSystemField(CCmnRegField(-107, text));
    settings.AddSpecialField(CCmnRegField(-102, boolean));
    CCmnRegUserFieldSet user;
    user.AddField(QStringLiteral("Shown"), CCmnRegUserField(2, boolean));
    user.AddField(QStringLiteral("Fraction"), CCmnRegUserField(1, percent));
    user.AddField(QStringLiteral("Count"), CCmnRegUserField(3, noDefault));
    settings.SetUserFields(user);
    CTestReg reg;
    reg.SetFieldsSettings(settings, false);

    CTestRecord record(&reg);
    QList<int> order;
    for (const CCmnRegStoredValue &value : record.GetValues())
        order.append(value.m_FieldId);
    QCOMPARE(order, (QList<int>{-107, 1, 2}));
    QCOMPARE(record.GetValue(-107, CmnRegValueText), QVariant(QStringLiteral("Bay")));
    QCOMPARE(record.GetValue(1, CmnRegValueFraction), QVariant(0.25f));
    QCOMPARE(record.GetValue(2, CmnRegValueBoolean), QVariant(true));
}

void TestCmnReg::answersFieldQuestionsByGroup()
{
    CTestReg reg;
    reg.AddIdField();
    CCmnRegFieldsSettings settings = SettingsWithUserFields({{"Weight", 4}});
    reg.SetFieldsSettings(settings, false);
    const int id = reg.Add(QStringLiteral("Rec"));

    QCOMPARE(reg.GetIdentityFieldIds(), QList<int>{-1});
    QCOMPARE(reg.GetInbuiltFieldIds(), (QList<int>{-1, -103}));
    QCOMPARE(reg.GetFieldLabel(-1, false), QStringLiteral("ID"));
    QCOMPARE(reg.GetFieldLabel(4, false), QStringLiteral("Weight"));
    QCOMPARE(reg.GetFieldLabel(-103, false), QString());
    QCOMPARE(reg.GetFieldLabel(99, false), QString());
    QCOMPARE(reg.GetFieldInternalName(4), QStringLiteral("UserField"));
    QCOMPARE(reg.FindIdentityField(QStringLiteral("id"), false), -1);
    QCOMPARE(reg.FindIdentityField(QStringLiteral("id"), true), 0);

    QString value;
    QString display;
    QVERIFY(reg.GetIdentityFieldValueText(id, -1, CCmnExportCellFormat(), value, display));
    QCOMPARE(value, QString::number(id));
    CCmnExportCellFormat format;
    QVERIFY(reg.GetIdentityFieldColumnType(-1, format));
    QCOMPARE(format.m_Kind, 4);
    QVERIFY(reg.GetSystemFieldColumnType(-103, format));
    QCOMPARE(format.m_Kind, 8);
    QVERIFY(!reg.GetUserFieldColumnType(-103, format));
    QVERIFY(reg.GetUserFieldValueText(id, 4, format, value, display));
    QCOMPARE(value, QString());
    reg.GetRecord(id)->SetValue(4, CmnRegValueText, QStringLiteral("12 kg"));
    QVERIFY(reg.GetUserFieldValueText(id, 4, format, value, display));
    QCOMPARE(display, QStringLiteral("12 kg"));
}

QTEST_GUILESS_MAIN(TestCmnReg)
#include "tst_cmnreg.moc"
