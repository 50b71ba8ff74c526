#include "cmnregindexentry.h"

#include "cmnindexkey.h"

namespace {

// Whether the name is ASCII and upper-cases to the key: its only case change is
// then a-z, so the check needs neither the toolkit's case tables nor a new text.
bool AsciiUpperCaseIs(const QString &name, const QString &key)
{
    if (name.size() != key.size())
        return false;
    const QChar *in = name.constData();
    const QChar *out = key.constData();
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t code = in[i].unicode();
        if (code >= 0x80 || (code >= u'a' && code <= u'z' ? code - (u'a' - u'A') : code) != out[i].unicode())
            return false;
    }
    return true;
}

} // namespace

CCmnRegIndexEntry CmnRegMakeIndexKeys(const QString &name, bool foldAccents)
{
    const int flags = CmnIndexCollapseSpace | (foldAccents ? CmnIndexFoldAccents : 0);
    QString key1 = CmnNormaliseIndexText(name, flags);
    // Most names normalise to their upper-case form: the two keys then share one text.
    QString key2 = key1;
    if (!AsciiUpperCaseIs(name, key1)) {
        key2 = CmnUpperCaseText(name);
        if (key2 == key1)
            key2 = key1;
    }
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
