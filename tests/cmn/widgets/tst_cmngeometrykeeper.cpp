#include "cmngeometrykeeper.h"

#include "testsettingsscope.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QWidget>

class TestCmnGeometryKeeper : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    // Arithmetic on rectangles.
    void anchoredRect_data();
    void anchoredRect();
    void fitsIntoAvailableScreen_data();
    void fitsIntoAvailableScreen();
    void placesWindowGeometry_data();
    void placesWindowGeometry();
    void screenFractionSize_data();
    void screenFractionSize();
    void screenCentre_data();
    void screenCentre();
    void rememberedSizeUsable_data();
    void rememberedSizeUsable();

    // Through a window and a temporary settings store.
    void savesAndRestoresUnderExactKeys_data();
    void savesAndRestoresUnderExactKeys();
    void usesRememberedSizeOnlyWhenUsable_data();
    void usesRememberedSizeOnlyWhenUsable();
    void refusedGeometryFallsBackToFallbackSize();
    void anchorCentresWindowOnPoint();
    void leavesWindowAloneWithoutSizeOrAnchor();

private:
    QRect m_Available;
};

namespace {

const QRect kScreen(0, 0, 1280, 1024);

QByteArray SizeBytes(qint32 width, qint32 height)
{
    return QByteArray::fromHex(QByteArray::number(quint32(width), 16).rightJustified(8, '0')
                               + QByteArray::number(quint32(height), 16).rightJustified(8, '0'));
}

} // namespace

void TestCmnGeometryKeeper::initTestCase()
{
    QVERIFY(QGuiApplication::primaryScreen());
    m_Available = QGuiApplication::primaryScreen()->availableGeometry();
    // The window tests below need room for a 500 x 400 window.
    QVERIFY2(m_Available.width() > 600 && m_Available.height() > 450,
             qPrintable(QStringLiteral("available screen %1 x %2")
                            .arg(m_Available.width())
                            .arg(m_Available.height())));
}

void TestCmnGeometryKeeper::anchoredRect_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("outerSize");
    QTest::addColumn<QPoint>("topLeft");

    const QSize outer(300, 200);
    QTest::newRow("0 centre") << 0 << outer << QPoint(-50, 0);
    QTest::newRow("1 top centre") << 1 << outer << QPoint(-50, 100);
    QTest::newRow("2 bottom centre") << 2 << outer << QPoint(-50, -100);
    QTest::newRow("3 right centre") << 3 << outer << QPoint(-200, 0);
    QTest::newRow("4 left centre") << 4 << outer << QPoint(100, 0);
    QTest::newRow("5 top right") << 5 << outer << QPoint(-200, 100);
    QTest::newRow("6 top left") << 6 << outer << QPoint(100, 100);
    QTest::newRow("7 bottom right") << 7 << outer << QPoint(-200, -100);
    QTest::newRow("8 bottom left") << 8 << outer << QPoint(100, -100);
    QTest::newRow("odd size halves round down") << 0 << QSize(301, 201) << QPoint(-50, 0);
    QTest::newRow("unknown mode is top left") << 9 << outer << QPoint(100, 100);
}

void TestCmnGeometryKeeper::anchoredRect()
{
    QFETCH(int, mode);
    QFETCH(QSize, outerSize);
    QFETCH(QPoint, topLeft);

    QCOMPARE(CmnAnchoredRect(mode, QPoint(100, 100), outerSize), QRect(topLeft, outerSize));
}

