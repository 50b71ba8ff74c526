#include "cmnform.h"
#include "cmnformbox.h"
#include "cmnformboxpaintgeometry.h"
#include "cmngraphicsrectitemex.h"
#include "cmngraphicssizedpixmapitem.h"
#include "cmngraphicstextitem.h"

#include <QBuffer>
#include <QDir>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTextDocument>

namespace {

CCmnFormBoxPaintGeometry::CInput BoxInput(double borderWidth, double padding)
{
    CCmnFormBoxPaintGeometry::CInput input;
    input.m_Size = QSizeF(200, 100);
    input.m_Dpi = QSizeF(100, 100);
    input.m_BorderWidth = borderWidth;
    input.m_PadLeft = input.m_PadTop = input.m_PadRight = input.m_PadBottom = padding;
    input.m_HasText = true;
    return input;
}

QByteArray PngBytes(const QSize &size, const QColor &color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage Render(QGraphicsScene &scene, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return image;
}

// Whether any pixel of the rectangle is darker than light grey.
bool HasInk(const QImage &image, const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 160)
                return true;
        }
    }
    return false;
}

// A form with one root box on a scene, at the resolution given.
class CPaintFixture
{
public:
    explicit CPaintFixture(const QSizeF &size = QSizeF(200, 100), double dpi = 100)
        : m_Form(QPointF(0, 0), size, QSizeF(dpi, dpi))
    {
        m_Scene.setSceneRect(0, 0, size.width(), size.height());
        m_Scene.addItem(m_Page);
        m_Box = m_Form.AddRootBox(1, m_Page, 1, 1, 0);
    }

    QGraphicsScene m_Scene;
    QGraphicsRectItem *m_Page = new QGraphicsRectItem;
    CCmnForm m_Form;
    QSharedPointer<CCmnFormBox> m_Box;
};

} // namespace

class TestCmnFormBoxPainting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void borderTextAreaAndRadius();
    void noLineMeansNoBorderAndSquareCorners();
    void fitsPictures_data();
    void fitsPictures();
    void paintsTheItemsOfABox();
    void placeholderShowsOnScreenOnly();
    void textIsSizedAndCentred();
    void rendersFillBorderAndRoundedCorners();
    void sizedPixmapDrawsIntoItsSize();
    void rendersASmallForm();
};

void TestCmnFormBoxPainting::borderTextAreaAndRadius()
{
    const CCmnFormBoxPaintGeometry geometry(BoxInput(2, 10));
    QCOMPARE(geometry.m_BorderRect, QRectF(1, 1, 198, 98));
    QCOMPARE(geometry.m_TextArea, QRectF(12, 12, 176, 76));
    const CCmnFormBoxBorderStyle border{CCmnMetric(0, 0.02), 2, Qt::SolidLine};
    QCOMPARE(border.CornerRadius(100, geometry.m_BorderRect.size()), 15.0);
    // On a small box the fraction of the shorter side is the smaller.
    QCOMPARE(border.CornerRadius(100, QSizeF(200, 50)), 10.0);
}

void TestCmnFormBoxPainting::noLineMeansNoBorderAndSquareCorners()
{
    CPaintFixture fixture;
    fixture.m_Box->SetBorderStyle({CCmnMetric(0, 0.02), 2, Qt::NoPen});
    fixture.m_Form.LayoutFormBoxes();
    QCOMPARE(fixture.m_Box->BorderItem()->pos(), QPointF(0, 0));
    QCOMPARE(fixture.m_Box->BorderItem()->rect(), QRectF(0, 0, 200, 100));
    QCOMPARE(fixture.m_Box->BorderItem()->roundness(), 0);
    QCOMPARE(fixture.m_Box->BorderItem()->pen().style(), Qt::NoPen);
    QCOMPARE(fixture.m_Box->GetLeftInset(100), 0.0);
}

void TestCmnFormBoxPainting::fitsPictures_data()
{
    QTest::addColumn<qint32>("mode");
    QTest::addColumn<qint32>("alignment");
    QTest::addColumn<qint32>("scaling");
    QTest::addColumn<QSizeF>("area");
    QTest::addColumn<QRectF>("picture");
    QTest::addColumn<QRectF>("text");
    QTest::newRow("normal, centred") << 1 << 0 << 100 << QSizeF(100, 100) << QRectF(0, 25, 100, 50)
                                     << QRectF(0, 0, 100, 100);
    QTest::newRow("stretch covers and overflows") << 2 << 0 << 100 << QSizeF(100, 100) << QRectF(-50, 0, 200, 100)
                                                  << QRectF(0, 0, 100, 100);
    QTest::newRow("bleed ignores scaling") << 3 << 1 << 50 << QSizeF(100, 100) << QRectF(-50, 0, 200, 100)
                                           << QRectF(0, 0, 100, 100);
    QTest::newRow("normal, left, half width, gap") << 1 << 1 << 50 << QSizeF(200, 100)
                                                   << QRectF(0, 25, 100, 50) << QRectF(110, 0, 90, 100);
    QTest::newRow("normal, right") << 1 << 2 << 50 << QSizeF(200, 100) << QRectF(100, 25, 100, 50)
                                   << QRectF(0, 0, 90, 100);
    QTest::newRow("normal, top") << 1 << 3 << 100 << QSizeF(100, 100) << QRectF(0, 0, 100, 50)
                                 << QRectF(0, 60, 100, 40);
    QTest::newRow("normal, bottom") << 1 << 4 << 100 << QSizeF(100, 100) << QRectF(0, 50, 100, 50)
                                    << QRectF(0, 0, 100, 40);
}

