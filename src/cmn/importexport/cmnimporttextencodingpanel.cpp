#include "cmnimporttextencodingpanel.h"

#include "cmnappdescriptor.h"
#include "cmnautomaticorcustomtextencoding.h"
#include "cmntextfile.h"

CCmnImportTextEncodingPanel::CCmnImportTextEncodingPanel(qint32 pageFlags, CCmnAutomaticOrCustomTextEncoding *choice,
                                                         const QByteArray *sampleBytes, QString *decodedSample,
                                                         QStringList *previewLines, QBoxLayout *mainLayout,
                                                         QObject *parent)
    : CCmnImportExportTextEncodingBasePanel(
          pageFlags, choice, QStringLiteral("CCmnImportTextEncodingPage.html"),
          QStringLiteral("<p>%1 has deduced the encoding of your input file as shown. If you need to alter these, "
                         "click <b>Customize</b>.</p><p>NOTE: In most cases you need make no changes, just click "
                         "<b>Next</b> to proceed.</p>")
              .arg(CmnGetAppDescriptor().m_ProductDisplayName),
          mainLayout, parent)
    , m_SampleBytes(sampleBytes)
    , m_DecodedSample(decodedSample)
    , m_PreviewLines(previewLines)
{
}

void CCmnImportTextEncodingPanel::DeduceEncoding()
{
    m_Choice->SetDeduced(CmnDeduceTextEncoding(*m_SampleBytes));
}

void CCmnImportTextEncodingPanel::DecodePreview()
{
    *m_PreviewLines = CmnDecodeTextLines(*m_SampleBytes, m_Choice->Effective(), m_DecodedSample);
}
