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

// The application's own settings, which the preferences edit and each new register
// copies. Created with the defaults; null before creation and after destruction.
void BioCreateInbreedingSettings();
CBioInbreedingSettings *BioGetInbreedingSettings();
// Loads or saves them in the sub-group "inbreeding" of the exchange's group.
void BioExchangeInbreedingSettings(const CCmnSettingsExchange &exchange);
void BioSetInbreedingSettings(const CBioInbreedingSettings &settings);
void BioDestroyInbreedingSettings();
