#include "cmnsettingsexchange.h"

#include "cmndatastream.h"
#include "cmnregfieldvalue.h"
#include "cmntext.h"

#include <QDataStream>
#include <QIODevice>
#include <QSettings>

#include <algorithm>
#include <map>

namespace {

constexpr qsizetype kValuePartSize = 256;
const QLatin1String kPartsMarker("_mpv");

// The store reads "/" and "\" inside a key as group separators, so such a key
// would land in a subgroup and never be found again.
bool IsSingleKey(const QString &key)
{
    return !key.isEmpty() && !key.contains(QLatin1Char('/')) && !key.contains(QLatin1Char('\\'));
}

bool WarnUnlessSingleKey(const QString &key)
{
    if (IsSingleKey(key))
        return true;
    qWarning("CCmnSettingsExchange: the key \"%s\" holds a group separator and is not stored",
             qUtf8Printable(key));
    return false;
}

// The part keys "<count key>_1" ... "<count key>_n" present among the keys, by
// part number. Looking only at keys that exist keeps a damaged count harmless.
std::map<qint32, QString> PartKeys(const QStringList &keys, const QString &countKey, qint32 count)
{
    std::map<qint32, QString> parts;
    const QString prefix = countKey + QLatin1Char('_');
    for (const QString &key : keys) {
        if (!key.startsWith(prefix))
            continue;
        bool isNumber = false;
        const qint32 part = key.mid(prefix.size()).toInt(&isNumber);
        if (isNumber && part >= 1 && part <= count)
            parts.emplace(part, key);
    }
    return parts;
}

// Keys in sorted order, so that the same content always writes the same store.
template <typename THash>
QStringList SortedKeys(const THash &hash)
{
    QStringList keys = hash.keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace

CCmnSettingsExchange::CCmnSettingsExchange(bool save, QSharedPointer<QSettings> settings,
                                           const QString &groupPath)
    : m_Save(save)
    , m_Settings(settings ? std::move(settings) : QSharedPointer<QSettings>::create())
    , m_GroupPath(groupPath)
{
}

CCmnSettingsExchange::~CCmnSettingsExchange() = default;

CCmnSettingsExchange CCmnSettingsExchange::Child(const QString &name) const
{
    return CCmnSettingsExchange(m_Save, m_Settings,
                                m_GroupPath.isEmpty() ? name : m_GroupPath + QLatin1Char('/') + name);
}

QString CCmnSettingsExchange::Key(const QString &name) const
{
    return m_GroupPath.isEmpty() ? name : m_GroupPath + QLatin1Char('/') + name;
}

void CCmnSettingsExchange::ExchangeBool(const QString &name, bool &variable, bool defaultValue) const
{
    const QString key = Key(name);
    if (m_Save) {
        m_Settings->setValue(key, variable);
        return;
    }
    // A damaged value reads as missing: any other text would read as true.
    const QString text = m_Settings->value(key).toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        variable = true;
    else if (text == QLatin1String("false") || text == QLatin1String("0"))
        variable = false;
    else
        variable = defaultValue;
}

void CCmnSettingsExchange::ExchangeInt(const QString &name, qint32 &variable, qint32 defaultValue) const
{
    const QString key = Key(name);
    if (m_Save) {
        m_Settings->setValue(key, variable);
        return;
    }
    // A damaged value reads as missing, not as 0.
    bool isNumber = false;
    const qint32 value = m_Settings->value(key).toInt(&isNumber);
    variable = isNumber ? value : defaultValue;
}

void CCmnSettingsExchange::ExchangeString(const QString &name, QString &variable,
                                          const QString &defaultValue, int flags) const
{
    const QString key = Key(name);
    if (m_Save) {
        m_Settings->setValue(key, variable);
        return;
    }
    variable = m_Settings->contains(key) ? m_Settings->value(key).toString() : defaultValue;
    if ((flags & EmptyIsDefault) && variable.isEmpty())
        variable = defaultValue;
}

void CCmnSettingsExchange::ExchangeStringList(const QString &name, QStringList &variable,
                                              const QStringList &defaultValue) const
{
    const QString countName = name + QStringLiteral("_count");
    auto itemName = [&name](qint32 i) { return QStringLiteral("%1_%2").arg(name).arg(i); };

    if (m_Save) {
        // Items of a longer list saved earlier stay behind; the count hides them.
        const qint32 count = qint32(variable.size());
        for (qint32 i = 1; i <= count; ++i)
            m_Settings->setValue(Key(itemName(i)), variable.at(i - 1));
        m_Settings->setValue(Key(countName), count);
        return;
    }

    qint32 count = -1;
    ExchangeInt(countName, count, -1);
    if (count < 0) {
        variable = defaultValue;
        return;
    }
    // Every item has a key of its own, so a count beyond the keys present can only
    // come from a damaged store: it must not make us build a huge list.
    m_Settings->beginGroup(m_GroupPath);
    const qint32 keysPresent = qint32(m_Settings->childKeys().size());
    m_Settings->endGroup();
    count = std::min(count, keysPresent);
    variable.clear();
    for (qint32 i = 1; i <= count; ++i)
        variable << m_Settings->value(Key(itemName(i))).toString();
}

bool CCmnSettingsExchange::IsChildGroupPresent(const QString &name) const
{
    m_Settings->beginGroup(m_GroupPath);
    const bool present = m_Settings->childGroups().contains(name, Qt::CaseSensitive);
    m_Settings->endGroup();
    return present;
}

QStringList CCmnSettingsExchange::KeysOfGroup(const QString &name) const
{
    m_Settings->beginGroup(Key(name));
    const QStringList keys = m_Settings->childKeys();
    m_Settings->endGroup();
    return keys;
}

void CCmnSettingsExchange::ExchangeByteArrayHash(const QString &name, TCmnByteArrayHash &variable,
                                                 const TCmnByteArrayHash &defaultValue) const
{
    if (m_Save) {
        const QStringList oldKeys = KeysOfGroup(name);
        m_Settings->beginGroup(Key(name));
        for (const QString &key : oldKeys) {
            if (key.endsWith(kPartsMarker)) {
                const qint32 count = m_Settings->value(key).toInt();
                for (const auto &part : PartKeys(oldKeys, key, count))
                    m_Settings->remove(part.second);
                m_Settings->remove(key);
            } else if (!key.contains(kPartsMarker)) {
                m_Settings->remove(key);
            }
        }
        for (const QString &key : SortedKeys(variable)) {
            if (!WarnUnlessSingleKey(key))
                continue;
            const QByteArray value = variable.value(key);
            if (value.size() <= kValuePartSize) {
                m_Settings->setValue(key, value);
                continue;
            }
            const QString countKey = key + kPartsMarker;
            const qint32 count = qint32((value.size() + kValuePartSize - 1) / kValuePartSize);
            m_Settings->setValue(countKey, count);
            for (qint32 part = 1; part <= count; ++part)
                m_Settings->setValue(QStringLiteral("%1_%2").arg(countKey).arg(part),
                                     value.mid((part - 1) * kValuePartSize, kValuePartSize));
        }
        m_Settings->endGroup();
        return;
    }

    if (!IsChildGroupPresent(name)) {
        variable = defaultValue;
        return;
    }
    const QStringList keys = KeysOfGroup(name);
    m_Settings->beginGroup(Key(name));
    for (const QString &key : keys) {
        if (key.endsWith(kPartsMarker)) {
            const qint32 count = m_Settings->value(key).toInt();
            QByteArray value;
            for (const auto &part : PartKeys(keys, key, count))
                value += m_Settings->value(part.second).toByteArray();
            variable.insert(key.chopped(kPartsMarker.size()), value);
        } else if (!key.contains(kPartsMarker)) {
            variable.insert(key, m_Settings->value(key).toByteArray());
        }
    }
    m_Settings->endGroup();
}

void CCmnSettingsExchange::ExchangeVariantHash(const QString &name, QVariantHash &variable,
                                               const QVariantHash &defaultValue) const
{
    if (m_Save) {
        const QStringList oldKeys = KeysOfGroup(name);
        m_Settings->beginGroup(Key(name));
        for (const QString &key : oldKeys) {
            if (!variable.contains(key))
                m_Settings->remove(key);
        }
        for (const QString &key : SortedKeys(variable)) {
            if (WarnUnlessSingleKey(key))
                m_Settings->setValue(key, variable.value(key));
        }
        m_Settings->endGroup();
        return;
    }

    if (!IsChildGroupPresent(name)) {
        variable = defaultValue;
        return;
    }
    const QStringList keys = KeysOfGroup(name);
    m_Settings->beginGroup(Key(name));
    for (const QString &key : keys)
        variable.insert(key, m_Settings->value(key));
    m_Settings->endGroup();
}

void CCmnSettingsExchange::ExchangeVariantHashHash(const QString &name, TCmnVariantHashHash &variable,
                                                   const TCmnVariantHashHash &defaultValue) const
{
    if (m_Save) {
        TCmnByteArrayHash arrays = CmnVariantHashesToByteArrays(variable);
        ExchangeByteArrayHash(name, arrays, {});
        return;
    }
    TCmnByteArrayHash arrays;
    ExchangeByteArrayHash(name, arrays, CmnVariantHashesToByteArrays(defaultValue));
    variable = CmnByteArraysToVariantHashes(arrays);
}

TCmnByteArrayHash CmnVariantHashesToByteArrays(const TCmnVariantHashHash &hashes)
{
    TCmnByteArrayHash arrays;
    for (auto it = hashes.cbegin(); it != hashes.cend(); ++it) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        CmnPrepareDataStream(stream);
        // The toolkit's own hash form, entries in key order so that equal content
        // always gives equal bytes.
        const QStringList keys = SortedKeys(it.value());
        stream << quint32(keys.size());
        for (const QString &key : keys)
            stream << key << it.value().value(key);
        arrays.insert(CmnToHex(it.key().toUtf8()), bytes);
    }
    return arrays;
}

namespace {

// The toolkit's hash form, read item by item: the count is checked against the
// bytes there are (an item takes at least a key's and a type's 4 bytes each),
// and every value must be a flat one before the toolkit reads it.
bool ReadFlatVariantHash(QDataStream &stream, qsizetype size, QVariantHash &hash)
{
    quint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok || qint64(count) > (size - 4) / 8)
        return false;
    for (quint32 i = 0; i < count; ++i) {
        QString key;
        stream >> key;
        if (stream.status() != QDataStream::Ok || !CmnNextVariantIsFlatValue(stream))
            return false;
        QVariant value;
        stream >> value;
        if (stream.status() != QDataStream::Ok)
            return false;
        hash.insert(key, value);
    }
    return true;
}

} // namespace

TCmnVariantHashHash CmnByteArraysToVariantHashes(const TCmnByteArrayHash &arrays)
{
    TCmnVariantHashHash hashes;
    for (auto it = arrays.cbegin(); it != arrays.cend(); ++it) {
        QDataStream stream(it.value());
        CmnPrepareDataStream(stream);
        const QString name = QString::fromUtf8(CmnFromHex(it.key()));
        QVariantHash inner;
        if (!ReadFlatVariantHash(stream, it.value().size(), inner)) {
            qWarning("Settings value '%s' is damaged and was ignored", qPrintable(name));
            inner.clear();
        }
        hashes.insert(name, inner);
    }
    return hashes;
}
