#pragma once

#include "cmnimportexporttextencodingbasepanel.h"

// The export's encoding panel: the default output encoding, or the user's own.
class CCmnExportTextEncodingPanel : public CCmnImportExportTextEncodingBasePanel
{
    Q_OBJECT
public:
    CCmnExportTextEncodingPanel(qint32 pageFlags, CCmnAutomaticOrCustomTextEncoding *choice, QBoxLayout *mainLayout,
                                QObject *parent = nullptr);
};
