#include "bioinbreedingsettings.h"

#include "cmnsettingsexchange.h"

#include <QString>

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<CBioInbreedingSettings> &InbreedingSettingsInstance()
{
    static std::unique_ptr<CBioInbreedingSettings> instance;
    return instance;
}

} // namespace

void CBioInbreedingSettings::Exchange(const CCmnSettingsExchange &exchange, const CBioInbreedingSettings &defaults)
{
    exchange.ExchangeInt(QStringLiteral("inbreedinggens"), m_Generations, defaults.m_Generations);
    exchange.ExchangeInt(QStringLiteral("inbreedingdecimals"), m_Decimals, defaults.m_Decimals);
    if (exchange.IsSave())
        return;
    m_Generations = std::clamp(m_Generations, kMinGenerations, kMaxGenerations);
    m_Decimals = std::clamp(m_Decimals, kMinDecimals, kMaxDecimals);
}

void BioCreateInbreedingSettings()
{
    InbreedingSettingsInstance() = std::make_unique<CBioInbreedingSettings>();
}

CBioInbreedingSettings *BioGetInbreedingSettings()
{
    return InbreedingSettingsInstance().get();
}

void BioExchangeInbreedingSettings(const CCmnSettingsExchange &exchange)
{
    InbreedingSettingsInstance()->Exchange(exchange.Child(QStringLiteral("inbreeding")), CBioInbreedingSettings());
}

void BioSetInbreedingSettings(const CBioInbreedingSettings &settings)
{
    *InbreedingSettingsInstance() = settings;
}

void BioDestroyInbreedingSettings()
{
    InbreedingSettingsInstance().reset();
}
