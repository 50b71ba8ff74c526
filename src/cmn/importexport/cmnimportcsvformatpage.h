#pragma once

#include "cmnautomaticorcustomcsvformat.h"
#include "cmnimportcsvformatpanel.h"
#include "tcmnimportexportchoicepage.h"

// The import wizard's "Column Formatting" page.
class CCmnImportCSVFormatPage
    : public TCmnImportExportChoicePage<CCmnAutomaticOrCustomCsvFormat, CCmnImportCSVFormatPanel>
{
public:
    // The lines, rows and names are the wizard's, as for the panel.
    CCmnImportCSVFormatPage(qint32 pageFlags, CCmnAutomaticOrCustomCsvFormat *choice, const QStringList *previewLines,
                            QList<QStringList> *previewRows, QStringList *headerNames, QWidget *parent = nullptr);
};
