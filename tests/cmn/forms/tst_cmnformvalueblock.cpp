#include "cmnformboxborderstyle.h"
#include "cmnformboxfillstyle.h"
#include "cmnformboxpicturepos.h"
#include "cmnformboxrectextents.h"
#include "cmnformboxtext.h"
#include "cmnformboxtextalign.h"
#include "cmnformvalueblock.h"

#include "cmndatastream.h"
#include "cmnpicture.h"

#include <QColor>
#include <QDataStream>
#include <QTest>

#include "streamtesting.h"

namespace {

QByteArray ColorBytes(const QColor &color)
{
    return CmnTestStreamBytes([&](QDataStream &out) { out << color; });
}

QByteArray MetricBytes(const CCmnMetric &metric)
{
    return CmnTestStreamBytes([&](QDataStream &out) { metric.Write(out); });
}

} // namespace

class TestCmnFormValueBlock : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writesTheBlockBytes_data();
    void writesTheBlockBytes();
    void valuesRoundTrip();
    void readsAPicturePositionBlock();
    void refusesDamagedBlocks_data();
    void refusesDamagedBlocks();
    void cutBlocksEndInCorruption();
    void textToHtml();
};

void TestCmnFormValueBlock::writesTheBlockBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("fill colour transparent")
        << CmnTestStreamBytes([](QDataStream &out) {
               CmnWriteBlockTag(out, 46);
               CmnWriteColorBlock(out, Qt::transparent, CmnValueKindTransparentColor);
           })
        << QByteArray::fromHex("2e000d00");
    QTest::newRow("fill colour red")
        << CmnTestStreamBytes([](QDataStream &out) {
               CmnWriteBlockTag(out, 46);
               CmnWriteColorBlock(out, Qt::red, CmnValueKindTransparentColor);
           })
        << QByteArray::fromHex("2e000e0000") + ColorBytes(Qt::red);
    QTest::newRow("border colour black")
        << CmnTestStreamBytes([](QDataStream &out) { CmnWriteColorBlock(out, Qt::black, CmnValueKindBlackColor); })
        << QByteArray::fromHex("1100");
    QTest::newRow("fill style default")
        << CmnTestStreamBytes([](QDataStream &out) { CCmnFormBoxFillStyle().Write(out); }) << QByteArray::fromHex("1900");
    QTest::newRow("fill style 1, 50%")
        << CmnTestStreamBytes([](QDataStream &out) { CCmnFormBoxFillStyle{1, 50}.Write(out); })
        << QByteArray::fromHex("1a00000000000132");
    QTest::newRow("extents with lengths in another unit still default")
        << CmnTestStreamBytes([](QDataStream &out) {
               CCmnFormBoxRectExtents extents;
               extents.m_Left = CCmnMetric(2, 0.0);
               extents.Write(out);
           })
        << QByteArray::fromHex("1500");
    QTest::newRow("border style")
        << CmnTestStreamBytes([](QDataStream &out) { CCmnFormBoxBorderStyle{CCmnMetric(0, 0.5), 2, 1}.Write(out); })
        << QByteArray::fromHex("18000002" "00000001") + MetricBytes(CCmnMetric(0, 0.5));
    QTest::newRow("text alignment")
        << CmnTestStreamBytes([](QDataStream &out) { CCmnFormBoxTextAlign{2, 1}.Write(out); })
        << QByteArray::fromHex("1c00000201");
    QTest::newRow("empty font text") << CmnTestStreamBytes([](QDataStream &out) { CmnWriteFontTextBlock(out, {}); })
                                     << QByteArray::fromHex("0f00");
    QTest::newRow("zero scale") << CmnTestStreamBytes([](QDataStream &out) { CmnWriteTextScaleBlock(out, 0.0); })
                                << QByteArray::fromHex("1300");
    QTest::newRow("single extent")
        << CmnTestStreamBytes([](QDataStream &out) { CmnWriteSingleExtentBlock(out, CCmnMetric(1, 2.0)); })
        << QByteArray::fromHex("200000") + MetricBytes(CCmnMetric(1, 2.0));
    QTest::newRow("text block")
        << CmnTestStreamBytes([](QDataStream &out) { CmnWriteFormBoxText(out, {QStringLiteral("A"), true}); })
        << QByteArray::fromHex("330000000002004101");
}

void TestCmnFormValueBlock::writesTheBlockBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
}

