#pragma once

#include <QtGlobal>

class CCmnMetric;
class CCmnPicture;
class QColor;
class QDataStream;
class QString;

// The framing that themes store property values in. A value block is a kind
// byte, a zero byte and, only when the value is not its type's default, another
// zero byte and the value. Each value type owns a pair of kind codes: the first
// says "the default", the second (one more) "the value follows". Some properties
// put a tag byte and a zero byte in front of their block.
//
// Every reader here sets the stream's status to ReadCorruptData when it fails and
// leaves the value at its default, so a theme element stops at the first damage.

enum class ECmnValueBlockStart {
    Default, // the default stands; nothing more to read
    Present, // the value's fields follow
    Failed,  // the stream is marked corrupt
};

// The kind pairs, by their default kind.
enum ECmnValueBlockKind : quint8 {
    CmnValueKindTransparentColor = 13,
    CmnValueKindFontText = 15,
    CmnValueKindBlackColor = 17,
    CmnValueKindTextScale = 19,
    CmnValueKindRectExtents = 21,
    CmnValueKindBorderStyle = 23,
    CmnValueKindFillStyle = 25,
    CmnValueKindTextAlign = 27,
    CmnValueKindPicturePos = 29,
    CmnValueKindSingleExtent = 31,
};

void CmnWriteValueBlockStart(QDataStream &out, quint8 defaultKind, bool isDefault);
ECmnValueBlockStart CmnReadValueBlockStart(QDataStream &in, quint8 defaultKind);

// The tag byte and the zero byte in front of a tagged block; another tag or a
// non-zero second byte is corrupt.
void CmnWriteBlockTag(QDataStream &out, quint8 tag);
[[nodiscard]] bool CmnReadBlockTag(QDataStream &in, quint8 tag);

// The tag and version bytes that open a settings block or a payload: false
// when either differs (the version is read only after a matching tag) or the
// stream ends; the stream is never marked, the caller decides.
[[nodiscard]] bool CmnReadTagAndVersion(QDataStream &in, quint8 tag, quint8 version);

// A metric inside a block: another tag than the metric's is corrupt.
[[nodiscard]] bool CmnReadMetricInBlock(QDataStream &in, CCmnMetric &metric);

// A colour whose default is opaque black (kind 17) or transparent (kind 13).
void CmnWriteColorBlock(QDataStream &out, const QColor &color, quint8 defaultKind);
[[nodiscard]] bool CmnReadColorBlock(QDataStream &in, QColor &color, quint8 defaultKind);

// A font descriptor text; empty is the default.
void CmnWriteFontTextBlock(QDataStream &out, const QString &text);
[[nodiscard]] bool CmnReadFontTextBlock(QDataStream &in, QString &text);

// The text scale; 0 is the default.
void CmnWriteTextScaleBlock(QDataStream &out, double scale);
[[nodiscard]] bool CmnReadTextScaleBlock(QDataStream &in, double &scale);

// A single length; a length of 0 (in any unit) is the default.
void CmnWriteSingleExtentBlock(QDataStream &out, const CCmnMetric &extent);
[[nodiscard]] bool CmnReadSingleExtentBlock(QDataStream &in, CCmnMetric &extent);

// The picture of a theme data element: tag 52, a zero byte and the picture.
void CmnWriteFormBoxPicture(QDataStream &out, const CCmnPicture &picture);
[[nodiscard]] bool CmnReadFormBoxPicture(QDataStream &in, CCmnPicture &picture);

// Marks the stream corrupt unless it already failed; returns false, for readers
// that stop there.
bool CmnFailBlock(QDataStream &in);
