#include "cmndatastream.h"

#include <QByteArray>
#include <QColor>
#include <QDataStream>
#include <QIODevice>
#include <QString>
#include <QSysInfo>

namespace {

constexpr quint32 kNullLength = 0xffffffffu;
// Growth step on sequential devices: a lying length costs at most this much
// beyond the data that is really there.
constexpr qint64 kReadStep = qint64(1) << 20;

// Reads the 32-bit length of a byte array or string; false (status set) when it
// is missing or larger than a device of known size still holds.
bool ReadLength(QDataStream &stream, quint32 &length)
{
    if (stream.status() != QDataStream::Ok)
        return false;
    if (!stream.device()) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    stream >> length;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (length == kNullLength)
        return true;
    QIODevice *device = stream.device();
    if (!device->isSequential() && qint64(length) > device->bytesAvailable()) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    return true;
}

// Fills `value` (a QByteArray or QString) with `byteCount` raw bytes, growing it
// step by step so that the allocation follows the bytes actually read.
template <typename TValue>
bool ReadRaw(QDataStream &stream, TValue &value, qint64 byteCount)
{
    constexpr qint64 unit = sizeof(typename TValue::value_type);
    if (byteCount == 0) {
        value = TValue(0, typename TValue::value_type()); // empty, not null, as written
        return true;
    }
    qint64 done = 0;
    while (done < byteCount) {
        const qint64 block = qMin(kReadStep, byteCount - done);
        value.resize((done + block) / unit);
        char *target = reinterpret_cast<char *>(value.data()) + done;
        if (stream.readRawData(target, int(block)) != block) {
            value.clear();
            stream.setStatus(QDataStream::ReadPastEnd);
            return false;
        }
        done += block;
    }
    return true;
}

// A colour's stream form from version 7 on: a kind byte and five 16-bit words.
constexpr int kColorBytes = 11;

} // namespace

QByteArray CmnStreamBytes(const std::function<void(QDataStream &)> &write)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(stream);
    write(stream);
    return bytes;
}

bool CmnReadStreamBytes(const QByteArray &bytes, const std::function<bool(QDataStream &)> &read)
{
    QDataStream stream(bytes);
    CmnPrepareDataStream(stream);
    return read(stream) && stream.status() == QDataStream::Ok;
}

bool CmnReadBlockHeader(QDataStream &stream, quint8 tag, quint8 highestVersion, quint8 *version)
{
    quint8 readTag = 0;
    stream >> readTag;
    if (readTag != tag)
        return false;
    quint8 readVersion = 0;
    stream >> readVersion;
    if (stream.status() != QDataStream::Ok || readVersion > highestVersion)
        return false;
    if (version)
        *version = readVersion;
    return true;
}

void CmnPrepareDataStream(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_4_6);
    stream.setByteOrder(QDataStream::BigEndian);
    stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
}

void CmnReadByteArray(QDataStream &stream, QByteArray &bytes)
{
    bytes.clear();
    quint32 length = 0;
    if (!ReadLength(stream, length))
        return;
    if (length == kNullLength) {
        bytes = QByteArray();
        return;
    }
    ReadRaw(stream, bytes, length);
}

void CmnReadString(QDataStream &stream, QString &text)
{
    text.clear();
    quint32 length = 0;
    if (!ReadLength(stream, length))
        return;
    if (length == kNullLength) {
        text = QString();
        return;
    }
    if (length % 2 != 0) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    if (!ReadRaw(stream, text, length))
        return;
    const bool streamIsBigEndian = stream.byteOrder() == QDataStream::BigEndian;
    if (streamIsBigEndian != (QSysInfo::ByteOrder == QSysInfo::BigEndian)) {
        for (QChar &c : text)
            c = QChar(quint16((c.unicode() << 8) | (c.unicode() >> 8)));
    }
}

bool CmnReadColor(QDataStream &in, QColor &color)
{
    if (in.version() < QDataStream::Qt_4_0) {
        in >> color;   // the oldest form is a plain RGB word with nothing to check
        return in.status() == QDataStream::Ok;
    }
    char bytes[kColorBytes];
    if (in.readRawData(bytes, kColorBytes) != kColorBytes) {
        in.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    const qint8 kind = qint8(bytes[0]);
    if (kind < qint8(QColor::Invalid) || kind > qint8(QColor::ExtendedRgb))
        return false;
    QDataStream colorStream(QByteArray::fromRawData(bytes, kColorBytes));
    colorStream.setVersion(in.version());
    colorStream.setByteOrder(in.byteOrder());
    colorStream >> color;
    if (colorStream.status() != QDataStream::Ok)
        return false;
    // Words after an invalid kind, or components that are not numbers, would give
    // a colour not equal to itself once written and read again: read as no colour.
    const bool finite = qIsFinite(color.redF()) && qIsFinite(color.greenF()) && qIsFinite(color.blueF())
                        && qIsFinite(color.alphaF());
    if (kind == qint8(QColor::Invalid) || !finite)
        color = QColor();
    return true;
}
