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
    const QString error = m_Lines.Open(m_Encoding.Effective(), m_File.get());
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
        m_Lines.Flush();
        CheckLines();
    }
    if (ErrorText().isEmpty()) {
        const QString error = m_Lines.Close();
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
    m_Lines.append(text);
    EndLine();
}

CCmnExportLineWriter &CCmnExportTableController_TextFile::BeginLine()
{
    return m_Lines;
}

void CCmnExportTableController_TextFile::EndLine()
{
    m_Lines.EndLine();
    CheckLines();
}

void CCmnExportTableController_TextFile::CheckLines()
{
    if (!m_Lines.ErrorText().isEmpty() && ErrorText().isEmpty())
        SetWriteError(m_Lines.ErrorText());
}

QIODevice *CCmnExportTableController_TextFile::Device() const
{
    return m_File.get();
}

void CCmnExportTableController_TextFile::SetWriteError(const QString &reason)
{
    SetErrorText(CmnExportFailedMessage(m_FileName) + QStringLiteral(": ") + reason);
}
