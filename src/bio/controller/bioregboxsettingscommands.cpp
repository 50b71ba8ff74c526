#include "bioregboxsettingscommands.h"

#include "bioregpedigree.h"
#include "bioregthemedformboxpropertiesdialog.h"
#include "bioregthemedforminterface.h"
#include "bioregthemedformwithancestrypanels.h"
#include "bioregthemedformwithancestrypanelsboxpropertiesdialog.h"
#include "bioregthemedformwithancestrypanelscelldefaultboxpropertiesdialog.h"
#include "bioregthemedformwithancestrypanelscellspecificgenofgensboxpropertiesdialog.h"
#include "bioregthemedformwithancestrypanelscellspecificgensboxpropertiesdialog.h"
#include "bioregthemedformwithancestrypanelssettings.h"
#include "bioregtrialmating.h"
#include "bioterminology.h"

namespace {

// How much of an ancestry chart an edited element concerns: every generation
// (also what the boxes outside the chart pass), the cells of the chart size
// shown (which may change the gap fixed when the chart was built: rebuilt), or,
// from 0 up, one generation.
constexpr qint32 kBoxSettingsAllGenerations = -2;
constexpr qint32 kBoxSettingsChartSize = -1;

} // namespace

CBioRegBoxSettingsCommands::CBioRegBoxSettingsCommands(CBioRegThemedFormInterface &view) : m_View(view) {}

template <typename TDialog, typename TPrepare, typename TAccepted>
bool CBioRegBoxSettingsCommands::Exec(const QPoint &position, const QSharedPointer<CBioRegThemedForm> &form,
                                      const QString &layoutElt, const QString &dataElt, const QString &title,
                                      qint32 hint, TPrepare prepare, TAccepted accepted)
{
    if (!form || !m_View.Themes())
        return false;
    // Held: an accepted dialog may build the form again, which drops the view's pointer.
    const QSharedPointer<CBioRegThemedForm> keep = form;
    CCmnTheme edited = m_View.GetCurrentTheme();
    TDialog dialog(edited, m_View.GetFallbackTheme(), layoutElt, dataElt, keep->BoxNames(), m_View.AutoParams(),
                   m_View.GetWidget());
    prepare(dialog);
    if (!m_View.ExecThemeDialog(dialog, dialog, edited, title, position,
                                [&dialog] { return dialog.ExecAndApply(); }, hint))
        return false;
    accepted(dialog);
    return true;
}

template <typename TDialog>
bool CBioRegBoxSettingsCommands::EditBox(const QPoint &position, const QSharedPointer<CBioRegThemedForm> &form,
                                         const QString &stem, const QString &title)
{
    if (!form)
        return false;
    (void)Exec<TDialog>(position, form, stem + QStringLiteral("-LAYOUT"), stem + QStringLiteral("-DATA"), title,
                        kBoxSettingsAllGenerations, [](TDialog &) {});
    return true;
}

bool CBioRegBoxSettingsCommands::CoverSheetTitle(const QPoint &position)
{
    return EditBox<CBioRegCoverSheetTitleBoxPropertiesDialog>(position, m_View.BioForm(),
                                                              QStringLiteral("COVERSHEET-TITLE"),
                                                              QStringLiteral("Title Settings"));
}

bool CBioRegBoxSettingsCommands::CoverSheetReverse(const QPoint &position)
{
    return EditBox<CBioRegCoverSheetReverseBoxPropertiesDialog>(position, m_View.BioForm(),
                                                                QStringLiteral("COVERSHEET-REVERSE"),
                                                                QStringLiteral("Reverse (Back Page) Settings"));
}

bool CBioRegBoxSettingsCommands::CoverSheetFlap(const QPoint &position)
{
    return EditBox<CBioRegCoverSheetFlapBoxPropertiesDialog>(position, m_View.BioForm(),
                                                             QStringLiteral("COVERSHEET-FLAP"),
                                                             QStringLiteral("Inside Flap Settings"));
}

bool CBioRegBoxSettingsCommands::CoverSheetPic(const QPoint &position)
{
    return EditBox<CBioRegThemedFormIndividualPicBoxPropertiesDialog>(
        position, m_View.BioForm(), QStringLiteral("COVERSHEET-PIC"),
        QStringLiteral("%1 Settings").arg(QStringLiteral("Photo")));
}

bool CBioRegBoxSettingsCommands::PedigreeTitle(const QPoint &position)
{
    return EditBox<CBioRegPedigreeTitleBoxPropertiesDialog>(position, m_View.Pedigree(),
                                                            QStringLiteral("PEDIGREE-TITLE"),
                                                            QStringLiteral("Title Settings"));
}

bool CBioRegBoxSettingsCommands::PedigreeDetails(const QPoint &position)
{
    return EditBox<CBioRegPedigreeDetailsBoxPropertiesDialog>(position, m_View.Pedigree(),
                                                              QStringLiteral("PEDIGREE-DETAILS"),
                                                              QStringLiteral("Details Settings"));
}

bool CBioRegBoxSettingsCommands::PedigreePic(const QPoint &position)
{
    return EditBox<CBioRegThemedFormIndividualPicBoxPropertiesDialog>(
        position, m_View.Pedigree(), QStringLiteral("PEDIGREE-PIC"),
        QStringLiteral("%1 Settings").arg(QStringLiteral("Photo")));
}

bool CBioRegBoxSettingsCommands::TrialMatingTitle(const QPoint &position)
{
    return EditBox<CBioRegTrialMatingTitleBoxPropertiesDialog>(position, m_View.TrialMating(),
                                                               QStringLiteral("TRIALMATING-TITLE"),
                                                               QStringLiteral("Title Settings"));
}

