#include "bioregthemedformboxpropertiesdialog.h"

#include "biodefaulttheme.h"
#include "bioregthemedformboxgrab.h"
#include "cmncolorbutton.h"
#include "cmndialogbuttonbox.h"
#include "cmnformboxpropbordercolorctrl.h"
#include "cmnformboxpropertiespanel.h"
#include "cmnformboxpropertiestab.h"
#include "cmnformboxpropfillcolorctrl.h"
#include "cmnformboxproppicposctrl.h"
#include "cmnformboxproptextcolorctrl.h"
#include "cmnformboxproptextsizectrl.h"
#include "cmnsystemsettings.h"
#include "cmntabwidget.h"
#include "cmntheme.h"
#include "cmnthemedformautoparams.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformboxnames.h"
#include "cmnwhatsthistexts.h"
#include "cmndatastream.h"
#include "cmncheckbox.h"
#include "cmntextedit.h"
#include "rendertesting.h"
#include "streamtesting.h"
#include "helptesting.h"
#include "testdialogrunnerscope.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

#include <functional>
#include <memory>

namespace {

enum EKind {
    CoverReverse,
    CoverFlap,
    CoverTitle,
    PedigreeTitle,
    TrialMatingTitle,
    PedigreeDetails,
    SireDetails,
    DamDetails,
    Picture,
};

// The dialog of each kind on its own elements, as the launcher opens it.
std::unique_ptr<CBioRegThemedFormBoxPropertiesDialog> NewDialog(int kind, CCmnTheme &theme,
                                                                const CCmnThemedFormBoxNames &names,
                                                                const CCmnThemedFormAutoParams &params)
{
    const CCmnTheme &defaults = BioGetDefaultTheme();
    const auto make = [&]<typename TDialog>(const char *stem) {
        const QString name = QLatin1String(stem);
        return std::unique_ptr<CBioRegThemedFormBoxPropertiesDialog>(
            new TDialog(theme, defaults, name + QStringLiteral("-LAYOUT"), name + QStringLiteral("-DATA"), names,
                        params));
    };
    switch (kind) {
    case CoverReverse: return make.operator()<CBioRegCoverSheetReverseBoxPropertiesDialog>("COVERSHEET-REVERSE");
    case CoverFlap: return make.operator()<CBioRegCoverSheetFlapBoxPropertiesDialog>("COVERSHEET-FLAP");
    case CoverTitle: return make.operator()<CBioRegCoverSheetTitleBoxPropertiesDialog>("COVERSHEET-TITLE");
    case PedigreeTitle: return make.operator()<CBioRegPedigreeTitleBoxPropertiesDialog>("PEDIGREE-TITLE");
    case TrialMatingTitle:
        return make.operator()<CBioRegTrialMatingTitleBoxPropertiesDialog>("TRIALMATING-TITLE");
    case PedigreeDetails: return make.operator()<CBioRegPedigreeDetailsBoxPropertiesDialog>("PEDIGREE-DETAILS");
    case SireDetails:
        return make.operator()<CBioRegTrialMatingSireDetailsBoxPropertiesDialog>("TRIALMATING-SIREDETAILS");
    case DamDetails:
        return make.operator()<CBioRegTrialMatingDamDetailsBoxPropertiesDialog>("TRIALMATING-DAMDETAILS");
    default: return make.operator()<CBioRegThemedFormIndividualPicBoxPropertiesDialog>("PEDIGREE-PIC");
    }
}

int RunDialog(CBioRegThemedFormBoxPropertiesDialog &dialog)
{
    if (auto *d = qobject_cast<CBioRegCoverSheetReverseBoxPropertiesDialog *>(&dialog)) return d->ExecAndApply();
    if (auto *d = qobject_cast<CBioRegCoverSheetFlapBoxPropertiesDialog *>(&dialog)) return d->ExecAndApply();
    if (auto *d = qobject_cast<CBioRegCoverSheetTitleBoxPropertiesDialog *>(&dialog)) return d->ExecAndApply();
    if (auto *d = qobject_cast<CBioRegPedigreeTitleBoxPropertiesDialog *>(&dialog)) return d->ExecAndApply();
    if (auto *d = qobject_cast<CBioRegTrialMatingTitleBoxPropertiesDialog *>(&dialog)) return d->ExecAndApply();
    if (auto *d = qobject_cast<CBioRegPedigreeDetailsBoxPropertiesDialog *>(&dialog)) return d->ExecAndApply();
    if (auto *d = qobject_cast<CBioRegTrialMatingSireDetailsBoxPropertiesDialog *>(&dialog)) return d->ExecAndApply();
    if (auto *d = qobject_cast<CBioRegTrialMatingDamDetailsBoxPropertiesDialog *>(&dialog)) return d->ExecAndApply();
    if (auto *d = qobject_cast<CBioRegThemedFormIndividualPicBoxPropertiesDialog *>(&dialog)) return d->ExecAndApply();
    return -1;
}

CCmnThemedFormBoxGenericLayout &Layout(CCmnTheme &theme, const QString &name)
{
    return static_cast<CCmnThemedFormBoxGenericLayoutElt *>(theme.GetEltForWrite(name, BioGetDefaultTheme()))
        ->m_Payload;
}


} // namespace

