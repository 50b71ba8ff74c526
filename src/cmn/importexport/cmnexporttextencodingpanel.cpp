#include "cmnexporttextencodingpanel.h"

CCmnExportTextEncodingPanel::CCmnExportTextEncodingPanel(qint32 pageFlags, CCmnAutomaticOrCustomTextEncoding *choice,
                                                         QBoxLayout *mainLayout, QObject *parent)
    : CCmnImportExportTextEncodingBasePanel(
          pageFlags, choice, QStringLiteral("CCmnExportTextEncodingPage.html"),
          QStringLiteral("<p>The <b>Character Encoding</b> controls the low-level format of the output file - "
                         "character set, line endings etc. If you need to alter these, click <b>Customize</b>.</p>"
                         "<p>NOTE: In most cases you need make no changes, just click <b>Next</b> to proceed.</p>"),
          mainLayout, parent)
{
}
