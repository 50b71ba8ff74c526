#pragma once

class CCmnSettingsExchange;

// How far back the coefficients of inbreeding look and how many decimal places
// they show. The application keeps one, each animal register a copy of it.
class CBioInbreedingSettings
{
public:
    static constexpr int kDefaultGenerations = 8;
    static constexpr int kDefaultDecimals = 2;
    // The range of the generation choices and of the precision box.
    static constexpr int kMinGenerations = 2;
    static constexpr int kMaxGenerations = 24;
    static constexpr int kMinDecimals = 0;
    static constexpr int kMaxDecimals = 8;

    bool operator==(const CBioInbreedingSettings &other) const = default;

    // Loading clamps each value into its range: the generation limit bounds every
    // ancestry walk, and a damaged store must not make one run without end.
    void Exchange(const CCmnSettingsExchange &exchange, const CBioInbreedingSettings &defaults);

    int m_Generations = kDefaultGenerations;
    int m_Decimals = kDefaultDecimals;
};
