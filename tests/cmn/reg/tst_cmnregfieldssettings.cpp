#include "cmndatastream.h"
#include "cmnregfieldssettings.h"

#include <QDataStream>
#include <QTest>

namespace {

// The default definition's block (tag 39, version 2).
const char kDefaultDefHex[] =
    "2702" "00" "020c010c" "ffffffff" "00" "000f" "ffffffff"
    "00000006005900650073" "00000004004e006f" "00000012004e006f007400200047006900760065006e"
    "00000000" "ffffffff" "00" "00000000" "00000000" "00000000" "ffffffff"
    "0000000000000000" "0000000000000000" "0000000000000000" "ffffffff" "03"
    "0000000000000000" "3ff0000000000000" "0000000000000000" "02" "03" "ffffffff" "00" "001e" "0003";

QByteArray NewValueBlock()
{
    return QByteArray::fromHex(QByteArray("3801" "00000000" "3500" "0600" "2a00ffffffff") + kDefaultDefHex
                               + "2801" "00000000000000000000000000000000"
                                 "0000000e00440065006600610075006c0074"   // "Default"
                                 "ffffffff" "00000000" "ffffffff"
                                 "3700" "00000000" "3600" "00000000"
                                 "01" "00000000" "01" "00000000");
}

CCmnRegFieldContextMask Mask(std::initializer_list<int> bits)
{
    CCmnRegFieldContextMask mask;
    for (int bit : bits)
        mask.SetContext(bit, true);
    return mask;
}

CCmnRegUserField UserField(int id, int type = CmnRegFieldText, std::initializer_list<int> contexts = {})
{
    return CCmnRegUserField(id, CCmnRegFieldDef(type, CCmnRegFieldDef::kDefaultFlags), Mask(contexts));
}

// Two special, two system and three user fields with masks, a form order and
// manual layouts.
CCmnRegFieldsSettings Rich()
{
    CCmnRegFieldsSettings settings;
    settings.AddSpecialField(CCmnRegField(-102, CCmnRegFieldDef(CmnRegFieldChoice, 0), Mask({33})));
    settings.AddSpecialField(CCmnRegField(-105, CCmnRegFieldDef(CmnRegFieldText, 0), Mask({64})));
    settings.AddSystemField(CCmnRegField(-103, CCmnRegFieldDef(CmnRegFieldDate, 0x100), Mask({33, 127})));
    settings.AddSystemField(CCmnRegField(-107, CCmnRegFieldDef(CmnRegFieldText, 0)));
    CCmnRegUserFieldSet user;
    user.AddField(QStringLiteral("Weight"), UserField(2, CmnRegFieldNumber, {33}));
    user.AddField(QStringLiteral("Smith & Jones <UK>"), UserField(5));
    user.AddField(QStringLiteral("Age"), UserField(1, CmnRegFieldInteger, {64}));
    user.m_CurrentRow = 1;
    user.m_TaggedRow = 2;
    settings.SetUserFields(user);
    settings.SetFormFieldOrder({2, -107, 1});
    settings.SetSelectRecordLayout(false, {{-103, false}, {2, true}});
    settings.SetRecordDetailsLayout(false, {{-103, false, QString()}, {1, true, QStringLiteral("More")}});
    return settings;
}

// The layouts at the end of Rich's block: two select-record items, then two
// record-details items, one without a tab name and one with "More".
constexpr qsizetype kRichLayoutBytes = 1 + 4 + 2 * 5 + 1 + 4 + 9 + 17;

QByteArray Bytes(const char *hexPieces)
{
    return QByteArray::fromHex(hexPieces);
}

} // namespace

class TestCmnRegFieldsSettings : public QObject
{
    Q_OBJECT
private slots:
    void writesNewValueExactly();
    void roundTripsEveryPart();
    void readsVersionZeroWithAutomaticLayouts();
    void reportsDamagedBlocks_data();
    void reportsDamagedBlocks();
    void reportsEveryCut();
    void clearsUserRowsThatNameNoField_data();
    void clearsUserRowsThatNameNoField();
    void sortsUserFieldsByName();
    void makesUniqueUserFieldNames_data();
    void makesUniqueUserFieldNames();
    void syncsBuiltInDefinitions();
    void updatesOneBuiltInField();
    void selectsFieldsByContext_data();
    void selectsFieldsByContext();
    void normalisesFormFieldOrder();
    void comparesWhatTheUserSees_data();
    void comparesWhatTheUserSees();
};

