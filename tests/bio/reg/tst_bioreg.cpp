#include "bioreg.h"
#include "bioregrecord.h"
#include "bioregtesting.h"
#include "bioterminology.h"
#include "cmnregindexlistmodel.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QStringList Names(const CBioReg &reg, const CCmnRegIndexList &list)
{
    QStringList names;
    for (const CCmnRegIndexEntry &entry : list.Entries())
        names << reg.GetRecord(entry.m_Id)->GetName();
    return names;
}

QPair<int, int> IndexedParents(const CBioReg &reg, int id)
{
    const CBioPedigree &index = reg.GetParentIndex();
    if (id > index.Highest())
        return {-1, -1};
    // The stored pair, even a parent beyond the table that ParentsOf would hide.
    const CBioParents &parents = index.Entries().at(id);
    return {parents.sire, parents.dam};
}

// Counts the records a deletion asks to drop their links.
class CCountingReg : public CBioReg
{
public:
    CCountingReg() : CBioReg(CCmnRegFieldsSettings()) {}
    bool ClearReferencesToRecord(int recordId, int removedId) override
    {
        m_Asked.append(recordId);
        return CBioReg::ClearReferencesToRecord(recordId, removedId);
    }
    QList<int> m_Asked;
};

} // namespace

class TestBioReg : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void startsWithTheIdentityFields();
    void filesEachAnimalInItsSexList();
    void renamingOrChangingSexMovesTheEntries();
    void firstRecordAndMatchesBySex();
    void setParentNotifiesThenReportsModified();
    void unchangedParentEmitsNothing();
    void deletingASireClearsTheLinks();
    void deletingKeepsTheOffspringIndexCorrect();
    void deletionAsksOnlyTheChildren();
    void offspringInAscendingIdOrder();
    void rebuildParentIndexFollowsTheAllRecordsList();
    void fillingThroughTheBaseKeepsTheParentIndex();
    void deletionAfterABulkFillClearsEveryChild();
    void resetEmptiesEverything();
    void modelChoosesTheListByItsSexFilter();
};

void TestBioReg::initTestCase()
{
    BioCreateTerminology();
}

void TestBioReg::cleanupTestCase()
{
    BioDestroyTerminology();
}

void TestBioReg::startsWithTheIdentityFields()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    QCOMPARE(reg.GetIdentityFieldIds(), QList<int>({-101, -1}));
    QCOMPARE(reg.GetInbreedingSettings(), CBioInbreedingSettings());
    QCOMPARE(reg.GetNameDisplaySettings(), CBioNameDisplaySettings());
    QVERIFY(!reg.IsOffspringIndexValid());
    QCOMPARE(reg.GetParentIndex().Highest(), 0);
    const int id = reg.AddNamedRecord("Rex", true);
    reg.GetBioRecord(id)->SetValue(-107, 0, "Ch");
    reg.GetBioRecord(id)->SetValue(-108, 0, "II");
    QCOMPARE(reg.RecordDisplayName(id), QStringLiteral("Ch Rex II"));
    QCOMPARE(reg.RecordNameWithSuffix(id), QStringLiteral("Rex II"));
    CBioNameDisplaySettings noSuffix;
    noSuffix.m_IncludeSuffix = false;
    reg.SetNameDisplaySettings(noSuffix);
    QCOMPARE(reg.RecordDisplayNameHtml(id), QStringLiteral("<span style='color:#ff0000;'>Ch Rex</span>"));
    QVERIFY(dynamic_cast<CBioRegRecord *>(reg.CreateRecord().data()));
}

void TestBioReg::filesEachAnimalInItsSexList()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    AddAnimal(reg, "Rex", 1);
    const int bella = AddAnimal(reg, "Bella", 2);
    AddAnimal(reg, "Pip", 0);
    AddAnimal(reg, "Odd", -1);
    QCOMPARE(Names(reg, reg.IndexListForSex(0)), QStringList({"Bella", "Odd", "Pip", "Rex"}));
    QCOMPARE(Names(reg, reg.IndexListForSex(1)), QStringList({"Rex"}));
    QCOMPARE(Names(reg, reg.IndexListForSex(2)), QStringList({"Bella"}));
    QCOMPARE(Names(reg, reg.IndexListForSex(3)), QStringList({"Pip"}));
    QCOMPARE(&reg.IndexListForSex(9), &reg.IndexListForSex(0));

    const QList<CCmnRegIndexList *> lists = reg.GetIndexListsForRecord(*reg.GetRecord(bella));
    QCOMPARE(lists, QList<CCmnRegIndexList *>({&reg.IndexListForSex(0), &reg.IndexListForSex(2)}));
    QCOMPARE(reg.GetIndexLists().size(), 4);
}

