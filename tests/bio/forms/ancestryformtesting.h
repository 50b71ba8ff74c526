#pragma once

#include "../reg/bioregtesting.h"
#include "biodefaulttheme.h"
#include "bioregpedigree.h"
#include "bioregpedigreesettings.h"
#include "bioregpedigreestickystate.h"
#include "bioregthemedformwithancestrypanels.h"
#include "bioregtrialmating.h"
#include "bioregtrialmatingsettings.h"
#include "bioregtrialmatingstickystate.h"
#include "bioregthemedformwithancestrypanelssettings.h"
#include "bioregthemedformwithancestrypanelsstickystate.h"
#include "cmnformbox.h"
#include "cmntheme.h"
#include "cmnthemedformautoparams.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

#include <memory>
#include <type_traits>

// For the tests of the charts with ancestry panels: a register, the built-in
// theme, and a chart on a page of a scene that follows the register's
// notifications as the form controller makes it do. The chart is built, themed,
// applied and refreshed as the controller does when it populates the scene.
template <typename TForm, typename TSettings, typename TStickyState>
class TAncestryChartFixture
{
public:
    explicit TAncestryChartFixture(qint32 generations = 4)
        : m_Reg(QSharedPointer<CBioReg>::create(BioTestDefaultFieldsSettings()))
        , m_Settings(MakeSettings())
        , m_StickyState(QSharedPointer<TStickyState>::create())
        , m_Theme(BioGetDefaultTheme())
        , m_Default(BioGetDefaultTheme())
    {
        BioCreateTerminology();
        m_Settings->m_Generations = generations;
        m_Scene.addItem(m_Page);
        QObject::connect(m_Reg.data(), &CCmnReg::RegRecordNotification, m_Reg.data(),
                         [this](CCmnReg *, int recordId, int code) {
                             if (m_Form)
                                 m_Form->HandleRegRecordNotification(recordId, code);
                         });
    }

    // The pedigree's own defaults, or a stacked root like the pedigree's.
    static QSharedPointer<TSettings> MakeSettings()
    {
        if constexpr (std::is_default_constructible_v<TSettings>)
            return QSharedPointer<TSettings>::create();
        else
            return QSharedPointer<TSettings>::create(true, 0.38, 0.07);
    }

    int Add(const QString &name, int sex, int sire = 0, int dam = 0) { return AddAnimal(*m_Reg, name, sex, sire, dam); }

    // A landscape A4 page at the resolution.
    void Build(double dotsPerInch = 96)
    {
        const QSizeF size(11.69 * dotsPerInch, 8.27 * dotsPerInch);
        m_Scene.setSceneRect(QRectF(QPointF(0, 0), size));
        const QSizeF dpi(dotsPerInch, dotsPerInch);
        if constexpr (std::is_same_v<TForm, CBioRegThemedFormWithAncestryPanels>)
            m_Form = std::make_unique<TForm>(QStringLiteral("PEDIGREE-ANCESTORSPANEL0"), QPointF(0, 0), size, dpi,
                                             m_Reg, m_Settings, m_StickyState, nullptr);
        else
            m_Form = std::make_unique<TForm>(QPointF(0, 0), size, dpi, m_Reg, m_Settings, m_StickyState, nullptr);
        m_Form->BuildBoxes(m_Theme, m_Default, &m_Params, m_Page);
        if constexpr (std::is_same_v<TForm, CBioRegThemedFormWithAncestryPanels>)
            m_Form->AddAncestryPanel(m_Theme, m_Default, &m_Params, m_Form->ContentId(), true);
        m_Form->ApplyTheme(QString(), m_Theme, m_Default, &m_Params, 0);
        m_Form->ApplyGrabs();
        m_Form->RefreshBoxes(0);
    }

    CBioRegAncestryPanel &Panel() const { return *m_Form->GetPanel(m_Form->ContentId()); }
    const CBioRegAncestryPanelCell &Cell(qint32 g, qint32 i) const
    {
        return *Panel().Cell(CBioRegAncestryPanel::Position(g, i));
    }
    QSharedPointer<CCmnFormBox> CellBox(qint32 g, qint32 i) const { return m_Form->GetBox(Cell(g, i).m_BoxId); }
    // Positions whose cell shows the record.
    QList<qint32> PositionsOf(qint32 recordId) const
    {
        QList<qint32> positions;
        for (qint32 p = 1; p <= CBioRegAncestryPanel::CellCount(Panel().Generations()); ++p) {
            if (Panel().Cell(p)->m_Record == recordId)
                positions.append(p);
        }
        return positions;
    }
    // The cells that invite the user to set an ancestor, as "g-i".
    QStringList Placeholders() const
    {
        QStringList cells;
        for (qint32 p = 1; p <= CBioRegAncestryPanel::CellCount(Panel().Generations()); ++p) {
            const CBioRegAncestryPanelCell &cell = *Panel().Cell(p);
            if (m_Form->GetBox(cell.m_BoxId)->ShowPlaceholder())
                cells.append(QStringLiteral("%1-%2").arg(cell.m_Generation).arg(cell.m_Index));
        }
        return cells;
    }

    // Laid out and painted for the screen or for print into an image of the page.
    QImage Render(bool onScreen = false)
    {
        m_Form->SetOnScreen(onScreen);
        m_Form->SetDesignMode(false);
        m_Form->LayoutFormBoxes();
        QImage image(m_Scene.sceneRect().size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        m_Scene.render(&painter);
        return image;
    }

    QSharedPointer<CBioReg> m_Reg;
    QSharedPointer<TSettings> m_Settings;
    QSharedPointer<TStickyState> m_StickyState;
    CCmnTheme m_Theme;
    CCmnTheme m_Default;
    CCmnThemedFormAutoParams m_Params;
    QGraphicsScene m_Scene;
    QGraphicsRectItem *m_Page = new QGraphicsRectItem;
    std::unique_ptr<TForm> m_Form;
};

using CAncestryFormFixture = TAncestryChartFixture<CBioRegThemedFormWithAncestryPanels,
                                                   CBioRegThemedFormWithAncestryPanelsSettings,
                                                   CBioRegThemedFormWithAncestryPanelsStickyState>;
using CPedigreeFixture = TAncestryChartFixture<CBioRegPedigree, CBioRegPedigreeSettings, CBioRegPedigreeStickyState>;
using CTrialMatingFixture =
    TAncestryChartFixture<CBioRegTrialMating, CBioRegTrialMatingSettings, CBioRegTrialMatingStickyState>;
