#include "cmnsettingsexchange.h"
#include "testsettingsscope.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QSettings>
#include <QTest>

namespace {

QSharedPointer<QSettings> OpenStore(const CTestSettingsScope &scope)
{
    return QSharedPointer<QSettings>::create(scope.Path() + QStringLiteral("/store.ini"),
                                             QSettings::IniFormat);
}

CCmnSettingsExchange Saving(const QSharedPointer<QSettings> &store)
{
    return CCmnSettingsExchange(true, store).Child(QStringLiteral("group"));
}

CCmnSettingsExchange Loading(const QSharedPointer<QSettings> &store)
{
    return CCmnSettingsExchange(false, store).Child(QStringLiteral("group"));
}

} // namespace

class TestCmnSettingsExchange : public QObject
{
    Q_OBJECT
private slots:
    void keysFollowGroupPath();
    void scalarsRoundTripAndDefault();
    void emptyStringCanCountAsMissing();
    void stringListUsesCountAndItemKeys();
    void stringListCountDecidesLoad_data();
    void stringListCountDecidesLoad();
    void byteArraysSplitIntoParts_data();
    void byteArraysSplitIntoParts();
    void byteArrayHashSaveRemovesOldEntries();
    void byteArrayHashLoadMergesAndSurvivesDamagedCount();
    void variantHashRoundTrip();
    void hashOfHashesKeepsNonAsciiGroupNames();
    void hashOfHashesWithUndecodableBytesGivesEmptyTable();
    void hashOfHashesRefusesNestedAndHugeValues_data();
    void hashOfHashesRefusesNestedAndHugeValues();
    void groupPresenceIsCaseSensitive();
    void keysWithSeparatorsAreNotStored();
};

void TestCmnSettingsExchange::keysFollowGroupPath()
{
    CTestSettingsScope scope;
    const CCmnSettingsExchange top(true, OpenStore(scope));
    QCOMPARE(top.Key(QStringLiteral("firsttimerun")), QStringLiteral("firsttimerun"));
    const CCmnSettingsExchange child = top.Child(QStringLiteral("cmnsystemsettings"));
    QCOMPARE(child.Key(QStringLiteral("firsttimerun")), QStringLiteral("cmnsystemsettings/firsttimerun"));
    QCOMPARE(child.Child(QStringLiteral("data")).Key(QStringLiteral("x")),
             QStringLiteral("cmnsystemsettings/data/x"));
    QCOMPARE(child.IsSave(), true);
}

void TestCmnSettingsExchange::scalarsRoundTripAndDefault()
{
    CTestSettingsScope scope;
    const auto store = OpenStore(scope);
    bool flag = true;
    qint32 number = -42;
    QString text = QStringLiteral("Zwergpinscher ä");
    Saving(store).ExchangeBool(QStringLiteral("flag"), flag, false);
    Saving(store).ExchangeInt(QStringLiteral("number"), number, 0);
    Saving(store).ExchangeString(QStringLiteral("text"), text, QString());
    store->setValue(QStringLiteral("group/notanumber"), QStringLiteral("abc"));
    store->setValue(QStringLiteral("group/notabool"), QStringLiteral("abc"));
    store->sync();

    const auto reopened = OpenStore(scope);
    bool flagIn = false, notBoolIn = false;
    qint32 numberIn = 0, missingIn = 0, notNumberIn = 5;
    QString textIn;
    Loading(reopened).ExchangeBool(QStringLiteral("flag"), flagIn, false);
    Loading(reopened).ExchangeInt(QStringLiteral("number"), numberIn, 0);
    Loading(reopened).ExchangeInt(QStringLiteral("missing"), missingIn, 7);
    Loading(reopened).ExchangeInt(QStringLiteral("notanumber"), notNumberIn, 7);
    Loading(reopened).ExchangeBool(QStringLiteral("notabool"), notBoolIn, false);
    Loading(reopened).ExchangeString(QStringLiteral("text"), textIn, QString());
    QCOMPARE(flagIn, true);
    QCOMPARE(numberIn, -42);
    QCOMPARE(missingIn, 7);
    // Damaged values read as missing.
    QCOMPARE(notNumberIn, 7);
    QCOMPARE(notBoolIn, false);
    QCOMPARE(textIn, text);
}

void TestCmnSettingsExchange::emptyStringCanCountAsMissing()
{
    CTestSettingsScope scope;
    const auto store = OpenStore(scope);
    QString empty;
    Saving(store).ExchangeString(QStringLiteral("format"), empty, QString());
    QString plain = QStringLiteral("x"), defaulted;
    Loading(store).ExchangeString(QStringLiteral("format"), plain, QStringLiteral("def"));
    Loading(store).ExchangeString(QStringLiteral("format"), defaulted, QStringLiteral("def"),
                                  CCmnSettingsExchange::EmptyIsDefault);
    QCOMPARE(plain, QString());
    QCOMPARE(defaulted, QStringLiteral("def"));
}

