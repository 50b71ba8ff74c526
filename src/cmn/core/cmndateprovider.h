#pragma once

#include <QDate>
#include <QLocale>

#include <optional>

// Today's date and the locale as the date code sees them: two-digit years take their
// century from Today(), and CCmnDate::Today() is Today(). The process-wide provider
// reads the system clock and the system locale (CmnSystemLocale); a test pins either
// for its scope with CCmnDateProviderScope, so that it passes on any day and machine.
class CCmnDateProvider
{
public:
    CCmnDateProvider() = default;
    CCmnDateProvider(const QDate &today, const QLocale &locale);

    QDate Today() const;
    QLocale Locale() const;

private:
    QDate m_Today;                   // invalid: the system clock
    std::optional<QLocale> m_Locale; // none: the system locale
};

// The provider in force.
const CCmnDateProvider &CmnGetDateProvider();

// Puts a provider in force for the life of the scope, then restores the previous one.
class CCmnDateProviderScope
{
public:
    explicit CCmnDateProviderScope(const CCmnDateProvider &provider);
    ~CCmnDateProviderScope();
    Q_DISABLE_COPY_MOVE(CCmnDateProviderScope)

private:
    CCmnDateProvider m_Previous;
};
