#pragma once

#include <QtGlobal>

#include <functional>

class QByteArray;
class QColor;
class QDataStream;
class QString;

// Every stream the program stores (documents, settings blobs, values inside them)
// is read and written in one pinned form, so that files stay the same whatever
// toolkit release builds the program: version 12, big-endian, double precision.
void CmnPrepareDataStream(QDataStream &stream);

// The bytes the writer puts into a stream prepared as above.
QByteArray CmnStreamBytes(const std::function<void(QDataStream &)> &write);
// Runs the reader over the bytes in a stream prepared as above: true when it
// answers true and the stream is still good.
bool CmnReadStreamBytes(const QByteArray &bytes, const std::function<bool(QDataStream &)> &read);

// Reads the tag and version bytes that open a stored block. False, with the
// stream's status left alone, on another tag or a version above the highest
// known; a reader of a block from a newer program refuses it without calling
// the whole stream damaged.
bool CmnReadBlockHeader(QDataStream &stream, quint8 tag, quint8 highestVersion, quint8 *version);

// Read a byte array or a string written with the stream's own operators, without
// trusting the length in front of it: on a device whose size is known the length
// must fit in the bytes that remain (else ReadCorruptData, nothing allocated); on
// a sequential device, such as the decompressor, the buffer grows only as data
// actually arrives. On any failure the value is left empty and the stream's status
// says why. A string with an odd byte count is corrupt.
void CmnReadByteArray(QDataStream &stream, QByteArray &bytes);
void CmnReadString(QDataStream &stream, QString &text);

// The toolkit keeps whatever kind byte it reads, so a damaged one would give a
// colour of no known kind. The bytes are read first and handed to the toolkit's
// own decoding only when the kind is one it knows.
// False with the colour untouched (status left alone) on a kind no colour has;
// false with the status set when the stream ends early.
bool CmnReadColor(QDataStream &stream, QColor &color);
