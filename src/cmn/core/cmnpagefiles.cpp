#include "cmnpagefiles.h"

#include "cmnappdescriptor.h"
#include "cmnfilenames.h"
#include "cmnprinter.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>

#include <poppler-qt6.h>

namespace {

// Paints the pages as a PDF onto the open device; false when painting failed.
bool WritePdf(QIODevice &device, const QPageLayout &layout, int resolution, const QString &title,
              const TCmnPagePainter &paint)
{
    QPdfWriter writer(&device);
    writer.setCreator(CmnGetAppDescriptor().m_ProductDisplayName);
    writer.setTitle(title);
    writer.setResolution(resolution);
    if (!writer.setPageLayout(layout))
        return false;
    return paint(writer);
}

QString Commit(QSaveFile &file)
{
    return file.commit() ? QString() : CmnExportFailedMessage(file.fileName());
}

} // namespace

TCmnPagePainter CmnRecordedPagesPainter(const QList<const QPicture *> &pages)
{
    return [pages](QPagedPaintDevice &device) {
        QPainter painter;
        if (!painter.begin(&device))
            return false;
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0 && !device.newPage())
                return false;
            CmnDrawRecordedPage(painter, QPointF(0, 0), *pages.at(i));
        }
        return painter.end();
    };
}

QString CmnExportFailedMessage(const QString &path)
{
    return QStringLiteral("Failed to export to '%1'").arg(path);
}

QString CmnWritePdfFile(const QString &path, const QPageLayout &layout, int resolution, const QString &title,
                        const TCmnPagePainter &paint)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !WritePdf(file, layout, resolution, title, paint)) {
        file.cancelWriting();
        return CmnExportFailedMessage(path);
    }
    return Commit(file);
}

QString CmnWritePostScriptFile(const QString &path, const QPageLayout &layout, int resolution,
                               const QString &title, const TCmnPagePainter &paint)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CmnExportFailedMessage(path);
    QTemporaryFile pdf;
    std::unique_ptr<Poppler::Document> document;
    if (pdf.open() && WritePdf(pdf, layout, resolution, title, paint) && pdf.flush())
        document = Poppler::Document::load(pdf.fileName());
    if (!document || document->isLocked() || document->numPages() < 1) {
        file.cancelWriting();
        return CmnExportFailedMessage(path);
    }
    const std::unique_ptr<Poppler::PSConverter> converter = document->psConverter();
    QList<int> pages;
    for (int page = 1; page <= document->numPages(); ++page)
        pages.append(page);
    const QSize paper = layout.fullRectPoints().size();
    converter->setOutputDevice(&file);
    converter->setPageList(pages);
    converter->setPaperWidth(paper.width());
    converter->setPaperHeight(paper.height());
    converter->setTitle(title);
    if (!converter->convert()) {
        file.cancelWriting();
        return CmnExportFailedMessage(path);
    }
    return Commit(file);
}

QString CmnWriteImageFile(const QString &path, const QImage &image, int quality)
{
    const QByteArray format = CmnFileExtension(path).toLower().toLatin1();
    QSaveFile file(path);
    if (format.isEmpty() || !file.open(QIODevice::WriteOnly) || !image.save(&file, format.constData(), quality)) {
        file.cancelWriting();
        return CmnExportFailedMessage(path);
    }
    return Commit(file);
}
