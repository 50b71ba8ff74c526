#include "biodefaulttheme.h"

#include "bioterminology.h"
#include "biothemedformwithancestrypanelscelllayout.h"
#include "cmntheme.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"

namespace {

// The species' own words never enter the built-in texts.
QString BuiltInWord(int term)
{
    return GetBioTerm(term, BioTermBuiltIn);
}

void AddLayout(CCmnTheme &theme, const char *name)
{
    theme.AddElt(BioNewLayoutElt(QLatin1String(name)));
}

void AddData(CCmnTheme &theme, const char *name, const QString &text = QString())
{
    theme.AddElt(BioNewDataElt(QLatin1String(name), text));
}

void AddCells(CCmnTheme &theme, const char *panel)
{
    theme.AddElt(BioNewCellLayoutElt(QLatin1String(panel) + QStringLiteral("-CELLLAYOUT")));
    theme.AddElt(BioNewCellDataElt(QLatin1String(panel) + QStringLiteral("-CELLDATA")));
}

void Fill(CCmnTheme &theme)
{
    AddLayout(theme, "CMN-DEFAULT");
    AddLayout(theme, "CMN-HEADER");
    AddLayout(theme, "CMN-FOOTER");
    AddLayout(theme, "CMN-RIGHTHEADERORNAMENT-LAYOUT");
    AddData(theme, "CMN-RIGHTHEADERORNAMENT-DATA");
    theme.AddElt(BioNewLogoLayoutElt(QStringLiteral("CMN-LEFTHEADERORNAMENT-LAYOUT")));
    AddData(theme, "CMN-LEFTHEADERORNAMENT-DATA");

    AddLayout(theme, "COVERSHEET-TITLE-LAYOUT");
    AddData(theme, "COVERSHEET-TITLE-DATA", BioDefaultCoverSheetTitleText());
    AddLayout(theme, "COVERSHEET-REVERSE-LAYOUT");
    AddData(theme, "COVERSHEET-REVERSE-DATA", QStringLiteral("Click to edit reverse (back page) text"));
    AddLayout(theme, "COVERSHEET-FLAP-LAYOUT");
    AddData(theme, "COVERSHEET-FLAP-DATA", QStringLiteral("Click to edit inside flap text"));
    AddLayout(theme, "COVERSHEET-PIC-LAYOUT");
    AddData(theme, "COVERSHEET-PIC-DATA");

    AddLayout(theme, "PEDIGREE-ROOT-LAYOUT");
    AddData(theme, "PEDIGREE-ROOT-DATA");
    AddLayout(theme, "PEDIGREE-TITLE-LAYOUT");
    AddData(theme, "PEDIGREE-TITLE-DATA", BioDefaultPedigreeTitleText());
    AddLayout(theme, "PEDIGREE-DETAILS-LAYOUT");
    AddData(theme, "PEDIGREE-DETAILS-DATA", QStringLiteral("[$b * T]"));
    AddLayout(theme, "PEDIGREE-ANCESTORSPANEL0-LAYOUT");
    AddData(theme, "PEDIGREE-ANCESTORSPANEL0-DATA");
    AddCells(theme, "PEDIGREE-ANCESTORSPANEL0");
    AddLayout(theme, "PEDIGREE-PIC-LAYOUT");
    AddData(theme, "PEDIGREE-PIC-DATA");
    AddLayout(theme, "PEDIGREE-LEFTFOOTERORNAMENT-LAYOUT");
    AddData(theme, "PEDIGREE-LEFTFOOTERORNAMENT-DATA", BioDefaultPedigreeFooterText());

    AddLayout(theme, "TRIALMATING-ROOT-LAYOUT");
    AddData(theme, "TRIALMATING-ROOT-DATA");
    AddLayout(theme, "TRIALMATING-TITLE-LAYOUT");
    AddData(theme, "TRIALMATING-TITLE-DATA", BioDefaultTrialMatingTitleText());
    AddLayout(theme, "TRIALMATING-ANCESTORSPANEL0-LAYOUT");
    AddData(theme, "TRIALMATING-ANCESTORSPANEL0-DATA");
    AddCells(theme, "TRIALMATING-ANCESTORSPANEL0");
    AddLayout(theme, "TRIALMATING-SIREPIC-LAYOUT");
    AddData(theme, "TRIALMATING-SIREPIC-DATA");
    AddLayout(theme, "TRIALMATING-SIREDETAILS-LAYOUT");
    AddData(theme, "TRIALMATING-SIREDETAILS-DATA", BioDefaultTrialMatingDetailsText());
    AddLayout(theme, "TRIALMATING-DAMPIC-LAYOUT");
    AddData(theme, "TRIALMATING-DAMPIC-DATA");
    AddLayout(theme, "TRIALMATING-DAMDETAILS-LAYOUT");
    AddData(theme, "TRIALMATING-DAMDETAILS-DATA", BioDefaultTrialMatingDetailsText());
}

} // namespace

const CCmnTheme &BioGetDefaultTheme()
{
    static const CCmnTheme theme = [] {
        CCmnTheme filled;
        Fill(filled);
        return filled;
    }();
    return theme;
}

CCmnThemeElt *BioNewLayoutElt(const QString &name)
{
    return new CCmnThemedFormBoxGenericLayoutElt(name);
}

CCmnThemeElt *BioNewLogoLayoutElt(const QString &name)
{
    auto *logo = new CCmnThemedFormBoxGenericLayoutElt(name);
    logo->m_Payload.m_TextSize = {false, QStringLiteral(";24;")};
    return logo;
}

CCmnThemeElt *BioNewDataElt(const QString &name, const QString &text)
{
    auto *element = new CCmnThemedFormBoxGenericDataElt(name);
    element->m_Payload.SetText(text, false);
    return element;
}

CCmnThemeElt *BioNewCellLayoutElt(const QString &name)
{
    return new CBioThemedFormWithAncestryPanelsCellLayoutElt(name);
}

CCmnThemeElt *BioNewCellDataElt(const QString &name)
{
    return new CBioThemedFormWithAncestryPanelsCellDataElt(name);
}

QString BioDefaultCoverSheetTitleText()
{
    return QStringLiteral("{S 120}Pedigree Of{/S}\n{S 150}[#%1]{/S}\n{S 50}[$b * L]{/S}").arg(BuiltInWord(kBioTermName));
}

QString BioDefaultPedigreeTitleText()
{
    return QStringLiteral("Pedigree Of\n{S 120}[#%1]{/S}\n{S 40}[$b * L]{/S}").arg(BuiltInWord(kBioTermName));
}

QString BioDefaultTrialMatingTitleText()
{
    return QStringLiteral("{S 120}Trial Mating Of{/S}\n{S 150}[#%1]{/S}\nx\n{S 150}[#%2]{/S}\n{S 50}[$b * L]{/S}")
        .arg(BuiltInWord(kBioTermSire), BuiltInWord(kBioTermDam));
}

QString BioDefaultPedigreeFooterText()
{
    return QStringLiteral("I certify this pedigree to be true.  Signed: ......................");
}

QString BioDefaultTrialMatingDetailsText()
{
    return QStringLiteral("[#Name]:\n[$b * T]");
}
