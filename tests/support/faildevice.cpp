#include "faildevice.h"

CFailDevice::CFailDevice(qint64 failAfterBytes, QObject *parent)
    : QBuffer(parent)
    , m_Remaining(failAfterBytes)
{
}

qint64 CFailDevice::readData(char *data, qint64 maxSize)
{
    if (m_ReadFailsAt < 0)
        return QBuffer::readData(data, maxSize);
    if (pos() >= m_ReadFailsAt) {
        setErrorString(QStringLiteral("FAILDEVICE"));
        return -1;
    }
    return QBuffer::readData(data, qMin(maxSize, m_ReadFailsAt - pos()));
}

qint64 CFailDevice::writeData(const char *data, qint64 size)
{
    if (m_Remaining <= 0) {
        if (m_Stall)
            return 0;
        setErrorString(QStringLiteral("FAILDEVICE"));
        return -1;
    }
    const qint64 taken = qMin(size, m_Remaining);
    m_Remaining -= taken;
    return QBuffer::writeData(data, taken);
}
