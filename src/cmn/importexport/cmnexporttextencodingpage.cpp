#include "cmnexporttextencodingpage.h"

CCmnExportTextEncodingPage::CCmnExportTextEncodingPage(qint32 pageFlags, CCmnAutomaticOrCustomTextEncoding *choice,
                                                       QWidget *parent)
    : TCmnImportExportChoicePage(QStringLiteral("Character Encoding"), parent, pageFlags | CmnImportExportPageExport,
                                 choice)
{
}
