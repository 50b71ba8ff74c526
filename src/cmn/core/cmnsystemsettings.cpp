#include "cmnsystemsettings.h"

#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnsettingsexchange.h"
#include "cmnsystemlocale.h"

#include <QStringList>

#include <algorithm>
#include <memory>

namespace {

constexpr qint32 kLastLengthUnit = 2;

std::unique_ptr<CCmnSystemSettings> &SystemSettingsInstance()
{
    static std::unique_ptr<CCmnSystemSettings> instance;
    return instance;
}

} // namespace

CCmnSystemSettings::CCmnSystemSettings()
    : m_DateInputFormat(CmnDefaultDateInputFormat())
    , m_MeasurementUnits(CmnSystemLocale().measurementSystem() == QLocale::MetricSystem ? 1 : 0)
    , m_FirstRun(true)
{
}

void CCmnSystemSettings::Exchange(const CCmnSettingsExchange &exchange, const CCmnSystemSettings &defaults)
{
    exchange.ExchangeString(QStringLiteral("inputdateformat"), m_DateInputFormat,
                            defaults.m_DateInputFormat, CCmnSettingsExchange::EmptyIsDefault);

    exchange.ExchangeInt(QStringLiteral("measurementunits"), m_MeasurementUnits, defaults.m_MeasurementUnits);
    if (m_MeasurementUnits < 0 || m_MeasurementUnits > kLastLengthUnit)
        m_MeasurementUnits = defaults.m_MeasurementUnits;

    QString answers = CmnDontAskAgainResultsToText(m_DontAskAgainResults);
    exchange.ExchangeString(QStringLiteral("dontaskagainresults"), answers, QString());
    if (!exchange.IsSave())
        m_DontAskAgainResults = CmnDontAskAgainResultsFromText(answers);

    exchange.ExchangeBool(QStringLiteral("firsttimerun"), m_FirstRun, defaults.m_FirstRun);

    QStringList names = m_Strings.keys();
    std::sort(names.begin(), names.end());
    QString joinedNames = names.join(QLatin1Char(','));
    exchange.ExchangeString(QStringLiteral("strings"), joinedNames, QString());
    if (!exchange.IsSave())
        names = joinedNames.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &name : std::as_const(names)) {
        QString &text = m_Strings[name];
        exchange.ExchangeString(QStringLiteral("string_") + name, text, QString());
    }
}

QString CCmnSystemSettings::StringValue(const QString &name, const QString &defaultValue) const
{
    return m_Strings.value(name, defaultValue);
}

qint32 CCmnSystemSettings::GetDontAskAgainResult(qint32 messageId) const
{
    return m_DontAskAgainResults.value(messageId, 0);
}

void CCmnSystemSettings::SetDontAskAgainResult(qint32 messageId, qint32 answer)
{
    if (answer == 0)
        m_DontAskAgainResults.remove(messageId);
    else
        m_DontAskAgainResults.insert(messageId, answer);
}

QString CmnDontAskAgainResultsToText(const QHash<qint32, qint32> &results)
{
    QList<qint32> ids = results.keys();
    std::sort(ids.begin(), ids.end());
    QStringList pieces;
    for (const qint32 id : std::as_const(ids))
        pieces << QStringLiteral("%1,%2").arg(id).arg(results.value(id));
    return pieces.join(QLatin1Char(';'));
}

QHash<qint32, qint32> CmnDontAskAgainResultsFromText(const QString &text)
{
    QHash<qint32, qint32> results;
    for (const QString &piece : text.split(QLatin1Char(';'))) {
        const QStringList parts = piece.split(QLatin1Char(','));
        if (parts.size() == 2)
            results.insert(parts.at(0).toInt(), parts.at(1).toInt());
    }
    return results;
}

void CmnCreateSystemSettings()
{
    if (!SystemSettingsInstance())
        SystemSettingsInstance() = std::make_unique<CCmnSystemSettings>();
}

CCmnSystemSettings *CmnGetSystemSettings()
{
    return SystemSettingsInstance().get();
}

void CmnAssignSystemSettings(const CCmnSystemSettings &settings)
{
    if (SystemSettingsInstance())
        *SystemSettingsInstance() = settings;
}

void CmnExchangeSystemSettings(const CCmnSettingsExchange &exchange)
{
    CCmnSystemSettings *settings = CmnGetSystemSettings();
    if (!settings)
        return;
    if (exchange.IsSave())
        settings->m_FirstRun = false;
    settings->Exchange(exchange, CCmnSystemSettings());
}

void CmnDestroySystemSettings()
{
    SystemSettingsInstance().reset();
}

QString CmnPreferencesMenuText()
{
    return QStringLiteral("<b>%1</b> (on the <b>File</b> menu)").arg(CCmnAppDescriptor::PreferencesName());
}
