#include "bioregpedigree.h"
#include "bioregpedigreesettings.h"
#include "bioregpedigreestickystate.h"

#include "ancestryformtesting.h"
#include "bioancestorhighlight.h"
#include "bioancestoroccurrences.h"
#include "biopedigree.h"
#include "bioterminologysettings.h"
#include "cmndatastream.h"
#include "cmnrememberedvalues.h"
#include "rendertesting.h"
#include "../reg/bioregtesting.h"
#include "themedformtesting.h"

#include <QDataStream>
#include <QTest>

namespace {

// A photo that loads, held as bytes.
CCmnPicture Photo()
{
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(QColor(0x8B, 0x5A, 0x2B));
    QPainter painter(&image);
    painter.setBrush(QColor(0xF5, 0xDE, 0xB3));
    painter.drawEllipse(QRect(30, 15, 60, 60));
    painter.end();
    return OrvTestPicture(image);
}

void UseDogWords()
{
    CBioTerminologySettings terminology;
    terminology.ApplySpeciesDefaults(BioSpeciesDogs);
    BioSetTerminology(terminology);
}

// The ancestry block of default settings followed by the pedigree's own bytes.
QByteArray WithTail(const QByteArray &tail)
{
    const CBioRegThemedFormWithAncestryPanelsSettings settings(true, 0.38, 0.07);
    return CmnStreamBytes([&](QDataStream &out) { settings.Write(out); }) + tail;
}

// A subject with two named parents and grandparents.
struct CFamily
{
    explicit CFamily(CPedigreeFixture &fixture)
    {
        grandSire = fixture.Add(QStringLiteral("Grandsire"), 1);
        sire = fixture.Add(QStringLiteral("Smith & Jones <UK>"), 1, grandSire);
        dam = fixture.Add(QStringLiteral("Dam"), 2);
        subject = fixture.Add(QStringLiteral("Subject"), 2, sire, dam);
        fixture.m_StickyState->m_SubjectRecNo = subject;
    }
    int grandSire = 0;
    int sire = 0;
    int dam = 0;
    int subject = 0;
};

} // namespace

class TestBioRegPedigree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { CmnCreateRememberedValues(); }
    void init() { BioCreateTerminology(); }

    void headerLayoutNamesTheShownParts_data();
    void headerLayoutNamesTheShownParts();
    void buildsHeaderBoxesThatAreShown();
    void settingsBlockFollowsTheAncestryBlock();
    void readsOlderAndDamagedBlocks_data();
    void readsOlderAndDamagedBlocks();
    void refusesEveryCutOfAGoodBlock();
    void stickyStateKeepsItsSubject();
    void emptyRegisterGivesAnEmptyChart();
    void bindsTheSubjectAndItsAncestors();
    void followsParentChangesOfTheSubject();
    void deletedSubjectIsNoSubject();
    void generationZeroCellsReportTheSubject();
    void rendersFourGenerations();
    void rendersSixGenerationsWithRepeatsHighlighted();
};

void TestBioRegPedigree::headerLayoutNamesTheShownParts_data()
{
    QTest::addColumn<bool>("logo");
    QTest::addColumn<bool>("title");
    QTest::addColumn<bool>("details");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QString>("layout");
    QTest::newRow("default") << true << true << true << true
                             << QStringLiteral("CCmnThemedForm-Leftheaderornament;CBioRegRecordAnipedFormconf-Title;"
                                               "CBioRegRecordAnipedFormconf-Details;"
                                               "CBioRegRecordAnipedFormconf-Subjectpic");
    QTest::newRow("title only") << false << true << false << false
                                << QStringLiteral("CBioRegRecordAnipedFormconf-Title");
    QTest::newRow("logo and photo") << true << false << false << true
                                    << QStringLiteral("CCmnThemedForm-Leftheaderornament;"
                                                      "CBioRegRecordAnipedFormconf-Subjectpic");
    QTest::newRow("nothing") << false << false << false << false << QString();
}

