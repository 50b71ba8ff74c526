#pragma once

#include "cmnregthemedformboxgrab.h"

class CBioReg;

// A box grab of the breeding forms: bound to animal records, it fills its text
// from their field values. The usage context is the kind of box, whose default
// fields an all-fields code in the text lists.
class CBioRegThemedFormBoxGrab : public CCmnRegThemedFormBoxGrab
{
public:
    explicit CBioRegThemedFormBoxGrab(qint32 usageContext = 0) : m_UsageContext(usageContext) {}

    // First step of every binding: makes the grab pending with no values, and
    // works out which fields the text names only when its data element changed.
    void RefreshFieldReferences(const CBioReg &reg);

    qint32 m_UsageContext = 0;

    // The boxes of the header-bound forms take what their layout element leaves
    // from "CMN-HEADER" (when the form has a header), then "CMN-DEFAULT"; title,
    // details and picture boxes differ only in their text size and picture. The
    // boxes' property dialogs show what the same accessors give.
    static const CCmnThemedFormBoxLayoutAccessors &TitleLayout();
    static const CCmnThemedFormBoxLayoutAccessors &DetailsLayout();
    static const CCmnThemedFormBoxLayoutAccessors &PictureLayout();
    // The cover sheet has no header: its text boxes fall back on "CMN-DEFAULT",
    // their border on the built-in one; the title at 160 percent of the size.
    static const CCmnThemedFormBoxLayoutAccessors &CoverTextLayout();
    static const CCmnThemedFormBoxLayoutAccessors &CoverTitleLayout();

protected:
    // The record's values of the referenced fields become the substitutions.
    void TakeSubstitutions(const CBioReg &reg, qint32 recordId);
};
