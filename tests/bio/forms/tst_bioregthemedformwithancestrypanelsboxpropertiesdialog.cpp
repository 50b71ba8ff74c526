#include "bioregthemedformwithancestrypanelsboxpropertiesdialog.h"
#include "bioregthemedformwithancestrypanelscelldefaultboxpropertiesdialog.h"
#include "bioregthemedformwithancestrypanelscellspecificgenofgensboxpropertiesdialog.h"
#include "bioregthemedformwithancestrypanelscellspecificgensboxpropertiesdialog.h"

#include "biodefaulttheme.h"
#include "biothemedformwithancestrypanelscelllayout.h"
#include "cmncolorbutton.h"
#include "cmndialogbuttonbox.h"
#include "cmnformboxpropbordercolorctrl.h"
#include "cmnformboxpropborderstylectrl.h"
#include "cmnformboxpropertiespanel.h"
#include "cmnformboxpropertiestab.h"
#include "cmnformboxpropfillcolorctrl.h"
#include "cmnformboxproprectmetricsctrl.h"
#include "cmnformboxpropsinglemetricctrl.h"
#include "cmnformboxproptextcolorctrl.h"
#include "cmnformboxproptextscalectrl.h"
#include "cmnformboxproptextsizectrl.h"
#include "cmnsystemsettings.h"
#include "cmntabwidget.h"
#include "cmntextedit.h"
#include "cmntheme.h"
#include "cmnthemedformautoparams.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformboxnames.h"
#include "cmnwhatsthistexts.h"
#include "helptesting.h"
#include "rendertesting.h"
#include "testdialogrunnerscope.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

const QString kStem = QStringLiteral("PEDIGREE-ANCESTORSPANEL0");
const QString kCellLayout = kStem + QStringLiteral("-CELLLAYOUT");
const QString kCellData = kStem + QStringLiteral("-CELLDATA");

CCmnThemedFormBoxGenericLayout &Layout(CCmnTheme &theme, const QString &name)
{
    return static_cast<CCmnThemedFormBoxGenericLayoutElt *>(theme.GetEltForWrite(name, BioGetDefaultTheme()))
        ->m_Payload;
}

CBioThemedFormWithAncestryPanelsCellLayout &Cells(CCmnTheme &theme)
{
    return static_cast<CBioThemedFormWithAncestryPanelsCellLayoutElt *>(
               theme.GetEltForWrite(kCellLayout, BioGetDefaultTheme()))
        ->m_Payload;
}

CBioThemedFormWithAncestryPanelsCellData &Texts(CCmnTheme &theme)
{
    return static_cast<CBioThemedFormWithAncestryPanelsCellDataElt *>(
               theme.GetEltForWrite(kCellData, BioGetDefaultTheme()))
        ->m_Payload;
}

// Each dialog as the launcher opens it on the pedigree's panel.
struct CDialogs
{
    CDialogs(CCmnTheme &theme, qint32 n, qint32 g)
        : m_Box(theme, BioGetDefaultTheme(), kStem + QStringLiteral("-LAYOUT"), kStem + QStringLiteral("-DATA"),
                m_Names, m_Params)
        , m_Default(theme, BioGetDefaultTheme(), kCellLayout, kCellData, m_Names, m_Params)
        , m_Gens(theme, BioGetDefaultTheme(), kCellLayout, kCellData, m_Names, m_Params)
        , m_GenOfGens(theme, BioGetDefaultTheme(), kCellLayout, kCellData, m_Names, m_Params)
    {
        m_Box.setWindowTitle(QStringLiteral("Ancestors Box Settings"));
        m_Gens.SetGens(n);
        m_GenOfGens.SetGenOfGens(n, g);
    }
    CCmnThemedFormBoxNames m_Names;
    CCmnThemedFormAutoParams m_Params;
    CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog m_Box;
    CBioRegThemedFormWithAncestryPanelsCellDefaultBoxPropertiesDialog m_Default;
    CBioRegThemedFormWithAncestryPanelsCellSpecificGensBoxPropertiesDialog m_Gens;
    CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog m_GenOfGens;
};

} // namespace

class TestBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_PreviousTexts = CmnSetWhatsThisTexts({});
        CmnLoadWhatsThisTexts();
        CmnCreateSystemSettings();
    }
    void cleanupTestCase()
    {
        CmnDestroySystemSettings();
        CmnSetWhatsThisTexts(m_PreviousTexts);
    }

    // Titles, edited elements, help pages, What's This texts, and a look at each.
    void dialogsNameTheirPagesAndEveryControlHasHelp()
    {
        CCmnTheme theme;
        Texts(theme).GetEntry(5, 2).SetText(QStringLiteral("Smith & Jones <UK> [#Name] of the Long Meadow"), false);
        CDialogs dialogs(theme, 5, 2);
        QCOMPARE(dialogs.m_Default.windowTitle(), QStringLiteral("Ancestor Cell Settings - Default"));
        QCOMPARE(dialogs.m_Gens.windowTitle(), QStringLiteral("Ancestor Cell Settings - 5G Specific"));
        QCOMPARE(dialogs.m_GenOfGens.windowTitle(), QStringLiteral("Ancestor Cell Settings - G3/5 Specific"));
        const QStringList cellNames{kCellLayout, kCellData};
        QCOMPARE(dialogs.m_Default.EltNames(), cellNames);
        QCOMPARE(dialogs.m_Gens.EltNames(), cellNames);
        QCOMPARE(dialogs.m_GenOfGens.EltNames(), cellNames);
        QCOMPARE(dialogs.m_Box.EltNames(),
                 QStringList({kStem + QStringLiteral("-LAYOUT"), kStem + QStringLiteral("-DATA")}));
        QCOMPARE(dialogs.m_Default.HelpPage(),
                 QStringLiteral("CBioRegThemedFormWithAncestryPanelsCellDefaultBoxPropertiesDialog.html"));
        QCOMPARE(dialogs.m_Gens.HelpPage(),
                 QStringLiteral("CBioRegThemedFormWithAncestryPanelsCellSpecificGensBoxPropertiesDialog.html"));

        const auto look = [](QDialog &dialog, const QString &file) {
            const QStringList missing = OrvWidgetsWithoutHelp(dialog);
            QVERIFY2(missing.isEmpty(), qPrintable(file + QStringLiteral(": ") + missing.join(QStringLiteral(", "))));
            dialog.resize(dialog.sizeHint());
            QVERIFY(OrvKeepForReview(dialog.grab().toImage(), file));
        };
        {
            const CTestDialogRunnerScope answer = OrvAnswerDialog(
                dialogs.m_Box,
                [&] {
                    CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog &box = dialogs.m_Box;
                    QCOMPARE(box.TabWidget()->count(), 3);
                    const QStringList labels{QStringLiteral("Photo"), QStringLiteral("Text"), QStringLiteral("Layout")};
                    const QStringList pages{QStringLiteral("_Pic.html"), QStringLiteral("_Text.html"),
                                            QStringLiteral("_Layout.html")};
                    const QList<CCmnFormBoxPropertiesTab *> tabs{box.PhotoTab(), box.TextTab(), box.LayoutTab()};
                    for (int tab = 0; tab < 3; ++tab) {
                        QCOMPARE(box.TabWidget()->tabText(tab), labels.at(tab));
                        QCOMPARE(tabs.at(tab)->HelpPage(),
                                 QStringLiteral("CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog") + pages.at(tab));
                        box.TabWidget()->setCurrentIndex(tab);
                        look(box, QStringLiteral("orvanta-ancestorsbox-%1.png").arg(tab));
                    }
                    // The picture's position sits with the picture; no border, no padding.
                    QVERIFY(box.PhotoTab()->Panel()->PicturePosCtrl());
                    QVERIFY(!box.LayoutTab()->Panel()->PicturePosCtrl());
                    QCOMPARE(box.LayoutTab()->Panel()->BorderStyleCtrl()->DefaultValue(), CCmnFormBoxBorderStyle());
                    QCOMPARE(box.LayoutTab()->Panel()->PaddingCtrl()->DefaultValue(), CCmnFormBoxRectExtents());
                },
                false);
            QCOMPARE(dialogs.m_Box.ExecAndApply(), 0);
        }
        {
            const CTestDialogRunnerScope answer = OrvAnswerDialog(
                dialogs.m_Default, [&] { look(dialogs.m_Default, QStringLiteral("orvanta-celldefault.png")); }, false);
            QCOMPARE(dialogs.m_Default.ExecAndApply(), 0);
        }
        {
            const CTestDialogRunnerScope answer = OrvAnswerDialog(
                dialogs.m_Gens, [&] { look(dialogs.m_Gens, QStringLiteral("orvanta-cellgens.png")); }, false);
            QCOMPARE(dialogs.m_Gens.ExecAndApply(), 0);
        }
        {
            const CTestDialogRunnerScope answer = OrvAnswerDialog(
                dialogs.m_GenOfGens,
                [&] {
                    CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog &gen = dialogs.m_GenOfGens;
                    QVERIFY(!gen.PhotoTab());
                    QCOMPARE(gen.TabWidget()->count(), 2);
                    QCOMPARE(gen.TextTab()->HelpPage(),
                             QStringLiteral("CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog_Text.html"));
                    QCOMPARE(gen.LayoutTab()->HelpPage(),
                             QStringLiteral("CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog_Layout.html"));
                    QCOMPARE(gen.TextTab()->Panel()->TextEdit()->toPlainText(),
                             QStringLiteral("Smith & Jones <UK> [#Name] of the Long Meadow"));
                    QVERIFY(!gen.TextTab()->Panel()->TextSizeCtrl());
                    for (int tab = 0; tab < 2; ++tab) {
                        gen.TabWidget()->setCurrentIndex(tab);
                        look(gen, QStringLiteral("orvanta-cellgen-%1.png").arg(tab));
                    }
                },
                false);
            QCOMPARE(dialogs.m_GenOfGens.ExecAndApply(), 0);
        }
    }

    // OK with everything on automatic still leaves the size layout behind,
    // every property inherited; Cancel leaves nothing.
    void chartSizeDialogKeepsItsLayoutOnlyOnOk()
    {
        CCmnTheme theme;
        const CCmnTheme before = theme;
        for (bool accept : {false, true}) {
            CDialogs dialogs(theme, 4, 0);
            QCOMPARE(dialogs.m_Gens.windowTitle(), QStringLiteral("Ancestor Cell Settings - 4G Specific"));
            const CTestDialogRunnerScope answer = OrvAnswerDialog(
                dialogs.m_Gens, [&] { QVERIFY(dialogs.m_Gens.Panel()->IsBorderStyleAutomatic()); }, accept);
            QCOMPARE(dialogs.m_Gens.ExecAndApply(), accept ? 1 : 0);
            if (!accept) {
                QVERIFY(theme.IsEqual(before));
                QVERIFY(!theme.Elements().contains(kCellLayout));
            }
        }
        QVERIFY(!theme.IsEqual(before));
        const CCmnThemedFormBoxGenericLayout *size4 = Cells(theme).SizeLayout(4);
        QVERIFY(size4);
        QCOMPARE(*size4, CCmnThemedFormBoxGenericLayout());
        QVERIFY(!Cells(theme).SizeLayout(5));
    }

    // The automatic gap ignores the form defaults' gap; a size that inherits it
    // shows the form defaults' gap, both times the size's factor.
    void chartSizeBoxGap_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("4 generations") << 4;
        QTest::newRow("6 generations") << 6;
    }
    void chartSizeBoxGap()
    {
        QFETCH(int, n);
        CCmnTheme theme;
        Layout(theme, QStringLiteral("CMN-DEFAULT")).m_SingleExtent = {false, CCmnMetric(0, 0.5)};
        CDialogs dialogs(theme, n, 0);
        const double factor = (7 - n) * 0.4 / 6;
        const CTestDialogRunnerScope answer = OrvAnswerDialog(
            dialogs.m_Gens,
            [&] {
                CCmnFormBoxPropertiesPanel &panel = *dialogs.m_Gens.Panel();
                QVERIFY(panel.IsSingleExtentAutomatic());
                QCOMPARE(panel.SingleExtentCtrl()->DefaultValue(), CCmnMetric(0, 0.15).Scaled(factor));
                QCOMPARE(panel.m_SingleExtent, CCmnMetric(0, 0.5).Scaled(factor));
            },
            false);
        QCOMPARE(dialogs.m_Gens.ExecAndApply(), 0);
    }

    void generationFontScaling_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("g");
        QTest::addColumn<double>("automatic");
        QTest::newRow("(6, 0)") << 6 << 0 << 0.0;
        QTest::newRow("(2, 0)") << 2 << 0 << 0.88;
    }
    void generationFontScaling()
    {
        QFETCH(int, n);
        QFETCH(int, g);
        QFETCH(double, automatic);
        CCmnTheme theme;
        CDialogs dialogs(theme, n, g);
        const CTestDialogRunnerScope answer = OrvAnswerDialog(
            dialogs.m_GenOfGens,
            [&] {
                CCmnFormBoxPropertiesPanel &text = *dialogs.m_GenOfGens.TextTab()->Panel();
                QVERIFY(text.IsTextScaleAutomatic());
                QVERIFY(qAbs(text.TextScaleCtrl()->DefaultValue() - automatic) < 1e-9);
            },
            false);
        QCOMPARE(dialogs.m_GenOfGens.ExecAndApply(), 0);
    }

    // The generation dialog edits (n, g) only: the text, a changed control, a
    // control put back on automatic (inherited, stored value kept). Cancel
    // writes nothing.
    void generationDialogWritesItsEntryOnOk()
    {
        CCmnTheme theme;
        Cells(theme).GetGenLayout(5, 2).m_FillColor = {false, QColor(Qt::green)};
        Cells(theme).GetSizeLayout(5).m_TextColor = {false, QColor(Qt::blue)};
        for (bool accept : {false, true}) {
            const CCmnTheme before = theme;
            CDialogs dialogs(theme, 5, 2);
            const CTestDialogRunnerScope answer = OrvAnswerDialog(
                dialogs.m_GenOfGens,
                [&] {
                    CCmnFormBoxPropertiesPanel &text = *dialogs.m_GenOfGens.TextTab()->Panel();
                    CCmnFormBoxPropertiesPanel &look = *dialogs.m_GenOfGens.LayoutTab()->Panel();
                    // Automatic shows the size level's colour.
                    QVERIFY(text.IsTextColorAutomatic());
                    QCOMPARE(text.TextColorCtrl()->DefaultValue(), QColor(Qt::blue));
                    QVERIFY(!look.IsFillColorAutomatic());
                    QCOMPARE(look.FillColorCtrl()->ColorButton()->Value(), QColor(Qt::green));
                    look.FillColorCtrl()->AutomaticButton()->click();
                    look.BorderColorCtrl()->AutomaticButton()->click();
                    look.BorderColorCtrl()->ColorButton()->SetColor(Qt::darkRed);
                    text.TextEdit()->setPlainText(QStringLiteral("[#Name] & <b>Co</b>"));
                },
                accept);
            QCOMPARE(dialogs.m_GenOfGens.ExecAndApply(), accept ? 1 : 0);
            if (!accept)
                QVERIFY(theme.IsEqual(before));
        }
        const CCmnThemedFormBoxGenericLayout &gen = *Cells(theme).GenLayout(5, 2);
        QVERIFY(gen.m_FillColor.m_Inherit);
        QCOMPARE(gen.m_FillColor.m_Value, QColor(Qt::green));
        QVERIFY(!gen.m_BorderColor.m_Inherit);
        QCOMPARE(gen.m_BorderColor.m_Value, QColor(Qt::darkRed));
        QVERIFY(gen.m_TextColor.m_Inherit);
        QVERIFY(!Cells(theme).GenLayout(5, 1));
        QCOMPARE(Texts(theme).Entry(5, 2)->m_Text.m_Text, QStringLiteral("[#Name] & <b>Co</b>"));
    }

    // The defaults dialog's automatic values are the form defaults'; a control
    // put back on automatic keeps the stored value.
    void cellDefaultsFollowTheFormDefaults()
    {
        CCmnTheme theme;
        Layout(theme, QStringLiteral("CMN-DEFAULT")).m_TextSize = {false, QStringLiteral(";20;")};
        Cells(theme).DefaultLayout().m_TextSize = {false, QStringLiteral(";9;")};
        CDialogs dialogs(theme, 4, 0);
        const CTestDialogRunnerScope answer = OrvAnswerDialog(
            dialogs.m_Default,
            [&] {
                CCmnFormBoxPropertiesPanel &panel = *dialogs.m_Default.Panel();
                QVERIFY(!panel.IsTextSizeAutomatic());
                QCOMPARE(panel.m_TextSize, QStringLiteral(";9;"));
                QCOMPARE(panel.TextSizeCtrl()->DefaultValue(), QStringLiteral(";20;"));
                QVERIFY(!panel.PaddingCtrl());
                QVERIFY(!panel.SingleExtentCtrl());
                panel.TextSizeCtrl()->AutomaticButton()->click();
            },
            true);
        QCOMPARE(dialogs.m_Default.ExecAndApply(), 1);
        const CCmnThemedFormBoxGenericLayout &defaults = Cells(theme).DefaultLayout();
        QVERIFY(defaults.m_TextSize.m_Inherit);
        QCOMPARE(defaults.m_TextSize.m_Value, QStringLiteral(";9;"));
        QVERIFY(!Cells(theme).SizeLayout(4));
    }

private:
    TCmnWhatsThisTable m_PreviousTexts;
};

QTEST_MAIN(TestBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog)
#include "tst_bioregthemedformwithancestrypanelsboxpropertiesdialog.moc"
