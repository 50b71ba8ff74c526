#include "bioregcoversheetstickystate.h"
#include "bioregpairingthemedformboxgrab.h"
#include "bioregthemedformindividualboxgrab.h"

#include "../reg/bioregtesting.h"
#include "biobuiltinfields.h"
#include "bioterminology.h"
#include "cmnform.h"
#include "cmnformbox.h"
#include "cmntheme.h"
#include "cmnthemeaccessors.h"
#include "cmnthemedformautoparams.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformboxnames.h"
#include "cmnregfieldcontextmask.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QString kData = QStringLiteral("PEDIGREE-TITLE-DATA");

CCmnTheme Theme(const QString &text)
{
    CCmnTheme theme;
    auto *data = new CCmnThemedFormBoxGenericDataElt(kData);
    data->m_Payload.SetText(text, false);
    theme.AddElt(data);
    return theme;
}

struct CGrabFixture
{
    CGrabFixture()
        : m_Reg(BioTestDefaultFieldsSettings())
    {
        BioCreateTerminology();
        m_Sire = AddAnimal(m_Reg, QStringLiteral("Smith & Jones <UK>"), 1);
        m_Dam = AddAnimal(m_Reg, QStringLiteral("Lady of the Long Meadow"), 2);
        m_Foal = AddAnimal(m_Reg, QStringLiteral("Foal"), 0, m_Sire, m_Dam);
    }
    template <typename TGrab>
    void TakeText(TGrab &grab, const QString &text)
    {
        CCmnTheme theme = Theme(text);
        grab.GrabDataElt(theme, CCmnTheme(), kData, m_Names, &m_Params);
        grab.m_TextPixelSize = 12;
    }

    CBioReg m_Reg;
    CCmnThemedFormBoxNames m_Names;
    CCmnThemedFormAutoParams m_Params;
    int m_Sire = 0;
    int m_Dam = 0;
    int m_Foal = 0;
};

} // namespace