void TestCmnRegFieldsSettings::writesNewValueExactly()
{
    CCmnRegFieldsSettings settings;
    QCOMPARE(settings.ToByteArray().toHex(), NewValueBlock().toHex());
    CCmnRegFieldsSettings read = Rich();
    QVERIFY(read.FromByteArray(NewValueBlock()));
    QCOMPARE(read.GetChanged(), int(CCmnRegFieldsSettings::ChangedAll));
    QVERIFY(read == settings);
}

void TestCmnRegFieldsSettings::roundTripsEveryPart()
{
    CCmnRegFieldsSettings settings = Rich();
    const QByteArray bytes = settings.ToByteArray();
    CCmnRegFieldsSettings read;
    QVERIFY(read.FromByteArray(bytes));
    QCOMPARE(read.ToByteArray(), bytes);
    QCOMPARE(read.GetUserFields().m_TaggedRow, 2);
    QVERIFY(read == settings);
}

void TestCmnRegFieldsSettings::readsVersionZeroWithAutomaticLayouts()
{
    QByteArray block = NewValueBlock();
    block[1] = 0;
    block.chop(10);
    CCmnRegFieldsSettings read = Rich();
    QVERIFY(read.FromByteArray(block));
    QVERIFY(read.IsSelectRecordLayoutAutomatic());
    QVERIFY(read.IsRecordDetailsLayoutAutomatic());
    QVERIFY(read.GetSelectRecordManualItems().isEmpty());
    QVERIFY(read.GetRecordDetailsManualItems().isEmpty());
}

void TestCmnRegFieldsSettings::reportsDamagedBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = Rich().ToByteArray();
    const qsizetype userSection = good.indexOf(Bytes("3500" "0600"));
    const qsizetype systemSection = good.indexOf(Bytes("3700" "00000002" "3a00"));
    QTest::newRow("another block") << QByteArray(good).replace(0, 1, "\x39");
    QTest::newRow("newer version") << QByteArray(good).replace(1, 1, "\x02");
    QTest::newRow("user section tag") << QByteArray(good).replace(userSection, 1, "\x36");
    QTest::newRow("system item tag") << QByteArray(good).replace(systemSection + 6, 1, "\x39");
    QTest::newRow("form order count beyond the bytes") << QByteArray(good).replace(2, 4, Bytes("10000000"));
    QTest::newRow("system count beyond the bytes") << QByteArray(good).replace(systemSection + 2, 4, Bytes("7fffffff"));
    QTest::newRow("negative layout count")
        << good.left(good.size() - kRichLayoutBytes) + Bytes("00" "ffffffff");
    QTest::newRow("user names out of order")
        << QByteArray(good).replace(good.indexOf(Bytes("00000006004100670065")), 10, Bytes("0000000600590067006a"));
}

void TestCmnRegFieldsSettings::reportsDamagedBlocks()
{
    QFETCH(QByteArray, bytes);
    CCmnRegFieldsSettings settings = Rich();
    const QByteArray before = settings.ToByteArray();
    QVERIFY(!settings.FromByteArray(bytes));
    QCOMPARE(settings.ToByteArray(), before);
}

void TestCmnRegFieldsSettings::reportsEveryCut()
{
    const QByteArray good = Rich().ToByteArray();
    for (qsizetype length = 0; length < good.size(); ++length) {
        CCmnRegFieldsSettings settings;
        QVERIFY2(!settings.FromByteArray(good.left(length)), qPrintable(QString::number(length)));
    }
}