void TestCmnFormValueBlock::valuesRoundTrip()
{
    const CCmnFormBoxRectExtents extents{CCmnMetric(1, 0.5), CCmnMetric(2, 3.0), CCmnMetric(0, 0.1), CCmnMetric()};
    const CCmnFormBoxBorderStyle border{CCmnMetric(2, 0.7), 3, 4};
    const CCmnFormBoxPicturePos picture{CCmnMetric(0, 0.1), 1, 2, 80};
    const CCmnFormBoxText text{QStringLiteral("Smith & Jones <UK>"), false};
    CCmnPicture photo;
    photo.SetFilePath(QStringLiteral(":/no/such.png"));
    photo.SetRotation(1);
    const QByteArray bytes = CmnTestStreamBytes([&](QDataStream &out) {
        extents.Write(out);
        border.Write(out);
        picture.Write(out);
        CmnWriteFormBoxText(out, text);
        CmnWriteColorBlock(out, QColor(10, 20, 30, 40), CmnValueKindBlackColor);
        CmnWriteFontTextBlock(out, QStringLiteral("Georgia;12;Bold"));
        CmnWriteTextScaleBlock(out, 0.25);
        CmnWriteFormBoxPicture(out, photo);
    });
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnFormBoxRectExtents extentsRead;
    CCmnFormBoxBorderStyle borderRead;
    CCmnFormBoxPicturePos pictureRead;
    CCmnFormBoxText textRead;
    QColor colorRead;
    QString faceRead;
    double scaleRead = 0;
    CCmnPicture photoRead;
    QVERIFY(extentsRead.Read(in));
    QVERIFY(borderRead.Read(in));
    QVERIFY(pictureRead.Read(in));
    QVERIFY(CmnReadFormBoxText(in, textRead));
    QVERIFY(CmnReadColorBlock(in, colorRead, CmnValueKindBlackColor));
    QVERIFY(CmnReadFontTextBlock(in, faceRead));
    QVERIFY(CmnReadTextScaleBlock(in, scaleRead));
    QVERIFY(CmnReadFormBoxPicture(in, photoRead));
    QCOMPARE(extentsRead, extents);
    QCOMPARE(borderRead, border);
    QCOMPARE(pictureRead, picture);
    QCOMPARE(textRead, text);
    QCOMPARE(colorRead, QColor(10, 20, 30, 40));
    QCOMPARE(faceRead, QStringLiteral("Georgia;12;Bold"));
    QCOMPARE(scaleRead, 0.25);
    QVERIFY(photoRead == photo);
    QVERIFY(in.atEnd());
}

void TestCmnFormValueBlock::readsAPicturePositionBlock()
{
    const QByteArray bytes = QByteArray::fromHex("1e0000010250") + MetricBytes(CCmnMetric(0, 0.1));
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnFormBoxPicturePos pos;
    QVERIFY(pos.Read(in));
    QCOMPARE(pos.m_Mode, 1);
    QCOMPARE(pos.m_Alignment, 2);
    QCOMPARE(pos.m_Scaling, 80);
    QCOMPARE(pos.m_Gap, CCmnMetric(0, 0.1));

    // A scaling beyond 100 % is read as the most the control offers.
    const QByteArray over = QByteArray::fromHex("1e00000102c8") + MetricBytes(CCmnMetric(0, 0.1));
    QDataStream overIn(over);
    CmnPrepareDataStream(overIn);
    QVERIFY(pos.Read(overIn));
    QCOMPARE(pos.m_Scaling, 100);
}

void TestCmnFormValueBlock::refusesDamagedBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("which");
    // 0 text scale, 1 picture position, 2 tagged fill colour, 3 text block
    QTest::newRow("scale with the extents' kind") << QByteArray::fromHex("1500") << 0;
    QTest::newRow("non-zero second byte") << QByteArray::fromHex("1301") << 0;
    QTest::newRow("non-zero third byte") << QByteArray::fromHex("14000100000000000000000") << 0;
    QTest::newRow("gap without the metric tag") << QByteArray::fromHex("1e0000010250" "28000000000000000000") << 1;
    QTest::newRow("another tag") << QByteArray::fromHex("2d000d00") << 2;
    QTest::newRow("tag with non-zero byte") << QByteArray::fromHex("2e010d00") << 2;
    QTest::newRow("text block of another tag") << QByteArray::fromHex("340000000000" "00") << 3;
}

void TestCmnFormValueBlock::refusesDamagedBlocks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, which);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    bool ok = true;
    double scale = 5;
    CCmnFormBoxPicturePos pos;
    pos.m_Mode = 3;
    QColor color = Qt::red;
    CCmnFormBoxText text{QStringLiteral("x"), true};
    switch (which) {
    case 0:
        ok = CmnReadTextScaleBlock(in, scale);
        QCOMPARE(scale, 0.0);
        break;
    case 1:
        ok = pos.Read(in);
        QCOMPARE(pos, CCmnFormBoxPicturePos());
        break;
    case 2:
        ok = CmnReadBlockTag(in, 46) && CmnReadColorBlock(in, color, CmnValueKindTransparentColor);
        break;
    default:
        ok = CmnReadFormBoxText(in, text);
        QCOMPARE(text, CCmnFormBoxText());
        break;
    }
    QVERIFY(!ok);
    QCOMPARE(in.status(), QDataStream::ReadCorruptData);
}

void TestCmnFormValueBlock::cutBlocksEndInCorruption()
{
    const QByteArray whole = CmnTestStreamBytes([](QDataStream &out) {
        CCmnFormBoxBorderStyle{CCmnMetric(2, 0.7), 3, 4}.Write(out);
        CCmnFormBoxPicturePos{CCmnMetric(0, 0.1), 1, 2, 80}.Write(out);
    });
    for (qsizetype length = 0; length < whole.size(); ++length) {
        QDataStream in(whole.left(length));
        CmnPrepareDataStream(in);
        CCmnFormBoxBorderStyle border;
        CCmnFormBoxPicturePos pos;
        const bool ok = border.Read(in) && pos.Read(in);
        QVERIFY2(!ok, qPrintable(QString::number(length)));
        QVERIFY(in.status() != QDataStream::Ok);
    }
}

void TestCmnFormValueBlock::textToHtml()
{
    QCOMPARE((CCmnFormBoxText{QStringLiteral("Smith & Jones <UK>"), false}.ToHtml()),
             QStringLiteral("Smith &amp; Jones &lt;UK&gt;"));
    QCOMPARE((CCmnFormBoxText{QStringLiteral("<b>x</b>"), true}.ToHtml()), QStringLiteral("<b>x</b>"));
    QCOMPARE(CCmnFormBoxText().ToHtml(), QString());
}

QTEST_MAIN(TestCmnFormValueBlock)
#include "tst_cmnformvalueblock.moc"
