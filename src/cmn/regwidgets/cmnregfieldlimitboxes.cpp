#include "cmnregfieldlimitboxes.h"

#include "cmndataexchange.h"
#include "cmnexchangeflags.h"
#include "cmnnumberboxes.h"

#include <QLineEdit>

CCmnRegFieldLimitBoxes::CCmnRegFieldLimitBoxes(EKind kind, QLineEdit *minimum, QLineEdit *maximum,
                                               QLineEdit *defaultBox)
    : m_Kind(kind)
    , m_Boxes{minimum, maximum, defaultBox}
{
}

bool CCmnRegFieldLimitBoxes::Exchange(const CCmnDataExchange *context, std::array<double, 3> &values,
                                      std::array<bool, 3> &set, bool current, int decimals, bool spinBox)
{
    for (const EBox box : {Minimum, Maximum, Default}) {
        if (!ExchangeBox(context, box, values[box], set[box], current, decimals))
            return false;
    }
    if (!context->m_Save || !current)
        return true;
    return Check(context, values, set, spinBox);
}

bool CCmnRegFieldLimitBoxes::ExchangeBox(const CCmnDataExchange *context, EBox box, double &value, bool &set,
                                         bool current, int decimals)
{
    QLineEdit *edit = m_Boxes[box];
    if (!context->m_Save) {
        if (!set) {
            m_LoadedTexts.remove(box);
            return true;
        }
        const bool loaded = ExchangeNumber(context, edit, value, decimals);
        m_LoadedTexts.insert(box, edit->text().trimmed());
        return loaded;
    }
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) {
        set = false;
        return true;
    }
    if (set && m_LoadedTexts.value(box, QString()) == text)
        return true;
    double read = value;
    if (current) {
        if (!ExchangeNumber(context, edit, read, decimals))
            return false;
    } else if (!ReadQuietly(text, read)) {
        return true;
    }
    value = read;
    set = true;
    return true;
}

bool CCmnRegFieldLimitBoxes::ExchangeNumber(const CCmnDataExchange *context, QLineEdit *box, double &value,
                                            int decimals) const
{
    // No limits of its own: any value of the type is taken, a longer integer clamped.
    constexpr qint32 flags = CmnExchangeTrim;
    switch (m_Kind) {
    case Integer: {
        qint32 number = qint32(value);
        const bool ok = context->ExchangeIntLineEdit(&number, box, flags, 0, 0, 0);
        value = number;
        return ok;
    }
    case Number:
        return context->ExchangeDoubleLineEdit(&value, box, flags, 0.0, 0.0, 0.0, QString(), decimals);
    case Percentage: {
        float fraction = float(value);
        const bool ok = context->ExchangeFloatLineEdit(&fraction, box, flags, 0.0f, 0.0f, 0.0f, QString(), decimals);
        value = fraction;
        return ok;
    }
    }
    return false;
}

bool CCmnRegFieldLimitBoxes::ReadQuietly(const QString &text, double &value) const
{
    if (m_Kind == Integer) {
        qint64 number = 0;
        if (!CmnReadIntegerBox(text, 0, CmnIntBoxRule(0, 0, 0), &number).IsAccepted())
            return false;
        value = double(number);
        return true;
    }
    CCmnRealBoxRule rule;
    rule.m_Percent = m_Kind == Percentage;
    double number = 0.0;
    if (!CmnReadRealBox(text, 0, rule, &number).IsAccepted())
        return false;
    value = m_Kind == Percentage ? double(float(number)) : number;
    return true;
}

bool CCmnRegFieldLimitBoxes::Check(const CCmnDataExchange *context, const std::array<double, 3> &values,
                                   const std::array<bool, 3> &set, bool spinBox) const
{
    const auto refuse = [context, this](const char *message, EBox box) {
        return context->ShowInvalidLineEdit(QString::fromLatin1(message), QString(), QString(), QString(),
                                            m_Boxes[box]);
    };
    if (set[Minimum] && set[Maximum] && values[Minimum] >= values[Maximum])
        return refuse("Maximum needs to be greater than the minimum.", Minimum);
    if (set[Minimum] && set[Default] && values[Default] < values[Minimum])
        return refuse("Default cannot be less than the minimum.", Default);
    if (set[Maximum] && set[Default] && values[Default] > values[Maximum])
        return refuse("Default cannot be greater than the maximum.", Default);
    if (spinBox && !(set[Minimum] && set[Maximum]))
        return refuse("You must set the minimum and maximum value when using spin box style.", Minimum);
    return true;
}
