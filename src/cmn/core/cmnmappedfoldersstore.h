#pragma once

#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>

class CCmnSettingsExchange;

// Where moved folders now live: each source folder the user declares is mapped
// to a destination, and every path the program opens or saves is passed through
// MapPath first, so that documents keep working after their files have moved.
class CCmnMappedFoldersStore
{
public:
    CCmnMappedFoldersStore();

    void AddMapping(const QString &source, const QString &destination);
    void Clear();
    qsizetype PairCount() const { return m_SourceFolders.size(); }
    // The source and destination of pair i; an empty pair outside the range.
    QPair<QString, QString> PairAt(qsizetype index) const;

    // The path with the longest source folder that covers it replaced by that
    // source's destination; unchanged when no source covers it.
    QString MapPath(const QString &path);

    // "srcdirs" and "destdirs", both empty by default.
    void Exchange(const CCmnSettingsExchange &exchange);

private:
    void RebuildIndex();

    QStringList m_SourceFolders;      // as the user typed them
    QStringList m_DestinationFolders; // entry i is where source i now lives
    // The lookup index, rebuilt on the first mapping after a change.
    bool m_IndexValid;
    QStringList m_SortedSources;      // "/" separators, longest first
    QHash<QString, QString> m_DestinationBySource;
};

void CmnCreateMappedFoldersStore();
// Null before creation and after destruction.
CCmnMappedFoldersStore *CmnGetMappedFoldersStore();
void CmnExchangeMappedFolders(const CCmnSettingsExchange &exchange);
void CmnAssignMappedFolders(const CCmnMappedFoldersStore &store);
void CmnDestroyMappedFoldersStore();
