#include "cmnexportcsvwizard.h"

#include "cmnexportcsvformatpage.h"
#include "cmnexporttextencodingpage.h"

CCmnExportCSVWizard::CCmnExportCSVWizard(const QString &filePath, qint32 encodingPageFlags, qint32 formatPageFlags,
                                         QWidget *parent, Qt::WindowFlags flags)
    : CCmnImportExportCSVWizardBase(filePath, parent, flags)
{
    m_EncodingPage = new CCmnExportTextEncodingPage(encodingPageFlags, &TextEncoding());
    m_FormatPage = new CCmnExportCSVFormatPage(formatPageFlags, &CsvFormat());
    AddOwnPage(m_EncodingPage);
    AddOwnPage(m_FormatPage);
    setWindowTitle(QStringLiteral("Export CSV"));
}