void TestBioRegPedigree::headerLayoutNamesTheShownParts()
{
    QFETCH(bool, logo);
    QFETCH(bool, title);
    QFETCH(bool, details);
    QFETCH(bool, picture);
    QFETCH(QString, layout);
    CPedigreeFixture fixture;
    // Defaults: landscape, the left logo, four generations, every box.
    QCOMPARE(fixture.m_Settings->m_Orientation, 1u);
    QVERIFY(fixture.m_Settings->m_ShowLeftHeaderOrnament);
    QVERIFY(!fixture.m_Settings->m_ShowRightHeaderOrnament);
    QVERIFY(!fixture.m_Settings->m_ShowLeftFooterOrnament);
    fixture.m_Settings->m_ShowLeftHeaderOrnament = logo;
    fixture.m_Settings->m_ShowTitleBox = title;
    fixture.m_Settings->m_ShowDetailsBox = details;
    fixture.m_Settings->m_ShowPictureBox = picture;
    fixture.m_Settings->m_ShowRightFooterOrnament = true;
    fixture.Build();
    QCOMPARE(fixture.m_Settings->GetHeaderLayout(fixture.m_Form->BoxNames()), layout);
    QCOMPARE(fixture.m_Form->HeaderId() == 0, layout.isEmpty());
    // The right footer ornament is unnamed: never a box, whatever its switch.
    QCOMPARE(fixture.m_Form->RightFooterOrnamentId(), 0);
    QCOMPARE(fixture.m_Form->FooterId(), 0);
}

void TestBioRegPedigree::buildsHeaderBoxesThatAreShown()
{
    CPedigreeFixture fixture;
    fixture.m_Settings->m_ShowDetailsBox = false;
    fixture.Build();
    const CBioRegPedigree &form = *fixture.m_Form;
    QCOMPARE(form.DetailsBoxId(), 0);
    // After the skeleton (root, header, content, logo) in the order title, picture.
    QCOMPARE((QList<qint32>{form.TitleBoxId(), form.PictureBoxId()}), (QList<qint32>{5, 6}));
    QCOMPARE(form.GetBox(form.TitleBoxId())->Name(), QStringLiteral("title"));
    QCOMPARE(form.GetBox(form.PictureBoxId())->Name(), QStringLiteral("pic"));
    QCOMPARE(form.GetBox(form.PictureBoxId())->Parent()->Id(), form.HeaderId());
    QCOMPARE(form.GetBox(form.HeaderId())->Children().size(), 3);
    QCOMPARE(fixture.Panel().GenerationBoxId(0), 7);
    QCOMPARE(form.CellLayoutEltName(), QStringLiteral("PEDIGREE-ANCESTORSPANEL0-CELLLAYOUT"));
    QCOMPARE(fixture.m_Form->BoxNames().m_LeftFooterOrnament.m_DisplayName, QStringLiteral("Signature"));
    fixture.m_Form->SetTitleToolTip(QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(form.GetBox(form.TitleBoxId())->ToolTip(), QStringLiteral("Smith &amp; Jones &lt;UK&gt;"));
}

void TestBioRegPedigree::settingsBlockFollowsTheAncestryBlock()
{
    CBioRegPedigreeSettings settings;
    const QByteArray ancestry =
        CmnStreamBytes([&](QDataStream &out) { settings.CBioRegThemedFormWithAncestryPanelsSettings::Write(out); });
    const QByteArray bytes = settings.ToByteArray();
    QCOMPARE(bytes.left(ancestry.size()), ancestry);
    QCOMPARE(bytes.mid(ancestry.size()).toHex(' '), QByteArray("66 01 01 01 01 01 01"));

    settings.m_ShowTitleBox = false;
    settings.m_ShowDetailsBox = false;
    settings.m_Generations = 6;
    CBioRegPedigreeSettings read;
    QVERIFY(read.FromByteArray(settings.ToByteArray()));
    QVERIFY(read == settings);
    QVERIFY(!(read == CBioRegPedigreeSettings()));
    CBioRegPedigreeSettings copy;
    copy = read;
    QVERIFY(copy == settings);
}

void TestBioRegPedigree::readsOlderAndDamagedBlocks_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("title");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("details");
    QTest::newRow("version 0: no details") << QByteArray::fromHex("6600010101") << true << true << true << false;
    QTest::newRow("picture left out") << QByteArray::fromHex("660100000100") << true << false << true << false;
    QTest::newRow("details left out") << QByteArray::fromHex("660101010100") << true << true << true << false;
    QTest::newRow("another tag") << QByteArray::fromHex("65010101010101") << false << true << true << true;
    QTest::newRow("version 2") << QByteArray::fromHex("66020101010101") << false << true << true << true;
    QTest::newRow("ends early") << QByteArray::fromHex("6601010101") << false << true << true << true;
}

