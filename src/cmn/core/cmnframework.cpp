#include "cmnframework.h"

#include "cmnappdescriptor.h"
#include "cmndate.h"
#include "cmnhighlight.h"
#include "cmndateprovider.h"

#include <QCoreApplication>

// The resources live in a static library, whose registration the linker would
// drop unless it is named here; the macro cannot stand inside a namespace.
static void InitFrameworkResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(cmnpixmaps);
    Q_INIT_RESOURCE(cmntoolbuttons);
    Q_INIT_RESOURCE(inbuiltsample);
}

namespace {

QString &DefaultDateInputFormat()
{
    static QString format;
    return format;
}

} // namespace

void CmnRegisterValueTypes()
{
    qRegisterMetaType<CCmnDate>("CCmnDate");
    qRegisterMetaType<CCmnHighlight>("CCmnHighlight");
}

const QString &CmnDefaultDateInputFormat()
{
    return DefaultDateInputFormat();
}

QString CmnDateInputFormatForShortDateFormat(const QString &shortDateFormat)
{
    for (const QChar c : shortDateFormat) {
        const QChar upper = c.toUpper();
        if (upper == QLatin1Char('M'))
            return QStringLiteral("[mm/[dd/]]yyyy");
        if (upper == QLatin1Char('D'))
            break;
    }
    return QStringLiteral("[[dd/]mm/]yyyy");
}

void CmnInitFramework(const CCmnAppDescriptor &descriptor)
{
    CCmnAppDescriptor &app = CmnGetAppDescriptor();
    app = descriptor;
    if (app.m_HomePage.isEmpty())
        app.SetHomePageUrl(app.m_MakersWebDomain + QLatin1Char('/') + app.m_CompactDisplayName);

    DefaultDateInputFormat() =
        CmnDateInputFormatForShortDateFormat(CmnGetDateProvider().Locale().dateFormat(QLocale::ShortFormat));

    QCoreApplication::setOrganizationName(app.m_MakersCompanyName);
    QCoreApplication::setOrganizationDomain(app.m_MakersWebDomain);
    QCoreApplication::setApplicationName(app.m_ProductDisplayName);
    QCoreApplication::setApplicationVersion(app.m_FullVersion);

    CmnRegisterValueTypes();
    InitFrameworkResources();
}
