#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnlabel.h"
#include "cmnsceneprintdialog.h"
#include "cmnspinbox.h"
#include "cmnsystemsettings.h"
#include "testdialogrunnerscope.h"
#include "testsettingsscope.h"

#include <QPageLayout>
#include <QPrinter>
#include <QTest>

class TestCmnScenePrintDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void showsPrinterAndPaper();
    void copiesReachThePrinterOnOk_data();
    void copiesReachThePrinterOnOk();
};

void TestCmnScenePrintDialog::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
}

void TestCmnScenePrintDialog::showsPrinterAndPaper()
{
    CTestSettingsScope settings;
    CmnCreateSystemSettings();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    CCmnScenePrintDialog dialog(&printer);
    dialog.Prepare();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Print"));
    QCOMPARE(dialog.PrinterNameLabel()->text(), printer.printerName());
    QCOMPARE(dialog.PaperSizeLabel()->text(), QStringLiteral("A4 (210 x 297mm)"));
    QCOMPARE(dialog.CopiesBox()->minimum(), 1);
    QCOMPARE(dialog.CopiesBox()->maximum(), 99);
    QCOMPARE(dialog.CopiesBox()->value(), 1);
    CmnDestroySystemSettings();
}

void TestCmnScenePrintDialog::copiesReachThePrinterOnOk_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("copies");
    QTest::newRow("OK") << true << 3;
    QTest::newRow("Cancel") << false << 1;
}

void TestCmnScenePrintDialog::copiesReachThePrinterOnOk()
{
    QFETCH(bool, accept);
    QFETCH(int, copies);
    CTestSettingsScope settings;
    CmnCreateSystemSettings();
    QPrinter printer(QPrinter::HighResolution);
    CCmnScenePrintDialog dialog(&printer);
    dialog.setWindowTitle(QStringLiteral("Print Smith & Jones <UK>"));
    CTestDialogRunnerScope runner([accept](QDialog &shown) {
        static_cast<CCmnScenePrintDialog &>(shown).CopiesBox()->setValue(3);
        return accept ? OrvAcceptDialog(shown) : int(QDialog::Rejected);
    });
    QCOMPARE(dialog.Exec(), accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(runner.Titles(), QStringList{"Print Smith & Jones <UK>"});
    QCOMPARE(printer.copyCount(), copies);
    CmnDestroySystemSettings();
}

QTEST_MAIN(TestCmnScenePrintDialog)
#include "tst_cmnsceneprintdialog.moc"
