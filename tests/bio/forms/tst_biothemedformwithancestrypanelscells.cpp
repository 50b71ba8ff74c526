#include "bioancestorcellaccessors.h"
#include "biothemedformwithancestrypanelscelldata.h"
#include "biothemedformwithancestrypanelscelllayout.h"

#include "cmndatastream.h"
#include "cmntheme.h"
#include "cmnthemeaccessors.h"
#include "cmnthemedformautoparams.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformboxnames.h"
#include "fuzzmutations.h"
#include "streamtesting.h"

#include <QTest>

namespace {

using CData = CBioThemedFormWithAncestryPanelsCellData;
using CLayout = CBioThemedFormWithAncestryPanelsCellLayout;

const QString kCells = QStringLiteral("PEDIGREE-ANCESTORSPANEL0-CELLLAYOUT");

template <typename T>
QByteArray Write(const T &payload)
{
    return CmnTestStreamBytes([&](QDataStream &out) { payload.Write(out); });
}

template <typename T>
QPair<bool, QDataStream::Status> Read(const QByteArray &bytes, T &payload)
{
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    const bool ok = payload.Read(in);
    return {ok, in.status()};
}

QByteArray GenericData(const QString &text)
{
    CCmnThemedFormBoxGenericData data;
    data.SetText(text, false);
    return Write(data);
}

QByteArray Entry(qint8 n, qint8 g, const QByteArray &payload)
{
    return QByteArray(1, char(n)) + QByteArray(1, char(g)) + payload;
}

// Every cut of good bytes and a few thousand random damages end without a crash or
// a hang, and a cut never reads as a whole payload.
template <typename T>
void Fuzz(const QByteArray &good)
{
    for (qsizetype length = 0; length < good.size(); ++length) {
        T payload;
        QVERIFY2(!Read(good.left(length), payload).first, qPrintable(QString::number(length)));
    }
    OrvFuzzMutations(good, 31, 3000, 0, [](const QByteArray &damaged) {
        T payload;
        (void)Read(damaged, payload);
    });
}

struct CThemeFixture
{
    CThemeFixture()
    {
        m_Default.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("CMN-DEFAULT")));
        m_Default.AddElt(new CBioThemedFormWithAncestryPanelsCellLayoutElt(kCells));
    }
    CLayout &Cells() { return dynamic_cast<CBioThemedFormWithAncestryPanelsCellLayoutElt *>(
                                  m_Theme.GetEltForWrite(kCells, m_Default))->m_Payload; }
    CCmnThemedFormBoxGenericLayout &FormDefault()
    {
        return dynamic_cast<CCmnThemedFormBoxGenericLayoutElt *>(
                   m_Theme.GetEltForWrite(QStringLiteral("CMN-DEFAULT"), m_Default))->m_Payload;
    }

    CCmnTheme m_Default;
    CCmnTheme m_Theme;
    CCmnThemedFormBoxNames m_Names;
    CCmnThemedFormAutoParams m_Params;
};

#define CELL_ARGS(f) (f).m_Theme, (f).m_Default, kCells, (f).m_Names, &(f).m_Params

} // namespace

