#pragma once

class QPrinter;

// Names the product as the creator of what the printer makes, the same name the
// toolkit knows as the application name. Every printer the program sets up for
// printing or for PDF and PostScript export passes through here.
void CmnSetPrinterCreator(QPrinter &printer);
