#include "cmndocument.h"

#include "cmnappdescriptor.h"

CCmnDocument::CCmnDocument(quint32 firstMarker, quint32 closingMarker, quint32 flags, QObject *parent)
    : QObject(parent)
    , m_FirstMarker(firstMarker)
    , m_ClosingMarker(closingMarker)
    , m_Flags(flags)
{
}

CCmnDocument::~CCmnDocument()
{
    Close();
}

void CCmnDocument::ExchangeSettings(const CCmnSettingsExchange &)
{
}

QString CCmnDocument::ExchangeStream(QDataStream &, bool)
{
    return QString();
}

QString CCmnDocument::ExchangeDevice(QIODevice *, bool)
{
    return QString();
}

bool CCmnDocument::InitialiseNew(int)
{
    return false;
}

QString CCmnDocument::FinishLoad(CCmnProgress *, QString &, QStringList &)
{
    MarkOpen();
    return QString();
}

void CCmnDocument::OnOpened()
{
}

void CCmnDocument::OnClosed()
{
}

void CCmnDocument::OnBeginModify()
{
}

void CCmnDocument::OnEndModify()
{
}

void CCmnDocument::Close()
{
    m_ModifyDepth = 0;
    m_Open = false;
    OnClosed();
    m_Modified = false;
}

void CCmnDocument::Reset()
{
    m_ModifyDepth = 0;
    m_Open = false;
    OnClosed();
}

void CCmnDocument::MarkOpen()
{
    if (m_Open)
        return;
    m_Open = true;
    OnOpened();
}

void CCmnDocument::BeginModify()
{
    if (++m_ModifyDepth == 1 && m_Open)
        OnBeginModify();
}

void CCmnDocument::EndModify()
{
    if (--m_ModifyDepth == 0 && m_Open)
        OnEndModify();
}

QString CmnInvalidFileFormatMessage()
{
    const QString description = CmnGetAppDescriptor().DocumentName();
    const bool takesAn = !description.isEmpty() && description.at(0).toUpper() == QLatin1Char('A');
    return QStringLiteral("Invalid file format - file does not appear to be %1 %2")
        .arg(takesAn ? QStringLiteral("an") : QStringLiteral("a"), description);
}
