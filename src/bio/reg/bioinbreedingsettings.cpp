#include "bioinbreedingsettings.h"

#include "cmnsettingsexchange.h"

#include <QString>

#include <algorithm>

void CBioInbreedingSettings::Exchange(const CCmnSettingsExchange &exchange, const CBioInbreedingSettings &defaults)
{
    exchange.ExchangeInt(QStringLiteral("inbreedinggens"), m_Generations, defaults.m_Generations);
    exchange.ExchangeInt(QStringLiteral("inbreedingdecimals"), m_Decimals, defaults.m_Decimals);
    if (exchange.IsSave())
        return;
    m_Generations = std::clamp(m_Generations, kMinGenerations, kMaxGenerations);
    m_Decimals = std::clamp(m_Decimals, kMinDecimals, kMaxDecimals);
}
