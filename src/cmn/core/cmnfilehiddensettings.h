#pragma once

#include "cmnsettingsexchange.h"

// Values remembered per file: for each file path a small table of named values,
// such as the text encoding, delimited-text format and columns last used to
// import that file. Nothing is ever pruned.
class CCmnFileHiddenSettings
{
public:
    void SetValue(const QString &group, const QString &key, const QVariant &value);
    // An invalid variant when the file or the key was never stored.
    QVariant Value(const QString &group, const QString &key) const;

    // Loading replaces the whole store.
    void Exchange(const CCmnSettingsExchange &exchange);

private:
    TCmnVariantHashHash m_Groups;
};

void CmnCreateFileHiddenSettings();
CCmnFileHiddenSettings *CmnGetFileHiddenSettings();
void CmnExchangeFileHiddenSettings(const CCmnSettingsExchange &exchange);
void CmnDestroyFileHiddenSettings();
