#include "bioregtrialmating.h"
#include "bioregtrialmatingsettings.h"
#include "bioregtrialmatingstickystate.h"

#include "ancestryformtesting.h"
#include "bioboxkindcatalogue.h"
#include "biobuiltinfields.h"
#include "bioinbreedingsettings.h"
#include "cmndatastream.h"
#include "cmnrememberedvalues.h"
#include "rendertesting.h"
#include "themedformtesting.h"

#include <QDataStream>
#include <QSignalSpy>
#include <QTest>

namespace {

// The ancestry block of default settings followed by the trial mating's own bytes.
QByteArray WithTail(const QByteArray &tail)
{
    const CBioRegThemedFormWithAncestryPanelsSettings settings(true, 0.35, 0.0);
    return CmnStreamBytes([&](QDataStream &out) { settings.Write(out); }) + tail;
}

// Half-sibs by one sire, each with a dam of its own.
struct CHalfSibs
{
    explicit CHalfSibs(CTrialMatingFixture &fixture)
    {
        common = fixture.Add(QStringLiteral("Smith & Jones <UK>"), 1);
        firstDam = fixture.Add(QStringLiteral("Lady of the Long Meadow and the Far Hills"), 2);
        secondDam = fixture.Add(QStringLiteral("Second Dam"), 2);
        sire = fixture.Add(QStringLiteral("Young Sire"), 1, common, firstDam);
        dam = fixture.Add(QStringLiteral("Young Dam"), 2, common, secondDam);
        fixture.m_StickyState->m_SireRecNo = sire;
        fixture.m_StickyState->m_DamRecNo = dam;
    }
    int common = 0;
    int firstDam = 0;
    int secondDam = 0;
    int sire = 0;
    int dam = 0;
};

// The breeding register's own field contexts: the coefficient of inbreeding
// belongs in the trial-mating title, and in no other box of this chart.
void UseDefaultFieldContexts(CTrialMatingFixture &fixture)
{
    CCmnRegFieldsSettings fields;
    BioAppendDefaultSpecialFields(fields, BioDefaultFieldContextMask(0), BioDefaultFieldContextMask(1),
                                  BioDefaultFieldContextMask(2), BioDefaultFieldContextMask(3),
                                  BioDefaultFieldContextMask(4));
    fixture.m_Reg->SetFieldsSettings(fields, false);
}

} // namespace

class TestBioRegTrialMating : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { CmnCreateRememberedValues(); }

    void defaultsShowTheTitleBesideTheLogo();
    void buildsTheHeaderBoxesThatAreShown();
    void settingsBlockFollowsTheAncestryBlock();
    void readsOlderAndDamagedBlocks_data();
    void readsOlderAndDamagedBlocks();
    void refusesEveryCutOfAGoodBlock();
    void rememberedParentsAreValidated();
    void rootParentsAreTheChosenPair();
    void notificationsRebindTheBoxesConcerned();
    void titleShowsTheOffspringsCoefficient_data();
    void titleShowsTheOffspringsCoefficient();
    void deletedParentIsNoParent();
    void rendersADefaultTrialMating();
};

void TestBioRegTrialMating::defaultsShowTheTitleBesideTheLogo()
{
    CTrialMatingFixture fixture;
    fixture.Build();
    QCOMPARE(fixture.m_Settings->m_Orientation, 1u);
    QCOMPARE(fixture.m_Settings->m_Generations, 4);
    QCOMPARE(fixture.m_Settings->GetHeaderLayout(fixture.m_Form->BoxNames()),
             QStringLiteral("CCmnThemedForm-Leftheaderornament;CBioRegRecordTrialmatingFormconf-Title"));
    QVERIFY(!fixture.m_Form->BoxNames().m_LeftFooterOrnament.Exists());
    QCOMPARE(fixture.m_Form->CellDataEltName(), QStringLiteral("TRIALMATING-ANCESTORSPANEL0-CELLDATA"));
    // No pair chosen: the root is no record, yet its parents are places to set.
    QVERIFY(!fixture.m_Form->PanelHasRecordRoot(fixture.m_Form->ContentId()));
    QCOMPARE(fixture.Placeholders(), (QStringList{"0-0", "0-1"}));
}

