#pragma once

#include "cmnautomaticorcustomtextencoding.h"
#include "cmnexporttextencodingpanel.h"
#include "tcmnimportexportchoicepage.h"

// The export wizard's "Character Encoding" page.
class CCmnExportTextEncodingPage
    : public TCmnImportExportChoicePage<CCmnAutomaticOrCustomTextEncoding, CCmnExportTextEncodingPanel>
{
public:
    CCmnExportTextEncodingPage(qint32 pageFlags, CCmnAutomaticOrCustomTextEncoding *choice, QWidget *parent = nullptr);
};
