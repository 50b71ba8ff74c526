#include "bioregpedigree.h"

#include "bioboxkind.h"
#include "bioreg.h"
#include "bioregpedigreesettings.h"
#include "bioregpedigreestickystate.h"
#include "bioregrecord.h"
#include "bioterminology.h"
#include "cmnformbox.h"
#include "cmnhtmlescape.h"

#include <algorithm>

namespace {

const QString kEltBase = QStringLiteral("PEDIGREE-ANCESTORSPANEL0");
const QString kFormDefault = QStringLiteral("CMN-DEFAULT");
const QString kHeader = QStringLiteral("CMN-HEADER");
constexpr double kAboveParent = -1.0;

// One header box with its names and grab, for the steps that treat the three alike.
struct CHeaderBox
{
    qint32 m_Id;
    const char *m_Stem;
    CBioRegThemedFormIndividualBoxGrab &m_Grab;
};

CCmnThemedFormBoxName Named(const QString &display, const QString &stem)
{
    return {display, stem + QStringLiteral("-LAYOUT"), stem + QStringLiteral("-DATA")};
}

} // namespace

CBioRegPedigree::CBioRegPedigree(const QPointF &position, const QSizeF &size, const QSizeF &dpi,
                                 const QSharedPointer<CBioReg> &reg,
                                 const QSharedPointer<CBioRegPedigreeSettings> &settings,
                                 const QSharedPointer<CBioRegPedigreeStickyState> &stickyState, QWidget *sidePage)
    : CBioRegThemedFormWithAncestryPanels(kEltBase, position, size, dpi, reg, settings, stickyState, sidePage)
    , m_Settings(settings)
    , m_StickyState(stickyState)
    , m_TitleGrab(BioBoxPedigreeTitle)
    , m_DetailsGrab(BioBoxPedigreeDetails)
    , m_PictureGrab(BioBoxPedigreePic)
{
    CCmnThemedFormBoxNames &names = BoxNames();
    names.m_Root = Named(QStringLiteral("Background"), QStringLiteral("PEDIGREE-ROOT"));
    names.m_HasHeader = true;
    names.m_LeftHeaderOrnament = Named(QStringLiteral("Logo"), QStringLiteral("CMN-LEFTHEADERORNAMENT"));
    names.m_RightHeaderOrnament = Named(QStringLiteral("Right Logo"), QStringLiteral("CMN-RIGHTHEADERORNAMENT"));
    names.m_LeftFooterOrnament = Named(QStringLiteral("Signature"), QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT"));
}

void CBioRegPedigree::BuildBoxes(CCmnTheme &theme, const CCmnTheme &defaultTheme,
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
                 {m_Settings->m_ShowDetailsBox, m_DetailsBoxId, "details"},
                 {m_Settings->m_ShowPictureBox, m_PictureBoxId, "pic"}};
    for (const auto &box : boxes) {
        if (!box.m_Shown || !header)
            continue;
        box.m_Id = TakeNextBoxId();
        AddChildBox(header, box.m_Id, 0, CCmnForm::ChildClickable | CCmnForm::ChildFilledWithContent, kAboveParent)
            ->SetName(QLatin1String(box.m_Name));
    }
    AddAncestryPanel(theme, defaultTheme, params, ContentId(), true);
}

bool CBioRegPedigree::ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                 const CCmnThemedFormAutoParams *params, qint32 source)
{
    if (CBioRegThemedFormWithAncestryPanels::ApplyTheme(name, theme, defaultTheme, params, source))
        return true;
    const bool all = name.isEmpty() || name == kFormDefault;
    const bool header = BoxNames().m_HasHeader && name == kHeader;
    const CHeaderBox boxes[] = {
        {m_TitleBoxId, "PEDIGREE-TITLE", m_TitleGrab},
        {m_DetailsBoxId, "PEDIGREE-DETAILS", m_DetailsGrab},
        {m_PictureBoxId, "PEDIGREE-PIC", m_PictureGrab},
    };
    const qint32 subject = SubjectRecNo();
    for (const CHeaderBox &box : boxes) {
        if (box.m_Id <= 0)
            continue;
        const QString stem = QLatin1String(box.m_Stem);
        const QString layoutElt = stem + QStringLiteral("-LAYOUT");
        const QString dataElt = stem + QStringLiteral("-DATA");
        if (all || header || name == layoutElt)
            box.m_Grab.GrabLayoutElt(theme, defaultTheme, layoutElt, *this, box.m_Id, BoxNames(), params);
        if (all || name == dataElt) {
            box.m_Grab.GrabDataElt(theme, defaultTheme, dataElt, BoxNames(), params);
            box.m_Grab.GrabIndividual(*Reg(), subject);
        }
    }
    return false;
}