class TestBioRegThemedFormBoxPropertiesDialog : public QObject
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

    // "Automatic" shows what the box's own grab gives it.
    void automaticTextSizeFollowsTheBox_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("hasHeader");
        QTest::addColumn<QString>("automatic");
        QTest::newRow("pedigree title") << int(PedigreeTitle) << true << QStringLiteral(";16;");
        QTest::newRow("trial-mating title") << int(TrialMatingTitle) << true << QStringLiteral(";16;");
        QTest::newRow("pedigree details") << int(PedigreeDetails) << true << QStringLiteral(";8;");
        QTest::newRow("sire details") << int(SireDetails) << true << QStringLiteral(";8;");
        QTest::newRow("dam details") << int(DamDetails) << true << QStringLiteral(";8;");
        QTest::newRow("picture") << int(Picture) << true << QStringLiteral(";14;");
        QTest::newRow("pedigree title without header") << int(PedigreeTitle) << false << QStringLiteral(";32;");
        QTest::newRow("cover title") << int(CoverTitle) << true << QStringLiteral(";32;");
        QTest::newRow("cover reverse") << int(CoverReverse) << true << QStringLiteral(";20;");
        QTest::newRow("cover flap") << int(CoverFlap) << false << QStringLiteral(";20;");
    }
    void automaticTextSizeFollowsTheBox()
    {
        QFETCH(int, kind);
        QFETCH(bool, hasHeader);
        QFETCH(QString, automatic);
        CCmnTheme theme;
        Layout(theme, QStringLiteral("CMN-HEADER")).m_TextSize = {false, QStringLiteral(";10;")};
        Layout(theme, QStringLiteral("CMN-DEFAULT")).m_TextSize = {false, QStringLiteral(";20;")};
        CCmnThemedFormBoxNames names;
        names.m_HasHeader = hasHeader;
        const CCmnThemedFormAutoParams params;
        const std::unique_ptr<CBioRegThemedFormBoxPropertiesDialog> dialog = NewDialog(kind, theme, names, params);
        const CTestDialogRunnerScope answer = OrvAnswerDialog(
            *dialog,
            [&] {
                CCmnFormBoxPropertiesPanel &text = *dialog->TextTab()->Panel();
                QVERIFY(text.IsTextSizeAutomatic());
                QCOMPARE(text.TextSizeCtrl()->DefaultValue(), automatic);
            },
            false);
        QCOMPARE(RunDialog(*dialog), 0);
    }

    void tabsNameTheirHelpPagesAndEveryControlHasHelp_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("className");
        QTest::newRow("reverse") << int(CoverReverse) << QStringLiteral("CBioRegCoverSheetReverseBoxPropertiesDialog");
        QTest::newRow("flap") << int(CoverFlap) << QStringLiteral("CBioRegCoverSheetFlapBoxPropertiesDialog");
        QTest::newRow("cover title") << int(CoverTitle) << QStringLiteral("CBioRegCoverSheetTitleBoxPropertiesDialog");
        QTest::newRow("pedigree title") << int(PedigreeTitle)
                                        << QStringLiteral("CBioRegPedigreeTitleBoxPropertiesDialog");
        QTest::newRow("trial title") << int(TrialMatingTitle)
                                     << QStringLiteral("CBioRegTrialMatingTitleBoxPropertiesDialog");
        QTest::newRow("details") << int(PedigreeDetails)
                                 << QStringLiteral("CBioRegPedigreeDetailsBoxPropertiesDialog");
        QTest::newRow("sire details") << int(SireDetails)
                                      << QStringLiteral("CBioRegTrialMatingSireDetailsBoxPropertiesDialog");
        QTest::newRow("dam details") << int(DamDetails)
                                     << QStringLiteral("CBioRegTrialMatingDamDetailsBoxPropertiesDialog");
        QTest::newRow("picture") << int(Picture) << QStringLiteral("CBioRegThemedFormIndividualPicBoxPropertiesDialog");
    }
    void tabsNameTheirHelpPagesAndEveryControlHasHelp()
    {
        QFETCH(int, kind);
        QFETCH(QString, className);
        CCmnTheme theme;
        auto *data = static_cast<CCmnThemedFormBoxGenericDataElt *>(
            theme.GetEltForWrite(QStringLiteral("PEDIGREE-TITLE-DATA"), BioGetDefaultTheme()));
        data->m_Payload.SetText(QStringLiteral("Smith & Jones <UK>\n[#Name]"), false);
        CCmnThemedFormBoxNames names;
        names.m_HasHeader = true;
        const CCmnThemedFormAutoParams params;
        const std::unique_ptr<CBioRegThemedFormBoxPropertiesDialog> dialog = NewDialog(kind, theme, names, params);
        dialog->setWindowTitle(QStringLiteral("Smith & Jones <UK> Box Settings"));
        QCOMPARE(QLatin1String(dialog->metaObject()->className()), className);
        QVERIFY(!dialog->PhotoTab());
        QCOMPARE(dialog->EltNames().size(), 2);
        QVERIFY(dialog->EltNames().at(0).endsWith(QStringLiteral("-LAYOUT")));
        QVERIFY(dialog->EltNames().at(1).endsWith(QStringLiteral("-DATA")));
        const CTestDialogRunnerScope answer = OrvAnswerDialog(
            *dialog,
            [&] {
                QCOMPARE(dialog->TabWidget()->count(), 2);
                QCOMPARE(dialog->TabWidget()->tabText(0), QStringLiteral("Text"));
                QCOMPARE(dialog->TabWidget()->tabText(1), QStringLiteral("Layout"));
                QCOMPARE(dialog->TextTab()->HelpPage(), className + QStringLiteral("_Text.html"));
                QCOMPARE(dialog->LayoutTab()->HelpPage(), className + QStringLiteral("_Layout.html"));
                QCOMPARE(dialog->LayoutTab()->Panel()->PicturePosCtrl() != nullptr, kind == Picture);
                for (int tab = 0; tab < 2; ++tab) {
                    dialog->TabWidget()->setCurrentIndex(tab);
                    const QStringList missing = OrvWidgetsWithoutHelp(*dialog);
                    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
                    dialog->resize(dialog->sizeHint());
                    QVERIFY(OrvKeepForReview(dialog->grab().toImage(),
                                             QStringLiteral("orvanta-%1-%2.png")
                                                 .arg(className, tab == 0 ? "text" : "layout")));
                }
            },
            false);
        RunDialog(*dialog);
    }

    // Nothing reaches the theme before OK: an element it did not have stays
    // missing, and bytes that do not read stay stored.
    void cancelLeavesTheThemeAsItWas_data()
    {
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("no element of its own") << false;
        QTest::newRow("stored bytes that do not read") << true;
    }
    void cancelLeavesTheThemeAsItWas()
    {
        QFETCH(bool, unreadable);
        const QString layout = QStringLiteral("PEDIGREE-TITLE-LAYOUT");
        CCmnTheme theme;
        if (unreadable) {
            // A data element's bytes under the layout element's name.
            CCmnTheme written;
            auto *wrong = new CCmnThemedFormBoxGenericDataElt(layout);
            wrong->m_Payload.SetText(QStringLiteral("Smith & Jones <UK>"), true);
            written.AddElt(wrong);
            const QByteArray bytes = CmnTestStreamBytes([&](QDataStream &out) { written.Write(out); });
            QDataStream in(bytes);
            CmnPrepareDataStream(in);
            QVERIFY(theme.Read(in));
            QVERIFY(theme.Stored().contains(layout));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not be read")));
        }
        const CCmnTheme before = theme;
        CCmnThemedFormBoxNames names;
        names.m_HasHeader = true;
        const CCmnThemedFormAutoParams params;
        for (bool accept : {false, true}) {
            const std::unique_ptr<CBioRegThemedFormBoxPropertiesDialog> dialog =
                NewDialog(PedigreeTitle, theme, names, params);
            const CTestDialogRunnerScope answer = OrvAnswerDialog(
                *dialog,
                [&] {
                    CCmnFormBoxPropertiesPanel &boxLayout = *dialog->LayoutTab()->Panel();
                    // Fallback values: the built-in element inherits the fill colour.
                    QVERIFY(boxLayout.IsFillColorAutomatic());
                    boxLayout.FillColorCtrl()->AutomaticButton()->click();
                    boxLayout.FillColorCtrl()->ColorButton()->SetColor(Qt::red);
                    dialog->TextTab()->Panel()->TextEdit()->setPlainText(QStringLiteral("Smith & Jones <UK>"));
                },
                accept);
            QCOMPARE(RunDialog(*dialog), accept ? 1 : 0);
            if (!accept) {
                QVERIFY(theme.IsEqual(before));
                QVERIFY(!theme.Elements().contains(layout));
                QCOMPARE(theme.Stored().contains(layout), unreadable);
                QVERIFY(!theme.Elements().contains(QStringLiteral("PEDIGREE-TITLE-DATA")));
            }
        }
        // OK replaces what was there.
        QVERIFY(!theme.Stored().contains(layout));
        QCOMPARE(Layout(theme, layout).m_FillColor.m_Value, QColor(Qt::red));
        QVERIFY(!Layout(theme, layout).m_FillColor.m_Inherit);
    }

    // A control put back on automatic marks the property inherited and keeps
    // the stored value; a changed one stores its value; untouched ones stay.
    void automaticKeepsTheStoredValue()
    {
        const QString layoutName = QStringLiteral("TRIALMATING-SIREDETAILS-LAYOUT");
        CCmnTheme theme;
        CCmnThemedFormBoxGenericLayout &own = Layout(theme, layoutName);
        own.m_FillColor = {false, QColor(Qt::green)};
        own.m_BorderColor = {false, QColor(Qt::blue)};
        CCmnThemedFormBoxNames names;
        names.m_HasHeader = true;
        const CCmnThemedFormAutoParams params;
        const CCmnThemedFormBoxGenericLayout before = Layout(theme, layoutName);
        const std::unique_ptr<CBioRegThemedFormBoxPropertiesDialog> dialog = NewDialog(SireDetails, theme, names, params);
        const CTestDialogRunnerScope answer = OrvAnswerDialog(
            *dialog,
            [&] {
                CCmnFormBoxPropertiesPanel &boxLayout = *dialog->LayoutTab()->Panel();
                QVERIFY(!boxLayout.IsFillColorAutomatic());
                QCOMPARE(boxLayout.FillColorCtrl()->ColorButton()->Value(), QColor(Qt::green));
                boxLayout.FillColorCtrl()->AutomaticButton()->click();
                CCmnFormBoxPropertiesPanel &text = *dialog->TextTab()->Panel();
                text.TextColorCtrl()->AutomaticButton()->click();
                text.TextColorCtrl()->ColorButton()->SetColor(Qt::darkRed);
                text.TextEdit()->setPlainText(QStringLiteral("<b>[#Name]</b>"));
                text.HtmlCheckBox()->setChecked(true);
            },
            true);
        QCOMPARE(RunDialog(*dialog), 1);
        const CCmnThemedFormBoxGenericLayout &after = Layout(theme, layoutName);
        QVERIFY(after.m_FillColor.m_Inherit);
        QCOMPARE(after.m_FillColor.m_Value, QColor(Qt::green));
        QVERIFY(!after.m_TextColor.m_Inherit);
        QCOMPARE(after.m_TextColor.m_Value, QColor(Qt::darkRed));
        QCOMPARE(after.m_BorderColor, before.m_BorderColor);
        QCOMPARE(after.m_TextSize, before.m_TextSize);
        QCOMPARE(after.m_Padding, before.m_Padding);
        const auto *data = static_cast<const CCmnThemedFormBoxGenericDataElt *>(
            theme.GetElt(QStringLiteral("TRIALMATING-SIREDETAILS-DATA"), BioGetDefaultTheme()));
        QCOMPARE(data->m_Payload.m_Text.m_Text, QStringLiteral("<b>[#Name]</b>"));
        QVERIFY(data->m_Payload.m_Text.m_Html);
    }

private:
    TCmnWhatsThisTable m_PreviousTexts;
};

QTEST_MAIN(TestBioRegThemedFormBoxPropertiesDialog)
#include "tst_bioregthemedformboxpropertiesdialog.moc"
