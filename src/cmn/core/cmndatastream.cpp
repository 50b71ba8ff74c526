#include "cmndatastream.h"

#include <QDataStream>

void CmnPrepareDataStream(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_4_6);
    stream.setByteOrder(QDataStream::BigEndian);
    stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
}