void TestBioRegPedigree::readsOlderAndDamagedBlocks()
{
    QFETCH(QByteArray, tail);
    QFETCH(bool, ok);
    QFETCH(bool, title);
    QFETCH(bool, picture);
    QFETCH(bool, details);
    CBioRegPedigreeSettings settings;
    settings.m_Generations = 5;
    QCOMPARE(settings.FromByteArray(WithTail(tail)), ok);
    QCOMPARE(settings.m_ShowTitleBox, title);
    QCOMPARE(settings.m_ShowPictureBox, picture);
    QCOMPARE(settings.m_ShowDetailsBox, details);
    // A failed read changes nothing.
    QCOMPARE(settings.m_Generations, ok ? 4 : 5);
}

void TestBioRegPedigree::refusesEveryCutOfAGoodBlock()
{
    CBioRegPedigreeSettings good;
    good.m_Generations = 6;
    const QByteArray bytes = good.ToByteArray();
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        CBioRegPedigreeSettings settings;
        QVERIFY2(!settings.FromByteArray(bytes.left(length)), qPrintable(QString::number(length)));
        QCOMPARE(settings.m_Generations, 4);
    }
}

void TestBioRegPedigree::stickyStateKeepsItsSubject()
{
    const QString prefix = QStringLiteral("doc1_aniped");
    CBioRegPedigreeStickyState state;
    state.m_SubjectRecNo = 7;
    state.m_HighlightMode = 2;
    state.ExchangeRememberedValues(false, prefix);
    CCmnRememberedValues &values = *CmnGetRememberedValues();
    QCOMPARE(values.Value(prefix + QStringLiteral("_subjectrecno")).toInt(), 7);
    QCOMPARE(values.Value(prefix + "_b" + prefix + "_b_anchighlight").toInt(), 2);
    CBioRegPedigreeStickyState loaded;
    loaded.ExchangeRememberedValues(true, prefix);
    QCOMPARE(loaded.m_SubjectRecNo, 7);
    QCOMPARE(loaded.m_HighlightMode, 2);
    loaded.ExchangeRememberedValues(true, QStringLiteral("other"));
    QCOMPARE(loaded.m_SubjectRecNo, -1);
    loaded = state;
    QCOMPARE(loaded.m_SubjectRecNo, 7);
    loaded.Reset();
    QCOMPARE((QList<qint32>{loaded.m_SubjectRecNo, loaded.m_HighlightMode}), (QList<qint32>{-1, 0}));
    loaded.SetDefaults();
    QCOMPARE(loaded.m_SubjectRecNo, 1);
}

void TestBioRegPedigree::emptyRegisterGivesAnEmptyChart()
{
    CPedigreeFixture fixture;
    UseDogWords();
    fixture.m_StickyState->ValidateRecNo(*fixture.m_Reg);
    QCOMPARE(fixture.m_StickyState->m_SubjectRecNo, 0);
    fixture.Build();
    const CBioRegPedigree &form = *fixture.m_Form;
    QCOMPARE(form.SubjectRecNo(), 0);
    QVERIFY(form.GetBox(form.TitleBoxId())->Text().isEmpty());
    QVERIFY(form.GetBox(form.DetailsBoxId())->Text().isEmpty());
    QVERIFY(form.GetBox(form.PictureBoxId())->ToolTip().isEmpty());
    QVERIFY(form.GetBox(form.PictureBoxId())->Picture().IsEmpty());
    QVERIFY(!fixture.Panel().IsEditable());
    QCOMPARE(fixture.Placeholders(), QStringList());
    QCOMPARE(fixture.PositionsOf(0).size(), 30);
}

