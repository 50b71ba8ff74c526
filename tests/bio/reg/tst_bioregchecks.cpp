#include "bioreg.h"
#include "bioregrecord.h"
#include "bioregtesting.h"
#include "bioterminology.h"
#include "cmndatastream.h"
#include "cmndate.h"
#include "cmnregvaluekind.h"
#include "cmnsystemsettings.h"
#include "testpedigreefiles.h"

#include <QDataStream>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

CCmnDate Day(int day, int month, int year)
{
    CCmnDate date;
    date.SetGregorianYmd(day, month, year);
    return date;
}

void SetDates(CBioReg &reg, int id, const CCmnDate &birth, const CCmnDate &death = CCmnDate())
{
    ReplaceWith(reg, id, [&](CBioRegRecord &record) {
        record.SetValue(-103, CmnRegValueDate, QVariant::fromValue(birth));
        record.SetValue(-104, CmnRegValueDate, QVariant::fromValue(death));
    });
}

QVector<int> Sorted(QVector<int> ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}

CBioRegCheckOptions Only(bool parentLinks, bool dates, bool loops)
{
    CBioRegCheckOptions options;
    options.m_CheckParentLinks = parentLinks;
    options.m_CheckDates = dates;
    options.m_CheckLoops = loops;
    return options;
}

} // namespace

class TestBioRegChecks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        BioCreateTerminology();
        CmnCreateSystemSettings();
        CmnGetSystemSettings()->m_DateInputFormat = "[[dd/]mm/]yyyy";
    }
    void cleanupTestCase()
    {
        CmnDestroySystemSettings();
        BioDestroyTerminology();
    }
    void wrongSexParentsAreReported();
    void bornOnOrBeforeAParentsBirthIsReported();
    void deathBeforeBirthNeedsBothDates_data();
    void deathBeforeBirthNeedsBothDates();
    void topGenerationLinksAreNotChecked();
    void nearerPathWidensTheScope();
    void loopInTheSubjectsAncestryGivesItsPath();
    void trialMatingWithOneParentSearchesNoLoop();
    void allRecordsPassReportsPerRecordAndCancels();
    void descendantsWithAndWithoutSelf();
    void damagedRealPedigree();
};

void TestBioRegChecks::wrongSexParentsAreReported()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int sire = AddAnimal(reg, "Smith & Jones <UK>", 2);
    const int dam = AddAnimal(reg, "Bess", 1);
    const int foal = AddAnimal(reg, "Foal", 1, sire, dam);
    QStringList messages;
    reg.CheckRecord(messages, CBioRegCheckOptions(), foal);
    QCOMPARE(messages, QStringList({"Foal: sire 'Smith & Jones <UK>' is female", "Foal: dam 'Bess' is male"}));

    reg.CheckRecord(messages, Only(false, true, true), foal);
    QCOMPARE(messages, QStringList());
}

void TestBioRegChecks::bornOnOrBeforeAParentsBirthIsReported()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int sire = AddAnimal(reg, "Rex", 1);
    const int dam = AddAnimal(reg, "Bess", 2);
    const int foal = AddAnimal(reg, "Foal", 1, sire, dam);
    SetDates(reg, sire, Day(1, 1, 2010));
    SetDates(reg, dam, Day(5, 6, 2012));
    SetDates(reg, foal, Day(5, 6, 2012));
    QStringList messages;
    // The birth order belongs to the parent links, not to the dates.
    reg.CheckRecord(messages, Only(true, false, false), foal);
    QCOMPARE(messages, QStringList({"Foal: born before dam 'Bess' ('05/06/2012', dam born '05/06/2012')"}));
    reg.CheckRecord(messages, Only(false, true, true), foal);
    QCOMPARE(messages, QStringList());
}

void TestBioRegChecks::deathBeforeBirthNeedsBothDates_data()
{
    QTest::addColumn<CCmnDate>("birth");
    QTest::addColumn<CCmnDate>("death");
    QTest::addColumn<bool>("reported");
    QTest::newRow("died before born") << Day(2, 2, 2020) << Day(1, 2, 2020) << true;
    QTest::newRow("died on birthday") << Day(2, 2, 2020) << Day(2, 2, 2020) << false;
    QTest::newRow("no death") << Day(2, 2, 2020) << CCmnDate() << false;
    QTest::newRow("no birth") << CCmnDate() << Day(1, 2, 2020) << false;
}

void TestBioRegChecks::deathBeforeBirthNeedsBothDates()
{
    QFETCH(CCmnDate, birth);
    QFETCH(CCmnDate, death);
    QFETCH(bool, reported);
    CBioReg reg{CCmnRegFieldsSettings()};
    const int id = AddAnimal(reg, "Rex", 1);
    SetDates(reg, id, birth, death);
    QStringList messages;
    reg.CheckRecord(messages, CBioRegCheckOptions(), id);
    const QStringList expected = reported ? QStringList{QString("Rex: recorded as born after date of death (born "
                                                                "'%1' died '%2')")
                                                            .arg(CBioRegRecord::DateText(birth),
                                                                 CBioRegRecord::DateText(death))}
                                          : QStringList();
    QCOMPARE(messages, expected);
    reg.CheckRecord(messages, Only(true, false, true), id);
    QCOMPARE(messages, QStringList());
}

