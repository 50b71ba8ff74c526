#pragma once

#include <QString>
#include <QVariant>

class CCmnSettingsExchange;

// Values the program remembers between runs by key: the last choices made in
// dialogs and panels, the records a form last showed, the columns of the last
// export. Components form their own keys; nothing is ever pruned.
class CCmnRememberedValues
{
public:
    // Unlike the settings exchange, true here means "read into the variable".
    void ExchangeInt(bool read, const QString &key, qint32 &variable, qint32 defaultValue);
    void ExchangeString(bool read, const QString &key, QString &variable, const QString &defaultValue);

    QVariant Value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    void SetValue(const QString &key, const QVariant &value);

    // Loading adds the stored keys; keys present and not stored stay.
    void Exchange(const CCmnSettingsExchange &exchange);

private:
    QVariantHash m_Values;
};

void CmnCreateRememberedValues();
CCmnRememberedValues *CmnGetRememberedValues();
void CmnExchangeRememberedValues(const CCmnSettingsExchange &exchange);
void CmnDestroyRememberedValues();
