#include "testmainwindow.h"
#include "testsettingsscope.h"

#include <QSettings>
#include <QTest>

class TestCmnMainWindowEx : public QObject
{
    Q_OBJECT
private slots:
    void mostRecentFileIsTheFirstStored_data();
    void mostRecentFileIsTheFirstStored();
};

void TestCmnMainWindowEx::mostRecentFileIsTheFirstStored_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing stored") << false << QStringList() << QString();
    QTest::newRow("empty list") << true << QStringList() << QString();
    QTest::newRow("one file") << true << QStringList{"/data/herd.orv"} << "/data/herd.orv";
    QTest::newRow("several files")
        << true << QStringList{"/data/b.orv", "/data/a.orv", "/data/c.orv"} << "/data/b.orv";
}

void TestCmnMainWindowEx::mostRecentFileIsTheFirstStored()
{
    QFETCH(bool, stored);
    QFETCH(QStringList, files);
    QFETCH(QString, expected);

    const CTestSettingsScope settings;
    if (stored)
        QSettings().setValue("mainwindow/mru", files);
    const CTestMainWindow window;
    QCOMPARE(window.MostRecentFile(), expected);
    QVERIFY(window.Calls().isEmpty());
}

QTEST_MAIN(TestCmnMainWindowEx)
#include "tst_cmnmainwindowex.moc"