void TestBioRegPedigree::bindsTheSubjectAndItsAncestors()
{
    CPedigreeFixture fixture;
    UseDogWords();
    const CFamily family(fixture);
    fixture.Build();
    const CBioRegPedigree &form = *fixture.m_Form;
    QVERIFY(form.GetBox(form.TitleBoxId())->Text().contains(QStringLiteral("Subject")));
    QCOMPARE(form.GetBox(form.PictureBoxId())->ToolTip(), QStringLiteral("Click to set dog's photo"));
    QCOMPARE(fixture.Cell(0, 0).m_Record, family.sire);
    QCOMPARE(fixture.Cell(0, 1).m_Record, family.dam);
    QCOMPARE(fixture.Cell(1, 0).m_Record, family.grandSire);
    QVERIFY(fixture.CellBox(0, 0)->Text().contains(QStringLiteral("Smith &amp; Jones &lt;UK&gt;")));
    // Placeholders where the child is known: the grandsire's parents, the
    // sire's dam and both of the dam's parents.
    QCOMPARE(fixture.Placeholders(), (QStringList{"1-1", "1-2", "1-3", "2-0", "2-1"}));
}

void TestBioRegPedigree::followsParentChangesOfTheSubject()
{
    CPedigreeFixture fixture;
    const CFamily family(fixture);
    const int other = fixture.Add(QStringLiteral("Other Sire"), 1);
    const int unrelated = fixture.Add(QStringLiteral("Unrelated"), 2);
    fixture.Build();
    QVERIFY(fixture.m_Reg->SetParent(family.subject, 1, other));
    QCOMPARE(fixture.Cell(0, 0).m_Record, other);
    QCOMPARE(fixture.Cell(1, 0).m_Record, 0);
    QVERIFY(fixture.CellBox(1, 0)->ShowPlaceholder());
    // The sire of an animal that is not in the chart leaves the root alone.
    QVERIFY(fixture.m_Reg->SetParent(unrelated, 1, family.sire));
    QCOMPARE(fixture.Cell(0, 0).m_Record, other);
    QCOMPARE(fixture.PositionsOf(family.sire), QList<qint32>());
}

void TestBioRegPedigree::deletedSubjectIsNoSubject()
{
    CPedigreeFixture fixture;
    const CFamily family(fixture);
    fixture.Build();
    // Removing the sire clears the subject's link to him, without a sire notification.
    QVERIFY(fixture.m_Reg->DeleteRecordAndNotify(family.sire));
    QCOMPARE(fixture.Cell(0, 0).m_Record, 0);
    QCOMPARE(fixture.PositionsOf(family.grandSire), QList<qint32>());
    QVERIFY(fixture.CellBox(0, 0)->ShowPlaceholder());

    QVERIFY(fixture.m_Reg->DeleteRecordAndNotify(family.subject));
    QCOMPARE(fixture.m_StickyState->m_SubjectRecNo, 0);
    // The subject's id comes back for another animal, which the chart must not take up.
    const int newcomer = fixture.Add(QStringLiteral("Newcomer"), 2, family.grandSire, family.dam);
    QCOMPARE(newcomer, family.subject);
    fixture.m_Form->RefreshBoxes(0);
    const CBioRegPedigree &form = *fixture.m_Form;
    QVERIFY(form.GetBox(form.TitleBoxId())->Text().isEmpty());
    QCOMPARE(fixture.PositionsOf(0).size(), 30);
    QCOMPARE(fixture.Placeholders(), QStringList());
}

void TestBioRegPedigree::generationZeroCellsReportTheSubject()
{
    CPedigreeFixture fixture;
    const CFamily family(fixture);
    fixture.Build();
    qint32 child = -1;
    qint32 panelBox = -1;
    QVERIFY(fixture.m_Form->FindAncestryCell(fixture.Cell(0, 1).m_BoxId, &child, nullptr, nullptr, nullptr,
                                             &panelBox));
    QCOMPARE(child, family.subject);
    QCOMPARE(panelBox, fixture.m_Form->ContentId());
    QVERIFY(fixture.m_Form->FindAncestryCell(fixture.Cell(1, 1).m_BoxId, &child, nullptr, nullptr, nullptr,
                                             nullptr));
    QCOMPARE(child, family.sire);
}