void TestBioRegTrialMating::buildsTheHeaderBoxesThatAreShown()
{
    CTrialMatingFixture fixture;
    fixture.m_Settings->m_ShowSirePictureBox = true;
    fixture.m_Settings->m_ShowDamDetailsBox = true;
    fixture.Build();
    const CBioRegTrialMating &form = *fixture.m_Form;
    QCOMPARE(fixture.m_Settings->GetHeaderLayout(fixture.m_Form->BoxNames()),
             QStringLiteral("CCmnThemedForm-Leftheaderornament;CBioRegRecordTrialmatingFormconf-Title;"
                            "CBioRegRecordTrialmatingFormconf-Sirepic;CBioRegRecordTrialmatingFormconf-Damdetails"));
    QCOMPARE((QList<qint32>{form.TitleBoxId(), form.SirePictureBoxId(), form.SireDetailsBoxId(),
                            form.DamPictureBoxId(), form.DamDetailsBoxId()}),
             (QList<qint32>{5, 6, 0, 0, 7}));
    QCOMPARE(form.GetBox(6)->Name(), QStringLiteral("sirepic"));
    QCOMPARE(form.GetBox(7)->Name(), QStringLiteral("damdetails"));
    fixture.m_Form->SetTitleToolTip(QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(form.GetBox(5)->ToolTip(), QStringLiteral("Smith &amp; Jones &lt;UK&gt;"));
}

void TestBioRegTrialMating::settingsBlockFollowsTheAncestryBlock()
{
    CBioRegTrialMatingSettings settings;
    const QByteArray ancestry =
        CmnStreamBytes([&](QDataStream &out) { settings.CBioRegThemedFormWithAncestryPanelsSettings::Write(out); });
    const QByteArray bytes = settings.ToByteArray();
    QCOMPARE(bytes.left(ancestry.size()), ancestry);
    QCOMPARE(bytes.mid(ancestry.size()).toHex(' '), QByteArray("68 01 01 01 00 00 01 00 00"));

    settings.m_ShowDamPictureBox = true;
    settings.m_ShowSireDetailsBox = true;
    settings.m_Generations = 5;
    CBioRegTrialMatingSettings read;
    QVERIFY(read.FromByteArray(settings.ToByteArray()));
    QVERIFY(read == settings);
    QVERIFY(!(read == CBioRegTrialMatingSettings()));
}

void TestBioRegTrialMating::readsOlderAndDamagedBlocks_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("shown"); // title, sire and dam pictures, sire and dam details
    QTest::newRow("version 0 ends after the pictures") << QByteArray::fromHex("6800010101 01") << true
                                                       << QStringLiteral("11100");
    QTest::newRow("no pictures, then the details") << QByteArray::fromHex("68010100010101") << true
                                                   << QStringLiteral("10011");
    QTest::newRow("no details") << QByteArray::fromHex("68010101010100") << true << QStringLiteral("11100");
    QTest::newRow("another tag") << QByteArray::fromHex("660101010000010000") << false << QStringLiteral("10000");
    QTest::newRow("version 2") << QByteArray::fromHex("680201010000010000") << false << QStringLiteral("10000");
    QTest::newRow("ends early") << QByteArray::fromHex("68010101000001") << false << QStringLiteral("10000");
}

void TestBioRegTrialMating::readsOlderAndDamagedBlocks()
{
    QFETCH(QByteArray, tail);
    QFETCH(bool, ok);
    QFETCH(QString, shown);
    CBioRegTrialMatingSettings settings;
    QCOMPARE(settings.FromByteArray(WithTail(tail)), ok);
    QString flags;
    for (bool flag : {settings.m_ShowTitleBox, settings.m_ShowSirePictureBox, settings.m_ShowDamPictureBox,
                      settings.m_ShowSireDetailsBox, settings.m_ShowDamDetailsBox})
        flags.append(flag ? QLatin1Char('1') : QLatin1Char('0'));
    QCOMPARE(flags, shown);
}

