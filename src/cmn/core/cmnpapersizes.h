#pragma once

#include <QPageSize>
#include <QString>

// Paper sizes as the program stores them: the numeric codes of the older toolkit's
// page-size list, which documents and settings keep. Qt 6 renumbered its page
// sizes, so every exchange with the toolkit goes through the table behind
// CmnPaperSizeToPageSizeId and CmnPaperSizeFromPageSizeId, never through a cast.

enum ECmnPaperSize {
    CmnPaperSizeA4 = 0,
    CmnPaperSizeB5 = 1,
    CmnPaperSizeLetter = 2,
    CmnPaperSizeLegal = 3,
    CmnPaperSizeExecutive = 4,
    CmnPaperSizeA0 = 5,
    CmnPaperSizeA1 = 6,
    CmnPaperSizeA2 = 7,
    CmnPaperSizeA3 = 8,
    CmnPaperSizeA5 = 9,
    CmnPaperSizeA6 = 10,
    CmnPaperSizeA7 = 11,
    CmnPaperSizeA8 = 12,
    CmnPaperSizeA9 = 13,
    CmnPaperSizeB0 = 14,
    CmnPaperSizeB1 = 15,
    CmnPaperSizeB10 = 16,
    CmnPaperSizeB2 = 17,
    CmnPaperSizeB3 = 18,
    CmnPaperSizeB4 = 19,
    CmnPaperSizeB6 = 20,
    CmnPaperSizeB7 = 21,
    CmnPaperSizeB8 = 22,
    CmnPaperSizeB9 = 23,
    CmnPaperSizeC5E = 24,
    CmnPaperSizeComm10E = 25,
    CmnPaperSizeDLE = 26,
    CmnPaperSizeFolio = 27,
    CmnPaperSizeLedger = 28,
    CmnPaperSizeTabloid = 29,
    CmnPaperSizeCustom = 30,
};

// The size's name for the print dialogs ("A4", "U.S. Common 10 Envelope",
// "Custom"; "Unknown" for a code outside the list). With the flag, a size of
// known dimensions is followed by them in brackets: "A4 (210 x 297mm)".
QString CmnPaperSizeName(qint32 paperSize, bool withDimensions);

// The toolkit's id of a stored code; QPageSize::Custom for Custom and for any
// code outside the list.
QPageSize::PageSizeId CmnPaperSizeToPageSizeId(qint32 paperSize);

// The stored code of a toolkit id; a size that has no code of its own (A10, the
// JIS and envelope sizes added later) is stored as Custom.
qint32 CmnPaperSizeFromPageSizeId(QPageSize::PageSizeId id);