void TestBioRegPedigree::rendersFourGenerations()
{
    CPedigreeFixture fixture;
    UseDogWords();
    const CFamily family(fixture);
    ReplaceWith(*fixture.m_Reg, family.subject, [](CBioRegRecord &record) {
        record.m_Name = QStringLiteral("Champion Brackenfield Midnight Rambler of the Long Meadow");
        record.m_Photo = Photo();
    });
    const int grandDam = fixture.Add(QStringLiteral("Lady of the Long Meadow and the Far Hills"), 2);
    QVERIFY(fixture.m_Reg->SetParent(family.sire, 2, grandDam));
    fixture.Build(138);
    const QImage image = fixture.Render(true);
    QVERIFY(image.width() >= 1600);
    QVERIFY(OrvKeepForReview(image, QStringLiteral("pedigree-4.png")));
    // The columns from the root out take 0.16, 0.22, 0.27 and 0.35 of the panel.
    const double first = fixture.m_Form->GetBox(fixture.Panel().GenerationBoxId(0))->Size().width();
    const double last = fixture.m_Form->GetBox(fixture.Panel().GenerationBoxId(3))->Size().width();
    QVERIFY2(qAbs(last / first - 0.35 / 0.16) < 0.1, qPrintable(QString::number(last / first)));
}

void TestBioRegPedigree::rendersSixGenerationsWithRepeatsHighlighted()
{
    const QString dir = TestPedigreeDir();
    if (dir.isEmpty())
        QSKIP("the shared pedigree files are not there");
    const CTestPedigreeFile file = ReadTestPedigree(dir + QStringLiteral("/genea140.csv"));
    QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
    CPedigreeFixture fixture(6);
    CBioReg &reg = *fixture.m_Reg;
    QVERIFY(AddPedigreeAnimals(reg, file, file.Count()));
    reg.RebuildIndexLists();
    reg.RebuildParentIndex();
    // The animal with the most repeated ancestors within six generations.
    int subject = 0;
    int most = 0;
    for (int n = 1; n <= file.Count(); ++n) {
        QVector<CBioAncestorOccurrences> occurrences;
        QVector<int> ids;
        const CBioParents parents = reg.GetParentIndex().ParentsOf(n);
        QVERIFY(reg.GetParentIndex().CollectAncestors(6, parents.sire, parents.dam, &occurrences, &ids, nullptr));
        const qsizetype repeated = BioAssignAncestorHighlightColours(1, occurrences, ids).size();
        if (repeated > most) {
            most = int(repeated);
            subject = n;
        }
    }
    QVERIFY(most > 0);
    // Names as breeders type them, on the subject and on an ancestor of each side.
    const auto rename = [&reg](int id, const QString &name) {
        if (id > 0)
            reg.GetBioRecord(id)->m_Name = name;
    };
    const CBioRegRecord &animal = *reg.GetBioRecord(subject);
    rename(animal.m_Sire, QStringLiteral("Smith & Jones <UK>"));
    rename(animal.m_Dam, QStringLiteral("Lady of the Long Meadow and the Far Hills of Brackenfield"));
    reg.GetBioRecord(subject)->m_Photo = Photo();
    fixture.m_StickyState->m_SubjectRecNo = subject;
    fixture.m_StickyState->m_HighlightMode = 1;
    fixture.Build(138);
    QCOMPARE(fixture.Panel().HighlightColours().size(), most);
    const QImage image = fixture.Render(false);
    QVERIFY(OrvKeepForReview(image, QStringLiteral("pedigree-6-highlighted.png")));
    // A highlighted cell shows its colour, blended at 0.7 over the page.
    for (qint32 p = 1; p <= CBioRegAncestryPanel::CellCount(6); ++p) {
        const CBioRegAncestryPanelCell &cell = *fixture.Panel().Cell(p);
        if (!cell.m_Grab.m_FillOverride)
            continue;
        const QSharedPointer<CCmnFormBox> box = fixture.m_Form->GetBox(cell.m_BoxId);
        const QColor colour(cell.m_Grab.m_FillOverrideColor);
        const QColor painted =
            image.pixelColor((box->Position() + QPointF(box->Size().width() * 0.05 + 4, box->Size().height() / 2)).toPoint());
        QVERIFY2(qAbs(painted.red() - (0.7 * colour.red() + 0.3 * 255)) < 12, qPrintable(painted.name()));
        break;
    }
}

QTEST_MAIN(TestBioRegPedigree)
#include "tst_bioregpedigree.moc"