void TestBioRegTrialMating::refusesEveryCutOfAGoodBlock()
{
    CBioRegTrialMatingSettings good;
    good.m_Generations = 6;
    const QByteArray bytes = good.ToByteArray();
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        CBioRegTrialMatingSettings settings;
        QVERIFY2(!settings.FromByteArray(bytes.left(length)), qPrintable(QString::number(length)));
        QCOMPARE(settings.m_Generations, 4);
    }
}

void TestBioRegTrialMating::rememberedParentsAreValidated()
{
    CTrialMatingFixture fixture;
    const int female = fixture.Add(QStringLiteral("Female"), 2);
    const int male = fixture.Add(QStringLiteral("Male"), 1);
    CBioRegTrialMatingStickyState &state = *fixture.m_StickyState;
    state.ValidateRecNos(*fixture.m_Reg);
    QCOMPARE((QList<qint32>{state.m_SireRecNo, state.m_DamRecNo}), (QList<qint32>{male, female}));
    state.m_SireRecNo = 99;
    state.m_DamRecNo = 0;
    state.ValidateRecNos(*fixture.m_Reg);
    QCOMPARE((QList<qint32>{state.m_SireRecNo, state.m_DamRecNo}), (QList<qint32>{0, 0}));
    // Nobody to show: empty boxes, and no invitation to set a photo.
    fixture.m_Settings->m_ShowSirePictureBox = true;
    fixture.m_Settings->m_ShowDamDetailsBox = true;
    fixture.Build();
    const CBioRegTrialMating &form = *fixture.m_Form;
    for (const qint32 id : {form.TitleBoxId(), form.SirePictureBoxId(), form.DamDetailsBoxId()})
        QCOMPARE(form.GetBox(id)->Text(), QString());
    QCOMPARE(form.GetBox(form.SirePictureBoxId())->ToolTip(), QString());

    const QString prefix = QStringLiteral("doc1_trialmating");
    state.m_SireRecNo = male;
    state.m_DamRecNo = female;
    state.ExchangeRememberedValues(false, prefix);
    QCOMPARE(CmnGetRememberedValues()->Value(prefix + QStringLiteral("_sirerecno")).toInt(), male);
    QCOMPARE(CmnGetRememberedValues()->Value(prefix + QStringLiteral("_damrecno")).toInt(), female);
    CBioRegTrialMatingStickyState loaded;
    loaded.ExchangeRememberedValues(true, QStringLiteral("other"));
    QCOMPARE((QList<qint32>{loaded.m_SireRecNo, loaded.m_DamRecNo}), (QList<qint32>{-1, -1}));
    loaded = state;
    QCOMPARE(loaded.m_DamRecNo, female);
    loaded.SetDefaults(0);
    QCOMPARE((QList<qint32>{loaded.m_SireRecNo, loaded.m_DamRecNo}), (QList<qint32>{1, 2}));
    loaded.Reset();
    QCOMPARE((QList<qint32>{loaded.m_SireRecNo, loaded.m_DamRecNo}), (QList<qint32>{-1, -1}));
}

