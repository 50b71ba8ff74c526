#include "cmnthemedformdefaultboxpropertiesdialog.h"
#include "cmnthemedformfooterboxpropertiesdialog.h"
#include "cmnthemedformfooterornamentboxpropertiesdialog.h"
#include "cmnthemedformheaderboxpropertiesdialog.h"
#include "cmnthemedformheaderornamentboxpropertiesdialog.h"
#include "cmnthemedformrootboxpropertiesdialog.h"

#include "cmncolorbutton.h"
#include "cmndialogbuttonbox.h"
#include "cmncombobox.h"
#include "cmnformbox.h"
#include "cmnmetricwidget.h"
#include "cmnsystemsettings.h"
#include "cmntabwidget.h"
#include "cmntext.h"
#include "cmntheme.h"
#include "cmnthemeaccessors.h"
#include "cmnthemedform.h"
#include "cmnthemedformautoparams.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformsettings.h"
#include "cmnthemedformstickystate.h"
#include "cmnwhatsthistexts.h"
#include "helptesting.h"
#include "testdialogrunnerscope.h"
#include "themedformtesting.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QTabWidget>
#include <QTest>
#include <QPushButton>
#include <QTextEdit>

#include <functional>
#include <type_traits>

namespace {

const QString kHeaderOrnamentLayout = QStringLiteral("CMN-LEFTHEADERORNAMENT-LAYOUT");
const QString kHeaderOrnamentData = QStringLiteral("CMN-LEFTHEADERORNAMENT-DATA");
const QString kRootLayout = QStringLiteral("PEDIGREE-ROOT-LAYOUT");
const QString kRootData = QStringLiteral("PEDIGREE-ROOT-DATA");
const QString kFooterOrnamentLayout = QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT-LAYOUT");
const QString kFooterOrnamentData = QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT-DATA");

// The elements a pedigree-like form asks for, all inheriting and empty.
CCmnTheme DefaultTheme()
{
    return OrvTestSkeletonTheme({QStringLiteral("PEDIGREE-ROOT"), QStringLiteral("CMN-LEFTHEADERORNAMENT"),
                                 QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT")});
}

// A themed form with a header and a footer, each with a left ornament, on a
// 1000 x 700 page, its theme copy empty, and the user's unit millimetres.
class CFixture
{
public:
    CFixture()
        : m_Form(QPointF(0, 0), QSizeF(1000, 700), QSizeF(100, 100),
                 QSharedPointer<CCmnThemedFormSettings>::create(true, 0.38, 0.07),
                 QSharedPointer<CCmnThemedFormStickyState>::create(), nullptr)
    {
        CmnCreateSystemSettings();
        CmnGetSystemSettings()->m_MeasurementUnits = CmnLengthUnitMillimeters;
        m_Scene.addItem(m_Page);
        CCmnThemedFormBoxNames &names = m_Form.BoxNames();
        names.m_Root = OrvTestBoxName(QStringLiteral("Background"), QStringLiteral("PEDIGREE-ROOT"));
        names.m_HasHeader = true;
        names.m_LeftHeaderOrnament =
            OrvTestBoxName(QStringLiteral("Smith & Jones <UK>"), QStringLiteral("CMN-LEFTHEADERORNAMENT"));
        names.m_HasFooter = true;
        names.m_LeftFooterOrnament =
            OrvTestBoxName(QStringLiteral("Signature"), QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT"));
        m_Form.Settings()->m_ShowLeftHeaderOrnament = true;
        m_Form.Settings()->m_ShowLeftFooterOrnament = true;
    }
    ~CFixture() { CmnDestroySystemSettings(); }

    CCmnThemedFormBoxGenericLayout &Layout(const QString &name)
    {
        return static_cast<CCmnThemedFormBoxGenericLayoutElt *>(m_Theme.GetEltForWrite(name, m_Default))->m_Payload;
    }
    CCmnThemedFormBoxGenericData &Data(const QString &name)
    {
        return static_cast<CCmnThemedFormBoxGenericDataElt *>(m_Theme.GetEltForWrite(name, m_Default))->m_Payload;
    }
    const CCmnThemedFormBoxNames &Names() { return m_Form.BoxNames(); }

    CCmnTheme m_Default = DefaultTheme();
    CCmnTheme m_Theme;
    CCmnThemedFormAutoParams m_Params;
    QGraphicsScene m_Scene;
    QGraphicsRectItem *m_Page = new QGraphicsRectItem(0, 0, 1000, 700);
    CCmnThemedForm m_Form;
};


QStringList GroupBoxTitles(const QWidget &window)
{
    QStringList titles;
    for (const QGroupBox *box : window.findChildren<QGroupBox *>())
        titles << box->title();
    return titles;
}

// Set ORV_RENDER_DIR to keep a picture of the dialog for a look.
void SaveRendering(QWidget &dialog, const QString &name)
{
    const QString folder = qEnvironmentVariable("ORV_RENDER_DIR");
    if (folder.isEmpty())
        return;
    dialog.resize(dialog.sizeHint());
    QVERIFY(dialog.grab().save(folder + QStringLiteral("/%1.png").arg(name)));
}

const CCmnMetric kTenthInch(CmnLengthUnitInches, 0.1);

} // namespace

class TestCmnThemedBoxPropertiesDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void formDefaultsOnAnEmptyElementShowTheBuiltInValues();
    void untouchedLengthsKeepTheirUnitOnOk();
    void headerSettingsFallBackToTheFormDefaults();
    void cancelWritesNothing();
    void ornamentSwitchedToAutomaticReachesTheForm();
    void rootTextAlignmentAndPaddingHaveNoFormDefault();
    void everyControlHasItsHelp_data();
    void everyControlHasItsHelp();

private:
    TCmnWhatsThisTable m_PreviousTexts;
};

void TestCmnThemedBoxPropertiesDialogs::initTestCase()
{
    m_PreviousTexts = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    // A control added without its label would warn; every dialog names its own.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("without a label")));
}

void TestCmnThemedBoxPropertiesDialogs::cleanupTestCase()
{
    CmnSetWhatsThisTexts(m_PreviousTexts);
}

void TestCmnThemedBoxPropertiesDialogs::formDefaultsOnAnEmptyElementShowTheBuiltInValues()
{
    CFixture fixture;
    CCmnThemedFormDefaultBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default, fixture.Names(),
                                                    fixture.m_Params);
    const CTestDialogRunnerScope answer = OrvAnswerDialog(
        dialog,
        [&] {
            const CCmnFormBoxPropertiesPanel &panel = *dialog.Panel();
            QVERIFY(panel.IsPaddingAutomatic());
            QVERIFY(panel.IsFillStyleAutomatic());
            QVERIFY(panel.IsSingleExtentAutomatic());
            QVERIFY(panel.IsBorderColorAutomatic());
            QVERIFY(panel.IsFillColorAutomatic());
            QVERIFY(panel.IsTextColorAutomatic());
            for (int side = 0; side < 4; ++side)
                QCOMPARE(panel.PaddingCtrl()->SideWidget(side)->ShownMetric(), kTenthInch);
            QCOMPARE(panel.SingleExtentCtrl()->MetricWidget()->ShownMetric(), CCmnMetric(CmnLengthUnitInches, 0.15));
            QCOMPARE(panel.BorderColorCtrl()->ColorButton()->Value(), QColor(Qt::black));
            QCOMPARE(panel.FillColorCtrl()->ColorButton()->Value(), QColor(Qt::transparent));
            QCOMPARE(panel.TextColorCtrl()->ColorButton()->Value(), QColor(Qt::black));
            QCOMPARE(panel.FillStyleCtrl()->StyleComboBox()->currentData().toInt(), 0);
            QVERIFY(GroupBoxTitles(dialog).contains("Box Gap"));
        },
        true);
    QCOMPARE(dialog.ExecAndApply(), 1);
    QCOMPARE(dialog.EltNames(), QStringList{"CMN-DEFAULT"});
    QCOMPARE(fixture.Layout("CMN-DEFAULT"), CCmnThemedFormBoxGenericLayout()); // every flag still inherits
}

// 0.1 inch shows as 2.5 mm; a plain OK must not store 2.5 mm.
void TestCmnThemedBoxPropertiesDialogs::untouchedLengthsKeepTheirUnitOnOk()
{
    CFixture fixture;
    CCmnThemedFormBoxGenericLayout &defaults = fixture.Layout("CMN-DEFAULT");
    defaults.m_Padding = {false, {kTenthInch, kTenthInch, kTenthInch, CCmnMetric(CmnLengthUnitCentimeters, 0.333)}};
    defaults.m_SingleExtent = {false, kTenthInch};
    const CCmnThemedFormBoxGenericLayout before = defaults;
    CCmnThemedFormDefaultBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default, fixture.Names(),
                                                    fixture.m_Params);
    const CTestDialogRunnerScope answer = OrvAnswerDialog(
        dialog, [&] { QCOMPARE(dialog.Panel()->SingleExtentCtrl()->MetricWidget()->text(), QString("2.5mm")); },
        true);
    QCOMPARE(dialog.ExecAndApply(), 1);
    QCOMPARE(fixture.Layout("CMN-DEFAULT"), before);
}

