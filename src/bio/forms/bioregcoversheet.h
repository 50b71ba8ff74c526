#pragma once

#include "bioregthemedform.h"
#include "bioregthemedformindividualboxgrab.h"

class CBioRegCoverSheetSettings;
class CBioRegCoverSheetStickyState;

// The sheet folded around a pedigree: a front with the subject's photo above a
// title and, as the sheet is folded once or twice, a reverse (back page) and an
// inside flap of free text beside it. Boxes follow the settings; their look and
// text come from the theme, their values from the subject's record; dragged
// divisions go back into the settings.
class CBioRegCoverSheet : public CBioRegThemedForm
{
    Q_OBJECT
public:
    CBioRegCoverSheet(const QPointF &position, const QSizeF &size, const QSizeF &dpi,
                      const QSharedPointer<CBioReg> &reg, const QSharedPointer<CBioRegCoverSheetSettings> &settings,
                      const QSharedPointer<CBioRegCoverSheetStickyState> &stickyState, QWidget *sidePage);
    ~CBioRegCoverSheet() override;

    // The skeleton, then, left to right in the content, the flap (two folds),
    // the reverse (any fold) and the front with the picture (when shown) over
    // the title.
    void BuildBoxes(CCmnTheme &theme, const CCmnTheme &defaultTheme, const CCmnThemedFormAutoParams *params,
                    QGraphicsItem *pageItem);

    // True for "CMN-DEFAULT": every box depends on it, so the scene is built anew.
    bool ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                    const CCmnThemedFormAutoParams *params, qint32 source) override;
    void ApplyGrabs() override;
    void RefreshBoxes(qint32 changeId) override;
    // A dragged front or content division is kept for the fold style shown.
    void StoreSplitSettings(qint32 boxId) override;
    // A change to the subject, or any parent set, refreshes the boxes.
    void HandleRegRecordNotification(qint32 recordId, qint32 code) override;

    // The placeholder of an empty title on screen (plain text).
    void SetTitleToolTip(const QString &text);
    void UpdateReversePlaceholder();
    void UpdateFlapPlaceholder();
    void UpdatePicturePlaceholder();

    qint32 FrontId() const { return m_FrontId; }
    qint32 TitleId() const { return m_TitleId; }
    qint32 PictureId() const { return m_PictureId; }
    qint32 ReverseId() const { return m_ReverseId; }
    qint32 FlapId() const { return m_FlapId; }

private:
    qint32 SubjectRecNo() const;
    void BindToSubject(CBioRegThemedFormIndividualBoxGrab &grab);
    void RebindTitleAndPlaceholders();
    void UpdatePlaceholder(qint32 boxId, CBioRegThemedFormIndividualBoxGrab &grab, const QString &text);

    QSharedPointer<CBioRegCoverSheetSettings> m_Settings;
    QSharedPointer<CBioRegCoverSheetStickyState> m_StickyState;
    qint32 m_FrontId = 0;
    qint32 m_TitleId = 0;
    qint32 m_PictureId = 0;
    qint32 m_ReverseId = 0;
    qint32 m_FlapId = 0;
    CBioRegCoverSheetTitleBoxGrab m_TitleGrab;
    CBioRegThemedFormIndividualPicBoxGrab m_PictureGrab;
    CBioRegCoverSheetReverseBoxGrab m_ReverseGrab;
    CBioRegCoverSheetFlapBoxGrab m_FlapGrab;
};