void TestBioRegTrialMating::rootParentsAreTheChosenPair()
{
    CTrialMatingFixture fixture;
    const CHalfSibs family(fixture);
    fixture.m_StickyState->m_HighlightMode = 2;
    fixture.Build();
    CBioRegTrialMating &form = *fixture.m_Form;
    const qint32 content = form.ContentId();
    QCOMPARE(fixture.Cell(0, 0).m_Record, family.sire);
    QCOMPARE(fixture.Cell(0, 1).m_Record, family.dam);
    // The common sire is on both sides.
    QCOMPARE(fixture.PositionsOf(family.common).size(), 2);
    QCOMPARE(fixture.Cell(1, 0).m_Grab.m_FillOverrideColor, QColor(QStringLiteral("#FF7575")));

    QCOMPARE(form.GetRootParentRecNo(content, 0), family.sire);
    QCOMPARE(form.GetRootParentRecNo(content, 1), family.sire);
    QCOMPARE(form.GetRootParentRecNo(content, 2), family.dam);
    QCOMPARE(form.GetRootParentRecNo(form.RootId(), 2), 0);
    fixture.m_StickyState->m_DamRecNo = -1;
    QCOMPARE(form.GetRootParentRecNo(content, 2), 0);
    fixture.m_StickyState->m_DamRecNo = family.dam;

    // The current sire, or a box that holds no panel: nothing happens.
    fixture.CellBox(0, 0)->SetDirty(false);
    QVERIFY(!form.SetRootParentRecNo(content, 1, family.sire));
    QVERIFY(!form.SetRootParentRecNo(form.RootId(), 1, family.firstDam));
    QVERIFY(!fixture.CellBox(0, 0)->IsDirty());
    QVERIFY(form.SetRootParentRecNo(content, 2, family.secondDam));
    QCOMPARE(fixture.m_StickyState->m_DamRecNo, family.secondDam);
    QCOMPARE(fixture.Cell(0, 1).m_Record, family.secondDam);
    QCOMPARE(fixture.PositionsOf(family.common).size(), 1);
    QVERIFY(fixture.Panel().HighlightColours().isEmpty());
}

void TestBioRegTrialMating::notificationsRebindTheBoxesConcerned()
{
    CTrialMatingFixture fixture;
    const CHalfSibs family(fixture);
    fixture.m_Settings->m_ShowSireDetailsBox = true;
    fixture.m_Settings->m_ShowDamDetailsBox = true;
    fixture.m_Settings->m_ShowSirePictureBox = true;
    fixture.Build();
    BioTestUseWords({});
    const CBioRegTrialMating &form = *fixture.m_Form;
    QCOMPARE(form.GetBox(form.SirePictureBoxId())->ToolTip(), QStringLiteral("Click to set sire's photo"));
    const auto text = [&form](qint32 id) { return form.GetBox(id)->Text(); };
    QVERIFY(text(form.TitleBoxId()).contains(QStringLiteral("Young Sire")));

    // Both parents renamed without a word to the chart, then the dam's change told.
    ReplaceWith(*fixture.m_Reg, family.sire, [](CBioRegRecord &record) { record.m_Name = QStringLiteral("Quiet Sire"); });
    CBioRegRecord renamed(*fixture.m_Reg->GetBioRecord(family.dam));
    renamed.m_Name = QStringLiteral("Renamed Dam");
    fixture.m_Reg->StoreChangedRecord(family.dam, renamed);
    QVERIFY(text(form.TitleBoxId()).contains(QStringLiteral("Quiet Sire")));
    QVERIFY(text(form.TitleBoxId()).contains(QStringLiteral("Renamed Dam")));
    QVERIFY(text(form.DamDetailsBoxId()).contains(QStringLiteral("Renamed Dam")));
    QVERIFY(text(form.SireDetailsBoxId()).contains(QStringLiteral("Young Sire")));
    QVERIFY(fixture.CellBox(0, 1)->Text().contains(QStringLiteral("Renamed Dam")));

    // A parent set on an animal outside the pair still rebinds the title.
    ReplaceWith(*fixture.m_Reg, family.sire, [](CBioRegRecord &record) { record.m_Name = QStringLiteral("Later Sire"); });
    const int stranger = fixture.Add(QStringLiteral("Stranger"), 1);
    QVERIFY(fixture.m_Reg->SetParent(stranger, 2, family.secondDam));
    QVERIFY(text(form.TitleBoxId()).contains(QStringLiteral("Later Sire")));
    ReplaceWith(*fixture.m_Reg, family.sire, [](CBioRegRecord &record) { record.m_Name = QStringLiteral("Last Sire"); });
    QVERIFY(fixture.m_Reg->SetParent(stranger, 1, family.common));
    QVERIFY(text(form.TitleBoxId()).contains(QStringLiteral("Last Sire")));
}

void TestBioRegTrialMating::titleShowsTheOffspringsCoefficient_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("coefficient");
    QTest::newRow("two places") << 2 << QStringLiteral("12.50%");
    QTest::newRow("one place") << 1 << QStringLiteral("12.5%");
}

