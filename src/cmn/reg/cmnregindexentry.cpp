#include "cmnregindexentry.h"

#include "cmnindexkey.h"

CCmnRegIndexEntry CmnRegMakeIndexKeys(const QString &name, bool foldAccents)
{
    const int flags = CmnIndexCollapseSpace | (foldAccents ? CmnIndexFoldAccents : 0);
    QString key1 = CmnNormaliseIndexText(name, flags);
    QString key2 = name.toUpper();
    // Most names normalise to their upper-case form: the two keys then share one text.
    if (key2 == key1)
        key2 = key1;
    return CCmnRegIndexEntry{std::move(key1), std::move(key2), name, 0};
}

bool CmnRegIndexEntryLess(const CCmnRegIndexEntry &a, const CCmnRegIndexEntry &b)
{
    if (const int c = a.m_Key1.compare(b.m_Key1))
        return c < 0;
    if (const int c = a.m_Key2.compare(b.m_Key2))
        return c < 0;
    if (const int c = a.m_Key3.compare(b.m_Key3))
        return c < 0;
    return a.m_Id < b.m_Id;
}
