#pragma once

#include "cmndate.h"

#include <QTest>

// Shows a date's day numbers and calendar when a comparison fails.
namespace QTest {
template <>
inline char *toString(const CCmnDate &date)
{
    return qstrdup(QStringLiteral("[%1..%2 cal %3]")
                       .arg(date.FirstDay())
                       .arg(date.LastDay())
                       .arg(date.Calendar())
                       .toLatin1()
                       .constData());
}
} // namespace QTest