void TestBioReg::renamingOrChangingSexMovesTheEntries()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int rex = AddAnimal(reg, "Rex", 1);
    AddAnimal(reg, "Max", 1);
    ReplaceWith(reg, rex, [](CBioRegRecord &r) { r.m_Name = "Aaron"; });
    QCOMPARE(Names(reg, reg.IndexListForSex(1)), QStringList({"Aaron", "Max"}));
    ReplaceWith(reg, rex, [](CBioRegRecord &r) { r.m_Sex = 2; });
    QCOMPARE(Names(reg, reg.IndexListForSex(1)), QStringList({"Max"}));
    QCOMPARE(Names(reg, reg.IndexListForSex(2)), QStringList({"Aaron"}));
    QCOMPARE(Names(reg, reg.IndexListForSex(0)), QStringList({"Aaron", "Max"}));

    const CBioRegRecord &a = *reg.GetBioRecord(rex);
    CBioRegRecord b(a);
    QVERIFY(!reg.IndexKeyChanged(a, b));
    b.m_Sire = 5;   // parents are no index key
    QVERIFY(!reg.IndexKeyChanged(a, b));
    b.m_Name = "aaron";
    QVERIFY(reg.IndexKeyChanged(a, b));
}

void TestBioReg::firstRecordAndMatchesBySex()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    QCOMPARE(reg.FirstRecordOfSex(1), 0);
    const int zed = AddAnimal(reg, "Zed", 1);
    const int bella = AddAnimal(reg, "Bella", 2);
    const int amy = AddAnimal(reg, "Amy", 0);
    const int bella2 = AddAnimal(reg, "bella", 0);
    QCOMPARE(reg.FirstRecordOfSex(1), zed);
    QCOMPARE(reg.FirstRecordOfSex(2), bella);
    QCOMPARE(reg.FirstRecordOfSex(3), amy);   // not the unknown list: all records
    QCOMPARE(reg.FindMatchingRecords(0, "BELLA"), QVector<int>({bella, bella2}));
    QCOMPARE(reg.FindMatchingRecords(3, "Bella"), QVector<int>({bella2}));
    QCOMPARE(reg.FindMatchingRecords(1, "Bella"), QVector<int>());
}

void TestBioReg::setParentNotifiesThenReportsModified()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int sire = AddAnimal(reg, "Rex", 1);
    const int dam = AddAnimal(reg, "Bella", 2);
    const int pup = AddAnimal(reg, "Pup", 0);
    reg.BuildOffspringHash();
    QSignalSpy notifications(&reg, &CCmnReg::RegRecordNotification);
    QSignalSpy modified(&reg, &CCmnReg::RegModified);
    QStringList order;
    connect(&reg, &CCmnReg::RegRecordNotification, this,
            [&order](CCmnReg *, int, int code) { order << QString::number(code); });
    connect(&reg, &CCmnReg::RegModified, this, [&order](CCmnReg *) { order << "modified"; });

    QVERIFY(reg.SetParent(pup, 1, sire));
    QVERIFY(reg.SetParent(pup, 2, dam));
    QCOMPARE(order, QStringList({"101", "modified", "102", "modified"}));
    QCOMPARE(notifications.size(), 2);
    QCOMPARE(notifications.at(0).at(0).value<CCmnReg *>(), &reg);
    QCOMPARE(notifications.at(0).at(1).toInt(), pup);
    QCOMPARE(modified.size(), 2);
    QCOMPARE(reg.GetBioRecord(pup)->m_Sire, sire);
    QCOMPARE(IndexedParents(reg, pup), qMakePair(sire, dam));
    QVERIFY(!reg.IsOffspringIndexValid());
    QCOMPARE(reg.GetOffspring(dam), QVector<int>({pup}));
}

void TestBioReg::unchangedParentEmitsNothing()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int sire = AddAnimal(reg, "Rex", 1);
    const int pup = AddAnimal(reg, "Pup", 0, sire);
    const CBioRegRecord *before = reg.GetBioRecord(pup);
    QSignalSpy notifications(&reg, &CCmnReg::RegRecordNotification);
    QSignalSpy modified(&reg, &CCmnReg::RegModified);
    QVERIFY(!reg.SetParent(pup, 1, sire));
    QVERIFY(!reg.SetParent(pup, 2, 0));
    QCOMPARE(notifications.size(), 0);
    QCOMPARE(modified.size(), 0);
    QCOMPARE(reg.GetBioRecord(pup), before);   // not even replaced by a copy
}

