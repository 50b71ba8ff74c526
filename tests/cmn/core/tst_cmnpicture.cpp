#include "cmnbytecursor.h"
#include "cmndatastream.h"
#include "cmnfilenames.h"
#include "cmnmappedfoldersstore.h"
#include "cmnpicture.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(CCmnPicture)

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);

// Red top left, green top right, blue bottom left, white bottom right: every
// flip and quarter turn puts another colour at the top left.
QImage Quadrants()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, kRed);
    image.setPixel(1, 0, kGreen);
    image.setPixel(0, 1, kBlue);
    image.setPixel(1, 1, kWhite);
    return image;
}

QImage Filled(QRgb colour)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QByteArray PngBytes(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A BMP header that declares 100000 x 100000 pixels, followed by a few bytes.
QByteArray HugeBmp()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(70) << quint32(0) << quint32(54);
    out << quint32(40) << qint32(100000) << qint32(100000) << quint16(1) << quint16(24) << quint32(0)
        << quint32(0) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    out << quint32(0x11223344) << quint32(0x55667788);
    return bytes;
}

// A small JPEG whose frame header claims the given size: only decoding it would
// allocate that much.
QByteArray JpegDeclaring(quint16 width, quint16 height)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage(16, 16, QImage::Format_Grayscale8).save(&buffer, "JPEG");
    const qsizetype frame = bytes.indexOf(QByteArray::fromHex("ffc0"));
    if (frame < 0)
        return QByteArray();
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height & 0xff);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width & 0xff);
    return bytes;
}

QByteArray StreamBytes(const CCmnPicture &picture)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << picture;
    return bytes;
}

CCmnPicture ReadPicture(const QByteArray &bytes, QDataStream::Status *status = nullptr,
                        const CCmnPicture &start = CCmnPicture())
{
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnPicture picture = start;
    in >> picture;
    if (status)
        *status = in.status();
    return picture;
}

CCmnPicture WithPath(const QString &path)
{
    CCmnPicture picture;
    picture.SetFilePath(path);
    return picture;
}

CCmnPicture WithBytes(const QByteArray &bytes)
{
    CCmnPicture picture;
    picture.SetImageBytes(bytes);
    return picture;
}

// Tag 10, version 1, both the path and the bytes present: only a stream can
// make such a picture.
CCmnPicture WithPathAndBytes(const QString &path, const QByteArray &bytes)
{
    QByteArray stream;
    QDataStream out(&stream, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << quint8(10) << quint8(1) << quint8(0x03) << path << bytes << quint8(0) << quint8(0) << quint8(0);
    return ReadPicture(stream);
}

QRgb TopLeft(const CCmnPicture &picture)
{
    return picture.Pixmap().toImage().pixel(0, 0);
}

// The setters and getters by name, for the tables.
void Set(CCmnPicture &picture, const QString &which, int value)
{
    if (which == QLatin1String("brightness"))
        picture.SetBrightness(value);
    else if (which == QLatin1String("contrast"))
        picture.SetContrast(value);
    else if (which == QLatin1String("gamma"))
        picture.SetGamma(value);
    else if (which == QLatin1String("rotation"))
        picture.SetRotation(value);
    else if (which == QLatin1String("flipvertical"))
        picture.SetFlipVertical(value != 0);
    else if (which == QLatin1String("fliphorizontal"))
        picture.SetFlipHorizontal(value != 0);
}

int Get(const CCmnPicture &picture, const QString &which)
{
    if (which == QLatin1String("brightness"))
        return picture.Brightness();
    if (which == QLatin1String("contrast"))
        return picture.Contrast();
    if (which == QLatin1String("gamma"))
        return picture.Gamma();
    if (which == QLatin1String("rotation"))
        return picture.Rotation();
    if (which == QLatin1String("flipvertical"))
        return picture.FlipVertical() ? 1 : 0;
    if (which == QLatin1String("fliphorizontal"))
        return picture.FlipHorizontal() ? 1 : 0;
    return -1;
}

} // namespace

