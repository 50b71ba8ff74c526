#include "bioautomaticorcustomimportcolspage.h"

#include "cmnkeyeventeater.h"

CBioAutomaticOrCustomImportColsPage::CBioAutomaticOrCustomImportColsPage(CBioAutomaticOrCustomImportCols *choice,
                                                                         const QStringList *headers,
                                                                         const QList<QStringList> *rows,
                                                                         QWidget *parent)
    : TCmnImportExportChoicePage(QStringLiteral("Columns"), parent, 0, choice, headers, rows)
{
    SetHelpPage(QStringLiteral("CBioAutomaticOrCustomImportColsPage.html"));
    installEventFilter(ChoicePanel()->ReturnEater());
}
