#include "cmnupdateinfo.h"

#include "cmncompactdate.h"
#include "cmnhtmlescape.h"
#include "cmnsystemsettings.h"

#include <QHostAddress>
#include <QList>
#include <QStringList>
#include <QUrl>

namespace {

const QString kFormatLine = QStringLiteral("MORVELUPDATEFORMAT 1");
const QString kBuildId = QStringLiteral("BUILDMOR");
const QString kPlatform = QStringLiteral("LINUX");
const QString kFileName = QStringLiteral("updateinfo.txt");
constexpr qint64 kDaysBetweenChecks = 14;

// A version part as its digits without leading zeros ("007" is "7", "0" is ""),
// so that numbers of any length compare without overflow; false unless the part
// is one or more ASCII digits.
bool NumberDigits(const QString &part, QString *digits)
{
    if (part.isEmpty())
        return false;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    qsizetype first = 0;
    while (first < part.size() && part.at(first) == QLatin1Char('0'))
        ++first;
    *digits = part.mid(first);
    return true;
}

// Exactly three decimal integers joined by ".".
bool SplitVersion(const QString &version, QStringList *parts)
{
    const QStringList pieces = version.split(QLatin1Char('.'));
    if (pieces.size() != 3)
        return false;
    parts->clear();
    for (const QString &piece : pieces) {
        QString digits;
        if (!NumberDigits(piece, &digits))
            return false;
        *parts << digits;
    }
    return true;
}

// Compares two numbers given as digits without leading zeros.
int CompareNumbers(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

bool IsNewer(const QStringList &offered, const QStringList &running)
{
    for (qsizetype i = 0; i < 3; ++i) {
        const int order = CompareNumbers(offered.at(i), running.at(i));
        if (order != 0)
            return order > 0;
    }
    return false;
}

// A "BEGIN" line of five words that names this build and platform, a newer
// version and a real date.
bool AcceptsBlock(const QStringList &words, const QStringList &running)
{
    if (words.size() != 5 || words.at(1).compare(kBuildId, Qt::CaseInsensitive) != 0)
        return false;
    bool forThisPlatform = false;
    for (const QString &platform : words.at(2).split(QLatin1Char('+')))
        forThisPlatform = forThisPlatform || platform.compare(kPlatform, Qt::CaseInsensitive) == 0;
    QStringList offered;
    return forThisPlatform && SplitVersion(words.at(3), &offered) && IsNewer(offered, running)
           && CmnParseCompactDate(words.at(4)).isValid();
}

struct CItem
{
    bool m_Feature;
    QString m_Text;
};

QString ItemsHtml(const QList<CItem> &items)
{
    if (items.isEmpty())
        return QString();
    qsizetype features = 0;
    for (const CItem &item : items)
        features += item.m_Feature ? 1 : 0;
    QString html = features == 1
                       ? QStringLiteral("<p>The update includes the following change / new feature:</p>\n")
                       : QStringLiteral("<p>The update includes the following changes / new features:</p>\n");
    bool listOpen = false;
    for (const CItem &item : items) {
        if (item.m_Feature) {
            if (!listOpen)
                html += QStringLiteral("<ul>\n");
            listOpen = true;
            html += QStringLiteral("<li>%1</li>\n").arg(item.m_Text);
        } else {
            if (listOpen)
                html += QStringLiteral("</ul>\n");
            listOpen = false;
            html += QStringLiteral("<p><b>%1</b></p>\n").arg(item.m_Text);
        }
    }
    if (listOpen)
        html += QStringLiteral("</ul>\n");
    return html;
}

QString CompactDate(const QDate &date)
{
    return QString::asprintf("%04d%02d%02d", date.year(), date.month(), date.day());
}

} // namespace

bool CmnUpdateCheckDue(CCmnSystemSettings &settings, const QDate &today)
{
    if (settings.GetDontAskAgainResult(CmnUpdateNoticeMessageId) != 0)
        return false;
    const QString key = QLatin1String(CmnUpdateReminderKey);
    const QDate next = CmnParseCompactDate(settings.StringValue(key));
    if (!next.isValid()) {
        settings.m_Strings.insert(key, CompactDate(today));
        return false;
    }
    if (next > today)
        return false;
    settings.m_Strings.insert(key, CompactDate(today.addDays(kDaysBetweenChecks)));
    return true;
}

QUrl CmnUpdateInfoUrl(const QString &baseAddress, const QString &compactProductName)
{
    QUrl url(baseAddress + QLatin1Char('/') + compactProductName + QLatin1Char('/') + kFileName, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return QUrl();
    const QString scheme = url.scheme().toLower();
    const bool thisMachine = url.host() == QLatin1String("localhost") || QHostAddress(url.host()).isLoopback();
    if (scheme == QLatin1String("https") || (scheme == QLatin1String("http") && thisMachine))
        return url;
    return QUrl();
}

bool CmnIsAllowedUpdateRedirect(const QUrl &target)
{
    return target.isValid() && target.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

QString CmnUpdateNoticeHtml(const QString &updateText, const QString &runningVersion, const QString &productName,
                            const QString &webSite)
{
    QStringList running;
    if (!SplitVersion(runningVersion, &running))
        return QString();
    QStringList lines = updateText.split(QLatin1Char('\n'));
    lines.removeAll(QString());
    // Compared as it stands: a carriage return left by another line ending fails.
    if (lines.isEmpty() || lines.first() != kFormatLine)
        return QString();

    bool inBlock = false;
    bool accepted = false;
    QList<CItem> items;
    QStringList firstMessage;
    QStringList secondMessage;
    QString link;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        // Split at single blanks: two in a row give an empty word, so a "BEGIN"
        // line with a doubled blank has too many words and is not accepted.
        const QStringList words = line.split(QLatin1Char(' '));
        const QString key = words.first().toUpper();
        const QString value = line.mid(words.first().size()).trimmed();
        if (!inBlock) {
            if (key == QLatin1String("BEGIN") && AcceptsBlock(words, running)) {
                inBlock = true;
                accepted = true;
                firstMessage.clear();
                secondMessage.clear();
            }
            continue;
        }
        if (key == QLatin1String("FEATURE"))
            items << CItem{true, value};
        else if (key == QLatin1String("HEADING"))
            items << CItem{false, value};
        else if (key == QLatin1String("MSG1"))
            firstMessage << value;
        else if (key == QLatin1String("MSG2"))
            secondMessage << value;
        else if (key == QLatin1String("LINK"))
            link = value;
        else if (key == QLatin1String("END"))
            inBlock = false;
    }
    if (!accepted)
        return QString();

    QString html = QStringLiteral("<p>There is a new version of %1 available. To obtain the new version, please "
                                  "visit the %1 download area on our web site - <a href='%2'>click here</a>.</p>\n")
                       .arg(CmnHtmlEscape(productName), CmnHtmlEscape(webSite + QStringLiteral("/download.html")));
    html += firstMessage.join(QLatin1Char(' '));
    html += ItemsHtml(items);
    html += secondMessage.join(QLatin1Char(' '));
    if (!link.isEmpty())
        html += QStringLiteral("<p><b>For further information about this new release please <a href='%1'>click "
                               "here</a>.</b></p>\n")
                    .arg(link);
    return html;
}