class TestCmnPicture : public QObject
{
    Q_OBJECT
public:
    explicit TestCmnPicture(bool earlyPictureWorked)
        : m_EarlyPictureWorked(earlyPictureWorked)
    {
    }

private slots:
    void cleanup();
    void worksBeforeTheApplicationObject();
    void settersClampAndDropOnlyOnChange_data();
    void settersClampAndDropOnlyOnChange();
    void sourceSettersAndClear();
    void failedLoadWaitsForASetter();
    void cameraPhotosLoadScaled_data();
    void cameraPhotosLoadScaled();
    void copiesCarryPixmapAndError();
    void writesStreamForm_data();
    void writesStreamForm();
    void readsVersionZeroWithoutFlipsOrRotation();
    void rejectsOtherTagOrVersion_data();
    void rejectsOtherTagOrVersion();
    void clampsValuesRead_data();
    void clampsValuesRead();
    void gammaZeroFromStreamStillLoads();
    void cutStreamLeavesDefaults();
    void readsFromMemoryAsFromTheStream_data();
    void readsFromMemoryAsFromTheStream();
    void equality_data();
    void equality();
    void bytesWinOverPath();
    void loadsByPathThroughFolderMapping_data();
    void loadsByPathThroughFolderMapping();
    void builtInResourceFailure();
    void undecodableBytesFailOnce_data();
    void undecodableBytesFailOnce();
    void cachedPixmapsKeepTheirAdjustments_data();
    void cachedPixmapsKeepTheirAdjustments();
    void cacheKeyKeepsTheCaseOfThePath();
    void cacheSwitchOffReadsTheFileAgain();
    void alphaKeptOnlyWithoutAdjustments();
    void isPictureFilePath_data();
    void isPictureFilePath();

private:
    bool m_EarlyPictureWorked;
};

void TestCmnPicture::cleanup()
{
    CmnDestroyMappedFoldersStore();
    CmnSetPictureCacheEnabled(true);
    QPixmapCache::clear();
}

void TestCmnPicture::worksBeforeTheApplicationObject()
{
    // Checked in main before the application object was made; a QPixmap made
    // there would have aborted the program.
    QVERIFY(m_EarlyPictureWorked);
}

void TestCmnPicture::settersClampAndDropOnlyOnChange_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("pixmapKept");

    QTest::newRow("brightness below") << "brightness" << -101 << -100 << false;
    QTest::newRow("brightness above") << "brightness" << 1000 << 100 << false;
    QTest::newRow("brightness unchanged") << "brightness" << 0 << 0 << true;
    QTest::newRow("contrast below") << "contrast" << -1 << 0 << false;
    QTest::newRow("contrast above") << "contrast" << 501 << 500 << false;
    QTest::newRow("contrast unchanged") << "contrast" << 100 << 100 << true;
    QTest::newRow("gamma zero") << "gamma" << 0 << 10 << false;
    QTest::newRow("gamma above") << "gamma" << 501 << 500 << false;
    QTest::newRow("gamma unchanged") << "gamma" << 100 << 100 << true;
    QTest::newRow("rotation above") << "rotation" << 4 << 3 << false;
    // Clamped to the value it already has: nothing changes.
    QTest::newRow("rotation below") << "rotation" << -1 << 0 << true;
    QTest::newRow("flip vertical") << "flipvertical" << 1 << 1 << false;
    QTest::newRow("flip vertical unchanged") << "flipvertical" << 0 << 0 << true;
    QTest::newRow("flip horizontal") << "fliphorizontal" << 1 << 1 << false;
}

void TestCmnPicture::settersClampAndDropOnlyOnChange()
{
    QFETCH(QString, which);
    QFETCH(int, value);
    QFETCH(int, stored);
    QFETCH(bool, pixmapKept);

    CCmnPicture picture = WithBytes(PngBytes(Quadrants()));
    picture.EnsureLoaded();
    QVERIFY(picture.HasPixmap());

    Set(picture, which, value);
    QCOMPARE(Get(picture, which), stored);
    QCOMPARE(picture.HasPixmap(), pixmapKept);
}

