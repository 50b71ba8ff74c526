#include "cmnexporttablecontroller_textfile.h"

#include "cmnpagefiles.h"

#include <QSaveFile>

CCmnExportTableController_TextFile::CCmnExportTableController_TextFile(const QString &title, QWidget *parent)
    : CCmnExportTableController(title, parent)
{
}

CCmnExportTableController_TextFile::~CCmnExportTableController_TextFile()
{
    if (!m_Closed)
        Close();
}

bool CCmnExportTableController_TextFile::Open(const QString &fileName,
                                              const CCmnAutomaticOrCustomTextEncoding &encoding)
{
    m_FileName = fileName;
    m_Encoding = encoding;
    m_File = std::make_unique<QSaveFile>(fileName);
    if (!m_File->open(QIODevice::WriteOnly)) {
        SetErrorText(QStringLiteral("Cannot open file '%1' for writing: %2").arg(fileName, m_File->errorString()));
        m_File.reset();
        return false;
    }
    m_Created = true;
    const QString error = m_Writer.Open(m_Encoding.Effective(), m_File.get());
    if (!error.isEmpty())
        SetErrorText(error);
    return ErrorText().isEmpty();
}

void CCmnExportTableController_TextFile::Close()
{
    m_Closed = true;
    if (!m_File)
        return;
    if (ErrorText().isEmpty()) {
        const QString error = m_Writer.Close();
        if (!error.isEmpty())
            SetWriteError(error);
    } else if (m_Created) {
        // Not committed: an older file of that name stays as it was.
        m_File->cancelWriting();
    }
    m_File.reset();
}

void CCmnExportTableController_TextFile::WriteLine(const QString &text)
{
    if (!ErrorText().isEmpty())
        return;
    const QString error = m_Writer.WriteLine(text);
    if (!error.isEmpty())
        SetWriteError(error);
}

QIODevice *CCmnExportTableController_TextFile::Device() const
{
    return m_File.get();
}

void CCmnExportTableController_TextFile::SetWriteError(const QString &reason)
{
    SetErrorText(CmnExportFailedMessage(m_FileName) + QStringLiteral(": ") + reason);
}
