#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnpagefiles.h"
#include "cmnprinter.h"
#include "testpdftools.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QPageLayout kA4Across(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0.5, 0.5, 0.5, 0.5),
                            QPageLayout::Inch);

// Pages with a red rectangle over the top left quarter of the printable area.
TCmnPagePainter RedQuarters(int pages)
{
    return [pages](QPagedPaintDevice &device) {
        QPainter painter;
        if (!painter.begin(&device))
            return false;
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                device.newPage();
            painter.fillRect(QRect(0, 0, device.width() / 2, device.height() / 2), Qt::red);
            painter.drawText(QPointF(device.width() * 0.6, device.height() * 0.6), QStringLiteral("Smith & Jones <UK>"));
        }
        return painter.end();
    };
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString Write(const QString &format, const QString &path, const TCmnPagePainter &paint)
{
    if (format == QLatin1String("ps"))
        return CmnWritePostScriptFile(path, kA4Across, 300, QStringLiteral("Pedigree"), paint);
    if (format == QLatin1String("pdf"))
        return CmnWritePdfFile(path, kA4Across, 300, QStringLiteral("Pedigree"), paint);
    QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return CmnWriteImageFile(path, image, 75);
}

} // namespace

class TestCmnPageFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void writesAPdfOfThePages();
    void postScriptStartsWithItsHeader();
    void recordedPagesComeOutAsPrinted();
    void failureNamesTheFileAndKeepsTheOldOne_data();
    void failureNamesTheFileAndKeepsTheOldOne();
};

void TestCmnPageFiles::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
}

void TestCmnPageFiles::writesAPdfOfThePages()
{
    if (!OrvPdfToolsInstalled())
        QSKIP("poppler's tools are not installed");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Smith & Jones <UK>.pdf"));
    QCOMPARE(CmnWritePdfFile(path, kA4Across, 300, QStringLiteral("Pedigree"), RedQuarters(2)), QString());
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Pages")), QStringLiteral("2"));
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Creator")), QStringLiteral("Orvanta"));
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Title")), QStringLiteral("Pedigree"));
    QVERIFY(OrvPdfInfoField(path, QStringLiteral("Page size")).endsWith(QLatin1String("(A4)")));
}

void TestCmnPageFiles::postScriptStartsWithItsHeader()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pedigree.ps"));
    QCOMPARE(CmnWritePostScriptFile(path, kA4Across, 300, QStringLiteral("Pedigree"), RedQuarters(1)), QString());
    const QByteArray postScript = ReadAll(path);
    QVERIFY2(postScript.startsWith("%!PS-Adobe-3.0"), postScript.left(40).constData());
    QVERIFY(postScript.contains("\n%%Pages: 1\n"));
    QVERIFY(postScript.contains("\n%%Creator: Orvanta\n"));
    QVERIFY(postScript.contains("\n%%DocumentMedia: 297x209mm 842 595"));
}

void TestCmnPageFiles::recordedPagesComeOutAsPrinted()
{
    if (!OrvPdfToolsInstalled())
        QSKIP("poppler's tools are not installed");
    QPrinter target(QPrinter::HighResolution);
    target.setOutputFormat(QPrinter::PdfFormat);
    target.setPageLayout(kA4Across);
    CCmnPrinter recorder(target, CCmnPrinter::RecordOutput);
    QVERIFY(RedQuarters(3)(recorder));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("recorded.pdf"));
    QCOMPARE(CmnWritePdfFile(path, target.pageLayout(), target.resolution(), QStringLiteral("Pedigree"),
                             CmnRecordedPagesPainter(recorder.RecordedPages())),
             QString());
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Pages")), QStringLiteral("3"));
    // At 72 dots per inch the page starts half an inch (36 dots) in.
    const QImage page = OrvRenderPdfPage(path, 72);
    QCOMPARE(page.size(), QSize(842, 595));
    QCOMPARE(page.pixelColor(30, 30), QColor(Qt::white));
    QCOMPARE(page.pixelColor(40, 40), QColor(Qt::red));
    QCOMPARE(page.pixelColor(40 + 385, 40), QColor(Qt::white));
}

void TestCmnPageFiles::failureNamesTheFileAndKeepsTheOldOne_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("unwritableFolder");
    QTest::newRow("pdf, painting fails") << "pdf" << false;
    QTest::newRow("ps, painting fails") << "ps" << false;
    QTest::newRow("pdf, unwritable folder") << "pdf" << true;
    QTest::newRow("ps, unwritable folder") << "ps" << true;
    QTest::newRow("png, unwritable folder") << "png" << true;
    QTest::newRow("no such image format") << "nosuchformat" << false;
}

void TestCmnPageFiles::failureNamesTheFileAndKeepsTheOldOne()
{
    QFETCH(QString, format);
    QFETCH(bool, unwritableFolder);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("pedigree.") + format);
    if (unwritableFolder) {
        path = folder.filePath(QStringLiteral("missing/pedigree.") + format);
    } else {
        WriteFile(path, "an earlier export");
    }
    const TCmnPagePainter failing = [](QPagedPaintDevice &) { return false; };
    QCOMPARE(Write(format, path, failing), QStringLiteral("Failed to export to '%1'").arg(path));
    if (unwritableFolder)
        QVERIFY(!QFile::exists(path));
    else
        QCOMPARE(ReadAll(path), QByteArray("an earlier export"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), unwritableFolder ? 0 : 1);
}

QTEST_MAIN(TestCmnPageFiles)
#include "tst_cmnpagefiles.moc"
