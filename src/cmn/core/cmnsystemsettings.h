#pragma once

#include <QHash>
#include <QString>

class CCmnSettingsExchange;

// The settings that belong to the framework rather than to a document: the
// date-input format, the measurement units, the remembered answers of "don't ask
// again" messages, the first-run flag and named texts that components keep.
class CCmnSystemSettings
{
public:
    CCmnSystemSettings();

    // Loads or saves every member; loading falls back to the given defaults.
    void Exchange(const CCmnSettingsExchange &exchange, const CCmnSystemSettings &defaults);

    QString StringValue(const QString &name, const QString &defaultValue = QString()) const;
    qint32 GetDontAskAgainResult(qint32 messageId) const;
    // An answer of 0 forgets the message's remembered answer.
    void SetDontAskAgainResult(qint32 messageId, qint32 answer);

    QString m_DateInputFormat;
    QHash<qint32, qint32> m_DontAskAgainResults;
    qint32 m_MeasurementUnits;   // an ECmnLengthUnit: 0 inches, 1 centimetres, 2 millimetres
    bool m_FirstRun;
    QHash<QString, QString> m_Strings;
};

void CmnCreateSystemSettings();
CCmnSystemSettings *CmnGetSystemSettings();
void CmnAssignSystemSettings(const CCmnSystemSettings &settings);
// Saving marks the first run as over before it writes.
void CmnExchangeSystemSettings(const CCmnSettingsExchange &exchange);
void CmnDestroySystemSettings();

// How messages tell the user where the preferences are.
QString CmnPreferencesMenuText();

// The "dontaskagainresults" text: "id,answer" pairs joined with ";". Parsing
// skips pieces that are not exactly two parts; a part that is not a number reads 0.
QString CmnDontAskAgainResultsToText(const QHash<qint32, qint32> &results);
QHash<qint32, qint32> CmnDontAskAgainResultsFromText(const QString &text);