void TestCmnThemedBoxPropertiesDialogs::headerSettingsFallBackToTheFormDefaults()
{
    CFixture fixture;
    CCmnThemedFormBoxGenericLayout &defaults = fixture.Layout("CMN-DEFAULT");
    defaults.m_FillColor = {false, QColor(0xE8, 0xF0, 0xE0)};
    CCmnFormBoxBorderStyle ownStyle;
    ownStyle.m_LineStyle = Qt::DotLine;
    defaults.m_BorderStyle = {false, ownStyle};
    CCmnFormBoxBorderStyle builtIn;
    builtIn.m_Thickness = CCmnMetric(CmnLengthUnitInches, 0.01);
    builtIn.m_CornerStyle = 2;
    builtIn.m_LineStyle = 1;
    fixture.m_Form.BuildBoxes(fixture.m_Theme, fixture.m_Default, &fixture.m_Params, fixture.m_Page);
    fixture.m_Form.ApplyTheme(QString(), fixture.m_Theme, fixture.m_Default, &fixture.m_Params, 0);
    fixture.m_Form.ApplyGrabs();
    const QSharedPointer<CCmnFormBox> ornament = fixture.m_Form.GetBox(fixture.m_Form.LeftHeaderOrnamentId());
    QCOMPARE(ornament->GetTextColor(), QColor(Qt::black));

    CCmnThemedFormHeaderBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default, fixture.Names(),
                                                   fixture.m_Params);
    QCOMPARE(dialog.windowTitle(), QString("Header Settings"));
    const CTestDialogRunnerScope answer = OrvAnswerDialog(
        dialog,
        [&] {
            CCmnFormBoxPropertiesPanel &panel = *dialog.Panel();
            QVERIFY(panel.IsFillColorAutomatic());
            QCOMPARE(panel.FillColorCtrl()->ColorButton()->Value(), QColor(0xE8, 0xF0, 0xE0));
            QVERIFY(panel.IsBorderStyleAutomatic());
            QCOMPARE(panel.BorderStyleCtrl()->LineStyleComboBox()->currentData().toInt(), 1);
            QCOMPARE(panel.BorderStyleCtrl()->CornerComboBox()->currentData().toInt(), 2);
            QCOMPARE(panel.BorderStyleCtrl()->ThicknessWidget()->ShownMetric(), builtIn.m_Thickness);

            panel.TextColorCtrl()->AutomaticButton()->click();
            panel.TextColorCtrl()->ColorButton()->SetColor(Qt::darkBlue);
        },
        true);
    QCOMPARE(dialog.ExecHeaderOrFooter(), 1);
    const CCmnThemedFormBoxGenericLayout &header = fixture.Layout("CMN-HEADER");
    QCOMPARE(header.m_TextColor.m_Inherit, false);
    QCOMPARE(header.m_TextColor.m_Value, QColor(Qt::darkBlue));
    QVERIFY(header.m_FillColor.m_Inherit);
    QVERIFY(header.m_BorderStyle.m_Inherit);

    // The header's ornaments fall back to it: re-applying its name restyles them.
    QCOMPARE(dialog.EltNames(), QStringList{"CMN-HEADER"});
    for (const QString &name : dialog.EltNames())
        fixture.m_Form.ApplyTheme(name, fixture.m_Theme, fixture.m_Default, &fixture.m_Params, 0);
    fixture.m_Form.ApplyGrabs();
    QCOMPARE(ornament->GetTextColor(), QColor(Qt::darkBlue));
}