void TestBioReg::deletingASireClearsTheLinks()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int sire = AddAnimal(reg, "Rex", 1);
    const int dam = AddAnimal(reg, "Bella", 2);
    const int first = AddAnimal(reg, "Pup 1", 0, sire, dam);
    const int second = AddAnimal(reg, "Pup 2", 0, sire, 0);
    QSignalSpy notifications(&reg, &CCmnReg::RegRecordNotification);

    QVERIFY(reg.DeleteRecord(sire, true));
    QVERIFY(!reg.DeleteRecord(sire, true));
    QCOMPARE(notifications.size(), 0);   // the delete command notifies, not the store
    QCOMPARE(reg.GetRecord(sire), nullptr);
    for (int pup : {first, second})
        QCOMPARE(reg.GetBioRecord(pup)->m_Sire, 0);
    QCOMPARE(IndexedParents(reg, first), qMakePair(0, dam));
    QCOMPARE(IndexedParents(reg, second), qMakePair(0, 0));
    QCOMPARE(IndexedParents(reg, sire), qMakePair(0, 0));
    QCOMPARE(Names(reg, reg.IndexListForSex(1)), QStringList());

    // The freed id comes back, and must not become anybody's sire.
    const int reused = AddAnimal(reg, "Newcomer", 1);
    QCOMPARE(reused, sire);
    for (int pup : {first, second})
        QCOMPARE(reg.GetBioRecord(pup)->m_Sire, 0);
    QCOMPARE(reg.GetOffspring(reused), QVector<int>());
    QCOMPARE(reg.GetOffspring(dam), QVector<int>({first}));
}

void TestBioReg::deletingKeepsTheOffspringIndexCorrect()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int grandsire = AddAnimal(reg, "Old", 1);
    const int sire = AddAnimal(reg, "Rex", 1, grandsire);
    const int pup = AddAnimal(reg, "Pup", 0, sire);
    reg.BuildOffspringHash();
    QVERIFY(reg.DeleteRecord(sire, true));
    QVERIFY(reg.IsOffspringIndexValid());
    QCOMPARE(reg.GetOffspring(grandsire), QVector<int>());
    QCOMPARE(reg.GetOffspring(sire), QVector<int>());
    QCOMPARE(reg.GetBioRecord(pup)->m_Sire, 0);
    // A later deletion still finds the children from the index.
    const int pup2 = AddAnimal(reg, "Pup 2", 0, grandsire);
    QVERIFY(reg.DeleteRecord(grandsire, true));
    QCOMPARE(reg.GetBioRecord(pup2)->m_Sire, 0);
    QCOMPARE(IndexedParents(reg, pup2), qMakePair(0, 0));
}

void TestBioReg::deletionAsksOnlyTheChildren()
{
    CCountingReg reg;
    for (int i = 0; i < 1000; ++i)
        AddAnimal(reg, QStringLiteral("Animal %1").arg(i), i % 3);
    const int sire = AddAnimal(reg, "Rex", 1);
    const int first = AddAnimal(reg, "Pup 1", 0, sire);
    const int second = AddAnimal(reg, "Pup 2", 0, 5, sire);
    QVERIFY(reg.DeleteRecord(sire, true));
    QCOMPARE(reg.m_Asked, QList<int>({first, second}));
    QCOMPARE(reg.GetBioRecord(second)->m_Dam, 0);
    QCOMPARE(reg.GetBioRecord(second)->m_Sire, 5);
    reg.m_Asked.clear();
    QVERIFY(reg.DeleteRecord(7, true));
    QCOMPARE(reg.m_Asked, QList<int>());
}

void TestBioReg::offspringInAscendingIdOrder()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int sire = AddAnimal(reg, "Rex", 1);
    const int c = AddAnimal(reg, "C", 0, sire);
    const int a = AddAnimal(reg, "A", 0, sire);
    const int selfed = AddAnimal(reg, "Both", 0);
    ReplaceWith(reg, selfed, [sire](CBioRegRecord &r) { r.m_Sire = r.m_Dam = sire; });
    QCOMPARE(reg.GetOffspring(sire), QVector<int>({c, a, selfed, selfed}));
    QVERIFY(reg.IsOffspringIndexValid());
    AddAnimal(reg, "Later", 0);
    QVERIFY(!reg.IsOffspringIndexValid());
}