void TestCmnSettingsExchange::stringListUsesCountAndItemKeys()
{
    CTestSettingsScope scope;
    const auto store = OpenStore(scope);
    QStringList five{"a", "b", "c", "d", "e"};
    QStringList three{"x", "y", "z"};
    Saving(store).ExchangeStringList(QStringLiteral("mru"), five, {});
    Saving(store).ExchangeStringList(QStringLiteral("mru"), three, {});

    QCOMPARE(store->value(QStringLiteral("group/mru_count")).toInt(), 3);
    QCOMPARE(store->value(QStringLiteral("group/mru_1")).toString(), QStringLiteral("x"));
    // Items of the longer list stay behind, hidden by the count.
    QCOMPARE(store->value(QStringLiteral("group/mru_4")).toString(), QStringLiteral("d"));
    QCOMPARE(store->value(QStringLiteral("group/mru_5")).toString(), QStringLiteral("e"));

    QStringList loaded{"old"};
    Loading(store).ExchangeStringList(QStringLiteral("mru"), loaded, {});
    QCOMPARE(loaded, three);
}

void TestCmnSettingsExchange::stringListCountDecidesLoad_data()
{
    QTest::addColumn<QVariant>("storedCount");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("count missing keeps default") << QVariant() << QStringList{"default"};
    QTest::newRow("negative count keeps default") << QVariant(-1) << QStringList{"default"};
    QTest::newRow("count 0 gives empty list") << QVariant(0) << QStringList{};
    QTest::newRow("missing item reads empty") << QVariant(2) << QStringList{"one", ""};
    QTest::newRow("damaged huge count is bounded") << QVariant(2000000000) << QStringList{"one", ""};
}

void TestCmnSettingsExchange::stringListCountDecidesLoad()
{
    QFETCH(QVariant, storedCount);
    QFETCH(QStringList, expected);
    CTestSettingsScope scope;
    const auto store = OpenStore(scope);
    store->setValue(QStringLiteral("group/list_1"), QStringLiteral("one"));
    if (storedCount.isValid())
        store->setValue(QStringLiteral("group/list_count"), storedCount);
    QStringList loaded{"stale"};
    Loading(store).ExchangeStringList(QStringLiteral("list"), loaded, {QStringLiteral("default")});
    QCOMPARE(loaded, expected);
}

void TestCmnSettingsExchange::byteArraysSplitIntoParts_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("lastPartSize");
    QTest::newRow("256 under own key") << 256 << 0 << 0;
    QTest::newRow("257 in two parts") << 257 << 2 << 1;
    QTest::newRow("512 in two full parts") << 512 << 2 << 256;
}

void TestCmnSettingsExchange::byteArraysSplitIntoParts()
{
    QFETCH(int, size);
    QFETCH(int, parts);
    QFETCH(int, lastPartSize);
    CTestSettingsScope scope;
    const auto store = OpenStore(scope);
    QByteArray value(size, '\0');
    for (int i = 0; i < size; ++i)
        value[i] = char(i * 7);
    TCmnByteArrayHash hash{{QStringLiteral("k"), value}};
    Saving(store).ExchangeByteArrayHash(QStringLiteral("blobs"), hash, {});

    store->beginGroup(QStringLiteral("group/blobs"));
    if (parts == 0) {
        QCOMPARE(store->childKeys(), QStringList{QStringLiteral("k")});
    } else {
        QCOMPARE(store->value(QStringLiteral("k_mpv")).toInt(), parts);
        QCOMPARE(store->value(QStringLiteral("k_mpv_1")).toByteArray().size(), 256);
        QCOMPARE(store->value(QStringLiteral("k_mpv_%1").arg(parts)).toByteArray().size(), lastPartSize);
        QCOMPARE(store->childKeys().size(), parts + 1);
    }
    store->endGroup();

    TCmnByteArrayHash loaded;
    Loading(store).ExchangeByteArrayHash(QStringLiteral("blobs"), loaded, {});
    QCOMPARE(loaded, hash);
}

