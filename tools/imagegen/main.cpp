// Writes the built-in decoration images, the tool-button icons, the application
// icon and their resource files into the given resources folder; with
// --contact-sheet FILE it also draws every decoration, enlarged, with its name
// into pages named after FILE, for looking them over.

#include "cmnpixmapchoices.h"
#include "decorations.h"
#include "toolbuttons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

const QString kPixmapPrefix = QStringLiteral(":/cmn/pixmaps/");
const QString kPixmapFolder = QStringLiteral("cmn/pixmaps");
const QString kIconName = QStringLiteral("Orvanta-96x96.png");
const QString kToolButtonFolder = QStringLiteral("cmn/toolbuttons");
constexpr int kToolButtonSizes[] = {24, 32};

struct CDrawn
{
    QString m_FileName;
    QString m_Label;
    QImage m_Image;
};

bool Fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return false;
}

bool SaveImage(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    if (!image.convertToFormat(QImage::Format_ARGB32).save(&file, "PNG"))
        return Fail(QStringLiteral("Cannot write the image %1.").arg(path));
    if (!file.commit())
        return Fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

// A resource file naming the files (relative to the resources folder) under "/".
bool WriteResourceFile(const QString &path, const QString &comment, const QStringList &files)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return Fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    QTextStream out(&file);
    out << "<!-- Written by orv_imagegen: " << comment << ". -->\n";
    out << "<RCC>\n    <qresource prefix=\"/\">\n";
    for (const QString &name : files)
        out << "        <file>" << name << "</file>\n";
    out << "    </qresource>\n</RCC>\n";
    out.flush();
    if (!file.commit())
        return Fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

// The tool-button icons at both sizes, and their own resource file.
bool WriteToolButtonIcons(const QDir &resources)
{
    if (!resources.mkpath(kToolButtonFolder))
        return Fail(QStringLiteral("Cannot make the folder %1.").arg(resources.filePath(kToolButtonFolder)));
    QStringList files;
    for (const QString &name : ToolButtonIconNames()) {
        for (const int size : kToolButtonSizes) {
            const QString file = QStringLiteral("%1/%2-%3.png").arg(kToolButtonFolder, name).arg(size);
            if (!SaveImage(DrawToolButtonIcon(name, size), resources.filePath(file)))
                return false;
            files << file;
        }
    }
    return WriteResourceFile(resources.filePath(QStringLiteral("cmntoolbuttons.qrc")),
                             QStringLiteral("the tool-button icons"), files);
}

// Pages of images, each at eight times its size without smoothing, so that its
// pixels show, beside itself at its real size with its file name and label; the
// application icon closes the last page.
QList<QImage> ContactSheets(const QList<CDrawn> &drawn, const QImage &icon)
{
    const int zoom = 8;
    const int cellW = 360;
    const int cellH = 16 * zoom + 12;
    const int columns = 4;
    const int rowsPerPage = 6;
    const int perPage = columns * rowsPerPage;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);

    QList<QImage> pages;
    for (int first = 0; first < drawn.size(); first += perPage) {
        const bool last = first + perPage >= drawn.size();
        QImage sheet(columns * cellW, rowsPerPage * cellH + (last ? 120 : 0), QImage::Format_ARGB32);
        sheet.fill(QColor(0xF0, 0xF0, 0xF0));
        QPainter painter(&sheet);
        painter.setFont(font);
        for (int i = first; i < qMin(first + perPage, int(drawn.size())); ++i) {
            const CDrawn &image = drawn.at(i);
            const int x = ((i - first) % columns) * cellW + 6;
            const int y = ((i - first) / columns) * cellH + 6;
            painter.fillRect(QRect(x, y, 16 * zoom, 16 * zoom), Qt::white);
            painter.drawImage(QRect(x, y, image.m_Image.width() * zoom, image.m_Image.height() * zoom),
                              image.m_Image);
            painter.drawImage(QPoint(x + 16 * zoom + 8, y), image.m_Image);
            painter.setPen(Qt::black);
            painter.drawText(QPoint(x + 16 * zoom + 8, y + 36), image.m_FileName);
            painter.drawText(QPoint(x + 16 * zoom + 8, y + 54), image.m_Label);
        }
        if (last) {
            const int iconY = rowsPerPage * cellH + 10;
            painter.drawImage(QPoint(6, iconY), icon);
            painter.drawImage(QPoint(120, iconY + 48),
                              icon.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            painter.drawImage(QPoint(180, iconY + 72),
                              icon.scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            painter.drawText(QPoint(220, iconY + 90), kIconName);
        }
        painter.end();
        pages.append(sheet);
    }
    return pages;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString sheetPath;
    const qsizetype sheetArg = args.indexOf(QStringLiteral("--contact-sheet"));
    if (sheetArg >= 0 && sheetArg + 1 < args.size()) {
        sheetPath = args.at(sheetArg + 1);
        args.remove(sheetArg, 2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: orv_imagegen RESOURCES_FOLDER [--contact-sheet FILE]\n");
        return 2;
    }
    const QDir resources(args.first());
    if (!resources.mkpath(kPixmapFolder)) {
        Fail(QStringLiteral("Cannot make the folder %1.").arg(resources.filePath(kPixmapFolder)));
        return 1;
    }

    QList<CDrawn> drawn;
    for (const TCmnNamedChoice<QString> &choice : CmnGetPixmapChoices()->NamedChoices()) {
        const QString fileName = choice.m_Value.mid(kPixmapPrefix.size());
        QString error;
        const QImage image = DrawDecoration(fileName, &error);
        if (image.isNull()) {
            Fail(error);
            return 1;
        }
        if (!SaveImage(image, resources.filePath(kPixmapFolder + QLatin1Char('/') + fileName)))
            return 1;
        drawn.append({fileName, choice.m_Name, image});
    }
    const QImage icon = DrawApplicationIcon();
    if (!SaveImage(icon, resources.filePath(kIconName)))
        return 1;
    QStringList pixmapFiles{kIconName};
    for (const CDrawn &image : std::as_const(drawn))
        pixmapFiles << kPixmapFolder + QLatin1Char('/') + image.m_FileName;
    if (!WriteResourceFile(resources.filePath(QStringLiteral("cmnpixmaps.qrc")),
                           QStringLiteral("the decoration images and the application icon"), pixmapFiles))
        return 1;
    if (!WriteToolButtonIcons(resources))
        return 1;

    if (!sheetPath.isEmpty()) {
        // FILE.png becomes FILE-1.png, FILE-2.png ...
        const QFileInfo info(sheetPath);
        const QList<QImage> pages = ContactSheets(drawn, icon);
        for (int i = 0; i < pages.size(); ++i) {
            const QString page = info.dir().filePath(
                QStringLiteral("%1-%2.png").arg(info.completeBaseName()).arg(i + 1));
            if (!SaveImage(pages.at(i), page))
                return 1;
        }
    }
    return 0;
}
