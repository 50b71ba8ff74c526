#include "cmnbytewriter.h"

#include <QIODevice>

namespace {

constexpr qsizetype kBufferSize = 1 << 17;

} // namespace

CCmnByteWriter::CCmnByteWriter(QIODevice *device)
    : m_Device(device)
    , m_Buffer(size_t(kBufferSize))
{
}

char *CCmnByteWriter::Reserve(qsizetype size)
{
    if (qsizetype(m_Buffer.size()) - m_Size < size) {
        Flush();
        // A piece larger than the buffer (a huge cell text) gets a buffer its size.
        if (qsizetype(m_Buffer.size()) < size)
            m_Buffer.resize(size_t(size));
    }
    return m_Buffer.data() + m_Size;
}

bool CCmnByteWriter::Flush()
{
    if (m_Size > 0 && !m_Failed)
        m_Failed = !m_Device || m_Device->write(m_Buffer.data(), m_Size) != m_Size;
    m_Size = 0;
    return !m_Failed;
}
