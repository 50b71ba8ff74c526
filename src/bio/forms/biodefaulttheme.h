#pragma once

#include <QString>

class CCmnTheme;
class CCmnThemeElt;

// The built-in theme: every element the themed skeleton and the three breeding
// forms ask for, with its class and built-in content. It is the fallback of
// every theme look-up, the prototype that stored element bytes are read into,
// and the base theme of a new document. Filled on the first call; callers copy it.
const CCmnTheme &BioGetDefaultTheme();

// The pieces the built-in theme is made of, shared with the template that reads
// the themes of older documents. Each maker returns a new element owned by the
// caller: a layout with every property inherited, a layout whose second font
// description is ";24;" (the header logo's), a data element with the text as
// plain text, and the ancestor cells' layout and data with their defaults.
CCmnThemeElt *BioNewLayoutElt(const QString &name);
CCmnThemeElt *BioNewLogoLayoutElt(const QString &name);
CCmnThemeElt *BioNewDataElt(const QString &name, const QString &text = QString());
CCmnThemeElt *BioNewCellLayoutElt(const QString &name);
CCmnThemeElt *BioNewCellDataElt(const QString &name);

// The built-in texts of the title boxes and of the pedigree's footer, with the
// terminology's built-in words (never the species' own words) in them.
QString BioDefaultCoverSheetTitleText();
QString BioDefaultPedigreeTitleText();
QString BioDefaultTrialMatingTitleText();
QString BioDefaultPedigreeFooterText();
// The built-in text of the trial mating's sire and dam details boxes.
QString BioDefaultTrialMatingDetailsText();
