#include "bioancestorhighlightpalette.h"

#include <array>

namespace {

// Row by row: colours 1-8, then their paler forms 9-16, 17-24 and 25-32.
constexpr std::array<const char *, CBioAncestorHighlightPalette::kColourCount> kColours{
    "#FF7575", "#4985D6", "#6CA870", "#FF86E3", "#5FFEF7", "#A827FE", "#4BFE78", "#CDD11B",
    "#FFBBBB", "#8EB4E6", "#A6CAA9", "#FFACEC", "#B5FFFC", "#D698FE", "#A3FEBA", "#EEF093",
    "#FFDFDF", "#BAD0EF", "#DBEADC", "#FFDFF8", "#E1FFFE", "#E8C6FF", "#E3FBE9", "#FFFFB5",
    "#FFF2F2", "#E0EAF8", "#F3F8F4", "#FFEEFB", "#F2FFFE", "#F9EEFF", "#EAFFEF", "#FCFCE9",
};

} // namespace

QString CBioAncestorHighlightPalette::NextColour()
{
    if (m_Handed >= kColourCount)
        return QStringLiteral("#ffffff");
    return QString::fromLatin1(kColours[m_Handed++]);
}
