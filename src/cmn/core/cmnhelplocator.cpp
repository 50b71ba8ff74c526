#include "cmnhelplocator.h"

#include "cmndesktopopener.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace {

QString UserGuidePath()
{
    return CmnApplicationDirPath() + QStringLiteral("/userguide.pdf");
}

} // namespace

QString CmnApplicationDirPath()
{
    return QCoreApplication::applicationDirPath();
}

QString CmnHelpFolder()
{
    return CmnApplicationDirPath() + QStringLiteral("/help/");
}

QString CmnHelpFolderUrl()
{
    return QUrl::fromLocalFile(CmnHelpFolder()).toString();
}

bool CmnHelpPageExists(const QString &page)
{
    return !page.isEmpty() && QFileInfo::exists(CmnHelpFolder() + page);
}

QString CmnHelpPageUrl(const QString &page)
{
    const QString folderUrl = CmnHelpFolderUrl();
    if (page.isEmpty() || folderUrl.isEmpty())
        return QString();
    return folderUrl + page;
}

void CmnShowHelpPage(QWidget *parent, const QString &page)
{
    Q_UNUSED(parent)
    if (page.isEmpty())
        return;
    CmnOpenUrl(QUrl(CmnHelpFolderUrl() + page));
}

bool CmnUserGuideExists()
{
    return QFileInfo::exists(UserGuidePath());
}

void CmnShowUserGuide()
{
    CmnOpenUrl(QUrl::fromLocalFile(UserGuidePath()));
}
