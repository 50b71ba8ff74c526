#include "cmnprintdialog.h"

CCmnPrintDialog::CCmnPrintDialog(QPrinter *printer, QWidget *parent)
    : QPrintDialog(printer, parent)
{
}
