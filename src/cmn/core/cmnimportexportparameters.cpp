#include "cmnimportexportparameters.h"

#include "cmnautomaticorcustomcsvformat.h"
#include "cmnautomaticorcustomtextencoding.h"
#include "cmntextfile.h"

void CmnApplyCsvWizardParameters(const QStringList &parameters, CCmnAutomaticOrCustomTextEncoding *encoding,
                                 CCmnAutomaticOrCustomCsvFormat *format, bool *showWizard)
{
    encoding->FixCustomFromText(CmnParameterValue(parameters, QStringLiteral("textencoding")));
    format->FixCustomFromText(CmnParameterValue(parameters, QStringLiteral("csvformat")));
    const QString show = CmnParameterValue(parameters, QStringLiteral("showwizard"));
    if (!show.isEmpty())
        *showWizard = show.toLongLong(nullptr, 10) != 0;
}
