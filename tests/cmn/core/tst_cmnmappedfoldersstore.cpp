#include "cmnaccessiblefolders.h"
#include "cmnmappedfoldersstore.h"
#include "cmnsettingsexchange.h"
#include "testsettingsscope.h"

#include <QSettings>
#include <QTest>

namespace {

const QString kMappedGroup = QStringLiteral("cmnmappedfoldersettings");
const QString kAccessibleGroup = QStringLiteral("cmnssbf");

// Pairs given flat: source, destination, source, destination ...
CCmnMappedFoldersStore StoreOf(const QStringList &pairs)
{
    CCmnMappedFoldersStore store;
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        store.AddMapping(pairs.at(i), pairs.at(i + 1));
    return store;
}

QStringList PairsOf(const CCmnMappedFoldersStore &store)
{
    QStringList pairs;
    for (qsizetype i = 0; i < store.PairCount(); ++i)
        pairs << store.PairAt(i).first << store.PairAt(i).second;
    return pairs;
}

} // namespace

class TestCmnMappedFoldersStore : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void mapPath_data();
    void mapPath();
    void mappingFollowsChanges();
    void pairsRoundTripInTheirGroup();
    void unevenStoredListsKeepOnlyWholePairs();
    void processWideStoreIsAssignedAndExchanged();
    void accessibleFoldersRoundTripInTheirGroup();
};

void TestCmnMappedFoldersStore::cleanup()
{
    CmnDestroyMappedFoldersStore();
    CmnDestroyAccessibleFolders();
}

void TestCmnMappedFoldersStore::mapPath_data()
{
    QTest::addColumn<QStringList>("pairs");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    const QStringList nested{"/p/Data", "/q/Data", "/p/Data/Photos", "/r/Pics"};
    QTest::newRow("no mappings") << QStringList() << "/p/Data/a.orv" << "/p/Data/a.orv";
    QTest::newRow("longer source wins") << nested << "/p/Data/Photos/a.jpg" << "/r/Pics/a.jpg";
    QTest::newRow("longer source wins whatever the order")
        << QStringList{"/p/Data/Photos", "/r/Pics", "/p/Data", "/q/Data"} << "/p/Data/Photos/a.jpg"
        << "/r/Pics/a.jpg";
    QTest::newRow("parent source") << nested << "/p/Data/b.orv" << "/q/Data/b.orv";
    QTest::newRow("exact match has no trailing slash") << nested << "/p/Data" << "/q/Data";
    QTest::newRow("exact match of the subfolder") << nested << "/p/Data/Photos" << "/r/Pics";
    QTest::newRow("sibling not captured") << QStringList{"/data", "/new"} << "/database/x" << "/database/x";
    QTest::newRow("sibling with a suffix not captured") << nested << "/p/DataOld/x.orv" << "/p/DataOld/x.orv";
    QTest::newRow("unrelated path") << nested << "/elsewhere/x.orv" << "/elsewhere/x.orv";
    QTest::newRow("backslash source") << QStringList{"\\p\\Data", "/q/Data"} << "/p/Data/x.orv" << "/q/Data/x.orv";
    QTest::newRow("case differs: not mapped") << QStringList{"/Data", "/new"} << "/data/x" << "/data/x";
    QTest::newRow("case differs on exact match") << QStringList{"/Data", "/new"} << "/data" << "/data";
    QTest::newRow("rest keeps its case") << nested << "/p/Data/Sub/X.JPG" << "/q/Data/Sub/X.JPG";
    QTest::newRow("destination used as stored") << QStringList{"/p", "D:\\Moved"} << "/p/x" << "D:\\Moved/x";
    QTest::newRow("source with trailing slash") << QStringList{"/p/Data/", "/q"} << "/p/Data/x.orv" << "/q/x.orv";
    QTest::newRow("root maps every absolute path") << QStringList{"/", "/mnt/old"} << "/home/x.jpg"
                                                   << "/mnt/old/home/x.jpg";
    QTest::newRow("root, a longer source wins") << QStringList{"/", "/r", "/home", "/h"} << "/home/x" << "/h/x";
    QTest::newRow("drive root") << QStringList{"C:/", "/c"} << "C:/Photos/a.jpg" << "/c/Photos/a.jpg";
    QTest::newRow("empty source maps nothing") << QStringList{"", "/all"} << "/x.orv" << "/x.orv";
    QTest::newRow("later equal source wins") << QStringList{"/a", "/1", "/a", "/2"} << "/a/x" << "/2/x";
}

void TestCmnMappedFoldersStore::mapPath()
{
    QFETCH(QStringList, pairs);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    CCmnMappedFoldersStore store = StoreOf(pairs);
    QCOMPARE(store.MapPath(path), expected);
}

void TestCmnMappedFoldersStore::mappingFollowsChanges()
{
    CCmnMappedFoldersStore store = StoreOf({"/p", "/q"});
    QCOMPARE(store.MapPath(QStringLiteral("/p/s/x")), QStringLiteral("/q/s/x"));
    store.AddMapping(QStringLiteral("/p/s"), QStringLiteral("/r"));
    QCOMPARE(store.MapPath(QStringLiteral("/p/s/x")), QStringLiteral("/r/x"));
    store.Clear();
    QCOMPARE(store.PairCount(), 0);
    QCOMPARE(store.MapPath(QStringLiteral("/p/s/x")), QStringLiteral("/p/s/x"));
}