void TestCmnRegFieldsSettings::clearsUserRowsThatNameNoField_data()
{
    QTest::addColumn<qint32>("current");
    QTest::addColumn<qint32>("tagged");
    QTest::addColumn<qint32>("readCurrent");
    QTest::addColumn<qint32>("readTagged");
    // Rich has three user fields.
    QTest::newRow("last rows kept") << 2 << 2 << 2 << 2;
    QTest::newRow("none kept") << -1 << -1 << -1 << -1;
    QTest::newRow("one past the end") << 3 << 3 << -1 << -1;
    QTest::newRow("far outside") << qint32(0x7fffffff) << -2 << -1 << -1;
}

void TestCmnRegFieldsSettings::clearsUserRowsThatNameNoField()
{
    QFETCH(qint32, current);
    QFETCH(qint32, tagged);
    QFETCH(qint32, readCurrent);
    QFETCH(qint32, readTagged);
    CCmnRegFieldsSettings settings = Rich();
    CCmnRegUserFieldSet user = settings.GetUserFields();
    user.m_CurrentRow = current;
    user.m_TaggedRow = tagged;
    settings.SetUserFields(user);
    CCmnRegFieldsSettings read;
    QVERIFY(read.FromByteArray(settings.ToByteArray()));
    QCOMPARE(read.GetUserFields().m_CurrentRow, readCurrent);
    QCOMPARE(read.GetUserFields().m_TaggedRow, readTagged);
    QCOMPARE(read.GetUserFields().m_Items.size(), 3);
}

void TestCmnRegFieldsSettings::sortsUserFieldsByName()
{
    CCmnRegUserFieldSet set;
    QCOMPARE(set.AddField(QStringLiteral("Weight"), UserField(1)), 0);
    QCOMPARE(set.AddField(QStringLiteral("Breed"), UserField(2)), 0);
    set.m_CurrentRow = 1;
    QCOMPARE(set.AddField(QStringLiteral("Age"), UserField(3)), 0);
    QCOMPARE(set.m_CurrentRow, 2);
    QCOMPARE(set.AddField(QStringLiteral("Breed"), UserField(4)), -1);
    QCOMPARE(set.AddField(QString(), UserField(4)), -1);
    QCOMPARE(set.AddField(QStringLiteral("breed"), UserField(4)), 3);
    QStringList names;
    for (const auto &item : set.m_Items)
        names.append(item.first);
    QCOMPARE(names, (QStringList{"Age", "Breed", "Weight", "breed"}));
    QCOMPARE(set.FindField(QStringLiteral("WEIGHT"), Qt::CaseInsensitive), 2);
    QCOMPARE(set.FindField(QStringLiteral("WEIGHT"), Qt::CaseSensitive), -1);
    CCmnRegFieldsSettings settings;
    settings.SetUserFields(set);
    QCOMPARE(settings.GetMaxUserFieldId(), 4);
    QCOMPARE(settings.IndexOfUserField(1), 2);
    QCOMPARE(settings.IndexOfUserField(9), -1);
}

void TestCmnRegFieldsSettings::makesUniqueUserFieldNames_data()
{
    QTest::addColumn<int>("taken");   // how many of the name's candidates already exist
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("unique");
    QTest::newRow("free name") << 0 << "Colour" << "Colour";
    QTest::newRow("taken ignoring case") << 1 << "BREED" << "BREED B";
    QTest::newRow("after Z comes AA") << 26 << "Breed" << "Breed AA";
    QTest::newRow("last candidate") << 701 << "Breed" << "Breed ZZ";
    QTest::newRow("all taken") << 702 << "Breed" << "";
    QTest::newRow("empty name") << 0 << "" << "";
}

void TestCmnRegFieldsSettings::makesUniqueUserFieldNames()
{
    QFETCH(int, taken);
    QFETCH(QString, wanted);
    QFETCH(QString, unique);
    CCmnRegFieldsSettings settings;
    CCmnRegUserFieldSet set;
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QStringList suffixes{QString(), QStringLiteral(" B")};
    for (qsizetype i = 2; i < 26; ++i)
        suffixes.append(QStringLiteral(" ") + letters.at(i));
    for (QChar first : letters) {
        for (QChar second : letters)
            suffixes.append(QStringLiteral(" ") + first + second);
    }
    for (int i = 0; i < taken; ++i)
        set.AddField(QStringLiteral("breed") + suffixes.at(i), UserField(i + 1));
    settings.SetUserFields(set);
    QCOMPARE(settings.MakeUniqueUserFieldName(wanted), unique);
}

