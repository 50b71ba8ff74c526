#include "bioregthemedformwithancestrypanels.h"

#include "bioreg.h"
#include "bioregthemedformwithancestrypanelssettings.h"
#include "bioregthemedformwithancestrypanelsstickystate.h"
#include "bioterminology.h"
#include "cmnformbox.h"
#include "cmnhtmlescape.h"
#include "cmnthemeaccessors.h"

#include <algorithm>

namespace {

CCmnThemedFormBoxName Named(const QString &display, const QString &stem)
{
    return {display, stem + QStringLiteral("-LAYOUT"), stem + QStringLiteral("-DATA")};
}

} // namespace

CBioRegThemedFormWithAncestryPanels::CBioRegThemedFormWithAncestryPanels(
    const QString &eltNameBase, const QPointF &position, const QSizeF &size, const QSizeF &dpi,
    const QSharedPointer<CBioReg> &reg, const QSharedPointer<CBioRegThemedFormWithAncestryPanelsSettings> &settings,
    const QSharedPointer<CBioRegThemedFormWithAncestryPanelsStickyState> &stickyState, QWidget *sidePage)
    : CBioRegThemedForm(position, size, dpi, reg, settings, stickyState, sidePage)
    , m_AncestrySettings(settings)
    , m_AncestryStickyState(stickyState)
    , m_LayoutElt(eltNameBase + QStringLiteral("-LAYOUT"))
    , m_DataElt(eltNameBase + QStringLiteral("-DATA"))
    , m_CellLayoutElt(eltNameBase + QStringLiteral("-CELLLAYOUT"))
    , m_CellDataElt(eltNameBase + QStringLiteral("-CELLDATA"))
{
}

void CBioRegThemedFormWithAncestryPanels::AddAncestryPanel(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                           const CCmnThemedFormAutoParams *params, qint32 boxId,
                                                           bool rootIsRecord)
{
    const QSharedPointer<CCmnFormBox> holder = GetBox(boxId);
    if (!holder)
        return;
    const qint32 panelIndex = qint32(m_Panels.size());
    const CCmnFormBoxSplitSettings split =
        m_AncestrySettings ? m_AncestrySettings->GetPanelSplits(panelIndex) : CCmnFormBoxSplitSettings();
    auto panel = QSharedPointer<CBioRegAncestryPanel>::create(*this, m_AncestrySettings, m_AncestryStickyState,
                                                              m_CellLayoutElt, m_CellDataElt, theme, defaultTheme,
                                                              params, split, holder);
    if (!rootIsRecord) {
        panel->SetEditable(*Reg(), true, false);
        panel->Update(*Reg());
    }
    m_Panels.append({boxId, panel, rootIsRecord, {}});
}

CBioRegAncestryPanel *CBioRegThemedFormWithAncestryPanels::GetPanel(qint32 boxId) const
{
    for (const CBioRegAncestryPanelRef &ref : m_Panels) {
        if (ref.m_BoxId == boxId)
            return ref.m_Panel.data();
    }
    return nullptr;
}

bool CBioRegThemedFormWithAncestryPanels::FindGenerationBox(qint32 boxId, qint32 *generation,
                                                            qint32 *panelBoxId) const
{
    if (generation)
        *generation = -1;
    if (panelBoxId)
        *panelBoxId = 0;
    if (boxId < 1)
        return false;
    for (const CBioRegAncestryPanelRef &ref : m_Panels) {
        for (qint32 g = 0; g < ref.m_Panel->Generations(); ++g) {
            if (ref.m_Panel->GenerationBoxId(g) != boxId)
                continue;
            if (generation)
                *generation = g;
            if (panelBoxId)
                *panelBoxId = ref.m_BoxId;
            return true;
        }
    }
    return false;
}

bool CBioRegThemedFormWithAncestryPanels::IsPanelBox(qint32 boxId) const
{
    return std::any_of(m_Panels.cbegin(), m_Panels.cend(),
                       [boxId](const CBioRegAncestryPanelRef &ref) { return ref.m_BoxId == boxId; });
}

bool CBioRegThemedFormWithAncestryPanels::PanelHasRecordRoot(qint32 boxId) const
{
    for (const CBioRegAncestryPanelRef &ref : m_Panels) {
        if (ref.m_BoxId == boxId)
            return ref.m_RootIsRecord;
    }
    return false;
}

bool CBioRegThemedFormWithAncestryPanels::ApplyTheme(const QString &name, CCmnTheme &theme,
                                                     const CCmnTheme &defaultTheme,
                                                     const CCmnThemedFormAutoParams *params, qint32 source)
{
    if (CBioRegThemedForm::ApplyTheme(name, theme, defaultTheme, params, source))
        return true;
    const bool all = name.isEmpty() || name == kCmnFormDefault;
    for (CBioRegAncestryPanelRef &ref : m_Panels) {
        if (all || name == m_LayoutElt)
            ref.m_PanelBoxGrab.GrabLayoutElt(theme, defaultTheme, m_LayoutElt, *this, ref.m_BoxId, BoxNames(), params);
        if (all || name == m_DataElt)
            ref.m_PanelBoxGrab.GrabDataElt(theme, defaultTheme, m_DataElt, BoxNames(), params);
        if (ref.m_Panel->ApplyTheme(*Reg(), name, theme, defaultTheme, params, source))
            return true;
    }
    return false;
}

void CBioRegThemedFormWithAncestryPanels::ApplyGrabs()
{
    CBioRegThemedForm::ApplyGrabs();
    for (CBioRegAncestryPanelRef &ref : m_Panels) {
        ref.m_PanelBoxGrab.ApplyToBox(*this, ref.m_BoxId);
        ref.m_Panel->ApplyGrabs();
    }
}

