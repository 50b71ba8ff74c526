#include "bioregancestrypanelboxgrab.h"
#include "bioregancestrypanelcellboxgrab.h"
#include "bioregcoversheetstickystate.h"
#include "bioregpairingthemedformboxgrab.h"
#include "bioregthemedformindividualboxgrab.h"

#include "../reg/bioregtesting.h"
#include "biobuiltinfields.h"
#include "biodefaulttheme.h"
#include "biothemedformwithancestrypanelscelldata.h"
#include "biothemedformwithancestrypanelscelllayout.h"
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
#include "themedformtesting.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kData = QStringLiteral("PEDIGREE-TITLE-DATA");

CCmnTheme Theme(const QString &text, const CCmnPicture &picture = CCmnPicture())
{
    CCmnTheme theme;
    auto *data = new CCmnThemedFormBoxGenericDataElt(kData);
    data->m_Payload.SetText(text, false);
    data->m_Payload.m_Picture = picture;
    theme.AddElt(data);
    return theme;
}

// A small picture that loads, held as bytes.
CCmnPicture LoadablePicture()
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    return OrvTestPicture(image);
}

CCmnThemedFormBoxGenericLayoutElt *LayoutElt(const QString &name)
{
    return new CCmnThemedFormBoxGenericLayoutElt(name);
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
    void TakeText(TGrab &grab, const QString &text, const CCmnPicture &picture = CCmnPicture())
    {
        CCmnTheme theme = Theme(text, picture);
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

        // The foal has no title: that line gives no paragraph.
        fixture.TakeText(grab, QStringLiteral("Pedigree Of\n[#Title]"));
        grab.GrabIndividual(fixture.m_Reg, fixture.m_Foal);
        QCOMPARE(grab.BuildHtml(), QStringLiteral("<p style='font-size:12px;'>Pedigree Of</p> "));
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
        fixture.TakeText(grab, QStringLiteral("Pedigree Of\n[#Name]"), LoadablePicture());
        grab.GrabIndividual(fixture.m_Reg, recordId);
        QVERIFY(!grab.m_Filled);
        QCOMPARE(grab.BuildHtml(), QString());
        QVERIFY(grab.m_Pending);
        // A box that does not show its record's photo keeps the theme's picture.
        QVERIFY(!grab.m_Picture.IsEmpty());
    }

    void pictureBoxShowsOnlyAPhotoThatLoads_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<bool>("shown");
        QTest::newRow("no photo") << QString() << false;
        QTest::newRow("photo file gone") << QStringLiteral("gone.png") << false;
        QTest::newRow("photo") << QStringLiteral("foal.png") << true;
    }
    void pictureBoxShowsOnlyAPhotoThatLoads()
    {
        QFETCH(QString, photo);
        QFETCH(bool, shown);
        QTemporaryDir folder;
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(folder.filePath(QStringLiteral("foal.png"))));
        CGrabFixture fixture;
        if (!photo.isEmpty())
            ReplaceWith(fixture.m_Reg, fixture.m_Foal,
                        [&](CBioRegRecord &record) { record.m_Photo.SetFilePath(folder.filePath(photo)); });
        CBioRegThemedFormIndividualPicBoxGrab grab(34);
        // The theme's own picture never stands in for the record's photo.
        fixture.TakeText(grab, QStringLiteral("[#Name]"), LoadablePicture());
        grab.GrabIndividual(fixture.m_Reg, fixture.m_Foal);
        QCOMPARE(grab.m_Filled, shown);
        QCOMPARE(grab.m_Picture.HasPixmap(), shown);
        QCOMPARE(grab.BuildHtml().contains(QStringLiteral("Foal")), shown);
    }

    void pairingAsksAboutAnOffspringThatLeavesNoTrace()
    {
        CGrabFixture fixture;
        CBioRegTrialMatingTitleBoxGrab grab(39);
        fixture.TakeText(grab, QStringLiteral("Trial Mating Of\n[#Sire]\nx\n[#Dam]"), LoadablePicture());
        const QVector<int> ids = fixture.m_Reg.GetRecordIds();
        const int hint = fixture.m_Reg.GetIdAllocator().GetHint();
        QSignalSpy modified(&fixture.m_Reg, &CCmnReg::RegModified);
        QSignalSpy notified(&fixture.m_Reg, &CCmnReg::RegRecordNotification);

        grab.GrabPairing(fixture.m_Reg, fixture.m_Sire, 0);
        QVERIFY(grab.m_Filled);
        QVERIFY(grab.m_Picture.IsEmpty());
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

        // Ids that name no record are no parents.
        grab.GrabPairing(fixture.m_Reg, 99, 0);
        QVERIFY(!grab.m_Filled);
        grab.GrabPairing(fixture.m_Reg, 99, fixture.m_Dam);
        QVERIFY(grab.m_Filled);
        QVERIFY(grab.BuildHtml().contains(QStringLiteral("Lady of the Long Meadow")));
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

    // The layout steps put the header chain's values on the box itself; only a
    // picture box gets a picture position.
    void headerBoxesTakeTheHeaderChain_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("textSize");
        QTest::newRow("pedigree title") << 0 << QStringLiteral(";16;");
        QTest::newRow("trial-mating title") << 1 << QStringLiteral(";16;");
        QTest::newRow("details") << 2 << QStringLiteral(";8;");
        QTest::newRow("picture") << 3 << QStringLiteral(";14;");
    }
    void headerBoxesTakeTheHeaderChain()
    {
        QFETCH(int, kind);
        QFETCH(QString, textSize);
        std::unique_ptr<CCmnThemedFormBoxGrab> grab;
        switch (kind) {
        case 0: grab = std::make_unique<CBioRegPedigreeTitleBoxGrab>(33); break;
        case 1: grab = std::make_unique<CBioRegTrialMatingTitleBoxGrab>(39); break;
        case 2: grab = std::make_unique<CBioRegPedigreeDetailsBoxGrab>(60); break;
        default: grab = std::make_unique<CBioRegThemedFormIndividualPicBoxGrab>(34); break;
        }
        const QString element = QStringLiteral("BOX-LAYOUT");
        CCmnTheme defaults;
        defaults.AddElt(LayoutElt(element));
        auto *header = LayoutElt(QStringLiteral("CMN-HEADER"));
        header->m_Payload.m_TextSize = {false, QStringLiteral(";10;")};
        header->m_Payload.m_BorderStyle = {false, {CCmnMetric(0, 0.2), 0, Qt::DashLine}};
        defaults.AddElt(header);
        auto *formDefault = LayoutElt(QStringLiteral("CMN-DEFAULT"));
        formDefault->m_Payload.m_FillColor = {false, QColor(Qt::cyan)};
        formDefault->m_Payload.m_BorderStyle = {false, {CCmnMetric(0, 0.5), 0, Qt::DotLine}};
        defaults.AddElt(formDefault);
        CCmnTheme theme;
        CCmnThemedFormBoxNames names;
        names.m_HasHeader = true;
        COrvTestBoxForm form;
        grab->m_Pending = false;

        grab->GrabLayoutElt(theme, defaults, element, form.m_Form, 2, names, nullptr);
        const CCmnFormBox &box = *form.m_Box;
        QCOMPARE(box.GetTextSize(), textSize);
        QCOMPARE(box.PropertyMode(CmnFormBoxTextSize), qint32(CmnFormBoxPropertyOwn));
        QCOMPARE(box.GetFillColor(), QColor(Qt::cyan));
        QCOMPARE(box.GetBorderStyle().m_Thickness, CCmnMetric(0, 0.2));
        QCOMPARE(box.PropertyMode(CmnFormBoxPicturePos) == CmnFormBoxPropertyOwn, kind == 3);
        QCOMPARE(box.GetPicturePos().m_Mode, kind == 3 ? 3 : CCmnFormBoxPicturePos().m_Mode);
        QCOMPARE(grab->m_TextPixelSize, box.GetTextPixelSize());
        QVERIFY(grab->m_Pending);
    }

    void ancestorCellTakesItsEntryAndItsLevels()
    {
        CGrabFixture fixture;
        const QString data = QStringLiteral("PEDIGREE-ANCESTORSPANEL0-CELLDATA");
        const QString layout = QStringLiteral("PEDIGREE-ANCESTORSPANEL0-CELLLAYOUT");
        const CCmnTheme &defaults = BioGetDefaultTheme();
        CCmnTheme theme;
        auto &cells = dynamic_cast<CBioThemedFormWithAncestryPanelsCellLayoutElt *>(
                          theme.GetEltForWrite(layout, defaults))->m_Payload;
        cells.GetSizeLayout(4).m_TextSize = {false, QStringLiteral(";9;")};
        cells.GetSizeLayout(4).m_FillColor = {false, QColor(Qt::yellow)};
        cells.GetGenLayout(4, 3).m_FillColor = {false, QColor(Qt::red)};
        auto &texts = dynamic_cast<CBioThemedFormWithAncestryPanelsCellDataElt *>(
                          theme.GetEltForWrite(data, defaults))->m_Payload;
        texts.GetEntry(4, 3).SetText(QStringLiteral("<b>[#Name]</b>"), true);
        texts.GetEntry(4, 3).m_Picture = LoadablePicture();
        COrvTestBoxForm form;

        CBioRegAncestryPanelCellBoxGrab grab(4, 3);
        QCOMPARE(grab.m_UsageContext, 53);
        QVERIFY(grab.m_ShowsRecordPicture);
        grab.GrabDataElt(theme, defaults, data, fixture.m_Names, &fixture.m_Params);
        QCOMPARE(grab.m_Text, QStringLiteral("<b>[#Name]</b>"));
        QVERIFY(grab.m_Html);
        QVERIFY(grab.m_Modified);
        QVERIFY(grab.m_Picture.IsEmpty());
        grab.GrabLayoutElt(theme, defaults, layout, form.m_Form, 2, fixture.m_Names, &fixture.m_Params);
        const CCmnFormBox &box = *form.m_Box;
        QCOMPARE(box.GetTextSize(), QStringLiteral(";9;"));
        QCOMPARE(box.GetFillColor(), QColor(Qt::red));
        QCOMPARE(box.GetTextScale(), -0.25);
        QCOMPARE(box.GetPadding().m_Left, CCmnMetric(0, 0.1).Scaled(0.3));
        QCOMPARE(box.GetPicturePos().m_Mode, 0);
        for (ECmnFormBoxProperty property : {CmnFormBoxTextFace, CmnFormBoxTextScale, CmnFormBoxBorderStyle,
                                             CmnFormBoxTextAlign, CmnFormBoxPicturePos})
            QCOMPARE(box.PropertyMode(property), qint32(CmnFormBoxPropertyOwn));

        grab.GrabIndividual(fixture.m_Reg, fixture.m_Sire);
        QVERIFY(grab.m_Filled);
        QVERIFY(grab.m_Picture.IsEmpty());
        QVERIFY(grab.BuildHtml().contains(QStringLiteral("<b>Smith &amp; Jones &lt;UK&gt;</b>")));

        // A cell of another generation reads the default text from the built-in
        // theme, which stays as it was.
        CBioRegAncestryPanelCellBoxGrab root(4, 0);
        QCOMPARE(root.m_UsageContext, 50);
        CCmnTheme empty;
        const CCmnTheme before = defaults;
        root.GrabDataElt(empty, defaults, data, fixture.m_Names, &fixture.m_Params);
        QCOMPARE(root.m_Text, QStringLiteral("[#Name]\n[@ * L 70]"));
        QVERIFY(before.IsEqual(defaults));
    }

    void ancestryPanelBoxTakesTheFormDefaults()
    {
        const QString element = QStringLiteral("PEDIGREE-ANCESTORSPANEL0-LAYOUT");
        CCmnTheme defaults;
        defaults.AddElt(LayoutElt(element));
        auto *formDefault = LayoutElt(QStringLiteral("CMN-DEFAULT"));
        formDefault->m_Payload.m_FillColor = {false, QColor(Qt::cyan)};
        formDefault->m_Payload.m_TextAlign = {false, {1, 2}};
        formDefault->m_Payload.m_Padding = {false, CmnDefaultPadding()};
        formDefault->m_Payload.m_BorderStyle = {false, {CCmnMetric(0, 0.5), 0, Qt::DotLine}};
        defaults.AddElt(formDefault);
        CCmnTheme theme;
        CCmnThemedFormBoxNames names;
        COrvTestBoxForm form;

        CBioRegAncestryPanelBoxGrab grab;
        grab.GrabLayoutElt(theme, defaults, element, form.m_Form, 2, names, nullptr);
        const CCmnFormBox &box = *form.m_Box;
        QCOMPARE(box.GetFillColor(), QColor(Qt::cyan));
        QCOMPARE(box.GetTextAlign(), (CCmnFormBoxTextAlign{1, 2}));
        // Padding and border come from the element alone: none here.
        QCOMPARE(box.GetPadding(), CCmnFormBoxRectExtents());
        QCOMPARE(box.GetBorderStyle(), CCmnFormBoxBorderStyle());
        QCOMPARE(box.GetPicturePos().m_Mode, 3);
        QCOMPARE(box.PropertyMode(CmnFormBoxTextScale), qint32(CmnFormBoxPropertyDefault));
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
