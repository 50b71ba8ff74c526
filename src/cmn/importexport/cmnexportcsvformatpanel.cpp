#include "cmnexportcsvformatpanel.h"

CCmnExportCSVFormatPanel::CCmnExportCSVFormatPanel(qint32 pageFlags, CCmnAutomaticOrCustomCsvFormat *choice,
                                                   QBoxLayout *mainLayout, QObject *parent)
    : CCmnImportExportCSVFormatBasePanel(
          pageFlags, choice, QStringLiteral("CCmnExportCSVFormatPage.html"),
          QStringLiteral("<p>The <b>Column Formatting</b> controls how the columns of text in the output file are "
                         "structured. To use custom settings, click <b>Customize</b> &amp; make changes.</p><p>NOTE: "
                         "In most cases you need make no changes, just click <b>Next</b> to proceed.</p>"),
          mainLayout, parent)
{
}
