#include "bioregtrialmating.h"

#include "bioboxkind.h"
#include "bioreg.h"
#include "bioregtrialmatingsettings.h"
#include "bioregtrialmatingstickystate.h"
#include "bioterminologysettings.h"
#include "cmnformbox.h"

#include <tuple>

namespace {
const QString kTrialMatingPanelElement = QStringLiteral("TRIALMATING-ANCESTORSPANEL0");
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
    : CBioRegThemedFormWithAncestryPanels(kTrialMatingPanelElement, position, size, dpi, reg, settings, stickyState, sidePage)
    , m_Settings(settings)
    , m_StickyState(stickyState)
    , m_TitleGrab(BioBoxTrialMatingTitle)
    , m_SirePictureGrab(BioBoxTrialMatingSirePic)
    , m_SireDetailsGrab(BioBoxTrialMatingSireDetails)
    , m_DamPictureGrab(BioBoxTrialMatingDamPic)
    , m_DamDetailsGrab(BioBoxTrialMatingDamDetails)
{
    NameChartBoxes(QStringLiteral("TRIALMATING-ROOT"));
}

void CBioRegTrialMating::BuildBoxes(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                    const CCmnThemedFormAutoParams *params, QGraphicsItem *pageItem)
{
    CBioRegThemedFormWithAncestryPanels::BuildBoxes(theme, defaultTheme, params, pageItem);
    const CBioRegTrialMatingSettings &settings = *m_Settings;
    const std::tuple<bool, qint32 &, const char *> boxes[] = {
        {settings.m_ShowTitleBox, m_TitleBoxId, "title"},
        {settings.m_ShowSirePictureBox, m_SirePictureBoxId, "sirepic"},
        {settings.m_ShowSireDetailsBox, m_SireDetailsBoxId, "siredetails"},
        {settings.m_ShowDamPictureBox, m_DamPictureBoxId, "dampic"},
        {settings.m_ShowDamDetailsBox, m_DamDetailsBoxId, "damdetails"}};
    for (const auto &[shown, id, boxName] : boxes) {
        if (shown)
            id = AddHeaderBox(QLatin1String(boxName));
    }
    AddAncestryPanel(theme, defaultTheme, params, ContentId(), false);
}

bool CBioRegTrialMating::ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                    const CCmnThemedFormAutoParams *params, qint32 source)
{
    if (CBioRegThemedFormWithAncestryPanels::ApplyTheme(name, theme, defaultTheme, params, source))
        return true;
    const qint32 sire = m_StickyState->SireRecNo();
    const qint32 dam = m_StickyState->DamRecNo();
    const auto bind = [this](CBioRegThemedFormIndividualBoxGrab &grab, qint32 recordId) {
        return [this, &grab, recordId] { grab.GrabIndividual(*Reg(), recordId); };
    };
    ApplyThemeToHeaderBoxes(
        name, theme, defaultTheme, params,
        {{m_TitleBoxId, QStringLiteral("TRIALMATING-TITLE"), m_TitleGrab,
          [this, sire, dam] { m_TitleGrab.GrabPairing(*Reg(), sire, dam); }},
         {m_SirePictureBoxId, QStringLiteral("TRIALMATING-SIREPIC"), m_SirePictureGrab, bind(m_SirePictureGrab, sire)},
         {m_SireDetailsBoxId, QStringLiteral("TRIALMATING-SIREDETAILS"), m_SireDetailsGrab,
          bind(m_SireDetailsGrab, sire)},
         {m_DamPictureBoxId, QStringLiteral("TRIALMATING-DAMPIC"), m_DamPictureGrab, bind(m_DamPictureGrab, dam)},
         {m_DamDetailsBoxId, QStringLiteral("TRIALMATING-DAMDETAILS"), m_DamDetailsGrab,
          bind(m_DamDetailsGrab, dam)}});
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
    SetBoxToolTip(m_TitleBoxId, text);
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

void CBioRegTrialMating::RebindSireDetails()
{
    BindBox(m_SireDetailsBoxId, m_SireDetailsGrab, m_StickyState->SireRecNo());
}

void CBioRegTrialMating::RebindDamDetails()
{
    BindBox(m_DamDetailsBoxId, m_DamDetailsGrab, m_StickyState->DamRecNo());
}
