#include "cmnpixmapwidget.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

QPixmap Solid(const QSize &size, const QColor &colour)
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

QImage Painted(CCmnPixmapWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// The bounding rectangle of the pixels that pass the test.
template <typename TTest>
QRect Bounds(const QImage &image, TTest test)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

bool IsBlue(const QColor &c)
{
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}

bool IsRed(const QColor &c)
{
    return c.red() > 150 && c.green() < 100 && c.blue() < 100;
}

bool IsInk(const QColor &c)
{
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

} // namespace

class TestCmnPixmapWidget : public QObject
{
    Q_OBJECT
private slots:
    void sizeFollowsFontInCharacters();
    void pixmapFillsOneDirection_data();
    void pixmapFillsOneDirection();
    void captionGoesUnderPixmap();
    void captionTallerThanWidgetLeavesNoPixmap();
    void textLinesWithoutPixmap_data();
    void textLinesWithoutPixmap();
    void pressEmitsClicked();
};

void TestCmnPixmapWidget::sizeFollowsFontInCharacters()
{
    CCmnPixmapWidget widget(QSize(20, 6));
    const QFontMetrics metrics = widget.fontMetrics();
    QCOMPARE(widget.sizeHint(), QSize(20 * metrics.averageCharWidth(), 6 * metrics.height()));
    QCOMPARE(widget.minimumSizeHint(), widget.sizeHint());
    QCOMPARE(widget.frameStyle(), 0);
    QCOMPARE(widget.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(widget.sizePolicy().verticalPolicy(), QSizePolicy::Expanding);

    QFont bigger = widget.font();
    bigger.setPixelSize(metrics.height() * 2);
    widget.setFont(bigger);
    const QFontMetrics biggerMetrics(bigger);
    QCOMPARE(widget.sizeHint(), QSize(20 * biggerMetrics.averageCharWidth(), 6 * biggerMetrics.height()));
}

void TestCmnPixmapWidget::pixmapFillsOneDirection_data()
{
    QTest::addColumn<QSize>("widgetSize");
    QTest::addColumn<QSize>("pixmapSize");
    QTest::addColumn<QRect>("drawn");

    QTest::newRow("enlarged to the height") << QSize(400, 200) << QSize(100, 100) << QRect(100, 0, 200, 200);
    QTest::newRow("enlarged to the width") << QSize(200, 400) << QSize(100, 50) << QRect(0, 150, 200, 100);
    QTest::newRow("reduced") << QSize(100, 100) << QSize(400, 200) << QRect(0, 25, 100, 50);
}

void TestCmnPixmapWidget::pixmapFillsOneDirection()
{
    QFETCH(QSize, widgetSize);
    QFETCH(QSize, pixmapSize);
    QFETCH(QRect, drawn);

    CCmnPixmapWidget widget(QSize(10, 5));
    widget.resize(widgetSize);
    widget.SetPixmap(Solid(pixmapSize, Qt::blue));
    QCOMPARE(Bounds(Painted(widget), IsBlue), drawn);
}

void TestCmnPixmapWidget::captionGoesUnderPixmap()
{
    CCmnPixmapWidget widget(QSize(10, 5));
    widget.resize(400, 200);
    widget.SetPixmap(Solid(QSize(100, 100), Qt::blue));
    widget.SetCaption(QStringLiteral("Champion Rex"));
    const QImage image = Painted(widget);

    const int captionHeight = QFontMetrics(widget.font()).height();
    const QRect pixmap = Bounds(image, IsBlue);
    QCOMPARE(pixmap.height(), 200 - captionHeight);
    QCOMPARE(pixmap.top(), 0);
    QCOMPARE(pixmap.center().x(), 199);
    const QRect caption = Bounds(image, IsInk);
    QVERIFY(caption.isValid());
    QVERIFY(caption.top() > pixmap.bottom());
    QVERIFY(caption.bottom() < 200);
    QVERIFY(qAbs(caption.center().x() - 200) <= 2);
    // All of it, on one line.
    QVERIFY(caption.width() >= QFontMetrics(widget.font()).horizontalAdvance(widget.Caption()) - 4);
    QVERIFY(caption.height() <= captionHeight);
}

void TestCmnPixmapWidget::captionTallerThanWidgetLeavesNoPixmap()
{
    CCmnPixmapWidget widget(QSize(10, 5));
    widget.resize(200, QFontMetrics(widget.font()).height() / 2);
    widget.SetPixmap(Solid(QSize(50, 50), Qt::blue));
    widget.SetCaption(QStringLiteral("Champion Rex"));
    QVERIFY(Bounds(Painted(widget), IsBlue).isNull());
}

void TestCmnPixmapWidget::textLinesWithoutPixmap_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("second only") << "" << "No photo";
    QTest::newRow("first only") << "Missing file" << "";
    QTest::newRow("both") << "Missing file" << "rex.jpg";
}

void TestCmnPixmapWidget::textLinesWithoutPixmap()
{
    QFETCH(QString, first);
    QFETCH(QString, second);

    CCmnPixmapWidget widget(QSize(10, 5));
    widget.resize(300, 200);
    widget.SetFirstLine(first);
    widget.SetSecondLine(second);
    const QImage image = Painted(widget);
    const QRect red = Bounds(image, IsRed);
    const QRect ink = Bounds(image, IsInk);

    QCOMPARE(red.isValid(), !first.isEmpty());
    QCOMPARE(ink.isValid(), !second.isEmpty());
    const QFontMetrics metrics(widget.font());
    const QRect text = red | ink;
    // The block of lines is centred both ways.
    QVERIFY(qAbs(text.center().x() - 150) <= 3);
    QVERIFY(qAbs(text.center().y() - 100) <= metrics.height() / 2 + 1);
    // Each line whole, on one line.
    if (red.isValid())
        QVERIFY(red.width() >= metrics.horizontalAdvance(first) - 4);
    if (ink.isValid())
        QVERIFY(ink.width() >= metrics.horizontalAdvance(second) - 4);
    QVERIFY(text.height() <= (red.isValid() && ink.isValid() ? 3 : 1) * metrics.height());
    if (red.isValid() && ink.isValid()) {
        // A blank line's height lies between them.
        QVERIFY(ink.top() - red.bottom() >= metrics.height() - metrics.descent());
        QVERIFY(ink.top() - red.bottom() <= 2 * metrics.height() + 2);
    }
}

void TestCmnPixmapWidget::pressEmitsClicked()
{
    CCmnPixmapWidget widget(QSize(10, 5));
    widget.resize(100, 100);
    QSignalSpy clicked(&widget, &CCmnPixmapWidget::clicked);
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(clicked.count(), 1);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mousePress(&widget, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(clicked.count(), 2);
}

QTEST_MAIN(TestCmnPixmapWidget)
#include "tst_cmnpixmapwidget.moc"
