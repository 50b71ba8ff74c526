#include "cmnaccessiblefolders.h"

#include "cmnsettingsexchange.h"

#include <memory>

namespace {

std::unique_ptr<QStringList> &AccessibleFoldersInstance()
{
    static std::unique_ptr<QStringList> instance;
    return instance;
}

} // namespace

void CmnCreateAccessibleFolders()
{
    if (!AccessibleFoldersInstance())
        AccessibleFoldersInstance() = std::make_unique<QStringList>();
}

QStringList *CmnGetAccessibleFolders()
{
    return AccessibleFoldersInstance().get();
}

void CmnExchangeAccessibleFolders(const CCmnSettingsExchange &exchange)
{
    if (QStringList *folders = CmnGetAccessibleFolders())
        exchange.ExchangeStringList(QStringLiteral("folders"), *folders, QStringList());
}

void CmnSetAccessibleFolders(const QStringList &folders)
{
    if (AccessibleFoldersInstance())
        *AccessibleFoldersInstance() = folders;
}

void CmnDestroyAccessibleFolders()
{
    AccessibleFoldersInstance().reset();
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
