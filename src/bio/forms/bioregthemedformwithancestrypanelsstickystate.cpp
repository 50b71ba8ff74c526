#include "bioregthemedformwithancestrypanelsstickystate.h"

#include "cmnrememberedvalues.h"

#include <algorithm>

void CBioRegThemedFormWithAncestryPanelsStickyState::ExchangeRememberedValues(bool load, const QString &prefix)
{
    const QString key = prefix + prefix + QStringLiteral("_anchighlight");
    qint32 mode = m_HighlightMode;
    CmnGetRememberedValues()->ExchangeInt(load, key, mode, HighlightNone);
    if (load)
        m_HighlightMode = std::clamp(mode, qint32(HighlightNone), qint32(HighlightCommon));
}
