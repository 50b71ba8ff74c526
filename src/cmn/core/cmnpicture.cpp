#include "cmnpicture.h"

#include "cmnadjustimage.h"
#include "cmnbytecursor.h"
#include "cmndatastream.h"
#include "cmnfilenames.h"
#include "cmnmappedpath.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>
#include <QImageReader>
#include <QPixmapCache>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

constexpr quint8 kPictureTag = 10;
constexpr quint8 kPictureVersion = 1;

constexpr quint8 kHasPath = 0x01;
constexpr quint8 kHasImageBytes = 0x02;
constexpr quint8 kHasGamma = 0x04;
constexpr quint8 kHasBrightness = 0x08;
constexpr quint8 kHasContrast = 0x10;

constexpr int kDefaultGamma = 100;
constexpr int kDefaultBrightness = 0;
constexpr int kDefaultContrast = 100;

// An image header may declare any size, and a damaged or hostile one in a
// document would otherwise make the decoder allocate it: images declaring more
// pixels than any camera makes are refused before decoding.
constexpr qint64 kMaxSourcePixels = qint64(200) * 1000 * 1000;
// Forms and printing need no more than this (a full page at 300 dots per inch is
// under 9 million): larger photos decode already scaled down to it, which keeps a
// 50-megapixel camera photo well within memory.
constexpr qint64 kMaxDecodedPixels = qint64(16) * 1000 * 1000;

bool g_PictureCacheEnabled = true;

int ClampBrightness(int value) { return std::clamp(value, -100, 100); }
int ClampContrast(int value) { return std::clamp(value, 0, 500); }
int ClampGamma(int value) { return std::clamp(value, 10, 500); }
int ClampRotation(int value) { return std::clamp(value, 0, 3); }

QString LoadFailedText() { return QStringLiteral("cannot load image"); }

} // namespace

QImage CmnReadPictureImage(QImageReader &reader, QString *errorText)
{
    const QSize size = reader.size();
    const qint64 pixels = size.isValid() ? qint64(size.width()) * size.height() : 0;
    const QString sizeText = QStringLiteral("%1 x %2 pixels").arg(size.width()).arg(size.height());
    if (pixels > kMaxSourcePixels) {
        *errorText = QStringLiteral("image too large (%1)").arg(sizeText);
        return QImage();
    }
    if (pixels > kMaxDecodedPixels) {
        const double scale = std::sqrt(double(kMaxDecodedPixels) / double(pixels));
        reader.setScaledSize(QSize(qMax(1, int(size.width() * scale)), qMax(1, int(size.height() * scale))));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        *errorText = reader.errorString();
        if (size.isValid())
            *errorText += QStringLiteral(" (%1)").arg(sizeText);
    }
    return image;
}

namespace {

} // namespace

CCmnPicture::CCmnPicture()
    : m_Gamma(kDefaultGamma)
    , m_Brightness(kDefaultBrightness)
    , m_Contrast(kDefaultContrast)
    , m_FlipVertical(false)
    , m_FlipHorizontal(false)
    , m_Rotation(0)
{
}

void CCmnPicture::SetFilePath(const QString &path)
{
    m_Path = path;
    m_ImageBytes.clear();
    DropLoaded();
}

void CCmnPicture::SetImageBytes(const QByteArray &bytes)
{
    m_Path.clear();
    m_ImageBytes = bytes;
    DropLoaded();
}

void CCmnPicture::SetBrightness(int value)
{
    value = ClampBrightness(value);
    if (value != m_Brightness) {
        m_Brightness = value;
        DropLoaded();
    }
}

void CCmnPicture::SetContrast(int value)
{
    value = ClampContrast(value);
    if (value != m_Contrast) {
        m_Contrast = value;
        DropLoaded();
    }
}

void CCmnPicture::SetGamma(int value)
{
    value = ClampGamma(value);
    if (value != m_Gamma) {
        m_Gamma = value;
        DropLoaded();
    }
}

void CCmnPicture::SetRotation(int value)
{
    value = ClampRotation(value);
    if (value != m_Rotation) {
        m_Rotation = value;
        DropLoaded();
    }
}

void CCmnPicture::SetFlipVertical(bool flip)
{
    if (flip != m_FlipVertical) {
        m_FlipVertical = flip;
        DropLoaded();
    }
}