void TestBioRegTrialMating::titleShowsTheOffspringsCoefficient()
{
    QFETCH(int, decimals);
    QFETCH(QString, coefficient);
    CTrialMatingFixture fixture;
    UseDefaultFieldContexts(fixture);
    CBioInbreedingSettings inbreeding = fixture.m_Reg->GetInbreedingSettings();
    inbreeding.m_Decimals = decimals;
    fixture.m_Reg->SetInbreedingSettings(inbreeding);
    const CHalfSibs family(fixture);
    fixture.m_Settings->m_ShowSireDetailsBox = true;
    const QVector<int> ids = fixture.m_Reg->GetRecordIds();
    const int hint = fixture.m_Reg->GetIdAllocator().GetHint();
    QSignalSpy modified(fixture.m_Reg.data(), &CCmnReg::RegModified);
    QSignalSpy notified(fixture.m_Reg.data(), &CCmnReg::RegRecordNotification);

    fixture.Build();
    CBioRegTrialMating &form = *fixture.m_Form;
    const auto text = [&form](qint32 id) { return form.GetBox(id)->Text(); };
    QVERIFY2(text(form.TitleBoxId()).contains(coefficient), qPrintable(text(form.TitleBoxId())));
    QVERIFY(!text(form.SireDetailsBoxId()).contains(QLatin1Char('%')));
    // The same after the dam is chosen again, away and back.
    QVERIFY(form.SetRootParentRecNo(form.ContentId(), 2, family.secondDam));
    QVERIFY(!text(form.TitleBoxId()).contains(coefficient));
    QVERIFY(form.SetRootParentRecNo(form.ContentId(), 2, family.dam));
    QVERIFY(text(form.TitleBoxId()).contains(coefficient));

    // The offspring asked about left nothing behind.
    QCOMPARE(fixture.m_Reg->GetRecordIds(), ids);
    QCOMPARE(fixture.m_Reg->GetIdAllocator().GetHint(), hint);
    QCOMPARE(modified.count(), 0);
    QCOMPARE(notified.count(), 0);
    QCOMPARE(fixture.Add(QStringLiteral("Next"), 1), ids.last() + 1);
}

void TestBioRegTrialMating::deletedParentIsNoParent()
{
    CTrialMatingFixture fixture;
    const CHalfSibs family(fixture);
    fixture.Build();
    QVERIFY(fixture.m_Reg->DeleteRecordAndNotify(family.common));
    QCOMPARE(fixture.PositionsOf(family.common), QList<qint32>());
    QVERIFY(fixture.m_Reg->DeleteRecordAndNotify(family.sire));
    QCOMPARE(fixture.m_StickyState->m_SireRecNo, 0);
    QCOMPARE(fixture.Cell(0, 0).m_Record, 0);
    // The sire's id comes back for a stranger, whom the chart must not take up.
    const int stranger = fixture.Add(QStringLiteral("Stranger"), 1);
    QCOMPARE(stranger, family.sire);
    fixture.m_Form->RefreshBoxes(0);
    QCOMPARE(fixture.PositionsOf(stranger), QList<qint32>());
    QVERIFY(!fixture.m_Form->GetBox(fixture.m_Form->TitleBoxId())->Text().contains(QStringLiteral("Stranger")));
}

void TestBioRegTrialMating::rendersADefaultTrialMating()
{
    CTrialMatingFixture fixture;
    UseDefaultFieldContexts(fixture);
    const CHalfSibs family(fixture);
    fixture.m_StickyState->m_HighlightMode = 1;
    fixture.Build(138);
    const QImage image = fixture.Render(true);
    QVERIFY(OrvKeepForReview(image, QStringLiteral("trialmating-4.png")));
    const QString title = fixture.m_Form->GetBox(fixture.m_Form->TitleBoxId())->Text();
    QVERIFY2(title.contains(QStringLiteral("Trial Mating Of")), qPrintable(title));
    QCOMPARE(CBioRegAncestryPanel::CellCount(fixture.Panel().Generations()), 30);
}

QTEST_MAIN(TestBioRegTrialMating)
#include "tst_bioregtrialmating.moc"
