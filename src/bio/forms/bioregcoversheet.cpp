#include "bioregcoversheet.h"

#include "bioreg.h"
#include "bioregcoversheetsettings.h"
#include "bioregcoversheetstickystate.h"
#include "bioterminology.h"
#include "cmnhtmlescape.h"
#include "cmnreg.h"
#include "cmnthemeaccessors.h"

namespace {

// The field-usage contexts of the cover sheet's boxes.
constexpr qint32 kTitleContext = 35;
constexpr qint32 kReverseContext = 36;
constexpr qint32 kFlapContext = 37;
constexpr qint32 kPictureContext = 38;

constexpr qint32 kTextBoxOptions = CCmnForm::ChildClickable | CCmnForm::ChildFilledWithContent;
constexpr qint32 kFrontOptions = CCmnForm::ChildClickable | CCmnForm::ChildNeverFilled;

CCmnFormBoxSplitSettings WithGap(CCmnFormBoxSplitSettings split, const CCmnMetric &gap)
{
    split.m_Gap = gap;
    return split;
}

struct CCoverBox
{
    qint32 m_Id;
    CBioRegThemedFormIndividualBoxGrab &m_Grab;
    const char *m_Layout;
    const char *m_Data;
};

} // namespace

CBioRegCoverSheet::CBioRegCoverSheet(const QPointF &position, const QSizeF &size, const QSizeF &dpi,
                                     const QSharedPointer<CBioReg> &reg,
                                     const QSharedPointer<CBioRegCoverSheetSettings> &settings,
                                     const QSharedPointer<CBioRegCoverSheetStickyState> &stickyState,
                                     QWidget *sidePage)
    : CBioRegThemedForm(position, size, dpi, reg, settings, stickyState, sidePage)
    , m_Settings(settings)
    , m_StickyState(stickyState)
    , m_TitleGrab(kTitleContext)
    , m_PictureGrab(kPictureContext)
    , m_ReverseGrab(kReverseContext)
    , m_FlapGrab(kFlapContext)
{
}

CBioRegCoverSheet::~CBioRegCoverSheet() = default;

void CBioRegCoverSheet::BuildBoxes(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                   const CCmnThemedFormAutoParams *params, QGraphicsItem *pageItem)
{
    CCmnThemedForm::BuildBoxes(theme, defaultTheme, params, pageItem);
    const QSharedPointer<CCmnFormBox> content = GetBox(ContentId());
    const CCmnMetric gap = CmnThemeGetSingleExtent(theme, defaultTheme, kCmnFormDefault, BoxNames(), params, false);
    const qint32 foldStyle = m_Settings->m_FoldStyle;

    if (foldStyle >= 2) {
        m_FlapId = TakeNextBoxId();
        AddChildBox(content, m_FlapId, 0, kTextBoxOptions);
    }
    if (foldStyle != 0) {
        m_ReverseId = TakeNextBoxId();
        AddChildBox(content, m_ReverseId, 0, kTextBoxOptions);
    }
    m_FrontId = TakeNextBoxId();
    const QSharedPointer<CCmnFormBox> front = AddChildBox(content, m_FrontId, 0, kFrontOptions);
    if (m_Settings->m_ShowPicture) {
        m_PictureId = TakeNextBoxId();
        AddChildBox(front, m_PictureId, 0, kTextBoxOptions);
    }
    m_TitleId = TakeNextBoxId();
    AddChildBox(front, m_TitleId, 0, kTextBoxOptions);

    if (m_Settings->m_ShowPicture)
        front->SetSplitSettings(WithGap(m_Settings->m_FrontSplit, gap));
    if (foldStyle >= 2)
        content->SetSplitSettings(WithGap(m_Settings->m_TwoFoldSplit, gap));
    else if (foldStyle == 1)
        content->SetSplitSettings(WithGap(m_Settings->m_OneFoldSplit, gap));
    // Pointing at the sheet between the panes highlights it, yet it never
    // counts as filled.
    content->SetContextMenu(true);
    content->SetActiveMode(CmnFormBoxNeverFilled);
}

qint32 CBioRegCoverSheet::SubjectRecNo() const
{
    return m_StickyState ? m_StickyState->SubjectRecNo() : 0;
}

void CBioRegCoverSheet::BindToSubject(CBioRegThemedFormIndividualBoxGrab &grab)
{
    if (Reg())
        grab.GrabIndividual(*Reg(), SubjectRecNo());
}

