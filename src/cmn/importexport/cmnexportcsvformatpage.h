#pragma once

#include "cmnautomaticorcustomcsvformat.h"
#include "cmnexportcsvformatpanel.h"
#include "tcmnimportexportchoicepage.h"

// The export wizard's "Column Formatting" page.
class CCmnExportCSVFormatPage
    : public TCmnImportExportChoicePage<CCmnAutomaticOrCustomCsvFormat, CCmnExportCSVFormatPanel>
{
public:
    CCmnExportCSVFormatPage(qint32 pageFlags, CCmnAutomaticOrCustomCsvFormat *choice, QWidget *parent = nullptr);
};