void TestCmnThemedBoxPropertiesDialogs::cancelWritesNothing()
{
    CFixture fixture;
    fixture.Layout(kHeaderOrnamentLayout).m_FillColor = {false, QColor(Qt::green)};
    fixture.Data(kHeaderOrnamentData).SetText("Brackenfield Kennels", false);
    const CCmnThemedFormBoxGenericLayout layoutBefore = fixture.Layout(kHeaderOrnamentLayout);
    const CCmnThemedFormBoxGenericData dataBefore = fixture.Data(kHeaderOrnamentData);
    CCmnThemedFormHeaderOrnamentBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default, kHeaderOrnamentLayout,
                                                          kHeaderOrnamentData, fixture.Names(), fixture.m_Params);
    const CTestDialogRunnerScope answer = OrvAnswerDialog(
        dialog,
        [&] {
            dialog.LayoutTab()->Panel()->FillColorCtrl()->ColorButton()->SetColor(Qt::red);
            dialog.TextTab()->Panel()->TextEdit()->setPlainText("Smith & Jones <UK>");
        },
        false);
    QVERIFY(dialog.ExecAndApply() != 1);
    QCOMPARE(fixture.Layout(kHeaderOrnamentLayout), layoutBefore);
    QCOMPARE(fixture.Data(kHeaderOrnamentData), dataBefore);
}

