#include "cmnimporttextencodingpage.h"

CCmnImportTextEncodingPage::CCmnImportTextEncodingPage(qint32 pageFlags, CCmnAutomaticOrCustomTextEncoding *choice,
                                                       const QByteArray *sampleBytes, QString *decodedSample,
                                                       QStringList *previewLines, QWidget *parent)
    : TCmnImportExportChoicePage(QStringLiteral("Character Encoding"), parent, pageFlags | CmnImportExportPageImport,
                                 choice, sampleBytes, decodedSample, previewLines)
{
}
