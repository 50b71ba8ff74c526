#pragma once

#include <QtGlobal>

// The option flags of the two-way data exchange between a window's widgets and its
// data; each exchange of a value reads only the bits that concern its kind of box.
enum ECmnExchangeFlag : qint32 {
    // An empty value (or one that cannot be read) is refused on save.
    CmnExchangeRequired = 0x1,
    // Combo boxes: the value is the item data under Qt::UserRole, not the index or text.
    CmnExchangeByItemData = 0x2,
    // The text loses its leading and trailing white space before use.
    CmnExchangeTrim = 0x4,
    // Single-character boxes: backslash n stands for a line feed, backslash r for a
    // carriage return, backslash t for a tab.
    CmnExchangeLineFeedEscape = 0x8,
    CmnExchangeCarriageReturnEscape = 0x10,
    CmnExchangeTabEscape = 0x20,
    // Whatever the box holds is accepted, as when the whole exchange skips validation.
    CmnExchangeNoValidation = 0x40,
    // Path boxes: a file name is expected.
    CmnExchangeFile = 0x80,
    // The whole text of the line edit is selected after a load.
    CmnExchangeSelectAll = 0x200,
    // Number boxes: the minimum (maximum) is checked even when the maximum is not
    // above the minimum; without it such limits mean "no limit".
    CmnExchangeCheckMinimum = 0x400,
    CmnExchangeCheckMaximum = 0x800,
    // Path boxes: a folder name is expected.
    CmnExchangeFolder = 0x1000,
    // Path boxes: shown with the platform's separators, stored with "/".
    CmnExchangeNativeSeparators = 0x2000,
};
