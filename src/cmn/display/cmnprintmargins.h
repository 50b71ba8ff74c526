#pragma once

#include "cmnmetric.h"

class QDataStream;

// The page margins of a document's page set-up. "Full page" wins over the
// printer's own margins, and either flag makes the four lengths unused; they
// are kept all the same, so unticking brings the user's lengths back.
class CCmnPrintMargins
{
public:
    CCmnPrintMargins();

    // Exact, unit included: 0.5 inches and 12.7 millimetres differ.
    bool operator==(const CCmnPrintMargins &other) const;
    bool operator!=(const CCmnPrintMargins &other) const { return !(*this == other); }

    // Tag 12, version 1: the two flags, then left, top, right and bottom as
    // length blocks.
    void Write(QDataStream &out) const;
    // Starts from the defaults. False without marking the stream on another tag
    // or a version it does not know; a length without its own tag marks the
    // stream corrupt. Also reads the version-0 block (one unit for all four).
    [[nodiscard]] bool Read(QDataStream &in);

    bool m_UsePrinterDefaultMargins = false;
    bool m_FullPage = false;
    CCmnMetric m_Left;
    CCmnMetric m_Top;
    CCmnMetric m_Right;
    CCmnMetric m_Bottom;
};
