#include "cmnregrecorddetailstabs.h"

namespace {

QString FoldedName(const QString &name, const QString &firstTabName, const QSet<QString> &fold)
{
    return fold.contains(name.toLower()) ? firstTabName : name;
}

} // namespace

QList<CCmnRegRecordDetailsTab> CmnRegRecordDetailsTabs(const QList<CCmnRegRecordDetailsLayoutItem> &items,
                                                      const QString &firstTabName, const QStringList &foldNames)
{
    QSet<QString> fold;
    for (const QString &name : foldNames)
        fold.insert(name.toLower());

    QStringList names{firstTabName};
    QSet<QString> seen{firstTabName.toLower()};
    for (const CCmnRegRecordDetailsLayoutItem &item : items) {
        const QString name = FoldedName(item.m_TabName, firstTabName, fold);
        if (name.isEmpty() || seen.contains(name.toLower()))
            continue;
        seen.insert(name.toLower());
        names.append(name);
    }

    QList<CCmnRegRecordDetailsTab> tabs;
    for (const QString &tabName : std::as_const(names)) {
        CCmnRegRecordDetailsTab tab{tabName, {}, {}};
        QString current = firstTabName;
        for (const CCmnRegRecordDetailsLayoutItem &item : items) {
            const QString name = FoldedName(item.m_TabName, firstTabName, fold);
            if (!name.isEmpty())
                current = name;
            if (current.compare(tabName, Qt::CaseInsensitive) != 0)
                continue;
            tab.m_FieldIds.append(item.m_FieldId);
            if (item.m_NewColumn)
                tab.m_ColumnStarts.insert(item.m_FieldId);
        }
        tabs.append(tab);
    }
    return tabs;
}
