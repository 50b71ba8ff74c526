#include "cmnprintdialog.h"

#include "cmnprinter.h"

#include <QPrinter>

CCmnPrintDialog::CCmnPrintDialog(QPrinter *printer, QWidget *parent)
    : QPrintDialog(printer, parent)
{
    if (printer)
        CmnSetPrinterCreator(*printer);
}
