#include "cmnfilehiddensettings.h"

#include <memory>

namespace {

std::unique_ptr<CCmnFileHiddenSettings> &FileHiddenSettingsInstance()
{
    static std::unique_ptr<CCmnFileHiddenSettings> instance;
    return instance;
}

} // namespace

void CCmnFileHiddenSettings::SetValue(const QString &group, const QString &key, const QVariant &value)
{
    m_Groups[group].insert(key, value);
}

QVariant CCmnFileHiddenSettings::Value(const QString &group, const QString &key) const
{
    const auto it = m_Groups.constFind(group);
    return it == m_Groups.cend() ? QVariant() : it->value(key);
}

void CCmnFileHiddenSettings::Exchange(const CCmnSettingsExchange &exchange)
{
    exchange.ExchangeVariantHashHash(QStringLiteral("data"), m_Groups, {});
}

void CmnCreateFileHiddenSettings()
{
    if (!FileHiddenSettingsInstance())
        FileHiddenSettingsInstance() = std::make_unique<CCmnFileHiddenSettings>();
}

CCmnFileHiddenSettings *CmnGetFileHiddenSettings()
{
    return FileHiddenSettingsInstance().get();
}

void CmnExchangeFileHiddenSettings(const CCmnSettingsExchange &exchange)
{
    if (CCmnFileHiddenSettings *settings = CmnGetFileHiddenSettings())
        settings->Exchange(exchange);
}

void CmnDestroyFileHiddenSettings()
{
    FileHiddenSettingsInstance().reset();
}