void TestCmnFormBoxPainting::fitsPictures()
{
    QFETCH(qint32, mode);
    QFETCH(qint32, alignment);
    QFETCH(qint32, scaling);
    QFETCH(QSizeF, area);
    QFETCH(QRectF, picture);
    QFETCH(QRectF, text);
    CCmnFormBoxPaintGeometry::CInput input;
    input.m_Size = area;
    input.m_Dpi = QSizeF(100, 100);
    input.m_PicturePos = {CCmnMetric(0, 0.1), mode, alignment, scaling};
    input.m_PixmapSize = QSize(400, 200);
    input.m_HasText = true;
    const CCmnFormBoxPaintGeometry geometry(input);
    QCOMPARE(geometry.m_PictureArea, QRectF(QPointF(0, 0), area));
    QCOMPARE(geometry.m_PictureRect, picture);
    QCOMPARE(geometry.m_TextArea, text);
}

void TestCmnFormBoxPainting::paintsTheItemsOfABox()
{
    CPaintFixture fixture;
    CCmnFormBox &box = *fixture.m_Box;
    box.SetBorderStyle({CCmnMetric(0, 0.02), 2, Qt::SolidLine});
    CCmnFormBoxRectExtents padding;
    padding.m_Left = padding.m_Top = padding.m_Right = padding.m_Bottom = CCmnMetric(0, 0.1);
    box.SetPadding(padding);
    box.SetPicturePos({CCmnMetric(), 3, 0, 100});
    CCmnPicture picture;
    picture.SetImageBytes(PngBytes(QSize(392, 192), Qt::green)); // the shape of the bleed area
    box.SetPicture(picture);
    box.SetText(QStringLiteral("Rex"));
    fixture.m_Form.LayoutFormBoxes();

    for (CCmnGraphicsRectItemEx *item : {box.FillItem(), box.ClipItem(), box.BorderItem(), box.TopItem()}) {
        QVERIFY(item->isVisible());
        QCOMPARE(item->pos(), QPointF(1, 1));
        QCOMPARE(item->rect(), QRectF(0, 0, 198, 98));
        QCOMPARE(item->roundness(), 15);
    }
    QCOMPARE(box.BorderItem()->pen().widthF(), 2.0);
    // The areas sit inside the clip item, whose origin is the border rectangle's corner.
    QCOMPARE(box.TextItem()->mapToScene(QPointF(0, 0)).x(), 12.0);
    QCOMPARE(box.TextItem()->textWidth(), 176.0);
    QCOMPARE(box.PictureClipItem()->mapRectToScene(box.PictureClipItem()->rect()), QRectF(2, 2, 196, 96));
    QCOMPARE(box.PictureItem()->mapToScene(QPointF(0, 0)), QPointF(2, 2));
    QCOMPARE(box.PictureItem()->Size(), QSizeF(196, 96));
    QVERIFY(box.PictureItem()->isVisible());
    QCOMPARE(box.TopItem()->HoverPen().widthF(), 5.0);
    QCOMPARE(box.TopItem()->HoverPen().color(), QColor(0xA7, 0xA9, 0xFF));
    QVERIFY(box.IsPainted());
}

void TestCmnFormBoxPainting::placeholderShowsOnScreenOnly()
{
    CPaintFixture fixture;
    CCmnFormBox &box = *fixture.m_Box;
    box.SetToolTip(QStringLiteral("Click to set Smith &amp; Jones &lt;UK&gt;"));
    fixture.m_Form.SetOnScreen(true);
    fixture.m_Form.LayoutFormBoxes();
    QVERIFY(box.TextItem()->isVisible());
    QCOMPARE(box.TextItem()->defaultTextColor(), QColor(0, 0, 255));
    QCOMPARE(box.TextItem()->document()->toPlainText(), QStringLiteral("Click to set Smith & Jones <UK>"));

    fixture.m_Form.SetOnScreen(false);
    fixture.m_Form.LayoutFormBoxes();
    QVERIFY(!box.TextItem()->isVisible());
}

void TestCmnFormBoxPainting::textIsSizedAndCentred()
{
    CPaintFixture fixture(QSizeF(400, 300), 96);
    CCmnFormBox &box = *fixture.m_Box;
    box.SetTextFace(QStringLiteral("DejaVu Sans;12;"));
    box.SetText(QStringLiteral("Rex"));
    fixture.m_Form.LayoutFormBoxes();
    QCOMPARE(box.TextItem()->font().pixelSize(), 16);
    const double height = box.TextItem()->boundingRect().height();
    QCOMPARE(box.TextItem()->pos().y(), (300 - height) / 2);

    box.SetTextAlign({2, 1});
    fixture.m_Form.LayoutFormBoxes();
    QCOMPARE(box.TextItem()->pos().y(), 300 - height);
    QVERIFY(!box.TextItem()->toHtml().contains(QStringLiteral("align=\"center\"")));
}