void TestCmnRegFieldsSettings::syncsBuiltInDefinitions()
{
    CCmnRegFieldsSettings own;
    own.AddSpecialField(CCmnRegField(-102, CCmnRegFieldDef(CmnRegFieldText, 0), Mask({1})));
    own.AddSpecialField(CCmnRegField(-199, CCmnRegFieldDef()));
    own.AddSystemField(CCmnRegField(-103, CCmnRegFieldDef(CmnRegFieldText, 0x1), Mask({2})));
    own.AddSystemField(CCmnRegField(-107, CCmnRegFieldDef(CmnRegFieldText, 0x1), Mask({3})));
    CCmnRegFieldsSettings newer;
    newer.AddSpecialField(CCmnRegField(-105, CCmnRegFieldDef(CmnRegFieldInteger, 0), Mask({9})));
    newer.AddSpecialField(CCmnRegField(-102, CCmnRegFieldDef(CmnRegFieldChoice, 0), Mask({8})));
    newer.AddSystemField(CCmnRegField(-103, CCmnRegFieldDef(CmnRegFieldDate, 0)));
    newer.AddSystemField(CCmnRegField(-107, CCmnRegFieldDef(CmnRegFieldChoice, 0)));
    newer.AddSystemField(CCmnRegField(-108, CCmnRegFieldDef(CmnRegFieldText, 0)));
    own.SyncSpecialFields(newer);

    const QList<CCmnRegField> expectedSpecial{
        CCmnRegField(-102, CCmnRegFieldDef(CmnRegFieldChoice, 0), Mask({1})),
        CCmnRegField(-105, CCmnRegFieldDef(CmnRegFieldInteger, 0), Mask({9}))};
    const QList<CCmnRegField> expectedSystem{
        CCmnRegField(-103, CCmnRegFieldDef(CmnRegFieldDate, 0), Mask({2})),          // kind changed
        CCmnRegField(-107, CCmnRegFieldDef(CmnRegFieldText, 0x1), Mask({3})),        // same kind: own kept
        CCmnRegField(-108, CCmnRegFieldDef(CmnRegFieldText, 0))};
    QCOMPARE(own.GetSpecialFields(), expectedSpecial);
    QCOMPARE(own.GetSystemFields(), expectedSystem);
    QCOMPARE(own.GetChanged(), int(CCmnRegFieldsSettings::ChangedAll));
}

void TestCmnRegFieldsSettings::updatesOneBuiltInField()
{
    CCmnRegFieldsSettings settings = Rich();
    settings.SetSelectRecordLayout(true, {});
    settings.NormaliseRecordDetailsLayout();
    settings.ComputeAutoRecordDetailsLayout();
    settings.NormaliseSelectRecordLayout();
    QCOMPARE(settings.GetSelectRecordLayout().size(), 4);
    QCOMPARE(settings.GetChanged(), 0);
    const QList<CCmnRegField> system = settings.GetSystemFields();

    // A special field's id names nothing in the system list, nor the other way round.
    const CCmnRegField keyed(-105, CCmnRegFieldDef(CmnRegFieldText, 0x100), Mask({40}));
    QVERIFY(!settings.UpdateBuiltInField(false, keyed));
    QCOMPARE(settings.GetChanged(), 0);
    QVERIFY(settings.UpdateBuiltInField(true, keyed));
    QCOMPARE(settings.GetSpecialFields().at(1), keyed);
    QCOMPARE(settings.GetSystemFields(), system);
    QCOMPARE(settings.GetChanged(),
             int(CCmnRegFieldsSettings::ChangedSelectRecordAuto | CCmnRegFieldsSettings::ChangedRecordDetailsAuto));
    // The key-field flag now puts the special field into the automatic select layout.
    QCOMPARE(settings.GetSelectRecordLayout().size(), 5);
}

