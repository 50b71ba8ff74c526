#pragma once

#include "cmnautomaticorcustomtextencoding.h"
#include "cmnexporttablecontroller.h"
#include "cmnexportlinewriter.h"

#include <memory>

class QIODevice;
class QSaveFile;

// The part of the table export controllers that write a file: the output file
// and the encoded text writer. The file is written beside its target and
// replaces it only when the table is complete without an error, so a failed or
// cancelled export never leaves a partial file in place of a good one.
class CCmnExportTableController_TextFile : public CCmnExportTableController
{
public:
    CCmnExportTableController_TextFile(const QString &title, QWidget *parent);
    // Closes the file when that has not been done.
    ~CCmnExportTableController_TextFile() override;

    // Opens the file with the effective encoding of the choice; false with the
    // error text set when it cannot be written.
    bool Open(const QString &fileName, const CCmnAutomaticOrCustomTextEncoding &encoding);
    // Puts the file in place when there is no error, else leaves the target as it
    // was; a failure to put it in place becomes the error.
    void Close();

    const QString &FileName() const { return m_FileName; }

protected:
    // The line and the encoding's line ending, written with the lines before it
    // once they are many, or at Close; a failure becomes the error.
    void WriteLine(const QString &text);
    // For a writer that builds each line in place, sparing a copy of every line:
    // BeginLine gives the writer to append the line's pieces to, and EndLine
    // finishes it as WriteLine would have written it.
    CCmnExportLineWriter &BeginLine();
    void EndLine();
    // The output file, for writers of their own that do not also write lines;
    // null before Open.
    QIODevice *Device() const;
    // The error text for a failed write of the file.
    void SetWriteError(const QString &reason);

private:
    // A failed write of the lines becomes the error.
    void CheckLines();

    std::unique_ptr<QSaveFile> m_File;
    bool m_Created = false;
    QString m_FileName;
    CCmnAutomaticOrCustomTextEncoding m_Encoding;
    CCmnExportLineWriter m_Lines;
    bool m_Closed = false;
};