void TestCmnFormBoxPainting::rendersFillBorderAndRoundedCorners()
{
    CPaintFixture fixture;
    CCmnFormBox &box = *fixture.m_Box;
    box.SetBorderStyle({CCmnMetric(0, 0.04), 3, Qt::SolidLine});
    box.SetBorderColor(Qt::black);
    box.SetFillColor(Qt::red);
    box.SetFillStyle({Qt::SolidPattern, 100});
    fixture.m_Form.LayoutFormBoxes();
    const QImage image = Render(fixture.m_Scene, QSize(200, 100));
    QCOMPARE(image.pixelColor(100, 50), QColor(Qt::red));
    QCOMPARE(image.pixelColor(100, 2), QColor(Qt::black));   // on the border line
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));     // outside the rounded corner

    box.SetFillOverride(true, Qt::SolidPattern, Qt::blue, 1.0);
    fixture.m_Form.LayoutFormBoxes();
    QCOMPARE(Render(fixture.m_Scene, QSize(200, 100)).pixelColor(100, 50), QColor(Qt::blue));
}

void TestCmnFormBoxPainting::sizedPixmapDrawsIntoItsSize()
{
    QGraphicsScene scene(0, 0, 100, 100);
    auto *item = new CCmnGraphicsSizedPixmapItem;
    QPixmap pixmap(10, 10);
    pixmap.fill(Qt::darkGreen);
    item->setPixmap(pixmap);
    scene.addItem(item);
    QVERIFY(!HasInk(Render(scene, QSize(100, 100)), QRect(0, 0, 100, 100)));
    item->SetSize(QSizeF(60, 30));
    QCOMPARE(item->boundingRect(), QRectF(0, 0, 60, 30));
    const QImage image = Render(scene, QSize(100, 100));
    QCOMPARE(image.pixelColor(59, 29), QColor(Qt::darkGreen));
    QCOMPARE(image.pixelColor(61, 31), QColor(Qt::white));
}

void TestCmnFormBoxPainting::rendersASmallForm()
{
    CPaintFixture fixture(QSizeF(400, 200), 96);
    CCmnFormBox &root = *fixture.m_Box;
    CCmnFormBoxSplitSettings split;
    split.m_Horizontal = true;
    split.m_Gap = CCmnMetric(0, 0.1);
    root.SetSplitSettings(split);
    CCmnFormBoxRectExtents padding;
    padding.m_Left = padding.m_Top = padding.m_Right = padding.m_Bottom = CCmnMetric(2, 2.0);
    root.SetPadding(padding);
    root.SetBorderStyle({CCmnMetric(2, 0.5), 1, Qt::SolidLine});
    root.SetFillColor(QColor(0xF5, 0xEE, 0xDC));
    root.SetFillStyle({Qt::SolidPattern, 100});
    root.SetTextFace(QStringLiteral("DejaVu Serif;10;"));

    const QSharedPointer<CCmnFormBox> left = fixture.m_Form.AddChildBox(fixture.m_Box, 2, 0, 1);
    left->SetInherited(CmnFormBoxTextFace);
    left->SetBorderStyle({CCmnMetric(0, 0.02), 3, Qt::SolidLine});
    left->SetText(QStringLiteral("<b>Smith &amp; Jones &lt;UK&gt;</b><br/>Champion Brackenfield Silver Whisper of the Lowlands"));
    const QSharedPointer<CCmnFormBox> right = fixture.m_Form.AddChildBox(fixture.m_Box, 3, 1, 1);
    right->SetBorderStyle({CCmnMetric(0, 0.02), 0, Qt::DashLine});
    right->SetToolTip(QStringLiteral("Click to set the logo"));
    CCmnPicture picture;
    picture.SetImageBytes(PngBytes(QSize(40, 30), QColor(0x55, 0x77, 0x99)));
    right->SetPicturePos({CCmnMetric(0, 0.05), 1, 3, 60});
    right->SetPicture(picture);
    right->SetText(QStringLiteral("Logo & caption"));
    fixture.m_Form.SetOnScreen(true);
    fixture.m_Form.LayoutFormBoxes();

    const QImage image = Render(fixture.m_Scene, QSize(400, 200));
    QVERIFY(HasInk(image, left->TextItem()->mapRectToScene(left->TextItem()->boundingRect()).toRect()));
    QCOMPARE(image.pixelColor(right->PictureItem()->mapToScene(QPointF(5, 5)).toPoint()), QColor(0x55, 0x77, 0x99));
    const QString path = QDir::temp().filePath(QStringLiteral("orvanta-small-form.png"));
    QVERIFY(image.save(path));
    qInfo("Rendered to %s", qPrintable(path));
}

QTEST_MAIN(TestCmnFormBoxPainting)
#include "tst_cmnformboxpainting.moc"
