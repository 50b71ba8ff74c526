#include "bioregpedigree.h"

#include "bioboxkind.h"
#include "bioreg.h"
#include "bioregpedigreesettings.h"
#include "bioregpedigreestickystate.h"
#include "bioregrecord.h"
#include "bioterminologysettings.h"
#include "cmnformbox.h"

#include <algorithm>

namespace {
const QString kPedigreePanelElement = QStringLiteral("PEDIGREE-ANCESTORSPANEL0");
} // namespace

CBioRegPedigree::CBioRegPedigree(const QPointF &position, const QSizeF &size, const QSizeF &dpi,
                                 const QSharedPointer<CBioReg> &reg,
                                 const QSharedPointer<CBioRegPedigreeSettings> &settings,
                                 const QSharedPointer<CBioRegPedigreeStickyState> &stickyState, QWidget *sidePage)
    : CBioRegThemedFormWithAncestryPanels(kPedigreePanelElement, position, size, dpi, reg, settings, stickyState, sidePage)
    , m_Settings(settings)
    , m_StickyState(stickyState)
    , m_TitleGrab(BioBoxPedigreeTitle)
    , m_DetailsGrab(BioBoxPedigreeDetails)
    , m_PictureGrab(BioBoxPedigreePic)
{
    NameChartBoxes(QStringLiteral("PEDIGREE-ROOT"));
    BoxNames().m_LeftFooterOrnament = {QStringLiteral("Signature"), QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT-LAYOUT"),
                                       QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT-DATA")};
}

void CBioRegPedigree::BuildBoxes(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                 const CCmnThemedFormAutoParams *params, QGraphicsItem *pageItem)
{
    CBioRegThemedFormWithAncestryPanels::BuildBoxes(theme, defaultTheme, params, pageItem);
    if (m_Settings->m_ShowTitleBox)
        m_TitleBoxId = AddHeaderBox(QStringLiteral("title"));
    if (m_Settings->m_ShowDetailsBox)
        m_DetailsBoxId = AddHeaderBox(QStringLiteral("details"));
    if (m_Settings->m_ShowPictureBox)
        m_PictureBoxId = AddHeaderBox(QStringLiteral("pic"));
    AddAncestryPanel(theme, defaultTheme, params, ContentId(), true);
}

bool CBioRegPedigree::ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                 const CCmnThemedFormAutoParams *params, qint32 source)
{
    if (CBioRegThemedFormWithAncestryPanels::ApplyTheme(name, theme, defaultTheme, params, source))
        return true;
    const qint32 subject = SubjectRecNo();
    const auto bind = [this, subject](CBioRegThemedFormIndividualBoxGrab &grab) {
        return [this, subject, &grab] { grab.GrabIndividual(*Reg(), subject); };
    };
    ApplyThemeToHeaderBoxes(name, theme, defaultTheme, params,
                            {{m_TitleBoxId, QStringLiteral("PEDIGREE-TITLE"), m_TitleGrab, bind(m_TitleGrab)},
                             {m_DetailsBoxId, QStringLiteral("PEDIGREE-DETAILS"), m_DetailsGrab, bind(m_DetailsGrab)},
                             {m_PictureBoxId, QStringLiteral("PEDIGREE-PIC"), m_PictureGrab, bind(m_PictureGrab)}});
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

void CBioRegPedigree::BindRoot(bool refresh)
{
    CBioRegAncestryPanel *panel = GetPanel(ContentId());
    if (!panel)
        return;
    const qint32 subject = SubjectRecNo();
    const CBioRegRecord *record = subject > 0 ? Reg()->GetBioRecord(subject) : nullptr;
    panel->SetEditable(*Reg(), subject > 0, false);
    panel->SetRootParents(*Reg(), record ? record->m_Sire : 0, record ? record->m_Dam : 0, refresh);
}

void CBioRegPedigree::RebindHeaderBoxes()
{
    BindBox(m_TitleBoxId, m_TitleGrab, SubjectRecNo());
    BindBox(m_DetailsBoxId, m_DetailsGrab, SubjectRecNo());
    UpdatePicturePlaceholder();
}

void CBioRegPedigree::RefreshBoxes(qint32 changeId)
{
    // The panels' own refresh below redraws every cell once.
    BindRoot(false);
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
        BindRoot(true);
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
    SetBoxToolTip(m_TitleBoxId, text);
}

void CBioRegPedigree::UpdatePicturePlaceholder()
{
    CBioRegThemedFormWithAncestryPanels::UpdatePicturePlaceholder(m_PictureBoxId, m_PictureGrab, BioTermAnimal,
                                                                  SubjectRecNo());
}
