#pragma once

// How a stored field value's variant is to be read; a value is found only under
// the kind its field's type asks for.
enum ECmnRegValueKind {
    CmnRegValueText = 0,
    CmnRegValueBoolean = 1,
    CmnRegValueInteger = 4,
    // Written only by imports, for numbers that may not fit an int; read wherever
    // an integer is asked for, so that no imported number is hidden.
    CmnRegValueInteger64 = 5,
    CmnRegValueFraction = 6,
    CmnRegValueNumber = 7,
    CmnRegValueDate = 8,
};
