#include "cmndesktopopener.h"

#include <QDesktopServices>

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
