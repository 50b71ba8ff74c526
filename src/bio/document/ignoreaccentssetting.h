#pragma once

class CCmnSettingsExchange;

// The preference "Ignore accents within index": whether the name indexes of
// documents created from now on fold accented letters. On by default; each new
// document copies it into its register when it is created, so a change reaches
// only documents opened or created after it.

void CreateIgnoreAccentsSetting();
bool GetIgnoreAccentsSetting();
// Loads or saves the boolean "foldaccentsinindexes" of the exchange's group.
void ExchangeIgnoreAccentsSetting(const CCmnSettingsExchange &exchange);
void SetIgnoreAccentsSetting(bool ignoreAccents);
void DestroyIgnoreAccentsSetting();
