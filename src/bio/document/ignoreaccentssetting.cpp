#include "ignoreaccentssetting.h"

#include "cmnsettingsexchange.h"

#include <QString>

#include <memory>

namespace {

constexpr bool kDefaultIgnoreAccents = true;

std::unique_ptr<bool> &IgnoreAccentsInstance()
{
    static std::unique_ptr<bool> instance;
    return instance;
}

} // namespace

void CreateIgnoreAccentsSetting()
{
    IgnoreAccentsInstance() = std::make_unique<bool>(kDefaultIgnoreAccents);
}

bool GetIgnoreAccentsSetting()
{
    return IgnoreAccentsInstance() ? *IgnoreAccentsInstance() : kDefaultIgnoreAccents;
}

void ExchangeIgnoreAccentsSetting(const CCmnSettingsExchange &exchange)
{
    exchange.ExchangeBool(QStringLiteral("foldaccentsinindexes"), *IgnoreAccentsInstance(), kDefaultIgnoreAccents);
}

void SetIgnoreAccentsSetting(bool ignoreAccents)
{
    *IgnoreAccentsInstance() = ignoreAccents;
}

void DestroyIgnoreAccentsSetting()
{
    IgnoreAccentsInstance().reset();
}
