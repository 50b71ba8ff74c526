#pragma once

#include <QString>

class CCmnReg;
class QWidget;

// The register written out as a table, one row per record and one column per
// chosen field: exported to a text, CSV, HTML, Excel XML, PDF, PostScript or Open
// Document file, or printed and previewed. The main window's "Export Data...",
// "Print Data..." and "Print Preview Data..." commands call in here.
class CCmnRegTableExport
{
public:
    // The file types offered beyond text and CSV.
    enum EFlags {
        Html = 1,
        PdfAndPostScript = 2,
        OpenDocument = 4,
        ExcelXml = 8,
        AllFormats = 15,
    };

    // Asks for a file, the columns and (for text and CSV) the format, and writes
    // the file; offers to open it when it was written. The title is not used.
    // True when the file was written.
    static bool ExportData(const CCmnReg &reg, const QString &title, int flags, QWidget *parent);
    // Asks for the columns and prints or previews the table, titled with the
    // document's title ("Data" when empty). A register of more than 1000 records
    // asks first.
    static void PrintData(const CCmnReg &reg, const QString &documentTitle, QWidget *parent, bool preview);
};
