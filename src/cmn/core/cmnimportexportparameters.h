#pragma once

#include <QStringList>

class CCmnAutomaticOrCustomCsvFormat;
class CCmnAutomaticOrCustomTextEncoding;

// What a parameter file beside a delimited text file may set for the text import
// and export wizards, so that an import can run scripted: "textencoding" and
// "csvformat" (each in its one-line text form) fix the custom choice when they parse,
// then "showwizard", when not empty, says whether the wizard is shown at all (a
// decimal integer other than 0; any other text counts as 0). A parameter that does
// not parse changes nothing.
void CmnApplyCsvWizardParameters(const QStringList &parameters, CCmnAutomaticOrCustomTextEncoding *encoding,
                                 CCmnAutomaticOrCustomCsvFormat *format, bool *showWizard);