class TestBioThemedFormWithAncestryPanelsCells : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultTextsNameTheRecord_data()
    {
        QTest::addColumn<qint32>("n");
        QTest::addColumn<qint32>("g");
        QTest::addColumn<QString>("text");
        QTest::newRow("root") << 4 << 0 << QStringLiteral("[#Name]\n[@ * L 70]");
        QTest::newRow("grandparents") << 4 << 2 << QStringLiteral("[#Name]\n[@ * , 70]");
        QTest::newRow("fourth") << 4 << 3 << QStringLiteral("[#Name] [@ * , 70]");
        QTest::newRow("one generation") << 1 << 0 << QStringLiteral("[#Name]\n[@ * L 70]");
    }
    void defaultTextsNameTheRecord()
    {
        QFETCH(qint32, n);
        QFETCH(qint32, g);
        QFETCH(QString, text);
        CData data;
        QCOMPARE(data.Entry(n, g)->m_Text.m_Text, text);
        QVERIFY(!data.Entry(n, g)->m_Text.m_Html);
    }

    void defaultDataPayloadWritesEveryEntryInOrder()
    {
        CData data;
        QByteArray expected = QByteArray::fromHex("6b00");
        for (qint8 n = 1; n <= 6; ++n) {
            for (qint8 g = 0; g < n; ++g)
                expected += Entry(n, g, Write(*data.Entry(n, g)));
        }
        expected += QByteArray::fromHex("7f");
        QCOMPARE(Write(data), expected);
    }

    void dataReaderKeepsDefaultsAndDropsOutsiders()
    {
        const QByteArray bytes = QByteArray::fromHex("6b00") + Entry(0, 0, GenericData(QStringLiteral("zero")))
                               + Entry(4, 3, GenericData(QStringLiteral("Smith & Jones <UK>")))
                               + Entry(3, 3, GenericData(QStringLiteral("g = n"))) + QByteArray::fromHex("7f");
        CData data;
        data.GetEntry(2, 1).SetText(QStringLiteral("edited"), true);
        QCOMPARE(Read(bytes, data), qMakePair(true, QDataStream::Ok));
        QCOMPARE(data.Entry(4, 3)->m_Text.m_Text, QStringLiteral("Smith & Jones <UK>"));
        QCOMPARE(data.Entry(2, 1)->m_Text.m_Text, CData().Entry(2, 1)->m_Text.m_Text);
        QCOMPARE(data.Entry(3, 2)->m_Text.m_Text, CData().Entry(3, 2)->m_Text.m_Text);

        CData same;
        QCOMPARE(Read(Write(data), same), qMakePair(true, QDataStream::Ok));
        QCOMPARE(same, data);
        QCOMPARE(Read(QByteArray::fromHex("6b01" "7f"), same).first, false);
        QCOMPARE(Read(QByteArray::fromHex("6a00" "7f"), same).first, false);
    }

    void defaultLayoutPayloadHasNoLevels()
    {
        CLayout layout;
        const QByteArray expected = QByteArray::fromHex("6a00") + Write(CCmnThemedFormBoxGenericLayout())
                                  + QByteArray::fromHex("00000000" "7f");
        QCOMPARE(Write(layout), expected);
    }

    void layoutPayloadRoundTripsItsLevels()
    {
        CLayout layout;
        layout.GetSizeLayout(2).m_TextSize = {false, QStringLiteral("Arial;9;")};
        layout.GetSizeLayout(5);
        layout.GetGenLayout(6, 5).m_TextScale = {false, -0.5};
        const QByteArray bytes = Write(layout);
        const qsizetype maskAt = 2 + Write(CCmnThemedFormBoxGenericLayout()).size();
        QCOMPARE(bytes.mid(maskAt, 4), QByteArray::fromHex("00000024"));
        CLayout read;
        read.GetGenLayout(1, 0);
        QCOMPARE(Read(bytes, read), qMakePair(true, QDataStream::Ok));
        QCOMPARE(read, layout);
        QVERIFY(!read.GenLayout(1, 0));
        QVERIFY(!read.SizeLayout(3));

        CLayout copy = layout;
        copy.GetGenLayout(6, 5).m_TextScale.m_Value = 0.25;
        QCOMPARE(layout.GenLayout(6, 5)->m_TextScale.m_Value, -0.5);
    }

    void layoutReaderDropsSizesBeyondSix()
    {
        const QByteArray inherit = Write(CCmnThemedFormBoxGenericLayout());
        const QByteArray bytes = QByteArray::fromHex("6a00") + inherit + QByteArray::fromHex("80000081") + inherit
                               + inherit + Entry(0, 0, inherit) + Entry(3, 3, inherit)
                               + Entry(3, 2, inherit) + QByteArray::fromHex("7f");
        CLayout layout;
        QCOMPARE(Read(bytes, layout), qMakePair(true, QDataStream::Ok));
        for (qint32 n = 1; n <= 6; ++n)
            QVERIFY(!layout.SizeLayout(n));
        QVERIFY(layout.GenLayout(3, 2));
    }

    void damagedDataPayloadsEndSafely()
    {
        CData data;
        data.GetEntry(5, 2).SetText(QStringLiteral("Smith & Jones <UK>"), true);
        Fuzz<CData>(Write(data));
    }

    void damagedLayoutPayloadsEndSafely()
    {
        CLayout layout;
        layout.DefaultLayout().m_TextFace = {false, QStringLiteral("Serif")};
        layout.GetSizeLayout(3).m_FillColor = {false, QColor(Qt::red)};
        layout.GetGenLayout(4, 1).m_Padding = {false, {}};
        Fuzz<CLayout>(Write(layout));
    }

    void elementReadsIntoAClone()
    {
        CThemeFixture fixture;
        fixture.Cells().GetSizeLayout(2).m_FillColor = {false, QColor(Qt::yellow)};
        QByteArray stored;
        {
            QDataStream out(&stored, QIODevice::WriteOnly);
            CmnPrepareDataStream(out);
            fixture.m_Theme.Write(out);
        }
        CCmnTheme read;
        QDataStream in(stored);
        CmnPrepareDataStream(in);
        QVERIFY(read.Read(in));
        const auto *element =
            dynamic_cast<const CBioThemedFormWithAncestryPanelsCellLayoutElt *>(read.GetElt(kCells, fixture.m_Default));
        QVERIFY(element);
        QCOMPARE(element->m_Payload.SizeLayout(2)->m_FillColor.m_Value, QColor(Qt::yellow));
        QVERIFY(read.IsEqual(fixture.m_Theme));
    }

    void genericAccessorsReadTheDefaultLevel()
    {
        CThemeFixture fixture;
        fixture.Cells().DefaultLayout().m_TextColor = {false, QColor(Qt::blue)};
        fixture.Cells().GetSizeLayout(4).m_TextColor = {false, QColor(Qt::red)};
        QCOMPARE(CmnThemeGetTextColor(CELL_ARGS(fixture), false), QColor(Qt::blue));
        QCOMPARE(BioCellLayoutGetTextColor(CELL_ARGS(fixture), 4, 1, false), QColor(Qt::red));
        QCOMPARE(BioCellLayoutGetTextColor(CELL_ARGS(fixture), 3, 1, false), QColor(Qt::blue));
    }

    void automaticTextScale_data()
    {
        QTest::addColumn<qint32>("n");
        QTest::addColumn<qint32>("g");
        QTest::addColumn<double>("scale");
        QTest::newRow("(1,0)") << 1 << 0 << 0.0;
        QTest::newRow("(2,0)") << 2 << 0 << 0.88;
        QTest::newRow("(2,1)") << 2 << 1 << 0.0;
        QTest::newRow("(4,0)") << 4 << 0 << 0.44;
        QTest::newRow("(4,1)") << 4 << 1 << 0.21;
        QTest::newRow("(4,2)") << 4 << 2 << -0.02;
        QTest::newRow("(4,3)") << 4 << 3 << -0.25;
        QTest::newRow("(5,1)") << 5 << 1 << 0.0817;
        QTest::newRow("(6,0)") << 6 << 0 << 0.0;
        QTest::newRow("(6,5)") << 6 << 5 << -0.375;
    }
    void automaticTextScale()
    {
        QFETCH(qint32, n);
        QFETCH(qint32, g);
        QFETCH(double, scale);
        QVERIFY(qAbs(BioAncestorCellAutoTextScale(n, g) - scale) < 0.00005);
        CThemeFixture fixture;
        QCOMPARE(BioCellLayoutGetTextScale(CELL_ARGS(fixture), n, g, false), BioAncestorCellAutoTextScale(n, g));
    }

    void paddingAndGapFollowTheChartSize()
    {
        CThemeFixture fixture;
        const CCmnFormBoxRectExtents padding = BioCellLayoutGetPadding(CELL_ARGS(fixture), 6, 2, false);
        QVERIFY(qAbs(padding.m_Left.Length() - 0.01) < 1e-9);
        QVERIFY(qAbs(padding.m_Bottom.Length() - 0.01) < 1e-9);
        QVERIFY(qAbs(BioCellSizeLayoutGetBoxGap(CELL_ARGS(fixture), 2, false).Length() - 0.05) < 1e-9);

        // The form default's gap counts, but not for the automatic value.
        fixture.FormDefault().m_SingleExtent = {false, CCmnMetric(0, 0.3)};
        QVERIFY(qAbs(BioCellSizeLayoutGetBoxGap(CELL_ARGS(fixture), 2, false).Length() - 0.1) < 1e-9);
        QVERIFY(qAbs(BioCellSizeLayoutGetBoxGap(CELL_ARGS(fixture), 2, true).Length() - 0.05) < 1e-9);
        fixture.Cells().GetSizeLayout(2).m_SingleExtent = {false, CCmnMetric(1, 2.0)};
        QCOMPARE(BioCellSizeLayoutGetBoxGap(CELL_ARGS(fixture), 2, false), CCmnMetric(1, 2.0));

        fixture.Cells().GetGenLayout(6, 2).m_Padding = {false, {}};
        QCOMPARE(BioCellLayoutGetPadding(CELL_ARGS(fixture), 6, 2, false), CCmnFormBoxRectExtents());
        QVERIFY(qAbs(BioCellLayoutGetPadding(CELL_ARGS(fixture), 6, 2, true).m_Top.Length() - 0.01) < 1e-9);
    }

    void levelsAreConsultedInOrder()
    {
        CThemeFixture fixture;
        QCOMPARE(BioCellLayoutGetFillColor(CELL_ARGS(fixture), 3, 1, false), QColor(Qt::transparent));
        fixture.FormDefault().m_FillColor = {false, QColor(Qt::gray)};
        QCOMPARE(BioCellLayoutGetFillColor(CELL_ARGS(fixture), 3, 1, false), QColor(Qt::gray));
        fixture.Cells().DefaultLayout().m_FillColor = {false, QColor(Qt::green)};
        QCOMPARE(BioCellLayoutGetFillColor(CELL_ARGS(fixture), 3, 1, false), QColor(Qt::green));
        fixture.Cells().GetSizeLayout(3).m_FillColor = {false, QColor(Qt::cyan)};
        fixture.Cells().GetGenLayout(3, 1).m_FillColor = {false, QColor(Qt::red)};
        QCOMPARE(BioCellLayoutGetFillColor(CELL_ARGS(fixture), 3, 1, false), QColor(Qt::red));
        QCOMPARE(BioCellLayoutGetFillColor(CELL_ARGS(fixture), 3, 1, true), QColor(Qt::cyan));
        QCOMPARE(BioCellLayoutGetFillColor(CELL_ARGS(fixture), 3, 0, false), QColor(Qt::cyan));

        // Border style and picture position never ask "CMN-DEFAULT".
        fixture.FormDefault().m_BorderStyle = {false, {}};
        QCOMPARE(BioCellLayoutGetBorderStyle(CELL_ARGS(fixture), 3, 1, false).m_Thickness, CCmnMetric(0, 0.01));
        fixture.FormDefault().m_PicturePos = {false, {CCmnMetric(), 3, 0, 100}};
        QCOMPARE(BioCellLayoutGetPicturePos(CELL_ARGS(fixture), 3, 1, false).m_Mode, 0);
        QCOMPARE(BioCellSizeLayoutGetTextSize(CELL_ARGS(fixture), 3, false), QStringLiteral(";11;"));
    }
};

QTEST_GUILESS_MAIN(TestBioThemedFormWithAncestryPanelsCells)
#include "tst_biothemedformwithancestrypanelscells.moc"
