#pragma once

#include <QString>

// The names of one box of a themed form: for people and of its theme elements.
// A box whose layout or data element name is empty does not exist in the form.
struct CCmnThemedFormBoxName
{
    bool Exists() const { return !m_LayoutElt.isEmpty() && !m_DataElt.isEmpty(); }

    QString m_DisplayName;
    QString m_LayoutElt;
    QString m_DataElt;
};

// Per themed form, the names of its root and ornament boxes and whether it has
// a header and a footer (whose ornaments then fall back to "CMN-HEADER" and
// "CMN-FOOTER"). Each form fills it in its constructor.
struct CCmnThemedFormBoxNames
{
    CCmnThemedFormBoxName m_Root;
    bool m_HasHeader = false;
    CCmnThemedFormBoxName m_LeftHeaderOrnament;
    CCmnThemedFormBoxName m_RightHeaderOrnament;
    bool m_HasFooter = false;
    CCmnThemedFormBoxName m_LeftFooterOrnament;
    CCmnThemedFormBoxName m_RightFooterOrnament;
};