void TestCmnMappedFoldersStore::pairsRoundTripInTheirGroup()
{
    CTestSettingsScope scope;
    const QStringList pairs{"C:\\Old Photos", "/home/u/Photos", "/p/Data", "/q/Data"};
    CCmnMappedFoldersStore saved = StoreOf(pairs);
    saved.Exchange(CCmnSettingsExchange(true).Child(kMappedGroup));

    QSettings settings;
    settings.beginGroup(kMappedGroup);
    QCOMPARE(settings.value(QStringLiteral("srcdirs_count")).toInt(), 2);
    QCOMPARE(settings.value(QStringLiteral("srcdirs_1")).toString(), QStringLiteral("C:\\Old Photos"));
    QCOMPARE(settings.value(QStringLiteral("srcdirs_2")).toString(), QStringLiteral("/p/Data"));
    QCOMPARE(settings.value(QStringLiteral("destdirs_count")).toInt(), 2);
    QCOMPARE(settings.value(QStringLiteral("destdirs_1")).toString(), QStringLiteral("/home/u/Photos"));
    QCOMPARE(settings.value(QStringLiteral("destdirs_2")).toString(), QStringLiteral("/q/Data"));

    // Loading replaces what the store held and the mapping uses what was loaded.
    CCmnMappedFoldersStore loaded = StoreOf({"/x", "/y"});
    QCOMPARE(loaded.MapPath(QStringLiteral("/x/1")), QStringLiteral("/y/1"));
    loaded.Exchange(CCmnSettingsExchange(false).Child(kMappedGroup));
    QCOMPARE(PairsOf(loaded), pairs);
    QCOMPARE(loaded.MapPath(QStringLiteral("/x/1")), QStringLiteral("/x/1"));
    QCOMPARE(loaded.MapPath(QStringLiteral("C:/Old Photos/a.jpg")), QStringLiteral("/home/u/Photos/a.jpg"));

    CCmnMappedFoldersStore absent = StoreOf({"/x", "/y"});
    absent.Exchange(CCmnSettingsExchange(false).Child(QStringLiteral("nothing")));
    QCOMPARE(absent.PairCount(), 0);
}

void TestCmnMappedFoldersStore::unevenStoredListsKeepOnlyWholePairs()
{
    CTestSettingsScope scope;
    {
        QSettings settings;
        settings.beginGroup(kMappedGroup);
        settings.setValue(QStringLiteral("srcdirs_count"), 2);
        settings.setValue(QStringLiteral("srcdirs_1"), QStringLiteral("/a"));
        settings.setValue(QStringLiteral("srcdirs_2"), QStringLiteral("/b"));
        settings.setValue(QStringLiteral("destdirs_count"), 1);
        settings.setValue(QStringLiteral("destdirs_1"), QStringLiteral("/1"));
    }
    CCmnMappedFoldersStore loaded;
    loaded.Exchange(CCmnSettingsExchange(false).Child(kMappedGroup));
    QCOMPARE(PairsOf(loaded), (QStringList{"/a", "/1"}));
    QCOMPARE(loaded.MapPath(QStringLiteral("/b/x")), QStringLiteral("/b/x"));
    QCOMPARE(loaded.PairAt(1), (QPair<QString, QString>()));
}

void TestCmnMappedFoldersStore::processWideStoreIsAssignedAndExchanged()
{
    CTestSettingsScope scope;
    QVERIFY(!CmnGetMappedFoldersStore());
    CmnAssignMappedFolders(StoreOf({"/a", "/b"}));
    QVERIFY(!CmnGetMappedFoldersStore());

    CmnCreateMappedFoldersStore();
    QVERIFY(CmnGetMappedFoldersStore());
    QCOMPARE(CmnGetMappedFoldersStore()->MapPath(QStringLiteral("/a/x")), QStringLiteral("/a/x"));
    CmnAssignMappedFolders(StoreOf({"/a", "/b"}));
    QCOMPARE(CmnGetMappedFoldersStore()->MapPath(QStringLiteral("/a/x")), QStringLiteral("/b/x"));

    CmnExchangeMappedFolders(CCmnSettingsExchange(true).Child(kMappedGroup));
    CmnDestroyMappedFoldersStore();
    QVERIFY(!CmnGetMappedFoldersStore());
    CmnCreateMappedFoldersStore();
    CmnExchangeMappedFolders(CCmnSettingsExchange(false).Child(kMappedGroup));
    QCOMPARE(PairsOf(*CmnGetMappedFoldersStore()), (QStringList{"/a", "/b"}));
}

void TestCmnMappedFoldersStore::accessibleFoldersRoundTripInTheirGroup()
{
    CTestSettingsScope scope;
    QVERIFY(!CmnGetAccessibleFolders());
    CmnCreateAccessibleFolders();
    QCOMPARE(*CmnGetAccessibleFolders(), QStringList());
    const QStringList folders{"/home/u/Dogs", "/media/usb/Photos"};
    CmnSetAccessibleFolders(folders);
    CmnExchangeAccessibleFolders(CCmnSettingsExchange(true).Child(kAccessibleGroup));

    QSettings settings;
    settings.beginGroup(kAccessibleGroup);
    QCOMPARE(settings.value(QStringLiteral("folders_count")).toInt(), 2);
    QCOMPARE(settings.value(QStringLiteral("folders_2")).toString(), QStringLiteral("/media/usb/Photos"));

    CmnSetAccessibleFolders({});
    CmnExchangeAccessibleFolders(CCmnSettingsExchange(false).Child(kAccessibleGroup));
    QCOMPARE(*CmnGetAccessibleFolders(), folders);
    QCOMPARE(CmnAccessibleFolderWarning(QStringLiteral("/elsewhere/x.orv")), QString());
    QCOMPARE(CmnIsInAccessibleFolder(QStringLiteral("/home/u/Dogs/x.orv")), false);
}

QTEST_GUILESS_MAIN(TestCmnMappedFoldersStore)
#include "tst_cmnmappedfoldersstore.moc"
