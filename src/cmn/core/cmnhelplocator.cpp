#include "cmnhelplocator.h"

#include "cmndesktopopener.h"
#include "cmnhelppages.h"

#include <QCoreApplication>
#include <QUrl>
#include <QWidget>

namespace {

// The page's URL with the fragment the page name carried, once the page is written.
QString WrittenPageUrl(const QString &page, const QString &title, QString *error)
{
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    const QString name = hash < 0 ? page : page.left(hash);
    QString path;
    *error = CmnWriteHelpPage(name, title, &path);
    if (!error->isEmpty())
        return QString();
    QUrl url = QUrl::fromLocalFile(path);
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    return url.toString();
}

} // namespace

QString CmnApplicationDirPath()
{
    return QCoreApplication::applicationDirPath();
}

QString CmnHelpFolder()
{
    return CmnGeneratedHelpFolder();
}

QString CmnHelpFolderUrl()
{
    return QUrl::fromLocalFile(CmnHelpFolder()).toString();
}

bool CmnHelpPageExists(const QString &page)
{
    return !page.isEmpty() && CmnHelpPageNames().contains(page.section(QLatin1Char('#'), 0, 0));
}

QString CmnHelpPageUrl(const QString &page)
{
    if (page.isEmpty())
        return QString();
    QString error;
    return WrittenPageUrl(page, QString(), &error);
}

QString CmnShowHelpPage(QWidget *parent, const QString &page)
{
    if (page.isEmpty())
        return QString();
    const QString title = parent ? parent->window()->windowTitle() : QString();
    QString error;
    const QString url = WrittenPageUrl(page, title, &error);
    if (error.isEmpty())
        CmnOpenUrl(QUrl(url));
    return error;
}

bool CmnUserGuideExists()
{
    // Written only when opened: the main window asks at every start, and the help
    // texts may not all be there yet.
    return !CmnHelpPageNames().isEmpty();
}

QString CmnShowUserGuide()
{
    QString path;
    const QString error = CmnWriteUserGuide(&path);
    if (error.isEmpty())
        CmnOpenUrl(QUrl::fromLocalFile(path));
    return error;
}
