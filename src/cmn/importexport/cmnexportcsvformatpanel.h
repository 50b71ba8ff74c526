#pragma once

#include "cmnimportexportcsvformatbasepanel.h"

// The export's format panel: the format preset for the kind of file, or the user's own.
class CCmnExportCSVFormatPanel : public CCmnImportExportCSVFormatBasePanel
{
    Q_OBJECT
public:
    CCmnExportCSVFormatPanel(qint32 pageFlags, CCmnAutomaticOrCustomCsvFormat *choice, QBoxLayout *mainLayout,
                             QObject *parent = nullptr);
};
