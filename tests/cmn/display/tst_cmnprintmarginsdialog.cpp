#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmnframework.h"
#include "cmnlabel.h"
#include "cmnmetricwidget.h"
#include "cmnprintbuttonmenu.h"
#include "cmnprintmarginsdialog.h"
#include "cmnpushbutton.h"
#include "cmnsystemsettings.h"
#include "cmntext.h"
#include "cmnwhatsthistexts.h"

#include "cmndialogbuttonbox.h"

#include <QAction>
#include <QGridLayout>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

using Row = CCmnPrintMarginsDialog::EMarginRow;

// The grid cell of a widget in the dialog's grid.
QPair<int, int> GridCell(const CCmnPrintMarginsDialog &dialog, QWidget *widget)
{
    auto *grid = qobject_cast<QGridLayout *>(dialog.MainLayout()->itemAt(0)->layout());
    const int index = grid ? grid->indexOf(widget) : -1;
    if (index < 0)
        return {-1, -1};
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return {row, column};
}

class CPrintReceiver : public QObject
{
public:
    void Print() { m_Calls << "print"; }
    void Preview() { m_Calls << "preview"; }
    QStringList m_Calls;
};

} // namespace

class TestCmnPrintMarginsDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void rowsRunLeftRightTopBottom();
    void checkBoxesEnableLengths_data();
    void checkBoxesEnableLengths();
    void typedMarginsComeBackInSystemUnit_data();
    void typedMarginsComeBackInSystemUnit();
    void controlsHaveHelp();
    void rendersOffscreen();

    void printButtonOffersPrintAndPreview();
    void printButtonPartsNotMadeAreLeftAlone();
};

void TestCmnPrintMarginsDialog::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
    CmnCreateSystemSettings();
    CmnLoadWhatsThisTexts();
}

void TestCmnPrintMarginsDialog::init()
{
    CmnGetSystemSettings()->m_MeasurementUnits = CmnLengthUnitMillimeters;
}

void TestCmnPrintMarginsDialog::rowsRunLeftRightTopBottom()
{
    CCmnPrintMarginsDialog dialog{CCmnPrintMargins()};
    QCOMPARE(dialog.windowTitle(), QString("Margins"));
    QCOMPARE(dialog.HelpPage(), QString("CCmnPrintMarginsDialog.html"));
    QCOMPARE(dialog.UseDefaultCheckBox()->text(), QString("Use printer default margins"));
    QCOMPARE(dialog.UseFullPageCheckBox()->text(), QString("Full page"));
    QCOMPARE(GridCell(dialog, dialog.UseDefaultCheckBox()), qMakePair(0, 0));
    QCOMPARE(GridCell(dialog, dialog.UseFullPageCheckBox()), qMakePair(1, 0));
    const QStringList labels{"Left:", "Right:", "Top:", "Bottom:"};
    for (int row = Row::LeftRow; row <= Row::BottomRow; ++row) {
        CCmnLabel *label = dialog.MarginLabel(Row(row));
        QCOMPARE(label->text(), labels.at(row));
        QCOMPARE(label->buddy(), dialog.MarginWidget(Row(row)));
        QCOMPARE(GridCell(dialog, label), qMakePair(row + 2, 0));
        QCOMPARE(GridCell(dialog, dialog.MarginWidget(Row(row))), qMakePair(row + 2, 1));
    }
}

void TestCmnPrintMarginsDialog::checkBoxesEnableLengths_data()
{
    QTest::addColumn<bool>("useDefault");
    QTest::addColumn<bool>("fullPage");
    QTest::addColumn<bool>("useDefaultEnabled");
    QTest::addColumn<bool>("lengthsEnabled");
    QTest::newRow("neither") << false << false << true << true;
    QTest::newRow("printer default") << true << false << true << false;
    QTest::newRow("full page") << false << true << false << false;
    QTest::newRow("both") << true << true << false << false;
}

void TestCmnPrintMarginsDialog::checkBoxesEnableLengths()
{
    QFETCH(bool, useDefault);
    QFETCH(bool, fullPage);
    QFETCH(bool, useDefaultEnabled);
    QFETCH(bool, lengthsEnabled);
    const auto check = [&](const CCmnPrintMarginsDialog &dialog) {
        QCOMPARE(dialog.UseDefaultCheckBox()->isEnabled(), useDefaultEnabled);
        QVERIFY(dialog.UseFullPageCheckBox()->isEnabled());
        for (int row = Row::LeftRow; row <= Row::BottomRow; ++row) {
            QCOMPARE(dialog.MarginLabel(Row(row))->isEnabled(), lengthsEnabled);
            QCOMPARE(dialog.MarginWidget(Row(row))->isEnabled(), lengthsEnabled);
        }
    };

    // As loaded.
    CCmnPrintMargins margins;
    margins.m_UsePrinterDefaultMargins = useDefault;
    margins.m_FullPage = fullPage;
    CCmnPrintMarginsDialog loaded(margins);
    loaded.Prepare();
    check(loaded);

    // As the user ticks them.
    CCmnPrintMarginsDialog ticked{CCmnPrintMargins()};
    ticked.Prepare();
    ticked.UseDefaultCheckBox()->setChecked(useDefault);
    ticked.UseFullPageCheckBox()->setChecked(fullPage);
    check(ticked);
}