void TestBioRegChecks::topGenerationLinksAreNotChecked()
{
    // A line of sires five generations deep above the subject; every sire's own
    // sire is recorded as female, so each checked link gives one message.
    CBioReg reg{CCmnRegFieldsSettings()};
    int above = AddAnimal(reg, "G5", 2);
    for (const char *name : {"G4", "G3", "G2", "G1"})
        above = AddAnimal(reg, name, 2, above);
    const int subject = AddAnimal(reg, "Subject", 1, above);
    QStringList messages;
    reg.CheckRecord(messages, Only(true, false, false), subject);
    // Subject, G1 (sire), G2, G3 are expanded; G4 four generations up is checked
    // itself but its link to G5 is not.
    QCOMPARE(messages, QStringList({"G1: sire 'G2' is female", "G2: sire 'G3' is female", "G3: sire 'G4' is female",
                                    "Subject: sire 'G1' is female"}));
}

void TestBioRegChecks::nearerPathWidensTheScope()
{
    // The dam is also the sire's dam: the walk above the sire reaches her first, a
    // generation further up than she stands through the subject's own dam link.
    CBioReg reg{CCmnRegFieldsSettings()};
    const int top = AddAnimal(reg, "Top", 2);
    const int greatGrandsire = AddAnimal(reg, "Great-grandsire", 1, top);
    const int grandsire = AddAnimal(reg, "Grandsire", 1, greatGrandsire);
    const int dam = AddAnimal(reg, "Dam", 2, grandsire);
    const int sire = AddAnimal(reg, "Sire", 1, 0, dam);
    const int subject = AddAnimal(reg, "Subject", 1, sire, dam);
    QStringList messages;
    reg.CheckRecord(messages, Only(true, false, false), subject);
    // The great-grandsire is three generations up through the dam, so its own links
    // are checked, however the walk first came to it.
    QCOMPARE(messages, QStringList({"Great-grandsire: sire 'Top' is female"}));
}

void TestBioRegChecks::loopInTheSubjectsAncestryGivesItsPath()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int a = AddAnimal(reg, "A", 1);
    const int b = AddAnimal(reg, "B", 2, a);
    const int dam = AddAnimal(reg, "Dam", 2);
    const int subject = AddAnimal(reg, "Subject", 1, b, dam);
    // A becomes its own grandsire.
    ReplaceWith(reg, a, [&](CBioRegRecord &record) { record.m_Dam = b; });
    QStringList messages;
    reg.CheckRecord(messages, Only(false, false, true), subject);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first() == "Subject: self-parenting loop: B -> A -> B"
                 || messages.first() == "Subject: self-parenting loop: A -> B -> A",
             qPrintable(messages.first()));

    reg.CheckTrialMating(messages, Only(false, false, true), b, dam);
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.first().startsWith("self-parenting loop: "));
    QVERIFY(messages.first().contains(" -> "));

    reg.CheckRecord(messages, Only(false, false, false), subject);
    QCOMPARE(messages, QStringList());
}

void TestBioRegChecks::trialMatingWithOneParentSearchesNoLoop()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int a = AddAnimal(reg, "A", 1);
    ReplaceWith(reg, a, [&](CBioRegRecord &record) { record.m_Sire = a; });
    QStringList messages;
    reg.CheckTrialMating(messages, Only(false, false, true), a, 0);
    QCOMPARE(messages, QStringList());
    QCOMPARE(reg.CollectLoopRecords(a, 0), QVector<int>());
    // With both partners the self-parent is found.
    const int dam = AddAnimal(reg, "Dam", 2);
    QCOMPARE(reg.CollectLoopRecords(a, dam), QVector<int>({a, a}));
    QCOMPARE(reg.AncestorPathText({a, a}), QString("A -> A"));
}

void TestBioRegChecks::allRecordsPassReportsPerRecordAndCancels()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int a = AddAnimal(reg, "A", 2);
    const int dam = AddAnimal(reg, "Dam", 2);
    const int b = AddAnimal(reg, "B", 1, a, dam);
    AddAnimal(reg, "C", 1, b, dam);
    ReplaceWith(reg, a, [&](CBioRegRecord &record) {
        record.m_Sire = b;
        record.m_Dam = dam;
    });
    CBioRegCheckOptions options;
    options.m_AllRecords = true;
    QStringList messages;
    QList<int> steps;
    reg.RunChecks(messages, options, b, a, dam, [&steps](int done, int total) {
        steps.append(done);
        return total == 4;
    });
    QCOMPARE(steps, QList<int>({0, 1, 2, 3, 4}));
    // Each record's messages stand together, in the order of the all-records list;
    // every record below the loop reports it.
    QCOMPARE(messages.size(), 4);
    QVERIFY(messages.at(0).startsWith("A: self-parenting loop: "));
    QCOMPARE(messages.at(1), QString("B: sire 'A' is female"));
    QVERIFY(messages.at(2).startsWith("B: self-parenting loop: "));
    QVERIFY(messages.at(3).startsWith("C: self-parenting loop: "));

    // Nothing given at all also checks every record; cancelling stops at once.
    reg.RunChecks(messages, CBioRegCheckOptions(), 0, 0, 0, [](int, int) { return false; });
    QCOMPARE(messages, QStringList());
}