bool CBioRegCoverSheet::ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                   const CCmnThemedFormAutoParams *params, qint32 source)
{
    if (CCmnThemedForm::ApplyTheme(name, theme, defaultTheme, params, source))
        return true;
    if (name == kCmnFormDefault)
        return true;
    const CCoverBox boxes[] = {
        {m_TitleId, m_TitleGrab, "COVERSHEET-TITLE-LAYOUT", "COVERSHEET-TITLE-DATA"},
        {m_ReverseId, m_ReverseGrab, "COVERSHEET-REVERSE-LAYOUT", "COVERSHEET-REVERSE-DATA"},
        {m_FlapId, m_FlapGrab, "COVERSHEET-FLAP-LAYOUT", "COVERSHEET-FLAP-DATA"},
        {m_PictureId, m_PictureGrab, "COVERSHEET-PIC-LAYOUT", "COVERSHEET-PIC-DATA"},
    };
    for (const CCoverBox &box : boxes) {
        if (box.m_Id <= 0)
            continue;
        const QString layout = QLatin1String(box.m_Layout);
        const QString data = QLatin1String(box.m_Data);
        if (name.isEmpty() || name == layout)
            box.m_Grab.GrabLayoutElt(theme, defaultTheme, layout, *this, box.m_Id, BoxNames(), params);
        if (name.isEmpty() || name == data) {
            box.m_Grab.GrabDataElt(theme, defaultTheme, data, BoxNames(), params);
            BindToSubject(box.m_Grab);
        }
    }
    return false;
}

void CBioRegCoverSheet::ApplyGrabs()
{
    CCmnThemedForm::ApplyGrabs();
    m_TitleGrab.ApplyToBox(*this, m_TitleId);
    m_ReverseGrab.ApplyToBox(*this, m_ReverseId);
    m_FlapGrab.ApplyToBox(*this, m_FlapId);
    m_PictureGrab.ApplyToBox(*this, m_PictureId);
}

void CBioRegCoverSheet::RebindTitleAndPlaceholders()
{
    if (m_TitleId > 0) {
        BindToSubject(m_TitleGrab);
        m_TitleGrab.ApplyToBox(*this, m_TitleId);
    }
    UpdateReversePlaceholder();
    UpdateFlapPlaceholder();
    UpdatePicturePlaceholder();
}

void CBioRegCoverSheet::RefreshBoxes(qint32 changeId)
{
    RebindTitleAndPlaceholders();
    CCmnThemedForm::RefreshBoxes(changeId);
}

void CBioRegCoverSheet::HandleRegRecordNotification(qint32 recordId, qint32 code)
{
    const bool subjectChanged = code == CCmnReg::RecordChanged && recordId == SubjectRecNo();
    if (subjectChanged || code == CCmnReg::SireSet || code == CCmnReg::DamSet)
        RebindTitleAndPlaceholders();
}

void CBioRegCoverSheet::StoreSplitSettings(qint32 boxId)
{
    CCmnThemedForm::StoreSplitSettings(boxId);
    const QSharedPointer<CCmnFormBox> box = GetBox(boxId);
    if (!m_Settings || !box || boxId <= 0)
        return;
    // Without the photo the front has no division of its own: what it would
    // resolve to is the content's, which must not overwrite the front's.
    if (boxId == m_FrontId && box->PropertyMode(CmnFormBoxSplitSettings) == CmnFormBoxPropertyOwn)
        m_Settings->m_FrontSplit = box->GetSplitSettings();
    else if (boxId == ContentId() && m_Settings->m_FoldStyle >= 2)
        m_Settings->m_TwoFoldSplit = box->GetSplitSettings();
    else if (boxId == ContentId() && m_Settings->m_FoldStyle == 1)
        m_Settings->m_OneFoldSplit = box->GetSplitSettings();
}

void CBioRegCoverSheet::SetTitleToolTip(const QString &text)
{
    SetBoxToolTip(m_TitleId, text);
}

void CBioRegCoverSheet::UpdatePlaceholder(qint32 boxId, CBioRegThemedFormIndividualBoxGrab &grab,
                                          const QString &text)
{
    const QSharedPointer<CCmnFormBox> box = boxId > 0 ? GetBox(boxId) : QSharedPointer<CCmnFormBox>();
    if (!box)
        return;
    const qint32 subject = SubjectRecNo();
    box->SetToolTip(subject > 0 ? CmnHtmlEscape(text) : QString());
    BindToSubject(grab);
    grab.ApplyToBox(*this, boxId);
}

void CBioRegCoverSheet::UpdateReversePlaceholder()
{
    UpdatePlaceholder(m_ReverseId, m_ReverseGrab, QStringLiteral("Click to set reverse (back page) text"));
}

void CBioRegCoverSheet::UpdateFlapPlaceholder()
{
    UpdatePlaceholder(m_FlapId, m_FlapGrab, QStringLiteral("Click to set inside flap text"));
}

void CBioRegCoverSheet::UpdatePicturePlaceholder()
{
    UpdatePlaceholder(m_PictureId, m_PictureGrab,
                      QStringLiteral("Click to set %1's %2")
                          .arg(GetBioTerm(0, BioTermLowerCase), QStringLiteral("Photo").toLower()));
}