void TestCmnGeometryKeeper::fitsIntoAvailableScreen_data()
{
    QTest::addColumn<QRect>("outer");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("inside stays") << QRect(100, 100, 300, 200) << kScreen << QPoint(100, 100);
    QTest::newRow("anchored at 100,100 moves right")
        << QRect(-50, 0, 300, 200) << kScreen << QPoint(0, 0);
    QTest::newRow("past the right moves left")
        << QRect(1100, 100, 300, 200) << kScreen << QPoint(980, 100);
    QTest::newRow("past the bottom moves up")
        << QRect(100, 900, 300, 200) << kScreen << QPoint(100, 824);
    QTest::newRow("above a top panel moves down")
        << QRect(100, 10, 300, 200) << QRect(0, 30, 1280, 994) << QPoint(100, 30);
    QTest::newRow("screen left of the origin")
        << QRect(-100, 100, 300, 200) << QRect(-1280, 0, 1280, 1024) << QPoint(-300, 100);
    QTest::newRow("taller than the screen keeps its title bar")
        << QRect(100, 500, 300, 1100) << kScreen << QPoint(100, 0);
    QTest::newRow("wider than the screen keeps its left edge")
        << QRect(-200, 100, 1400, 200) << QRect(50, 0, 1230, 1024) << QPoint(50, 100);
    QTest::newRow("no screen leaves it") << QRect(-50, 0, 300, 200) << QRect() << QPoint(-50, 0);
}

void TestCmnGeometryKeeper::fitsIntoAvailableScreen()
{
    QFETCH(QRect, outer);
    QFETCH(QRect, available);
    QFETCH(QPoint, topLeft);

    QCOMPARE(CmnFitWindowRect(outer, available), QRect(topLeft, outer.size()));
}

void TestCmnGeometryKeeper::placesWindowGeometry_data()
{
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<QRect>("placed");

    // The window below has a frame 5 pixels wide at the sides and bottom and a
    // 25-pixel title bar: decoration 10 x 30, client offset (5, 25).
    const QSize unset(-1, -1);
    const QPoint none(-1, -1);
    QTest::newRow("centred on a point")
        << QSize(400, 300) << 0 << QPoint(500, 400) << QRect(300, 260, 400, 300);
    QTest::newRow("outer 300 x 200 at 100,100 fitted to the edge")
        << QSize(290, 170) << 0 << QPoint(100, 100) << QRect(5, 25, 290, 170);
    QTest::newRow("top left anchor near the corner fitted back")
        << QSize(300, 200) << 6 << QPoint(1270, 1000) << QRect(975, 819, 300, 200);
    QTest::newRow("nothing given keeps the window exactly")
        << unset << 0 << none << QRect(110, 130, 300, 200);
    QTest::newRow("new size stays centred where it was")
        << QSize(200, 100) << 0 << none << QRect(160, 180, 200, 100);
    QTest::newRow("anchor without size keeps the size")
        << unset << 8 << QPoint(200, 700) << QRect(205, 495, 300, 200);
    QTest::newRow("negative anchor coordinate means none")
        << unset << 6 << QPoint(-1, 500) << QRect(110, 130, 300, 200);
}

void TestCmnGeometryKeeper::placesWindowGeometry()
{
    QFETCH(QSize, clientSize);
    QFETCH(int, mode);
    QFETCH(QPoint, anchor);
    QFETCH(QRect, placed);

    const QRect geometry(110, 130, 300, 200);
    const QRect frame(105, 105, 310, 230);
    QCOMPARE(CmnPlaceWindowGeometry(geometry, frame, clientSize, mode, anchor, kScreen), placed);
}

void TestCmnGeometryKeeper::screenFractionSize_data()
{
    QTest::addColumn<double>("widthFraction");
    QTest::addColumn<double>("heightFraction");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("size");

    const QRect laptop(0, 0, 1366, 738);
    QTest::newRow("print preview 0.75") << 0.75 << 0.75 << laptop << QSize(1024, 553);
    QTest::newRow("messages 0.6 x 0.4") << 0.6 << 0.4 << laptop << QSize(819, 295);
    QTest::newRow("bounds included") << 0.1 << 1.0 << kScreen << QSize(128, 1024);
    QTest::newRow("origin does not matter")
        << 0.5 << 0.5 << QRect(1920, 40, 1000, 800) << QSize(500, 400);
    QTest::newRow("0.05 leaves it unset") << 0.05 << 0.5 << laptop << QSize(-1, -1);
    QTest::newRow("above 1 leaves it unset") << 0.5 << 1.01 << laptop << QSize(-1, -1);
    QTest::newRow("no screen leaves it unset") << 0.5 << 0.5 << QRect() << QSize(-1, -1);
}