void TestCmnPicture::sourceSettersAndClear()
{
    CCmnPicture picture = WithPath(QStringLiteral("a.png"));
    picture.SetBrightness(20);
    picture.SetRotation(2);
    picture.SetImageBytes("xy");
    QCOMPARE(picture.FilePath(), QString());
    QCOMPARE(picture.ImageBytes(), QByteArray("xy"));
    QCOMPARE(picture.Brightness(), 20);

    picture.SetFilePath(QStringLiteral("b.png"));
    QCOMPARE(picture.FilePath(), QStringLiteral("b.png"));
    QCOMPARE(picture.ImageBytes(), QByteArray());
    QCOMPARE(picture.Rotation(), 2);
    QVERIFY(!picture.IsEmpty());

    picture.SetFlipHorizontal(true);
    picture.Clear();
    QVERIFY(picture.IsEmpty());
    QCOMPARE(picture, CCmnPicture());
    QCOMPARE(picture.Brightness(), 0);
    QCOMPARE(picture.Contrast(), 100);
    QCOMPARE(picture.Gamma(), 100);
    QCOMPARE(picture.FlipHorizontal(), false);
    QCOMPARE(picture.Rotation(), 0);
}

void TestCmnPicture::failedLoadWaitsForASetter()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("late.png"));
    CCmnPicture picture = WithPath(path);
    picture.EnsureLoaded();
    QVERIFY(!picture.ErrorText().isEmpty());

    // The file appears: a failed picture is not retried on every use...
    QVERIFY(WriteFile(path, PngBytes(Quadrants())));
    picture.EnsureLoaded();
    QVERIFY(!picture.HasPixmap());

    // ...until a setter clears the failure, even one that sets the same path.
    picture.SetFilePath(path);
    QCOMPARE(picture.ErrorText(), QString());
    picture.EnsureLoaded();
    QVERIFY2(picture.HasPixmap(), qPrintable(picture.ErrorText()));
    QCOMPARE(picture.Pixmap().size(), QSize(2, 2));
}

void TestCmnPicture::copiesCarryPixmapAndError()
{
    CCmnPicture loaded = WithBytes(PngBytes(Quadrants()));
    loaded.EnsureLoaded();
    const CCmnPicture loadedCopy = loaded;
    QVERIFY(loadedCopy.HasPixmap());

    CCmnPicture failed = WithBytes("not an image");
    failed.EnsureLoaded();
    CCmnPicture failedCopy;
    failedCopy = failed;
    QCOMPARE(failedCopy.ErrorText(), failed.ErrorText());
    QVERIFY(!failedCopy.ErrorText().isEmpty());
}

void TestCmnPicture::writesStreamForm_data()
{
    QTest::addColumn<CCmnPicture>("picture");
    QTest::addColumn<QByteArray>("hex");

    QTest::newRow("defaults") << CCmnPicture() << QByteArray("0a0100000000");

    CCmnPicture adjusted = WithPath(QStringLiteral("a.png"));
    adjusted.SetGamma(50);
    adjusted.SetBrightness(-10);
    adjusted.SetContrast(200);
    adjusted.SetFlipVertical(true);
    adjusted.SetRotation(3);
    // flags 0x1d; the path as a UTF-16 string; gamma, brightness, contrast; flips; rotation
    QTest::newRow("path and adjustments")
        << adjusted << QByteArray("0a011d" "0000000a0061002e0070006e0067" "00000032" "fffffff6" "000000c8" "010003");

    CCmnPicture embedded = WithBytes("xy");
    embedded.SetFlipHorizontal(true);
    embedded.SetRotation(1);
    QTest::newRow("image bytes") << embedded << QByteArray("0a0102" "000000027879" "000101");
}

void TestCmnPicture::writesStreamForm()
{
    QFETCH(CCmnPicture, picture);
    QFETCH(QByteArray, hex);

    const QByteArray bytes = StreamBytes(picture);
    QCOMPARE(bytes.toHex(), hex);

    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnPicture read = WithPath(QStringLiteral("old.png"));
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QCOMPARE(read, picture);
    QCOMPARE(read.FilePath(), picture.FilePath());
    QCOMPARE(read.FlipVertical(), picture.FlipVertical());
    QCOMPARE(read.Rotation(), picture.Rotation());
}

