#pragma once

#include "bioautomaticorcustomimportcols.h"
#include "bioautomaticorcustomimportcolspanel.h"
#include "tcmnimportexportchoicepage.h"

// The import wizard's last page, "Columns": how each input column is imported,
// deduced or customised. It works on a copy of the caller's column choice and
// gives it back when the wizard is finished without the page having been shown.
class CBioAutomaticOrCustomImportColsPage
    : public TCmnImportExportChoicePage<CBioAutomaticOrCustomImportCols, CBioAutomaticOrCustomImportColsPanel>
{
public:
    // The header texts and sample rows are the wizard's and outlive the page.
    CBioAutomaticOrCustomImportColsPage(CBioAutomaticOrCustomImportCols *choice, const QStringList *headers,
                                        const QList<QStringList> *rows, QWidget *parent = nullptr);
};