void TestCmnThemedBoxPropertiesDialogs::ornamentSwitchedToAutomaticReachesTheForm()
{
    CFixture fixture;
    fixture.Layout("CMN-HEADER").m_FillColor = {false, QColor(Qt::yellow)};
    fixture.Layout(kHeaderOrnamentLayout).m_FillColor = {false, QColor(Qt::green)};
    fixture.Data(kHeaderOrnamentData).SetText("Brackenfield Kennels", false);
    fixture.m_Form.BuildBoxes(fixture.m_Theme, fixture.m_Default, &fixture.m_Params, fixture.m_Page);
    fixture.m_Form.ApplyTheme(QString(), fixture.m_Theme, fixture.m_Default, &fixture.m_Params, 0);
    fixture.m_Form.ApplyGrabs();
    const QSharedPointer<CCmnFormBox> ornament = fixture.m_Form.GetBox(fixture.m_Form.LeftHeaderOrnamentId());
    QCOMPARE(ornament->GetFillColor(), QColor(Qt::green));

    CCmnThemedFormHeaderOrnamentBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default, kHeaderOrnamentLayout,
                                                          kHeaderOrnamentData, fixture.Names(), fixture.m_Params);
    const CTestDialogRunnerScope answer = OrvAnswerDialog(
        dialog,
        [&] {
            QCOMPARE(dialog.TabWidget()->count(), 3);
            CCmnFormBoxPropertiesPanel &layout = *dialog.LayoutTab()->Panel();
            QVERIFY(!layout.IsFillColorAutomatic());
            layout.FillColorCtrl()->AutomaticButton()->click();
            QCOMPARE(layout.FillColorCtrl()->ColorButton()->Value(), QColor(Qt::yellow));
            QCOMPARE(dialog.TextTab()->Panel()->TextEdit()->toPlainText(), QString("Brackenfield Kennels"));
        },
        true);
    QCOMPARE(dialog.ExecAndApply(), 1);
    QVERIFY(fixture.Layout(kHeaderOrnamentLayout).m_FillColor.m_Inherit);
    QCOMPARE(fixture.Layout(kHeaderOrnamentLayout).m_FillColor.m_Value, QColor(Qt::green)); // kept, unused
    QCOMPARE(fixture.Data(kHeaderOrnamentData).m_Text.m_Text, QString("Brackenfield Kennels"));
    QVERIFY(!dialog.HasPicture());

    QCOMPARE(dialog.EltNames(), (QStringList{kHeaderOrnamentLayout, kHeaderOrnamentData}));
    for (const QString &name : dialog.EltNames())
        fixture.m_Form.ApplyTheme(name, fixture.m_Theme, fixture.m_Default, &fixture.m_Params, 0);
    fixture.m_Form.ApplyGrabs();
    QCOMPARE(ornament->GetFillColor(), QColor(Qt::yellow));
}

