#pragma once

#include <QByteArray>
#include <QHash>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSettings;

using TCmnByteArrayHash = QHash<QString, QByteArray>;
using TCmnVariantHashHash = QHash<QString, QVariantHash>;

// Moves one component's settings between memory and the settings store in either
// direction, so that loading and saving run through the same code and cannot drift
// apart. Copies and children share one settings object; the last one releases it.
class CCmnSettingsExchange
{
public:
    // Flags of ExchangeString.
    enum EStringFlag {
        EmptyIsDefault = 0x1, // when loading, an empty stored text counts as missing
    };

    // With no settings object, a default one (organisation and application names
    // of the framework initialisation) is created and shared.
    explicit CCmnSettingsExchange(bool save, QSharedPointer<QSettings> settings = {},
                                  const QString &groupPath = QString());
    ~CCmnSettingsExchange();

    bool IsSave() const { return m_Save; }
    QSettings &Settings() const { return *m_Settings; }
    QString GroupPath() const { return m_GroupPath; }

    CCmnSettingsExchange Child(const QString &name) const;
    QString Key(const QString &name) const;

    void ExchangeBool(const QString &name, bool &variable, bool defaultValue) const;
    void ExchangeInt(const QString &name, qint32 &variable, qint32 defaultValue) const;
    void ExchangeString(const QString &name, QString &variable, const QString &defaultValue,
                        int flags = 0) const;
    void ExchangeStringList(const QString &name, QStringList &variable,
                            const QStringList &defaultValue) const;
    void ExchangeByteArrayHash(const QString &name, TCmnByteArrayHash &variable,
                               const TCmnByteArrayHash &defaultValue) const;
    void ExchangeVariantHash(const QString &name, QVariantHash &variable,
                             const QVariantHash &defaultValue) const;
    void ExchangeVariantHashHash(const QString &name, TCmnVariantHashHash &variable,
                                 const TCmnVariantHashHash &defaultValue) const;

private:
    bool IsChildGroupPresent(const QString &name) const;
    QStringList KeysOfGroup(const QString &name) const;

    bool m_Save;
    QSharedPointer<QSettings> m_Settings;
    QString m_GroupPath;
};

// A hash of hashes as byte arrays: keys become the hexadecimal form of their UTF-8
// bytes (any group name is then a valid store key) and each inner hash its
// data-stream form. CmnByteArraysToVariantHashes is the exact reverse; an inner
// hash whose bytes cannot be decoded comes back empty.
TCmnByteArrayHash CmnVariantHashesToByteArrays(const TCmnVariantHashHash &hashes);
TCmnVariantHashHash CmnByteArraysToVariantHashes(const TCmnByteArrayHash &arrays);
