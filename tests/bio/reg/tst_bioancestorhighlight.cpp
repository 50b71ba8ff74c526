#include "bioancestorhighlight.h"
#include "bioancestorhighlightpalette.h"
#include "bioancestoroccurrences.h"
#include "biopedigree.h"

#include <QTest>

namespace {

using CColours = QHash<int, QString>;

// One ancestor met on each side of the pairing as many times as given.
CBioAncestorOccurrences Met(int sireSide, int damSide)
{
    CBioAncestorOccurrences occurrences;
    for (int i = 0; i < sireSide; ++i)
        occurrences.AddAppearance(2, false);
    for (int i = 0; i < damSide; ++i)
        occurrences.AddAppearance(3, true);
    return occurrences;
}

CColours Walk(const CBioPedigree &pedigree, int sire, int dam, int mode)
{
    QVector<CBioAncestorOccurrences> occurrences;
    QVector<int> ids;
    if (!pedigree.CollectAncestors(6, sire, dam, &occurrences, &ids, nullptr))
        return {{-1, QStringLiteral("walk failed")}};
    return BioAssignAncestorHighlightColours(mode, occurrences, ids);
}

} // namespace

class TestBioAncestorHighlight : public QObject
{
    Q_OBJECT
private slots:
    void modeTexts();
    void paletteGivesWhiteAfterThe32nd();
    void modesSelectRepeatOrCommonAncestors_data();
    void modesSelectRepeatOrCommonAncestors();
    void coloursFollowTheWalk();
    void sireThatIsAlsoTheDamsGrandsireQualifies();
};

void TestBioAncestorHighlight::modeTexts()
{
    QCOMPARE(BioAncestorHighlightModeText(0), QStringLiteral("No Highlight"));
    QCOMPARE(BioAncestorHighlightModeText(1), QStringLiteral("Highlight Repeat Ancestors"));
    QCOMPARE(BioAncestorHighlightModeText(2), QStringLiteral("Highlight Common Ancestors"));
    QCOMPARE(BioAncestorHighlightModeText(3), QStringLiteral("??"));
}

void TestBioAncestorHighlight::paletteGivesWhiteAfterThe32nd()
{
    QVector<CBioAncestorOccurrences> occurrences(40, Met(1, 1));
    QVector<int> ids;
    for (int i = 0; i < 40; ++i)
        ids.append(100 + i);
    const CColours colours = BioAssignAncestorHighlightColours(2, occurrences, ids);
    QCOMPARE(colours.size(), 40);
    QCOMPARE(colours.value(100), QStringLiteral("#FF7575"));
    QCOMPARE(colours.value(101), QStringLiteral("#4985D6"));
    QCOMPARE(colours.value(108), QStringLiteral("#FFBBBB"));   // the paler tier begins
    QCOMPARE(colours.value(131), QStringLiteral("#FCFCE9"));
    QCOMPARE(colours.value(132), QStringLiteral("#ffffff"));
    QCOMPARE(colours.value(139), QStringLiteral("#ffffff"));
    QSet<QString> distinct;
    for (int i = 0; i < 32; ++i)
        distinct.insert(colours.value(100 + i));
    QCOMPARE(distinct.size(), 32);
}

void TestBioAncestorHighlight::modesSelectRepeatOrCommonAncestors_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("selected");
    // Ancestors 1..4: once, twice on the sire's side, once on each side, never.
    QTest::newRow("none") << 0 << QList<int>{};
    QTest::newRow("repeat") << 1 << QList<int>{2, 3};
    QTest::newRow("common") << 2 << QList<int>{3};
    QTest::newRow("unknown mode") << 7 << QList<int>{};
}

void TestBioAncestorHighlight::modesSelectRepeatOrCommonAncestors()
{
    QFETCH(int, mode);
    const QVector<CBioAncestorOccurrences> occurrences{Met(1, 0), Met(2, 0), Met(1, 1), Met(0, 0)};
    const CColours colours = BioAssignAncestorHighlightColours(mode, occurrences, {1, 2, 3, 4});
    QList<int> selected = colours.keys();
    std::sort(selected.begin(), selected.end());
    QTEST(selected, "selected");
}

void TestBioAncestorHighlight::coloursFollowTheWalk()
{
    // Full siblings mated: both grandparents are common and repeated.
    CBioPedigree pedigree;
    const int grandsire = pedigree.AppendIndividual(0, 0);
    const int granddam = pedigree.AppendIndividual(0, 0);
    const int brother = pedigree.AppendIndividual(grandsire, granddam);
    const int sister = pedigree.AppendIndividual(grandsire, granddam);
    const int outcross = pedigree.AppendIndividual(0, 0);
    for (int mode : {1, 2}) {
        const CColours colours = Walk(pedigree, brother, sister, mode);
        QCOMPARE(colours, (CColours{{grandsire, QStringLiteral("#FF7575")}, {granddam, QStringLiteral("#4985D6")}}));
        QCOMPARE(Walk(pedigree, brother, outcross, mode), CColours());
    }
    QCOMPARE(Walk(pedigree, brother, sister, 0), CColours());
}

void TestBioAncestorHighlight::sireThatIsAlsoTheDamsGrandsireQualifies()
{
    CBioPedigree pedigree;
    const int sire = pedigree.AppendIndividual(0, 0);
    const int daughter = pedigree.AppendIndividual(sire, 0);
    const int dam = pedigree.AppendIndividual(0, daughter);
    QCOMPARE(Walk(pedigree, sire, dam, 1), (CColours{{sire, QStringLiteral("#FF7575")}}));
    QCOMPARE(Walk(pedigree, sire, dam, 2), (CColours{{sire, QStringLiteral("#FF7575")}}));
}

QTEST_GUILESS_MAIN(TestBioAncestorHighlight)
#include "tst_bioancestorhighlight.moc"