void TestCmnSettingsExchange::byteArrayHashSaveRemovesOldEntries()
{
    CTestSettingsScope scope;
    const auto store = OpenStore(scope);
    TCmnByteArrayHash first{{QStringLiteral("gone"), QByteArray(600, 'g')},
                            {QStringLiteral("shrinks"), QByteArray(300, 's')},
                            {QStringLiteral("short"), QByteArray("a")}};
    Saving(store).ExchangeByteArrayHash(QStringLiteral("blobs"), first, {});
    TCmnByteArrayHash second{{QStringLiteral("shrinks"), QByteArray("now short")}};
    Saving(store).ExchangeByteArrayHash(QStringLiteral("blobs"), second, {});

    store->beginGroup(QStringLiteral("group/blobs"));
    QCOMPARE(store->childKeys(), QStringList{QStringLiteral("shrinks")});
    store->endGroup();

    TCmnByteArrayHash loaded;
    Loading(store).ExchangeByteArrayHash(QStringLiteral("blobs"), loaded, {});
    QCOMPARE(loaded, second);
}

void TestCmnSettingsExchange::byteArrayHashLoadMergesAndSurvivesDamagedCount()
{
    CTestSettingsScope scope;
    const auto store = OpenStore(scope);
    store->setValue(QStringLiteral("group/blobs/big_mpv"), 2000000000);
    store->setValue(QStringLiteral("group/blobs/big_mpv_1"), QByteArray("ab"));
    store->setValue(QStringLiteral("group/blobs/big_mpv_3"), QByteArray("cd"));
    store->setValue(QStringLiteral("group/blobs/plain"), QByteArray("p"));

    TCmnByteArrayHash loaded{{QStringLiteral("kept"), QByteArray("k")},
                             {QStringLiteral("plain"), QByteArray("old")}};
    Loading(store).ExchangeByteArrayHash(QStringLiteral("blobs"), loaded, {});
    const TCmnByteArrayHash expected{{QStringLiteral("kept"), QByteArray("k")},
                                     {QStringLiteral("plain"), QByteArray("p")},
                                     {QStringLiteral("big"), QByteArray("abcd")}};
    QCOMPARE(loaded, expected);

    // Saving over the damaged entry clears it without walking two billion parts.
    TCmnByteArrayHash none;
    Saving(store).ExchangeByteArrayHash(QStringLiteral("blobs"), none, {});
    store->beginGroup(QStringLiteral("group/blobs"));
    QCOMPARE(store->childKeys(), QStringList());
    store->endGroup();
}

void TestCmnSettingsExchange::variantHashRoundTrip()
{
    CTestSettingsScope scope;
    QVariantHash values{{QStringLiteral("name"), QStringLiteral("Bella")},
                        {QStringLiteral("bytes"), QByteArray("\x00\x01\xff", 3)},
                        {QStringLiteral("list"), QStringList{"a", "b"}},
                        {QStringLiteral("number"), 17}};
    {
        const auto store = OpenStore(scope);
        store->setValue(QStringLiteral("group/data/stale"), 1);
        Saving(store).ExchangeVariantHash(QStringLiteral("data"), values, {});
    }
    const auto store = OpenStore(scope);
    QVariantHash loaded{{QStringLiteral("other"), 5}};
    Loading(store).ExchangeVariantHash(QStringLiteral("data"), loaded, {});
    QCOMPARE(loaded.size(), 5);
    QVERIFY(!loaded.contains(QStringLiteral("stale")));
    QCOMPARE(loaded.value(QStringLiteral("other")), QVariant(5));
    QCOMPARE(loaded.value(QStringLiteral("name")), values.value(QStringLiteral("name")));
    QCOMPARE(loaded.value(QStringLiteral("bytes")), values.value(QStringLiteral("bytes")));
    QCOMPARE(loaded.value(QStringLiteral("list")).toStringList(), (QStringList{"a", "b"}));
    // The INI store keeps numbers as text; they convert back to the same number.
    QCOMPARE(loaded.value(QStringLiteral("number")).toInt(), 17);

    QVariantHash missing{{QStringLiteral("x"), 1}};
    CCmnSettingsExchange(false, store).Child(QStringLiteral("nogroup"))
        .ExchangeVariantHash(QStringLiteral("data"), missing, {{QStringLiteral("d"), 2}});
    QCOMPARE(missing, (QVariantHash{{QStringLiteral("d"), 2}}));
}

void TestCmnSettingsExchange::hashOfHashesKeepsNonAsciiGroupNames()
{
    CTestSettingsScope scope;
    const QString path = QStringLiteral("/home/züchter/Hündinnen/Wurf 2026.csv");
    TCmnVariantHashHash files{
        {path, {{QStringLiteral("textencoding"), QStringLiteral("UTF-8,LOCALE")},
                {QStringLiteral("columns"), QString(300, QLatin1Char('c'))}}},
        {QStringLiteral("plain"), {{QStringLiteral("csvformat"), QStringLiteral("none,1,tab,#,1,1")}}}};
    {
        const auto store = OpenStore(scope);
        Saving(store).ExchangeVariantHashHash(QStringLiteral("data"), files, {});
        store->beginGroup(QStringLiteral("group/data"));
        for (const QString &key : store->childKeys())
            QVERIFY2(key.size() > 0 && key.at(0).unicode() < 128, qPrintable(key));
        store->endGroup();
    }
    const auto store = OpenStore(scope);
    TCmnVariantHashHash loaded{{QStringLiteral("replaced"), {}}};
    Loading(store).ExchangeVariantHashHash(QStringLiteral("data"), loaded, {});
    QCOMPARE(loaded, files);

    QCOMPARE(CmnByteArraysToVariantHashes(CmnVariantHashesToByteArrays(files)), files);
}

