#include "ignoreaccentssetting.h"

#include "cmnsettingsexchange.h"

#include <QString>

#include <memory>

namespace {

constexpr bool kDefaultIgnoreAccents = true;

std::unique_ptr<bool> &Instance()
{
    static std::unique_ptr<bool> instance;
    return instance;
}

} // namespace

void CreateIgnoreAccentsSetting()
{
    Instance() = std::make_unique<bool>(kDefaultIgnoreAccents);
}

bool GetIgnoreAccentsSetting()
{
    return Instance() ? *Instance() : kDefaultIgnoreAccents;
}

void ExchangeIgnoreAccentsSetting(const CCmnSettingsExchange &exchange)
{
    exchange.ExchangeBool(QStringLiteral("foldaccentsinindexes"), *Instance(), kDefaultIgnoreAccents);
}

void SetIgnoreAccentsSetting(bool ignoreAccents)
{
    *Instance() = ignoreAccents;
}

void DestroyIgnoreAccentsSetting()
{
    Instance().reset();
}
