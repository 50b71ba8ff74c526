#include "cmnimportcsvformatpanel.h"

#include "cmnappdescriptor.h"
#include "cmnautomaticorcustomcsvformat.h"

CCmnImportCSVFormatPanel::CCmnImportCSVFormatPanel(qint32 pageFlags, CCmnAutomaticOrCustomCsvFormat *choice,
                                                   const QStringList *previewLines,
                                                   QList<QStringList> *previewRows, QStringList *headerNames,
                                                   QBoxLayout *mainLayout, QObject *parent)
    : CCmnImportExportCSVFormatBasePanel(
          pageFlags, choice, QStringLiteral("CCmnImportCSVFormatPage.html"),
          QStringLiteral("<p>%1 has deduced the column formatting of the input data as shown below. To use custom "
                         "settings instead, click <b>Customize</b> &amp; make changes.</p><p>NOTE: In most cases "
                         "you need make no changes, just click <b>Next</b> to proceed.</p>")
              .arg(CmnGetAppDescriptor().m_ProductDisplayName),
          mainLayout, parent)
    , m_PreviewLines(previewLines)
    , m_PreviewRows(previewRows)
    , m_HeaderNames(headerNames)
{
}

void CCmnImportCSVFormatPanel::DeduceFormat()
{
    CCmnCsvFormat format;
    format.Deduce(*m_PreviewLines, m_Choice->m_Deduced.CommentChar());
    m_Choice->SetDeduced(format);
}

void CCmnImportCSVFormatPanel::ParsePreviewRows()
{
    const CCmnCsvFormat &format = m_Choice->Effective();
    *m_PreviewRows = format.ParseRows(*m_PreviewLines);
    *m_HeaderNames = format.ParseHeader(*m_PreviewLines);
}
