#include "bioboxkindcatalogue.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnregfieldcontexts.h"
#include "cmnregfieldcontextslayout.h"
#include "cmnwhatsthistexts.h"

#include <QTest>

namespace {

CBioBoxKindWords Words()
{
    return {"Smith & Jones <UK>", "Dam %1", {"Parents", "Grandparents", "GG-Parents", "GGG-Parents", "GGGG-Parents",
                                            "GGGGG-Parents"}};
}

QList<int> Bits(const CCmnRegFieldContextMask &mask)
{
    QList<int> bits;
    for (int bit = 0; bit < CCmnRegFieldContextMask::kContexts; ++bit) {
        if (mask.HasContext(bit))
            bits << bit;
    }
    return bits;
}

} // namespace

class TestBioBoxKindCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void groupsAndItems();
    void gridOfTheGroups();
    void defaultMasks_data();
    void defaultMasks();
    void catalogueKeepsItsFirstWords();
    void everyBoxKindHasHelp();
};

void TestBioBoxKindCatalogue::groupsAndItems()
{
    CCmnRegFieldContexts catalogue;
    BioFillBoxKindCatalogue(catalogue, Words());
    QCOMPARE(catalogue.m_Groups.size(), 4);
    QCOMPARE(catalogue.m_Groups.at(3).m_Name, QString("Ancestors"));
    QCOMPARE(catalogue.m_Groups.at(3).m_OrderKey, 1);
    QCOMPARE(catalogue.m_Groups.at(2).m_OrderKey, 0);

    QList<int> bits;
    QStringList labels;
    for (const CCmnRegFieldContextItem &item : catalogue.m_Items) {
        bits << item.m_Bit;
        labels << item.m_Label;
    }
    QCOMPARE(bits, QList<int>({33, 60, 34, 35, 36, 37, 38, 39, 40, 41, 61, 62, 50, 51, 52, 53, 54, 55}));
    QCOMPARE(labels.mid(8, 4), QStringList({"Smith & Jones <UK> Photo", "Dam %1 Photo", "Smith & Jones <UK> Details",
                                            "Dam %1 Details"}));
    QCOMPARE(labels.at(12), QString("G1 (Parents)"));
    QCOMPARE(labels.at(17), QString("G6 (GGGGG-Parents)"));
    QCOMPARE(catalogue.m_Items.at(1).m_InternalName, QString("PedigreeTitle"));
    QCOMPARE(catalogue.m_Items.at(6).m_InternalName, QString("CoverSheetPic"));
    QCOMPARE(catalogue.m_Items.at(15).m_InternalName, QString("AncestorsGen"));
}

// Pedigree, Cover Sheet and Trial Mating one row each, Ancestors two columns of three.
void TestBioBoxKindCatalogue::gridOfTheGroups()
{
    CCmnRegFieldContexts catalogue;
    BioFillBoxKindCatalogue(catalogue, Words());
    const QList<CCmnRegFieldContextGroupCells> groups = CmnRegFieldContextsLayout(catalogue);
    QCOMPARE(groups.size(), 4);
    for (int group = 0; group < 3; ++group) {
        QCOMPARE(groups.at(group).m_Group, group);
        QCOMPARE(groups.at(group).m_FirstRow, group);
        QCOMPARE(groups.at(group).m_LastRow, group);
    }
    const CCmnRegFieldContextGroupCells &ancestors = groups.at(3);
    QCOMPARE(ancestors.m_FirstRow, 3);
    QCOMPARE(ancestors.m_LastRow, 5);
    QCOMPARE(ancestors.m_Cells.at(2).m_Row, 5);
    QCOMPARE(ancestors.m_Cells.at(2).m_Column, 1);
    QCOMPARE(ancestors.m_Cells.at(3).m_Row, 3);
    QCOMPARE(ancestors.m_Cells.at(3).m_Column, 2);
}

void TestBioBoxKindCatalogue::defaultMasks_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QList<int>>("bits");
    QTest::newRow("titles") << 0 << QList<int>{33, 35};
    QTest::newRow("details") << 1 << QList<int>{36, 60};
    QTest::newRow("trial-mating title") << 2 << QList<int>{39};
    QTest::newRow("trial-mating parents") << 3 << QList<int>{61, 62};
    QTest::newRow("first three generations") << 4 << QList<int>{50, 51, 52};
    QTest::newRow("any other") << 5 << QList<int>{};
    QTest::newRow("negative") << -1 << QList<int>{};
}

void TestBioBoxKindCatalogue::defaultMasks()
{
    QFETCH(int, group);
    QFETCH(QList<int>, bits);
    QCOMPARE(Bits(BioDefaultFieldContextMask(group)), bits);
}

void TestBioBoxKindCatalogue::catalogueKeepsItsFirstWords()
{
    BioCreateTerminology();
    CCmnRegFieldContexts *catalogue = BoxKindCatalogue();
    QCOMPARE(catalogue->m_Items.size(), 18);
    const QString sirePhoto = catalogue->m_Items.at(8).m_Label;
    QCOMPARE(sirePhoto, GetBioTerm(BioTermSire) + " Photo");
    QCOMPARE(catalogue->m_Items.at(13).m_Label, QString("G2 (%1)").arg(GetBioGenerationWord(1, 0, BioTermPlural)));

    CBioTerminologySettings custom;
    custom.ApplySpeciesDefaults(BioSpeciesCustom);
    custom.SetWord(BioTermSire, false, "Smith & Jones <UK>", false);
    BioSetTerminology(custom);
    QCOMPARE(GetBioTerm(BioTermSire), QString("Smith & Jones <UK>"));
    QCOMPARE(BoxKindCatalogue(), catalogue);
    QCOMPARE(catalogue->m_Items.at(8).m_Label, sirePhoto);
    QCOMPARE(catalogue->m_Items.size(), 18);
    BioDestroyTerminology();
}

// The field dialog's usage grid names each box's help after the item.
void TestBioBoxKindCatalogue::everyBoxKindHasHelp()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnLoadWhatsThisTexts();
    CCmnRegFieldContexts catalogue;
    BioFillBoxKindCatalogue(catalogue, Words());
    for (const CCmnRegFieldContextItem &item : catalogue.m_Items) {
        const QString key = "CCmnRegFieldConfDialog.html:Contexts" + item.m_InternalName;
        QVERIFY2(!CmnWhatsThisTexts().value(key).isEmpty(), qPrintable(key));
    }
}

QTEST_GUILESS_MAIN(TestBioBoxKindCatalogue)
#include "tst_bioboxkindcatalogue.moc"