void TestBioReg::rebuildParentIndexFollowsTheAllRecordsList()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int sire = reg.AddNamedRecord("Rex", false);
    auto pup = QSharedPointer<CBioRegRecord>::create("Pup", &reg);
    pup->m_Sire = sire;
    pup->m_Dam = 77;
    const int pupId = reg.AddRecord(pup, false);
    QCOMPARE(reg.GetParentIndex().Highest(), 0);
    reg.RebuildIndexLists();
    reg.RebuildParentIndex();
    QCOMPARE(IndexedParents(reg, pupId), qMakePair(sire, 77));
    QCOMPARE(IndexedParents(reg, sire), qMakePair(0, 0));
}

void TestBioReg::fillingThroughTheBaseKeepsTheParentIndex()
{
    // Importers and commands of the record layer hold the register as a CCmnReg.
    CBioReg reg{CCmnRegFieldsSettings()};
    CCmnReg &base = reg;
    const int sire = base.AddRecord(QSharedPointer<CBioRegRecord>::create("Rex", &reg), true);
    auto pup = QSharedPointer<CBioRegRecord>::create("Pup", &reg);
    const int pupId = base.AddRecord(pup, true);
    QCOMPARE(IndexedParents(reg, pupId), qMakePair(0, 0));

    auto named = QSharedPointer<CBioRegRecord>::create(*pup);
    named->m_Sire = sire;
    base.ReplaceRecord(pupId, named, true);
    QCOMPARE(IndexedParents(reg, pupId), qMakePair(sire, 0));
    QCOMPARE(reg.GetOffspring(sire), QVector<int>({pupId}));
}

void TestBioReg::deletionAfterABulkFillClearsEveryChild()
{
    // Importers add without updating, then rebuild: the offspring index built
    // before must not hide the new child from a later deletion.
    CBioReg reg{CCmnRegFieldsSettings()};
    const int sire = AddAnimal(reg, "Rex", 1);
    QCOMPARE(reg.GetOffspring(sire), QVector<int>());
    auto pup = QSharedPointer<CBioRegRecord>::create("Pup", &reg);
    pup->m_Sire = sire;
    const int pupId = reg.AddRecord(pup, false);
    reg.RebuildIndexLists();
    reg.RebuildParentIndex();

    QVERIFY(reg.DeleteRecord(sire, true));
    QCOMPARE(reg.GetBioRecord(pupId)->m_Sire, 0);
    QCOMPARE(IndexedParents(reg, pupId), qMakePair(0, 0));
}

void TestBioReg::resetEmptiesEverything()
{
    CCmnRegFieldsSettings initial;
    CBioReg reg{initial};
    const int sire = AddAnimal(reg, "Rex", 1);
    AddAnimal(reg, "Pup", 0, sire);
    reg.BuildOffspringHash();
    CBioInbreedingSettings inbreeding;
    inbreeding.m_Generations = 20;
    reg.SetInbreedingSettings(inbreeding);
    CBioNameDisplaySettings display;
    display.m_IncludeSuffix = false;
    reg.SetNameDisplaySettings(display);

    reg.Reset();
    QCOMPARE(reg.GetRecordCount(), 0);
    QCOMPARE(reg.GetIdentityFieldIds(), QList<int>({-101, -1}));
    for (CCmnRegIndexList *list : reg.GetIndexLists())
        QVERIFY(list->Entries().isEmpty());
    QCOMPARE(reg.GetParentIndex().Highest(), 0);
    QCOMPARE(reg.GetInbreedingSettings(), CBioInbreedingSettings());
    QCOMPARE(reg.GetNameDisplaySettings(), CBioNameDisplaySettings());
    QVERIFY(!reg.IsOffspringIndexValid());
    CCmnRegFieldsSettings applied = reg.GetFieldsSettings();
    QVERIFY(applied == initial);   // the settings have no printable form
    QCOMPARE(AddAnimal(reg, "First", 0), 1);
}

void TestBioReg::modelChoosesTheListByItsSexFilter()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    CCmnRegIndexListModel model;
    QCOMPARE(reg.GetIndexListForModel(&model), &reg.IndexListForSex(0));
    model.setProperty("sexFilter", 2);
    QCOMPARE(reg.GetIndexListForModel(&model), &reg.IndexListForSex(2));
    QCOMPARE(reg.GetIndexListForModel(nullptr), &reg.IndexListForSex(0));
}

QTEST_GUILESS_MAIN(TestBioReg)
#include "tst_bioreg.moc"
