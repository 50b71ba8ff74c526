#pragma once

#include "cmndate.h"

// A date as the older programs store it: plain year, month and day; a year of 0 is
// no date.
struct CBioLegacyDate
{
    int year = 0;
    int month = 0;
    int day = 0;

    bool IsEmpty() const { return year == 0; }
    void Clear() { year = month = day = 0; }

    // The Gregorian day; a null date for year 0 or for a month or day that names no
    // real day (the older programs kept no partial dates, so 0 there is damage).
    CCmnDate ToCmnDate() const;

    friend bool operator==(const CBioLegacyDate &a, const CBioLegacyDate &b)
    {
        return a.year == b.year && a.month == b.month && a.day == b.day;
    }
};