class TestBioRegThemedFormBoxGrabs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordTextBecomesOneParagraphPerLine()
    {
        CGrabFixture fixture;
        CBioRegPedigreeTitleBoxGrab grab(33);
        fixture.TakeText(grab, QStringLiteral("Pedigree Of\n\n[#Name]\n[#Sire]"));
        grab.GrabIndividual(fixture.m_Reg, fixture.m_Foal);
        QVERIFY(grab.m_Filled);
        const QString html = grab.BuildHtml();
        QCOMPARE(html.count(QStringLiteral("<p style='font-size:12px;'>")), 3);
        QVERIFY(html.contains(QStringLiteral("Foal")));
        QVERIFY(html.contains(QStringLiteral("Smith &amp; Jones &lt;UK&gt;")));
    }

    void noRecordGivesNoText_data()
    {
        QTest::addColumn<int>("recordId");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
        QTest::newRow("not in the register") << 99;
    }
    void noRecordGivesNoText()
    {
        QFETCH(int, recordId);
        CGrabFixture fixture;
        CBioRegPedigreeDetailsBoxGrab grab(60);
        fixture.TakeText(grab, QStringLiteral("Pedigree Of\n[#Name]"));
        grab.GrabIndividual(fixture.m_Reg, recordId);
        QVERIFY(!grab.m_Filled);
        QCOMPARE(grab.BuildHtml(), QString());
        QVERIFY(grab.m_Pending);
    }

    void pictureBoxWithoutPhotoShowsNothing()
    {
        CGrabFixture fixture;
        CBioRegThemedFormIndividualPicBoxGrab grab(34);
        fixture.TakeText(grab, QStringLiteral("[#Name]"));
        grab.GrabIndividual(fixture.m_Reg, fixture.m_Foal);
        QVERIFY(!grab.m_Filled);
        QVERIFY(!grab.m_Picture.HasPixmap());
        QCOMPARE(grab.BuildHtml(), QString());
    }

    void pairingAsksAboutAnOffspringThatLeavesNoTrace()
    {
        CGrabFixture fixture;
        CBioRegTrialMatingTitleBoxGrab grab(39);
        fixture.TakeText(grab, QStringLiteral("Trial Mating Of\n[#Sire]\nx\n[#Dam]"));
        const QVector<int> ids = fixture.m_Reg.GetRecordIds();
        const int hint = fixture.m_Reg.GetIdAllocator().GetHint();
        QSignalSpy modified(&fixture.m_Reg, &CCmnReg::RegModified);
        QSignalSpy notified(&fixture.m_Reg, &CCmnReg::RegRecordNotification);

        grab.GrabPairing(fixture.m_Reg, fixture.m_Sire, 0);
        QVERIFY(grab.m_Filled);
        const QString html = grab.BuildHtml();
        QVERIFY(html.contains(QStringLiteral("Smith &amp; Jones &lt;UK&gt;")));
        QVERIFY(!html.contains(QStringLiteral("Lady of the Long Meadow")));
        QCOMPARE(fixture.m_Reg.GetRecordIds(), ids);
        QCOMPARE(fixture.m_Reg.GetIdAllocator().GetHint(), hint);
        QCOMPARE(modified.count(), 0);
        QCOMPARE(notified.count(), 0);
        QCOMPARE(AddAnimal(fixture.m_Reg, QStringLiteral("Next"), 0), 4);

        grab.GrabPairing(fixture.m_Reg, 0, 0);
        QVERIFY(!grab.m_Filled);
        QCOMPARE(grab.BuildHtml(), QString());
    }

    void referencesAreWorkedOutOnlyAfterATextChange()
    {
        CGrabFixture fixture;
        CBioRegPedigreeTitleBoxGrab grab(33);
        fixture.TakeText(grab, QStringLiteral("[#Sire]"));
        grab.GrabIndividual(fixture.m_Reg, fixture.m_Foal);
        QCOMPARE(grab.m_ReferencedFieldIds, QList<int>{-105});
        grab.m_ReferencedFieldIds.clear();
        grab.GrabIndividual(fixture.m_Reg, fixture.m_Sire);
        QVERIFY(grab.m_ReferencedFieldIds.isEmpty());

        fixture.TakeText(grab, QStringLiteral("[#Dam]"));
        grab.GrabIndividual(fixture.m_Reg, fixture.m_Foal);
        QCOMPARE(grab.m_ReferencedFieldIds, QList<int>{-106});
        QVERIFY(grab.BuildHtml().contains(QStringLiteral("Lady of the Long Meadow")));
    }

    void headerChainSizesTheBoxes_data()
    {
        QTest::addColumn<bool>("hasHeader");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("details");
        QTest::addColumn<QString>("picture");
        QTest::newRow("header of 10") << true << QStringLiteral(";16;") << QStringLiteral(";8;")
                                      << QStringLiteral(";14;");
        QTest::newRow("no header: form default of 20") << false << QStringLiteral(";32;")
                                                       << QStringLiteral(";16;") << QStringLiteral(";28;");
    }
    void headerChainSizesTheBoxes()
    {
        QFETCH(bool, hasHeader);
        QFETCH(QString, title);
        QFETCH(QString, details);
        QFETCH(QString, picture);
        CCmnTheme defaults;
        defaults.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("PEDIGREE-TITLE-LAYOUT")));
        auto *header = new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("CMN-HEADER"));
        header->m_Payload.m_TextSize = {false, QStringLiteral(";10;")};
        header->m_Payload.m_BorderStyle = {false, {CCmnMetric(0, 0.2), 0, Qt::DashLine}};
        defaults.AddElt(header);
        auto *formDefault = new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("CMN-DEFAULT"));
        formDefault->m_Payload.m_TextSize = {false, QStringLiteral(";20;")};
        formDefault->m_Payload.m_BorderStyle = {false, {CCmnMetric(0, 0.5), 0, Qt::DotLine}};
        defaults.AddElt(formDefault);
        CCmnTheme theme;
        CCmnThemedFormBoxNames names;
        names.m_HasHeader = hasHeader;
        const QString element = QStringLiteral("PEDIGREE-TITLE-LAYOUT");
        QCOMPARE(CmnThemeGetTitleTextSizeOrHeader(theme, defaults, element, names, nullptr, false), title);
        QCOMPARE(CmnThemeGetDetailsTextSizeOrHeader(theme, defaults, element, names, nullptr, false), details);
        QCOMPARE(CmnThemeGetPicBoxTextSizeOrHeader(theme, defaults, element, names, nullptr, false), picture);
        // The border comes from the header or is the built-in one, never the form default's.
        const CCmnFormBoxBorderStyle border =
            CmnThemeGetBorderStyleOrHeader(theme, defaults, element, names, nullptr, false);
        QCOMPARE(border.m_Thickness, hasHeader ? CCmnMetric(0, 0.2) : CCmnMetric(0, 0.01));
    }

    void headerChainFallsBackToTheFormDefault()
    {
        CCmnTheme defaults;
        defaults.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("CMN-HEADER")));
        auto *formDefault = new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("CMN-DEFAULT"));
        formDefault->m_Payload.m_TextColor = {false, QColor(Qt::darkGreen)};
        defaults.AddElt(formDefault);
        CCmnTheme theme;
        CCmnThemedFormBoxNames names;
        names.m_HasHeader = true;
        const QString element = QStringLiteral("COVERSHEET-TITLE-LAYOUT");
        QCOMPARE(CmnThemeGetTextColorOrHeader(theme, defaults, element, names, nullptr, false),
                 QColor(Qt::darkGreen));
        QCOMPARE(CmnThemeGetTitleTextSizeOrHeader(theme, defaults, element, names, nullptr, false),
                 QStringLiteral(";18;"));
        // A cover title over the built-in size.
        QCOMPARE(CmnThemeGetTextSizeOrScaledFormDefault(theme, defaults, element, names, nullptr, false),
                 QStringLiteral(";18;"));
    }

    void rememberedSubjectIsValidated_data()
    {
        QTest::addColumn<int>("remembered");
        QTest::addColumn<int>("validated");
        QTest::newRow("none remembered yet: the first by name") << -1 << 3;
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("valid") << 2 << 2;
        QTest::newRow("deleted") << 42 << 0;
    }
    void rememberedSubjectIsValidated()
    {
        QFETCH(int, remembered);
        QFETCH(int, validated);
        CGrabFixture fixture;
        CBioRegCoverSheetStickyState state;
        state.m_SubjectRecNo = remembered;
        CmnValidateRememberedRecNo(state, fixture.m_Reg);
        QCOMPARE(state.m_SubjectRecNo, validated);

        CBioReg empty{CCmnRegFieldsSettings()};
        state.Reset();
        CmnValidateRememberedRecNo(state, empty);
        QCOMPARE(state.m_SubjectRecNo, 0);
    }
};

QTEST_MAIN(TestBioRegThemedFormBoxGrabs)
#include "tst_bioregthemedformboxgrabs.moc"
