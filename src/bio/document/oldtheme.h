#pragma once

#include "cmnthemeold.h"

class CCmnTheme;
class QDataStream;

// A form theme as earlier releases stored it, read against the 45 elements of
// their default theme, and its conversion into a theme of today's element names.
class COldTheme : public CCmnThemeOld
{
public:
    COldTheme();

    // The stored theme read into a fresh copy of the template, then the trailer
    // bytes 133, 0; false when the theme or the trailer is missing or damaged.
    [[nodiscard]] bool Read(QDataStream &in);

    // Replaces the target's elements by clones of this theme's under today's
    // names; the trial mating's right header ornament, which today's forms
    // draw from the shared header ornament, is dropped.
    void ConvertTo(CCmnTheme &target) const;
};