void TestCmnPicture::readsVersionZeroWithoutFlipsOrRotation()
{
    // Version 0 ends after the flagged fields; the byte after it belongs to the
    // next object in the stream.
    const QByteArray bytes = QByteArray::fromHex("0a0005" "00000002" "0061" "00000032" "ff");
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnPicture picture;
    picture.SetFlipVertical(true);
    picture.SetRotation(2);
    in >> picture;
    quint8 next = 0;
    in >> next;

    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(next, quint8(0xff));
    QCOMPARE(picture.FilePath(), QStringLiteral("a"));
    QCOMPARE(picture.Gamma(), 50);
    QCOMPARE(picture.FlipVertical(), false);
    QCOMPARE(picture.FlipHorizontal(), false);
    QCOMPARE(picture.Rotation(), 0);
}

void TestCmnPicture::rejectsOtherTagOrVersion_data()
{
    QTest::addColumn<QByteArray>("hex");

    QTest::newRow("tag 9") << QByteArray("090100000000");
    QTest::newRow("tag 11 version 0") << QByteArray("0b0000");
    QTest::newRow("version 2") << QByteArray("0a0200000000");
}

void TestCmnPicture::rejectsOtherTagOrVersion()
{
    QFETCH(QByteArray, hex);

    CCmnPicture start = WithPath(QStringLiteral("old.png"));
    start.SetBrightness(30);
    QDataStream::Status status = QDataStream::Ok;
    const CCmnPicture read = ReadPicture(QByteArray::fromHex(hex), &status, start);
    QCOMPARE(status, QDataStream::ReadCorruptData);
    QCOMPARE(read, CCmnPicture());
    QCOMPARE(read.Brightness(), 0);
}

void TestCmnPicture::clampsValuesRead_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("expected");

    QTest::newRow("gamma 0") << QByteArray("0a0104" "00000000" "000000") << "gamma" << 10;
    QTest::newRow("gamma negative") << QByteArray("0a0104" "fffffff6" "000000") << "gamma" << 10;
    QTest::newRow("gamma huge") << QByteArray("0a0104" "7fffffff" "000000") << "gamma" << 500;
    QTest::newRow("brightness low") << QByteArray("0a0108" "80000000" "000000") << "brightness" << -100;
    QTest::newRow("brightness high") << QByteArray("0a0108" "00000200" "000000") << "brightness" << 100;
    QTest::newRow("contrast negative") << QByteArray("0a0110" "ffffffff" "000000") << "contrast" << 0;
    QTest::newRow("contrast high") << QByteArray("0a0110" "000003e8" "000000") << "contrast" << 500;
    QTest::newRow("rotation 4") << QByteArray("0a0100" "000004") << "rotation" << 3;
    QTest::newRow("rotation 255") << QByteArray("0a0100" "0000ff") << "rotation" << 3;
    QTest::newRow("flip byte 2") << QByteArray("0a0100" "020000") << "flipvertical" << 1;
}

void TestCmnPicture::clampsValuesRead()
{
    QFETCH(QByteArray, hex);
    QFETCH(QString, which);
    QFETCH(int, expected);

    QDataStream::Status status = QDataStream::ReadPastEnd;
    const CCmnPicture read = ReadPicture(QByteArray::fromHex(hex), &status);
    QCOMPARE(status, QDataStream::Ok);
    QCOMPARE(Get(read, which), expected);
}

void TestCmnPicture::gammaZeroFromStreamStillLoads()
{
    const QByteArray png = PngBytes(Filled(qRgb(128, 128, 128)));
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << quint8(10) << quint8(1) << quint8(0x06) << png << qint32(0) << quint8(0) << quint8(0) << quint8(0);

    CCmnPicture picture = ReadPicture(bytes);
    QCOMPARE(picture.Gamma(), 10);
    picture.EnsureLoaded();
    QVERIFY2(picture.HasPixmap(), qPrintable(picture.ErrorText()));
    // gamma 10: 128 becomes trunc(pow(128 / 255, 10) * 255) = 0
    QCOMPARE(TopLeft(picture), qRgb(0, 0, 0));
}