void TestCmnGeometryKeeper::screenFractionSize()
{
    QFETCH(double, widthFraction);
    QFETCH(double, heightFraction);
    QFETCH(QRect, available);
    QFETCH(QSize, size);

    QCOMPARE(CmnScreenFractionSize(widthFraction, heightFraction, available), size);
}

void TestCmnGeometryKeeper::screenCentre_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("centre");

    QTest::newRow("at the origin") << kScreen << QPoint(640, 512);
    QTest::newRow("odd size") << QRect(0, 0, 1365, 767) << QPoint(682, 383);
    QTest::newRow("below a top panel") << QRect(0, 30, 1366, 738) << QPoint(683, 399);
    QTest::newRow("right of another screen") << QRect(1920, 0, 1280, 1000) << QPoint(2560, 500);
}

void TestCmnGeometryKeeper::screenCentre()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, centre);

    QCOMPARE(CmnScreenCentre(available), centre);
}

void TestCmnGeometryKeeper::rememberedSizeUsable_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("usable");

    QTest::newRow("fits") << QSize(500, 400) << true;
    QTest::newRow("just smaller") << QSize(1279, 1023) << true;
    QTest::newRow("as wide as the screen") << QSize(1280, 400) << false;
    QTest::newRow("as tall as the screen") << QSize(500, 1024) << false;
    QTest::newRow("off-screen width") << QSize(5000, 400) << false;
    QTest::newRow("zero width") << QSize(0, 400) << false;
    QTest::newRow("zero height") << QSize(500, 0) << false;
    QTest::newRow("negative") << QSize(-500, 400) << false;
}

void TestCmnGeometryKeeper::rememberedSizeUsable()
{
    QFETCH(QSize, size);
    QFETCH(bool, usable);

    QCOMPARE(CmnIsRememberedSizeUsable(size, QRect(200, 0, 1280, 1024)), usable);
}

void TestCmnGeometryKeeper::savesAndRestoresUnderExactKeys_data()
{
    QTest::addColumn<int>("remember"); // 0 nothing, 1 size, 2 geometry
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("size") << 1 << QStringList{"printpreviewdialog/size"};
    QTest::newRow("geometry") << 2 << QStringList{"printpreviewdialog/geometry"};
    QTest::newRow("no key") << 0 << QStringList();
}

void TestCmnGeometryKeeper::savesAndRestoresUnderExactKeys()
{
    QFETCH(int, remember);
    QFETCH(QStringList, keys);

    const CTestSettingsScope scope;
    CCmnGeometryKeeper keeper;
    if (remember == 1)
        keeper.SetKeyRememberSize(QStringLiteral("printpreviewdialog"));
    else if (remember == 2)
        keeper.SetKeyRememberGeometry(QStringLiteral("printpreviewdialog"));

    const QRect saved(m_Available.topLeft() + QPoint(40, 50), QSize(500, 400));
    {
        QWidget window;
        window.setGeometry(saved);
        keeper.Save(&window);
    }
    const QSettings settings;
    QCOMPARE(settings.allKeys(), keys);
    if (remember == 1) // two big-endian 32-bit integers
        QCOMPARE(settings.value(keys.first()).toByteArray(), SizeBytes(500, 400));

    QWidget window;
    const QRect initial(m_Available.topLeft() + QPoint(200, 200), QSize(200, 100));
    window.setGeometry(initial);
    keeper.Restore(&window);
    switch (remember) {
    case 1: // the size comes back, centred where the window was
        QCOMPARE(window.geometry(), QRect(initial.topLeft() - QPoint(150, 150), saved.size()));
        break;
    case 2:
        QCOMPARE(window.geometry(), saved);
        break;
    default:
        QCOMPARE(window.geometry(), initial);
    }
}

