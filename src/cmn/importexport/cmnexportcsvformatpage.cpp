#include "cmnexportcsvformatpage.h"

CCmnExportCSVFormatPage::CCmnExportCSVFormatPage(qint32 pageFlags, CCmnAutomaticOrCustomCsvFormat *choice,
                                                 QWidget *parent)
    : TCmnImportExportChoicePage(QStringLiteral("Column Formatting"), parent, pageFlags | CmnCsvFormatPageExportWording,
                                 choice)
{
}