void TestCmnThemedBoxPropertiesDialogs::rootTextAlignmentAndPaddingHaveNoFormDefault()
{
    CFixture fixture;
    CCmnThemedFormBoxGenericLayout &defaults = fixture.Layout("CMN-DEFAULT");
    defaults.m_Padding = {false, {kTenthInch, kTenthInch, kTenthInch, kTenthInch}};
    defaults.m_TextAlign = {false, {1, 1}};
    CCmnThemedFormRootBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default, kRootLayout, kRootData,
                                                fixture.Names(), fixture.m_Params);
    const CTestDialogRunnerScope answer = OrvAnswerDialog(
        dialog,
        [&] {
            CCmnFormBoxPropertiesPanel &text = *dialog.TextTab()->Panel();
            QCOMPARE(text.TextAlignCtrl()->HorizontalComboBox()->currentData().toInt(), 0);
            QCOMPARE(text.TextAlignCtrl()->VerticalComboBox()->currentData().toInt(), 0);
            CCmnFormBoxPropertiesPanel &layout = *dialog.LayoutTab()->Panel();
            QCOMPARE(layout.PaddingCtrl()->SideWidget(0)->value(), 0.0);
            text.TextEdit()->setPlainText("  Smith & Jones <UK>  ");
        },
        true);
    QCOMPARE(dialog.ExecAndApply(), 1);
    QCOMPARE(fixture.Data(kRootData).m_Text.m_Text, QString("Smith & Jones <UK>"));
    QVERIFY(fixture.Layout(kRootLayout).m_TextAlign.m_Inherit);
}

namespace {

enum class EThemedDialog { FormDefaults, HeaderSettings, FooterSettings, Root, HeaderOrnament, FooterOrnament };

// Every page of the dialog: the dialog itself, or each of its tabs made current.
template <typename TDialog>
QList<QWidget *> Pages(TDialog &dialog)
{
    if constexpr (std::is_base_of_v<CCmnThemedFormBoxGenericPropertiesTabsMixin, TDialog>)
        return {dialog.PhotoTab(), dialog.TextTab(), dialog.LayoutTab()};
    else
        return {&dialog};
}

// Prepares the dialog on the fixture's theme and hands each page to `visit`
// (a tab made current first), then cancels.
template <typename TDialog>
void VisitPages(TDialog &dialog, const std::function<int()> &run,
                const std::function<void(QWidget &dialog, QWidget &page, const QString &name)> &visit)
{
    const CTestDialogRunnerScope answer = OrvAnswerDialog(
        dialog,
        [&] {
            for (QWidget *page : Pages(dialog)) {
                QString name;
                if constexpr (std::is_base_of_v<CCmnThemedFormBoxGenericPropertiesTabsMixin, TDialog>) {
                    dialog.TabWidget()->setCurrentWidget(page);
                    name = dialog.TabWidget()->tabText(dialog.TabWidget()->currentIndex());
                }
                visit(dialog, *page, name);
            }
        },
        false);
    run();
}

} // namespace

