#include "cmnthemedform.h"

#include "cmnhtmlescape.h"
#include "cmnthemeaccessors.h"
#include "cmnthemedformsettings.h"

namespace {

// Boxes of the skeleton are stacked above their parents.
constexpr double kAboveParent = -1.0;

CCmnFormBoxSplitSettings WithGap(CCmnFormBoxSplitSettings split, const CCmnMetric &gap)
{
    split.m_Gap = gap;
    return split;
}

} // namespace

CCmnThemedForm::CCmnThemedForm(const QPointF &position, const QSizeF &size, const QSizeF &dpi,
                               const QSharedPointer<CCmnThemedFormSettings> &settings,
                               const QSharedPointer<CCmnThemedFormStickyState> &stickyState, QWidget *sidePage,
                               QObject *parent)
    : CCmnForm(position, size, dpi, parent)
    , m_Settings(settings)
    , m_StickyState(stickyState)
    , m_SidePage(sidePage)
{
}

QList<CCmnThemedForm::COrnament> CCmnThemedForm::Ornaments()
{
    return {
        {m_BoxNames.m_LeftHeaderOrnament, m_Settings->m_ShowLeftHeaderOrnament, true, true, m_LeftHeaderOrnamentId,
         m_LeftHeaderOrnamentGrab},
        {m_BoxNames.m_RightHeaderOrnament, m_Settings->m_ShowRightHeaderOrnament, true, false,
         m_RightHeaderOrnamentId, m_RightHeaderOrnamentGrab},
        {m_BoxNames.m_LeftFooterOrnament, m_Settings->m_ShowLeftFooterOrnament, false, true, m_LeftFooterOrnamentId,
         m_LeftFooterOrnamentGrab},
        {m_BoxNames.m_RightFooterOrnament, m_Settings->m_ShowRightFooterOrnament, false, false,
         m_RightFooterOrnamentId, m_RightFooterOrnamentGrab},
    };
}

void CCmnThemedForm::BuildBoxes(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                const CCmnThemedFormAutoParams *params, QGraphicsItem *pageItem)
{
    const CCmnMetric gap = CmnThemeGetSingleExtent(theme, defaultTheme, kCmnFormDefault, m_BoxNames, params, false);

    m_RootId = TakeNextBoxId();
    const QSharedPointer<CCmnFormBox> root = AddRootBox(m_RootId, pageItem, 1.0, 1.0, kAboveParent);
    root->SetSplitSettings(WithGap(m_Settings->GetRootSplitSettings(m_BoxNames), gap));
    // Requests on the page background come out as the root's box events.
    root->SetContextMenu(true);
    root->SetActiveMode(CmnFormBoxNeverFilled);

    QSharedPointer<CCmnFormBox> header;
    if (!m_Settings->GetHeaderLayout(m_BoxNames).isEmpty()) {
        m_HeaderId = TakeNextBoxId();
        header = AddChildBox(root, m_HeaderId, -1, ChildNeverFilled, kAboveParent);
        header->SetSplitSettings(WithGap(m_Settings->GetHeaderSplitSettings(m_BoxNames), gap));
        header->SetContextMenu(true);
    }
    m_ContentId = TakeNextBoxId();
    AddChildBox(root, m_ContentId, 0, 0, kAboveParent);
    QSharedPointer<CCmnFormBox> footer;
    if (!m_Settings->GetFooterLayout(m_BoxNames).isEmpty()) {
        m_FooterId = TakeNextBoxId();
        footer = AddChildBox(root, m_FooterId, 1, ChildNeverFilled, kAboveParent);
        footer->SetSplitSettings(WithGap(m_Settings->GetFooterSplitSettings(m_BoxNames), gap));
        footer->SetContextMenu(true);
    }

    for (const COrnament &ornament : Ornaments()) {
        const QSharedPointer<CCmnFormBox> &parent = ornament.m_InHeader ? header : footer;
        if (!ornament.m_Name.Exists() || !ornament.m_Shown || !parent)
            continue;
        ornament.m_Id = TakeNextBoxId();
        const QSharedPointer<CCmnFormBox> box = AddChildBox(parent, ornament.m_Id, ornament.m_Left ? -1 : 1,
                                                            ChildClickable | ChildFilledWithContent, kAboveParent);
        box->SetToolTip(QStringLiteral("Click to set %1").arg(CmnHtmlEscape(ornament.m_Name.m_DisplayName.toLower())));
    }
}

bool CCmnThemedForm::ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                const CCmnThemedFormAutoParams *params, qint32)
{
    const bool all = name.isEmpty() || name == kCmnFormDefault;
    const bool headerMatch = m_BoxNames.m_HasHeader && name == kCmnHeader;
    const bool footerMatch = m_BoxNames.m_HasFooter && name == kCmnFooter;

    const CCmnThemedFormBoxName &root = m_BoxNames.m_Root;
    if (root.Exists()) {
        if (all || name == root.m_LayoutElt)
            m_RootGrab.GrabLayoutElt(theme, defaultTheme, root.m_LayoutElt, *this, m_RootId, m_BoxNames, params);
        if (all || name == root.m_DataElt)
            m_RootGrab.GrabDataElt(theme, defaultTheme, root.m_DataElt, m_BoxNames, params);
    }
    for (const COrnament &ornament : Ornaments()) {
        if (ornament.m_Id <= 0)
            continue;
        const bool partMatch = ornament.m_InHeader ? headerMatch : footerMatch;
        if (all || partMatch || name == ornament.m_Name.m_LayoutElt)
            ornament.m_Grab.GrabLayoutElt(theme, defaultTheme, ornament.m_Name.m_LayoutElt, *this, ornament.m_Id,
                                          m_BoxNames, params);
        if (all || name == ornament.m_Name.m_DataElt)
            ornament.m_Grab.GrabDataElt(theme, defaultTheme, ornament.m_Name.m_DataElt, m_BoxNames, params);
    }
    return false;
}

void CCmnThemedForm::ApplyGrabs()
{
    m_RootGrab.ApplyToBox(*this, m_RootId);
    for (const COrnament &ornament : Ornaments())
        ornament.m_Grab.ApplyToBox(*this, ornament.m_Id);
}

void CCmnThemedForm::RefreshBoxes(qint32 changeId)
{
    if (changeId == 0)
        ApplyGrabs();
}

void CCmnThemedForm::StoreSplitSettings(qint32 boxId)
{
    const QSharedPointer<CCmnFormBox> box = GetBox(boxId);
    if (!box || boxId <= 0)
        return;
    const CCmnFormBoxSplitSettings &split = box->GetSplitSettings();
    if (boxId == m_RootId)
        m_Settings->SetRootSplitSettings(m_BoxNames, split);
    else if (boxId == m_HeaderId)
        m_Settings->SetHeaderSplitSettings(m_BoxNames, split);
    else if (boxId == m_FooterId)
        m_Settings->SetFooterSplitSettings(m_BoxNames, split);
}
