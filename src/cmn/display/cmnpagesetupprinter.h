#pragma once

#include <QRectF>

class CCmnPageSetup;
class QPrinter;

// Gives a printer the document's paper, orientation and margins. Every
// context (screen, print, preview, export) goes through here, so that all of
// them lay the page out alike and a printed or exported form lands exactly
// where the screen shows it. A paper the printer cannot take, or one without a
// size of its own (Custom, an unknown code), leaves the printer's paper; a
// margin inside what the printer cannot reach is moved out to that limit, and
// margins that would leave no page keep the printer's own.
void CmnApplyPageSetupToPrinter(QPrinter &printer, const CCmnPageSetup &setup, int orientation);

// The printable page in printer dots from (0, 0), and the whole sheet around
// it in the same coordinates (so its corner lies at minus the margins).
void CmnPrinterPageAndPaperRects(const QPrinter &printer, QRectF *page, QRectF *paper);