void TestCmnPicture::readsFromMemoryAsFromTheStream_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<bool>("decodes");

    QTest::newRow("defaults") << QByteArray("0a0100000000") << true;
    QTest::newRow("path and adjustments")
        << QByteArray("0a011d" "0000000a0061002e0070006e0067" "00000032" "fffffff6" "000000c8" "010003") << true;
    QTest::newRow("image bytes") << QByteArray("0a0102" "000000027879" "000101") << true;
    QTest::newRow("empty path and bytes") << QByteArray("0a0103" "00000000" "00000000" "000000") << true;
    QTest::newRow("null path") << QByteArray("0a0101" "ffffffff" "000000") << true;
    QTest::newRow("path beyond the basic plane") << QByteArray("0a0101" "00000004" "d83dde00" "000000") << true;
    QTest::newRow("values clamped") << QByteArray("0a011c" "00000000" "80000000" "7fffffff" "0202ff") << true;
    QTest::newRow("version 0") << QByteArray("0a0005" "00000002" "0061" "00000032") << true;
    QTest::newRow("tag 9") << QByteArray("090100000000") << false;
    QTest::newRow("version 2") << QByteArray("0a0200000000") << false;
    QTest::newRow("odd path length") << QByteArray("0a0101" "00000003" "006100" "000000") << false;
    QTest::newRow("bytes longer than the data") << QByteArray("0a0102" "00000010" "7879" "000000") << false;
    QTest::newRow("cut flips") << QByteArray("0a01000000") << false;
    QTest::newRow("cut header") << QByteArray("0a") << false;
}

void TestCmnPicture::readsFromMemoryAsFromTheStream()
{
    QFETCH(QByteArray, hex);
    QFETCH(bool, decodes);

    const QByteArray bytes = QByteArray::fromHex(hex);
    const CCmnPicture start = WithPath(QStringLiteral("old.png"));
    CCmnPicture decoded = start;
    CCmnByteCursor cursor(bytes.constData(), bytes.size());
    QCOMPARE(decoded.Read(cursor), decodes);
    if (!decodes) {
        QCOMPARE(decoded, start);
        return;
    }
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnPicture streamed = start;
    in >> streamed;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(cursor.Data() - bytes.constData(), in.device()->pos());
    QCOMPARE(decoded, streamed);
    QCOMPARE(decoded.FilePath().isNull(), streamed.FilePath().isNull());
    QCOMPARE(StreamBytes(decoded).toHex(), StreamBytes(streamed).toHex());
}

void TestCmnPicture::cutStreamLeavesDefaults()
{
    CCmnPicture full = WithPathAndBytes(QStringLiteral("p.png"), QByteArray("bytes"));
    full.SetGamma(50);
    full.SetBrightness(5);
    full.SetContrast(150);
    full.SetFlipHorizontal(true);
    full.SetRotation(2);
    const QByteArray bytes = StreamBytes(full);
    QCOMPARE(ReadPicture(bytes), full);

    for (qsizetype length = 0; length < bytes.size(); ++length) {
        QDataStream::Status status = QDataStream::Ok;
        const CCmnPicture read = ReadPicture(bytes.left(length), &status);
        QVERIFY2(status != QDataStream::Ok, qPrintable(QString::number(length)));
        QCOMPARE(read, CCmnPicture());
    }

    // A length far beyond the data is refused before anything is allocated.
    QDataStream::Status status = QDataStream::Ok;
    const CCmnPicture read = ReadPicture(QByteArray::fromHex("0a0102" "7ffffff0" "00000000"), &status);
    QCOMPARE(status, QDataStream::ReadCorruptData);
    QCOMPARE(read, CCmnPicture());
}

