#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnhighlightsamplewidget.h"
#include "paintrecorder.h"

#include <QTest>

namespace {

const QString kDecoration = QStringLiteral(":/cmn/pixmaps/blue-block-16x16.png");

CCmnHighlight BoldRed()
{
    CCmnHighlight highlight;
    highlight.m_Bold = true;
    highlight.m_TextColor = Qt::red;
    return highlight;
}

} // namespace

class TestCmnHighlightEditors : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void samplePaintsInsideContents_data();
    void samplePaintsInsideContents();
    void sampleHatchesOnlyPatterns_data();
    void sampleHatchesOnlyPatterns();
};

void TestCmnHighlightEditors::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
}

void TestCmnHighlightEditors::samplePaintsInsideContents_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("decorated");
    QTest::addColumn<bool>("decorationFirst");

    QTest::newRow("short text") << "CH. Bonzo" << 300 << false << false;
    QTest::newRow("short text, decoration after") << "CH. Bonzo" << 300 << true << false;
    QTest::newRow("short text, decoration first") << "CH. Bonzo" << 300 << true << true;
    const QString wide = "Int. CH. Multi CH. Bonzo of the Long Kennel Name";
    QTest::newRow("wider than the widget") << wide << 60 << false << false;
    QTest::newRow("wider, decoration first") << wide << 60 << true << true;
    QTest::newRow("wider, decoration after") << wide << 60 << true << false;
}

void TestCmnHighlightEditors::samplePaintsInsideContents()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(bool, decorated);
    QFETCH(bool, decorationFirst);
    CCmnHighlightSampleWidget sample(decorationFirst, text);
    CCmnHighlight highlight = BoldRed();
    if (decorated)
        highlight.m_Decoration = kDecoration;
    sample.SetHighlight(highlight);
    sample.resize(width, sample.sizeHint().height());
    const QRect r = sample.contentsRect();

    CPaintRecorder recorder(sample.size());
    sample.render(&recorder);

    QCOMPARE(recorder.Texts().size(), 1);
    const CPaintRecorder::SText &painted = recorder.Texts().first();
    QCOMPARE(painted.m_Color, QColor(Qt::red));
    QVERIFY2(painted.m_Origin.x() >= r.left(), qPrintable(QString::number(painted.m_Origin.x())));
    QCOMPARE(recorder.Pixmaps().size(), decorated ? 1 : 0);
    if (decorated) {
        const QRectF image = recorder.Pixmaps().first().m_Target;
        QVERIFY2(image.left() >= r.left(), qPrintable(QString::number(image.left())));
        QVERIFY(image.top() >= r.top());
        // Before the text, or after it with the gap.
        if (decorationFirst)
            QVERIFY(image.right() < painted.m_Origin.x());
        else
            QVERIFY(image.left() >= painted.Right());
    }
    // A text that fits is centred with what goes with it; one that does not starts
    // at the left edge.
    const qreal used = painted.m_Width + (decorated ? recorder.Pixmaps().first().m_Target.width() + 5 : 0);
    if (used <= r.width()) {
        const qreal left = decorated && decorationFirst ? recorder.Pixmaps().first().m_Target.left()
                                                        : painted.m_Origin.x();
        QVERIFY(qAbs(left - (r.left() + (r.width() - used) / 2)) <= 1.5);
    } else {
        const qreal left = decorated && decorationFirst ? recorder.Pixmaps().first().m_Target.left()
                                                        : painted.m_Origin.x();
        QVERIFY(left - r.left() <= 1);
    }
}

void TestCmnHighlightEditors::sampleHatchesOnlyPatterns_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("hatched");

    QTest::newRow("none") << 0 << QColor(Qt::blue) << false;
    QTest::newRow("diagonal cross") << int(Qt::DiagCrossPattern) << QColor(Qt::blue) << true;
    QTest::newRow("dense, default colour") << int(Qt::Dense3Pattern) << QColor() << true;
    QTest::newRow("gradient from a damaged file") << int(Qt::LinearGradientPattern) << QColor(Qt::blue) << false;
    QTest::newRow("negative from a damaged file") << -3 << QColor(Qt::blue) << false;
}

void TestCmnHighlightEditors::sampleHatchesOnlyPatterns()
{
    QFETCH(int, style);
    QFETCH(QColor, colour);
    QFETCH(bool, hatched);
    CCmnHighlightSampleWidget sample(false, QStringLiteral("CH. Bonzo"));
    CCmnHighlight highlight;
    highlight.m_HatchStyle = style;
    highlight.m_HatchColor = colour;
    sample.SetHighlight(highlight);
    sample.resize(sample.sizeHint());

    CPaintRecorder recorder(sample.size());
    sample.render(&recorder);

    QList<CPaintRecorder::SFill> hatches;
    for (const CPaintRecorder::SFill &fill : recorder.Fills()) {
        if (fill.m_Brush.style() != Qt::NoBrush && fill.m_Rect == QRectF(sample.contentsRect()))
            hatches << fill;
    }
    QCOMPARE(hatches.size(), hatched ? 1 : 0);
    if (hatched) {
        QCOMPARE(hatches.first().m_Brush.style(), Qt::BrushStyle(style));
        const QColor expected = colour.isValid() ? colour : sample.palette().color(QPalette::WindowText);
        QCOMPARE(hatches.first().m_Brush.color(), expected);
    }
}

QTEST_MAIN(TestCmnHighlightEditors)
#include "tst_cmnhighlighteditors.moc"