void TestCmnThemedBoxPropertiesDialogs::everyControlHasItsHelp_data()
{
    QTest::addColumn<EThemedDialog>("kind");
    QTest::addColumn<QString>("file");

    QTest::newRow("Form Defaults") << EThemedDialog::FormDefaults << "form-defaults";
    QTest::newRow("Header Settings") << EThemedDialog::HeaderSettings << "header-settings";
    QTest::newRow("Footer Settings") << EThemedDialog::FooterSettings << "footer-settings";
    QTest::newRow("background") << EThemedDialog::Root << "root";
    QTest::newRow("header ornament") << EThemedDialog::HeaderOrnament << "header-ornament";
    QTest::newRow("footer ornament") << EThemedDialog::FooterOrnament << "footer-ornament";
}

// Also keeps a picture of every page when ORV_RENDER_DIR is set, with a user's
// text in the boxes.
void TestCmnThemedBoxPropertiesDialogs::everyControlHasItsHelp()
{
    QFETCH(EThemedDialog, kind);
    QFETCH(QString, file);
    CFixture fixture;
    const QString text = QStringLiteral("Smith & Jones <UK>\nBrackenfield Kennels of the Northern Moors and Dales");
    for (const QString &name : {kRootData, kHeaderOrnamentData, kFooterOrnamentData})
        fixture.Data(name).SetText(text, false);
    int pages = 0;
    const auto visit = [&](QWidget &dialog, QWidget &page, const QString &tab) {
        ++pages;
        QCOMPARE(OrvWidgetsWithoutHelp(page), QStringList());
        SaveRendering(dialog, tab.isEmpty() ? file : file + "-" + tab);
    };
    switch (kind) {
    case EThemedDialog::FormDefaults: {
        CCmnThemedFormDefaultBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default, fixture.Names(),
                                                        fixture.m_Params);
        VisitPages(dialog, [&] { return dialog.ExecAndApply(); }, visit);
        break;
    }
    case EThemedDialog::HeaderSettings: {
        CCmnThemedFormHeaderBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default, fixture.Names(),
                                                       fixture.m_Params);
        VisitPages(dialog, [&] { return dialog.ExecHeaderOrFooter(); }, visit);
        break;
    }
    case EThemedDialog::FooterSettings: {
        CCmnThemedFormFooterBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default, fixture.Names(),
                                                       fixture.m_Params);
        VisitPages(dialog, [&] { return dialog.ExecHeaderOrFooter(); }, visit);
        break;
    }
    case EThemedDialog::Root: {
        CCmnThemedFormRootBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default, kRootLayout, kRootData,
                                                    fixture.Names(), fixture.m_Params);
        dialog.setWindowTitle("Background Settings");
        VisitPages(dialog, [&] { return dialog.ExecAndApply(); }, visit);
        break;
    }
    case EThemedDialog::HeaderOrnament: {
        CCmnThemedFormHeaderOrnamentBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default,
                                                              kHeaderOrnamentLayout, kHeaderOrnamentData,
                                                              fixture.Names(), fixture.m_Params);
        dialog.setWindowTitle("Smith & Jones <UK> Settings");
        VisitPages(dialog, [&] { return dialog.ExecAndApply(); }, visit);
        break;
    }
    case EThemedDialog::FooterOrnament: {
        CCmnThemedFormFooterOrnamentBoxPropertiesDialog dialog(fixture.m_Theme, fixture.m_Default,
                                                              kFooterOrnamentLayout, kFooterOrnamentData,
                                                              fixture.Names(), fixture.m_Params);
        dialog.setWindowTitle("Signature Settings");
        VisitPages(dialog, [&] { return dialog.ExecAndApply(); }, visit);
        break;
    }
    }
    QVERIFY(pages > 0);
}

QTEST_MAIN(TestCmnThemedBoxPropertiesDialogs)
#include "tst_cmnthemedboxpropertiesdialogs.moc"