void TestCmnPrintMarginsDialog::typedMarginsComeBackInSystemUnit_data()
{
    QTest::addColumn<int>("systemUnit");
    QTest::addColumn<double>("shownLeft");
    QTest::newRow("millimetres") << int(CmnLengthUnitMillimeters) << 12.7;
    QTest::newRow("centimetres") << int(CmnLengthUnitCentimeters) << 1.27;
    QTest::newRow("inches") << int(CmnLengthUnitInches) << 0.5;
}

void TestCmnPrintMarginsDialog::typedMarginsComeBackInSystemUnit()
{
    QFETCH(int, systemUnit);
    QFETCH(double, shownLeft);
    CmnGetSystemSettings()->m_MeasurementUnits = systemUnit;
    CCmnPrintMargins margins;
    margins.m_Top = CCmnMetric(CmnLengthUnitMillimeters, 25.4);
    margins.m_Right = CCmnMetric(CmnLengthUnitCentimeters, 2.54);
    CCmnPrintMarginsDialog dialog(margins);
    dialog.Prepare();
    QCOMPARE(dialog.MarginWidget(Row::LeftRow)->value(), shownLeft);

    // Each row holds its own margin although the rows run in another order.
    dialog.MarginWidget(Row::LeftRow)->setValue(1);
    dialog.MarginWidget(Row::RightRow)->setValue(2);
    dialog.MarginWidget(Row::TopRow)->setValue(3);
    dialog.MarginWidget(Row::BottomRow)->setValue(4);
    dialog.UseFullPageCheckBox()->setChecked(true);
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const CCmnPrintMargins &saved = dialog.Margins();
    QCOMPARE(saved.m_Left, CCmnMetric(systemUnit, 1));
    QCOMPARE(saved.m_Right, CCmnMetric(systemUnit, 2));
    QCOMPARE(saved.m_Top, CCmnMetric(systemUnit, 3));
    QCOMPARE(saved.m_Bottom, CCmnMetric(systemUnit, 4));
    QVERIFY(saved.m_FullPage);
    QVERIFY(!saved.m_UsePrinterDefaultMargins);
}

void TestCmnPrintMarginsDialog::controlsHaveHelp()
{
    CCmnPrintMarginsDialog dialog{CCmnPrintMargins()};
    dialog.Prepare();
    QVERIFY(dialog.UseDefaultCheckBox()->whatsThis().contains("printer"));
    QVERIFY(dialog.UseFullPageCheckBox()->whatsThis().contains("paper"));
    for (int row = Row::LeftRow; row <= Row::BottomRow; ++row)
        QVERIFY(!dialog.MarginWidget(Row(row))->whatsThis().isEmpty());
}

void TestCmnPrintMarginsDialog::rendersOffscreen()
{
    CCmnPrintMargins margins;
    margins.m_UsePrinterDefaultMargins = true;
    CCmnPrintMarginsDialog dialog(margins);
    dialog.Prepare();
    dialog.show();
    const QPixmap shot = dialog.grab();
    QVERIFY(!shot.isNull());
    QVERIFY(shot.width() >= dialog.UseDefaultCheckBox()->sizeHint().width());
}

void TestCmnPrintMarginsDialog::printButtonOffersPrintAndPreview()
{
    QWidget parent;
    CPrintReceiver receiver;
    CCmnPrintButtonMenu parts;
    CCmnPushButton *button = parts.Create(&parent, &receiver, &CPrintReceiver::Print, &CPrintReceiver::Preview);
    QCOMPARE(button, parts.m_Button);
    QCOMPARE(button->parentWidget(), &parent);
    QCOMPARE(parts.m_PrintAction->text(), QString("Print..."));
    QCOMPARE(parts.m_PreviewAction->text(), QString("Print Preview..."));
    QCOMPARE(button->menu()->actions(), (QList<QAction *>{parts.m_PrintAction, parts.m_PreviewAction}));

    parts.SetText("Print");
    parts.SetPrintStatusTip("Prints the pedigree of Smith & Jones <UK>");
    parts.SetPreviewStatusTip("Shows the pages");
    QCOMPARE(button->text(), QString("Print"));
    QCOMPARE(parts.m_PrintAction->statusTip(), QString("Prints the pedigree of Smith & Jones <UK>"));
    QCOMPARE(parts.m_PreviewAction->statusTip(), QString("Shows the pages"));

    parts.m_PreviewAction->trigger();
    parts.m_PrintAction->trigger();
    QCOMPARE(receiver.m_Calls, (QStringList{"preview", "print"}));

    parts.SetEnabled(false);
    QVERIFY(!button->isEnabled());
    QVERIFY(!parts.m_PrintAction->isEnabled());
    QVERIFY(!parts.m_PreviewAction->isEnabled());
    parts.SetEnabled(true);
    QVERIFY(button->isEnabled() && parts.m_PrintAction->isEnabled() && parts.m_PreviewAction->isEnabled());
}

void TestCmnPrintMarginsDialog::printButtonPartsNotMadeAreLeftAlone()
{
    CCmnPrintButtonMenu parts;
    parts.SetText("Print");
    parts.SetEnabled(false);
    parts.SetPrintStatusTip("x");
    parts.SetPreviewStatusTip("x");
    QVERIFY(!parts.m_Button);
}

QTEST_MAIN(TestCmnPrintMarginsDialog)
#include "tst_cmnprintmarginsdialog.moc"
