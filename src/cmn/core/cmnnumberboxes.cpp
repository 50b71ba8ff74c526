#include "cmnnumberboxes.h"

#include "cmnexchangeflags.h"
#include "cmnnumbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool IsLenientNumber(qint32 flags)
{
    return flags & CmnExchangeNoValidation;
}

CCmnExchangeVerdict RefuseMissingValue()
{
    return CCmnExchangeVerdict::Refuse(QStringLiteral("A value is required here"),
                                       QStringLiteral("A value is required in the '%1' box"));
}

// The decision for a box whose text gave no number: an empty box takes the default
// unless it is required; anything else typed is refused. Lenient readings accept.
bool TakesDefault(const QString &text, qint32 flags)
{
    if (IsLenientNumber(flags))
        return true;
    return text.trimmed().isEmpty() && !(flags & CmnExchangeRequired);
}

// The two messages of one limit, the value's text filled in.
struct CLimitMessages
{
    const char *m_Here;
    const char *m_InBox;
};

CCmnExchangeVerdict RefuseLimit(const CLimitMessages &messages, const QString &limitText)
{
    return CCmnExchangeVerdict::Refuse(CmnFillValuePlaceholder(QLatin1String(messages.m_Here), limitText),
                                       CmnFillValuePlaceholder(QLatin1String(messages.m_InBox), limitText));
}

// The limit checks shared by both kinds of number; the minimum is tested first and
// only a value that passes it meets the maximum.
template <typename T>
struct TLimits
{
    T m_Minimum;
    T m_Maximum;
    qint32 m_Flags;

    bool ChecksMinimum() const { return m_Maximum > m_Minimum || (m_Flags & CmnExchangeCheckMinimum); }
    bool ChecksMaximum() const { return m_Maximum > m_Minimum || (m_Flags & CmnExchangeCheckMaximum); }
};

template <typename T, typename TextFn>
CCmnExchangeVerdict CheckLimits(T value, const TLimits<T> &limits, const CLimitMessages &below,
                                const CLimitMessages &above, TextFn limitText)
{
    if (limits.ChecksMinimum() && value < limits.m_Minimum)
        return RefuseLimit(below, limitText(limits.m_Minimum));
    if (limits.ChecksMaximum() && value > limits.m_Maximum)
        return RefuseLimit(above, limitText(limits.m_Maximum));
    return CCmnExchangeVerdict::Accept();
}

constexpr CLimitMessages kIntegerBelow = {"Minimum value %1 expected here", "Minimum value %1 expected in the '%%1' box"};
constexpr CLimitMessages kIntegerAbove = {"Maximum value %1 expected here", "Maximum value %1 expected in the '%%1' box"};
constexpr CLimitMessages kRealBelow = {"Please enter at least %1 in this box", "Please enter at least %1 in the '%%1' box"};
constexpr CLimitMessages kRealAbove = {"Please enter at most %1 in this box", "Please enter at most %1 in the '%%1' box"};

} // namespace

CCmnIntegerBoxRule CmnIntBoxRule(qint32 defaultValue, qint32 minimum, qint32 maximum)
{
    return {defaultValue, minimum, maximum, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
}

CCmnIntegerBoxRule CmnLongBoxRule(qint32 defaultValue, qint32 minimum, qint32 maximum)
{
    return {defaultValue, minimum, maximum, -std::numeric_limits<qint32>::max(), std::numeric_limits<qint32>::max()};
}

CCmnExchangeVerdict CmnReadIntegerBox(const QString &text, qint32 flags, const CCmnIntegerBoxRule &rule,
                                      qint64 *value)
{
    bool ok = false;
    qint64 number = text.toLongLong(&ok, 10);
    if (!ok) {
        if (!TakesDefault(text, flags))
            return RefuseMissingValue();
        *value = rule.m_Default;
        return CCmnExchangeVerdict::Accept();
    }
    if (rule.m_TypeMinimum < rule.m_TypeMaximum)
        number = std::clamp(number, rule.m_TypeMinimum, rule.m_TypeMaximum);
    if (!IsLenientNumber(flags)) {
        const CCmnExchangeVerdict verdict = CheckLimits<qint64>(
            number, {rule.m_Minimum, rule.m_Maximum, flags}, kIntegerBelow, kIntegerAbove, CmnInt64ToString);
        if (!verdict.IsAccepted())
            return verdict;
    }
    *value = number;
    return CCmnExchangeVerdict::Accept();
}

QString CmnRealBoxText(double value, qint32 decimals, bool percent)
{
    if (percent)
        return CmnDoubleToString(value * 100, decimals) + QLatin1Char('%');
    return CmnDoubleToString(value, decimals);
}

CCmnExchangeVerdict CmnReadRealBox(const QString &text, qint32 flags, const CCmnRealBoxRule &rule,
                                   double *value)
{
    QString typed = text.trimmed();
    if (rule.m_Percent && typed.endsWith(QLatin1Char('%')))
        typed.chop(1);
    bool ok = false;
    double number = typed.toDouble(&ok);
    // "nan" and "inf" read as numbers, but no limit can hold them back.
    if (!ok || !std::isfinite(number)) {
        if (!TakesDefault(typed, flags))
            return RefuseMissingValue();
        *value = rule.m_Default;
        return CCmnExchangeVerdict::Accept();
    }
    if (rule.m_Percent)
        number /= 100;
    *value = number;
    if (IsLenientNumber(flags))
        return CCmnExchangeVerdict::Accept();

    const auto limitText = [&rule](double limit) {
        return rule.m_Percent ? CmnPercentToString(limit, rule.m_Decimals)
                              : CmnDoubleToString(limit, rule.m_Decimals);
    };
    return CheckLimits<double>(number, {rule.m_Minimum, rule.m_Maximum, flags}, kRealBelow, kRealAbove, limitText);
}