bool CBioRegBoxSettingsCommands::TrialMatingSireDetails(const QPoint &position)
{
    return TrialMatingParentDetails(position, kBioTermSire, QStringLiteral("TRIALMATING-SIREDETAILS-LAYOUT"),
                                    QStringLiteral("TRIALMATING-SIREDETAILS-DATA"));
}

bool CBioRegBoxSettingsCommands::TrialMatingDamDetails(const QPoint &position)
{
    return TrialMatingParentDetails(position, kBioTermDam, QStringLiteral("TRIALMATING-DAMDETAILS-LAYOUT"),
                                    QStringLiteral("TRIALMATING-DAMDETAILS-DATA"));
}

bool CBioRegBoxSettingsCommands::TrialMatingSirePic(const QPoint &position)
{
    return TrialMatingParentPic(position, kBioTermSire, QStringLiteral("TRIALMATING-SIREPIC-LAYOUT"),
                                QStringLiteral("TRIALMATING-SIREPIC-DATA"));
}

bool CBioRegBoxSettingsCommands::TrialMatingDamPic(const QPoint &position)
{
    return TrialMatingParentPic(position, kBioTermDam, QStringLiteral("TRIALMATING-DAMPIC-LAYOUT"),
                                QStringLiteral("TRIALMATING-DAMPIC-DATA"));
}

bool CBioRegBoxSettingsCommands::TrialMatingParentDetails(const QPoint &position, qint32 term,
                                                          const QString &layoutElt, const QString &dataElt)
{
    if (!m_View.TrialMating())
        return false;
    const QString title = QStringLiteral("%1 Details Settings").arg(GetBioTerm(term));
    const auto none = [](auto &) {};
    if (term == kBioTermSire)
        (void)Exec<CBioRegTrialMatingSireDetailsBoxPropertiesDialog>(position, m_View.TrialMating(), layoutElt,
                                                                     dataElt, title, kBoxSettingsAllGenerations,
                                                                     none);
    else
        (void)Exec<CBioRegTrialMatingDamDetailsBoxPropertiesDialog>(position, m_View.TrialMating(), layoutElt,
                                                                    dataElt, title, kBoxSettingsAllGenerations,
                                                                    none);
    return true;
}

bool CBioRegBoxSettingsCommands::TrialMatingParentPic(const QPoint &position, qint32 term, const QString &layoutElt,
                                                      const QString &dataElt)
{
    if (!m_View.TrialMating())
        return false;
    (void)Exec<CBioRegThemedFormIndividualPicBoxPropertiesDialog>(
        position, m_View.TrialMating(), layoutElt, dataElt,
        QStringLiteral("%1 %2 Settings").arg(GetBioTerm(term), QStringLiteral("Photo")), kBoxSettingsAllGenerations,
        [](auto &) {});
    return true;
}

bool CBioRegBoxSettingsCommands::AncestorsBox(const QPoint &position)
{
    const QSharedPointer<CBioRegThemedFormWithAncestryPanels> form = m_View.FormWithAncestryPanels();
    if (!form)
        return false;
    (void)Exec<CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog>(
        position, form, form->LayoutEltName(), form->DataEltName(), QStringLiteral("Ancestors Box Settings"),
        kBoxSettingsAllGenerations, [](auto &) {},
        [this, position](CBioRegThemedFormWithAncestryPanelsBoxPropertiesDialog &dialog) {
            if (dialog.HasPicture())
                m_View.WarnPictureCropping(position,
                                           QStringLiteral("a %1 for the ancestor").arg(QStringLiteral("photo")),
                                           QStringLiteral("the box in which it is displayed"));
        });
    return true;
}

bool CBioRegBoxSettingsCommands::AncestorCellDefault(const QPoint &position)
{
    const QSharedPointer<CBioRegThemedFormWithAncestryPanels> form = m_View.FormWithAncestryPanels();
    if (!form)
        return false;
    (void)Exec<CBioRegThemedFormWithAncestryPanelsCellDefaultBoxPropertiesDialog>(
        position, form, form->CellLayoutEltName(), form->CellDataEltName(), QString(), kBoxSettingsAllGenerations,
        [](auto &) {});
    return true;
}

bool CBioRegBoxSettingsCommands::AncestorCellGens(const QPoint &position)
{
    const QSharedPointer<CBioRegThemedFormWithAncestryPanels> form = m_View.FormWithAncestryPanels();
    if (!form)
        return false;
    const qint32 generations = form->AncestrySettings()->m_Generations;
    (void)Exec<CBioRegThemedFormWithAncestryPanelsCellSpecificGensBoxPropertiesDialog>(
        position, form, form->CellLayoutEltName(), form->CellDataEltName(), QString(), kBoxSettingsChartSize,
        [generations](auto &dialog) { dialog.SetGens(generations); });
    return true;
}

bool CBioRegBoxSettingsCommands::AncestorCellGenOfGens(const QPoint &position, qint32 generation)
{
    const QSharedPointer<CBioRegThemedFormWithAncestryPanels> form = m_View.FormWithAncestryPanels();
    if (!form)
        return false;
    const qint32 generations = form->AncestrySettings()->m_Generations;
    (void)Exec<CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog>(
        position, form, form->CellLayoutEltName(), form->CellDataEltName(), QString(), generation,
        [generations, generation](auto &dialog) { dialog.SetGenOfGens(generations, generation); });
    return true;
}