void TestCmnRegFieldsSettings::selectsFieldsByContext_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<QList<int>>("special");
    QTest::addColumn<QList<int>>("system");
    QTest::addColumn<QList<int>>("user");
    QTest::addColumn<QList<int>>("forContext");
    QTest::newRow("every field") << 0 << QList<int>{-102, -105} << QList<int>{-103, -107} << QList<int>{1, 5, 2}
                                 << QList<int>{2, -107, 1, -105, -103, -102, 5};
    QTest::newRow("negative context") << -1 << QList<int>{-102, -105} << QList<int>{-103, -107}
                                      << QList<int>{1, 5, 2} << QList<int>{2, -107, 1, -105, -103, -102, 5};
    QTest::newRow("first word") << 33 << QList<int>{-102} << QList<int>{-103} << QList<int>{2}
                                << QList<int>{2, -103, -102};
    QTest::newRow("bit 0 of the second word") << 64 << QList<int>{-105} << QList<int>{} << QList<int>{1}
                                              << QList<int>{1, -105};
    QTest::newRow("last context") << 127 << QList<int>{} << QList<int>{-103} << QList<int>{} << QList<int>{-103};
    QTest::newRow("beyond the contexts") << 128 << QList<int>{} << QList<int>{} << QList<int>{} << QList<int>{};
}

void TestCmnRegFieldsSettings::selectsFieldsByContext()
{
    QFETCH(int, context);
    QFETCH(QList<int>, special);
    QFETCH(QList<int>, system);
    QFETCH(QList<int>, user);
    QFETCH(QList<int>, forContext);
    CCmnRegFieldsSettings settings = Rich();
    QCOMPARE(settings.GetSpecialFieldIds(context), special);
    QCOMPARE(settings.GetSystemFieldIds(context), system);
    QCOMPARE(settings.GetUserFieldIds(context), user);
    QCOMPARE(settings.GetFieldsForContext(context), forContext);
}

void TestCmnRegFieldsSettings::normalisesFormFieldOrder()
{
    CCmnRegFieldsSettings settings = Rich();
    settings.SetFormFieldOrder({5, 99, -107, 5, 1});
    settings.NormaliseFormFieldOrder();
    QCOMPARE(settings.GetFormFieldOrder(), (QList<int>{5, -107, 1, -105, -103, -102, 2}));
    QCOMPARE(settings.GetChanged(), int(CCmnRegFieldsSettings::ChangedAll & ~CCmnRegFieldsSettings::ChangedFormFieldOrder));
}

void TestCmnRegFieldsSettings::comparesWhatTheUserSees_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("equal");
    QTest::newRow("copy") << 0 << true;
    QTest::newRow("order that normalises alike") << 1 << true;
    QTest::newRow("another order") << 2 << false;
    QTest::newRow("another manual layout") << 3 << false;
    QTest::newRow("manual items of an automatic layout") << 4 << true;
    QTest::newRow("another current row") << 5 << false;
    QTest::newRow("another mask") << 6 << false;
}

void TestCmnRegFieldsSettings::comparesWhatTheUserSees()
{
    QFETCH(int, change);
    QFETCH(bool, equal);
    CCmnRegFieldsSettings first = Rich();
    CCmnRegFieldsSettings second = Rich();
    CCmnRegUserFieldSet user = second.GetUserFields();
    switch (change) {
    case 1: second.SetFormFieldOrder({2, 2, -107, 1, 77, -105, -103, -102}); break;
    case 2: second.SetFormFieldOrder({-107, 2, 1}); break;
    case 3: second.SetRecordDetailsLayout(false, {{-103, false, QString()}, {1, true, QStringLiteral("Other")}}); break;
    case 4:
        first.SetSelectRecordLayout(true, {});
        second.SetSelectRecordLayout(true, {{2, true}});
        break;
    case 5: user.m_CurrentRow = 0; second.SetUserFields(user); break;
    case 6: user.m_Items[0].second.m_Mask.SetContext(5, true); second.SetUserFields(user); break;
    default: break;
    }
    QCOMPARE(first == second, equal);
    QCOMPARE(second == first, equal);
}

QTEST_GUILESS_MAIN(TestCmnRegFieldsSettings)
#include "tst_cmnregfieldssettings.moc"