void TestCmnPicture::equality_data()
{
    QTest::addColumn<CCmnPicture>("first");
    QTest::addColumn<CCmnPicture>("second");
    QTest::addColumn<bool>("equal");

    const QString path = QStringLiteral("/p/dog.png");
    const CCmnPicture byPath = WithPath(path);
    QTest::newRow("defaults") << CCmnPicture() << CCmnPicture() << true;
    QTest::newRow("same path") << byPath << WithPath(path) << true;
    QTest::newRow("path differs in case") << byPath << WithPath(QStringLiteral("/p/Dog.png")) << false;
    QTest::newRow("path against empty") << byPath << CCmnPicture() << false;

    const char *const adjustments[] = {"brightness", "contrast", "gamma", "rotation", "flipvertical",
                                       "fliphorizontal"};
    for (const char *which : adjustments) {
        CCmnPicture changed = byPath;
        Set(changed, QLatin1String(which), 2);
        QTest::addRow("%s differs", which) << byPath << changed << false;
    }

    QTest::newRow("same bytes, other paths")
        << WithPathAndBytes(QStringLiteral("a.png"), "xy") << WithPathAndBytes(QStringLiteral("b.png"), "xy") << true;
    QTest::newRow("other bytes") << WithBytes("xy") << WithBytes("xz") << false;
    QTest::newRow("bytes against path") << WithPathAndBytes(path, "xy") << byPath << false;
    QTest::newRow("bytes against empty") << WithBytes("xy") << CCmnPicture() << false;

    CCmnPicture loaded = WithBytes(PngBytes(Quadrants()));
    loaded.EnsureLoaded();
    CCmnPicture failed = WithBytes(PngBytes(Quadrants()));
    failed.SetImageBytes("junk");
    failed.EnsureLoaded();
    QTest::newRow("pixmap not compared") << loaded << WithBytes(PngBytes(Quadrants())) << true;
    QTest::newRow("error not compared") << failed << WithBytes("junk") << true;
}

void TestCmnPicture::equality()
{
    QFETCH(CCmnPicture, first);
    QFETCH(CCmnPicture, second);
    QFETCH(bool, equal);

    QCOMPARE(first == second, equal);
    QCOMPARE(second == first, equal);
}

void TestCmnPicture::bytesWinOverPath()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("red.png"));
    QVERIFY(WriteFile(path, PngBytes(Filled(kRed))));

    CCmnPicture picture = WithPathAndBytes(path, PngBytes(Filled(kBlue)));
    picture.EnsureLoaded();
    QVERIFY2(picture.HasPixmap(), qPrintable(picture.ErrorText()));
    QCOMPARE(TopLeft(picture), kBlue);
}

void TestCmnPicture::loadsByPathThroughFolderMapping_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");

    QTest::newRow("image") << "photo.png" << PngBytes(Quadrants()) << true;
    QTest::newRow("missing") << "gone.png" << QByteArray() << false;
    QTest::newRow("not an image") << "text.png" << QByteArray("just some text") << false;
    QTest::newRow("huge declared size") << "huge.bmp" << HugeBmp() << false;
}

void TestCmnPicture::loadsByPathThroughFolderMapping()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString moved = dir.filePath(QStringLiteral("moved/") + fileName);
    if (!content.isEmpty())
        QVERIFY(WriteFile(moved, content));
    CmnCreateMappedFoldersStore();
    CmnGetMappedFoldersStore()->AddMapping(dir.filePath(QStringLiteral("old")), dir.filePath(QStringLiteral("moved")));

    const QString path = dir.filePath(QStringLiteral("old/") + fileName);
    CCmnPicture picture = WithPath(path);
    picture.EnsureLoaded();
    QCOMPARE(picture.HasPixmap(), loads);
    if (loads) {
        QCOMPARE(picture.ErrorText(), QString());
        QCOMPARE(TopLeft(picture), kRed);
    } else {
        const QString named = QStringLiteral("cannot load image (") + QDir::toNativeSeparators(path)
                              + QStringLiteral(" [mapped to ") + QDir::toNativeSeparators(moved) + QStringLiteral("])");
        QVERIFY2(picture.ErrorText().startsWith(named), qPrintable(picture.ErrorText()));
    }
}