void CBioRegThemedFormWithAncestryPanels::RefreshBoxes(qint32 changeId)
{
    for (const CBioRegAncestryPanelRef &ref : std::as_const(m_Panels)) {
        ref.m_Panel->MarkDirty();
        ref.m_Panel->Update(*Reg());
    }
    CBioRegThemedForm::RefreshBoxes(changeId);
}

void CBioRegThemedFormWithAncestryPanels::StoreSplitSettings(qint32 boxId)
{
    CBioRegThemedForm::StoreSplitSettings(boxId);
    if (!m_AncestrySettings)
        return;
    const qint32 n = m_AncestrySettings->m_Generations;
    if (n < 2 || n > CBioRegThemedFormWithAncestryPanelsSettings::kMaxGenerations)
        return;
    const QSharedPointer<CCmnFormBox> box = GetBox(boxId);
    if (!box)
        return;
    for (qint32 index = 0; index < m_Panels.size(); ++index) {
        if (m_Panels.at(index).m_BoxId == boxId)
            m_AncestrySettings->StorePanelSplits(index, box->GetSplitSettings());
    }
}

void CBioRegThemedFormWithAncestryPanels::HandleRegRecordNotification(qint32 recordId, qint32 code)
{
    for (const CBioRegAncestryPanelRef &ref : std::as_const(m_Panels)) {
        if (code == CCmnReg::RecordDeleted)
            ref.m_Panel->Refill(*Reg());
        else
            ref.m_Panel->HandleRegRecordNotification(*Reg(), recordId, code);
    }
}

bool CBioRegThemedFormWithAncestryPanels::FindAncestryCell(qint32 boxId, qint32 *childRecord, qint32 *sex,
                                                           qint32 *generation, qint32 *pathBits,
                                                           qint32 *panelBoxId) const
{
    for (const CBioRegAncestryPanelRef &ref : m_Panels) {
        if (ref.m_Panel->FindCell(boxId, childRecord, sex, generation, pathBits)) {
            if (panelBoxId)
                *panelBoxId = ref.m_BoxId;
            return true;
        }
    }
    if (panelBoxId)
        *panelBoxId = 0;
    return false;
}

qint32 CBioRegThemedFormWithAncestryPanels::GetRootParentRecNo(qint32, qint32) const
{
    return 0;
}

bool CBioRegThemedFormWithAncestryPanels::SetRootParentRecNo(qint32, qint32, qint32)
{
    return false;
}

void CBioRegThemedFormWithAncestryPanels::NameChartBoxes(const QString &rootStem)
{
    CCmnThemedFormBoxNames &names = BoxNames();
    names.m_Root = Named(QStringLiteral("Background"), rootStem);
    names.m_HasHeader = true;
    names.m_LeftHeaderOrnament = Named(QStringLiteral("Logo"), QStringLiteral("CMN-LEFTHEADERORNAMENT"));
    names.m_RightHeaderOrnament = Named(QStringLiteral("Right Logo"), QStringLiteral("CMN-RIGHTHEADERORNAMENT"));
}

qint32 CBioRegThemedFormWithAncestryPanels::AddHeaderBox(const QString &name)
{
    const QSharedPointer<CCmnFormBox> header = GetBox(HeaderId());
    if (!header || HeaderId() <= 0)
        return 0;
    const qint32 id = TakeNextBoxId();
    AddChildBox(header, id, 0, CCmnForm::ChildClickable | CCmnForm::ChildFilledWithContent)
        ->SetName(name);
    return id;
}

void CBioRegThemedFormWithAncestryPanels::ApplyThemeToHeaderBoxes(const QString &name, CCmnTheme &theme,
                                                                  const CCmnTheme &defaultTheme,
                                                                  const CCmnThemedFormAutoParams *params,
                                                                  const QList<CHeaderBox> &boxes)
{
    const bool all = name.isEmpty() || name == kCmnFormDefault;
    const bool header = BoxNames().m_HasHeader && name == kCmnHeader;
    for (const CHeaderBox &box : boxes) {
        if (box.m_Id <= 0)
            continue;
        const QString layoutElt = box.m_Stem + QStringLiteral("-LAYOUT");
        const QString dataElt = box.m_Stem + QStringLiteral("-DATA");
        if (all || header || name == layoutElt)
            box.m_Grab.GrabLayoutElt(theme, defaultTheme, layoutElt, *this, box.m_Id, BoxNames(), params);
        if (all || name == dataElt) {
            box.m_Grab.GrabDataElt(theme, defaultTheme, dataElt, BoxNames(), params);
            box.m_Bind();
        }
    }
}

void CBioRegThemedFormWithAncestryPanels::BindBox(qint32 boxId, CBioRegThemedFormIndividualBoxGrab &grab,
                                                 qint32 recordId)
{
    if (boxId <= 0)
        return;
    grab.GrabIndividual(*Reg(), recordId);
    grab.ApplyToBox(*this, boxId);
}

void CBioRegThemedFormWithAncestryPanels::UpdatePicturePlaceholder(qint32 boxId,
                                                                   CBioRegThemedFormIndividualPicBoxGrab &grab,
                                                                   qint32 term, qint32 recordId)
{
    if (boxId <= 0)
        return;
    SetBoxToolTip(boxId, recordId > 0 ? QStringLiteral("Click to set %1's %2")
                                            .arg(GetBioTerm(term, BioTermLowerCase), QStringLiteral("Photo").toLower())
                                      : QString());
    BindBox(boxId, grab, recordId);
}
