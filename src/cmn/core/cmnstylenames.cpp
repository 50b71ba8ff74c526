#include "cmnstylenames.h"

#include <iterator>

namespace {

// Indexed by the style value.
constexpr const char *kBrushStyleNames[] = {
    "None",
    "Solid",
    "Extremely Dense",
    "Very Dense",
    "Somewhat Dense",
    "Half Dense",
    "Somewhat Sparse",
    "Very Sparse",
    "Extremely Sparse",
    "Horizontal Lines",
    "Vertical Lines",
    "Crossing Horizontal and Vertical Lines",
    "Backward Diagonal Lines",
    "Forward Diagonal Lines",
    "Crossing Diagonal Lines",
};

constexpr const char *kPenStyleNames[] = {
    "None", "Solid Line", "Dashed Line", "Dotted Line", "Dash-Dot Line", "Dash-Dot-Dot Line",
};

template <std::size_t N>
QString NameAt(const char *const (&names)[N], qint32 value)
{
    if (value < 0 || std::size_t(value) >= N)
        return QStringLiteral("???");
    return QString::fromLatin1(names[value]);
}

} // namespace

QString CmnBrushStyleName(qint32 brushStyle)
{
    return NameAt(kBrushStyleNames, brushStyle);
}

QString CmnPenStyleName(qint32 penStyle)
{
    return NameAt(kPenStyleNames, penStyle);
}