void TestCmnPicture::builtInResourceFailure()
{
    CCmnPicture picture = WithPath(QStringLiteral(":/no/such/picture.png"));
    picture.EnsureLoaded();
    QVERIFY(!picture.HasPixmap());
    QCOMPARE(picture.ErrorText(), QStringLiteral("INTERNAL ERROR: failed to load image ':/no/such/picture.png'"));
}

void TestCmnPicture::cameraPhotosLoadScaled_data()
{
    QTest::addColumn<int>("megapixels");
    for (const int megapixels : {12, 24, 45, 50})
        QTest::addRow("%d megapixels", megapixels) << megapixels;
}

void TestCmnPicture::cameraPhotosLoadScaled()
{
    QFETCH(int, megapixels);
    // A 3:2 camera frame, plain grey so that encoding stays quick.
    const int width = int(std::sqrt(megapixels * 1.5e6));
    const int height = width * 2 / 3;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    {
        QImage image(width, height, QImage::Format_Grayscale8);
        image.fill(128);
        QVERIFY(image.save(path, "JPEG", 50));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (CCmnPicture picture : {WithPath(path), WithBytes(file.readAll())}) {
        picture.EnsureLoaded();
        QVERIFY2(picture.HasPixmap(), qPrintable(picture.ErrorText()));
        const QSize shown = picture.Pixmap().size();
        QVERIFY2(qint64(shown.width()) * shown.height() <= 16'000'000, qPrintable(QString::number(shown.width())));
        QVERIFY(shown.width() >= width / 2);
        QVERIFY(qAbs(shown.width() * 2 - shown.height() * 3) <= 3);
    }
}

void TestCmnPicture::undecodableBytesFailOnce_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    QTest::newRow("text") << QByteArray("not an image at all") << "cannot load image, ";
    QTest::newRow("cut png") << PngBytes(Quadrants()).left(40) << "cannot load image, ";
    QTest::newRow("huge declared size") << HugeBmp() << "cannot load image, ";
    QTest::newRow("300 megapixels declared") << JpegDeclaring(20000, 15000)
                                             << "cannot load image, image too large (20000 x 15000 pixels)";
}

void TestCmnPicture::undecodableBytesFailOnce()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);

    CCmnPicture picture = WithBytes(bytes);
    picture.EnsureLoaded();
    QVERIFY(!picture.HasPixmap());
    // Recorded, so the next use does not decode the bytes again.
    QVERIFY2(picture.ErrorText().startsWith(error), qPrintable(picture.ErrorText()));
    const QString first = picture.ErrorText();
    picture.EnsureLoaded();
    QCOMPARE(picture.ErrorText(), first);

    picture.SetImageBytes(PngBytes(Quadrants()));
    QCOMPARE(picture.ErrorText(), QString());
    picture.EnsureLoaded();
    QVERIFY(picture.HasPixmap());
}

void TestCmnPicture::cachedPixmapsKeepTheirAdjustments_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("value");
    QTest::addColumn<QRgb>("topLeft");

    QTest::newRow("flip horizontal") << "fliphorizontal" << 1 << kGreen;
    QTest::newRow("flip vertical") << "flipvertical" << 1 << kBlue;
    QTest::newRow("quarter turn") << "rotation" << 1 << kBlue;
    QTest::newRow("half turn") << "rotation" << 2 << kWhite;
    QTest::newRow("three quarter turns") << "rotation" << 3 << kGreen;
    QTest::newRow("brightness") << "brightness" << 100 << kWhite;
    QTest::newRow("contrast") << "contrast" << 0 << qRgb(127, 127, 127);
    QTest::newRow("gamma") << "gamma" << 50 << kRed;
}