void TestCmnSettingsExchange::hashOfHashesWithUndecodableBytesGivesEmptyTable()
{
    const TCmnByteArrayHash arrays{{QStringLiteral("61"), QByteArray("\x00\x00\x00\x05garbage", 11)}};
    QTest::ignoreMessage(QtWarningMsg, "Settings value 'a' is damaged and was ignored");
    const TCmnVariantHashHash hashes = CmnByteArraysToVariantHashes(arrays);
    QCOMPARE(hashes.size(), 1);
    QVERIFY(hashes.contains(QStringLiteral("a")));
    QCOMPARE(hashes.value(QStringLiteral("a")), QVariantHash());
}

void TestCmnSettingsExchange::hashOfHashesRefusesNestedAndHugeValues_data()
{
    QTest::addColumn<QByteArray>("bytes");

    // The hash form: an item count, then each key and its value as a variant
    // (type, null flag, data), all big-endian.
    const auto start = [](quint32 count) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << count << QStringLiteral("k");
        return bytes;
    };
    const auto word = [](quint32 value) {
        QByteArray bytes;
        QDataStream(&bytes, QIODevice::WriteOnly) << value;
        return bytes;
    };
    QByteArray nested = start(1);
    for (int level = 0; level < 40000; ++level)
        nested += word(QMetaType::QVariantList) + '\0' + word(1);
    nested += word(QMetaType::Int) + '\0' + word(7);
    QTest::newRow("40000 nested lists") << nested;
    QTest::newRow("polygon of 2^31 points") << start(1) + word(QMetaType::QPolygon) + '\0' + word(0x80000000u);
    QTest::newRow("list of 2^31 items") << start(1) + word(QMetaType::QVariantList) + '\0' + word(0x80000000u);
    QTest::newRow("2^32-1 items") << word(0xffffffffu) + word(0);
}

void TestCmnSettingsExchange::hashOfHashesRefusesNestedAndHugeValues()
{
    QFETCH(QByteArray, bytes);
    const TCmnVariantHashHash good{{QStringLiteral("b"), {{QStringLiteral("x"), 5}}}};
    TCmnByteArrayHash arrays = CmnVariantHashesToByteArrays(good);
    arrays.insert(QStringLiteral("61"), bytes);
    QTest::ignoreMessage(QtWarningMsg, "Settings value 'a' is damaged and was ignored");
    QElapsedTimer timer;
    timer.start();
    const TCmnVariantHashHash hashes = CmnByteArraysToVariantHashes(arrays);
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(hashes.value(QStringLiteral("a")), QVariantHash());
    QCOMPARE(hashes.value(QStringLiteral("b")), good.value(QStringLiteral("b")));
}

void TestCmnSettingsExchange::groupPresenceIsCaseSensitive()
{
    CTestSettingsScope scope;
    const auto store = OpenStore(scope);
    QVariantHash saved{{QStringLiteral("k"), QStringLiteral("v")}};
    Saving(store).ExchangeVariantHash(QStringLiteral("Data"), saved, {});
    QVariantHash loaded;
    const QVariantHash fallback{{QStringLiteral("default"), true}};
    Loading(store).ExchangeVariantHash(QStringLiteral("data"), loaded, fallback);
    QCOMPARE(loaded, fallback);
}

void TestCmnSettingsExchange::keysWithSeparatorsAreNotStored()
{
    CTestSettingsScope scope;
    const auto store = OpenStore(scope);
    QVariantHash values{{QStringLiteral("a/b"), 1}, {QStringLiteral("a\\b"), 2}, {QStringLiteral("ok"), 3}};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("a/b")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("a\\\\b")));
    Saving(store).ExchangeVariantHash(QStringLiteral("data"), values, {});
    store->beginGroup(QStringLiteral("group/data"));
    QCOMPARE(store->childKeys(), QStringList{QStringLiteral("ok")});
    QCOMPARE(store->childGroups(), QStringList());
    store->endGroup();
}

QTEST_GUILESS_MAIN(TestCmnSettingsExchange)
#include "tst_cmnsettingsexchange.moc"
