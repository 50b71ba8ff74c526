#include "cmnpicture.h"

#include "cmnadjustimage.h"
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

namespace {

constexpr quint8 kTag = 10;
constexpr quint8 kVersion = 1;

constexpr quint8 kHasPath = 0x01;
constexpr quint8 kHasImageBytes = 0x02;
constexpr quint8 kHasGamma = 0x04;
constexpr quint8 kHasBrightness = 0x08;
constexpr quint8 kHasContrast = 0x10;

constexpr int kDefaultGamma = 100;
constexpr int kDefaultBrightness = 0;
constexpr int kDefaultContrast = 100;

// An image header may declare any size, and a damaged or hostile one in a
// document would otherwise make the decoder allocate it: images above this many
// pixels are refused before decoding. It is the bound the toolkit's own reader
// applies by default (128 MiB of 32-bit pixels), kept here so that no image
// plugin or environment setting can lift it.
constexpr qint64 kMaxImagePixels = qint64(32) * 1024 * 1024;

bool g_PictureCacheEnabled = true;

int ClampBrightness(int value) { return std::clamp(value, -100, 100); }
int ClampContrast(int value) { return std::clamp(value, 0, 500); }
int ClampGamma(int value) { return std::clamp(value, 10, 500); }
int ClampRotation(int value) { return std::clamp(value, 0, 3); }

QImage ReadImage(QImageReader &reader)
{
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxImagePixels)
        return QImage();
    return reader.read();
}

QString LoadFailedText() { return QStringLiteral("cannot load image"); }

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
        const QImage image = ReadImage(reader);
        if (!image.isNull())
            ApplyAdjustments(image);
        // Recorded, so that bytes that do not decode are not decoded again on
        // every repaint.
        if (!HasPixmap()) {
            m_Pixmap.reset();
            m_ErrorText = LoadFailedText();
        }
        return;
    }

    if (m_Path.isEmpty())
        return;
    if (!CmnIsPictureFilePath(m_Path)) {
        LoadThroughCache(m_Path, m_Path,
                         QStringLiteral("INTERNAL ERROR: failed to load image '%1'").arg(m_Path));
        return;
    }

    const CCmnMappedPath mapped(m_Path);
    // Case folded only where file names ignore case: on Linux "a.png" and "A.png"
    // are two files and must not share a cache entry.
    const QString keySource = CmnFileNameCaseSensitivity() == Qt::CaseInsensitive
                                  ? mapped.m_MappedPath.toUpper()
                                  : mapped.m_MappedPath;
    LoadThroughCache(mapped.m_MappedPath, keySource, mapped.MessageText(LoadFailedText()));
}

void CCmnPicture::LoadThroughCache(const QString &fileName, const QString &keySource, const QString &failure)
{
    const bool useCache = CmnIsPictureCacheEnabled();
    const QString key = CacheKey(keySource);
    if (useCache) {
        QPixmap cached;
        if (QPixmapCache::find(key, &cached) && !cached.isNull()) {
            m_Pixmap = cached;
            return;
        }
    }

    QImageReader reader(fileName);
    const QImage image = ReadImage(reader);
    if (!image.isNull())
        ApplyAdjustments(image);
    if (!HasPixmap()) {
        m_Pixmap.reset();
        m_ErrorText = failure;
        return;
    }
    if (useCache)
        QPixmapCache::insert(key, *m_Pixmap);
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

    stream << kTag << kVersion << flags;
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

QDataStream &operator>>(QDataStream &stream, CCmnPicture &picture)
{
    picture.Clear();
    if (stream.status() != QDataStream::Ok)
        return stream;

    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (stream.status() != QDataStream::Ok)
        return stream;
    if (tag != kTag || version > kVersion) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return stream;
    }

    // Read into a fresh value, so that a stream cut short leaves the defaults.
    CCmnPicture read;
    quint8 flags = 0;
    stream >> flags;
    if (flags & kHasPath)
        CmnReadString(stream, read.m_Path);
    if (flags & kHasImageBytes)
        CmnReadByteArray(stream, read.m_ImageBytes);
    // Clamped: a gamma of 0 from a damaged file would divide by zero when loaded.
    qint32 value = 0;
    if (flags & kHasGamma) {
        stream >> value;
        read.m_Gamma = ClampGamma(value);
    }
    if (flags & kHasBrightness) {
        stream >> value;
        read.m_Brightness = ClampBrightness(value);
    }
    if (flags & kHasContrast) {
        stream >> value;
        read.m_Contrast = ClampContrast(value);
    }
    // Version 0 pictures had neither flips nor rotation.
    if (version >= 1) {
        quint8 flipVertical = 0;
        quint8 flipHorizontal = 0;
        quint8 rotation = 0;
        stream >> flipVertical >> flipHorizontal >> rotation;
        read.m_FlipVertical = flipVertical != 0;
        read.m_FlipHorizontal = flipHorizontal != 0;
        read.m_Rotation = ClampRotation(rotation);
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
