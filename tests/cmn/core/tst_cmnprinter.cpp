#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnprinter.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QTest>

class TestCmnPrinter : public QObject
{
    Q_OBJECT
private slots:
    void creatorIsTheProductName();
};

void TestCmnPrinter::creatorIsTheProductName()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral(" Orvanta Pedigree "));
    CmnInitFramework(descriptor);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    CmnSetPrinterCreator(printer);
    QCOMPARE(printer.creator(), QStringLiteral("Orvanta Pedigree"));
    QCOMPARE(printer.creator(), QCoreApplication::applicationName());
}

QTEST_MAIN(TestCmnPrinter)
#include "tst_cmnprinter.moc"
