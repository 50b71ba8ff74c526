#pragma once

#include "bioregthemedformstickystate.h"

// What the charts with ancestry panels remember: which ancestors they highlight.
class CBioRegThemedFormWithAncestryPanelsStickyState : public CBioRegThemedFormStickyState
{
    Q_OBJECT
public:
    enum EHighlight { HighlightNone = 0, HighlightRepeated = 1, HighlightCommon = 2 };

    using CBioRegThemedFormStickyState::CBioRegThemedFormStickyState;

    void Reset() { m_HighlightMode = HighlightNone; }
    // Under prefix + prefix + "_anchighlight": the form kinds pass their own
    // prefix followed by "_b", and stored keys have that doubled form. A stored
    // mode outside 0 to 2 is brought into range.
    void ExchangeRememberedValues(bool load, const QString &prefix);

    qint32 m_HighlightMode = HighlightNone;
};
