#include "cmnmappedpath.h"

#include "cmnmappedfoldersstore.h"

#include <QDir>
#include <QIODevice>

CCmnMappedPath::CCmnMappedPath(const QString &path)
    : m_Path(path)
    , m_MappedPath(path)
{
    if (CCmnMappedFoldersStore *store = CmnGetMappedFoldersStore())
        m_MappedPath = store->MapPath(path);
}

QString CCmnMappedPath::MessageText(const QString &message, const QString &detail) const
{
    if (m_MappedPath.isEmpty())
        return message;
    QString text = message + QStringLiteral(" (") + QDir::toNativeSeparators(m_Path);
    if (m_MappedPath != m_Path)
        text += QStringLiteral(" [mapped to ") + QDir::toNativeSeparators(m_MappedPath) + QLatin1Char(']');
    text += QLatin1Char(')');
    if (!detail.isEmpty())
        text += QStringLiteral(", ") + detail;
    return text;
}
