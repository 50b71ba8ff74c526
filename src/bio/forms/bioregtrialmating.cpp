#include "bioregtrialmating.h"

#include "bioboxkind.h"
#include "bioreg.h"
#include "bioregtrialmatingsettings.h"
#include "bioregtrialmatingstickystate.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnformbox.h"
#include "cmnhtmlescape.h"

#include <functional>

namespace {

const QString kEltBase = QStringLiteral("TRIALMATING-ANCESTORSPANEL0");
const QString kHeader = QStringLiteral("CMN-HEADER");
constexpr double kAboveParent = -1.0;

CCmnThemedFormBoxName Named(const QString &display, const QString &stem)
{
    return {display, stem + QStringLiteral("-LAYOUT"), stem + QStringLiteral("-DATA")};
}

} // namespace

qint32 BioTakeFormChangeId()
{
    // The one process-wide counter every form change id is taken from.
    static qint32 counter = 0;
    return ++counter;
}

qint32 BioTrialMatingParentChangeId(qint32 which)
{
    if (which == 1) {
        static const qint32 sire = BioTakeFormChangeId();
        return sire;
    }
    if (which == 2) {
        static const qint32 dam = BioTakeFormChangeId();
        return dam;
    }
    return 0;
}

CBioRegTrialMating::CBioRegTrialMating(const QPointF &position, const QSizeF &size, const QSizeF &dpi,
                                       const QSharedPointer<CBioReg> &reg,
                                       const QSharedPointer<CBioRegTrialMatingSettings> &settings,
                                       const QSharedPointer<CBioRegTrialMatingStickyState> &stickyState,
                                       QWidget *sidePage)
    : CBioRegThemedFormWithAncestryPanels(kEltBase, position, size, dpi, reg, settings, stickyState, sidePage)
    , m_Settings(settings)
    , m_StickyState(stickyState)
    , m_TitleGrab(BioBoxTrialMatingTitle)
    , m_SirePictureGrab(BioBoxTrialMatingSirePic)
    , m_SireDetailsGrab(BioBoxTrialMatingSireDetails)
    , m_DamPictureGrab(BioBoxTrialMatingDamPic)
    , m_DamDetailsGrab(BioBoxTrialMatingDamDetails)
{
    CCmnThemedFormBoxNames &names = BoxNames();
    names.m_Root = Named(QStringLiteral("Background"), QStringLiteral("TRIALMATING-ROOT"));
    names.m_HasHeader = true;
    names.m_LeftHeaderOrnament = Named(QStringLiteral("Logo"), QStringLiteral("CMN-LEFTHEADERORNAMENT"));
    names.m_RightHeaderOrnament = Named(QStringLiteral("Right Logo"), QStringLiteral("CMN-RIGHTHEADERORNAMENT"));
}

void CBioRegTrialMating::BuildBoxes(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                    const CCmnThemedFormAutoParams *params, QGraphicsItem *pageItem)
{
    CBioRegThemedFormWithAncestryPanels::BuildBoxes(theme, defaultTheme, params, pageItem);
    const QSharedPointer<CCmnFormBox> header = GetBox(HeaderId());
    const struct
    {
        bool m_Shown;
        qint32 &m_Id;
        const char *m_Name;
    } boxes[] = {{m_Settings->m_ShowTitleBox, m_TitleBoxId, "title"},
                 {m_Settings->m_ShowSirePictureBox, m_SirePictureBoxId, "sirepic"},
                 {m_Settings->m_ShowSireDetailsBox, m_SireDetailsBoxId, "siredetails"},
                 {m_Settings->m_ShowDamPictureBox, m_DamPictureBoxId, "dampic"},
                 {m_Settings->m_ShowDamDetailsBox, m_DamDetailsBoxId, "damdetails"}};
    for (const auto &box : boxes) {
        if (!box.m_Shown || !header)
            continue;
        box.m_Id = TakeNextBoxId();
        AddChildBox(header, box.m_Id, 0, CCmnForm::ChildClickable | CCmnForm::ChildFilledWithContent, kAboveParent)
            ->SetName(QLatin1String(box.m_Name));
    }
    AddAncestryPanel(theme, defaultTheme, params, ContentId(), false);
}

