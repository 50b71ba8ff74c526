#include "cmnimportcsvformatpage.h"

CCmnImportCSVFormatPage::CCmnImportCSVFormatPage(qint32 pageFlags, CCmnAutomaticOrCustomCsvFormat *choice,
                                                 const QStringList *previewLines, QList<QStringList> *previewRows,
                                                 QStringList *headerNames, QWidget *parent)
    : TCmnImportExportChoicePage(QStringLiteral("Column Formatting"), parent, pageFlags | CmnCsvFormatPageImportWording,
                                 choice, previewLines, previewRows, headerNames)
{
}
