#pragma once

#include "bioregthemedformindividualboxgrab.h"
#include "bioregthemedformwithancestrypanels.h"

class CBioRegPedigreeSettings;
class CBioRegPedigreeStickyState;
class QGraphicsItem;

// The pedigree chart of one animal, the subject: its ancestors in the content
// box and, in the header, its title, details and photo as the settings ask.
class CBioRegPedigree : public CBioRegThemedFormWithAncestryPanels
{
    Q_OBJECT
public:
    CBioRegPedigree(const QPointF &position, const QSizeF &size, const QSizeF &dpi, const QSharedPointer<CBioReg> &reg,
                    const QSharedPointer<CBioRegPedigreeSettings> &settings,
                    const QSharedPointer<CBioRegPedigreeStickyState> &stickyState, QWidget *sidePage);

    // The skeleton, the header boxes that are switched on, then the panel.
    void BuildBoxes(CCmnTheme &theme, const CCmnTheme &defaultTheme, const CCmnThemedFormAutoParams *params,
                    QGraphicsItem *pageItem);

    bool ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                    const CCmnThemedFormAutoParams *params, qint32 source) override;
    void ApplyGrabs() override;
    void RefreshBoxes(qint32 changeId) override;
    void HandleRegRecordNotification(qint32 recordId, qint32 code) override;
    // A generation-0 cell reports the subject as its child.
    bool FindAncestryCell(qint32 boxId, qint32 *childRecord, qint32 *sex, qint32 *generation, qint32 *pathBits,
                          qint32 *panelBoxId) const override;

    void SetTitleToolTip(const QString &text);
    // The photo box invites the user to set the subject's photo.
    void UpdatePicturePlaceholder();

    // The remembered subject when it names an animal in use, else 0.
    qint32 SubjectRecNo() const;
    qint32 TitleBoxId() const { return m_TitleBoxId; }
    qint32 DetailsBoxId() const { return m_DetailsBoxId; }
    qint32 PictureBoxId() const { return m_PictureBoxId; }

private:
    // Title, details and photo bound to the subject again and pushed into their boxes.
    void RebindHeaderBoxes();
    // The subject's parents as the root's, and placeholders only with a
    // subject; the cells are redrawn with `refresh`.
    void BindRoot(bool refresh);

    QSharedPointer<CBioRegPedigreeSettings> m_Settings;
    QSharedPointer<CBioRegPedigreeStickyState> m_StickyState;
    qint32 m_TitleBoxId = 0;
    qint32 m_DetailsBoxId = 0;
    qint32 m_PictureBoxId = 0;
    CBioRegPedigreeTitleBoxGrab m_TitleGrab;
    CBioRegPedigreeDetailsBoxGrab m_DetailsGrab;
    CBioRegThemedFormIndividualPicBoxGrab m_PictureGrab;
};
