#include "cmnstreamwindow.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>

CCmnStreamWindow::CCmnStreamWindow(QDataStream &stream, qsizetype size)
    : m_Stream(stream),
      m_Size(size),
      m_Usable(stream.device() && stream.version() == QDataStream::Qt_4_6
               && stream.byteOrder() == QDataStream::BigEndian
               && stream.floatingPointPrecision() == QDataStream::DoublePrecision)
{
}

CCmnByteCursor CCmnStreamWindow::Look()
{
    qint64 got = 0;
    if (m_Usable && m_Stream.status() == QDataStream::Ok) {
        m_Bytes.resize(m_Size);
        got = m_Stream.device()->peek(m_Bytes.data(), m_Size);
    }
    return CCmnByteCursor(m_Bytes.constData(), qsizetype(std::max<qint64>(got, 0)));
}

void CCmnStreamWindow::Take(qsizetype size)
{
    if (size > 0 && m_Stream.device()->skip(size) != size)
        m_Stream.setStatus(QDataStream::ReadPastEnd);
}