void TestCmnPicture::cachedPixmapsKeepTheirAdjustments()
{
    QFETCH(QString, which);
    QFETCH(int, value);
    QFETCH(QRgb, topLeft);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("quadrants.png"));
    QVERIFY(WriteFile(path, PngBytes(Quadrants())));

    CCmnPicture plain = WithPath(path);
    CCmnPicture adjusted = plain;
    Set(adjusted, which, value);
    plain.EnsureLoaded();
    adjusted.EnsureLoaded();
    QCOMPARE(TopLeft(plain), kRed);
    QCOMPARE(TopLeft(adjusted), topLeft);

    // With the file gone both can only come from the cache, each with its own
    // adjustments.
    QVERIFY(QFile::remove(path));
    CCmnPicture plainAgain = WithPath(path);
    CCmnPicture adjustedAgain = plainAgain;
    Set(adjustedAgain, which, value);
    adjustedAgain.EnsureLoaded();
    plainAgain.EnsureLoaded();
    QVERIFY2(plainAgain.HasPixmap(), qPrintable(plainAgain.ErrorText()));
    QVERIFY2(adjustedAgain.HasPixmap(), qPrintable(adjustedAgain.ErrorText()));
    QCOMPARE(TopLeft(plainAgain), kRed);
    QCOMPARE(TopLeft(adjustedAgain), topLeft);
}

void TestCmnPicture::cacheKeyKeepsTheCaseOfThePath()
{
    if (CmnFileNameCaseSensitivity() == Qt::CaseInsensitive)
        QSKIP("File names ignore case here");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lower = dir.filePath(QStringLiteral("dog.png"));
    const QString upper = dir.filePath(QStringLiteral("DOG.png"));
    QVERIFY(WriteFile(lower, PngBytes(Filled(kRed))));
    QVERIFY(WriteFile(upper, PngBytes(Filled(kBlue))));

    CCmnPicture first = WithPath(lower);
    CCmnPicture second = WithPath(upper);
    first.EnsureLoaded();
    second.EnsureLoaded();
    QCOMPARE(TopLeft(first), kRed);
    QCOMPARE(TopLeft(second), kBlue);
}

void TestCmnPicture::cacheSwitchOffReadsTheFileAgain()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("dog.png"));
    QVERIFY(WriteFile(path, PngBytes(Filled(kRed))));
    CCmnPicture cached = WithPath(path);
    cached.EnsureLoaded();
    QVERIFY(cached.HasPixmap());
    QVERIFY(QFile::remove(path));

    CmnSetPictureCacheEnabled(false);
    CCmnPicture uncached = WithPath(path);
    uncached.EnsureLoaded();
    QVERIFY(!uncached.HasPixmap());
    QVERIFY(!uncached.ErrorText().isEmpty());

    CmnSetPictureCacheEnabled(true);
    uncached.SetFilePath(path);
    uncached.EnsureLoaded();
    QVERIFY(uncached.HasPixmap());
}

void TestCmnPicture::alphaKeptOnlyWithoutAdjustments()
{
    CCmnPicture picture = WithBytes(PngBytes(Filled(qRgba(10, 20, 30, 40))));
    picture.EnsureLoaded();
    QVERIFY(picture.Pixmap().hasAlphaChannel());

    picture.SetContrast(120);
    picture.EnsureLoaded();
    QVERIFY(!picture.Pixmap().hasAlphaChannel());
    QCOMPARE(qAlpha(TopLeft(picture)), 255);
}

void TestCmnPicture::isPictureFilePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("isFile");

    QTest::newRow("empty") << "" << false;
    QTest::newRow("resource") << ":/cmn/pixmaps/dog.png" << false;
    QTest::newRow("relative file") << "dog.png" << true;
    QTest::newRow("absolute file") << "/home/u/dog.png" << true;
}

void TestCmnPicture::isPictureFilePath()
{
    QFETCH(QString, path);
    QFETCH(bool, isFile);
    QCOMPARE(CmnIsPictureFilePath(path), isFile);
}

namespace {

// Picture values may exist before the application object (defaults held in
// statics); made, copied and streamed here, none may construct a QPixmap.
bool EarlyPictureWorks()
{
    CCmnPicture picture;
    picture.SetFilePath(QStringLiteral("dog.png"));
    picture.SetBrightness(10);
    const CCmnPicture copy = picture;
    return ReadPicture(StreamBytes(copy)) == picture && !copy.HasPixmap();
}

} // namespace

int main(int argc, char *argv[])
{
    const bool earlyPictureWorked = EarlyPictureWorks();
    QGuiApplication app(argc, argv);
    TestCmnPicture test(earlyPictureWorked);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cmnpicture.moc"
