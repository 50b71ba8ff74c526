#pragma once

#include <QPrinter>

// The framework's printer: every printer the program lays pages out on, prints
// to or exports through is one of these, so that they share one type.
class CCmnPrinter : public QPrinter
{
public:
    explicit CCmnPrinter(QPrinter::PrinterMode mode = QPrinter::ScreenResolution);
};

// Names the product as the creator of what the printer makes, the same name the
// toolkit knows as the application name. Every printer the program sets up for
// printing or for PDF and PostScript export passes through here.
void CmnSetPrinterCreator(QPrinter &printer);
