#pragma once

#include "cmnimportexportcsvwizardbase.h"

class CCmnExportCSVFormatPage;
class CCmnExportTextEncodingPage;

// The wizard that asks how a table export to a text or CSV file is written:
// the character encoding and the column formatting. Nothing is deduced on
// export: the creator presets the automatic format from the file name before
// the run, and may add a page of its own.
class CCmnExportCSVWizard : public CCmnImportExportCSVWizardBase
{
    Q_OBJECT
public:
    // The page flags are those of the import wizard; the export flag is added to both.
    CCmnExportCSVWizard(const QString &filePath, qint32 encodingPageFlags, qint32 formatPageFlags,
                        QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    CCmnExportTextEncodingPage *EncodingPage() const { return m_EncodingPage; }
    CCmnExportCSVFormatPage *FormatPage() const { return m_FormatPage; }

private:
    CCmnExportTextEncodingPage *m_EncodingPage;
    CCmnExportCSVFormatPage *m_FormatPage;
};
