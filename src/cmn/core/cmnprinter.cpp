#include "cmnprinter.h"

#include "cmnappdescriptor.h"

CCmnPrinter::CCmnPrinter(QPrinter::PrinterMode mode)
    : QPrinter(mode)
{
}

void CmnSetPrinterCreator(QPrinter &printer)
{
    printer.setCreator(CmnGetAppDescriptor().m_ProductDisplayName);
}
