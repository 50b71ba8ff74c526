#pragma once

#include "cmnautomaticorcustomtextencoding.h"
#include "cmnimporttextencodingpanel.h"
#include "tcmnimportexportchoicepage.h"

// The import wizard's "Character Encoding" page.
class CCmnImportTextEncodingPage
    : public TCmnImportExportChoicePage<CCmnAutomaticOrCustomTextEncoding, CCmnImportTextEncodingPanel>
{
public:
    // The sample, the decoded text and the lines are the wizard's, as for the panel.
    CCmnImportTextEncodingPage(qint32 pageFlags, CCmnAutomaticOrCustomTextEncoding *choice,
                               const QByteArray *sampleBytes, QString *decodedSample, QStringList *previewLines,
                               QWidget *parent = nullptr);
};
