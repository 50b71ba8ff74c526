#include "cmndesktopopener.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace {

TCmnUrlOpener &CurrentOpener()
{
    static TCmnUrlOpener opener;
    return opener;
}

} // namespace

bool CmnOpenUrl(const QUrl &url)
{
    const TCmnUrlOpener &opener = CurrentOpener();
    return opener ? opener(url) : QDesktopServices::openUrl(url);
}

TCmnUrlOpener CmnSetUrlOpener(TCmnUrlOpener opener)
{
    return std::exchange(CurrentOpener(), std::move(opener));
}

QUrl CmnCreatedFileUrl(const QString &path)
{
    if (path.isEmpty())
        return QUrl();
    const QFileInfo info(path);
    // A relative path would give a URL that no desktop handler resolves.
    return info.isFile() ? QUrl::fromLocalFile(info.absoluteFilePath()) : QUrl();
}
