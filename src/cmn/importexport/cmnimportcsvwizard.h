#pragma once

#include "cmnimportexportcsvwizardbase.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

class CCmnImportCSVFormatPage;
class CCmnImportTextEncodingPage;

// The wizard through which a delimited text file comes in: its "Character
// Encoding" and "Column Formatting" pages work out, and let the user correct, how
// the first bytes of the file are to be read; the caller adds the page that maps
// the columns, which reads the rows and column names made here.
//
// The caller puts the file's first bytes in with SetSampleBytes before the run.
class CCmnImportCSVWizard : public CCmnImportExportCSVWizardBase
{
    Q_OBJECT
public:
    // The page flags are ECmnCsvFormatPageFlag bits for the format page (the import
    // of a file passes the comment row and the strip-spaces box) and nothing yet
    // for the encoding page; the import flag is added to both.
    CCmnImportCSVWizard(const QString &filePath, qint32 encodingPageFlags, qint32 formatPageFlags,
                        QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void SetSampleBytes(const QByteArray &bytes) { m_SampleBytes = bytes; }
    const QByteArray &SampleBytes() const { return m_SampleBytes; }
    // The sample decoded and cut into lines, as the encoding page left them.
    const QString &DecodedSample() const { return m_DecodedSample; }
    const QStringList &PreviewLines() const { return m_PreviewLines; }
    // The lines read with the format, as the format page left them.
    const QList<QStringList> &PreviewRows() const { return m_PreviewRows; }
    const QStringList &HeaderNames() const { return m_HeaderNames; }

    CCmnImportTextEncodingPage *EncodingPage() const { return m_EncodingPage; }
    CCmnImportCSVFormatPage *FormatPage() const { return m_FormatPage; }

private:
    QByteArray m_SampleBytes;
    QString m_DecodedSample;
    QStringList m_PreviewLines;
    QList<QStringList> m_PreviewRows;
    QStringList m_HeaderNames;
    CCmnImportTextEncodingPage *m_EncodingPage;
    CCmnImportCSVFormatPage *m_FormatPage;
};
