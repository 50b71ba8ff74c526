#include "cmnaccessiblefolders.h"

#include "cmnsettingsexchange.h"

#include <memory>

namespace {

std::unique_ptr<QStringList> &Instance()
{
    static std::unique_ptr<QStringList> instance;
    return instance;
}

} // namespace

void CmnCreateAccessibleFolders()
{
    if (!Instance())
        Instance() = std::make_unique<QStringList>();
}

QStringList *CmnGetAccessibleFolders()
{
    return Instance().get();
}

void CmnExchangeAccessibleFolders(const CCmnSettingsExchange &exchange)
{
    if (QStringList *folders = CmnGetAccessibleFolders())
        exchange.ExchangeStringList(QStringLiteral("folders"), *folders, QStringList());
}

void CmnSetAccessibleFolders(const QStringList &folders)
{
    if (Instance())
        *Instance() = folders;
}

void CmnDestroyAccessibleFolders()
{
    Instance().reset();
}

QString CmnAccessibleFolderWarning(const QString &path)
{
    Q_UNUSED(path);
    return QString();
}

bool CmnIsInAccessibleFolder(const QString &path)
{
    Q_UNUSED(path);
    return false;
}
