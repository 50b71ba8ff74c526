#include "formpayloadfuzzharness.h"

#include "bioregcoversheetsettings.h"
#include "bioregthemedformwithancestrypanelssettings.h"
#include "biothemedformwithancestrypanelscelldata.h"
#include "biothemedformwithancestrypanelscelllayout.h"
#include "cmntheme.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "fuzzmutations.h"
#include "streamtesting.h"

#include <QLoggingCategory>
#include <QTest>

namespace {

template <typename Writer>
QByteArray Seed(EBioFormPayloadFuzzReader reader, Writer &&write)
{
    return char(reader) + CmnTestStreamBytes(std::forward<Writer>(write));
}

CBioThemedFormWithAncestryPanelsCellData EditedCellData()
{
    CBioThemedFormWithAncestryPanelsCellData data;
    data.GetEntry(5, 2).SetText(QStringLiteral("<i>Smith & Jones <UK></i>"), true);
    data.GetEntry(2, 0).m_Picture.SetImageBytes(QByteArray("not an image"));
    return data;
}

// A value of every kind of property at each level.
CBioThemedFormWithAncestryPanelsCellLayout EditedCellLayout()
{
    CBioThemedFormWithAncestryPanelsCellLayout layout;
    CCmnThemedFormBoxGenericLayout &all = layout.DefaultLayout();
    all.m_Padding = {false, {CCmnMetric(1, 0.2), CCmnMetric(0, 0.1), CCmnMetric(2, 3.0), CCmnMetric(0, 0.05)}};
    all.m_BorderColor = {false, QColor(Qt::darkBlue)};
    all.m_BorderStyle = {false, {CCmnMetric(0, 0.03), 1, Qt::DashLine}};
    all.m_TextFace = {false, QStringLiteral("Serif")};
    all.m_TextAlign = {false, {1, 2}};
    all.m_PicturePos = {false, {CCmnMetric(1, 0.5), 2, 1, 80}};
    layout.GetSizeLayout(2).m_TextSize = {false, QStringLiteral("Arial;9;")};
    layout.GetSizeLayout(5).m_SingleExtent = {false, CCmnMetric(0, 0.2)};
    layout.GetSizeLayout(5).m_FillStyle = {false, {1, 70}};
    layout.GetGenLayout(6, 5).m_TextScale = {false, -0.5};
    layout.GetGenLayout(3, 1).m_FillColor = {false, QColor(Qt::yellow)};
    return layout;
}

} // namespace

// Replays the fuzz harness of the ancestry charts' stored settings and cell elements
// over good seeds, every cut of them, every single-byte change and a fixed run of
// random mutations: none may crash, hang or allocate without bound.
class TestBioFormPayloadFuzz : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Damaged elements are reported once per theme: thousands of themes here.
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("orvanta.theme.warning=false")); }
    void seedsAndMutationsNeverCrash_data();
    void seedsAndMutationsNeverCrash();
};

void TestBioFormPayloadFuzz::seedsAndMutationsNeverCrash_data()
{
    QTest::addColumn<QByteArray>("seed");
    QTest::addColumn<int>("rounds");
    QTest::newRow("default cell data") << Seed(BioFuzzCellData, [](QDataStream &out) {
        CBioThemedFormWithAncestryPanelsCellData().Write(out);
    }) << 1000;
    QTest::newRow("edited cell data") << Seed(BioFuzzCellData, [](QDataStream &out) {
        EditedCellData().Write(out);
    }) << 3000;
    QTest::newRow("edited cell layout") << Seed(BioFuzzCellLayout, [](QDataStream &out) {
        EditedCellLayout().Write(out);
    }) << 3000;
    QTest::newRow("ancestry settings") << Seed(BioFuzzAncestrySettings, [](QDataStream &out) {
        CBioRegThemedFormWithAncestryPanelsSettings settings(true, 0.35, 0.0);
        settings.m_Generations = 6;
        settings.StorePanelSplits(0, settings.GetPanelSplits(0));
        settings.StorePanelSplits(3, CCmnFormBoxSplitSettings());
        settings.Write(out);
    }) << 3000;
    QTest::newRow("cover sheet settings") << Seed(BioFuzzCoverSheetSettings, [](QDataStream &out) {
        CBioRegCoverSheetSettings settings;
        settings.m_FoldStyle = 2;
        settings.m_FrontSplit.m_Proportions = {0.7, 0.3};
        settings.Write(out);
    }) << 2000;
    QTest::newRow("theme") << Seed(BioFuzzTheme, [](QDataStream &out) {
        // Cell data of its own is left to the rows above: its 21 texts make a long seed.
        CCmnTheme theme;
        theme.AddElt(new CBioThemedFormWithAncestryPanelsCellLayoutElt(
            QStringLiteral("TRIALMATING-ANCESTORSPANEL0-CELLLAYOUT"), EditedCellLayout()));
        auto *flap = new CCmnThemedFormBoxGenericDataElt(QStringLiteral("COVERSHEET-FLAP-DATA"));
        flap->m_Payload.SetText(QStringLiteral("Smith & Jones <UK>"), false);
        theme.AddElt(flap);
        theme.Write(out);
    }) << 1000;
}

void TestBioFormPayloadFuzz::seedsAndMutationsNeverCrash()
{
    QFETCH(QByteArray, seed);
    QFETCH(int, rounds);
    const auto run = [](const QByteArray &input) { BioFuzzFormPayloads(input); };
    QCOMPARE(BioFuzzFormPayloads(seed), 1);
    OrvFuzzCutsAndByteChanges(seed, 1, run);
    OrvFuzzMutations(seed, 0x5EED, rounds, 1, run);
}

QTEST_GUILESS_MAIN(TestBioFormPayloadFuzz)
#include "tst_bioformpayloadfuzz.moc"
