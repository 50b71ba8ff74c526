#include "cmnrememberedvalues.h"

#include "cmnsettingsexchange.h"

#include <memory>

namespace {

std::unique_ptr<CCmnRememberedValues> &RememberedValuesInstance()
{
    static std::unique_ptr<CCmnRememberedValues> instance;
    return instance;
}

} // namespace

void CCmnRememberedValues::ExchangeInt(bool read, const QString &key, qint32 &variable, qint32 defaultValue)
{
    if (read)
        variable = m_Values.contains(key) ? m_Values.value(key).toInt() : defaultValue;
    else
        m_Values.insert(key, variable);
}

void CCmnRememberedValues::ExchangeString(bool read, const QString &key, QString &variable,
                                          const QString &defaultValue)
{
    if (read)
        variable = m_Values.contains(key) ? m_Values.value(key).toString() : defaultValue;
    else
        m_Values.insert(key, variable);
}

QVariant CCmnRememberedValues::Value(const QString &key, const QVariant &defaultValue) const
{
    return m_Values.value(key, defaultValue);
}

void CCmnRememberedValues::SetValue(const QString &key, const QVariant &value)
{
    m_Values.insert(key, value);
}

void CCmnRememberedValues::Exchange(const CCmnSettingsExchange &exchange)
{
    exchange.ExchangeVariantHash(QStringLiteral("data"), m_Values, m_Values);
}

void CmnCreateRememberedValues()
{
    if (!RememberedValuesInstance())
        RememberedValuesInstance() = std::make_unique<CCmnRememberedValues>();
}

CCmnRememberedValues *CmnGetRememberedValues()
{
    return RememberedValuesInstance().get();
}

void CmnExchangeRememberedValues(const CCmnSettingsExchange &exchange)
{
    if (CCmnRememberedValues *values = CmnGetRememberedValues())
        values->Exchange(exchange);
}

void CmnDestroyRememberedValues()
{
    RememberedValuesInstance().reset();
}
