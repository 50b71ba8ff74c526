#include "cmnimportcsvwizard.h"

#include "cmnimportcsvformatpage.h"
#include "cmnimporttextencodingpage.h"

CCmnImportCSVWizard::CCmnImportCSVWizard(const QString &filePath, qint32 encodingPageFlags, qint32 formatPageFlags,
                                         QWidget *parent, Qt::WindowFlags flags)
    : CCmnImportExportCSVWizardBase(filePath, parent, flags)
{
    m_EncodingPage = new CCmnImportTextEncodingPage(encodingPageFlags, &TextEncoding(), &m_SampleBytes,
                                                    &m_DecodedSample, &m_PreviewLines);
    m_FormatPage = new CCmnImportCSVFormatPage(formatPageFlags, &CsvFormat(), &m_PreviewLines, &m_PreviewRows,
                                               &m_HeaderNames);
    AddOwnPage(m_EncodingPage);
    AddOwnPage(m_FormatPage);
    setWindowTitle(QStringLiteral("Import CSV"));
}
