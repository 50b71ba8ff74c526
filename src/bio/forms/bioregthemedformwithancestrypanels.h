#pragma once

#include "bioregancestrypanel.h"
#include "bioregancestrypanelboxgrab.h"
#include "bioregthemedform.h"
#include "bioregthemedformindividualboxgrab.h"

#include <QList>
#include <QSharedPointer>

#include <functional>

class CBioRegThemedFormWithAncestryPanelsSettings;
class CBioRegThemedFormWithAncestryPanelsStickyState;

// One ancestry panel of a form, with the box that holds it.
struct CBioRegAncestryPanelRef
{
    qint32 m_BoxId = 0;
    QSharedPointer<CBioRegAncestryPanel> m_Panel;
    // The pedigree's root is an animal of the register; a trial mating's is not.
    bool m_RootIsRecord = false;
    CBioRegAncestryPanelBoxGrab m_PanelBoxGrab;
};

// The base of the charts that show ancestors in columns (pedigree, trial
// mating): it builds the themed skeleton, adds the panels the chart asks for
// and passes theme changes, refreshes and register notifications on to them.
class CBioRegThemedFormWithAncestryPanels : public CBioRegThemedForm
{
    Q_OBJECT
public:
    // The element names of a panel are the base followed by "-LAYOUT", "-DATA",
    // "-CELLLAYOUT" and "-CELLDATA".
    CBioRegThemedFormWithAncestryPanels(const QString &eltNameBase, const QPointF &position, const QSizeF &size,
                                        const QSizeF &dpi, const QSharedPointer<CBioReg> &reg,
                                        const QSharedPointer<CBioRegThemedFormWithAncestryPanelsSettings> &settings,
                                        const QSharedPointer<CBioRegThemedFormWithAncestryPanelsStickyState> &stickyState,
                                        QWidget *sidePage);

    // Builds a panel in the box; a panel whose root is no record shows its empty
    // cells at once, since no subject will set its root's parents.
    void AddAncestryPanel(CCmnTheme &theme, const CCmnTheme &defaultTheme, const CCmnThemedFormAutoParams *params,
                          qint32 boxId, bool rootIsRecord);
    // Null when the box holds no panel.
    CBioRegAncestryPanel *GetPanel(qint32 boxId) const;
    bool FindGenerationBox(qint32 boxId, qint32 *generation, qint32 *panelBoxId) const;
    bool IsPanelBox(qint32 boxId) const;
    bool PanelHasRecordRoot(qint32 boxId) const;
    const QList<CBioRegAncestryPanelRef> &Panels() const { return m_Panels; }

    bool ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                    const CCmnThemedFormAutoParams *params, qint32 source) override;
    void ApplyGrabs() override;
    void RefreshBoxes(qint32 changeId) override;
    // Also keeps a dragged division of a panel's columns for the chart size and
    // page orientation.
    void StoreSplitSettings(qint32 boxId) override;
    // A deleted record leaves no trace: its children lost their links to it
    // without a parent notification, so every panel walks from its root again.
    void HandleRegRecordNotification(qint32 recordId, qint32 code) override;

    // For a cell box: the record whose parent the cell shows (0 for the root),
    // its sex, generation and path bits, and the panel's box id.
    virtual bool FindAncestryCell(qint32 boxId, qint32 *childRecord, qint32 *sex, qint32 *generation,
                                  qint32 *pathBits, qint32 *panelBoxId) const;
    // The root's parent of the sex as the chart keeps it; here 0.
    virtual qint32 GetRootParentRecNo(qint32 panelBoxId, qint32 sex) const;
    // Sets the root's parent where the root is no record; here false.
    virtual bool SetRootParentRecNo(qint32 panelBoxId, qint32 sex, qint32 recordId);

    const QSharedPointer<CBioRegThemedFormWithAncestryPanelsSettings> &AncestrySettings() const
    {
        return m_AncestrySettings;
    }
    const QSharedPointer<CBioRegThemedFormWithAncestryPanelsStickyState> &AncestryStickyState() const
    {
        return m_AncestryStickyState;
    }
    const QString &LayoutEltName() const { return m_LayoutElt; }
    const QString &DataEltName() const { return m_DataElt; }
    const QString &CellLayoutEltName() const { return m_CellLayoutElt; }
    const QString &CellDataEltName() const { return m_CellDataElt; }

protected:
    // A box of the chart's header: its id (0 when not built), the stem of its
    // element names, its grab and how that binds to its records again.
    struct CHeaderBox
    {
        qint32 m_Id;
        QString m_Stem;
        CCmnThemedFormBoxGrab &m_Grab;
        std::function<void()> m_Bind;
    };

    // The root "Background" under the stem, and a header with the two logos.
    void NameChartBoxes(const QString &rootStem);
    // A named box under the header with the next id; 0 when there is no header.
    qint32 AddHeaderBox(const QString &name);
    // Layout on an empty name, "CMN-HEADER" or the box's layout element; data
    // and binding on an empty name or the box's data element.
    void ApplyThemeToHeaderBoxes(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                 const CCmnThemedFormAutoParams *params, const QList<CHeaderBox> &boxes);
    // When the box exists: the grab bound to the record and pushed into it.
    void BindBox(qint32 boxId, CBioRegThemedFormIndividualBoxGrab &grab, qint32 recordId);
    // The photo box invites the user to set the photo of the animal the term
    // names, when there is one, and shows that animal's photo.
    void UpdatePicturePlaceholder(qint32 boxId, CBioRegThemedFormIndividualPicBoxGrab &grab, qint32 term,
                                  qint32 recordId);

private:
    QSharedPointer<CBioRegThemedFormWithAncestryPanelsSettings> m_AncestrySettings;
    QSharedPointer<CBioRegThemedFormWithAncestryPanelsStickyState> m_AncestryStickyState;
    QList<CBioRegAncestryPanelRef> m_Panels;
    QString m_LayoutElt;
    QString m_DataElt;
    QString m_CellLayoutElt;
    QString m_CellDataElt;
};
