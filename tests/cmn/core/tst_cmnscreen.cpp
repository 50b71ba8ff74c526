#include "cmnscreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

class TestCmnScreen : public QObject
{
    Q_OBJECT
private slots:
    void availableAreaOfPrimaryScreen();
};

void TestCmnScreen::availableAreaOfPrimaryScreen()
{
    QVERIFY(QGuiApplication::primaryScreen());
    const QRect rect = CmnAvailableScreenRect();
    QVERIFY(!rect.isEmpty());
    QCOMPARE(rect, QGuiApplication::primaryScreen()->availableGeometry());
    QCOMPARE(CmnAvailableScreenSize(), rect.size());
}

QTEST_MAIN(TestCmnScreen)
#include "tst_cmnscreen.moc"
