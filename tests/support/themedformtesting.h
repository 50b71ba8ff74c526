#pragma once

#include "cmntheme.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformboxnames.h"

#include <QStringList>

// For tests of themed forms (they link the forms library): box names and a
// fallback theme that holds every element such a form asks for.

inline CCmnThemedFormBoxName OrvTestBoxName(const QString &display, const QString &stem)
{
    return {display, stem + QStringLiteral("-LAYOUT"), stem + QStringLiteral("-DATA")};
}

// A layout and a data element, all inheriting and empty, for each stem, and
// the three elements of the skeleton.
inline CCmnTheme OrvTestSkeletonTheme(const QStringList &stems)
{
    CCmnTheme theme;
    for (const QString &stem : stems) {
        theme.AddElt(new CCmnThemedFormBoxGenericLayoutElt(stem + QStringLiteral("-LAYOUT")));
        theme.AddElt(new CCmnThemedFormBoxGenericDataElt(stem + QStringLiteral("-DATA")));
    }
    for (const char *name : {"CMN-DEFAULT", "CMN-HEADER", "CMN-FOOTER"})
        theme.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QLatin1String(name)));
    return theme;
}