void CCmnPicture::SetFlipHorizontal(bool flip)
{
    if (flip != m_FlipHorizontal) {
        m_FlipHorizontal = flip;
        DropLoaded();
    }
}

void CCmnPicture::Clear()
{
    *this = CCmnPicture();
}

QPixmap CCmnPicture::Pixmap() const
{
    return m_Pixmap ? *m_Pixmap : QPixmap();
}

void CCmnPicture::DropLoaded()
{
    m_Pixmap.reset();
    m_ErrorText.clear();
}

void CCmnPicture::EnsureLoaded()
{
    if (HasPixmap() || !m_ErrorText.isEmpty())
        return;

    if (!m_ImageBytes.isEmpty()) {
        // Embedded pictures stay out of the cache: their bytes are their identity,
        // which would make a key as large as the picture.
        QBuffer buffer;
        buffer.setData(m_ImageBytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        QString reason;
        const QImage image = CmnReadPictureImage(reader, &reason);
        if (!image.isNull())
            ApplyAdjustments(image);
        // Recorded, so that bytes that do not decode are not decoded again on
        // every repaint.
        if (!HasPixmap()) {
            m_Pixmap.reset();
            m_ErrorText = reason.isEmpty() ? LoadFailedText() : LoadFailedText() + QStringLiteral(", ") + reason;
        }
        return;
    }

    if (m_Path.isEmpty())
        return;
    if (!CmnIsPictureFilePath(m_Path)) {
        if (!LoadThroughCache(m_Path, m_Path))
            m_ErrorText = QStringLiteral("INTERNAL ERROR: failed to load image '%1'").arg(m_Path);
        return;
    }

    const CCmnMappedPath mapped(m_Path);
    // Case folded only where file names ignore case: on Linux "a.png" and "A.png"
    // are two files and must not share a cache entry.
    const QString keySource = CmnFileNameCaseSensitivity() == Qt::CaseInsensitive
                                  ? mapped.m_MappedPath.toUpper()
                                  : mapped.m_MappedPath;
    QString reason;
    if (!LoadThroughCache(mapped.m_MappedPath, keySource, &reason))
        m_ErrorText = mapped.MessageText(LoadFailedText(), reason);
}

bool CCmnPicture::LoadThroughCache(const QString &fileName, const QString &keySource, QString *reason)
{
    const bool useCache = CmnIsPictureCacheEnabled();
    const QString key = CacheKey(keySource);
    if (useCache) {
        QPixmap cached;
        if (QPixmapCache::find(key, &cached) && !cached.isNull()) {
            m_Pixmap = cached;
            return true;
        }
    }

    QImageReader reader(fileName);
    QString readError;
    const QImage image = CmnReadPictureImage(reader, &readError);
    if (!image.isNull())
        ApplyAdjustments(image);
    if (!HasPixmap()) {
        m_Pixmap.reset();
        if (reason)
            *reason = readError;
        return false;
    }
    if (useCache)
        QPixmapCache::insert(key, *m_Pixmap);
    return true;
}

QString CCmnPicture::CacheKey(const QString &source) const
{
    // All six adjustments are part of the key: a cached pixmap has them applied.
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
        .arg(source)
        .arg(m_Brightness)
        .arg(m_Contrast)
        .arg(m_Gamma)
        .arg(m_FlipVertical ? 1 : 0)
        .arg(m_FlipHorizontal ? 1 : 0)
        .arg(m_Rotation);
}

void CCmnPicture::ApplyAdjustments(const QImage &loaded)
{
    QImage image = CmnAdjustImage(loaded, m_Brightness, m_Contrast, m_Gamma);
    if (m_FlipVertical || m_FlipHorizontal)
        image = image.mirrored(m_FlipHorizontal, m_FlipVertical);
    if (m_Rotation >= 1 && m_Rotation <= 3) {
        QTransform transform;
        transform.translate(image.width() / 2, image.height() / 2);
        transform.rotate(m_Rotation * 90);
        image = image.transformed(transform, Qt::FastTransformation);
    }
    m_Pixmap = QPixmap::fromImage(image);
}

bool CCmnPicture::operator==(const CCmnPicture &other) const
{
    if (m_Gamma != other.m_Gamma || m_Brightness != other.m_Brightness || m_Contrast != other.m_Contrast
        || m_FlipVertical != other.m_FlipVertical || m_FlipHorizontal != other.m_FlipHorizontal
        || m_Rotation != other.m_Rotation)
        return false;
    const bool hasBytes = !m_ImageBytes.isEmpty();
    if (hasBytes != !other.m_ImageBytes.isEmpty())
        return false;
    if (hasBytes)
        return m_ImageBytes == other.m_ImageBytes;
    return m_Path == other.m_Path;
}

QDataStream &operator<<(QDataStream &stream, const CCmnPicture &picture)
{
    quint8 flags = 0;
    if (!picture.FilePath().isEmpty())
        flags |= kHasPath;
    if (!picture.ImageBytes().isEmpty())
        flags |= kHasImageBytes;
    if (picture.Gamma() != kDefaultGamma)
        flags |= kHasGamma;
    if (picture.Brightness() != kDefaultBrightness)
        flags |= kHasBrightness;
    if (picture.Contrast() != kDefaultContrast)
        flags |= kHasContrast;

    stream << kPictureTag << kPictureVersion << flags;
    if (flags & kHasPath)
        stream << picture.FilePath();
    if (flags & kHasImageBytes)
        stream << picture.ImageBytes();
    if (flags & kHasGamma)
        stream << qint32(picture.Gamma());
    if (flags & kHasBrightness)
        stream << qint32(picture.Brightness());
    if (flags & kHasContrast)
        stream << qint32(picture.Contrast());
    stream << quint8(picture.FlipVertical() ? 1 : 0) << quint8(picture.FlipHorizontal() ? 1 : 0)
           << quint8(picture.Rotation());
    return stream;
}

namespace {

// The stream as a source for CCmnPicture::ReadStored, which a cursor also is.
struct CPictureStreamSource
{
    QDataStream &m_Stream;

    bool Ok() const { return m_Stream.status() == QDataStream::Ok; }
    quint8 U8()
    {
        quint8 value = 0;
        m_Stream >> value;
        return value;
    }
    qint32 I32()
    {
        qint32 value = 0;
        m_Stream >> value;
        return value;
    }
    QString String()
    {
        QString text;
        CmnReadString(m_Stream, text);
        return text;
    }
    QByteArray Bytes()
    {
        QByteArray bytes;
        CmnReadByteArray(m_Stream, bytes);
        return bytes;
    }
};

} // namespace

template <typename TSource>
bool CCmnPicture::ReadStored(TSource &source)
{
    const quint8 tag = source.U8();
    const quint8 version = source.U8();
    if (!source.Ok())
        return true;
    if (tag != kPictureTag || version > kPictureVersion)
        return false;
    const quint8 flags = source.U8();
    if (flags & kHasPath)
        m_Path = source.String();
    if (flags & kHasImageBytes)
        m_ImageBytes = source.Bytes();
    // Clamped: a gamma of 0 from a damaged file would divide by zero when loaded.
    if (flags & kHasGamma)
        m_Gamma = ClampGamma(source.I32());
    if (flags & kHasBrightness)
        m_Brightness = ClampBrightness(source.I32());
    if (flags & kHasContrast)
        m_Contrast = ClampContrast(source.I32());
    // Version 0 pictures had neither flips nor rotation.
    if (version >= 1) {
        m_FlipVertical = source.U8() != 0;
        m_FlipHorizontal = source.U8() != 0;
        m_Rotation = ClampRotation(source.U8());
    }
    return true;
}

bool CCmnPicture::Read(CCmnByteCursor &cursor)
{
    CCmnPicture read;
    if (!read.ReadStored(cursor) || !cursor.Ok())
        return false;
    *this = std::move(read);
    return true;
}

QDataStream &operator>>(QDataStream &stream, CCmnPicture &picture)
{
    picture.Clear();
    if (stream.status() != QDataStream::Ok)
        return stream;
    // Read into a fresh value, so that a stream cut short leaves the defaults.
    CCmnPicture read;
    CPictureStreamSource source{stream};
    if (!read.ReadStored(source)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return stream;
    }
    if (stream.status() == QDataStream::Ok)
        picture = read;
    return stream;
}

bool CmnIsPictureFilePath(const QString &path)
{
    return !path.isEmpty() && !path.startsWith(QLatin1Char(':'));
}

void CmnSetPictureCacheEnabled(bool enabled)
{
    g_PictureCacheEnabled = enabled;
}

bool CmnIsPictureCacheEnabled()
{
    return g_PictureCacheEnabled;
}