void CBioRegPedigree::ApplyGrabs()
{
    CBioRegThemedFormWithAncestryPanels::ApplyGrabs();
    m_TitleGrab.ApplyToBox(*this, m_TitleBoxId);
    m_DetailsGrab.ApplyToBox(*this, m_DetailsBoxId);
    m_PictureGrab.ApplyToBox(*this, m_PictureBoxId);
}

qint32 CBioRegPedigree::SubjectRecNo() const
{
    const qint32 subject = std::max(0, m_StickyState->m_SubjectRecNo);
    return Reg()->HasRecNo(subject) ? subject : 0;
}

void CBioRegPedigree::BindRoot()
{
    CBioRegAncestryPanel *panel = GetPanel(ContentId());
    if (!panel)
        return;
    const qint32 subject = SubjectRecNo();
    const CBioRegRecord *record = subject > 0 ? Reg()->GetBioRecord(subject) : nullptr;
    panel->SetEditable(*Reg(), subject > 0, false);
    panel->SetRootParents(*Reg(), record ? record->m_Sire : 0, record ? record->m_Dam : 0, true);
}

void CBioRegPedigree::RebindHeaderBoxes()
{
    const qint32 subject = SubjectRecNo();
    if (m_TitleBoxId > 0) {
        m_TitleGrab.GrabIndividual(*Reg(), subject);
        m_TitleGrab.ApplyToBox(*this, m_TitleBoxId);
    }
    if (m_DetailsBoxId > 0) {
        m_DetailsGrab.GrabIndividual(*Reg(), subject);
        m_DetailsGrab.ApplyToBox(*this, m_DetailsBoxId);
    }
    UpdatePicturePlaceholder();
}

void CBioRegPedigree::RefreshBoxes(qint32 changeId)
{
    BindRoot();
    RebindHeaderBoxes();
    CBioRegThemedFormWithAncestryPanels::RefreshBoxes(changeId);
}

void CBioRegPedigree::HandleRegRecordNotification(qint32 recordId, qint32 code)
{
    CBioRegThemedFormWithAncestryPanels::HandleRegRecordNotification(recordId, code);
    const bool isSubject = recordId > 0 && recordId == std::max(0, m_StickyState->m_SubjectRecNo);
    switch (code) {
    case CCmnReg::RecordChanged:
        if (!isSubject)
            return;
        break;
    case CCmnReg::SireSet:
    case CCmnReg::DamSet:
        if (isSubject) {
            const CBioRegRecord *record = Reg()->GetBioRecord(recordId);
            const qint32 parent = record ? (code == CCmnReg::SireSet ? record->m_Sire : record->m_Dam) : 0;
            if (CBioRegAncestryPanel *panel = GetPanel(ContentId()))
                panel->SetRootParent(*Reg(), code == CCmnReg::SireSet ? 1 : 2, parent, true);
        }
        break;
    case CCmnReg::RecordDeleted:
        // The deletion cleared the links to the record without telling anyone,
        // and its id may come back for another animal: a deleted subject is no
        // subject, and the chart starts again from the subject's parents.
        if (isSubject)
            m_StickyState->m_SubjectRecNo = 0;
        BindRoot();
        break;
    default:
        return;
    }
    RebindHeaderBoxes();
}

bool CBioRegPedigree::FindAncestryCell(qint32 boxId, qint32 *childRecord, qint32 *sex, qint32 *generation,
                                       qint32 *pathBits, qint32 *panelBoxId) const
{
    qint32 g = -1;
    if (!CBioRegThemedFormWithAncestryPanels::FindAncestryCell(boxId, childRecord, sex, &g, pathBits, panelBoxId))
        return false;
    if (generation)
        *generation = g;
    if (g == 0 && childRecord)
        *childRecord = SubjectRecNo();
    return true;
}

void CBioRegPedigree::SetTitleToolTip(const QString &text)
{
    if (const QSharedPointer<CCmnFormBox> box = GetBox(m_TitleBoxId); box && m_TitleBoxId > 0)
        box->SetToolTip(CmnHtmlEscape(text));
}

void CBioRegPedigree::UpdatePicturePlaceholder()
{
    if (m_PictureBoxId <= 0)
        return;
    const qint32 subject = SubjectRecNo();
    const QString toolTip = subject > 0 ? QStringLiteral("Click to set %1's %2")
                                              .arg(GetBioTerm(0, BioTermLowerCase), QStringLiteral("Photo").toLower())
                                        : QString();
    if (const QSharedPointer<CCmnFormBox> box = GetBox(m_PictureBoxId))
        box->SetToolTip(CmnHtmlEscape(toolTip));
    m_PictureGrab.GrabIndividual(*Reg(), subject);
    m_PictureGrab.ApplyToBox(*this, m_PictureBoxId);
}