void TestCmnGeometryKeeper::usesRememberedSizeOnlyWhenUsable_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("used");

    QTest::newRow("fits") << SizeBytes(500, 400) << true;
    QTest::newRow("wider than the screen") << SizeBytes(5000, 400) << false;
    QTest::newRow("as tall as the screen") << SizeBytes(500, m_Available.height()) << false;
    QTest::newRow("zero width") << SizeBytes(0, 400) << false;
    QTest::newRow("negative height") << SizeBytes(500, -400) << false;
    QTest::newRow("cut short") << SizeBytes(500, 400).left(6) << false;
    QTest::newRow("too long") << SizeBytes(500, 400) + QByteArray(4, '\0') << false;
}

void TestCmnGeometryKeeper::usesRememberedSizeOnlyWhenUsable()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, used);

    const CTestSettingsScope scope;
    QSettings().setValue(QStringLiteral("cmnregrecordselectdialog/size"), stored);

    QWidget window;
    window.resize(200, 100);
    CCmnGeometryKeeper()
        .SetKeyRememberSize(QStringLiteral("cmnregrecordselectdialog"))
        .SetScreenFraction(0.5)
        .Restore(&window);
    const QSize fallback(m_Available.width() / 2, m_Available.height() / 2);
    QCOMPARE(window.size(), used ? QSize(500, 400) : fallback);
}

void TestCmnGeometryKeeper::refusedGeometryFallsBackToFallbackSize()
{
    const CTestSettingsScope scope;
    QSettings().setValue(QStringLiteral("printpreviewdialog/geometry"), QByteArray("damaged"));

    QWidget window;
    window.resize(200, 100);
    CCmnGeometryKeeper()
        .SetKeyRememberGeometry(QStringLiteral("printpreviewdialog"))
        .SetScreenFractions(0.75, 0.75)
        .SetFallbackAnchorAtScreenCentre()
        .Restore(&window);
    const QSize size(int(m_Available.width() * 0.75), int(m_Available.height() * 0.75));
    QCOMPARE(window.geometry(), CmnAnchoredRect(0, CmnScreenCentre(m_Available), size));
}

void TestCmnGeometryKeeper::anchorCentresWindowOnPoint()
{
    const QPoint point = m_Available.topLeft() + QPoint(300, 250);
    QWidget window;
    window.resize(200, 100);
    CCmnGeometryKeeper().SetAnchor(0, point).Restore(&window);
    QCOMPARE(window.geometry(), QRect(point - QPoint(100, 50), QSize(200, 100)));

    // Too close to the corner for the whole window: it is moved onto the screen.
    CCmnGeometryKeeper().SetAnchor(0, m_Available.topLeft() + QPoint(10, 10)).Restore(&window);
    QCOMPARE(window.geometry(), QRect(m_Available.topLeft(), QSize(200, 100)));
}

void TestCmnGeometryKeeper::leavesWindowAloneWithoutSizeOrAnchor()
{
    const CTestSettingsScope scope;
    const QRect initial(m_Available.topLeft() + QPoint(30, 40), QSize(200, 100));
    QWidget window;
    window.setGeometry(initial);
    CCmnGeometryKeeper().SetScreenFractions(0.05, 0.5).Restore(&window);
    QCOMPARE(window.geometry(), initial);
    CCmnGeometryKeeper().Restore(nullptr);
    CCmnGeometryKeeper().SetKeyRememberSize(QStringLiteral("x")).Save(nullptr);
    QVERIFY(QSettings().allKeys().isEmpty());
}

QTEST_MAIN(TestCmnGeometryKeeper)
#include "tst_cmngeometrykeeper.moc"
