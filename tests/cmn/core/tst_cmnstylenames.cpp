#include "cmnstylenames.h"

#include <QTest>

class TestCmnStyleNames : public QObject
{
    Q_OBJECT
private slots:
    void brushStyleName_data();
    void brushStyleName();
    void penStyleName_data();
    void penStyleName();
};

// Rows use the toolkit's enumerators, so a name that drifted from its style shows.
void TestCmnStyleNames::brushStyleName_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("name");
    QTest::newRow("no brush") << int(Qt::NoBrush) << "None";
    QTest::newRow("solid") << int(Qt::SolidPattern) << "Solid";
    QTest::newRow("dense 1") << int(Qt::Dense1Pattern) << "Extremely Dense";
    QTest::newRow("dense 2") << int(Qt::Dense2Pattern) << "Very Dense";
    QTest::newRow("dense 3") << int(Qt::Dense3Pattern) << "Somewhat Dense";
    QTest::newRow("dense 4") << int(Qt::Dense4Pattern) << "Half Dense";
    QTest::newRow("dense 5") << int(Qt::Dense5Pattern) << "Somewhat Sparse";
    QTest::newRow("dense 6") << int(Qt::Dense6Pattern) << "Very Sparse";
    QTest::newRow("dense 7") << int(Qt::Dense7Pattern) << "Extremely Sparse";
    QTest::newRow("horizontal") << int(Qt::HorPattern) << "Horizontal Lines";
    QTest::newRow("vertical") << int(Qt::VerPattern) << "Vertical Lines";
    QTest::newRow("cross") << int(Qt::CrossPattern) << "Crossing Horizontal and Vertical Lines";
    QTest::newRow("backward diagonal") << int(Qt::BDiagPattern) << "Backward Diagonal Lines";
    QTest::newRow("forward diagonal") << int(Qt::FDiagPattern) << "Forward Diagonal Lines";
    QTest::newRow("diagonal cross") << int(Qt::DiagCrossPattern) << "Crossing Diagonal Lines";
    QTest::newRow("linear gradient") << int(Qt::LinearGradientPattern) << "???";
    QTest::newRow("texture") << int(Qt::TexturePattern) << "???";
    QTest::newRow("negative") << -1 << "???";
}

void TestCmnStyleNames::brushStyleName()
{
    QFETCH(int, style);
    QFETCH(QString, name);
    QCOMPARE(CmnBrushStyleName(style), name);
}

void TestCmnStyleNames::penStyleName_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("name");
    QTest::newRow("no pen") << int(Qt::NoPen) << "None";
    QTest::newRow("solid") << int(Qt::SolidLine) << "Solid Line";
    QTest::newRow("dash") << int(Qt::DashLine) << "Dashed Line";
    QTest::newRow("dot") << int(Qt::DotLine) << "Dotted Line";
    QTest::newRow("dash dot") << int(Qt::DashDotLine) << "Dash-Dot Line";
    QTest::newRow("dash dot dot") << int(Qt::DashDotDotLine) << "Dash-Dot-Dot Line";
    QTest::newRow("custom dash") << int(Qt::CustomDashLine) << "???";
    QTest::newRow("negative") << -1 << "???";
}

void TestCmnStyleNames::penStyleName()
{
    QFETCH(int, style);
    QFETCH(QString, name);
    QCOMPARE(CmnPenStyleName(style), name);
}

QTEST_GUILESS_MAIN(TestCmnStyleNames)
#include "tst_cmnstylenames.moc"
