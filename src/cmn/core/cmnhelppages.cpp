#include "cmnhelppages.h"

#include "cmnappdescriptor.h"
#include "cmnhtmlescape.h"
#include "cmnwhatsthistexts.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString kUserGuideName = QStringLiteral("userguide.pdf");

// Pages and the guide already written in this run, by path.
QSet<QString> &WrittenThisRun()
{
    static QSet<QString> written;
    return written;
}

// The keys in the help file's order; a table given without one (by a test) in the
// keys' own order.
QStringList OrderedKeys()
{
    QStringList keys = CmnWhatsThisKeyOrder();
    QStringList rest;
    for (auto it = CmnWhatsThisTexts().cbegin(); it != CmnWhatsThisTexts().cend(); ++it) {
        if (!keys.contains(it.key()))
            rest << it.key();
    }
    std::sort(rest.begin(), rest.end());
    return keys + rest;
}

// "PicCtrlSelect" gives "Pic Ctrl Select": a blank before each capital that
// follows a small letter or a digit.
QString SplitWords(const QString &name)
{
    QString words;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c == QLatin1Char('_')) {
            words += QLatin1Char(' ');
            continue;
        }
        if (i > 0 && c.isUpper() && (name.at(i - 1).isLower() || name.at(i - 1).isDigit()))
            words += QLatin1Char(' ');
        words += c;
    }
    return words.simplified();
}

// The sections of one page: a heading per control, then its text.
QString PageSections(const QString &page, int headingLevel)
{
    const QString prefix = page + QLatin1Char(':');
    const QString heading = QStringLiteral("h%1").arg(headingLevel);
    QString sections;
    for (const QString &key : OrderedKeys()) {
        if (!key.startsWith(prefix))
            continue;
        sections += QStringLiteral("<%1>%2</%1>\n").arg(heading, CmnHtmlEscapeChars(SplitWords(key.mid(prefix.size())), false));
        sections += CmnWhatsThisTexts().value(key) + QLatin1Char('\n');
    }
    if (sections.isEmpty())
        sections = QStringLiteral("<p>There is no help for this window yet.</p>\n");
    return sections;
}

QString WriteFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return QString();
}

QString MakeFolder()
{
    const QString folder = CmnGeneratedHelpFolder();
    if (!QDir().mkpath(folder))
        return QStringLiteral("Cannot create the folder %1").arg(QDir::toNativeSeparators(folder));
    return QString();
}

} // namespace

QString CmnGeneratedHelpFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help/");
}

QStringList CmnHelpPageNames()
{
    QStringList pages;
    for (const QString &key : OrderedKeys()) {
        const QString page = key.section(QLatin1Char(':'), 0, 0);
        if (!page.isEmpty() && !pages.contains(page))
            pages << page;
    }
    return pages;
}

QString CmnHelpPageTitle(const QString &page)
{
    QString name = QFileInfo(page).completeBaseName();
    // Class names: "C", then the library's three letters, then the window.
    if (name.size() > 4 && name.at(0) == QLatin1Char('C') && name.at(1).isUpper() && name.at(2).isLower()
        && name.at(3).isLower() && name.at(4).isUpper())
        name = name.mid(4);
    else if (name.size() > 1 && name.at(0) == QLatin1Char('C') && name.at(1).isUpper())
        name = name.mid(1);
    return SplitWords(name);
}

QString CmnHelpPageHtml(const QString &page, const QString &title)
{
    const QString escapedTitle = CmnHtmlEscapeChars(title, false);
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title></head>\n"
                          "<body>\n<h1>%1</h1>\n%2</body></html>\n")
        .arg(escapedTitle, PageSections(page, 2));
}

QString CmnWriteHelpPage(const QString &page, const QString &title, QString *path)
{
    if (page.isEmpty() || QFileInfo(page).fileName() != page || page == QLatin1String("..")
        || page == QLatin1String("."))
        return QStringLiteral("'%1' is not the name of a help page").arg(page);
    *path = CmnGeneratedHelpFolder() + page;
    if (WrittenThisRun().contains(*path) && QFileInfo::exists(*path))
        return QString();
    if (const QString error = MakeFolder(); !error.isEmpty())
        return error;
    const QString shownTitle = title.isEmpty() ? CmnHelpPageTitle(page) : title;
    if (const QString error = WriteFile(*path, CmnHelpPageHtml(page, shownTitle).toUtf8()); !error.isEmpty())
        return error;
    WrittenThisRun().insert(*path);
    return QString();
}

QString CmnWriteUserGuide(QString *path)
{
    *path = CmnGeneratedHelpFolder() + kUserGuideName;
    if (WrittenThisRun().contains(*path) && QFileInfo::exists(*path))
        return QString();
    if (const QString error = MakeFolder(); !error.isEmpty())
        return error;

    const QString guideTitle = CmnGetAppDescriptor().m_ProductDisplayName + QStringLiteral(" User Guide");
    QString html = QStringLiteral("<html><body><h1>%1</h1>\n").arg(CmnHtmlEscapeChars(guideTitle.trimmed(), false));
    for (const QString &page : CmnHelpPageNames()) {
        html += QStringLiteral("<h1 style=\"page-break-before: always\">%1</h1>\n")
                    .arg(CmnHtmlEscapeChars(CmnHelpPageTitle(page), false));
        html += PageSections(page, 2);
    }
    html += QStringLiteral("</body></html>");

    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(*path), file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setTitle(guideTitle);
        QTextDocument document;
        document.setHtml(html);
        document.print(&writer);
    }
    if (!file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(*path), file.errorString());
    WrittenThisRun().insert(*path);
    return QString();
}
