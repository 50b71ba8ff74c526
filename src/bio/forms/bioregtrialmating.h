#pragma once

#include "bioregpairingthemedformboxgrab.h"
#include "bioregthemedformindividualboxgrab.h"
#include "bioregthemedformwithancestrypanels.h"

class CBioRegTrialMatingSettings;
class CBioRegTrialMatingStickyState;
class QGraphicsItem;

// The change id of the trial mating's sire (1) or dam (2), taken from the
// process-wide counter of form change ids on first use; 0 for anything else.
qint32 BioTrialMatingParentChangeId(qint32 which);
// The next id of the process-wide counter of form change ids (1 first).
qint32 BioTakeFormChangeId();

// The chart of a planned mating: the ancestors of the offspring of a chosen
// sire and dam, with a title naming both and, as the settings ask, each
// parent's photo and details in the header.
class CBioRegTrialMating : public CBioRegThemedFormWithAncestryPanels
{
    Q_OBJECT
public:
    CBioRegTrialMating(const QPointF &position, const QSizeF &size, const QSizeF &dpi,
                       const QSharedPointer<CBioReg> &reg, const QSharedPointer<CBioRegTrialMatingSettings> &settings,
                       const QSharedPointer<CBioRegTrialMatingStickyState> &stickyState, QWidget *sidePage);

    // The skeleton, the header boxes that are switched on, then the panel,
    // whose root is the offspring that does not exist yet.
    void BuildBoxes(CCmnTheme &theme, const CCmnTheme &defaultTheme, const CCmnThemedFormAutoParams *params,
                    QGraphicsItem *pageItem);

    bool ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                    const CCmnThemedFormAutoParams *params, qint32 source) override;
    void ApplyGrabs() override;
    void RefreshBoxes(qint32 changeId) override;
    void HandleRegRecordNotification(qint32 recordId, qint32 code) override;
    // Sex 2 the dam, any other the sire; 0 for another box.
    qint32 GetRootParentRecNo(qint32 panelBoxId, qint32 sex) const override;
    // False, and nothing refreshed, when the parent is already that record or
    // the box holds no panel of this chart.
    bool SetRootParentRecNo(qint32 panelBoxId, qint32 sex, qint32 recordId) override;

    void SetTitleToolTip(const QString &text);
    void UpdateSirePicturePlaceholder();
    void UpdateDamPicturePlaceholder();
    void RebindTitle();
    void RebindSireDetails();
    void RebindDamDetails();

    qint32 TitleBoxId() const { return m_TitleBoxId; }
    qint32 SirePictureBoxId() const { return m_SirePictureBoxId; }
    qint32 SireDetailsBoxId() const { return m_SireDetailsBoxId; }
    qint32 DamPictureBoxId() const { return m_DamPictureBoxId; }
    qint32 DamDetailsBoxId() const { return m_DamDetailsBoxId; }

private:
    QSharedPointer<CBioRegTrialMatingSettings> m_Settings;
    QSharedPointer<CBioRegTrialMatingStickyState> m_StickyState;
    qint32 m_TitleBoxId = 0;
    qint32 m_SirePictureBoxId = 0;
    qint32 m_SireDetailsBoxId = 0;
    qint32 m_DamPictureBoxId = 0;
    qint32 m_DamDetailsBoxId = 0;
    CBioRegTrialMatingTitleBoxGrab m_TitleGrab;
    CBioRegThemedFormIndividualPicBoxGrab m_SirePictureGrab;
    CBioRegTrialMatingParentDetailsBoxGrab m_SireDetailsGrab;
    CBioRegThemedFormIndividualPicBoxGrab m_DamPictureGrab;
    CBioRegTrialMatingParentDetailsBoxGrab m_DamDetailsGrab;
};