void TestBioRegChecks::descendantsWithAndWithoutSelf()
{
    CBioReg reg{CCmnRegFieldsSettings()};
    const int sire = AddAnimal(reg, "Rex", 1);
    const int dam = AddAnimal(reg, "Bess", 2);
    const int son = AddAnimal(reg, "Son", 1, sire, dam);
    const int grandchild = AddAnimal(reg, "Grandchild", 2, son, dam);
    QCOMPARE(Sorted(reg.GetDescendants(sire, false)), QVector<int>({son, grandchild}));
    QCOMPARE(Sorted(reg.GetDescendants(dam, true)), Sorted({dam, son, grandchild}));
    QCOMPARE(reg.GetDescendants(grandchild, false), QVector<int>());
    QCOMPARE(reg.GetDescendants(grandchild, true), QVector<int>({grandchild}));
    QCOMPARE(reg.GetDescendants(0, true), QVector<int>());
    // A parent link changed since the last question is seen.
    ReplaceWith(reg, grandchild, [](CBioRegRecord &record) { record.m_Sire = 0; });
    QCOMPARE(Sorted(reg.GetDescendants(son, false)), QVector<int>());
}

void TestBioRegChecks::damagedRealPedigree()
{
    const QString dir = TestPedigreeDir();
    if (dir.isEmpty())
        QSKIP("the shared pedigree files are not there");
    const CTestPedigreeFile file = ReadTestPedigree(dir + "/PedigWithErrors.csv");
    QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
    // Every animal with a row of its own, under its number; the sires named only
    // as parents are left out, so their offspring name animals that are not there,
    // as in a damaged file.
    CBioReg filled{CCmnRegFieldsSettings()};
    QVERIFY(AddPedigreeAnimals(filled, file, file.rows));
    for (int n = 1; n <= file.rows; ++n) {
        CCmnDate born;
        if (file.births.at(n) > 0 && born.SetGregorianYmd(0, 0, file.births.at(n)))
            filled.GetBioRecord(n)->SetValue(-103, CmnRegValueDate, QVariant::fromValue(born));
    }
    // Loaded as a document is: through the register's own stream.
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        CmnPrepareDataStream(out);
        out << filled;
    }
    CBioReg reg{CCmnRegFieldsSettings()};
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    in >> reg;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(reg.GetRecordCount(), file.rows);
    int missingParents = 0;
    for (int n = 1; n <= file.rows; ++n)
        missingParents += (file.sires.at(n) > file.rows) + (file.dams.at(n) > file.rows);
    QCOMPARE(missingParents, 5);
    QCOMPARE(reg.GetReadRepairs().size(), missingParents);

    CBioRegCheckOptions options;
    options.m_AllRecords = true;
    QStringList messages;
    reg.RunChecks(messages, options, 0, 0, 0);

    // A female recorded as the sire of 19 animals; no male is recorded as a dam.
    QCOMPARE(messages.filter("' is male").size(), 0);
    QCOMPARE(messages.filter(": sire '276000810087663' is female").size(), 19);
    QCOMPARE(messages.filter("' is female").size(), 19);
    // The animal that is its own dam, and the four dams that form a circle.
    const QString self = "276000811476506";
    QCOMPARE(messages.filter(QRegularExpression(QString("^%1: self-parenting loop: .*%1 -> %1").arg(self))).size(),
             1);
    const QStringList circle = {"276000802875148", "276000890878480", "276000802938197", "276000802918754"};
    for (const QString &member : circle) {
        const QStringList loops = messages.filter(QRegularExpression("^" + member + ": self-parenting loop: "));
        QCOMPARE(loops.size(), 1);
        for (const QString &other : circle)
            QVERIFY2(loops.first().contains(other), qPrintable(loops.first()));
    }
    // Born in or before a parent's year of birth.
    QStringList bornBefore;
    for (const QString &message : messages.filter(": born before "))
        bornBefore.append(message.section(':', 0, 0));
    bornBefore.sort();
    QCOMPARE(bornBefore, QStringList({"276000802420682", "276000802875148", "276000811476506", "276000890010169",
                                      "276000892078638"}));
}

QTEST_GUILESS_MAIN(TestBioRegChecks)
#include "tst_bioregchecks.moc"
