#include "cmnexporttablecontroller_textfile.h"

#include "cmnpagefiles.h"

#include <QSaveFile>

namespace {

constexpr qsizetype kLinesChars = 1 << 16;

} // namespace

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
    FlushLines();
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
    // Encoding and writing line by line cost more than making the lines: they
    // are gathered and go to the file in pieces of about 64 K characters.
    m_Writer.AppendLine(m_Lines, text);
    if (m_Lines.size() >= kLinesChars)
        FlushLines();
}

QString &CCmnExportTableController_TextFile::BeginLine()
{
    m_LineStart = m_Lines.size();
    return m_Lines;
}

void CCmnExportTableController_TextFile::EndLine()
{
    if (!ErrorText().isEmpty()) {
        m_Lines.resize(0);
        return;
    }
    // A line break inside the line (a field's) ends a line there, as in WriteLine.
    if (QStringView(m_Lines).mid(m_LineStart).contains(QLatin1Char('\n'))) {
        const QString line = m_Lines.mid(m_LineStart);
        m_Lines.truncate(m_LineStart);
        m_Writer.AppendLine(m_Lines, line);
    } else {
        m_Writer.AppendLine(m_Lines, QStringView());
    }
    if (m_Lines.size() >= kLinesChars)
        FlushLines();
}

void CCmnExportTableController_TextFile::FlushLines()
{
    if (ErrorText().isEmpty() && !m_Lines.isEmpty()) {
        const QString error = m_Writer.WriteText(m_Lines);
        if (!error.isEmpty())
            SetWriteError(error);
    }
    m_Lines.resize(0);
}

QIODevice *CCmnExportTableController_TextFile::Device() const
{
    return m_File.get();
}

void CCmnExportTableController_TextFile::SetWriteError(const QString &reason)
{
    SetErrorText(CmnExportFailedMessage(m_FileName) + QStringLiteral(": ") + reason);
}
