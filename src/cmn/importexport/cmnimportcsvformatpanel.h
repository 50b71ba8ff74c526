#pragma once

#include "cmnimportexportcsvformatbasepanel.h"

#include <QList>
#include <QStringList>

// The import's format panel: it deduces the format from the lines the encoding page
// decoded each time it is loaded, and on leaving parses those lines into the rows
// and column names the columns page shows.
class CCmnImportCSVFormatPanel : public CCmnImportExportCSVFormatBasePanel
{
    Q_OBJECT
public:
    // The lines, rows and names are the wizard's and outlive the panel.
    CCmnImportCSVFormatPanel(qint32 pageFlags, CCmnAutomaticOrCustomCsvFormat *choice,
                             const QStringList *previewLines, QList<QStringList> *previewRows,
                             QStringList *headerNames, QBoxLayout *mainLayout, QObject *parent = nullptr);


    // The format the lines show becomes the deduced one (its comment character
    // kept, as it cannot be told from the lines), and the custom one too while it
    // follows.
    void DeduceFormat();
    // The rows and the column names of the lines, read with the format in force.
    void ParsePreviewRows();

protected:
    // Deduces before a load and parses after a save.
    void OnLoading() override { DeduceFormat(); }
    void OnSaved() override { ParsePreviewRows(); }

private:
    const QStringList *m_PreviewLines;
    QList<QStringList> *m_PreviewRows;
    QStringList *m_HeaderNames;
};
