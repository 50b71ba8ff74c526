#include "cmnprinter.h"

#include "cmnappdescriptor.h"

#include <QPrinter>

void CmnSetPrinterCreator(QPrinter &printer)
{
    printer.setCreator(CmnGetAppDescriptor().m_ProductDisplayName);
}
