#include "cmndateprovider.h"

#include "cmnsystemlocale.h"

namespace {

// The one process-wide seam: the system's clock and locale unless a test scope pins them.
CCmnDateProvider &CurrentProvider()
{
    static CCmnDateProvider provider;
    return provider;
}

} // namespace

CCmnDateProvider::CCmnDateProvider(const QDate &today, const QLocale &locale)
    : m_Today(today), m_Locale(locale)
{
}

QDate CCmnDateProvider::Today() const
{
    return m_Today.isValid() ? m_Today : QDate::currentDate();
}

QLocale CCmnDateProvider::Locale() const
{
    return m_Locale ? *m_Locale : CmnSystemLocale();
}

const CCmnDateProvider &CmnGetDateProvider()
{
    return CurrentProvider();
}

CCmnDateProviderScope::CCmnDateProviderScope(const CCmnDateProvider &provider)
    : m_Previous(CurrentProvider())
{
    CurrentProvider() = provider;
}

CCmnDateProviderScope::~CCmnDateProviderScope()
{
    CurrentProvider() = m_Previous;
}
