#pragma once

#include "cmnexportcellformat.h"

#include <QString>

class QWidget;

// Turns the calls of the register's table writer into one output format. The
// writer knows nothing of formats: it asks whether the column formats are wanted
// first, then hands over a header row and one row per record, cell by cell, and
// stops at the next row once an error text is set. Every operation does nothing
// here; a format overrides what it needs.
//
// The controller only keeps its error text: the export that runs it tells the
// user, so that the controllers write files without ever asking anything.
class CCmnExportTableController
{
public:
    CCmnExportTableController(const QString &title, QWidget *parent);
    virtual ~CCmnExportTableController();
    CCmnExportTableController(const CCmnExportTableController &) = delete;
    CCmnExportTableController &operator=(const CCmnExportTableController &) = delete;

    virtual bool NeedsColumnFormats() const;
    virtual void AddColumnFormat(const CCmnExportCellFormat &format);
    virtual int ColumnFormatIndex(const CCmnExportCellFormat &format);
    virtual void BeginTable(bool leadingCell, int rows, int columns);
    virtual void AddPlainHeaderCell(const QString &text);
    virtual void BeginHeaderRow();
    virtual void AddHeaderCell(const CCmnExportCellFormat &format, const QString &text);
    virtual void EndHeaderRow();
    virtual void HeaderRowsDone();
    virtual void BeginDataRow();
    virtual void AddDataCell(const CCmnExportCellFormat &format, const QString &valueText,
                             const QString &displayText);
    virtual void EndDataRow();
    virtual void DataRowsDone();
    virtual void EndTable();
    // The date format a format needs its date cells' value texts in, whatever the
    // user chose for them; empty when the user's choice stands.
    virtual QString ValueDateFormat() const;

    // Empty while all is well.
    const QString &ErrorText() const { return m_ErrorText; }
    // The first error wins: later ones follow from it.
    void SetErrorText(const QString &text);
    const QString &Title() const { return m_Title; }
    QWidget *Parent() const { return m_Parent; }
    int NumberDecimals() const { return m_NumberDecimals; }
    int PercentDecimals() const { return m_PercentDecimals; }

private:
    QWidget *m_Parent;
    QString m_ErrorText;
    QString m_Title;
    int m_NumberDecimals = 6;
    int m_PercentDecimals = 2;
};