bool CBioRegTrialMating::ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                    const CCmnThemedFormAutoParams *params, qint32 source)
{
    if (CBioRegThemedFormWithAncestryPanels::ApplyTheme(name, theme, defaultTheme, params, source))
        return true;
    const bool all = name.isEmpty();
    const bool header = BoxNames().m_HasHeader && name == kHeader;
    const qint32 sire = m_StickyState->SireRecNo();
    const qint32 dam = m_StickyState->DamRecNo();
    const struct
    {
        qint32 m_Id;
        const char *m_Stem;
        CCmnThemedFormBoxGrab &m_Grab;
        std::function<void()> m_Bind;
    } boxes[] = {
        {m_TitleBoxId, "TRIALMATING-TITLE", m_TitleGrab, [&] { m_TitleGrab.GrabPairing(*Reg(), sire, dam); }},
        {m_SirePictureBoxId, "TRIALMATING-SIREPIC", m_SirePictureGrab,
         [&] { m_SirePictureGrab.GrabIndividual(*Reg(), sire); }},
        {m_SireDetailsBoxId, "TRIALMATING-SIREDETAILS", m_SireDetailsGrab,
         [&] { m_SireDetailsGrab.GrabIndividual(*Reg(), sire); }},
        {m_DamPictureBoxId, "TRIALMATING-DAMPIC", m_DamPictureGrab,
         [&] { m_DamPictureGrab.GrabIndividual(*Reg(), dam); }},
        {m_DamDetailsBoxId, "TRIALMATING-DAMDETAILS", m_DamDetailsGrab,
         [&] { m_DamDetailsGrab.GrabIndividual(*Reg(), dam); }},
    };
    for (const auto &box : boxes) {
        if (box.m_Id <= 0)
            continue;
        const QString stem = QLatin1String(box.m_Stem);
        const QString layoutElt = stem + QStringLiteral("-LAYOUT");
        const QString dataElt = stem + QStringLiteral("-DATA");
        if (all || header || name == layoutElt)
            box.m_Grab.GrabLayoutElt(theme, defaultTheme, layoutElt, *this, box.m_Id, BoxNames(), params);
        if (all || name == dataElt) {
            box.m_Grab.GrabDataElt(theme, defaultTheme, dataElt, BoxNames(), params);
            box.m_Bind();
        }
    }
    return false;
}

void CBioRegTrialMating::ApplyGrabs()
{
    CBioRegThemedFormWithAncestryPanels::ApplyGrabs();
    m_TitleGrab.ApplyToBox(*this, m_TitleBoxId);
    m_SirePictureGrab.ApplyToBox(*this, m_SirePictureBoxId);
    m_SireDetailsGrab.ApplyToBox(*this, m_SireDetailsBoxId);
    m_DamPictureGrab.ApplyToBox(*this, m_DamPictureBoxId);
    m_DamDetailsGrab.ApplyToBox(*this, m_DamDetailsBoxId);
}

void CBioRegTrialMating::RefreshBoxes(qint32 changeId)
{
    if (CBioRegAncestryPanel *panel = GetPanel(ContentId())) {
        panel->SetRootSire(*Reg(), m_StickyState->SireRecNo(), false);
        panel->SetRootDam(*Reg(), m_StickyState->DamRecNo(), true);
    }
    RebindTitle();
    UpdateSirePicturePlaceholder();
    RebindSireDetails();
    UpdateDamPicturePlaceholder();
    RebindDamDetails();
    CBioRegThemedFormWithAncestryPanels::RefreshBoxes(changeId);
}

