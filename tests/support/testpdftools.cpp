#include "testpdftools.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString Run(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

bool OrvPdfToolsInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString OrvPdfInfo(const QString &path)
{
    return Run(QStringLiteral("pdfinfo"), {path});
}

QString OrvPdfInfoField(const QString &path, const QString &field)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(QRegularExpression::escape(field)),
                                  QRegularExpression::MultilineOption);
    return line.match(OrvPdfInfo(path)).captured(1).trimmed();
}

QString OrvPdfText(const QString &path)
{
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

QImage OrvRenderPdfPage(const QString &path, int dotsPerInch, const QString &pngPath)
{
    QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    Run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dotsPerInch),
                                      QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
                                      QStringLiteral("-l"), QStringLiteral("1"), path, stem});
    const QImage image(stem + QStringLiteral(".png"));
    if (!image.isNull() && !pngPath.isEmpty()) {
        QFile::remove(pngPath);
        QFile::copy(stem + QStringLiteral(".png"), pngPath);
    }
    return image;
}
