#pragma once

#include <QString>

// Hands out the colours of highlighted ancestors in a fixed order: eight hues in
// four tiers, each paler than the one before, so the first eight ancestors get
// the strongest colours; every request after the 32nd gives white.
class CBioAncestorHighlightPalette
{
public:
    static constexpr int kColourCount = 32;

    QString NextColour();

private:
    int m_Handed = 0;
};