void CBioRegTrialMating::HandleRegRecordNotification(qint32 recordId, qint32 code)
{
    CBioRegThemedFormWithAncestryPanels::HandleRegRecordNotification(recordId, code);
    const bool sire = recordId > 0 && recordId == m_StickyState->SireRecNo();
    const bool dam = recordId > 0 && recordId == m_StickyState->DamRecNo();
    switch (code) {
    case CCmnReg::RecordChanged:
        if (!sire && !dam)
            return;
        break;
    case CCmnReg::SireSet:
    case CCmnReg::DamSet:
        break;
    case CCmnReg::RecordDeleted:
        // The deletion cleared the links to the record without telling anyone,
        // and its id may come back for another animal: a deleted parent is no
        // parent, and the panel walks again from the pair.
        if (!sire && !dam)
            return;
        if (sire)
            m_StickyState->m_SireRecNo = 0;
        if (dam)
            m_StickyState->m_DamRecNo = 0;
        RefreshBoxes(BioTrialMatingParentChangeId(sire ? 1 : 2));
        return;
    default:
        return;
    }
    RebindTitle();
    if (sire) {
        UpdateSirePicturePlaceholder();
        RebindSireDetails();
    }
    if (dam) {
        UpdateDamPicturePlaceholder();
        RebindDamDetails();
    }
}

qint32 CBioRegTrialMating::GetRootParentRecNo(qint32 panelBoxId, qint32 sex) const
{
    if (panelBoxId != ContentId() || !GetPanel(panelBoxId))
        return 0;
    return sex == 2 ? m_StickyState->DamRecNo() : m_StickyState->SireRecNo();
}

bool CBioRegTrialMating::SetRootParentRecNo(qint32 panelBoxId, qint32 sex, qint32 recordId)
{
    if (panelBoxId != ContentId() || !GetPanel(panelBoxId))
        return false;
    const bool isDam = sex == 2;
    if (recordId == (isDam ? m_StickyState->DamRecNo() : m_StickyState->SireRecNo()))
        return false;
    (isDam ? m_StickyState->m_DamRecNo : m_StickyState->m_SireRecNo) = recordId;
    RefreshBoxes(BioTrialMatingParentChangeId(isDam ? 2 : 1));
    return true;
}

void CBioRegTrialMating::SetTitleToolTip(const QString &text)
{
    if (const QSharedPointer<CCmnFormBox> box = GetBox(m_TitleBoxId); box && m_TitleBoxId > 0)
        box->SetToolTip(CmnHtmlEscape(text));
}

void CBioRegTrialMating::UpdatePicturePlaceholder(qint32 boxId, CBioRegThemedFormIndividualPicBoxGrab &grab,
                                                  qint32 term, qint32 recordId)
{
    if (boxId <= 0)
        return;
    const QString toolTip = recordId >= 1 ? QStringLiteral("Click to set %1's %2")
                                                .arg(GetBioTerm(term, BioTermLowerCase), QStringLiteral("Photo").toLower())
                                          : QString();
    if (const QSharedPointer<CCmnFormBox> box = GetBox(boxId))
        box->SetToolTip(CmnHtmlEscape(toolTip));
    grab.GrabIndividual(*Reg(), recordId);
    grab.ApplyToBox(*this, boxId);
}

void CBioRegTrialMating::UpdateSirePicturePlaceholder()
{
    UpdatePicturePlaceholder(m_SirePictureBoxId, m_SirePictureGrab, BioTermSire, m_StickyState->SireRecNo());
}

void CBioRegTrialMating::UpdateDamPicturePlaceholder()
{
    UpdatePicturePlaceholder(m_DamPictureBoxId, m_DamPictureGrab, BioTermDam, m_StickyState->DamRecNo());
}

void CBioRegTrialMating::RebindTitle()
{
    if (m_TitleBoxId <= 0)
        return;
    m_TitleGrab.GrabPairing(*Reg(), m_StickyState->SireRecNo(), m_StickyState->DamRecNo());
    m_TitleGrab.ApplyToBox(*this, m_TitleBoxId);
}

void CBioRegTrialMating::RebindDetails(qint32 boxId, CBioRegTrialMatingParentDetailsBoxGrab &grab, qint32 recordId)
{
    if (boxId <= 0)
        return;
    grab.GrabIndividual(*Reg(), recordId);
    grab.ApplyToBox(*this, boxId);
}

void CBioRegTrialMating::RebindSireDetails()
{
    RebindDetails(m_SireDetailsBoxId, m_SireDetailsGrab, m_StickyState->SireRecNo());
}

void CBioRegTrialMating::RebindDamDetails()
{
    RebindDetails(m_DamDetailsBoxId, m_DamDetailsGrab, m_StickyState->DamRecNo());
}
