#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QString>

#include <optional>

class CCmnByteCursor;
class QDataStream;
class QImage;
class QImageReader;

// Decodes the image the reader is set up for at no more than the size forms and
// printing need: a larger photo decodes already scaled down, its shape kept. An
// image whose header declares more pixels than any camera makes is refused unread
// with "image too large (W x H pixels)"; on any failure *errorText says why.
QImage CmnReadPictureImage(QImageReader &reader, QString *errorText);

// A photograph or picture as the program shows it: a file path (or a built-in
// resource path beginning with ":") or the bytes of an image file embedded in the
// document, plus six display adjustments. The source stays as stored; the
// adjustments are applied when the picture is loaded, and the result is kept in
// the value and, for pictures given by path, in the process-wide pixmap cache so
// that a photo shown in many places is decoded once. GUI thread only.
class CCmnPicture
{
public:
    CCmnPicture();

    // Always drop the pixmap and the error, also when the source is unchanged:
    // the file behind the same path may have been replaced.
    void SetFilePath(const QString &path); // clears the image bytes
    void SetImageBytes(const QByteArray &bytes); // clears the path

    // Clamped to brightness -100..100, contrast 0..500 (percent), gamma 10..500
    // (percent) and rotation 0..3 quarter turns clockwise; an unchanged value
    // keeps the loaded pixmap.
    void SetBrightness(int value);
    void SetContrast(int value);
    void SetGamma(int value);
    void SetRotation(int value);
    void SetFlipVertical(bool flip);
    void SetFlipHorizontal(bool flip);

    // Back to the defaults, source included.
    void Clear();

    const QString &FilePath() const { return m_Path; }
    const QByteArray &ImageBytes() const { return m_ImageBytes; }
    int Brightness() const { return m_Brightness; }
    int Contrast() const { return m_Contrast; }
    int Gamma() const { return m_Gamma; }
    int Rotation() const { return m_Rotation; }
    bool FlipVertical() const { return m_FlipVertical; }
    bool FlipHorizontal() const { return m_FlipHorizontal; }
    // No path and no image bytes.
    bool IsEmpty() const { return m_Path.isEmpty() && m_ImageBytes.isEmpty(); }

    // Loads and adjusts the pixmap unless it is loaded already or the last load
    // failed; a failure stays until a setter or Clear. Read HasPixmap, Pixmap and
    // ErrorText afterwards.
    void EnsureLoaded();
    bool HasPixmap() const { return m_Pixmap.has_value() && !m_Pixmap->isNull(); }
    // A null pixmap until loaded. Needs the application object, as every QPixmap.
    QPixmap Pixmap() const;
    // Why the last load failed; empty when none failed.
    const QString &ErrorText() const { return m_ErrorText; }

    // Makes the pixmap from a loaded image: colour adjustments, flips, rotation.
    void ApplyAdjustments(const QImage &image);

    // The source and the six adjustments; when both pictures hold image bytes only
    // the bytes are compared, when neither does the paths (case-sensitively), and a
    // picture with bytes never equals one without. Pixmap and error take no part.
    bool operator==(const CCmnPicture &other) const;

    // Reads the stored form (see operator>>) from memory. False, with the picture
    // untouched, for another tag or version or bytes that end early or look
    // damaged: the stream's reader then reads them and decides.
    [[nodiscard]] bool Read(CCmnByteCursor &cursor);

private:
    void DropLoaded();
    QString CacheKey(const QString &source) const;
    // Loads fileName through the pixmap cache under the key made from keySource;
    // false with the reader's reason when it fails.
    bool LoadThroughCache(const QString &fileName, const QString &keySource, QString *reason = nullptr);

    QString m_Path;
    QByteArray m_ImageBytes; // when not empty this is the picture and the path is not used
    qint32 m_Gamma;
    qint32 m_Brightness;
    qint32 m_Contrast;
    bool m_FlipVertical;
    bool m_FlipHorizontal;
    qint32 m_Rotation;
    // Held only once loaded: a QPixmap, even a null one, must not be made before
    // the application object exists, and pictures may be (defaults in statics).
    std::optional<QPixmap> m_Pixmap;
    QString m_ErrorText;

    // The one reader of the stored form, from the stream or from memory; false
    // for another tag or a newer version.
    template <typename TSource>
    bool ReadStored(TSource &source);

    friend QDataStream &operator>>(QDataStream &stream, CCmnPicture &picture);
};

// Tag 10, version 1. Reading accepts versions 0 (no flips, no rotation) and 1;
// another tag or version, a length beyond the data or a cut stream leaves the
// picture at its defaults with the stream's status set. Values read are clamped
// to the setters' ranges.
QDataStream &operator<<(QDataStream &stream, const CCmnPicture &picture);
QDataStream &operator>>(QDataStream &stream, CCmnPicture &picture);

// Not empty and not a built-in resource.
bool CmnIsPictureFilePath(const QString &path);

// The process-wide switch of the pixmap cache for pictures given by path; on from
// the start.
void CmnSetPictureCacheEnabled(bool enabled);
bool CmnIsPictureCacheEnabled();
