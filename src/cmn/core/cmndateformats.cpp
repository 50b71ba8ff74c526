#include "cmndateformats.h"

namespace {

QStringList BuildInputFormats()
{
    // Month first, then day first. In the day-first patterns with a month name, the
    // one-digit day comes before the two-digit day.
    static const char *const kPatterns[] = {
        "[mm/[dd/]]yyyy",   "[m/[d/]]yyyy",   "[mmm/[dd/]]yyyy", "[mmm/[d/]]yyyy",
        "[mmmm/[dd/]]yyyy", "[mmmm/[d/]]yyyy", "[mm/[dd/]]yy",   "[m/[d/]]yy",
        "[mmm/[dd/]]yy",    "[mmm/[d/]]yy",   "[mmmm/[dd/]]yy",  "[mmmm/[d/]]yy",
        "[[dd/]mm/]yyyy",   "[[d/]m/]yyyy",   "[[d/]mmm/]yyyy",  "[[dd/]mmm/]yyyy",
        "[[d/]mmmm/]yyyy",  "[[dd/]mmmm/]yyyy", "[[dd/]mm/]yy",  "[[d/]m/]yy",
        "[[d/]mmm/]yy",     "[[dd/]mmm/]yy",  "[[d/]mmmm/]yy",   "[[dd/]mmmm/]yy",
    };
    QStringList formats;
    for (const char *pattern : kPatterns) {
        const QString format = QLatin1String(pattern);
        formats << format;
        for (const QChar separator : {u':', u'-', u' '})
            formats << QString(format).replace(QLatin1Char('/'), separator);
    }
    return formats;
}

QStringList BuildOutputFormats()
{
    QStringList formats;
    for (const QString &format : CmnGetDateInputFormats()) {
        formats << format;
        if (format.contains(QLatin1String("mmmm")))
            formats << QString(format).replace(QLatin1String("mmmm"), QLatin1String("MMMM"));
        else if (format.contains(QLatin1String("mmm")))
            formats << QString(format).replace(QLatin1String("mmm"), QLatin1String("MMM"));
    }
    return formats;
}

} // namespace

const QStringList &CmnGetDateInputFormats()
{
    static const QStringList formats = BuildInputFormats();
    return formats;
}

const QStringList &CmnGetDateOutputFormats()
{
    static const QStringList formats = BuildOutputFormats();
    return formats;
}
