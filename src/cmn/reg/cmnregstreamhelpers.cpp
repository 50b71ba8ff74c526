#include "cmnregstreamhelpers.h"

#include "cmndatastream.h"

#include <QDataStream>
#include <QIODevice>
#include <QStringList>

bool CmnRegCountFits(QDataStream &stream, quint64 count, qint64 minItemBytes)
{
    if (stream.status() != QDataStream::Ok)
        return false;
    const QIODevice *device = stream.device();
    if (!device) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    if (device->isSequential())
        return true;
    const qint64 left = device->bytesAvailable();
    if (minItemBytes > 0 && count > quint64(left / minItemBytes)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    return true;
}

void CmnRegReadStringList(QDataStream &stream, QStringList &list)
{
    list.clear();
    quint32 count = 0;
    stream >> count;
    if (!CmnRegCountFits(stream, count, 4))
        return;
    QStringList read;
    for (quint32 i = 0; i < count; ++i) {
        QString text;
        CmnReadString(stream, text);
        if (stream.status() != QDataStream::Ok)
            return;
        read.append(text);
    }
    list = read;
}
