#include "cmnmappedfoldersstore.h"
#include "cmnmappedpath.h"

#include <QTest>

class TestCmnMappedPath : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void pathIsMappedOnlyWithAStore();
    void messageText_data();
    void messageText();
};

void TestCmnMappedPath::cleanup()
{
    CmnDestroyMappedFoldersStore();
}

void TestCmnMappedPath::pathIsMappedOnlyWithAStore()
{
    const QString path = QStringLiteral("/p/Data/a.orv");
    const CCmnMappedPath withoutStore(path);
    QCOMPARE(withoutStore.m_Path, path);
    QCOMPARE(withoutStore.m_MappedPath, path);
    QVERIFY(!withoutStore.m_Device);

    CmnCreateMappedFoldersStore();
    CmnGetMappedFoldersStore()->AddMapping(QStringLiteral("/p/Data"), QStringLiteral("/q"));
    const CCmnMappedPath withStore(path);
    QCOMPARE(withStore.m_Path, path);
    QCOMPARE(withStore.m_MappedPath, QStringLiteral("/q/a.orv"));
}

void TestCmnMappedPath::messageText_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("mapped");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("text");

    QTest::newRow("unmapped")
        << "/home/u/a.orv" << false << "" << "Cannot open (/home/u/a.orv)";
    QTest::newRow("unmapped with detail")
        << "/home/u/a.orv" << false << "read error" << "Cannot open (/home/u/a.orv), read error";
    QTest::newRow("mapped")
        << "/p/Data/a.orv" << true << "" << "Cannot open (/p/Data/a.orv [mapped to /q/a.orv])";
    QTest::newRow("mapped with detail")
        << "/p/Data/a.orv" << true << "open error"
        << "Cannot open (/p/Data/a.orv [mapped to /q/a.orv]), open error";
    QTest::newRow("empty path drops the detail") << "" << true << "read error" << "Cannot open";
}

void TestCmnMappedPath::messageText()
{
    QFETCH(QString, path);
    QFETCH(bool, mapped);
    QFETCH(QString, detail);
    QFETCH(QString, text);
    if (mapped) {
        CmnCreateMappedFoldersStore();
        CmnGetMappedFoldersStore()->AddMapping(QStringLiteral("/p/Data"), QStringLiteral("/q"));
    }
    QCOMPARE(CCmnMappedPath(path).MessageText(QStringLiteral("Cannot open"), detail), text);
}

QTEST_GUILESS_MAIN(TestCmnMappedPath)
#include "tst_cmnmappedpath.moc"
