#include "cmnmappedfoldersstore.h"

#include "cmnfilenames.h"
#include "cmnsettingsexchange.h"

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<CCmnMappedFoldersStore> &MappedFoldersStoreInstance()
{
    static std::unique_ptr<CCmnMappedFoldersStore> instance;
    return instance;
}

// A source typed with backslashes means the same folder with "/": the native
// separator conversion would keep them on this platform, so replace them here.
// A trailing "/" is dropped, or the source could never match a path inside it.
QString NormalisedSource(const QString &source)
{
    QString normalised = source;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (normalised.size() > 1 && normalised.endsWith(QLatin1Char('/')))
        normalised.chop(1);
    return normalised;
}

} // namespace

CCmnMappedFoldersStore::CCmnMappedFoldersStore()
    : m_IndexValid(false)
{
}

void CCmnMappedFoldersStore::AddMapping(const QString &source, const QString &destination)
{
    m_SourceFolders << source;
    m_DestinationFolders << destination;
    m_IndexValid = false;
}

void CCmnMappedFoldersStore::Clear()
{
    m_SourceFolders.clear();
    m_DestinationFolders.clear();
    m_IndexValid = false;
}

QPair<QString, QString> CCmnMappedFoldersStore::PairAt(qsizetype index) const
{
    if (index < 0 || index >= m_SourceFolders.size())
        return {};
    return {m_SourceFolders.at(index), m_DestinationFolders.at(index)};
}

QString CCmnMappedFoldersStore::MapPath(const QString &path)
{
    if (!m_IndexValid)
        RebuildIndex();
    if (m_SortedSources.isEmpty())
        return path;

    const Qt::CaseSensitivity cs = CmnFileNameCaseSensitivity();
    for (const QString &source : std::as_const(m_SortedSources)) {
        if (source.compare(path, cs) == 0)
            return m_DestinationBySource.value(source);
        // The "/" after the prefix keeps a sibling such as /database from
        // being captured by the source /data.
        if (source.size() < path.size() && path.at(source.size()) == QLatin1Char('/')
            && QStringView(path).left(source.size()).compare(source, cs) == 0)
            return m_DestinationBySource.value(source) + path.mid(source.size());
        // A root such as "/" ends with its own "/" and maps every path below it.
        if (source.endsWith(QLatin1Char('/')) && source.size() < path.size()
            && QStringView(path).left(source.size()).compare(source, cs) == 0) {
            QString destination = m_DestinationBySource.value(source);
            if (!destination.endsWith(QLatin1Char('/')))
                destination += QLatin1Char('/');
            return destination + path.mid(source.size());
        }
    }
    return path;
}

void CCmnMappedFoldersStore::Exchange(const CCmnSettingsExchange &exchange)
{
    exchange.ExchangeStringList(QStringLiteral("srcdirs"), m_SourceFolders, QStringList());
    exchange.ExchangeStringList(QStringLiteral("destdirs"), m_DestinationFolders, QStringList());
    if (exchange.IsSave())
        return;
    // A damaged store may hold lists of different lengths; a source without a
    // destination cannot be mapped, so the pairs end with the shorter list.
    const qsizetype pairs = std::min(m_SourceFolders.size(), m_DestinationFolders.size());
    m_SourceFolders.resize(pairs);
    m_DestinationFolders.resize(pairs);
    m_IndexValid = false;
}

void CCmnMappedFoldersStore::RebuildIndex()
{
    m_SortedSources.clear();
    m_DestinationBySource.clear();
    for (qsizetype i = 0; i < m_SourceFolders.size(); ++i) {
        const QString source = NormalisedSource(m_SourceFolders.at(i));
        // An empty source would capture every absolute path.
        if (source.isEmpty())
            continue;
        if (!m_DestinationBySource.contains(source))
            m_SortedSources << source;
        m_DestinationBySource.insert(source, m_DestinationFolders.at(i));
    }
    std::stable_sort(m_SortedSources.begin(), m_SortedSources.end(),
                     [](const QString &a, const QString &b) { return a.size() > b.size(); });
    m_IndexValid = true;
}

void CmnCreateMappedFoldersStore()
{
    if (!MappedFoldersStoreInstance())
        MappedFoldersStoreInstance() = std::make_unique<CCmnMappedFoldersStore>();
}

CCmnMappedFoldersStore *CmnGetMappedFoldersStore()
{
    return MappedFoldersStoreInstance().get();
}

void CmnExchangeMappedFolders(const CCmnSettingsExchange &exchange)
{
    if (CCmnMappedFoldersStore *store = CmnGetMappedFoldersStore())
        store->Exchange(exchange);
}

void CmnAssignMappedFolders(const CCmnMappedFoldersStore &store)
{
    if (MappedFoldersStoreInstance())
        *MappedFoldersStoreInstance() = store;
}

void CmnDestroyMappedFoldersStore()
{
    MappedFoldersStoreInstance().reset();
}
