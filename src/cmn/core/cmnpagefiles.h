#pragma once

#include <QList>
#include <QString>

#include <functional>

class QImage;
class QPageLayout;
class QPagedPaintDevice;
class QPicture;

// The files a page is written to: PDF, PostScript and images. Each is written
// whole to a temporary file that replaces the file at the path only once every
// page is in it, so a failure leaves an earlier file as it was; each failure
// is reported, naming the file.

// Paints every page on the device (a QPainter opened on it, newPage between
// pages); false when painting could not start.
using TCmnPagePainter = std::function<bool(QPagedPaintDevice &device)>;

// Paints recorded pages, each at the device's origin: on a device laid out as
// the printer that recorded them, they come out as that printer would print.
TCmnPagePainter CmnRecordedPagesPainter(const QList<const QPicture *> &pages);

// "Failed to export to '%1'" with the path: what every failed page file says.
QString CmnExportFailedMessage(const QString &path);

// A PDF of the pages laid out as the layout at the resolution, the product
// named as its creator and the title as its title. Empty on success, else the
// message.
[[nodiscard]] QString CmnWritePdfFile(const QString &path, const QPageLayout &layout, int resolution,
                                      const QString &title, const TCmnPagePainter &paint);

// The same as PostScript: the toolkit makes no PostScript, so the pages go to
// a temporary PDF that poppler converts.
[[nodiscard]] QString CmnWritePostScriptFile(const QString &path, const QPageLayout &layout, int resolution,
                                             const QString &title, const TCmnPagePainter &paint);

// The image in the format its file's extension names, at the quality (0 to
// 100, -1 for the writer's default).
[[nodiscard]] QString CmnWriteImageFile(const QString &path, const QImage &image, int quality);
